#include "image/freq_codec.h"

#include <cmath>
#include <stdexcept>

#include "image/num_text.h"

namespace zv {

namespace {

// The largest whole number not above x.
double Int(double x) { return std::floor(x); }

// 10 to 999.99999 MHz in units of 10 Hz: the range with a 9-character text.
constexpr long long kMinCount = 1000000;    // 10 MHz
constexpr long long kMaxCount = 99999999;   // 999.99999 MHz

// Frequency text of a count of 10 Hz units: whole MHz, a point, five decimals.
std::string Count_Text(long long count) {
  std::string frac = std::to_string(count % 100000);
  frac.insert(0, 5 - frac.size(), '0');
  return std::to_string(count / 100000) + "." + frac;
}

}  // namespace

bool Freq_To_Bcd(std::string &text, Radio_Image_Table &image, int line, int col) {
  if (col < 0 || col + 3 >= kImageDataCols) throw std::out_of_range("frequency cells out of range");
  (void)image(line, col);  // a bad line throws here, before anything is written

  const double k = Val(text) * 1000;  // kHz
  const double q1 = Int((k + 0.001) / 2.5);
  const double r1 = Int((k - q1 * 2.5) * 100) / 100;
  const double q2 = Int((k + 0.001) / 6.25);
  const double r2 = Int((k - q2 * 6.25) * 100) / 100;
  const double snapped_khz = (r2 < r1) ? q2 * 6.25 : q1 * 2.5;

  // A multiple of 2.5 or 6.25 kHz is a whole number of 10 Hz units, held
  // exactly in a double; out-of-range (or non-finite) values are refused.
  const double count_d = snapped_khz * 100;
  if (!(count_d >= static_cast<double>(kMinCount) && count_d <= static_cast<double>(kMaxCount)))
    return false;
  const long long count = static_cast<long long>(count_d);

  // The 9-character text: "ddd.ddddd", or "dd.dddddd" below 100 MHz (the
  // sixth decimal, 1 Hz, is always 0).
  std::string snapped = Count_Text(count);
  if (snapped.size() < 9) snapped.append(9 - snapped.size(), '0');

  std::array<uint8_t, 4> bcd{};
  if (Str_To_Bcd(snapped, bcd) < 0) return false;  // cannot happen in range
  image(line, col) = bcd[3];
  image(line, col + 1) = bcd[2];
  image(line, col + 2) = bcd[1];
  image(line, col + 3) = bcd[0];
  text = snapped;
  return true;
}

int Str_To_Bcd(std::string_view text, std::array<uint8_t, 4> &bcd_bytes) {
  const double b = Val(text);
  if (!(b >= 0 && b < 1000)) return -1;
  const double d1 = Int(b / 100);
  const double d2 = Int((b - 100 * d1) / 10);
  const double d3 = Int(b - 100 * d1 - 10 * d2);
  // The added 1e-9 keeps a fraction held just below its decimal value (such
  // as 0.0125) from losing a digit.
  const double r = (b - Int(b) + 1e-9) * 1000;  // fraction in kHz
  const double d4 = Int(r / 100);
  const double d5 = Int((r - 100 * d4) / 10);
  const double d6 = Int(r - 100 * d4 - 10 * d5);
  const double h = (r - Int(r) + 1e-9) * 1000;  // fraction of a kHz in Hz
  const double d7 = Int(h / 100);
  const double d8 = Int((h - 100 * d7) / 10);

  const double digits[8] = {d1, d2, d3, d4, d5, d6, d7, d8};
  for (double d : digits)
    if (!(d >= 0 && d <= 9)) return -1;
  for (int i = 0; i < 4; ++i)
    bcd_bytes[i] = static_cast<uint8_t>(16 * static_cast<int>(digits[2 * i]) +
                                        static_cast<int>(digits[2 * i + 1]));
  return bcd_bytes[0];
}

std::string Bcd_To_Freq(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) {
  // Halves at face value, most significant first; weights 10^7 .. 10^0 in
  // units of 10 Hz. All halves 15 give 166666665, well inside long long.
  const uint8_t bytes[4] = {b3, b2, b1, b0};
  long long count = 0;
  for (uint8_t byte : bytes) {
    count = count * 10 + byte / 16;
    count = count * 10 + byte % 16;
  }
  return Count_Text(count);
}

int Freq_Out_Of_Band(double f_mhz, const Band_Limits &bands) {
  const double lows[4] = {bands.Band_A_Low, bands.Band_B_Low, bands.Band_C_Low, bands.Band_D_Low};
  const double highs[4] = {bands.Band_A_High, bands.Band_B_High, bands.Band_C_High,
                           bands.Band_D_High};
  for (int i = 0; i < 4; ++i)
    if (lows[i] <= f_mhz && f_mhz < highs[i] + 1) return 0;
  return 255;
}

std::optional<long long> Digit_Freq_To_Units(const Digit_Freq &digits, int *bad_place) {
  long long units = 0;
  for (int p = 0; p < kDigitFreqLen; ++p) {
    if (digits[p] > 9) {
      if (bad_place) *bad_place = p;
      return std::nullopt;
    }
    units = units * 10 + digits[p];
  }
  return units;
}

std::optional<Digit_Freq> Units_To_Digit_Freq(long long units) {
  if (units < 0 || units >= kDigitFreqLimit) return std::nullopt;
  Digit_Freq digits{};
  for (int p = kDigitFreqLen - 1; p >= 0; --p) {
    digits[p] = static_cast<uint8_t>(units % 10);
    units /= 10;
  }
  return digits;
}

std::optional<long long> Mhz_To_Freq_Units(double freq_mhz) {
  // A frequency given with at most five decimals lies within a tiny fraction
  // of a whole number of units, above or below it; this margin (far larger
  // than the rounding error of freq * 1e5, far smaller than a unit) lets
  // such a value count as that whole number instead of one less.
  constexpr double kUnitMargin = 1e-6;
  // The negated test also refuses NaN.
  if (!(freq_mhz >= 0.0 && freq_mhz < 1000.0)) return std::nullopt;
  const long long units =
      static_cast<long long>(std::floor(freq_mhz * static_cast<double>(kUnitsPerMhz) + kUnitMargin));
  if (units >= kDigitFreqLimit) return std::nullopt;
  return units;
}

}  // namespace zv
