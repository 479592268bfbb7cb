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
    const QPointF local(point);
    const QPointF global(widget.mapToGlobal(point));
    QMouseEvent press(
        QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(
        QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}
