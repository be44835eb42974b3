// A list that takes no typing: the drop-down list of every editor.
//
// - A character key changes nothing: no type-ahead, neither in the box nor in
//   its open list.
// - The arrow keys (and Home, End, Page Up, Page Down) choose, and raise
//   On_Click as a click on an item does, so the window stores the choice.
// - The wheel chooses only while the list has the focus; over a list without
//   the focus it changes nothing and scrolls whatever lies beneath.
// - Setting the position from code (Show_Index, Set_Items) never raises
//   On_Click: a window that stores on showing calls its handler itself.
// - A value outside the list (0xFF from an erased radio) shows as no
//   selection; List_Index() is then -1 and the stored value stays as it is.
#pragma once

#include <QComboBox>
#include <QStringList>
#include <functional>

namespace zv {

class List_Combo : public QComboBox {
 public:
  explicit List_Combo(QWidget *parent = nullptr);

  // Empties the list and fills it with items, in order; nothing is selected.
  void Set_Items(const QStringList &items);
  void Clear_Items();
  void Add_Item(const QString &item);

  // Selects item value when 0 <= value < count, else shows no selection.
  // Returns whether value names an item. Raises no signal.
  bool Show_Index(int value);
  // For the lists whose display clamps: a value beyond the last item shows
  // the last item (an empty list, or a value below 0, shows no selection).
  // Returns the position shown, -1 for none; the window then stores it by
  // calling its handler. Raises no signal.
  int Show_Clamped(int value);
  // The chosen position, -1 when nothing is chosen.
  int List_Index() const { return currentIndex(); }

  // The user chose an item (click, arrow keys, wheel with the focus), also
  // the one already shown; List_Index() names it. Set by the window:
  // list->On_Click = [this] { Combo_Sql_Click(); };
  std::function<void()> On_Click;

 protected:
  void keyPressEvent(QKeyEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
};

// Whether a key event is a key that produces a character (what typing into
// a box means): printable text, with neither Ctrl nor Meta held.
bool Is_Character_Key(const QKeyEvent &event);

}  // namespace zv
