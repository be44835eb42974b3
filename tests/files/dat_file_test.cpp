// The image file: writer form, reader tolerance, all-or-nothing opening and
// safe saving.
#include <gtest/gtest.h>

#include "support/file_test_dir.h"
#include "support/random_image.h"
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <random>

#include "image/dat_file.h"

namespace zv {
namespace {

namespace fs = std::filesystem;

using test::Random_Image;

bool Same_Data(const Radio_Image_Table &a, const Radio_Image_Table &b) {
  for (int r = 0; r < kImageLines; ++r)
    for (int c = 0; c < kImageDataCols; ++c)
      if (a(r, c) != b(r, c)) return false;
  return true;
}

using test::Read_All;
using test::Write_All;

// The zoned form: every number starts in a 14-character print zone, the line
// padded to 266 characters.
std::string Zoned_Text(const Radio_Image_Table &image) {
  std::string out;
  for (int r = 0; r < kImageLines; ++r) {
    std::string line;
    int values[19] = {r / 16, r % 16, r};
    for (int c = 0; c < 16; ++c) values[3 + c] = image(r, c);
    for (int v : values) {
      line.resize(((line.size() + 13) / 14) * 14, ' ');
      line += " " + std::to_string(v) + " ";
    }
    line.resize(266, ' ');
    out += line + "\r\n";
  }
  return out;
}

class Dat_File_Test : public test::File_Test_Dir {};

TEST_F(Dat_File_Test, SavedImageOpensToTheSameRowsAndKeepsColumn16) {
  Radio_Image_Table saved = Random_Image(1);
  const fs::path file = dir_ / "radio.dat";
  ASSERT_TRUE(Save_Image_File(file.string(), saved).Ok());

  Radio_Image_Table loaded = Random_Image(2);
  const Radio_Image_Table before = loaded;
  Dat_Result r = Load_Image_File(file.string(), loaded);
  ASSERT_TRUE(r.Ok()) << static_cast<int>(r.fault) << " item " << r.item;
  EXPECT_TRUE(Same_Data(saved, loaded));
  for (int row = 0; row < kImageLines; ++row) EXPECT_EQ(loaded(row, 16), before(row, 16));
  EXPECT_TRUE(Others({"radio.dat"}).empty());
}

TEST(Dat_File_Text, CompactFormOfFirstAndLastRows) {
  Radio_Image_Table image;
  image.Fill(0, kImageLines - 1, 0, 16, 0xFF);  // a fresh image before defaults
  image(0, 0) = 0;
  image(0, 1) = 7;
  image(0, 2) = 42;
  const std::string text = Image_File_Text(image);

  std::string first = " 0  0  0  0  7  42 ";
  for (int c = 3; c < 16; ++c) first += " 255 ";
  EXPECT_EQ(text.substr(0, first.size() + 2), first + "\r\n");

  std::string last = " 64  0  1024 ";
  for (int c = 0; c < 16; ++c) last += " 255 ";
  last += "\r\n";
  ASSERT_GE(text.size(), last.size());
  EXPECT_EQ(text.substr(text.size() - last.size()), last);

  size_t lines = 0;
  for (size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '\r') {
      EXPECT_EQ(text[i + 1], '\n');
      ++lines;
    }
  EXPECT_EQ(lines, 1025u);
  EXPECT_EQ(text.find_first_not_of("0123456789 \r\n"), std::string::npos);
}

TEST(Dat_File_Text, OtherLayoutsOpenToTheSameImage) {
  const Radio_Image_Table want = Random_Image(3);
  const std::string compact = Image_File_Text(want);

  // Items spread over other line breaks, with commas and tabs, wrong row
  // numbers, LF-only line ends, and trailing text after the last item.
  std::string loose;
  int n = 0;
  for (int r = 0; r < kImageLines; ++r) {
    loose += "999,-3\t+7 ";
    for (int c = 0; c < 16; ++c) {
      loose += std::to_string(want(r, c));
      loose += (++n % 23 == 0) ? "\n" : (n % 5 == 0 ? " , " : ",");
    }
  }
  loose += "\n trailing words are never read";

  const std::pair<const char *, std::string> forms[] = {
      {"compact", compact}, {"zoned", Zoned_Text(want)}, {"loose", loose}};
  for (const auto &[name, text] : forms) {
    Radio_Image_Table got = Random_Image(4);
    Dat_Result r = Parse_Image_File(text, got);
    EXPECT_TRUE(r.Ok()) << name << ": fault " << static_cast<int>(r.fault) << " at item " << r.item;
    EXPECT_TRUE(Same_Data(want, got)) << name;
  }
}

struct Bad_File {
  const char *name;
  std::string text;  // not written when missing
  bool missing;
  Dat_Fault fault;
  int item;          // expected item number (0: not checked)
  std::string found;
};

TEST_F(Dat_File_Test, BadFilesLeaveTheImageUnchanged) {
  const std::string good = Image_File_Text(Random_Image(5));
  auto with_item = [&](int index, const std::string &item) {
    // Replaces the index-th (0-based) item of the good text.
    std::string t = good;
    size_t pos = 0;
    for (int i = 0;; ++i) {
      pos = t.find_first_not_of(" \r\n", pos);
      size_t end = t.find_first_of(" \r\n", pos);
      if (i == index) return t.replace(pos, end - pos, item);
      pos = end;
    }
  };
  std::string garbage;
  std::mt19937 rng(6);
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>(rng());
  garbage[0] = '\x01';
  std::string endless_shown = "1";
  for (int i = 0; i < 19; ++i) endless_shown += "\\x00";
  endless_shown += "...";

  const Bad_File cases[] = {
      {"missing", "", true, Dat_Fault::Cannot_Open, 0, ""},
      {"empty", "", false, Dat_Fault::Ends_Early, 0, ""},
      {"truncated", good.substr(0, good.size() / 2), false, Dat_Fault::Ends_Early, 0, ""},
      {"one item short", with_item(kImageFileItems - 1, ""), false, Dat_Fault::Ends_Early,
       kImageFileItems - 1, ""},
      {"word", with_item(100, "abc"), false, Dat_Fault::Not_A_Number, 101, "abc"},
      {"fraction", with_item(22, "12.5"), false, Dat_Fault::Not_A_Number, 23, "12.5"},
      {"sign alone", with_item(3, "-"), false, Dat_Fault::Not_A_Number, 4, "-"},
      {"over 255", with_item(4, "256"), false, Dat_Fault::Out_Of_Range, 5, "256"},
      {"negative", with_item(19 * 1024 + 18, "-1"), false, Dat_Fault::Out_Of_Range,
       kImageFileItems, "-1"},
      {"huge", with_item(30, "123456789012345678901234567890"), false, Dat_Fault::Out_Of_Range, 31,
       "12345678901234567890..."},
      {"binary garbage", garbage, false, Dat_Fault::Not_A_Number, 1, ""},
      // An item that never ends is refused once it is longer than any number
      // of an image file, not at the end of the file.
      {"endless item", "1" + std::string(1 << 20, '\0'), false, Dat_Fault::Not_A_Number, 1,
       endless_shown},
      {"nul inside", with_item(40, std::string("1\0" "2", 3)), false, Dat_Fault::Not_A_Number, 41,
       "1\\x002"},
  };
  for (const Bad_File &bad : cases) {
    SCOPED_TRACE(bad.name);
    const fs::path file = dir_ / "bad.dat";
    fs::remove(file);
    if (!bad.missing) Write_All(file, bad.text);
    Radio_Image_Table image = Random_Image(7);
    const Radio_Image_Table before = image;
    Dat_Result r = Load_Image_File(file.string(), image);
    EXPECT_EQ(r.fault, bad.fault);
    if (bad.item) {
      EXPECT_EQ(r.item, bad.item);
    }
    if (!bad.found.empty()) {
      EXPECT_EQ(r.found, bad.found);
    }
    EXPECT_TRUE(image == before);
  }
}

// A name ending in ".dat" may stand for a device or a pipe: /dev/zero never
// ends and a pipe without a writer never answers, so only regular files are
// read.
TEST_F(Dat_File_Test, PipesAndDevicesAreRefusedWithoutWaiting) {
  Radio_Image_Table image = Random_Image(12);
  const Radio_Image_Table before = image;
  fs::create_symlink("/dev/null", dir_ / "null.dat");
  Dat_Result r = Load_Image_File((dir_ / "null.dat").string(), image);
  // Checked first: without the refusal the pipe below would block the test.
  ASSERT_EQ(r.fault, Dat_Fault::Cannot_Open);
  EXPECT_FALSE(r.reason.empty());
  EXPECT_TRUE(image == before);

  ASSERT_EQ(mkfifo((dir_ / "pipe.dat").c_str(), 0600), 0);
  r = Load_Image_File((dir_ / "pipe.dat").string(), image);
  EXPECT_EQ(r.fault, Dat_Fault::Cannot_Open);
  EXPECT_TRUE(image == before);
}

// A disk image renamed ".dat": far larger than any image file, refused
// without being read.
TEST_F(Dat_File_Test, FarTooLargeFileIsRefusedUnread) {
  const fs::path file = dir_ / "disk.dat";
  Write_All(file, Image_File_Text(Random_Image(14)));
  fs::resize_file(file, 2ull << 30);
  Radio_Image_Table image = Random_Image(15);
  const Radio_Image_Table before = image;
  EXPECT_EQ(Load_Image_File(file.string(), image).fault, Dat_Fault::Too_Large);
  EXPECT_TRUE(image == before);
}

TEST_F(Dat_File_Test, FaultNamesTheTextLine) {
  std::string text = Image_File_Text(Random_Image(8));
  size_t third_line = text.find('\n', text.find('\n') + 1) + 1;
  text.replace(third_line + 1, 1, "x");  // first item of row 2
  Radio_Image_Table image;
  Dat_Result r = Parse_Image_File(text, image);
  EXPECT_EQ(r.fault, Dat_Fault::Not_A_Number);
  EXPECT_EQ(r.item, 2 * 19 + 1);
  EXPECT_EQ(r.text_line, 3);
}

TEST_F(Dat_File_Test, DirectoryCannotBeReadOrReplaced) {
  Radio_Image_Table image = Random_Image(9);
  const Radio_Image_Table before = image;
  fs::create_directory(dir_ / "sub.dat");
  Dat_Result r = Load_Image_File((dir_ / "sub.dat").string(), image);
  EXPECT_EQ(r.fault, Dat_Fault::Cannot_Read);
  EXPECT_FALSE(r.reason.empty());
  EXPECT_TRUE(image == before);

  Dat_Result w = Save_Image_File((dir_ / "sub.dat").string(), image);
  EXPECT_EQ(w.fault, Dat_Fault::Cannot_Write);
  EXPECT_TRUE(fs::is_directory(dir_ / "sub.dat"));
  EXPECT_EQ(Save_Image_File((dir_ / "no_such_dir" / "x.dat").string(), image).fault,
            Dat_Fault::Cannot_Write);
  EXPECT_TRUE(Others({"sub.dat"}).empty());
}

TEST_F(Dat_File_Test, FailedSaveKeepsTheOldFile) {
  const fs::path file = dir_ / "keep.dat";
  const std::string old_text = "the file that was there";
  Write_All(file, old_text);

  // Writing stops short of the image's size: the file-size limit makes the
  // write fail as a full disk would.
  struct rlimit old_limit;
  getrlimit(RLIMIT_FSIZE, &old_limit);
  auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_limit;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  Dat_Result r = Save_Image_File(file.string(), Random_Image(10));
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_EQ(r.fault, Dat_Fault::Cannot_Write);
  EXPECT_FALSE(r.reason.empty());
  EXPECT_EQ(Read_All(file), old_text);
  EXPECT_TRUE(Others({"keep.dat"}).empty());
}

// Saving replaces the file by a rename, which a write-protected file does not
// stop: the protection must.
TEST_F(Dat_File_Test, WriteProtectedFileIsNotReplaced) {
  const fs::path file = dir_ / "locked.dat";
  Write_All(file, "protected");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_symlink(file, dir_ / "link.dat");
  for (const char *name : {"locked.dat", "link.dat"}) {
    Dat_Result r = Save_Image_File((dir_ / name).string(), Random_Image(13));
    EXPECT_EQ(r.fault, Dat_Fault::Cannot_Write) << name;
    EXPECT_FALSE(r.reason.empty()) << name;
  }
  EXPECT_EQ(Read_All(file), "protected");
  EXPECT_TRUE(Others({"locked.dat", "link.dat"}).empty());
}

TEST_F(Dat_File_Test, SaveReplacesThroughLinksAndKeepsPermissions) {
  const fs::path file = dir_ / "target.dat";
  Write_All(file, "old");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(file, dir_ / "link.dat");

  const Radio_Image_Table image = Random_Image(11);
  ASSERT_TRUE(Save_Image_File((dir_ / "link.dat").string(), image).Ok());
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.dat"));
  EXPECT_EQ(Read_All(file), Image_File_Text(image));
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(Others({"target.dat", "link.dat"}).empty());
}

}  // namespace
}  // namespace zv
