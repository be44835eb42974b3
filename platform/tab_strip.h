// The tab strip of the windows with pages (TabStrip1): a tab bar that tells
// the window when the user chooses a tab. The window itself shows the page
// frame of the chosen tab and hides the others.
//
// - A left click on a tab selects it and then raises On_Click, also when the
//   tab was already selected (QTabBar::currentChanged alone would miss that).
// - A key or the wheel that selects another tab raises On_Click once too, so
//   the page shown always follows the selected tab.
// - Code that adds, removes or selects tabs never raises On_Click.
#pragma once

#include <QTabBar>
#include <functional>

namespace zv {

class Tab_Strip : public QTabBar {
 public:
  explicit Tab_Strip(QWidget *parent = nullptr);

  // The selected tab, numbered from 1; 0 while there is none.
  int Selected_Tab() const { return currentIndex() + 1; }

  std::function<void()> On_Click;

 protected:
  void mousePressEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;

 private:
  void Click();

  bool user_change_ = false;  // a key or the wheel is being handled
};

}  // namespace zv
