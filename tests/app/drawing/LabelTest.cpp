#include "support/TableFixture.h"

#include "app/Hover.h"
#include "app/Spots.h"
#include "app/drawing/TableDrawing.h"
#include "app/files/ImageData.h"
#include "app/files/ImageDataFiles.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"

namespace {

using platform::Rect;
using platform::RGB;

constexpr int kPlain = 0;
constexpr int kOutlined = 1;
constexpr int kRaised = 2;
constexpr int kAnimated = 3;

/// DrawLabel of the test's 7 x 5 block images at (300, 200) on a 1024 x 768 table.
class LabelTest : public TableTest {
protected:
    void draw(int image, int style, int x = 300)
    {
        g_announcementStyle = style;
        g_announcement = image;
        g_announcementX = x;
        g_announcementY = 200;
        table_->DrawLabel();
    }
    const platform::MemoryDC& buffer() const { return table_->m_dcBuffer; }
    int pixelsOf(platform::COLORREF colour) const
    {
        int count = 0;
        for (int y = 150; y < 250; ++y)
            for (int x = 250; x < 350; ++x)
                count += buffer().getPixel(x, y) == colour ? 1 : 0;
        return count;
    }
};

TEST_F(LabelTest, PlainAndOutlinedStyles)
{
    draw(image::kComputerTakes, kPlain);
    EXPECT_EQ(differences(buffer(), table_->m_dcTable), kTestImagePoints);
    EXPECT_EQ(bounds(buffer(), kTestAnnouncement), (Rect { 297, 198, 304, 203 }));
    EXPECT_EQ(std::pair(g_announcementX, g_announcementY), std::pair(300, 200));

    // A red edge one pixel above and left: 7 + 5 - 1 pixels stay red.
    table_->m_dcBuffer.bitBlt(0, 0, 1024, 768, table_->m_dcTable, 0, 0);
    draw(image::kComputerTakes, kOutlined);
    EXPECT_EQ(pixelsOf(RGB(255, 0, 0)), 11);
    EXPECT_EQ(pixelsOf(kTestAnnouncement), kTestImagePoints);
    EXPECT_EQ(std::pair(g_announcementX, g_announcementY), std::pair(300, 200));

    // Any other style value draws plain.
    table_->m_dcBuffer.bitBlt(0, 0, 1024, 768, table_->m_dcTable, 0, 0);
    draw(image::kComputerTakes, 7);
    EXPECT_EQ(differences(buffer(), table_->m_dcTable), kTestImagePoints);
}

TEST_F(LabelTest, RaisedStyleLayersTheImage)
{
    draw(image::kComputerTakes, kRaised);
    // The last layer (0, 84, 0) lies one pixel right of and below the image, and the style
    // leaves the announcement's centre there.
    EXPECT_EQ(bounds(buffer(), RGB(0, 84, 0)), (Rect { 298, 199, 305, 204 }));
    EXPECT_EQ(std::pair(g_announcementX, g_announcementY), std::pair(301, 201));
    // Only the layer moved up and left (0, 100, 170) reaches the top-left corner, only the
    // one moved 3 (84, 100, 100) the bottom-right corner.
    EXPECT_EQ(buffer().getPixel(296, 197), RGB(0, 100, 170));
    EXPECT_EQ(buffer().getPixel(306, 205), RGB(84, 100, 100));
    EXPECT_EQ(pixelsOf(kTestAnnouncement), 0);
    EXPECT_EQ(platform_.pause.count, 0);
}

TEST_F(LabelTest, CaptionsAreOutlinedInTheLayeredStyles)
{
    for (const int style : { kRaised, kAnimated }) {
        table_->m_dcBuffer.bitBlt(0, 0, 1024, 768, table_->m_dcTable, 0, 0);
        draw(image::kCaptionTake, style);
        EXPECT_EQ(pixelsOf(RGB(255, 0, 0)), 11) << style;
        EXPECT_EQ(std::pair(g_announcementX, g_announcementY), std::pair(300, 200)) << style;
    }
    EXPECT_EQ(platform_.pause.count, 0);
}

TEST_F(LabelTest, AnimatedStyleShowsItselfInThreeStepsButNotDuringARepaint)
{
    draw(image::kComputerTakes, kRaised);
    const platform::MemoryDC raised = table_->m_dcBuffer;

    table_->m_dcBuffer.bitBlt(0, 0, 1024, 768, table_->m_dcTable, 0, 0);
    g_fullRedraw = 1;
    draw(image::kComputerTakes, kAnimated);
    g_fullRedraw = 0;
    EXPECT_EQ(differences(buffer(), raised), 0);
    EXPECT_EQ(platform_.pause.count, 0);
    EXPECT_FALSE(bounds(table_->surface().dc(), RGB(0, 84, 0)));

    table_->m_dcBuffer.bitBlt(0, 0, 1024, 768, table_->m_dcTable, 0, 0);
    draw(image::kComputerTakes, kAnimated);
    EXPECT_EQ(differences(buffer(), raised), 0);
    EXPECT_EQ(platform_.pause.count, 9);
    EXPECT_EQ(platform_.pause.totalMs, 9 * 20);
    // The band shown on the window is centred on the table's centre column, where every
    // layered image stands: 190 either side of x = 512.
    EXPECT_NE(table_->surface().dc().getPixel(301, 201), RGB(0, 84, 0));
    draw(image::kComputerTakes, kAnimated, 512);
    EXPECT_EQ(table_->surface().dc().getPixel(513, 201), RGB(0, 84, 0));
}

TEST_F(LabelTest, RealImagesStayInsideTheirBandsInEveryStyle)
{
    platform::MemoryDC faces(32 * 71, 96);
    const DataFileResult loaded = LoadImageDataFiles(QStringLiteral(VERTAN_PROGRAM_DIR "/"), faces);
    ASSERT_TRUE(loaded.ok()) << loaded.message().toStdString();
    const Point at { 512, 344 };
    for (int image = 1; image <= 37; ++image) {
        if (image == 14 || image == 27)
            continue;
        const Rect band = ImageBand(image, at);
        for (const int style : { kPlain, kOutlined, kRaised, kAnimated }) {
            table_->m_dcBuffer.bitBlt(0, 0, 1024, 768, table_->m_dcTable, 0, 0);
            g_announcementStyle = style;
            g_announcement = image;
            g_announcementX = at.x;
            g_announcementY = at.y;
            table_->DrawLabel();
            int inside = 0;
            int outside = 0;
            const QImage& drawn = buffer().image();
            const QRgb tableColour = platform::qRgbFromColour(kTestTable);
            for (int y = 0; y < 768; ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
                for (int x = 0; x < 1024; ++x)
                    if (row[x] != tableColour)
                        ++(band.contains(x, y) ? inside : outside);
            }
            EXPECT_GT(inside, 0) << "image " << image << " style " << style;
            EXPECT_EQ(outside, 0) << "image " << image << " style " << style;
        }
    }
}

TEST_F(LabelTest, WithAPromptUpTheHoverIsToldAfterwards)
{
    g_promptState = PromptState::kComputerDeclares;
    g_highlightToErase = 1;
    g_highlightDrawn = 1;
    g_buttonsActive = 1;
    g_hotButton = PromptButton::kAckComputerDeclares;
    draw(image::kCaptionAcknowledge, kPlain);
    EXPECT_EQ(g_highlightDrawn, 0);
    EXPECT_EQ(g_buttonsActive, 0);
    EXPECT_EQ(g_hotButton, PromptButton::kNone);
}

} // namespace
