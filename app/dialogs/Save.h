#pragma once

#include "app/dialogs/SaveList.h"

#include <QDialog>
#include <QListWidget>
#include <QString>

class QLineEdit;
class QShowEvent;

/// The save dialog: takes a new name for the save, or an existing save from the list; keeps
/// the saves to eight, asks before replacing one, and deletes a listed save. It writes no
/// save itself: after OK the caller saves under m_name.
class CSave : public QDialog {
    Q_OBJECT

public:
    explicit CSave(QWidget* parent = nullptr);

    /// The save's name: the caller's default going in, the name to save under after OK.
    QString m_name;
    /// The listed saves by slot.
    SaveSlots m_names;
    /// Saves listed, 0..8.
    int m_count = 0;
    /// 1 when m_name is a new name (given by the caller or typed), 0 when it is a listed save.
    int m_isNew = 1;
    /// The list of saves; entry p stands for slot p + 1.
    QListWidget m_list;
    /// The folder whose saves are listed and deleted: the program folder.
    QString m_directory;

    /// Lists the saves and shows the caller's name as a new one; true.
    bool OnInitDialog();
    /// A listed save chosen: its name goes into the field and counts as not new.
    void OnSelChangeList();
    /// "Сохранить": ends with OK for a new name while fewer than eight saves exist, or for a
    /// listed save once the player agrees to replace it.
    void OnOK();
    /// "Удалить": deletes the chosen save once the player agrees, and lists the saves again.
    void OnDelete();

    /// True when m_name is a listed save, taken as such: after OK, a file the folder holds
    /// that the player agreed to replace, whatever its name.
    bool namesListedSave() const { return m_isNew == 0 && IsListedSave(m_names, m_count, m_name); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// m_name into the field, and the field's text back into m_name.
    void exchangeToControls();
    void exchangeFromControls();
    /// Lists the saves again and starts over with an empty new name.
    void startOver();

    /// The name field; owned by the dialog.
    QLineEdit* m_edit;
};
