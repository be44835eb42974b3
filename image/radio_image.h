// The radio image: the PC-side copy of the radio's memory, and the alignment
// tables that hold the radio's alignment area apart from it.
//
// Line n, column c of the image is the radio byte at address 16*n + c. The
// shape keeps a 17th column and, for the alignment tables, a 33rd line that
// nothing uses, so that line and column numbers read the same everywhere.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

namespace zv {

// A table of byte cells addressed by line and column. Reading and writing a
// cell checks its line and column; a value coming from an int goes through
// Set_Checked, which refuses anything outside 0..255.
template <int Lines, int Cols>
class Byte_Table {
 public:
  static constexpr int kLines = Lines;
  static constexpr int kCols = Cols;

  uint8_t &operator()(int line, int col) { return cells_[Index(line, col)]; }
  uint8_t operator()(int line, int col) const { return cells_[Index(line, col)]; }

  // Stores value when it is a byte value; returns false and leaves the cell
  // unchanged otherwise.
  bool Set_Checked(int line, int col, long long value) {
    uint8_t &cell = (*this)(line, col);
    if (value < 0 || value > 255) return false;
    cell = static_cast<uint8_t>(value);
    return true;
  }

  // Sets lines [first, last] columns [firstCol, lastCol] to value.
  void Fill(int first, int last, int firstCol, int lastCol, uint8_t value) {
    for (int l = first; l <= last; ++l)
      for (int c = firstCol; c <= lastCol; ++c) (*this)(l, c) = value;
  }

  bool operator==(const Byte_Table &o) const { return cells_ == o.cells_; }
  bool operator!=(const Byte_Table &o) const { return cells_ != o.cells_; }

 private:
  static int Index(int line, int col) {
    if (line < 0 || line >= Lines || col < 0 || col >= Cols)
      throw std::out_of_range("image cell out of range");
    return line * Cols + col;
  }
  std::array<uint8_t, Lines * Cols> cells_{};
};

// 1025 lines x 17 columns; columns 0-15 of lines 0-1023 are radio 0x0000-0x3FFF,
// line 1024 has no radio address, column 16 is never used.
using Radio_Image_Table = Byte_Table<1025, 17>;
// 33 lines x 17 columns; columns 0-15 of lines 0-31 are radio 0x3C00-0x3DFF.
using Adjust_Table_Type = Byte_Table<33, 17>;

constexpr int kImageLines = 1025;     // lines 0..1024
constexpr int kImageDataCols = 16;    // columns 0..15 carry data
constexpr int kAdjustLines = 32;      // lines 0..31 carry data

// Radio address <-> image position.
constexpr int Addr_Line(int addr) { return addr / 16; }
constexpr int Addr_Col(int addr) { return addr % 16; }

// Memory map: first image line of each area (radio address / 16).
namespace map {
constexpr int kChanRecordLine = 0x0000 / 16;   // 200 channel records, lines 0-199
constexpr int kOptionLine = 0x0E00 / 16;       // option block, lines 224-239
constexpr int kVfoLine = 0x0F00 / 16;          // frequency-mode records A-D, 240-247
constexpr int kPonMsgLine = 0x0F80 / 16;       // power-on texts, 248-251
constexpr int kChanNameLine = 0x1000 / 16;     // channel names, 256-455
constexpr int kTone5FreqLoLine = 0x2000 / 16;  // 5-tone tables, 512-574
constexpr int kTone5FreqHiLine = 0x2100 / 16;
constexpr int kTone5PeriodLoLine = 0x2200 / 16;
constexpr int kTone5PeriodHiLine = 0x2300 / 16;
constexpr int kTone5StdLine = 0x2400 / 16;     // 5-tone standards 576-590
constexpr int kTone5CodeLine = 0x2500 / 16;    // 5-tone encode codes 592-606
constexpr int kTone5SetLine = 0x25F0 / 16;     // 5-tone settings 607
constexpr int kDtmfLine = 0x2900 / 16;         // DTMF data 656-687
constexpr int kTone2Line = 0x2D00 / 16;        // 2-tone data 720-767
constexpr int kFmLine = 0x3000 / 16;           // FM presets 768-783
constexpr int kAdjustBase = 0x3C00;            // alignment area, in Adjust_Table
constexpr int kPasswordAddr = 0x3DF0;          // Password_Block, Adjust_Table line 31
constexpr int kPasswordAdjLine = 31;
constexpr int kLastLine = 1024;                // no radio address
}  // namespace map

}  // namespace zv
