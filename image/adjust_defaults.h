// Factory alignment table (Adjust_Defaults): transmit power, squelch levels
// and compensation, modulation and drive settings, band limits with transmit
// permission, and the password line.
#pragma once

#include "image/radio_image.h"

namespace zv {

// Squelch opening-level rows and squelch compensation rows of the bands VHF,
// UHF0, UHF1 and UHF2 (bands A-D).
constexpr int Row_Sql_VHF = 8;
constexpr int Row_Sql_UHF0 = 10;
constexpr int Row_Sql_UHF1 = 12;
constexpr int Row_Sql_UHF2 = 14;
constexpr int Row_Sq_Offset_VHF = 9;
constexpr int Row_Sq_Offset_UHF0 = 11;
constexpr int Row_Sq_Offset_UHF1 = 13;
constexpr int Row_Sq_Offset_UHF2 = 15;

// Transmit power rows: high level of VHF, UHF0, UHF1, UHF2 in rows 0-3, low
// level in rows 4-7; column c is frequency point c.
constexpr int Row_Txp_High = 0;
constexpr int Row_Txp_Low = 4;
// Modulation, volume and drive levels: one list position per column 0-13.
constexpr int Row_Level = 16;
// Band limits of VHF, UHF0, UHF1, UHF2 in rows 24-27: columns 0-2 the lower
// and 3-5 the upper limit in MHz, one decimal digit each (hundreds first),
// column 7 transmit allowed (1) or not (0).
constexpr int Row_Band_Limit = 24;
constexpr int Col_Limit_Low = 0;
constexpr int Col_Limit_High = 3;
constexpr int Col_Tx_Allow = 7;

// Writes the factory values into lines 0-31, columns 0-15 of `defaults`
// (lines and cells without a factory value become 0); line 32 and column 16
// are not touched. Every call writes the same values.
void Load_Adjust_Defaults(Adjust_Table_Type &defaults);

// Copies lines 0-31, columns 0-15 of `defaults` into `table`, as the start-up
// and the alignment editor's Default do.
void Copy_Adjust_Defaults(const Adjust_Table_Type &defaults, Adjust_Table_Type &table);

}  // namespace zv
