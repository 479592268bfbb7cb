#include "app/steps/FirstBid.h"

#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/steps/Announce.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "engine/TrumpBidding.h"
#include "platform/Pause.h"

namespace {

/// How long the first-hand label stands when no phrase is spoken, in ms.
constexpr int kSilentLabelPause = 700;

} // namespace

void AnnounceFirstHand(CVertanDlg& dlg)
{
    const int firstHandImage = g_announcement;
    Announce(dlg, firstHandImage, Spot::kCentre);
    if (g_voice == kVoiceOff)
        platform::Sleep(kSilentLabelPause);
    Unannounce(dlg, firstHandImage, Spot::kCentre);
}

void PoseHumanBidsFirst(CVertanDlg& dlg)
{
    PoseTakeOrPass(dlg, PromptState::kHumanBidsFirst);
}

void PoseComputerBidsFirst(CVertanDlg& dlg)
{
    g_bidEvalState = kBidEvaluate;
    const int bid = ComputerAcceptsTrump() == 1 ? image::kComputerTakes : image::kComputerPasses;
    g_shownAnnouncement1 = bid;
    PoseComputerBid(dlg, bid, PromptState::kComputerBidFirst);
}
