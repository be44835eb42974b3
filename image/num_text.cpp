#include "image/num_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace zv {

namespace {

bool Is_Blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double Val(std::string_view text) {
  // Gather the characters that belong to the number, blanks left out, into a
  // clean text that std::from_chars (locale-free) can read.
  std::string clean;
  size_t i = 0;
  const size_t n = text.size();
  auto skip_blanks = [&] {
    while (i < n && Is_Blank(text[i])) ++i;
  };

  skip_blanks();
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') clean += '-';
    ++i;
  }
  bool any_digit = false;
  bool point = false;
  for (;;) {
    skip_blanks();
    if (i >= n) break;
    char c = text[i];
    if (Is_Digit(c)) {
      clean += c;
      any_digit = true;
      ++i;
    } else if (c == '.' && !point) {
      clean += c;
      point = true;
      ++i;
    } else {
      break;
    }
  }
  if (!any_digit) return 0.0;

  double value = 0.0;
  const char *first = clean.data();
  const char *last = clean.data() + clean.size();
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
  if (ec != std::errc() || !std::isfinite(value)) return 0.0;
  (void)ptr;
  return value;
}

std::string Shortest_Text(double value) {
  if (!std::isfinite(value) || value == 0.0) return "0";

  // 15 significant digits in scientific form: d.dddddddddddddde±x.
  std::array<char, 64> buf{};
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                           std::chars_format::scientific, 14);
  if (res.ec != std::errc()) return "0";
  std::string sci(buf.data(), res.ptr);

  std::string out;
  size_t pos = 0;
  if (sci[0] == '-') {
    out += '-';
    pos = 1;
  }
  const size_t e_pos = sci.find('e');
  std::string digits;
  for (size_t k = pos; k < e_pos; ++k)
    if (sci[k] != '.') digits += sci[k];
  const int exponent = std::atoi(sci.c_str() + e_pos + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  // The first digit stands for 10^exponent.
  const int int_digits = exponent + 1;
  if (int_digits <= 0) {
    out += "0.";
    out.append(static_cast<size_t>(-int_digits), '0');
    out += digits;
  } else if (static_cast<size_t>(int_digits) >= digits.size()) {
    out += digits;
    out.append(static_cast<size_t>(int_digits) - digits.size(), '0');
  } else {
    out += digits.substr(0, static_cast<size_t>(int_digits));
    out += '.';
    out += digits.substr(static_cast<size_t>(int_digits));
  }
  return out;
}

std::vector<std::string_view> Split_Chars(std::string_view text) {
  std::vector<std::string_view> chars;
  size_t i = 0;
  while (i < text.size()) {
    size_t len = 1;
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xC0) {
      const size_t want = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
      while (len < want && i + len < text.size() &&
             (static_cast<unsigned char>(text[i + len]) & 0xC0) == 0x80)
        ++len;
    }
    chars.push_back(text.substr(i, len));
    i += len;
  }
  return chars;
}

std::string Upper_Char(std::string_view ch) {
  std::string out(ch);
  if (out.size() == 1 && out[0] >= 'a' && out[0] <= 'z') {
    out[0] = static_cast<char>(out[0] - 0x20);
  } else if (out.size() == 2 && static_cast<unsigned char>(out[0]) == 0xC3) {
    const auto b = static_cast<unsigned char>(out[1]);
    if (b >= 0xA0 && b <= 0xBE && b != 0xB7) out[1] = static_cast<char>(b - 0x20);
  }
  return out;
}

uint8_t Latin1_Code(std::string_view ch) {
  if (ch.size() == 1 && static_cast<unsigned char>(ch[0]) < 0x80) return static_cast<uint8_t>(ch[0]);
  if (ch.size() == 2) {
    const auto lead = static_cast<unsigned char>(ch[0]), next = static_cast<unsigned char>(ch[1]);
    if ((lead == 0xC2 || lead == 0xC3) && (next & 0xC0) == 0x80)
      return static_cast<uint8_t>(((lead & 0x03) << 6) | (next & 0x3F));
  }
  return '?';
}

void Trim_Blanks(std::string &text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace zv
