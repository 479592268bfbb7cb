#include "support/ImageFileTexts.h"

#include "app/intro/IntroModel.h"

#include <gtest/gtest.h>

namespace {

DataFault Read(const QByteArray& text, int width = 970, int height = 700)
{
    return ReadIntroModel(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), width, height);
}

TEST(IntroModelTest, FrameIsCentredInTheClientAreaByTruncatedHalves)
{
    // 970 - 1000 = -30: x moves by +15; 700 - 445 = 255: y moves by -127.
    ASSERT_EQ(Read(imagetexts::IntroModel(28), 1000, 445), DataFault::None);
    EXPECT_EQ(g_introVertexCount, 28);
    EXPECT_DOUBLE_EQ(g_introX[1], 1 + 15);
    EXPECT_DOUBLE_EQ(g_introY[1], 2 - 127);
    EXPECT_DOUBLE_EQ(g_introZ[1], -1);
    EXPECT_DOUBLE_EQ(g_introRed[0], 0.1);
    EXPECT_DOUBLE_EQ(g_introBlue[0], 0.3);
    EXPECT_DOUBLE_EQ(g_introBlue[27], 1);
    EXPECT_EQ(g_introPolygonEnd[0], 0);
    EXPECT_EQ(g_introPolygonEnd[3], 0);
    EXPECT_EQ(g_introPolygonEnd[4], 1);

    // An odd difference is cut toward zero on both sides of the frame's size.
    ASSERT_EQ(Read(imagetexts::IntroModel(28), 971, 699), DataFault::None);
    EXPECT_DOUBLE_EQ(g_introX[1], 1);
    EXPECT_DOUBLE_EQ(g_introY[1], 2);
}

TEST(IntroModelTest, EveryCompleteRecordCountsWhateverFollowsTheLastNumber)
{
    ASSERT_EQ(Read(imagetexts::IntroModel(949, false)), DataFault::None);
    EXPECT_EQ(g_introVertexCount, 949);
    EXPECT_DOUBLE_EQ(g_introX[949], 949);
    ASSERT_EQ(Read(imagetexts::IntroModel(40, true) + "\n\n  "), DataFault::None);
    EXPECT_EQ(g_introVertexCount, 40);
}

TEST(IntroModelTest, ModelsTheTablesCannotHoldOrDrawAreRefused)
{
    EXPECT_EQ(Read(imagetexts::IntroModel(950)), DataFault::TooLong);
    EXPECT_EQ(Read(imagetexts::IntroModel(27)), DataFault::Short);
    EXPECT_EQ(Read(""), DataFault::Short);

    const QByteArray model = imagetexts::IntroModel(40, false);
    // The last record loses its z, or everything after its flag.
    EXPECT_EQ(Read(model.left(model.lastIndexOf(' '))), DataFault::Short);
    EXPECT_EQ(Read(model + "\n1"), DataFault::Short);
    EXPECT_EQ(Read(model + "\n1 0.5 0.5 0.5 1 2 zero"), DataFault::NotANumber);
    EXPECT_EQ(Read(model + "\n2 0.5 0.5 0.5 1 2 3"), DataFault::OutOfRange);
    EXPECT_EQ(Read(model + "\n1 1.5 0.5 0.5 1 2 3"), DataFault::OutOfRange);
    EXPECT_EQ(Read(model + "\n1 0.5 0.5 0.5 nan 2 3"), DataFault::NotANumber);
    EXPECT_EQ(Read(model + "\n1 0.5 0.5 0.5 1e3 -2.5 .5"), DataFault::None);
    EXPECT_EQ(g_introVertexCount, 41);
    EXPECT_DOUBLE_EQ(g_introX[41], 1000);
    EXPECT_DOUBLE_EQ(g_introZ[41], 0.5);
}

} // namespace
