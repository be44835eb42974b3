// Random input through every decoder and reader: nothing may crash, index
// outside its table (the tests run with sanitizers) or give malformed text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "image/freq_codec.h"
#include "image/num_text.h"
#include "image/symbol_codec.h"
#include "image/tone_list.h"

namespace zv {
namespace {

constexpr int kIterations = 200000;

bool Is_Digits(const std::string &s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// "d.ddddd" to "dddd.ddddd"
bool Well_Formed_Freq(const std::string &t) {
  const size_t point = t.find('.');
  if (point == std::string::npos || point < 1 || point > 4) return false;
  return Is_Digits(t.substr(0, point)) && t.size() == point + 6 && Is_Digits(t.substr(point + 1));
}

// Random texts made mostly of characters that a number can hold.
std::string Random_Text(std::mt19937 &rng) {
  static const char kAlphabet[] = "0123456789012345678901234567890123456789..+-eE  \t,xF";
  std::uniform_int_distribution<int> len(0, 24), pick(0, sizeof kAlphabet - 2), byte(0, 255),
      coin(0, 9);
  std::string s;
  const int n = len(rng);
  for (int i = 0; i < n; ++i)
    s += coin(rng) == 0 ? static_cast<char>(byte(rng)) : kAlphabet[pick(rng)];
  return s;
}

TEST(CodecFuzz, BcdToFreqGivesWellFormedBoundedText) {
  std::mt19937 rng(4318);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int i = 0; i < kIterations; ++i) {
    const uint8_t b[4] = {static_cast<uint8_t>(byte(rng)), static_cast<uint8_t>(byte(rng)),
                          static_cast<uint8_t>(byte(rng)), static_cast<uint8_t>(byte(rng))};
    const std::string t = Bcd_To_Freq(b[0], b[1], b[2], b[3]);
    ASSERT_TRUE(Well_Formed_Freq(t)) << t;
    ASSERT_LE(t.size(), 10u);
  }
}

TEST(CodecFuzz, FrequencyEncoderStoresValidBcdOrNothing) {
  std::mt19937 rng(1103);
  std::uniform_real_distribution<double> mhz(-50, 1100);
  for (int i = 0; i < kIterations; ++i) {
    const std::string typed = (i % 2) ? Random_Text(rng) : Shortest_Text(mhz(rng));
    Radio_Image_Table image;
    image.Fill(5, 5, 0, 15, 0xEE);
    std::string text = typed;
    if (Freq_To_Bcd(text, image, 5, 2)) {
      ASSERT_EQ(text.size(), 9u) << typed;
      for (int c = 2; c <= 5; ++c) {
        ASSERT_LE(image(5, c) >> 4, 9) << typed;
        ASSERT_LE(image(5, c) & 15, 9) << typed;
      }
      // The stored bytes show the snapped text again (one decimal fewer
      // below 100 MHz).
      const std::string shown = Bcd_To_Freq(image(5, 2), image(5, 3), image(5, 4), image(5, 5));
      ASSERT_EQ(shown, text.substr(0, shown.size())) << typed;
    } else {
      ASSERT_EQ(text, typed);
      for (int c = 0; c < 16; ++c) ASSERT_EQ(image(5, c), 0xEE) << typed;
    }
    std::array<uint8_t, 4> bcd{};
    const int first = Str_To_Bcd(typed, bcd);
    ASSERT_GE(first, -1);
    ASSERT_LE(first, 0x99);
  }
}

TEST(CodecFuzz, NumberReaderAndWriterStayFiniteAndPlain) {
  std::mt19937 rng(1999);
  std::uniform_int_distribution<uint64_t> bits;
  for (int i = 0; i < kIterations; ++i) {
    ASSERT_TRUE(std::isfinite(Val(Random_Text(rng))));
    uint64_t raw = bits(rng);
    double v;
    std::memcpy(&v, &raw, sizeof v);
    const std::string t = Shortest_Text(v);
    ASSERT_FALSE(t.empty());
    ASSERT_EQ(t.find_first_not_of("-0123456789."), std::string::npos) << t;
    // At most 15 significant digits, a sign, "0." and the zeros of the
    // smallest double.
    ASSERT_LE(t.size(), 1u + 2u + 323u + 15u) << t;
    if (std::isfinite(v) && v != 0) {
      const double back = Val(t);
      if (back != 0) {
        ASSERT_LE(std::fabs(back - v), std::fabs(v) * 1e-14) << t;
      }
    }
  }
}

TEST(CodecFuzz, SymbolAndToneDecodersStayInTheirTables) {
  std::mt19937 rng(261);
  std::uniform_int_distribution<int> any(-70000, 70000);
  for (int i = 0; i < kIterations; ++i) {
    const int v = i < 65536 ? i - 300 : any(rng);
    ASSERT_LE(Dtmf_Code_To_Char(v).size(), 1u);
    ASSERT_LE(Msg_Byte_To_Char(v).size(), 1u);
    ASSERT_LE(Tone5_Index_To_Std(v).size(), 6u);
    const std::string text = Random_Text(rng).substr(0, i % 3);
    const int dtmf = Dtmf_Char_To_Code(text);
    ASSERT_TRUE(dtmf == 255 || (dtmf >= 0 && dtmf <= 15));
    const int t5 = Tone5_Char_To_Code(text);
    ASSERT_TRUE(t5 == 255 || (t5 >= 0 && t5 <= 15));
    const uint8_t msg = Msg_Char_To_Byte(text);
    ASSERT_TRUE(msg == 11 || !Msg_Byte_To_Char(msg).empty());

    const uint8_t lo = static_cast<uint8_t>(v), hi = static_cast<uint8_t>(v >> 8);
    const int p = Tone_Word_To_Position(lo, hi);
    ASSERT_TRUE(p == -1 || (p >= 0 && p < kToneCount));

    Radio_Image_Table image;
    Tone_To_Bytes(Random_Text(rng), image, 9, 14);  // bytes are uint8_t; no wrap allowed
    const int word = image(9, 14) + 256 * image(9, 15);
    ASSERT_TRUE(word <= 2550 || word == 0xFFFF) << word;
  }
}

}  // namespace
}  // namespace zv
