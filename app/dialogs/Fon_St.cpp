#include "app/dialogs/Fon_St.h"

#include "app/dialogs/TemplateControls.h"
#include "platform/DialogRunner.h"
#include "platform/MemoryDC.h"

#include <QColorDialog>
#include <QPainter>

#include <array>

namespace {

/// The pictures' tiles and the colour column, in client pixels. Neighbouring tiles of a
/// row overlap by one pixel column at x 208 and x 415.
const std::vector<platform::Rect> kTiles {
    {},
    { 1, 3, 105, 107 },
    { 105, 3, 209, 107 },
    { 208, 3, 312, 107 },
    { 312, 3, 416, 107 },
    { 415, 3, 519, 107 },
    { 1, 107, 105, 211 },
    { 105, 107, 209, 211 },
    { 208, 107, 312, 211 },
    { 312, 107, 416, 211 },
    { 415, 107, 519, 211 },
    { 519, 3, 623, 211 },
};
constexpr int kPictureTiles = 10;
constexpr int kColourTile = 11;
/// The inside of the colour column, filled with the custom colour.
constexpr QRect kSwatch(521, 5, 100, 204);
/// Colours are 24 bits: blue, green, red.
constexpr platform::COLORREF kColourBits = 0xffffff;

/// The template, in dialog units of the font the tiles were measured in (an average
/// character of 6 x 13 pixels, which makes each picture 100 pixels square).
constexpr int kBaseWidth = 6;
constexpr int kBaseHeight = 13;
constexpr int kDialogWidth = 415;
constexpr int kDialogHeight = 145;
/// The font size, in tenths of a point.
constexpr int kFontSize = 80;
constexpr std::array<TemplateRect, kPictureTiles> kPictures { {
    { 2, 3, 67, 62 },
    { 71, 3, 67, 62 },
    { 140, 3, 67, 62 },
    { 209, 3, 67, 62 },
    { 278, 3, 67, 62 },
    { 2, 67, 67, 62 },
    { 71, 67, 67, 62 },
    { 140, 67, 67, 62 },
    { 209, 67, 67, 62 },
    { 278, 67, 67, 62 },
} };
constexpr TemplateRect kOkPlace { 1, 131, 205, 13 };
constexpr TemplateRect kCancelPlace { 209, 131, 204, 13 };

QColor qColourOf(platform::COLORREF c)
{
    return QColor(platform::GetRValue(c), platform::GetGValue(c), platform::GetBValue(c));
}

} // namespace

CFon_St::CFon_St(QWidget* parent)
    : PictureChoice(parent, kTiles, kPictureTiles)
{
    const TemplateControls controls(*this, QStringLiteral("Фон стола"),
        platform::pointFont(kFontSize, QStringLiteral("Liberation Sans")),
        DialogUnits(kBaseWidth, kBaseHeight), kDialogWidth, kDialogHeight);
    for (int n = 1; n <= kPictureTiles; ++n)
        controls.picture(
            GamePicture(QStringLiteral("fon%1.png").arg(n)), kPictures[static_cast<std::size_t>(n - 1)]);
    controls.okButton(QStringLiteral("Выбрать"), kOkPlace);
    controls.cancelButton(QStringLiteral("Закрыть"), kCancelPlace);
}

bool CFon_St::OnInitDialog()
{
    m_customColour &= kColourBits;
    return PictureChoice::OnInitDialog();
}

void CFon_St::OnLButtonDown(int x, int y)
{
    PictureChoice::OnLButtonDown(x, y);
    if (!m_tiles[static_cast<std::size_t>(kColourTile)].contains(x, y))
        return;
    m_selected = kColourTile;
    QColorDialog colours(qColourOf(m_customColour), this);
    if (platform::RunModal(colours) == QDialog::Accepted) {
        const QColor chosen = colours.selectedColor();
        m_customColour = platform::RGB(chosen.red(), chosen.green(), chosen.blue());
    }
    choose(kColourTile);
}

void CFon_St::OnPaint(QPainter& painter)
{
    painter.fillRect(kSwatch, qColourOf(m_customColour));
    PictureChoice::OnPaint(painter);
}
