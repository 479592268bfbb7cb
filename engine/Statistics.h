#pragma once

#include <string>
#include <string_view>
#include <vector>

/// The statistics of finished games: one file per level and game length, holding the best
/// games by margin, best first. A record is one line of five words separated by a blank:
/// the player's name, the human's result, the margin, the game and the level. Texts are
/// UTF-8 here; the files hold them in Windows-1251.

/// Records a statistics file keeps.
constexpr int kMaxStatRecords = 15;

/// One finished game.
struct StatisticsRecord {
    /// The player's name: one word of 1..12 characters.
    std::string name;
    /// "Выиграл", "Проиграл" or "Ничия", from the player's side.
    std::string result;
    /// The player's total less the computer's at the game end.
    long long margin = 0;
    /// "Малая(501)" or "Большая(1001)".
    std::string game;
    /// "Новичок", "Игрок" or "Профи".
    std::string level;
    bool operator==(const StatisticsRecord&) const = default;
};

/// The statistics file of a level 1..3 and game length 1..2, relative to the program
/// folder ("Stat/stprm.sta" ...); empty for a level or length out of range.
std::string StatisticsFileName(int level, int gameLength);
/// The level's text ("Новичок", "Игрок", "Профи") and the game length's ("Малая(501)",
/// "Большая(1001)"); empty out of range.
std::string LevelText(int level);
std::string GameText(int gameLength);

/// True for a record the game can write and read back: a name of one word of 1..12
/// characters and the result, game and level words of the game.
bool IsWholeRecord(const StatisticsRecord& record);

/// The whole records of a file's text, in file order. A line is a record when it holds
/// exactly five words: a whole record's, with a decimal margin between them; any other
/// line is damage and is skipped.
std::vector<StatisticsRecord> ParseStatistics(std::string_view text);

/// True when every line of a text is a whole record or blank, as the game writes a file;
/// any other line means the file is not the game's to rewrite.
bool HoldsOnlyRecords(std::string_view text);

/// The records as the file holds them: one line each, ended by CR LF.
std::string FormatStatistics(const std::vector<StatisticsRecord>& records);

/// The records after a game: the best old ones by margin (at most 14, so that the new one
/// always finds a place) and the new one, in order of margin, greatest first; records with
/// equal margins keep their order, and the new one comes after older ones.
std::vector<StatisticsRecord> AddToStatistics(std::vector<StatisticsRecord> old, StatisticsRecord added);
