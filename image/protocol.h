// Constants of the serial protocol shared by the program and the radio
// simulator.
#pragma once

#include <array>
#include <cstdint>

namespace zv {

// The opening command: the first frame of every exchange. The radio answers
// exactly this sequence with its 49-byte identification answer.
constexpr std::array<uint8_t, 8> kHandshake_Bytes = {0x02, 'Z', 'V', '4', '3', '1', '8', 'Q'};

constexpr uint8_t kAck = 0x06;
constexpr uint8_t kRead_Cmd = 0x53;   // 'S'
constexpr uint8_t kData_Mark = 0x58;  // 'X', write packets and read answers
constexpr uint8_t kEnd_Cmd = 0x45;    // 'E'
constexpr uint8_t kIdent_First = 0x01;
constexpr uint8_t kIdent_End = 0x55;
constexpr int kIdent_Len = 49;

// Wire time of one byte at 9600 baud, 8 data bits, no parity, 1 stop bit.
constexpr double kByte_Wire_Ms = 10.0 * 1000.0 / 9600.0;

}  // namespace zv
