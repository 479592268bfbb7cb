#pragma once

#include <cstdint>

namespace platform {

/// A Windows colour value: 0x00BBGGRR, red in the low byte.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int red, int green, int blue)
{
    return static_cast<COLORREF>(red & 0xff) | (static_cast<COLORREF>(green & 0xff) << 8)
        | (static_cast<COLORREF>(blue & 0xff) << 16);
}
constexpr int GetRValue(COLORREF c)
{
    return static_cast<int>(c & 0xff);
}
constexpr int GetGValue(COLORREF c)
{
    return static_cast<int>((c >> 8) & 0xff);
}
constexpr int GetBValue(COLORREF c)
{
    return static_cast<int>((c >> 16) & 0xff);
}

/// What a pixel read outside a bitmap returns.
constexpr COLORREF kInvalidColour = 0xffffffffu;

} // namespace platform
