// The list that takes no typing: what keys, the wheel, the mouse and code do
// to its position, and when it says that the user chose.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <memory>
#include <vector>

#include "platform/list_combo.h"

namespace zv {
namespace {

struct List_Window {
  List_Window() {
    auto *layout = new QVBoxLayout(&window);
    list = new List_Combo(&window);
    other = new QLineEdit(&window);
    layout->addWidget(list);
    layout->addWidget(other);
    list->Set_Items({"OFF", "ON", "OFF TWICE", "BOTH"});
    list->On_Click = [this] { chosen.push_back(list->List_Index()); };
    window.show();
    QApplication::setActiveWindow(&window);
  }
  QWidget window;
  List_Combo *list = nullptr;
  QLineEdit *other = nullptr;
  std::vector<int> chosen;
};

struct Key_Case {
  const char *what;
  Qt::Key key;
  const char *text;
  int shown;         // position before the key
  int expect_index;  // position after it
  bool expect_chosen;
};

TEST(List_Combo, KeysChooseOnlyByMovingNeverByTyping) {
  const Key_Case cases[] = {
      {"a letter of another item", Qt::Key_B, "B", 1, 1, false},
      {"the first letter of two items", Qt::Key_O, "O", 1, 1, false},
      {"a digit", Qt::Key_3, "3", 1, 1, false},
      {"a blank", Qt::Key_Space, " ", 1, 1, false},
      {"a letter with no selection", Qt::Key_O, "O", -1, -1, false},
      {"arrow down", Qt::Key_Down, "", 1, 2, true},
      {"arrow up", Qt::Key_Up, "", 1, 0, true},
      {"arrow down from no selection", Qt::Key_Down, "", -1, 0, true},
      {"arrow down on the last item", Qt::Key_Down, "", 3, 3, false},
      {"home", Qt::Key_Home, "", 2, 0, true},
      {"end", Qt::Key_End, "", 1, 3, true},
  };
  for (const Key_Case &c : cases) {
    SCOPED_TRACE(c.what);
    List_Window w;
    w.list->setFocus();
    w.list->Show_Index(c.shown);
    QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, QString::fromLatin1(c.text));
    QApplication::sendEvent(w.list, &press);
    EXPECT_EQ(w.list->List_Index(), c.expect_index);
    if (c.expect_chosen)
      EXPECT_EQ(w.chosen, std::vector<int>{c.expect_index});
    else
      EXPECT_TRUE(w.chosen.empty());
  }
}

TEST(List_Combo, TypingIntoTheOpenListMovesNothing) {
  List_Window w;
  w.list->setFocus();
  w.list->Show_Index(0);
  w.list->showPopup();
  QAbstractItemView *view = w.list->view();
  const int highlighted = view->currentIndex().row();
  QTest::keyClick(view, Qt::Key_B, Qt::NoModifier);
  EXPECT_EQ(view->currentIndex().row(), highlighted);
  w.list->hidePopup();
  EXPECT_EQ(w.list->List_Index(), 0);
  EXPECT_TRUE(w.chosen.empty());
}

TEST(List_Combo, WheelChoosesOnlyWithTheFocus) {
  struct Case {
    const char *what;
    bool focused;
    int expect_index;
    bool expect_chosen;
  };
  const Case cases[] = {{"wheel over a list with the focus", true, 2, true},
                        {"wheel over a list without the focus", false, 1, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    List_Window w;
    if (c.focused)
      w.list->setFocus();
    else
      w.other->setFocus();
    w.list->Show_Index(1);
    const QPointF at(5, 5);
    QWheelEvent wheel(at, w.list->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.list, &wheel);
    EXPECT_EQ(w.list->List_Index(), c.expect_index);
    EXPECT_EQ(w.chosen.size(), c.expect_chosen ? 1u : 0u);
  }
}

TEST(List_Combo, ClickOnAnItemIsAChoiceEvenOfTheShownOne) {
  List_Window w;
  w.list->Show_Index(1);
  for (const int item : {3, 3}) {
    w.list->showPopup();
    QAbstractItemView *view = w.list->view();
    const QRect rect = view->visualRect(view->model()->index(item, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
  }
  EXPECT_EQ(w.list->List_Index(), 3);
  EXPECT_EQ(w.chosen, (std::vector<int>{3, 3}));
}

TEST(List_Combo, CodeShowsStoredValuesWithoutChoosing) {
  struct Case {
    int value;
    bool in_list;
    int expect_index;
    const char *expect_text;
  };
  const Case cases[] = {{0, true, 0, "OFF"},  {3, true, 3, "BOTH"}, {4, false, -1, ""},
                        {0xFF, false, -1, ""}, {-1, false, -1, ""}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.value);
    List_Window w;
    w.list->Show_Index(2);
    int changes = 0;
    QObject::connect(w.list, &QComboBox::currentIndexChanged, [&] { ++changes; });
    EXPECT_EQ(w.list->Show_Index(c.value), c.in_list);
    EXPECT_EQ(w.list->List_Index(), c.expect_index);
    EXPECT_EQ(w.list->currentText(), QString::fromLatin1(c.expect_text));
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(w.chosen.empty());
  }
}

TEST(List_Combo, ClampingDisplayShowsTheLastItemForAValueBeyondIt) {
  struct Case {
    int items, value, expect;
  };
  const Case cases[] = {{4, 2, 2}, {4, 3, 3}, {4, 4, 3}, {4, 0xFF, 3}, {4, -1, -1}, {0, 0xFF, -1}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.items << " items, value " << c.value);
    List_Window w;
    w.list->Set_Items(QStringList({"0", "1", "2", "3"}).mid(0, c.items));
    EXPECT_EQ(w.list->Show_Clamped(c.value), c.expect);
    EXPECT_EQ(w.list->List_Index(), c.expect);
    EXPECT_TRUE(w.chosen.empty());
  }
}

TEST(List_Combo, FillingSelectsNothingAndRaisesNothing) {
  List_Window w;
  w.list->Set_Items({"1", "2"});
  EXPECT_EQ(w.list->List_Index(), -1);
  w.list->Clear_Items();
  w.list->Add_Item("a");
  w.list->Add_Item("b");
  EXPECT_EQ(w.list->count(), 2);
  EXPECT_EQ(w.list->List_Index(), -1);
  w.list->Show_Index(1);
  w.list->Add_Item("c");
  EXPECT_EQ(w.list->List_Index(), 1);
  EXPECT_TRUE(w.chosen.empty());
}

}  // namespace
}  // namespace zv
