// Channel frequencies: the typed or shown text in MHz and the stored Bcd_Freq
// (4 bytes of packed decimal digits in units of 10 Hz, least significant byte
// first, the high half of a byte the more significant digit), and the test of
// a frequency against the four band windows.
//
// The arithmetic runs in double precision in a fixed order of operations; the
// results (snapping, digits) depend on it, so this folder is compiled without
// fused multiply-add contraction.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/radio_image.h"
#include "image/shared_state.h"

namespace zv {

// Snaps the frequency of text (MHz, read with Val) down onto the 2.5 kHz or
// the 6.25 kHz grid, whichever leaves the smaller remainder (remainders
// truncated to 0.01 kHz; a tie goes to 2.5 kHz; a value less than 1 Hz below a
// grid point snaps onto it), replaces text by the snapped frequency as a
// 9-character text ("145.01250", "88.900000") and writes its Bcd_Freq into
// image line `line`, columns col..col+3, least significant byte first.
//
// A snapped frequency below 10 MHz or of 1000 MHz and more has no such text
// and does not fit the stored digits: then the function returns false and
// changes neither text nor image. Returns true when it stored the frequency.
// Columns col..col+3 must be data columns (0..15) of an image line; otherwise
// it throws std::out_of_range before anything is changed.
bool Freq_To_Bcd(std::string &text, Radio_Image_Table &image, int line, int col);

// The four Bcd_Freq bytes of a frequency text in MHz, most significant first
// (100/10 MHz, 1 MHz/100 kHz, 10/1 kHz, 100/10 Hz); the 1 Hz digit is dropped.
// Returns the first byte. For a value outside 0 <= f < 1000 MHz, where a digit
// would not fit a half byte, returns -1 and leaves bcd_bytes unchanged.
int Str_To_Bcd(std::string_view text, std::array<uint8_t, 4> &bcd_bytes);

// The display text of the stored bytes b0..b3 (b0 least significant): the
// whole MHz, a point and five decimals, e.g. "145.01250", "88.90000".
// A half byte above 9 counts at face value (0xFA is 15 and 10), so any four
// bytes give a well-formed text of 7 to 10 characters: "d.ddddd" below
// 10 MHz, "dd.ddddd" up to 99.99999, "ddd.ddddd" up to 999.99999 and
// "dddd.ddddd" from 1000 MHz (at most 1666.66665, all halves 15).
std::string Bcd_To_Freq(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3);

// Digit_Freq (frequency-mode records, FM presets): eight bytes of one
// decimal digit each, hundreds of MHz first, 10 Hz last, held here as the
// whole count of 10 Hz units (0 .. 99 999 999; 88.9 MHz is 8 890 000).
constexpr int kDigitFreqLen = 8;
constexpr long long kDigitFreqLimit = 100000000;  // 1000 MHz: needs a ninth digit
constexpr long long kUnitsPerMhz = 100000;        // 10 Hz units in one MHz
using Digit_Freq = std::array<uint8_t, kDigitFreqLen>;

// The count of 10 Hz units the eight digits stand for. A byte above 9 is no
// digit and is never used: the result is then empty and *bad_place (when
// given) names the first such place, 0..7.
std::optional<long long> Digit_Freq_To_Units(const Digit_Freq &digits, int *bad_place = nullptr);
// The eight digits of a count of 10 Hz units; empty for a negative count and
// for 1000 MHz and above, which eight digits cannot hold.
std::optional<Digit_Freq> Units_To_Digit_Freq(long long units);
// The whole count of 10 Hz units in freq_mhz; anything finer is dropped,
// never rounded up (a value given with at most five decimals counts as
// itself, not one unit less through its binary form). Empty for a value
// outside 0 to 999.99999 MHz and for NaN.
std::optional<long long> Mhz_To_Freq_Units(double freq_mhz);

// 0 when f_mhz lies in at least one band (low <= f < high + 1), 255 otherwise.
int Freq_Out_Of_Band(double f_mhz, const Band_Limits &bands);

}  // namespace zv
