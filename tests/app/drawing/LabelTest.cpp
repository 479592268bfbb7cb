#include "support/TableFixture.h"

#include "app/Spots.h"
#include "app/drawing/TableDrawing.h"
#include "engine/Settings.h"

namespace {

using platform::Rect;
using platform::RGB;

/// DrawLabel of the test's 7 x 5 block images at (x, 200) on a 1024 x 768 table.
class LabelTest : public TableTest {
protected:
    void draw(int image, int style, int x = 512)
    {
        table_->m_dcBuffer.bitBlt(0, 0, 1024, 768, table_->m_dcTable, 0, 0);
        g_announcementStyle = style;
        g_announcement = image;
        g_announcementX = x;
        g_announcementY = 200;
        table_->DrawLabel();
    }
};

TEST_F(LabelTest, EveryStyleDrawsItsLayersAndLeavesTheCentreWhereItsLastLayerLies)
{
    const platform::COLORREF red = RGB(255, 0, 0);
    const platform::COLORREF lastLayer = RGB(0, 84, 0);
    // Image, style, whether the table is being repainted, the red pixels of an outline one
    // pixel above and left (7 + 5 - 1), whether the image is layered, and the pauses taken:
    // plain, outlined, any other style plain; captions of buttons outlined in the layered
    // styles; raised; animated in a repaint, which never sleeps; animated, nine layers 20 ms
    // apart shown on the window after the 4th, 7th and 9th.
    const std::tuple<int, int, bool, int, bool, int> rows[] {
        { image::kComputerTakes, 0, false, 0, false, 0 }, { image::kComputerTakes, 1, false, 11, false, 0 },
        { image::kComputerTakes, 7, false, 0, false, 0 }, { image::kCaptionTake, 2, false, 11, false, 0 },
        { image::kCaptionTake, 3, false, 11, false, 0 }, { image::kComputerTakes, 2, false, 0, true, 0 },
        { image::kComputerTakes, 3, true, 0, true, 0 }, { image::kComputerTakes, 3, false, 0, true, 9 }
    };
    for (const auto& [image, style, repaint, outline, layered, pauses] : rows) {
        SCOPED_TRACE("style " + std::to_string(style) + " image " + std::to_string(image));
        platform_.pause.count = 0;
        platform_.pause.totalMs = 0;
        g_fullRedraw = repaint ? 1 : 0;
        draw(image, style);
        g_fullRedraw = 0;
        EXPECT_EQ(bounds(table_->m_dcBuffer, red),
            outline ? std::optional(Rect { 508, 197, 515, 202 }) : std::nullopt);
        EXPECT_EQ(bounds(table_->m_dcBuffer, kTestAnnouncement),
            layered ? std::nullopt : std::optional(Rect { 509, 198, 516, 203 }));
        EXPECT_EQ(
            std::pair(g_announcementX, g_announcementY), layered ? std::pair(513, 201) : std::pair(512, 200));
        EXPECT_EQ(
            std::pair(platform_.pause.count, platform_.pause.totalMs), std::pair(pauses, pauses * 20LL));
        EXPECT_EQ(bounds(table_->surface().dc(), lastLayer).has_value(), pauses > 0);
        if (!layered) {
            EXPECT_EQ(differences(table_->m_dcBuffer, table_->m_dcTable), kTestImagePoints + outline);
            continue;
        }
        // The last layer lies one pixel right of and below the image; only the layer moved up
        // and left reaches the top-left corner, only the one moved 3 the bottom-right corner.
        EXPECT_EQ(bounds(table_->m_dcBuffer, lastLayer), (Rect { 510, 199, 517, 204 }));
        EXPECT_EQ(table_->m_dcBuffer.getPixel(508, 197), RGB(0, 100, 170));
        EXPECT_EQ(table_->m_dcBuffer.getPixel(518, 205), RGB(84, 100, 100));
    }
    // The band shown stays on the table's centre column, where every layered image stands.
    draw(image::kComputerTakes, 3, 300);
    EXPECT_NE(table_->surface().dc().getPixel(301, 201), lastLayer);
}

} // namespace
