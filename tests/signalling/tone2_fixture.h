// The 2-tone editor opened from the Signal menu of a main window, messages
// recorded, on the virtual platform; helpers that click grid cells and type
// as a user does.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "editors/signalling/frm_2tone.h"
#include "image/startup_state.h"
#include "image/tone2_area.h"
#include "platform/flex_grid.h"
#include "platform/list_combo.h"
#include "platform/tab_strip.h"
#include "platform/twips.h"
#include "shell/shell_fixture.h"

namespace zv::test {

inline void Settle() { QCoreApplication::processEvents(); }

class Tone2_Test : public Main_Window_Test {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    Build_Startup_State(Shared());
  }

 public:

  frm_2tone &Open() {
    if (!main) Make_Main();
    QApplication::setActiveWindow(main.get());
    main->Menu(QStringLiteral("Sig_2tone"))->trigger();
    Settle();
    form = main->Windows().Form_As<frm_2tone>(win::frm_2tone);
    if (!form) throw std::runtime_error("2-tone editor did not open");
    return *form;
  }

  static uint8_t &Img(int line, int col) { return Shared().Radio_Image(line, col); }
  // Lines 719-767: the area and the line before it.
  static std::vector<uint8_t> Area() {
    std::vector<uint8_t> out;
    for (int l = 719; l <= 767; ++l)
      for (int c = 0; c < 16; ++c) out.push_back(Img(l, c));
    return out;
  }

  // Centre of a cell in a grid's viewport, as the view stands.
  static QPoint Centre(Flex_Grid *grid, int row, int col) {
    int x = 0;
    for (int c = 0; c < col; ++c) x += Twips_To_Px(grid->ColWidth(c));
    const int h = Twips_To_Px(grid->RowHeight(0));
    const int top = row == 0 ? 0 : h + (row - 1 - grid->verticalScrollBar()->value()) * h;
    return {x + Twips_To_Px(grid->ColWidth(col)) / 2, top + h / 2};
  }
  static void Click(Flex_Grid *grid, int row, int col) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, Centre(grid, row, col));
    Settle();
  }
  static void Double_Click(Flex_Grid *grid, int row, int col) {
    const QPoint at = Centre(grid, row, col);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    Settle();
  }
  void Click_Tab(int tab) {
    QTest::mouseClick(form->TabStrip1, Qt::LeftButton, {}, form->TabStrip1->tabRect(tab - 1).center());
    Settle();
  }
  static void Click_Button(QWidget *button) {
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
  }

  // Types text into the widget that has the focus, key by key.
  static void Type(QWidget *box, const QString &text) {
    for (QChar c : text) QTest::keyClick(box, c.toLatin1());
  }
  // Replaces a box's text as a user does: select all, Delete, type.
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
  // Opens the encode editor over a cell and types text into it.
  void Edit_Encode(int row, int col, const QString &text) {
    Click(form->MSF_Encode, row, col);
    Retype(form->Text_Encode, text);
  }
  // Chooses item k of an open list with the keyboard: Home, then k Downs.
  static void Choose(List_Combo *list, int k) {
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < k; ++i) QTest::keyClick(list, Qt::Key_Down);
    Settle();
  }

  QStringList Texts() const {
    QStringList out;
    for (const Message_Record &m : messages.shown) out << m.text;
    return out;
  }

  frm_2tone *form = nullptr;
};

}  // namespace zv::test
