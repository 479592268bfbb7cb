#include "PixelMap.h"

std::string PixelMap(const platform::MemoryDC& dc, const std::map<platform::COLORREF, char>& legend)
{
    std::string map = "\n";
    for (int y = 0; y < dc.height(); ++y) {
        for (int x = 0; x < dc.width(); ++x) {
            const auto letter = legend.find(dc.getPixel(x, y));
            map += letter == legend.end() ? '.' : letter->second;
        }
        map += '\n';
    }
    return map;
}

std::string Picture(std::initializer_list<const char*> rows)
{
    std::string picture = "\n";
    for (const char* row : rows)
        picture += std::string(row) + '\n';
    return picture;
}
