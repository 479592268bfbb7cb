#include "app/Globals.h"
#include "app/dialogs/O_Program.h"
#include "support/GameFolder.h"
#include "support/HeadlessPlatform.h"
#include "support/QStringPrinter.h"
#include "support/WidgetInput.h"

#include <gtest/gtest.h>

namespace {

const std::string kHoverSound = "Sound\\Knop.wav";
const std::string kClickSound = "Sound\\Naj_kn.wav";
/// Plain caption points and the copy that raises a caption.
const QRgb kPlain = qRgb(128, 128, 255);
const QRgb kRaised = qRgb(228, 251, 1);
const QRgb kBand = qRgb(0, 0, 0);

/// Points within the links' areas: a line under each caption.
constexpr int kLink1Y = 90;
constexpr int kLink2Y = 115;
constexpr int kFirstX = 240;
constexpr int kPointsPerLink = 50;
/// Spots for the pointer: on each link, on the left picture, on the close box.
constexpr QPoint kOnLink1(300, 90);
constexpr QPoint kOnLink2(300, 120);
constexpr QPoint kOffLinks(100, 100);
constexpr QPoint kOnClose(552, 14);

/// The about box opened as a modal run opens it, with its pictures and two captions of one
/// line each.
class AboutDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int j = 1; j <= kPointsPerLink; ++j) {
            dialog_.m_link1X[static_cast<std::size_t>(j)] = kFirstX + j;
            dialog_.m_link1Y[static_cast<std::size_t>(j)] = kLink1Y;
            dialog_.m_link2X[static_cast<std::size_t>(j)] = kFirstX + j;
            dialog_.m_link2Y[static_cast<std::size_t>(j)] = kLink2Y;
        }
        dialog_.m_link1Count = kPointsPerLink;
        dialog_.m_link2Count = kPointsPerLink;
    }

    void open(int buttonSounds)
    {
        dialog_.m_buttonSounds = buttonSounds;
        dialog_.show();
        platform_.sound.played.clear();
    }
    int played(const std::string& name) const
    {
        return static_cast<int>(
            std::ranges::count(platform_.sound.played, RecordingSound::Played { name, false }));
    }
    QImage shot() { return dialog_.grab().toImage(); }
    bool handCursor() const { return dialog_.cursor().shape() == Qt::BitmapCursor; }

    GameFolder folder_;
    HeadlessPlatform platform_;
    CO_Program dialog_;
};

TEST_F(AboutDialogTest, DrawsTheCaptionsPlainInTheBlackBand)
{
    open(1);
    const QImage image = shot();
    EXPECT_EQ(image.pixel(kFirstX + 1, kLink1Y), kPlain);
    EXPECT_EQ(image.pixel(kFirstX + kPointsPerLink, kLink2Y), kPlain);
    EXPECT_EQ(image.pixel(kFirstX + 2, kLink1Y + 1), kBand);
    EXPECT_EQ(image.pixel(560, 100), kBand);
    EXPECT_EQ(dialog_.size(), QSize(566, 182));
}

TEST_F(AboutDialogTest, EnteringALinkRaisesItWithOneSoundAndTheHandLeavingRestoresBoth)
{
    open(1);
    MoveMouseTo(dialog_, kOnLink1);
    MoveMouseTo(dialog_, kOnLink1 + QPoint(20, 0));
    EXPECT_EQ(played(kHoverSound), 1) << "once per entry";
    EXPECT_TRUE(handCursor());
    QImage image = shot();
    EXPECT_EQ(image.pixel(kFirstX + 2, kLink1Y + 1), kRaised);
    EXPECT_EQ(image.pixel(kFirstX + 1, kLink1Y), kPlain) << "the plain points stay";
    EXPECT_EQ(image.pixel(kFirstX + 2, kLink2Y + 1), kBand) << "the other caption stays plain";

    MoveMouseTo(dialog_, kOffLinks);
    EXPECT_FALSE(handCursor());
    image = shot();
    EXPECT_EQ(image.pixel(kFirstX + 2, kLink1Y + 1), kBand);
    EXPECT_EQ(image.pixel(kFirstX + 1, kLink1Y), kPlain);

    MoveMouseTo(dialog_, kOnLink2);
    EXPECT_EQ(played(kHoverSound), 2);
    EXPECT_EQ(shot().pixel(kFirstX + 2, kLink2Y + 1), kRaised);
}

TEST_F(AboutDialogTest, WithButtonSoundsOffALinkRisesSilentlyButItsClickSoundsAndOpens)
{
    open(0);
    MoveMouseTo(dialog_, kOnLink1);
    EXPECT_EQ(played(kHoverSound), 0);
    EXPECT_EQ(shot().pixel(kFirstX + 2, kLink1Y + 1), kRaised);
    ClickAt(dialog_, kOnLink1);
    EXPECT_EQ(played(kClickSound), 1);
    EXPECT_EQ(platform_.shell.opened, QStringList { g_programDir + QStringLiteral("mail/mail.htm") });
    EXPECT_TRUE(dialog_.isVisible());

    MoveMouseTo(dialog_, kOffLinks);
    MoveMouseTo(dialog_, kOnLink2);
    ClickAt(dialog_, kOnLink2);
    ASSERT_EQ(platform_.shell.opened.size(), 2);
    EXPECT_EQ(platform_.shell.opened[1], g_programDir + QStringLiteral("help/index.htm"))
        << "the game's own page";
}

TEST_F(AboutDialogTest, CloseBoxSoundsAndClosesAndTheRestOfThePictureDoesNothing)
{
    open(0);
    ClickAt(dialog_, kOffLinks);
    ClickAt(dialog_, { 500, 40 });
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_TRUE(platform_.sound.played.empty());
    EXPECT_TRUE(platform_.shell.opened.isEmpty());

    MoveMouseTo(dialog_, kOnClose);
    EXPECT_TRUE(handCursor());
    ClickAt(dialog_, kOnClose);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
    EXPECT_EQ(played(kClickSound), 1);
}

TEST_F(AboutDialogTest, EscapeClosesAndTheBoxReopensWithNoLinkRisen)
{
    open(1);
    MoveMouseTo(dialog_, kOnLink1);
    PressKey(dialog_, Qt::Key_Escape);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);

    // The first click before any move lands on the picture: nothing opens.
    dialog_.show();
    EXPECT_EQ(shot().pixel(kFirstX + 2, kLink1Y + 1), kBand);
    ClickAt(dialog_, kOffLinks);
    EXPECT_TRUE(platform_.shell.opened.isEmpty());
}

TEST_F(AboutDialogTest, CountsBeyondTheListsAreCutToTheirRoom)
{
    dialog_.m_link1Count = 100000;
    dialog_.m_link2Count = 100000;
    open(1);
    EXPECT_EQ(dialog_.m_link1Count, kAboutLink1Capacity);
    EXPECT_EQ(dialog_.m_link2Count, kAboutLink2Capacity);
    EXPECT_EQ(shot().pixel(kFirstX + 1, kLink1Y), kPlain);
}

} // namespace
