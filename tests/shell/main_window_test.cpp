// The main window: menus, status bar, toolbar dispatch and the open / reopen /
// close rules of the windows it opens.
#include <QLabel>
#include <QStatusBar>
#include <QCloseEvent>
#include <QToolButton>

#include "editors/options/option_window.h"
#include "image/protocol.h"
#include "platform/twips.h"
#include "shell_fixture.h"
#include "support/menu_action.h"

namespace zv::test {
namespace {

using Main_Window = Main_Window_Test;

TEST_F(Main_Window, Hidden_Entries_Are_Built_Hidden_And_Disabled) {
  MDImain &m = Make_Main();
  for (const char *name : {"fm_chann_edit", "Sig_QDL1200", "Sig_QDL2400", "Language_Setup", "about"}) {
    SCOPED_TRACE(name);
    ASSERT_NE(m.Menu(name), nullptr);
    EXPECT_FALSE(m.Menu(name)->isVisible());
    EXPECT_FALSE(m.Menu(name)->isEnabled());
    EXPECT_FALSE(m.Menu_Enabled(name));
  }
  // Captions that start-up sets on hidden entries.
  EXPECT_EQ(m.Menu("fm_chann_edit")->text(), "FM-Radio");
  EXPECT_EQ(m.Menu("about")->text(), "About");
  EXPECT_EQ(m.Menu("Language_Setup")->text(), "Language");
  EXPECT_TRUE(m.Menu("Language_eng")->isChecked());
  EXPECT_FALSE(m.Menu("Language_chn")->isChecked());
}

TEST_F(Main_Window, Panel_Widths) {
  MDImain &m = Make_Main();
  // p % of the screen width: 1920 px -> 4 % = 76.8 px.
  const int percent[15] = {4, 4, 5, 10, 6, 5, 5, 5, 5, 5, 5, 5, 5, 5, 20};
  for (int k = 1; k <= 15; ++k)
    EXPECT_EQ(m.Panel(k)->width(), Twips_To_Px(percent[k - 1] / 100.0 * 1920 * 15)) << "panel " << k;
  EXPECT_EQ(m.Panel(1)->width(), 77);
  EXPECT_EQ(m.Panel(15)->width(), 384);
}

TEST_F(Main_Window, Fills_The_Screen) {
  MDImain &m = Make_Main();
  EXPECT_TRUE(m.isVisible());
  EXPECT_EQ(m.frameGeometry(), QRect(0, 0, 1920, 1080));  // frame included
  EXPECT_GT(m.Scale_Width(), 0);
  EXPECT_LT(m.Scale_Height(), m.Height_Twips());
}

TEST_F(Main_Window, Toolbar_Has_Eight_Keyed_Picture_Buttons) {
  MDImain &m = Make_Main();
  QStringList keys;
  for (QAction *a : m.Toolbar1()->actions()) {
    keys << a->property("Key").toString();
    EXPECT_TRUE(a->text().isEmpty());
    EXPECT_TRUE(a->toolTip().isEmpty());
    EXPECT_FALSE(a->icon().isNull());
  }
  EXPECT_EQ(keys, (QStringList{"open", "save", "edit_option", "edit_chann", "edit_dtmf", "read", "write", "exit"}));
}

// What each menu entry and toolbar button opens, starting from no window.
struct Dispatch_Case {
  const char *what;  // menu name, or "key:" and a toolbar key
  QStringList opened;
};

TEST_F(Main_Window, Every_Menu_And_Button_Opens_Its_Window) {
  const Dispatch_Case cases[] = {
      {"File_Open", {"Form_open_chann"}},
      {"File_saveas", {"Form_save_chann"}},
      {"chann_edit", {"frm_chann"}},
      {"sys_edit", {"frm_option"}},
      {"Sig_dtmf", {"frm_dtmf"}},
      {"Sig_2tone", {"frm_2tone"}},
      {"Sig_5tone", {"frm_5tone"}},
      {"frm_adj", {"frm_Adj_Txp"}},
      {"Prog_read", {"Form_Comm_Read"}},
      {"Prog_write", {"Form_Comm_Write"}},
      {"PC_PassWord", {"Form_Write_PassWord"}},
      {"proc_setup", {"Form_setup"}},
      {"File_New", {}},
      {"key:open", {"Form_open_chann"}},
      {"key:save", {"Form_save_chann"}},
      {"key:edit_option", {"frm_option"}},
      {"key:edit_chann", {"frm_chann"}},
      {"key:edit_dtmf", {"frm_dtmf"}},
      {"key:read", {"Form_Comm_Read"}},
      {"key:write", {"Form_Comm_Write"}},
      {"key:Open", {}},
      {"key:", {}},
  };
  const QStringList all = {"frm_chann", "frm_FM", "frm_option", "frm_dtmf", "frm_2tone", "frm_5tone",
                           "frm_Adj_Txp", "Form_Write_PassWord", "Form_Comm_Read", "Form_Comm_Write",
                           "Form_open_chann", "Form_save_chann", "Form_setup", "frmAbout"};
  MDImain &m = Make_Main();
  for (const Dispatch_Case &c : cases) {
    SCOPED_TRACE(c.what);
    test::Run_Command(m, c.what);
    QStringList open;
    for (const QString &name : all)
      if (m.Windows().Is_Open(name)) open << name;
    EXPECT_EQ(open, c.opened);
    for (const QString &name : all) m.Windows().Close(name);
    Flush_Deletes();
  }
}

TEST_F(Main_Window, Dialogs_Open_As_Child_Windows_Or_Windows_Of_Their_Own) {
  MDImain &m = Make_Main();
  QWidget *window = m.Windows().Open("Form_Write_PassWord");
  ASSERT_TRUE(window);
  EXPECT_EQ(window->windowTitle(), "Modify PassWord");
  EXPECT_TRUE(m.Mdi_Area()->subWindowList().contains(qobject_cast<QMdiSubWindow *>(window)));
  // The save dialog is a window of its own.
  m.Menu("File_saveas")->trigger();
  QWidget *save = m.Windows().Window("Form_save_chann");
  ASSERT_TRUE(save);
  EXPECT_TRUE(save->isWindow());
}

TEST_F(Main_Window, Channel_Menu_Leaves_An_Open_Editor_But_The_Button_Reloads_It) {
  MDImain &m = Make_Main();
  m.Menu("chann_edit")->trigger();
  QPointer<QWidget> first = m.Windows().Window("frm_chann");
  ASSERT_TRUE(first);
  m.Menu("chann_edit")->trigger();
  Flush_Deletes();
  EXPECT_EQ(m.Windows().Window("frm_chann"), first.data());

  m.Toolbar1_ButtonClick("edit_chann");
  Flush_Deletes();
  EXPECT_TRUE(first.isNull());
  EXPECT_TRUE(m.Windows().Is_Open("frm_chann"));
}

TEST_F(Main_Window, Fm_Menu_Closes_The_Channel_Editor_And_Opens_The_Fm_Editor) {
  MDImain &m = Make_Main();
  m.Windows().Open("frm_chann");
  // The entry is hidden; its handler is what a click would run.
  m.fm_chann_edit_Click();
  Flush_Deletes();
  EXPECT_FALSE(m.Windows().Is_Open("frm_chann"));
  QPointer<QWidget> fm = m.Windows().Window("frm_FM");
  ASSERT_TRUE(fm);
  m.fm_chann_edit_Click();
  Flush_Deletes();
  EXPECT_EQ(m.Windows().Window("frm_FM"), fm.data());
}

TEST_F(Main_Window, Option_And_Dtmf_Buttons_Close_The_Channel_Editor_And_Keep_An_Open_Editor) {
  for (const char *key : {"edit_option", "edit_dtmf"}) {
    SCOPED_TRACE(key);
    MDImain &m = Make_Main();
    const QString editor = QString::fromLatin1(key) == "edit_option" ? "frm_option" : "frm_dtmf";
    m.Windows().Open(editor);
    QPointer<QWidget> open_editor = m.Windows().Window(editor);
    m.Windows().Open("frm_chann");
    m.Toolbar1_ButtonClick(key);
    Flush_Deletes();
    EXPECT_FALSE(m.Windows().Is_Open("frm_chann"));
    EXPECT_EQ(m.Windows().Window(editor), open_editor.data());
    Close_All_Windows();
  }
}

TEST_F(Main_Window, Reopen_Menus_Start_Their_Window_Afresh) {
  MDImain &m = Make_Main();
  for (const char *menu : {"Prog_read", "Prog_write", "PC_PassWord", "File_Open", "File_saveas"}) {
    SCOPED_TRACE(menu);
    m.Menu(menu)->trigger();
    QList<QPointer<QWidget>> before;
    for (QMdiSubWindow *w : m.Mdi_Area()->subWindowList()) before << w;
    for (QWidget *w : QApplication::topLevelWidgets())
      if (w->isVisible()) before << w;
    m.Menu(menu)->trigger();
    Flush_Deletes();
    int gone = 0;
    for (const QPointer<QWidget> &w : before) gone += w.isNull() ? 1 : 0;
    EXPECT_EQ(gone, 1);
  }
  // Menus that open: the open window stays.
  for (const char *menu : {"sys_edit", "Sig_dtmf", "Sig_2tone", "Sig_5tone", "frm_adj", "proc_setup"}) {
    SCOPED_TRACE(menu);
    m.Menu(menu)->trigger();
    const int count = m.Mdi_Area()->subWindowList().size();
    m.Menu(menu)->trigger();
    Flush_Deletes();
    EXPECT_EQ(m.Mdi_Area()->subWindowList().size(), count);
  }
}

TEST_F(Main_Window, Toolbar_Exit_Closes_Every_Child_And_Leaves_The_Save_Dialog) {
  MDImain &m = Make_Main();
  for (const char *name : {"frm_chann", "frm_option", "frm_dtmf", "frm_Adj_Txp", "Form_Comm_Read", "Form_save_chann"})
    m.Windows().Open(name);
  m.Toolbar1_ButtonClick("exit");
  Flush_Deletes();
  EXPECT_FALSE(m.isVisible());
  EXPECT_TRUE(m.Mdi_Area()->subWindowList().isEmpty());
  QStringList visible;
  for (QWidget *w : QApplication::topLevelWidgets())
    if (w->isVisible()) visible << w->objectName();
  EXPECT_EQ(visible, QStringList{"Form_save_chann"});
}

// A child window that records when its close handler runs.
class Close_Recorder : public QWidget {
 public:
  Close_Recorder(const QString &name, QStringList &log) : log_(log) { setObjectName(name); }

 protected:
  void closeEvent(QCloseEvent *event) override {
    log_ << objectName();
    event->accept();
  }

 private:
  QStringList &log_;
};

TEST_F(Main_Window, Toolbar_Exit_Closes_Channel_Option_And_About_First_Then_The_Rest) {
  MDImain &m = Make_Main();
  QStringList log;
  for (const QString &name : {win::frm_dtmf, win::frmAbout, win::frm_option, win::frm_chann}) {
    m.Windows().Register(name, [name, &log](MDImain &main) {
      QMdiSubWindow *window = main.Add_Child(new Close_Recorder(name, log));
      window->show();
      return window;
    });
    m.Windows().Open(name);
  }
  m.Toolbar1_ButtonClick("exit");
  EXPECT_EQ(log, (QStringList{"frm_chann", "frm_option", "frmAbout", "frm_dtmf"}));
  EXPECT_FALSE(m.isVisible());
}

TEST_F(Main_Window, Exit_Menus_Close_The_Main_Window) {
  for (const char *menu : {"File_exit", "Menu_Exit"}) {
    SCOPED_TRACE(menu);
    MDImain &m = Make_Main();
    m.Windows().Open("frm_chann");
    m.Windows().Open("frm_5tone");
    m.Menu(menu)->trigger();
    Flush_Deletes();
    EXPECT_FALSE(m.isVisible());
    EXPECT_TRUE(m.Mdi_Area()->subWindowList().isEmpty());
  }
}

// While the option editor's exchange runs, every way out of the program is
// refused by that editor alone: its closing message once, and the main
// window, the identification and the other children stay as they were (the
// toolbar exit has closed the channel editor first). Once the exchange has
// ended, the same way out closes everything.
TEST_F(Main_Window, Exits_Wait_For_A_Running_Option_Editor_Exchange) {
  const QString closing = QStringLiteral("Read-write operating，don't close the window.,");
  struct Case {
    const char *what;  // a command of Run_Command, or "close box"
    bool closes_channel_editor;
  };
  const Case cases[] = {
      {"key:exit", true}, {"File_exit", false}, {"Menu_Exit", false}, {"close box", false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Shared() = Shared_State{};
    Shared().Handshake_Bytes = kHandshake_Bytes;
    sim::Radio_Sim radio, silent_radio;
    radio.Set_Passwords("      ", "      ");
    silent_radio.faults.push_back({sim::Fault::Kind::Silence, 0});
    platform.Attach(1, &radio);
    platform.Attach(2, &silent_radio);
    struct Detach {
      Virtual_Platform &p;
      ~Detach() {
        p.Attach(1, nullptr);
        p.Attach(2, nullptr);
      }
    } detach{platform};
    MDImain &m = Make_Main();
    // The identification waits for an answer on COM2.
    Shared().Comm_Port = 2;
    m.Identify().Restart_Identify();
    platform.Advance(200);
    Shared().Comm_Port = 1;
    for (const char *name : {"frm_chann", "frm_dtmf", "frm_option"}) m.Windows().Open(name);
    auto *form = m.Windows().Form_As<frm_option>("frm_option");
    ASSERT_TRUE(form);
    form->Command_read_Click();
    platform.Advance(300);
    ASSERT_TRUE(form->Busy());
    const bool identify_waits = m.Identify().Engine().Timer2().Enabled();
    ASSERT_TRUE(platform.Is_Held(2));
    // Its Open and Save refuse too, and open no dialog.
    form->Command_open_Click();
    form->Command_save_Click();
    EXPECT_FALSE(m.Windows().Is_Open("Form_open_chann"));
    EXPECT_FALSE(m.Windows().Is_Open("Form_save_chann"));

    messages.shown.clear();
    const auto exit = [&] {
      if (std::string(c.what) == "close box")
        m.close();
      else
        Run_Command(m, c.what);
      Flush_Deletes();
    };
    exit();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, closing);
    EXPECT_EQ(messages.shown[0].title, "Operate prompt");
    EXPECT_TRUE(m.isVisible());
    EXPECT_TRUE(form->Busy());
    EXPECT_EQ(m.Windows().Form_As<frm_option>("frm_option"), form);
    EXPECT_EQ(m.Windows().Is_Open("frm_chann"), !c.closes_channel_editor);
    EXPECT_TRUE(m.Windows().Is_Open("frm_dtmf"));
    EXPECT_TRUE(platform.Is_Held(2));
    EXPECT_EQ(m.Identify().Engine().Timer2().Enabled(), identify_waits);

    // The exchange ends; the read is stored and reported.
    ASSERT_TRUE(platform.Run_Until([&] { return !form->Busy(); }, 20000));
    messages.shown.clear();
    exit();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(m.isVisible());
    EXPECT_TRUE(m.Mdi_Area()->subWindowList().isEmpty());
  }
}

TEST_F(Main_Window, A_Closed_Window_Can_Open_Again_Before_It_Is_Deleted) {
  MDImain &m = Make_Main();
  QPointer<QWidget> old = m.Windows().Open("frm_2tone");
  m.Windows().Close("frm_2tone");
  EXPECT_FALSE(m.Windows().Is_Open("frm_2tone"));
  QWidget *fresh = m.Windows().Open("frm_2tone");
  EXPECT_NE(fresh, old.data());
  Flush_Deletes();
  EXPECT_TRUE(old.isNull());
  EXPECT_EQ(m.Windows().Window("frm_2tone"), fresh);
  // The user closing a window by its frame counts as closed too.
  fresh->close();
  EXPECT_FALSE(m.Windows().Is_Open("frm_2tone"));
}

}  // namespace
}  // namespace zv::test
