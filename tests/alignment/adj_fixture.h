// The alignment editor opened from the main window's menu, on a table that
// starts as the factory defaults, with messages recorded.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include "editors/alignment/frm_adj_txp.h"
#include "image/adjust_defaults.h"
#include "platform/tab_strip.h"
#include "shell/shell_fixture.h"
#include "support/menu_action.h"

namespace zv::test {

class Adj_Window_Test : public Main_Window_Test {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    Load_Adjust_Defaults(Shared().Adjust_Defaults);
    Copy_Adjust_Defaults(Shared().Adjust_Defaults, Shared().Adjust_Table);
  }

  Adjust_Table_Type &Table() { return Shared().Adjust_Table; }
  const Adjust_Table_Type &Defaults() { return Shared().Adjust_Defaults; }

  // Opens the editor by its menu entry; the main window is made on first use.
  frm_Adj_Txp *Open() {
    if (!main) Make_Main();
    Run_Command(*main, "frm_adj");
    QApplication::setActiveWindow(main.get());
    Settle();
    return main->Windows().Form_As<frm_Adj_Txp>(win::frm_Adj_Txp);
  }

  static void Settle() { QCoreApplication::processEvents(); }

  // The user clicks tab n (0-4).
  static void Click_Tab(frm_Adj_Txp *f, int n) {
    QTest::mouseClick(f->TabStrip1, Qt::LeftButton, {}, f->TabStrip1->tabRect(n).center());
  }

  // The user replaces the whole text of a box at once (as a paste does).
  static void Replace_Text(QLineEdit *box, const QString &text) {
    box->selectAll();
    if (text.isEmpty())
      box->del();
    else
      box->insert(text);
  }
};

}  // namespace zv::test
