#include "image/fm_defaults.h"

#include <cstdint>
#include <optional>

#include "image/freq_codec.h"
#include "image/num_text.h"

namespace zv {
namespace {

struct Fm_Default {
  int preset;
  double freq_mhz;
  const char *name;
};
// In the order the presets are written.
constexpr Fm_Default kFmDefaults[] = {
    {0, 88.9, "VLNEW"},  {1, 90.4, "CCTV1"},   {3, 92.3, "JTZS2"},
    {5, 95.5, "VLBBC"},  {7, 96.9, "CCTV4"},   {9, 98.3, "RVQX"},
    {11, 103.9, "CCTV6"}, {13, 100.7, "DNZS3"}, {15, 105.9, "CCTV9"},
};

}  // namespace

bool Set_Fm_Freq(Radio_Image_Table &image, double freq_mhz, int preset) {
  if (preset < 0 || preset >= kFmPresets) return false;
  const std::optional<long long> units = Mhz_To_Freq_Units(freq_mhz);
  if (!units) return false;
  const Digit_Freq digits = *Units_To_Digit_Freq(*units);
  for (int c = 0; c < kDigitFreqLen; ++c) image(map::kFmLine + preset, c) = digits[c];
  return true;
}

bool Set_Fm_Name(Radio_Image_Table &image, std::string &name, int preset) {
  if (preset < 0 || preset >= kFmPresets) return false;
  Trim_Blanks(name);
  const int line = map::kFmLine + preset;
  for (size_t i = 0; i < name.size() && i < static_cast<size_t>(kFmNameMax); ++i)
    image(line, 8 + static_cast<int>(i)) = static_cast<uint8_t>(name[i]);
  return true;
}

void Load_Fm_Defaults(Radio_Image_Table &image) {
  for (int p = 0; p < kFmPresets; ++p) {
    image.Fill(map::kFmLine + p, map::kFmLine + p, 0, 7, 0);
    image.Fill(map::kFmLine + p, map::kFmLine + p, 8, 15, 0xFF);
  }
  for (const Fm_Default &d : kFmDefaults) Set_Fm_Freq(image, d.freq_mhz, d.preset);
  for (const Fm_Default &d : kFmDefaults) {
    std::string name = d.name;
    Set_Fm_Name(image, name, d.preset);
  }
}

}  // namespace zv
