#include "engine/Statistics.h"

#include "engine/Blanks.h"
#include "engine/ScoreSheet.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

/// Longest player name, in characters.
constexpr std::size_t kMaxNameCharacters = 12;
/// Words of a record.
constexpr std::size_t kRecordWords = 5;

/// By level 1..3: the level's text and its files' stem; by length 1..2: the game's text and
/// the stem's last letter.
constexpr std::array<const char*, 3> kLevelTexts { "Новичок", "Игрок", "Профи" };
constexpr std::array<const char*, 3> kLevelStems { "Stat/stpr", "Stat/stsr", "Stat/stsl" };
constexpr std::array<const char*, 2> kGameTexts { "Малая(501)", "Большая(1001)" };
constexpr std::array<char, 2> kLengthLetters { 'm', 'b' };

bool InRange(int value, std::size_t count)
{
    return value >= 1 && static_cast<std::size_t>(value) <= count;
}

template <std::size_t N> bool IsOneOf(std::string_view word, const std::array<const char*, N>& words)
{
    return std::any_of(words.begin(), words.end(), [&](const char* known) { return word == known; });
}

bool IsResultWord(std::string_view word)
{
    const auto outcomes = { GameOutcome::HumanWins, GameOutcome::ComputerWins, GameOutcome::Drawn };
    return std::any_of(
        outcomes.begin(), outcomes.end(), [&](GameOutcome o) { return word == ResultWord(o); });
}

/// Characters of UTF-8 text: every byte but the continuation bytes starts one.
std::size_t CharacterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool HoldsBlank(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); ++at)
        if (LeadingBlankBytes(text.substr(at)) != 0)
            return true;
    return false;
}

/// The words of one line; stops counting past a record's five.
std::vector<std::string_view> WordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (words.size() <= kRecordWords) {
        while (const std::size_t blank = LeadingBlankBytes(line.substr(at)))
            at += blank;
        if (at == line.size())
            break;
        const std::size_t start = at;
        while (at < line.size() && LeadingBlankBytes(line.substr(at)) == 0)
            ++at;
        words.push_back(line.substr(start, at - start));
    }
    return words;
}

/// The margin word: a decimal integer with an optional minus sign, nothing else.
bool ReadMargin(std::string_view word, long long& margin)
{
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, margin);
    return error == std::errc() && stop == end;
}

bool ReadRecord(std::string_view line, StatisticsRecord& record)
{
    const std::vector<std::string_view> words = WordsOf(line);
    if (words.size() != kRecordWords || !ReadMargin(words[2], record.margin))
        return false;
    record.name = words[0];
    record.result = words[1];
    record.game = words[3];
    record.level = words[4];
    return IsWholeRecord(record);
}

/// Calls `visit` with each line of a text, without its line break.
template <class Visit> void ForEachLine(std::string_view text, Visit visit)
{
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        visit(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

bool GreaterMargin(const StatisticsRecord& a, const StatisticsRecord& b)
{
    return a.margin > b.margin;
}

} // namespace

bool IsWholeRecord(const StatisticsRecord& record)
{
    const std::string_view name = record.name;
    const bool oneWord = !name.empty() && !HoldsBlank(name);
    return oneWord && CharacterCount(name) <= kMaxNameCharacters && IsResultWord(record.result)
        && IsOneOf(record.game, kGameTexts) && IsOneOf(record.level, kLevelTexts);
}

std::string StatisticsFileName(int level, int gameLength)
{
    if (!InRange(level, kLevelStems.size()) || !InRange(gameLength, kLengthLetters.size()))
        return {};
    return std::string(kLevelStems[static_cast<std::size_t>(level - 1)])
        + kLengthLetters[static_cast<std::size_t>(gameLength - 1)] + ".sta";
}

std::string LevelText(int level)
{
    return InRange(level, kLevelTexts.size()) ? kLevelTexts[static_cast<std::size_t>(level - 1)] : "";
}

std::string GameText(int gameLength)
{
    return InRange(gameLength, kGameTexts.size()) ? kGameTexts[static_cast<std::size_t>(gameLength - 1)] : "";
}

std::vector<StatisticsRecord> ParseStatistics(std::string_view text)
{
    std::vector<StatisticsRecord> records;
    ForEachLine(text, [&](std::string_view line) {
        StatisticsRecord record;
        if (ReadRecord(line, record))
            records.push_back(std::move(record));
    });
    return records;
}

bool HoldsOnlyRecords(std::string_view text)
{
    bool whole = true;
    ForEachLine(text, [&](std::string_view line) {
        StatisticsRecord record;
        whole = whole && (WordsOf(line).empty() || ReadRecord(line, record));
    });
    return whole;
}

std::string FormatStatistics(const std::vector<StatisticsRecord>& records)
{
    std::string text;
    for (const StatisticsRecord& r : records)
        text += r.name + ' ' + r.result + ' ' + std::to_string(r.margin) + ' ' + r.game + ' ' + r.level
            + "\r\n";
    return text;
}

std::vector<StatisticsRecord> AddToStatistics(std::vector<StatisticsRecord> old, StatisticsRecord added)
{
    // A file out of order (written by hand) still loses only its worst records.
    std::stable_sort(old.begin(), old.end(), GreaterMargin);
    if (old.size() >= kMaxStatRecords)
        old.resize(kMaxStatRecords - 1);
    old.push_back(std::move(added));
    std::stable_sort(old.begin(), old.end(), GreaterMargin);
    return old;
}
