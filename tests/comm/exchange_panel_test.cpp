// The exchange panel in a small form, against the simulated radio on the
// virtual clock: starting with its refusals, the connecting display, the
// failure display, the password box, and the closing rules (Close button,
// other closings while busy: silent, with a warning, refused), in a window
// of its own and as a child window.
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

#include "comm/exchange_panel.h"
#include "tests/comm/engine_fixture.h"

namespace zv::test {
namespace {

const std::string kClose_Button = "Read-write operating，don't close the window. ,";
const std::string kClosing = "Read-write operating，don't close the window.,";
const std::string kBusy = "Read-write operating with transceiver .";

class Small_Form : public QWidget {
 public:
  explicit Small_Form(Busy_Closing closing)
      : panel(this, presets::Options(), {"836024", kClose_Button_Text, closing, kClosing_Text}) {
    setAttribute(Qt::WA_DeleteOnClose);
    Command_close = new QPushButton(this);
    connect(Command_close, &QPushButton::clicked, this, [this] { panel.Command_Close_Click(); });
    panel.Steps().Completed = [this] { ++completed; };
  }
  void closeEvent(QCloseEvent *event) override { panel.Close_Event(event); }

  Exchange_Panel panel;
  QPushButton *Command_close = nullptr;
  int completed = 0;
};

class Panel_Test : public Engine_Test {
 protected:
  void SetUp() override {
    Engine_Test::SetUp();
    Shared().Radio_Image.Fill(0, 1024, 0, 16, 0xEE);
  }
  void TearDown() override {
    delete form.data();
    delete area;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Engine_Test::TearDown();
  }
  Small_Form *Make_Form(Busy_Closing closing, bool child_window = false) {
    form = new Small_Form(closing);
    if (child_window) {
      area = new QMdiArea;
      sub = area->addSubWindow(form);
      sub->setAttribute(Qt::WA_DeleteOnClose);
      area->show();
    }
    form->show();
    form->panel.Text_PassWord->setText(QStringLiteral("123456"));
    return form;
  }
  bool Gone() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !form;
  }
  std::string Label() const { return form->panel.Label_tr_count->text().toStdString(); }
  bool Run_Form_To_End(Exchange_Engine &e) {
    return vp.Run_Until([&] { return Exchange_Ended(e); }, 120000);
  }

  QPointer<Small_Form> form;
  QMdiArea *area = nullptr;
  QMdiSubWindow *sub = nullptr;
};

struct Closing_Case {
  const char *name;
  Busy_Closing closing;
  bool child_window;
  std::vector<std::string> boxes;
  bool stays;
};
void PrintTo(const Closing_Case &c, std::ostream *os) { *os << c.name; }

class Closing_While_Busy : public Panel_Test, public ::testing::WithParamInterface<Closing_Case> {};

TEST_P(Closing_While_Busy, StopsWarnsAndClosesOrRefuses) {
  const Closing_Case &c = GetParam();
  Small_Form *f = Make_Form(c.closing, c.child_window);
  Exchange_Engine &e = f->panel.Engine();
  ASSERT_TRUE(f->panel.Start_Read());
  ASSERT_TRUE(vp.Run_Until([&] { return sim.received.size() > 40; }, 60000));
  ASSERT_TRUE(e.Busy());
  bool busy_at_box = c.stays;
  messages.on_show = [&](const Message_Record &) { busy_at_box = e.Busy() && vp.Is_Held(1); };
  if (c.child_window)
    sub->close();
  else
    f->close();  // its close box
  EXPECT_EQ(Message_Texts(), c.boxes);
  if (c.stays) {
    EXPECT_TRUE(busy_at_box);  // the exchange goes on
    ASSERT_FALSE(Gone());
    ASSERT_TRUE(Run_Form_To_End(e));
    EXPECT_EQ(f->completed, 1);
    for (int c16 = 0; c16 < 16; ++c16) EXPECT_EQ(Shared().Radio_Image(224, c16), sim.Peek(0xE00 + c16));
    return;
  }
  EXPECT_FALSE(busy_at_box);  // stopped before the warning
  EXPECT_FALSE(vp.Is_Held(1));
  const size_t sent = Sent().size();
  EXPECT_TRUE(Gone());
  vp.Advance(60000);
  EXPECT_EQ(Sent().size(), sent);
  EXPECT_EQ(Shared().Radio_Image(224, 0), 0xEE);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Closing_While_Busy,
    ::testing::Values(Closing_Case{"silent", Busy_Closing::Silent, false, {}, false},
                      Closing_Case{"warn", Busy_Closing::Warn, false, {kClosing}, false},
                      Closing_Case{"warn_child", Busy_Closing::Warn, true, {kClosing}, false},
                      Closing_Case{"refuse", Busy_Closing::Refuse, false, {kClosing}, true},
                      Closing_Case{"refuse_child", Busy_Closing::Refuse, true, {kClosing}, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Panel_Test, CloseButtonRefusesWhileBusyAndClosesWhenIdle) {
  Small_Form *f = Make_Form(Busy_Closing::Warn, true);
  ASSERT_TRUE(f->panel.Start_Read());
  ASSERT_TRUE(vp.Run_Until([&] { return sim.received.size() > 40; }, 60000));
  f->Command_close->click();
  EXPECT_EQ(Message_Texts(), std::vector<std::string>{kClose_Button});
  ASSERT_FALSE(Gone());
  ASSERT_TRUE(Run_Form_To_End(f->panel.Engine()));
  EXPECT_EQ(f->completed, 1);

  messages.shown.clear();
  f->Command_close->click();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(Gone());
  EXPECT_FALSE(vp.Is_Held(1));
}

TEST_F(Panel_Test, ClosingWhenIdleClosesWithoutAWord) {
  for (Busy_Closing closing : {Busy_Closing::Silent, Busy_Closing::Warn, Busy_Closing::Refuse}) {
    Make_Form(closing)->close();
    EXPECT_TRUE(Gone());
    EXPECT_TRUE(messages.shown.empty());
  }
}

TEST_F(Panel_Test, StartRefusesWhileBusyBeforeTheWindowsOwnStep) {
  Small_Form *f = Make_Form(Busy_Closing::Silent);
  int own_steps = 0;
  const auto own = [&] { ++own_steps; };
  ASSERT_TRUE(f->panel.Start_Write(own));
  EXPECT_EQ(own_steps, 1);
  EXPECT_EQ(Label(), "Connecting with transceiver. ");
  EXPECT_TRUE(f->panel.ProgressBar1->isVisible());
  f->panel.Label_tr_count->setText(QStringLiteral("mine"));
  EXPECT_FALSE(f->panel.Start_Read(own));
  EXPECT_FALSE(f->panel.Start_Write(own));
  EXPECT_EQ(Message_Texts(), (std::vector<std::string>{kBusy, kBusy}));
  EXPECT_EQ(own_steps, 1);
  EXPECT_EQ(Label(), "mine");
  ASSERT_TRUE(Run_Form_To_End(f->panel.Engine()));
  EXPECT_EQ(f->completed, 1);
  EXPECT_EQ(sim.writes.size(), 32u);
}

TEST_F(Panel_Test, PortThatWillNotOpenLeavesBarAndLabel) {
  vp.Set_Open_Failure(1, true);
  Small_Form *f = Make_Form(Busy_Closing::Silent);
  f->panel.ProgressBar1->setValue(30);
  int own_steps = 0;
  EXPECT_FALSE(f->panel.Start_Write([&] { ++own_steps; }));
  EXPECT_EQ(own_steps, 1);  // the window's step comes before the port
  EXPECT_EQ(Message_Texts(), std::vector<std::string>{"Communication Port Open Error ！"});
  EXPECT_EQ(Label(), "");
  EXPECT_EQ(f->panel.ProgressBar1->value(), 30);
}

TEST_F(Panel_Test, DefaultFailureReportShowsTheMessageThenBarAndLabel) {
  sim.faults = {{sim::Fault::Kind::Silence, 3}};
  Small_Form *f = Make_Form(Busy_Closing::Silent);
  std::string label_at_box;
  messages.on_show = [&](const Message_Record &) { label_at_box = Label(); };
  ASSERT_TRUE(f->panel.Start_Read());
  f->panel.Steps().Show_Progress = [f](int n) { f->panel.Show_Step(n, 9, QString::number(n)); };
  ASSERT_TRUE(Run_Form_To_End(f->panel.Engine()));
  EXPECT_EQ(sim.sessions(), 4);
  EXPECT_EQ(Message_Texts(), std::vector<std::string>{"Fail connect with transceiver."});
  EXPECT_EQ(label_at_box, "2");  // the progress of the last attempt
  EXPECT_EQ(Label(), "Communication fault.");
  EXPECT_EQ(f->panel.ProgressBar1->value(), 0);
}

TEST_F(Panel_Test, PasswordBoxIsMaskedAndItsInitialTextIsNeverCopied) {
  Shared().Entered_Password = {};
  Small_Form f(Busy_Closing::Silent);
  EXPECT_EQ(f.panel.Text_PassWord->displayText(), QStringLiteral("******"));
  EXPECT_EQ(Shared().Entered_Password, (std::array<int, 17>{}));
  f.panel.Text_PassWord->setText(QStringLiteral("ab"));
  EXPECT_EQ(Shared().Entered_Password[0], 'a');
  EXPECT_EQ(Shared().Entered_Password[2], ' ');

  // A window without a password box has none.
  QWidget bare;
  Exchange_Panel panel(&bare, presets::Alignment());
  EXPECT_EQ(panel.Text_PassWord, nullptr);
}

}  // namespace
}  // namespace zv::test
