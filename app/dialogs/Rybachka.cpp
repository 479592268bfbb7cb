#include "app/dialogs/Rybachka.h"

#include "app/dialogs/TemplateControls.h"
#include "platform/MemoryDC.h"

namespace {

constexpr int kBacks = 8;
/// Tile n spans x 3 + 75 (n - 1) to 78 + 75 (n - 1) and y 3 to 103, client pixels: each
/// tile's right edge is the next one's left edge, so no point lies in two tiles.
constexpr int kTileLeft = 3;
constexpr int kTileTop = 3;
constexpr int kTileWidth = 75;
constexpr int kTileHeight = 100;

std::vector<platform::Rect> backTiles()
{
    std::vector<platform::Rect> tiles(kBacks + 1);
    for (int n = 1; n <= kBacks; ++n) {
        const int left = kTileLeft + kTileWidth * (n - 1);
        tiles[static_cast<std::size_t>(n)] = { left, kTileTop, left + kTileWidth, kTileTop + kTileHeight };
    }
    return tiles;
}

/// The template, in dialog units of the font the tiles were measured in (an average
/// character of 6 x 13 pixels, which makes each picture the size of a card).
constexpr int kBaseWidth = 6;
constexpr int kBaseHeight = 13;
constexpr int kDialogWidth = 402;
constexpr int kDialogHeight = 79;
/// The font size, in tenths of a point.
constexpr int kFontSize = 80;
/// Picture n stands at x 3 + 50 (n - 1), y 3, 47 x 59.
constexpr int kPictureLeft = 3;
constexpr int kPictureStep = 50;
constexpr int kPictureTop = 3;
constexpr int kPictureWidth = 47;
constexpr int kPictureHeight = 59;
constexpr TemplateRect kOkPlace { 3, 64, 198, 14 };
constexpr TemplateRect kCancelPlace { 204, 64, 196, 14 };

} // namespace

CRybachka::CRybachka(QWidget* parent)
    : PictureChoice(parent, backTiles(), kBacks)
{
    const TemplateControls controls(*this, QStringLiteral("Рубашка"),
        platform::pointFont(kFontSize, QStringLiteral("Liberation Sans")),
        DialogUnits(kBaseWidth, kBaseHeight), kDialogWidth, kDialogHeight);
    for (int n = 1; n <= kBacks; ++n)
        controls.picture(GamePicture(QStringLiteral("back%1.png").arg(n)),
            { kPictureLeft + kPictureStep * (n - 1), kPictureTop, kPictureWidth, kPictureHeight });
    controls.okButton(QStringLiteral("Выбрать"), kOkPlace);
    controls.cancelButton(QStringLiteral("Закрыть"), kCancelPlace);
}
