#include "ListFiles.h"

#include "app/intro/IntroModel.h"

#include <QPolygonF>

#include <gtest/gtest.h>

namespace {

QByteArray introText()
{
    QFile file(programFile(kIntroFile));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Record j's point in the 970 x 700 frame (read for a client of the frame's size, so unmoved).
QPointF framePoint(int j)
{
    return { g_introX[static_cast<std::size_t>(j)], g_introY[static_cast<std::size_t>(j)] };
}

} // namespace

TEST(IntroFile, EveryRecordIsReadAndTheFileEndsWithALineBreak)
{
    const QByteArray text = introText();
    ASSERT_FALSE(text.isEmpty());
    // The reader counts the record at the very end of a file only when white space follows it.
    EXPECT_TRUE(text.endsWith('\n'));
    ASSERT_EQ(ReadIntroModel(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                  kIntroFrameWidth, kIntroFrameHeight),
        DataFault::None);
    const int records = static_cast<int>(text.count('\n')) - 1; // the first line is record 0
    EXPECT_EQ(g_introVertexCount, records);
    EXPECT_LE(g_introVertexCount, kIntroRecordCapacity);
    for (int j = 0; j <= g_introVertexCount; ++j) {
        const auto i = static_cast<std::size_t>(j);
        for (const double channel : { g_introRed[i], g_introGreen[i], g_introBlue[i] })
            ASSERT_TRUE(channel >= 0 && channel <= 1) << "record " << j;
    }
}

TEST(IntroFile, TheLastTwentyEightRecordsAreSevenQuadsInARow)
{
    const QByteArray text = introText();
    ASSERT_EQ(ReadIntroModel(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                  kIntroFrameWidth, kIntroFrameHeight),
        DataFault::None);
    const int first = g_introVertexCount - kProgressQuadRecords + 1;
    // The model before the bar ends its last polygon, so the bar's first vertex starts a new one.
    EXPECT_EQ(g_introPolygonEnd[static_cast<std::size_t>(first - 1)], 1);
    QRectF previous;
    for (int quad = 0; quad < kProgressQuadCount; ++quad) {
        const int q = first + 4 * quad;
        for (int v = 0; v < 4; ++v)
            EXPECT_EQ(g_introPolygonEnd[static_cast<std::size_t>(q + v)], v == 3 ? 1 : 0) << "quad " << quad;
        const QPolygonF corners { framePoint(q), framePoint(q + 1), framePoint(q + 2), framePoint(q + 3) };
        const QRectF box = corners.boundingRect();
        // A real quad of the frame, all of it on one depth so the bar stays flat.
        EXPECT_GT(box.width(), 4) << "quad " << quad;
        EXPECT_GT(box.height(), 4) << "quad " << quad;
        EXPECT_TRUE(QRectF(0, 0, kIntroFrameWidth, kIntroFrameHeight).contains(box)) << "quad " << quad;
        for (int v = 1; v < 4; ++v)
            EXPECT_EQ(g_introZ[static_cast<std::size_t>(q + v)], g_introZ[static_cast<std::size_t>(q)]);
        // Side by side on one row, never overlapping.
        if (quad > 0) {
            EXPECT_DOUBLE_EQ(box.top(), previous.top()) << "quad " << quad;
            EXPECT_FALSE(box.intersects(previous)) << "quad " << quad;
            EXPECT_LT(std::abs(box.center().x() - previous.center().x()), 2 * box.width()) << "quad " << quad;
        }
        previous = box;
    }
}
