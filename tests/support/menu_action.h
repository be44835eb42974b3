// Runs a main-window command the way a user gives it: "key:NAME" clicks the
// toolbar button with that key, any other text triggers the menu entry of
// that name.
#pragma once

#include <QAction>
#include <QString>

#include "shell/main_window.h"

namespace zv::test {

inline void Run_Command(MDImain &m, const char *what) {
  const QString text = QString::fromLatin1(what);
  if (text.startsWith(QStringLiteral("key:")))
    m.Toolbar1_ButtonClick(text.mid(4));
  else
    m.Menu(text)->trigger();
}

}  // namespace zv::test
