// Factory channel table: all 200 channel records (image lines 0-199) emptied,
// then eight preset channels filled. The channel names (lines 256-455) and
// column 16 are not touched, so a stored name survives the defaults.
#pragma once

#include "image/radio_image.h"

namespace zv {

void Load_Channel_Defaults(Radio_Image_Table &image);

}  // namespace zv
