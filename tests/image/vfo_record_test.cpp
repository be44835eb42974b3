#include <gtest/gtest.h>

#include <string>

#include "image/option_lists.h"
#include "image/tone_list.h"
#include "image/vfo_record.h"

namespace zv {
namespace {

TEST(VfoRecord, FrequencyBytesToBoxText) {
  struct Case {
    std::array<uint8_t, 8> digits;
    const char *text;
  };
  const Case cases[] = {
      {{1, 3, 6, 0, 2, 5, 0, 0}, "136.02500"},
      {{0, 4, 5, 0, 0, 0, 0, 0}, "045.00000"},  // the leading zero stays
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "."},
      {{4, 10, 0, 6, 2, 5, 0, 99}, "40.6250"},  // bytes above 9 add nothing
  };
  for (const Case &c : cases) EXPECT_EQ(Vfo_Freq_Text(c.digits), c.text);
}

TEST(VfoRecord, TypedFrequencyLandsOnThe250HzGrid) {
  struct Case {
    const char *typed;
    double mhz;
    const char *text;
    std::array<uint8_t, 8> digits;
  };
  const Case cases[] = {
      {"145.0125", 145.0125, "145.01250", {1, 4, 5, 0, 1, 2, 5, 0}},
      {"462.5625", 462.5625, "462.56250", {4, 6, 2, 5, 6, 2, 5, 0}},
      {"136.00625", 136.00625, "136.00625", {1, 3, 6, 0, 0, 6, 2, 5}},
      {"136.0074", 136.0074, "136.00725", {1, 3, 6, 0, 0, 7, 2, 5}},
      {"146.1", 146.1, "146.10000", {1, 4, 6, 1, 0, 0, 0, 0}},
      {"45", 45, "45.00000", {0, 4, 5, 0, 0, 0, 0, 0}},
      {"174.99375", 174.99375, "174.99375", {1, 7, 4, 9, 9, 3, 7, 5}},
      // Tens of Hz rounded, a half up: 0.24 -> 00, 0.245 -> 25 (24.5 -> 25).
      {"145.00024", 145.00024, "145.00000", {1, 4, 5, 0, 0, 0, 0, 0}},
      {"145.000245", 145.000245, "145.00025", {1, 4, 5, 0, 0, 0, 2, 5}},
      {"145.0009995", 145.0009995, "145.00075", {1, 4, 5, 0, 0, 0, 7, 5}},
      // Only the leading number counts; blanks around it are dropped.
      {" 350.025 ", 350.025, "350.02500", {3, 5, 0, 0, 2, 5, 0, 0}},
      {"1.2.3", 1.2, "1.20000", {0, 0, 1, 2, 0, 0, 0, 0}},
      {"007.5", 7.5, "7.50000", {0, 0, 7, 5, 0, 0, 0, 0}},
      {"", 0, "0.00000", {0, 0, 0, 0, 0, 0, 0, 0}},
      {".", 0, "0.00000", {0, 0, 0, 0, 0, 0, 0, 0}},
      {"999.99999", 999.99999, "999.99975", {9, 9, 9, 9, 9, 9, 7, 5}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.typed);
    const Vfo_Freq_Entry e = Vfo_Freq_From_Text(c.typed);
    EXPECT_DOUBLE_EQ(e.mhz, c.mhz);
    ASSERT_TRUE(e.storable);
    EXPECT_EQ(e.text, c.text);
    EXPECT_EQ(e.digits, c.digits);
  }
}

TEST(VfoRecord, ThousandMegahertzAndMoreIsNotStorable) {
  for (const char *typed : {"1000", "1000.0", "12345.6", "0001000.5"}) {
    SCOPED_TRACE(typed);
    EXPECT_FALSE(Vfo_Freq_From_Text(typed).storable);
  }
  EXPECT_TRUE(Vfo_Freq_From_Text("0999.5").storable);
}

TEST(VfoRecord, ResetTextIsTheWholeLowerLimit) {
  EXPECT_EQ(Vfo_Reset_Text(136), "136.02500");
  EXPECT_EQ(Vfo_Reset_Text(340.9), "340.02500");
  EXPECT_EQ(Vfo_Reset_Text(0), "0.02500");
  EXPECT_EQ(Vfo_Reset_Text(-5), "0.02500");
  // The reset text is itself in the band it came from.
  EXPECT_DOUBLE_EQ(Vfo_Freq_From_Text(Vfo_Reset_Text(400)).mhz, 400.025);
}

TEST(VfoRecord, OffsetBytesToItem) {
  struct Case {
    std::array<uint8_t, 6> bytes;
    int item;
  };
  const Case cases[] = {
      {{0, 0, 5, 0, 0, 0}, 100},
      {{0, 1, 0, 6, 5, 5}, 213},  // 10655 kHz lies between items: the nearer
      {{0, 0, 0, 0, 2, 5}, 0},    // 25 kHz: a half, to the even item 0
      {{0, 0, 0, 0, 7, 5}, 2},    // 75 kHz: a half, to the even item 2
      {{0, 0, 1, 6, 2, 5}, 32},   // 1625 kHz: 32.5, to 32
      {{0, 0, 0, 1, 2, 5}, 2},    // 125 kHz: 2.5, to 2
      {{0, 0, 0, 1, 7, 5}, 4},    // 175 kHz: 3.5, to 4
      {{0, 9, 9, 9, 5, 0}, 1999},
      {{1, 0, 0, 0, 0, 0}, 1999},  // beyond the last item
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 1999},
      // A byte above 9 joins its two digits: "0000120" is 120 kHz, item 2.4 -> 2;
      // "0100010" is 100010 kHz, beyond the last item.
      {{0, 0, 0, 0, 12, 0}, 2},
      {{0, 1, 0, 0, 0, 10}, 1999},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.item);
    EXPECT_EQ(Vfo_Offset_Item(c.bytes), c.item);
  }
}

TEST(VfoRecord, OffsetItemToBytes) {
  struct Case {
    int item;
    std::array<uint8_t, 6> bytes;
  };
  const Case cases[] = {
      {0, {0, 0, 0, 0, 0, 0}},  {1, {0, 0, 0, 0, 5, 0}},     {100, {0, 0, 5, 0, 0, 0}},
      {213, {0, 1, 0, 6, 5, 0}}, {247, {0, 1, 2, 3, 5, 0}}, {1999, {0, 9, 9, 9, 5, 0}},
  };
  for (const Case &c : cases) EXPECT_EQ(Vfo_Offset_Bytes(c.item), c.bytes) << c.item;
  // Every item comes back as itself.
  for (int n = 0; n < kOffsetItems; ++n) ASSERT_EQ(Vfo_Offset_Item(Vfo_Offset_Bytes(n)), n);
  EXPECT_THROW(Vfo_Offset_Bytes(2000), std::out_of_range);
  EXPECT_THROW(Vfo_Offset_Bytes(-1), std::out_of_range);
}

TEST(VfoRecord, ToneBytesToItem) {
  Init_Tone_Tables();
  struct Case {
    uint8_t lo, hi;
    int item;
    const char *text;
  };
  const Case cases[] = {
      {255, 255, 0, ""},     {0, 0, 0, ""},
      {255, 3, 0, ""},       {7, 255, 0, ""},  // either byte 255 reads as off
      {158, 2, 1, ""},       {237, 9, 50, ""},
      {1, 0, 51, ""},        {105, 0, 155, ""},
      {106, 0, 156, ""},     {210, 0, 260, ""},
      {211, 0, -1, ""},      {254, 0, -1, ""},  // no item; bytes are left alone
      {0, 3, -1, "76.8"},    {207, 2, 3, ""},  // 76.8 Hz is no item, 71.9 Hz is
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::to_string(c.lo) + "," + std::to_string(c.hi));
    const Vfo_Tone_Show s = Vfo_Tone_Item(c.lo, c.hi);
    EXPECT_EQ(s.item, c.item);
    EXPECT_EQ(s.text, c.text);
  }
}

TEST(VfoRecord, ToneItemToBytes) {
  struct Case {
    int item;
    std::array<uint8_t, 2> bytes;
  };
  const Case cases[] = {{0, {0, 0}},    {1, {158, 2}},  {50, {237, 9}},
                        {51, {1, 0}},   {156, {106, 0}}, {260, {210, 0}}};
  for (const Case &c : cases) EXPECT_EQ(Vfo_Tone_Bytes(c.item), c.bytes) << c.item;
  // Every item shows as itself again.
  for (int k = 0; k < kToneCount; ++k) {
    const auto b = Vfo_Tone_Bytes(k);
    ASSERT_EQ(Vfo_Tone_Item(b[0], b[1]).item, k);
  }
  EXPECT_THROW(Vfo_Tone_Bytes(261), std::out_of_range);
}

}  // namespace
}  // namespace zv
