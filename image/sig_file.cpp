#include "image/sig_file.h"

#include <vector>

namespace zv {

namespace {

Number_Format Sig_File_Format() {
  Number_Format f;
  f.count = kSigFileItems;
  f.max_item_chars = kSigFileMaxItemChars;
  f.max_file_bytes = kSigFileMaxBytes;
  f.in_range = &Sig_Item_In_Range;
  return f;
}

void Store_Items(const std::vector<long long> &values, Sig_File_Buffer &buf) {
  for (int item = 0; item < kSigFileItems; ++item)
    buf[static_cast<size_t>(item / kSigFileCols)][static_cast<size_t>(item % kSigFileCols)] =
        static_cast<int16_t>(values[static_cast<size_t>(item)]);
}

}  // namespace

bool Sig_Item_In_Range(int index, long long value) {
  const int line = index / kSigFileCols;
  if (line >= kSigFileToneFirst && line <= kSigFileToneLast) return value >= 0 && value <= 255;
  return value >= -32768 && value <= 32767;
}

std::string Sig_File_Text(const Sig_File_Buffer &buf) {
  std::string out;
  out.reserve(kSigFileLines * (kSigFileCols * 8 + 2));
  for (const auto &line : buf) {
    for (int16_t v : line) Append_Compact_Number(out, v);
    out += "\r\n";
  }
  return out;
}

Number_File_Result Parse_Sig_File(std::string_view text, Sig_File_Buffer &buf) {
  std::vector<long long> values;
  Number_File_Result r = Parse_Number_Items(text, Sig_File_Format(), values);
  if (r.Ok()) Store_Items(values, buf);
  return r;
}

Number_File_Result Read_Sig_File(const std::string &path, Sig_File_Buffer &buf) {
  std::vector<long long> values;
  Number_File_Result r = Read_Number_File(path, Sig_File_Format(), values);
  if (r.Ok()) Store_Items(values, buf);
  return r;
}

Number_File_Result Write_Sig_File(const std::string &path, const Sig_File_Buffer &buf) {
  return Replace_File(path, Sig_File_Text(buf));
}

}  // namespace zv
