// Straight transcriptions of the radio's frequency arithmetic, step by step in
// double precision, without the range guards of the production codecs. Tests
// compare the codecs with them inside the range where both must agree, and use
// them to show what the unguarded arithmetic does outside it.
#pragma once

#include <array>
#include <cmath>
#include <string>

#include "image/num_text.h"

namespace zv::reference {

inline double Int(double x) { return std::floor(x); }

// Digits of a frequency text, most significant first, as plain ints (which the
// unguarded arithmetic can push outside 0..255).
inline std::array<int, 4> Str_To_Bcd(const std::string &t) {
  const double b = Val(t);
  const double d1 = Int(b / 100);
  const double d2 = Int((b - 100 * d1) / 10);
  const double d3 = Int(b - 100 * d1 - 10 * d2);
  const double r = (b - Int(b) + 1e-9) * 1000;
  const double d4 = Int(r / 100);
  const double d5 = Int((r - 100 * d4) / 10);
  const double d6 = Int(r - 100 * d4 - 10 * d5);
  const double h = (r - Int(r) + 1e-9) * 1000;
  const double d7 = Int(h / 100);
  const double d8 = Int((h - 100 * d7) / 10);
  return {static_cast<int>(16 * d1 + d2), static_cast<int>(16 * d3 + d4),
          static_cast<int>(16 * d5 + d6), static_cast<int>(16 * d7 + d8)};
}

struct Encoded {
  std::string text;
  std::array<int, 4> stored;  // least significant first, as in the image
};

inline Encoded Freq_To_Bcd(const std::string &t) {
  const double k = Val(t) * 1000;
  const double q1 = Int((k + 0.001) / 2.5);
  const double r1 = Int((k - q1 * 2.5) * 100) / 100;
  const double q2 = Int((k + 0.001) / 6.25);
  const double r2 = Int((k - q2 * 6.25) * 100) / 100;
  const double snapped = (r2 < r1) ? q2 * 6.25 : q1 * 2.5;
  const double f = snapped / 1000;
  std::string text = Shortest_Text(f);
  if (text.size() == 3) text += ".";
  if (text.size() == 2) text += ".";
  if (text.size() == 1) text += ".";
  if (text.size() < 9) text.append(9 - text.size(), '0');
  const std::array<int, 4> msb = Str_To_Bcd(text);
  return {text, {msb[3], msb[2], msb[1], msb[0]}};
}

inline std::string Bcd_To_Freq(int b0, int b1, int b2, int b3) {
  const int h0 = b0 / 16, l0 = b0 - 16 * h0;
  const int h1 = b1 / 16, l1 = b1 - 16 * h1;
  const int h2 = b2 / 16, l2 = b2 - 16 * h2;
  const int h3 = b3 / 16, l3 = b3 - 16 * h3;
  const double value = 100.0 * h3 + 10.0 * l3 + h2 + 0.1 * l2 + 0.01 * h1 + 0.001 * l1 +
                       0.0001 * h0 + 0.00001 * l0;
  std::string text = Shortest_Text(value);
  if (text.size() < 9) {
    if (text.size() == 2 || text.size() == 3) text += ".";
    const size_t width = Val(text) >= 100 ? 9 : 8;
    if (text.size() < width) text.append(width - text.size(), '0');
  }
  return text;
}

// The tone word of a tone text in Hz for 0 < v < 255, as {low, high}; the low
// byte is rounded to the nearest whole number, a tie to the even one.
inline std::array<int, 2> Tone_To_Bytes(const std::string &t) {
  const double v = Val(t);
  const double w = v * 10;
  const double high = Int(w / 256);
  const double low = std::nearbyint(w - 256 * high);
  return {static_cast<int>(low), static_cast<int>(high)};
}

}  // namespace zv::reference
