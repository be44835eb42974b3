// The tab strip: which user actions tell the window that a tab was chosen,
// and which tab is then selected.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <vector>

#include "platform/tab_strip.h"

namespace zv {
namespace {

struct Tab_Window {
  Tab_Window() {
    strip = new Tab_Strip(&window);
    for (const char *caption : {"Encode", "Decode", "Limits"}) strip->addTab(QString::fromLatin1(caption));
    strip->setExpanding(false);
    strip->adjustSize();
    strip->resize(strip->width() + 200, strip->height());  // room beside the tabs
    window.resize(strip->width(), strip->height() + 50);
    strip->On_Click = [this] { chosen.push_back(strip->Selected_Tab()); };
    window.show();
    QApplication::setActiveWindow(&window);
    strip->setFocus();
  }
  // The middle of tab n (from 1).
  QPoint Tab_Point(int n) const { return strip->tabRect(n - 1).center(); }
  void Wheel(int delta) {
    const QPointF at = Tab_Point(1);
    QWheelEvent event(at, strip->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(strip, &event);
  }

  QWidget window;
  Tab_Strip *strip = nullptr;
  std::vector<int> chosen;
};

struct Tab_Case {
  const char *what;
  int selected_before;  // from 1
  std::function<void(Tab_Window &)> act;
  std::vector<int> expect_chosen;  // Selected_Tab() at each On_Click
  int expect_selected;
};

TEST(Tab_Strip, ClicksKeysAndWheelChooseCodeDoesNot) {
  const Tab_Case cases[] = {
      {"click on another tab", 1, [](Tab_Window &w) { QTest::mouseClick(w.strip, Qt::LeftButton, {}, w.Tab_Point(2)); },
       {2}, 2},
      {"click on the selected tab", 2,
       [](Tab_Window &w) { QTest::mouseClick(w.strip, Qt::LeftButton, {}, w.Tab_Point(2)); }, {2}, 2},
      {"right click on another tab", 1,
       [](Tab_Window &w) { QTest::mouseClick(w.strip, Qt::RightButton, {}, w.Tab_Point(3)); }, {}, 1},
      {"click beside the tabs", 1,
       [](Tab_Window &w) {
         QTest::mouseClick(w.strip, Qt::LeftButton, {}, QPoint(w.strip->width() - 2, w.Tab_Point(1).y()));
       },
       {}, 1},
      {"arrow to the next tab", 1, [](Tab_Window &w) { QTest::keyClick(w.strip, Qt::Key_Right); }, {2}, 2},
      {"arrow beyond the last tab", 3, [](Tab_Window &w) { QTest::keyClick(w.strip, Qt::Key_Right); }, {}, 3},
      {"wheel to the next tab", 1, [](Tab_Window &w) { w.Wheel(-120); }, {2}, 2},
      {"code selects a tab", 1, [](Tab_Window &w) { w.strip->setCurrentIndex(2); }, {}, 3},
      {"code removes the selected tab", 1, [](Tab_Window &w) { w.strip->removeTab(0); }, {}, 1},
      {"code adds a tab", 2, [](Tab_Window &w) { w.strip->addTab(QStringLiteral("More")); }, {}, 2},
  };
  for (const Tab_Case &c : cases) {
    SCOPED_TRACE(c.what);
    Tab_Window w;
    w.strip->setCurrentIndex(c.selected_before - 1);
    c.act(w);
    EXPECT_EQ(w.chosen, c.expect_chosen);
    EXPECT_EQ(w.strip->Selected_Tab(), c.expect_selected);
  }
}

TEST(Tab_Strip, AnEmptyStripHasNoSelectedTab) {
  Tab_Strip strip;
  EXPECT_EQ(strip.Selected_Tab(), 0);
}

}  // namespace
}  // namespace zv
