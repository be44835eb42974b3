// Focus-loss checks: which focus moves run a window's check, that a check
// never runs inside itself, where the focus goes back to, and that a window
// closed while the check's box is up is never touched again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <functional>

#include "platform/focus_check.h"
#include "platform/message_box.h"
#include "platform/window_guard.h"

namespace zv {
namespace {

// A form with a checked field, two other controls and a guard.
class Form : public QWidget {
 public:
  explicit Form(QWidget *parent = nullptr) : QWidget(parent), guard(this), check(this, guard.Alive()) {
    auto *layout = new QVBoxLayout(this);
    for (QWidget *w : std::initializer_list<QWidget *>{field = new QLineEdit(this), next = new QLineEdit(this),
                                                       button = new QPushButton("OK", this)})
      layout->addWidget(w);
    check.Watch(field, [this] { Check(); });
  }
  // The shape of a window's check: store, box, then only while the window
  // stands, the field put right and the focus back.
  void Check() {
    ++runs;
    stored = field->text();
    if (box) Focus_Check::Refuse_Field(guard.Alive(), field, "range", "Operate Prompt", Msg_Icon::Warning, [this] {
        ++after_box;
        field->clear();
      });
  }
  void closeEvent(QCloseEvent *event) override {
    guard.Mark_Closed();
    QWidget::closeEvent(event);
  }

  Window_Guard guard;
  Focus_Check check;
  QLineEdit *field = nullptr, *next = nullptr;
  QPushButton *button = nullptr;
  bool box = false;
  int runs = 0, after_box = 0;
  QString stored;
};

void Settle() { QCoreApplication::processEvents(); }

struct Recorded_Boxes {
  Recorded_Boxes() { Set_Message_Service(&recorder); }
  ~Recorded_Boxes() { Set_Message_Service(nullptr); }
  Message_Recorder recorder;
};

struct Shown_Form {
  Shown_Form() {
    form.show();
    QApplication::setActiveWindow(&form);
    form.field->setFocus();
    Settle();
    form.field->setText("12");
  }
  Form form;
};

TEST(Focus_Check, RealMovesInsideTheWindowRunTheCheckOnce) {
  struct Case {
    const char *what;
    std::function<void(Form &)> move;
    int expect_runs;
  };
  const Case cases[] = {
      {"Tab", [](Form &f) { QTest::keyClick(f.field, Qt::Key_Tab); }, 1},
      {"Backtab", [](Form &f) { QTest::keyClick(f.field, Qt::Key_Backtab, Qt::ShiftModifier); }, 1},
      {"click on another box", [](Form &f) { QTest::mouseClick(f.next, Qt::LeftButton); }, 1},
      {"click on a button", [](Form &f) { QTest::mouseClick(f.button, Qt::LeftButton); }, 1},
      {"code moves the focus", [](Form &f) { f.next->setFocus(); }, 0},
      {"click inside the field", [](Form &f) { QTest::mouseClick(f.field, Qt::LeftButton); }, 0},
      {"another program takes the focus", [](Form &) { QApplication::setActiveWindow(nullptr); }, 0},
      {"a box takes the focus",
       [](Form &) {
         QLineEdit box;
         box.show();
         QApplication::setActiveWindow(&box);
         box.setFocus();
         Settle();
       },
       0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Shown_Form s;
    c.move(s.form);
    Settle();
    EXPECT_EQ(s.form.runs, c.expect_runs);
    if (c.expect_runs) { EXPECT_EQ(s.form.stored, "12"); }
  }
}

TEST(Focus_Check, ClickIntoAnotherChildWindowRunsNone) {
  QMdiArea area;
  auto *first = new Form;
  auto *second = new Form;
  area.addSubWindow(first);
  area.addSubWindow(second);
  area.show();
  QApplication::setActiveWindow(&area);
  area.setActiveSubWindow(area.subWindowList().at(0));
  first->field->setFocus();
  Settle();
  QTest::mouseClick(second->next, Qt::LeftButton);
  Settle();
  EXPECT_EQ(second->next, QApplication::focusWidget());
  EXPECT_EQ(first->runs, 0);
  EXPECT_EQ(second->runs, 0);
}

TEST(Focus_Check, FocusMovesWhileItsBoxIsUpRunNoSecondCheck) {
  Recorded_Boxes boxes;
  Shown_Form s;
  s.form.box = true;
  boxes.recorder.on_show = [&](const Message_Record &) {
    // The user (or the box's own focus) moves the focus about meanwhile.
    s.form.field->setFocus();
    QTest::keyClick(s.form.field, Qt::Key_Tab);
    QTest::mouseClick(s.form.field, Qt::LeftButton);
    QTest::mouseClick(s.form.next, Qt::LeftButton);
    Settle();
  };
  QTest::keyClick(s.form.field, Qt::Key_Tab);
  Settle();
  EXPECT_EQ(s.form.runs, 1);
  EXPECT_EQ(boxes.recorder.shown.size(), 1u);
  // After the box the field is put right and has the focus back; leaving it
  // again checks again.
  EXPECT_EQ(s.form.stored, "12");
  EXPECT_EQ(s.form.field->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), s.form.field);
  QTest::keyClick(s.form.field, Qt::Key_Tab);
  Settle();
  EXPECT_EQ(s.form.runs, 2);
}

TEST(Focus_Check, FocusGoesBackOnlyToAVisibleEnabledControl) {
  struct Case {
    const char *what;
    std::function<void(Form &)> prepare;
    bool expect_back;
  };
  const Case cases[] = {
      {"visible and enabled", [](Form &) {}, true},
      {"disabled", [](Form &f) { f.field->setEnabled(false); }, false},
      {"hidden", [](Form &f) { f.field->hide(); }, false},
      {"inside a hidden frame", [](Form &f) { f.hide(); }, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Shown_Form s;
    s.form.next->setFocus();
    c.prepare(s.form);
    EXPECT_EQ(Focus_Check::Return_Focus(s.form.field), c.expect_back);
    EXPECT_EQ(s.form.field->hasFocus(), c.expect_back);
  }
  EXPECT_FALSE(Focus_Check::Return_Focus(nullptr));
}

TEST(Focus_Check, WindowClosedWhileTheBoxIsUpIsNeverTouched) {
  struct Case {
    const char *what;
    bool delete_at_once;
  };
  const Case cases[] = {{"closed, deleted later", false}, {"deleted while the box is up", true}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Recorded_Boxes boxes;
    auto *form = new Form;
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    QApplication::setActiveWindow(form);
    form->field->setFocus();
    form->box = true;
    int after_box = 0;
    const QPointer<Form> watch(form);
    boxes.recorder.on_show = [&](const Message_Record &) {
      after_box = form->after_box;
      if (c.delete_at_once)
        delete form;
      else
        form->close();
    };
    QTest::keyClick(form->field, Qt::Key_Tab);
    Settle();
    if (watch) { EXPECT_EQ(watch->after_box, after_box); }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
  }
}

TEST(Window_Guard, StandsUntilClosedOrDeleted) {
  struct Case {
    const char *what;
    std::function<void(Form *)> step;
    bool expect_stands;
  };
  const Case cases[] = {
      {"shown", [](Form *) {}, true},
      {"hidden", [](Form *f) { f->hide(); }, true},
      {"closed, not yet deleted", [](Form *f) { f->close(); }, false},
      {"deleted", [](Form *f) { delete f; }, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Recorded_Boxes boxes;
    auto *form = new Form;
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    const Window_Alive alive = form->guard.Alive();
    const Window_Alive pointer_only(form);
    boxes.recorder.on_show = [&](const Message_Record &) { c.step(form); };
    EXPECT_EQ(Message_Stands(alive, "text", "title"), c.expect_stands);
    EXPECT_EQ(alive.Stands(), c.expect_stands);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(pointer_only.Stands(), c.expect_stands);
    if (c.expect_stands) delete form;
  }
}

TEST(Window_Guard, RefusedCloseLeavesTheWindowStanding) {
  struct Refusing : QWidget {
    Window_Guard guard{this};
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
  } window;
  window.show();
  window.close();
  EXPECT_TRUE(window.guard.Stands());
}

}  // namespace
}  // namespace zv
