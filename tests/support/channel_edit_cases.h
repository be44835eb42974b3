// The channel editor's cell edits as one table of cases: a channel before
// (record and name line), one cell edited (a text typed or a list entry
// chosen), and what the channel and its grid row hold afterwards.
//
// The rules are run through image/channel_record.h (tests/image) and the
// same rows through the editor's real grid (tests/channels), so that the
// window is held to the very cases its rules are.
#pragma once

#include <array>
#include <initializer_list>
#include <utility>

#include "image/channel_record.h"

namespace zv::test {

using Line_Bytes = std::array<int, 16>;

inline Line_Bytes Filled(int v) {
  Line_Bytes b;
  b.fill(v);
  return b;
}

namespace chan_case {

// A copy of b with some of its bytes changed: {index, value}.
inline Line_Bytes With(Line_Bytes b, std::initializer_list<std::pair<int, int>> changes) {
  for (auto [i, v] : changes) b[static_cast<size_t>(i)] = v;
  return b;
}

inline const Line_Bytes kEmpty = Filled(0xFF);
// 145.00000 / 150.00000, tones off, settings of a new channel.
inline const Line_Bytes kSplit = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x00, 0x15,
                                  0, 0, 0, 0, 0x00, 0x00, 0x00, 0x04};
// The same with receive tone 88.5 and power LOW.
inline const Line_Bytes kSplitLow = With(kSplit, {{8, 0x75}, {9, 3}, {14, 1}});
// The same with receive tone 88.5 and transmit tone 100.0, power HIGH.
inline const Line_Bytes kTones = With(kSplit, {{8, 0x75}, {9, 3}, {10, 0xE8}, {11, 3}});
// Name "ABC"; the bytes after the eight name bytes hold something.
inline const Line_Bytes kNameAbc = {'A', 'B', 'C', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8};
// No name; the bytes after the eight name bytes hold something.
inline const Line_Bytes kNameTail = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8};
inline constexpr const char *kEmptyRow = "||||||||||||||";

// The list position of a text typed into a cell rather than chosen.
constexpr int kTyped = -1;

struct Channel_Edit_Case {
  const char *what;
  double band_a_low;         // Band_A_Low while the cell is edited
  Line_Bytes record, name;   // the channel before
  int column;                // the cell edited (chan::Column)
  int position;              // the list entry chosen, or kTyped
  const char *text;          // the text typed, or the entry chosen
  chan::Cell_Message message;
  const char *editor;        // text cells: the text the editor holds afterwards
  Line_Bytes want_record, want_name;
  const char *row;           // the row's columns 1..15 afterwards, joined by "|"
};

using chan::Cell_Message;
using chan::kColName;
using chan::kColRxFreq;
using chan::kColRxTone;
using chan::kColTxFreq;
using chan::kColTxTone;

// 145.1, 145.1225, 136, 66 MHz both ways on a new channel.
inline const Line_Bytes k145_1 = {0x00, 0x00, 0x51, 0x14, 0x00, 0x00, 0x51, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x04};
inline const Line_Bytes k145_1225 = {0x50, 0x22, 0x51, 0x14, 0x50, 0x22, 0x51, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x04};
inline const Line_Bytes k136 = {0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x60, 0x13, 0, 0, 0, 0, 0, 0, 0, 0x04};
inline const Line_Bytes k66 = {0x00, 0x00, 0x60, 0x06, 0x00, 0x00, 0x60, 0x06, 0, 0, 0, 0, 0, 0, 0, 0x04};

inline constexpr const char *kSplitLowRow =
    "VHF/UHF |145.00000|150.00000|88.5|OFF|LOW|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC";
inline constexpr const char *kTonesRow =
    "VHF/UHF |145.00000|150.00000|88.5|100.0|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC";
inline constexpr const char *kSplitRow = "VHF/UHF |145.00000|150.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|";

// The receive frequency cell, band A from 136 MHz.
inline const Channel_Edit_Case kReceive_Cases[] = {
    {"new channel on an empty row", 136, kEmpty, kEmpty, kColRxFreq, kTyped, "145.1", Cell_Message::None,
     "145.1", k145_1, kEmpty, "VHF/UHF |145.10000|145.10000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
    {"snapped down", 136, kEmpty, kEmpty, kColRxFreq, kTyped, "145.1234", Cell_Message::None, "145.1234",
     k145_1225, kEmpty, "VHF/UHF |145.12250|145.12250|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
    {"blanks inside the number", 136, kEmpty, kEmpty, kColRxFreq, kTyped, " 14 5.1", Cell_Message::None,
     " 14 5.1", k145_1, kEmpty, "VHF/UHF |145.10000|145.10000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
    {"top of band A is in band", 136, kSplitLow, kNameAbc, kColRxFreq, kTyped, "174.5", Cell_Message::None,
     "174.5", With(kSplitLow, {{2, 0x45}, {3, 0x17}, {6, 0x45}, {7, 0x17}}), kNameAbc,
     "VHF/UHF |174.50000|174.50000|88.5|OFF|LOW|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
    {"out of band on a channel: receive replaced, the rest kept", 136, kSplitLow, kNameAbc, kColRxFreq,
     kTyped, "175", Cell_Message::Rx_Out_Of_Range, "136.00000", With(kSplitLow, {{2, 0x60}, {3, 0x13}}),
     kNameAbc, "VHF/UHF |136.00000|150.00000|88.5|OFF|LOW|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
    {"out of band on an empty row makes a channel at the limit", 136, kEmpty, kEmpty, kColRxFreq, kTyped,
     "175", Cell_Message::Rx_Out_Of_Range, "136.00000", k136, kEmpty,
     "VHF/UHF |136.00000|136.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
    {"two-digit band limit", 66, kEmpty, kEmpty, kColRxFreq, kTyped, "600", Cell_Message::Rx_Out_Of_Range,
     "66.00000", k66, kEmpty, "VHF/UHF |66.00000|66.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
    {"a changed receive frequency takes the transmit along", 136, kSplitLow, kNameAbc, kColRxFreq, kTyped,
     "146", Cell_Message::None, "146", With(kSplitLow, {{2, 0x60}, {6, 0x60}, {7, 0x14}}), kNameAbc,
     "VHF/UHF |146.00000|146.00000|88.5|OFF|LOW|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
    {"left as opened: split and name bytes kept", 136, kSplitLow,
     Line_Bytes{'A', ' ', 'B', 'C', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}, kColRxFreq, kTyped,
     "145.00000", Cell_Message::None, "145.00000", kSplitLow,
     Line_Bytes{'A', ' ', 'B', 'C', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}, kSplitLowRow},
    {"emptied: channel and name deleted", 136, kSplitLow, kNameAbc, kColRxFreq, kTyped, "  ",
     Cell_Message::None, "  ", kEmpty, kEmpty, kEmptyRow},
};

// The transmit frequency cell, band A from 136 MHz.
inline const Channel_Edit_Case kTransmit_Cases[] = {
    {"no receive frequency yet", 136, kEmpty, kEmpty, kColTxFreq, kTyped, "150", Cell_Message::Rx_First, "",
     kEmpty, kEmpty, kEmptyRow},
    {"in band: receive and tones kept", 136, kTones, kNameAbc, kColTxFreq, kTyped, "151.0125",
     Cell_Message::None, "151.0125", With(kTones, {{4, 0x50}, {5, 0x12}, {6, 0x10}}), kNameAbc,
     "VHF/UHF |145.00000|151.01250|88.5|100.0|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
    {"out of band: limit and transmit tone off", 136, kTones, kNameAbc, kColTxFreq, kTyped, "600",
     Cell_Message::Tx_Out_Of_Range, "136.00000", With(kTones, {{6, 0x60}, {7, 0x13}, {10, 0xFF}, {11, 0xFF}}),
     kNameAbc, "VHF/UHF |145.00000|136.00000|88.5|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
    {"emptied: receive-only channel", 136, kTones, kNameAbc, kColTxFreq, kTyped, "", Cell_Message::None, "",
     With(kTones, {{4, 0xFF}, {5, 0xFF}, {6, 0xFF}, {7, 0xFF}, {10, 0xFF}, {11, 0xFF}}), kNameAbc,
     "VHF/UHF |145.00000||88.5||HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
};

// Band A's lower limit set to 0 or 5 MHz (no three- or two-digit form):
// nothing to replace an out-of-band frequency with.
inline const Channel_Edit_Case kLow_Band_Limit_Cases[] = {
    {"band A from 0 MHz: an emptied receive still deletes", 0, kSplitLow, kNameAbc, kColRxFreq, kTyped, "",
     Cell_Message::None, "", kEmpty, kEmpty, kEmptyRow},
    {"band A from 5 MHz: no replacement on a channel", 5, kSplitLow, kNameAbc, kColRxFreq, kTyped, "600",
     Cell_Message::Rx_Out_Of_Range, "600", kSplitLow, kNameAbc, kSplitLowRow},
    {"band A from 5 MHz: no replacement on an empty row", 5, kEmpty, kEmpty, kColRxFreq, kTyped, "600",
     Cell_Message::Rx_Out_Of_Range, "600", kEmpty, kEmpty, kEmptyRow},
    {"band A from 5 MHz: 7 MHz is in band but has no stored form", 5, kEmpty, kEmpty, kColRxFreq, kTyped,
     "7", Cell_Message::Rx_Out_Of_Range, "7", kEmpty, kEmpty, kEmptyRow},
    {"band A from 5 MHz: no transmit replacement either", 5, kTones, kNameAbc, kColTxFreq, kTyped, "600",
     Cell_Message::Tx_Out_Of_Range, "600", kTones, kNameAbc, kTonesRow},
};

// The name cell.
inline const Channel_Edit_Case kName_Cases[] = {
    {"cut to 8 with the message, kept by position", 136, kSplit, kNameTail, kColName, kTyped, "abc-12345",
     Cell_Message::Name_Too_Long, "abc-12345", kSplit,
     Line_Bytes{'A', 'B', 'C', 0xFF, '1', '2', '3', '4', 1, 2, 3, 4, 5, 6, 7, 8},
     "VHF/UHF |145.00000|150.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC-1234"},
    {"trimmed and upper case", 136, kSplit, kNameTail, kColName, kTyped, "  r1 ", Cell_Message::None, "  r1 ",
     kSplit, Line_Bytes{'R', '1', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8},
     "VHF/UHF |145.00000|150.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|R1"},
    {"a character without a code keeps its place empty", 136, kSplit, kNameTail, kColName, kTyped,
     "\xC3\xA9" "1", Cell_Message::None, "\xC3\xA9" "1", kSplit,
     Line_Bytes{0xFF, '1', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8},
     "VHF/UHF |145.00000|150.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|\xC3\x89" "1"},
    {"emptied", 136, kSplit, kNameAbc, kColName, kTyped, "", Cell_Message::None, "", kSplit,
     With(kNameAbc, {{0, 0xFF}, {1, 0xFF}, {2, 0xFF}}), kSplitRow},
    {"row without a band drops the name", 136, kEmpty, kNameTail, kColName, kTyped, "abc", Cell_Message::None,
     "abc", kEmpty, kEmpty, kEmptyRow},
};

// The tone cells: an entry chosen from the list or a tone typed.
inline const Channel_Edit_Case kTone_Cases[] = {
    {"receive 88.5 chosen: transmit follows", 136, kSplit, kEmpty, kColRxTone, 9, "88.5", Cell_Message::None,
     "", With(kSplit, {{8, 0x75}, {9, 3}, {10, 0x75}, {11, 3}}), kEmpty,
     "VHF/UHF |145.00000|150.00000|88.5|88.5|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
    {"receive 67.0 chosen over 88.5: transmit follows", 136, kSplitLow, kNameAbc, kColRxTone, 1, "67.0",
     Cell_Message::None, "", With(kSplitLow, {{8, 0x9E}, {9, 0x02}, {10, 0x9E}, {11, 0x02}}), kNameAbc,
     "VHF/UHF |145.00000|150.00000|67.0|67.0|LOW|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
    {"transmit D754I chosen", 136, kSplit, kEmpty, kColTxTone, 260, "D754I", Cell_Message::None, "",
     With(kSplit, {{10, 210}}), kEmpty, "VHF/UHF |145.00000|150.00000|OFF|D754I|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
    {"typed D023N", 136, kSplit, kEmpty, kColRxTone, kTyped, "D023N", Cell_Message::None, "",
     With(kSplit, {{8, 1}, {10, 1}}), kEmpty,
     "VHF/UHF |145.00000|150.00000|D023N|D023N|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
    {"typed unlisted 255.5", 136, kSplit, kEmpty, kColTxTone, kTyped, "255.5", Cell_Message::None, "",
     With(kSplit, {{10, 0xFB}, {11, 0x09}}), kEmpty,
     "VHF/UHF |145.00000|150.00000|OFF|255.5|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
    {"typed 259.9, the highest tone", 136, kSplit, kEmpty, kColRxTone, kTyped, "259.9", Cell_Message::None, "",
     With(kSplit, {{8, 0x27}, {9, 0x0A}, {10, 0x27}, {11, 0x0A}}), kEmpty,
     "VHF/UHF |145.00000|150.00000|259.9|259.9|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
    {"typed 50: nothing", 136, kSplit, kEmpty, kColRxTone, kTyped, "50", Cell_Message::None, "", kSplit, kEmpty,
     kSplitRow},
    {"untouched transmit tone: nothing", 136, kSplit, kEmpty, kColTxTone, kTyped, "", Cell_Message::None, "",
     kSplit, kEmpty, kSplitRow},
    {"untouched receive tone over 88.5: nothing", 136, kSplitLow, kNameAbc, kColRxTone, kTyped, "",
     Cell_Message::None, "", kSplitLow, kNameAbc, kSplitLowRow},
};

}  // namespace chan_case
}  // namespace zv::test
