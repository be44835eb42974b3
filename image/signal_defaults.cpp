#include "image/signal_defaults.h"

#include <cmath>

#include "image/factory_constants.h"

namespace zv {
namespace {

constexpr int kMaxWord = 65535;

bool Line_In_Image(int line) { return line >= 0 && line < Radio_Image_Table::kLines; }

void Put_Word(Radio_Image_Table &image, int line, int col, int value) {
  image(line, col) = static_cast<uint8_t>(value % 256);
  image(line, col + 1) = static_cast<uint8_t>(value / 256);
}

template <size_t N>
void Put_Row(Radio_Image_Table &image, int line, const uint8_t (&bytes)[N]) {
  for (size_t i = 0; i < N; ++i) image(line, static_cast<int>(i)) = bytes[i];
}

template <size_t N>
void Put_Row(Radio_Image_Table &image, int line, const std::array<uint8_t, N> &bytes) {
  for (size_t i = 0; i < N; ++i) image(line, static_cast<int>(i)) = bytes[i];
}

// DTMF area lines.
constexpr int kDtmfEncode1 = map::kDtmfLine;          // 656
constexpr int kDtmfEncode15 = map::kDtmfLine + 14;    // 670
constexpr int kDtmfTiming = map::kDtmfLine + 15;      // 671
constexpr int kDtmfRemoteFirst = map::kDtmfLine + 16; // 672-677
constexpr int kDtmfMasterId = map::kDtmfLine + 29;    // 685
constexpr int kDtmfViceId = map::kDtmfLine + 30;      // 686
constexpr int kDtmfControl = map::kDtmfLine + 31;     // 687
constexpr int kDtmfLast = map::kDtmfLine + 31;

// 2-tone area lines.
constexpr int kTone2Timing = map::kTone2Line + 15;   // 735
constexpr int kTone2Decode = map::kTone2Line + 16;   // 736-750, entry 1-15
constexpr int kTone2Reset = map::kTone2Line + 47;    // 767
constexpr int kTone2Last = map::kTone2Line + 47;

// 5-tone area lines.
constexpr int kTone5Encode1 = map::kTone5CodeLine;       // 592
constexpr int kTone5Encode15 = map::kTone5CodeLine + 14; // 606

}  // namespace

bool Set_Tone2_Pair(Radio_Image_Table &image, int block, int index, int32_t f1, int32_t f2) {
  const int line = block * 16 + index;
  if (!Line_In_Image(line)) return false;
  if (f1 < 0 || f1 > kMaxWord || f2 < 0 || f2 > kMaxWord) return false;
  Put_Word(image, line, 0, f1);
  Put_Word(image, line, 8, f2);
  return true;
}

bool Set_Tone2_Enc_Freq(Radio_Image_Table &image, int block, int index, int tone, int32_t f) {
  const int line = block * 16 + index;
  if (!Line_In_Image(line) || tone < 0 || tone > 1) return false;
  if (f < 0 || f > kMaxWord) return false;
  Put_Word(image, line, 8 * tone, f);
  return true;
}

bool Set_Tone2_Freq(Radio_Image_Table &image, double tone_tick_ms, int block, int row_offset,
                    int slot, int32_t f) {
  const int line = block * 16 + row_offset;
  if (!Line_In_Image(line) || slot < 0 || slot > 3) return false;
  if (f <= 0 || f > kMaxWord) return false;
  const double count = std::floor(((1.0 / f) * 1000.0) / tone_tick_ms + 0.5);
  // The negated test also refuses NaN from a tick of 0 or a negative tick.
  if (!(count >= 0.0 && count <= kMaxWord)) return false;
  const int c = 2 * slot;
  Put_Word(image, line, c, f);
  Put_Word(image, line, c + 8, static_cast<int>(count));
  return true;
}

void Load_Dtmf_Defaults(Radio_Image_Table &image) {
  image.Fill(map::kDtmfLine, kDtmfLast, 0, 15, 0xFF);
  Put_Row(image, kDtmfEncode1, {2, 10, 2, 10, 2});   // "20202"
  Put_Row(image, kDtmfEncode15, {3, 10, 3, 10, 3});  // "30303"
  Put_Row(image, kDtmfTiming, {3, 3});               // on and off 80 ms
  for (size_t i = 0; i < factory::kRemoteFunctionCodes.size(); ++i)
    Put_Row(image, kDtmfRemoteFirst + static_cast<int>(i), factory::kRemoteFunctionCodes[i]);
  Put_Row(image, kDtmfMasterId, factory::kMasterControlId);
  Put_Row(image, kDtmfViceId, factory::kViceControlId);
  // Control by ID on; master all five functions, vice Inspection and
  // Monitor; receive and transmit allowed; group "*", separator "#";
  // delay 500 ms; reset 16000 ms.
  Put_Row(image, kDtmfControl, {1, 31, 3, 0, 11, 12, 4, 159});
}

void Load_Tone2_Defaults(Radio_Image_Table &image, double tone_tick_ms) {
  image.Fill(map::kTone2Line, kTone2Last, 0, 15, 0xFF);

  struct Pair { int code; int32_t f1, f2; };
  constexpr Pair kPairs[] = {{1, 1981, 1124},  {2, 1358, 1446},  {3, 1540, 1640},
                             {12, 2200, 970},  {13, 1060, 1160}, {14, 1400, 1530},
                             {15, 1670, 1830}};
  for (const Pair &p : kPairs) Set_Tone2_Pair(image, kTone2EncodeBlock, p.code - 1, p.f1, p.f2);

  Put_Row(image, kTone2Timing, {60, 60, 30});  // 600 ms, 600 ms, 300 ms

  // Slots of (pair, response, alert number): A-B alert 1, B-C transpond 2,
  // C-D alert and transpond 3, D-A none 4; entry 15 in reverse order.
  constexpr uint8_t kForward[12] = {0, 1, 1, 4, 2, 2, 8, 3, 3, 9, 0, 4};
  constexpr uint8_t kReverse[12] = {9, 0, 4, 8, 3, 3, 4, 2, 2, 0, 1, 1};
  Put_Row(image, kTone2Decode + 0, kForward);
  Put_Row(image, kTone2Decode + 1, kForward);
  Put_Row(image, kTone2Decode + 13, kForward);
  Put_Row(image, kTone2Decode + 14, kReverse);

  struct Tones { int entry; int32_t f[4]; };
  constexpr Tones kTones[] = {{1, {1981, 1124, 1197, 1275}},
                              {2, {1358, 1446, 1540, 1640}},
                              {14, {2200, 970, 1060, 1160}},
                              {15, {1400, 1530, 1670, 1830}}};
  for (const Tones &t : kTones)
    for (int slot = 0; slot < 4; ++slot)
      Set_Tone2_Freq(image, tone_tick_ms, kTone2ToneBlock, t.entry - 1, slot, t.f[slot]);

  image(kTone2Reset, 0) = 59;  // 6000 ms
}

void Load_Tone5_Defaults(Tone5_Table_Set &tables, Radio_Image_Table &image) {
  Init_Tone5_Tables(tables, image);

  for (int s = 0; s < kTone5Standards; ++s) {
    const int line = map::kTone5StdLine + s;
    image(line, 0) = 5;   // 70 ms per tone
    image(line, 1) = 10;  // group tone A
    image(line, 2) = 14;  // repeat tone E
  }
  image(map::kTone5StdLine + 0, 0) = 8;   // CCIR1 100 ms
  image(map::kTone5StdLine + 9, 0) = 2;   // EEA 40 ms
  image(map::kTone5StdLine + 10, 0) = 1;  // EIA 30 ms
  image(map::kTone5StdLine + 11, 0) = 8;  // EURO 100 ms
  image(map::kTone5StdLine + 14, 0) = 2;  // MODAT 40 ms

  image.Fill(map::kTone5CodeLine, map::kTone5SetLine, 0, 15, 0xFF);
  Put_Row(image, kTone5Encode1, {1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9});
  image(kTone5Encode1, 15) = 0;    // CCIR1
  Put_Row(image, kTone5Encode15, {2, 3, 4, 5, 6, 4, 5, 6, 7, 8, 6, 7, 8, 9, 0});
  image(kTone5Encode15, 15) = 14;  // MODAT

  // Delays before frames 1-3 200 ms, no first-digit extension.
  Put_Row(image, map::kTone5SetLine, {20, 20, 20, 0});
  image(map::kTone5SetLine, 8) = 0;    // decode standard CCIR1
  image(map::kTone5SetLine, 9) = 1;    // call on frame 1
  image(map::kTone5SetLine, 10) = 6;   // display frames 2 and 3
  image(map::kTone5SetLine, 11) = 59;  // reset 6000 ms
}

}  // namespace zv
