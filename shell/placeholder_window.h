// An empty window that stands in for a window not built yet: it carries the
// window's name as its title, so that every menu path opens something.
#pragma once

#include <QString>
#include <QWidget>

namespace zv {

class MDImain;

// A child window, centred in the main window's client area at half its
// size. Returns its QMdiSubWindow.
QWidget *Open_Placeholder_Child(MDImain &main, const QString &name);

}  // namespace zv
