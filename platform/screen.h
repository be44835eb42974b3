// The size of the screen the main window fills, in logical pixels (the
// device-independent pixels of the desktop, 15 twips each). Tests set a size
// of their own so that layouts and the screen-size warning do not depend on
// the machine.
#pragma once

namespace zv {

struct Screen_Px {
  int width = 0;
  int height = 0;
};

// The primary screen's size, or the size a test has set.
Screen_Px Screen_Size();

// Replaces the measured size until called again with nullptr.
void Set_Screen_Size_Override(const Screen_Px *size);

}  // namespace zv
