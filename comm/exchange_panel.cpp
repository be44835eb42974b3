#include "comm/exchange_panel.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QWidget>

#include "comm/password_box.h"
#include "image/shared_state.h"
#include "platform/masked_box.h"

namespace zv {

QString Lang_Pair::Text() const { return QString::fromUtf8(Shared().Lang_Chinese ? cn : en); }

Exchange_Panel::Exchange_Panel(QWidget *form, const Exchange_Params &params, const Exchange_Panel_Setup &setup)
    : form_(form), setup_(setup), guard_(form), engine_(std::make_unique<Exchange_Engine>(params)) {
  ProgressBar1 = new QProgressBar(form);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  Label_tr_count = new QLabel(form);
  Label_tr_count->setObjectName(QStringLiteral("Label_tr_count"));
  if (setup.initial_password) {
    Text_PassWord = new QLineEdit(QString::fromLatin1(setup.initial_password), form);
    Text_PassWord->setObjectName(QStringLiteral("Text_PassWord"));
    Mask_With_Stars(Text_PassWord);
    // Connected after the initial text is set: only a change is copied.
    QObject::connect(Text_PassWord, &QLineEdit::textChanged, form,
                     [](const QString &text) { Text_PassWord_Change(text); });
  }
  engine_->Steps.Failure_Report = [this] { Failure_Report(); };
}

Exchange_Panel::~Exchange_Panel() { engine_->Stop(); }

// ---------------------------------------------------------------- starting

bool Exchange_Panel::Refuse_While_Busy() {
  if (!engine_->Busy()) return false;
  Message(kBusy_Text);
  return true;
}

bool Exchange_Panel::Start_Read(const std::function<void()> &own_step) { return Start(false, own_step); }
bool Exchange_Panel::Start_Write(const std::function<void()> &own_step) { return Start(true, own_step); }

bool Exchange_Panel::Start(bool write, const std::function<void()> &own_step) {
  if (Refuse_While_Busy()) return false;
  const Window_Alive alive = Alive();
  if (own_step) {
    own_step();
    if (!alive.Stands()) return false;
  }
  // The start's own result decides: the port message may be up while
  // another engine's open changes Port_Error.
  const bool started = write ? engine_->Begin_Write() : engine_->Begin_Read();
  if (!started || !alive.Stands()) return false;
  Show_Connecting();
  return true;
}

void Exchange_Panel::Show_Connecting() {
  ProgressBar1->show();
  ProgressBar1->setValue(0);
  Label_tr_count->setText(Lang_Pair{"Connecting with transceiver. ", "正在与对讲机联络 ！"}.Text());
}

// ---------------------------------------------------------------- progress, results

void Exchange_Panel::Show_Step(int n, int total, const QString &text) {
  ProgressBar1->show();
  ProgressBar1->setValue(static_cast<int>(static_cast<double>(n) / total * 100));
  Label_tr_count->setText(text);
}

bool Exchange_Panel::Message(const QString &text, const QString &title) {
  return Message_Stands(guard_, text, title);
}

bool Exchange_Panel::Show_Failure_Message() {
  return Message(Lang_Pair{"Fail connect with transceiver.", "与对讲机联络失败 ！"});
}

void Exchange_Panel::Failure_Report() {
  if (!Show_Failure_Message()) return;
  ProgressBar1->setValue(0);
  Label_tr_count->setText(Lang_Pair{"Communication fault.", "与对讲机通讯故障 ！"}.Text());
}

// ---------------------------------------------------------------- closing

bool Exchange_Panel::Close_Button_Refuses() {
  if (!engine_->Busy()) return false;
  Message(setup_.close_button_text);
  return true;
}

void Exchange_Panel::Command_Close_Click() {
  if (Close_Button_Refuses()) return;
  Close_Window();
}

void Exchange_Panel::Close_Window() {
  engine_->Stop();
  if (auto *frame = qobject_cast<QMdiSubWindow *>(form_->parentWidget()))
    frame->close();
  else
    form_->close();
}

void Exchange_Panel::Close_Event(QCloseEvent *event) {
  const bool busy = engine_->Busy();
  if (busy && setup_.busy_closing == Busy_Closing::Refuse) {
    // The window keeps itself open, and its exchange goes on.
    Message(setup_.closing_text);
    event->ignore();
    return;
  }
  // The exchange ends, and the window counts as gone, before any box: no
  // step reaches a window that is closing, and nothing of it is touched
  // after the box.
  engine_->Stop();
  guard_.Mark_Closed();
  event->accept();
  if (busy && setup_.busy_closing == Busy_Closing::Warn)
    Message_Box(setup_.closing_text.Text(), kPrompt_Title.Text());
}

}  // namespace zv
