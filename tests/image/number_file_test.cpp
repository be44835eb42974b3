// The shared number-file code: the item reader on a small format, and the
// safe replace on real files in a temporary directory.
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>
#include <vector>

#include "image/number_file.h"
#include "support/file_test_dir.h"

namespace zv {
namespace {

namespace fs = std::filesystem;

// Four items of at most 6 characters in at most 60 bytes; item 3 is a digit
// 0..9, the others any whole number.
Number_Format Small_Format() {
  Number_Format f;
  f.count = 4;
  f.max_item_chars = 6;
  f.max_file_bytes = 60;
  f.in_range = [](int index, long long v) { return index != 3 || (v >= 0 && v <= 9); };
  return f;
}

TEST(NumberItems, ReadsOrRefusesWithTheItemAndItsText) {
  struct Case {
    const char *name;
    std::string text;
    Number_Fault fault;
    int item;
    int line;
    std::string found;
    std::vector<long long> values;
  };
  const Case cases[] = {
      {"plain", "1 2 3 4", Number_Fault::None, 0, 1, "", {1, 2, 3, 4}},
      {"any separators, the rest unread", "+1,\t-2\r\n\n,,3 , 4 x y z", Number_Fault::None, 0, 3,
       "", {1, -2, 3, 4}},
      {"negative zero", "0 0 0 -0", Number_Fault::None, 0, 1, "", {0, 0, 0, 0}},
      {"empty", "", Number_Fault::Ends_Early, 0, 1, "", {}},
      {"one short", "1 2\n3\n", Number_Fault::Ends_Early, 3, 3, "", {}},
      {"word", "1 two 3 4", Number_Fault::Not_A_Number, 2, 1, "two", {}},
      {"sign alone", "1 2 - 4", Number_Fault::Not_A_Number, 3, 1, "-", {}},
      {"fraction", "1\n2.5 3 4", Number_Fault::Not_A_Number, 2, 2, "2.5", {}},
      {"range check", "1 2 3 10", Number_Fault::Out_Of_Range, 4, 1, "10", {}},
      {"range check, negative", "1 2 3 -1", Number_Fault::Out_Of_Range, 4, 1, "-1", {}},
      // Refused when the seventh character arrives, whatever follows.
      {"number too long", "1 1234567890 3 4", Number_Fault::Out_Of_Range, 2, 1, "1234567", {}},
      {"item too long", "1 abcdefghij 3 4", Number_Fault::Not_A_Number, 2, 1, "abcdefg", {}},
      {"non-printables shown", std::string("1 \x01\0" "2 3 4", 10), Number_Fault::Not_A_Number, 2,
       1, "\\x01\\x002", {}},
      {"larger than the format allows", std::string(61, ' '), Number_Fault::Too_Large, 0, 0, "", {}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<long long> values = {7, 7};
    const Number_File_Result r = Parse_Number_Items(c.text, Small_Format(), values);
    EXPECT_EQ(r.fault, c.fault);
    EXPECT_EQ(r.item, c.item);
    if (!r.Ok()) {
      EXPECT_EQ(r.text_line, c.line);
    }
    EXPECT_EQ(r.found, c.found);
    // The values are handed over only when all items are good.
    EXPECT_EQ(values, r.Ok() ? c.values : std::vector<long long>({7, 7}));
  }
}

TEST(NumberItems, ARangeCheckSeesIndexAndSaturatedValue) {
  Number_Format f;
  f.count = 3;
  f.max_item_chars = 40;
  std::vector<std::pair<int, long long>> seen;
  f.in_range = [&](int index, long long v) {
    seen.emplace_back(index, v);
    return true;
  };
  std::vector<long long> values;
  ASSERT_TRUE(Parse_Number_Items("99999999999999999999999 -99999999999999999999999 9223372036854775807",
                                 f, values)
                  .Ok());
  const std::vector<std::pair<int, long long>> want = {
      {0, LLONG_MAX}, {1, LLONG_MIN}, {2, LLONG_MAX}};
  EXPECT_EQ(seen, want);
}

class Number_File_Test : public test::File_Test_Dir {};

using test::Read_All;
using test::Write_All;

TEST_F(Number_File_Test, NamesUpToTheDirectorysLimitSave) {
  // A name of 255 bytes is the longest a directory takes; the temporary file
  // beside it has a short name of its own.
  for (size_t len : {241u, 250u, 255u}) {
    SCOPED_TRACE(len);
    const std::string name = std::string(len - 4, 'n') + ".dat";
    const Number_File_Result r = Replace_File((dir_ / name).string(), "1 2 3\r\n");
    ASSERT_TRUE(r.Ok()) << r.reason;
    EXPECT_EQ(Read_All(dir_ / name), "1 2 3\r\n");
    EXPECT_EQ(Others(), std::vector<std::string>{name});
    fs::remove(dir_ / name);
  }
  const Number_File_Result r = Replace_File((dir_ / (std::string(252, 'n') + ".dat")).string(), "1");
  EXPECT_EQ(r.fault, Number_Fault::Cannot_Write);
  EXPECT_TRUE(Others().empty());
}

TEST_F(Number_File_Test, ReaderRefusesAFarTooLargeFileUnread) {
  // Sparse: 3 GB on paper, nothing on the disk.
  const fs::path huge = dir_ / "disk.img";
  { std::ofstream(huge).put('1'); }
  fs::resize_file(huge, 3ull << 30);
  Number_Format f = Small_Format();
  f.max_file_bytes = 1 << 20;
  std::vector<long long> values;
  EXPECT_EQ(Read_Number_File(huge.string(), f, values).fault, Number_Fault::Too_Large);

  // Within the size limit, an item that never ends is refused at its limit.
  fs::resize_file(huge, 1 << 20);
  const Number_File_Result r = Read_Number_File(huge.string(), f, values);
  EXPECT_EQ(r.fault, Number_Fault::Not_A_Number);
  EXPECT_EQ(r.item, 1);
  EXPECT_EQ(r.found, "1\\x00\\x00\\x00\\x00\\x00\\x00");
}

// Runs fn as a user for whom directory permissions count: as root (tests
// run as root, whom no permission stops) in a child process that has given
// up root; otherwise here. Returns fn's result.
int Run_Unprivileged(const std::function<int()> &fn) {
  if (geteuid() != 0) return fn();
  const pid_t pid = fork();
  if (pid == 0) {
    if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(100);
    _exit(fn());
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return 101;
  return WEXITSTATUS(status);
}

// A directory the user may not write to: no temporary file can be made
// beside the target, which an editor could still save.
TEST_F(Number_File_Test, WritableFileInALockedDirectoryIsWrittenInPlace) {
  const fs::path file = dir_ / "radio.dat";
  const std::string old_text(300, 'o');  // longer than the new text: the rest must go
  Write_All(file, old_text);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::group_write | fs::perms::others_read |
                            fs::perms::others_write);
  Write_All(dir_ / "locked.dat", "protected");
  fs::permissions(dir_ / "locked.dat", fs::perms::owner_read | fs::perms::others_read);
  struct stat before {};
  ASSERT_EQ(::stat(file.c_str(), &before), 0);
  fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
  if (geteuid() != 0) fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::remove);

  struct Case { const char *name; const char *target; int want; };
  const Case cases[] = {
      {"writable file: in place", "radio.dat", 0},
      {"new file: refused", "new.dat", 1},
      {"write-protected file: refused", "locked.dat", 1},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const std::string target = (dir_ / c.target).string();
    const int rc = Run_Unprivileged([&] {
      const Number_File_Result r = Replace_File(target, "1 2 3\r\n");
      if (r.Ok()) return 0;
      return r.fault == Number_Fault::Cannot_Write && !r.old_file_changed && !r.reason.empty() ? 1 : 2;
    });
    EXPECT_EQ(rc, c.want);
  }
  fs::permissions(dir_, fs::perms::owner_all);

  EXPECT_EQ(Read_All(file), "1 2 3\r\n");
  struct stat after {};
  ASSERT_EQ(::stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(Read_All(dir_ / "locked.dat"), "protected");
  EXPECT_EQ(Others(), (std::vector<std::string>{"locked.dat", "radio.dat"}));
}

}  // namespace
}  // namespace zv
