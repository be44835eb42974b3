// The main window's menus and toolbar open the real read, write and
// image-file windows: child windows or windows of their own as they should be.
#include <QMdiSubWindow>

#include "comm/comm_read_window.h"
#include "comm/comm_write_window.h"
#include "shell/file_dialogs.h"
#include "tests/shell/shell_fixture.h"
#include "support/menu_action.h"

namespace zv::test {
namespace {

class Menu_Windows : public Main_Window_Test {};

TEST_F(Menu_Windows, MenusAndButtonsOpenTheRealWindows) {
  MDImain &m = Make_Main();
  struct Case {
    const char *what;
    const char *window;
    const char *form_class;  // class of the form inside
    bool child;
  };
  const Case cases[] = {
      {"Prog_read", "Form_Comm_Read", "zv::Form_Comm_Read", true},
      {"key:read", "Form_Comm_Read", "zv::Form_Comm_Read", true},
      {"Prog_write", "Form_Comm_Write", "zv::Form_Comm_Write", true},
      {"key:write", "Form_Comm_Write", "zv::Form_Comm_Write", true},
      {"File_Open", "Form_open_chann", "zv::File_Name_Dialog", true},
      {"key:open", "Form_open_chann", "zv::File_Name_Dialog", true},
      {"File_saveas", "Form_save_chann", "zv::File_Name_Dialog", false},
      {"key:save", "Form_save_chann", "zv::File_Name_Dialog", false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    test::Run_Command(m, c.what);
    QWidget *window = m.Windows().Window(QString::fromLatin1(c.window));
    QWidget *form = m.Windows().Form(QString::fromLatin1(c.window));
    ASSERT_TRUE(window && form);
    EXPECT_STREQ(form->metaObject()->className(), c.form_class);
    EXPECT_EQ(qobject_cast<QMdiSubWindow *>(window) != nullptr, c.child);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(form->objectName(), QString::fromLatin1(c.window));

    // Opening again gives a fresh window.
    test::Run_Command(m, c.what);
    Flush_Deletes();
    QWidget *again = m.Windows().Form(QString::fromLatin1(c.window));
    ASSERT_TRUE(again);
    m.Windows().Close(QString::fromLatin1(c.window));
    Flush_Deletes();
  }
}

}  // namespace
}  // namespace zv::test
