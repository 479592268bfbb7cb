#pragma once

#include "app/dialogs/SaveList.h"

#include <QDialog>
#include <QListWidget>
#include <QString>

class QShowEvent;

/// The load dialog: lists the saves and returns the one chosen. A click chooses a save, a
/// double click chooses it and ends with OK; it reads no save itself.
class COpen : public QDialog {
    Q_OBJECT

public:
    explicit COpen(QWidget* parent = nullptr);

    /// The chosen save's name; empty while none is chosen.
    QString m_name;
    /// The listed saves by slot.
    SaveSlots m_names;
    /// The list of saves; entry p stands for slot p + 1.
    QListWidget m_list;
    /// The folder whose saves are listed: the program folder.
    QString m_directory;

    /// Lists the saves with none chosen; true.
    bool OnInitDialog();
    /// A listed save chosen: it becomes m_name.
    void OnSelChangeList();
    /// A double click: chooses the save and ends with OK.
    void OnDblClkList();

protected:
    void showEvent(QShowEvent* event) override;
};
