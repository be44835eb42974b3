// The 5-tone editor's decode page (shown by the test: no tab reaches it) and
// its signal file, raised through the dialog flags and polled by Timer4 on
// the virtual clock.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>

#include "image/sig_file.h"
#include "image/signal_defaults.h"
#include "tests/signalling/tone5_fixture.h"
#include "tests/support/file_test_dir.h"

namespace zv::test {
namespace {

using ui::Click;
using ui::Settle;

class Tone5_Decode : public Tone5_Test {
 protected:
  void Open_Decode() {
    Open();
    form->Frame_std->hide();
    form->Frame_Decode->show();
    Settle();
  }
  Flex_Grid *Grid() const { return form->MSF_Decode; }
  int Flag(int entry, int i) const {
    return form->Dec_Flags[static_cast<size_t>(entry)][static_cast<size_t>(i)];
  }
};

TEST_F(Tone5_Decode, Flags_Belong_To_The_Selected_Entry) {
  Open_Decode();
  Click(Grid(), 3, 0);
  EXPECT_EQ(form->Decode_Sel, 2);
  EXPECT_EQ(form->Frame_Dec_xx->title(), "Execute after Code 3 Decode Succeeded ");
  form->Check_Led[1]->click();
  form->Check_zh[4][1]->click();
  EXPECT_EQ(Flag(2, 2), 2);
  EXPECT_EQ(Flag(2, 3), 16);
  Click(Grid(), 5, 0);
  EXPECT_FALSE(form->Check_Led[1]->isChecked());
  Click(Grid(), 3, 0);
  EXPECT_TRUE(form->Check_Led[1]->isChecked());
  EXPECT_TRUE(form->Check_zh[4][1]->isChecked());
  // Nothing is stored while the boxes are being shown.
  form->Flags_Showing = true;
  form->Check_Disp[0]->click();
  form->Flags_Showing = false;
  EXPECT_EQ(Flag(2, 0), 0);
  // A double-click on the entry's number clears its cells and flags; one on
  // the top-left cell changes nothing.
  Grid()->Set_TextMatrix(3, 1, "CCIR1");
  Grid()->Set_TextMatrix(3, 2, "12345");
  Grid()->Set_TextMatrix(4, 1, "EEA");
  ui::Double_Click(Grid(), 0, 0);
  EXPECT_EQ(Grid()->TextMatrix(3, 2), "12345");
  EXPECT_EQ(Flag(2, 3), 16);
  ui::Double_Click(Grid(), 3, 0);
  EXPECT_EQ(Grid()->TextMatrix(3, 1), "");
  EXPECT_EQ(Grid()->TextMatrix(3, 2), "");
  EXPECT_EQ(Grid()->TextMatrix(4, 1), "EEA");
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Flag(2, i), 0) << i;
  EXPECT_FALSE(form->Check_zh[4][1]->isChecked());
}

TEST_F(Tone5_Decode, Cells_Open_Their_Editors_And_Keep_What_They_Hold) {
  Open_Decode();
  // An entry without a standard opens no editor in columns 2-8.
  for (int c = 2; c <= 8; ++c) {
    Click(Grid(), 2, c);
    EXPECT_FALSE(form->Text_Decode->isVisible() || form->Combo_Decode->isVisible()) << c;
  }
  // A standard cell opened and left without a choice keeps its standard.
  Grid()->Set_TextMatrix(4, 1, "ZVEI1");
  Click(Grid(), 4, 1);
  ASSERT_TRUE(form->Combo_Decode->isVisible());
  EXPECT_EQ(form->Combo_Decode->currentText(), "ZVEI1");
  Click(Grid(), 6, 0);
  EXPECT_EQ(Grid()->TextMatrix(4, 1), "ZVEI1");
  // A function cell whose frame cell is empty is emptied on leaving.
  Grid()->Set_TextMatrix(4, 3, "3.Monitor");
  Click(Grid(), 4, 3);
  ASSERT_TRUE(form->Combo_Decode->isVisible());
  Click(Grid(), 6, 0);
  EXPECT_EQ(Grid()->TextMatrix(4, 3), "");
  // The decode box: six characters, a lower-case letter; the text stays.
  Click(Grid(), 4, 2);
  ASSERT_TRUE(form->Text_Decode->isVisible());
  ui::Type(form->Text_Decode, "a");
  EXPECT_EQ(Texts(), QStringList{"Group Digits only by 0 to 9 and A to F."});
  EXPECT_EQ(form->Text_Decode->text(), "a");
  messages.shown.clear();
  form->Text_Decode->selectAll();
  ui::Type(form->Text_Decode, "123456");
  EXPECT_EQ(Texts().back(), "Decode Digit is 5 Bits.");
  EXPECT_EQ(messages.shown.back().title, "Operate Prompt\"");
  // Five symbols are taken into the cell.
  form->Text_Decode->selectAll();
  QTest::keyClick(form->Text_Decode, Qt::Key_Delete);
  ui::Type(form->Text_Decode, "1A2B3");
  Click(Grid(), 6, 0);
  EXPECT_EQ(Grid()->TextMatrix(4, 2), "1A2B3");
}

// ---------------------------------------------------------------- signal file

class Tone5_Sig_File : public Tone5_Decode {
 protected:
  std::string Path(const char *name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
  // One tick of Timer4 at least.
  void Tick() { platform.Advance(500); Settle(); }
  void Load(const std::string &path) {
    Shared().Dlg_Open_Flag.Raise(path);
    Tick();
  }
  void Save(const std::string &path) {
    Shared().Dlg_Save_Flag.Raise(path);
    Tick();
  }
  // A fixture image: varied periods, delays, symbols (0-15 or 0xFF) and
  // standards (0-14 or 0xFF), distinct values in every byte no control
  // shows.
  static void Varied_Area() {
    for (int s = 0; s < 15; ++s) {
      Img(576 + s, 0) = static_cast<uint8_t>(s % 19);
      Img(576 + s, 1) = static_cast<uint8_t>((s * 5) % 16);
      Img(576 + s, 2) = s == 3 ? 0xFF : static_cast<uint8_t>((s * 3) % 16);
      for (int c = 3; c < 16; ++c) Img(576 + s, c) = static_cast<uint8_t>(s * 13 + c);
    }
    for (int c = 0; c < 16; ++c) Img(591, c) = static_cast<uint8_t>(200 + c);
    for (int n = 1; n <= 15; ++n) {
      for (int f = 0; f < 3; ++f)
        for (int i = 0; i < 5; ++i) {
          const bool blank = (n + f) % 4 == 0 || i >= 5 - (n % 3);
          Img(591 + n, 5 * f + i) = blank ? 0xFF : static_cast<uint8_t>((n * 7 + f * 3 + i) % 16);
        }
      Img(591 + n, 15) = n % 5 == 0 ? 0xFF : static_cast<uint8_t>(n % 15);
    }
    const uint8_t settings[16] = {7, 100, 0, 55, 0x11, 0x22, 0x33, 0x44, 9, 0xFD, 0x82, 199, 1, 2, 3, 4};
    for (int c = 0; c < 16; ++c) Img(607, c) = settings[c];
  }

  QTemporaryDir dir;
};

TEST_F(Tone5_Sig_File, Save_Change_Load_Gives_The_Area_Back) {
  Varied_Area();
  Open();
  const auto image = Lines(0, 1023);
  Save(Path("a.sig"));
  ASSERT_EQ(Texts(), QStringList{"Complete storing Signal parameters."});
  EXPECT_EQ(Lines(0, 1023), image);
  // Changed behind the window, then the file loaded.
  Load_Tone5_Defaults(Shared().Tone5, Shared().Radio_Image);
  for (int l = 576; l <= 607; ++l)
    for (int c = 0; c < 16; ++c) Img(l, c) ^= 0x5A;
  auto other = Lines(0, 1023);
  Load(Path("a.sig"));
  EXPECT_EQ(Texts().back(), "Succeed fold the Signal parameters from file.");
  EXPECT_EQ(Lines(576, 607), std::vector<uint8_t>(image.begin() + 576 * 16, image.begin() + 608 * 16));
  for (int i = 576 * 16; i < 608 * 16; ++i) other[static_cast<size_t>(i)] = Lines(0, 1023)[static_cast<size_t>(i)];
  EXPECT_EQ(Lines(0, 1023), other);  // no other line changed
  EXPECT_EQ(form->MSF_Chann->TextMatrix(1, 1), QString::number(10 * Img(576, 0) + 20));
  EXPECT_FALSE(Bar()->isVisible());
  EXPECT_EQ(Label(), "");
}

TEST_F(Tone5_Sig_File, The_Builder_Takes_The_Cells_And_Controls) {
  Open_Decode();
  Grid()->Set_TextMatrix(2, 1, "MODAT");
  Grid()->Set_TextMatrix(2, 2, "12345");
  Grid()->Set_TextMatrix(2, 3, "3.Monitor");
  form->MSF_Encode->Set_TextMatrix(3, 4, "");
  form->Check_Dec_back->click();
  form->Check_Dec_Bcl->click();
  form->Sig_File_Build();
  const Sig_File_Buffer &b = Shared().Sig_File_Buf;
  struct Case {
    const char *what;
    int line, byte, value;
  };
  for (const Case &c : {Case{"70 ms period", 65, 0, 5}, Case{"100 ms period", 64, 0, 8},
                        Case{"blank frame of code 2", 81, 14, 255}, Case{"code 15's standard MODAT", 94, 15, 14},
                        Case{"empty standard", 82, 15, 255}, Case{"decode standard MODAT", 113, 15, 14},
                        Case{"decode frame", 113, 4, 5}, Case{"function 3.Monitor", 129, 5, 3},
                        Case{"empty function", 129, 6, 255}, Case{"Check_Dec_back", 143, 1, 1},
                        Case{"Check_Dec_Bcl", 143, 2, 2}, Case{"reset 6000 ms", 143, 0, 59},
                        Case{"empty reply delay", 143, 3, -1}, Case{"CCIR1 symbol A period, low byte", 32, 10, 0xBF},
                        Case{"CCIR1 symbol A period, high byte", 48, 10, 0x03}}) {
    EXPECT_EQ(b[static_cast<size_t>(c.line)][static_cast<size_t>(c.byte)], c.value) << c.what;
  }
  for (int i = 0; i < 15; ++i) EXPECT_EQ(b[81][static_cast<size_t>(i)], 255) << i;
}

TEST_F(Tone5_Sig_File, Saving_Keeps_The_Lines_An_Existing_File_Holds_Beyond_Its_Own) {
  Open();
  Sig_File_Buffer old{};
  for (int k = 0; k < 256; ++k)
    for (int c = 0; c < 16; ++c) old[static_cast<size_t>(k)][static_cast<size_t>(c)] = static_cast<int16_t>(k < 96 ? 1 : -k);
  ASSERT_TRUE(Write_Sig_File(Path("old.sig"), old).Ok());
  Save(Path("old.sig"));
  Sig_File_Buffer back{};
  ASSERT_TRUE(Read_Sig_File(Path("old.sig"), back).Ok());
  for (int k = 144; k < 256; ++k) EXPECT_EQ(back[static_cast<size_t>(k)], old[static_cast<size_t>(k)]) << k;
  // A new file in a fresh program has zeros there.
  Shared().Sig_File_Buf = Sig_File_Buffer{};
  Save(Path("new.sig"));
  ASSERT_TRUE(Read_Sig_File(Path("new.sig"), back).Ok());
  for (int k = 144; k < 256; ++k) EXPECT_EQ(back[static_cast<size_t>(k)], (std::array<int16_t, 16>{})) << k;
}

TEST_F(Tone5_Sig_File, A_Bad_File_Changes_Nothing_And_Says_Why) {
  Open();
  Sig_File_Buffer good{};
  for (auto &line : good) line.fill(7);
  const std::string good_text = Sig_File_Text(good);
  auto replaced = [&](int line, const char *item) {
    Sig_File_Buffer b = good;
    std::string text = Sig_File_Text(b);
    const std::string mark = " 7 ";
    size_t pos = 0;
    for (int i = 0; i <= line * 16; ++i) pos = text.find(mark, i == 0 ? 0 : pos + 1);
    return text.replace(pos, mark.size(), std::string(" ") + item + " ");
  };
  struct Case {
    const char *what;
    std::function<void(const std::string &)> make;  // writes the file (or not)
    const char *why;                                 // what the message says is wrong
  };
  const Case cases[] = {
      {"missing", [](const std::string &) {}, "No such file or directory"},
      {"empty", [](const std::string &p) { Write_All(p, ""); }, "ends early: it holds 0 of its 4096 numbers"},
      {"4095 numbers", [&](const std::string &p) { Write_All(p, good_text.substr(0, good_text.size() - 5)); },
       "ends early: it holds 4095 of its 4096 numbers"},
      {"a word", [&](const std::string &p) { Write_All(p, replaced(3, "seven")); },
       "holds \"seven\" as item 49, which is no whole number"},
      {"256 in line 70", [&](const std::string &p) { Write_All(p, replaced(70, "256")); },
       "holds 256 as item 1121, outside its range"},
      {"-1 in line 80", [&](const std::string &p) { Write_All(p, replaced(80, "-1")); },
       "holds -1 as item 1281, outside its range"},
      {"a huge number", [&](const std::string &p) { Write_All(p, replaced(5, "99999999999999999999")); },
       "as item 81, outside its range"},
      {"binary garbage", [](const std::string &p) { Write_All(p, std::string("\x00\x01\xff\x7f" "ELF", 7)); },
       "as item 1, which is no whole number"},
  };
  Shared().Sig_File_Buf[100][3] = 1234;
  const auto buffer = Shared().Sig_File_Buf;
  const auto image = Lines(0, 1023);
  int k = 0;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = Path(("bad" + std::to_string(k++) + ".sig").c_str());
    c.make(path);
    messages.shown.clear();
    Load(path);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(Texts()[0].contains(QString::fromStdString(path))) << Texts()[0].toStdString();
    EXPECT_TRUE(Texts()[0].contains(QString::fromUtf8(c.why))) << Texts()[0].toStdString();
    EXPECT_NE(Texts()[0], "Succeed fold the Signal parameters from file.");
    EXPECT_EQ(Lines(0, 1023), image);
    EXPECT_EQ(Shared().Sig_File_Buf, buffer);
  }
  // A good file after all that loads.
  Write_All(Path("good.sig"), good_text);
  Load(Path("good.sig"));
  EXPECT_EQ(Texts().back(), "Succeed fold the Signal parameters from file.");
  EXPECT_EQ(Img(576, 0), 7);
}

TEST_F(Tone5_Sig_File, A_Failed_Save_Leaves_The_Old_File_Whole) {
  Open();
  Sig_File_Buffer old{};
  ASSERT_TRUE(Write_Sig_File(Path("kept.sig"), old).Ok());
  const std::string before = Read_All(Path("kept.sig"));
  ASSERT_EQ(::chmod(Path("kept.sig").c_str(), 0444), 0);
  Save(Path("kept.sig"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(Texts()[0], "Complete storing Signal parameters.");
  EXPECT_EQ(Read_All(Path("kept.sig")), before);
  // The file was there, and the message says it is unchanged.
  EXPECT_TRUE(Texts()[0].startsWith(QString::fromStdString("Cannot save the signal file \"" + Path("kept.sig") + "\": ")))
      << Texts()[0].toStdString();
  EXPECT_TRUE(Texts()[0].endsWith(". A file of that name that was there is unchanged.")) << Texts()[0].toStdString();
  // Into a directory that does not exist: there was no such file, and the
  // message does not speak of one.
  messages.shown.clear();
  Save(Path("none/x.sig"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(Texts()[0], "Complete storing Signal parameters.");
  EXPECT_TRUE(Texts()[0].startsWith(QString::fromStdString("Cannot save the signal file \"" + Path("none/x.sig") + "\": ")))
      << Texts()[0].toStdString();
  EXPECT_FALSE(Texts()[0].contains("was there")) << Texts()[0].toStdString();
  // A pipe of that name is refused and named as a pipe, in either language.
  ASSERT_EQ(::mkfifo(Path("pipe.sig").c_str(), 0600), 0);
  for (const bool chinese : {false, true}) {
    Shared().Lang_Chinese = chinese;
    messages.shown.clear();
    Save(Path("pipe.sig"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Texts()[0], chinese ? QString::fromStdString("无法保存信令参数文件 \"" + Path("pipe.sig") +
                                                           "\"：它是管道。原有的同名文件未改变。")
                                  : QString::fromStdString("Cannot save the signal file \"" + Path("pipe.sig") +
                                                           "\": it is a pipe. A file of that name that was there "
                                                           "is unchanged."));
  }
  Shared().Lang_Chinese = false;
  struct stat st {};
  ASSERT_EQ(::stat(Path("pipe.sig").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(Tone5_Sig_File, Timer4_Polls_Load_First_And_Waits_For_The_Window_Exchange) {
  Varied_Area();
  Open();
  Sig_File_Buffer file{};
  // Values every control can show: symbols, standards and delays alike.
  for (int k = 64; k <= 95; ++k) file[static_cast<size_t>(k)].fill(static_cast<int16_t>(k % 15));
  ASSERT_TRUE(Write_Sig_File(Path("in.sig"), file).Ok());
  // Within 500 ms, the load before the save: the saved file holds what was
  // loaded.
  Shared().Dlg_Save_Flag.Raise(Path("out.sig"));
  Shared().Dlg_Open_Flag.Raise(Path("in.sig"));
  platform.Advance(499);
  Settle();
  EXPECT_EQ(Img(576, 0), 0);
  platform.Advance(1);
  Settle();
  EXPECT_EQ(Texts(), (QStringList{"Succeed fold the Signal parameters from file.", "Complete storing Signal parameters."}));
  Sig_File_Buffer out{};
  ASSERT_TRUE(Read_Sig_File(Path("out.sig"), out).Ok());
  for (int k = 64; k <= 95; ++k) EXPECT_EQ(out[static_cast<size_t>(k)], file[static_cast<size_t>(k)]) << k;

  // A load and a save raised while the window writes wait until the write
  // has ended.
  for (int k = 64; k <= 95; ++k) file[static_cast<size_t>(k)].fill(static_cast<int16_t>(k % 15 + 1));
  ASSERT_TRUE(Write_Sig_File(Path("in.sig"), file).Ok());
  const auto sent = Lines(512, 607);
  messages.shown.clear();
  ui::Click_Button(form->Command_Write);
  platform.Advance(200);
  Shared().Dlg_Open_Flag.Raise(Path("in.sig"));
  Shared().Dlg_Save_Flag.Raise(Path("during.sig"));
  platform.Advance(1000);  // two ticks of the poll
  ASSERT_TRUE(form->Busy());
  EXPECT_TRUE(Shared().Dlg_Open_Flag.pending);
  EXPECT_TRUE(Shared().Dlg_Save_Flag.pending);
  EXPECT_FALSE(std::filesystem::exists(Path("during.sig")));
  ASSERT_TRUE(Run_To_End());
  EXPECT_TRUE(Shared().Dlg_Open_Flag.pending || Img(576, 0) == 5);
  EXPECT_EQ(Radio_Lines(512, 607), sent);
  Tick();
  EXPECT_FALSE(Shared().Dlg_Open_Flag.pending);
  EXPECT_FALSE(Shared().Dlg_Save_Flag.pending);
  EXPECT_EQ(Img(576, 0), 5);
  // The save came after the load: it holds the code just loaded (4 before).
  ASSERT_TRUE(Read_Sig_File(Path("during.sig"), out).Ok());
  EXPECT_EQ(out[64][0], 5);
}

}  // namespace
}  // namespace zv::test
