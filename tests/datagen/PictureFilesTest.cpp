#include "ListFiles.h"

#include <gtest/gtest.h>

namespace {

QImage picture(const char* name)
{
    return QImage(programFile(QStringLiteral("Pictures/") + QLatin1String(name)));
}

bool rowIsBlack(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xffffff) != 0)
            return false;
    return true;
}

int brightPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) > 128 ? 1 : 0;
    return count;
}

} // namespace

TEST(PictureFiles, AboutPicturesFitTheDialogBandAndCloseBox)
{
    const QImage fan = picture("about1.png");
    const QImage title = picture("about2.png");
    const QImage suits = picture("about3.png");
    EXPECT_EQ(fan.size(), QSize(238, 182));
    ASSERT_EQ(title.size(), QSize(337, 83));
    ASSERT_EQ(suits.size(), QSize(335, 56));
    // The caption band (client rows 81..126) covers the title's last two rows and the suits' first two.
    EXPECT_TRUE(rowIsBlack(title, 81) && rowIsBlack(title, 82));
    EXPECT_TRUE(rowIsBlack(suits, 0) && rowIsBlack(suits, 1));
    // The close box is drawn where the dialog takes its click: client (544, 6)..(561, 23), the
    // title standing at client x 229; the background around it stays dark.
    const QRect closeBox(544 - 229, 6, 18, 18);
    EXPECT_GT(brightPixels(title, closeBox), 20);
    EXPECT_EQ(brightPixels(title, closeBox.adjusted(-6, 0, -closeBox.width() - 2, 0)), 0);
}

TEST(PictureFiles, IconAndHandCursorAreTransparentPicturesWithTheHotSpotOnTheFinger)
{
    const QImage icon = picture("icon.png");
    ASSERT_EQ(icon.size(), QSize(64, 64));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 63)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(32, 32)), 255);

    const QImage hand = picture("hand.png");
    ASSERT_EQ(hand.size(), QSize(32, 32));
    const QPoint hotSpot(11, 1);
    EXPECT_GT(qAlpha(hand.pixel(hotSpot)), 128);
    int top = hand.height();
    for (int y = 0; y < hand.height() && top == hand.height(); ++y)
        for (int x = 0; x < hand.width(); ++x)
            if (qAlpha(hand.pixel(x, y)) > 128)
                top = y;
    EXPECT_LE(hotSpot.y() - top, 1) << "the hot spot is the fingertip, the hand's topmost point";
    EXPECT_EQ(qAlpha(hand.pixel(31, 0)), 0);
}
