#include "image/symbol_codec.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "image/num_text.h"

namespace zv {

namespace {

// DTMF characters by code.
constexpr std::array<char, 16> kDtmfChars = {'D', '1', '2', '3', '4', '5', '6', '7',
                                            '8', '9', '0', '*', '#', 'A', 'B', 'C'};

constexpr std::array<const char *, 15> kTone5Std = {
    "CCIR1", "CCIR2", "PCCIR", "ZVEI1", "ZVEI2", "ZVEI3", "PZVEI", "DZVEI",
    "PDZVEI", "EEA", "EIA", "EURO", "CCITT", "NATEL", "MODAT"};

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool In_Msg_Set(int b) {
  return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || b == '+' || b == '-' || b == ' ';
}

}  // namespace

std::string Dtmf_Code_To_Char(int code) {
  if (code < 0 || code > 15) return "";
  return std::string(1, kDtmfChars[code]);
}

int Dtmf_Char_To_Code(std::string_view ch) {
  if (ch.size() != 1) return 255;
  char c = ch[0];
  if (c >= 'a' && c <= 'd') c = static_cast<char>(c - 'a' + 'A');
  for (int code = 0; code < 16; ++code)
    if (kDtmfChars[code] == c) return code;
  return 255;
}

int Tone5_Char_To_Code(std::string_view ch) {
  if (ch.size() != 1) return 255;
  const char c = ch[0];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 255;
}

std::string Tone5_Code_To_Char(int code) {
  if (code < 0 || code > 15) return "";
  return std::string(1, "0123456789ABCDEF"[code]);
}

std::string Tone5_Index_To_Std(int n) {
  if (n < 0 || n >= static_cast<int>(kTone5Std.size())) return "";
  return kTone5Std[n];
}

int Tone5_Std_To_Index(std::string &name) {
  Trim_Blanks(name);
  for (size_t n = 0; n < kTone5Std.size(); ++n)
    if (name == kTone5Std[n]) return static_cast<int>(n);
  return 255;
}

std::string Msg_Byte_To_Char(int b) {
  if (!In_Msg_Set(b)) return "";
  return std::string(1, static_cast<char>(b));
}

uint8_t Msg_Char_To_Byte(std::string_view ch) {
  if (ch.size() != 1) return kMsgNoChar;
  int c = static_cast<unsigned char>(ch[0]);
  if (c >= 'a' && c <= 'z') c = c - 'a' + 'A';
  return In_Msg_Set(c) ? static_cast<uint8_t>(c) : kMsgNoChar;
}

Code_Field Text_To_Code_Field(std::string_view text) {
  Code_Field codes;
  codes.fill(0xFF);
  const std::vector<std::string_view> chars = Split_Chars(Trimmed(text));
  for (size_t p = 0; p < chars.size() && p < codes.size(); ++p)
    codes[p] = static_cast<uint8_t>(Dtmf_Char_To_Code(chars[p]));
  return codes;
}

std::string Code_Field_To_Text(const Code_Field &codes) {
  std::string text;
  for (uint8_t code : codes) text += Dtmf_Code_To_Char(code);
  return text;
}

namespace detail {

void Centre_Display_Text(std::string_view text, uint8_t *out, size_t n) {
  for (size_t i = 0; i < n; ++i) out[i] = ' ';
  std::vector<std::string_view> chars = Split_Chars(Trimmed(text));
  if (chars.size() > n) chars.resize(n);
  const size_t margin = (n - chars.size()) / 2;
  // A blank inside the text is no display character of its own: it is
  // stored as the mark of a character outside the set.
  for (size_t p = 0; p < chars.size(); ++p)
    out[margin + p] = chars[p] == " " ? kMsgNoChar : Msg_Char_To_Byte(chars[p]);
}

std::string Display_Bytes_Text(const uint8_t *bytes, size_t n) {
  std::string text;
  for (size_t i = 0; i < n; ++i) text = std::string(Trimmed(text)) + Msg_Byte_To_Char(bytes[i]);
  return text;
}

}  // namespace detail

void Tone_To_Bytes(std::string_view tone_text, Radio_Image_Table &image, int line, int col) {
  if (col < 0 || col + 1 >= kImageDataCols) throw std::out_of_range("tone cells out of range");
  (void)image(line, col);  // a bad line throws here, before anything is written
  if (tone_text == "FF") {
    image(line, col) = 0xFF;
    image(line, col + 1) = 0xFF;
    return;
  }
  const double v = Val(tone_text);
  if (!(v > 0 && v < 255)) return;
  // Whole tenths, then split: the same bytes as high = Int(w / 256) and
  // low = w - 256 * high rounded, except that a low byte rounding up to 256
  // carries into the high byte.
  const double w = v * 10;
  const int tenths = static_cast<int>(std::nearbyint(w));  // 0..2550
  image(line, col) = static_cast<uint8_t>(tenths % 256);
  image(line, col + 1) = static_cast<uint8_t>(tenths / 256);
}

}  // namespace zv
