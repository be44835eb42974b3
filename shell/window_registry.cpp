#include "shell/window_registry.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "shell/main_window.h"

namespace zv {

void Window_Registry::Register(const QString &name, Window_Factory factory) {
  factories_.insert(name, std::move(factory));
}

QWidget *Window_Registry::Window(const QString &name) const {
  const auto it = windows_.constFind(name);
  if (it == windows_.constEnd()) return nullptr;
  QWidget *w = it.value().data();
  // A closed window is hidden at once and deleted a little later.
  if (!w || w->isHidden()) return nullptr;
  return w;
}

QWidget *Window_Registry::Form(const QString &name) const {
  QWidget *w = Window(name);
  if (auto *sub = qobject_cast<QMdiSubWindow *>(w)) return sub->widget();
  return w;
}

QWidget *Window_Registry::Open(const QString &name) {
  if (QWidget *w = Window(name)) return w;
  // A window whose load handler is still running (showing a message box,
  // say) counts as open.
  if (loading_.contains(name)) return nullptr;
  const auto it = factories_.constFind(name);
  if (it == factories_.constEnd()) return nullptr;
  const Window_Factory factory = it.value();
  loading_.insert(name);
  main_.Begin_Load();
  QWidget *w = factory(main_);
  loading_.remove(name);
  windows_.insert(name, QPointer<QWidget>(w));
  // The activation that showing the window brought runs now, after loading.
  main_.End_Load();
  return w;
}

QWidget *Window_Registry::Show(const QString &name) {
  QWidget *w = Window(name);
  if (!w) return Open(name);
  if (auto *sub = qobject_cast<QMdiSubWindow *>(w)) {
    if (QMdiArea *area = sub->mdiArea()) area->setActiveSubWindow(sub);
    sub->raise();
  } else {
    w->raise();
    w->activateWindow();
  }
  return w;
}

QWidget *Window_Registry::Reopen(const QString &name) {
  Close(name);
  return Open(name);
}

void Window_Registry::Close(const QString &name) {
  if (QWidget *w = Window(name)) w->close();
}

}  // namespace zv
