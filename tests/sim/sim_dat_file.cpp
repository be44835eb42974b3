#include "tests/sim/sim_dat_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace zv::sim {

bool Read_Dat_File(const std::string &path, Radio_Image_Table &image, std::string *error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot open " + path;
    return false;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Radio_Image_Table read = image;
  size_t pos = 0;
  auto is_gap = [](char c) { return c == ' ' || c == ',' || c == '\r' || c == '\n' || c == '\t'; };
  for (int item = 0; item < kImageLines * 19; ++item) {
    while (pos < text.size() && is_gap(text[pos])) ++pos;
    if (pos >= text.size()) {
      if (error) *error = path + ": the file ends before the whole image";
      return false;
    }
    long value = 0;
    size_t digits = 0;
    for (; pos < text.size() && !is_gap(text[pos]); ++pos, ++digits) {
      const char c = text[pos];
      if (c < '0' || c > '9' || value > 100000) {
        if (error) *error = path + ": an item is not a whole number";
        return false;
      }
      value = value * 10 + (c - '0');
    }
    const int col = item % 19 - 3;
    if (col < 0) continue;
    if (value > 255) {
      if (error) *error = path + ": a byte value is above 255";
      return false;
    }
    read(item / 19, col) = static_cast<uint8_t>(value);
  }
  image = read;
  return true;
}

bool Write_Dat_File(const std::string &path, const Radio_Image_Table &image, std::string *error) {
  std::string text;
  text.reserve(kImageLines * 100);
  char buf[16];
  auto put = [&](int v) {
    std::snprintf(buf, sizeof buf, " %d ", v);
    text += buf;
  };
  for (int r = 0; r < kImageLines; ++r) {
    put(r / 16);
    put(r % 16);
    put(r);
    for (int c = 0; c < kImageDataCols; ++c) put(image(r, c));
    text += "\r\n";
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) {
    if (error) *error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace zv::sim
