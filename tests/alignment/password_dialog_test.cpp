// The password dialog through its boxes and buttons, against the simulated
// radio on the virtual clock: the change itself, the passwords it compares
// and sends, its key filter, the whole-radio write window it closes after a
// change, and its closing while the exchange runs.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "comm/comm_write_window.h"
#include "comm/exchange_engine.h"
#include "editors/alignment/password_dialog.h"
#include "image/protocol.h"
#include "image/startup_state.h"
#include "shell/shell_fixture.h"
#include "tests/support/menu_action.h"
#include "tests/support/radio_on_com1.h"

namespace zv::test {
namespace {

constexpr int kBlock = 0x3DF0;

class Password_Dialog : public Main_Window_Test, protected Radio_On_Com1 {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    Build_Startup_State(Shared());
    for (int i = 12; i < 16; ++i) sim.Poke(kBlock + i, 0x77);
    Connect_Radio(platform, messages, Radio_Setup().Run_Limit_Ms(60000).Ends_When_Not_Busy());
    // The dialog has an engine but no progress display.
    Follow_Display([this]() -> std::optional<Exchange_Display> {
      if (!form) return std::nullopt;
      return Exchange_Display{&form->Engine(), nullptr, nullptr};
    });
    Make_Main();
  }
  void TearDown() override {
    Disconnect_Radio();
    Main_Window_Test::TearDown();
    platform.Attach(1, nullptr);
  }

  // Opens (or reopens) the dialog from its menu entry.
  Form_Write_PassWord &Open() {
    Run_Command(*main, "PC_PassWord");
    Flush_Deletes();
    form = main->Windows().Form_As<Form_Write_PassWord>(win::Form_Write_PassWord);
    if (!form) throw std::runtime_error("password dialog did not open");
    return *form;
  }
  static void Type(QLineEdit *box, const QString &text) {
    box->setFocus();
    for (QChar c : text) QTest::keyClick(box, c.toLatin1());
  }
  void Fill(const QString &old_text, const QString &new_text, const QString &confirm) {
    Type(form->Text_Old_PassWord, old_text);
    Type(form->Text_New_Password_1, new_text);
    Type(form->Text_New_PassWord_2, confirm);
  }
  void Modify() { QTest::mouseClick(form->Command_Write, Qt::LeftButton); }
  std::string Block() const {
    std::string s;
    for (int i = 0; i < 16; ++i) s.push_back(static_cast<char>(sim.Peek(kBlock + i)));
    return s;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const Message_Record &m : messages.shown) out.push_back(m.text.toStdString());
    return out;
  }
  bool Sent_Write_Frame() {
    const std::vector<uint8_t> sent = platform.Sent_Bytes(1);
    const uint8_t head[] = {0x58, 0x3D, 0xF0, 0x10};
    return std::search(sent.begin(), sent.end(), std::begin(head), std::end(head)) != sent.end();
  }
  bool Write_Window_Open() const { return main->Windows().Is_Open(win::Form_Comm_Write); }

  Form_Write_PassWord *form = nullptr;
};

TEST_F(Password_Dialog, A_Change_Writes_The_New_Password_With_The_Super_Password) {
  Open();
  QStringList panels_before;
  for (int k = 1; k <= 15; ++k) panels_before << main->Panel(k)->text();
  const Band_Limits bands_before = Shared().Bands;

  Fill("123456", "abc", "abc");
  Modify();
  ASSERT_TRUE(Run_To_End());

  EXPECT_EQ(Block(), std::string("abc   SUPER9") + std::string(4, '\0'));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "PassWord Modify Success ! ");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_TRUE(form->Text_Old_PassWord->text().isEmpty());
  EXPECT_TRUE(form->Text_New_Password_1->text().isEmpty());
  EXPECT_TRUE(form->Text_New_PassWord_2->text().isEmpty());
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Shared().Old_Password[i], 32);
    EXPECT_EQ(Shared().New_Password[i], 32);
  }
  EXPECT_EQ(platform.Sent_Bytes(1).back(), 0x45);  // 'E' ends the exchange
  EXPECT_FALSE(platform.Is_Held(1));
  // Nothing of the status bar or the band limits.
  for (int k = 1; k <= 15; ++k) EXPECT_EQ(main->Panel(k)->text(), panels_before[k - 1]) << k;
  EXPECT_EQ(Shared().Bands.Band_A_Low, bands_before.Band_A_Low);
  EXPECT_EQ(Shared().Bands.Band_D_High, bands_before.Band_D_High);
}

// What the dialog compares as the old password.
struct Old_Case {
  const char *name;
  const char *radio_user, *radio_super;
  // Keys typed into the old-password box; '\b' is Backspace.
  const char *typed;
  bool accepted;
};

class Old_Password : public Password_Dialog, public ::testing::WithParamInterface<Old_Case> {};

TEST_P(Old_Password, Is_Compared_As_The_Box_Shows_It) {
  const Old_Case c = GetParam();
  sim.Set_Passwords(c.radio_user, c.radio_super);
  const std::string before = Block();
  Open();
  form->Text_Old_PassWord->setFocus();
  for (const char *k = c.typed; *k; ++k)
    if (*k == '\b')
      QTest::keyClick(form->Text_Old_PassWord, Qt::Key_Backspace);
    else
      QTest::keyClick(form->Text_Old_PassWord, *k);
  Type(form->Text_New_Password_1, "777");
  Type(form->Text_New_PassWord_2, "777");
  Modify();
  ASSERT_TRUE(Run_To_End());
  if (c.accepted) {
    EXPECT_EQ(Block().substr(0, 6), "777   ");
    EXPECT_EQ(Texts(), std::vector<std::string>{"PassWord Modify Success ! "});
  } else {
    EXPECT_EQ(Texts(), std::vector<std::string>{"Old PassWord Error, Writeing Stop"});
    EXPECT_FALSE(Sent_Write_Frame());
    EXPECT_EQ(Block(), before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Old_Password,
    ::testing::Values(
        // A short password compares padded with blanks.
        Old_Case{"short_user_password", "12", "SUPER9", "12", true},
        Old_Case{"super_password", "123456", "SUPER9", "SUPER9", true},
        Old_Case{"wrong", "123456", "SUPER9", "12345", false},
        // A box typed into and emptied again compares as six blanks.
        Old_Case{"emptied_against_blank_super", "123456", "", "9\b", true},
        Old_Case{"emptied_against_set_passwords", "123456", "SUPER9", "9\b", false},
        Old_Case{"radio_without_password", "", "SUPER9", "", true}),
    [](const ::testing::TestParamInfo<Old_Case> &info) { return std::string(info.param.name); });

// The codes typed in an earlier opening are not compared: a fresh dialog
// compares six blanks until its box is edited.
TEST_F(Password_Dialog, A_Reopened_Dialog_Does_Not_Compare_An_Earlier_Old_Password) {
  Open();
  Type(form->Text_Old_PassWord, "123456");
  QTest::mouseClick(form->Command_Cancel, Qt::LeftButton);
  Flush_Deletes();
  ASSERT_FALSE(main->Windows().Is_Open(win::Form_Write_PassWord));
  const std::string before = Block();
  Open();
  Type(form->Text_New_Password_1, "777");
  Type(form->Text_New_PassWord_2, "777");
  Modify();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Old PassWord Error, Writeing Stop"});
  EXPECT_FALSE(Sent_Write_Frame());
  EXPECT_EQ(Block(), before);
}

TEST_F(Password_Dialog, New_Passwords_As_Sent_Or_Refused) {
  struct Case {
    const char *name;
    QString new_text, confirm;
    const char *message;        // nullptr: the change goes through
    const char *user_password;  // the radio's user password afterwards
  };
  const Case cases[] = {
      {"differ", "abc", "abd", "Password is not consistent .", "123456"},
      {"two_characters", "12", "12", nullptr, "12    "},
      {"both_empty", "", "", nullptr, "      "},
      {"outer_blanks", "  ab ", "ab", nullptr, "ab    "},
      {"cjk", QStringLiteral("12密"), QStringLiteral("12密"),
       "The new password may hold only letters, digits and the signs of the keyboard .", "123456"},
      {"tilde_last_printable", "a~", "a~", nullptr, "a~    "},
      {"blank_inside_first_printable", "a b", "a b", nullptr, "a b   "},
      {"del", QStringLiteral("a\x7F"), QStringLiteral("a\x7F"),
       "The new password may hold only letters, digits and the signs of the keyboard .", "123456"},
      {"control_character", QStringLiteral("a\x1F" "b"), QStringLiteral("a\x1F" "b"),
       "The new password may hold only letters, digits and the signs of the keyboard .", "123456"},
      {"latin_letter_with_accent", QStringLiteral("caf\u00E9"), QStringLiteral("caf\u00E9"),
       "The new password may hold only letters, digits and the signs of the keyboard .", "123456"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    messages.shown.clear();
    sim.Set_Passwords("123456", "SUPER9");
    platform.Clear_Wire_Log(1);
    Open();
    Type(form->Text_Old_PassWord, "123456");
    // Pasted, as a user would enter characters the keyboard filter never sees.
    form->Text_New_Password_1->insert(c.new_text);
    form->Text_New_PassWord_2->insert(c.confirm);
    Modify();
    ASSERT_TRUE(Run_To_End());
    if (c.message) {
      EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
      EXPECT_TRUE(platform.Sent_Bytes(1).empty());
    } else {
      EXPECT_EQ(Texts(), std::vector<std::string>{"PassWord Modify Success ! "});
    }
    EXPECT_EQ(Block().substr(0, 6), c.user_password);
  }
}

TEST_F(Password_Dialog, Boxes_Take_Six_Characters_And_Backspace_Always) {
  Open();
  for (QLineEdit *box : {form->Text_Old_PassWord, form->Text_New_Password_1, form->Text_New_PassWord_2}) {
    SCOPED_TRACE(box->objectName().toStdString());
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    Type(box, "1234567");
    EXPECT_EQ(box->text(), "123456");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "12345");
    // Outer blanks do not count: a blank goes in while five characters
    // stand, and a sixth character behind it.
    Type(box, " 67");
    EXPECT_EQ(box->text(), "12345 6");
  }
}

TEST_F(Password_Dialog, A_Pasted_Long_Password_Sends_Its_First_Six_Codes) {
  Open();
  Type(form->Text_Old_PassWord, "123456");
  form->Text_New_Password_1->insert("abcdefghij");
  form->Text_New_PassWord_2->insert("abcdefghij");
  Modify();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Block().substr(0, 12), "abcdefSUPER9");
}

// Timer4 after a change: the whole-radio write window is closed, but never
// while its own write runs.
TEST_F(Password_Dialog, After_A_Change_The_Write_Window_Is_Closed_Within_500_ms) {
  Open();
  Fill("123456", "abc", "abc");
  Modify();
  ASSERT_TRUE(Run_To_End());
  main->Windows().Open(win::Form_Comm_Write);
  ASSERT_TRUE(Write_Window_Open());
  platform.Advance(500);
  EXPECT_FALSE(Write_Window_Open());
  // Every time again while the dialog stays open.
  main->Windows().Open(win::Form_Comm_Write);
  platform.Advance(500);
  EXPECT_FALSE(Write_Window_Open());
}

TEST_F(Password_Dialog, A_Running_Whole_Write_Is_Finished_Before_Its_Window_Closes) {
  Open();
  Fill("123456", "abc", "abc");
  Modify();
  ASSERT_TRUE(Run_To_End());
  // Just after a tick, the whole write starts.
  const double next_tick = platform.Now() + 500;
  platform.Run_Until([&] { return platform.Now() >= next_tick; }, 600);
  main->Windows().Open(win::Form_Comm_Write);
  auto *write = main->Windows().Form_As<Form_Comm_Write>(win::Form_Comm_Write);
  ASSERT_NE(write, nullptr);
  write->Text_PassWord->setText("abc");
  QTest::mouseClick(write->Command_Write, Qt::LeftButton);
  ASSERT_TRUE(write->Engine().Busy());
  ASSERT_TRUE(platform.Run_Until([&] { return !write->Engine().Busy(); }, 120000));
  EXPECT_TRUE(Write_Window_Open());  // the write ended on its own
  platform.Advance(500);
  EXPECT_FALSE(Write_Window_Open());
  for (int a = 0; a < 0x3100; ++a)
    ASSERT_EQ(sim.Peek(a), Shared().Radio_Image(a / 16, a % 16)) << a;
}

TEST_F(Password_Dialog, An_Answer_Other_Than_06_Starts_Timer4_Too_And_Shows_Nothing) {
  // Frame 2 of the session is the radio's answer to the password block.
  sim.faults.push_back({sim::Fault::Kind::Corrupt_Byte, 2, 0, 0x15});
  Open();
  Fill("123456", "abc", "abc");
  Modify();
  ASSERT_TRUE(Run_To_End());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(form->Change_Done);
  EXPECT_FALSE(form->Text_New_Password_1->text().isEmpty());  // the boxes keep their texts
  EXPECT_EQ(platform.Sent_Bytes(1).back(), 0x45);
  main->Windows().Open(win::Form_Comm_Write);
  platform.Advance(500);
  EXPECT_FALSE(Write_Window_Open());
}

TEST_F(Password_Dialog, Closing_The_Dialog_Ends_Timer4) {
  Open();
  Fill("123456", "abc", "abc");
  Modify();
  ASSERT_TRUE(Run_To_End());
  QTest::mouseClick(form->Command_Cancel, Qt::LeftButton);
  Flush_Deletes();
  main->Windows().Open(win::Form_Comm_Write);
  platform.Advance(2000);
  EXPECT_TRUE(Write_Window_Open());
}

TEST_F(Password_Dialog, Without_A_Change_Timer4_Leaves_The_Write_Window) {
  Open();
  main->Windows().Open(win::Form_Comm_Write);
  platform.Advance(2000);
  EXPECT_TRUE(Write_Window_Open());
}

TEST_F(Password_Dialog, Close_During_The_Exchange_Is_Refused_And_The_Exchange_Goes_On) {
  Open();
  Fill("123456", "abc", "abc");
  Modify();
  platform.Advance(100);
  ASSERT_TRUE(form->Engine().Busy());
  QTest::mouseClick(form->Command_Cancel, Qt::LeftButton);
  ASSERT_EQ(Texts(), std::vector<std::string>{"Read-write operating，don't close the window. ,"});
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  ASSERT_TRUE(main->Windows().Is_Open(win::Form_Write_PassWord));
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Block().substr(0, 6), "abc   ");
}

// Closing by the close box or by the menu's reopen while the exchange runs:
// the exchange stops with the dialog, no 'E' is sent, the port is free.
TEST_F(Password_Dialog, Closing_Otherwise_During_The_Exchange_Stops_It) {
  for (const char *how : {"close box", "menu"}) {
    SCOPED_TRACE(how);
    platform.Clear_Wire_Log(1);
    Open();
    Fill("123456", "abc", "abc");
    Modify();
    platform.Advance(400);
    ASSERT_TRUE(form->Engine().Busy());
    QPointer<Form_Write_PassWord> old = form;
    if (std::string(how) == "close box")
      qobject_cast<QMdiSubWindow *>(main->Windows().Window(win::Form_Write_PassWord))->close();
    else
      Open();
    Flush_Deletes();
    EXPECT_TRUE(old.isNull());
    EXPECT_FALSE(platform.Is_Held(1));
    platform.Advance(20000);  // no timer of the old dialog fires
    const std::vector<uint8_t> sent = platform.Sent_Bytes(1);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), 0x45), 0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Block().substr(0, 6), "123456");
  }
}

TEST_F(Password_Dialog, Loads_With_Its_Captions_In_Both_Languages) {
  for (const bool chinese : {false, true}) {
    SCOPED_TRACE(chinese);
    Shared().Lang_Chinese = chinese;
    Open();
    const QWidget *window = main->Windows().Window(win::Form_Write_PassWord);
    EXPECT_EQ(window->windowTitle(), chinese ? QStringLiteral("修改密码") : QStringLiteral("Modify PassWord"));
    EXPECT_EQ(form->Label_New_PassWord_2->text(),
              chinese ? QStringLiteral("确认新密码") : QStringLiteral("Confirm PassWord"));
    EXPECT_EQ(form->Command_Write->text(), chinese ? QStringLiteral("修改") : QStringLiteral("Modify"));
    EXPECT_FALSE(form->Change_Done);
    EXPECT_FALSE(form->Timer4().Enabled());
  }
}

}  // namespace
}  // namespace zv::test
