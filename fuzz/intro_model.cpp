#include "app/intro/IntroModel.h"
#include "fuzz/Fuzz.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace {

/// The client the model is read for, as a window of the common size has it.
constexpr int kClientWidth = 1024;
constexpr int kClientHeight = 768;

using Tables = std::array<IntroTable, 6>;
Tables Snapshot()
{
    return { g_introRed, g_introGreen, g_introBlue, g_introX, g_introY, g_introZ };
}

void Put(std::string& text, double value)
{
    std::array<char, 32> digits {};
    const auto end = std::to_chars(digits.begin(), digits.end(), value).ptr;
    text.append(digits.begin(), end).push_back(' ');
}

/// The model as it stands in the tables, in the file's format: the first colour, then
/// each vertex's flag, colour and position.
std::string ModelText()
{
    std::string text;
    for (std::size_t j = 0; j <= static_cast<std::size_t>(g_introVertexCount); ++j) {
        if (j > 0)
            Put(text, g_introPolygonEnd[j]);
        for (const IntroTable* table : { &g_introRed, &g_introGreen, &g_introBlue })
            Put(text, (*table)[j]);
        if (j > 0)
            for (const IntroTable* table : { &g_introX, &g_introY, &g_introZ })
                Put(text, (*table)[j]);
    }
    return text;
}

bool ValuesHold()
{
    const int count = g_introVertexCount;
    if (count < kProgressQuadRecords || count > kIntroRecordCapacity)
        return false;
    for (std::size_t j = 0; j <= static_cast<std::size_t>(count); ++j) {
        for (const IntroTable* table : { &g_introRed, &g_introGreen, &g_introBlue })
            if (!((*table)[j] >= 0.0 && (*table)[j] <= 1.0))
                return false;
        for (const IntroTable* table : { &g_introX, &g_introY, &g_introZ })
            if (!std::isfinite((*table)[j]))
                return false;
        if (j > 0 && g_introPolygonEnd[j] != 0 && g_introPolygonEnd[j] != 1)
            return false;
    }
    return true;
}

} // namespace

/// A model read whole has its vertex count, colours, flags and positions in range, and
/// written out as it stands and read for a client of the frame's own size it is the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (ReadIntroModel(text, kClientWidth, kClientHeight) != DataFault::None) {
        Require(g_introVertexCount == 0, "a refused model has no vertices");
        return 0;
    }
    Require(ValuesHold(), "every value of the model in range");
    const Tables read = Snapshot();
    const int count = g_introVertexCount;
    Require(ReadIntroModel(ModelText(), kIntroFrameWidth, kIntroFrameHeight) == DataFault::None
            && g_introVertexCount == count && Snapshot() == read,
        "the model written reads back the same");
    return 0;
}
