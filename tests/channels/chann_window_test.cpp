// The channel editor window: start-up display, refresh, Clear, Default, the
// image-file dialogs, closing and sizing.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <functional>
#include <memory>

#include "chann_fixture.h"
#include "tests/support/captions.h"
#include "image/dat_file.h"

namespace zv::test {
namespace {

const Line_Bytes kEmpty = Filled(0xFF);
const char *const kEmptyRow = "||||||||||||||";

std::string Defaults_Row(const char *freq, const char *rx_tone, const char *tx_tone) {
  return std::string("VHF/UHF |") + freq + "|" + freq + "|" + rx_tone + "|" + tx_tone +
         "|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|";
}

TEST_F(Chann_Test, StartUpShowsTheFactoryChannels) {
  Open_Started();
  EXPECT_EQ(Grid().Rows(), 201) << "the header and 200 channels, no spare row";
  EXPECT_EQ(Grid().Cols(), 16);
  EXPECT_EQ(Cell(0, 1), "  Band  ");
  struct Case { int row; std::string text; };
  const Case cases[] = {
      {1, Defaults_Row("155.02500", "67.0", "67.0")},     {2, Defaults_Row("136.10000", "100.0", "100.0")},
      {3, Defaults_Row("173.95000", "127.3", "127.3")},   {4, Defaults_Row("400.02500", "203.5", "203.5")},
      {5, Defaults_Row("479.95000", "OFF", "OFF")},       {6, Defaults_Row("436.50000", "250.3", "250.3")},
      {7, Defaults_Row("155.50000", " D754I   ", "D754I")}, {200, Defaults_Row("480.62500", "OFF", "OFF")},
  };
  for (const Case &c : cases) EXPECT_EQ(Row_Text(c.row), c.text) << "row " << c.row;
  for (int r = 8; r <= 199; ++r) EXPECT_EQ(Row_Text(r), kEmptyRow) << "row " << r;
  for (int r = 1; r <= 200; ++r) EXPECT_EQ(Cell(r, 0), QString::number(r - 1));
  EXPECT_EQ(Line(200), kEmpty);
  EXPECT_EQ(Line(456), kEmpty);
}

TEST_F(Chann_Test, LoadsAndClosesOnAnAllZeroImage) {
  Make_Main();
  QWidget *window = main->Windows().Open(win::frm_chann);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Row_Text(1), "VHF/UHF |0.00000|0.00000|OFF|OFF|HIGH|W|OFF|OFF|OFF|1|OFF|QT|OFF|");
  Form()->Command_close->click();
  Flush_Deletes();
  EXPECT_FALSE(main->Windows().Is_Open(win::frm_chann));
}

TEST_F(Chann_Test, RefreshShowsRecordAndNameBytes) {
  struct Case {
    const char *what;
    Line_Bytes record, name;
    std::string row;
    Line_Bytes want_record, want_name;  // after the display
  };
  const Line_Bytes rec = {0x50, 0x12, 0x50, 0x14, 0x00, 0x00, 0x00, 0x15,
                          0x01, 0x00, 0xD2, 0x00, 0x0E, 0x21, 0x11, 0x4F};
  const Line_Bytes odd_tones = {0x50, 0x12, 0x50, 0x14, 0x00, 0x00, 0x00, 0x15,
                                0x00, 0x80, 0xD3, 0x00, 0x0F, 0x34, 0x05, 0x00};
  const Line_Bytes no_tx = {0x50, 0x12, 0x50, 0x14, 0xFF, 0x00, 0x00, 0x15,
                            0xED, 0x09, 0x01, 0x00, 0x00, 0x00, 0x00, 0x04};
  const Line_Bytes name = {'a', 'b', ' ', '1', '-', 'X', 0xFF, 'Z', 1, 2, 3, 4, 5, 6, 7, 8};
  const Case cases[] = {
      {"DCS both ways, settings", rec, name,
       "VHF/UHF |145.01250|150.00000|  D023N   |D754I|LOW|N|BOTH|ON|ON|15|DTMF|OR|ON|1XZ", rec, name},
      {"undefined tone words and settings", odd_tones, kEmpty,
       "VHF/UHF |145.01250|150.00000|||HIGH|W|OFF|OFF|OFF||||OFF|", odd_tones, kEmpty},
      {"no transmit frequency", no_tx, kEmpty, "VHF/UHF |145.01250||254.1||HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|",
       no_tx, kEmpty},
      {"empty record resets both lines", {0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, name,
       kEmptyRow, kEmpty, kEmpty},
  };
  Open_Started();
  for (const Case &c : cases) {
    Set_Line(8, c.record);
    Set_Line(264, c.name);
    Activate();
    EXPECT_EQ(Row_Text(9), c.row) << c.what;
    EXPECT_EQ(Line(8), c.want_record) << c.what;
    EXPECT_EQ(Line(264), c.want_name) << c.what;
  }
}

TEST_F(Chann_Test, ClearEmptiesEveryChannelAndName) {
  Open_Started();
  Set_Line(300, Filled('A'));
  Set_Line(200, Filled(0x11));
  Form()->ProgressBar1->show();
  Form()->ProgressBar1->setValue(40);
  Form()->Label_tr_count->setText(QStringLiteral("Reading 20 Data Block"));
  Form()->Command_Clear->click();
  EXPECT_FALSE(Form()->ProgressBar1->isVisible());
  EXPECT_EQ(Form()->ProgressBar1->value(), 0);
  EXPECT_EQ(Form()->Label_tr_count->text(), "");
  for (int l = 0; l < 200; ++l) {
    ASSERT_EQ(Line(l), kEmpty) << l;
    ASSERT_EQ(Line(256 + l), kEmpty) << 256 + l;
  }
  for (int r = 1; r <= 200; ++r) {
    EXPECT_EQ(Row_Text(r), kEmptyRow);
    EXPECT_EQ(Cell(r, 0), QString::number(r - 1));
  }
  EXPECT_EQ(Line(200), Filled(0x11)) << "the spare line is no channel";
}

TEST_F(Chann_Test, DefaultKeepsTheNamesOfThePresetChannelsOnly) {
  Open_Started();
  const Line_Bytes name = {'N', '1', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int ch : {0, 6, 10, 199}) Set_Line(256 + ch, name);
  Set_Line(10, Line(0));  // channel 10 exists before the defaults
  Activate();
  ASSERT_EQ(Cell(11, 15), "N1");
  Form()->Command_def->click();
  for (int ch : {0, 6, 199}) {
    EXPECT_EQ(Line(256 + ch), name) << ch;
    EXPECT_EQ(Cell(ch + 1, 15), "N1") << ch;
  }
  EXPECT_EQ(Line(10), kEmpty);
  EXPECT_EQ(Line(266), kEmpty);
  EXPECT_EQ(Row_Text(11), kEmptyRow);
  EXPECT_EQ(Row_Text(1), Defaults_Row("155.02500", "67.0", "67.0") + "N1");
}

// A changed text in an open editor is committed into its cell, once, before
// the rows are redrawn.
TEST_F(Chann_Test, OpenEditorIsCommittedBeforeTheRedraw) {
  struct Case {
    const char *what;
    std::function<void()> redraw;
  };
  const Case cases[] = {
      {"Default", [this] { Form()->Command_def->click(); }},
      {"activation", [this] {
         main->Windows().Show(win::Form_open_chann);
         Activate_Channel_Window();
       }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Open_Started();
    Run("c 9 2; t 175");
    c.redraw();
    EXPECT_EQ(Row_Text(9), Defaults_Row("136.00000", "OFF", "OFF"));
    EXPECT_EQ(Messages_Text(), "Over the range of receive frequency .");
    EXPECT_FALSE(Form()->Text_Edit->isVisible());
    Start_Afresh();
  }
}

TEST_F(Chann_Test, AnOpenedImageShowsAtTheNextActivation) {
  Open_Started();
  auto other = std::make_unique<Radio_Image_Table>(Shared().Radio_Image);
  for (int c = 0; c < 16; ++c) (*other)(8, c) = (*other)(0, c);
  ASSERT_TRUE(Parse_Image_File(Image_File_Text(*other), Shared().Radio_Image).Ok());
  EXPECT_EQ(Row_Text(9), kEmptyRow);
  main->Windows().Show(win::Form_open_chann);
  EXPECT_EQ(Row_Text(9), kEmptyRow);
  Activate_Channel_Window();
  EXPECT_EQ(Row_Text(9), Row_Text(1));
}

TEST_F(Chann_Test, OpenAndSaveShowTheirDialogWithItsState) {
  struct Case { const char *what; QPushButton *frm_chann::*button; QString dialog; };
  for (const Case &c : {Case{"open", &frm_chann::Command_open, win::Form_open_chann},
                        Case{"save", &frm_chann::Command_save, win::Form_save_chann}}) {
    SCOPED_TRACE(c.what);
    Open_Started();
    (Form()->*c.button)->click();
    QWidget *dialog = main->Windows().Form(c.dialog);
    ASSERT_NE(dialog, nullptr);
    auto *name_box = dialog->findChild<QLineEdit *>();
    ASSERT_NE(name_box, nullptr);
    name_box->setText(QStringLiteral("kept.dat"));
    Activate_Channel_Window();
    (Form()->*c.button)->click();
    EXPECT_EQ(main->Windows().Form(c.dialog), dialog);
    EXPECT_EQ(name_box->text(), "kept.dat");
    EXPECT_TRUE(messages.shown.empty());
    Start_Afresh();
  }
}

TEST_F(Chann_Test, CloseAlsoClosesTheImageFileDialogs) {
  Open_Started();
  Form()->Command_open->click();
  Form()->Command_save->click();
  ASSERT_TRUE(main->Windows().Is_Open(win::Form_open_chann));
  ASSERT_TRUE(main->Windows().Is_Open(win::Form_save_chann));
  Form()->Command_close->click();
  Flush_Deletes();
  EXPECT_FALSE(main->Windows().Is_Open(win::frm_chann));
  EXPECT_FALSE(main->Windows().Is_Open(win::Form_open_chann));
  EXPECT_FALSE(main->Windows().Is_Open(win::Form_save_chann));
}

TEST_F(Chann_Test, SizeFollowsTheMainWindowAgainstTheScreen) {
  Open_Started();
  QWidget *window = main->Windows().Window(win::frm_chann);
  const Main_Sizing full = main->Sizing();
  const double sx = Px_To_Twips(screen.width) / 14500, sy = Px_To_Twips(screen.height) / 9500;
  EXPECT_NEAR(window->width(), Twips_To_Px(full.Width / sx), 1);
  EXPECT_NEAR(window->height(), Twips_To_Px(full.Height / sy), 1);
  if (full.Width == Px_To_Twips(screen.width)) {
    EXPECT_NEAR(window->width(), Twips_To_Px(14500), 1);
  }

  main->resize(main->width() / 2, main->height() / 2);
  main->Windows().Reopen(win::frm_chann);
  window = main->Windows().Window(win::frm_chann);
  const Main_Sizing half = main->Sizing();
  EXPECT_NEAR(window->width(), Twips_To_Px(half.Width / sx), 1);
  EXPECT_NEAR(window->height(), Twips_To_Px(half.Height / sy), 1);
  EXPECT_NEAR(window->x(), Twips_To_Px((half.Scale_Width - half.Width / sx) / 2), 1);
  EXPECT_NEAR(window->y(), Twips_To_Px((half.Scale_Height - half.Height / sy) / 2), 1);
}

// The window's title, buttons, password label and grid headings in the
// language it was loaded in: English after start-up, Chinese when the
// language was switched from the main window's menu before it opened again.
TEST_F(Chann_Test, CaptionsAndHeadingsInBothLanguages) {
  const std::initializer_list<Caption> captions = {
      {"Command_read", "Read", "读 取"},     {"Command_Write", "Write", "写 入"},
      {"Command_Clear", "Clear", "清 除"},   {"Command_def", "Default", "出厂值"},
      {"Command_save", "Save", "保 存"},     {"Command_open", "Open", "打 开"},
      {"Command_close", "Close", "关 闭"},   {"Label_PassWord", "PassWord", "读写密码"},
  };
  const char *const headings_en[16] = {"Channel",  "  Band  ", "RX Frequency", "TX Frequency",
                                       "CTCSS/DCS Dec", "CTCSS/DCS Enc", "TX Power", " W/N ",
                                       "PTT-ID", "BusyLock", "Scan_Add", "SigCode",
                                       "Opisug", "Spmute", "SCR", "CH-Name"};
  const char *const headings_cn[16] = {"信道号",   " 工作频段 ", "接收频率(MHZ)", "发射频率(MHZ)",
                                       "QT/DQT 解码", "QT/DQT 编码", "发射功率", "信道带宽",
                                       "PTT-ID", "繁忙锁定", "扫描添加", "信令码",
                                       "可选信令", "静音方式", "扰频", "信 道 名 称"};
  Open_Started();
  for (bool chinese : {false, true}) {
    SCOPED_TRACE(chinese ? "Chinese" : "English");
    if (chinese) {
      main->Menu(QStringLiteral("Language_chn"))->trigger();
      main->Windows().Reopen(win::frm_chann);
    }
    frm_chann &f = *Form();
    EXPECT_EQ(f.windowTitle().toStdString(), std::string(chinese ? "信道参数编辑" : "Channel Information"));
    Expect_Captions(f, captions, chinese);
    ASSERT_EQ(Grid().Cols(), 16);
    for (int col = 0; col < 16; ++col)
      EXPECT_EQ(Cell(0, col).toStdString(), std::string(chinese ? headings_cn[col] : headings_en[col])) << col;
    EXPECT_EQ(Row_Text(1), Defaults_Row("155.02500", "67.0", "67.0")) << "values are the same in both";
  }
}

}  // namespace
}  // namespace zv::test
