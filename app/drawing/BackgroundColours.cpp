#include "app/drawing/BackgroundColours.h"

#include "app/files/ImageData.h"

#include <algorithm>
#include <array>

namespace {

/// Caption colours: bright cyan on most backgrounds, a dim one on the light ones.
constexpr platform::COLORREF kBrightCaption = platform::RGB(80, 255, 255);
constexpr platform::COLORREF kDimCaption = platform::RGB(80, 100, 100);
constexpr platform::COLORREF kHover = platform::RGB(228, 251, 1);

/// Backgrounds 1..10: announcement and caption colour.
constexpr std::array<BackgroundColours, kFileBackgroundCount + 1> kFileBackgrounds { {
    {},
    { platform::RGB(50, 0, 0), kBrightCaption, kHover },
    { platform::RGB(130, 0, 0), kBrightCaption, kHover },
    { platform::RGB(0, 0, 100), kDimCaption, kHover },
    { platform::RGB(0, 150, 230), kBrightCaption, kHover },
    { platform::RGB(255, 255, 255), kBrightCaption, kHover },
    { platform::RGB(155, 0, 0), kDimCaption, kHover },
    { platform::RGB(0, 0, 155), kDimCaption, kHover },
    { platform::RGB(100, 100, 200), kBrightCaption, kHover },
    { platform::RGB(0, 255, 0), kBrightCaption, kHover },
    { platform::RGB(55, 0, 0), kBrightCaption, kHover },
} };

/// On the custom colour c the texts take fixed values less a part of c, computed on the
/// whole colour value as one unsigned number; for c up to 0xFFFFFF none goes below 0.
constexpr platform::COLORREF kCustomAnnouncementBase = 13777215;
constexpr platform::COLORREF kCustomAnnouncementDivisor = 3;
constexpr platform::COLORREF kCustomCaptionBase = 10777215;
constexpr platform::COLORREF kCustomCaptionDivisor = 2;
constexpr platform::COLORREF kCustomHoverBase = 7777215;
constexpr platform::COLORREF kCustomHoverDivisor = 4;

} // namespace

BackgroundColours ColoursForBackground(int background, platform::COLORREF customColour)
{
    if (background == kCustomBackground)
        return { kCustomAnnouncementBase - customColour / kCustomAnnouncementDivisor,
            kCustomCaptionBase - customColour / kCustomCaptionDivisor,
            kCustomHoverBase - customColour / kCustomHoverDivisor };
    return kFileBackgrounds[static_cast<std::size_t>(std::clamp(background, 1, kFileBackgroundCount))];
}
