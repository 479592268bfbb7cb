#include "app/dialogs/SaveList.h"

#include "app/files/NamedFiles.h"
#include "app/files/ProgramFolder.h"

#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

int ListSaves(const QString& folder, SaveSlots& names, QListWidget& list)
{
    // Emptying the list is no choice of the player's: the dialogs hear only real ones.
    const QSignalBlocker quiet(list);
    list.clear();
    names.fill(QString());
    int count = 0;
    for (const NamedFile& save : ListNamedFiles(folder, kSaveExtension)) {
        if (count == kMaxSaves)
            break;
        names[static_cast<std::size_t>(++count)] = save.name;
        list.addItem(save.name);
    }
    return count;
}

bool IsListedSave(const SaveSlots& names, int count, const QString& name)
{
    const auto listed = names.begin() + 1;
    return std::find(listed, listed + count, name) != listed + count;
}

QString SavePath(const QString& folder, const QString& name)
{
    const QString listed = FindNamedFile(folder, kSaveExtension, name, Qt::CaseSensitive);
    return FileInFolder(folder, listed.isEmpty() ? name + kSaveExtension : listed);
}

int SelectedSlot(const QListWidget& list)
{
    const QList<QListWidgetItem*> selected = list.selectedItems();
    if (selected.isEmpty())
        return 0;
    const int slot = list.row(selected.front()) + 1;
    return slot >= 1 && slot <= kMaxSaves ? slot : 0;
}
