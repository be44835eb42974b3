// The password boxes of the windows that read or write the radio, and the
// tests of a typed password against the radio's password block.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace zv {

// Character codes of a typed password: the text without leading and trailing
// blanks, codes 0-5 set to blanks (32) first, then one code per character
// from position 0. A blank inside the text is stored as 32; a character
// outside the 8-bit code page as '?'; characters beyond the 17th are dropped.
// Codes 6-16 not reached by the text keep their values (they are never
// compared).
void Fill_Password_Codes(const QString &text, std::array<int, 17> &codes);

// Change handler of every window's password box: fills the shared
// Entered_Password.
void Text_PassWord_Change(const QString &text);

// The password rule of the read and write exchanges: passes when the radio's
// user password (block bytes 0-5) is six blanks, or equals typed codes 0-5, or
// the super password (bytes 6-11) equals them.
bool Password_Passes(const std::array<uint8_t, 17> &radio, const std::array<int, 17> &typed);

// The password dialog's test of the old password: as Password_Passes, and a
// user password of six 0xFF bytes means none as well.
bool Old_Password_Passes(const std::array<uint8_t, 17> &radio, const std::array<int, 17> &old_password);

}  // namespace zv
