#pragma once

#include "app/files/NumberScanner.h"

#include <QString>

#include <functional>
#include <string_view>

/// Why a data file of the program folder was refused.
enum class DataFault {
    None, ///< read whole
    Missing, ///< cannot be read
    Short, ///< ends before all its numbers are there
    TooLong, ///< holds more numbers than its tables take
    NotANumber, ///< holds a word that is not a number of the kind expected there
    OutOfRange, ///< holds a number its table cannot take (a pixel outside its image, a colour above 0xFFFFFF)
};

/// What came of reading one data file.
struct DataFileResult {
    /// The file's full path.
    QString path;
    DataFault fault = DataFault::None;

    bool ok() const { return fault == DataFault::None; }
    /// For the player: names the file and says what is wrong with it.
    QString message() const;
};

/// The fault of a number that could not be read: the file ended, or held something else.
constexpr DataFault FaultOf(NumberScanner::Result result)
{
    return result == NumberScanner::Result::End ? DataFault::Short : DataFault::NotANumber;
}

/// Reads a whole file into memory and hands its text to a reader that fills the game's tables.
DataFileResult LoadDataFile(const QString& path, const std::function<DataFault(std::string_view)>& read);
