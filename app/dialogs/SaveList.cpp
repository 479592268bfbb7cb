#include "app/dialogs/SaveList.h"

#include "platform/Files.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace {

/// Files that are saved games; a save's name is the file name up to the first dot.
const QString kSavePattern = QStringLiteral("*.svv*");

} // namespace

int ListSaves(const QString& folder, SaveSlots& names, QListWidget& list)
{
    // Emptying the list is no choice of the player's: the dialogs hear only real ones.
    const QSignalBlocker quiet(list);
    list.clear();
    names.fill(QString());
    int count = 0;
    for (const QString& file : platform::ListFolder(folder, kSavePattern)) {
        if (count == kMaxSaves)
            break;
        const QString name = file.left(file.indexOf(QLatin1Char('.')));
        names[static_cast<std::size_t>(++count)] = name;
        list.addItem(name);
    }
    return count;
}

int SelectedSlot(const QListWidget& list)
{
    const QList<QListWidgetItem*> selected = list.selectedItems();
    if (selected.isEmpty())
        return 0;
    const int slot = list.row(selected.front()) + 1;
    return slot >= 1 && slot <= kMaxSaves ? slot : 0;
}
