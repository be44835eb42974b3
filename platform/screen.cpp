#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>

namespace zv {

namespace {
std::optional<Screen_Px> g_override;
}

Screen_Px Screen_Size() {
  if (g_override) return *g_override;
  const QScreen *screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QSize size = screen->geometry().size();
  return {size.width(), size.height()};
}

void Set_Screen_Size_Override(const Screen_Px *size) {
  if (size)
    g_override = *size;
  else
    g_override.reset();
}

}  // namespace zv
