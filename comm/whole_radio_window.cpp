#include "comm/whole_radio_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "platform/twips.h"

namespace zv {

Whole_Radio_Window::Whole_Radio_Window(const Exchange_Params &params, const Layout &layout,
                                       const Captions &captions, QWidget *parent)
    : QWidget(parent), panel_(this, params, {layout.initial_password}), captions_(captions) {
  setAttribute(Qt::WA_DeleteOnClose);
  ProgressBar1 = panel_.ProgressBar1;
  Label_tr_count = panel_.Label_tr_count;
  Text_PassWord = panel_.Text_PassWord;
  start_ = new QPushButton(this);
  Command_Cancel = new QPushButton(this);
  Command_Help = new QPushButton(this);
  Label_PassWord = new QLabel(this);

  Command_Cancel->setObjectName(QStringLiteral("Command_Cancel"));
  Command_Help->setObjectName(QStringLiteral("Command_Help"));
  Label_PassWord->setObjectName(QStringLiteral("Label_PassWord"));

  Place(ProgressBar1, 120, 240, 5775, 495);
  Place(Label_tr_count, 120, 840, 5775, 375);
  Place(start_, layout.start_left, layout.buttons_top, 975, 495);
  Place(Command_Cancel, layout.cancel_left, layout.buttons_top, 975, 495);
  Place(Command_Help, 4200, layout.buttons_top, 975, 495);
  Place(Label_PassWord, layout.password_label_left, layout.password_top, layout.password_label_width, 255);
  Place(Text_PassWord, layout.password_box_left, layout.password_top, layout.password_box_width, 315);

  connect(Command_Cancel, &QPushButton::clicked, this, [this] { Command_Cancel_Click(); });
}

Whole_Radio_Window::~Whole_Radio_Window() = default;

void Whole_Radio_Window::Form_Load(QWidget *window, double main_width, double main_height) {
  QWidget *frame = window ? window : this;
  const double width = main_width / 3, height = main_height / 3;
  const double left = (main_width - width) / 2, top = (main_height - height) / 3;
  setWindowTitle(Text(captions_.title_en, captions_.title_cn));
  start_->setText(Text(captions_.start_en, captions_.start_cn));
  Command_Cancel->setText(Text("Cancel", "取消"));
  Command_Help->setText(Text("Help", "帮助"));
  Label_PassWord->setText(Text("PassWord", "读写密码"));
  Place(frame, left, top, width, height);
  frame->show();
}

void Whole_Radio_Window::Command_Cancel_Click() { panel_.Command_Close_Click(); }

void Whole_Radio_Window::closeEvent(QCloseEvent *event) {
  // Never refused; the exchange ends with the window.
  panel_.Close_Event(event);
  if (event->isAccepted()) QWidget::closeEvent(event);
}

}  // namespace zv
