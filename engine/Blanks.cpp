#include "engine/Blanks.h"

#include <algorithm>
#include <array>

namespace {

/// The white space of Unicode, as ranges of code points.
struct Range {
    char32_t first;
    char32_t last;
};
constexpr std::array<Range, 10> kBlanks { {
    { 0x09, 0x0D }, // tab, line feed, vertical tab, form feed, carriage return
    { 0x20, 0x20 }, // space
    { 0x85, 0x85 }, // next line
    { 0xA0, 0xA0 }, // no-break space
    { 0x1680, 0x1680 }, // ogham space mark
    { 0x2000, 0x200A }, // the typographic spaces
    { 0x2028, 0x2029 }, // line and paragraph separators
    { 0x202F, 0x202F }, // narrow no-break space
    { 0x205F, 0x205F }, // medium mathematical space
    { 0x3000, 0x3000 }, // ideographic space
} };

/// UTF-8: the lead bytes of two-, three- and four-byte characters start at these values;
/// every byte after the lead carries six bits.
constexpr unsigned char kFirstTwoByteLead = 0xC0;
constexpr unsigned char kFirstThreeByteLead = 0xE0;
constexpr unsigned char kFirstFourByteLead = 0xF0;
constexpr unsigned char kContinuationBits = 0x3F;
constexpr int kBitsPerContinuation = 6;
constexpr unsigned char kAsciiEnd = 0x80;
/// The lead byte of a character of n bytes keeps the low 7 - n bits of this mask.
constexpr unsigned kLeadMask = 0x7F;

} // namespace

bool IsBlank(char32_t character)
{
    return std::any_of(kBlanks.begin(), kBlanks.end(),
        [character](const Range& range) { return character >= range.first && character <= range.last; });
}

std::size_t LeadingBlankBytes(std::string_view utf8)
{
    if (utf8.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(utf8.front());
    if (lead < kAsciiEnd)
        return IsBlank(lead) ? 1 : 0;
    // A byte that leads no character is no blank.
    if (lead < kFirstTwoByteLead)
        return 0;
    const std::size_t length = lead < kFirstThreeByteLead ? 2 : lead < kFirstFourByteLead ? 3 : 4;
    if (utf8.size() < length)
        return 0;
    char32_t character = lead & (kLeadMask >> length);
    for (std::size_t i = 1; i < length; ++i)
        character
            = character << kBitsPerContinuation | (static_cast<unsigned char>(utf8[i]) & kContinuationBits);
    return IsBlank(character) ? length : 0;
}
