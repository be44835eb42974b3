// The frequency-mode frames of the option editor: band choice, list stores,
// the frequency boxes' keys, length check and leave handling, and what a
// display writes back.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QRadioButton>

#include "image/vfo_record.h"
#include "tests/options/option_fixture.h"

namespace zv::test {
namespace {

using Option_Frames = Option_Editor_Test;

std::array<uint8_t, 32> Record(int band) {
  std::array<uint8_t, 32> r;
  for (int b = 0; b < 32; ++b) r[static_cast<size_t>(b)] = Shared().Radio_Image(Vfo_Line(band, b), Vfo_Col(b));
  return r;
}
void Set_Record(int band, const std::array<uint8_t, 32> &r) {
  for (int b = 0; b < 32; ++b) Shared().Radio_Image(Vfo_Line(band, b), Vfo_Col(b)) = r[static_cast<size_t>(b)];
}
std::array<uint8_t, 8> Freq_Bytes(int band) {
  std::array<uint8_t, 8> f;
  const auto r = Record(band);
  std::copy(r.begin(), r.begin() + 8, f.begin());
  return f;
}

TEST_F(Option_Frames, A_Chosen_Band_Takes_The_Frames_Edits) {
  Open();
  const auto record_a = Record(0);
  QTest::mouseClick(form->Option_Select_C, Qt::LeftButton);
  EXPECT_EQ(form->Frame_A->title(), "C Frequency model parameters");
  EXPECT_EQ(form->Text_Freq_a->text(), "350.02500");
  Choose(Combo("Combo_step_a"), 4);  // "12.50 KHZ"
  EXPECT_EQ(Img(245, 11), 4);
  QTest::mouseClick(form->Option_Select_A, Qt::LeftButton);
  EXPECT_EQ(form->Frame_A->title(), "A Frequency model parameters");
  EXPECT_EQ(Record(0), record_a);
  EXPECT_EQ(Combo("Combo_step_a")->currentIndex(), 0);
  // The other frame is left alone; band D in Chinese.
  EXPECT_EQ(form->Frame_B->title(), "B Frequency model parameters");
  Shared().Lang_Chinese = true;
  QTest::mouseClick(form->Option_Select_D, Qt::LeftButton);
  EXPECT_EQ(form->Frame_B->title(), "D 区频率模式参数");
  EXPECT_EQ(form->Text_Freq_b->text(), "460.62500");
  Choose(Combo("Combo_offset_b"), 247);
  const uint8_t offset[6] = {0, 1, 2, 3, 5, 0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Img(246, 8 + i), offset[i]) << i;
  Choose(Combo("Combo_r_ctdcs_b"), 1);
  EXPECT_EQ(Img(247, 0), 158);
  EXPECT_EQ(Img(247, 1), 2);
  Choose(Combo("Combo_t_ctdcs_b"), 156);
  EXPECT_EQ(Img(247, 2), 106);
  EXPECT_EQ(Img(247, 3), 0);
}

TEST_F(Option_Frames, Frequency_Keys_And_Length) {
  Open();
  QLineEdit *box = form->Text_Freq_a;
  Retype(box, "");
  QTest::keyClick(box, '.');
  QTest::keyClick(box, 'x');
  EXPECT_EQ(box->text(), "");
  Type(box, "145.1");
  EXPECT_EQ(box->text(), "145.1");
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "145.");
  Retype(box, "136.02500");
  ASSERT_EQ(box->text(), "136.02500");
  box->end(false);
  QTest::keyClick(box, '1');
  EXPECT_EQ(box->text(), "136.02500");
  box->selectAll();
  QTest::keyClick(box, '1');
  EXPECT_EQ(box->text(), "136.02500");
  EXPECT_TRUE(messages.shown.empty());
  // A tenth character ("." still passes) empties the box with a warning.
  box->end(false);
  QTest::keyClick(box, '.');
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Over the range of  frequency .");
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_EQ(box->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), box);
  // Nothing was stored.
  EXPECT_EQ(Freq_Bytes(0), (std::array<uint8_t, 8>{1, 3, 6, 0, 2, 5, 0, 0}));
}

TEST_F(Option_Frames, Leaving_A_Frequency_Box_Formats_Stores_And_Shows) {
  struct Case {
    const char *typed;
    int band;  // 0: box a on band A; 1: box b on band B
    const char *shown;
    std::array<uint8_t, 8> stored;
    bool refused;
  };
  const Case cases[] = {
      {"145.1", 0, "145.10000", {1, 4, 5, 1, 0, 0, 0, 0}, false},
      {"145.0125", 0, "145.01250", {1, 4, 5, 0, 1, 2, 5, 0}, false},
      {"136.0074", 0, "136.00725", {1, 3, 6, 0, 0, 7, 2, 5}, false},
      {"174.99375", 0, "174.99375", {1, 7, 4, 9, 9, 3, 7, 5}, false},
      // In band D, stored in record A all the same.
      {"350.025", 0, "350.02500", {3, 5, 0, 0, 2, 5, 0, 0}, false},
      {"462.5625", 1, "462.56250", {4, 6, 2, 5, 6, 2, 5, 0}, false},
      // Out of every band: reset to the lower limit of the band shown.
      {"175", 0, "136.02500", {1, 3, 6, 0, 2, 5, 0, 0}, true},
      {"", 0, "136.02500", {1, 3, 6, 0, 2, 5, 0, 0}, true},
      {"99", 1, "200.02500", {2, 0, 0, 0, 2, 5, 0, 0}, true},
      {"1200.5", 1, "200.02500", {2, 0, 0, 0, 2, 5, 0, 0}, true},
  };
  Open();
  for (const Case &c : cases) {
    SCOPED_TRACE(c.typed);
    messages.shown.clear();
    QLineEdit *box = c.band == 0 ? form->Text_Freq_a : form->Text_Freq_b;
    // Another value first, so that each case stores something new.
    Set_Record(c.band, [&] {
      auto r = Record(c.band);
      for (int i = 0; i < 8; ++i) r[static_cast<size_t>(i)] = 7;
      return r;
    }());
    Retype(box, c.typed);
    Leave(box);
    if (c.refused) {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, "当前工作频率超出范围 ！");
      EXPECT_EQ(messages.shown[0].title, "操作提示");
      EXPECT_EQ(QApplication::focusWidget(), box);
    } else {
      EXPECT_TRUE(messages.shown.empty());
    }
    EXPECT_EQ(box->text(), c.shown);
    EXPECT_EQ(Freq_Bytes(c.band), c.stored);
  }
  // The reset frequency follows the band the frame shows.
  QTest::mouseClick(form->Option_Select_C, Qt::LeftButton);
  Retype(form->Text_Freq_a, "1");
  Leave(form->Text_Freq_a);
  EXPECT_EQ(form->Text_Freq_a->text(), "400.02500");
  EXPECT_EQ(Freq_Bytes(2), (std::array<uint8_t, 8>{4, 0, 0, 0, 2, 5, 0, 0}));
  // A leading zero stays in the display of stored digits.
  Retype(form->Text_Freq_a, "45");
  Shared().Bands.Band_C_Low = 40;
  Leave(form->Text_Freq_a);
  EXPECT_EQ(form->Text_Freq_a->text(), "045.00000");
}

TEST_F(Option_Frames, An_Erased_Record_Shows_And_Is_Written_Back_Without_Its_Frequency) {
  std::array<uint8_t, 32> erased;
  erased.fill(0xFF);
  Set_Record(0, erased);
  Open();
  EXPECT_EQ(form->Text_Freq_a->text(), ".");
  EXPECT_EQ(Combo("Combo_Offset_A")->currentIndex(), 1999);
  EXPECT_EQ(Combo("Combo_r_ctdcs_a")->currentIndex(), 0);
  EXPECT_EQ(Combo("Combo_t_ctdcs_a")->currentIndex(), 0);
  const auto r = Record(0);
  std::array<uint8_t, 32> want = erased;
  const uint8_t offset[6] = {0, 9, 9, 9, 5, 0};
  for (int i = 0; i < 6; ++i) want[static_cast<size_t>(8 + i)] = offset[i];
  for (int b = 16; b < 20; ++b) want[static_cast<size_t>(b)] = 0;
  // The eight plain lists: their last items.
  const uint8_t last[8] = {14, 2, 3, 1, 1, 1, 2, 5};
  for (int i = 0; i < 8; ++i) want[static_cast<size_t>(20 + i)] = last[i];
  EXPECT_EQ(r, want);
  // Leaving the box with "." is an entry of 0: refused and reset.
  Leave(form->Text_Freq_a);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(form->Text_Freq_a->text(), "136.02500");
}

TEST_F(Option_Frames, Displays_Write_Back_What_They_Show) {
  // Record B: tone words and list bytes to normalise.
  auto r = Record(1);
  const std::pair<int, int> bytes[] = {
      {8, 0}, {9, 0}, {10, 0}, {11, 0}, {12, 7}, {13, 5},  // 75 kHz: item 2
      {16, 0}, {17, 3},                                    // 76.8 Hz: no item, kept
      {18, 211}, {19, 0},                                  // no item, kept
      {20, 14}, {27, 9},                                   // signal code 15; step beyond its list
  };
  for (auto [b, v] : bytes) r[static_cast<size_t>(b)] = static_cast<uint8_t>(v);
  r[14] = 0x11, r[15] = 0x22, r[28] = 0x33, r[29] = 0x44, r[30] = 0x55, r[31] = 0x66;
  Set_Record(1, r);
  Open();
  EXPECT_EQ(Combo("Combo_offset_b")->currentText(), "00.100MHZ");
  EXPECT_EQ(Combo("Combo_r_ctdcs_b")->currentIndex(), -1);
  EXPECT_EQ(Combo("Combo_r_ctdcs_b")->placeholderText(), "76.8");
  EXPECT_EQ(Combo("Combo_t_ctdcs_b")->currentIndex(), -1);
  EXPECT_EQ(Combo("Combo_t_ctdcs_b")->placeholderText(), "");
  EXPECT_EQ(Combo("Combo_S_info_b")->currentText(), "15");
  EXPECT_EQ(Combo("Combo_step_b")->currentText(), "25.00 KHZ");
  const auto after = Record(1);
  const uint8_t offset[6] = {0, 0, 0, 1, 0, 0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(after[static_cast<size_t>(8 + i)], offset[i]) << i;
  EXPECT_EQ(after[16], 0);
  EXPECT_EQ(after[17], 3);
  EXPECT_EQ(after[18], 211);
  EXPECT_EQ(after[19], 0);
  EXPECT_EQ(after[27], 5);
  // Bytes 14, 15 and 28-31 belong to no control: neither a show nor an edit
  // changes them.
  for (const char *name : {"Combo_offset_b", "Combo_step_b", "Combo_txp_b", "Combo_Scr_b"}) Choose(Combo(name), 1);
  Retype(form->Text_Freq_b, "245");
  Leave(form->Text_Freq_b);
  form->Form_Activate();
  const auto last = Record(1);
  for (int b : {14, 15, 28, 29, 30, 31}) EXPECT_EQ(last[static_cast<size_t>(b)], r[static_cast<size_t>(b)]) << b;
  // A user's choice of a tone clears the shown text.
  Choose(Combo("Combo_r_ctdcs_b"), 3);
  EXPECT_EQ(Img(243, 0), 207);
  EXPECT_EQ(Img(243, 1), 2);
}

TEST_F(Option_Frames, First_Display_Of_A_Fresh_Image) {
  Open();
  EXPECT_EQ(form->Text_Freq_a->text(), "136.02500");
  EXPECT_EQ(form->Text_Freq_b->text(), "245.62500");
  // The factory offsets 10.655 and 1.625 MHz become the nearest items.
  EXPECT_EQ(Combo("Combo_Offset_A")->currentText(), "10.650MHZ");
  EXPECT_EQ(Combo("Combo_offset_b")->currentText(), "01.600MHZ");
  const uint8_t a[6] = {0, 1, 0, 6, 5, 0}, b[6] = {0, 0, 1, 6, 0, 0};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Img(240, 8 + i), a[i]) << i;
    EXPECT_EQ(Img(242, 8 + i), b[i]) << i;
  }
  EXPECT_EQ(Combo("Combo_S_info_a")->currentText(), "1");
  EXPECT_EQ(Combo("Combo_S_info_b")->currentText(), "15");
  EXPECT_EQ(Combo("Combo_r_ctdcs_a")->currentText(), "OFF");
  EXPECT_EQ(Combo("Combo_step_a")->currentText(), "2.50 KHZ");
  // Records C and D are not shown, so they keep their bytes.
  EXPECT_EQ(Img(244, 13), 5);
  EXPECT_EQ(Img(246, 13), 5);
}

}  // namespace
}  // namespace zv::test
