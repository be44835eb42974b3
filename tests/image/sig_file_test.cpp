// The signal file: writer form, the range of each line's items, all-or-
// nothing reading, saving through the safe replace.
#include <gtest/gtest.h>

#include <string>

#include "image/sig_file.h"
#include "tests/support/file_test_dir.h"

namespace zv {
namespace {

using test::Read_All;
using test::Write_All;

// Distinct values everywhere, negative ones outside the 5-tone lines.
Sig_File_Buffer Pattern() {
  Sig_File_Buffer b{};
  for (int k = 0; k < kSigFileLines; ++k)
    for (int c = 0; c < kSigFileCols; ++c) {
      const bool tone = k >= 64 && k <= 95;
      b[static_cast<size_t>(k)][static_cast<size_t>(c)] =
          static_cast<int16_t>(tone ? (k * 16 + c) % 256 : (k * 131 + c * 17) * (c % 2 ? -1 : 1));
    }
  return b;
}

// The text of 4096 items with item `at` replaced by `item`.
std::string Text_With(int at, const std::string &item) {
  std::string out;
  for (int i = 0; i < kSigFileItems; ++i) {
    out += i == at ? item : std::to_string((i % 16) * 3);
    out += (i + 1) % 16 == 0 ? "\r\n" : " ";
  }
  return out;
}

TEST(Sig_File, Writes_256_Lines_Of_16_Numbers_And_Reads_Them_Back) {
  const Sig_File_Buffer b = Pattern();
  const std::string text = Sig_File_Text(b);
  EXPECT_EQ(text.substr(0, 12), " 0  -17  34 ");
  size_t lines = 0;
  for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) ++lines;
  EXPECT_EQ(lines, 256u);
  Sig_File_Buffer back{};
  ASSERT_TRUE(Parse_Sig_File(text, back).Ok());
  EXPECT_EQ(back, b);
}

TEST(Sig_File, Each_Line_Has_Its_Range_And_A_Fault_Changes_Nothing) {
  struct Case {
    const char *what;
    std::string text;
    Number_Fault fault;
  };
  const int line70 = 70 * 16 + 3, line80 = 80 * 16;
  const Case cases[] = {
      {"empty", "", Number_Fault::Ends_Early},
      {"4095 numbers", Text_With(4095, "").substr(0, Text_With(4095, "").size() - 2), Number_Fault::Ends_Early},
      {"a word", Text_With(17, "seven"), Number_Fault::Not_A_Number},
      {"256 in line 70", Text_With(line70, "256"), Number_Fault::Out_Of_Range},
      {"-1 in line 80", Text_With(line80, "-1"), Number_Fault::Out_Of_Range},
      {"32768 in line 0", Text_With(5, "32768"), Number_Fault::Out_Of_Range},
      {"a huge number", Text_With(200, "123456789012345678901234567890"), Number_Fault::Out_Of_Range},
      {"binary garbage", std::string("\x7f" "ELF\x01\x00\x02", 7) + Text_With(-1, ""), Number_Fault::Not_A_Number},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Sig_File_Buffer buf = Pattern();
    const Number_File_Result r = Parse_Sig_File(c.text, buf);
    EXPECT_EQ(r.fault, c.fault);
    EXPECT_EQ(buf, Pattern());
  }
  // The limits that are good: 0 and 255 in the 5-tone lines, the 16-bit
  // ends elsewhere.
  for (auto [at, item] : {std::pair{line70, "255"}, std::pair{line80, "0"}, std::pair{0, "-32768"},
                          std::pair{4095, "32767"}, std::pair{96 * 16, "-5"}}) {
    Sig_File_Buffer buf{};
    ASSERT_TRUE(Parse_Sig_File(Text_With(at, item), buf).Ok()) << at;
    EXPECT_EQ(buf[static_cast<size_t>(at / 16)][static_cast<size_t>(at % 16)], std::stoi(item));
  }
}

class Sig_File_On_Disk : public test::File_Test_Dir {};

TEST_F(Sig_File_On_Disk, Saves_Through_The_Safe_Replace) {
  const auto path = dir_ / "a.sig";
  ASSERT_TRUE(Write_Sig_File(path.string(), Pattern()).Ok());
  Sig_File_Buffer back{};
  ASSERT_TRUE(Read_Sig_File(path.string(), back).Ok());
  EXPECT_EQ(back, Pattern());
  EXPECT_TRUE(Others({"a.sig"}).empty());
  // A missing file is a fault that changes nothing.
  EXPECT_EQ(Read_Sig_File((dir_ / "none.sig").string(), back).fault, Number_Fault::Cannot_Open);
  EXPECT_EQ(back, Pattern());
}

}  // namespace
}  // namespace zv
