#include "support/SavedGameSample.h"
#include "support/TableFixture.h"

#include "app/Sounds.h"
#include "app/dialogs/Open.h"
#include "app/dialogs/Save.h"
#include "app/files/ImageData.h"
#include "app/files/SavedGameState.h"
#include "app/files/SettingsFile.h"
#include "engine/GameState.h"
#include "engine/Settings.h"
#include "platform/Cp1251.h"
#include "support/QStringPrinter.h"
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
            return button->click();
    ADD_FAILURE() << "no button " << text.toStdString();
}

/// The save and load commands over a program folder of their own.
class SavedGamesTest : public TableCommandTest {
protected:
    /// The save dialog answered by pasting a name over the field's and pressing "Сохранить";
    /// `offered` receives the name the field showed.
    void answerSave(const QString& typed, QString* offered = nullptr)
    {
        dialogs_.answerAs<CSave>([typed, offered](CSave& dialog) {
            auto* field = dialog.findChild<QLineEdit*>();
            if (offered)
                *offered = field->text();
            field->clear();
            field->insert(typed);
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
    }
    /// Another player's game at the table, nothing in play, with the values a saved game does
    /// not hold set and an overlay up; then the save is loaded.
    void loadOver(
        const QByteArray& text, const std::function<void()>& table = [] {})
    {
        if (!text.isNull())
            folder_.write(kSaveFile, text);
        ResetCardTable();
        ResetGameState();
        ResetPromptState();
        ResetSettings();
        g_playerName = g_saveName = QStringLiteral("ПЕТР");
        g_settingsFile = kSharedSettingsFile;
        std::tie(g_background, g_cardBack, g_handSort, g_voice) = std::tuple(1, 1, 1, kVoiceMale);
        table_->m_customColour = 0;
        for (int* value : { &table_->m_taker, &g_sevenExchanger, &g_sevenFound, &g_equalTwenties,
                 &g_equalFifties, &g_computerPairOnTrick, &g_humanPairOnTrick, &g_sheetOpen, &g_statsOpen })
            *value = 1;
        AssignVoicePhrases();
        table_->setWindowTitle(QStringLiteral("Вертан"));
        table();
        settingsBefore_ = CurrentSettings(table_->m_customColour);
        answerLoad(kName);
        table_->OnLoadGame();
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

    SettingsRecord settingsBefore_ {};
};

TEST_F(SavedGamesTest, SaveWritesTheTableAsItStandsUnderAnyOverlayAndChangesNothing)
{
    PutMidDealOnTable(*table_);
    g_saveName = QStringLiteral("СТАРАЯ");
    const SavedGame before = CaptureSavedGame(*table_);
    QString offered;
    answerSave(kName, &offered);
    table_->OnSaveGame();
    EXPECT_EQ(offered, QStringLiteral("СТАРАЯ"));
    EXPECT_EQ(folder_.read(kSaveFile), MidDealText());
    EXPECT_EQ(g_saveName, kName);
    EXPECT_EQ(CaptureSavedGame(*table_), before);

    // The statistics over the score sheet over the prompt: the file holds the prompt covered.
    std::tie(
        g_sheetOpen, g_sheetSavedPrompt, g_sheetSavedAnnouncement, g_sheetSavedMayPlay, g_sheetSavedLeads)
        = std::tuple(1, g_promptState, g_announcement, g_humanMayPlay, g_humanLeadsTrick);
    std::tie(
        g_statsOpen, g_statsSavedPrompt, g_statsSavedAnnouncement, g_statsSavedMayPlay, g_statsSavedLeads)
        = std::tuple(1, PromptState::kScoreSheet, image::kCaptionAcknowledge, 0, 0);
    std::tie(g_promptState, g_announcement, g_humanMayPlay)
        = std::tuple(PromptState::kStatistics, image::kCaptionAcknowledge, 0);
    answerSave(QStringLiteral("ДРУГАЯ"));
    table_->OnSaveGame();
    EXPECT_EQ(folder_.read(QStringLiteral("ДРУГАЯ.svv")), MidDealText());
    EXPECT_EQ(g_promptState, PromptState::kStatistics) << "the overlay stays up";
    EXPECT_EQ(files(), QStringList({ "ДРУГАЯ.svv", "ИВАН.svv" }));
    EXPECT_TRUE(messages().empty());
}

TEST_F(SavedGamesTest, NamesThatCannotNameAFileAreAskedForAgainAndARefusedSaveWritesNothing)
{
    PutMidDealOnTable(*table_);
    g_saveName = kName;
    const QString empty = QStringLiteral("Введите имя сохранения");
    const QString bad = QStringLiteral("Недопустимый символ");
    const QString blank = QStringLiteral("Имя не должно содержать пробелов");
    // A save name follows the rules of a player's name: one word of at most twelve
    // characters that Windows-1251 holds, nothing that makes a path or does not show.
    const std::vector<std::pair<QString, QString>> refused {
        { QString(), empty },
        { QStringLiteral("         "), empty }, // nine blanks are no name either
        { QStringLiteral("../ИГРА"), bad },
        { QStringLiteral("ИГРА.TXT"), bad },
        { QStringLiteral("ИГРА\u22151"), bad }, // slashes that look like "/"
        { QStringLiteral("ИГРА\uFF0F1"), bad },
        { QStringLiteral("\u200FИГРА"), bad }, // a direction mark
        { QStringLiteral("АБВГДЕЖЗИКЛМН"), QStringLiteral("Введите не более 12 символов") },
        { QStringLiteral("МОЯ ИГРА"), blank },
        { QStringLiteral(" ИГРА"), blank },
        { QStringLiteral("ИГРА\u00A0"), blank },
    };
    std::vector<QString> offered(refused.size()), told;
    for (std::size_t i = 0; i < refused.size(); ++i) {
        answerSave(refused[i].first, &offered[i]);
        told.push_back(refused[i].second);
    }
    answerSave(QStringLiteral("игра"));
    table_->OnSaveGame();
    EXPECT_EQ(messages(), told);
    EXPECT_EQ(offered, std::vector<QString>(refused.size(), kName)) << "each run offers the last save's name";
    EXPECT_EQ(g_saveName, QStringLiteral("ИГРА"));
    EXPECT_EQ(files(), QStringList { QStringLiteral("ИГРА.svv") });

    // Closing the dialog saves nothing; a cell the file cannot carry would not read back.
    dialogs_.answerAs<CSave>([](CSave&) { return int(QDialog::Rejected); });
    table_->OnSaveGame();
    g_sheetComputer[1] = QStringLiteral("два слова");
    answerSave(kName);
    table_->OnSaveGame();
    EXPECT_EQ(files(), QStringList { QStringLiteral("ИГРА.svv") });
    EXPECT_EQ(messages().size(), told.size() + 1);
    EXPECT_TRUE(messages().back().startsWith(QStringLiteral("Игру нельзя сохранить: ")));
}

TEST_F(SavedGamesTest, RoundTripPutsTheGameBackAndRedrawsTheTable)
{
    PutMidDealOnTable(*table_);
    const SavedGame saved = CaptureSavedGame(*table_);
    answerSave(kName);
    table_->OnSaveGame();
    loadOver(QByteArray());
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(CaptureSavedGame(*table_), saved);
    for (const int value : { g_sevenExchanger, g_sevenFound, g_equalTwenties, g_equalFifties,
             g_computerPairOnTrick, g_humanPairOnTrick, g_sheetOpen, g_statsOpen })
        EXPECT_EQ(value, 0) << "a value the file does not hold";

    // What follows from the loaded player and settings.
    EXPECT_EQ(g_saveName, kName);
    EXPECT_EQ(table_->windowTitle(), QStringLiteral("Вертан   -   ИВАН,   Профи,   Длинная партия."));
    EXPECT_EQ(folder_.read(kLastPlayerFile), platform::ToCp1251(kName));
    EXPECT_EQ(folder_.read(kSharedSettingsFile), FormatSettings(settingsBefore_)) << "the outgoing player's";
    EXPECT_EQ(g_settingsFile, kSharedSettingsFile);
    EXPECT_EQ(g_voicePhrase[1], "Sound\\Jen\\1.wav");
    EXPECT_EQ(g_halfAnimSteps, 7);
    // Five cards against four on a 1024 table: the gaps of a six-card row, moved in.
    EXPECT_EQ(std::tuple(g_humanCardStep, g_humanGap, g_computerCardStep, g_computerGap),
        std::tuple(-1, 157, -79, 235));

    // The new back and background are painted; the table is drawn from the loaded game.
    EXPECT_EQ(table_->m_dcBack.getPixel(30, 30), BackColour(5));
    EXPECT_EQ(table_->m_dcTable.getPixel(500, 500), BackgroundColour(3));
    EXPECT_EQ(table_->m_captionColour, platform::RGB(80, 100, 100));
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(bounds(table_->m_dcBuffer, FaceColour(g_humanHand[static_cast<std::size_t>(k)])),
            cardAt(157 + (k - 1) * 156, 554))
            << k;
    EXPECT_EQ(bounds(table_->m_dcBuffer, FaceColour(31)), cardAt(512 - 36, 344 - 61));
    EXPECT_EQ(differences(table_->m_dcBuffer, table_->surface().dc()), 0) << "the redraw reached the window";
}

TEST_F(SavedGamesTest, LoadedPlayerWithAProfileWritesToItButKeepsTheSavedSettings)
{
    // The save and the profile as listed, whatever the letter case of their extensions, and
    // neither the copies an interrupted write leaves nor a user's notes.
    folder_.write(QStringLiteral("ИВАН.SVV"), MidDealText());
    folder_.write(QStringLiteral("ИВАН.svv.aB12cd"), "damaged");
    folder_.write(QStringLiteral("ИВАН.Ind"), "0 1 0 1 3 1 1 1 1 1 8 1000 1 1 10 2");
    folder_.write(QStringLiteral("ИВАН.ind.aB12cd"), "0 1 0 1 3 1 1 1 1 1 8 1000 1 1 10 2");
    folder_.write(QStringLiteral("ИВАН.index"), "notes");
    loadOver(QByteArray());
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(g_settingsFile, QStringLiteral("ИВАН.Ind"));
    EXPECT_EQ(std::tuple(g_level, g_gameLength), std::tuple(3, 2));

    // Saved again under its name, the listed save is replaced rather than joined by another.
    platform_.messageBox.answer({ true });
    answerSave(kName);
    table_->OnSaveGame();
    EXPECT_EQ(folder_.read(QStringLiteral("ИВАН.SVV")), MidDealText());
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSaveFile)));
}

TEST_F(SavedGamesTest, TheLoadRepaintsAndSortsOnlyWhatChanged)
{
    constexpr platform::COLORREF kMarker = platform::RGB(1, 254, 3);
    // The same back, background and colour as the save: nothing is painted again.
    loadOver(MidDealText(), [this] {
        std::tie(g_background, g_cardBack, table_->m_customColour) = std::tuple(3, 5, 1193046u);
        table_->m_dcBack.setPixel(30, 30, kMarker);
    });
    EXPECT_EQ(table_->m_dcBack.getPixel(30, 30), kMarker);
    EXPECT_EQ(std::tuple(table_->m_captionColour, table_->m_dcTable.getPixel(500, 500)),
        std::tuple(kTestCaption, kTestTable));

    // A new colour on the colour tile in force fills the tile all the same.
    loadOver(withHeader(2, "11"), [this] {
        g_background = 11;
        table_->m_customColour = 0x0000ff;
    });
    EXPECT_EQ(g_backgroundColour[11][kTilePoints], 1193046u);
    EXPECT_EQ(table_->m_dcTable.getPixel(500, 500), 1193046u);
    EXPECT_EQ(table_->m_captionColour, 10180692u);

    // Saved in the order by points while the order by suits was chosen: kept when the order
    // in force is the saved one, else sorted by suits, the trumps last.
    const QByteArray bySuits = withHeader(7, "1");
    loadOver(bySuits, [] { g_handSort = 1; });
    EXPECT_EQ(g_humanHand, (Hand { 0, 27, 32, 6, 22, 14 }));
    loadOver(bySuits, [] { g_handSort = 2; });
    EXPECT_EQ(g_humanHand, (Hand { 0, 27, 32, 6, 14, 22 }));
}

TEST_F(SavedGamesTest, SaveThatCannotBeLoadedLeavesEverythingAsItWas)
{
    // The human must name a suit, the computer holds no card, but the card table puts four
    // in its hand.
    QList<QByteArray> mustName = withHeader(saved::kPromptState, "11").split(' ');
    mustName[HeaderWord(saved::kAnnouncement)] = "8";
    mustName[HeaderWord(saved::kComputerCount)] = "0";
    mustName.remove(ComputerHandWord(1), 4);
    const QString cut = QStringLiteral("файл обрывается");
    const std::vector<std::pair<QByteArray, QString>> damaged {
        { QByteArray(""), cut },
        { MidDealText().left(700), cut },
        { withHeader(42, "22"), QStringLiteral("значение 42 заголовка (22) недопустимо") },
        { mustName.join(' '), QStringLiteral("карта 1 по таблице карт в руке, но её там нет") },
    };
    SavedGame before;
    for (const auto& [text, problem] : damaged) {
        loadOver(text, [&] { before = CaptureSavedGame(*table_); });
        EXPECT_EQ(messages().back(),
            QStringLiteral("Сохранение ИВАН повреждено (%1) и не загружено.").arg(problem));
    }
    // A save that goes away once chosen.
    answerLoad(kName, [this] { QFile::remove(folder_.filePath(kSaveFile)); });
    table_->OnLoadGame();
    EXPECT_EQ(messages().back(), QStringLiteral("Не удалось прочитать сохранение ИВАН."));
    // "Загрузить" with no save chosen: nothing to load, nothing to say.
    folder_.write(kSaveFile, MidDealText());
    answerLoad(QStringLiteral("none"));
    table_->OnLoadGame();
    EXPECT_EQ(messages().size(), 5u);

    EXPECT_EQ(CaptureSavedGame(*table_), before);
    EXPECT_EQ(std::tuple(g_sevenFound, g_sheetOpen), std::tuple(1, 1));
    EXPECT_EQ(
        std::tuple(g_saveName, g_settingsFile), std::tuple(QStringLiteral("ПЕТР"), kSharedSettingsFile));
    EXPECT_EQ(table_->windowTitle(), QStringLiteral("Вертан"));
    EXPECT_EQ(files(), QStringList { kSaveFile }) << "neither the settings nor the last player written";
}

} // namespace
