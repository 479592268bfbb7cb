#pragma once

#include <QPoint>
#include <QString>

class QWidget;

/// Keyboard and mouse input delivered to a widget as a person's would be: through the
/// application, so a key the widget ignores goes on to its parents (Enter and Escape reach
/// the dialog). No event loop runs.

/// Types a text one character at a time.
void TypeText(QWidget& widget, const QString& text);
/// Presses and releases a key such as Qt::Key_Return or Qt::Key_Escape.
void PressKey(QWidget& widget, int key);
/// Presses and releases the left mouse button at a point of the widget.
void ClickAt(QWidget& widget, QPoint point);
/// A double click of the left button, as a person's: press, release, double click, release.
void DoubleClickAt(QWidget& widget, QPoint point);
/// Moves the pointer to a point of the widget with no button held.
void MoveMouseTo(QWidget& widget, QPoint point);
