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
// Opening is all or nothing: the whole file is read and checked into a
// scratch copy first, and the image changes only when every item was good.
// Saving writes a temporary file beside the target and renames it over the
// target, so a failed save leaves the file that was there untouched.
#pragma once

#include <string>
#include <string_view>

#include "image/radio_image.h"

namespace zv {

constexpr int kImageFileItemsPerLine = 19;
constexpr int kImageFileItems = kImageLines * kImageFileItemsPerLine;  // 19 475

enum class Dat_Fault {
  None,
  Cannot_Open,   // the file does not exist, may not be opened, or is a pipe or a device
  Cannot_Read,   // opened, but reading failed (a directory, an I/O error)
  Ends_Early,    // fewer than 19 475 items
  Not_A_Number,  // an item that is not a whole number
  Out_Of_Range,  // a byte item outside 0..255
  Cannot_Write,  // the file could not be created, written or put in place
};

struct Dat_Result {
  Dat_Fault fault = Dat_Fault::None;
  int item = 0;        // read faults: 1-based number of the item at fault
                       // (Ends_Early: the number of items found)
  int text_line = 0;   // read faults: 1-based text line where it stands
  std::string found;   // the item as found, shortened, non-printables as \xNN
  std::string reason;  // Cannot_Open / Cannot_Read / Cannot_Write: the system's reason
  bool Ok() const { return fault == Dat_Fault::None; }
};

// The file's text in the compact form.
std::string Image_File_Text(const Radio_Image_Table &image);

// Reads the items of text into image rows 0..1024, columns 0..15. On any fault
// the image is left exactly as it was.
Dat_Result Parse_Image_File(std::string_view text, Radio_Image_Table &image);

// Reads the file at path (all or nothing, as Parse_Image_File).
Dat_Result Load_Image_File(const std::string &path, Radio_Image_Table &image);

// Writes the image to path in the compact form through a temporary file in the
// same directory; an existing file keeps its permissions and is replaced only
// once the new content is complete.
Dat_Result Save_Image_File(const std::string &path, const Radio_Image_Table &image);

}  // namespace zv
