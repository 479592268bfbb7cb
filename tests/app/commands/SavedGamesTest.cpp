#include "support/SavedGameSample.h"
#include "support/TableFixture.h"

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/WindowTitle.h"
#include "app/dialogs/Open.h"
#include "app/dialogs/Save.h"
#include "app/drawing/BackgroundColours.h"
#include "app/drawing/TableDrawing.h"
#include "app/files/ImageData.h"
#include "app/files/SavedGameState.h"
#include "app/files/SettingsFile.h"
#include "engine/GameState.h"
#include "engine/Settings.h"
#include "platform/Cp1251.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetInput.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QString kName = QStringLiteral("ИВАН");
const QString kSaveFile = QStringLiteral("ИВАН.svv");
const QString kOtherName = QStringLiteral("ПЕТР");
/// A back colour no other back has, to see which back was painted last.
constexpr platform::COLORREF kBackFiveColour = platform::RGB(5, 55, 155);
/// Where the test puts point 1 of the card backs.
constexpr Point kBackPoint { 10, 10 };
/// A pixel put where a repaint would paint over it.
constexpr platform::COLORREF kMarker = platform::RGB(1, 254, 3);

QPushButton& buttonOf(QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return *button;
    ADD_FAILURE() << "no button " << text.toStdString();
    return *dialog.findChild<QPushButton*>();
}

/// The table of TableTest over a program folder of its own, with the save and load dialogs
/// answered by script.
class SavedGamesTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        g_programDir = folder_.path() + QLatin1Char('/');
        g_backColour[5].fill(kBackFiveColour);
        // One point of the backs off their corners, where a repaint shows.
        savedPoint_ = { g_cardPointX[1], g_cardPointY[1] };
        g_cardPointX[1] = kBackPoint.x;
        g_cardPointY[1] = kBackPoint.y;
    }
    void TearDown() override
    {
        g_cardPointX[1] = savedPoint_.x;
        g_cardPointY[1] = savedPoint_.y;
        TableTest::TearDown();
    }

    /// The save dialog answered by entering a name over the field's and pressing "Сохранить";
    /// `offered` receives the name the field showed.
    void answerSave(const QString& typed, QString* offered = nullptr)
    {
        dialogs_.answerAs<CSave>([typed, offered](CSave& dialog) {
            auto* field = dialog.findChild<QLineEdit*>();
            if (offered)
                *offered = field->text();
            field->clear();
            // Pasted, so that characters no key gives come in too.
            field->insert(typed);
            buttonOf(dialog, QStringLiteral("Сохранить")).click();
            return dialog.result();
        });
    }
    /// The load dialog answered by clicking the save's entry and "Загрузить"; `before` runs
    /// once the entry is chosen.
    void answerLoad(const QString& name, std::function<void()> before = {})
    {
        dialogs_.answerAs<COpen>([name, before](COpen& dialog) {
            const auto items = dialog.m_list.findItems(name, Qt::MatchExactly);
            if (items.size() != 1) {
                ADD_FAILURE() << "no entry " << name.toStdString();
                return int(QDialog::Rejected);
            }
            ClickAt(*dialog.m_list.viewport(), dialog.m_list.visualItemRect(items.front()).center());
            if (before)
                before();
            buttonOf(dialog, QStringLiteral("Загрузить")).click();
            return dialog.result();
        });
    }

    /// Another game at another table: another player and settings, nothing in play, values
    /// a saved game does not hold set, an overlay open.
    void putOtherGameOnTable()
    {
        ResetCardTable();
        ResetGameState();
        ResetPromptState();
        ResetSettings();
        g_playerName = kOtherName;
        g_saveName = kOtherName;
        g_settingsFile = kSharedSettingsFile;
        g_background = 1;
        g_cardBack = 1;
        g_handSort = 1;
        g_voice = 1;
        table_->m_customColour = 0;
        table_->m_taker = kHuman;
        g_sevenExchanger = kHuman;
        g_sevenFound = 1;
        g_equalTwenties = 1;
        g_equalFifties = 1;
        g_computerPairOnTrick = 1;
        g_humanPairOnTrick = 1;
        g_sheetOpen = 1;
        g_statsOpen = 1;
        AssignVoicePhrases();
        table_->setWindowTitle(QStringLiteral("Вертан"));
    }

    /// The messages shown, by text.
    std::vector<QString> messages() const
    {
        std::vector<QString> texts;
        for (const auto& shown : platform_.messageBox.shown)
            texts.push_back(shown.text);
        return texts;
    }

    TempFolder folder_;
    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> runner_ { dialogs_ };
    Point savedPoint_;
};

TEST_F(SavedGamesTest, SaveWritesTheTableAsItStandsAndChangesNothing)
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
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(CaptureSavedGame(*table_), before);
    EXPECT_EQ(dialogs_.answersLeft(), 0u);
}

TEST_F(SavedGamesTest, SaveUnderAnOverlayKeepsThePromptTheOverlayCovers)
{
    PutMidDealOnTable(*table_);
    // The statistics over the score sheet over the declaration prompt.
    g_sheetOpen = 1;
    g_sheetSavedPrompt = g_promptState;
    g_sheetSavedAnnouncement = g_announcement;
    g_sheetSavedMayPlay = g_humanMayPlay;
    g_sheetSavedLeads = g_humanLeadsTrick;
    g_statsOpen = 1;
    g_statsSavedPrompt = PromptState::kScoreSheet;
    g_statsSavedAnnouncement = image::kCaptionAcknowledge;
    g_statsSavedMayPlay = 0;
    g_statsSavedLeads = 0;
    g_promptState = PromptState::kStatistics;
    g_announcement = image::kCaptionAcknowledge;
    g_humanMayPlay = 0;

    answerSave(kName);
    table_->OnSaveGame();
    EXPECT_EQ(folder_.read(kSaveFile), MidDealText());
    EXPECT_EQ(g_promptState, PromptState::kStatistics) << "the overlay stays up";
}

TEST_F(SavedGamesTest, NamesThatCannotNameAFileAreAskedForAgain)
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
    std::vector<QString> offered(refused.size());
    for (std::size_t i = 0; i < refused.size(); ++i)
        answerSave(refused[i].first, &offered[i]);
    answerSave(QStringLiteral("игра"));
    table_->OnSaveGame();

    std::vector<QString> told;
    for (const auto& [name, message] : refused)
        told.push_back(message);
    EXPECT_EQ(messages(), told);
    EXPECT_EQ(offered, std::vector<QString>(refused.size(), kName)) << "each run offers the last save's name";
    EXPECT_EQ(g_saveName, QStringLiteral("ИГРА"));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("ИГРА.svv") });
}

TEST_F(SavedGamesTest, SaveThatCannotBeMadeIsReportedAndWritesNothing)
{
    PutMidDealOnTable(*table_);
    g_saveName = kName;
    dialogs_.answerAs<CSave>([](CSave&) { return int(QDialog::Rejected); });
    table_->OnSaveGame();
    EXPECT_TRUE(folder_.read(kSaveFile).isEmpty());
    EXPECT_EQ(g_saveName, kName);

    // A cell the file cannot carry would not read back: nothing is written.
    g_sheetComputer[1] = QStringLiteral("два слова");
    answerSave(kName);
    table_->OnSaveGame();
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSaveFile)));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith(QStringLiteral("Игру нельзя сохранить: ")));
}

TEST_F(SavedGamesTest, RoundTripPutsTheGameBackAndRedrawsTheTable)
{
    PutMidDealOnTable(*table_);
    const SavedGame saved = CaptureSavedGame(*table_);
    answerSave(kName);
    table_->OnSaveGame();
    const SettingsRecord outgoing = [&] {
        putOtherGameOnTable();
        return CurrentSettings(table_->m_customColour);
    }();

    answerLoad(kName);
    table_->OnLoadGame();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(CaptureSavedGame(*table_), saved);

    // The values the file does not hold, as a load leaves them.
    for (const int value : { g_sevenExchanger, g_sevenFound, g_equalTwenties, g_equalFifties,
             g_computerPairOnTrick, g_humanPairOnTrick, g_sheetOpen, g_statsOpen })
        EXPECT_EQ(value, 0);

    // What follows from the loaded player and settings.
    EXPECT_EQ(g_saveName, kName);
    EXPECT_EQ(table_->windowTitle(), TableTitle(kName, 3, 2));
    EXPECT_EQ(folder_.read(kLastPlayerFile), platform::ToCp1251(kName));
    EXPECT_EQ(folder_.read(kSharedSettingsFile), FormatSettings(outgoing))
        << "the outgoing player's settings";
    EXPECT_EQ(g_settingsFile, kSharedSettingsFile);
    EXPECT_EQ(g_voicePhrase[1], "Sound\\Jen\\1.wav");
    EXPECT_EQ(g_halfAnimSteps, 7);
    const RowSpacing human = SpaceRow(5, 1024);
    const RowSpacing computer = SpaceRow(4, 1024);
    EXPECT_EQ(std::pair(g_humanCardStep, g_humanGap), std::pair(human.step, human.gap));
    EXPECT_EQ(std::pair(g_computerCardStep, g_computerGap), std::pair(computer.step, computer.gap));

    // The new back and background are painted; the table is drawn from the loaded game.
    EXPECT_EQ(table_->m_dcBack.getPixel(kBackPoint.x, kBackPoint.y), kBackFiveColour);
    const BackgroundColours colours = ColoursForBackground(3, 1193046);
    EXPECT_EQ(table_->m_captionColour, colours.caption);
    EXPECT_EQ(table_->m_announcementNormalColour, colours.announcement);
    const int y = HumanRowTop();
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(bounds(table_->m_dcBuffer, FaceColour(g_humanHand[k])), cardAt(HumanCardX(k), y)) << k;
    const Point lead = LeadCardPoint();
    EXPECT_EQ(bounds(table_->m_dcBuffer, FaceColour(31)), cardAt(lead.x, lead.y));
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
    putOtherGameOnTable();
    answerLoad(kName);
    table_->OnLoadGame();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(g_settingsFile, QStringLiteral("ИВАН.Ind"));
    EXPECT_EQ(g_level, 3);
    EXPECT_EQ(g_gameLength, 2);

    // Saved again under its name, the listed save is replaced rather than joined by another.
    platform_.messageBox.answer({ true });
    answerSave(kName);
    table_->OnSaveGame();
    EXPECT_EQ(folder_.read(QStringLiteral("ИВАН.SVV")), MidDealText());
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSaveFile)));
}

TEST_F(SavedGamesTest, SameBackAndBackgroundAreNotRepainted)
{
    folder_.write(kSaveFile, MidDealText());
    putOtherGameOnTable();
    g_background = 3;
    g_cardBack = 5;
    table_->m_customColour = 1193046;
    table_->m_dcBack.setPixel(kBackPoint.x, kBackPoint.y, kMarker);
    answerLoad(kName);
    table_->OnLoadGame();
    EXPECT_EQ(table_->m_dcBack.getPixel(kBackPoint.x, kBackPoint.y), kMarker);
    EXPECT_EQ(table_->m_captionColour, kTestCaption);
    EXPECT_EQ(table_->m_dcTable.getPixel(500, 500), kTestTable);
}

TEST_F(SavedGamesTest, NewCustomColourFillsItsBackgroundEvenWhenTheBackgroundStays)
{
    QList<QByteArray> words = MidDealText().split(' ');
    words[HeaderWord(2)] = "11";
    folder_.write(kSaveFile, words.join(' '));
    putOtherGameOnTable();
    g_background = 11;
    table_->m_customColour = 0x0000ff;
    answerLoad(kName);
    table_->OnLoadGame();
    EXPECT_EQ(g_backgroundColour[11][1], 1193046u);
    EXPECT_EQ(g_backgroundColour[11][kTilePoints], 1193046u);
    EXPECT_EQ(table_->m_captionColour, ColoursForBackground(11, 1193046).caption);
}

TEST_F(SavedGamesTest, ChangedHandOrderSortsTheLoadedHand)
{
    // Saved in the order by points while the order by suits was chosen.
    QList<QByteArray> words = MidDealText().split(' ');
    words[HeaderWord(7)] = "1";
    folder_.write(kSaveFile, words.join(' '));

    putOtherGameOnTable();
    g_handSort = 1;
    answerLoad(kName);
    table_->OnLoadGame();
    EXPECT_EQ(g_humanHand, (Hand { 0, 27, 32, 6, 22, 14 })) << "the same order in force: kept as saved";

    putOtherGameOnTable();
    g_handSort = 2;
    answerLoad(kName);
    table_->OnLoadGame();
    EXPECT_EQ(g_handSort, 1);
    EXPECT_EQ(g_humanHand, (Hand { 0, 27, 32, 6, 14, 22 })) << "sorted by suits, the trumps last";
}

TEST_F(SavedGamesTest, SaveThatCannotBeLoadedLeavesEverythingAsItWas)
{
    QList<QByteArray> words = MidDealText().split(' ');
    words[HeaderWord(42)] = "22";
    // The human must name a suit, the computer holds no card, but the card table puts four
    // in its hand.
    QList<QByteArray> mustName = MidDealText().split(' ');
    mustName[HeaderWord(saved::kPromptState)] = "11";
    mustName[HeaderWord(saved::kAnnouncement)] = "8";
    mustName[HeaderWord(saved::kComputerCount)] = "0";
    mustName.remove(ComputerHandWord(1), 4);
    const std::vector<std::pair<QByteArray, QString>> damaged {
        { QByteArray(), QStringLiteral("Сохранение ИВАН повреждено (файл обрывается) и не загружено.") },
        { MidDealText().left(700),
            QStringLiteral("Сохранение ИВАН повреждено (файл обрывается) и не загружено.") },
        { words.join(' '),
            QStringLiteral(
                "Сохранение ИВАН повреждено (значение 42 заголовка (22) недопустимо) и не загружено.") },
        { mustName.join(' '),
            QStringLiteral("Сохранение ИВАН повреждено (карта 1 по таблице карт в руке, но её там нет) и не "
                           "загружено.") },
    };
    putOtherGameOnTable();
    const SavedGame before = CaptureSavedGame(*table_);
    for (const auto& [text, message] : damaged) {
        folder_.write(kSaveFile, text);
        answerLoad(kName);
        table_->OnLoadGame();
        ASSERT_FALSE(messages().empty());
        EXPECT_EQ(messages().back(), message);
    }
    // A save that goes away once chosen.
    answerLoad(kName, [this] { QFile::remove(folder_.filePath(kSaveFile)); });
    table_->OnLoadGame();
    EXPECT_EQ(messages().back(), QStringLiteral("Не удалось прочитать сохранение ИВАН."));
    // "Загрузить" with no save chosen: nothing to load, nothing to say.
    folder_.write(kSaveFile, MidDealText());
    dialogs_.answerAs<COpen>([](COpen& dialog) {
        buttonOf(dialog, QStringLiteral("Загрузить")).click();
        return dialog.result();
    });
    table_->OnLoadGame();
    EXPECT_EQ(messages().size(), 5u);

    EXPECT_EQ(CaptureSavedGame(*table_), before);
    EXPECT_EQ(g_sevenFound, 1);
    EXPECT_EQ(g_sheetOpen, 1);
    EXPECT_EQ(g_saveName, kOtherName);
    EXPECT_EQ(g_settingsFile, kSharedSettingsFile);
    EXPECT_EQ(table_->windowTitle(), QStringLiteral("Вертан"));
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSharedSettingsFile))) << "the settings were not written";
    EXPECT_FALSE(QFile::exists(folder_.filePath(kLastPlayerFile)));
    EXPECT_EQ(dialogs_.answersLeft(), 0u);
}

} // namespace
