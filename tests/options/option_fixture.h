// The option editor opened from a started main window, with messages
// recorded, on the virtual platform.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>

#include "editors/options/option_window.h"
#include "image/startup_state.h"
#include "platform/list_combo.h"
#include "shell/shell_fixture.h"
#include "support/ui_input.h"

namespace zv::test {

using ui::Choose;
using ui::Leave;
using ui::Retype;
using ui::Settle;
using ui::Type;

class Option_Editor_Test : public Main_Window_Test {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    Build_Startup_State(Shared());
  }

  // Opens the editor from the Option menu on a main window with the
  // captions and size of start-up.
  frm_option &Open() {
    if (!main) Make_Main();
    QApplication::setActiveWindow(main.get());
    main->Menu(QStringLiteral("sys_edit"))->trigger();
    Settle();
    form = main->Windows().Form_As<frm_option>(QStringLiteral("frm_option"));
    if (!form) throw std::runtime_error("option editor did not open");
    return *form;
  }
  QMdiSubWindow *Sub() const { return qobject_cast<QMdiSubWindow *>(main->Windows().Window(QStringLiteral("frm_option"))); }

  static uint8_t &Opt(int offset) { return Shared().Radio_Image(224 + offset / 16, offset % 16); }
  static uint8_t &Img(int line, int col) { return Shared().Radio_Image(line, col); }

  // Rows 224-239 hold the working copy.
  static bool Rows_Equal_Working_Copy() {
    for (int i = 0; i < 256; ++i)
      if (Opt(i) != Shared().Opt_Block[static_cast<size_t>(i)]) return false;
    return true;
  }

  List_Combo *Combo(const char *name) const { return form->Combo(QString::fromLatin1(name)); }

  frm_option *form = nullptr;
};

}  // namespace zv::test
