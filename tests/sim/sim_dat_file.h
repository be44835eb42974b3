// The ".dat" image file for the simulator program: 1025 lines of 19 numbers
// (line / 16, line mod 16, line, then the 16 bytes of the line), CR LF after
// each line. Reading accepts any run of blanks, commas and line ends between
// items and ignores the first three items of each line.
#pragma once

#include <string>

#include "image/radio_image.h"

namespace zv::sim {

// Returns false and says why in *error when the file cannot be read or is
// not a whole image; `image` is then unchanged.
bool Read_Dat_File(const std::string &path, Radio_Image_Table &image, std::string *error);
bool Write_Dat_File(const std::string &path, const Radio_Image_Table &image, std::string *error);

}  // namespace zv::sim
