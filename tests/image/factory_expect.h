// Factory content of every area, written out by hand from the radio's
// documented default tables (not produced by the loaders under test). Each
// function returns the cells its loader names, with their values; cells it
// does not name are -1.
#pragma once

#include "support/random_image.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>

#include "image/factory_constants.h"
#include "image/radio_image.h"

namespace zv {
namespace expect {

struct Cells {
  std::array<std::array<int, 17>, 1025> v;
  Cells() { for (auto &line : v) line.fill(-1); }
  void Row(int line, int col, std::initializer_list<int> bytes) {
    for (int b : bytes) v[line][col++] = b;
  }
  void Fill(int first, int last, int col0, int col1, int value) {
    for (int l = first; l <= last; ++l)
      for (int c = col0; c <= col1; ++c) v[l][c] = value;
  }
  void Text(int line, int col, const std::string &text) {
    for (char ch : text) v[line][col++] = static_cast<unsigned char>(ch);
  }
  void Merge(const Cells &o) {
    for (int l = 0; l < 1025; ++l)
      for (int c = 0; c < 17; ++c)
        if (o.v[l][c] >= 0) v[l][c] = o.v[l][c];
  }
  bool Named(int line, int col) const { return v[line][col] >= 0; }
};

using test::Random_Image;

// ---- Channel records, lines 0-199 -------------------------------------------
inline Cells Channels() {
  Cells e;
  e.Fill(0, 199, 0, 15, 0xFF);
  struct Ch { int row; std::initializer_list<int> freq; std::initializer_list<int> tone; };
  const Ch chans[] = {
      {0, {0x00, 0x25, 0x50, 0x15}, {0x9E, 0x02}},
      {1, {0x00, 0x00, 0x61, 0x13}, {0xE8, 0x03}},
      {2, {0x00, 0x50, 0x39, 0x17}, {0xF9, 0x04}},
      {3, {0x00, 0x25, 0x00, 0x40}, {0xF3, 0x07}},
      {4, {0x00, 0x50, 0x99, 0x47}, {0xFF, 0xFF}},
      {5, {0x00, 0x00, 0x65, 0x43}, {0xC7, 0x09}},
      {6, {0x00, 0x00, 0x55, 0x15}, {0xD2, 0x00}},
      {199, {0x00, 0x25, 0x06, 0x48}, {0xFF, 0xFF}},
  };
  for (const Ch &ch : chans) {
    e.Row(ch.row, 0, ch.freq);
    e.Row(ch.row, 4, ch.freq);
    e.Row(ch.row, 8, ch.tone);
    e.Row(ch.row, 10, ch.tone);
    e.Row(ch.row, 12, {0x00, 0x00, 0x00, 0x04});
  }
  return e;
}

// ---- Option block, frequency-mode records, power-on texts, lines 224-251 -----
// The option bytes not named (58-131, 134-207) are left out; at start-up they
// are 0.
inline Cells Options() {
  Cells e;
  const int values[58] = {
      0, 3, 5, 0, 0, 3, 0, 0, 0, 1,    // offsets 0-9
      0, 0, 0, 0, 3, 0, 1, 0, 0, 0,    // 10-19
      0, 5, 0, 2, 0, 3, 0, 0, 1, 2,    // 20-29
      0, 0, 0, 1, 3, 5, 0, 1, 0, 4,    // 30-39
      0, 4, 2, 0, 0, 0, 0, 0, 0, 2,    // 40-49
      2, 0, 10, 1, 5, 0, 20, 1};       // 50-57
  auto at = [&e](int offset, int value) { e.v[224 + offset / 16][offset % 16] = value; };
  for (int k = 0; k < 58; ++k) at(k, values[k]);
  at(132, 0x1F);
  at(133, 1);
  e.Fill(237, 239, 0, 15, 0xFF);
  e.Row(237, 0, {0x08, 0x0A, 0x08, 0x0A, 0x08});  // ANI 8 0 8 0 8
  e.Row(238, 0, {0x01, 0x02, 0x03, 0x04, 0x05});  // PTT-ID start
  e.Row(239, 0, {0x09, 0x08, 0x07, 0x06, 0x05});  // PTT-ID end

  e.Row(240, 0, {1, 3, 6, 0, 2, 5, 0, 0, 0, 1, 0, 6, 5, 5, 0, 0});
  e.Row(241, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  e.Row(242, 0, {2, 4, 5, 6, 2, 5, 0, 0, 0, 0, 1, 6, 2, 5, 0, 0});
  e.Row(243, 0, {0, 0, 0, 0, 14, 0, 0, 0, 0, 0, 0, 0});
  e.Row(244, 0, {3, 5, 0, 0, 2, 5, 0, 0, 0, 1, 0, 6, 5, 5, 0, 0});
  e.Row(245, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  e.Row(246, 0, {4, 6, 0, 6, 2, 5, 0, 0, 0, 0, 1, 6, 2, 5, 0, 0});
  e.Row(247, 0, {0, 0, 0, 0, 14, 0, 0, 0, 0, 0, 0, 0});

  e.Text(248, 0, "                ");
  e.Text(249, 0, "WELCOME!        ");
  e.Text(250, 0, "                ");
  e.Text(251, 0, "        ZV-4310Q");
  return e;
}

// ---- FM presets, lines 768-783 ----------------------------------------------
inline Cells Fm() {
  Cells e;
  for (int p = 0; p < 16; ++p) {
    e.Fill(768 + p, 768 + p, 0, 7, 0);
    e.Fill(768 + p, 768 + p, 8, 15, 0xFF);
  }
  e.Row(768, 0, {0, 8, 8, 9, 0, 0, 0, 0});  e.Text(768, 8, "VLNEW");
  e.Row(769, 0, {0, 9, 0, 4, 0, 0, 0, 0});  e.Row(769, 8, {0x43, 0x43, 0x54, 0x56, 0x31});
  e.Row(771, 0, {0, 9, 2, 3, 0, 0, 0, 0});  e.Row(771, 8, {0x4A, 0x54, 0x5A, 0x53, 0x32});
  e.Row(773, 0, {0, 9, 5, 5, 0, 0, 0, 0});  e.Text(773, 8, "VLBBC");
  e.Row(775, 0, {0, 9, 6, 9, 0, 0, 0, 0});  e.Row(775, 8, {0x43, 0x43, 0x54, 0x56, 0x34});
  e.Row(777, 0, {0, 9, 8, 3, 0, 0, 0, 0});  e.Text(777, 8, "RVQX");
  e.Row(779, 0, {1, 0, 3, 9, 0, 0, 0, 0});  e.Row(779, 8, {0x43, 0x43, 0x54, 0x56, 0x36});
  e.Row(781, 0, {1, 0, 0, 7, 0, 0, 0, 0});  e.Row(781, 8, {0x44, 0x4E, 0x5A, 0x53, 0x33});
  e.Row(783, 0, {1, 0, 5, 9, 0, 0, 0, 0});  e.Row(783, 8, {0x43, 0x43, 0x54, 0x56, 0x39});
  return e;
}

// ---- DTMF, lines 656-687 ----------------------------------------------------
inline Cells Dtmf() {
  Cells e;
  e.Fill(656, 687, 0, 15, 0xFF);
  e.Row(656, 0, {2, 10, 2, 10, 2});  // 2 0 2 0 2
  e.Row(670, 0, {3, 10, 3, 10, 3});  // 3 0 3 0 3
  e.Row(671, 0, {3, 3});
  // The digits of the remote-function codes and IDs are this program's own
  // choice; their form (3 and 5 digits) is checked separately.
  for (int i = 0; i < 6; ++i)
    for (int d = 0; d < 3; ++d) e.v[672 + i][d] = factory::kRemoteFunctionCodes[i][d];
  for (int d = 0; d < 5; ++d) {
    e.v[685][d] = factory::kMasterControlId[d];
    e.v[686][d] = factory::kViceControlId[d];
  }
  e.Row(687, 0, {1, 31, 3, 0, 11, 12, 4, 159});
  return e;
}

// ---- 2-tone, lines 720-767 --------------------------------------------------
inline void Word(Cells &e, int line, int col, int value) { e.Row(line, col, {value & 0xFF, value >> 8}); }

inline Cells Tone2() {
  Cells e;
  e.Fill(720, 767, 0, 15, 0xFF);
  struct Pair { int code, f1, f2; };
  for (Pair p : {Pair{1, 1981, 1124}, Pair{2, 1358, 1446}, Pair{3, 1540, 1640}, Pair{12, 2200, 970},
                 Pair{13, 1060, 1160}, Pair{14, 1400, 1530}, Pair{15, 1670, 1830}}) {
    Word(e, 720 + p.code - 1, 0, p.f1);
    Word(e, 720 + p.code - 1, 8, p.f2);
  }
  e.Row(735, 0, {60, 60, 30});
  for (int line : {736, 737, 749}) e.Row(line, 0, {0, 1, 1, 4, 2, 2, 8, 3, 3, 9, 0, 4});
  e.Row(750, 0, {9, 0, 4, 8, 3, 3, 4, 2, 2, 0, 1, 1});
  struct Tone { int f, count; };
  struct Entry { int entry; Tone t[4]; };
  const Entry entries[] = {
      {1, {{1981, 1163}, {1124, 2050}, {1197, 1925}, {1275, 1807}}},
      {2, {{1358, 1697}, {1446, 1593}, {1540, 1496}, {1640, 1405}}},
      {14, {{2200, 1047}, {970, 2375}, {1060, 2174}, {1160, 1986}}},
      {15, {{1400, 1646}, {1530, 1506}, {1670, 1380}, {1830, 1259}}},
  };
  for (const Entry &en : entries)
    for (int k = 0; k < 4; ++k) {
      Word(e, 752 + en.entry - 1, 2 * k, en.t[k].f);
      Word(e, 752 + en.entry - 1, 2 * k + 8, en.t[k].count);
    }
  e.v[767][0] = 59;
  return e;
}

// ---- 5-tone, lines 512-607 --------------------------------------------------
// Symbol frequencies of the 15 standards, symbols 0-F, in Hz.
constexpr double kTone5Hz[15][16] = {
    {1981.0, 1124.0, 1197.0, 1275.0, 1358.0, 1446.0, 1540.0, 1640.0, 1747.0, 1860.0, 2400.0, 930.0, 2247.0, 991.0, 2110.0, 1055.0},  //  CCIR1 
    {1981.0, 1124.0, 1197.0, 1275.0, 1358.0, 1446.0, 1540.0, 1640.0, 1747.0, 1860.0, 2400.0, 930.0, 2247.0, 991.0, 2110.0, 1055.0},  //  CCIR2 
    {1981.0, 1124.0, 1197.0, 1275.0, 1358.0, 1446.0, 1540.0, 1640.0, 1747.0, 1860.0, 1050.0, 930.0, 2400.0, 991.0, 2110.0, 0.0},  //  PCCIR 
    {2400.0, 1060.0, 1160.0, 1270.0, 1400.0, 1530.0, 1670.0, 1830.0, 2000.0, 2200.0, 2800.0, 810.0, 970.0, 885.0, 2600.0, 680.0},  //  ZVEI1 
    {2400.0, 1060.0, 1160.0, 1270.0, 1400.0, 1530.0, 1670.0, 1830.0, 2000.0, 2200.0, 885.0, 810.0, 740.0, 680.0, 970.0, 2600.0},  //  ZVEI2 
    {2200.0, 970.0, 1060.0, 1160.0, 1270.0, 1400.0, 1530.0, 1670.0, 1830.0, 2000.0, 885.0, 0.0, 0.0, 0.0, 2400.0, 0.0},  //  ZVEI3 
    {2400.0, 1060.0, 1160.0, 1270.0, 1400.0, 1530.0, 1670.0, 1830.0, 2000.0, 2200.0, 970.0, 810.0, 2800.0, 885.0, 2600.0, 680.0},  //  PZVEI 
    {2200.0, 970.0, 1060.0, 1160.0, 1270.0, 1400.0, 1530.0, 1670.0, 1830.0, 2000.0, 825.0, 740.0, 2600.0, 885.0, 2400.0, 680.0},  //  DZVEI 
    {2200.0, 970.0, 1060.0, 1160.0, 1270.0, 1400.0, 1530.0, 1670.0, 1830.0, 2000.0, 825.0, 886.0, 2600.0, 856.0, 2400.0, 0.0},  //  PDZVEI 
    {1981.0, 1124.0, 1197.0, 1275.0, 1358.0, 1446.0, 1540.0, 1640.0, 1747.0, 1860.0, 1055.0, 930.0, 2400.0, 991.0, 2110.0, 2247.0},  //  EEA 
    {600.0, 741.0, 882.0, 1023.0, 1164.0, 1305.0, 1446.0, 1587.0, 1728.0, 1869.0, 2151.0, 2433.0, 2010.0, 2292.0, 459.0, 1091.0},  //  EIA 
    {979.8, 903.1, 832.5, 767.4, 707.4, 652.0, 601.0, 554.0, 510.7, 470.8, 0.0, 0.0, 0.0, 0.0, 1062.9, 0.0},  //  EURO 
    {400.0, 697.0, 770.0, 852.0, 941.0, 1209.0, 1335.0, 1477.0, 1633.0, 1800.0, 1900.0, 2000.0, 2100.0, 2200.0, 2300.0, 0.0},  //  CCITT 
    {1633.0, 631.0, 697.0, 770.0, 852.0, 941.0, 1040.0, 1209.0, 1336.0, 1477.0, 1995.0, 571.0, 2205.0, 2437.0, 1805.0, 2694.0},  //  NATEL 
    {657.5, 787.5, 937.5, 1087.5, 1237.5, 1387.5, 1537.5, 1687.5, 1837.5, 1987.5, 0.0, 0.0, 0.0, 0.0, 487.5, 0.0},  //  MODAT 
};

// Period count ceil(2304000 / f) - 1, 0 for a missing symbol. Computed here
// in floating point from the table above, independently of the loader's
// integer arithmetic; no frequency of the table gives a quotient that lies
// within rounding distance of a whole number except the whole ones.
inline int Period(double f) { return f == 0.0 ? 0 : static_cast<int>(std::ceil(2304000.0 / f)) - 1; }

inline Cells Tone5Tables() {
  Cells e;
  for (int s = 0; s < 15; ++s)
    for (int k = 0; k < 16; ++k) {
      const int hz = static_cast<int>(kTone5Hz[s][k]);
      const int p = Period(kTone5Hz[s][k]);
      e.v[512 + s][k] = hz & 0xFF;
      e.v[528 + s][k] = hz >> 8;
      e.v[544 + s][k] = p & 0xFF;
      e.v[560 + s][k] = p >> 8;
    }
  return e;
}

inline Cells Tone5() {
  Cells e = Tone5Tables();
  for (int s = 0; s < 15; ++s) e.Row(576 + s, 0, {5, 10, 14});
  e.v[576][0] = 8;   // CCIR1
  e.v[585][0] = 2;   // EEA
  e.v[586][0] = 1;   // EIA
  e.v[587][0] = 8;   // EURO
  e.v[590][0] = 2;   // MODAT
  e.Fill(592, 607, 0, 15, 0xFF);
  e.Row(592, 0, {1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9, 0});
  e.Row(606, 0, {2, 3, 4, 5, 6, 4, 5, 6, 7, 8, 6, 7, 8, 9, 0, 14});
  e.Row(607, 0, {20, 20, 20, 0});
  e.Row(607, 8, {0, 1, 6, 59});
  return e;
}

// ---- Alignment defaults, lines 0-31 -----------------------------------------
inline std::array<std::array<int, 16>, 32> Adjust() {
  std::array<std::array<int, 16>, 32> t{};
  const int same[8] = {60, 50, 40, 63, 30, 20, 10, 15};
  for (int r = 0; r < 8; ++r) t[r].fill(same[r]);
  t[8] = {38, 35, 36, 37, 38, 39, 41, 43, 45, 48, 48, 48, 48, 48, 48, 48};
  t[9] = {8, 8, 8, 5, 5, 5, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int r : {10, 12, 14}) t[r] = {38, 31, 32, 33, 34, 35, 36, 37, 39, 41, 41, 41, 41, 41, 41, 41};
  for (int r : {11, 13, 15}) t[r] = {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  t[16] = {60, 21, 16, 9, 15, 15, 15, 12, 12, 2, 2, 2, 3, 50, 0, 0};
  t[24] = {1, 3, 0, 1, 7, 9, 0, 1};
  t[25] = {2, 0, 0, 2, 7, 0, 0, 1};
  t[26] = {4, 0, 0, 4, 8, 0, 0, 1};
  t[27] = {3, 5, 0, 3, 9, 0, 0, 1};
  for (int i = 0; i < 6; ++i) {
    t[31][i] = factory::kDefaultUserPassword[i];
    t[31][6 + i] = factory::kDefaultSuperPassword[i];
  }
  return t;
}

}  // namespace expect
}  // namespace zv
