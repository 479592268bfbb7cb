#pragma once

#include "app/dialogs/DialogTemplate.h"

#include <QString>
#include <QStringList>

#include <span>

class QCheckBox;
class QComboBox;
class QDialog;
class QFont;
class QLabel;
class QPixmap;
class QPushButton;
class QSlider;

/// The controls of a dialog template, built at their places. Every control is owned by the
/// dialog; the template's kinds keep their looks: flat push buttons, automatic check boxes,
/// group boxes with their title in the frame, sliders without tick marks, drop-down lists.
class TemplateControls {
public:
    /// Gives the dialog its caption (a title bar with a close box), its font and a fixed
    /// client area of width x height dialog units.
    TemplateControls(QDialog& dialog, const QString& caption, const QFont& font, const DialogUnits& units,
        int width, int height);

    /// Where a group box's title breaks its top line.
    enum class TitlePlace { Left, Centred };
    void groupBox(
        const QString& title, const TemplateRect& place, TitlePlace titlePlace = TitlePlace::Left) const;
    void staticText(const QString& text, const TemplateRect& place) const;
    QCheckBox* checkBox(const QString& text, const TemplateRect& place) const;
    /// A picture at the place's top-left corner, at its own size.
    QLabel* picture(const QPixmap& pixmap, const TemplateRect& place) const;
    /// A flat push button that Enter does not press; the caller connects its click.
    QPushButton* pushButton(const QString& text, const TemplateRect& place) const;
    /// The default button ends the dialog through the dialog's accept(), the other through
    /// its reject().
    QPushButton* okButton(const QString& text, const TemplateRect& place) const;
    QPushButton* cancelButton(const QString& text, const TemplateRect& place) const;
    /// A horizontal slider from low to high.
    QSlider* slider(const TemplateRect& place, int low, int high) const;
    /// A list to choose one item of; the place's height is that of the dropped list.
    QComboBox* dropDownList(const QStringList& items, const TemplateRect& place) const;

private:
    /// The dialog the controls go into, and its units.
    QDialog& dialog_;
    DialogUnits units_;
};

/// A check box and the 0/1 member of its dialog that it is exchanged with.
struct CheckBinding {
    QCheckBox* box;
    int* member;
};

/// Sets every box from its member (checked for 1), as a dialog refreshes its controls.
void ChecksToControls(std::span<const CheckBinding> checks);
/// Sets every member from its box: 1 for checked, 0 otherwise.
void ChecksFromControls(std::span<const CheckBinding> checks);

/// A picture of the program folder's "Pictures"; null when the file is missing.
QPixmap GamePicture(const QString& fileName);
