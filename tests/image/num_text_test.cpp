#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <string>
#include <vector>

#include "image/freq_codec.h"
#include "image/num_text.h"

namespace zv {
namespace {

struct Read_Case { const char *text; double value; };
const Read_Case kReadCases[] = {
    {"145.0125", 145.0125}, {"430", 430},         {" 1 45 . 5", 145.5},  {"\t88.9\n", 88.9},
    {"145.0125abc", 145.0125}, {"1.2.3", 1.2},    {"-12.5", -12.5},      {"+7", 7},
    {"- 3", -3},            {".5", 0.5},          {"-.25", -0.25},       {"5.", 5},
    // A decimal number has no exponent: the "e" ends it.
    {"1e3", 1},             {"1E-2", 1},          {"2e+2x", 2},          {"1 e 2", 1},
    {"1.5e400", 1.5},       {"1ex", 1},           {"1e+", 1},            {"3,5", 3},
    {"", 0},                {"abc", 0},           {"-", 0},              {".", 0},
    {"+-5", 0},             {"e5", 0},
    {"000145.0125000", 145.0125}, {"0x10", 0},
};

struct Write_Case { double value; const char *text; };
const Write_Case kWriteCases[] = {
    {145.0125, "145.0125"}, {430, "430"},         {88.9, "88.9"},         {0, "0"},
    {-0.0, "0"},            {0.5, "0.5"},         {-12.5, "-12.5"},       {1e20, "100000000000000000000"},
    {1.5e-7, "0.00000015"}, {145.0125 + 1e-13, "145.0125"},  // rounded to 15 digits
    {0.1 + 0.2, "0.3"},     {123456789012345.6, "123456789012346"},
    {999.99999, "999.99999"}, {1.0 / 3, "0.333333333333333"},
    {std::numeric_limits<double>::infinity(), "0"}, {std::nan(""), "0"},
};

void Check_All() {
  for (const Read_Case &c : kReadCases) EXPECT_EQ(Val(c.text), c.value) << c.text;
  // Beyond the range of a double, both ways: 0.
  EXPECT_EQ(Val(std::string(400, '9')), 0);
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0);
  for (const Write_Case &c : kWriteCases) EXPECT_EQ(Shortest_Text(c.value), c.text) << c.text;
  Radio_Image_Table image;
  std::string text = "145.0125";
  ASSERT_TRUE(Freq_To_Bcd(text, image, 0, 0));
  EXPECT_EQ(text, "145.01250");
  EXPECT_EQ(Bcd_To_Freq(0x50, 0x12, 0x50, 0x14), "145.01250");
}

TEST(NumText, ReaderAndWriter) { Check_All(); }

TEST(NumText, ShortestTextReadsBackAsTheValue) {
  for (double v : {145.0125, 88.9, 0.001, 123.456, 999.99999, 1e-5, 67.0, 254.1})
    EXPECT_EQ(Val(Shortest_Text(v)), v) << v;
}

// The program's number texts must not change with the user's locale: under
// German settings "," is the decimal point of the C library and of iostreams.
TEST(NumText, SameResultsUnderAGermanLocale) {
  const std::string old_c = std::setlocale(LC_ALL, nullptr);
  const std::locale old_cpp;
  const char *name = "de_DE.UTF-8";
  ASSERT_NE(std::setlocale(LC_ALL, name), nullptr)
      << "locale " << name << " is missing; run tools/install-deps to install it";
  std::locale::global(std::locale(name));
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 1.5);
  EXPECT_STREQ(probe, "1,5") << "the German locale is not in effect";

  Check_All();

  std::locale::global(old_cpp);
  std::setlocale(LC_ALL, old_c.c_str());
}

}  // namespace
}  // namespace zv
