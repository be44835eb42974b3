#include "platform/platform.h"

#include "platform/real_platform.h"

namespace zv {

namespace {
Platform *g_installed = nullptr;
}

Platform &Current_Platform() {
  if (!g_installed) {
    static Real_Platform real;
    return real;
  }
  return *g_installed;
}

void Set_Platform(Platform *platform) { g_installed = platform; }

}  // namespace zv
