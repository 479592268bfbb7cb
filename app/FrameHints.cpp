#include "app/VertanDlg.h"

#include <QEvent>

namespace {

/// A resize step no window can take: a window manager keeps a window with this step at its
/// base size, as no window is as large as the base size and one step more. It is the
/// largest step Qt keeps (in 16 bits), and the largest size of an X window.
constexpr int kNoStep = 32767;

} // namespace

// The normal window has no sizing border, yet a maximise box. X window managers offer to
// maximise only a window whose size hints let it be resized (equal minimum and maximum
// sizes take the maximise box away), so the normal window is given its size as minimum and
// base size and a resize step beyond any screen: the manager can then neither shrink nor
// grow it, while a maximised window, whose steps the managers ignore, fills the screen. The
// step is dropped while maximised all the same, for a manager that would keep to it there.
void CVertanDlg::updateFrameHints()
{
    const QSize normal = sizeHint(); // the table's client size below the menu
    const bool normalState = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    setMinimumSize(normal);
    setBaseSize(normal);
    setSizeIncrement(normalState ? QSize(kNoStep, kNoStep) : QSize());
}

void CVertanDlg::showEvent(QShowEvent* event)
{
    // Qt hands a base size and a step to the window system only once the window exists,
    // which it does from the first show on, before the window is on the screen.
    updateFrameHints();
    QDialog::showEvent(event);
}

void CVertanDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        updateFrameHints();
    QDialog::changeEvent(event);
}
