#pragma once

#include "app/dialogs/DialogTemplate.h"

#include <QString>

class QDialog;
class QLabel;
class QPushButton;

/// What the name dialog and the player list share: a popup of 104 x 33 dialog units in
/// "Times New Roman" 14 point with a modal frame and no caption bar, a centred text along
/// its top and a small flat button "O" at the right.
struct PlayerDialogFrame {
    /// The units the dialog's own controls are placed in.
    DialogUnits units;
    /// The centred text along the top and the button "O"; owned by the dialog.
    QLabel* text;
    QPushButton* button;
};

/// Shapes a dialog and adds the shared controls. The text also names the window for the
/// window manager, since the frame shows no caption.
PlayerDialogFrame BuildPlayerDialog(QDialog& dialog, const QString& text);
