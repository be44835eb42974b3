// Window geometry in twips, the unit of the window layouts: 1/1440 inch, and
// 15 twips to a pixel at the usual screen setting.
#pragma once

class QWidget;

namespace zv {

constexpr int kTwipsPerPixel = 15;

constexpr int Twips_To_Px(double twips) {
  return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}
constexpr double Px_To_Twips(int px) { return static_cast<double>(px) * kTwipsPerPixel; }

// Sets a widget's position in its parent and its size, all in twips, each
// rounded to the nearest pixel. For a child window of the main window the
// position is in the main window's client area and the size is the outer
// size, frame and title included; for a control, the position is in its
// form's client area.
void Place(QWidget *widget, double left, double top, double width, double height);

// What every window opened by the main window reads of it when it loads, to
// size and centre itself: the main window's outer Width and Height and the
// inner ScaleWidth and ScaleHeight of its client area (where child windows
// lie), all in twips.
struct Main_Sizing {
  double Width = 0;
  double Height = 0;
  double Scale_Width = 0;
  double Scale_Height = 0;
};

}  // namespace zv
