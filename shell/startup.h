// The start-up of the program: everything the run needs, prepared by the main
// window's load handler before any user input.
#pragma once

namespace zv {

class MDImain;

// Titles and opening command, English texts and captions, panel widths,
// the main window filling the screen and shown, the screen-size warning, the
// port probe from COM12 down to COM1, the start-up state with the
// identification cycle armed between the tone-timer tick and the image fill,
// and last the channel editor.
void MDIForm_Load(MDImain &main);

}  // namespace zv
