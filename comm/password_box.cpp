#include "comm/password_box.h"

#include "image/shared_state.h"

namespace zv {

void Fill_Password_Codes(const QString &text, std::array<int, 17> &codes) {
  // Only blanks are trimmed: a tab or another space character is part of
  // the password.
  qsizetype from = 0, to = text.size();
  while (from < to && text.at(from) == u' ') ++from;
  while (to > from && text.at(to - 1) == u' ') --to;
  const QString t = text.mid(from, to - from);
  for (int i = 0; i < 6; ++i) codes[i] = 32;
  const int n = std::min<int>(static_cast<int>(t.size()), static_cast<int>(codes.size()));
  for (int i = 0; i < n; ++i) {
    const char16_t c = t.at(i).unicode();
    codes[i] = c <= 0xFF ? static_cast<int>(c) : '?';
  }
}

void Text_PassWord_Change(const QString &text) { Fill_Password_Codes(text, Shared().Entered_Password); }

namespace {
bool Six_Equal(const std::array<uint8_t, 17> &radio, int from, const std::array<int, 17> &typed) {
  for (int i = 0; i < 6; ++i)
    if (radio[from + i] != typed[i]) return false;
  return true;
}
bool Six_Of(const std::array<uint8_t, 17> &radio, uint8_t value) {
  for (int i = 0; i < 6; ++i)
    if (radio[i] != value) return false;
  return true;
}
}  // namespace

bool Password_Passes(const std::array<uint8_t, 17> &radio, const std::array<int, 17> &typed) {
  return Six_Of(radio, 0x20) || Six_Equal(radio, 0, typed) || Six_Equal(radio, 6, typed);
}

bool Old_Password_Passes(const std::array<uint8_t, 17> &radio, const std::array<int, 17> &old_password) {
  return Six_Of(radio, 0xFF) || Password_Passes(radio, old_password);
}

}  // namespace zv
