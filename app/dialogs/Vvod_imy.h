#pragma once

#include <QDialog>
#include <QString>

class NameEdit;
class QLabel;
class QShowEvent;

/// The name dialog: asks for the player's name in one field; the button "O" beside it
/// offers the players that have a profile. The caller puts a name into m_name before the
/// dialog runs and takes m_name afterwards: after OK a valid name, after Escape the name the
/// dialog was opened with.
class CVvod_imy : public QDialog {
    Q_OBJECT

public:
    explicit CVvod_imy(QWidget* parent = nullptr);

    /// The player's name: given in, and after OK one word of 1..12 characters that can be
    /// part of a file name.
    QString m_name;
    /// The text above the field: the prompt, or why the name was refused.
    QString m_label;

    /// Puts the prompt and the given name into the controls; true.
    bool OnInitDialog();
    /// "Принять" or Enter: keeps the first word of the field and ends the dialog when it is
    /// a valid name; otherwise says why in the label and stays open.
    void OnOK();
    /// "O": offers the list of players; a chosen player's name goes into the field.
    void OnChoosePlayer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// Escape: m_name goes back to the name the dialog was opened with, since the field may
    /// hold an unchecked name.
    void reject() override;

    /// m_name and m_label into the controls, and the field's text back into m_name.
    void exchangeToControls();
    void exchangeFromControls();

    /// The static text above the field and the name field; owned by the dialog.
    QLabel* m_prompt;
    NameEdit* m_edit;
    /// m_name as it was when the dialog opened.
    QString m_openedName;
};
