// The exchange parameters of each window that talks to the radio, in one
// place so that every window and its tests use the same values.
#pragma once

#include "comm/exchange_engine.h"

namespace zv::presets {

// Main window: identification cycle.
Exchange_Params Identify();
// Whole-radio read (0x0000-0x31FF) and write (0x0000-0x30FF) windows.
Exchange_Params Whole_Read();
Exchange_Params Whole_Write();
// Channel editor: records 0x0000 and names 0x1000, in turn.
Exchange_Params Channels();
// FM preset editor: 0x3000, data at fixed answer bytes 5-68.
Exchange_Params Fm();
// Optional-features editor: 0x0E00-0x0FFF.
Exchange_Params Options();
// 2-tone editor: 0x2D00-0x2FFF.
Exchange_Params Tone2();
// DTMF editor: 0x2900-0x2AFF.
Exchange_Params Dtmf();
// 5-tone editor: reads 0x2400-0x25FF, writes 0x2000-0x25FF.
Exchange_Params Tone5();
// Alignment editor: reads 0x3C00-0x3DFF into Adjust_Table, writes rows 24-27.
Exchange_Params Alignment();
// Password dialog.
Exchange_Params Password_Dialog();

}  // namespace zv::presets
