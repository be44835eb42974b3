// Every window of the program shows the program's icon.
#include <QImage>
#include <QMdiSubWindow>

#include "shell/file_dialogs.h"
#include "shell/toolbar_icons.h"
#include "support/menu_action.h"
#include "tests/shell/shell_fixture.h"

namespace zv::test {
namespace {

class Program_Windows : public Main_Window_Test {};

bool Shows_Program_Icon(const QWidget *w) {
  const QImage want = Window_Icon().pixmap(32, 32).toImage();
  return !want.isNull() && w->windowIcon().pixmap(32, 32).toImage() == want;
}

TEST_F(Program_Windows, EveryWindowShowsTheProgramIcon) {
  MDImain &m = Make_Main();
  EXPECT_TRUE(Shows_Program_Icon(&m));
  // Child windows and windows of their own.
  for (const char *command : {"Prog_read", "File_Open", "File_saveas"}) {
    SCOPED_TRACE(command);
    Run_Command(m, command);
  }
  QWidget *adj = Open_File_Dialog(kForm_open_adj, nullptr);
  ASSERT_TRUE(adj->isWindow());
  int windows = 0;
  for (QWidget *w : QApplication::topLevelWidgets()) {
    if (!w->isVisible()) continue;
    ++windows;
    EXPECT_TRUE(Shows_Program_Icon(w)) << w->objectName().toStdString();
  }
  EXPECT_GE(windows, 3);
  for (QMdiSubWindow *sub : m.Mdi_Area()->subWindowList())
    EXPECT_TRUE(Shows_Program_Icon(sub)) << sub->widget()->objectName().toStdString();
}

}  // namespace
}  // namespace zv::test
