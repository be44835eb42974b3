#include "shell/about_box.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "platform/message_box.h"
#include "platform/sysinfo.h"
#include "platform/twips.h"
#include "shell/language_texts.h"
#include "shell/toolbar_icons.h"

namespace zv {

frmAbout::frmAbout(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setPixmap(Window_Icon().pixmap(32, 32));
  picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  auto make_label = [this](const char *name) {
    auto *label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
  };
  lblTitle = make_label("lblTitle");
  QFont title_font = lblTitle->font();
  title_font.setBold(true);
  title_font.setPointSizeF(title_font.pointSizeF() * 1.3);
  lblTitle->setFont(title_font);
  lblVersion = make_label("lblVersion");
  lblDescription = make_label("lblDescription");
  lblDisclaimer = make_label("lblDisclaimer");
  cmdOk = new QPushButton(this);
  cmdOk->setObjectName(QStringLiteral("cmdOk"));
  cmdOk->setDefault(true);
  cmdSysInfo = new QPushButton(this);
  cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
  auto *line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);

  auto *grid = new QGridLayout(this);
  grid->addWidget(picIcon, 0, 0, 3, 1);
  grid->addWidget(lblTitle, 0, 1);
  grid->addWidget(lblVersion, 1, 1);
  grid->addWidget(lblDescription, 2, 1);
  grid->addWidget(line, 3, 0, 1, 2);
  auto *bottom = new QHBoxLayout;
  bottom->addWidget(lblDisclaimer, 1);
  auto *buttons = new QVBoxLayout;
  buttons->addWidget(cmdOk);
  buttons->addWidget(cmdSysInfo);
  buttons->addStretch(1);
  bottom->addLayout(buttons);
  grid->addLayout(bottom, 4, 0, 1, 2);
  grid->setRowStretch(4, 1);
  grid->setColumnStretch(1, 1);

  connect(cmdOk, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
  connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load(QWidget *window, double client_width, double client_height) {
  window_ = window;
  Load_Language_Texts();
  // No title text, a fixed dialog border, no maximise or minimise button.
  window->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  window->setWindowTitle(QString());
  const double top = (client_height - kHeight_Twips) / 2 - 500;
  const double left = (client_width - kWidth_Twips) / 2;
  Place(window, left, top, kWidth_Twips, kHeight_Twips);
  window->setFixedSize(window->size());
  const Language_Texts &t = Lang_Texts();
  lblTitle->setText(t.About_Title_Text);
  lblVersion->setText(t.About_Version_Text);
  lblDescription->setText(t.About_Desc_Text);
  lblDisclaimer->setText(t.About_Disclaimer_Text);
  cmdOk->setText(t.About_Ok_Text);
  cmdSysInfo->setText(t.About_SysInfo_Text);
}

void frmAbout::cmdOk_Click() {
  if (window_)
    window_->close();
  else
    close();
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void StartSysInfo() {
  Sys_Info_Service &sys = Sys_Info();
  std::string path;
  bool found = sys.Lookup_Program_Path(&path);
  if (!found) {
    std::string dir;
    if (sys.Lookup_Program_Dir(&dir)) {
      path = dir + "/" + Sys_Info_File_Name();
      found = sys.File_Exists(path);
    }
  }
  if (found && sys.Start_Program(path)) return;
  Message_Box(QStringLiteral("此时系统信息不可用"), QString(), Msg_Icon::None);
}

}  // namespace zv
