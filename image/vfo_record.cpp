#include "image/vfo_record.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "image/freq_codec.h"
#include "image/num_text.h"
#include "image/option_lists.h"
#include "image/tone_list.h"

namespace zv {

std::string Vfo_Freq_Text(const Digit_Freq &digits) {
  std::string text;
  for (int i = 0; i < 8; ++i) {
    if (i == 3) text += '.';
    if (digits[i] < 10) text += static_cast<char>('0' + digits[i]);
  }
  return text;
}

Vfo_Freq_Entry Vfo_Freq_From_Text(std::string_view typed) {
  std::string text(typed);
  Trim_Blanks(text);
  std::string whole, fraction;
  bool point = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      (point ? fraction : whole) += c;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  Vfo_Freq_Entry e;
  e.mhz = Val(whole + (point ? "." + fraction : std::string()));

  const size_t first = whole.find_first_not_of('0');
  const std::string mhz_digits = first == std::string::npos ? "" : whole.substr(first);
  if (mhz_digits.size() > 3) return e;  // 1000 MHz or more
  e.storable = true;
  const int mhz = mhz_digits.empty() ? 0 : std::stoi(mhz_digits);

  fraction.resize(std::max<size_t>(fraction.size(), 6), '0');
  const std::string khz = fraction.substr(0, 3);
  // Below the kHz: tens of Hz, a half (from the 1 Hz digit on) rounding up.
  const int tens_hz = (fraction[3] - '0') * 10 + (fraction[4] - '0') + (fraction[5] >= '5' ? 1 : 0);
  const int grid = tens_hz < 25 ? 0 : tens_hz < 50 ? 25 : tens_hz < 75 ? 50 : 75;
  const std::string below = grid == 0 ? "00" : std::to_string(grid);

  e.text = std::to_string(mhz) + "." + khz + below;
  // Under 1000 MHz the count always has its eight digits.
  e.digits = *Units_To_Digit_Freq(mhz * kUnitsPerMhz + std::stoi(khz) * 100 + grid);
  return e;
}

std::string Vfo_Reset_Text(double low_mhz) {
  const double whole = std::floor(low_mhz);
  const long long mhz = std::isfinite(whole) && whole > 0 ? static_cast<long long>(whole) : 0;
  return std::to_string(mhz) + ".02500";
}

int Vfo_Offset_Item(const std::array<uint8_t, 6> &bytes) {
  // Six bytes of at most three digits each: at most 18 digits, within 64 bits.
  unsigned long long khz = 0;
  for (uint8_t b : bytes) {
    const std::string digits = std::to_string(b);
    for (char c : digits) khz = khz * 10 + static_cast<unsigned>(c - '0');
  }
  unsigned long long item = khz / 50;
  const unsigned long long rest = khz % 50;
  if (rest > 25 || (rest == 25 && item % 2 == 1)) ++item;
  return item > kOffsetItems - 1 ? kOffsetItems - 1 : static_cast<int>(item);
}

std::array<uint8_t, 6> Vfo_Offset_Bytes(int item) {
  if (item < 0 || item >= kOffsetItems) throw std::out_of_range("offset item out of range");
  const std::string t = Offset_Item_Text(item);
  auto digit = [&t](int i) { return static_cast<uint8_t>(t[i] - '0'); };
  return {0, digit(0), digit(1), digit(3), digit(4), digit(5)};
}

Vfo_Tone_Show Vfo_Tone_Item(uint8_t lo, uint8_t hi) {
  Vfo_Tone_Show s;
  // This editor reads a pair with either byte 255 as off.
  if (lo == 0xFF || hi == 0xFF) {
    s.item = kToneOff;
    return s;
  }
  const Tone_Class c = Classify_Tone_Word(lo, hi);
  s.item = c.position;
  if (c.kind == Tone_Kind::Ctcss && c.position < 0)
    s.text = std::to_string(c.tenths / 10) + "." + std::to_string(c.tenths % 10);
  return s;
}

std::array<uint8_t, 2> Vfo_Tone_Bytes(int item) {
  const uint16_t word = Tone_Position_To_Word(item);
  return {static_cast<uint8_t>(word & 0xFF), static_cast<uint8_t>(word >> 8)};
}

}  // namespace zv
