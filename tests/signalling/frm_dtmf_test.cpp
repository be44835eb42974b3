// The DTMF editor window: code boxes, key filter, bits, lists, the display of
// stored bytes, buttons and activation, through the real widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <functional>

#include "image/signal_defaults.h"
#include "shell/language_texts.h"
#include "tests/signalling/frm_dtmf_fixture.h"

namespace zv::test {
namespace {

using Dtmf_Window = Dtmf_Editor_Test;
using Box_Of = std::function<QLineEdit *(frm_dtmf &)>;

// What a list shows: its chosen entry, or the text shown without one.
QString Shown(const List_Combo *list) {
  return list->currentIndex() >= 0 ? list->currentText() : list->placeholderText();
}

struct Code_Box {
  const char *name;
  Box_Of box;
  int row;
};

std::vector<Code_Box> All_Code_Boxes() {
  std::vector<Code_Box> boxes;
  for (int i = 0; i < 15; ++i)
    boxes.push_back({"Text_tx_Encode", [i](frm_dtmf &f) { return f.Text_tx_Encode[static_cast<size_t>(i)]; }, 656 + i});
  boxes.push_back({"Text_XC", [](frm_dtmf &f) { return f.Text_XC; }, 672});
  boxes.push_back({"Text_JT", [](frm_dtmf &f) { return f.Text_JT; }, 673});
  boxes.push_back({"Text_BJ", [](frm_dtmf &f) { return f.Text_BJ; }, 674});
  boxes.push_back({"Text_YY", [](frm_dtmf &f) { return f.Text_YY; }, 675});
  boxes.push_back({"Text_YB", [](frm_dtmf &f) { return f.Text_YB; }, 676});
  boxes.push_back({"Text_KJ", [](frm_dtmf &f) { return f.Text_KJ; }, 677});
  boxes.push_back({"Text_MID", [](frm_dtmf &f) { return f.Text_MID; }, 685});
  boxes.push_back({"Text_SID", [](frm_dtmf &f) { return f.Text_SID; }, 686});
  return boxes;
}

// Lines 655-688: the area and one line on each side.
std::vector<Dtmf_Row> Area_And_Neighbours() {
  std::vector<Dtmf_Row> rows;
  for (int line = 655; line <= 688; ++line) rows.push_back(Row(line));
  return rows;
}

TEST_F(Dtmf_Window, Every_Code_Box_Writes_Its_Own_Line_And_No_Other) {
  Open();
  for (const Code_Box &b : All_Code_Boxes()) {
    SCOPED_TRACE(std::string(b.name) + " " + std::to_string(b.row));
    std::vector<Dtmf_Row> want = Area_And_Neighbours();
    Retype(b.box(*form), "9#");
    want[static_cast<size_t>(b.row - 655)] = Codes({9, 12});
    ASSERT_EQ(Area_And_Neighbours(), want);
  }
}

TEST_F(Dtmf_Window, A_Code_Box_Stores_Its_Text_At_Once_And_Closes_Up_On_Leaving) {
  struct Case {
    const char *text;
    bool paste;
    Dtmf_Row stored;
    const char *shown_after;  // after the box has lost the focus
    Dtmf_Row stored_after;
  };
  const Dtmf_Row sixteen = Codes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6});
  const Case cases[] = {
      {"12*", false, Codes({1, 2, 11}), "12*", Codes({1, 2, 11})},
      {"", false, Codes({}), "", Codes({})},
      {"0*#D", false, Codes({10, 11, 12, 0}), "0*#D", Codes({10, 11, 12, 0})},
      {"a", false, Codes({13}), "A", Codes({13})},
      {"bcd", false, Codes({14, 15, 0}), "BCD", Codes({14, 15, 0})},
      {" 1 2", true, Codes({1, 0xFF, 2}), "12", Codes({1, 2})},
      {"1X2e", true, Codes({1, 0xFF, 2, 0xFF}), "12", Codes({1, 2})},
      {"12345678901234567890", true, sixteen, "1234567890123456", sixteen},
  };
  Shared().Radio_Image(658, 16) = 0x5A;
  Open();
  QLineEdit *box = form->Text_tx_Encode[2];
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    const Dtmf_Row next = Row(659);
    if (c.paste)
      Paste(box, c.text);
    else
      Retype(box, c.text);
    EXPECT_EQ(Row(658), c.stored);
    Leave(box);
    EXPECT_EQ(box->text(), c.shown_after);
    EXPECT_EQ(Row(658), c.stored_after);
    EXPECT_EQ(Row(659), next);
    EXPECT_EQ(Img(658, 16), 0x5A);
  }
}

TEST_F(Dtmf_Window, Code_Box_Key_Filter) {
  Open();
  QLineEdit *box = form->Text_XC;
  QSignalSpy enter(box, &QLineEdit::returnPressed);
  // One key into an empty box.
  for (QChar c : QStringLiteral("0123456789abcdABCD*#")) {
    Retype(box, "");
    QTest::keyClick(box, c.toLatin1());
    EXPECT_EQ(box->text(), QString(c)) << c.toLatin1();
  }
  for (char c : {'e', 'E', 'x', ' ', '+', '-', '!', '.'}) {
    Retype(box, "");
    QTest::keyClick(box, c);
    EXPECT_EQ(box->text(), "") << c;
  }
  // Backspace never; Enter passes and inserts nothing.
  Retype(box, "12");
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "12");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(box->text(), "12");
  EXPECT_EQ(enter.count(), 1);
  // Sixteen characters: every key is discarded, Enter and a key over a
  // selection included; Delete still shortens the text.
  Retype(box, "1234567890123456");
  ASSERT_EQ(box->text(), "1234567890123456");
  QTest::keyClick(box, '7');
  QTest::keyClick(box, Qt::Key_Return);
  box->selectAll();
  QTest::keyClick(box, '1');
  EXPECT_EQ(box->text(), "1234567890123456");
  EXPECT_EQ(enter.count(), 1);
  box->home(false);
  QTest::keyClick(box, Qt::Key_Delete);
  EXPECT_EQ(box->text(), "234567890123456");
  EXPECT_EQ(Row(672), Codes({2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6}));
  QTest::keyClick(box, '#');
  EXPECT_EQ(box->text(), "#234567890123456");
  // The limit counts the text without its outer blanks.
  Paste(box, "  123456789012345 ");
  box->end(false);
  QTest::keyClick(box, 'D');
  EXPECT_EQ(box->text(), "  123456789012345 D");
}

TEST_F(Dtmf_Window, Check_Boxes_Change_One_Bit_And_Keep_The_Others) {
  Img(687, 1) = 0xEF;  // bits 5-7 and 0-3
  Img(687, 2) = 0xE0;
  Img(687, 3) = 0xA5;  // receive disabled, transmit allowed, other bits set
  Open();
  struct Step {
    std::function<QCheckBox *(frm_dtmf &)> box;
    int byte, expect;
  };
  const Step steps[] = {
      {[](frm_dtmf &f) { return f.Check_M[4]; }, 1, 0xFF},
      {[](frm_dtmf &f) { return f.Check_M[4]; }, 1, 0xEF},
      {[](frm_dtmf &f) { return f.Check_M[0]; }, 1, 0xEE},
      {[](frm_dtmf &f) { return f.Check_S[2]; }, 2, 0xE4},
      {[](frm_dtmf &f) { return f.Check_S[4]; }, 2, 0xF4},
      {[](frm_dtmf &f) { return f.Check_Tx; }, 3, 0xA7},
      {[](frm_dtmf &f) { return f.Check_RX; }, 3, 0xA6},
      {[](frm_dtmf &f) { return f.Check_Tx; }, 3, 0xA4},
  };
  for (const Step &s : steps) {
    const uint8_t others[3] = {Img(687, 1), Img(687, 2), Img(687, 3)};
    QTest::mouseClick(s.box(*form), Qt::LeftButton);
    EXPECT_EQ(Img(687, s.byte), s.expect);
    for (int b = 1; b <= 3; ++b) {
      if (b != s.byte) {
        EXPECT_EQ(Img(687, b), others[b - 1]) << b;
      }
    }
  }
}

TEST_F(Dtmf_Window, Id_Control_Switches_The_Twelve_Id_Controls_And_Keeps_Their_Bytes) {
  Open();
  const Dtmf_Row master = Row(685), vice = Row(686);
  const uint8_t rights_m = Img(687, 1), rights_s = Img(687, 2);
  auto id_controls = [this] {
    std::vector<QWidget *> w{form->Text_MID, form->Text_SID};
    for (int i = 0; i < 5; ++i) w.insert(w.end(), {form->Check_M[static_cast<size_t>(i)], form->Check_S[static_cast<size_t>(i)]});
    return w;
  };
  ASSERT_TRUE(form->Check_Ctrl_En->isChecked());
  QTest::mouseClick(form->Check_Ctrl_En, Qt::LeftButton);
  EXPECT_EQ(Img(687, 0), 0);
  for (QWidget *w : id_controls()) EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  // A disabled permission box takes no click.
  QTest::mouseClick(form->Check_M[1], Qt::LeftButton);
  EXPECT_EQ(Row(685), master);
  EXPECT_EQ(Row(686), vice);
  EXPECT_EQ(Img(687, 1), rights_m);
  EXPECT_EQ(Img(687, 2), rights_s);
  EXPECT_EQ(form->Text_MID->text(), "12345");
  QTest::mouseClick(form->Check_Ctrl_En, Qt::LeftButton);
  EXPECT_EQ(Img(687, 0), 1);
  for (QWidget *w : id_controls()) EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(Dtmf_Window, Lists_Store_The_Position_Or_The_Code_Of_The_Chosen_Entry) {
  Open();
  struct Case {
    const char *what;
    std::function<List_Combo *(frm_dtmf &)> list;
    int item, row, byte, stored;
  };
  const Case cases[] = {
      {"on time 2000", [](frm_dtmf &f) { return f.Combo_Enc_ys1; }, 195, 671, 0, 195},
      {"on time 50", [](frm_dtmf &f) { return f.Combo_Enc_ys1; }, 0, 671, 0, 0},
      {"off time 120", [](frm_dtmf &f) { return f.Combo_Enc_ys2; }, 7, 671, 1, 7},
      {"group D", [](frm_dtmf &f) { return f.Combo_Dec_qh; }, 5, 687, 4, 0},
      {"group *", [](frm_dtmf &f) { return f.Combo_Dec_qh; }, 0, 687, 4, 11},
      {"space A", [](frm_dtmf &f) { return f.Combo_Dec_Space_Code; }, 2, 687, 5, 13},
      {"space C", [](frm_dtmf &f) { return f.Combo_Dec_Space_Code; }, 4, 687, 5, 15},
      {"delay 4000", [](frm_dtmf &f) { return f.Combo_Dec_Proc_Ys; }, 39, 687, 6, 39},
      {"reset 20000", [](frm_dtmf &f) { return f.Combo_Dec_Res_Time; }, 199, 687, 7, 199},
      {"reset 100", [](frm_dtmf &f) { return f.Combo_Dec_Res_Time; }, 0, 687, 7, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Choose(c.list(*form), c.item);
    EXPECT_EQ(Img(c.row, c.byte), c.stored);
  }
  // Typing into a list changes nothing; the Down arrow chooses and stores
  // the next entry.
  struct Key_Case {
    std::function<List_Combo *(frm_dtmf &)> list;
    int row, byte, next_stored;
  };
  const Key_Case keys[] = {
      {[](frm_dtmf &f) { return f.Combo_Enc_ys2; }, 671, 1, 8},
      {[](frm_dtmf &f) { return f.Combo_Dec_qh; }, 687, 4, 12},
      {[](frm_dtmf &f) { return f.Combo_Dec_Res_Time; }, 687, 7, 1},
  };
  for (const Key_Case &k : keys) {
    List_Combo *list = k.list(*form);
    const int index = list->currentIndex();
    const uint8_t stored = Img(k.row, k.byte);
    list->setFocus();
    for (char c : {'1', '9', 'D', '#', '*', ' '}) QTest::keyClick(list, c);
    EXPECT_EQ(list->currentIndex(), index);
    EXPECT_EQ(Img(k.row, k.byte), stored);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Img(k.row, k.byte), k.next_stored);
  }
}

// --- the display of stored bytes ---

TEST_F(Dtmf_Window, Display_Shows_Stored_Bytes_And_Stores_Only_What_It_Changes) {
  struct Case {
    const char *what;
    std::function<void()> prepare;
    std::function<void(frm_dtmf &)> check;
  };
  const Case cases[] = {
      {"a gap in a code line closes up",
       [] { Set_Row(656, Codes({1, 0xFF, 2})); },
       [](frm_dtmf &f) {
         EXPECT_EQ(f.Text_tx_Encode[0]->text(), "12");
         EXPECT_EQ(Row(656), Codes({1, 2}));
       }},
      {"codes beyond the table add nothing",
       [] { Set_Row(673, Codes({16, 10, 0x80, 11, 12, 0})); },
       [](frm_dtmf &f) {
         EXPECT_EQ(f.Text_JT->text(), "0*#D");
         EXPECT_EQ(Row(673), Codes({10, 11, 12, 0}));
       }},
      {"an empty line", [] { Set_Row(686, Codes({})); },
       [](frm_dtmf &f) {
         EXPECT_EQ(f.Text_SID->text(), "");
         EXPECT_EQ(Row(686), Codes({}));
       }},
      {"on time beyond the list", [] { Img(671, 0) = 0xFF; },
       [](frm_dtmf &f) {
         EXPECT_EQ(f.Combo_Enc_ys1->currentText(), "2000");
         EXPECT_EQ(Img(671, 0), 195);
         EXPECT_EQ(f.Combo_Enc_ys2->currentText(), "80");
         EXPECT_EQ(Img(671, 1), 3);
       }},
      {"off time just beyond the list", [] { Img(671, 1) = 196; },
       [](frm_dtmf &f) {
         EXPECT_EQ(f.Combo_Enc_ys2->currentText(), "2000");
         EXPECT_EQ(Img(671, 1), 195);
       }},
      {"group digit, space no code",
       [] {
         Img(687, 4) = 5;
         Img(687, 5) = 0xFF;
       },
       [](frm_dtmf &f) {
         EXPECT_EQ(Shown(f.Combo_Dec_qh), "5");
         EXPECT_EQ(f.Combo_Dec_qh->currentIndex(), -1);
         EXPECT_EQ(Img(687, 4), 5);
         EXPECT_EQ(Shown(f.Combo_Dec_Space_Code), "");
         EXPECT_EQ(Img(687, 5), 0xFF);
       }},
      {"group and space from the list",
       [] {
         Img(687, 4) = 0;
         Img(687, 5) = 14;
       },
       [](frm_dtmf &f) {
         EXPECT_EQ(Shown(f.Combo_Dec_qh), "D");
         EXPECT_EQ(Shown(f.Combo_Dec_Space_Code), "B");
         EXPECT_EQ(Img(687, 4), 0);
         EXPECT_EQ(Img(687, 5), 14);
       }},
      {"delay and reset beyond their lists",
       [] {
         Img(687, 6) = 0xFF;
         Img(687, 7) = 200;
       },
       [](frm_dtmf &f) {
         EXPECT_EQ(f.Combo_Dec_Proc_Ys->currentIndex(), -1);
         EXPECT_EQ(f.Combo_Dec_Res_Time->currentIndex(), -1);
         EXPECT_EQ(Img(687, 6), 0xFF);
         EXPECT_EQ(Img(687, 7), 200);
       }},
      {"control off", [] { Img(687, 0) = 0; },
       [](frm_dtmf &f) {
         EXPECT_FALSE(f.Check_Ctrl_En->isChecked());
         EXPECT_FALSE(f.Text_MID->isEnabled());
         EXPECT_FALSE(f.Text_SID->isEnabled());
         for (int i = 0; i < 5; ++i) {
           EXPECT_FALSE(f.Check_M[static_cast<size_t>(i)]->isEnabled());
           EXPECT_FALSE(f.Check_S[static_cast<size_t>(i)]->isEnabled());
         }
         EXPECT_EQ(f.Text_MID->text(), "12345");
         EXPECT_EQ(Img(687, 0), 0);
         EXPECT_EQ(Img(687, 1), 31);
         EXPECT_EQ(Img(687, 2), 3);
       }},
      {"all permission bits",
       [] {
         Img(687, 1) = 0xFF;
         Img(687, 2) = 0xE2;
         Img(687, 3) = 0xFE;
       },
       [](frm_dtmf &f) {
         for (int i = 0; i < 5; ++i) {
           EXPECT_TRUE(f.Check_M[static_cast<size_t>(i)]->isChecked()) << i;
           EXPECT_EQ(f.Check_S[static_cast<size_t>(i)]->isChecked(), i == 1) << i;
         }
         EXPECT_FALSE(f.Check_RX->isChecked());
         EXPECT_TRUE(f.Check_Tx->isChecked());
         EXPECT_EQ(Img(687, 1), 0xFF);
         EXPECT_EQ(Img(687, 2), 0xE2);
         EXPECT_EQ(Img(687, 3), 0xFE);
       }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Build_Startup_State(Shared());
    // Bytes no control shows.
    for (int line = 678; line <= 684; ++line)
      for (int col = 0; col < 16; ++col) Img(line, col) = static_cast<uint8_t>(line + col);
    for (int col = 2; col < 16; ++col) Img(671, col) = static_cast<uint8_t>(0x70 + col);
    for (int col = 8; col < 16; ++col) Img(687, col) = static_cast<uint8_t>(0x80 + col);
    c.prepare();
    Open();
    c.check(*form);
    for (int line = 678; line <= 684; ++line)
      for (int col = 0; col < 16; ++col) ASSERT_EQ(Img(line, col), static_cast<uint8_t>(line + col)) << line << "," << col;
    for (int col = 2; col < 16; ++col) EXPECT_EQ(Img(671, col), 0x70 + col) << col;
    for (int col = 8; col < 16; ++col) EXPECT_EQ(Img(687, col), 0x80 + col) << col;
    form->Command_close_Click();
    Flush_Deletes();
  }
}

TEST_F(Dtmf_Window, Control_Byte_Is_Written_Only_When_The_Box_Changes_State) {
  Img(687, 0) = 7;
  Open();
  // The box was unchecked before the first display: it changes and stores.
  EXPECT_TRUE(form->Check_Ctrl_En->isChecked());
  EXPECT_EQ(Img(687, 0), 1);
  // Already checked: a non-zero byte stays as it is.
  Img(687, 0) = 7;
  form->Form_Activate();
  EXPECT_TRUE(form->Check_Ctrl_En->isChecked());
  EXPECT_EQ(Img(687, 0), 7);
  // A list or box showing what it showed before stores nothing either.
  Img(671, 0) = 0xFF;
  form->Form_Activate();
  EXPECT_EQ(Img(671, 0), 195);
  Img(671, 0) = 0xFF;
  form->Form_Activate();
  EXPECT_EQ(form->Combo_Enc_ys1->currentText(), "2000");
  EXPECT_EQ(Img(671, 0), 0xFF);
}

// --- the window ---

TEST_F(Dtmf_Window, Captions_By_Language) {
  struct Case {
    const char *name;
    const char *en, *cn;
  };
  const Case cases[] = {
      {"Frame_Encode", "DTMF Encode", "DTMF 编码"},
      {"Label_tx_encode", " Code ", "发送编码"},
      {"Label_dtmf_ontime", "DTMF Speed (On Time)", "发码持续时间（MS）"},
      {"Label_xc", "Inspection", "巡 查 码"},
      {"Label_Rece_End_ProcDelay", "Delay processing time (ms)", "收码结束延迟处理时间(ms)"},
      {"Frame_Ctrl", "Control ID code and control right", "控制ID码及控制权限"},
      {"Check_Ctrl_En", "Function Control by master and vice ID code", "接受主副ID控制"},
      {"Label_xcjtyyybkj_2", "      Inspection             Stun                 Revive ", ""},
      {"Label_xcjtyyybkj_1", "              Monitor                Kill", "巡查      监听     遥晕     遥毙      开机 "},
      {"Check_Tx", "TX Disable", "发射禁止"},
      {"Command_Write", "Write", "写  入"},
      {"Command_close", "Close", "关  闭"},
      {"Label_PassWord", "PassWord", "读写密码"},
  };
  for (bool chinese : {false, true}) {
    SCOPED_TRACE(chinese ? "Chinese" : "English");
    Shared().Lang_Chinese = chinese;
    Open();
    EXPECT_EQ(form->windowTitle(), chinese ? "DTMF 编解码参数编辑" : "DTMF Encode/Decode ");
    for (const Case &c : cases) {
      SCOPED_TRACE(c.name);
      QObject *o = form->findChild<QObject *>(c.name);
      ASSERT_NE(o, nullptr);
      EXPECT_EQ(Caption_Of(o), QString::fromUtf8(chinese ? c.cn : c.en));
    }
    for (int i = 0; i < 15; ++i) EXPECT_EQ(form->Label_xh[static_cast<size_t>(i)]->text(), QString::number(i + 1));
    form->Command_close_Click();
    Flush_Deletes();
  }
}

TEST_F(Dtmf_Window, Lists_Hold_Their_Entries) {
  Open();
  struct Case {
    List_Combo *list;
    int count;
    const char *first, *last;
  };
  for (const Case &c : {Case{form->Combo_Enc_ys1, 196, "50", "2000"}, Case{form->Combo_Enc_ys2, 196, "50", "2000"},
                        Case{form->Combo_Dec_Proc_Ys, 40, "100", "4000"},
                        Case{form->Combo_Dec_Res_Time, 200, "100", "20000"}}) {
    SCOPED_TRACE(c.list->objectName().toStdString());
    ASSERT_EQ(c.list->count(), c.count);
    EXPECT_EQ(c.list->itemText(0), c.first);
    EXPECT_EQ(c.list->itemText(c.count - 1), c.last);
  }
  EXPECT_EQ(form->Combo_Enc_ys1->itemText(3), "80");
  const QStringList codes = {"*", "#", "A", "B", "C", "D"};
  for (List_Combo *list : {form->Combo_Dec_qh, form->Combo_Dec_Space_Code}) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    EXPECT_EQ(items, codes);
  }
}

TEST_F(Dtmf_Window, Sized_From_The_Main_Window_And_Centred_In_Its_Client_Area) {
  Open();
  const Main_Sizing s = main->Sizing();
  const double width = s.Width / 1.4, height = s.Height / 1.55;
  const QRect want(Twips_To_Px((s.Scale_Width - width) / 2), Twips_To_Px((s.Scale_Height - height) / 2),
                   Twips_To_Px(width), Twips_To_Px(height));
  const QRect got = Sub()->geometry();
  EXPECT_NEAR(got.x(), want.x(), 1);
  EXPECT_NEAR(got.y(), want.y(), 1);
  EXPECT_NEAR(got.width(), want.width(), 1);
  EXPECT_NEAR(got.height(), want.height(), 1);
}

TEST_F(Dtmf_Window, Opens_From_The_Menu_And_The_Toolbar_Once) {
  MDImain &m = Make_Main();
  m.Toolbar1_ButtonClick("edit_dtmf");
  QPointer<QWidget> first = m.Windows().Window("frm_dtmf");
  ASSERT_TRUE(first);
  ASSERT_TRUE(qobject_cast<frm_dtmf *>(qobject_cast<QMdiSubWindow *>(first.data())->widget()));
  m.Menu("Sig_dtmf")->trigger();
  m.Toolbar1_ButtonClick("edit_dtmf");
  Flush_Deletes();
  EXPECT_EQ(m.Windows().Window("frm_dtmf"), first.data());
}

TEST_F(Dtmf_Window, Default_Shows_The_Factory_Content) {
  Shared().Radio_Image.Fill(656, 687, 0, 15, 0);
  Open();
  Retype(form->Text_tx_Encode[4], "777");
  form->Command_def_Click();
  Radio_Image_Table factory;
  Load_Dtmf_Defaults(factory);
  for (int line = 656; line <= 687; ++line)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(Img(line, c), factory(line, c)) << line << "," << c;
  EXPECT_EQ(form->Text_tx_Encode[0]->text(), "20202");
  EXPECT_EQ(form->Text_tx_Encode[14]->text(), "30303");
  for (int i = 1; i < 14; ++i) EXPECT_EQ(form->Text_tx_Encode[static_cast<size_t>(i)]->text(), "") << i;
  EXPECT_EQ(form->Combo_Enc_ys1->currentText(), "80");
  EXPECT_EQ(form->Combo_Enc_ys2->currentText(), "80");
  const QLineEdit *remote[] = {form->Text_XC, form->Text_JT, form->Text_BJ, form->Text_YY, form->Text_YB, form->Text_KJ};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(remote[k]->text(), QString(3, QChar('1' + k)));
  EXPECT_EQ(form->Text_MID->text(), "12345");
  EXPECT_EQ(form->Text_SID->text(), "54321");
  EXPECT_EQ(Shown(form->Combo_Dec_qh), "*");
  EXPECT_EQ(Shown(form->Combo_Dec_Space_Code), "#");
  EXPECT_EQ(form->Combo_Dec_Proc_Ys->currentText(), "500");
  EXPECT_EQ(form->Combo_Dec_Res_Time->currentText(), "16000");
  EXPECT_TRUE(form->Check_Ctrl_En->isChecked());
  EXPECT_TRUE(form->Text_MID->isEnabled());
  EXPECT_TRUE(form->Text_SID->isEnabled());
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(form->Check_M[static_cast<size_t>(i)]->isChecked()) << i;
    EXPECT_EQ(form->Check_S[static_cast<size_t>(i)]->isChecked(), i < 2) << i;
    EXPECT_TRUE(form->Check_M[static_cast<size_t>(i)]->isEnabled()) << i;
    EXPECT_TRUE(form->Check_S[static_cast<size_t>(i)]->isEnabled()) << i;
  }
  EXPECT_FALSE(form->Check_RX->isChecked());
  EXPECT_FALSE(form->Check_Tx->isChecked());
}

TEST_F(Dtmf_Window, An_Image_Changed_Elsewhere_Shows_At_The_Next_Activation_Only) {
  MDImain &m = Make_Main();
  m.activateWindow();
  Settle();
  Open();
  QMdiSubWindow *sub = Sub();
  // Another child window comes to the front, and a whole-radio read changes
  // the area meanwhile.
  m.Windows().Open("Form_open_chann");
  Settle();
  Set_Row(660, Codes({4, 4}));
  Img(687, 6) = 9;
  EXPECT_EQ(form->Text_tx_Encode[4]->text(), "");
  m.Mdi_Area()->setActiveSubWindow(sub);
  Settle();
  EXPECT_EQ(form->Text_tx_Encode[4]->text(), "44");
  EXPECT_EQ(form->Combo_Dec_Proc_Ys->currentText(), "1000");
  // A message box closing is no activation.
  Set_Row(660, Codes({5}));
  Real_Box_Round_Trip();
  EXPECT_EQ(m.Mdi_Area()->activeSubWindow(), sub);
  EXPECT_EQ(form->Text_tx_Encode[4]->text(), "44");
}

TEST_F(Dtmf_Window, Leaving_A_Code_Box_Redisplays_The_Whole_Window) {
  Open();
  Img(687, 7) = 20;
  Set_Row(686, Codes({1, 0xFF, 1}));
  Retype(form->Text_YY, "9");
  EXPECT_EQ(form->Combo_Dec_Res_Time->currentIndex(), 159);
  Leave(form->Text_YY);
  EXPECT_EQ(form->Combo_Dec_Res_Time->currentIndex(), 20);
  EXPECT_EQ(form->Text_SID->text(), "11");
  EXPECT_EQ(Row(686), Codes({1, 1}));
}

TEST_F(Dtmf_Window, Open_And_Save_Bring_Their_Dialog_Forward_Without_Reopening_It) {
  Open();
  for (const char *dialog : {"Form_open_chann", "Form_save_chann"}) {
    SCOPED_TRACE(dialog);
    const bool open = QString::fromLatin1(dialog) == "Form_open_chann";
    main->Mdi_Area()->setActiveSubWindow(Sub());
    open ? form->Command_open_Click() : form->Command_save_Click();
    QPointer<QWidget> first = main->Windows().Window(dialog);
    ASSERT_TRUE(first);
    main->Mdi_Area()->setActiveSubWindow(Sub());
    open ? form->Command_open_Click() : form->Command_save_Click();
    Flush_Deletes();
    EXPECT_EQ(main->Windows().Window(dialog), first.data());
  }
}

TEST_F(Dtmf_Window, Close_Also_Closes_The_Menu_File_Dialogs) {
  Open();
  main->Windows().Open("Form_open_menu");
  main->Windows().Open("Form_save_menu");
  main->Windows().Open("Form_open_sig");
  form->Command_close_Click();
  Flush_Deletes();
  EXPECT_FALSE(main->Windows().Is_Open("frm_dtmf"));
  EXPECT_FALSE(main->Windows().Is_Open("Form_open_menu"));
  EXPECT_FALSE(main->Windows().Is_Open("Form_save_menu"));
  EXPECT_TRUE(main->Windows().Is_Open("Form_open_sig"));
  // Without them open, Close closes the window alone.
  Open();
  QTest::mouseClick(form->Command_close, Qt::LeftButton);
  Flush_Deletes();
  EXPECT_FALSE(main->Windows().Is_Open("frm_dtmf"));
}

}  // namespace
}  // namespace zv::test
