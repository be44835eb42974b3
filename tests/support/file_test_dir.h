// A fresh directory per test for tests on real files, and the whole-file
// reads and writes they use.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace zv::test {

inline std::string Read_All(const std::filesystem::path &p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline void Write_All(const std::filesystem::path &p, const std::string &text) {
  std::ofstream out(p, std::ios::binary);
  out << text;
}

class File_Test_Dir : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("zv_files_" + std::to_string(getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir_);
  }
  // The names in the directory other than the given ones (left-over
  // temporary files), sorted.
  std::vector<std::string> Others(std::initializer_list<std::string> keep = {}) const {
    std::vector<std::string> out;
    for (auto &e : std::filesystem::directory_iterator(dir_)) {
      std::string n = e.path().filename().string();
      if (std::find(keep.begin(), keep.end(), n) == keep.end()) out.push_back(n);
    }
    std::sort(out.begin(), out.end());
    return out;
  }
  std::filesystem::path dir_;
};

}  // namespace zv::test
