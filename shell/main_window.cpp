#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "image/shared_state.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "shell/activated_form.h"
#include "shell/language_texts.h"
#include "shell/toolbar_icons.h"

namespace zv {

namespace {

MDImain *g_instance = nullptr;

using Handler = void (MDImain::*)();

// The menu tree in menu-bar order, with the captions and states stored with
// the window. Hidden entries are also disabled.
struct Menu_Def {
  const char *name;
  const char *parent;  // nullptr: on the menu bar
  const char *stored;
  bool submenu;
  bool hidden;
  bool disabled;
  Handler handler;  // nullptr: no handler
};

const Menu_Def kMenus[] = {
    {"File", nullptr, "File", true, false, false, nullptr},
    {"File_New", "File", "New", false, false, false, nullptr},
    {"File_Open", "File", "Open", false, false, false, &MDImain::File_Open_Click},
    {"File_save", "File", "Save", false, false, true, &MDImain::File_save_Click},
    {"File_saveas", "File", "Save As", false, false, false, &MDImain::File_saveas_Click},
    {"File_exit", "File", "Exit", false, false, false, &MDImain::File_exit_Click},
    {"fm_chann_edit", nullptr, "FM 频道编辑", false, true, true, &MDImain::fm_chann_edit_Click},
    {"chann_edit", nullptr, "信道编辑", false, false, false, &MDImain::chann_edit_Click},
    {"sys_edit", nullptr, "可选参数", false, false, false, &MDImain::sys_edit_Click},
    {"sig_edit", nullptr, "信令编辑", true, false, false, nullptr},
    {"Sig_dtmf", "sig_edit", "DTMF", false, false, false, &MDImain::Sig_dtmf_Click},
    {"Sig_2tone", "sig_edit", "2 TONE", false, false, false, &MDImain::Sig_2tone_Click},
    {"Sig_5tone", "sig_edit", "5 TONE", false, false, false, &MDImain::Sig_5tone_Click},
    {"Sig_QDL1200", "sig_edit", "QDL1200", false, true, true, nullptr},
    {"Sig_QDL2400", "sig_edit", "QDL2400", false, true, true, nullptr},
    {"frm_adj", nullptr, "调整参数", false, false, false, &MDImain::frm_adj_Click},
    {"Program", nullptr, "Program", true, false, false, nullptr},
    {"Prog_read", "Program", "Read form radio", false, false, false, &MDImain::Prog_read_Click},
    {"Prog_write", "Program", "Write to radio", false, false, false, &MDImain::Prog_write_Click},
    {"PC_PassWord", nullptr, "修改密码", false, false, false, &MDImain::PC_PassWord_Click},
    {"proc_setup", nullptr, "端口设置", false, false, false, &MDImain::proc_setup_Click},
    {"Language_Setup", nullptr, "语言", true, true, true, nullptr},
    {"Language_chn", "Language_Setup", "中文", false, false, false, &MDImain::Language_chn_Click},
    {"Language_eng", "Language_Setup", "English", false, false, false, &MDImain::Language_eng_Click},
    {"about", nullptr, "关于", false, true, true, &MDImain::about_Click},
    {"Menu_Exit", nullptr, "退出", false, false, false, &MDImain::Menu_Exit_Click},
};

// Captions that the language switches set: name, Chinese, English.
struct Caption_Def {
  const char *name;
  const char *chinese;
  const char *english;
};

const Caption_Def kSwitch_Captions[] = {
    {"about", "关于", "About"},
    {"Menu_Exit", "退出", "Exit"},
    {"Language_Setup", "语言", "Language"},
    {"proc_setup", "端口设置", "Communication"},
    {"sig_edit", "信令编辑", "Signal"},
    {"sys_edit", "可选参数", "Option"},
    {"chann_edit", "信道编辑", "Channel"},
    {"fm_chann_edit", "FM-频道", "FM-Radio"},
    {"frm_adj", "调整参数", "Other"},
    {"PC_PassWord", "密码修改", "PassWord"},
    {"File", "文件", "File"},
    {"File_New", "新建", "New"},
    {"File_Open", "打开", "Open"},
    {"File_save", "保存", "Save"},
    {"File_saveas", "另存为", "Save As"},
    {"File_exit", "退出", "Exit"},
    {"Program", "编程", "Program"},
    {"Prog_read", "从对讲机读取数据", "Read from radio"},
    {"Prog_write", "向对讲机写入数据", "Write to radio"},
};

// The first ten of them are the captions that start-up sets in English.
constexpr int kStartup_Caption_Count = 10;

// Status panel labels: panel, Chinese, English. Panel 15 takes the panel-15
// text of the language.
struct Label_Def {
  int panel;
  const char *chinese;
  const char *english;
};

const Label_Def kPanel_Labels[] = {
    {1, "机  型:", "Model:"},  {3, "序列号:", "S I M:"}, {5, "固体版本:", "MCU-Version:"},
    {7, "频段-A", "Band-A"},   {9, "频段-B", "Band-B"},  {11, "频段-C", "Band-C"},
    {13, "频段-D", "Band-D"},
};

// Panel widths in percent of the screen width.
constexpr int kPanel_Percent[MDImain::kPanel_Count] = {4, 4, 5, 10, 6, 5, 5, 5, 5, 5, 5, 5, 5, 5, 20};

// The toolbar buttons, left to right.
const char *const kToolbar_Keys[] = {"open", "save", "edit_option", "edit_chann",
                                     "edit_dtmf", "read", "write", "exit"};

}  // namespace

MDImain::MDImain(QWidget *parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MDImain"));
  g_instance = this;
  // Every window of the program, dialogs of their own included, shows it.
  QApplication::setWindowIcon(Window_Icon());
  mdi_area_ = new QMdiArea(this);
  mdi_area_->setObjectName(QStringLiteral("MDIClient"));
  setCentralWidget(mdi_area_);
  connect(mdi_area_, &QMdiArea::subWindowActivated, this, &MDImain::Child_Activated);
  Build_Menus();
  Build_Toolbar();
  Build_Status_Bar();
  registry_ = std::make_unique<Window_Registry>(*this);
  Register_Windows(*registry_);
  identify_ = std::make_unique<Identify_Cycle>([this] { Enable_Edit_Menus(); });
  Set_Main_Status_Panels(this);
  Set_Message_Parent(this);
}

MDImain::~MDImain() {
  // The child windows are deleted after this part of the window is gone:
  // their activations must not reach it.
  disconnect(mdi_area_, nullptr, this, nullptr);
  identify_.reset();
  if (Main_Status_Panels() == this) Set_Main_Status_Panels(nullptr);
  if (g_instance == this) g_instance = nullptr;
}

MDImain *MDImain::Instance() { return g_instance; }

void MDImain::Build_Menus() {
  QHash<QString, QMenu *> submenus;
  for (const Menu_Def &m : kMenus) {
    const QString name = QString::fromLatin1(m.name);
    const QString caption = QString::fromUtf8(m.stored);
    QAction *action = nullptr;
    if (m.submenu) {
      auto *menu = new QMenu(caption, this);
      menu->setObjectName(name);
      submenus.insert(name, menu);
      if (m.parent)
        submenus.value(QString::fromLatin1(m.parent))->addMenu(menu);
      else
        menuBar()->addMenu(menu);
      action = menu->menuAction();
    } else if (m.parent) {
      action = submenus.value(QString::fromLatin1(m.parent))->addAction(caption);
    } else {
      action = menuBar()->addAction(caption);
    }
    action->setObjectName(name);
    menus_.insert(name, action);
    if (m.hidden) action->setVisible(false);
    Set_Menu_Enabled(name, !(m.hidden || m.disabled));
    if (m.handler) {
      const Handler handler = m.handler;
      connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    }
  }
  menus_.value(QStringLiteral("Language_chn"))->setCheckable(true);
  menus_.value(QStringLiteral("Language_eng"))->setCheckable(true);
}

void MDImain::Build_Toolbar() {
  toolbar_ = addToolBar(QString());
  toolbar_->setObjectName(QStringLiteral("Toolbar1"));
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
  toolbar_->toggleViewAction()->setEnabled(false);
  for (const char *key : kToolbar_Keys) {
    // No caption and no tooltip: the button shows its picture only.
    QAction *button = toolbar_->addAction(Toolbar_Icon(QString::fromLatin1(key)), QString());
    button->setObjectName(QString::fromLatin1(key));
    button->setProperty("Key", QString::fromLatin1(key));
    const QString k = QString::fromLatin1(key);
    connect(button, &QAction::triggered, this, [this, k] { Toolbar1_ButtonClick(k); });
  }
}

void MDImain::Build_Status_Bar() {
  QStatusBar *bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(false);
  for (int k = 0; k < kPanel_Count; ++k) {
    auto *label = new QLabel(bar);
    label->setObjectName(QStringLiteral("Panel%1").arg(k + 1));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    bar->addWidget(label);
    panels_[static_cast<size_t>(k)] = label;
  }
}

QLabel *MDImain::Panel(int panel) const {
  if (panel < 1 || panel > kPanel_Count) return nullptr;
  return panels_[static_cast<size_t>(panel - 1)];
}

QString MDImain::Panel_Text(int panel) const {
  const QLabel *label = Panel(panel);
  return label ? label->text() : QString();
}

void MDImain::Set_Panel_Text(int panel, const QString &text) {
  if (QLabel *label = Panel(panel)) label->setText(text);
}

bool MDImain::Menu_Enabled(const QString &name) const {
  const QAction *action = menus_.value(name);
  return action && action->property("Enabled").toBool();
}

void MDImain::Set_Menu_Enabled(const QString &name, bool enabled) {
  QAction *action = menus_.value(name);
  if (!action) return;
  action->setProperty("Enabled", enabled);
  action->setEnabled(enabled);
}

void MDImain::Enable_Edit_Menus() {
  for (const char *name : {"sig_edit", "sys_edit", "chann_edit", "fm_chann_edit"})
    Set_Menu_Enabled(QString::fromLatin1(name), true);
}

double MDImain::Width_Twips() const { return Px_To_Twips(frameGeometry().width()); }
double MDImain::Height_Twips() const { return Px_To_Twips(frameGeometry().height()); }
double MDImain::Scale_Width() const { return Px_To_Twips(mdi_area_->viewport()->width()); }
double MDImain::Scale_Height() const { return Px_To_Twips(mdi_area_->viewport()->height()); }

Main_Sizing MDImain::Sizing() const { return {Width_Twips(), Height_Twips(), Scale_Width(), Scale_Height()}; }

QMdiSubWindow *MDImain::Add_Child(QWidget *form) {
  form->setAttribute(Qt::WA_DeleteOnClose);
  QMdiSubWindow *window = mdi_area_->addSubWindow(form);
  window->setAttribute(Qt::WA_DeleteOnClose);
  return window;
}

void MDImain::Begin_Load() { ++loading_depth_; }

void MDImain::End_Load() {
  if (--loading_depth_ > 0 || !activation_deferred_) return;
  activation_deferred_ = false;
  if (active_child_ && !active_child_->isHidden()) Run_Form_Activate(active_child_);
}

void MDImain::Child_Activated(QMdiSubWindow *window) {
  // nullptr: the area has no active child for the moment (the program lost
  // the focus, the last child closed); the child activated next is compared
  // with the one before.
  if (!window || window == active_child_) return;
  active_child_ = window;
  if (closing_children_) return;
  if (loading_depth_ > 0) {
    activation_deferred_ = true;
    return;
  }
  Run_Form_Activate(window);
}

void MDImain::Run_Form_Activate(QMdiSubWindow *window) {
  if (auto *form = dynamic_cast<Activated_Form *>(window->widget())) form->Form_Activate();
}

void MDImain::Set_Panel_Widths() {
  const double screen_twips = Px_To_Twips(Screen_Size().width);
  for (int k = 0; k < kPanel_Count; ++k) {
    const float width = static_cast<float>(kPanel_Percent[k] / 100.0 * screen_twips);
    panels_[static_cast<size_t>(k)]->setFixedWidth(Twips_To_Px(width));
  }
}

void MDImain::Apply_Startup_Captions() {
  menus_.value(QStringLiteral("Language_chn"))->setChecked(false);
  menus_.value(QStringLiteral("Language_eng"))->setChecked(true);
  for (int i = 0; i < kStartup_Caption_Count; ++i) {
    const Caption_Def &c = kSwitch_Captions[i];
    menus_.value(QString::fromLatin1(c.name))->setText(QString::fromUtf8(c.english));
  }
  for (const Label_Def &l : kPanel_Labels) Set_Panel_Text(l.panel, QString::fromUtf8(l.english));
  Set_Panel_Text(15, Lang_Texts().Panel15_Text_En);
  setWindowTitle(Lang_Texts().Title_Text_En);
}

void MDImain::Fill_Screen_And_Show() {
  const Screen_Px screen = Screen_Size();
  move(0, 0);
  resize(screen.width, screen.height);
  show();
  // A window manager may frame the window only after it is shown; its first
  // move then brings the fit.
  fit_frame_pending_ = !Fit_Frame_To_Screen();
}

bool MDImain::Fit_Frame_To_Screen() {
  const QSize frame = frameGeometry().size() - geometry().size();
  if (frame == QSize(0, 0)) return false;
  const Screen_Px screen = Screen_Size();
  resize(screen.width - frame.width(), screen.height - frame.height());
  move(0, 0);
  return true;
}

void MDImain::moveEvent(QMoveEvent *event) {
  QMainWindow::moveEvent(event);
  if (fit_frame_pending_ && Fit_Frame_To_Screen()) fit_frame_pending_ = false;
}

void MDImain::Apply_Language_Captions(bool chinese) {
  menus_.value(QStringLiteral("Language_chn"))->setChecked(chinese);
  menus_.value(QStringLiteral("Language_eng"))->setChecked(!chinese);
  for (const Caption_Def &c : kSwitch_Captions)
    menus_.value(QString::fromLatin1(c.name))->setText(QString::fromUtf8(chinese ? c.chinese : c.english));
  for (const Label_Def &l : kPanel_Labels) Set_Panel_Text(l.panel, QString::fromUtf8(chinese ? l.chinese : l.english));
  const Language_Texts &t = Lang_Texts();
  Set_Panel_Text(15, chinese ? t.Panel15_Text_Cn : t.Panel15_Text_En);
  setWindowTitle(chinese ? t.Title_Text_Cn : t.Title_Text_En);
}

void MDImain::Language_chn_Click() {
  if (!Shared().Lang_Chinese) {
    Shared().Lang_Chinese = true;
    Load_Language_Texts();
  }
  Apply_Language_Captions(true);
}

void MDImain::Language_eng_Click() {
  if (Shared().Lang_Chinese) {
    Shared().Lang_Chinese = false;
    Load_Language_Texts();
  }
  Apply_Language_Captions(false);
}

void MDImain::File_Open_Click() { registry_->Reopen(win::Form_open_chann); }
void MDImain::File_save_Click() { registry_->Reopen(win::Form_save_chann); }
void MDImain::File_saveas_Click() { registry_->Reopen(win::Form_save_chann); }
void MDImain::File_exit_Click() { close(); }
void MDImain::fm_chann_edit_Click() {
  registry_->Close(win::frm_chann);
  registry_->Open(win::frm_FM);
}
void MDImain::chann_edit_Click() { registry_->Open(win::frm_chann); }
void MDImain::sys_edit_Click() { registry_->Open(win::frm_option); }
void MDImain::Sig_dtmf_Click() { registry_->Open(win::frm_dtmf); }
void MDImain::Sig_2tone_Click() { registry_->Open(win::frm_2tone); }
void MDImain::Sig_5tone_Click() { registry_->Open(win::frm_5tone); }
void MDImain::frm_adj_Click() { registry_->Open(win::frm_Adj_Txp); }
void MDImain::Prog_read_Click() { registry_->Reopen(win::Form_Comm_Read); }
void MDImain::Prog_write_Click() { registry_->Reopen(win::Form_Comm_Write); }
void MDImain::PC_PassWord_Click() { registry_->Reopen(win::Form_Write_PassWord); }
void MDImain::proc_setup_Click() { registry_->Open(win::Form_setup); }
void MDImain::about_Click() { registry_->Open(win::frmAbout); }
void MDImain::Menu_Exit_Click() { close(); }

void MDImain::Toolbar1_ButtonClick(const QString &key) {
  if (key == QLatin1String("open")) {
    registry_->Reopen(win::Form_open_chann);
  } else if (key == QLatin1String("save")) {
    registry_->Reopen(win::Form_save_chann);
  } else if (key == QLatin1String("edit_option")) {
    registry_->Close(win::frm_chann);
    registry_->Open(win::frm_option);
  } else if (key == QLatin1String("edit_chann")) {
    registry_->Close(win::frm_chann);
    registry_->Open(win::frm_chann);
  } else if (key == QLatin1String("edit_dtmf")) {
    registry_->Close(win::frm_chann);
    registry_->Open(win::frm_dtmf);
  } else if (key == QLatin1String("read")) {
    registry_->Reopen(win::Form_Comm_Read);
  } else if (key == QLatin1String("write")) {
    registry_->Reopen(win::Form_Comm_Write);
  } else if (key == QLatin1String("exit")) {
    registry_->Close(win::frm_chann);
    registry_->Close(win::frm_option);
    // The option editor refuses to close while its exchange runs; its
    // message has been shown, and the program goes on as it is.
    if (registry_->Is_Open(win::frm_option)) return;
    registry_->Close(win::frmAbout);
    close();
  }
}

void MDImain::closeEvent(QCloseEvent *event) {
  // Every child window closes with the main window. Windows of their own stay
  // open, and the program ends when the last one has closed. A child that
  // refuses to close keeps the main window open, and the program as it was.
  // A sibling that becomes active as the others close is no activation.
  // The option editor, which refuses while its exchange runs so that a write
  // to the radio is not cut off, is asked first: then nothing else has closed.
  if (registry_->Is_Open(win::frm_option)) {
    registry_->Close(win::frm_option);
    if (registry_->Is_Open(win::frm_option)) {
      event->ignore();
      return;
    }
  }
  closing_children_ = true;
  mdi_area_->closeAllSubWindows();
  closing_children_ = false;
  for (QMdiSubWindow *window : mdi_area_->subWindowList()) {
    if (!window->isHidden()) {
      event->ignore();
      return;
    }
  }
  identify_->Stop();
  event->accept();
}

}  // namespace zv
