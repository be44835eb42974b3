// Factory content of the three signalling areas: DTMF (image lines 656-687),
// 2-tone (720-767) and 5-tone (576-607, after rebuilding the tone tables of
// lines 512-574), and the two encoders of the 2-tone area.
#pragma once

#include <cstdint>

#include "image/radio_image.h"
#include "image/tone5_tables.h"

namespace zv {

constexpr int kTone2EncodeBlock = 45;  // block x 16 = line 720, encode codes
constexpr int kTone2ToneBlock = 47;    // block x 16 = line 752, decode tones

// Writes the two tone frequencies of a 2-tone encode code into line
// block * 16 + index: f1 in Hz into bytes 0-1, f2 into bytes 8-9,
// low byte first; nothing else in the line changes. Refuses (returns false,
// writes nothing) a line outside the image or a frequency outside 0-65535.
bool Set_Tone2_Pair(Radio_Image_Table &image, int block, int index, int32_t f1, int32_t f2);

// Writes one tone of a 2-tone encode code into line block * 16 + index: f in
// Hz into bytes 0-1 (tone 0, the 1st tone) or 8-9 (tone 1, the 2nd tone),
// low byte first; nothing else in the line changes. Refuses (returns false,
// writes nothing) a line outside the image, a tone other than 0 or 1 and a
// frequency outside 0-65535.
bool Set_Tone2_Enc_Freq(Radio_Image_Table &image, int block, int index, int tone, int32_t f);

// Writes one 2-tone decode tone into line block * 16 + row_offset: f in Hz
// into bytes 2*slot and 2*slot+1, and its period count
// Int(((1 / f) * 1000) / tone_tick_ms + 0.5) into bytes 2*slot+8 and
// 2*slot+9, both low byte first. Exactly those four bytes change. Refuses
// (returns false, writes nothing) a slot outside 0-3, a line outside the
// image, and a frequency of 0 or below or one whose frequency or period count
// does not fit the 16-bit fields (frequencies below about 36 Hz).
bool Set_Tone2_Freq(Radio_Image_Table &image, double tone_tick_ms, int block, int row_offset,
                    int slot, int32_t f);

// DTMF: lines 656-687 all 0xFF, then encode codes 1 and 15, the tone
// timings, the remote-function codes, the control IDs and the control byte
// line 687 (bytes 0-7).
void Load_Dtmf_Defaults(Radio_Image_Table &image);

// 2-tone: lines 720-767 all 0xFF, then encode codes 1-3 and 12-15, the
// durations, decode entries 1, 2, 14 and 15 with their tones, the reset time.
void Load_Tone2_Defaults(Radio_Image_Table &image, double tone_tick_ms);

// 5-tone: rebuilds the tone tables (lines 512-574), writes bytes 0-2 of the
// standard lines 576-590 (bytes 3-15 and line 591 are left as they are), sets
// lines 592-607 to 0xFF and writes encode codes 1 and 15 and the settings
// line 607.
void Load_Tone5_Defaults(Tone5_Table_Set &tables, Radio_Image_Table &image);

}  // namespace zv
