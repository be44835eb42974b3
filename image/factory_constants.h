// Factory values that the radio's defaults leave to this program: the DTMF
// remote-function codes, the control IDs and the two default passwords of
// the alignment table. Kept together here so that they are chosen once.
#pragma once

#include <array>
#include <cstdint>

namespace zv {
namespace factory {

// DTMF remote-function codes, three digits each, in the order of the DTMF
// area: Inspection, Monitor, Alarm, Stun, Kill, Revive. Only the digits 1-9
// are used, whose DTMF codes equal the digit.
constexpr std::array<std::array<uint8_t, 3>, 6> kRemoteFunctionCodes{{
    {1, 1, 1},  // Inspection "111"
    {2, 2, 2},  // Monitor    "222"
    {3, 3, 3},  // Alarm      "333"
    {4, 4, 4},  // Stun       "444"
    {5, 5, 5},  // Kill       "555"
    {6, 6, 6},  // Revive     "666"
}};

// DTMF control IDs, five digits each (codes equal the digits).
constexpr std::array<uint8_t, 5> kMasterControlId{1, 2, 3, 4, 5};  // "12345"
constexpr std::array<uint8_t, 5> kViceControlId{5, 4, 3, 2, 1};    // "54321"

// Passwords of the alignment table's password line: six ASCII digits each.
constexpr char kDefaultUserPassword[] = "123456";
constexpr char kDefaultSuperPassword[] = "888888";

}  // namespace factory
}  // namespace zv
