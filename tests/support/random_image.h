// An image "read from a radio": every cell (column 16 too) a pseudo-random
// byte, so that a cell that code must not touch is unlikely to hold a value it
// might write.
#pragma once

#include <random>

#include "image/radio_image.h"

namespace zv::test {

inline Radio_Image_Table Random_Image(unsigned seed) {
  Radio_Image_Table image;
  std::mt19937 gen(seed);
  for (int l = 0; l < Radio_Image_Table::kLines; ++l)
    for (int c = 0; c < Radio_Image_Table::kCols; ++c) image(l, c) = static_cast<uint8_t>(gen() & 0xFF);
  return image;
}

}  // namespace zv::test
