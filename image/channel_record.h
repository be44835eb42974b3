// One memory channel as the channel editor shows and edits it: the texts of
// its 16 grid cells, derived from the channel record (image line n) and the
// name line (image line 256 + n), the three resets of one channel, and the
// commits that turn an edited cell back into record and name bytes.
//
// Cell texts are UTF-8. The window keeps them in its grid; these functions
// take and give a copy of one row (`Row_Cells`), so every rule here works
// without a widget. A function that redraws the row rewrites cells 1 to 15
// from the image, as the window's display does.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "image/radio_image.h"
#include "image/shared_state.h"

namespace zv {
namespace chan {

// Grid columns.
enum Column : int {
  kColNumber = 0,
  kColBand = 1,
  kColRxFreq = 2,
  kColTxFreq = 3,
  kColRxTone = 4,
  kColTxTone = 5,
  kColPower = 6,
  kColWidth = 7,
  kColPttId = 8,
  kColBusyLock = 9,
  kColScanAdd = 10,
  kColSigCode = 11,
  kColOptSig = 12,
  kColSpMute = 13,
  kColScramble = 14,
  kColName = 15,
};
constexpr int kColumns = 16;
constexpr int kNameMax = 8;

using Row_Cells = std::array<std::string, kColumns>;

// The band cell of a channel ("VHF/UHF" and one blank) and the one band entry.
inline const std::string kBandCell = "VHF/UHF ";
inline const std::string kBandEntry = "VHF/UHF";

inline int Record_Line(int channel) { return map::kChanRecordLine + channel; }
inline int Name_Line(int channel) { return map::kChanNameLine + channel; }

// The last character of text that is not a blank; "" for an empty or blank
// text. Works on whole UTF-8 characters.
std::string Last_Char(std::string_view text);

// The text of a stored tone word: "OFF" for 0x0000 and 0xFFFF; a CTCSS tone
// (high byte 0x01-0x7F) as tenths / 10 with one decimal, listed or not; a DCS
// word (high byte 0, low byte 1-210) as its tone-list entry, as stored with
// its blanks (`as_stored`) or trimmed. Every other word gives "".
std::string Tone_Text(uint8_t lo, uint8_t hi, bool as_stored);

// The value lists of the setting columns 6-14, in list order (list position =
// stored value); empty for any other column.
const std::vector<std::string> &Setting_List(int column);

// Texts of the setting columns 6-14 for record bytes 12-15.
void Setting_Texts(uint8_t b12, uint8_t b13, uint8_t b14, uint8_t b15, Row_Cells &cells);

// The channel's name through the display filter: only "0"-"9" and "A"-"Z"
// are kept, every other byte is dropped; "" when byte 0 is 0xFF.
std::string Name_Text(const Radio_Image_Table &image, int channel);

// Cells 1-14 of the channel from its record. An empty channel (byte 0 0xFF)
// sets cells 2 and 3 to "" and is cleared (Clear_Channel). The row's cell 15
// is left as it was.
void Show_Params(Radio_Image_Table &image, int channel, Row_Cells &cells);
// Cells 1-15: Show_Params, then the filtered name.
void Show_Channel(Radio_Image_Table &image, int channel, Row_Cells &cells);

// The three resets of one channel.
// Settings of a new channel: cells 4-15 as the display shows them, record
// bytes 8-14 0 and byte 15 0x04, the name line all 0xFF; bytes 0-7 untouched.
void Set_Channel_Default(Radio_Image_Table &image, int channel, Row_Cells &cells);
// Cells 1 and 4-15 "" (2 and 3 untouched); record and name lines all 0xFF.
void Clear_Channel(Radio_Image_Table &image, int channel, Row_Cells &cells);
// Cells 2-15 "" (1 untouched); record and name lines all 0xFF.
void Clear_Channel_Freq(Radio_Image_Table &image, int channel, Row_Cells &cells);

// The replacement of an out-of-band frequency: Band_A_Low as "136.00000"
// (three digits) or "66.00000" (two digits); "" when the limit has no such
// form (below 10 MHz, a fraction, 1000 MHz and more).
std::string Band_Limit_Text(const Band_Limits &bands);

// The stored tone word of a list position (0..260) or of a typed tone text:
// a number v from 60 to 259.9 is a CTCSS tone of v * 10 rounded (a half to
// the even number); any other text is looked up among the trimmed list
// entries by exact text. Returns the list position found (-1: a typed CTCSS
// tone, -2: no tone) and the word.
struct Typed_Tone {
  int position = -2;
  uint16_t word = 0;
};
Typed_Tone Tone_Of_Text(std::string_view text);

// What a commit asks the window to show after it has stored.
enum class Cell_Message {
  None,
  Rx_Out_Of_Range,  // "Over the range of receive frequency ."
  Tx_Out_Of_Range,  // "Over the range of transmit frequency ."
  Rx_First,         // "Please input the receive frequency in advance."
  Name_Too_Long,    // the 8-character name limit
};

struct Commit_Result {
  Cell_Message message = Cell_Message::None;
  // The text the editor holds afterwards (the Part's replacements write it).
  std::string editor_text;
  // The grid takes the input focus (a new transmit frequency was filled in).
  bool focus_grid = false;
};

// A list choice in the combo of `column` (1, 4-14): position is the chosen
// list position, entry its text. Writes the record field at once; column 1
// empties the channel when the band changes, column 4 sets both tones and
// redraws the row. Cells 5-14 are not changed (they take the combo's text
// when the cell is left).
void Apply_List_Choice(Radio_Image_Table &image, int channel, int column, int position,
                       const std::string &entry, Row_Cells &cells);

// Leaving a text cell (2, 3, 15) whose editor holds `typed` and was opened
// with `opened`. A text left as it was opened changes nothing. Frequencies:
// an empty text deletes the channel (2) or its transmit frequency (3); a text
// outside every band is replaced by the band-limit text, with the message; a
// frequency that cannot be stored (below 10 MHz, from 1000 MHz) leaves record,
// name and cells as they were and gives the range message. Names: trimmed, cut
// to 8 characters (with the message), upper case; only "0"-"9" and "A"-"Z"
// reach the name bytes, each at its position.
Commit_Result Commit_Text_Cell(Radio_Image_Table &image, const Band_Limits &bands, int channel,
                               int column, Row_Cells &cells, const std::string &typed,
                               const std::string &opened);

// Leaving a combo cell (1, 4-14) whose combo shows `combo_text`. Band: a
// changed band empties the channel; the cell takes the combo's text. Tones:
// the typed or chosen text is stored as Tone_Of_Text gives it (receive tone:
// the transmit tone follows); no tone, nothing changes. Settings: the cell
// takes the combo's text (the record was written by the list choice).
void Commit_Combo_Cell(Radio_Image_Table &image, int channel, int column, Row_Cells &cells,
                       const std::string &combo_text);

}  // namespace chan
}  // namespace zv
