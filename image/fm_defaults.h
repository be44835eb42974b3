// Factory FM broadcast presets (image lines 768-783, one line per preset:
// bytes 0-7 the frequency as eight decimal digits from hundreds of MHz down
// to 10 Hz, bytes 8-15 the station name).
#pragma once

#include <string>

#include "image/radio_image.h"

namespace zv {

constexpr int kFmPresets = 16;
constexpr int kFmNameMax = 8;

// Stores the digits of freq_mhz into bytes 0-7 of preset `preset` (0-15).
// The digits come from the whole count of 10 Hz units; anything finer is
// dropped. Refuses (returns false, writes nothing) a preset outside 0-15 or
// a frequency outside 0 to 999.99999 MHz.
bool Set_Fm_Freq(Radio_Image_Table &image, double freq_mhz, int preset);

// Trims blanks off both ends of name (in place: the caller sees the trimmed
// text) and stores its first 8 characters, one character code per byte,
// from byte 8 of the preset's line on; bytes behind the name keep their
// values. Refuses a preset outside 0-15.
bool Set_Fm_Name(Radio_Image_Table &image, std::string &name, int preset);

// Clears all 16 presets (digits 0, name bytes 0xFF) and gives presets 0, 1,
// 3, 5, 7, 9, 11, 13 and 15 their factory frequency and name. Writes only
// lines 768-783, columns 0-15.
void Load_Fm_Defaults(Radio_Image_Table &image);

}  // namespace zv
