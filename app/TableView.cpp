#include "app/TableView.h"

#include "app/Layout.h"
#include "app/VertanDlg.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

TableView::TableView(CVertanDlg& table)
    : QWidget(&table)
    , table_(table)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

QSize TableView::sizeHint() const
{
    return { kInitialClientWidth, kInitialClientHeight };
}

void TableView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& image = table_.surface().dc().image();
    painter.drawImage(event->rect(), image, event->rect());
    // The game starts from the window's first paint, but outside the paint handler: the
    // start-up shows the intro and a modal dialog, which must not run inside a paint.
    if (!startUpQueued_) {
        startUpQueued_ = true;
        QTimer::singleShot(0, &table_, [this] { table_.RunStep([this] { table_.OnPaint(); }); });
    }
}

void TableView::resizeEvent(QResizeEvent*)
{
    const Qt::WindowStates state = window()->windowState();
    const int type = state & Qt::WindowMinimized ? kSizeMinimized
        : state & Qt::WindowMaximized            ? kSizeMaximized
                                                 : kSizeRestored;
    table_.OnSize(type, width(), height());
}

void TableView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    table_.RunStep([&] { table_.OnMouseMove(p.x(), p.y()); });
}

void TableView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    table_.RunStep([&] { table_.OnLButtonDown(p.x(), p.y()); });
}
