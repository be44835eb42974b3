#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace zv {

namespace {
Platform *g_installed = nullptr;
}

Platform &Current_Platform() {
  if (!g_installed) {
    std::fputs("no platform back end installed\n", stderr);
    std::abort();
  }
  return *g_installed;
}

void Set_Platform(Platform *platform) { g_installed = platform; }

}  // namespace zv
