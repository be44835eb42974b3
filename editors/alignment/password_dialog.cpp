#include "editors/alignment/password_dialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "comm/comm_write_window.h"
#include "comm/exchange_panel.h"
#include "comm/exchange_presets.h"
#include "comm/password_box.h"
#include "image/shared_state.h"
#include "platform/key_filter.h"
#include "platform/masked_box.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

namespace zv {

namespace {

constexpr uint8_t kAck = 0x06;
constexpr int kTimer4_Ms = 500;

// A new password goes to the radio byte by byte as typed; only characters of
// printable ASCII have one byte that is the character itself.
bool Printable_Ascii(const QString &text) {
  for (const QChar ch : text)
    if (ch.unicode() < 0x20 || ch.unicode() > 0x7E) return false;
  return true;
}

}  // namespace

Form_Write_PassWord::Form_Write_PassWord(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form_Write_PassWord"));
  // No progress display: the panel gives the engine, the closing rules and
  // the window guard; its bar and label stay hidden.
  Exchange_Panel_Setup setup;
  setup.close_button_text = kClose_Button_Text;
  setup.busy_closing = Busy_Closing::Silent;
  panel_ = std::make_unique<Exchange_Panel>(this, presets::Password_Dialog(), setup);
  panel_->ProgressBar1->hide();
  panel_->Label_tr_count->hide();
  panel_->Steps().Write_Answered = [this](uint8_t byte) { Write_Answered(byte); };

  timer4_ = Current_Platform().New_Timer();
  timer4_->Set_Interval(kTimer4_Ms);
  timer4_->Set_Enabled(false);
  timer4_->On_Tick = [this] { Timer4_Timer(); };

  Label_old_PassWord = new QLabel(this);
  Label_New_Password_1 = new QLabel(this);
  Label_New_PassWord_2 = new QLabel(this);
  Place(Label_old_PassWord, 120, 480, 1935, 255);
  Place(Label_New_Password_1, 240, 960, 1815, 255);
  Place(Label_New_PassWord_2, 120, 1440, 1935, 255);
  Text_Old_PassWord = Password_Box("Text_Old_PassWord", 480);
  Text_New_Password_1 = Password_Box("Text_New_Password_1", 960);
  Text_New_PassWord_2 = Password_Box("Text_New_PassWord_2", 1440);
  connect(Text_Old_PassWord, &QLineEdit::textChanged, this, [this] { Text_Old_PassWord_Change(); });

  Command_Write = new QPushButton(this);
  Command_Write->setObjectName(QStringLiteral("Command_Write"));
  Place(Command_Write, 1200, 2040, 975, 375);
  connect(Command_Write, &QPushButton::clicked, this, [this] { Command_Write_Click(); });
  Command_Cancel = new QPushButton(this);
  Command_Cancel->setObjectName(QStringLiteral("Command_Cancel"));
  Place(Command_Cancel, 2880, 2040, 975, 375);
  connect(Command_Cancel, &QPushButton::clicked, this, [this] { Command_Cancel_Click(); });
}

Form_Write_PassWord::~Form_Write_PassWord() {
  timer4_->Set_Enabled(false);
  panel_->Engine().Stop();
}

QLineEdit *Form_Write_PassWord::Password_Box(const char *name, int top) {
  auto *box = new QLineEdit(this);
  box->setObjectName(QString::fromLatin1(name));
  Mask_With_Stars(box);
  Place(box, 2160, top, 1215, 285);
  // Six characters at most, counted without the outer blanks; Backspace
  // always works.
  Key_Rule rule;
  rule.limit = 6;
  rule.measure = Limit_Measure::Trimmed;
  rule.backspace = Backspace_Rule::Passes;
  Key_Filter::Install(box, rule);
  return box;
}

Exchange_Engine &Form_Write_PassWord::Engine() { return panel_->Engine(); }

void Form_Write_PassWord::Form_Load(QWidget *window, const Main_Sizing &main) {
  Change_Done = false;
  const bool cn = Shared().Lang_Chinese;
  auto text = [cn](const char *en, const char *zh) { return QString::fromUtf8(cn ? zh : en); };
  const QString title = text("Modify PassWord", "修改密码");
  setWindowTitle(title);
  if (window != this) window->setWindowTitle(title);
  Label_old_PassWord->setText(text("Old PassWord", "原密码"));
  Label_New_Password_1->setText(text("New PassWord", "新密码"));
  Label_New_PassWord_2->setText(text("Confirm PassWord", "确认新密码"));
  Command_Write->setText(text("Modify", "修改"));
  Command_Cancel->setText(text("Close", "关闭"));

  const double width = main.Scale_Width / 4;
  const double height = main.Scale_Height / 3;
  Place(window, (main.Scale_Width - width) / 2, (main.Scale_Height - height) / 2 - 500, width, height);
  window->show();
  // Emptying the boxes also sets the old password to six blanks, so a Modify
  // compares what the box shows, never the codes of an earlier opening.
  Text_Old_PassWord->clear();
  Text_New_Password_1->clear();
  Text_New_PassWord_2->clear();
  Fill_Password_Codes(QString(), Shared().Old_Password);
}

void Form_Write_PassWord::Text_Old_PassWord_Change() {
  Fill_Password_Codes(Text_Old_PassWord->text(), Shared().Old_Password);
}

void Form_Write_PassWord::Command_Write_Click() {
  const QString new_text = Text_New_Password_1->text().trimmed();
  const QString confirm = Text_New_PassWord_2->text().trimmed();
  if (confirm != new_text) {
    panel_->Message(Lang_Pair{"Password is not consistent .", "密码不一致"});
    return;
  }
  if (!Printable_Ascii(new_text)) {
    panel_->Message(Lang_Pair{"The new password may hold only letters, digits and the signs of the keyboard .",
                              "新密码只能包含字母、数字和键盘符号 ！"});
    return;
  }
  Fill_Password_Codes(new_text, Shared().New_Password);
  // While an exchange runs this starts nothing and says nothing: the new
  // codes are used if the write frame has not been built yet.
  panel_->Engine().Begin_Write();
}

void Form_Write_PassWord::Command_Cancel_Click() { panel_->Command_Close_Click(); }

void Form_Write_PassWord::Write_Answered(uint8_t byte) {
  Change_Done = true;
  timer4_->Set_Enabled(true);
  if (byte != kAck) return;
  if (!panel_->Message(Lang_Pair{"PassWord Modify Success ! ", "密码修改成功 "},
                       Lang_Pair{"Operate Prompt", "操作提示"}))
    return;
  Shared_State &s = Shared();
  for (int i = 0; i < 6; ++i) {
    s.Old_Password[i] = 32;
    s.New_Password[i] = 32;
  }
  Text_Old_PassWord->clear();
  Text_New_Password_1->clear();
  Text_New_PassWord_2->clear();
}

void Form_Write_PassWord::Timer4_Timer() {
  if (!Change_Done) return;
  MDImain *main = MDImain::Instance();
  if (!main) return;
  Window_Registry &windows = main->Windows();
  // A whole-radio write is never cut in half: the window goes at the first
  // tick after its exchange has ended.
  if (auto *write = windows.Form_As<Form_Comm_Write>(win::Form_Comm_Write); write && write->Engine().Busy())
    return;
  windows.Close(win::Form_Comm_Write);
}

void Form_Write_PassWord::closeEvent(QCloseEvent *event) {
  panel_->Close_Event(event);
  if (event->isAccepted()) timer4_->Set_Enabled(false);
}

}  // namespace zv
