#include "image/adjust_defaults.h"

#include <cstdint>

#include "image/factory_constants.h"

namespace zv {
namespace {

constexpr int kCols = 16;

void Put_Row(Adjust_Table_Type &t, int row, const uint8_t (&values)[kCols]) {
  for (int c = 0; c < kCols; ++c) t(row, c) = values[c];
}

void Put_Same(Adjust_Table_Type &t, int row, uint8_t value) { t.Fill(row, row, 0, kCols - 1, value); }

// Transmit power per frequency point, high level then low level, bands
// VHF, UHF0, UHF1, UHF2.
constexpr uint8_t kPowerHigh[4] = {60, 50, 40, 63};
constexpr uint8_t kPowerLow[4] = {30, 20, 10, 15};

constexpr uint8_t kSqlVhf[kCols] = {38, 35, 36, 37, 38, 39, 41, 43, 45, 48, 48, 48, 48, 48, 48, 48};
constexpr uint8_t kSqlUhf[kCols] = {38, 31, 32, 33, 34, 35, 36, 37, 39, 41, 41, 41, 41, 41, 41, 41};
constexpr uint8_t kSqOffsetVhf[kCols] = {8, 8, 8, 5, 5, 5, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr uint8_t kSqOffsetUhf[kCols] = {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Voice, CTCSS and DCS modulation; wide and narrow receive volume coarse and
// fine; beep volume coarse and fine; drive of VHF, UHF0, UHF1, UHF2;
// signalling modulation.
constexpr uint8_t kModulation[kCols] = {60, 21, 16, 9, 15, 15, 15, 12, 12, 2, 2, 2, 3, 50, 0, 0};

// Band limits in MHz as three digits each (low, high), then transmit allowed
// in column 7.
constexpr uint8_t kBandVhf[kCols] = {1, 3, 0, 1, 7, 9, 0, 1};   // 130-179
constexpr uint8_t kBandUhf0[kCols] = {2, 0, 0, 2, 7, 0, 0, 1};  // 200-270
constexpr uint8_t kBandUhf1[kCols] = {4, 0, 0, 4, 8, 0, 0, 1};  // 400-480
constexpr uint8_t kBandUhf2[kCols] = {3, 5, 0, 3, 9, 0, 0, 1};  // 350-390

constexpr int kPasswordRow = map::kPasswordAdjLine;  // 31
constexpr int kPasswordLen = 6;

}  // namespace

void Load_Adjust_Defaults(Adjust_Table_Type &defaults) {
  defaults.Fill(0, kAdjustLines - 1, 0, kCols - 1, 0);

  for (int band = 0; band < 4; ++band) {
    Put_Same(defaults, Row_Txp_High + band, kPowerHigh[band]);
    Put_Same(defaults, Row_Txp_Low + band, kPowerLow[band]);
  }

  Put_Row(defaults, Row_Sql_VHF, kSqlVhf);
  Put_Row(defaults, Row_Sq_Offset_VHF, kSqOffsetVhf);
  for (int row : {Row_Sql_UHF0, Row_Sql_UHF1, Row_Sql_UHF2}) Put_Row(defaults, row, kSqlUhf);
  for (int row : {Row_Sq_Offset_UHF0, Row_Sq_Offset_UHF1, Row_Sq_Offset_UHF2})
    Put_Row(defaults, row, kSqOffsetUhf);

  Put_Row(defaults, Row_Level, kModulation);

  Put_Row(defaults, Row_Band_Limit + 0, kBandVhf);
  Put_Row(defaults, Row_Band_Limit + 1, kBandUhf0);
  Put_Row(defaults, Row_Band_Limit + 2, kBandUhf1);
  Put_Row(defaults, Row_Band_Limit + 3, kBandUhf2);

  for (int i = 0; i < kPasswordLen; ++i) {
    defaults(kPasswordRow, i) = static_cast<uint8_t>(factory::kDefaultUserPassword[i]);
    defaults(kPasswordRow, kPasswordLen + i) = static_cast<uint8_t>(factory::kDefaultSuperPassword[i]);
  }
}

void Copy_Adjust_Defaults(const Adjust_Table_Type &defaults, Adjust_Table_Type &table) {
  for (int r = 0; r < kAdjustLines; ++r)
    for (int c = 0; c < kCols; ++c) table(r, c) = defaults(r, c);
}

}  // namespace zv
