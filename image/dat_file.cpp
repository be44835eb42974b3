#include "image/dat_file.h"

#include <vector>

namespace zv {

namespace {

Number_Format Image_File_Format() {
  Number_Format f;
  f.count = kImageFileItems;
  f.max_item_chars = kImageFileMaxItemChars;
  f.max_file_bytes = kImageFileMaxBytes;
  // The first three items of a line carry the row number: any whole number,
  // not compared with the row. The other sixteen are bytes.
  f.in_range = [](int index, long long value) {
    return index % kImageFileItemsPerLine < 3 || (value >= 0 && value <= 255);
  };
  return f;
}

// Stores the values of a good file into image rows 0..1024, columns 0..15.
void Store_Items(const std::vector<long long> &values, Radio_Image_Table &image) {
  for (int item = 0; item < kImageFileItems; ++item) {
    const int col = item % kImageFileItemsPerLine - 3;
    if (col >= 0)
      image(item / kImageFileItemsPerLine, col) = static_cast<uint8_t>(values[static_cast<size_t>(item)]);
  }
}

}  // namespace

std::string Image_File_Text(const Radio_Image_Table &image) {
  std::string out;
  out.reserve(kImageLines * (kImageFileItemsPerLine * 5 + 2));
  for (int r = 0; r < kImageLines; ++r) {
    Append_Compact_Number(out, r / 16);
    Append_Compact_Number(out, r % 16);
    Append_Compact_Number(out, r);
    for (int col = 0; col < kImageDataCols; ++col) Append_Compact_Number(out, image(r, col));
    out += "\r\n";
  }
  return out;
}

Dat_Result Parse_Image_File(std::string_view text, Radio_Image_Table &image) {
  std::vector<long long> values;
  Dat_Result r = Parse_Number_Items(text, Image_File_Format(), values);
  if (r.Ok()) Store_Items(values, image);
  return r;
}

Dat_Result Load_Image_File(const std::string &path, Radio_Image_Table &image) {
  std::vector<long long> values;
  Dat_Result r = Read_Number_File(path, Image_File_Format(), values);
  if (r.Ok()) Store_Items(values, image);
  return r;
}

Dat_Result Save_Image_File(const std::string &path, const Radio_Image_Table &image) {
  return Replace_File(path, Image_File_Text(image));
}

}  // namespace zv
