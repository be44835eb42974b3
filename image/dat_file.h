// The image file (".dat"): the whole radio image as text, one line per image
// row r = 0..1024 with 19 whole numbers: r / 16, r mod 16, r, then the bytes
// of columns 0 to 15. Column 16 is neither written nor read.
//
// The writer uses the compact form: every number is a blank, its digits and a
// blank, so two blanks stand between numbers, one at the start of the line and
// one before CR LF. The reader accepts any run of blanks, tabs, commas and line
// ends between items, so the zoned form (numbers in 14-character print zones)
// opens too; it takes the first 19 475 items and ignores what follows them.
// The three row-number items of a line must be whole numbers but their values
// are not compared with the row.
//
// Opening is all or nothing: the whole file is read and checked first, and
// the image changes only when every item was good. Items and saving are the
// shared number-file code (image/number_file.h): a file far larger than an
// image file, or an item far longer than its numbers, is refused at once;
// saving replaces the file safely.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/number_file.h"
#include "image/radio_image.h"

namespace zv {

constexpr int kImageFileItemsPerLine = 19;
constexpr int kImageFileItems = kImageLines * kImageFileItemsPerLine;  // 19 475

// A file of more than 4 MiB is no image file (the zoned form, the widest
// the program knows, takes 274 700 bytes), and no item of one is longer
// than 20 characters.
constexpr uint64_t kImageFileMaxBytes = 4u << 20;
constexpr size_t kImageFileMaxItemChars = 20;

using Dat_Fault = Number_Fault;
using Dat_Result = Number_File_Result;

// The file's text in the compact form.
std::string Image_File_Text(const Radio_Image_Table &image);

// Reads the items of text into image rows 0..1024, columns 0..15. On any fault
// the image is left exactly as it was.
Dat_Result Parse_Image_File(std::string_view text, Radio_Image_Table &image);

// Reads the file at path (all or nothing, as Parse_Image_File).
Dat_Result Load_Image_File(const std::string &path, Radio_Image_Table &image);

// Writes the image to path in the compact form (Replace_File).
Dat_Result Save_Image_File(const std::string &path, const Radio_Image_Table &image);

}  // namespace zv
