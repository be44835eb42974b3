// Another program that wants the same serial port: opens a device with the
// real serial back end and says whether that worked.
//   port_probe PATH               exit 0 when the port opened, 1 when refused
//   port_probe PATH --hold        after a successful open prints "open" and
//                                 keeps the port until stdin ends
//   port_probe PATH --exclusive   a program that knows only TIOCEXCL: opens
//                                 the device plainly (no flock, no lock file),
//                                 sets exclusive mode, prints "open" and keeps
//                                 it until stdin ends
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/tty_serial_port.h"

namespace {

void Wait_For_End_Of_Input() {
  std::printf("open\n");
  std::fflush(stdout);
  char c;
  while (read(0, &c, 1) > 0) {
  }
}

}  // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) return 2;
  const bool hold = argc > 2 && std::strcmp(argv[2], "--hold") == 0;
  const bool exclusive = argc > 2 && std::strcmp(argv[2], "--exclusive") == 0;
  if (exclusive) {
    const int fd = ::open(argv[1], O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0 || ioctl(fd, TIOCEXCL) != 0) return 1;
    Wait_For_End_Of_Input();
    ioctl(fd, TIOCNXCL);
    ::close(fd);
    return 0;
  }
  zv::Tty_Serial_Port port;
  std::string error;
  if (!port.Open_Path(argv[1], &error)) {
    std::printf("refused: %s\n", error.c_str());
    return 1;
  }
  if (hold) Wait_For_End_Of_Input();
  port.Close();
  return 0;
}
