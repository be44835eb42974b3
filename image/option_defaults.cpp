#include "image/option_defaults.h"

namespace zv {
namespace {

// Factory values of option bytes 0-57 (byte k at offset k).
constexpr uint8_t kSettingDefaults[58] = {
    0, 3, 5, 0, 0, 3, 0, 0, 0, 1,      // 0-9: multi-watch off, squelch 5, time-out 60 s, key beep on
    0, 0, 0, 0, 3, 0, 1, 0, 0, 0,      // 10-19: DTMF side tone both, scan add on, resume by time
    0, 5, 0, 2, 0, 3, 0, 0, 1, 2,      // 20-29: PTT-ID delay 5, alarm and transpond, ring 3, displays
    0, 0, 0, 1, 3, 5, 0, 1, 0, 4,      // 30-39: English, no auto lock, colours
    0, 4, 2, 0, 0, 0, 0, 0, 0, 2,      // 40-49: colours, ANI length 5
    2, 0, 10, 1, 5, 0, 20, 1,          // 50-57: 1750 Hz, dual-watch return 10, DTMF gain 20
};
constexpr uint8_t kFlagsDefault = 0x1F;  // bits 0-4, among them VFO/MR and reset enable
constexpr int kOffset133 = 133;
constexpr uint8_t kOffset133Default = 1;

// DTMF codes of the factory ANI (8 0 8 0 8) and PTT-ID strings.
constexpr uint8_t kAniCodes[] = {8, 10, 8, 10, 8};
constexpr uint8_t kPttIdBotCodes[] = {1, 2, 3, 4, 5};
constexpr uint8_t kPttIdEotCodes[] = {9, 8, 7, 6, 5};

// Frequency-mode records of bands A-D: frequency digits, offset digits and
// the signal code byte of the second line (bands B and D: code 15).
struct Vfo_Default {
  uint8_t freq[8];
  uint8_t offset[6];
  uint8_t signal_code;
};
constexpr Vfo_Default kVfoDefaults[4] = {
    {{1, 3, 6, 0, 2, 5, 0, 0}, {0, 1, 0, 6, 5, 5}, 0},   // A 136.02500 MHz, shift 10.655 MHz
    {{2, 4, 5, 6, 2, 5, 0, 0}, {0, 0, 1, 6, 2, 5}, 14},  // B 245.62500 MHz, shift 1.625 MHz
    {{3, 5, 0, 0, 2, 5, 0, 0}, {0, 1, 0, 6, 5, 5}, 0},   // C 350.02500 MHz
    {{4, 6, 0, 6, 2, 5, 0, 0}, {0, 0, 1, 6, 2, 5}, 14},  // D 460.62500 MHz
};

// Power-on text lines 1-4, 16 characters each.
constexpr const char *kPonTexts[4] = {
    "                ",
    "WELCOME!        ",
    "                ",
    "        ZV-4310Q",
};

template <size_t N>
void Put_Codes(std::array<uint8_t, 513> &opt_block, int offset, const uint8_t (&codes)[N]) {
  for (size_t i = 0; i < N; ++i) opt_block[offset + i] = codes[i];
}

}  // namespace

void Load_Option_Defaults(std::array<uint8_t, 513> &opt_block, Radio_Image_Table &image) {
  for (int k = 0; k < 58; ++k) opt_block[k] = kSettingDefaults[k];
  opt_block[Opt_Addr_Flags] = kFlagsDefault;
  opt_block[kOffset133] = kOffset133Default;

  for (int i = Opt_Addr_Ani; i < kOptionBytes; ++i) opt_block[i] = 0xFF;
  Put_Codes(opt_block, Opt_Addr_Ani, kAniCodes);
  Put_Codes(opt_block, Opt_Addr_PttId_Bot, kPttIdBotCodes);
  Put_Codes(opt_block, Opt_Addr_PttId_Eot, kPttIdEotCodes);

  for (int i = 0; i < kOptionBytes; ++i)
    image(map::kOptionLine + i / 16, i % 16) = opt_block[i];

  for (int band = 0; band < 4; ++band) {
    const Vfo_Default &v = kVfoDefaults[band];
    const int first = map::kVfoLine + 2 * band;
    for (int c = 0; c < 8; ++c) image(first, c) = v.freq[c];
    for (int c = 0; c < 6; ++c) image(first, 8 + c) = v.offset[c];
    image(first, 14) = 0;
    image(first, 15) = 0;
    for (int c = 0; c < 12; ++c) image(first + 1, c) = 0;
    image(first + 1, 4) = v.signal_code;
  }

  for (int line = 0; line < 4; ++line)
    for (int c = 0; c < 16; ++c)
      image(map::kPonMsgLine + line, c) = static_cast<uint8_t>(kPonTexts[line][c]);
}

}  // namespace zv
