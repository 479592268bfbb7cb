#include "app/drawing/PanelGrowth.h"

#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "engine/Settings.h"
#include "platform/FramePacer.h"

namespace {

/// The first and the last frame, counted in steps from the centre.
constexpr int kFirstFrame = 2;
constexpr int kLastFrame = 12;
/// Pause after each frame, and after the last one settles back by a step, in ms.
constexpr int kFramePause = 15;
constexpr int kSettlePause = 9;

void fillFrame(CVertanDlg& dlg, const PanelGrowthStep& step, int frame)
{
    const int c = CentreX();
    const int cy = CentreY();
    const int left = c - step.halfWidth * frame;
    const int top = cy - step.up * frame;
    const int right = c + step.halfWidth * frame;
    const int bottom = cy + step.down * frame;
    platform::MemoryDC& window = dlg.surface().dc();
    window.rectangle(left, top, right, bottom);
    dlg.surface().flush(left, top, right - left, bottom - top);
}

} // namespace

void GrowPanel(CVertanDlg& dlg, const PanelGrowthStep& step)
{
    if (g_animation != 1)
        return;
    platform::MemoryDC& window = dlg.surface().dc();
    window.selectPen(platform::Pen::Null());
    window.selectBrush(dlg.m_brush2);
    window.setMixMode(platform::MixMode::CopyPen);
    platform::FramePacer pacer;
    for (int frame = kFirstFrame; frame <= kLastFrame; ++frame) {
        fillFrame(dlg, step, frame);
        pacer.wait(kFramePause);
    }
    pacer.wait(kFramePause);
    fillFrame(dlg, step, kLastFrame - 1);
    pacer.wait(kSettlePause);
}
