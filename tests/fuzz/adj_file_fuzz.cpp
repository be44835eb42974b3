// libFuzzer target of the alignment-file reader: any input either loads to a
// table that writes and reads back to itself, or leaves the table exactly as
// it was; row 32 and column 16 are never touched.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "image/adj_file.h"

namespace {

zv::Adjust_Table_Type Pattern(int seed) {
  zv::Adjust_Table_Type table;
  for (int r = 0; r < 33; ++r)
    for (int c = 0; c < 17; ++c) table(r, c) = static_cast<uint8_t>(r * 31 + c * 7 + seed);
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static const zv::Adjust_Table_Type before = Pattern(1);
  zv::Adjust_Table_Type table = before;
  const zv::Number_File_Result r =
      zv::Parse_Adj_File(std::string_view(reinterpret_cast<const char *>(data), size), table);
  if (!r.Ok()) {
    if (table != before) std::abort();
    if (r.item < 0 || r.item > zv::kAdjFileItems) std::abort();
    return 0;
  }
  for (int c = 0; c < 17; ++c)
    if (table(32, c) != before(32, c)) std::abort();
  for (int row = 0; row < 33; ++row)
    if (table(row, 16) != before(row, 16)) std::abort();
  zv::Adjust_Table_Type again = Pattern(2);
  if (!zv::Parse_Adj_File(zv::Adj_File_Text(table), again).Ok()) std::abort();
  for (int row = 0; row < zv::kAdjFileRows; ++row)
    for (int c = 0; c < zv::kAdjFileCols; ++c)
      if (again(row, c) != table(row, c)) std::abort();
  return 0;
}
