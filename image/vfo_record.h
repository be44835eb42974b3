// The frequency-mode records of bands A-D (radio 0x0F00-0x0F7F, image lines
// 240-247, 32 bytes per band) as the option editor shows and stores them.
//
// Record bytes: 0-7 the frequency as eight decimal digits (hundreds of MHz
// down to tens of Hz); 8-13 the offset in kHz as six decimal digits; 14, 15
// and 28-31 written by no control; 16-17 receive tone and 18-19 transmit tone
// (tone words, low byte first); 20-27 the plain list settings.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/freq_codec.h"

namespace zv {

constexpr int kVfoFirstLine = 240;  // band k (A = 0 .. D = 3): lines 240 + 2k, 241 + 2k
constexpr int kVfoRecordBytes = 32;
constexpr int kVfoFreqByte = 0;     // bytes 0..7
constexpr int kVfoOffsetByte = 8;   // bytes 8..13
constexpr int kVfoRxToneByte = 16;  // bytes 16, 17
constexpr int kVfoTxToneByte = 18;  // bytes 18, 19

// Image line and column of byte `byte` (0..31) of the record of `band` (0..3).
constexpr int Vfo_Line(int band, int byte) { return kVfoFirstLine + 2 * band + byte / 16; }
constexpr int Vfo_Col(int byte) { return byte % 16; }

// The box text of the eight frequency bytes: the digits of bytes 0-2, ".",
// the digits of bytes 3-7; a byte above 9 adds nothing ("136.02500",
// "045.00000", eight 0xFF give ".").
std::string Vfo_Freq_Text(const Digit_Freq &digits);

// A frequency typed into a frequency box.
struct Vfo_Freq_Entry {
  // The value of the longest leading part of the text (blanks trimmed) made of
  // digits with at most one point; 0 when there is none. Tested against the
  // bands by the caller.
  double mhz = 0;
  // False when the value is 1000 MHz or more: three MHz digits cannot hold
  // it, so it counts as out of every band. Then text and digits are unset.
  bool storable = false;
  // The value on the 250 Hz grid: whole MHz, ".", three kHz digits and the
  // part below 1 kHz in tens of Hz (rounded, a half up) cut down to 00, 25,
  // 50 or 75. 145.0125 gives "145.01250", 136.0074 "136.00725".
  std::string text;
  // The stored digits of that text: three MHz digits, then the five digits
  // after the point.
  Digit_Freq digits{};
};

// Reads and formats a frequency box's text; exact decimal arithmetic on the
// typed digits, whatever their number.
Vfo_Freq_Entry Vfo_Freq_From_Text(std::string_view text);

// The text that replaces a frequency in no band: the whole MHz of low_mhz
// followed by ".02500" (136 gives "136.02500"); a value below 0 counts as 0.
std::string Vfo_Reset_Text(double low_mhz);

// The offset item (0..1999) of offset bytes 8-13: their decimal texts joined
// (up to 18 digits, a byte above 9 adds its two or three digits) read as kHz,
// divided by 50 with a half going to the even item, at most item 1999.
int Vfo_Offset_Item(const std::array<uint8_t, 6> &bytes);

// The offset bytes of item n (0..1999), read from the item's text: 0, then
// the digits at characters 1, 2, 4, 5 and 6. Item 247 gives 0,1,2,3,5,0.
// Throws std::out_of_range for another n.
std::array<uint8_t, 6> Vfo_Offset_Bytes(int item);

// What a stored tone pair shows in a tone list of this editor.
struct Vfo_Tone_Show {
  // List item 0..260, or -1 where the pair has no item.
  int item = -1;
  // Where item is -1: the text the list shows ("76.8" for a CTCSS tone that
  // is not listed; empty for a pair with high byte 0 and low byte 211-254).
  std::string text;
};

// Either byte 255, or both 0, reads as off (item 0); a high byte 0 as DCS
// (low byte + 50); every other pair as a CTCSS tone of (lo + 256 hi) / 10 Hz.
Vfo_Tone_Show Vfo_Tone_Item(uint8_t lo, uint8_t hi);

// The tone pair (low byte first) stored for tone list item 0..260: off 0, 0;
// a CTCSS tone in tenths of a hertz; a DCS code item - 50, 0.
// Throws std::out_of_range for another item.
std::array<uint8_t, 2> Vfo_Tone_Bytes(int item);

}  // namespace zv
