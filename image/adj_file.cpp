#include "image/adj_file.h"

#include <vector>

namespace zv {

namespace {

Number_Format Adj_File_Format() {
  Number_Format f;
  f.count = kAdjFileItems;
  f.max_item_chars = kAdjFileMaxItemChars;
  f.max_file_bytes = kAdjFileMaxBytes;
  f.in_range = [](int, long long value) { return value >= 0 && value <= 255; };
  return f;
}

void Store_Items(const std::vector<long long> &values, Adjust_Table_Type &table) {
  for (int item = 0; item < kAdjFileItems; ++item)
    table(item / kAdjFileCols, item % kAdjFileCols) = static_cast<uint8_t>(values[static_cast<size_t>(item)]);
}

}  // namespace

std::string Adj_File_Text(const Adjust_Table_Type &table) {
  std::string out;
  out.reserve(kAdjFileRows * (kAdjFileCols * 5 + 2));
  for (int r = 0; r < kAdjFileRows; ++r) {
    for (int c = 0; c < kAdjFileCols; ++c) Append_Compact_Number(out, table(r, c));
    out += "\r\n";
  }
  return out;
}

Number_File_Result Parse_Adj_File(std::string_view text, Adjust_Table_Type &table) {
  std::vector<long long> values;
  Number_File_Result r = Parse_Number_Items(text, Adj_File_Format(), values);
  if (r.Ok()) Store_Items(values, table);
  return r;
}

Number_File_Result Read_Adj_File(const std::string &path, Adjust_Table_Type &table) {
  std::vector<long long> values;
  Number_File_Result r = Read_Number_File(path, Adj_File_Format(), values);
  if (r.Ok()) Store_Items(values, table);
  return r;
}

Number_File_Result Write_Adj_File(const std::string &path, const Adjust_Table_Type &table) {
  return Replace_File(path, Adj_File_Text(table));
}

}  // namespace zv
