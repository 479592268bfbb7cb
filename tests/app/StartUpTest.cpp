#include "app/Globals.h"
#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/VertanDlg.h"
#include "app/WindowTitle.h"
#include "app/dialogs/Vvod_imy.h"
#include "app/drawing/BackgroundColours.h"
#include "app/drawing/ImagePainting.h"
#include "app/drawing/TableDrawing.h"
#include "app/files/ImageData.h"
#include "app/files/ImageDataFiles.h"
#include "app/files/SettingsFile.h"
#include "app/intro/IntroModel.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "platform/Cp1251.h"
#include "support/HeadlessPlatform.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using platform::COLORREF;
using platform::RGB;

/// The table window started headless over a copy of the generated data files, with the
/// name dialog answered by script.
class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const ImageDataFile file : kImageDataFiles)
            copyData(ImageDataFileName(file));
        copyData(kIntroFile);
        ResetSettings();
        ResetGlobals();
        ResetGameState();
        ResetPromptState();
        ResetTableDrawing();
        ResetCardTable();
        g_voicePhrase.fill({});
        qputenv("VERTAN_PROGRAM_DIR", folder_.path().toUtf8());
    }
    void TearDown() override
    {
        table_.reset();
        qunsetenv("VERTAN_PROGRAM_DIR");
        ResetGlobals();
    }

    void copyData(const QString& name)
    {
        folder_.write(name, QByteArray());
        QFile::remove(folder_.filePath(name));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTAN_PROGRAM_DIR "/") + name, folder_.filePath(name)))
            << name.toStdString();
    }

    /// The next name dialog is offered a name (kept in `offered_`) and confirmed with `typed`.
    void answerName(const QString& typed)
    {
        dialogs_.answerAs<CVvod_imy>([this, typed](CVvod_imy& dialog) {
            offered_ = dialog.m_name;
            dialog.m_name = typed;
            return int(QDialog::Accepted);
        });
    }

    /// The window's first paint, at the size the window opens with.
    void startUp()
    {
        table_ = std::make_unique<CVertanDlg>();
        ComputeLayout(kInitialClientWidth, kInitialClientHeight);
        table_->OnPaint();
    }

    void expectCornersIn(COLORREF table)
    {
        for (int k = 1; k <= 12; ++k) {
            for (int face = 1; face <= 32; ++face)
                ASSERT_EQ(
                    table_->m_dcFaces.getPixel(g_cardCornerX[k] + 71 * (face - 1), g_cardCornerY[k]), table)
                    << "face " << face << " corner " << k;
            EXPECT_EQ(table_->m_dcBack.getPixel(g_cardCornerX[k], g_cardCornerY[k]), table) << "corner " << k;
            if (k > 3) {
                EXPECT_EQ(table_->m_dcBackSide.getPixel(g_sideCornerX[k], g_sideCornerY[k]), table)
                    << "corner " << k;
            }
        }
    }

    HeadlessPlatform platform_;
    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> dialogsGuard_ { dialogs_ };
    TempFolder folder_;
    std::unique_ptr<CVertanDlg> table_;
    QString offered_ = QStringLiteral("not asked");
};

TEST_F(StartUpTest, FirstRunWithNoFilesPlaysWithTheDefaultsAndRemembersTheName)
{
    answerName(QStringLiteral("Иван"));
    startUp();

    EXPECT_TRUE(platform_.messageBox.shown.empty());
    EXPECT_EQ(dialogs_.opened, std::vector<QString> { QStringLiteral("CVvod_imy") });
    EXPECT_EQ(offered_, QString());
    EXPECT_EQ(g_started, 1);
    EXPECT_EQ(g_glActive, 0) << "the first deal releases the intro";
    EXPECT_EQ(g_playerName, QStringLiteral("Иван"));
    EXPECT_EQ(g_saveName, QStringLiteral("Иван"));
    EXPECT_EQ(folder_.read(kLastPlayerFile), platform::ToCp1251(QStringLiteral("Иван")));
    EXPECT_EQ(g_settingsFile, kSharedSettingsFile);
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSharedSettingsFile))) << "start-up writes no settings";
    EXPECT_EQ(table_->windowTitle(), QStringLiteral("Вертан   -   Иван,   Новичок,   Длинная партия."));

    // Every file was read whole.
    EXPECT_EQ(g_backgroundPointCount, 40000);
    EXPECT_GE(g_introVertexCount, kProgressQuadRecords);
    EXPECT_EQ(g_announcementPointCount[12], 2151);
    EXPECT_EQ(g_aboutLink2Count, 697);
    EXPECT_EQ(g_suitColour[2], RGB(255, 0, 0));

    // Defaults: background 1, back 1, the male voice.
    EXPECT_EQ(g_background, 1);
    EXPECT_EQ(g_cardBack, 1);
    EXPECT_EQ(g_voicePhrase[1], "Sound\\Myj\\1.wav");
    EXPECT_EQ(g_voicePhrase[37], "Sound\\Myj\\37.wav");
    EXPECT_EQ(table_->m_announcementColour, RGB(50, 0, 0));
    EXPECT_EQ(table_->m_announcementNormalColour, RGB(50, 0, 0));
    EXPECT_EQ(table_->m_captionColour, RGB(80, 255, 255));
    EXPECT_EQ(table_->m_hoverColour, RGB(228, 251, 1));
    EXPECT_EQ(table_->m_brush1.colour, RGB(67, 102, 67));
    EXPECT_EQ(table_->m_brush2.colour, RGB(134, 62, 34));

    // Four characters move the names 8 pixels further left of the centre (320).
    EXPECT_EQ(g_nameHeaderX, 320 - 95 - 16);
    EXPECT_EQ(g_nameHeaderX2, 320 - 77 - 16);
    for (int card = 1; card <= 32; ++card)
        EXPECT_EQ(g_cards[card].suit(), (card - 1) % 4 + 1) << "card " << card;

    expectCornersIn(TableColour(1));
    EXPECT_EQ(table_->m_dcBackSide.getPixel(0, 0), g_backSideColour[1][95]);
    EXPECT_EQ(table_->m_dcBack.getPixel(g_cardPointX[500], g_cardPointY[500]), g_backColour[1][500]);
    EXPECT_EQ(table_->m_dcTile.getPixel(g_backgroundPointX[777], g_backgroundPointY[777]),
        g_backgroundColour[1][777]);
    // The clean table repeats the tile over the whole client area.
    for (const auto& [x, y] : { std::pair { 0, 0 }, { 199, 199 }, { 250, 30 }, { 639, 444 } })
        EXPECT_EQ(table_->m_dcTable.getPixel(x, y), table_->m_dcTile.getPixel(x % 200, y % 200))
            << x << "," << y;
}

TEST_F(StartUpTest, EscapeOnAFirstRunPlaysUnderADefaultName)
{
    dialogs_.answerAs<CVvod_imy>([](CVvod_imy&) { return int(QDialog::Rejected); });
    startUp();

    EXPECT_EQ(g_playerName, QStringLiteral("ИГРОК")) << "the name makes file names and the title";
    EXPECT_EQ(folder_.read(kLastPlayerFile), platform::ToCp1251(QStringLiteral("ИГРОК")));
}

TEST_F(StartUpTest, LastPlayersProfileChoosesTheSettingsBeforeTheIntro)
{
    folder_.write(kLastPlayerFile, "petr");
    folder_.write(QStringLiteral("PETR.ind"), "1 3 0 4 3 2 1 1 3 1 8 1000 1 1 10 2");
    answerName(QStringLiteral("petr"));
    startUp();

    EXPECT_EQ(offered_, QStringLiteral("petr"));
    EXPECT_TRUE(table_->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(g_settingsFile, QStringLiteral("PETR.ind"));
    EXPECT_EQ(table_->windowTitle(), QStringLiteral("Вертан   -   petr,   Профи,   Короткая партия."));
    EXPECT_EQ(g_background, 3);
    EXPECT_EQ(g_cardBack, 4);
    EXPECT_EQ(g_voicePhrase[15], "Sound\\Jen\\15.wav");
    EXPECT_EQ(table_->m_announcementColour, RGB(0, 0, 100));
    EXPECT_EQ(table_->m_captionColour, RGB(80, 100, 100));
    EXPECT_EQ(table_->m_hoverColour, RGB(228, 251, 1));
    expectCornersIn(TableColour(3));
    EXPECT_EQ(table_->m_dcBack.getPixel(g_cardPointX[1], g_cardPointY[1]), g_backColour[4][1]);
    EXPECT_EQ(table_->m_dcBackSide.getPixel(0, 0), g_backSideColour[4][95]);
}

TEST_F(StartUpTest, NameTypedInAnotherCaseFindsItsProfile)
{
    constexpr COLORREF custom = 0x123456;
    folder_.write(QStringLiteral("Ivan.ind"), "0 11 1193046 2 3 3 2 0 2 2 8 1000 0 1 10 2");
    answerName(QStringLiteral("IVAN"));
    startUp();

    EXPECT_EQ(g_settingsFile, QStringLiteral("Ivan.ind"));
    EXPECT_EQ(g_playerName, QStringLiteral("IVAN"));
    EXPECT_EQ(folder_.read(kLastPlayerFile), QByteArray("IVAN"));
    EXPECT_EQ(table_->windowTitle(), QStringLiteral("Вертан   -   IVAN,   Игрок,   Длинная партия."));
    EXPECT_FALSE(table_->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(table_->m_customColour, custom);
    EXPECT_EQ(g_background, 11);
    EXPECT_EQ(g_voicePhrase[1], "") << "no voice: the phrases stay as they were";
    // Background 11 is the custom colour throughout, the corners included.
    EXPECT_EQ(g_backgroundColour[11][1], custom);
    EXPECT_EQ(g_backgroundColour[11][40000], custom);
    expectCornersIn(custom);
    EXPECT_EQ(table_->m_announcementColour, 13777215u - custom / 3);
    EXPECT_EQ(table_->m_captionColour, 10777215u - custom / 2);
    EXPECT_EQ(table_->m_hoverColour, 7777215u - custom / 4);
}

TEST_F(StartUpTest, NameWithoutProfileKeepsTheSettingsButWritesThemToTheSharedFile)
{
    folder_.write(kLastPlayerFile, "petr");
    folder_.write(QStringLiteral("PETR.ind"), "0 3 0 4 3 2 1 1 3 1 8 1000 1 1 10 2");
    answerName(QStringLiteral("anna"));
    startUp();

    EXPECT_EQ(offered_, QStringLiteral("petr"));
    EXPECT_EQ(g_settingsFile, kSharedSettingsFile);
    EXPECT_EQ(g_background, 3);
    EXPECT_EQ(g_level, 3);
    EXPECT_EQ(folder_.read(kLastPlayerFile), QByteArray("anna"));
}

TEST_F(StartUpTest, RepaintWhileTheNameDialogIsOpenDoesNotStartAgain)
{
    dialogs_.answerAs<CVvod_imy>([this](CVvod_imy& dialog) {
        table_->OnPaint();
        dialog.m_name = QStringLiteral("anna");
        return int(QDialog::Rejected);
    });
    startUp();
    EXPECT_EQ(dialogs_.opened.size(), 1u);
    // The field's content is taken whether the dialog ended with OK or not.
    EXPECT_EQ(g_playerName, QStringLiteral("anna"));
}

TEST_F(StartUpTest, MissingOrDamagedDataFileEndsTheProgramWithItsName)
{
    const QByteArray fullBackgrounds = folder_.read(QStringLiteral("Fon/Fon.pol"));
    struct Damage {
        QString file;
        QByteArray content;
        bool remove;
    };
    const Damage damages[] = {
        { kIntroFile, {}, true },
        { QStringLiteral("Ryb/Ryb0.rbk"), {}, true },
        { QStringLiteral("Fon/Fon.pol"), fullBackgrounds.left(fullBackgrounds.size() / 2), false },
        { QStringLiteral("Opovechenie/Mast.mst"), "498 404 garbage", false },
    };
    for (const Damage& damage : damages) {
        SetUp();
        if (damage.remove)
            QFile::remove(folder_.filePath(damage.file));
        else
            folder_.write(damage.file, damage.content);
        platform_.messageBox.shown.clear();
        dialogs_.opened.clear();
        startUp();

        ASSERT_EQ(platform_.messageBox.shown.size(), 1u) << damage.file.toStdString();
        EXPECT_TRUE(platform_.messageBox.shown[0].text.contains(folder_.filePath(damage.file)))
            << platform_.messageBox.shown[0].text.toStdString();
        EXPECT_TRUE(dialogs_.opened.empty()) << "no name is asked";
        EXPECT_EQ(table_->result(), QDialog::Rejected);
        EXPECT_FALSE(QFile::exists(folder_.filePath(kLastPlayerFile)));
        EXPECT_FALSE(QFile::exists(folder_.filePath(kSharedSettingsFile)));
        EXPECT_EQ(g_started, 1) << "a later paint must not start again";
        TearDown();
    }
}

TEST(StartUpTexts, TitleNamesThePlayerLevelAndLength)
{
    EXPECT_EQ(TableTitle(QStringLiteral("Оля"), 2, 1),
        QStringLiteral("Вертан   -   Оля,   Игрок,   Короткая партия."));
    EXPECT_EQ(TableTitle(QStringLiteral("x"), 4, 0), QStringLiteral("Вертан   -   x"));
}

TEST(StartUpTexts, EachBackgroundHasItsColours)
{
    EXPECT_EQ(ColoursForBackground(7, 0).announcement, RGB(0, 0, 155));
    EXPECT_EQ(ColoursForBackground(7, 0).caption, RGB(80, 100, 100));
    EXPECT_EQ(ColoursForBackground(9, 0).announcement, RGB(0, 255, 0));
    EXPECT_EQ(ColoursForBackground(9, 0).caption, RGB(80, 255, 255));
    // White custom colour: every part subtracted whole, none below zero.
    const BackgroundColours white = ColoursForBackground(11, 0xffffff);
    EXPECT_EQ(white.announcement, 8184810u);
    EXPECT_EQ(white.caption, 2388608u);
    EXPECT_EQ(white.hover, 3582912u);
}

} // namespace
