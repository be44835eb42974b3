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

namespace zv::test {

inline void Settle() { QCoreApplication::processEvents(); }

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

  // Chooses item k with the keyboard, as a user does: Home, then k times Down.
  static void Choose(List_Combo *list, int k) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < k; ++i) QTest::keyClick(list, Qt::Key_Down);
  }

  // Types text into a box that has the focus, key by key.
  static void Type(QLineEdit *box, const QString &text) {
    box->setFocus();
    for (QChar c : text) QTest::keyClick(box, c.toLatin1());
  }
  // Replaces the text of a box as a user does: select all, Delete, type.
  static void Retype(QLineEdit *box, const QString &text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    Type(box, text);
  }
  // Leaves the box with Tab; its focus-loss check runs.
  static void Leave(QWidget *box) {
    box->setFocus();
    Settle();
    QTest::keyClick(box, Qt::Key_Tab);
    Settle();
  }

  QStringList Texts() const {
    QStringList out;
    for (const Message_Record &m : messages.shown) out << m.text;
    return out;
  }

  frm_option *form = nullptr;
};

}  // namespace zv::test
