#include "platform/com_ports.h"

#include <cstdlib>

namespace zv {

std::string Default_Com_Port_Path(int n) {
  if (n >= 1 && n <= 4) return "/dev/ttyS" + std::to_string(n - 1);
  if (n >= 5 && n <= 10) return "/dev/ttyUSB" + std::to_string(n - 5);
  if (n >= 11 && n <= 12) return "/dev/ttyACM" + std::to_string(n - 11);
  return {};
}

std::string Com_Port_Variable(int n) { return "ZV_COM" + std::to_string(n); }

std::string Com_Port_Path(int n) {
  if (n < kFirstComPort || n > kLastComPort) return {};
  const char *over = std::getenv(Com_Port_Variable(n).c_str());
  if (over && *over) return over;
  return Default_Com_Port_Path(n);
}

}  // namespace zv
