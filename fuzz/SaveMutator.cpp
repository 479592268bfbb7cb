#include "fuzz/Fuzz.h"

#include <QList>

#include <cstring>
#include <random>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

/// One mutation in this many is libFuzzer's own, on the bytes; the others edit values.
constexpr unsigned kByteMutationShare = 8;
constexpr unsigned kMostEdits = 3;
/// Most values of a save are flags, sides, suits, cards, counts and prompts: -1..44.
constexpr int kLowValue = -1;
constexpr int kHighValue = 44;

} // namespace

/// Saves mutate mostly by small edits of their values, so that most inputs still pass the
/// reader: a value becomes a small number, its neighbour by one, or another value of the save.
extern "C" std::size_t LLVMFuzzerCustomMutator(
    std::uint8_t* data, std::size_t size, std::size_t maxSize, unsigned seed)
{
    std::minstd_rand random(seed);
    QList<QByteArray> words = Bytes(data, size).split(' ');
    if (random() % kByteMutationShare == 0 || words.size() < 2)
        return LLVMFuzzerMutate(data, size, maxSize);
    const auto anyWord
        = [&] { return static_cast<qsizetype>(random() % static_cast<unsigned>(words.size())); };
    for (unsigned edit = 0, edits = 1 + random() % kMostEdits; edit < edits; ++edit) {
        QByteArray& word = words[anyWord()];
        switch (random() % 3) {
        case 0:
            word = QByteArray::number(kLowValue + static_cast<int>(random() % (kHighValue - kLowValue + 1)));
            break;
        case 1:
            word = QByteArray::number(word.toLongLong() + (random() % 2 == 0 ? 1 : -1));
            break;
        default:
            word = words.at(anyWord());
        }
    }
    const QByteArray text = words.join(' ');
    if (static_cast<std::size_t>(text.size()) > maxSize)
        return size;
    std::memcpy(data, text.constData(), static_cast<std::size_t>(text.size()));
    return static_cast<std::size_t>(text.size());
}
