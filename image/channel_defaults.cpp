#include "image/channel_defaults.h"

#include <string>

#include "image/freq_codec.h"
#include "image/symbol_codec.h"

namespace zv {
namespace {

constexpr int kChannelLines = 200;

struct Preset {
  int line;
  const char *freq_mhz;  // receive = transmit; on the 2.5 kHz grid
  const char *ctcss_hz;  // nullptr: no CTCSS tone
};
// In the order they are written. Channel 6 carries a DCS code instead.
constexpr Preset kPresets[] = {
    {0, "155.025", "67.0"},  {1, "136.100", "100.0"}, {2, "173.950", "127.3"},
    {3, "400.025", "203.5"}, {4, "479.950", nullptr}, {5, "436.500", "250.3"},
    {6, "155.500", nullptr}, {199, "480.625", nullptr},
};
constexpr int kDcsLine = 6;
constexpr uint8_t kDcsWordLow = 210;  // tone-list entry 260, "D754I"

}  // namespace

void Load_Channel_Defaults(Radio_Image_Table &image) {
  image.Fill(map::kChanRecordLine, map::kChanRecordLine + kChannelLines - 1, 0, 15, 0xFF);

  // Template of a preset: frequencies 0, tones off (0xFFFF), signal code 1,
  // no optional signalling, squelch QT, high power, scrambler off, PTT-ID
  // off, scan add on, busy lock-out off, wide.
  for (const Preset &p : kPresets) {
    image.Fill(p.line, p.line, 0, 7, 0);
    image.Fill(p.line, p.line, 8, 11, 0xFF);
    image.Fill(p.line, p.line, 12, 14, 0);
    image(p.line, 15) = 0x04;
  }

  for (const Preset &p : kPresets) {
    std::string rx = p.freq_mhz;
    Freq_To_Bcd(rx, image, p.line, 0);
    std::string tx = p.freq_mhz;
    Freq_To_Bcd(tx, image, p.line, 4);
    if (p.ctcss_hz) {
      Tone_To_Bytes(p.ctcss_hz, image, p.line, 8);
      Tone_To_Bytes(p.ctcss_hz, image, p.line, 10);
    }
    if (p.line == kDcsLine) {
      image(p.line, 8) = kDcsWordLow;
      image(p.line, 9) = 0;
      image(p.line, 10) = kDcsWordLow;
      image(p.line, 11) = 0;
    }
  }
}

}  // namespace zv
