// The program's start-up state, built without any window: channel count,
// tone list, band limits, tone-timer tick, the radio image filled with 0xFF
// and then with every area's factory defaults, and the alignment table.
#pragma once

#include <functional>

#include "image/shared_state.h"

namespace zv {

// In this order: channel count 200; the tone list; (the option offsets are
// compile-time constants); band limits 136-174, 200-270, 400-520 and
// 340-400 MHz; tone-timer tick 0.000434028 ms; then `restart_identify`, when
// given: the main window passes its restart of the identification cycle
// here, which belongs between the tick and the image fill; then lines 0-1024,
// columns 0-15 of the image become 0xFF (column 16 is not touched); the
// defaults of FM presets, options, DTMF, 2-tone, 5-tone (tone tables first)
// and alignment; the alignment table copied from its defaults (lines 0-31,
// columns 0-15); last the channel defaults.
void Build_Startup_State(Shared_State &s, const std::function<void()> &restart_identify = {});

}  // namespace zv
