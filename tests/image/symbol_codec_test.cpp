#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zv
