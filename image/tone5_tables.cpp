#include "image/tone5_tables.h"

namespace zv {
namespace {

// Symbol frequencies in tenths of Hz, symbols 0..F, standards in the order
// CCIR1, CCIR2, PCCIR, ZVEI1, ZVEI2, ZVEI3, PZVEI, DZVEI, PDZVEI, EEA, EIA,
// EURO, CCITT, NATEL, MODAT. Tenths keep 979.8 and 657.5 exact.
constexpr int kFreqTenths[kTone5Standards][kTone5Symbols] = {
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 24000, 9300, 22470, 9910, 21100, 10550},
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 24000, 9300, 22470, 9910, 21100, 10550},
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 10500, 9300, 24000, 9910, 21100, 0},
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 28000, 8100, 9700, 8850, 26000, 6800},
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 8850, 8100, 7400, 6800, 9700, 26000},
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8850, 0, 0, 0, 24000, 0},
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 9700, 8100, 28000, 8850, 26000, 6800},
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8250, 7400, 26000, 8850, 24000, 6800},
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8250, 8860, 26000, 8560, 24000, 0},
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 10550, 9300, 24000, 9910, 21100, 22470},
    {6000, 7410, 8820, 10230, 11640, 13050, 14460, 15870, 17280, 18690, 21510, 24330, 20100, 22920, 4590, 10910},
    {9798, 9031, 8325, 7674, 7074, 6520, 6010, 5540, 5107, 4708, 0, 0, 0, 0, 10629, 0},
    {4000, 6970, 7700, 8520, 9410, 12090, 13350, 14770, 16330, 18000, 19000, 20000, 21000, 22000, 23000, 0},
    {16330, 6310, 6970, 7700, 8520, 9410, 10400, 12090, 13360, 14770, 19950, 5710, 22050, 24370, 18050, 26940},
    {6575, 7875, 9375, 10875, 12375, 13875, 15375, 16875, 18375, 19875, 0, 0, 0, 0, 4875, 0},
};

// Ticks of the radio's tone timer per second, times ten (the frequencies
// are in tenths of Hz).
constexpr long long kTicksPerSecondX10 = 23040000;

std::string Freq_Text(int tenths) {
  std::string text = "   " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
  text.resize(11, ' ');
  return text;
}

// Period count of a symbol frequency in tenths of Hz: one less than the
// number of timer ticks per period, rounded up; 0 for a missing symbol.
int Tone5_Period_Count(int tenths) {
  if (tenths <= 0) return 0;
  // ceil(2304000 / f) - 1 in exact integer arithmetic: a whole quotient
  // (2400 Hz gives exactly 960) yields one less than itself.
  long long ceil_q = (kTicksPerSecondX10 + tenths - 1) / tenths;
  return static_cast<int>(ceil_q - 1);
}

}  // namespace

void Init_Tone5_Tables(Tone5_Table_Set &tables, Radio_Image_Table &image) {
  for (int s = 0; s < kTone5Standards; ++s) {
    for (int k = 0; k < kTone5Symbols; ++k) {
      const int tenths = kFreqTenths[s][k];
      const int whole_hz = tenths / 10;
      const int period = Tone5_Period_Count(tenths);
      tables.Tone5_Freq_Text[s][k] = Freq_Text(tenths);
      tables.Tone5_Freq_Lo[s][k] = static_cast<uint8_t>(whole_hz % 256);
      tables.Tone5_Freq_Hi[s][k] = static_cast<uint8_t>(whole_hz / 256);
      tables.Tone5_Period_Lo[s][k] = static_cast<uint8_t>(period % 256);
      tables.Tone5_Period_Hi[s][k] = static_cast<uint8_t>(period / 256);
    }
  }
  for (int s = 0; s < kTone5Standards; ++s) {
    for (int k = 0; k < kTone5Symbols; ++k) {
      image(map::kTone5FreqLoLine + s, k) = tables.Tone5_Freq_Lo[s][k];
      image(map::kTone5FreqHiLine + s, k) = tables.Tone5_Freq_Hi[s][k];
      image(map::kTone5PeriodLoLine + s, k) = tables.Tone5_Period_Lo[s][k];
      image(map::kTone5PeriodHiLine + s, k) = tables.Tone5_Period_Hi[s][k];
    }
  }
}

}  // namespace zv
