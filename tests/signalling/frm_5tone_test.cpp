// The 5-tone editor window through its real widgets: display, the standards
// grid and settings, the encode list, stray stores, and its own read and
// write against the simulated radio on the virtual clock.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <functional>

#include "image/signal_defaults.h"
#include "platform/flex_grid.h"
#include "platform/list_combo.h"
#include "platform/tab_strip.h"
#include "shell/language_texts.h"
#include "tests/signalling/tone5_fixture.h"

namespace zv::test {
namespace {

using Tone5_Window = Tone5_Test;
using ui::Choose;
using ui::Click;
using ui::Click_Button;
using ui::Click_Tab;
using ui::Settle;
using ui::Type;

QStringList Column(Flex_Grid *grid, int col) {
  QStringList out;
  for (int r = 1; r < grid->Rows(); ++r) out << grid->TextMatrix(r, col);
  return out;
}

QList<bool> Ticks(const std::array<QCheckBox *, 3> &boxes) {
  QList<bool> out;
  for (QCheckBox *b : boxes) out << b->isChecked();
  return out;
}

TEST_F(Tone5_Window, Opens_From_The_Menu_With_Its_Captions_In_Both_Languages) {
  struct Case {
    const char *name, *en, *cn;
  };
  const Case cases[] = {
      {"Frame_std", "5 TONE Standard Frequency", "5 TONE 标准频率"},
      {"Label_enc_ys1", "Delay 1 (MS) ", "发送第1组码前的延迟时间（MS）"},
      {"Label_enc_ys4", "First Digit Extend Length (MS)", "各组码第1个音的拓展时长（MS）"},
      {"Label_Reset_Time", "Decode Reset Time(ms)", "解码复位时间（MS）"},
      {"Check_Decode_Disp(2)", "3 frame", "第 3 帧"},
      {"Command_Write", "Write", "写  入"},
      {"Label_PassWord", "PassWord", "读写密码"},
  };
  for (bool chinese : {false, true}) {
    SCOPED_TRACE(chinese ? "Chinese" : "English");
    Shared().Lang_Chinese = chinese;
    Open();
    EXPECT_EQ(form->windowTitle(), chinese ? "5音信令编解码参数编辑" : "5 Tone Encode/Decode ");
    for (const Case &c : cases) {
      QObject *o = form->findChild<QObject *>(c.name);
      ASSERT_NE(o, nullptr) << c.name;
      EXPECT_EQ(Caption_Of(o), QString::fromUtf8(chinese ? c.cn : c.en)) << c.name;
    }
    // Two tabs only; the standards page shows.
    ASSERT_EQ(form->TabStrip1->count(), 2);
    EXPECT_EQ(form->TabStrip1->tabText(1), chinese ? "编解码" : "Encode");
    EXPECT_TRUE(form->Frame_std->isVisible());
    EXPECT_FALSE(form->Frame_Encode->isVisible());
    EXPECT_FALSE(form->Frame_Decode->isVisible());
    EXPECT_EQ(form->MSF_Encode->FormatString(),
              QString::fromUtf8(chinese ? "^ 信息码 |^第 1 帧编码|^第 2 帧编码|^第 3 帧编码|^使用标准"
                                        : "^ Code |^ Frame 1 |^ Frame 2 |^ Frame 3 |^ Standard "));
    // The menu again leaves the open window as it is.
    QPointer<frm_5tone> first = form;
    Click_Tab(form->TabStrip1, 2);
    main->Menu(QStringLiteral("Sig_5tone"))->trigger();
    Settle();
    EXPECT_EQ(main->Windows().Form_As<frm_5tone>(win::frm_5tone), first.data());
    EXPECT_TRUE(first->Frame_Encode->isVisible());
    form->Command_close_Click();
    Flush_Deletes();
  }
}

// What the display shows for an image, and that showing (twice) changes no
// byte of the area.
TEST_F(Tone5_Window, Display_Shows_The_Image_And_Stores_Nothing) {
  struct Case {
    const char *what;
    std::function<void()> prepare;
    std::function<void(frm_5tone &)> check;
  };
  const Case cases[] = {
      {"factory defaults", [] {},
       [](frm_5tone &f) {
         EXPECT_EQ(Column(f.MSF_Chann, 1),
                   QString("100 70 70 70 70 70 70 70 70 40 30 100 70 70 40").split(' '));
         EXPECT_EQ(Column(f.MSF_Chann, 2), QStringList(15, "A"));
         EXPECT_EQ(Column(f.MSF_Chann, 3), QStringList(15, "E"));
         EXPECT_EQ(f.MSF_Chann->TextMatrix(15, 0), "MODAT");
         for (int n = 1; n <= 15; ++n) {
           const bool set = n == 1 || n == 15;
           for (int c = 1; c <= 3; ++c)
             EXPECT_EQ(f.MSF_Encode->TextMatrix(n, c).size() == 5 && f.MSF_Encode->TextMatrix(n, c).trimmed().size() == 5, set)
                 << n << "," << c;
           if (!set) {
             EXPECT_EQ(f.MSF_Encode->TextMatrix(n, 1), "     ");
           }
         }
         EXPECT_EQ(f.MSF_Encode->TextMatrix(1, 4), "CCIR1");
         EXPECT_EQ(f.MSF_Encode->TextMatrix(15, 4), "MODAT");
         EXPECT_EQ(f.MSF_Encode->TextMatrix(7, 4), "");
         EXPECT_EQ(f.Combo_Enc_ys1->currentText(), "200");
         EXPECT_EQ(f.Combo_Enc_ys2->currentText(), "200");
         EXPECT_EQ(f.Combo_enc_ys3->currentText(), "200");
         EXPECT_EQ(f.Combo_Enc_ys4->currentText(), "0");
         EXPECT_EQ(f.Combo_Decode_Std->currentText(), "CCIR1");
         EXPECT_EQ(Ticks(f.Check_Decode_HJ), (QList<bool>{true, false, false}));
         EXPECT_EQ(Ticks(f.Check_Decode_Disp), (QList<bool>{false, true, true}));
         EXPECT_EQ(f.Combo_Dec_Res_Time->currentText(), "6000");
         EXPECT_EQ(f.Combo_stxh->currentText(), "CCIR1");
         EXPECT_EQ(f.Label_freq[0]->text(), "1981.0");
         EXPECT_EQ(f.Label_freq[11]->text(), "930.0");
       }},
      {"erased area",
       [] {
         for (int l = 576; l <= 607; ++l)
           for (int c = 0; c < 16; ++c) Img(l, c) = 0xFF;
       },
       [](frm_5tone &f) {
         EXPECT_EQ(Column(f.MSF_Chann, 1), QStringList(15, "2570"));
         EXPECT_EQ(Column(f.MSF_Chann, 2), QStringList(15, " "));
         EXPECT_EQ(Column(f.MSF_Encode, 2), QStringList(15, "     "));
         EXPECT_EQ(Column(f.MSF_Encode, 4), QStringList(15, ""));
         for (List_Combo *l : {f.Combo_Enc_ys1, f.Combo_Enc_ys2, f.Combo_enc_ys3, f.Combo_Enc_ys4,
                               f.Combo_Decode_Std, f.Combo_Dec_Res_Time})
           EXPECT_EQ(l->List_Index(), -1) << l->objectName().toStdString();
         EXPECT_EQ(Ticks(f.Check_Decode_HJ), (QList<bool>{true, true, true}));
       }},
      {"frame bits among foreign bits",
       [] {
         Img(607, 9) = 0xF9;
         Img(607, 10) = 0x86;
       },
       [](frm_5tone &f) {
         EXPECT_EQ(Ticks(f.Check_Decode_HJ), (QList<bool>{true, false, false}));
         EXPECT_EQ(Ticks(f.Check_Decode_Disp), (QList<bool>{false, true, true}));
       }},
      {"period 255, symbols beyond F, a standard of 15",
       [] {
         Img(580, 0) = 255;
         Img(580, 1) = 16;
         Img(595, 1) = 0x20;
         Img(595, 15) = 15;
       },
       [](frm_5tone &f) {
         EXPECT_EQ(f.MSF_Chann->TextMatrix(5, 1), "2570");
         EXPECT_EQ(f.MSF_Chann->TextMatrix(5, 2), " ");
         EXPECT_EQ(f.MSF_Encode->TextMatrix(4, 1), "     ");
         EXPECT_EQ(f.MSF_Encode->TextMatrix(4, 4), "");
       }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Load_Tone5_Defaults(Shared().Tone5, Shared().Radio_Image);
    c.prepare();
    const auto before = Lines(512, 607);
    Open();
    c.check(*form);
    form->Show_5Tone();
    form->Show_5Tone();
    EXPECT_EQ(Lines(512, 607), before);
    form->Command_close_Click();
    Flush_Deletes();
  }
}

TEST_F(Tone5_Window, Standards_Grid_Stores_The_Chosen_Item_In_Its_Cell_Only) {
  Open();
  struct Case {
    int row, col, item, line, byte;
    const char *shown;
  };
  for (const Case &c : {Case{10, 1, 3, 585, 0, "50"}, Case{15, 3, 15, 590, 2, "F"}, Case{1, 2, 0, 576, 1, "0"}}) {
    SCOPED_TRACE(c.shown);
    auto before = Lines(512, 607);
    Click(form->MSF_Chann, c.row, c.col);
    ASSERT_TRUE(form->Combo_edit->isVisible());
    Choose(form->Combo_edit, c.item);
    before[static_cast<size_t>(16 * (c.line - 512) + c.byte)] = static_cast<uint8_t>(c.item);
    EXPECT_EQ(Lines(512, 607), before);
    // The cell shows the choice once another cell is chosen, and so does the
    // next display.
    Click(form->MSF_Chann, c.row == 1 ? 2 : 1, 1);
    EXPECT_EQ(form->MSF_Chann->TextMatrix(c.row, c.col), c.shown);
    form->Show_5Tone();
    EXPECT_EQ(form->MSF_Chann->TextMatrix(c.row, c.col), c.shown);
  }
  // Header and name clicks open nothing and store nothing; a name click
  // shows that standard's tone table.
  const auto before = Lines(512, 607);
  for (auto cell : {std::pair{0, 2}, std::pair{5, 0}}) {
    Click(form->MSF_Chann, cell.first, cell.second);
    EXPECT_FALSE(form->Combo_edit->isVisible());
  }
  EXPECT_EQ(Lines(512, 607), before);
  EXPECT_EQ(form->Combo_stxh->currentText(), "ZVEI2");
  EXPECT_EQ(form->Label_freq[12]->text(), "740.0");
  // The tone-table chooser shows, and stores nothing.
  Choose(form->Combo_stxh, 14);
  EXPECT_EQ(form->Label_freq[0]->text(), "657.5");
  EXPECT_EQ(Lines(512, 607), before);
}

TEST_F(Tone5_Window, Settings_Store_List_Positions_And_Single_Bits) {
  Img(607, 9) = 0xFF;
  Img(607, 10) = 0x81;
  Open();
  Click_Tab(form->TabStrip1, 2);
  ASSERT_TRUE(form->Frame_Encode->isVisible());
  form->Check_Decode_Disp[1]->click();
  EXPECT_EQ(Img(607, 10), 0x83);
  form->Check_Decode_HJ[0]->click();
  EXPECT_EQ(Img(607, 9), 0xFE);

  struct Case {
    List_Combo *list;
    int item, byte;
  };
  for (const Case &c : {Case{form->Combo_Enc_ys4, 100, 3}, Case{form->Combo_Enc_ys4, 0, 3},
                        Case{form->Combo_Enc_ys1, 37, 0}, Case{form->Combo_Enc_ys2, 5, 1},
                        Case{form->Combo_enc_ys3, 99, 2}, Case{form->Combo_Dec_Res_Time, 199, 11},
                        Case{form->Combo_Dec_Res_Time, 0, 11}, Case{form->Combo_Decode_Std, 14, 8}}) {
    SCOPED_TRACE(c.list->objectName().toStdString());
    Choose(c.list, c.item);
    EXPECT_EQ(Img(607, c.byte), c.item);
  }
  EXPECT_EQ(form->Combo_Enc_ys4->itemText(100), "1000");
  EXPECT_EQ(form->Combo_Dec_Res_Time->itemText(199), "20000");
  // An arrow key stores as a click does.
  Choose(form->Combo_Enc_ys1, 20);
  QTest::keyClick(form->Combo_Enc_ys1, Qt::Key_Down);
  EXPECT_EQ(Img(607, 0), 21);
}

TEST_F(Tone5_Window, A_Typed_Character_Changes_No_List) {
  Open();
  Click(form->MSF_Chann, 3, 1);
  List_Combo *std_cell = form->Combo_edit;
  Click_Tab(form->TabStrip1, 2);
  Click(form->MSF_Encode, 1, 4);
  const auto before = Lines(512, 607);
  for (List_Combo *list : {form->Combo_Encode, form->Combo_Enc_ys1, form->Combo_Enc_ys2, form->Combo_enc_ys3,
                           form->Combo_Enc_ys4, form->Combo_Decode_Std, form->Combo_Dec_Res_Time,
                           form->Combo_stxh, std_cell}) {
    SCOPED_TRACE(list->objectName().toStdString());
    const int shown = list->List_Index();
    QTest::keyClicks(list, "5Z");
    EXPECT_EQ(list->List_Index(), shown);
  }
  EXPECT_EQ(Lines(512, 607), before);
}

// ---------------------------------------------------------------- encode list

TEST_F(Tone5_Window, Frame_Keys_Store_Symbols_And_The_Cell_Shows_Them_In_Capitals) {
  Open();
  Click_Tab(form->TabStrip1, 2);
  Edit_Frame(2, 1, "1a2B3");
  EXPECT_EQ(Lines(593, 593), (std::vector<uint8_t>{1, 10, 2, 11, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                   0xFF, 0xFF, 0xFF}));
  // A sixth symbol and any other key are discarded; Backspace works.
  Type(form->Text_Encode, "4G");
  EXPECT_EQ(form->Text_Encode->text(), "1a2B3");
  QTest::keyClick(form->Text_Encode, Qt::Key_Backspace);
  EXPECT_EQ(Img(593, 4), 0xFF);
  Type(form->Text_Encode, "f");
  EXPECT_EQ(Img(593, 4), 15);
  Click(form->MSF_Encode, 5, 2);
  EXPECT_EQ(form->MSF_Encode->TextMatrix(2, 1), "1A2BF");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Tone5_Window, A_Short_Frame_Keeps_Its_Editor_Over_Its_Own_Cell) {
  Open();
  Click_Tab(form->TabStrip1, 2);
  const auto code1 = Lines(592, 592);
  const auto code5 = Lines(596, 596);
  Edit_Frame(1, 2, "123");
  Click(form->MSF_Encode, 5, 1);
  ASSERT_EQ(Texts(), QStringList{"Encode Digit is 5 Bits."});
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt\"");
  auto want = code1;
  for (int i = 0; i < 5; ++i) want[static_cast<size_t>(5 + i)] = i < 3 ? static_cast<uint8_t>(i + 1) : 0xFF;
  EXPECT_EQ(Lines(592, 592), want);
  EXPECT_TRUE(form->Text_Encode->isVisible());
  EXPECT_TRUE(form->Text_Encode->hasFocus());
  // Further typing reaches the same frame, never the grid's new cell.
  Type(form->Text_Encode, "45");
  want[8] = 4;
  want[9] = 5;
  EXPECT_EQ(Lines(592, 592), want);
  EXPECT_EQ(Lines(596, 596), code5);
  Click(form->MSF_Encode, 6, 1);
  EXPECT_EQ(Texts().size(), 1);
  EXPECT_EQ(form->MSF_Encode->TextMatrix(1, 2), "12345");
}

TEST_F(Tone5_Window, Emptying_Frame_One_And_The_Row_Rules) {
  Open();
  Click_Tab(form->TabStrip1, 2);
  const auto code1 = Lines(592, 592);
  Edit_Frame(1, 1, "");
  EXPECT_EQ(Lines(592, 592)[0], 0xFF);
  EXPECT_EQ(Lines(592, 592)[4], 0xFF);
  Click(form->MSF_Encode, 4, 1);
  // Frame 1 shows blanks now; leaving any cell of that row empties its four
  // cells, while frames 2, 3 and the standard stay stored.
  EXPECT_EQ(form->MSF_Encode->TextMatrix(1, 1), "     ");
  Click(form->MSF_Encode, 1, 4);
  ASSERT_TRUE(form->Combo_Encode->isVisible());
  Click(form->MSF_Encode, 6, 1);
  EXPECT_EQ(Column(form->MSF_Encode, 2)[0], "");
  EXPECT_EQ(form->MSF_Encode->TextMatrix(1, 4), "");
  auto want = code1;
  for (int i = 0; i < 5; ++i) want[static_cast<size_t>(i)] = 0xFF;
  EXPECT_EQ(Lines(592, 592), want);
  // A standard cell of that row opens nothing now; the next display shows
  // the stored frames again.
  Click(form->MSF_Encode, 1, 4);
  EXPECT_FALSE(form->Combo_Encode->isVisible());
  form->Show_5Tone();
  EXPECT_EQ(form->MSF_Encode->TextMatrix(1, 2), "34567");
  EXPECT_EQ(form->MSF_Encode->TextMatrix(1, 4), "CCIR1");
  // A double-click on a code number empties that row's cells only.
  const auto before = Lines(512, 607);
  ui::Double_Click(form->MSF_Encode, 15, 0);
  EXPECT_EQ(form->MSF_Encode->TextMatrix(15, 1), "");
  EXPECT_EQ(form->MSF_Encode->TextMatrix(15, 4), "");
  EXPECT_EQ(form->MSF_Encode->TextMatrix(1, 2), "34567");
  ui::Double_Click(form->MSF_Encode, 0, 0);
  EXPECT_EQ(form->MSF_Encode->TextMatrix(1, 2), "34567");
  EXPECT_EQ(Lines(512, 607), before);
}

TEST_F(Tone5_Window, A_Standard_Cell_Without_A_Standard_Opens_On_No_Item) {
  Img(592, 15) = 0xFF;
  Open();
  Click_Tab(form->TabStrip1, 2);
  const auto before = Lines(512, 607);
  Click(form->MSF_Encode, 1, 4);
  ASSERT_TRUE(form->Combo_Encode->isVisible());
  EXPECT_EQ(form->Combo_Encode->List_Index(), -1);
  Click(form->MSF_Encode, 15, 4);
  EXPECT_EQ(Lines(512, 607), before);
  EXPECT_EQ(form->MSF_Encode->TextMatrix(1, 4), "");
  Click(form->MSF_Encode, 1, 4);
  Choose(form->Combo_Encode, 3);
  auto want = before;
  want[static_cast<size_t>(16 * (592 - 512) + 15)] = 3;
  EXPECT_EQ(Lines(512, 607), want);
  Click(form->MSF_Encode, 6, 1);
  EXPECT_EQ(form->MSF_Encode->TextMatrix(1, 4), "ZVEI1");
}

// Each row ends in a move that must store nothing: lines 592-607 stay as
// they stood before it.
TEST_F(Tone5_Window, No_Stray_Store) {
  struct Case {
    const char *what;
    std::function<void(Tone5_Test &)> before_move;
    std::function<void(Tone5_Test &)> move;
  };
  auto typed_then = [](std::function<void(Tone5_Test &)> action) {
    return [action](Tone5_Test &t) {
      // Frame 2 of a code whose frame 1 is blank, typed in full.
      t.Edit_Frame(4, 2, "11111");
      action(t);
      Click_Tab(t.form->TabStrip1, 2);
    };
  };
  const Case cases[] = {
      {"arrow keys across the grid", [](Tone5_Test &) {},
       [](Tone5_Test &t) {
         t.form->MSF_Encode->setFocus();
         for (auto key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left,
                          Qt::Key_End, Qt::Key_PageDown, Qt::Key_Home})
           QTest::keyClick(t.form->MSF_Encode, key);
       }},
      {"heading and number clicks", [](Tone5_Test &) {},
       [](Tone5_Test &t) {
         Click(t.form->MSF_Encode, 0, 2);
         Click(t.form->MSF_Encode, 3, 0);
         Click(t.form->MSF_Encode, 0, 0);
       }},
      {"typed, then a tab click", typed_then([](Tone5_Test &t) { Click_Tab(t.form->TabStrip1, 1); }),
       [](Tone5_Test &t) { Click(t.form->MSF_Encode, 9, 1); }},
      {"typed, then Default", typed_then([](Tone5_Test &t) { Click_Button(t.form->Command_def); }),
       [](Tone5_Test &t) { Click(t.form->MSF_Encode, 9, 1); }},
      {"typed, then a finished read", typed_then([](Tone5_Test &t) {
         // A radio holding the image with another code 9.
         t.sim.Load_Image(Shared().Radio_Image);
         for (int i = 0; i < 5; ++i) t.sim.Poke(0x2580 + 10 + i, static_cast<uint8_t>(i + 1));
         Click_Button(t.form->Command_read);
         ASSERT_TRUE(t.Run_To_End());
       }),
       [](Tone5_Test &t) {
         Click(t.form->MSF_Encode, 9, 3);
         t.form->MSF_Encode->setFocus();
         QTest::keyClick(t.form->MSF_Encode, Qt::Key_Up);
       }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Load_Tone5_Defaults(Shared().Tone5, Shared().Radio_Image);
    Open();
    Click_Tab(form->TabStrip1, 2);
    c.before_move(*this);
    const auto before = Lines(592, 607);
    c.move(*this);
    EXPECT_EQ(Lines(592, 607), before);
    form->Command_close_Click();
    Flush_Deletes();
    messages.shown.clear();
  }
}

TEST_F(Tone5_Window, A_Frame_Loaded_Behind_The_Window_Stays_When_Its_Cell_Opens) {
  Open();
  Click_Tab(form->TabStrip1, 2);
  // As a ".dat" open or a whole-radio read leaves it: new bytes, no display.
  for (int i = 0; i < 5; ++i) Img(592, i) = static_cast<uint8_t>(9 - i);
  Img(592, 15) = 7;
  const auto loaded = Lines(592, 607);
  Click(form->MSF_Encode, 1, 1);
  EXPECT_EQ(form->Text_Encode->text(), "98765");
  Click(form->MSF_Encode, 1, 4);
  Click(form->MSF_Encode, 2, 2);
  EXPECT_EQ(Lines(592, 607), loaded);
  EXPECT_EQ(form->MSF_Encode->TextMatrix(1, 4), "DZVEI");
}

// ---------------------------------------------------------------- buttons and exchange

TEST_F(Tone5_Window, Read_Replaces_Lines_576_To_607_And_Shows_Them) {
  Open();
  const auto tables = Lines(512, 575);
  Click_Button(form->Command_read);
  EXPECT_EQ(Label(), "Connecting with transceiver. ");
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Lines(576, 607), Radio_Lines(576, 607));
  EXPECT_EQ(Lines(512, 575), tables);
  EXPECT_EQ(Texts(), QStringList{"Complete reading the data from transceiver."});
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_EQ(Label(), "Read Signal parameters in gear. ");
  EXPECT_TRUE(Bar()->isVisible());
  std::vector<Step> reading;
  for (const auto &s : steps)
    if (s.label.rfind("Reading", 0) == 0) reading.push_back(s);
  ASSERT_EQ(reading.size(), 7u);
  EXPECT_EQ(reading.front(), (Step{"Reading 3 Data Block", 33, true}));
  EXPECT_EQ(reading.back(), (Step{"Reading 9 Data Block", 100, true}));
  // The grid shows what was read.
  EXPECT_EQ(form->MSF_Chann->TextMatrix(1, 1), QString::number(10 * Img(576, 0) + 20));
}

TEST_F(Tone5_Window, Write_Sends_Lines_512_To_607_As_The_Image_Holds_Them) {
  Open();
  Img(512, 0) = 0x77;  // a tone-table byte that is not rebuilt
  Img(591, 3) = 0x42;  // a line the window does not edit
  Click_Button(form->Command_Write);
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Radio_Lines(512, 607), Lines(512, 607));
  EXPECT_EQ(sim.Peek(0x2000), 0x77);
  EXPECT_EQ(Texts(), QStringList{"Complete Written Signal parameters to the transceiver."});
  EXPECT_EQ(Label(), "Complete Written Signal parameters ");
  std::vector<Step> writing;
  for (const auto &s : steps)
    if (s.label.rfind("Writing", 0) == 0) writing.push_back(s);
  ASSERT_EQ(writing.size(), 95u);
  EXPECT_EQ(writing.front(), (Step{"Writing  0  Data Block", 1, true}));
  EXPECT_EQ(writing.back(), (Step{"Writing  94  Data Block", 98, true}));

  // After Default the rebuilt tables go out.
  Click_Button(form->Command_def);
  EXPECT_FALSE(Bar()->isVisible());
  EXPECT_EQ(Label(), "");
  Click_Button(form->Command_Write);
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.Peek(0x2000), Shared().Tone5.Tone5_Freq_Lo[0][0]);
  EXPECT_EQ(Radio_Lines(512, 607), Lines(512, 607));
}

TEST_F(Tone5_Window, A_Silent_Radio_Ends_In_The_Failure_Display) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  Open();
  const auto before = Lines(0, 1023);
  Click_Button(form->Command_read);
  ASSERT_TRUE(Run_To_End(60000));
  EXPECT_EQ(Texts(), QStringList{"Fail connect with transceiver."});
  EXPECT_EQ(Label(), "Communication fault.");
  EXPECT_EQ(Bar()->value(), 0);
  EXPECT_EQ(Lines(0, 1023), before);
}

TEST_F(Tone5_Window, Every_Button_Is_Refused_While_Busy) {
  Open();
  main->Windows().Open(win::Form_open_menu);
  Click_Button(form->Command_read);
  ASSERT_TRUE(Engine().Busy());
  platform.Advance(100);
  const auto before = Lines(512, 607);
  for (QPushButton *b : {form->Command_read, form->Command_Write, form->Command_def, form->Command_save,
                         form->Command_open, form->Command_close}) {
    SCOPED_TRACE(b->objectName().toStdString());
    messages.shown.clear();
    Click_Button(b);
    ASSERT_EQ(Texts(), QStringList{"Read-write operating with transceiver ."});
    EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  }
  EXPECT_EQ(Lines(512, 607), before);
  EXPECT_TRUE(main->Windows().Is_Open(win::frm_5tone));
  EXPECT_FALSE(main->Windows().Is_Open(win::Form_open_chann));
  EXPECT_TRUE(main->Windows().Is_Open(win::Form_open_menu));
  // Once the read has ended, Close closes the window and the ".menu" pair.
  ASSERT_TRUE(Run_To_End());
  main->Windows().Open(win::Form_save_menu);
  messages.shown.clear();
  Click_Button(form->Command_close);
  EXPECT_FALSE(main->Windows().Is_Open(win::frm_5tone));
  EXPECT_FALSE(main->Windows().Is_Open(win::Form_open_menu));
  EXPECT_FALSE(main->Windows().Is_Open(win::Form_save_menu));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Tone5_Window, The_Close_Box_Stops_A_Running_Exchange_Without_A_Word) {
  Open();
  Click_Button(form->Command_Write);
  platform.Advance(300);
  ASSERT_TRUE(Engine().Busy());
  QPointer<QWidget> window = main->Windows().Window(win::frm_5tone);
  window->close();
  Flush_Deletes();
  EXPECT_FALSE(window);
  EXPECT_TRUE(messages.shown.empty());
  platform.Advance(10000);
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace zv::test
