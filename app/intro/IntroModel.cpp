#include "app/intro/IntroModel.h"

namespace {

bool IsColourPart(double value)
{
    return value >= 0.0 && value <= 1.0;
}

/// Reads red, green and blue (0..1) into record j.
DataFault ReadColour(NumberScanner& in, std::size_t j)
{
    for (IntroTable* table : { &g_introRed, &g_introGreen, &g_introBlue }) {
        double value = 0;
        if (const auto result = in.next(value); result != NumberScanner::Result::Number)
            return FaultOf(result);
        if (!IsColourPart(value))
            return DataFault::OutOfRange;
        (*table)[j] = value;
    }
    return DataFault::None;
}

/// Reads the rest of vertex record j after its flag: colour, then x, y, z.
DataFault ReadVertex(NumberScanner& in, std::size_t j)
{
    if (const DataFault fault = ReadColour(in, j); fault != DataFault::None)
        return fault;
    for (IntroTable* table : { &g_introX, &g_introY, &g_introZ }) {
        // A record cut after its flag is a short file, not the file's regular end.
        if (const auto result = in.next((*table)[j]); result != NumberScanner::Result::Number)
            return FaultOf(result);
    }
    return DataFault::None;
}

} // namespace

DataFault ReadIntroModel(std::string_view text, int clientWidth, int clientHeight)
{
    NumberScanner in(text);
    g_introVertexCount = 0;
    g_introPolygonEnd[0] = 0;
    if (const DataFault fault = ReadColour(in, 0); fault != DataFault::None)
        return fault;

    // Integer halves, as the frame is placed on whole pixels.
    const int shiftX = (kIntroFrameWidth - clientWidth) / 2;
    const int shiftY = (kIntroFrameHeight - clientHeight) / 2;
    int count = 0;
    while (!in.atEnd()) {
        if (count == kIntroRecordCapacity)
            return DataFault::TooLong;
        const auto j = static_cast<std::size_t>(count + 1);
        int flag = 0;
        if (const auto result = in.next(flag); result != NumberScanner::Result::Number)
            return FaultOf(result);
        if (flag != 0 && flag != 1)
            return DataFault::OutOfRange;
        if (const DataFault fault = ReadVertex(in, j); fault != DataFault::None)
            return fault;
        g_introPolygonEnd[j] = flag;
        g_introX[j] -= shiftX;
        g_introY[j] -= shiftY;
        count += 1;
    }
    if (count < kProgressQuadRecords)
        return DataFault::Short;
    g_introVertexCount = count;
    return DataFault::None;
}
