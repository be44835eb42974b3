// The value lists of the option editor: the items of its 62 drop-down lists
// in both languages, and which list edits which byte.
//
// The position of an item is the value the radio stores (except the tone and
// offset lists, see image/vfo_record.h), so the order and the count of every
// list are part of the radio's data format: nothing here may be sorted,
// added or dropped.
#pragma once

#include <string>
#include <vector>

namespace zv {

// The kinds of item list; several controls share one kind.
enum class Option_Items {
  Txp,        // "HIGH", "LOW"
  Tone,       // "OFF", then the 260 tone names of the tone list, trimmed
  Wn,         // "WIDE", "NARROR"
  Sft_D,      // "OFF", "+", "-"
  Offset,     // 00.000MHZ .. 99.950MHZ, 50 kHz apart (2000 items)
  Step,       // "2.50 KHZ" .. "25.00 KHZ"
  Optsig,     // "OFF", "DTMF", "2TONE", "5TONE"
  Spmute,     // "QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"
  S_Info,     // "1" .. "15"
  Off_On,     // "OFF", "ON"
  Tdr,        // "OFF", "M+A" .. "M+A+B+C+D" (15 items)
  Sql,        // "0" .. "9"
  Tot,        // "15" .. "600" in steps of 15
  Apo,        // "OFF", "30" .. "300" in steps of 30
  Off_1_50,   // "OFF", "1" .. "50" (Chinese "关")
  Dtmfst,     // four side-tone choices
  Ptt_Id,     // "OFF", "BOT", "EOT", "BOTH"
  Ptt_Lt,     // "0" .. "30"
  Sc_Rev,     // "TO", "CO", "SE"
  Emc_Tp,     // "Alarm", "Transpond", "Both"
  Emc_Ch,     // "CH-000" .. "CH-199"
  Ring,       // "OFF", "1" .. "10" (Chinese "关")
  Mdf,        // "Channel+Frequency", "Channel", "Channel+Name"
  Ani_L,      // "3", "4", "5"
  Rep_S,      // "1000Hz" .. "2100Hz"
  Rep_M,      // "OFF", "CARRI", "CTDCS", "TONE", "DTMF"
  Off_1_10,   // "OFF", "1" .. "10" (Chinese "关闭")
  Language,   // "English", "Chinese"
  Tx_Disp,    // "Power", "MIC Volume "
  Dtmf_Gain,  // "0" .. "60"
  Colour,     // "Black" .. "Gray" (9 items)
};

// The items of a list kind in order, item 0 first, in Chinese when chinese
// is set. The tone kind reads the tone list (image/tone_list.h).
const std::vector<std::string> &Option_List_Items(Option_Items items, bool chinese);

// The text of offset item n (0..1999): n * 50 kHz as two MHz digits, ".",
// three kHz digits and "MHZ" ("00.050MHZ", "99.950MHZ").
std::string Offset_Item_Text(int n);
constexpr int kOffsetItems = 2000;

// One drop-down list of the option editor.
struct Option_List_Row {
  const char *name;    // the control's name, e.g. "Combo_Tdr"
  Option_Items items;
  int offset;          // setting lists: option offset; frame lists: -1
  int frame;           // frame lists: 0 (band A or C), 1 (band B or D); else -1
  int record_byte;     // frame lists: first byte of the field in the record
};

constexpr int kSettingLists = 40;
constexpr int kFrameLists = 22;  // 11 per frame
constexpr int kOptionLists = kSettingLists + kFrameLists;

// The 62 lists: first the 40 settings in the order the window shows them,
// then the 11 lists of each frequency-mode frame (frame A/C, then B/D) in
// the order a record is shown: offset, receive tone, transmit tone, then the
// eight plain lists by record byte (20..27).
const Option_List_Row (&Option_List_Table())[kOptionLists];

}  // namespace zv
