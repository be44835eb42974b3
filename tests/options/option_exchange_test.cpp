// The option editor's exchange through its buttons, against the simulated
// radio on the virtual clock, and what the window refuses while it runs.
#include <gtest/gtest.h>

#include <QPointer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "comm/comm_read_window.h"
#include "comm/exchange_panel.h"
#include "image/option_defaults.h"
#include "image/protocol.h"
#include "sim/radio_sim.h"
#include "tests/options/option_fixture.h"

namespace zv::test {
namespace {

class Option_Exchange : public Option_Editor_Test {
 protected:
  void SetUp() override {
    Option_Editor_Test::SetUp();
    Shared().Handshake_Bytes = kHandshake_Bytes;
    Shared().Comm_Port = 1;
    radio.Set_Passwords("      ", "      ");
    platform.Attach(1, &radio);
  }
  void TearDown() override {
    Option_Editor_Test::TearDown();
    platform.Attach(1, nullptr);
  }
  bool Run_To_End() {
    return platform.Run_Until([this] { return !form || !form->Busy(); }, 30000);
  }

  QProgressBar *Bar() { return form->Panel().ProgressBar1; }
  QLabel *Label() { return form->Panel().Label_tr_count; }
  // Bar value and label text at every progress step of the window.
  void Record_Steps() {
    auto shown = form->Panel().Steps().Show_Progress;
    form->Panel().Steps().Show_Progress = [this, shown](int n) {
      shown(n);
      steps.emplace_back(Bar()->value(), Label()->text());
    };
  }
  bool Rows_Equal_Radio(int first, int last) const {
    for (int r = first; r <= last; ++r)
      for (int c = 0; c < 16; ++c)
        if (Shared().Radio_Image(r, c) != radio.Peek(16 * r + c)) return false;
    return true;
  }

  sim::Radio_Sim radio;
  std::vector<std::pair<int, QString>> steps;
};

// The typical edit: 600 s chosen, written, read back and shown.
TEST_F(Option_Exchange, A_Setting_Written_And_Read_Back) {
  Open();
  Record_Steps();
  Choose(Combo("Combo_tot"), 39);
  ASSERT_EQ(Opt(Opt_Addr_Tot), 39);
  QTest::mouseClick(form->Command_Write, Qt::LeftButton);
  EXPECT_TRUE(Bar()->isVisible());
  EXPECT_EQ(Label()->text(), "Connecting with transceiver. ");
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(radio.Peek(0x0E05), 39);
  EXPECT_TRUE(Rows_Equal_Radio(224, 255));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Complete writing optional parameters to the transceiver.");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_EQ(Label()->text(), "Complete writing optional parameters ");
  // Progress 3 ... 96, packets 1 to 31, and the bar stays at 96.
  ASSERT_EQ(steps.size(), 31u);
  for (int n = 1; n <= 31; ++n) {
    EXPECT_EQ(steps[static_cast<size_t>(n - 1)].first, n * 100 / 32) << n;
    EXPECT_EQ(steps[static_cast<size_t>(n - 1)].second, QString("Writing  %1  Data Block").arg(n));
  }
  EXPECT_EQ(Bar()->value(), 96);

  // The radio's area changes meanwhile (rows 252-255 have no control); a
  // read brings all of it into rows 224-255 and shows it.
  for (int a = 0x0FC0; a < 0x1000; ++a) radio.Poke(a, static_cast<uint8_t>(a * 7));
  radio.Poke(0x0E02, 8);
  Opt(Opt_Addr_Tot) = 0;
  steps.clear();
  messages.shown.clear();
  QTest::mouseClick(form->Command_read, Qt::LeftButton);
  ASSERT_TRUE(Run_To_End());
  EXPECT_TRUE(Rows_Equal_Radio(224, 255));
  EXPECT_EQ(Combo("Combo_tot")->currentIndex(), 39);
  EXPECT_EQ(Combo("Combo_Sql")->currentIndex(), 8);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Complete reading the data from transceiver.");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_EQ(Bar()->value(), 100);
  EXPECT_EQ(Label()->text(), "Read optional parameters in gear. ");
  // Progress 33 ... 100 with "Reading 3" to "Reading 9".
  ASSERT_EQ(steps.size(), 7u);
  for (int k = 3; k <= 9; ++k) {
    EXPECT_EQ(steps[static_cast<size_t>(k - 3)].first, k * 100 / 9) << k;
    EXPECT_EQ(steps[static_cast<size_t>(k - 3)].second, QString("Reading %1 Data Block").arg(k));
  }
}

TEST_F(Option_Exchange, Chinese_Progress_And_Completion_Texts) {
  Shared().Lang_Chinese = true;
  Open();
  Record_Steps();
  form->Command_Write_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(steps.back().second, "正在写入  31  数据块");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "向对讲机写入可选参数完毕 ！");
  EXPECT_EQ(messages.shown[0].title, "操作提示");
  EXPECT_EQ(Label()->text(), "可选参数写入完毕 ！");
  steps.clear();
  messages.shown.clear();
  form->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(steps.front().second, "正在读取 3 数据块");
  EXPECT_EQ(Label()->text(), "可选参数读出正常 ！");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "从对讲机中读取数据完毕 ！");
}

TEST_F(Option_Exchange, Passwords) {
  radio.Set_Passwords("123456", "SUPER9");
  for (int a = 0x0E00; a < 0x1000; ++a) radio.Poke(a, 0x11);
  Open();
  const Radio_Image_Table before = Shared().Radio_Image;
  // No password box edited yet: six zero codes, refused.
  form->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "PassWord Error, Reading Stop");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_TRUE(Shared().Radio_Image == before);
  // The password typed last in any window counts.
  main->Windows().Open("Form_Comm_Read");
  auto *other = main->Windows().Form_As<Form_Comm_Read>("Form_Comm_Read");
  ASSERT_TRUE(other);
  other->Text_PassWord->setText("123456");
  main->Mdi_Area()->setActiveSubWindow(Sub());
  messages.shown.clear();
  form->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Complete reading the data from transceiver.");
  EXPECT_TRUE(Rows_Equal_Radio(252, 255));
  // A wrong one in the window's own box; the write leaves the radio alone.
  form->Panel().Text_PassWord->setText("12345");
  EXPECT_EQ(form->Panel().Text_PassWord->displayText(), "*****");
  messages.shown.clear();
  const auto radio_before = radio.Memory();
  form->Command_Write_Click();
  ASSERT_TRUE(Run_To_End());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "PassWord Error, Reading Stop");
  EXPECT_TRUE(radio.Memory() == radio_before);
}

TEST_F(Option_Exchange, A_Silent_Radio_Gives_The_Failure_Texts_After_Four_Attempts) {
  radio.faults.push_back({sim::Fault::Kind::Silence, 0});
  Open();
  const Radio_Image_Table before = Shared().Radio_Image;
  form->Command_read_Click();
  ASSERT_TRUE(platform.Run_Until([this] { return !messages.shown.empty(); }, 60000));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Fail connect with transceiver.");
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_TRUE(Bar()->isVisible());
  EXPECT_EQ(Bar()->value(), 0);
  EXPECT_EQ(Label()->text(), "Communication fault.");
  EXPECT_TRUE(Shared().Radio_Image == before);
  // Four attempts, each sending the opening command.
  EXPECT_EQ(radio.sessions(), 4);
  EXPECT_EQ(platform.Sent_Bytes(1).size(), 4u * kHandshake_Bytes.size());
}

TEST_F(Option_Exchange, A_Restart_Whose_Port_Cannot_Open_Ends_There) {
  radio.faults.push_back({sim::Fault::Kind::Silence, 0});
  Open();
  form->Command_read_Click();
  // The first attempt times out; the port fails before the restart.
  ASSERT_TRUE(platform.Run_Until([this] { return !form->Busy(); }, 10000));
  platform.Set_Open_Failure(1, true);
  platform.Advance(10000);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Communication Port Open Error ！");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  platform.Advance(60000);
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(form->Busy());
  // A start whose port cannot open shows no connecting display.
  messages.shown.clear();
  Bar()->hide();
  Label()->clear();
  form->Command_Write_Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(Bar()->isVisible());
  EXPECT_TRUE(Label()->text().isEmpty());
  EXPECT_FALSE(form->Busy());
}

TEST_F(Option_Exchange, While_Busy_The_Window_Refuses_Buttons_And_Closing_But_Stays_Editable) {
  Open();
  form->Command_read_Click();
  platform.Advance(300);
  ASSERT_TRUE(form->Busy());
  const Radio_Image_Table before = Shared().Radio_Image;
  const QString busy = "Read-write operating with transceiver .";
  const QString closing = "Read-write operating，don't close the window.,";
  struct Case {
    QPushButton *button;
    const QString *text;
  };
  const Case cases[] = {
      {form->Command_read, &busy}, {form->Command_Write, &busy}, {form->Command_def, &busy},
      {form->Command_open, &busy}, {form->Command_save, &busy},  {form->Command_close, &closing},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.button->objectName().toStdString());
    messages.shown.clear();
    QTest::mouseClick(c.button, Qt::LeftButton);
    Flush_Deletes();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, *c.text);
    EXPECT_EQ(messages.shown[0].title, "Operate prompt");
    EXPECT_TRUE(Shared().Radio_Image == before);
    EXPECT_TRUE(form->Busy());
  }
  EXPECT_FALSE(main->Windows().Is_Open("Form_open_chann"));
  EXPECT_FALSE(main->Windows().Is_Open("Form_save_chann"));
  // The close box.
  messages.shown.clear();
  Sub()->close();
  Flush_Deletes();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, closing);
  ASSERT_TRUE(main->Windows().Is_Open("frm_option"));
  EXPECT_TRUE(form->Busy());
  // Settings stay editable.
  Choose(Combo("Combo_Sql"), 3);
  EXPECT_EQ(Opt(Opt_Addr_Sql), 3);
  // The exchange goes on to its end; then the window closes.
  ASSERT_TRUE(Run_To_End());
  messages.shown.clear();
  QPointer<QWidget> sub = Sub();
  form->Command_close_Click();
  Flush_Deletes();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(sub.isNull());
}

}  // namespace
}  // namespace zv::test
