// The password boxes: every character is shown as "*", whatever the style
// of the platform would draw (Qt's own password echo shows a bullet).
#pragma once

class QLineEdit;

namespace zv {

// Makes box a masked password box: its text shows as one "*" per character.
// Every password box of the program goes through this.
void Mask_With_Stars(QLineEdit *box);

}  // namespace zv
