// The 2-tone area's display texts and the commits of its two typed tone
// fields, on plain images: what each text stores, and that nothing else of
// the image moves.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "image/signal_defaults.h"
#include "image/tone2_area.h"
#include "support/random_image.h"

namespace zv::tone2 {
namespace {

constexpr double kTick = 0.000434028;

struct Byte_At {
  int line, col, value;
};

// Every listed cell holds its value; every other cell what `before` held.
void Expect_Only(const Radio_Image_Table &before, const Radio_Image_Table &after, const std::vector<Byte_At> &cells,
                 const std::string &what) {
  auto want = std::make_unique<Radio_Image_Table>(before);
  for (const Byte_At &b : cells) (*want)(b.line, b.col) = static_cast<uint8_t>(b.value);
  for (int l = 0; l < Radio_Image_Table::kLines; ++l)
    for (int c = 0; c < Radio_Image_Table::kCols; ++c)
      EXPECT_EQ(after(l, c), (*want)(l, c)) << what << ": line " << l << " col " << c;
}

TEST(Tone2Display, DecodeGridTexts) {
  const std::vector<std::string> pairs = {"A-B", "A-C", "A-D", "B-A", "B-C", "B-D",
                                          "C-A", "C-B", "C-D", "D-A", "D-B", "D-C"};
  for (int code = 0; code < 12; ++code) EXPECT_EQ(Pair_To_Text(code), pairs[code]) << code;
  EXPECT_EQ(Pair_To_Text(12), "");
  EXPECT_EQ(Pair_To_Text(255), "");

  struct Resp { int byte, index; };
  for (Resp r : {Resp{0, 0}, Resp{1, 1}, Resp{2, 2}, Resp{3, 3}, Resp{7, 0}, Resp{254, 0}, Resp{255, -1}})
    EXPECT_EQ(Resp_Index(r.byte), r.index) << r.byte;

  struct Alert { int byte; const char *text; };
  for (Alert a : {Alert{0, "0"}, Alert{1, "1"}, Alert{16, "16"}, Alert{17, ""}, Alert{255, ""}})
    EXPECT_EQ(Alert_To_Text(a.byte), a.text) << a.byte;
}

TEST(Tone2Display, ToneTexts) {
  struct Enc { int hz; const char *text; };
  for (Enc e : {Enc{0, ""}, Enc{299, ""}, Enc{300, "300.0"}, Enc{1124, "1124.0"}, Enc{3000, "3000.0"},
                Enc{3001, ""}, Enc{0xFFFF, ""}})
    EXPECT_EQ(Encode_Tone_Text(e.hz), e.text) << e.hz;

  // The decode boxes show any stored value but 0 and FF FF.
  struct Dec { int lo, hi; const char *text; };
  for (Dec d : {Dec{0, 0, ""}, Dec{0xFF, 0xFF, ""}, Dec{0xB0, 0x04, "1200.0"}, Dec{0x88, 0x13, "5000.0"},
                Dec{0x05, 0x00, "5.0"}, Dec{0xFF, 0x00, "255.0"}}) {
    auto image = std::make_unique<Radio_Image_Table>();
    (*image)(kToneLine + 6, 4) = static_cast<uint8_t>(d.lo);
    (*image)(kToneLine + 6, 5) = static_cast<uint8_t>(d.hi);
    EXPECT_EQ(Decode_Tone_Text(*image, 6, 2), d.text) << d.lo << " " << d.hi;
  }
}

TEST(Tone2Display, DecodeListItemsAndChoices) {
  struct Col { int col; Decode_Kind kind; int pair_col; };
  for (Col c : {Col{1, Decode_Kind::Pair, 1}, Col{2, Decode_Kind::Response, 1}, Col{3, Decode_Kind::Alert, 1},
                Col{7, Decode_Kind::Pair, 7}, Col{11, Decode_Kind::Response, 10}, Col{12, Decode_Kind::Alert, 10}}) {
    EXPECT_EQ(Decode_Column_Kind(c.col), c.kind) << c.col;
    EXPECT_EQ(Pair_Column(c.col), c.pair_col) << c.col;
  }
  // The list opens on the stored byte's item, or on none.
  struct Open { Decode_Kind kind; int byte, item; };
  for (Open o : {Open{Decode_Kind::Pair, 0, 0}, Open{Decode_Kind::Pair, 11, 11}, Open{Decode_Kind::Pair, 12, -1},
                 Open{Decode_Kind::Pair, 255, -1}, Open{Decode_Kind::Response, 3, 3},
                 Open{Decode_Kind::Response, 4, -1}, Open{Decode_Kind::Alert, 0, -1}, Open{Decode_Kind::Alert, 1, 0},
                 Open{Decode_Kind::Alert, 16, 15}, Open{Decode_Kind::Alert, 17, -1}})
    EXPECT_EQ(Decode_Open_Item(o.kind, o.byte), o.item) << o.byte;
  // A choice stores the position, for alerts the number.
  EXPECT_EQ(Decode_Choice_Byte(Decode_Kind::Pair, 8), 8);
  EXPECT_EQ(Decode_Choice_Byte(Decode_Kind::Response, 3), 3);
  EXPECT_EQ(Decode_Choice_Byte(Decode_Kind::Alert, 0), 1);
  EXPECT_EQ(Decode_Choice_Byte(Decode_Kind::Alert, 15), 16);
  EXPECT_EQ(Decode_Choice_Byte(Decode_Kind::Alert, 16), -1);
  EXPECT_EQ(Decode_Choice_Byte(Decode_Kind::Response, -1), -1);
}

TEST(Tone2Commit, DecodeBoxRoundsHalfToEvenAndTestsTheRoundedValue) {
  struct Case {
    const char *text;
    int stored;  // Hz, -1: the tone's four bytes cleared
    bool message;
  };
  const Case cases[] = {
      {"1000", 1000, false},   {"3000.4", 3000, false}, {"3000.5", 3000, false}, {"3000.6", -1, true},
      {"299.5", 300, false},   {"300.5", 300, false},   {"1980.5", 1980, false}, {"250", -1, true},
      {"", -1, false},         {"   ", -1, false},      {"99999999999", -1, true}, {"1.2.3", -1, true},
  };
  for (const Case &c : cases) {
    auto image = std::make_unique<Radio_Image_Table>(test::Random_Image(3));
    const auto before = std::make_unique<Radio_Image_Table>(*image);
    EXPECT_EQ(Commit_Decode_Tone(*image, kTick, 0, 0, c.text), c.message) << c.text;
    std::vector<Byte_At> cells;
    if (c.stored < 0) {
      cells = {{752, 0, 0xFF}, {752, 1, 0xFF}, {752, 8, 0xFF}, {752, 9, 0xFF}};
    } else {
      auto ref = std::make_unique<Radio_Image_Table>(*before);
      ASSERT_TRUE(Set_Tone2_Freq(*ref, kTick, 47, 0, 0, c.stored));
      for (int col : {0, 1, 8, 9}) cells.push_back({752, col, (*ref)(752, col)});
    }
    Expect_Only(*before, *image, cells, c.text);
  }
}

TEST(Tone2Commit, DecodeBoxBytePositionsPerBox) {
  // 1000 Hz: E8 03, period count 2304 = 00 09; entry 2 is line 753.
  struct Box { int slot; int freq_col, count_col; };
  for (Box b : {Box{0, 0, 8}, Box{1, 2, 10}, Box{2, 4, 12}, Box{3, 6, 14}}) {
    auto image = std::make_unique<Radio_Image_Table>(test::Random_Image(40 + b.slot));
    const auto before = std::make_unique<Radio_Image_Table>(*image);
    EXPECT_FALSE(Commit_Decode_Tone(*image, kTick, 1, b.slot, "1000"));
    Expect_Only(*before, *image,
                {{753, b.freq_col, 0xE8}, {753, b.freq_col + 1, 0x03}, {753, b.count_col, 0x00},
                 {753, b.count_col + 1, 0x09}},
                "slot " + std::to_string(b.slot));
    EXPECT_EQ(Decode_Tone_Text(*image, 1, b.slot), "1000.0");
  }
}

TEST(Tone2Commit, EncodeCellTestsUnroundedAndStoresHalfUp) {
  struct Case {
    const char *text;
    int stored;  // Hz in the two bytes
    bool message;
  };
  const Case cases[] = {
      {"1234.5", 1235, false}, {"1000.5", 1001, false}, {"300", 300, false},  {"3000", 3000, false},
      {"299.9", 0, true},      {"3000.1", 0, true},     {"12..5", 0, true},   {"", 0, false},
      {"  ", 0, false},        {"99999999999", 0, true},
  };
  for (const Case &c : cases) {
    auto image = std::make_unique<Radio_Image_Table>(test::Random_Image(7));
    const auto before = std::make_unique<Radio_Image_Table>(*image);
    EXPECT_EQ(Commit_Encode_Tone(*image, 3, 0, c.text), c.message) << c.text;
    Expect_Only(*before, *image, {{722, 0, c.stored & 0xFF}, {722, 1, c.stored >> 8}}, c.text);
  }
  // The 2nd tone of code 15 lies in bytes 8-9 of line 734: 1234.5 gives D3 04.
  auto image = std::make_unique<Radio_Image_Table>(test::Random_Image(8));
  const auto before = std::make_unique<Radio_Image_Table>(*image);
  EXPECT_FALSE(Commit_Encode_Tone(*image, 15, 1, "1234.5"));
  Expect_Only(*before, *image, {{734, 8, 0xD3}, {734, 9, 0x04}}, "code 15, 2nd tone");
  EXPECT_EQ(Encode_Tone(*image, 15, 1), 1235);
}

TEST(Tone2Commit, OneToneEncoderWritesTwoBytesOrRefuses) {
  auto image = std::make_unique<Radio_Image_Table>(test::Random_Image(12));
  const auto before = std::make_unique<Radio_Image_Table>(*image);
  ASSERT_TRUE(Set_Tone2_Enc_Freq(*image, 45, 11, 1, 970));
  Expect_Only(*before, *image, {{731, 8, 0xCA}, {731, 9, 0x03}}, "2nd tone of code 12");

  const auto after = std::make_unique<Radio_Image_Table>(*image);
  EXPECT_FALSE(Set_Tone2_Enc_Freq(*image, 45, 0, 2, 1000));
  EXPECT_FALSE(Set_Tone2_Enc_Freq(*image, 45, 0, 0, -1));
  EXPECT_FALSE(Set_Tone2_Enc_Freq(*image, 45, 0, 0, 65536));
  EXPECT_FALSE(Set_Tone2_Enc_Freq(*image, 64, 1, 0, 1000));
  EXPECT_TRUE(*image == *after);
}

}  // namespace
}  // namespace zv::tone2
