#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/PointImages.h"
#include "app/drawing/TableDrawing.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "platform/Pause.h"

#include <algorithm>
#include <array>

namespace {

/// Settings field 16, the announcement style; 0 is plain.
constexpr int kStyleOutlined = 1;
constexpr int kStyleRaised = 2;
constexpr int kStyleAnimated = 3;

/// The edge an outlined image gets one pixel above and left of it.
constexpr platform::COLORREF kOutlineColour = platform::RGB(255, 0, 0);
/// The animated style sleeps this long before each layer, in ms.
constexpr int kAnimatedLayerSleep = 20;
/// Layers (1-based) after which the animated style shows its band on the window.
constexpr std::array<int, 3> kAnimatedShowAfter { 4, 7, 9 };
/// The pointer position handed to the hover logic once an image is drawn: outside every
/// button, so a highlight drawn for the old picture is erased and the flags cleared; the
/// next real move highlights afresh.
constexpr Point kNowhere { -1, -1 };

/// Captions of the on-table buttons (images 28..34) are never layered, so they keep the
/// shape of their button.
bool isCaption(int n)
{
    return n >= image::kCaptionTake && n <= image::kCaptionAcknowledge;
}

} // namespace

void CVertanDlg::DrawLabel()
{
    const int image = g_announcement;
    const Point origin { g_announcementX, g_announcementY };
    const int style = g_announcementStyle;
    const bool stylised = style == kStyleRaised || style == kStyleAnimated;

    if (style == kStyleOutlined || (stylised && isCaption(image))) {
        DrawImagePass(m_dcBuffer, image, { origin.x - 1, origin.y - 1 }, kOutlineColour);
        DrawImagePass(m_dcBuffer, image, origin, m_announcementColour);
    } else if (style == kStyleRaised || (style == kStyleAnimated && g_fullRedraw == 1)) {
        // A full repaint never sleeps: the animated style then draws as the raised one.
        for (const Layer& layer : kRaisedLayers)
            DrawLayer(m_dcBuffer, image, origin, layer);
    } else if (style == kStyleAnimated) {
        // The band stays on the table's centre column, where every layered image stands.
        const platform::Rect band = ImageBand(image, { CentreX(), 0 });
        for (int i = 0; i < kLayerCount; ++i) {
            platform::Sleep(kAnimatedLayerSleep);
            DrawLayer(m_dcBuffer, image, origin, kRaisedLayers[static_cast<std::size_t>(i)]);
            if (std::ranges::find(kAnimatedShowAfter, i + 1) != kAnimatedShowAfter.end())
                m_surface.present(
                    m_dcBuffer, band.left, g_announcementY - kImageHalfHeight, band.width(), band.height());
        }
    } else {
        // Plain, and any style value outside 0..3.
        DrawImagePass(m_dcBuffer, image, origin, m_announcementColour);
    }

    if (g_promptState != PromptState::kNone)
        OnMouseMove(kNowhere.x, kNowhere.y);
}
