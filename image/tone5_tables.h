// The 5-tone standards: for each of 15 standards (CCIR1 ... MODAT) and each of
// its 16 symbols, the symbol frequency and the period count of the radio's
// tone timer, as texts for display and as the byte tables the radio keeps at
// 0x2000-0x23EF.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/radio_image.h"

namespace zv {

constexpr int kTone5Standards = 15;  // standards 0..14; index 15 stays empty
constexpr int kTone5Symbols = 16;    // symbols 0..F

template <typename T>
using Tone5_Grid = std::array<std::array<T, 16>, 16>;  // [standard][symbol]

struct Tone5_Table_Set {
  // Frequency in Hz with one decimal, three blanks before it and blanks after
  // it up to 11 characters ("   1981.0  "); standard 15 holds empty texts.
  Tone5_Grid<std::string> Tone5_Freq_Text{};
  Tone5_Grid<uint8_t> Tone5_Freq_Lo{};    // whole Hz, fraction dropped
  Tone5_Grid<uint8_t> Tone5_Freq_Hi{};
  Tone5_Grid<uint8_t> Tone5_Period_Lo{};  // ceil(2304000 / f) - 1, 0 for f = 0
  Tone5_Grid<uint8_t> Tone5_Period_Hi{};
};

// Fills the five tables and writes the four byte tables into image lines
// 512-526 (frequency low bytes), 528-542 (high), 544-558 (period low) and
// 560-574 (period high), column = symbol. Lines 527, 543, 559 and 575 are not
// written. Every call writes the same values.
void Init_Tone5_Tables(Tone5_Table_Set &tables, Radio_Image_Table &image);

}  // namespace zv
