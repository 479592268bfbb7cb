#include "fuzz/Fuzz.h"

#include <QList>

#include <array>
#include <cstring>
#include <limits>
#include <random>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

/// One mutation in this many is libFuzzer's own, on the bytes; the others edit values.
constexpr unsigned kByteMutationShare = 8;
constexpr unsigned kMostEdits = 3;
/// Most values of a save are flags, sides, suits, cards, counts and prompts: -1..44.
constexpr int kLowValue = -1;
constexpr int kHighValue = 44;
/// Values no field holds: past the ends of a byte, a colour, 16, 32 and 64 bits, both
/// ways, and beyond what any integer holds.
constexpr std::array<const char*, 22> kOutOfRange { "-2", "-100", "100", "255", "256", "1000", "32767",
    "32768", "65535", "65536", "16777215", "16777216", "2147483647", "2147483648", "-2147483648",
    "-2147483649", "4294967295", "4294967296", "9223372036854775807", "9223372036854775808",
    "-9223372036854775809", "100000000000000000000" };

/// The edits of one value, and how many of every ten edits each makes.
enum class Edit {
    kSmallValue, ///< one of the values most fields hold
    kNeighbour, ///< the value one up or down: the other side of a limit
    kOtherValue, ///< another value of the same save
    kOutOfRange, ///< a value no field holds
    kNegated, ///< the value with its sign turned
};
constexpr std::array<Edit, 10> kEdits { Edit::kSmallValue, Edit::kSmallValue, Edit::kSmallValue,
    Edit::kNeighbour, Edit::kNeighbour, Edit::kNeighbour, Edit::kOtherValue, Edit::kOtherValue,
    Edit::kOutOfRange, Edit::kNegated };

/// The value one up or down, kept within 64 bits (the values beyond are out of range).
qint64 Neighbour(qint64 value, bool up)
{
    constexpr qint64 kMost = std::numeric_limits<qint64>::max();
    constexpr qint64 kLeast = std::numeric_limits<qint64>::min();
    if (up)
        return value == kMost ? value : value + 1;
    return value == kLeast ? value : value - 1;
}

} // namespace

/// Saves mutate mostly by small edits of their values, so that most inputs still pass the
/// reader and play goes on from positions near real ones; the rest try the reader's limits.
extern "C" std::size_t LLVMFuzzerCustomMutator(
    std::uint8_t* data, std::size_t size, std::size_t maxSize, unsigned seed)
{
    std::minstd_rand random(seed);
    QList<QByteArray> words = Bytes(data, size).split(' ');
    if (random() % kByteMutationShare == 0 || words.size() < 2)
        return LLVMFuzzerMutate(data, size, maxSize);
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const auto anyWord = [&] { return static_cast<qsizetype>(pick(static_cast<std::size_t>(words.size()))); };
    for (unsigned edit = 0, edits = 1 + random() % kMostEdits; edit < edits; ++edit) {
        QByteArray& word = words[anyWord()];
        switch (kEdits[pick(kEdits.size())]) {
        case Edit::kSmallValue:
            word = QByteArray::number(kLowValue + static_cast<int>(pick(kHighValue - kLowValue + 1)));
            break;
        case Edit::kNeighbour:
            word = QByteArray::number(Neighbour(word.toLongLong(), pick(2) == 0));
            break;
        case Edit::kOtherValue:
            word = words.at(anyWord());
            break;
        case Edit::kOutOfRange:
            word = kOutOfRange[pick(kOutOfRange.size())];
            break;
        case Edit::kNegated:
            word = word.startsWith('-') ? word.mid(1) : '-' + word;
            break;
        }
    }
    const QByteArray text = words.join(' ');
    if (static_cast<std::size_t>(text.size()) > maxSize)
        return size;
    std::memcpy(data, text.constData(), static_cast<std::size_t>(text.size()));
    return static_cast<std::size_t>(text.size());
}
