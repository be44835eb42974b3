// The 2-tone editor through its real widgets: loading, pages, lists, what
// each edit stores and, as much, what must store nothing.
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <functional>

#include "image/signal_defaults.h"
#include "tone2_fixture.h"

namespace zv::test {
namespace {

using namespace ui;

QStringList Items(const List_Combo *list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
  return out;
}

QStringList Row_Texts(Flex_Grid *grid, int row) {
  QStringList out;
  for (int c = 1; c < grid->Cols(); ++c) out << grid->TextMatrix(row, c);
  return out;
}

// ---- loading -----------------------------------------------------------------

TEST_F(Tone2_Test, Opens_From_The_Menu_On_The_Encode_Page_With_Its_Lists) {
  frm_2tone &f = Open();
  EXPECT_EQ(f.windowTitle(), "2 TONE");
  EXPECT_TRUE(f.Frame_Encode->isVisible());
  EXPECT_FALSE(f.Frame_Decode->isVisible());
  EXPECT_EQ(f.TabStrip1->count(), 2);
  EXPECT_EQ(f.TabStrip1->Selected_Tab(), 1);
  EXPECT_EQ(f.TabStrip1->tabText(0), "Encode");
  EXPECT_EQ(f.TabStrip1->tabText(1), "Decode");
  EXPECT_FALSE(f.ProgressBar1->isVisible());
  EXPECT_FALSE(f.Text_Encode->isVisible());
  EXPECT_FALSE(f.Combo_Decode->isVisible());
  // All 15 codes in view: the cell editor never floats over a scrolled grid.
  EXPECT_EQ(f.MSF_Encode->verticalScrollBar()->maximum(), 0);

  QStringList timing;
  for (int v = 0; v <= 1000; v += 10) timing << QString::number(v);
  QStringList reset;
  for (int v = 100; v <= 20000; v += 100) reset << QString::number(v);
  EXPECT_EQ(Items(f.Combo_Enc_ys1), timing);
  EXPECT_EQ(Items(f.Combo_Enc_ys2), timing);
  EXPECT_EQ(Items(f.Combo_enc_ys3), timing);
  EXPECT_EQ(Items(f.Combo_Dec_Res_Time), reset);

  // Headers and the factory content of start-up.
  EXPECT_EQ(f.MSF_Encode->TextMatrix(0, 1), " 1st Frequency(HZ)");
  EXPECT_EQ(f.MSF_Decode->Cols(), 13);
  EXPECT_EQ(f.MSF_Decode->TextMatrix(0, 2), "    Response   ");
  EXPECT_EQ(f.MSF_Decode->TextMatrix(0, 5), "   Response   ");
  for (int r = 1; r <= 15; ++r) {
    EXPECT_EQ(f.MSF_Encode->TextMatrix(r, 0), QString::number(r));
    EXPECT_EQ(f.MSF_Decode->TextMatrix(r, 0), QString::number(r));
  }
  EXPECT_EQ(f.MSF_Encode->TextMatrix(1, 1), "1981.0");
  EXPECT_EQ(f.MSF_Encode->TextMatrix(1, 2), "1124.0");
  EXPECT_EQ(f.MSF_Encode->TextMatrix(4, 1), "");
  EXPECT_EQ(f.Combo_Enc_ys1->currentText(), "600");
  EXPECT_EQ(f.Combo_enc_ys3->currentText(), "300");
  EXPECT_EQ(f.Combo_Dec_Res_Time->currentText(), "6000");
  EXPECT_EQ(Row_Texts(f.MSF_Decode, 1), (QStringList{"A-B", "1.Alert", "1", "B-C", "2.Transpond", "2", "C-D",
                                                    "3.Alert+Transpond", "3", "D-A", "0.None", "4"}));
  EXPECT_EQ(f.Frame_Dec_xx->title(), " 1 Decode 2 Tone Frequency");
  EXPECT_EQ(f.Text_A->text(), "1981.0");
  EXPECT_EQ(f.Text_D->text(), "1275.0");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Tone2_Test, Chinese_Captions_Keep_The_Password_Label) {
  Shared().Lang_Chinese = true;
  Make_Main();
  Load_Language_Texts();
  frm_2tone &f = Open();
  EXPECT_EQ(f.windowTitle(), "2 TONE 编解码参数编辑");
  EXPECT_EQ(f.TabStrip1->tabText(0), "编码");
  EXPECT_EQ(f.TabStrip1->tabText(1), "解码");
  EXPECT_EQ(f.Frame_Encode->title(), "2 TONE 编码");
  EXPECT_EQ(f.Frame_Dec_xx->title(), " 1 解码信息两音频率");
  EXPECT_EQ(f.Command_read->text(), "读 取");
  EXPECT_EQ(f.Command_Write->text(), "写  入");
  EXPECT_EQ(f.Command_def->text(), "默 认");
  EXPECT_EQ(f.Label_PassWord->text(), "读写密码");
  EXPECT_EQ(f.MSF_Encode->TextMatrix(0, 2), " 第 2 个频率(HZ) ");
  EXPECT_EQ(f.MSF_Decode->TextMatrix(1, 2), "1.提醒");
}

TEST_F(Tone2_Test, English_Password_Label_And_Window_Size) {
  frm_2tone &f = Open();
  EXPECT_EQ(f.Label_PassWord->text(), "PassWord");
  const Main_Sizing m = main->Sizing();
  QWidget *w = main->Windows().Window(win::frm_2tone);
  EXPECT_NEAR(Px_To_Twips(w->width()), m.Width / 1.2, 15);
  EXPECT_NEAR(Px_To_Twips(w->height()), m.Height / 1.25, 15);
  EXPECT_NEAR(Px_To_Twips(w->x()), (m.Scale_Width - m.Width / 1.2) / 2, 15);
}

// ---- pages -------------------------------------------------------------------

TEST_F(Tone2_Test, Tab_Clicks_Switch_Pages_And_The_Decode_Tab_Selects_Entry_1) {
  frm_2tone &f = Open();
  Click_Tab(2);
  EXPECT_TRUE(f.Frame_Decode->isVisible());
  EXPECT_FALSE(f.Frame_Encode->isVisible());
  Click(f.MSF_Decode, 2, 0);
  EXPECT_EQ(f.Dec_Entry, 1);
  EXPECT_EQ(f.Frame_Dec_xx->title(), "2 Decode 2 Tone Frequency");
  EXPECT_EQ(f.Text_A->text(), "1358.0");
  // A click on the tab already selected runs its handler: entry 1 again.
  Click_Tab(2);
  EXPECT_EQ(f.Dec_Entry, 0);
  EXPECT_EQ(f.Frame_Dec_xx->title(), " 1 Decode 2 Tone Frequency");
  EXPECT_EQ(f.Text_A->text(), "1981.0");
  Click_Tab(1);
  EXPECT_TRUE(f.Frame_Encode->isVisible());
  EXPECT_FALSE(f.Frame_Decode->isVisible());
}

// ---- the showing of an area --------------------------------------------------

// A pattern in every byte the window does not edit.
void Put_Pattern(Radio_Image_Table &image) {
  for (int n = 0; n < 15; ++n)
    for (int c : {2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15}) image(720 + n, c) = static_cast<uint8_t>(0x30 + n + c);
  for (int c = 3; c < 16; ++c) image(735, c) = static_cast<uint8_t>(0x90 + c);
  for (int n = 0; n < 15; ++n)
    for (int c = 12; c < 16; ++c) image(736 + n, c) = static_cast<uint8_t>(0x50 + n + c);
  for (int c = 0; c < 16; ++c) image(751, c) = static_cast<uint8_t>(0xA0 + c);
  for (int c = 1; c < 16; ++c) image(767, c) = static_cast<uint8_t>(0xC0 + c);
  for (int c = 0; c < 16; ++c) {
    image(719, c) = static_cast<uint8_t>(0x11 * (c % 8));
    image(768, c) = static_cast<uint8_t>(0x77);
  }
}

TEST_F(Tone2_Test, Edits_And_Redisplays_Leave_Every_Byte_Outside_The_Fields_As_It_Was) {
  Put_Pattern(Shared().Radio_Image);
  frm_2tone &f = Open();
  // A timing list choice, a tone commit, an encode commit, a decode choice
  // and a redisplay.
  f.Combo_Enc_ys2->setFocus();
  Choose(f.Combo_Enc_ys2, 5);
  EXPECT_EQ(Img(735, 1), 5);
  Edit_Encode(2, 2, QStringLiteral("2500"));
  Click(f.MSF_Encode, 5, 1);
  EXPECT_EQ(Img(721, 8) + 256 * Img(721, 9), 2500);
  Click_Tab(2);
  Retype(f.Text_C, QStringLiteral("1500"));
  Leave(f.Text_C);
  EXPECT_EQ(Img(752, 4) + 256 * Img(752, 5), 1500);
  Click(f.MSF_Decode, 3, 4);
  Choose(f.Combo_Decode, 6);
  EXPECT_EQ(Img(738, 3), 6);
  f.Show_Tone2();

  auto expected = std::make_unique<Radio_Image_Table>();
  Put_Pattern(*expected);
  for (int l = 719; l <= 768; ++l)
    for (int c = 0; c < 16; ++c) {
      const bool field = (l >= 720 && l <= 734 && (c <= 1 || c == 8 || c == 9)) || (l == 735 && c <= 2) ||
                         (l >= 736 && l <= 750 && c <= 11) || (l >= 752 && l <= 766) || (l == 767 && c == 0);
      if (!field) {
        EXPECT_EQ(Img(l, c), (*expected)(l, c)) << "line " << l << " col " << c;
      }
    }
}

TEST_F(Tone2_Test, An_Erased_Area_Shows_Empty_And_Stores_Only_The_Two_List_Clamps) {
  Shared().Radio_Image.Fill(720, 767, 0, 15, 0xFF);
  const std::vector<uint8_t> before = Area();
  frm_2tone &f = Open();
  for (int r = 1; r <= 15; ++r) {
    EXPECT_EQ(Row_Texts(f.MSF_Encode, r), (QStringList{"", ""})) << r;
    EXPECT_EQ(Row_Texts(f.MSF_Decode, r), QStringList(12, QString())) << r;
  }
  for (QLineEdit *box : {f.Text_A, f.Text_B, f.Text_C, f.Text_D}) EXPECT_EQ(box->text(), "");
  for (List_Combo *list : {f.Combo_Enc_ys1, f.Combo_Enc_ys2, f.Combo_enc_ys3})
    EXPECT_EQ(list->currentText(), "1000");
  EXPECT_EQ(f.Combo_Dec_Res_Time->currentText(), "20000");

  std::vector<uint8_t> expected = before;
  for (int c = 0; c < 3; ++c) expected[16 * (735 - 719) + c] = 0x64;
  expected[16 * (767 - 719)] = 0xC7;
  EXPECT_EQ(Area(), expected);
}

TEST_F(Tone2_Test, Decode_Cells_Show_Odd_Bytes_Without_Storing) {
  const uint8_t row[12] = {12, 7, 16, 3, 255, 17, 255, 255, 255, 11, 0, 0};
  for (int c = 0; c < 12; ++c) Img(740, c) = row[c];
  frm_2tone &f = Open();
  EXPECT_EQ(Row_Texts(f.MSF_Decode, 5),
            (QStringList{"", "0.None", "16", "B-A", "", "", "", "", "", "D-C", "0.None", "0"}));
  for (int c = 0; c < 12; ++c) EXPECT_EQ(Img(740, c), row[c]) << c;
}

// ---- encode grid -------------------------------------------------------------

TEST_F(Tone2_Test, A_Typed_Encode_Tone_Is_Stored_When_Another_Cell_Is_Clicked) {
  frm_2tone &f = Open();
  std::vector<uint8_t> expected = Area();
  Edit_Encode(3, 1, QStringLiteral("1234.5"));
  EXPECT_TRUE(f.Text_Encode->isVisible());
  EXPECT_EQ(f.Text_Encode->text(), "1234.5");
  EXPECT_EQ(Area(), expected);  // nothing until the cell is left
  Click(f.MSF_Encode, 6, 2);
  expected[16 * (722 - 719) + 0] = 0xD3;
  expected[16 * (722 - 719) + 1] = 0x04;
  EXPECT_EQ(Area(), expected);
  EXPECT_EQ(f.MSF_Encode->TextMatrix(3, 1), "1235.0");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Tone2_Test, Encode_Editor_Keys_And_Range_Message) {
  frm_2tone &f = Open();
  Click(f.MSF_Encode, 2, 1);
  QLineEdit *e = f.Text_Encode;
  e->selectAll();
  QTest::keyClick(e, Qt::Key_Delete);
  Type(e, QStringLiteral("2a -9 .5"));
  QTest::keyClick(e, Qt::Key_Backspace);
  QTest::keyClick(e, Qt::Key_Return);
  EXPECT_EQ(e->text(), "29.5");
  Click(f.MSF_Encode, 2, 2);
  EXPECT_EQ(Texts(), (QStringList{"Frequency range 300Hz to 3000Hz"}));
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt\"");
  EXPECT_EQ(Img(721, 0), 0);
  EXPECT_EQ(Img(721, 1), 0);
  EXPECT_EQ(f.MSF_Encode->TextMatrix(2, 1), "");
  // Emptying a cell stores 0 Hz without a message.
  messages.shown.clear();
  Edit_Encode(2, 2, QString());
  Click(f.MSF_Encode, 1, 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Img(721, 8), 0);
  EXPECT_EQ(Img(721, 9), 0);
}

// Steps that end in a move which must store nothing.
struct Stray_Case {
  const char *what;
  std::function<void(Tone2_Test &, frm_2tone &)> setup;  // may store
  std::function<void(Tone2_Test &, frm_2tone &)> move;   // must not
};

TEST_F(Tone2_Test, Moves_That_Store_Nothing) {
  const Stray_Case cases[] = {
      {"arrow keys across the grid after a commit",
       [](Tone2_Test &t, frm_2tone &f) {
         t.Edit_Encode(1, 1, QStringLiteral("1500"));
         Click(f.MSF_Encode, 1, 2);
       },
       [](Tone2_Test &, frm_2tone &f) {
         f.MSF_Encode->setFocus();
         for (auto key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_End,
                          Qt::Key_Home, Qt::Key_PageDown})
           QTest::keyClick(f.MSF_Encode, key);
         Settle();
       }},
      {"header and code clicks, then another cell",
       [](Tone2_Test &, frm_2tone &) {},
       [](Tone2_Test &, frm_2tone &f) {
         Click(f.MSF_Encode, 0, 1);
         Click(f.MSF_Encode, 4, 0);
         Click(f.MSF_Encode, 0, 0);
         f.MSF_Encode->setFocus();
         QTest::keyClick(f.MSF_Encode, Qt::Key_Down);
         Settle();
       }},
      {"an opened editor left unchanged",
       [](Tone2_Test &, frm_2tone &f) { Click(f.MSF_Encode, 12, 2); },
       [](Tone2_Test &, frm_2tone &f) { Click(f.MSF_Encode, 13, 1); }},
      {"typed, then a tab click",
       [](Tone2_Test &t, frm_2tone &) {
         t.Edit_Encode(2, 1, QStringLiteral("999"));
         t.Click_Tab(1);
       },
       [](Tone2_Test &, frm_2tone &f) { Click(f.MSF_Encode, 7, 2); }},
      {"typed, then Default",
       [](Tone2_Test &t, frm_2tone &f) {
         t.Edit_Encode(2, 1, QStringLiteral("999"));
         Click_Button(f.Command_def);
       },
       [](Tone2_Test &, frm_2tone &f) { Click(f.MSF_Encode, 7, 2); }},
      {"typed, then a redisplay",
       [](Tone2_Test &t, frm_2tone &f) {
         t.Edit_Encode(2, 1, QStringLiteral("999"));
         f.Show_Tone2();
       },
       [](Tone2_Test &, frm_2tone &f) {
         Click(f.MSF_Encode, 7, 2);
         Click(f.MSF_Encode, 2, 1);
         Click(f.MSF_Encode, 3, 1);
       }},
      {"typed into a tone box, refilled by a redisplay",
       [](Tone2_Test &t, frm_2tone &f) {
         t.Click_Tab(2);
         f.Text_B->setFocus();
         f.Text_B->selectAll();
         QTest::keyClick(f.Text_B, Qt::Key_Delete);
       },
       [](Tone2_Test &, frm_2tone &f) {
         f.Show_Tone2();
         Leave(f.Text_B);
       }},
      {"a decode list opened and left without a choice",
       [](Tone2_Test &t, frm_2tone &) { t.Click_Tab(2); },
       [](Tone2_Test &, frm_2tone &f) {
         for (int c : {1, 2, 3}) Click(f.MSF_Decode, 9, c);  // erased: opens on no item
         for (int c : {4, 5, 6}) Click(f.MSF_Decode, 1, c);
         Click(f.MSF_Decode, 2, 2);
       }},
  };
  for (const Stray_Case &c : cases) {
    SCOPED_TRACE(c.what);
    Build_Startup_State(Shared());
    frm_2tone &f = Open();
    c.setup(*this, f);
    const std::vector<uint8_t> before = Area();
    c.move(*this, f);
    EXPECT_EQ(Area(), before);
    EXPECT_TRUE(messages.shown.empty()) << (messages.shown.empty() ? "" : messages.shown[0].text.toStdString());
    main->Windows().Close(win::frm_2tone);
    Flush_Deletes();
    messages.shown.clear();
  }
}

// ---- decode grid -------------------------------------------------------------

TEST_F(Tone2_Test, Decode_Choices_Store_At_Once) {
  frm_2tone &f = Open();
  Click_Tab(2);
  struct Choice {
    int row, col, item;
    int line, byte, value;
    const char *shown;
  };
  const Choice choices[] = {
      {2, 7, 8, 737, 6, 8, "C-D"},  // pair of slot 3, entry 2
      {2, 9, 15, 737, 8, 16, "16"}, // alert 16
      {1, 9, 0, 736, 8, 1, "1"},    // alert 1
      {3, 2, 1, 738, 1, 1, ""},     // a response without a pair: stored, shown empty
  };
  for (const Choice &c : choices) {
    SCOPED_TRACE(c.shown);
    Click(f.MSF_Decode, c.row, c.col);
    ASSERT_TRUE(f.Combo_Decode->isVisible());
    Choose(f.Combo_Decode, c.item);
    EXPECT_EQ(Img(c.line, c.byte), c.value);
    Click(f.MSF_Decode, c.row, c.col - 1);  // leave the cell; the list moves there
    EXPECT_EQ(f.MSF_Decode->TextMatrix(c.row, c.col), c.shown);
  }
  f.Show_Tone2();
  EXPECT_EQ(f.MSF_Decode->TextMatrix(2, 9), "16");
  EXPECT_EQ(f.MSF_Decode->TextMatrix(3, 2), "1.Alert");  // redisplay shows the byte
}

TEST_F(Tone2_Test, Decode_List_Opens_On_The_Stored_Item_Or_On_None) {
  Img(740, 0) = 5;
  Img(740, 1) = 9;
  Img(740, 2) = 0;
  frm_2tone &f = Open();
  Click_Tab(2);
  struct Open_Case { int col; int index; QStringList items; };
  QStringList alerts;
  for (int i = 1; i <= 16; ++i) alerts << QString::number(i);
  const Open_Case cases[] = {
      {1, 5, {"A-B", "A-C", "A-D", "B-A", "B-C", "B-D", "C-A", "C-B", "C-D", "D-A", "D-B", "D-C"}},
      {2, -1, {"0.None", "1.Alert", "2.Transpond", "3.Alert+Transpond"}},
      {3, -1, alerts},
  };
  for (const Open_Case &c : cases) {
    Click(f.MSF_Decode, 5, c.col);
    EXPECT_EQ(Items(f.Combo_Decode), c.items);
    EXPECT_EQ(f.Combo_Decode->List_Index(), c.index) << c.col;
  }
  // Leaving without a choice keeps what the cell showed.
  Click(f.MSF_Decode, 5, 1);
  EXPECT_EQ(f.MSF_Decode->TextMatrix(5, 2), "0.None");
  EXPECT_EQ(f.MSF_Decode->TextMatrix(5, 3), "0");
  EXPECT_EQ(Img(740, 1), 9);
}

TEST_F(Tone2_Test, Row_Clicks_Select_The_Entry_Header_Clicks_Do_Not) {
  Img(758, 0) = 0xB0;  // entry 7, tone A 1200 Hz
  Img(758, 1) = 0x04;
  frm_2tone &f = Open();
  Click_Tab(2);
  Click(f.MSF_Decode, 7, 5);
  EXPECT_EQ(f.Dec_Entry, 6);
  EXPECT_EQ(f.Frame_Dec_xx->title(), "7 Decode 2 Tone Frequency");
  EXPECT_EQ(f.Text_A->text(), "1200.0");
  Click(f.MSF_Decode, 0, 3);
  Double_Click(f.MSF_Decode, 0, 0);
  EXPECT_EQ(f.Dec_Entry, 6);
  EXPECT_EQ(f.Frame_Dec_xx->title(), "7 Decode 2 Tone Frequency");
  EXPECT_EQ(f.Text_A->text(), "1200.0");
}

TEST_F(Tone2_Test, Double_Click_Blanks_A_Row_On_Screen_Only) {
  frm_2tone &f = Open();
  Click_Tab(2);
  const std::vector<uint8_t> before = Area();
  Double_Click(f.MSF_Decode, 2, 0);
  EXPECT_EQ(Row_Texts(f.MSF_Decode, 2), QStringList(12, QString()));
  EXPECT_EQ(f.Text_A->text(), "1358.0");
  EXPECT_EQ(Area(), before);
  f.Show_Tone2();
  EXPECT_EQ(f.MSF_Decode->TextMatrix(2, 1), "A-B");
}

// ---- decode-tone boxes -------------------------------------------------------

TEST_F(Tone2_Test, Tone_Box_Commits_On_Leaving) {
  frm_2tone &f = Open();
  Click_Tab(2);
  Retype(f.Text_A, QStringLiteral("1000"));
  Leave(f.Text_A);
  EXPECT_EQ(Img(752, 0), 0xE8);
  EXPECT_EQ(Img(752, 1), 0x03);
  EXPECT_EQ(Img(752, 8), 0x00);
  EXPECT_EQ(Img(752, 9), 0x09);
  EXPECT_EQ(f.Text_A->text(), "1000.0");
  // Backspace does nothing; an eighth character cannot be typed.
  f.Text_B->setFocus();
  f.Text_B->end(false);
  QTest::keyClick(f.Text_B, Qt::Key_Backspace);
  Type(f.Text_B, QStringLiteral("99"));
  EXPECT_EQ(f.Text_B->text(), "1124.09");
  // Emptied: the tone cleared without a message.
  Retype(f.Text_C, QString());
  Leave(f.Text_C);
  for (int c : {4, 5, 12, 13}) EXPECT_EQ(Img(752, c), 0xFF) << c;
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Tone2_Test, Out_Of_Range_Tone_Box_Refused_Only_When_Typed) {
  Img(753, 2) = 0x88;  // entry 2, tone B 5000 Hz, as a radio may hold it
  Img(753, 3) = 0x13;
  frm_2tone &f = Open();
  Click_Tab(2);
  Click(f.MSF_Decode, 2, 0);
  EXPECT_EQ(f.Text_B->text(), "5000.0");
  const std::vector<uint8_t> before = Area();
  for (QLineEdit *box : {f.Text_A, f.Text_B, f.Text_C, f.Text_D}) Leave(box);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Area(), before);

  Retype(f.Text_B, QStringLiteral("250"));
  Leave(f.Text_B);
  ASSERT_EQ(Texts(), (QStringList{"Frequency range 300Hz to 3000Hz"}));
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt\"");
  for (int c : {2, 3, 10, 11}) EXPECT_EQ(Img(753, c), 0xFF) << c;
  EXPECT_EQ(f.Text_B->text(), "");
  EXPECT_TRUE(f.Text_B->hasFocus());
}

TEST_F(Tone2_Test, A_Typed_Tone_Goes_To_Its_Own_Entry_When_Another_Row_Is_Clicked) {
  frm_2tone &f = Open();
  Click_Tab(2);
  Click(f.MSF_Decode, 2, 0);
  Retype(f.Text_D, QStringLiteral("2000"));
  Click(f.MSF_Decode, 5, 0);
  Settle();
  EXPECT_EQ(Img(753, 6) + 256 * Img(753, 7), 2000);
  EXPECT_EQ(Img(756, 6), 0xFF);
  EXPECT_EQ(f.Dec_Entry, 4);
  EXPECT_EQ(f.Text_D->text(), "");
}

TEST_F(Tone2_Test, Timing_And_Reset_Choices_Store_Their_Positions) {
  frm_2tone &f = Open();
  f.Combo_enc_ys3->setFocus();
  Choose(f.Combo_enc_ys3, 100);
  EXPECT_EQ(Img(735, 2), 100);
  Click_Tab(2);
  f.Combo_Dec_Res_Time->setFocus();
  Choose(f.Combo_Dec_Res_Time, 3);
  EXPECT_EQ(Img(767, 0), 3);
  EXPECT_EQ(f.Combo_Dec_Res_Time->currentText(), "400");
  // Typing picks nothing.
  Type(f.Combo_Dec_Res_Time, QStringLiteral("9"));
  EXPECT_EQ(Img(767, 0), 3);
}

// ---- buttons -----------------------------------------------------------------

TEST_F(Tone2_Test, Default_Restores_The_Factory_Area_And_Clears_The_Progress) {
  Shared().Radio_Image.Fill(720, 767, 0, 15, 0x21);
  frm_2tone &f = Open();
  f.ProgressBar1->show();
  f.ProgressBar1->setValue(40);
  f.Label_tr_count->setText(QStringLiteral("Reading 5 Data Block"));
  Click_Button(f.Command_def);
  auto expected = std::make_unique<Radio_Image_Table>(Shared().Radio_Image);
  Load_Tone2_Defaults(*expected, Shared().Tone_Tick_Ms);
  EXPECT_TRUE(Shared().Radio_Image == *expected);
  EXPECT_FALSE(f.ProgressBar1->isVisible());
  EXPECT_EQ(f.ProgressBar1->value(), 0);
  EXPECT_EQ(f.Label_tr_count->text(), "");
  EXPECT_EQ(f.MSF_Encode->TextMatrix(1, 1), "1981.0");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Tone2_Test, Open_Save_And_Close_Buttons) {
  frm_2tone &f = Open();
  Click_Button(f.Command_open);
  EXPECT_TRUE(main->Windows().Is_Open(win::Form_open_chann));
  Click_Button(f.Command_save);
  EXPECT_TRUE(main->Windows().Is_Open(win::Form_save_chann));
  Click_Button(f.Command_close);
  EXPECT_FALSE(main->Windows().Is_Open(win::frm_2tone));
  EXPECT_TRUE(messages.shown.empty());
}

// The window keeps what it shows when it becomes the active child window
// again: an image changed behind it (a whole-radio read, a ".dat" file)
// shows only at its next full redisplay, here the window opened again.
TEST_F(Tone2_Test, Activation_Does_Not_Redisplay) {
  frm_2tone &f = Open();
  QWidget *window = main->Windows().Window(win::frm_2tone);
  ASSERT_EQ(f.MSF_Encode->TextMatrix(1, 1), "1981.0");
  ASSERT_EQ(f.Combo_Enc_ys1->currentText(), "600");
  ASSERT_EQ(f.Text_A->text(), "1981.0");
  ASSERT_FALSE(tone2::Commit_Encode_Tone(Shared().Radio_Image, 1, 0, "1500"));
  ASSERT_FALSE(tone2::Commit_Decode_Tone(Shared().Radio_Image, Shared().Tone_Tick_Ms, 0, 0, "1500"));
  Img(tone2::kTimingLine, 0) = 3;
  const std::vector<uint8_t> area = Area();

  main->Menu(QStringLiteral("Sig_dtmf"))->trigger();
  ui::Settle();
  QMdiArea *mdi = main->Mdi_Area();
  ASSERT_NE(mdi->activeSubWindow(), window);
  mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(window));
  ui::Settle();
  ASSERT_EQ(mdi->activeSubWindow(), window);
  EXPECT_EQ(f.MSF_Encode->TextMatrix(1, 1).toStdString(), "1981.0");
  EXPECT_EQ(f.Combo_Enc_ys1->currentText().toStdString(), "600");
  EXPECT_EQ(f.Text_A->text().toStdString(), "1981.0");
  EXPECT_EQ(Area(), area) << "nothing stored";

  main->Windows().Reopen(win::frm_2tone);
  ui::Settle();
  frm_2tone *again = main->Windows().Form_As<frm_2tone>(win::frm_2tone);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->MSF_Encode->TextMatrix(1, 1).toStdString(), "1500.0");
  EXPECT_NE(again->Combo_Enc_ys1->currentText().toStdString(), "600");
  EXPECT_EQ(again->Text_A->text().toStdString(), "1500.0");
}

}  // namespace
}  // namespace zv::test
