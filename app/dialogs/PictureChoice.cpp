#include "app/dialogs/PictureChoice.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>

#include <algorithm>

namespace {

/// The frame: 3 pixels wide, centred on the tile's outermost pixels, in cyan (which shows
/// as its complement over the dialog's face, since the frame inverts what lies under it).
constexpr int kFrameHalfWidth = 1;
const QColor kFrameColour(0, 255, 255);

/// Fills the frame as four bands that do not overlap, so that no pixel is inverted twice.
void xorFrame(QPainter& painter, const platform::Rect& r)
{
    const int left = r.left - kFrameHalfWidth;
    const int top = r.top - kFrameHalfWidth;
    const int right = r.right + kFrameHalfWidth;
    const int bottom = r.bottom + kFrameHalfWidth;
    constexpr int band = 2 * kFrameHalfWidth + 1;
    painter.fillRect(QRect(left, top, right - left, band), kFrameColour);
    painter.fillRect(QRect(left, bottom - band, right - left, band), kFrameColour);
    painter.fillRect(QRect(left, top + band, band, bottom - top - 2 * band), kFrameColour);
    painter.fillRect(QRect(right - band, top + band, band, bottom - top - 2 * band), kFrameColour);
}

} // namespace

PictureChoice::PictureChoice(QWidget* parent, std::vector<platform::Rect> tiles, int pictureTiles)
    : QDialog(parent)
    , m_tiles(std::move(tiles))
    , pictureTiles_(pictureTiles)
{
}

bool PictureChoice::OnInitDialog()
{
    choose(std::clamp(m_selected, 1, static_cast<int>(m_tiles.size()) - 1));
    return true;
}

void PictureChoice::OnLButtonDown(int x, int y)
{
    for (int tile = 1; tile <= pictureTiles_; ++tile)
        if (m_tiles[static_cast<std::size_t>(tile)].contains(x, y))
            choose(tile);
}

void PictureChoice::OnLButtonDblClk(int x, int y)
{
    for (int tile = 1; tile <= pictureTiles_; ++tile)
        if (m_tiles[static_cast<std::size_t>(tile)].contains(x, y))
            return accept();
}

void PictureChoice::choose(int tile)
{
    m_selected = tile;
    m_frame = m_tiles[static_cast<std::size_t>(tile)];
    update();
}

void PictureChoice::OnPaint(QPainter& painter)
{
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    xorFrame(painter, m_frame);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void PictureChoice::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        OnInitDialog();
    QDialog::showEvent(event);
}

void PictureChoice::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    OnPaint(painter);
}

void PictureChoice::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->position().toPoint().x(), event->position().toPoint().y());
    QDialog::mousePressEvent(event);
}

void PictureChoice::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(event->position().toPoint().x(), event->position().toPoint().y());
    // Not the base handling: it would take the second click for another press and choose
    // the tile again (for the colour tile, open the colour dialog again).
    event->accept();
}
