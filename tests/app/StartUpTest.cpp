#include "support/TableFixture.h"

#include "app/Sounds.h"
#include "app/TableView.h"
#include "app/WindowTitle.h"
#include "app/dialogs/Vvod_imy.h"
#include "app/drawing/ImagePainting.h"
#include "app/files/ImageDataFiles.h"
#include "app/intro/IntroModel.h"
#include "platform/Cp1251.h"

#include <QDir>
#include <QFile>
#include <QTimer>

namespace {

using platform::COLORREF;
using platform::RGB;

/// The window's first paint over a program folder holding a copy of the generated data.
class StartUpTest : public TableCommandTest {
protected:
    void SetUp() override
    {
        TableCommandTest::SetUp();
        for (const ImageDataFile file : kImageDataFiles)
            copyData(ImageDataFileName(file));
        copyData(kIntroFile);
        g_voicePhrase.fill({});
        g_started = 0;
    }
    void copyData(const QString& name)
    {
        folder_.write(name, {}); // makes its folder
        QFile::remove(folder_.filePath(name));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERTAN_PROGRAM_DIR "/") + name, folder_.filePath(name)));
    }
};

struct StartRow {
    const char* lastPlayer; // in "Stat/ig.sta", or none
    QString profileFile;
    QByteArray profile;
    QString typed;
    int result; // of the name dialog
    QString player, settingsFile, title; // the title after the name
    bool maximized;
    int background, back;
    COLORREF custom;
    std::string phrase1;
    COLORREF announcement, caption, hover;
};
class StartUpRows : public StartUpTest, public ::testing::WithParamInterface<StartRow> { };

TEST_P(StartUpRows, TheConfirmedPlayersProfileOrTheSettingsReadFirstReachTheFirstDeal)
{
    const StartRow& r = GetParam();
    if (r.lastPlayer)
        folder_.write(kLastPlayerFile, r.lastPlayer);
    if (!r.profileFile.isEmpty())
        folder_.write(r.profileFile, r.profile);
    answerName(r.typed, r.result);
    table_->OnPaint();

    EXPECT_EQ(messages(), std::vector<QString> {});
    EXPECT_EQ(dialogs_.opened, std::vector<QString> { "CVvod_imy" });
    EXPECT_EQ(std::tuple(offered_, g_playerName, g_saveName, g_settingsFile, table_->windowTitle()),
        std::tuple(
            QString(r.lastPlayer), r.player, r.player, r.settingsFile, "Вертан   -   " + r.player + r.title));
    EXPECT_EQ(folder_.read(kLastPlayerFile), platform::ToCp1251(r.player));
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSharedSettingsFile))) << "start-up writes no settings";
    EXPECT_EQ(bool(table_->windowState() & Qt::WindowMaximized), r.maximized);
    EXPECT_EQ(std::tuple(g_background, g_cardBack, g_started, g_glActive, g_voicePhrase[1]),
        std::tuple(r.background, r.back, 1, 0, r.phrase1));
    EXPECT_EQ(
        std::tuple(table_->m_announcementColour, table_->m_announcementNormalColour, table_->m_captionColour,
            table_->m_hoverColour, g_backgroundColour[kCustomBackground][kTilePoints]),
        std::tuple(r.announcement, r.announcement, r.caption, r.hover, r.custom));
    // The chosen back and tile are painted, and every corner takes the table's colour.
    const COLORREF table = TableColour(r.background);
    EXPECT_EQ(std::tuple(table_->m_dcFaces.getPixel(71 * 32 - 1, 95), table_->m_dcBack.getPixel(70, 0),
                  table_->m_dcBackSide.getPixel(95, 70)),
        std::tuple(table, table, table));
    EXPECT_EQ(table_->m_dcBack.getPixel(g_cardPointX[500], g_cardPointY[500]),
        g_backColour[static_cast<std::size_t>(r.back)][500]);
    EXPECT_EQ(table_->m_dcTile.getPixel(g_backgroundPointX[777], g_backgroundPointY[777]),
        g_backgroundColour[static_cast<std::size_t>(r.background)][777]);
    for (int card = 1; card <= 32; ++card)
        EXPECT_EQ(g_cards[static_cast<std::size_t>(card)].suit(), (card - 1) % 4 + 1) << card;
}

constexpr COLORREF kRed = RGB(50, 0, 0), kBlue = RGB(0, 0, 100), kCyan = RGB(80, 255, 255),
                   kDim = RGB(80, 100, 100), kYellow = RGB(228, 251, 1);
const QString kShared = kSharedSettingsFile;
const QString kNovice = ",   Новичок,   Длинная партия.", kPro = ",   Профи,   Короткая партия.";

INSTANTIATE_TEST_SUITE_P(Profiles, StartUpRows,
    ::testing::Values(
        // A first run: no files but the data.
        StartRow { nullptr, {}, {}, "Иван", QDialog::Accepted, "Иван", kShared, kNovice, false, 1, 1, 0,
            "Sound\\Myj\\1.wav", kRed, kCyan, kYellow },
        // Escape on a first run: the name makes file names and the title, so it is never empty.
        StartRow { nullptr, {}, {}, "", QDialog::Rejected, "ИГРОК", kShared, kNovice, false, 1, 1, 0,
            "Sound\\Myj\\1.wav", kRed, kCyan, kYellow },
        // The last player's profile, maximised before the intro.
        StartRow { "petr", "PETR.ind", "1 3 0 4 3 2 1 1 3 1 8 1000 1 1 10 2", "petr", QDialog::Accepted,
            "petr", "PETR.ind", kPro, true, 3, 4, 0, "Sound\\Jen\\1.wav", kBlue, kDim, kYellow },
        // A name in another case finds its profile, which maximises no more; no voice leaves
        // the phrases alone; the custom colour gives the text colours.
        StartRow { nullptr, "Ivan.ind", "1 11 1193046 2 3 3 2 0 2 2 8 1000 0 1 10 2", "IVAN",
            QDialog::Accepted, "IVAN", "Ivan.ind", ",   Игрок,   Длинная партия.", false, 11, 2, 1193046, "",
            13379533, 10180692, 7478954 },
        // A name without a profile plays with the last player's settings and the shared file.
        StartRow { "petr", "PETR.ind", "0 3 0 4 3 2 1 1 3 1 8 1000 1 1 10 2", "anna", QDialog::Accepted,
            "anna", kShared, kPro, false, 3, 4, 0, "Sound\\Jen\\1.wav", kBlue, kDim, kYellow }));

TEST_F(StartUpTest, RepaintWhileTheNameDialogIsOpenDoesNotStartAgain)
{
    dialogs_.answerAs<CVvod_imy>([this](CVvod_imy& dialog) {
        table_->OnPaint();
        EXPECT_EQ(table_->surface().dc().getPixel(600, 400), RGB(67, 102, 67)) << "the window in table green";
        dialog.m_name = QStringLiteral("anna");
        return int(QDialog::Rejected);
    });
    table_->OnPaint();
    EXPECT_EQ(dialogs_.opened.size(), 1u);
    EXPECT_EQ(g_playerName, QStringLiteral("anna")) << "the field is taken whether OK or not";
}

TEST_F(StartUpTest, TheIntroOfAMaximisedWindowIsLaidOutForTheMaximisedClientArea)
{
    // The first vertex as the model's own 970 x 700 frame has it, before any centring.
    const QByteArray model = folder_.read(kIntroFile);
    ASSERT_EQ(ReadIntroModel(model.toStdString(), kIntroFrameWidth, kIntroFrameHeight), DataFault::None);
    const double frameX = g_introX[1], frameY = g_introY[1];
    folder_.write(kSharedSettingsFile, "1 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2");
    dialogs_.answerAs<CVvod_imy>([&](CVvod_imy&) {
        const QSize client = table_->tableView()->size();
        EXPECT_GT(client.width(), kInitialClientWidth) << "maximised before the intro";
        EXPECT_EQ(std::tuple(g_clientWidth, g_clientHeight, g_introX[1], g_introY[1]),
            std::tuple(client.width(), client.height(), frameX - (kIntroFrameWidth - client.width()) / 2,
                frameY - (kIntroFrameHeight - client.height()) / 2));
        return int(QDialog::Accepted);
    });
    // While the start-up waits for the maximise, the window shows the table green within the
    // normal client area, which it is laid out for, and where the maximised one grows beyond.
    layOut(kInitialClientWidth, kInitialClientHeight);
    std::pair<COLORREF, COLORREF> waiting;
    QTimer::singleShot(0, table_.get(), [&] {
        const platform::MemoryDC& shown = table_->surface().dc();
        waiting = { shown.getPixel(kInitialClientWidth - 1, kInitialClientHeight - 1),
            shown.getPixel(kInitialClientWidth, kInitialClientHeight) };
    });
    table_->OnPaint();
    const COLORREF green = RGB(67, 102, 67);
    EXPECT_EQ(std::tuple(dialogs_.opened.size(), waiting), std::tuple(1u, std::pair(green, green)));
}

struct Damage {
    QString file;
    int kept; // bytes of the file kept, -1 to remove it
    QByteArray appended;
};
class StartUpDamage : public StartUpTest, public ::testing::WithParamInterface<Damage> { };

TEST_P(StartUpDamage, AMissingOrDamagedDataFileEndsTheProgramWithItsName)
{
    const Damage& d = GetParam();
    const QByteArray kept = folder_.read(d.file).left(d.kept);
    QFile::remove(folder_.filePath(d.file));
    if (d.kept >= 0)
        folder_.write(d.file, kept + d.appended);
    table_->OnPaint();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].contains(folder_.filePath(d.file))) << messages()[0].toStdString();
    EXPECT_EQ(
        std::tuple(dialogs_.opened.size(), table_->result(), g_started), std::tuple(0u, QDialog::Rejected, 1))
        << "no name asked, and a later paint does not start again";
    EXPECT_EQ(QDir(folder_.filePath("Stat")).exists(), false) << "no last player written";
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSharedSettingsFile)));
}

INSTANTIATE_TEST_SUITE_P(Files, StartUpDamage,
    ::testing::Values(Damage { kIntroFile, -1, {} }, Damage { "Ryb/Ryb0.rbk", -1, {} },
        Damage { "Fon/Fon.pol", 100000, {} }, Damage { "Opovechenie/Mast.mst", 0, "498 404 garbage" }));

TEST(StartUpTexts, TitleNamesThePlayerLevelAndLength)
{
    EXPECT_EQ(TableTitle("Оля", 2, 1), QStringLiteral("Вертан   -   Оля,   Игрок,   Короткая партия."));
    EXPECT_EQ(TableTitle("x", 4, 0), QStringLiteral("Вертан   -   x"));
}

} // namespace
