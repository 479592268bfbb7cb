#pragma once

#include "app/dialogs/DialogTemplate.h"

#include <QStyle>

class QDialog;
class QListWidget;
class QPushButton;
class QString;

/// What the save and load dialogs share: a captioned popup in "Times New Roman" 12 point,
/// a list of saves along the left, a small picture and flat buttons at the right.

/// Shapes a dialog of width x height dialog units with its caption; the units its
/// controls are placed in.
DialogUnits ShapeSaveDialog(QDialog& dialog, const QString& caption, int width, int height);

/// Places the list of saves: one entry chosen at a time, a border, a scroll bar when the
/// entries do not fit.
void PlaceSaveList(QListWidget& list, const DialogUnits& units, const TemplateRect& place);

/// Adds the dialog's picture: the style's icon, scaled into the place.
void AddSavePicture(
    QDialog& dialog, const DialogUnits& units, QStyle::StandardPixmap icon, const TemplateRect& place);

/// Adds a flat push button; owned by the dialog.
QPushButton* AddFlatButton(
    QDialog& dialog, const DialogUnits& units, const QString& text, const TemplateRect& place);
