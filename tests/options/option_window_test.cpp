// The option editor window: its lists, settings, flags, work mode, codes and
// power-on texts, display, sizing and buttons, through the real widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>

#include "comm/exchange_panel.h"
#include "image/option_defaults.h"
#include "image/option_lists.h"
#include "shell/language_texts.h"
#include "tests/options/option_fixture.h"

namespace zv::test {
namespace {

using Option_Window = Option_Editor_Test;

TEST_F(Option_Window, Lists_Hold_Their_Items_In_Both_Languages_At_Every_Opening) {
  for (bool chinese : {false, true}) {
    SCOPED_TRACE(chinese ? "Chinese" : "English");
    Shared().Lang_Chinese = chinese;
    for (int opening = 0; opening < 2; ++opening) {
      Open();
      for (const Option_List_Row &row : Option_List_Table()) {
        SCOPED_TRACE(row.name);
        const std::vector<std::string> &want = Option_List_Items(row.items, chinese);
        List_Combo *list = Combo(row.name);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(static_cast<size_t>(list->count()), want.size());
        for (int i = 0; i < list->count(); ++i)
          ASSERT_EQ(list->itemText(i).toStdString(), want[static_cast<size_t>(i)]) << i;
      }
      form->Command_close_Click();
      Flush_Deletes();
      ASSERT_FALSE(main->Windows().Is_Open("frm_option"));
    }
  }
}

TEST_F(Option_Window, Captions_By_Language) {
  struct Case {
    const char *name;
    const char *en, *cn;
  };
  const Case cases[] = {
      {"Command_read", "Read", "读 取"},
      {"Command_Write", "Write", "写  入"},
      {"Command_close", "Close", "关  闭"},
      {"Label_Tot", "Time Out Timer(TOT)[S]", "发射超时定时器（秒）"},
      {"Label_Tdr_AB", "TDR Return AB ", "双守返回主频"},
      {"Label_ptt_id", "PTT_ID", "PTT_ID"},
      {"Check_Mode_En", "VFO/MR En", "VFO/MR En"},
      {"Check_Reset_En", "Reset En", "Reset En"},
      {"Option1", "freq mode", "freq mode"},
      {"Option2", "channle mode", "channle mode"},
      {"Label28", "MHZ", "MHZ"},
      {"Label4", "MHZ", "MHZ"},
      {"Option_Select_C", " C Frequency model", " C 区频率参数编辑"},
      {"Label_Dtmf_Gain", "DTMF Gain", "DTMF 增益"},
      {"Frame_Pon_Msg", "Power-On Message", "开机显示字符"},
      {"Frame_A", "A Frequency model parameters", "A 区频率模式参数"},
      {"Frame_B", "B Frequency model parameters", "B 区频率模式参数"},
  };
  for (bool chinese : {false, true}) {
    Shared().Lang_Chinese = chinese;
    Open();
    EXPECT_EQ(form->windowTitle(), chinese ? "可选参数编辑" : "Optional Features");
    for (const Case &c : cases) {
      SCOPED_TRACE(c.name);
      QObject *o = form->findChild<QObject *>(c.name);
      ASSERT_NE(o, nullptr);
      EXPECT_EQ(Caption_Of(o), QString::fromUtf8(chinese ? c.cn : c.en));
    }
    form->Command_close_Click();
    Flush_Deletes();
  }
}

// Choosing item k of every setting list through the widget stores k at the
// list's offset, and the whole working copy reaches rows 224-239.
TEST_F(Option_Window, Every_Setting_Stores_The_Chosen_Position) {
  Open();
  for (int r = 0; r < kSettingLists; ++r) {
    const Option_List_Row &row = Option_List_Table()[r];
    SCOPED_TRACE(row.name);
    List_Combo *list = Combo(row.name);
    for (int k : {list->count() - 1, 1, 0}) {
      Choose(list, k);
      EXPECT_EQ(list->currentIndex(), k);
      EXPECT_EQ(Opt(row.offset), k);
      EXPECT_EQ(Shared().Opt_Block[static_cast<size_t>(row.offset)], k);
      ASSERT_TRUE(Rows_Equal_Working_Copy());
    }
  }
  // The last items of the longest lists, where they land in the image.
  struct Case {
    const char *name;
    int line, col, value;
  };
  for (const Case &c : {Case{"Combo_Emc_Ch", 225, 8, 199}, Case{"Combo_Dtmf_Gain", 227, 8, 60},
                        Case{"Combo_tot", 224, 5, 39}}) {
    Choose(Combo(c.name), c.value);
    EXPECT_EQ(Img(c.line, c.col), c.value) << c.name;
  }
}

TEST_F(Option_Window, Typing_And_The_Wheel_Change_No_List_But_Arrows_Store) {
  Opt(Opt_Addr_Sql) = 4;
  Open();
  for (const char *name : {"Combo_Sql", "Combo_Language", "Combo_Tx_Disp", "Combo_step_a"}) {
    SCOPED_TRACE(name);
    List_Combo *list = Combo(name);
    const int before = list->currentIndex();
    list->setFocus();
    for (char c : {'7', 'C', 'M', 'W', '2', ' '}) QTest::keyClick(list, c);
    EXPECT_EQ(list->currentIndex(), before);
  }
  EXPECT_EQ(Opt(Opt_Addr_Sql), 4);
  // The wheel over a list without the focus.
  List_Combo *sql = Combo("Combo_Sql");
  Combo("Combo_Tdr")->setFocus();
  QWheelEvent wheel(QPointF(5, 5), sql->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(sql, &wheel);
  EXPECT_EQ(sql->currentIndex(), 4);
  EXPECT_EQ(Opt(Opt_Addr_Sql), 4);
  // An arrow key chooses and stores as a click does.
  sql->setFocus();
  QTest::keyClick(sql, Qt::Key_Down);
  EXPECT_EQ(Opt(Opt_Addr_Sql), 5);
  EXPECT_TRUE(Rows_Equal_Working_Copy());
}

TEST_F(Option_Window, Flags_Keep_Their_Other_Bits) {
  struct Step {
    QCheckBox *frm_option::*box;
    int expect;
  };
  Opt(Opt_Addr_Flags) = 31;
  Open();
  for (Step s : {Step{&frm_option::Check_Mode_En, 23}, Step{&frm_option::Check_Reset_En, 21},
                 Step{&frm_option::Check_Mode_En, 29}, Step{&frm_option::Check_Reset_En, 31}}) {
    QTest::mouseClick(form->*s.box, Qt::LeftButton);
    EXPECT_EQ(Opt(Opt_Addr_Flags), s.expect);
    EXPECT_TRUE(Rows_Equal_Working_Copy());
  }
  form->Command_close_Click();
  Flush_Deletes();
  Opt(Opt_Addr_Flags) = 255;
  Open();
  QTest::mouseClick(form->Check_Mode_En, Qt::LeftButton);
  EXPECT_EQ(Opt(Opt_Addr_Flags), 247);
}

TEST_F(Option_Window, Work_Mode_Buttons_Set_All_Four_Bands_And_Show_No_Stored_Mode) {
  for (int c = 10; c <= 15; ++c) Img(233, c) = 1;
  Img(233, 10) = 0x5A;
  Img(233, 15) = 0xA5;
  Open();
  EXPECT_FALSE(form->Option1->isChecked());
  EXPECT_FALSE(form->Option2->isChecked());
  QTest::mouseClick(form->Option1, Qt::LeftButton);
  for (int c = 11; c <= 14; ++c) EXPECT_EQ(Img(233, c), 0) << c;
  QTest::mouseClick(form->Option2, Qt::LeftButton);
  for (int c = 11; c <= 14; ++c) EXPECT_EQ(Img(233, c), 1) << c;
  // The button already chosen applies its mode again.
  Img(233, 12) = 0;
  form->Form_Activate();
  QTest::mouseClick(form->Option2, Qt::LeftButton);
  EXPECT_EQ(Img(233, 12), 1);
  EXPECT_EQ(Img(233, 10), 0x5A);
  EXPECT_EQ(Img(233, 15), 0xA5);
  EXPECT_TRUE(Rows_Equal_Working_Copy());
}

TEST_F(Option_Window, Bytes_No_Control_Edits_Survive_Every_Edit) {
  const int kept[] = {1, 57, 100, 133, 200, 102, 154};
  for (int i : kept) Opt(i) = static_cast<uint8_t>(0xC0 + i % 16);
  Open();
  Choose(Combo("Combo_Sql"), 3);
  QTest::mouseClick(form->Check_Reset_En, Qt::LeftButton);
  QTest::mouseClick(form->Option2, Qt::LeftButton);
  Retype(form->Text_ANI, "1234");
  Retype(form->Text_Pon_Msg[2], "AB");
  Leave(form->Text_Pon_Msg[2]);
  Choose(Combo("Combo_Dtmf_Gain"), 60);
  for (int i : kept) EXPECT_EQ(Opt(i), 0xC0 + i % 16) << i;
}

// --- display from prepared image bytes ---

TEST_F(Option_Window, A_List_Byte_Beyond_Its_List_Shows_And_Stores_The_Last_Item) {
  for (const Option_List_Row &row : Option_List_Table())
    if (row.offset >= 0) Opt(row.offset) = 255;
  Open();
  for (int r = 0; r < kSettingLists; ++r) {
    const Option_List_Row &row = Option_List_Table()[r];
    const int last = Combo(row.name)->count() - 1;
    EXPECT_EQ(Combo(row.name)->currentIndex(), last) << row.name;
    EXPECT_EQ(Opt(row.offset), last) << row.name;
  }
  EXPECT_TRUE(Rows_Equal_Working_Copy());
}

TEST_F(Option_Window, Flags_Show_Both_Bits_And_Stay_As_Read) {
  struct Case {
    int flags;
    bool mode, reset;
  };
  for (Case c : {Case{255, true, true}, Case{8, true, false}, Case{0, false, false}, Case{2, false, true}}) {
    SCOPED_TRACE(c.flags);
    Opt(Opt_Addr_Flags) = static_cast<uint8_t>(c.flags);
    if (form)
      form->Form_Activate();
    else
      Open();
    EXPECT_EQ(form->Check_Mode_En->isChecked(), c.mode);
    EXPECT_EQ(form->Check_Reset_En->isChecked(), c.reset);
    EXPECT_EQ(Opt(Opt_Addr_Flags), c.flags);
  }
}

TEST_F(Option_Window, Code_Fields_And_Power_On_Halves_Show_Closed_Up_And_Are_Stored_So) {
  // ANI: 1, 255, 2, then 255.
  for (int i = 0; i < 16; ++i) Opt(Opt_Addr_Ani + i) = 0xFF;
  Opt(Opt_Addr_Ani) = 1;
  Opt(Opt_Addr_Ani + 2) = 2;
  // PTT-ID end: sixteen 0xFF.
  for (int i = 0; i < 16; ++i) Opt(Opt_Addr_PttId_Eot + i) = 0xFF;
  // Power-on line 2, left half: A, B, blank, C, D, three blanks; right half 0xFF.
  const uint8_t half[8] = {'A', 'B', ' ', 'C', 'D', ' ', ' ', ' '};
  for (int i = 0; i < 8; ++i) {
    Img(249, i) = half[i];
    Img(249, 8 + i) = 0xFF;
  }
  Open();
  EXPECT_EQ(form->Text_ANI->text(), "12");
  const uint8_t ani[16] = {1, 2, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(Img(237, i), ani[i]) << i;
    EXPECT_EQ(Shared().Opt_Block[static_cast<size_t>(Opt_Addr_Ani + i)], ani[i]) << i;
  }
  EXPECT_EQ(form->Text_PttId_End->text(), "");
  EXPECT_EQ(form->Text_Pon_Msg[2]->text(), "ABCD ");
  const uint8_t centred[8] = {32, 32, 'A', 'B', 'C', 'D', 32, 32};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Img(249, i), centred[i]) << i;
  // Eight 0xFF show an empty box and are stored as blanks, which the
  // activation after the opening shows as one blank.
  EXPECT_EQ(form->Text_Pon_Msg[3]->text(), " ");
  for (int i = 8; i < 16; ++i) EXPECT_EQ(Img(249, i), 32) << i;
}

// --- codes and texts through the boxes ---

TEST_F(Option_Window, A_Typed_Code_Is_Stored_And_Survives_Other_Edits) {
  Open();
  Retype(form->Text_PttId_Begin, "12X4");
  const uint8_t want[16] = {1, 2, 255, 4, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(Img(238, i), want[i]) << i;
    EXPECT_EQ(Shared().Opt_Block[static_cast<size_t>(224 + i)], want[i]) << i;
  }
  Retype(form->Text_ANI, "ab*#");
  Retype(form->Text_PttId_End, "");
  Choose(Combo("Combo_Beep"), 0);
  QTest::mouseClick(form->Check_Mode_En, Qt::LeftButton);
  QTest::mouseClick(form->Option1, Qt::LeftButton);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(Img(238, i), want[i]) << i;
  const uint8_t ani[4] = {13, 14, 11, 12};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Img(237, i), ani[i]) << i;
  for (int i = 0; i < 16; ++i) EXPECT_EQ(Img(239, i), 255) << i;
  // The next display closes the field up.
  form->Form_Activate();
  EXPECT_EQ(form->Text_PttId_Begin->text(), "124");
  EXPECT_EQ(Img(238, 2), 4);
  EXPECT_EQ(Img(238, 3), 255);
}

TEST_F(Option_Window, Outer_Blanks_Are_Not_Stored_Inner_Blanks_Hold_Their_Place) {
  Open();
  Retype(form->Text_PttId_Begin, " 1 2 ");
  const uint8_t want[4] = {1, 255, 2, 255};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Img(238, i), want[i]) << i;
  form->Form_Activate();
  EXPECT_EQ(form->Text_PttId_Begin->text(), "12");
  EXPECT_EQ(Img(238, 1), 2);
}

TEST_F(Option_Window, Ani_Check_On_Leaving_The_Box) {
  const QString length = "ANI ID code length is 3 to 5 digit.";
  const QString range = " Available ANI ID code from 00000 to 99999. ";
  struct Case {
    const char *text;
    QString message;  // empty: accepted
  };
  const Case cases[] = {
      {"", length},     {"12", length},   {"123456", length}, {"000", range},   {"0000", range},
      {"A12", range},   {"*12", range},   {"99A", range},     {"001", ""},      {"00000", ""},
      {"1A3", ""},      {"9#9", ""},      {" 123 ", ""},      {"99999", ""},
  };
  Open();
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    messages.shown.clear();
    Retype(form->Text_ANI, c.text);
    Leave(form->Text_ANI);
    if (c.message.isEmpty()) {
      EXPECT_TRUE(messages.shown.empty());
      EXPECT_NE(QApplication::focusWidget(), form->Text_ANI);
    } else {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, c.message);
      EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
      EXPECT_EQ(QApplication::focusWidget(), form->Text_ANI);
      // A refused code stays stored.
      EXPECT_EQ(form->Text_ANI->text(), c.text);
    }
  }
  Retype(form->Text_ANI, "A12");
  EXPECT_EQ(Img(237, 0), 13);
  Shared().Lang_Chinese = true;
  messages.shown.clear();
  Leave(form->Text_ANI);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, " 身份码的有效数字为 00000 - 99999 ");
  EXPECT_EQ(messages.shown[0].title, "操作提示");
}

TEST_F(Option_Window, Power_On_Texts_Are_Centred_And_Redisplayed_On_Leaving) {
  Open();
  struct Case {
    int box;
    const char *text;
    int line, first;
    std::array<uint8_t, 8> bytes;
  };
  const Case cases[] = {
      {0, "HI", 248, 0, {32, 32, 32, 72, 73, 32, 32, 32}},
      {1, "HI", 248, 8, {32, 32, 32, 72, 73, 32, 32, 32}},
      {3, "WELCOME", 249, 8, {'W', 'E', 'L', 'C', 'O', 'M', 'E', 32}},
      {6, "abc", 251, 0, {32, 32, 65, 66, 67, 32, 32, 32}},
      {5, "", 250, 8, {32, 32, 32, 32, 32, 32, 32, 32}},
      {4, "!", 250, 0, {32, 32, 32, 11, 32, 32, 32, 32}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    Retype(form->Text_Pon_Msg[static_cast<size_t>(c.box)], c.text);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Img(c.line, c.first + i), c.bytes[static_cast<size_t>(i)]) << i;
    Leave(form->Text_Pon_Msg[static_cast<size_t>(c.box)]);
  }
  // The redisplay on leaving keeps what it can show: "!" has no display
  // character, so its half is blank now.
  EXPECT_EQ(form->Text_Pon_Msg[3]->text(), "WELCOME ");
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Img(250, i), 32) << i;
  // A blank inside the text is stored as 11 while the box has the focus; the
  // redisplay on leaving drops it and centres the rest.
  QLineEdit *box = form->Text_Pon_Msg[7];
  Retype(box, "A B");
  EXPECT_EQ(Img(251, 10), 65);
  EXPECT_EQ(Img(251, 11), 11);
  EXPECT_EQ(Img(251, 12), 66);
  Leave(box);
  EXPECT_EQ(box->text(), "AB ");
  const uint8_t after[8] = {32, 32, 32, 65, 66, 32, 32, 32};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Img(251, 8 + i), after[i]) << i;
  // Leaving a power-on box redisplays the whole window.
  Opt(Opt_Addr_Sql) = 8;
  Leave(form->Text_Pon_Msg[0]);
  EXPECT_EQ(Combo("Combo_Sql")->currentIndex(), 8);
}

TEST_F(Option_Window, A_Full_Box_Takes_No_Key_But_Delete_Still_Shortens_It) {
  Open();
  struct Case {
    QLineEdit *box;
    QString full;
  };
  const Case cases[] = {{form->Text_ANI, "1234567890123456"}, {form->Text_Pon_Msg[1], "ABCDEFGH"}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.full.toStdString());
    Retype(c.box, c.full);
    ASSERT_EQ(c.box->text(), c.full);
    c.box->end(false);
    QTest::keyClick(c.box, '7');
    QTest::keyClick(c.box, Qt::Key_Backspace);
    EXPECT_EQ(c.box->text(), c.full);
    c.box->home(false);
    QTest::keyClick(c.box, Qt::Key_Delete);
    EXPECT_EQ(c.box->text(), c.full.mid(1));
    QTest::keyClick(c.box, Qt::Key_Backspace);  // nothing before the cursor
    c.box->end(false);
    QTest::keyClick(c.box, Qt::Key_Backspace);
    EXPECT_EQ(c.box->text(), c.full.mid(1, c.full.size() - 2));
  }
}

TEST_F(Option_Window, Pastes_Are_Cut_To_The_Field) {
  Open();
  for (int c = 0; c < 16; ++c) Img(240, c) = static_cast<uint8_t>(0x30 + c);
  const auto row_240 = [] {
    std::array<uint8_t, 16> r;
    for (int c = 0; c < 16; ++c) r[static_cast<size_t>(c)] = Img(240, c);
    return r;
  }();
  // Twenty characters into the last code box: sixteen codes, nothing beyond.
  QLineEdit *end = form->Text_PttId_End;
  end->setFocus();
  end->selectAll();
  end->insert("12345678901234567890");
  EXPECT_EQ(end->text(), "1234567890123456");
  for (int i = 0; i < 16; ++i) EXPECT_EQ(Img(239, i), i < 9 ? i + 1 : i == 9 ? 10 : i - 9) << i;
  for (int c = 0; c < 16; ++c) EXPECT_EQ(Img(240, c), row_240[static_cast<size_t>(c)]) << c;
  // Ten characters into a power-on box: the half holds the first eight.
  QLineEdit *pon = form->Text_Pon_Msg[4];
  pon->setFocus();
  pon->selectAll();
  pon->insert("ABCDEFGHIJ");
  const char *stored = "ABCDEFGH";
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Img(250, i), stored[i]) << i;
  Leave(pon);
  EXPECT_EQ(pon->text(), "ABCDEFGH");
}

// --- the window ---

TEST_F(Option_Window, Sized_From_The_Main_Window_And_Centred_In_Its_Client_Area) {
  Open();
  const Main_Sizing s = main->Sizing();
  const double width = s.Width / 1.48, height = s.Height / 1.16;
  const QRect want(Twips_To_Px((s.Scale_Width - width) / 2), Twips_To_Px((s.Scale_Height - height) / 2),
                   Twips_To_Px(width), Twips_To_Px(height));
  const QRect got = Sub()->geometry();
  EXPECT_NEAR(got.x(), want.x(), 1);
  EXPECT_NEAR(got.y(), want.y(), 1);
  EXPECT_NEAR(got.width(), want.width(), 1);
  EXPECT_NEAR(got.height(), want.height(), 1);
  EXPECT_FALSE(form->Panel().ProgressBar1->isVisible());
  EXPECT_TRUE(form->Panel().Label_tr_count->text().isEmpty());
  EXPECT_EQ(form->Panel().Text_PassWord->text(), "");
}

TEST_F(Option_Window, Bands_A_And_B_At_Every_Opening) {
  Open();
  QTest::mouseClick(form->Option_Select_C, Qt::LeftButton);
  QTest::mouseClick(form->Option_Select_D, Qt::LeftButton);
  EXPECT_EQ(form->Frame_A->title(), "C Frequency model parameters");
  form->Command_close_Click();
  Flush_Deletes();
  Open();
  EXPECT_TRUE(form->Option_Select_A->isChecked());
  EXPECT_TRUE(form->Option_Select_B->isChecked());
  EXPECT_FALSE(form->Option_Select_C->isChecked());
  EXPECT_FALSE(form->Option_Select_D->isChecked());
  EXPECT_EQ(form->Frame_A->title(), "A Frequency model parameters");
  EXPECT_EQ(form->Frame_B->title(), "B Frequency model parameters");
}

TEST_F(Option_Window, Default_Restores_The_Factory_Values_And_Keeps_The_Bytes_Between) {
  for (int i = 58; i <= 131; ++i) Opt(i) = static_cast<uint8_t>(i);
  for (int i = 134; i <= 207; ++i) Opt(i) = static_cast<uint8_t>(255 - i);
  Open();
  Choose(Combo("Combo_Sql"), 9);
  Retype(form->Text_ANI, "4321");
  Retype(form->Text_Pon_Msg[0], "XY");
  form->Panel().ProgressBar1->show();
  form->Panel().Label_tr_count->setText("x");
  form->Command_def_Click();
  EXPECT_FALSE(form->Panel().ProgressBar1->isVisible());
  EXPECT_EQ(form->Panel().ProgressBar1->value(), 0);
  EXPECT_TRUE(form->Panel().Label_tr_count->text().isEmpty());
  EXPECT_EQ(Opt(Opt_Addr_Sql), 5);
  EXPECT_EQ(Combo("Combo_Sql")->currentIndex(), 5);
  EXPECT_EQ(Opt(Opt_Addr_Flags), 31);
  EXPECT_EQ(form->Text_ANI->text(), "80808");
  EXPECT_EQ(form->Text_PttId_Begin->text(), "12345");
  EXPECT_EQ(form->Text_Pon_Msg[2]->text(), "WELCOME");
  EXPECT_EQ(form->Text_Pon_Msg[0]->text(), " ");
  EXPECT_EQ(form->Text_Freq_a->text(), "136.02500");
  for (int i = 58; i <= 131; ++i) EXPECT_EQ(Opt(i), i) << i;
  for (int i = 134; i <= 207; ++i) EXPECT_EQ(Opt(i), 255 - i) << i;
  EXPECT_TRUE(Rows_Equal_Working_Copy());
}

TEST_F(Option_Window, An_Image_Changed_Elsewhere_Shows_At_The_Next_Activation_Only) {
  Open();
  QMdiSubWindow *sub = Sub();
  // An image file opened from the main window's dialog.
  main->Windows().Open("Form_open_chann");
  Settle();
  Opt(Opt_Addr_Sql) = 7;
  Opt(Opt_Addr_Tot) = 11;
  EXPECT_EQ(Combo("Combo_Sql")->currentIndex(), 5);
  main->Mdi_Area()->setActiveSubWindow(sub);
  Settle();
  EXPECT_EQ(Combo("Combo_Sql")->currentIndex(), 7);
  EXPECT_EQ(Combo("Combo_tot")->currentIndex(), 11);
  // A message box closing is no activation.
  Opt(Opt_Addr_Sql) = 2;
  messages.on_show = [&](const Message_Record &) { Settle(); };
  Retype(form->Text_ANI, "1");
  Leave(form->Text_ANI);
  Settle();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(Combo("Combo_Sql")->currentIndex(), 7);
}

TEST_F(Option_Window, Open_Brings_The_Open_Dialog_Forward_And_Save_Reopens_Its_Dialog) {
  Open();
  QPointer<QWidget> open_dialog = main->Windows().Open("Form_open_chann");
  ASSERT_TRUE(open_dialog);
  main->Mdi_Area()->setActiveSubWindow(Sub());
  form->Command_open_Click();
  Flush_Deletes();
  EXPECT_EQ(main->Windows().Window("Form_open_chann"), open_dialog.data());
  EXPECT_EQ(main->Mdi_Area()->activeSubWindow(), open_dialog.data());

  form->Command_save_Click();
  QPointer<QWidget> save_dialog = main->Windows().Window("Form_save_chann");
  ASSERT_TRUE(save_dialog);
  form->Command_save_Click();
  Flush_Deletes();
  EXPECT_TRUE(save_dialog.isNull());
  EXPECT_TRUE(main->Windows().Is_Open("Form_save_chann"));
}

TEST_F(Option_Window, Loads_And_Closes_On_An_All_Zero_State) {
  Shared() = Shared_State{};
  Open();
  EXPECT_EQ(Combo("Combo_Tdr")->currentIndex(), 0);
  EXPECT_EQ(form->Text_Freq_a->text(), "000.00000");
  form->Command_close_Click();
  Flush_Deletes();
  EXPECT_FALSE(main->Windows().Is_Open("frm_option"));
}

TEST_F(Option_Window, Opens_From_The_Menu_And_The_Toolbar_Once) {
  MDImain &m = Make_Main();
  m.Toolbar1_ButtonClick("edit_option");
  QPointer<QWidget> first = m.Windows().Window("frm_option");
  ASSERT_TRUE(first);
  ASSERT_TRUE(qobject_cast<frm_option *>(qobject_cast<QMdiSubWindow *>(first.data())->widget()));
  m.Menu("sys_edit")->trigger();
  Flush_Deletes();
  EXPECT_EQ(m.Windows().Window("frm_option"), first.data());
}

}  // namespace
}  // namespace zv::test
