// The alignment file: writer form, reader tolerance, all-or-nothing loading
// and saving through the safe replace.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "image/adj_file.h"

namespace zv {
namespace {

namespace fs = std::filesystem;

// Rows 0..32, columns 0..16 all set: no two cells of one row or one column
// of rows 0..31 alike, so a cell read into the wrong place shows; row 32 and
// column 16 are set too, and the file must never touch them.
Adjust_Table_Type Pattern_Table() {
  Adjust_Table_Type t;
  for (int r = 0; r < 33; ++r)
    for (int c = 0; c < 17; ++c) t(r, c) = static_cast<uint8_t>((r * 16 + c) % 256 ^ (r >= 16 ? 0xA5 : 0));
  return t;
}

std::string Read_All(const fs::path &p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void Write_All(const fs::path &p, const std::string &text) {
  std::ofstream out(p, std::ios::binary);
  out << text;
}

// The items of a text, in order.
std::vector<std::string> Items(const std::string &text) {
  std::vector<std::string> out;
  size_t pos = 0;
  while ((pos = text.find_first_not_of(" \r\n", pos)) != std::string::npos) {
    const size_t end = text.find_first_of(" \r\n", pos);
    out.push_back(text.substr(pos, end - pos));
    pos = end;
  }
  return out;
}

std::string Join(const std::vector<std::string> &items, const std::string &sep, int per_line,
                 const std::string &eol) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    out += items[i];
    out += (per_line && (i + 1) % per_line == 0) ? eol : sep;
  }
  return out;
}

class Adj_File_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("zv_adj_test_" + std::to_string(getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(Adj_File_Test, SavedTableLoadsBackWholeAndTheFileHas32CrLfLines) {
  const Adjust_Table_Type table = Pattern_Table();
  const fs::path file = dir_ / "t.adj";
  ASSERT_TRUE(Write_Adj_File(file.string(), table).Ok());

  const std::string text = Read_All(file);
  EXPECT_EQ(text, Adj_File_Text(table));
  // 32 lines, each ended by CR LF, nothing after the last; no bare LF.
  size_t lines = 0, pos = 0;
  while ((pos = text.find("\r\n", pos)) != std::string::npos) ++lines, pos += 2;
  EXPECT_EQ(lines, 32u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 32);
  // The compact form: a blank, the digits, a blank.
  EXPECT_EQ(text.substr(0, text.find("\r\n")),
            " 0  1  2  3  4  5  6  7  8  9  10  11  12  13  14  15 ");

  Adjust_Table_Type back = table;
  back.Fill(0, 31, 0, 15, 0);
  ASSERT_TRUE(Read_Adj_File(file.string(), back).Ok());
  EXPECT_TRUE(back == table);  // every cell of rows 0-31, row 31 included; row 32, column 16 untouched
}

TEST(Adj_File_Text, OtherLayoutsLoadTheSame) {
  const Adjust_Table_Type table = Pattern_Table();
  const std::vector<std::string> items = Items(Adj_File_Text(table));
  ASSERT_EQ(items.size(), 512u);
  std::string zoned;  // numbers in 14-character print zones
  for (int r = 0; r < 32; ++r) {
    std::string line;
    for (int c = 0; c < 16; ++c) {
      line.resize(((line.size() + 13) / 14) * 14, ' ');
      line += " " + items[r * 16 + c] + " ";
    }
    zoned += line + "\r\n";
  }
  const struct {
    const char *name;
    std::string text;
  } layouts[] = {
      {"LF line ends", Join(items, " ", 16, "\n")},
      {"CR line ends", Join(items, " ", 16, "\r")},
      {"one number per line", Join(items, "", 1, "\r\n")},
      {"all on one line", Join(items, " ", 0, "")},
      {"seven per line", Join(items, "  ", 7, "\n")},
      {"commas", Join(items, ",", 0, "")},
      {"commas and blanks", Join(items, " , ", 16, ",\r\n")},
      {"print zones", zoned},
      {"text after the 512th number", Adj_File_Text(table) + " 999 word\r\n"},
  };
  for (const auto &layout : layouts) {
    SCOPED_TRACE(layout.name);
    Adjust_Table_Type back;
    ASSERT_TRUE(Parse_Adj_File(layout.text, back).Ok());
    for (int r = 0; r < 32; ++r)
      for (int c = 0; c < 16; ++c) ASSERT_EQ(back(r, c), table(r, c)) << r << "," << c;
  }
}

TEST_F(Adj_File_Test, BadFilesLeaveTheTableUnchanged) {
  const std::vector<std::string> items = Items(Adj_File_Text(Pattern_Table()));
  auto with_item = [&](size_t index, const std::string &item) {
    std::vector<std::string> v = items;
    v[index] = item;
    return Join(v, " ", 16, "\r\n");
  };
  std::string garbage;
  std::mt19937 rng(3);
  for (int i = 0; i < 3000; ++i) garbage += static_cast<char>(rng());
  garbage[0] = '\x02';
  const struct {
    const char *name;
    std::string text;
    bool missing;
    Number_Fault fault;
    int item;
  } cases[] = {
      {"missing", "", true, Number_Fault::Cannot_Open, 0},
      {"empty", "", false, Number_Fault::Ends_Early, 0},
      {"511 numbers", Join(std::vector<std::string>(items.begin(), items.end() - 1), " ", 16, "\r\n"), false,
       Number_Fault::Ends_Early, 511},
      {"a word", with_item(200, "abc"), false, Number_Fault::Not_A_Number, 201},
      {"a fraction", with_item(3, "1.5"), false, Number_Fault::Not_A_Number, 4},
      {"256", with_item(17, "256"), false, Number_Fault::Out_Of_Range, 18},
      {"-1 in the last place", with_item(511, "-1"), false, Number_Fault::Out_Of_Range, 512},
      {"a huge number", with_item(40, "123456789012345678901234567890"), false, Number_Fault::Out_Of_Range, 41},
      {"binary garbage", garbage, false, Number_Fault::Not_A_Number, 1},
      {"far too large", std::string(kAdjFileMaxBytes + 1, ' '), false, Number_Fault::Too_Large, 0},
  };
  for (const auto &bad : cases) {
    SCOPED_TRACE(bad.name);
    const fs::path file = dir_ / "bad.adj";
    fs::remove(file);
    if (!bad.missing) Write_All(file, bad.text);
    Adjust_Table_Type table = Pattern_Table();
    const Adjust_Table_Type before = table;
    const Number_File_Result r = Read_Adj_File(file.string(), table);
    EXPECT_EQ(r.fault, bad.fault);
    EXPECT_EQ(r.item, bad.item);
    EXPECT_TRUE(table == before);
  }
}

TEST_F(Adj_File_Test, FailedSaveKeepsTheOldFileWhole) {
  const fs::path file = dir_ / "keep.adj";
  const std::string old_text = Adj_File_Text(Adjust_Table_Type{});
  Write_All(file, old_text);

  // The file-size limit makes the write fail part way, as a full disk would.
  struct rlimit old_limit;
  getrlimit(RLIMIT_FSIZE, &old_limit);
  auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_limit;
  small.rlim_cur = 1024;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const Number_File_Result r = Write_Adj_File(file.string(), Pattern_Table());
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_EQ(r.fault, Number_Fault::Cannot_Write);
  EXPECT_EQ(Read_All(file), old_text);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

  // A directory that does not exist takes no file.
  EXPECT_EQ(Write_Adj_File((dir_ / "none" / "x.adj").string(), Pattern_Table()).fault,
            Number_Fault::Cannot_Write);
}

}  // namespace
}  // namespace zv
