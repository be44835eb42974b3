#include "image/tone2_area.h"

#include <cmath>

#include "image/num_text.h"
#include "image/signal_defaults.h"

namespace zv::tone2 {
namespace {

constexpr const char *kPairTexts[12] = {"A-B", "A-C", "A-D", "B-A", "B-C", "B-D",
                                        "C-A", "C-B", "C-D", "D-A", "D-B", "D-C"};

int Word(const Radio_Image_Table &image, int line, int col) {
  return image(line, col) + 256 * image(line, col + 1);
}

bool Blank(std::string_view text) {
  std::string t(text);
  Trim_Blanks(t);
  return t.empty();
}

}  // namespace

std::string Pair_To_Text(int code) {
  if (code < 0 || code > 11) return {};
  return kPairTexts[code];
}

int Resp_Index(int code) {
  if (code >= 0 && code <= 3) return code;
  if (code == 255 || code < 0) return -1;
  return 0;
}

std::string Alert_To_Text(int alert) {
  if (alert < 0 || alert > 16) return {};
  return std::to_string(alert);
}

std::string Encode_Tone_Text(int hz) {
  if (hz < kLowHz || hz > kHighHz) return {};
  return std::to_string(hz) + ".0";
}

int Encode_Tone(const Radio_Image_Table &image, int code, int tone) {
  return Word(image, kEncodeLine + code - 1, 8 * tone);
}

std::string Decode_Tone_Text(const Radio_Image_Table &image, int entry, int slot) {
  const int line = kToneLine + entry;
  const int v = Word(image, line, 2 * slot);
  if (v == 0 || v == 0xFFFF) return {};
  return std::to_string(v) + ".0";
}

Decode_Kind Decode_Column_Kind(int col) {
  switch ((col - 1) % 3) {
    case 0: return Decode_Kind::Pair;
    case 1: return Decode_Kind::Response;
    default: return Decode_Kind::Alert;
  }
}

int Decode_Item_Count(Decode_Kind kind) {
  switch (kind) {
    case Decode_Kind::Pair: return 12;
    case Decode_Kind::Response: return 4;
    default: return 16;
  }
}

int Decode_Open_Item(Decode_Kind kind, int byte) {
  const int item = kind == Decode_Kind::Alert ? byte - 1 : byte;
  return item >= 0 && item < Decode_Item_Count(kind) ? item : -1;
}

int Decode_Choice_Byte(Decode_Kind kind, int item) {
  if (item < 0 || item >= Decode_Item_Count(kind)) return -1;
  return kind == Decode_Kind::Alert ? item + 1 : item;
}

double Round_Half_Even(double v) {
  const double low = std::floor(v);
  const double rest = v - low;
  if (rest > 0.5) return low + 1;
  if (rest < 0.5) return low;
  return std::fmod(low, 2.0) == 0 ? low : low + 1;
}

bool Commit_Decode_Tone(Radio_Image_Table &image, double tone_tick_ms, int entry, int slot,
                        std::string_view text) {
  // Tested as a double first, so that a pasted 11-digit number never
  // reaches an integer conversion.
  const double f = Round_Half_Even(Val(text));
  if (f >= kLowHz && f <= kHighHz &&
      Set_Tone2_Freq(image, tone_tick_ms, kTone2ToneBlock, entry, slot, static_cast<int32_t>(f)))
    return false;
  const int line = kToneLine + entry;
  for (int col : {2 * slot, 2 * slot + 1, 2 * slot + 8, 2 * slot + 9}) image(line, col) = 0xFF;
  return !Blank(text) && !(f >= kLowHz && f <= kHighHz);
}

bool Commit_Encode_Tone(Radio_Image_Table &image, int code, int tone, std::string_view text) {
  const double v = Val(text);
  const bool accepted = v >= kLowHz && v <= kHighHz;
  const int32_t f = accepted ? static_cast<int32_t>(std::floor(v + 0.5)) : 0;
  Set_Tone2_Enc_Freq(image, kTone2EncodeBlock, code - 1, tone, f);
  return !accepted && !Blank(text);
}

}  // namespace zv::tone2
