// The 2-tone signalling area, image lines 720-767 (radio 0x2D00-0x2FFF), as
// the 2-tone editor shows and edits it: its layout, the display texts of its
// fields and the commits of the two typed tone fields. No widgets here; the
// window maps the results onto its controls.
//
// Layout:
//   720-734  encode code n (1-15) in line 719 + n: 1st tone in Hz bytes 0-1,
//            2nd tone bytes 8-9 (low byte first); bytes 2-7, 10-15 untouched
//   735      encode timing: bytes 0, 1, 2 = 1st tone, 2nd tone, gap, each a
//            list position k (k x 10 ms, 0-100); bytes 3-15 untouched
//   736-750  decode entry n in line 735 + n: four slots of three bytes (pair
//            code, response code, alert number), bytes 12-15 untouched
//   751      untouched
//   752-766  decode tones of entry e (0-14) in line 752 + e: tone A-D in Hz
//            in bytes 2s, 2s+1, their period counts in 2s+8, 2s+9
//   767      decode reset: byte 0 a list position k ((k + 1) x 100 ms,
//            0-199); bytes 1-15 untouched
// Only the bytes named above are ever written by the editor.
#pragma once

#include <string>
#include <string_view>

#include "image/radio_image.h"

namespace zv::tone2 {

constexpr int kCodes = 15;    // encode codes 1-15
constexpr int kEntries = 15;  // decode entries 1-15
constexpr int kSlots = 4;     // slots per decode entry, tones per entry

constexpr int kEncodeLine = map::kTone2Line;       // code n in line 719 + n
constexpr int kTimingLine = map::kTone2Line + 15;  // 735
constexpr int kDecodeLine = map::kTone2Line + 15;  // entry n (1-15) in line 735 + n
constexpr int kToneLine = map::kTone2Line + 32;    // entry e (0-14) in line 752 + e
constexpr int kResetLine = map::kTone2Line + 47;   // 767
constexpr int kLastLine = map::kTone2Line + 47;

constexpr int kTimingLast = 100;  // last position of the three timing lists
constexpr int kResetLast = 199;   // last position of the reset-time list

constexpr int kLowHz = 300;    // lowest tone the editor shows and takes
constexpr int kHighHz = 3000;  // highest

// ---- display texts ---------------------------------------------------------

// "A-B" ... "D-C" for pair codes 0-11; "" for any other value.
std::string Pair_To_Text(int code);
// The response code a byte shows: 0-3 itself, 255 none (-1), 4-254 the
// text of response 0 (the byte itself is left as it is).
int Resp_Index(int code);
// The alert number as text: "0" to "16"; "" for 17 and above.
std::string Alert_To_Text(int alert);

// An encode tone as the grid shows it: 300-3000 as "1124.0", else "".
std::string Encode_Tone_Text(int hz);
// The stored encode tone of code 1-15, tone 0 (1st) or 1 (2nd), in Hz.
int Encode_Tone(const Radio_Image_Table &image, int code, int tone);
// A decode tone as its box shows it: "" for 0 or for two bytes 0xFF, else
// the stored value with ".0" (no range test). entry 0-14, slot 0-3.
std::string Decode_Tone_Text(const Radio_Image_Table &image, int entry, int slot);

// ---- decode grid cells -----------------------------------------------------

enum class Decode_Kind { Pair, Response, Alert };
// The kind of decode grid column 1-12: 1, 4, 7, 10 pair; 2, 5, 8, 11
// response; 3, 6, 9, 12 alert.
Decode_Kind Decode_Column_Kind(int col);
// The first column (1, 4, 7 or 10) of the slot that column 1-12 belongs to.
inline int Pair_Column(int col) { return col - (col - 1) % 3; }
// The item the cell's list opens on for a stored byte; -1 when the byte has
// no item (pair above 11, response above 3, alert 0 or above 16).
int Decode_Open_Item(Decode_Kind kind, int byte);
// The byte that a choice of list item `item` stores: the position for pairs
// and responses, the alert number (position + 1) for alerts; -1 when the
// item is no item of that list.
int Decode_Choice_Byte(Decode_Kind kind, int item);
// Number of items of each kind's list (12 pairs, 4 responses, 16 alerts).
int Decode_Item_Count(Decode_Kind kind);

// ---- commits of the typed tones --------------------------------------------

// Rounds to the nearest whole number, a half to the even neighbour.
double Round_Half_Even(double v);

// A decode-tone box's text committed into entry 0-14, slot 0-3: its leading
// number rounded half to even; 300-3000 (tested on the rounded value) is
// stored with its period count (Set_Tone2_Freq); anything else clears the
// tone's four bytes to 0xFF. Returns true when the range message is due: the
// value was refused and the text holds more than blanks.
bool Commit_Decode_Tone(Radio_Image_Table &image, double tone_tick_ms, int entry, int slot,
                        std::string_view text);

// An encode cell's text committed into code 1-15, tone 0 (1st) or 1 (2nd):
// its leading number, 300-3000 tested unrounded, is stored rounded half up;
// anything else stores 0 Hz. Only the tone's two bytes change. Returns true
// when the range message is due: the value was refused and the text holds
// more than blanks.
bool Commit_Encode_Tone(Radio_Image_Table &image, int code, int tone, std::string_view text);

}  // namespace zv::tone2
