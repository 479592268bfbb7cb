#pragma once

#include <QDialog>
#include <QListWidget>
#include <QString>

#include <array>

class QShowEvent;

/// The player list: the current player and the players that have a settings profile
/// ("<name>.ind" in the listed folder); one click on an entry chooses that player.
class CSpis_imy : public QDialog {
    Q_OBJECT

public:
    /// Name slots: 0 holds no name, 1 the current player, 2..8 other players.
    static constexpr int kSlotCount = 9;

    explicit CSpis_imy(QWidget* parent = nullptr);

    /// The entries; entry p stands for slot p + 1 (p = 0..7).
    QListWidget m_list;
    /// The names listed, by slot; unused slots are empty.
    std::array<QString, kSlotCount> m_names;
    /// The current player's name when the dialog opens; the chosen name after OK.
    QString m_current;
    /// The folder whose profiles are listed; empty lists the current folder.
    QString m_directory;

    /// Lists the current player first, then every other player with a profile, while
    /// slots last; true.
    bool OnInitDialog();
    /// A click on an entry: its player becomes m_current and the dialog ends with OK.
    void OnSelChangeList();

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// Adds a name to the list, roughly centred by leading blanks.
    void addEntry(const QString& name);
};
