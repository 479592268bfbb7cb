#pragma once

#include <QString>

#include <array>

class QListWidget;

/// Saved games are the files "<name>.svv" of the program folder. The save and load dialogs
/// list them by name into numbered slots, one list entry per slot.

/// The extension of a saved game's file.
inline const QString kSaveExtension = QStringLiteral(".svv");
/// The most saves the save dialog lets a player keep.
constexpr int kMaxSaves = 8;
/// Names of the listed saves by slot: slot 0 holds no name, slots 1..8 the entries 0..7.
using SaveSlots = std::array<QString, kMaxSaves + 1>;

/// Empties the slots and the list, then lists the saves of a folder (the files ending in
/// ".svv", each by its file name less that ending) into slots 1..8 and the list. A folder
/// holding more saves than there are slots shows the first eight. Returns how many were
/// listed, 0..8.
int ListSaves(const QString& folder, SaveSlots& names, QListWidget& list);

/// True when a name is one of the `count` saves listed in the slots.
bool IsListedSave(const SaveSlots& names, int count, const QString& name);

/// The path of the save of a name in a folder: the listed save's file as on disk, or the
/// name plus ".svv" when no save has that name yet.
QString SavePath(const QString& folder, const QString& name);

/// The slot 1..8 of the list's selected entry; 0 when no entry is selected.
int SelectedSlot(const QListWidget& list);
