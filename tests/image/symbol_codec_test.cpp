#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

#include "image/num_text.h"
#include "image/symbol_codec.h"
#include "image/tone_list.h"
#include "tests/image/codec_reference.h"

namespace zv {
namespace {

TEST(DtmfCodes, BothDirections) {
  struct Case { int code; const char *ch; };
  for (Case c : {Case{0, "D"}, Case{1, "1"}, Case{9, "9"}, Case{10, "0"}, Case{11, "*"},
                 Case{12, "#"}, Case{13, "A"}, Case{14, "B"}, Case{15, "C"}}) {
    EXPECT_EQ(Dtmf_Code_To_Char(c.code), c.ch);
    EXPECT_EQ(Dtmf_Char_To_Code(c.ch), c.code) << c.ch;
  }
  for (int code : {-1, 16, 255, 0x7FFFFFFF}) EXPECT_EQ(Dtmf_Code_To_Char(code), "") << code;
  struct Lower { const char *ch; int code; };
  for (Lower c : {Lower{"a", 13}, Lower{"b", 14}, Lower{"c", 15}, Lower{"d", 0}, Lower{"E", 255},
                  Lower{"e", 255}, Lower{"", 255}, Lower{"12", 255}, Lower{" ", 255}})
    EXPECT_EQ(Dtmf_Char_To_Code(c.ch), c.code) << c.ch;
}

TEST(Tone5Symbols, CodesAndStandardNames) {
  struct Case { const char *ch; int code; };
  for (Case c : {Case{"0", 0}, Case{"9", 9}, Case{"A", 10}, Case{"F", 15}, Case{"a", 10},
                 Case{"f", 15}, Case{"G", 255}, Case{"g", 255}, Case{"", 255}, Case{"10", 255}})
    EXPECT_EQ(Tone5_Char_To_Code(c.ch), c.code) << c.ch;
  // Code to character, and back for every symbol; no character for the
  // empty mark or anything beyond the symbols.
  struct Char_Case { int code; const char *ch; };
  for (Char_Case c : {Char_Case{0, "0"}, Char_Case{9, "9"}, Char_Case{10, "A"}, Char_Case{15, "F"},
                      Char_Case{16, ""}, Char_Case{255, ""}, Char_Case{-1, ""}})
    EXPECT_EQ(Tone5_Code_To_Char(c.code), c.ch) << c.code;
  for (int code = 0; code < 16; ++code) EXPECT_EQ(Tone5_Char_To_Code(Tone5_Code_To_Char(code)), code);

  const char *names[] = {"CCIR1", "CCIR2", "PCCIR", "ZVEI1", "ZVEI2", "ZVEI3", "PZVEI", "DZVEI",
                         "PDZVEI", "EEA", "EIA", "EURO", "CCITT", "NATEL", "MODAT"};
  for (int n = 0; n < 15; ++n) EXPECT_EQ(Tone5_Index_To_Std(n), names[n]);
  for (int n : {-1, 15, 255}) EXPECT_EQ(Tone5_Index_To_Std(n), "") << n;

  // Name to number: blanks trimmed (and left trimmed), case and the whole
  // name must match.
  struct Name_Case { const char *typed; int index; const char *trimmed; };
  for (Name_Case c : {Name_Case{"CCIR1", 0, "CCIR1"}, Name_Case{"  MODAT ", 14, "MODAT"},
                      Name_Case{"PDZVEI", 8, "PDZVEI"}, Name_Case{"ccir1", 255, "ccir1"},
                      Name_Case{"CCIR", 255, "CCIR"}, Name_Case{"EURO1", 255, "EURO1"},
                      Name_Case{"   ", 255, ""}, Name_Case{"", 255, ""}}) {
    std::string text = c.typed;
    EXPECT_EQ(Tone5_Std_To_Index(text), c.index) << c.typed;
    EXPECT_EQ(text, c.trimmed) << c.typed;
  }
  for (int n = 0; n < 15; ++n) {
    std::string name = Tone5_Index_To_Std(n);
    EXPECT_EQ(Tone5_Std_To_Index(name), n);
  }
}

TEST(DisplayCharacters, BothDirections) {
  struct Case { const char *ch; uint8_t byte; };
  for (Case c : {Case{"0", 48}, Case{"9", 57}, Case{"A", 65}, Case{"Z", 90}, Case{"q", 81},
                 Case{"a", 65}, Case{"z", 90}, Case{"+", 43}, Case{"-", 45}, Case{" ", 32},
                 Case{"!", 11}, Case{"", 11}, Case{"AB", 11}, Case{"\xC3", 11}})
    EXPECT_EQ(Msg_Char_To_Byte(c.ch), c.byte) << c.ch;

  EXPECT_EQ(Msg_Byte_To_Char(81), "Q");
  EXPECT_EQ(Msg_Byte_To_Char(32), " ");
  EXPECT_EQ(Msg_Byte_To_Char(43), "+");
  for (int b : {11, 97, 0, 255, -1, 256, 46}) EXPECT_EQ(Msg_Byte_To_Char(b), "") << b;
  // Every byte of the set decodes to the character that encodes to it.
  int in_set = 0;
  for (int b = 0; b < 256; ++b) {
    const std::string ch = Msg_Byte_To_Char(b);
    if (ch.empty()) continue;
    ++in_set;
    EXPECT_EQ(Msg_Char_To_Byte(ch), b);
  }
  EXPECT_EQ(in_set, 39);
}

TEST(ToneToBytes, WritesTheToneWordOrNothing) {
  struct Case { const char *text; bool written; uint8_t lo, hi; };
  const Case cases[] = {
      {"67.0", true, 0x9E, 0x02},  {"254.1", true, 0xED, 0x09}, {"100", true, 0xE8, 0x03},
      {"FF", true, 0xFF, 0xFF},    {" 88.5 Hz", true, 0x75, 0x03},
      // A low byte that rounds up to 256 carries into the high byte.
      {"25.59", true, 0x00, 0x01}, {"51.18", true, 0x00, 0x02},
      {"0", false, 0, 0},          {"300", false, 0, 0},        {"255", false, 0, 0},
      {"-67", false, 0, 0},        {"ff", false, 0, 0},         {"", false, 0, 0},
  };
  for (const Case &c : cases) {
    Radio_Image_Table image;
    image.Fill(3, 3, 0, 15, 0x5A);
    Tone_To_Bytes(c.text, image, 3, 10);
    EXPECT_EQ(image(3, 10), c.written ? c.lo : 0x5A) << c.text;
    EXPECT_EQ(image(3, 11), c.written ? c.hi : 0x5A) << c.text;
    EXPECT_EQ(image(3, 9), 0x5A);
    EXPECT_EQ(image(3, 12), 0x5A);
  }
  Radio_Image_Table image;
  for (int col : {-1, 15, 16}) {
    EXPECT_THROW(Tone_To_Bytes("67.0", image, 3, col), std::out_of_range) << col;
    EXPECT_EQ(image(3, 15), 0);
    EXPECT_EQ(image(3, 16), 0);
  }
}

TEST(ToneToBytes, EqualsTheTranscribedArithmeticUpToTheCarry) {
  // Every hundredth of a hertz from 0.01 to 254.99.
  for (int hundredths = 1; hundredths < 25500; ++hundredths) {
    const std::string text = Shortest_Text(hundredths / 100.0);
    const std::array<int, 2> ref = reference::Tone_To_Bytes(text);
    Radio_Image_Table image;
    Tone_To_Bytes(text, image, 0, 0);
    const std::array<int, 2> stored = {image(0, 0), image(0, 1)};
    if (ref[0] < 256) {
      ASSERT_EQ(stored, ref) << text;
    } else {
      ASSERT_EQ(stored, (std::array<int, 2>{ref[0] - 256, ref[1] + 1})) << text;
    }
  }
}

TEST(ToneToBytes, EveryListedToneGivesTheWordOfItsListPosition) {
  for (int p = kFirstCtcss; p <= kLastCtcss; ++p) {
    Radio_Image_Table image;
    Tone_To_Bytes(QtDqt_Names()[p], image, 0, 4);
    EXPECT_EQ(image(0, 4) + 256 * image(0, 5), Tone_Position_To_Word(p)) << p;
    EXPECT_EQ(Tone_Word_To_Position(image(0, 4), image(0, 5)), p);
  }
}

Code_Field Field(std::initializer_list<int> head) {
  Code_Field f;
  f.fill(0xFF);
  int p = 0;
  for (int b : head) f[p++] = static_cast<uint8_t>(b);
  return f;
}

TEST(CodeField, TextToCodesKeepsEachCharacterInItsPlace) {
  struct Case { const char *text; Code_Field codes; };
  const Case cases[] = {
      {"12X4", Field({1, 2, 0xFF, 4})},
      {"ab*#", Field({13, 14, 11, 12})},
      {"", Field({})},
      {"   ", Field({})},
      {"  809  ", Field({8, 10, 9})},                 // outer blanks are not stored
      {"1 2", Field({1, 0xFF, 2})},                   // an inner blank holds its place
      {"1\xC3\xA9" "2", Field({1, 0xFF, 2})},         // one place for a two-byte character
      {"dD0", Field({0, 0, 10})},
      {"12345678901234567890",                        // 20 characters: the first 16
       Field({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6})},
  };
  for (const Case &c : cases) EXPECT_EQ(Text_To_Code_Field(c.text), c.codes) << c.text;
}

TEST(CodeField, ShownTextIsClosedUpAndStoresBackClosedUp) {
  struct Case { Code_Field codes; const char *text; };
  const Case cases[] = {
      {Field({1, 0xFF, 2}), "12"},
      {Field({13, 14, 11, 12, 0, 10}), "AB*#D0"},
      {Field({}), ""},
      {Field({16, 5, 200, 254, 9}), "59"},  // bytes without a character add nothing
  };
  for (const Case &c : cases) {
    EXPECT_EQ(Code_Field_To_Text(c.codes), c.text);
    // Storing the shown text again gives the closed-up field.
    EXPECT_EQ(Code_Field_To_Text(Text_To_Code_Field(Code_Field_To_Text(c.codes))), c.text);
  }
  EXPECT_EQ(Text_To_Code_Field(Code_Field_To_Text(Field({1, 0xFF, 2}))), Field({1, 2}));
}

TEST(CentredDisplay, EightPlaces) {
  using A8 = std::array<uint8_t, 8>;
  struct Case { const char *text; A8 bytes; };
  const Case cases[] = {
      {"HI", {32, 32, 32, 72, 73, 32, 32, 32}},
      {"WELCOME", {87, 69, 76, 67, 79, 77, 69, 32}},
      {"abc", {32, 32, 65, 66, 67, 32, 32, 32}},
      {"A B", {32, 32, 65, 11, 66, 32, 32, 32}},    // an inner blank is no display character
      {"  A B  ", {32, 32, 65, 11, 66, 32, 32, 32}},  // outer blanks are not counted
      {"ABCDEFGHIJ", {65, 66, 67, 68, 69, 70, 71, 72}},  // 10 characters: the first 8
      {"", {32, 32, 32, 32, 32, 32, 32, 32}},
      {"!", {32, 32, 32, 11, 32, 32, 32, 32}},
      {"\xE4\xB8\xAD", {32, 32, 32, 11, 32, 32, 32, 32}},  // one character, not three
  };
  for (const Case &c : cases) EXPECT_EQ(Text_To_Centred_Display<8>(c.text), c.bytes) << c.text;
}

TEST(CentredDisplay, SixPlacesByLength) {
  using A6 = std::array<uint8_t, 6>;
  struct Case { const char *text; A6 bytes; };
  const Case cases[] = {
      {"", {32, 32, 32, 32, 32, 32}},        {"1", {32, 32, 49, 32, 32, 32}},
      {"12", {32, 32, 49, 50, 32, 32}},      {"123", {32, 49, 50, 51, 32, 32}},
      {"1234", {32, 49, 50, 51, 52, 32}},    {"12345", {49, 50, 51, 52, 53, 32}},
      {"123456", {49, 50, 51, 52, 53, 54}},  {"1234567", {49, 50, 51, 52, 53, 54}},
      {"a-+", {32, 65, 45, 43, 32, 32}},
  };
  for (const Case &c : cases) EXPECT_EQ(Text_To_Centred_Display<6>(c.text), c.bytes) << c.text;
}

TEST(CentredDisplay, ShownTextDropsLeadingAndInnerBlanksAndForeignBytes) {
  using A8 = std::array<uint8_t, 8>;
  using A6 = std::array<uint8_t, 6>;
  EXPECT_EQ(Display_To_Text(A8{65, 66, 32, 67, 68, 32, 32, 32}), "ABCD ");
  EXPECT_EQ(Display_To_Text(A8{32, 32, 32, 72, 73, 32, 32, 32}), "HI ");
  EXPECT_EQ(Display_To_Text(A8{32, 32, 65, 11, 66, 32, 32, 32}), "AB ");
  EXPECT_EQ(Display_To_Text(A8{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "");
  EXPECT_EQ(Display_To_Text(A6{32, 49, 50, 51, 52, 32}), "1234 ");
  EXPECT_EQ(Display_To_Text(A6{32, 32, 49, 50, 51, 52}), "1234");
  EXPECT_EQ(Display_To_Text(A6{97, 49, 0, 50, 255, 90}), "12Z");  // lower case is no display byte
  // Shown, then stored again: the half is centred anew.
  EXPECT_EQ(Text_To_Centred_Display<8>(Display_To_Text(A8{32, 32, 65, 11, 66, 32, 32, 32})),
            (A8{32, 32, 32, 65, 66, 32, 32, 32}));
}

}  // namespace
}  // namespace zv
