#include "platform/tab_strip.h"

#include <QMouseEvent>
#include <QPointer>

namespace zv {

Tab_Strip::Tab_Strip(QWidget *parent) : QTabBar(parent) {
  connect(this, &QTabBar::currentChanged, this, [this](int index) {
    if (user_change_ && index >= 0) Click();
  });
}

void Tab_Strip::Click() {
  // A copy: the handler may replace its own function.
  if (const std::function<void()> handler = On_Click) handler();
}

void Tab_Strip::mousePressEvent(QMouseEvent *event) {
  const int index = event->button() == Qt::LeftButton ? tabAt(event->position().toPoint()) : -1;
  const QPointer<Tab_Strip> self(this);
  QTabBar::mousePressEvent(event);  // selects the tab
  if (self && index >= 0 && isTabEnabled(index)) Click();
}

void Tab_Strip::keyPressEvent(QKeyEvent *event) {
  const QPointer<Tab_Strip> self(this);
  user_change_ = true;
  QTabBar::keyPressEvent(event);
  if (self) user_change_ = false;
}

void Tab_Strip::wheelEvent(QWheelEvent *event) {
  const QPointer<Tab_Strip> self(this);
  user_change_ = true;
  QTabBar::wheelEvent(event);
  if (self) user_change_ = false;
}

}  // namespace zv
