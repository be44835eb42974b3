// Input as a user gives it, for the editor tests that drive real widgets
// offscreen: clicks on grid cells and tabs, typing, leaving a box with Tab,
// choosing from a list with the keys.
#pragma once

#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "platform/flex_grid.h"
#include "platform/list_combo.h"
#include "platform/tab_strip.h"
#include "platform/twips.h"

namespace zv::test::ui {

inline void Settle() { QCoreApplication::processEvents(); }

// Centre of a cell in a grid's viewport, as the view stands.
inline QPoint Centre(Flex_Grid *grid, int row, int col) {
  int x = 0;
  for (int c = 0; c < col; ++c) x += Twips_To_Px(grid->ColWidth(c));
  const int h = Twips_To_Px(grid->RowHeight(0));
  const int top = row == 0 ? 0 : h + (row - 1 - grid->verticalScrollBar()->value()) * h;
  return {x + Twips_To_Px(grid->ColWidth(col)) / 2, top + h / 2};
}
inline void Click(Flex_Grid *grid, int row, int col) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, Centre(grid, row, col));
  Settle();
}
inline void Double_Click(Flex_Grid *grid, int row, int col) {
  const QPoint at = Centre(grid, row, col);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
  Settle();
}
// Tab numbered from 1.
inline void Click_Tab(Tab_Strip *strip, int tab) {
  QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(tab - 1).center());
  Settle();
}
inline void Click_Button(QWidget *button) {
  QTest::mouseClick(button, Qt::LeftButton);
  Settle();
}
// Types text into a widget, key by key.
inline void Type(QWidget *box, const QString &text) {
  for (QChar c : text) QTest::keyClick(box, c.toLatin1());
}
// Replaces the text of a box as a user does: select all, Delete, type.
inline void Retype(QLineEdit *box, const QString &text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  Type(box, text);
}
// Leaves a box with Tab; its focus-loss check runs.
inline void Leave(QWidget *box) {
  box->setFocus();
  Settle();
  QTest::keyClick(box, Qt::Key_Tab);
  Settle();
}
// Chooses item k of a list with the keyboard: Home, then k times Down.
inline void Choose(List_Combo *list, int k) {
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < k; ++i) QTest::keyClick(list, Qt::Key_Down);
  Settle();
}

}  // namespace zv::test::ui
