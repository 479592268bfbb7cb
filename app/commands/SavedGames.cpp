#include "app/Globals.h"
#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/VertanDlg.h"
#include "app/WindowTitle.h"
#include "app/dialogs/Open.h"
#include "app/dialogs/PlayerName.h"
#include "app/dialogs/Save.h"
#include "app/drawing/ImagePainting.h"
#include "app/files/ImageData.h"
#include "app/files/SavedGameFile.h"
#include "app/files/SavedGameState.h"
#include "app/files/SettingsFile.h"
#include "app/files/StateFile.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/ResumedPosition.h"
#include "engine/Settings.h"
#include "platform/DialogRunner.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"

namespace {

/// What the save command says about a name that is empty or all blanks.
const QString kEmptyNameMessage = QStringLiteral("Введите имя сохранения");
/// Messages about a save that could not be made or read: why for %1 of the first, the
/// save's name for %1 of the others.
const QString kUnsavableMessage = QStringLiteral("Игру нельзя сохранить: %1.");
const QString kUnreadableMessage = QStringLiteral("Не удалось прочитать сохранение %1.");
const QString kDamagedMessage = QStringLiteral("Сохранение %1 повреждено (%2) и не загружено.");

/// Why a save name cannot name a file, as the message to show; empty when it can. The
/// name becomes the file "<name>.svv" in the program folder, so it follows the rules of a
/// player's name, and saying nothing but blanks asks for a name.
QString SaveNameRefusal(const QString& name)
{
    if (WordsOf(name).isEmpty())
        return kEmptyNameMessage;
    return NameRefusal(name);
}

/// The name chosen in the save dialog, asked again until it can name a file; empty when
/// the dialog is left without OK. A save picked from the list names its file already, so
/// it is replaced under its name even when no player could type that name ("X.old"): the
/// list holds only files of the program folder, whose names hold no separator.
QString AskSaveName(QWidget* parent)
{
    for (;;) {
        CSave dialog(parent);
        dialog.m_name = g_saveName;
        dialog.m_directory = g_programDir;
        if (platform::RunModal(dialog) != QDialog::Accepted)
            return {};
        const QString refusal = dialog.namesListedSave() ? QString() : SaveNameRefusal(dialog.m_name);
        if (refusal.isEmpty())
            return dialog.m_name;
        platform::Tell(refusal);
    }
}

} // namespace

void CVertanDlg::OnSaveGame()
{
    const QString name = AskSaveName(this);
    if (name.isEmpty())
        return;
    g_saveName = name;

    // A game the file cannot carry (a name or a score cell the reader would refuse) is
    // not written: a save that does not load back would be lost without a word.
    const QByteArray text = FormatSavedGame(CaptureSavedGame(*this));
    if (const SavedGameReading check = ParseSavedGame(text); !check.game) {
        platform::Tell(kUnsavableMessage.arg(check.problem));
        return;
    }
    WriteStateFile(SavePath(g_programDir, name), text);
}

void CVertanDlg::OnLoadGame()
{
    COpen dialog(this);
    dialog.m_directory = g_programDir;
    // "Загрузить" with no save chosen gives no name: there is nothing to load.
    if (platform::RunModal(dialog) != QDialog::Accepted || dialog.m_name.isEmpty())
        return;

    // The whole file is read and checked before anything changes, so that a save that
    // cannot be loaded leaves the game, the settings and their file as they were.
    const std::optional<QByteArray> text = platform::ReadWholeFile(SavePath(g_programDir, dialog.m_name));
    if (!text) {
        platform::Tell(kUnreadableMessage.arg(dialog.m_name));
        return;
    }
    const SavedGameReading reading = ParseSavedGame(*text);
    if (!reading.game) {
        platform::Tell(kDamagedMessage.arg(dialog.m_name, reading.problem));
        return;
    }

    // The outgoing player's settings are kept before the save's replace them.
    WriteSettings();
    const int oldBackground = g_background;
    const platform::COLORREF oldCustomColour = m_customColour;
    const int oldCardBack = g_cardBack;
    const int oldHandSort = g_handSort;
    RestoreSavedGame(*reading.game, *this);
    g_keptFinalScore.reset();
    g_saveName = g_playerName;

    UpdateDerivedSettings();
    AssignVoicePhrases();
    SpaceHandRows();
    if (g_cardBack != oldCardBack)
        RepaintCardBack();
    if (g_background == kCustomBackground && m_customColour != oldCustomColour) {
        FillCustomBackground(m_customColour);
        RebuildBackground();
    } else if (g_background != oldBackground) {
        RebuildBackground();
    }
    if (g_handSort != oldHandSort)
        SortHumanHand();
    // Once the hand stands in its order, so that a card's place in it is found where it is.
    ResumeSavedPosition();
    setWindowTitle(TableTitle(g_playerName, g_level, g_gameLength));
    RedrawTable();

    WriteLastPlayer(g_programDir, g_playerName);
    // The save's settings stay in force; they go to the loaded player's own file.
    g_settingsFile = SettingsFileOf(g_programDir, g_playerName);
}
