#include "comm/port_setup_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "comm/status_panels.h"
#include "image/shared_state.h"
#include "platform/twips.h"

namespace zv {

Form_setup::Form_setup(Identify_Cycle &cycle, QWidget *parent) : QWidget(parent), cycle_(cycle) {
  setObjectName(QStringLiteral("Form_setup"));
  frame1_ = new QGroupBox(this);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  auto *grid = new QGridLayout(frame1_);
  for (int n = 1; n <= 12; ++n) {
    auto *option = new QRadioButton(QStringLiteral("COM%1").arg(n), frame1_);
    option->setObjectName(QStringLiteral("Option%1").arg(n));
    // The buttons share Frame1, so exactly one of them is selected.
    // COM1 to COM6 above, COM7 to COM12 below.
    grid->addWidget(option, (n - 1) / 6, (n - 1) % 6);
    options_[static_cast<size_t>(n - 1)] = option;
  }
  command_ok_ = new QPushButton(this);
  command_ok_->setObjectName(QStringLiteral("Command_ok"));
  command1_ = new QPushButton(this);
  command1_->setObjectName(QStringLiteral("Command1"));
  auto *buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(command_ok_);
  buttons->addWidget(command1_);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(frame1_);
  layout->addLayout(buttons);
  connect(command_ok_, &QPushButton::clicked, this, &Form_setup::Command_ok_Click);
  connect(command1_, &QPushButton::clicked, this, &Form_setup::Command1_Click);
}

void Form_setup::Form_Load(QWidget *window, double inner_width, double inner_height) {
  window_ = window;
  const bool chinese = Shared().Lang_Chinese;
  setWindowTitle(chinese ? QStringLiteral("通讯端口设置") : QStringLiteral("Communication Port Setup"));
  frame1_->setTitle(chinese ? QStringLiteral("端口设置") : QStringLiteral("Port Setup"));
  command_ok_->setText(chinese ? QStringLiteral("确 定") : QStringLiteral("Confirm"));
  command1_->setText(chinese ? QStringLiteral("取 消") : QStringLiteral("Cancel"));

  const double width = inner_width / 1.9, height = inner_height / 2;
  const double left = (inner_width - width) / 2, top = (inner_height - height) / 2 - 500;
  Place(window, left, top, width, height);
  window->show();

  const int port = Shared().Comm_Port;
  for (QRadioButton *option : options_) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
  }
  if (port >= 1 && port <= 12) Option(port)->setChecked(true);
}

void Form_setup::Command_ok_Click() {
  const QPointer<Form_setup> self(this);
  for (int n = 1; n <= 12; ++n)
    if (Option(n)->isChecked()) Shared().Comm_Port = n;
  for (int panel : {2, 4, 6, 8, 10}) Set_Status_Panel(panel, QString());
  // The outcome of this open decides, not Port_Error after the message box:
  // the cycle's own retry may have opened the port meanwhile.
  const bool opened = cycle_.Open_Port();
  if (!self || !opened) return;  // the dialog stays for another choice
  cycle_.Restart_Identify();
  if (!self) return;
  Close_Window();
}

void Form_setup::Command1_Click() { Close_Window(); }

void Form_setup::Close_Window() {
  if (window_)
    window_->close();
  else
    close();
}

}  // namespace zv
