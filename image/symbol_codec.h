// Small fixed conversions between typed or shown symbols and stored codes:
// DTMF codes, 5-tone symbols, 5-tone standard names, the characters of the
// radio's display, and the CTCSS tone text of the channel defaults.
//
// Character comparisons are exact (case-sensitive) comparisons of the whole
// text; where both cases are accepted the functions say so. A text of more
// than one character is no symbol of any table.
#pragma once

#include <array>
#include <cstddef>
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
// The character of a 5-tone symbol code: 0..15 -> "0".."9", "A".."F"; the
// empty text for any other value (0xFF, the empty mark, included).
std::string Tone5_Code_To_Char(int code);
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

// Code fields (ANI, PTT-ID and the DTMF codes): 16 DTMF codes, one per
// character of the text without its outer blanks, in the order typed. A
// character without a DTMF code (an inner blank, a letter beyond D, any
// non-ASCII character) holds 0xFF in its own place, so the characters behind
// it keep their places; every place behind the text holds 0xFF. Characters
// beyond the 16th have no place and are dropped.
constexpr int kCodeFieldLen = 16;
using Code_Field = std::array<uint8_t, kCodeFieldLen>;
Code_Field Text_To_Code_Field(std::string_view text);
// The text a code field shows: the characters of its codes joined in order;
// a byte without a DTMF character (0xFF among them) adds nothing, so the
// shown text is closed up.
std::string Code_Field_To_Text(const Code_Field &codes);

// Centred display texts (power-on text halves of 8 places, alignment
// passwords of 6): the text without its outer blanks, at most its first n
// characters, each stored as Msg_Char_To_Byte gives it (an inner blank and a
// character outside the display set as kMsgNoChar), starting at place
// (n - len) / 2; the places around the text hold 32 (a blank).
template <size_t N>
std::array<uint8_t, N> Text_To_Centred_Display(std::string_view text);
// The text n display bytes show, built place by place: the text so far
// without its outer blanks, followed by Msg_Byte_To_Char of the byte. Leading
// and inner blanks vanish, a blank in the last place stays, bytes outside the
// display set add nothing.
template <size_t N>
std::string Display_To_Text(const std::array<uint8_t, N> &bytes);

namespace detail {
void Centre_Display_Text(std::string_view text, uint8_t *out, size_t n);
std::string Display_Bytes_Text(const uint8_t *bytes, size_t n);
}  // namespace detail

template <size_t N>
std::array<uint8_t, N> Text_To_Centred_Display(std::string_view text) {
  std::array<uint8_t, N> out{};
  detail::Centre_Display_Text(text, out.data(), N);
  return out;
}

template <size_t N>
std::string Display_To_Text(const std::array<uint8_t, N> &bytes) {
  return detail::Display_Bytes_Text(bytes.data(), N);
}

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
