// The port dialog: preselection, confirm on a free and on a missing port,
// cancel, captions, and a dialog closed while its message box is up.
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "comm/port_setup_dialog.h"
#include "platform/twips.h"
#include "shell_fixture.h"

namespace zv::test {
namespace {

class Port_Dialog : public Main_Window_Test {
 protected:
  Form_setup *Open_Dialog() {
    main->Menu("proc_setup")->trigger();
    return main->Windows().Form_As<Form_setup>("Form_setup");
  }
  int Selected(Form_setup *d) {
    int selected = 0;
    for (int n = 1; n <= 12; ++n)
      if (d->Option(n)->isChecked()) selected = selected ? -1 : n;
    return selected;
  }
  // Lets the identification cycle run to its end.
  void Let_Identification_End() { platform.Advance(30000); }
  void Fill_Details() {
    for (int k : {2, 4, 6, 8, 10, 12, 14}) main->Set_Panel_Text(k, QStringLiteral("d%1").arg(k));
  }

  sim::Radio_Sim radio;
};

TEST_F(Port_Dialog, Opens_With_The_Port_In_Use_Selected_Above_The_Centre) {
  platform.Attach(7, &radio);
  MDImain &m = Start();
  Let_Identification_End();
  Form_setup *d = Open_Dialog();
  ASSERT_TRUE(d);
  EXPECT_EQ(Selected(d), 7);
  EXPECT_EQ(d->windowTitle(), "Communication Port Setup");
  EXPECT_EQ(d->Frame1()->title(), "Port Setup");
  EXPECT_EQ(d->Command_ok()->text(), "Confirm");
  EXPECT_EQ(d->Command1()->text(), "Cancel");
  for (int n = 1; n <= 12; ++n) EXPECT_EQ(d->Option(n)->text(), QStringLiteral("COM%1").arg(n));
  // Two rows of six.
  EXPECT_EQ(d->Option(1)->y(), d->Option(6)->y());
  EXPECT_EQ(d->Option(7)->y(), d->Option(12)->y());
  EXPECT_LT(d->Option(1)->y(), d->Option(7)->y());
  EXPECT_EQ(d->Option(1)->x(), d->Option(7)->x());

  QWidget *window = m.Windows().Window("Form_setup");
  const double w = m.Scale_Width() / 1.9, h = m.Scale_Height() / 2;
  EXPECT_EQ(window->geometry(), QRect(Twips_To_Px((m.Scale_Width() - w) / 2),
                                      Twips_To_Px((m.Scale_Height() - h) / 2 - 500), Twips_To_Px(w), Twips_To_Px(h)));
}

TEST_F(Port_Dialog, Selects_Com1_When_No_Port_Was_Found) {
  Start();
  messages.shown.clear();
  Form_setup *d = Open_Dialog();
  EXPECT_EQ(Selected(d), 1);
}

TEST_F(Port_Dialog, Chinese_Captions) {
  platform.Attach(1, &radio);
  MDImain &m = Start();
  m.Language_chn_Click();
  Form_setup *d = Open_Dialog();
  EXPECT_EQ(d->windowTitle(), "通讯端口设置");
  EXPECT_EQ(d->Frame1()->title(), "端口设置");
  EXPECT_EQ(d->Command_ok()->text(), "确 定");
  EXPECT_EQ(d->Command1()->text(), "取 消");
}

TEST_F(Port_Dialog, Confirm_On_A_Free_Port_Clears_The_Details_And_Closes) {
  platform.Attach(4, &radio);
  MDImain &m = Start();
  Let_Identification_End();
  Fill_Details();
  Form_setup *d = Open_Dialog();
  d->Command_ok()->click();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(m.Windows().Is_Open("Form_setup"));
  EXPECT_EQ(Shared().Comm_Port, 4);
  EXPECT_FALSE(Shared().Port_Error);
  for (int k : {2, 4, 6, 8, 10}) EXPECT_EQ(m.Panel_Text(k), "") << k;
  EXPECT_EQ(m.Panel_Text(12), "d12");
  EXPECT_EQ(m.Panel_Text(14), "d14");
  EXPECT_EQ(m.Panel_Text(1), "Model:");
}

TEST_F(Port_Dialog, Confirm_On_A_Missing_Port_Keeps_The_Dialog_And_The_New_Number) {
  platform.Attach(4, &radio);
  MDImain &m = Start();
  Let_Identification_End();
  Fill_Details();
  Form_setup *d = Open_Dialog();
  d->Option(9)->setChecked(true);
  platform.Clear_Wire_Log(4);
  d->Command_ok()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Communication Port Open Error ！");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_TRUE(m.Windows().Is_Open("Form_setup"));
  EXPECT_EQ(Selected(d), 9);
  EXPECT_EQ(Shared().Comm_Port, 9);
  EXPECT_TRUE(Shared().Port_Error);
  for (int k : {2, 4, 6, 8, 10}) EXPECT_EQ(m.Panel_Text(k), "") << k;
  // No identification started anywhere.
  Let_Identification_End();
  EXPECT_TRUE(platform.Sent_Bytes(4).empty());
  EXPECT_TRUE(platform.Sent_Bytes(9).empty());
}

TEST_F(Port_Dialog, Cancel_Leaves_The_Port) {
  platform.Attach(4, &radio);
  MDImain &m = Start();
  Form_setup *d = Open_Dialog();
  d->Option(2)->setChecked(true);
  d->Command1()->click();
  EXPECT_FALSE(m.Windows().Is_Open("Form_setup"));
  EXPECT_EQ(Shared().Comm_Port, 4);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Port_Dialog, Closed_While_Its_Message_Box_Is_Up) {
  MDImain &m = Start();
  messages.shown.clear();
  Form_setup *d = Open_Dialog();
  QPointer<Form_setup> guard(d);
  d->Option(3)->setChecked(true);
  messages.on_show = [&](const Message_Record &) {
    m.Windows().Close("Form_setup");
    Flush_Deletes();
  };
  d->Command_ok_Click();
  messages.on_show = nullptr;
  EXPECT_TRUE(guard.isNull());
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(Shared().Comm_Port, 3);
}

}  // namespace
}  // namespace zv::test
