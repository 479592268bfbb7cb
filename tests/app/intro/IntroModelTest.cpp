#include "app/intro/IntroModel.h"

#include <gtest/gtest.h>

namespace {

/// A model of `records` vertices after the colour (0.1, 0.2, 0.3), in quads: vertex j at
/// (j, 2j, -j) with colour (0.5, 0.25, j % 2), every fourth closing its polygon.
QByteArray Model(int records, const char* end = "\n")
{
    QByteArray text = "0.1 0.2 0.3";
    for (int j = 1; j <= records; ++j)
        text += '\n' + QByteArray::number(j % 4 == 0 ? 1 : 0) + " 0.5 0.25 " + QByteArray::number(j % 2) + ' '
            + QByteArray::number(j) + ' ' + QByteArray::number(2 * j) + ' ' + QByteArray::number(-j);
    return text + end;
}

DataFault Read(const QByteArray& text, int width = 970, int height = 700)
{
    return ReadIntroModel(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), width, height);
}

TEST(IntroModelTest, TheFrameIsCentredByTruncatedHalvesAndAModelTheTablesCannotHoldOrDrawIsRefused)
{
    // 970 - 1000 = -30: x moves by +15; 700 - 445 = 255: y moves by -127.
    ASSERT_EQ(Read(Model(28), 1000, 445), DataFault::None);
    EXPECT_EQ(
        std::tuple(g_introVertexCount, g_introX[1], g_introY[1], g_introZ[1]), std::tuple(28, 16, -125, -1));
    EXPECT_EQ(std::tuple(g_introRed[0], g_introGreen[0], g_introBlue[0]), std::tuple(0.1, 0.2, 0.3));
    EXPECT_EQ(std::tuple(g_introRed[27], g_introGreen[27], g_introBlue[27]), std::tuple(0.5, 0.25, 1));
    EXPECT_EQ(
        std::tuple(g_introPolygonEnd[0], g_introPolygonEnd[3], g_introPolygonEnd[4]), std::tuple(0, 0, 1));
    // An odd difference is cut toward zero on both sides of the frame's size.
    ASSERT_EQ(Read(Model(28), 971, 699), DataFault::None);
    EXPECT_EQ(std::pair(g_introX[1], g_introY[1]), std::pair(1.0, 2.0));

    // Fewer records than the seven progress quads, more than the tables hold; the last record
    // without its z or all after its flag; values that are no numbers or out of their range.
    const QByteArray model = Model(40, "");
    const std::pair<QByteArray, DataFault> rows[] { { Model(950), DataFault::TooLong },
        { Model(27), DataFault::Short }, { "", DataFault::Short },
        { model.left(model.lastIndexOf(' ')), DataFault::Short }, { model + "\n1", DataFault::Short },
        { model + "\n1 0.5 0.5 0.5 1 2 zero", DataFault::NotANumber },
        { model + "\n1 0.5 0.5 0.5 nan 2 3", DataFault::NotANumber },
        { model + "\n2 0.5 0.5 0.5 1 2 3", DataFault::OutOfRange },
        { model + "\n1 1.5 0.5 0.5 1 2 3", DataFault::OutOfRange },
        { model + "\n1 0.5 0.5 -0.5 1 2 3", DataFault::OutOfRange },
        { model + "\n1 0.5 0.5 0.5 1e3 -2.5 .5\n\n  ", DataFault::None },
        { Model(949, ""), DataFault::None } };
    for (const auto& [text, fault] : rows)
        EXPECT_EQ(Read(text), fault) << text.right(30).toStdString();
    EXPECT_EQ(std::pair(g_introVertexCount, g_introX[949]), std::pair(949, 949.0));
    ASSERT_EQ(Read(model + "\n1 0.5 0.5 0.5 1e3 -2.5 .5"), DataFault::None);
    EXPECT_EQ(std::tuple(g_introVertexCount, g_introX[41], g_introZ[41]), std::tuple(41, 1000.0, 0.5));
}

} // namespace
