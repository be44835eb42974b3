// Small fixed conversions between typed or shown symbols and stored codes:
// DTMF codes, 5-tone symbols, 5-tone standard names, the characters of the
// radio's display, and the CTCSS tone text of the channel defaults.
//
// Character comparisons are exact (case-sensitive) comparisons of the whole
// text; where both cases are accepted the functions say so. A text of more
// than one character is no symbol of any table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "image/radio_image.h"

namespace zv {

// DTMF code table: 0 "D", 1..9 "1".."9", 10 "0", 11 "*", 12 "#", 13 "A",
// 14 "B", 15 "C".
// The character of a code 0..15; the empty text for any other value.
std::string Dtmf_Code_To_Char(int code);
// The code of a DTMF character ("a".."d" as "A".."D"); 255 for any other text.
int Dtmf_Char_To_Code(std::string_view ch);

// The 5-tone symbol code: "0".."9" -> 0..9, "A".."F" and "a".."f" -> 10..15;
// 255 for any other text.
int Tone5_Char_To_Code(std::string_view ch);
// The name of 5-tone standard 0..14 ("CCIR1" .. "MODAT"); empty otherwise.
std::string Tone5_Index_To_Std(int n);
// The number 0..14 of the standard whose name equals `name` exactly (case
// matters) once blanks are trimmed off both ends; 255 when none does, the
// empty text included. The caller's text is left trimmed.
int Tone5_Std_To_Index(std::string &name);

// Display character set: "0".."9", "A".."Z", "+", "-" and space, each stored
// as its ASCII code.
constexpr uint8_t kMsgNoChar = 11;  // stored for a character outside the set
// The character of a display byte; the empty text for any other value.
std::string Msg_Byte_To_Char(int b);
// The display byte of a character ("a".."z" as their capitals); kMsgNoChar
// (11) for any other text, the empty text included.
uint8_t Msg_Char_To_Byte(std::string_view ch);

// Stores a CTCSS tone text (Hz) as a tone word into image line `line`,
// columns col (low byte) and col + 1 (high byte):
// - exactly "FF": 0xFF 0xFF (off);
// - a leading number v with 0 < v < 255: the tone in tenths of a hertz,
//   v * 10 rounded to the nearest whole number (a tie to the even number), so
//   that a value just below a multiple of 25.6 Hz carries into the high byte
//   instead of giving a low byte of 256;
// - anything else writes nothing.
// Columns col and col + 1 must be data columns (0..15) of an image line;
// otherwise it throws std::out_of_range and writes nothing.
void Tone_To_Bytes(std::string_view tone_text, Radio_Image_Table &image, int line, int col);

}  // namespace zv
