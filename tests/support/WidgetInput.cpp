#include "support/WidgetInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

void sendKey(QWidget& widget, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &release);
}

/// A mouse event of the left button (held for a press or double click) at a point of the widget.
void sendMouse(QWidget& widget, QEvent::Type type, QPoint point)
{
    const bool pressed = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(point), QPointF(widget.mapToGlobal(point)), button,
        pressed ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

void TypeText(QWidget& widget, const QString& text)
{
    // Letters carry their capital's code as the key, as a keyboard reports them.
    for (const QChar character : text)
        sendKey(widget, character.toUpper().unicode(), QString(character));
}

void PressKey(QWidget& widget, int key)
{
    sendKey(widget, key, QString());
}

void ClickAt(QWidget& widget, QPoint point)
{
    sendMouse(widget, QEvent::MouseButtonPress, point);
    sendMouse(widget, QEvent::MouseButtonRelease, point);
}

void DoubleClickAt(QWidget& widget, QPoint point)
{
    ClickAt(widget, point);
    sendMouse(widget, QEvent::MouseButtonDblClick, point);
    sendMouse(widget, QEvent::MouseButtonRelease, point);
}

void MoveMouseTo(QWidget& widget, QPoint point)
{
    sendMouse(widget, QEvent::MouseMove, point);
}
