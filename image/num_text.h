// Number texts: the one reader and the one writer of decimal numbers that the
// program types, shows, stores in files and converts. Both ignore the locale:
// "." is always the decimal point, whatever the user's settings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// The decimal number at the start of text.
// - Blanks (space, tab, CR, LF) are skipped wherever they stand, also inside
//   the number: " 1 45.5" reads 145.5.
// - An optional sign ("+" or "-"), digits and at most one "." : a plain
//   decimal number, never an exponent ("1e3" reads 1).
// - The number ends at the first character that cannot continue it
//   ("145.0125abc" reads 145.0125, "1.2.3" reads 1.2).
// - A text without a leading number gives 0 ("", "abc", "-", ".").
// - The result is always finite: a number too large for a double gives 0,
//   one too small gives 0 as well.
double Val(std::string_view text);

// The shortest decimal text of value: rounded to at most 15 significant
// digits, no trailing zeros after the point, no point for a whole number, no
// exponent ever (1e20 gives 21 digits), no leading blank, "-" in front of a
// negative value. A value below 1 has a "0" before the point ("0.5").
// 145.0125 gives "145.0125", 430 gives "430", -0.0 gives "0".
// A value that is not finite (infinity, NaN) gives "0".
std::string Shortest_Text(double value);

// Removes leading and trailing blanks (spaces only) in place.
void Trim_Blanks(std::string &text);

// The characters of a UTF-8 text: a lead byte with its continuation bytes
// is one character; a stray byte is a character of its own.
std::vector<std::string_view> Split_Chars(std::string_view text);

// One UTF-8 character in upper case, its length kept: ASCII and Latin-1
// letters (but the division sign); every other character as it is.
std::string Upper_Char(std::string_view ch);

// The Latin-1 code of one UTF-8 character; '?' (0x3F) for a character
// above 0xFF or a malformed one.
uint8_t Latin1_Code(std::string_view ch);

}  // namespace zv
