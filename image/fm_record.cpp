#include "image/fm_record.h"

#include <optional>
#include <vector>

#include "image/freq_codec.h"
#include "image/num_text.h"

namespace zv {
namespace fm {

namespace {

std::string Trimmed(std::string_view text) {
  std::string s(text);
  Trim_Blanks(s);
  return s;
}

// Whole MHz, a point and five decimals.
std::string Units_Text(long long units) {
  std::string frac = std::to_string(units % kUnitsPerMhz);
  frac.insert(0, 5 - frac.size(), '0');
  return std::to_string(units / kUnitsPerMhz) + "." + frac;
}

}  // namespace

std::string Cov_Freq(const Radio_Image_Table &image, int line) {
  Digit_Freq digits{};
  for (int c = 0; c < kDigitFreqLen; ++c) digits[c] = image(line, c);
  const std::optional<long long> units = Digit_Freq_To_Units(digits);
  return units ? Units_Text(*units) : std::string();
}

Preset_Cells Show_Preset(const Radio_Image_Table &image, int line) {
  Preset_Cells cells;
  if (image(line, 0) == 0 && image(line, 1) == 0 && image(line, 2) == 0) return cells;
  cells.freq = Cov_Freq(image, line);
  for (int c = 8; c < 16; ++c) {
    const uint8_t b = image(line, c);
    if (b == 0xFF || b == ' ') continue;
    if (b < 0x80) {
      cells.name.push_back(static_cast<char>(b));
    } else {
      cells.name.push_back(static_cast<char>(0xC0 | (b >> 6)));
      cells.name.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  Trim_Blanks(cells.name);
  return cells;
}

Freq_Commit Commit_Freq(std::string_view typed) {
  Freq_Commit res;
  const double v = Val(typed);
  if (v >= kLowLimit && v <= kHighLimit) {
    const std::optional<long long> units = Mhz_To_Freq_Units(v);
    if (units) {
      res.cell = Units_Text(*units);
      return res;
    }
  }
  if (Trimmed(typed).empty()) return res;
  res.out_of_range = true;
  res.cell = Units_Text(static_cast<long long>(kLowLimit) * kUnitsPerMhz);
  return res;
}

Name_Commit Commit_Name(std::string_view typed, bool has_freq) {
  Name_Commit res;
  const std::string trimmed = Trimmed(typed);
  std::vector<std::string_view> chars = Split_Chars(trimmed);
  if (chars.size() > static_cast<size_t>(kNameMax)) {
    res.too_long = true;
    chars.resize(kNameMax);
  }
  if (!has_freq) return res;
  for (std::string_view ch : chars) res.cell += Upper_Char(ch);
  return res;
}

void Store_Preset(Radio_Image_Table &image, int line, const std::string &freq, const std::string &name) {
  const std::string f = Trimmed(freq);
  Digit_Freq digits{};
  if (!f.empty()) {
    const std::optional<long long> units = Mhz_To_Freq_Units(Val(f));
    if (units) {
      if (const std::optional<Digit_Freq> d = Units_To_Digit_Freq(*units)) digits = *d;
    }
  }
  for (int c = 0; c < kDigitFreqLen; ++c) image(line, c) = digits[c];
  for (int c = 8; c < 16; ++c) image(line, c) = 0xFF;
  if (f.empty()) return;
  const std::string trimmed = Trimmed(name);
  std::vector<std::string_view> chars = Split_Chars(trimmed);
  if (chars.size() > static_cast<size_t>(kNameMax)) chars.resize(kNameMax);
  static const int kFirst[kNameMax + 1] = {0, 11, 11, 10, 10, 9, 8};
  const int first = kFirst[chars.size()];
  for (size_t k = 0; k < chars.size(); ++k) image(line, first + static_cast<int>(k)) = Latin1_Code(chars[k]);
}

}  // namespace fm
}  // namespace zv
