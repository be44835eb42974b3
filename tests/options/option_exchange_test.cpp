// The option editor's exchange through its buttons, against the simulated
// radio on the virtual clock, and what the window refuses while it runs.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "comm/exchange_panel.h"
#include "comm/password_box.h"
#include "editors/options/option_window.h"
#include "image/option_defaults.h"
#include "image/startup_state.h"
#include "platform/list_combo.h"
#include "support/window_exchange.h"

namespace zv::test {
namespace {

class Option_Exchange : public Window_Exchange_Test {
 protected:
  void SetUp() override {
    Window_Exchange_Test::SetUp();
    Build_Startup_State(Shared());
    form = new frm_option;
    form->Form_Load(nullptr, Main_Sizing{19200, 12000, 19000, 10000});
    Watch(form, &form->Panel().Engine(), Bar(), Label_Box());
  }

  QProgressBar *Bar() const { return form->Panel().ProgressBar1; }
  QLabel *Label_Box() const { return form->Panel().Label_tr_count; }
  void Type_Password(const char *text) { form->Panel().Text_PassWord->setText(QString::fromLatin1(text)); }
  List_Combo *Combo(const char *name) const { return form->Combo(QString::fromLatin1(name)); }
  static uint8_t &Opt(int offset) { return Shared().Radio_Image(224 + offset / 16, offset % 16); }
  bool Rows_Equal_Radio(int first, int last) const {
    for (int r = first; r <= last; ++r)
      for (int c = 0; c < 16; ++c)
        if (Shared().Radio_Image(r, c) != sim.Peek(16 * r + c)) return false;
    return true;
  }
  // The labels of the steps, in order, from the first that starts with
  // `from` on.
  std::vector<Step> Steps_From(const std::string &from) const {
    for (size_t i = 0; i < steps.size(); ++i)
      if (steps[i].label.rfind(from, 0) == 0) return std::vector<Step>(steps.begin() + static_cast<long>(i), steps.end());
    return {};
  }

  QPointer<frm_option> form;
};

// The typical edit: 600 s chosen, written, read back and shown.
TEST_F(Option_Exchange, A_Setting_Written_And_Read_Back) {
  Type_Password("123456");
  Combo("Combo_tot")->setFocus();
  QTest::keyClick(Combo("Combo_tot"), Qt::Key_End);
  ASSERT_EQ(Opt(Opt_Addr_Tot), 39);
  QTest::mouseClick(form->Command_Write, Qt::LeftButton);
  EXPECT_TRUE(Bar()->isVisible());
  EXPECT_EQ(Label_Box()->text(), "Connecting with transceiver. ");
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.Peek(0x0E05), 39);
  EXPECT_TRUE(Rows_Equal_Radio(224, 255));
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete writing optional parameters to the transceiver."});
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  // Progress 3 ... 96 for packets 1 to 31; the bar stays at 96.
  const std::vector<Step> written = Steps_From("Writing");
  ASSERT_EQ(written.size(), 32u);
  for (int n = 1; n <= 31; ++n) {
    EXPECT_EQ(written[static_cast<size_t>(n - 1)].label, "Writing  " + std::to_string(n) + "  Data Block");
    EXPECT_EQ(written[static_cast<size_t>(n - 1)].bar, n * 100 / 32) << n;
  }
  EXPECT_EQ(written.back().label, "Complete writing optional parameters ");
  EXPECT_EQ(written.back().bar, 96);

  // The radio's area changes meanwhile (lines 252-255 have no control); a
  // read brings all of it into lines 224-255 and shows it.
  for (int a = 0x0FC0; a < 0x1000; ++a) sim.Poke(a, static_cast<uint8_t>(a * 7));
  sim.Poke(0x0E02, 8);
  Opt(Opt_Addr_Tot) = 0;
  steps.clear();
  messages.shown.clear();
  QTest::mouseClick(form->Command_read, Qt::LeftButton);
  ASSERT_TRUE(Run_To_End());
  EXPECT_TRUE(Rows_Equal_Radio(224, 255));
  EXPECT_EQ(Combo("Combo_tot")->currentIndex(), 39);
  EXPECT_EQ(Combo("Combo_Sql")->currentIndex(), 8);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_EQ(label_at_message.back(), "Read optional parameters in gear. ");
  // Progress 33 ... 100 with "Reading 3" to "Reading 9".
  const std::vector<Step> read = Steps_From("Reading");
  ASSERT_GE(read.size(), 7u);
  for (int k = 3; k <= 9; ++k) {
    EXPECT_EQ(read[static_cast<size_t>(k - 3)].label, "Reading " + std::to_string(k) + " Data Block");
    EXPECT_EQ(read[static_cast<size_t>(k - 3)].bar, k * 100 / 9) << k;
  }
  EXPECT_EQ(Bar()->value(), 100);
}

TEST_F(Option_Exchange, Chinese_Progress_And_Completion_Texts) {
  Shared().Lang_Chinese = true;
  Type_Password("123456");
  form->Command_Write_Click();
  ASSERT_TRUE(Run_To_End());
  ASSERT_FALSE(Steps_From("正在写入  31  数据块").empty());
  EXPECT_EQ(Texts(), std::vector<std::string>{"向对讲机写入可选参数完毕 ！"});
  EXPECT_EQ(messages.shown[0].title, "操作提示");
  EXPECT_EQ(Label_Box()->text(), "可选参数写入完毕 ！");
  messages.shown.clear();
  form->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_FALSE(Steps_From("正在读取 3 数据块").empty());
  EXPECT_EQ(Label_Box()->text(), "可选参数读出正常 ！");
  EXPECT_EQ(Texts(), std::vector<std::string>{"从对讲机中读取数据完毕 ！"});
}

TEST_F(Option_Exchange, Passwords) {
  for (int a = 0x0E00; a < 0x1000; ++a) sim.Poke(a, 0x11);
  const Radio_Image_Table before = Shared().Radio_Image;
  // No password box edited yet: six zero codes, refused; nothing stored.
  form->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Texts(), std::vector<std::string>{"PassWord Error, Reading Stop"});
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_TRUE(Shared().Radio_Image == before);
  // The password typed last in any window's box counts.
  Text_PassWord_Change(QStringLiteral("SUPER9"));
  messages.shown.clear();
  form->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
  EXPECT_TRUE(Rows_Equal_Radio(252, 255));
  // A wrong one in the window's own box; a write leaves the radio alone and
  // reports as a read does.
  Type_Password("12345");
  EXPECT_EQ(form->Panel().Text_PassWord->displayText(), "*****");
  messages.shown.clear();
  const auto radio_before = sim.Memory();
  form->Command_Write_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Texts(), std::vector<std::string>{"PassWord Error, Reading Stop"});
  EXPECT_TRUE(sim.Memory() == radio_before);
}

TEST_F(Option_Exchange, A_Silent_Radio_Gives_The_Failure_Texts_After_Four_Attempts) {
  Type_Password("123456");
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  const Radio_Image_Table before = Shared().Radio_Image;
  form->Command_read_Click();
  ASSERT_TRUE(vp.Run_Until([this] { return !messages.shown.empty(); }, 60000));
  EXPECT_EQ(Texts(), std::vector<std::string>{"Fail connect with transceiver."});
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_TRUE(Bar()->isVisible());
  EXPECT_EQ(Bar()->value(), 0);
  EXPECT_EQ(Label_Box()->text(), "Communication fault.");
  EXPECT_TRUE(Shared().Radio_Image == before);
  EXPECT_EQ(sim.sessions(), 4);
}

TEST_F(Option_Exchange, A_Restart_Whose_Port_Cannot_Open_Ends_There) {
  Type_Password("123456");
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  form->Command_read_Click();
  // The first attempt times out; the port fails before the restart.
  ASSERT_TRUE(vp.Run_Until([this] { return !form->Busy(); }, 10000));
  vp.Set_Open_Failure(1, true);
  vp.Advance(10000);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Communication Port Open Error ！"});
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  vp.Advance(60000);
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(form->Busy());
  // A start whose port cannot open shows no connecting display.
  messages.shown.clear();
  Bar()->hide();
  Label_Box()->clear();
  form->Command_Write_Click();
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(Bar()->isVisible());
  EXPECT_TRUE(Label_Box()->text().isEmpty());
  EXPECT_FALSE(form->Busy());
}

TEST_F(Option_Exchange, While_Busy_The_Window_Refuses_Buttons_And_Closing_But_Stays_Editable) {
  Type_Password("123456");
  form->Command_read_Click();
  vp.Advance(300);
  ASSERT_TRUE(form->Busy());
  const Radio_Image_Table before = Shared().Radio_Image;
  const std::string busy = "Read-write operating with transceiver .";
  const std::string closing = "Read-write operating，don't close the window.,";
  struct Case {
    QPushButton *button;
    const std::string *text;
  };
  const Case cases[] = {
      {form->Command_read, &busy}, {form->Command_Write, &busy}, {form->Command_def, &busy},
      {form->Command_open, &busy}, {form->Command_save, &busy},  {form->Command_close, &closing},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.button->objectName().toStdString());
    messages.shown.clear();
    QTest::mouseClick(c.button, Qt::LeftButton);
    EXPECT_EQ(Texts(), std::vector<std::string>{*c.text});
    EXPECT_EQ(messages.shown[0].title, "Operate prompt");
    EXPECT_TRUE(Shared().Radio_Image == before);
    EXPECT_TRUE(form->Busy());
    EXPECT_TRUE(form->isVisible());
  }
  // The close box.
  messages.shown.clear();
  form->close();
  EXPECT_EQ(Texts(), std::vector<std::string>{closing});
  ASSERT_TRUE(form->isVisible());
  EXPECT_TRUE(form->Busy());
  // Settings stay editable.
  Combo("Combo_Sql")->setFocus();
  QTest::keyClick(Combo("Combo_Sql"), Qt::Key_Down);
  EXPECT_EQ(Opt(Opt_Addr_Sql), 6);
  // The exchange goes on to its end; then the window closes.
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Texts().back(), "Complete reading the data from transceiver.");
  messages.shown.clear();
  QTest::mouseClick(form->Command_close, Qt::LeftButton);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace zv::test
