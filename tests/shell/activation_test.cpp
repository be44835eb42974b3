// Child windows of the main window: Form_Activate on each real change of the
// active child, Window_Registry::Show, the dialogs opened by name, and the
// sizing every window loads with.
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/twips.h"
#include "shell/activated_form.h"
#include "shell/file_dialogs.h"
#include "shell_fixture.h"

// Log lists print as text when a comparison fails.
inline void PrintTo(const QStringList &list, std::ostream *os) { *os << '"' << list.join("\", \"").toStdString() << '"'; }

namespace zv::test {
namespace {

// A child form that writes what happens to it into a shared log:
// "A:load" when its load handler starts, "A:loaded" when it returns,
// "A:activate" for each Form_Activate, "A:close" for its close handler.
class Probe_Form : public QWidget, public Activated_Form {
 public:
  Probe_Form(const QString &name, QStringList &log) : name_(name), log_(log) {
    setObjectName(name);
    setWindowTitle(name);
    Text1 = new QLineEdit(this);
    Place(Text1, 120, 120, 2400, 315);
  }

  void Form_Load(QMdiSubWindow *window, const Main_Sizing &main) {
    log_ << name_ + ":load";
    const double width = main.Scale_Width / 3, height = main.Scale_Height / 3;
    Place(window, (main.Scale_Width - width) / 2, (main.Scale_Height - height) / 2, width, height);
    window->show();
    log_ << name_ + ":loaded";
  }
  void Form_Activate() override { log_ << name_ + ":activate"; }

  QLineEdit *Text1 = nullptr;
  // Runs inside the close handler, before the window closes.
  std::function<void()> on_close;
  bool refuse_close = false;

 protected:
  void closeEvent(QCloseEvent *event) override {
    log_ << name_ + ":close";
    if (on_close) on_close();
    if (refuse_close)
      event->ignore();
    else
      QWidget::closeEvent(event);
  }

 private:
  QString name_;
  QStringList &log_;
};

class Child_Windows : public Main_Window_Test {
 protected:
  // A main window that is the active window, with probe forms registered
  // under the names A, B and C (none open yet).
  MDImain &Make_Active_Main() {
    MDImain &m = Make_Main();
    for (const char *name : {"A", "B", "C"}) {
      const QString n = QString::fromLatin1(name);
      m.Windows().Register(n, [this, n](MDImain &main) -> QWidget * {
        auto *form = new Probe_Form(n, log);
        QMdiSubWindow *window = main.Add_Child(form);
        form->Form_Load(window, main.Sizing());
        return window;
      });
    }
    m.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &m);
    return m;
  }

  Probe_Form *Form(const char *name) {
    return dynamic_cast<Probe_Form *>(main->Windows().Form(QString::fromLatin1(name)));
  }
  QMdiSubWindow *Window(const char *name) {
    return qobject_cast<QMdiSubWindow *>(main->Windows().Window(QString::fromLatin1(name)));
  }
  // The log entries since the last call.
  QStringList Take_Log() {
    QStringList out = log;
    log.clear();
    return out;
  }

  QStringList log;
};

// Each step and what it adds to the log. The windows open in the order A, B,
// C, so C is active at the start.
struct Switch_Step {
  const char *what;
  std::function<void()> run;
  QStringList expected;
};

TEST_F(Child_Windows, Form_Activate_Runs_Once_Per_Real_Switch) {
  MDImain &m = Make_Active_Main();
  m.Windows().Open(QStringLiteral("A"));
  EXPECT_EQ(Take_Log(), (QStringList{"A:load", "A:loaded", "A:activate"}));
  m.Windows().Open(QStringLiteral("B"));
  m.Windows().Open(QStringLiteral("C"));
  EXPECT_EQ(Take_Log(), (QStringList{"B:load", "B:loaded", "B:activate", "C:load", "C:loaded", "C:activate"}));

  const Switch_Step steps[] = {
      {"code activates A", [this] { main->Mdi_Area()->setActiveSubWindow(Window("A")); },
       {"A:activate"}},
      {"code activates A again", [this] { main->Mdi_Area()->setActiveSubWindow(Window("A")); },
       {}},
      {"click into B", [this] { QTest::mouseClick(Form("B")->Text1, Qt::LeftButton); },
       {"B:activate"}},
      {"click into B again", [this] { QTest::mouseClick(Form("B")->Text1, Qt::LeftButton); }, {}},
      {"Show of the open C", [this] { main->Windows().Show(QStringLiteral("C")); },
       {"C:activate"}},
      {"Open of the open A", [this] { main->Windows().Open(QStringLiteral("A")); }, {}},
  };
  for (const Switch_Step &step : steps) {
    SCOPED_TRACE(step.what);
    step.run();
    EXPECT_EQ(Take_Log(), step.expected);
  }

  // Closing the active child activates a sibling; closing an inactive one
  // activates none.
  Window("C")->close();
  ASSERT_NE(m.Mdi_Area()->activeSubWindow(), nullptr);
  const QString next = m.Mdi_Area()->activeSubWindow()->widget()->objectName();
  EXPECT_EQ(Take_Log(), (QStringList{"C:close", next + ":activate"}));
  const char *other = next == "A" ? "B" : "A";
  Window(other)->close();
  EXPECT_EQ(Take_Log(), QStringList{QString::fromLatin1(other) + ":close"});
}

TEST_F(Child_Windows, The_Same_Child_Active_Again_Is_No_Activation) {
  MDImain &m = Make_Active_Main();
  m.Windows().Open(QStringLiteral("A"));
  m.Windows().Open(QStringLiteral("B"));
  m.Mdi_Area()->setActiveSubWindow(Window("A"));
  // B warns with a box in its close handler, as an editor does while its
  // exchange runs.
  Form("B")->on_close = [] { Real_Box_Round_Trip(); };
  Take_Log();

  const Switch_Step steps[] = {
      {"a message box closes", [] { Real_Box_Round_Trip(); }, {}},
      {"the area has no active child for a moment",
       [this] {
         main->Mdi_Area()->setActiveSubWindow(nullptr);
         main->Mdi_Area()->setActiveSubWindow(Window("A"));
       },
       {}},
      {"the program regains the focus",
       [this] {
         QWidget other;
         other.show();
         other.activateWindow();
         QCoreApplication::processEvents();
         EXPECT_EQ(QApplication::activeWindow(), &other);
         main->activateWindow();
         QCoreApplication::processEvents();
         EXPECT_EQ(QApplication::activeWindow(), main.get());
       },
       {}},
      {"an inactive sibling closes after its box", [this] { Window("B")->close(); },
       {"B:close"}},
  };
  for (const Switch_Step &step : steps) {
    SCOPED_TRACE(step.what);
    step.run();
    EXPECT_EQ(Take_Log(), step.expected);
  }
  EXPECT_EQ(m.Mdi_Area()->activeSubWindow(), Window("A"));
}

TEST_F(Child_Windows, Activation_Comes_Also_When_The_Main_Window_Was_Never_Active) {
  MDImain &m = Make_Main();
  m.Windows().Register(QStringLiteral("A"), [this](MDImain &main) -> QWidget * {
    auto *form = new Probe_Form(QStringLiteral("A"), log);
    QMdiSubWindow *window = main.Add_Child(form);
    form->Form_Load(window, main.Sizing());
    return window;
  });
  ASSERT_NE(QApplication::activeWindow(), &m);
  m.Windows().Open(QStringLiteral("A"));
  EXPECT_EQ(log, (QStringList{"A:load", "A:loaded", "A:activate"}));
}

TEST_F(Child_Windows, The_Main_Window_Closing_Activates_None) {
  MDImain &m = Make_Active_Main();
  for (const char *name : {"A", "B", "C"}) m.Windows().Open(QString::fromLatin1(name));
  m.Mdi_Area()->setActiveSubWindow(Window("B"));
  // The box of the active child lets the area activate a sibling before the
  // siblings close in turn.
  Form("B")->on_close = [] { Real_Box_Round_Trip(); };
  Take_Log();

  EXPECT_TRUE(m.close());
  const QStringList closed = Take_Log();
  EXPECT_EQ(closed.filter(QStringLiteral(":activate")), QStringList{});
  EXPECT_EQ(closed.filter(QStringLiteral(":close")).size(), 3);
  for (const char *name : {"A", "B", "C"}) EXPECT_FALSE(m.Windows().Is_Open(QString::fromLatin1(name))) << name;
}

TEST_F(Child_Windows, A_Child_That_Refuses_To_Close_Keeps_The_Main_Window_Open) {
  MDImain &m = Make_Active_Main();
  m.Windows().Open(QStringLiteral("A"));
  m.Windows().Open(QStringLiteral("B"));
  Form("A")->refuse_close = true;

  EXPECT_FALSE(m.close());
  EXPECT_TRUE(m.isVisible());
  EXPECT_TRUE(m.Windows().Is_Open(QStringLiteral("A")));
  EXPECT_FALSE(m.Windows().Is_Open(QStringLiteral("B")));

  Form("A")->refuse_close = false;
  EXPECT_TRUE(m.close());
  EXPECT_FALSE(m.Windows().Is_Open(QStringLiteral("A")));
}

TEST_F(Child_Windows, Show_Brings_An_Open_Child_To_The_Front_Unchanged) {
  MDImain &m = Make_Active_Main();
  QWidget *a = m.Windows().Show(QStringLiteral("A"));
  EXPECT_EQ(Take_Log(), (QStringList{"A:load", "A:loaded", "A:activate"}));
  Form("A")->Text1->setText(QStringLiteral("typed"));
  a->move(a->pos() + QPoint(7, 5));
  const QRect geometry = a->geometry();
  m.Windows().Open(QStringLiteral("B"));
  Take_Log();

  EXPECT_EQ(m.Windows().Show(QStringLiteral("A")), a);
  EXPECT_EQ(Take_Log(), QStringList{"A:activate"});
  EXPECT_EQ(m.Mdi_Area()->activeSubWindow(), a);
  EXPECT_EQ(m.Mdi_Area()->subWindowList(QMdiArea::StackingOrder).last(), a);
  EXPECT_EQ(Form("A")->Text1->text(), "typed");
  EXPECT_EQ(a->geometry(), geometry);

  // Already in front: nothing happens.
  EXPECT_EQ(m.Windows().Show(QStringLiteral("A")), a);
  EXPECT_EQ(Take_Log(), QStringList{});
}

TEST_F(Child_Windows, Show_Raises_An_Open_Window_Of_Its_Own_Unchanged) {
  MDImain &m = Make_Active_Main();
  QWidget *dialog = m.Windows().Show(win::Form_save_chann);
  ASSERT_NE(dialog, nullptr);
  auto *form = m.Windows().Form_As<File_Name_Dialog>(win::Form_save_chann);
  ASSERT_NE(form, nullptr);
  form->Text1->setText(QStringLiteral("mine.dat"));
  m.activateWindow();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), &m);

  EXPECT_EQ(m.Windows().Show(win::Form_save_chann), dialog);
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), dialog);
  EXPECT_EQ(form->Text1->text(), "mine.dat");
}

TEST_F(Child_Windows, Signal_And_Menu_File_Dialogs_Open_By_Name_As_Windows_Of_Their_Own) {
  MDImain &m = Make_Active_Main();
  const std::pair<const QString *, const File_Dialog_Member *> members[] = {
      {&win::Form_open_sig, &kForm_open_sig},
      {&win::Form_save_sig, &kForm_save_sig},
      {&win::Form_open_menu, &kForm_open_menu},
      {&win::Form_save_menu, &kForm_save_menu},
  };
  for (const auto &[name, member] : members) {
    SCOPED_TRACE(name->toStdString());
    QWidget *window = m.Windows().Show(*name);
    auto *dialog = qobject_cast<File_Name_Dialog *>(window);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(&dialog->Member(), member);
    EXPECT_EQ(QString::fromLatin1(member->name), *name);
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(member->title_en));
    EXPECT_EQ(m.Windows().Show(*name), window);
    m.Windows().Close(*name);
    EXPECT_FALSE(m.Windows().Is_Open(*name));
  }
}

TEST_F(Child_Windows, Sizing_Follows_The_Main_Window) {
  MDImain &m = Make_Main();
  for (const QSize size : {QSize(1920, 1080), QSize(1000, 700)}) {
    m.resize(size);
    QCoreApplication::processEvents();
    const Main_Sizing s = m.Sizing();
    EXPECT_EQ(s.Width, Px_To_Twips(m.frameGeometry().width()));
    EXPECT_EQ(s.Height, Px_To_Twips(m.frameGeometry().height()));
    EXPECT_EQ(s.Scale_Width, Px_To_Twips(m.Mdi_Area()->viewport()->width()));
    EXPECT_EQ(s.Scale_Height, Px_To_Twips(m.Mdi_Area()->viewport()->height()));
    // The client area lies inside the window, below the menu bar, toolbar
    // and above the status bar.
    EXPECT_LT(s.Scale_Height, s.Height);
    EXPECT_LE(s.Scale_Width, s.Width);
  }
}

TEST(Place, Positions_And_Sizes_Round_To_The_Nearest_Pixel) {
  struct Case {
    double left, top, width, height;
    QRect px;
  };
  const Case cases[] = {
      {120, 240, 5775, 495, QRect(8, 16, 385, 33)},
      {7, 8, 22, 23, QRect(0, 1, 1, 2)},          // 7/15 rounds down, 8/15 up
      {1007.5, 0, 14500, 9500, QRect(67, 0, 967, 633)},
      // A window larger than the client area it is centred in starts left of
      // it and above it.
      {-750, -8, 3000, 1500, QRect(-50, -1, 200, 100)},
  };
  QWidget parent;
  QWidget child(&parent);
  for (const Case &c : cases) {
    Place(&child, c.left, c.top, c.width, c.height);
    EXPECT_EQ(child.geometry(), c.px) << c.left << " " << c.top << " " << c.width << " " << c.height;
  }
}

}  // namespace
}  // namespace zv::test
