#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "image/freq_codec.h"
#include "image/num_text.h"
#include "tests/image/codec_reference.h"

namespace zv {
namespace {

constexpr int kLine = 7;

std::array<int, 4> Stored(const Radio_Image_Table &image, int col) {
  return {image(kLine, col), image(kLine, col + 1), image(kLine, col + 2), image(kLine, col + 3)};
}

// A frequency given in 10 Hz units as the channel editor would show it.
std::string Text_Of_Count(long long count) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%lld.%05lld", count / 100000, count % 100000);
  return buf;
}

TEST(FreqToBcd, WorkedExamples) {
  struct Case {
    const char *typed;
    const char *snapped;
    std::array<int, 4> stored;  // least significant first
  };
  const Case cases[] = {
      {"145.0031", "145.00250", {0x50, 0x02, 0x50, 0x14}},
      {"145.00625", "145.00625", {0x25, 0x06, 0x50, 0x14}},
      {"145.0062", "145.00500", {0x00, 0x05, 0x50, 0x14}},
      {"145.00624", "145.00500", {0x00, 0x05, 0x50, 0x14}},
      {"145.0125", "145.01250", {0x50, 0x12, 0x50, 0x14}},
      {"145.00375", "145.00250", {0x50, 0x02, 0x50, 0x14}},
      {"145.0049", "145.00250", {0x50, 0x02, 0x50, 0x14}},
      {"145.0024995", "145.00250", {0x50, 0x02, 0x50, 0x14}},
      {"145.002498", "145.00000", {0x00, 0x00, 0x50, 0x14}},
      {"430", "430.00000", {0x00, 0x00, 0x00, 0x43}},
      {"88.9", "88.900000", {0x00, 0x00, 0x89, 0x08}},
      // Typed with blanks and trailing junk: Val reads the leading number.
      {" 1 45.0125 MHz", "145.01250", {0x50, 0x12, 0x50, 0x14}},
      // The lowest and highest frequencies with a stored form.
      {"10", "10.000000", {0x00, 0x00, 0x00, 0x01}},
      {"9.9999999", "10.000000", {0x00, 0x00, 0x00, 0x01}},
      {"999.99999", "999.99750", {0x50, 0x97, 0x99, 0x99}},
  };
  for (const Case &c : cases) {
    for (int col : {0, 4}) {
      Radio_Image_Table image;
      std::string text = c.typed;
      EXPECT_TRUE(Freq_To_Bcd(text, image, kLine, col)) << c.typed;
      EXPECT_EQ(text, c.snapped) << c.typed;
      EXPECT_EQ(Stored(image, col), c.stored) << c.typed << " col " << col;
      // Nothing outside the four cells is touched.
      for (int other = 0; other < 16; ++other)
        if (other < col || other > col + 3) {
          EXPECT_EQ(image(kLine, other), 0) << c.typed;
        }
      // The transcribed arithmetic gives the same inside the range.
      const reference::Encoded ref = reference::Freq_To_Bcd(c.typed);
      EXPECT_EQ(ref.text, c.snapped) << c.typed;
      EXPECT_EQ(ref.stored, c.stored) << c.typed;
    }
  }
}

TEST(FreqToBcd, RefusesFrequenciesWithoutAStoredFormAndChangesNothing) {
  // Below 10 MHz the text would have no point in the right place; from
  // 1000 MHz the hundreds digit does not fit a half byte.
  const char *refused[] = {"", "abc", "0", "-145", "9.99", "9.9999", "1000", "1000.001",
                           "2600", "1e300", "99999999999"};
  for (const char *typed : refused) {
    Radio_Image_Table image;
    image.Fill(kLine, kLine, 0, 15, 0xAB);
    std::string text = typed;
    EXPECT_FALSE(Freq_To_Bcd(text, image, kLine, 0)) << typed;
    EXPECT_EQ(text, typed);
    EXPECT_EQ(Stored(image, 0), (std::array<int, 4>{0xAB, 0xAB, 0xAB, 0xAB})) << typed;
  }
  // What the unguarded arithmetic would have stored at 2600 MHz.
  EXPECT_GT(reference::Freq_To_Bcd("2600").stored[3], 255);
}

TEST(FreqToBcd, CellsOutsideTheLineThrowBeforeWriting) {
  Radio_Image_Table image;
  std::string text = "145.0125";
  for (int col : {-1, 13, 14}) {
    EXPECT_THROW(Freq_To_Bcd(text, image, kLine, col), std::out_of_range) << col;
    for (int c = 0; c <= 16; ++c) EXPECT_EQ(image(kLine, c), 0) << col;
    EXPECT_EQ(text, "145.0125");
  }
  EXPECT_THROW(Freq_To_Bcd(text, image, 1025, 0), std::out_of_range);
  EXPECT_TRUE(Freq_To_Bcd(text, image, kLine, 12));
}

TEST(FreqToBcd, EveryGridFrequencyOfTheBandsEncodesAndDecodesToItself) {
  // 136 to 520 MHz on the 2.5 kHz grid (250 units of 10 Hz) and on the
  // 6.25 kHz grid (625 units).
  for (long long step : {250LL, 625LL}) {
    for (long long count = 13600000; count <= 52000000; count += step) {
      const std::string shown = Text_Of_Count(count);
      for (const std::string &typed : {shown, Shortest_Text(count / 100000.0)}) {
        Radio_Image_Table image;
        std::string text = typed;
        ASSERT_TRUE(Freq_To_Bcd(text, image, kLine, 4)) << typed;
        ASSERT_EQ(text, shown) << typed;
        ASSERT_EQ(Bcd_To_Freq(image(kLine, 4), image(kLine, 5), image(kLine, 6), image(kLine, 7)),
                  shown);
      }
    }
  }
}

TEST(FreqToBcd, SnapsLikeTheTranscribedArithmeticAround145And436MHz) {
  // 10 Hz steps over +-60 kHz, and 1 Hz steps over the first 100 Hz.
  for (long long centre_hz : {145000000LL, 436000000LL}) {
    for (long long hz = centre_hz - 60000; hz <= centre_hz + 60000; hz += 10) {
      for (long long extra : {0LL, 1LL, 4LL, 9LL}) {
        const long long f = hz + extra;
        char typed[32];
        std::snprintf(typed, sizeof typed, "%lld.%06lld", f / 1000000, f % 1000000);
        const reference::Encoded ref = reference::Freq_To_Bcd(typed);
        Radio_Image_Table image;
        std::string text = typed;
        ASSERT_TRUE(Freq_To_Bcd(text, image, kLine, 0)) << typed;
        ASSERT_EQ(text, ref.text) << typed;
        ASSERT_EQ(Stored(image, 0), ref.stored) << typed;
      }
    }
  }
}

TEST(StrToBcd, DigitsMostSignificantFirst) {
  struct Case {
    const char *text;
    int first;
    std::array<uint8_t, 4> bytes;
  };
  const Case cases[] = {
      {"145.01250", 0x14, {0x14, 0x50, 0x12, 0x50}},
      {"88.900000", 0x08, {0x08, 0x89, 0x00, 0x00}},
      {"430.00000", 0x43, {0x43, 0x00, 0x00, 0x00}},
      {"145.012345", 0x14, {0x14, 0x50, 0x12, 0x34}},  // the 1 Hz digit is dropped
      {"0", 0x00, {0x00, 0x00, 0x00, 0x00}},
      {"999.99999", 0x99, {0x99, 0x99, 0x99, 0x99}},
  };
  for (const Case &c : cases) {
    std::array<uint8_t, 4> bytes{};
    EXPECT_EQ(Str_To_Bcd(c.text, bytes), c.first) << c.text;
    EXPECT_EQ(bytes, c.bytes) << c.text;
  }
  for (const char *text : {"-1", "1000", "2600.5", "99999999999"}) {
    std::array<uint8_t, 4> bytes{1, 2, 3, 4};
    EXPECT_EQ(Str_To_Bcd(text, bytes), -1) << text;
    EXPECT_EQ(bytes, (std::array<uint8_t, 4>{1, 2, 3, 4})) << text;
  }
}

TEST(BcdToFreq, WorkedExamplesAndBytesOutsideTheNormalRange) {
  struct Case {
    std::array<uint8_t, 4> stored;
    const char *text;
  };
  const Case cases[] = {
      {{0x50, 0x12, 0x50, 0x14}, "145.01250"},
      {{0x00, 0x00, 0x89, 0x08}, "88.90000"},
      {{0x00, 0x00, 0x00, 0x43}, "430.00000"},
      {{0x00, 0x00, 0x00, 0x01}, "10.00000"},
      {{0x99, 0x99, 0x99, 0x99}, "999.99999"},
      // Below 10 MHz and from 1000 MHz the text keeps its point and five
      // decimals; half bytes above 9 count at face value.
      {{0x00, 0x00, 0x00, 0x00}, "0.00000"},
      {{0x00, 0x00, 0x50, 0x00}, "5.00000"},
      {{0x99, 0x99, 0x99, 0x09}, "99.99999"},
      {{0x99, 0x99, 0x99, 0x00}, "9.99999"},
      {{0x00, 0x00, 0x00, 0xA0}, "1000.00000"},
      {{0x0A, 0x00, 0x00, 0x14}, "140.00010"},
      {{0xFF, 0xFF, 0xFF, 0xFF}, "1666.66665"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(Bcd_To_Freq(c.stored[0], c.stored[1], c.stored[2], c.stored[3]), c.text) << c.text;
  // What the unguarded arithmetic shows for two of them: digits without a point.
  EXPECT_EQ(reference::Bcd_To_Freq(0x00, 0x00, 0x50, 0x00), "50000000");
  EXPECT_EQ(reference::Bcd_To_Freq(0x00, 0x00, 0x00, 0xA0), "100000000");
}

TEST(BcdToFreq, MatchesTheTranscribedArithmeticFrom10To1000MHz) {
  // Every combination of the two low bytes (half bytes above 9 included) for
  // a spread of high bytes whose value lies in 10..999.99999 MHz.
  const uint8_t highs[][2] = {{0x00, 0x01}, {0x89, 0x08}, {0x99, 0x09}, {0x50, 0x14},
                              {0x36, 0x17}, {0x00, 0x43}, {0x60, 0x43}, {0x20, 0x52},
                              {0x99, 0x99}, {0xAF, 0x14}, {0x00, 0x0A}, {0x0F, 0x3C}};
  auto face_value = [](int byte) { return (byte >> 4) * 10 + (byte & 15); };
  for (const auto &hi : highs)
    for (int b1 = 0; b1 < 256; ++b1)
      for (int b0 = 0; b0 < 256; ++b0) {
        // In 10 Hz units, half bytes at face value.
        const long long count = face_value(hi[1]) * 1000000LL + face_value(hi[0]) * 10000LL +
                                face_value(b1) * 100LL + face_value(b0);
        if (count < 1000000 || count > 99999999) continue;
        ASSERT_EQ(Bcd_To_Freq(b0, b1, hi[0], hi[1]), reference::Bcd_To_Freq(b0, b1, hi[0], hi[1]))
            << b0 << " " << b1 << " " << int(hi[0]) << " " << int(hi[1]);
      }
}

TEST(FreqOutOfBand, DefaultLimitsCountTheWholeUpperMHz) {
  const Band_Limits bands;
  struct Case { double f; int result; };
  for (Case c : {Case{136.0, 0}, Case{174.9, 0}, Case{174.99999, 0}, Case{135.99, 255},
                 Case{175.0, 255}, Case{330.0, 255}, Case{400.0, 0}, Case{520.5, 0},
                 Case{521.0, 255}, Case{0.0, 255}, Case{-145.0, 255}})
    EXPECT_EQ(Freq_Out_Of_Band(c.f, bands), c.result) << c.f;
}

TEST(FreqOutOfBand, UsesTheLimitsGiven) {
  Band_Limits bands;
  bands.Band_A_Low = 144;
  bands.Band_A_High = 145;
  EXPECT_EQ(Freq_Out_Of_Band(143.99, bands), 255);
  EXPECT_EQ(Freq_Out_Of_Band(145.5, bands), 0);
  EXPECT_EQ(Freq_Out_Of_Band(146.0, bands), 255);
  EXPECT_EQ(Freq_Out_Of_Band(std::nan(""), bands), 255);
}

TEST(DigitFreq, DigitsToUnitsReportsAByteAboveNine) {
  struct Case { Digit_Freq digits; std::optional<long long> units; int bad_place; };
  const Case cases[] = {
      {{1, 3, 6, 0, 2, 5, 0, 0}, 13602500, -1},
      {{0, 8, 8, 9, 0, 0, 0, 0}, 8890000, -1},
      {{9, 9, 9, 9, 9, 9, 9, 9}, 99999999, -1},
      {{0, 0, 0, 0, 0, 0, 0, 0}, 0, -1},
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, std::nullopt, 0},
      {{1, 3, 6, 0, 2, 5, 0, 10}, std::nullopt, 7},
      {{1, 3, 6, 10, 2, 0xFF, 0, 0}, std::nullopt, 3},
  };
  for (const Case &c : cases) {
    int bad = -1;
    EXPECT_EQ(Digit_Freq_To_Units(c.digits, &bad), c.units) << static_cast<int>(c.digits[0]);
    EXPECT_EQ(bad, c.bad_place);
  }
}

TEST(DigitFreq, UnitsToDigitsRefuses1000MHzAndNegatives) {
  EXPECT_EQ(Units_To_Digit_Freq(13602500), (Digit_Freq{1, 3, 6, 0, 2, 5, 0, 0}));
  EXPECT_EQ(Units_To_Digit_Freq(99999999), (Digit_Freq{9, 9, 9, 9, 9, 9, 9, 9}));
  EXPECT_EQ(Units_To_Digit_Freq(0), (Digit_Freq{0, 0, 0, 0, 0, 0, 0, 0}));
  for (long long units : {100000000LL, 123456789LL, -1LL})
    EXPECT_EQ(Units_To_Digit_Freq(units), std::nullopt) << units;
  // Both directions agree on every count of a sample spread over the range.
  for (long long units = 0; units < kDigitFreqLimit; units += 99991)
    ASSERT_EQ(Digit_Freq_To_Units(*Units_To_Digit_Freq(units)), units);
}

TEST(DigitFreq, MegahertzToUnitsDropsWhatIsFinerThan10Hz) {
  struct Case { double mhz; std::optional<long long> units; };
  const Case cases[] = {
      {88.9, 8890000},       {105.9, 10590000},    {136.025, 13602500},
      {999.99999, 99999999}, {0.0, 0},             {145.012549, 14501254},
      {1000.0, std::nullopt}, {999.999999, 99999999}, {-0.00001, std::nullopt},
      {std::nan(""), std::nullopt},
  };
  for (const Case &c : cases) EXPECT_EQ(Mhz_To_Freq_Units(c.mhz), c.units) << c.mhz;
}

}  // namespace
}  // namespace zv
