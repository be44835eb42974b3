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

// Writes the factory values into lines 0-31, columns 0-15 of `defaults`
// (lines and cells without a factory value become 0); line 32 and column 16
// are not touched. Every call writes the same values.
void Load_Adjust_Defaults(Adjust_Table_Type &defaults);

// Copies lines 0-31, columns 0-15 of `defaults` into `table`, as the start-up
// and the alignment editor's Default do.
void Copy_Adjust_Defaults(const Adjust_Table_Type &defaults, Adjust_Table_Type &table);

}  // namespace zv
