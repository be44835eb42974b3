// libFuzzer target of the image-file reader: any input either opens to an
// image that writes and reads back to itself, or leaves the image exactly as
// it was.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "image/dat_file.h"

namespace {

zv::Radio_Image_Table Pattern(int seed) {
  zv::Radio_Image_Table image;
  for (int r = 0; r < zv::kImageLines; ++r)
    for (int c = 0; c < 17; ++c) image(r, c) = static_cast<uint8_t>(r * 31 + c * 7 + seed);
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static const zv::Radio_Image_Table before = Pattern(1);
  zv::Radio_Image_Table image = before;
  const zv::Dat_Result r =
      zv::Parse_Image_File(std::string_view(reinterpret_cast<const char *>(data), size), image);
  if (!r.Ok()) {
    if (image != before) std::abort();
    if (r.item < 0 || r.item > zv::kImageFileItems) std::abort();
    return 0;
  }
  for (int row = 0; row < zv::kImageLines; ++row)
    if (image(row, 16) != before(row, 16)) std::abort();
  zv::Radio_Image_Table again = Pattern(2);
  if (!zv::Parse_Image_File(zv::Image_File_Text(image), again).Ok()) std::abort();
  for (int row = 0; row < zv::kImageLines; ++row)
    for (int c = 0; c < zv::kImageDataCols; ++c)
      if (again(row, c) != image(row, c)) std::abort();
  return 0;
}
