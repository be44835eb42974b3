// The pictures of the toolbar buttons and of the window icon, drawn in code.
#pragma once

#include <QIcon>
#include <QString>

namespace zv {

// The picture of the toolbar button with this key; a blank one for an
// unknown key.
QIcon Toolbar_Icon(const QString &key);
// The icon of the main window: a two-way radio.
QIcon Window_Icon();

}  // namespace zv
