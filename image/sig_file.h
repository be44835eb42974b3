// The signal file (".sig"): radio 0x2000-0x2FFF as text, 256 lines of 16
// whole numbers, line k holding radio 0x2000 + 16 k .. 0x2000 + 16 k + 15,
// each line ended by CR LF, every number in the compact form of the writers.
//
// The reader takes the first 4096 items of the file as one stream (the line
// layout is not checked) and ignores what follows them. Lines 64-95 are the
// 5-tone lines that go back into the image (standards, codes, settings):
// each of their items must be 0..255; every other item is a 16-bit value,
// -32768..32767. Reading is all or nothing: the buffer changes only when
// every item was good. Items and saving are the shared number-file code
// (image/number_file.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/number_file.h"

namespace zv {

constexpr int kSigFileLines = 256;
constexpr int kSigFileCols = 16;
constexpr int kSigFileItems = kSigFileLines * kSigFileCols;  // 4096
// The lines that hold image lines 576..607.
constexpr int kSigFileToneFirst = 64;
constexpr int kSigFileToneLast = 95;

// No signal file is larger than 1 MiB, and no item of one is longer than 20
// characters.
constexpr uint64_t kSigFileMaxBytes = 1u << 20;
constexpr size_t kSigFileMaxItemChars = 20;

// The file between reading and writing: [line][value].
using Sig_File_Buffer = std::array<std::array<int16_t, kSigFileCols>, kSigFileLines>;

// Whether item `index` (0-based) may hold value.
bool Sig_Item_In_Range(int index, long long value);

// The file's text in the compact form.
std::string Sig_File_Text(const Sig_File_Buffer &buf);

// Reads the items of text into the buffer; on any fault it is left exactly
// as it was.
Number_File_Result Parse_Sig_File(std::string_view text, Sig_File_Buffer &buf);

// Reads the file at path (all or nothing, as Parse_Sig_File).
Number_File_Result Read_Sig_File(const std::string &path, Sig_File_Buffer &buf);

// Writes the whole buffer to path in the compact form (Replace_File).
Number_File_Result Write_Sig_File(const std::string &path, const Sig_File_Buffer &buf);

}  // namespace zv
