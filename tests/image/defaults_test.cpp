#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "factory_expect.h"
#include "image/adjust_defaults.h"
#include "image/channel_defaults.h"
#include "image/fm_defaults.h"
#include "image/option_defaults.h"
#include "image/signal_defaults.h"
#include "image/tone5_tables.h"

namespace zv {
namespace {

constexpr double kTick = 0.000434028;

// Every cell that `e` names holds its value; every other cell still holds
// what `before` held.
void Expect_Only_Named_Changed(const Radio_Image_Table &before, const Radio_Image_Table &after,
                               const expect::Cells &e, const std::string &what) {
  int wrong = 0;
  for (int l = 0; l < 1025; ++l)
    for (int c = 0; c < 17; ++c) {
      const int want = e.Named(l, c) ? e.v[l][c] : before(l, c);
      if (after(l, c) != want && ++wrong <= 10)
        ADD_FAILURE() << what << ": line " << l << " col " << c << " is " << int(after(l, c))
                      << ", expected " << want << (e.Named(l, c) ? " (factory value)" : " (untouched)");
    }
  EXPECT_EQ(wrong, 0) << what;
}

// ---- 5-tone tables -----------------------------------------------------------

TEST(Tone5Tables, PeriodCountsOfTheTellingStandards) {
  Tone5_Table_Set t;
  auto image = std::make_unique<Radio_Image_Table>();
  Init_Tone5_Tables(t, *image);
  struct Case { int std; std::vector<int> counts; };
  const Case cases[] = {
      {0, {1163, 2049, 1924, 1807, 1696, 1593, 1496, 1404, 1318, 1238, 959, 2477, 1025, 2324, 1091, 2183}},
      {11, {2351, 2551, 2767, 3002, 3256, 3533, 3833, 4158, 4511, 4893, 0, 0, 0, 0, 2167, 0}},
      {14, {3504, 2925, 2457, 2118, 1861, 1660, 1498, 1365, 1253, 1159, 0, 0, 0, 0, 4726, 0}},
  };
  for (const Case &c : cases)
    for (int k = 0; k < 16; ++k) {
      EXPECT_EQ(t.Tone5_Period_Lo[c.std][k] + 256 * t.Tone5_Period_Hi[c.std][k], c.counts[k])
          << "standard " << c.std << " symbol " << k;
      EXPECT_EQ((*image)(544 + c.std, k) + 256 * (*image)(560 + c.std, k), c.counts[k])
          << "image, standard " << c.std << " symbol " << k;
    }
}

TEST(Tone5Tables, FrequencyBytesAndTexts) {
  Tone5_Table_Set t;
  auto image = std::make_unique<Radio_Image_Table>();
  Init_Tone5_Tables(t, *image);
  // CCIR1 symbol A, 2400 Hz: a whole quotient gives one less (959).
  EXPECT_EQ((*image)(512, 10), 0x60);
  EXPECT_EQ((*image)(528, 10), 0x09);
  EXPECT_EQ((*image)(544, 10), 0xBF);
  EXPECT_EQ((*image)(560, 10), 0x03);
  // EURO symbol 0, 979.8 Hz: frequency 979, period of 979.8 Hz.
  EXPECT_EQ((*image)(512 + 11, 0) + 256 * (*image)(528 + 11, 0), 979);
  // MODAT symbol 0, 657.5 Hz.
  EXPECT_EQ((*image)(512 + 14, 0) + 256 * (*image)(528 + 14, 0), 657);
  // ZVEI3 symbol B does not exist: four zero bytes.
  for (int base : {512, 528, 544, 560}) EXPECT_EQ((*image)(base + 5, 11), 0) << base;

  struct Text { int s, k; const char *text; };
  for (Text x : {Text{0, 0, "   1981.0  "}, Text{0, 11, "   930.0   "}, Text{5, 11, "   0.0     "},
                 Text{11, 0, "   979.8   "}, Text{14, 14, "   487.5   "}, Text{11, 14, "   1062.9  "}})
    EXPECT_EQ(t.Tone5_Freq_Text[x.s][x.k], x.text) << x.s << "/" << x.k;
  for (int k = 0; k < 16; ++k) {
    EXPECT_EQ(t.Tone5_Freq_Text[15][k], "");
    EXPECT_EQ(t.Tone5_Period_Lo[15][k] + t.Tone5_Freq_Lo[15][k], 0);
  }
}

TEST(Tone5Tables, WritesTheFourTablesAndNothingElse) {
  Tone5_Table_Set t;
  auto image = std::make_unique<Radio_Image_Table>(expect::Random_Image(11));
  const auto before = std::make_unique<Radio_Image_Table>(*image);
  Init_Tone5_Tables(t, *image);
  Expect_Only_Named_Changed(*before, *image, expect::Tone5Tables(), "Init_Tone5_Tables");
  const auto once = std::make_unique<Radio_Image_Table>(*image);
  Init_Tone5_Tables(t, *image);
  EXPECT_TRUE(*image == *once);
}

// ---- 2-tone encoders ---------------------------------------------------------

TEST(Tone2Encoders, DecodeToneCountsUseTheTickConstant) {
  struct Case { int32_t f; int count; };
  // 1124 Hz: 2050 here against 2049 in the 5-tone table (other formula).
  for (Case c : {Case{1981, 1163}, Case{970, 2375}, Case{1124, 2050}, Case{1830, 1259},
                 Case{300, 7680}, Case{3000, 768}, Case{36, 64000}}) {
    auto image = std::make_unique<Radio_Image_Table>(expect::Random_Image(c.f));
    const auto before = std::make_unique<Radio_Image_Table>(*image);
    ASSERT_TRUE(Set_Tone2_Freq(*image, kTick, 47, 3, 2, c.f)) << c.f;
    expect::Cells e;
    expect::Word(e, 755, 4, c.f);
    expect::Word(e, 755, 12, c.count);
    Expect_Only_Named_Changed(*before, *image, e, "Set_Tone2_Freq " + std::to_string(c.f));
  }
}

TEST(Tone2Encoders, RefusedInputWritesNothing) {
  struct Case { int block, row, slot; int32_t f; const char *why; };
  const Case cases[] = {
      {47, 0, 0, 0, "zero frequency"},
      {47, 0, 0, -1000, "negative frequency"},
      {47, 0, 0, 35, "period count above 65535"},
      {47, 0, 0, 1, "period count far above 65535"},
      {47, 0, 0, 70000, "frequency above 65535"},
      {47, 0, 4, 1000, "slot 4"},
      {47, 0, -1, 1000, "slot -1"},
      {64, 1, 0, 1000, "line outside the image"},
  };
  for (const Case &c : cases) {
    auto image = std::make_unique<Radio_Image_Table>(expect::Random_Image(5));
    const auto before = std::make_unique<Radio_Image_Table>(*image);
    EXPECT_FALSE(Set_Tone2_Freq(*image, kTick, c.block, c.row, c.slot, c.f)) << c.why;
    EXPECT_TRUE(*image == *before) << c.why;
  }
}

TEST(Tone2Encoders, PairWritesFourBytesOrRefuses) {
  auto image = std::make_unique<Radio_Image_Table>(expect::Random_Image(9));
  const auto before = std::make_unique<Radio_Image_Table>(*image);
  ASSERT_TRUE(Set_Tone2_Pair(*image, 45, 11, 2200, 970));
  expect::Cells e;
  expect::Word(e, 731, 0, 2200);
  expect::Word(e, 731, 8, 970);
  Expect_Only_Named_Changed(*before, *image, e, "Set_Tone2_Pair");

  const auto after = std::make_unique<Radio_Image_Table>(*image);
  EXPECT_FALSE(Set_Tone2_Pair(*image, 45, 0, -1, 1000));
  EXPECT_FALSE(Set_Tone2_Pair(*image, 45, 0, 1000, 65536));
  EXPECT_FALSE(Set_Tone2_Pair(*image, 64, 1, 1000, 1000));
  EXPECT_TRUE(*image == *after);
}

// ---- FM encoders -------------------------------------------------------------

std::vector<int> Fm_Digits(const Radio_Image_Table &image, int preset) {
  std::vector<int> d;
  for (int c = 0; c < 8; ++c) d.push_back(image(768 + preset, c));
  return d;
}

TEST(FmEncoders, FrequencyDigits) {
  struct Case { double mhz; std::vector<int> digits; };
  const Case cases[] = {
      {88.9, {0, 8, 8, 9, 0, 0, 0, 0}},      {105.9, {1, 0, 5, 9, 0, 0, 0, 0}},
      {99.99, {0, 9, 9, 9, 9, 0, 0, 0}},     {99.99999, {0, 9, 9, 9, 9, 9, 9, 9}},
      {88.97531, {0, 8, 8, 9, 7, 5, 3, 1}},  {107.95, {1, 0, 7, 9, 5, 0, 0, 0}},
      {100.98765, {1, 0, 0, 9, 8, 7, 6, 5}}, {0.0, {0, 0, 0, 0, 0, 0, 0, 0}},
      {999.99999, {9, 9, 9, 9, 9, 9, 9, 9}},
      // freq * 1e5 lands just below the whole count for these.
      {128.00005, {1, 2, 8, 0, 0, 0, 0, 5}}, {0.00007, {0, 0, 0, 0, 0, 0, 0, 7}},
      // Digits finer than 10 Hz are dropped, not rounded.
      {100.123456, {1, 0, 0, 1, 2, 3, 4, 5}}, {99.999999, {0, 9, 9, 9, 9, 9, 9, 9}},
  };
  for (const Case &c : cases) {
    auto image = std::make_unique<Radio_Image_Table>(expect::Random_Image(3));
    const auto before = std::make_unique<Radio_Image_Table>(*image);
    ASSERT_TRUE(Set_Fm_Freq(*image, c.mhz, 6)) << c.mhz;
    EXPECT_EQ(Fm_Digits(*image, 6), c.digits) << c.mhz;
    expect::Cells e;
    for (int k = 0; k < 8; ++k) e.v[774][k] = c.digits[k];
    Expect_Only_Named_Changed(*before, *image, e, "Set_Fm_Freq");
  }
}

// Every frequency the FM editor accepts (87 to 108 MHz, five decimals) keeps
// its exact digits. The value is the double nearest to the decimal text, as a
// correct reader of "99.99000" gives it.
TEST(FmEncoders, EveryEditorFrequencyKeepsItsDigits) {
  auto image = std::make_unique<Radio_Image_Table>();
  int wrong = 0;
  for (long units = 8700000; units <= 10800000; ++units) {
    const double mhz = static_cast<double>(units) / 100000.0;
    if (!Set_Fm_Freq(*image, mhz, 0)) { ++wrong; continue; }
    long stored = 0;
    for (int c = 0; c < 8; ++c) stored = stored * 10 + (*image)(768, c);
    if (stored != units && ++wrong <= 5) ADD_FAILURE() << units << " stored as " << stored;
  }
  EXPECT_EQ(wrong, 0);
}

TEST(FmEncoders, RefusedFrequenciesWriteNothing) {
  auto image = std::make_unique<Radio_Image_Table>(expect::Random_Image(4));
  const auto before = std::make_unique<Radio_Image_Table>(*image);
  for (double mhz : {-0.01, 1000.0, 1e300, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()})
    EXPECT_FALSE(Set_Fm_Freq(*image, mhz, 0)) << mhz;
  EXPECT_FALSE(Set_Fm_Freq(*image, 88.9, 16));
  EXPECT_FALSE(Set_Fm_Freq(*image, 88.9, -1));
  std::string name = "X";
  EXPECT_FALSE(Set_Fm_Name(*image, name, 16));
  EXPECT_TRUE(*image == *before);
}

TEST(FmEncoders, NameIsTrimmedBoundedAndLeavesTheRest) {
  struct Case { std::string in, trimmed; std::vector<int> bytes; };
  const Case cases[] = {
      {" AB ", "AB", {'A', 'B', -1, -1, -1, -1, -1, -1}},
      {"CCTV1", "CCTV1", {'C', 'C', 'T', 'V', '1', -1, -1, -1}},
      {"ABCDEFGHIJK", "ABCDEFGHIJK", {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}},
      {"   ", "", {-1, -1, -1, -1, -1, -1, -1, -1}},
  };
  for (const Case &c : cases) {
    auto image = std::make_unique<Radio_Image_Table>(expect::Random_Image(8));
    const auto before = std::make_unique<Radio_Image_Table>(*image);
    std::string name = c.in;
    ASSERT_TRUE(Set_Fm_Name(*image, name, 15)) << c.in;
    EXPECT_EQ(name, c.trimmed);
    expect::Cells e;
    for (int i = 0; i < 8; ++i) e.v[783][8 + i] = c.bytes[i];
    Expect_Only_Named_Changed(*before, *image, e, "Set_Fm_Name '" + c.in + "'");
  }
}

// ---- Loaders on an image read from a radio ----------------------------------

TEST(DefaultLoaders, ChangeOnlyTheirOwnBytes) {
  struct Case {
    const char *name;
    std::function<void(Radio_Image_Table &)> load;
    expect::Cells cells;
  };
  Tone5_Table_Set tables;
  const std::vector<Case> cases = {
      {"Load_Channel_Defaults", [](Radio_Image_Table &i) { Load_Channel_Defaults(i); },
       expect::Channels()},
      {"Load_Fm_Defaults", [](Radio_Image_Table &i) { Load_Fm_Defaults(i); }, expect::Fm()},
      {"Load_Dtmf_Defaults", [](Radio_Image_Table &i) { Load_Dtmf_Defaults(i); }, expect::Dtmf()},
      {"Load_Tone2_Defaults", [](Radio_Image_Table &i) { Load_Tone2_Defaults(i, kTick); },
       expect::Tone2()},
      {"Load_Tone5_Defaults", [&](Radio_Image_Table &i) { Load_Tone5_Defaults(tables, i); },
       expect::Tone5()},
  };
  for (const Case &c : cases)
    for (unsigned seed : {1u, 2u}) {
      auto image = std::make_unique<Radio_Image_Table>(expect::Random_Image(seed));
      const auto before = std::make_unique<Radio_Image_Table>(*image);
      c.load(*image);
      Expect_Only_Named_Changed(*before, *image, c.cells, c.name);
    }
}

// The option editor reloads Opt_Block from the image each time it shows the
// area; its Default then restores only the factory bytes.
TEST(DefaultLoaders, OptionDefaultsKeepTheBytesTheyDoNotName) {
  auto image = std::make_unique<Radio_Image_Table>(expect::Random_Image(21));
  const auto before = std::make_unique<Radio_Image_Table>(*image);
  std::array<uint8_t, 513> opt{};
  for (int i = 0; i < 256; ++i) opt[i] = (*image)(224 + i / 16, i % 16);
  for (int i = 256; i < 513; ++i) opt[i] = static_cast<uint8_t>(i * 7);
  const auto opt_before = opt;

  Load_Option_Defaults(opt, *image);

  Expect_Only_Named_Changed(*before, *image, expect::Options(), "Load_Option_Defaults");
  for (int i = 0; i < 256; ++i) EXPECT_EQ(opt[i], (*image)(224 + i / 16, i % 16)) << i;
  for (int i = 256; i < 513; ++i) EXPECT_EQ(opt[i], opt_before[i]) << i;
  // Work modes keep the radio's values.
  for (int i = Opt_Addr_Mode_A; i <= Opt_Addr_Mode_D; ++i) EXPECT_EQ(opt[i], opt_before[i]);
}

TEST(DefaultLoaders, OptionOffsetsOfTheSettings) {
  // Named offsets land on the factory values of their settings.
  std::array<uint8_t, 513> opt{};
  auto image = std::make_unique<Radio_Image_Table>();
  Load_Option_Defaults(opt, *image);
  struct Case { int offset, value; };
  for (Case c : {Case{Opt_Addr_Sql, 5}, Case{Opt_Addr_Tot, 3}, Case{Opt_Addr_Beep, 1},
                 Case{Opt_Addr_Dtmfst, 3}, Case{Opt_Addr_Ptt_Lt, 5}, Case{Opt_Addr_Emc_Tp, 2},
                 Case{Opt_Addr_Mdf_C, 2}, Case{Opt_Addr_Main_Bc, 3}, Case{Opt_Addr_Tx_Fc, 2},
                 Case{Opt_Addr_Ani_L, 2}, Case{Opt_Addr_Tdr_Ab, 10}, Case{Opt_Addr_Dtmf_Gain, 20},
                 Case{Opt_Addr_Flags, 0x1F}, Case{Opt_Addr_Ani, 8}, Case{Opt_Addr_PttId_Bot, 1},
                 Case{Opt_Addr_PttId_Eot, 9}})
    EXPECT_EQ(opt[c.offset], c.value) << c.offset;
  EXPECT_EQ((*image)(232, 4), 0x1F);  // flags at line 232, column 4
}

TEST(DefaultLoaders, FactoryDtmfCodesHaveTheirForm) {
  // Remote-function codes: three DTMF digits; IDs: five. Digits are the
  // codes 1-10 ("1"-"9", "0").
  for (const auto &code : factory::kRemoteFunctionCodes)
    for (uint8_t d : code) EXPECT_TRUE(d >= 1 && d <= 10);
  for (uint8_t d : factory::kMasterControlId) EXPECT_TRUE(d >= 1 && d <= 10);
  for (uint8_t d : factory::kViceControlId) EXPECT_TRUE(d >= 1 && d <= 10);
  for (const char *pw : {factory::kDefaultUserPassword, factory::kDefaultSuperPassword}) {
    ASSERT_EQ(std::string(pw).size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(pw[i] >= '0' && pw[i] <= '9');
  }
}

// ---- Alignment defaults ------------------------------------------------------

TEST(AdjustDefaults, FactoryTableAndSquelchRows) {
  Adjust_Table_Type t;
  // Garbage from before: a second call must give the same table.
  for (int r = 0; r < 33; ++r)
    for (int c = 0; c < 17; ++c) t(r, c) = static_cast<uint8_t>(r * 7 + c + 1);
  const Adjust_Table_Type before = t;
  Load_Adjust_Defaults(t);
  const auto want = expect::Adjust();
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) EXPECT_EQ(t(r, c), want[r][c]) << r << "/" << c;
  for (int c = 0; c < 17; ++c) EXPECT_EQ(t(32, c), before(32, c)) << "line 32 untouched";
  for (int r = 0; r < 33; ++r) EXPECT_EQ(t(r, 16), before(r, 16)) << "column 16 untouched";

  EXPECT_EQ(t(Row_Sq_Offset_VHF, 0), 8);
  for (int row : {Row_Sq_Offset_UHF0, Row_Sq_Offset_UHF1, Row_Sq_Offset_UHF2})
    for (int c = 0; c < 4; ++c) EXPECT_EQ(t(row, c), 1);
  EXPECT_EQ(t(Row_Sql_VHF, 9), 48);
  for (int row : {Row_Sql_UHF0, Row_Sql_UHF1, Row_Sql_UHF2}) EXPECT_EQ(t(row, 9), 41);
  for (int r = 24; r <= 27; ++r) {
    EXPECT_EQ(t(r, 6), 0);
    EXPECT_EQ(t(r, 7), 1);
  }
}

}  // namespace
}  // namespace zv
