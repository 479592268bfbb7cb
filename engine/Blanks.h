#pragma once

#include <cstddef>
#include <string_view>

/// A blank is what separates the words of the game's texts and files and what no name may
/// hold: the white space of Unicode. Of the characters Windows-1251 has, that is the ASCII
/// blanks and line breaks and the no-break space, which shows as nothing in a name.

/// True for a blank character.
bool IsBlank(char32_t character);

/// The bytes of the blank a UTF-8 text begins with; 0 when it begins with anything else.
std::size_t LeadingBlankBytes(std::string_view utf8);
