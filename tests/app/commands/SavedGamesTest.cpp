#include "support/SavedGameSample.h"
#include "support/TableFixture.h"

#include "app/Sounds.h"
#include "app/dialogs/Open.h"
#include "app/dialogs/Save.h"
#include "app/files/SavedGameState.h"
#include "platform/Cp1251.h"
#include "support/WidgetInput.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kName = QStringLiteral("ИВАН");
const QString kSaveFile = QStringLiteral("ИВАН.svv");

void press(QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            button->click();
}

/// The save and load commands over a program folder of their own.
class SavedGamesTest : public TableCommandTest {
protected:
    /// The save dialog answered by pasting a name over the field's, which `offered_` gets,
    /// and pressing "Сохранить".
    void save(const QString& typed)
    {
        dialogs_.answerAs<CSave>([this, typed](CSave& dialog) {
            auto* field = dialog.findChild<QLineEdit*>();
            offered_ = field->text();
            field->clear();
            field->insert(typed);
            press(dialog, QStringLiteral("Сохранить"));
            return dialog.result();
        });
    }
    /// The save dialog answered by clicking the save's entry and "Сохранить".
    void replace(const QString& name)
    {
        dialogs_.answerAs<CSave>([name](CSave& dialog) {
            for (const QListWidgetItem* item : dialog.m_list.findItems(name, Qt::MatchExactly))
                ClickAt(*dialog.m_list.viewport(), dialog.m_list.visualItemRect(item).center());
            press(dialog, QStringLiteral("Сохранить"));
            return dialog.result();
        });
    }
    /// The load dialog answered by clicking the save's entry, running `chosen`, and "Загрузить".
    void answerLoad(
        const QString& name, const std::function<void()>& chosen = [] {})
    {
        dialogs_.answerAs<COpen>([name, chosen](COpen& dialog) {
            for (const QListWidgetItem* item : dialog.m_list.findItems(name, Qt::MatchExactly))
                ClickAt(*dialog.m_list.viewport(), dialog.m_list.visualItemRect(item).center());
            chosen();
            press(dialog, QStringLiteral("Загрузить"));
            return dialog.result();
        });
        table_->OnLoadGame();
    }
    /// Loads `text` (unless null) over another player's game: nothing in play, the values a
    /// save does not hold set, both overlays up, and what `table` sets.
    void loadOver(
        const QByteArray& text, const std::function<void()>& table = [] {})
    {
        if (!text.isNull())
            folder_.write(kSaveFile, text);
        ResetCardTable();
        ResetGameState();
        ResetPromptState();
        ResetSettings();
        std::tie(g_playerName, g_saveName, g_settingsFile) = std::tuple("ПЕТР", "ПЕТР", kSharedSettingsFile);
        std::tie(g_background, g_cardBack, g_handSort, g_voice, table_->m_customColour)
            = std::tuple(1, 1, 1, 1, 0);
        for (int* value : { &table_->m_taker, &g_sevenExchanger, &g_sevenFound, &g_equalTwenties,
                 &g_equalFifties, &g_computerPairOnTrick, &g_humanPairOnTrick, &g_sheetOpen, &g_statsOpen })
            *value = 1;
        AssignVoicePhrases();
        table_->setWindowTitle(QStringLiteral("Вертан"));
        table();
        outgoing_ = FormatSettings(CurrentSettings(table_->m_customColour));
        answerLoad(kName);
    }
    QStringList files() const
    {
        return QDir(folder_.path()).entryList(QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot);
    }
    static QByteArray withHeader(int n, const QByteArray& value)
    {
        QList<QByteArray> words = MidDealText().split(' ');
        words[HeaderWord(n)] = value;
        return words.join(' ');
    }

    QByteArray outgoing_;
};

TEST_F(SavedGamesTest, SaveWritesTheTableAsItStandsAndChangesNothing)
{
    PutMidDealOnTable(*table_);
    g_saveName = QStringLiteral("СТАРАЯ");
    const SavedGame before = CaptureSavedGame(*table_);
    save(kName);
    table_->OnSaveGame();
    EXPECT_EQ(std::tuple(offered_, g_saveName, folder_.read(kSaveFile)),
        std::tuple("СТАРАЯ", kName, MidDealText()));
    EXPECT_EQ(CaptureSavedGame(*table_), before);
    EXPECT_EQ(std::tuple(files(), messages().size()), std::tuple(QStringList { "ИВАН.svv" }, 0u));
}

TEST_F(SavedGamesTest, NamesThatCannotNameAFileAreAskedForAgainAndARefusedSaveWritesNothing)
{
    PutMidDealOnTable(*table_);
    g_saveName = kName;
    const QString empty = QStringLiteral("Введите имя сохранения"),
                  bad = QStringLiteral("Недопустимый символ");
    const QString blank = QStringLiteral("Имя не должно содержать пробелов");
    // A save name follows the rules of a player's name: one word of at most twelve
    // characters that Windows-1251 holds, nothing that makes a path or does not show.
    const std::vector<std::pair<QString, QString>> refused { { "", empty }, { "         ", empty },
        { "../ИГРА", bad }, { "ИГРА.TXT", bad }, { "ИГРА\u22151", bad }, { "ИГРА\uFF0F1", bad }, // slashes
        { "\u200FИГРА", bad }, // a direction mark
        { "АБВГДЕЖЗИКЛМН", "Введите не более 12 символов" }, { "МОЯ ИГРА", blank }, { " ИГРА", blank },
        { "ИГРА\u00A0", blank } };
    std::vector<QString> told;
    for (const auto& [name, message] : refused) {
        save(name);
        told.push_back(message);
    }
    save(QStringLiteral("игра"));
    table_->OnSaveGame();
    EXPECT_EQ(messages(), told);
    EXPECT_EQ(
        std::tuple(offered_, g_saveName, files()), std::tuple(kName, "ИГРА", QStringList { "ИГРА.svv" }))
        << "each run offers the last save's name";

    // Closing the dialog saves nothing; a cell the file cannot carry would not read back.
    dialogs_.answerAs<CSave>([](CSave&) { return int(QDialog::Rejected); });
    table_->OnSaveGame();
    g_sheetComputer[1] = QStringLiteral("два слова");
    save(kName);
    table_->OnSaveGame();
    EXPECT_EQ(
        std::tuple(files(), messages().size()), std::tuple(QStringList { "ИГРА.svv" }, told.size() + 1));
    EXPECT_TRUE(messages().back().startsWith(QStringLiteral("Игру нельзя сохранить: ")));
}

TEST_F(SavedGamesTest, ANameQtWouldTakeForAPathOfItsOwnIsAFileOfTheProgramFolder)
{
    // Qt reads a path that begins with ":" as a resource: the name alone would write and
    // read nothing. Typed names are saved and loaded back; one made outside the game loads.
    PutMidDealOnTable(*table_);
    folder_.write(QStringLiteral(":B.svv"), MidDealText());
    g_settingsFile = kSharedSettingsFile;
    const SavedGame saved = CaptureSavedGame(*table_);
    for (const auto& [name, typed] : { std::tuple(":RES", true), std::tuple(":A", true),
             std::tuple("QRC:X", true), std::tuple("ИВАН", true), std::tuple(":B", false) }) {
        if (typed) {
            save(name);
            table_->OnSaveGame();
        }
        std::tie(g_playerName, g_humanTotal) = std::tuple("ПЕТР", -1);
        answerLoad(name);
        EXPECT_EQ(
            std::tuple(folder_.read(name + kSaveExtension), g_playerName, CaptureSavedGame(*table_) == saved),
            std::tuple(MidDealText(), kName, true))
            << name;
    }
    EXPECT_EQ(messages(), std::vector<QString> {});
}

TEST_F(SavedGamesTest, ASaveChosenFromTheListIsReplacedWhateverItsName)
{
    // Files made outside the game under names no player could type: being listed is what
    // shows that each names a file of the folder.
    PutMidDealOnTable(*table_);
    const std::vector<QString> names { "X.old", ":RES", "x", "МОЯ ИГРА", "АБВГДЕЖЗИКЛМН", "ИВАН" };
    std::vector<QString> asked;
    for (const QString& name : names) {
        folder_.write(name + kSaveExtension, "old");
        platform_.messageBox.answer({ true });
        replace(name);
        table_->OnSaveGame();
        asked.push_back(name + QStringLiteral("\nСохранение существует.\nЗаменить его?"));
        EXPECT_EQ(
            std::tuple(folder_.read(name + kSaveExtension), g_saveName), std::tuple(MidDealText(), name));
    }
    EXPECT_EQ(messages(), asked);
    EXPECT_EQ(files().size(), names.size()) << "each save replaced, none added";

    // A name that is not listed keeps to the rule, however the dialog came by it.
    dialogs_.answerAs<CSave>([](CSave& dialog) {
        std::tie(dialog.m_name, dialog.m_isNew) = std::tuple("../ЧУЖОЕ", 0);
        return int(QDialog::Accepted);
    });
    dialogs_.answerAs<CSave>([](CSave&) { return int(QDialog::Rejected); });
    table_->OnSaveGame();
    EXPECT_EQ(messages().back(), QStringLiteral("Недопустимый символ"));
    EXPECT_EQ(files().size(), names.size());
}

TEST_F(SavedGamesTest, RoundTripPutsTheGameBackAndWorksOutWhatFollowsFromIt)
{
    PutMidDealOnTable(*table_);
    const SavedGame saved = CaptureSavedGame(*table_);
    save(kName);
    table_->OnSaveGame();
    loadOver(QByteArray());
    EXPECT_EQ(std::tuple(messages().size(), CaptureSavedGame(*table_) == saved), std::tuple(0u, true));
    // What the file does not hold, what follows from the loaded player and settings, and the
    // outgoing player's settings written.
    EXPECT_EQ(std::tuple(g_sevenExchanger, g_sevenFound, g_equalTwenties, g_equalFifties,
                  g_computerPairOnTrick, g_humanPairOnTrick, g_sheetOpen, g_statsOpen),
        std::tuple(0, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(std::tuple(g_saveName, table_->windowTitle(), folder_.read(kLastPlayerFile), g_settingsFile),
        std::tuple(kName, "Вертан   -   ИВАН,   Профи,   Длинная партия.", platform::ToCp1251(kName),
            kSharedSettingsFile));
    EXPECT_EQ(folder_.read(kSharedSettingsFile), outgoing_);
    EXPECT_EQ(std::tuple(g_voicePhrase[1], g_halfAnimSteps), std::tuple("Sound\\Jen\\1.wav", 7));
    // Five cards against four on a 1024 table: the gaps of a six-card row, moved in.
    EXPECT_EQ(std::tuple(g_humanCardStep, g_humanGap, g_computerCardStep, g_computerGap),
        std::tuple(-1, 157, -79, 235));
    // The new back and background are painted; the table is drawn from the loaded game.
    EXPECT_EQ(std::tuple(table_->m_dcBack.getPixel(30, 30), table_->m_dcTable.getPixel(500, 500),
                  table_->m_captionColour),
        std::tuple(BackColour(5), BackgroundColour(3), platform::RGB(80, 100, 100)));
    EXPECT_EQ(bounds(table_->m_dcBuffer, FaceColour(g_humanHand[5])), cardAt(157 + 4 * 156, 554));
    EXPECT_EQ(bounds(table_->m_dcBuffer, FaceColour(31)), cardAt(512 - 36, 344 - 61))
        << "the computer's card";
    EXPECT_EQ(differences(table_->m_dcBuffer, table_->surface().dc()), 0) << "the redraw reached the window";
}

TEST_F(SavedGamesTest, LoadedPlayerWithAProfileWritesToItButKeepsTheSavedSettings)
{
    // The save and the profile as listed, whatever the letter case of their extensions, and
    // neither the copies an interrupted write leaves nor a user's notes.
    for (const auto& [file, text] :
        { std::tuple("ИВАН.SVV", MidDealText()), std::tuple("ИВАН.svv.aB12cd", QByteArray("x")),
            std::tuple("ИВАН.Ind", QByteArray("0 1 0 1 3 1 1 1 1 1 8 1000 1 1 10 2")),
            std::tuple("ИВАН.ind.aB12cd", QByteArray("0 1 0 1 3 1 1 1 1 1 8 1000 1 1 10 2")),
            std::tuple("ИВАН.index", QByteArray("notes")) })
        folder_.write(file, text);
    loadOver(QByteArray());
    EXPECT_EQ(std::tuple(messages().size(), g_settingsFile, g_level, g_gameLength),
        std::tuple(0u, "ИВАН.Ind", 3, 2));

    // Saved again under its name, the listed save is replaced, once the player agrees,
    // rather than joined by another.
    platform_.messageBox.answer({ true });
    save(kName);
    table_->OnSaveGame();
    EXPECT_EQ(
        std::tuple(messages().size(), folder_.read("ИВАН.SVV"), QFile::exists(folder_.filePath(kSaveFile))),
        std::tuple(1u, MidDealText(), false));
}

TEST_F(SavedGamesTest, TheLoadRepaintsAndSortsOnlyWhatChanged)
{
    // The same back, background and colour as the save: nothing is painted again.
    loadOver(MidDealText(), [this] {
        std::tie(g_background, g_cardBack, table_->m_customColour) = std::tuple(3, 5, 1193046u);
        table_->m_dcBack.setPixel(30, 30, kTestBack);
    });
    EXPECT_EQ(std::tuple(table_->m_dcBack.getPixel(30, 30), table_->m_captionColour,
                  table_->m_dcTable.getPixel(500, 500)),
        std::tuple(kTestBack, kTestCaption, kTestTable));
    // A new colour on the colour tile in force fills the tile all the same.
    loadOver(withHeader(2, "11"),
        [this] { std::tie(g_background, table_->m_customColour) = std::tuple(11, 0xffu); });
    EXPECT_EQ(std::tuple(g_backgroundColour[11][kTilePoints], table_->m_dcTable.getPixel(500, 500),
                  table_->m_captionColour),
        std::tuple(1193046u, 1193046u, 10180692u));
    // Saved by points with the order by suits chosen: kept while the order in force is the
    // saved one, else sorted by suits, the trumps last.
    loadOver(withHeader(7, "1"), [] { g_handSort = 1; });
    EXPECT_EQ(g_humanHand, (Hand { 0, 27, 32, 6, 22, 14 }));
    loadOver(withHeader(7, "1"), [] { g_handSort = 2; });
    EXPECT_EQ(g_humanHand, (Hand { 0, 27, 32, 6, 14, 22 }));
}

TEST_F(SavedGamesTest, SavesEarlierVersionsWroteLoadAndStandAsPosed)
{
    // Prompts 8, 9 and 10 with the acknowledge caption (posed, then drawn again) or with the
    // computer's bid; the empty table after a game's end with its totals or with the score
    // a change of player cleared, and the final panel over that cleared score. Positions of
    // real play that what the cards make of the deal and the score are checked against: both
    // sides' runs declared, the computer's pair label over its lead, the pair question over
    // the human's answer, a tie hanging through the next deal's play.
    const struct {
        const char* file;
        PromptState prompt;
        int image; ///< g_announcement once loaded and drawn
    } saves[] {
        { "9873791-prompt8-redrawn", PromptState::kComputerNamedAfterPass, image::kCaptionAcknowledge },
        { "9873791-prompt9-redrawn", PromptState::kComputerNamedFirst, image::kCaptionAcknowledge },
        { "9873791-prompt10-redrawn", PromptState::kComputerPassedAgain, image::kCaptionAcknowledge },
        { "31cbf9e-prompt8-redrawn", PromptState::kComputerNamedAfterPass, image::kCaptionAcknowledge },
        { "31cbf9e-prompt9-redrawn", PromptState::kComputerNamedFirst, image::kCaptionAcknowledge },
        { "31cbf9e-prompt10-redrawn", PromptState::kComputerPassedAgain, image::kCaptionAcknowledge },
        { "9873791-empty-after-change-player", PromptState::kDealResult, image::kNone },
        { "9873791-final-panel-after-change-player", PromptState::kDealResult, image::kCaptionAcknowledge },
        { "31cbf9e-empty-after-game", PromptState::kDealResult, image::kNone },
        { "9873791-both-declare", PromptState::kBothDeclare, image::kCaptionNo },
        { "9873791-computer-pair-label", PromptState::kComputerDeclares, image::kNone },
        { "31cbf9e-pair-question-on-answer", PromptState::kPairOnAnswer, image::kCaptionNo },
        { "31cbf9e-tie-in-play", PromptState::kDealResult, image::kNone },
    };
    for (const auto& save : saves) {
        QFile file(
            QStringLiteral(VERTAN_SOURCE_DIR "/tests/app/commands/earlier-saves/%1.svv").arg(save.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << save.file;
        loadOver(file.readAll());
        EXPECT_EQ(messages(), std::vector<QString> {}) << save.file;
        EXPECT_EQ(std::tuple(g_promptState, g_announcement), std::tuple(save.prompt, save.image))
            << save.file;
    }
}

TEST_F(SavedGamesTest, SaveThatCannotBeLoadedLeavesEverythingAsItWas)
{
    // The human must name a suit, the computer holds no card, but the card table puts four in its hand.
    QList<QByteArray> mustName = withHeader(saved::kPromptState, "11").split(' ');
    mustName[HeaderWord(saved::kAnnouncement)] = "8";
    mustName[HeaderWord(saved::kComputerCount)] = "0";
    mustName.remove(ComputerHandWord(1), 4);
    const QString cut = QStringLiteral("файл обрывается");
    SavedGame before;
    for (const auto& [text, problem] :
        { std::tuple(QByteArray(""), cut), std::tuple(MidDealText().left(700), cut),
            std::tuple(withHeader(42, "22"), QStringLiteral("значение 42 заголовка (22) недопустимо")),
            std::tuple(
                mustName.join(' '), QStringLiteral("карта 1 по таблице карт в руке, но её там нет")) }) {
        loadOver(text, [&] { before = CaptureSavedGame(*table_); });
        EXPECT_EQ(messages().back(),
            QStringLiteral("Сохранение ИВАН повреждено (%1) и не загружено.").arg(problem));
    }
    // A save that goes away once chosen; "Загрузить" with no save chosen, which says nothing.
    answerLoad(kName, [this] { QFile::remove(folder_.filePath(kSaveFile)); });
    EXPECT_EQ(messages().back(), QStringLiteral("Не удалось прочитать сохранение ИВАН."));
    folder_.write(kSaveFile, MidDealText());
    answerLoad(QStringLiteral("none"));
    EXPECT_EQ(messages().size(), 5u);
    EXPECT_EQ(CaptureSavedGame(*table_), before);
    EXPECT_EQ(
        std::tuple(g_sevenFound, g_sheetOpen, g_saveName, g_settingsFile, table_->windowTitle(), files()),
        std::tuple(1, 1, "ПЕТР", kSharedSettingsFile, "Вертан", QStringList { kSaveFile }))
        << "neither the settings nor the last player written";
}

} // namespace
