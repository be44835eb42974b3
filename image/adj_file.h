// The alignment file (".adj"): the alignment table as text, one line per
// table row 0..31 (radio 0x3C00-0x3DFF, the password line 31 included) with
// the 16 cells of columns 0..15, each line ended by CR LF; no header, no row
// numbers, nothing after the 32nd line.
//
// The writer uses the compact form of the image file: every number is a
// blank, its digits and a blank. The reader takes the first 512 items of the
// file as one stream (any run of blanks, tabs, commas and line ends
// separates two items, so the line layout is not checked) and ignores what
// follows them. Every item must be a whole number 0..255: the cells are the
// radio's bytes, and rows 24-27 go back into the radio.
//
// Loading is all or nothing: the whole file is read and checked first, and
// the table changes only when every item was good. Items and saving are the
// shared number-file code (image/number_file.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/number_file.h"
#include "image/radio_image.h"

namespace zv {

constexpr int kAdjFileRows = kAdjustLines;  // 32
constexpr int kAdjFileCols = 16;
constexpr int kAdjFileItems = kAdjFileRows * kAdjFileCols;  // 512

// No alignment file is larger than 1 MiB (the widest layout, numbers in
// 14-character print zones, takes 7 232 bytes), and no item of one is longer
// than 20 characters.
constexpr uint64_t kAdjFileMaxBytes = 1u << 20;
constexpr size_t kAdjFileMaxItemChars = 20;

// The file's text in the compact form.
std::string Adj_File_Text(const Adjust_Table_Type &table);

// Reads the items of text into table rows 0..31, columns 0..15. On any fault
// the table is left exactly as it was.
Number_File_Result Parse_Adj_File(std::string_view text, Adjust_Table_Type &table);

// Reads the file at path (all or nothing, as Parse_Adj_File).
Number_File_Result Read_Adj_File(const std::string &path, Adjust_Table_Type &table);

// Writes rows 0..31 of the table to path in the compact form (Replace_File).
Number_File_Result Write_Adj_File(const std::string &path, const Adjust_Table_Type &table);

}  // namespace zv
