#include "app/dialogs/O_Program.h"

#include "app/Globals.h"
#include "app/PageOpening.h"
#include "app/Sounds.h"
#include "app/dialogs/TemplateControls.h"
#include "app/files/ProgramFolder.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QShowEvent>

#include <algorithm>

namespace {

/// The link the pointer last entered (0 none, 1 or 2); 1 while a caption stands risen; 1
/// when the current move lies on a link; 1 while the pointer is on a risen link (the hand,
/// and a click opens it); 1 while it is on the close box (the hand). Every opening starts
/// with none of them: a link left risen at the last closing would otherwise open at the
/// first click, wherever it lands, before the pointer has moved.
int g_aboutHoverLink = 0;
int g_aboutHighlighted = 0;
int g_aboutHitThisMove = 0;
int g_aboutOverLink = 0;
int g_aboutOverClose = 0;

/// The box is one picture made of three, placed in client pixels where they were drawn to
/// meet; the captions' points and the close box are measured in the same pixels.
constexpr QSize kClientSize(566, 182);
constexpr QPoint kLeftPicture(0, 0);
constexpr QPoint kUpperPicture(229, 0);
constexpr QPoint kLowerPicture(231, 125);
/// The black band the captions are drawn in, between the right-hand pictures.
constexpr QRect kBand(237, 81, 343, 46);
constexpr platform::Rect kLink1Area { 237, 81, 371, 103 };
constexpr platform::Rect kLink2Area { 237, 108, 430, 127 };
constexpr platform::Rect kCloseBox { 544, 6, 562, 24 };
/// Captions in light blue; a risen caption gets a copy one pixel down and right in yellow.
const QColor kCaptionColour(128, 128, 255);
const QColor kRaisedColour(228, 251, 1);
constexpr QPoint kRaise(1, 1);
/// The hand's hot spot: the tip of its finger.
constexpr QPoint kHandHotSpot(11, 1);

template <std::size_t N>
QPolygon pointsOf(const std::array<int, N>& xs, const std::array<int, N>& ys, int count)
{
    QPolygon points;
    for (int j = 1; j <= count; ++j)
        points << QPoint(xs[static_cast<std::size_t>(j)], ys[static_cast<std::size_t>(j)]);
    return points;
}

} // namespace

CO_Program::CO_Program(QWidget* parent)
    : QDialog(parent)
    , m_hCursor(GamePicture(QStringLiteral("hand.png")), kHandHotSpot.x(), kHandHotSpot.y())
    , m_left(GamePicture(QStringLiteral("about1.png")))
    , m_upper(GamePicture(QStringLiteral("about2.png")))
    , m_lower(GamePicture(QStringLiteral("about3.png")))
{
    // A frame without a title bar: the picture carries its own close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(kClientSize);
    setMouseTracking(true);
}

bool CO_Program::OnInitDialog()
{
    g_aboutHoverLink = 0;
    g_aboutHighlighted = 0;
    g_aboutHitThisMove = 0;
    g_aboutOverLink = 0;
    g_aboutOverClose = 0;
    m_link1Count = std::clamp(m_link1Count, 0, kAboutLink1Capacity);
    m_link2Count = std::clamp(m_link2Count, 0, kAboutLink2Capacity);
    m_rcLink1 = kLink1Area;
    m_rcLink2 = kLink2Area;
    m_rcClose = kCloseBox;
    return true;
}

void CO_Program::OnMouseMove(int x, int y)
{
    g_aboutHitThisMove = 0;
    if (m_rcLink1.contains(x, y)) {
        g_aboutHoverLink = 1;
        HighlightLink();
    }
    if (m_rcLink2.contains(x, y)) {
        g_aboutHoverLink = 2;
        HighlightLink();
    }
    g_aboutOverClose = m_rcClose.contains(x, y) ? 1 : 0;
    if (g_aboutHitThisMove == 0 && g_aboutHighlighted == 1) {
        g_aboutHoverLink = 0;
        g_aboutHighlighted = 0;
        g_aboutOverLink = 0;
        update();
    }
}

void CO_Program::HighlightLink()
{
    g_aboutHitThisMove = 1;
    if (g_aboutHighlighted == 1)
        return;
    g_aboutHighlighted = 1;
    if (m_buttonSounds == 1)
        PlayEffectUngated(Effect::ButtonHover);
    g_aboutOverLink = 1;
    update();
}

void CO_Program::OnSetCursor()
{
    if (g_aboutOverLink == 1 || g_aboutOverClose == 1)
        setCursor(m_hCursor);
    else
        unsetCursor();
}

void CO_Program::OnLButtonDown(int x, int y)
{
    if (m_rcClose.contains(x, y)) {
        PlayEffectUngated(Effect::ButtonClick);
        return reject();
    }
    if (g_aboutOverLink == 1)
        OpenLink();
}

void CO_Program::OpenLink()
{
    PlayEffectUngated(Effect::ButtonClick);
    if (g_aboutHoverLink == 1)
        OpenPageOrTell(FileInFolder(g_programDir, kContactPage));
    else if (g_aboutHoverLink == 2)
        OpenPageOrTell(FileInFolder(g_programDir, kHelpPage));
}

void CO_Program::DrawLinks(QPainter& painter) const
{
    painter.fillRect(kBand, Qt::black);
    const QPolygon link1 = pointsOf(m_link1X, m_link1Y, m_link1Count);
    const QPolygon link2 = pointsOf(m_link2X, m_link2Y, m_link2Count);
    painter.setPen(kCaptionColour);
    painter.drawPoints(link1);
    painter.drawPoints(link2);
    if (g_aboutHighlighted == 1 && (g_aboutHoverLink == 1 || g_aboutHoverLink == 2)) {
        painter.setPen(kRaisedColour);
        painter.drawPoints(g_aboutHoverLink == 1 ? link1.translated(kRaise) : link2.translated(kRaise));
    }
}

void CO_Program::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        OnInitDialog();
    QDialog::showEvent(event);
}

void CO_Program::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(kLeftPicture, m_left);
    painter.drawPixmap(kUpperPicture, m_upper);
    painter.drawPixmap(kLowerPicture, m_lower);
    DrawLinks(painter);
}

void CO_Program::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    OnMouseMove(p.x(), p.y());
    OnSetCursor();
    QDialog::mouseMoveEvent(event);
}

void CO_Program::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        OnLButtonDown(p.x(), p.y());
    }
    QDialog::mousePressEvent(event);
}
