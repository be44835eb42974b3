// The language switch: captions, panel labels, title and shared texts.
#include "shell_fixture.h"

namespace zv::test {
namespace {

using Language_Switch = Main_Window_Test;

struct Caption_Row {
  const char *menu;
  const char *chinese;
  const char *english;
};

const Caption_Row kCaptions[] = {
    {"about", "关于", "About"},
    {"Menu_Exit", "退出", "Exit"},
    {"Language_Setup", "语言", "Language"},
    {"proc_setup", "端口设置", "Communication"},
    {"sig_edit", "信令编辑", "Signal"},
    {"sys_edit", "可选参数", "Option"},
    {"chann_edit", "信道编辑", "Channel"},
    {"fm_chann_edit", "FM-频道", "FM-Radio"},
    {"frm_adj", "调整参数", "Other"},
    {"PC_PassWord", "密码修改", "PassWord"},
    {"File", "文件", "File"},
    {"File_New", "新建", "New"},
    {"File_Open", "打开", "Open"},
    {"File_save", "保存", "Save"},
    {"File_saveas", "另存为", "Save As"},
    {"File_exit", "退出", "Exit"},
    {"Program", "编程", "Program"},
    {"Prog_read", "从对讲机读取数据", "Read from radio"},
    {"Prog_write", "向对讲机写入数据", "Write to radio"},
    // Captions that no switch changes.
    {"Sig_dtmf", "DTMF", "DTMF"},
    {"Sig_2tone", "2 TONE", "2 TONE"},
    {"Sig_5tone", "5 TONE", "5 TONE"},
    {"Sig_QDL1200", "QDL1200", "QDL1200"},
    {"Language_chn", "中文", "中文"},
    {"Language_eng", "English", "English"},
};

const char *const kChinese_Labels[15] = {"机  型:", nullptr, "序列号:", nullptr, "固体版本:", nullptr, "频段-A", nullptr,
                                         "频段-B",  nullptr, "频段-C", nullptr, "频段-D",   nullptr, ""};
const char *const kEnglish_Labels[15] = {"Model:", nullptr, "S I M:", nullptr, "MCU-Version:", nullptr, "Band-A", nullptr,
                                         "Band-B", nullptr, "Band-C", nullptr, "Band-D", nullptr,       ""};

void Expect_Language(MDImain &m, bool chinese) {
  for (const Caption_Row &row : kCaptions)
    EXPECT_EQ(m.Menu(row.menu)->text(), QString::fromUtf8(chinese ? row.chinese : row.english)) << row.menu;
  const char *const *labels = chinese ? kChinese_Labels : kEnglish_Labels;
  for (int k = 1; k <= 15; ++k) {
    if (labels[k - 1]) {
      EXPECT_EQ(m.Panel_Text(k), QString::fromUtf8(labels[k - 1])) << "panel " << k;
    }
  }
  EXPECT_EQ(m.Menu("Language_chn")->isChecked(), chinese);
  EXPECT_EQ(m.Menu("Language_eng")->isChecked(), !chinese);
  EXPECT_EQ(Shared().Lang_Chinese, chinese);
}

TEST_F(Language_Switch, Chinese_And_Back_To_English) {
  MDImain &m = Make_Main();
  m.Menu("Language_chn")->trigger();
  Expect_Language(m, true);
  EXPECT_EQ(m.windowTitle(), Lang_Texts().Title_Text_Cn);
  EXPECT_FALSE(m.windowTitle().isEmpty());
  EXPECT_EQ(Lang_Texts().About_Ok_Text, "确定");
  EXPECT_EQ(Lang_Texts().Dec_Func_Text_8, "8.开机");

  m.Menu("Language_eng")->trigger();
  Expect_Language(m, false);
  EXPECT_EQ(m.windowTitle(), "KORVELAN ZV 4318Q two way radio Program Software.");
  EXPECT_EQ(Lang_Texts().About_Ok_Text, "Confirm");
  EXPECT_EQ(Lang_Texts().Dec_Func_Text_4, "4.Inspection ");
  // Hidden entries stay hidden.
  EXPECT_FALSE(m.Menu("Language_Setup")->isVisible());
}

TEST_F(Language_Switch, A_Second_Click_Only_Repeats_The_Captions) {
  MDImain &m = Make_Main();
  m.Language_chn_Click();
  Lang_Texts().About_Ok_Text = "marker";
  m.Menu("File")->setText("x");
  m.Language_chn_Click();
  EXPECT_EQ(Lang_Texts().About_Ok_Text, "marker");
  EXPECT_EQ(m.Menu("File")->text(), "文件");
  // English at start: the English switch does not reload either.
  m.Language_eng_Click();
  Lang_Texts().About_Ok_Text = "marker";
  m.Language_eng_Click();
  EXPECT_EQ(Lang_Texts().About_Ok_Text, "marker");
}

TEST_F(Language_Switch, Radio_Details_Survive_And_Stat_Gives_Way_To_The_Label) {
  MDImain &m = Make_Main();
  const int details[] = {2, 4, 6, 8, 10, 12, 14};
  for (int k : details) m.Set_Panel_Text(k, QStringLiteral("d%1").arg(k));
  m.Set_Panel_Text(3, "Stat:");
  m.Language_chn_Click();
  for (int k : details) EXPECT_EQ(m.Panel_Text(k), QStringLiteral("d%1").arg(k));
  EXPECT_EQ(m.Panel_Text(3), "序列号:");
}

TEST_F(Language_Switch, Shared_Texts_Of_Both_Languages) {
  struct Row {
    QString Language_Texts::*text;
    const char *english;
    const char *chinese;
  };
  const Row rows[] = {
      {&Language_Texts::About_Ok_Text, "Confirm", "确定"},
      {&Language_Texts::About_SysInfo_Text, "System Information(&S)...", "系统信息(&S)..."},
      {&Language_Texts::Resp_Mode_Text_0, "0.None", "0.无"},
      {&Language_Texts::Resp_Mode_Text_1, "1.Alert", "1.提醒"},
      {&Language_Texts::Resp_Mode_Text_2, "2.Transpond", "2.回复"},
      {&Language_Texts::Resp_Mode_Text_3, "3.Alert+Transpond", "3.提醒并回"},
      {&Language_Texts::Dec_Func_Text_0, "0.Open Speak", "0.通话"},
      {&Language_Texts::Dec_Func_Text_1, "1.Primary Caller ID", "1.主叫"},
      {&Language_Texts::Dec_Func_Text_2, "2.Secondary Caller ID", "2.被叫"},
      {&Language_Texts::Dec_Func_Text_3, "3.Monitor", "3.监听"},
      {&Language_Texts::Dec_Func_Text_4, "4.Inspection ", "4.巡查"},
      {&Language_Texts::Dec_Func_Text_5, "5.Emergency", "5.报警"},
      {&Language_Texts::Dec_Func_Text_6, "6.Stun", "6.遥晕"},
      {&Language_Texts::Dec_Func_Text_7, "7.Kill", "7.遥毙"},
      {&Language_Texts::Dec_Func_Text_8, "8.Revive", "8.开机"},
  };
  for (bool chinese : {false, true}) {
    Shared().Lang_Chinese = chinese;
    Load_Language_Texts();
    for (const Row &row : rows)
      EXPECT_EQ(Lang_Texts().*row.text, QString::fromUtf8(chinese ? row.chinese : row.english));
    const Language_Texts &t = Lang_Texts();
    for (const QString *text : {&t.About_Title_Text, &t.About_Version_Text, &t.About_Desc_Text,
                                &t.About_Disclaimer_Text})
      EXPECT_FALSE(text->isEmpty());
  }
}

}  // namespace
}  // namespace zv::test
