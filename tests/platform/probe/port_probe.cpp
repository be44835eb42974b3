// Another program that wants the same serial port: opens a device with the
// real serial back end and says whether that worked.
//   port_probe PATH           exit 0 when the port opened, 1 when refused
//   port_probe PATH --hold    after a successful open prints "open" and keeps
//                             the port until stdin ends
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

#include "platform/tty_serial_port.h"

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) return 2;
  zv::Tty_Serial_Port port;
  std::string error;
  if (!port.Open_Path(argv[1], &error)) {
    std::printf("refused: %s\n", error.c_str());
    return 1;
  }
  if (argc > 2 && std::strcmp(argv[2], "--hold") == 0) {
    std::printf("open\n");
    std::fflush(stdout);
    char c;
    while (read(0, &c, 1) > 0) {
    }
  }
  port.Close();
  return 0;
}
