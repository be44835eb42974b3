// The about box and its system-information lookup.
#include <QLabel>
#include <QPushButton>
#include <string>
#include <vector>

#include "platform/sysinfo.h"
#include "platform/twips.h"
#include "shell/about_box.h"
#include "shell_fixture.h"

namespace zv::test {
namespace {

// A lookup that answers from fixed values and records what it was asked.
class Fake_Sys_Info : public Sys_Info_Service {
 public:
  bool Lookup_Program_Path(std::string *path) override {
    calls.push_back("path");
    *path = program_path;
    return !program_path.empty();
  }
  bool Lookup_Program_Dir(std::string *dir) override {
    calls.push_back("dir");
    *dir = program_dir;
    return !program_dir.empty();
  }
  bool File_Exists(const std::string &path) override {
    calls.push_back("exists " + path);
    return path == existing_file;
  }
  bool Start_Program(const std::string &path) override {
    calls.push_back("start " + path);
    return start_works;
  }
  std::string program_path, program_dir, existing_file;
  bool start_works = true;
  std::vector<std::string> calls;
};

class About_Box : public Main_Window_Test {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    Set_Sys_Info_Service(&sys);
  }
  void TearDown() override {
    Set_Sys_Info_Service(nullptr);
    Main_Window_Test::TearDown();
  }
  Fake_Sys_Info sys;
};

struct Lookup_Case {
  const char *what;
  std::string path, dir, existing;
  bool start_works;
  std::vector<std::string> calls;
  bool message;
};

TEST_F(About_Box, Lookup_Order) {
  const std::string file = std::string("/opt/tools/") + Sys_Info_File_Name();
  const Lookup_Case cases[] = {
      {"first source wins", "/usr/bin/hardinfo2", "/opt/tools", file, true,
       {"path", "start /usr/bin/hardinfo2"}, false},
      {"first source taken untested", "/nowhere/x", "", "", true, {"path", "start /nowhere/x"}, false},
      {"first source fails to start: no second try", "/usr/bin/x", "/opt/tools", file, false,
       {"path", "start /usr/bin/x"}, true},
      {"directory with the file", "", "/opt/tools", file, true,
       {"path", "dir", "exists " + file, "start " + file}, false},
      {"directory without the file", "", "/opt/tools", "", true, {"path", "dir", "exists " + file}, true},
      {"nothing found", "", "", "", true, {"path", "dir"}, true},
  };
  for (const Lookup_Case &c : cases) {
    SCOPED_TRACE(c.what);
    sys = Fake_Sys_Info{};
    sys.program_path = c.path;
    sys.program_dir = c.dir;
    sys.existing_file = c.existing;
    sys.start_works = c.start_works;
    messages.shown.clear();
    StartSysInfo();
    EXPECT_EQ(sys.calls, c.calls);
    ASSERT_EQ(messages.shown.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(messages.shown[0].text, "此时系统信息不可用");
      EXPECT_EQ(messages.shown[0].title, "");
      EXPECT_EQ(messages.shown[0].icon, Msg_Icon::None);
    }
  }
}

TEST_F(About_Box, Opens_Centred_Above_The_Middle_With_The_Texts_Of_The_Language) {
  MDImain &m = Make_Main();
  m.Language_chn_Click();
  Lang_Texts().About_Ok_Text = "stale";
  m.about_Click();
  auto *box = m.Windows().Form_As<frmAbout>("frmAbout");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->cmdOk->text(), "确定");
  EXPECT_EQ(box->cmdSysInfo->text(), "系统信息(&S)...");
  EXPECT_EQ(box->lblTitle->text(), Lang_Texts().About_Title_Text);
  QWidget *window = m.Windows().Window("frmAbout");
  EXPECT_TRUE(window->windowTitle().isEmpty());
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  const double left = (m.Scale_Width() - frmAbout::kWidth_Twips) / 2;
  const double top = (m.Scale_Height() - frmAbout::kHeight_Twips) / 2 - 500;
  EXPECT_EQ(window->pos(), QPoint(Twips_To_Px(left), Twips_To_Px(top)));

  // The button reaches the lookup; the box stays after the message.
  box->cmdSysInfo->click();
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(m.Windows().Is_Open("frmAbout"));
  box->cmdOk->click();
  EXPECT_FALSE(m.Windows().Is_Open("frmAbout"));
}

TEST_F(About_Box, Toolbar_Exit_Closes_It) {
  MDImain &m = Make_Main();
  m.about_Click();
  ASSERT_TRUE(m.Windows().Is_Open("frmAbout"));
  m.Toolbar1_ButtonClick("exit");
  EXPECT_FALSE(m.Windows().Is_Open("frmAbout"));
}

}  // namespace
}  // namespace zv::test
