#include "comm/whole_radio_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>

#include "comm/password_box.h"
#include "image/shared_state.h"
#include "platform/masked_box.h"
#include "platform/message_box.h"
#include "platform/twips.h"

namespace zv {

Whole_Radio_Window::Whole_Radio_Window(const Exchange_Params &params, const Layout &layout,
                                       const Captions &captions, QWidget *parent)
    : QWidget(parent), engine_(std::make_unique<Exchange_Engine>(params)), captions_(captions) {
  setAttribute(Qt::WA_DeleteOnClose);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  Label_tr_count = new QLabel(this);
  start_ = new QPushButton(this);
  Command_Cancel = new QPushButton(this);
  Command_Help = new QPushButton(this);
  Label_PassWord = new QLabel(this);
  Text_PassWord = new QLineEdit(QString::fromLatin1(layout.initial_password), this);
  Mask_With_Stars(Text_PassWord);

  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  Label_tr_count->setObjectName(QStringLiteral("Label_tr_count"));
  Command_Cancel->setObjectName(QStringLiteral("Command_Cancel"));
  Command_Help->setObjectName(QStringLiteral("Command_Help"));
  Label_PassWord->setObjectName(QStringLiteral("Label_PassWord"));
  Text_PassWord->setObjectName(QStringLiteral("Text_PassWord"));

  Place(ProgressBar1, 120, 240, 5775, 495);
  Place(Label_tr_count, 120, 840, 5775, 375);
  Place(start_, layout.start_left, layout.buttons_top, 975, 495);
  Place(Command_Cancel, layout.cancel_left, layout.buttons_top, 975, 495);
  Place(Command_Help, 4200, layout.buttons_top, 975, 495);
  Place(Label_PassWord, layout.password_label_left, layout.password_top, layout.password_label_width, 255);
  Place(Text_PassWord, layout.password_box_left, layout.password_top, layout.password_box_width, 315);

  // The initial text is not copied into the typed password; only a change is.
  connect(Text_PassWord, &QLineEdit::textChanged, this, [](const QString &text) { Text_PassWord_Change(text); });
  connect(Command_Cancel, &QPushButton::clicked, this, [this] { Command_Cancel_Click(); });
}

Whole_Radio_Window::~Whole_Radio_Window() { engine_->Stop(); }

QString Whole_Radio_Window::Text(const char *en, const char *cn) const {
  return Shared().Lang_Chinese ? QString::fromUtf8(cn) : QString::fromUtf8(en);
}

void Whole_Radio_Window::Form_Load(QWidget *window, double main_width, double main_height) {
  window_ = window ? window : this;
  const double width = main_width / 3, height = main_height / 3;
  const double left = (main_width - width) / 2, top = (main_height - height) / 3;
  setWindowTitle(Text(captions_.title_en, captions_.title_cn));
  start_->setText(Text(captions_.start_en, captions_.start_cn));
  Command_Cancel->setText(Text("Cancel", "取消"));
  Command_Help->setText(Text("Help", "帮助"));
  Label_PassWord->setText(Text("PassWord", "读写密码"));
  Place(window_, left, top, width, height);
  window_->show();
}

bool Whole_Radio_Window::Message(const QString &text, const QString &title) {
  return Message_Stands(guard_, text, title);
}

bool Whole_Radio_Window::Refuse_While_Busy() {
  if (!engine_->Busy()) return false;
  Message(Text("Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"),
          Text("Operate prompt", "操作提示"));
  return true;
}

void Whole_Radio_Window::Show_Connecting() {
  ProgressBar1->show();
  ProgressBar1->setValue(0);
  Label_tr_count->setText(Text("Connecting with transceiver. ", "正在与对讲机联络 ！"));
}

void Whole_Radio_Window::Show_Step(int n, int total, const QString &text) {
  ProgressBar1->show();
  ProgressBar1->setValue(static_cast<int>(static_cast<double>(n) / total * 100));
  Label_tr_count->setText(text);
}

bool Whole_Radio_Window::Show_Failure_Message() {
  return Message(Text("Fail connect with transceiver.", "与对讲机联络失败 ！"), Text("Operate prompt", "操作提示"));
}

void Whole_Radio_Window::Command_Cancel_Click() {
  if (engine_->Busy()) {
    Message(Text("Read-write operating，don't close the window. ,", "正在进行读写操作,请勿关窗口 ！,"),
            Text("Operate prompt", "操作提示"));
    return;
  }
  engine_->Stop();
  Close_Window();
}

void Whole_Radio_Window::Close_Window() {
  if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
    frame->close();
  else
    close();
}

void Whole_Radio_Window::closeEvent(QCloseEvent *event) {
  // Closing is never refused; the exchange ends with the window.
  guard_.Mark_Closed();
  engine_->Stop();
  QWidget::closeEvent(event);
}

}  // namespace zv
