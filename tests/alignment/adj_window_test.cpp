// The alignment editor window: opening, pages, numeric boxes, limit boxes,
// passwords, level lists, transmit permission and the buttons, through the
// real widgets offscreen.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>

#include "adj_fixture.h"
#include "platform/list_combo.h"
#include "platform/tab_strip.h"

namespace zv::test {
namespace {

QGroupBox *Visible_Frame(frm_Adj_Txp *f) {
  QGroupBox *shown = nullptr;
  for (QGroupBox *frame : {f->Frame_Frame, f->Frame_Sql, f->Frame_Dev, f->Frame_Other})
    if (frame->isVisible()) {
      EXPECT_EQ(shown, nullptr) << "two frames visible";
      shown = frame;
    }
  return shown;
}

class Adj_Window : public Adj_Window_Test {
 protected:
  void Check_Family(QLineEdit *box, int index, int row, int max, const char *message);
};

TEST_F(Adj_Window, OpensOnTheLimitPageWithTheTextsOfEachLanguage) {
  struct Case {
    bool chinese;
    QStringList texts;  // title, Frame_Other, Label2, 3, 4, 8(0), 9(0), 10(4), Read, Write, Default, Close
  };
  const Case cases[] = {
      {false,
       {"Other ", "Adjustable  frequency  range ", "Band", "Max frequency range (MHz)", "Limit frequency range (MHz)",
        "Allow transmit", "From", "to", "Read", "Write", "Default", "Close"}},
      {true,
       {"其他", "频率范围限制", "频段", "最大工作频率范围(MHZ)", "限制工作频率范围(MHZ)", "发射允许", "从", "到",
        "读 取", "写  入", "默 认", "关闭"}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.chinese);
    Shared().Lang_Chinese = c.chinese;
    frm_Adj_Txp *f = Open();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->Cur_Page, 4);
    EXPECT_EQ(Visible_Frame(f), f->Frame_Other);
    const QStringList shown = {f->windowTitle(),          f->Frame_Other->title(), f->Label2->text(),
                               f->Label3->text(),         f->Label4->text(),       f->Label8[0]->text(),
                               f->Label9[0]->text(),      f->Label10[4]->text(),   f->Command_read->text(),
                               f->Command_Write->text(),  f->Command_def->text(),  f->Command_close->text()};
    EXPECT_EQ(shown, c.texts);
    EXPECT_FALSE(f->Command_open->isVisible());
    EXPECT_FALSE(f->Command_save->isVisible());
    EXPECT_FALSE(f->ProgressBar1->isVisible());
    EXPECT_EQ(f->Label10[3]->text(), "超级密码");  // Chinese in both
    // The limits of the factory table, shown with a leading blank.
    EXPECT_EQ(f->Text_Freq_L[0]->text(), " 130");
    EXPECT_EQ(f->Text_Freq_H[3]->text(), " 390");
    main->Windows().Close(win::frm_Adj_Txp);
    Flush_Deletes();
  }
}

TEST_F(Adj_Window, OpeningAgainChangesNothingAndTheTableOutlivesTheWindow) {
  frm_Adj_Txp *f = Open();
  Click_Tab(f, 0);
  Replace_Text(f->Text_TXP_VHF[3], "17");
  QWidget *window = main->Windows().Window(win::frm_Adj_Txp);
  Open();
  EXPECT_EQ(main->Windows().Window(win::frm_Adj_Txp), window);
  EXPECT_EQ(f->Cur_Page, 0);
  EXPECT_EQ(f->Text_TXP_VHF[3]->text(), "17");

  main->Windows().Close(win::frm_Adj_Txp);
  Flush_Deletes();
  EXPECT_EQ(Table()(0, 3), 17);
  f = Open();
  EXPECT_EQ(f->Cur_Page, 4);
  Click_Tab(f, 0);
  EXPECT_EQ(f->Text_TXP_VHF[3]->text(), "17");
}

TEST_F(Adj_Window, EachTabShowsItsPageAndTitle) {
  frm_Adj_Txp *f = Open();
  struct Case {
    int tab;
    const char *key;
    int page;
    const char *title;
    QGroupBox *frm_Adj_Txp::*frame;
  };
  const Case cases[] = {
      {0, "Adj_Txp_High", 0, "发射功率调整（高功率）", &frm_Adj_Txp::Frame_Frame},
      {1, "Adj_Txp_Low", 1, "发射功率调整（低功率）", &frm_Adj_Txp::Frame_Frame},
      {2, "Adj_Sql_Leve", 2, "静噪等级调整", &frm_Adj_Txp::Frame_Sql},
      {3, "Adj_Dev_Leve", 3, "调制度、输出音量调整", &frm_Adj_Txp::Frame_Dev},
      {4, "Adj_Other", 4, "频率范围", &frm_Adj_Txp::Frame_Other},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.key);
    Click_Tab(f, c.tab);
    EXPECT_EQ(f->TabStrip1->tabData(c.tab).toString(), c.key);
    EXPECT_EQ(f->Cur_Page, c.page);
    EXPECT_EQ(f->windowTitle(), QString::fromUtf8(c.title));  // Chinese in English too
    EXPECT_EQ(Visible_Frame(f), f->*c.frame);
    if (c.page <= 1) {
      EXPECT_EQ(f->Frame_Frame->title(), QString::fromUtf8(c.title));
    }
  }
  // A click on the tab already selected redisplays the page.
  Table()(25, 3) = 2;
  Table()(25, 4) = 6;
  Table()(25, 5) = 5;
  Click_Tab(f, 4);
  EXPECT_EQ(f->Text_Freq_H[1]->text(), " 265");
}

TEST_F(Adj_Window, PowerPagesShowTheHighThenTheLowRowsInTheSameBoxes) {
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 16; ++c) Table()(r, c) = static_cast<uint8_t>(r * 7 + c % 8);
  frm_Adj_Txp *f = Open();
  std::array<QLineEdit *, 16> frm_Adj_Txp::*boxes[4] = {&frm_Adj_Txp::Text_TXP_VHF, &frm_Adj_Txp::Text_TXP_UHF0,
                                                        &frm_Adj_Txp::Text_TXP_UHF1, &frm_Adj_Txp::Text_TXP_UHF2};
  for (int page : {0, 1}) {
    Click_Tab(f, page);
    for (int band = 0; band < 4; ++band)
      for (int c = 0; c < 16; ++c)
        ASSERT_EQ((f->*boxes[band])[c]->text(), QString::number(page * 28 + band * 7 + c % 8))
            << page << " " << band << " " << c;
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Adj_Window, PointAndLevelCaptions) {
  frm_Adj_Txp *f = Open();
  Click_Tab(f, 0);
  EXPECT_EQ(f->Label_TXP_VHF[0]->text(), "130MHZ");
  EXPECT_EQ(f->Label_TXP_VHF[15]->text(), "190MHZ");
  EXPECT_EQ(f->Label_TXP_UHF0[15]->text(), "290MHZ");
  EXPECT_EQ(f->Label_TXP_UHF1[1]->text(), "406MHZ");
  EXPECT_EQ(f->Label_TXP_UHF2[0]->text(), "340MHZ");
  EXPECT_EQ(f->Label_TXP_UHF2[15]->text(), "400MHZ");
  EXPECT_EQ(f->Frame_B0[1]->title(), "200  -  270 MHZ ");
  Click_Tab(f, 2);
  EXPECT_EQ(f->Label_Sq_Offset_Vhf[0]->text(), "130");
  EXPECT_EQ(f->Label_Sq_Offset_Vhf[15]->text(), "190");
  EXPECT_EQ(f->Label_Sql_VHF[9]->text(), "9");
  EXPECT_EQ(f->Label_Sq_Offset_UHF1[2]->text(), "412");
  EXPECT_EQ(f->Label_Sql_UHF2[4]->text(), "4");
  EXPECT_EQ(f->Label_F0->text(), "VHF" + QString(24, ' ') + "130 - 179");
  EXPECT_EQ(f->Label_F1[2]->text(), "UHF2" + QString(21, ' ') + "340 - 400");
}

// ------------------------------------------------------------ value boxes

struct Value_Case {
  QString typed;
  bool refused;
  int stored;       // when not refused
  QString shown;    // the box afterwards
};

// One family: a box, its cell, its maximum and its message.
void Adj_Window::Check_Family(QLineEdit *box, int index, int row, int max, const char *message) {
  const int fallback = Defaults()(row, index);
  const Value_Case cases[] = {
      {QString::number(max), false, max, QString::number(max)},
      {QString::number(max + 1), true, 0, {}},
      {"", false, 0, ""},
      {"007", false, 7, "007"},
      {" 2 ", false, 2, " 2 "},
      {"1 2", true, 0, {}},
      {"1a", true, 0, {}},
      {"12345678901234567890", true, 0, {}},
      {"-1", true, 0, {}},
  };
  for (const Value_Case &c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    // Another valid value first: a refusal gives the default, not that one.
    Table()(row, index) = 1;
    Replace_Text(box, "1");
    messages.shown.clear();
    Replace_Text(box, c.typed);
    if (c.refused) {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(message));
      EXPECT_EQ(messages.shown[0].title, "操作提示");
      EXPECT_EQ(messages.shown[0].icon, Msg_Icon::Information);
      EXPECT_EQ(box->text(), QString::number(fallback));
      EXPECT_EQ(Table()(row, index), fallback);
    } else {
      EXPECT_TRUE(messages.shown.empty());
      EXPECT_EQ(box->text(), c.shown);
      EXPECT_EQ(Table()(row, index), c.stored);
    }
  }
}

TEST_F(Adj_Window, NumericBoxesStoreOrRefuseWithTheFamilysMessage) {
  frm_Adj_Txp *f = Open();
  Click_Tab(f, 0);
  {
    SCOPED_TRACE("transmit power");
    Check_Family(f->Text_TXP_UHF1[5], 5, 2, 63, " 输入数字范围为 0 - 63 ！");
  }
  Click_Tab(f, 2);
  {
    SCOPED_TRACE("squelch threshold");
    Check_Family(f->Text_SQ_UHF0[4], 4, Row_Sql_UHF0, 100, " 输入数字范围为 0 - 100 ！");
  }
  {
    SCOPED_TRACE("squelch compensation");
    Check_Family(f->Text_Sq_Offset_UHF2[11], 11, Row_Sq_Offset_UHF2, 10, " 输入数字范围为 0 - 10 ！");
  }
}

TEST_F(Adj_Window, PowerBoxesStoreIntoTheRowsOfThePageShown) {
  frm_Adj_Txp *f = Open();
  Click_Tab(f, 0);
  Replace_Text(f->Text_TXP_UHF1[5], "33");
  Click_Tab(f, 1);
  Replace_Text(f->Text_TXP_UHF1[5], "44");
  EXPECT_EQ(Table()(2, 5), 33);
  EXPECT_EQ(Table()(6, 5), 44);
  // Typed key by key, every step is stored; the last one is refused.
  Table()(6, 5) = 0;
  Replace_Text(f->Text_TXP_UHF1[5], "");
  f->Text_TXP_UHF1[5]->setFocus();
  QTest::keyClicks(f->Text_TXP_UHF1[5], "64");
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(Table()(6, 5), Defaults()(6, 5));
  EXPECT_EQ(f->Text_TXP_UHF1[5]->text(), QString::number(Defaults()(6, 5)));
}

TEST_F(Adj_Window, CellsOutOfRangeOrListMeetTheirPagesDisplay) {
  Table()(8, 0) = 200;
  Table()(16, 3) = 255;
  frm_Adj_Txp *f = Open();
  // Page 4 also fills and tests the (hidden) squelch boxes.
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, " 输入数字范围为 0 - 100 ！");
  EXPECT_EQ(Table()(8, 0), 38);
  Table()(8, 0) = 200;
  messages.shown.clear();
  Click_Tab(f, 2);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(f->Text_SQ_VHF[0]->text(), "38");
  EXPECT_EQ(Table()(8, 0), 38);
  // A level cell outside its list: no selection, the cell stays, no message.
  messages.shown.clear();
  Click_Tab(f, 3);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(f->Combo_Wide_C->List_Index(), -1);
  EXPECT_EQ(f->Combo_Voice_Dev->List_Index(), 60);
  EXPECT_EQ(Table()(16, 3), 255);
  Click_Tab(f, 4);
  EXPECT_EQ(Table()(16, 3), 255);
}

// ------------------------------------------------------------ limit boxes

TEST_F(Adj_Window, LimitBoxesAreTestedWhenTheFocusLeaves) {
  struct Case {
    const char *what;
    int band;
    bool upper;
    QString low, high;     // the two boxes before leaving
    const char *message;   // nullptr: passes
    QString shown_after;   // the left box after a refusal
  };
  const char *below = "Receive frequency of lower limit can't less than the lowest of work frequency. ";
  const char *cross = "Receive frequency of lower limit can't more than receive frequency of upper limit.";
  const char *above = "Receive frequency of upper limit can't more than the highest of work frequency. ";
  const Case cases[] = {
      {"VHF lower 130", 0, false, "130", "170", nullptr, {}},
      {"VHF lower 129", 0, false, "129", "170", below, "130"},
      {"VHF upper 179", 0, true, "130", "179", nullptr, {}},
      {"VHF upper 180", 0, true, "130", "180", above, "179"},
      {"equal limits", 0, false, "150", "150", nullptr, {}},
      {"equal limits, upper box", 0, true, "150", "150", nullptr, {}},
      {"UHF1 equal limits at the top of the band, upper box", 2, true, "520", "520", nullptr, {}},
      {"lower above upper", 0, false, "160", "150", cross, "130"},
      {"upper below lower", 0, true, "160", "150", cross, "179"},
      {"empty lower", 0, false, "", "170", below, "130"},
      {"empty upper", 0, true, "130", "", cross, "179"},
      {"UHF1 upper 520", 2, true, "400", "520", nullptr, {}},
      {"UHF1 upper 521", 2, true, "400", "521", above, "520"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Copy_Adjust_Defaults(Defaults(), Table());
    Table()(24 + c.band, 7) = 0;
    frm_Adj_Txp *f = Open();
    const Adjust_Table_Type before = Table();
    QLineEdit *box = c.upper ? f->Text_Freq_H[c.band] : f->Text_Freq_L[c.band];
    f->Text_Freq_L[c.band]->setText(c.low);
    f->Text_Freq_H[c.band]->setText(c.high);
    messages.shown.clear();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab);
    Settle();
    if (!c.message) {
      EXPECT_TRUE(messages.shown.empty());
      // All eight boxes are stored again, and nothing else.
      Adjust_Table_Type expect = before;
      auto digits = [&](int row, int first, int mhz) {
        expect(row, first) = static_cast<uint8_t>(mhz / 100);
        expect(row, first + 1) = static_cast<uint8_t>(mhz / 10 % 10);
        expect(row, first + 2) = static_cast<uint8_t>(mhz % 10);
      };
      for (int b = 0; b < 4; ++b) {
        digits(24 + b, 0, f->Text_Freq_L[b]->text().trimmed().toInt());
        digits(24 + b, 3, f->Text_Freq_H[b]->text().trimmed().toInt());
      }
      EXPECT_TRUE(Table() == expect);
      EXPECT_EQ(Table()(24 + c.band, 7), 0);
    } else {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, c.message);
      EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
      EXPECT_EQ(messages.shown[0].icon, Msg_Icon::Warning);
      EXPECT_EQ(box->text(), c.shown_after);
      EXPECT_TRUE(box->hasFocus());
      EXPECT_TRUE(Table() == before);  // the old digits stay
    }
    main->Windows().Close(win::frm_Adj_Txp);
    Flush_Deletes();
  }
}

TEST_F(Adj_Window, LimitRefusalsInChineseAndTheBoundStoredOnTheNextPass) {
  Shared().Lang_Chinese = true;
  frm_Adj_Txp *f = Open();
  f->Text_Freq_H[3]->setText("401");
  f->Text_Freq_H[3]->setFocus();
  QTest::keyClick(f->Text_Freq_H[3], Qt::Key_Tab);
  Settle();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "上限频率不可大于该频段最大工作频率");
  EXPECT_EQ(messages.shown[0].title, "操作提示");
  EXPECT_EQ(Table()(27, 3), 3);
  // Leaving again stores the bound shown.
  QTest::keyClick(f->Text_Freq_H[3], Qt::Key_Tab);
  Settle();
  EXPECT_EQ(Table()(27, 3), 4);
  EXPECT_EQ(Table()(27, 4), 0);
  EXPECT_EQ(Table()(27, 5), 0);
}

TEST_F(Adj_Window, APartnerOutsideItsBandDoesNotTrapTheFocus) {
  // Radio data: the VHF upper limit reads 100, below the band's lowest.
  Table()(24, 3) = 1;
  Table()(24, 4) = 0;
  Table()(24, 5) = 0;
  frm_Adj_Txp *f = Open();
  EXPECT_EQ(f->Text_Freq_H[0]->text(), " 100");
  f->Text_Freq_L[0]->setFocus();
  QTest::keyClick(f->Text_Freq_L[0], Qt::Key_Tab);
  Settle();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(f->Text_Freq_L[0]->text(), "130");
  EXPECT_EQ(f->Text_Freq_H[0]->text(), "179");
  messages.shown.clear();
  QTest::keyClick(f->Text_Freq_L[0], Qt::Key_Tab);
  Settle();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(f->Text_Freq_L[0]->hasFocus());
  EXPECT_EQ(Table()(24, 3), 1);
  EXPECT_EQ(Table()(24, 4), 7);
  EXPECT_EQ(Table()(24, 5), 9);
}

TEST_F(Adj_Window, ALimitSplitNeverStoresACellAboveNine) {
  // Digit cells from the radio that add up beyond 999 show as they add up.
  Table()(26, 0) = 99;
  frm_Adj_Txp *f = Open();
  EXPECT_EQ(f->Text_Freq_L[2]->text(), " 9900");
  f->Text_Freq_L[0]->setFocus();
  QTest::keyClick(f->Text_Freq_L[0], Qt::Key_Tab);
  Settle();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Table()(26, 0), 99);  // kept, not split
  EXPECT_EQ(Table()(26, 1), 0);
  EXPECT_EQ(Table()(24, 0), 1);
}

TEST_F(Adj_Window, ALimitBoxTakesAFourthCharacterAndThenNoCharacterKey) {
  frm_Adj_Txp *f = Open();
  QLineEdit *box = f->Text_Freq_L[1];
  box->setText("20");
  box->setFocus();
  box->end(false);
  QTest::keyClicks(box, "0x");
  EXPECT_EQ(box->text(), "200x");
  QTest::keyClicks(box, "9");
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "200x");
  QTest::keyClick(box, Qt::Key_Left);
  QTest::keyClick(box, Qt::Key_Delete);
  EXPECT_EQ(box->text(), "200");
}

// ------------------------------------------------------------- passwords

TEST_F(Adj_Window, PasswordsAreStoredCentredInSixPlaces) {
  struct Case {
    QString typed;
    std::array<int, 6> bytes;
  };
  const Case cases[] = {
      {"", {32, 32, 32, 32, 32, 32}},
      {"A", {32, 32, 65, 32, 32, 32}},
      {"AB", {32, 32, 65, 66, 32, 32}},
      {"abc", {32, 65, 66, 67, 32, 32}},
      {"1234", {32, 49, 50, 51, 52, 32}},
      {"12345", {49, 50, 51, 52, 53, 32}},
      {"1234567", {49, 50, 51, 52, 53, 54}},
      {"a b", {32, 65, 11, 66, 32, 32}},
      {"#", {32, 32, 11, 32, 32, 32}},
  };
  frm_Adj_Txp *f = Open();
  for (int k = 12; k < 16; ++k) Table()(31, k) = static_cast<uint8_t>(200 + k);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    Replace_Text(f->Text_user_PassWord, c.typed);
    Replace_Text(f->Text_Super_PassWord, c.typed);
    for (int k = 0; k < 6; ++k) {
      EXPECT_EQ(Table()(31, k), c.bytes[k]) << k;
      EXPECT_EQ(Table()(31, 6 + k), c.bytes[k]) << k;
    }
  }
  for (int k = 12; k < 16; ++k) EXPECT_EQ(Table()(31, k), 200 + k);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Adj_Window, PageFourShowsThePasswordsAndStoresThemRecentred) {
  struct Case {
    std::array<int, 6> before;
    QString shown;
    std::array<int, 6> after;
  };
  const Case cases[] = {
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "", {32, 32, 32, 32, 32, 32}},
      {{0x20, 0x20, 0x31, 0x32, 0x33, 0x34}, "1234", {32, 49, 50, 51, 52, 32}},
      {{0x31, 0x32, 0x33, 0x34, 0x20, 0x20}, "1234 ", {32, 49, 50, 51, 52, 32}},
      {{0x61, 0x41, 11, 0x42, 0x20, 0x43}, "ABC", {32, 65, 66, 67, 32, 32}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.shown.toStdString());
    for (int k = 0; k < 6; ++k) {
      Table()(31, k) = static_cast<uint8_t>(c.before[k]);
      Table()(31, 6 + k) = static_cast<uint8_t>(c.before[k]);
    }
    for (int k = 12; k < 16; ++k) Table()(31, k) = 0xEE;
    frm_Adj_Txp *f = Open();
    EXPECT_EQ(f->Text_user_PassWord->text(), c.shown);
    EXPECT_EQ(f->Text_Super_PassWord->text(), c.shown);
    for (int k = 0; k < 6; ++k) {
      EXPECT_EQ(Table()(31, k), c.after[k]) << k;
      EXPECT_EQ(Table()(31, 6 + k), c.after[k]) << k;
    }
    for (int k = 12; k < 16; ++k) EXPECT_EQ(Table()(31, k), 0xEE);
    main->Windows().Close(win::frm_Adj_Txp);
    Flush_Deletes();
  }
}

// ----------------------------------------- level lists and transmit boxes

TEST_F(Adj_Window, LevelListsOfferTheirEntriesAndStoreAChoice) {
  frm_Adj_Txp *f = Open();
  Click_Tab(f, 3);
  const auto lists = f->Level_Lists();
  const int counts[14] = {128, 64, 64, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 128};
  for (int col = 0; col < 14; ++col) {
    EXPECT_EQ(lists[col]->count(), counts[col]) << col;
    EXPECT_EQ(lists[col]->itemText(0), " 0");
    EXPECT_EQ(lists[col]->itemText(counts[col] - 1), " " + QString::number(counts[col] - 1));
    // Shown from the factory row 16.
    EXPECT_EQ(lists[col]->List_Index(), Defaults()(16, col)) << col;
  }
  // A choice from the list.
  f->Combo_Beep_C->showPopup();
  f->Combo_Beep_C->setCurrentIndex(12);
  f->Combo_Beep_C->On_Click();
  EXPECT_EQ(Table()(16, 7), 12);
  // An arrow key chooses and stores as a click does.
  f->Combo_Tone_Dev->setFocus();
  QTest::keyClick(f->Combo_Tone_Dev, Qt::Key_Down);
  EXPECT_EQ(Table()(16, 13), Defaults()(16, 13) + 1);
  // A character key changes nothing.
  QTest::keyClicks(f->Combo_Tone_Dev, "5");
  EXPECT_EQ(Table()(16, 13), Defaults()(16, 13) + 1);
  EXPECT_EQ(f->Combo_Tone_Dev->List_Index(), Defaults()(16, 13) + 1);
  EXPECT_EQ(Table()(16, 14), 0);
  EXPECT_EQ(Table()(16, 15), 0);
}

TEST_F(Adj_Window, TransmitBoxesStoreZeroOrOne) {
  Table()(27, 7) = 5;
  Table()(25, 7) = 0;
  frm_Adj_Txp *f = Open();
  EXPECT_TRUE(f->Check_Tx[3]->isChecked());
  EXPECT_FALSE(f->Check_Tx[1]->isChecked());
  const QPoint box(6, f->Check_Tx[2]->height() / 2);  // on the box itself
  QTest::mouseClick(f->Check_Tx[2], Qt::LeftButton, {}, box);
  EXPECT_EQ(Table()(26, 7), 0);
  QTest::mouseClick(f->Check_Tx[2], Qt::LeftButton, {}, box);
  EXPECT_EQ(Table()(26, 7), 1);
  for (int c : {0, 1, 2, 3, 4, 5, 6, 8}) EXPECT_EQ(Table()(26, c), Defaults()(26, c)) << c;
}

// ---------------------------------------------------------------- buttons

TEST_F(Adj_Window, DefaultRestoresTheFactoryTableAndShowsIt) {
  frm_Adj_Txp *f = Open();
  Click_Tab(f, 1);
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) Table()(r, c) = 9;
  f->ProgressBar1->show();
  f->ProgressBar1->setValue(40);
  f->Label_tr_count->setText("x");
  QTest::mouseClick(f->Command_def, Qt::LeftButton);
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(Table()(r, c), Defaults()(r, c)) << r << "," << c;
  EXPECT_FALSE(f->ProgressBar1->isVisible());
  EXPECT_EQ(f->ProgressBar1->value(), 0);
  EXPECT_EQ(f->Label_tr_count->text(), "");
  EXPECT_EQ(f->Text_TXP_UHF2[0]->text(), "15");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Adj_Window, CloseClosesTheWindowAndTheMenuFileDialogs) {
  frm_Adj_Txp *f = Open();
  main->Windows().Open(win::Form_open_menu);
  main->Windows().Open(win::Form_save_menu);
  ASSERT_TRUE(main->Windows().Is_Open(win::Form_open_menu));
  QTest::mouseClick(f->Command_close, Qt::LeftButton);
  Flush_Deletes();
  EXPECT_FALSE(main->Windows().Is_Open(win::frm_Adj_Txp));
  EXPECT_FALSE(main->Windows().Is_Open(win::Form_open_menu));
  EXPECT_FALSE(main->Windows().Is_Open(win::Form_save_menu));
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace zv::test
