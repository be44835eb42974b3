// Window geometry in twips, the unit of the window layouts: 1/1440 inch, and
// 15 twips to a pixel at the usual screen setting.
#pragma once

namespace zv {

constexpr int kTwipsPerPixel = 15;

constexpr int Twips_To_Px(double twips) {
  return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}
constexpr double Px_To_Twips(int px) { return static_cast<double>(px) * kTwipsPerPixel; }

}  // namespace zv
