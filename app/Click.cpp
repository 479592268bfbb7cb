#include "app/Hover.h"
#include "app/VertanDlg.h"
#include "app/drawing/TableDrawing.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"

#include <algorithm>
#include <array>

void CVertanDlg::OnLButtonDown(int x, int y)
{
    const bool humanMayPlay = g_toMove == kHuman && g_humanMayPlay == 1;
    if (g_buttonsActive == 0 && !humanMayPlay)
        return;

    // A button answers only while its prompt stands and it is one of that prompt's own:
    // a flag left from an earlier prompt must not run an answer twice.
    if (g_buttonsActive == 1 && IsLiveButton(g_hotButton)) {
        const std::array<ButtonRect, 5> rects { ButtonRect::kA, ButtonRect::kB, ButtonRect::kSuit1,
            ButtonRect::kSuit2, ButtonRect::kSuit3 };
        if (std::ranges::any_of(rects, [&](ButtonRect r) { return ButtonRectOf(*this, r).contains(x, y); })) {
            OnPromptButton();
            return;
        }
    }

    if (!humanMayPlay)
        return;
    // The cards overlap and a later card lies on top, so the visible card is the last hit.
    for (int k = std::clamp(g_humanCount, 0, kMaxHand); k >= 1; --k) {
        if (!g_humanCardRects[static_cast<std::size_t>(k)].contains(x, y))
            continue;
        const int card = g_humanHand[static_cast<std::size_t>(k)];
        if (!IsCard(card))
            return;
        const CardRecord& record = g_cards[static_cast<std::size_t>(card)];
        g_handIndex = k;
        g_humanCardSuit = record.suit();
        g_humanCardStrength = record.strength();
        g_humanCardPoints = record.points();
        if (g_humanFollows == 1)
            PlayHumanFollow();
        else
            PlayHumanLead();
        return;
    }
}
