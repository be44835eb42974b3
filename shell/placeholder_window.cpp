#include "shell/placeholder_window.h"

#include <QMdiSubWindow>

#include "platform/twips.h"
#include "shell/main_window.h"

namespace zv {

QWidget *Open_Placeholder_Child(MDImain &main, const QString &name) {
  auto *form = new QWidget;
  form->setObjectName(name);
  form->setWindowTitle(name);
  QMdiSubWindow *window = main.Add_Child(form);
  const double width = main.Scale_Width() / 2, height = main.Scale_Height() / 2;
  Place(window, (main.Scale_Width() - width) / 2, (main.Scale_Height() - height) / 2, width, height);
  window->show();
  return window;
}

}  // namespace zv
