#include "platform/list_combo.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>

namespace zv {

bool Is_Character_Key(const QKeyEvent &event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  const QString text = event.text();
  return !text.isEmpty() && text.at(0).isPrint();
}

List_Combo::List_Combo(QWidget *parent) : QComboBox(parent) {
  setEditable(false);
  setInsertPolicy(QComboBox::NoInsert);
  // The open list searches typed text too; it gets the same rule.
  view()->installEventFilter(this);
  connect(this, &QComboBox::activated, this, [this] {
    if (On_Click) On_Click();
  });
}

void List_Combo::Set_Items(const QStringList &items) {
  const QSignalBlocker quiet(this);
  clear();
  addItems(items);
  setCurrentIndex(-1);
}

void List_Combo::Clear_Items() {
  const QSignalBlocker quiet(this);
  clear();
}

void List_Combo::Add_Item(const QString &item) {
  const QSignalBlocker quiet(this);
  const int shown = currentIndex();
  addItem(item);
  // Adding to an empty list would select the first item; the list keeps
  // whatever it showed.
  setCurrentIndex(shown);
}

bool List_Combo::Show_Index(int value) {
  const bool in_list = value >= 0 && value < count();
  const QSignalBlocker quiet(this);
  setCurrentIndex(in_list ? value : -1);
  return in_list;
}

int List_Combo::Show_Clamped(int value) {
  const int shown = value < 0 ? -1 : std::min(value, count() - 1);
  Show_Index(shown);
  return shown;
}

void List_Combo::keyPressEvent(QKeyEvent *event) {
  if (Is_Character_Key(*event)) {
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}

void List_Combo::wheelEvent(QWheelEvent *event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  QComboBox::wheelEvent(event);
}

bool List_Combo::eventFilter(QObject *watched, QEvent *event) {
  if (watched == view() && event->type() == QEvent::KeyPress &&
      Is_Character_Key(*static_cast<QKeyEvent *>(event)))
    return true;
  return QComboBox::eventFilter(watched, event);
}

}  // namespace zv
