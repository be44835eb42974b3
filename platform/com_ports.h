// Serial port numbers COM1..COM12 on Linux.
//
// One fixed rule maps the numbers to devices, the USB adapters taking the
// higher numbers so that a probe from COM12 down finds a USB cable first:
//   COM1-COM4   /dev/ttyS0   .. /dev/ttyS3    (ports on the board)
//   COM5-COM10  /dev/ttyUSB0 .. /dev/ttyUSB5  (USB serial adapters)
//   COM11-COM12 /dev/ttyACM0 .. /dev/ttyACM1  (USB modem-class adapters)
// The environment variable ZV_COM<n> (ZV_COM1 .. ZV_COM12), when set and not
// empty, points COMn at another path instead: a udev link, a pseudo-terminal.
#pragma once

#include <string>

namespace zv {

constexpr int kFirstComPort = 1;
constexpr int kLastComPort = 12;

// The device path of COMn; empty when n is not 1..12.
std::string Com_Port_Path(int n);
// The rule alone, without the environment.
std::string Default_Com_Port_Path(int n);
// "ZV_COM<n>".
std::string Com_Port_Variable(int n);

}  // namespace zv
