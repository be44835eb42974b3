// One FM preset as the FM preset editor shows and edits it: the frequency
// text of its digit bytes, the station name of its name bytes, the commits
// of a typed frequency and name, and the encoding of a grid row back into
// its line (image line 768 + preset).
//
// Texts are UTF-8; a name byte is the Latin-1 code of its character.
#pragma once

#include <string>
#include <string_view>

#include "image/radio_image.h"

namespace zv {
namespace fm {

constexpr int kPresets = 16;
constexpr double kLowLimit = 87;    // MHz, included; also the replacement
constexpr double kHighLimit = 108;  // MHz, included
constexpr int kNameMax = 6;

inline int Preset_Line(int preset) { return map::kFmLine + preset; }

// The frequency text of eight digit bytes: whole MHz, a point and five
// decimals ("88.90000", "100.70000"). A byte above 9 is no digit: "".
std::string Cov_Freq(const Radio_Image_Table &image, int line);

// The preset's two cells: frequency and name; both "" when digit bytes 0-2
// are all 0. The name: bytes 8-15, 0xFF and blanks skipped, trimmed.
struct Preset_Cells {
  std::string freq, name;
};
Preset_Cells Show_Preset(const Radio_Image_Table &image, int line);

// A typed frequency. In range (87 to 108 MHz by Val): the cell text rebuilt
// from the number, its first five decimals cut, not rounded. Not empty and
// out of range: the replacement "87.00000" and out_of_range. Empty: "" (the
// preset is cleared).
struct Freq_Commit {
  std::string cell;
  bool out_of_range = false;
};
Freq_Commit Commit_Freq(std::string_view typed);

// A typed name: trimmed, cut to 6 characters (too_long when it was longer),
// upper case character by character; "" when the row has no frequency.
struct Name_Commit {
  std::string cell;
  bool too_long = false;
};
Name_Commit Commit_Name(std::string_view typed, bool has_freq);

// Encodes a row's cells into its line: an empty frequency gives digits 0 and
// name bytes 0xFF; otherwise the digits of the frequency, name bytes 0xFF
// and the name's Latin-1 codes ('?' where a character has none) from the
// byte that its length gives (1-2: 11, 3-4: 10, 5: 9, 6: 8).
void Store_Preset(Radio_Image_Table &image, int line, const std::string &freq, const std::string &name);

}  // namespace fm
}  // namespace zv
