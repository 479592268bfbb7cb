#pragma once

#include "app/files/SettingsFile.h"
#include "platform/Colour.h"

#include <QDialog>
#include <QString>

#include <array>

class QComboBox;
class QLineEdit;
class QShowEvent;

/// The profiles dialog: keeps one settings file per player ("<name>.ind" in the program
/// folder). It adds or replaces a profile holding the settings it was given under the name
/// typed, deletes the chosen profile or all of them; at most eight profiles exist. The
/// caller fills the folder, the name and the sixteen settings before the run and reads
/// nothing back: the files change at once.
class CIndividym : public QDialog {
    Q_OBJECT

public:
    /// Name slots: 0 holds no name, 1..8 the profiles listed.
    static constexpr int kSlotCount = 9;
    /// Profiles the folder may hold.
    static constexpr int kMaxProfiles = kSlotCount - 1;

    explicit CIndividym(QWidget* parent = nullptr);

    /// The listed profiles' names (the file name less ".ind") and files (as on disk), by
    /// slot in listing order; unused slots are empty.
    std::array<QString, kSlotCount> m_names;
    std::array<QString, kSlotCount> m_files;
    /// The folder whose profiles are kept, ending with "/"; empty means the current folder.
    QString m_directory;
    /// The profile list; entry i stands for slot i + 1. Owned by the dialog.
    QComboBox* m_combo;
    /// The name to add a profile under, exchanged with the name field.
    QString m_profileName;

    /// The sixteen settings a new profile holds, in the ranges of the settings file.
    /// 1 = the window is maximised.
    int m_maximized = 0;
    /// Table background 1..11 (11 = the custom colour).
    int m_background = 0;
    /// Custom table colour, red in the low byte, 0..0xFFFFFF.
    platform::COLORREF m_customColour = 0;
    /// Card back 1..8.
    int m_cardBack = 0;
    /// Second-deal cards to each hand, 3..6.
    int m_extraCards = 0;
    /// 1 male voice, 2 female, 3 none.
    int m_voice = 0;
    /// 1 hand by suits, 2 by points.
    int m_handSort = 0;
    /// 1 = card sounds on.
    int m_cardSounds = 0;
    /// Computer level 1..3.
    int m_level = 0;
    /// 1 short game, 2 long game.
    int m_gameLength = 0;
    /// Pause after a trick, ms.
    int m_trickPause = 0;
    /// Sleep per animation step, ms.
    int m_animDelay = 0;
    /// 1 = button sounds on.
    int m_buttonSounds = 0;
    /// 1 = card flights animated.
    int m_animation = 0;
    /// Steps of one card flight, 5..20.
    int m_animSteps = 0;
    /// Announcement style 0..3.
    int m_announcementStyle = 0;

    /// Profiles listed, 0..8.
    int m_count = 0;
    /// The chosen profile's name and file; both empty when none is chosen.
    QString m_selected;
    QString m_selectedFile;

    /// Shows the name given and lists the profiles; true.
    bool OnInitDialog();
    /// "Добавить": writes the settings as the profile of the name in the field, after asking
    /// before a profile is replaced; refuses a name that cannot be a player's and a ninth
    /// profile.
    void OnAdd();
    /// "Удалить": deletes the chosen profile after asking.
    void OnDelete();
    /// A profile chosen in the list.
    void OnSelChangeProfile();
    /// "Удалить все": deletes every listed profile after asking.
    void OnDeleteAll();

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// Empties the list and lists the folder's profiles anew; the first one is chosen.
    void listProfiles();
    /// Makes the profile of slot 1..8 the chosen one; any other slot chooses none.
    void select(int slot);
    /// Removes profile files; tells the player of those that could not be removed.
    void removeProfiles(const QStringList& files);
    /// The sixteen settings in the order of the settings file.
    SettingsRecord settings() const;

    /// The name field; owned by the dialog.
    QLineEdit* m_edit;
};
