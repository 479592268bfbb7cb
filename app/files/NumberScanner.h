#pragma once

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>
#include <type_traits>

/// Reads the decimal numbers of a data file held in memory, one at a time. Numbers are
/// separated by white space; anything else is refused instead of being read as a number.
class NumberScanner {
public:
    enum class Result {
        Number, ///< a number was read
        End, ///< only white space was left
        NotANumber, ///< the next word is not a number of the asked type, or does not fit it
    };

    explicit NumberScanner(std::string_view text)
        : next_(text.data())
        , end_(text.data() + text.size())
    {
    }

    /// Reads the next number into value; value is left alone unless the result is Number.
    template <class T> Result next(T& value)
    {
        skipBlanks();
        if (next_ == end_)
            return Result::End;
        T read {};
        const auto [stop, error] = std::from_chars(next_, end_, read);
        if (error != std::errc() || (stop != end_ && !isBlank(*stop)))
            return Result::NotANumber;
        if constexpr (std::is_floating_point_v<T>) {
            // from_chars takes "inf" and "nan"; no coordinate or colour of a data file is one.
            if (!std::isfinite(read))
                return Result::NotANumber;
        }
        next_ = stop;
        value = read;
        return Result::Number;
    }

    /// True when only white space is left.
    bool atEnd()
    {
        skipBlanks();
        return next_ == end_;
    }

private:
    static bool isBlank(char c)
    {
        return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f';
    }

    void skipBlanks()
    {
        while (next_ != end_ && isBlank(*next_))
            ++next_;
    }

    /// The first character not yet read, and the end of the text.
    const char* next_;
    const char* end_;
};
