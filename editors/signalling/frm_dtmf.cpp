#include "editors/signalling/frm_dtmf.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <functional>

#include "comm/exchange_engine.h"
#include "comm/exchange_panel.h"
#include "comm/exchange_presets.h"
#include "editors/file_dialog_buttons.h"
#include "image/shared_state.h"
#include "image/signal_defaults.h"
#include "image/symbol_codec.h"
#include "platform/focus_check.h"
#include "platform/key_filter.h"
#include "platform/list_combo.h"
#include "shell/language_texts.h"
#include "shell/main_window.h"

namespace zv {

namespace {

constexpr Caption kCaptions[] = {
    {"Frame_Encode", "DTMF Encode", "DTMF 编码"},
    {"Label_encode_xh", "Number", "编码码组"},
    {"Label_tx_encode", " Code ", "发送编码"},
    {"Label_dtmf_ontime", "DTMF Speed (On Time)", "发码持续时间（MS）"},
    {"Label_dtmf_offtime", "DTMF Speed (Off Time)", "发码间断时间（MS）"},
    {"Label_Group_code", "Group Code", "群呼码"},
    {"Frame_Decode", "DTMF Decode", "DTMF 解码"},
    {"Label_xc", "Inspection", "巡 查 码"},
    {"Label_jt", "Monitor", "监 听 码"},
    {"Label_bj", "Alarm", "报 警 码"},
    {"Label_yy", "Stun", "遥 晕 码"},
    {"Label_yb", "Kill", "遥 毙 码"},
    {"Label_kj", "Revive", "开 机 码"},
    {"Label_Dec_Space_Code", "Space Code", "码组间隔码"},
    {"Label_Reset_Time", "Reset Time(ms)", "复位时间(ms)"},
    {"Label_Rece_End_ProcDelay", "Delay processing time (ms)", "收码结束延迟处理时间(ms)"},
    {"Frame_Ctrl", "Control ID code and control right", "控制ID码及控制权限"},
    {"Check_Ctrl_En", "Function Control by master and vice ID code", "接受主副ID控制"},
    {"Label_PID", "Master Control ID", "主控ID码"},
    {"Label_SID", "Vice Control ID", "副控ID码"},
    {"Label_xcjtyyybkj_2", "      Inspection             Stun                 Revive ", ""},
    {"Label_xcjtyyybkj_1", "              Monitor                Kill",
     "巡查      监听     遥晕     遥毙      开机 "},
    {"Frame_State", "State", "本机状态"},
    {"Check_RX", "RX Disable", "接收禁止"},
    {"Check_Tx", "TX Disable", "发射禁止"},
    {"Command_read", "Read", "读 取"},
    {"Command_Write", "Write", "写  入"},
    {"Command_def", "Default", "默 认"},
    {"Command_save", "Save", "保  存"},
    {"Command_open", "Open", "打  开"},
    {"Command_close", "Close", "关  闭"},
    {"Label_PassWord", "PassWord", "读写密码"},
};

constexpr int kRowH = 300;    // one row of a column of labels and boxes
constexpr int kBoxH = 285;    // a text box or label
constexpr int kListH = 315;   // a list

template <class W>
W *Make(QWidget *parent, const char *name, double left, double top, double width, double height) {
  auto *w = new W(parent);
  w->setObjectName(QString::fromLatin1(name));
  Place(w, left, top, width, height);
  return w;
}

// Shows a list's entry for value; runs store when the shown entry changed.
void Show_Entry(List_Combo *list, int value, bool clamp, const std::function<void()> &store) {
  const int before = list->List_Index();
  const int shown = clamp ? list->Show_Clamped(value) : (list->Show_Index(value) ? value : -1);
  if (shown >= 0 && shown != before) store();
}

// Sets a check box; runs store when its state changed.
void Show_Check(QCheckBox *box, bool on, const std::function<void()> &store) {
  if (box->isChecked() == on) return;
  {
    const QSignalBlocker quiet(box);
    box->setChecked(on);
  }
  store();
}

// The password box opens with "407193", never copied into the typed
// password. The Close button refuses while busy with the busy text; any
// other closing then warns, and the window closes, its exchange stopping.
Exchange_Panel_Setup Panel_Setup() {
  Exchange_Panel_Setup setup;
  setup.initial_password = "407193";
  setup.close_button_text = kBusy_Text;
  setup.busy_closing = Busy_Closing::Warn;
  setup.closing_text = kClosing_Text;
  return setup;
}

}  // namespace

frm_dtmf::frm_dtmf(QWidget *parent)
    : QWidget(parent), panel_(std::make_unique<Exchange_Panel>(this, presets::Dtmf(), Panel_Setup())) {
  setObjectName(QStringLiteral("frm_dtmf"));
  Text_PassWord = panel_->Text_PassWord;
  ProgressBar1 = panel_->ProgressBar1;
  Label_tr_count = panel_->Label_tr_count;
  Exchange_Steps &steps = panel_->Steps();
  steps.Store_Read_Frames = [this] { Store_Read_Frames(); };
  steps.Show_Progress = [this](int n) { Show_Progress(n); };
  steps.Completed = [this] { Completed(); };
  Build_Controls();
}

frm_dtmf::~frm_dtmf() = default;

void frm_dtmf::Build_Controls() {
  // Encode: the 15 codes and the tone timings, with the group code.
  Frame_Encode = Make<QGroupBox>(this, "Frame_Encode", 120, 120, 4320, 6480);
  Make<QLabel>(Frame_Encode, "Label_encode_xh", 120, 240, 900, kBoxH);
  Make<QLabel>(Frame_Encode, "Label_tx_encode", 1080, 240, 3000, kBoxH);
  for (int i = 0; i < 15; ++i) {
    const double top = 540 + i * kRowH;
    auto *label = Make<QLabel>(Frame_Encode, "Label_xh", 120, top, 900, kBoxH);
    label->setAlignment(Qt::AlignCenter);
    Label_xh[static_cast<size_t>(i)] = label;
    Text_tx_Encode[static_cast<size_t>(i)] = Make<QLineEdit>(Frame_Encode, "Text_tx_Encode", 1080, top, 3120, kBoxH);
  }
  Make<QLabel>(Frame_Encode, "Label_dtmf_ontime", 120, 5160, 2700, kBoxH);
  Combo_Enc_ys1 = Make<List_Combo>(Frame_Encode, "Combo_Enc_ys1", 2880, 5130, 1320, kListH);
  Make<QLabel>(Frame_Encode, "Label_dtmf_offtime", 120, 5520, 2700, kBoxH);
  Combo_Enc_ys2 = Make<List_Combo>(Frame_Encode, "Combo_Enc_ys2", 2880, 5490, 1320, kListH);
  Make<QLabel>(Frame_Encode, "Label_Group_code", 120, 5880, 2700, kBoxH);
  Combo_Dec_qh = Make<List_Combo>(Frame_Encode, "Combo_Dec_qh", 2880, 5850, 1320, kListH);

  // Decode: the six remote-function codes and the decode timings.
  Frame_Decode = Make<QGroupBox>(this, "Frame_Decode", 4560, 120, 4560, 3540);
  Frame_jm = Make<QGroupBox>(Frame_Decode, "Frame_jm", 120, 240, 4320, 1980);
  const char *remote_labels[] = {"Label_xc", "Label_jt", "Label_bj", "Label_yy", "Label_yb", "Label_kj"};
  const char *remote_boxes[] = {"Text_XC", "Text_JT", "Text_BJ", "Text_YY", "Text_YB", "Text_KJ"};
  QLineEdit **remote[] = {&Text_XC, &Text_JT, &Text_BJ, &Text_YY, &Text_YB, &Text_KJ};
  for (int k = 0; k < 6; ++k) {
    const double top = 120 + k * kRowH;
    Make<QLabel>(Frame_jm, remote_labels[k], 120, top, 1320, kBoxH);
    *remote[k] = Make<QLineEdit>(Frame_jm, remote_boxes[k], 1500, top, 2700, kBoxH);
  }
  Make<QLabel>(Frame_Decode, "Label_Dec_Space_Code", 120, 2400, 2940, kBoxH);
  Combo_Dec_Space_Code = Make<List_Combo>(Frame_Decode, "Combo_Dec_Space_Code", 3120, 2370, 1320, kListH);
  Make<QLabel>(Frame_Decode, "Label_Rece_End_ProcDelay", 120, 2760, 2940, kBoxH);
  Combo_Dec_Proc_Ys = Make<List_Combo>(Frame_Decode, "Combo_Dec_Proc_Ys", 3120, 2730, 1320, kListH);
  Make<QLabel>(Frame_Decode, "Label_Reset_Time", 120, 3120, 2940, kBoxH);
  Combo_Dec_Res_Time = Make<List_Combo>(Frame_Decode, "Combo_Dec_Res_Time", 3120, 3090, 1320, kListH);

  // Radio state.
  Frame_State = Make<QGroupBox>(this, "Frame_State", 4560, 3780, 4560, 780);
  Check_RX = Make<QCheckBox>(Frame_State, "Check_RX", 240, 330, 2000, kBoxH);
  Check_Tx = Make<QCheckBox>(Frame_State, "Check_Tx", 2400, 330, 2000, kBoxH);

  // Control IDs and their permissions.
  Frame_Ctrl = Make<QGroupBox>(this, "Frame_Ctrl", 9240, 120, 4440, 2880);
  Check_Ctrl_En = Make<QCheckBox>(Frame_Ctrl, "Check_Ctrl_En", 120, 300, 4200, kBoxH);
  Make<QLabel>(Frame_Ctrl, "Label_PID", 120, 660, 1800, kBoxH)->setAlignment(Qt::AlignCenter);
  Text_MID = Make<QLineEdit>(Frame_Ctrl, "Text_MID", 1980, 660, 2340, kBoxH);
  Make<QLabel>(Frame_Ctrl, "Label_SID", 120, 1020, 1800, kBoxH)->setAlignment(Qt::AlignCenter);
  Text_SID = Make<QLineEdit>(Frame_Ctrl, "Text_SID", 1980, 1020, 2340, kBoxH);
  Make<QLabel>(Frame_Ctrl, "Label_xcjtyyybkj_2", 120, 1440, 4200, kBoxH);
  Make<QLabel>(Frame_Ctrl, "Label_xcjtyyybkj_1", 120, 1710, 4200, kBoxH);
  for (int i = 0; i < 5; ++i) {
    const double left = 600 + i * 780;
    Check_M[static_cast<size_t>(i)] = Make<QCheckBox>(Frame_Ctrl, "Check_M", left, 2040, 300, kBoxH);
    Check_S[static_cast<size_t>(i)] = Make<QCheckBox>(Frame_Ctrl, "Check_S", left, 2400, 300, kBoxH);
  }

  // Password and buttons.
  Make<QLabel>(this, "Label_PassWord", 9240, 3180, 1200, kBoxH);
  Place(Text_PassWord, 10500, 3165, 1500, kListH);
  Place(ProgressBar1, 4560, 4740, 9120, 300);
  Place(Label_tr_count, 4560, 5160, 9120, kBoxH);
  Command_read = Make<QPushButton>(this, "Command_read", 9240, 3600, 1380, 375);
  Command_Write = Make<QPushButton>(this, "Command_Write", 10770, 3600, 1380, 375);
  Command_def = Make<QPushButton>(this, "Command_def", 12300, 3600, 1380, 375);
  Command_open = Make<QPushButton>(this, "Command_open", 9240, 4140, 1380, 375);
  Command_save = Make<QPushButton>(this, "Command_save", 10770, 4140, 1380, 375);
  Command_close = Make<QPushButton>(this, "Command_close", 12300, 4140, 1380, 375);

  // Handlers.
  for (int i = 0; i < 15; ++i)
    connect(Text_tx_Encode[static_cast<size_t>(i)], &QLineEdit::textEdited, this,
            [this, i] { Text_tx_Encode_Change(i); });
  connect(Text_XC, &QLineEdit::textEdited, this, &frm_dtmf::Text_XC_Change);
  connect(Text_JT, &QLineEdit::textEdited, this, &frm_dtmf::Text_JT_Change);
  connect(Text_BJ, &QLineEdit::textEdited, this, &frm_dtmf::Text_BJ_Change);
  connect(Text_YY, &QLineEdit::textEdited, this, &frm_dtmf::Text_YY_Change);
  connect(Text_YB, &QLineEdit::textEdited, this, &frm_dtmf::Text_YB_Change);
  connect(Text_KJ, &QLineEdit::textEdited, this, &frm_dtmf::Text_KJ_Change);
  connect(Text_MID, &QLineEdit::textEdited, this, &frm_dtmf::Text_MID_Change);
  connect(Text_SID, &QLineEdit::textEdited, this, &frm_dtmf::Text_SID_Change);
  connect(Check_Ctrl_En, &QCheckBox::clicked, this, &frm_dtmf::Check_Ctrl_En_Click);
  for (int i = 0; i < 5; ++i) {
    connect(Check_M[static_cast<size_t>(i)], &QCheckBox::clicked, this, [this, i] { Check_M_Click(i); });
    connect(Check_S[static_cast<size_t>(i)], &QCheckBox::clicked, this, [this, i] { Check_S_Click(i); });
  }
  connect(Check_RX, &QCheckBox::clicked, this, &frm_dtmf::Check_RX_Click);
  connect(Check_Tx, &QCheckBox::clicked, this, &frm_dtmf::Check_Tx_Click);
  Combo_Enc_ys1->On_Click = [this] { Combo_Enc_ys1_Click(); };
  Combo_Enc_ys2->On_Click = [this] { Combo_Enc_ys2_Click(); };
  Combo_Dec_qh->On_Click = [this] { Combo_Dec_qh_Click(); };
  Combo_Dec_Space_Code->On_Click = [this] { Combo_Dec_Space_Code_Click(); };
  Combo_Dec_Proc_Ys->On_Click = [this] { Combo_Dec_Proc_Ys_Click(); };
  Combo_Dec_Res_Time->On_Click = [this] { Combo_Dec_Res_Time_Click(); };
  connect(Command_close, &QPushButton::clicked, this, &frm_dtmf::Command_close_Click);
  connect(Command_def, &QPushButton::clicked, this, &frm_dtmf::Command_def_Click);
  connect(Command_open, &QPushButton::clicked, this, &frm_dtmf::Command_open_Click);
  connect(Command_save, &QPushButton::clicked, this, &frm_dtmf::Command_save_Click);
  connect(Command_read, &QPushButton::clicked, this, &frm_dtmf::Command_read_Click);
  connect(Command_Write, &QPushButton::clicked, this, &frm_dtmf::Command_Write_Click);

  // Code boxes: the DTMF characters and Enter; nothing once the text
  // without its outer blanks holds 16 characters; Backspace never (Delete
  // and a selection still correct the text). Lower case stays as typed.
  focus_check_ = new Focus_Check(this, panel_->Alive());
  QLineEdit *const others[] = {Text_XC, Text_JT, Text_BJ, Text_YY, Text_YB, Text_KJ, Text_MID, Text_SID};
  std::vector<QLineEdit *> code_boxes(Text_tx_Encode.begin(), Text_tx_Encode.end());
  code_boxes.insert(code_boxes.end(), std::begin(others), std::end(others));
  for (QLineEdit *box : code_boxes) {
    Key_Rule rule;
    rule.allowed = Chars(QStringLiteral("0123456789abcdABCD*#"));
    rule.limit = kCodeFieldLen;
    rule.measure = Limit_Measure::Trimmed;
    rule.backspace = Backspace_Rule::Discarded;
    Key_Filter::Install(box, rule);
    // Leaving a code box redisplays the window.
    focus_check_->Watch(box, [this] { Show_Dtmf(); });
  }
}

void frm_dtmf::Form_Load(QWidget *window, const Main_Sizing &main) {
  // Without a child window (a benchmark) the form is a window of its own.
  if (!window) window = this;
  // 1. The pages are set with the form.
  // 2. Size and position in the main window's client area.
  const double width = main.Width / 1.4;
  const double height = main.Height / 1.55;
  const double top = (main.Scale_Height - height) / 2;
  const double left = (main.Scale_Width - width) / 2;
  Place(window, left, top, width, height);
  // 3. Shown, the encode frame visible.
  window->show();
  Frame_Encode->setVisible(true);
  // 4. Captions.
  setWindowTitle(Lang_Text("DTMF Encode/Decode ", "DTMF 编解码参数编辑"));
  Apply_Captions(this, kCaptions);
  // 5. The exchange idle, its timers off; the bar hidden, the label empty.
  panel_->Engine().Stop();
  ProgressBar1->hide();
  // 6.
  Fill_Dtmf_Lists();
  Show_Dtmf();
}

void frm_dtmf::Form_Activate() { Show_Dtmf(); }

void frm_dtmf::Fill_Dtmf_Lists() {
  QStringList times, delays, resets;
  for (int ms = 50; ms <= 2000; ms += 10) times << QString::number(ms);
  for (int ms = 100; ms <= 4000; ms += 100) delays << QString::number(ms);
  for (int ms = 100; ms <= 20000; ms += 100) resets << QString::number(ms);
  const QStringList codes = {QStringLiteral("*"), QStringLiteral("#"), QStringLiteral("A"),
                             QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
  Combo_Enc_ys1->Set_Items(times);
  Combo_Enc_ys2->Set_Items(times);
  Combo_Dec_qh->Set_Items(codes);
  Combo_Dec_Space_Code->Set_Items(codes);
  Combo_Dec_Proc_Ys->Set_Items(delays);
  Combo_Dec_Res_Time->Set_Items(resets);
  for (int i = 0; i < 15; ++i) Label_xh[static_cast<size_t>(i)]->setText(QString::number(i + 1));
}

// --- the DTMF area ---

int frm_dtmf::Code_Row(const QLineEdit *box) const {
  for (int i = 0; i < 15; ++i)
    if (box == Text_tx_Encode[static_cast<size_t>(i)]) return Dtmf_Enc_Page * 16 + i;
  const QLineEdit *const dec[] = {Text_XC, Text_JT, Text_BJ, Text_YY, Text_YB, Text_KJ};
  for (int k = 0; k < 6; ++k)
    if (box == dec[k]) return Dtmf_Dec_Page * 16 + k;
  return Dtmf_Dec_Page * 16 + (box == Text_MID ? 13 : 14);
}

uint8_t &frm_dtmf::Control_Byte(int byte) { return Shared().Radio_Image(Dtmf_Dec_Page * 16 + 15, byte); }

void frm_dtmf::Store_Code_Row(QLineEdit *box) {
  const Code_Field codes = Text_To_Code_Field(box->text().toStdString());
  const int row = Code_Row(box);
  for (int c = 0; c < kCodeFieldLen; ++c) Shared().Radio_Image(row, c) = codes[static_cast<size_t>(c)];
}

void frm_dtmf::Show_Code_Row(QLineEdit *box) {
  const int row = Code_Row(box);
  Code_Field codes;
  for (int c = 0; c < kCodeFieldLen; ++c) codes[static_cast<size_t>(c)] = Shared().Radio_Image(row, c);
  const QString text = QString::fromStdString(Code_Field_To_Text(codes));
  if (box->text() == text) return;
  {
    const QSignalBlocker quiet(box);
    box->setText(text);
  }
  Store_Code_Row(box);
}

void frm_dtmf::Text_tx_Encode_Change(int index) { Store_Code_Row(Text_tx_Encode[static_cast<size_t>(index)]); }
void frm_dtmf::Text_XC_Change() { Store_Code_Row(Text_XC); }
void frm_dtmf::Text_JT_Change() { Store_Code_Row(Text_JT); }
void frm_dtmf::Text_BJ_Change() { Store_Code_Row(Text_BJ); }
void frm_dtmf::Text_YY_Change() { Store_Code_Row(Text_YY); }
void frm_dtmf::Text_YB_Change() { Store_Code_Row(Text_YB); }
void frm_dtmf::Text_KJ_Change() { Store_Code_Row(Text_KJ); }
void frm_dtmf::Text_MID_Change() { Store_Code_Row(Text_MID); }
void frm_dtmf::Text_SID_Change() { Store_Code_Row(Text_SID); }

void frm_dtmf::Set_Bit(QCheckBox *box, int byte, int mask) {
  uint8_t &b = Control_Byte(byte);
  if (box->isChecked())
    b = static_cast<uint8_t>(b | mask);
  else
    b = static_cast<uint8_t>(b & ~mask);
}

void frm_dtmf::Check_M_Click(int index) { Set_Bit(Check_M[static_cast<size_t>(index)], 1, 1 << index); }
void frm_dtmf::Check_S_Click(int index) { Set_Bit(Check_S[static_cast<size_t>(index)], 2, 1 << index); }
void frm_dtmf::Check_RX_Click() { Set_Bit(Check_RX, 3, 0x01); }
void frm_dtmf::Check_Tx_Click() { Set_Bit(Check_Tx, 3, 0x02); }

void frm_dtmf::Enable_Id_Controls(bool on) {
  Text_MID->setEnabled(on);
  for (QCheckBox *box : Check_M) box->setEnabled(on);
  Text_SID->setEnabled(on);
  for (QCheckBox *box : Check_S) box->setEnabled(on);
}

void frm_dtmf::Check_Ctrl_En_Click() {
  Enable_Id_Controls(Check_Ctrl_En->isChecked());
  Control_Byte(0) = Check_Ctrl_En->isChecked() ? 1 : 0;
}

void frm_dtmf::Store_Position(List_Combo *list, int row, int byte) {
  const int p = list->List_Index();
  if (p < 0) return;
  Shared().Radio_Image(row, byte) = static_cast<uint8_t>(p);
}

void frm_dtmf::Store_Code_Entry(List_Combo *list, int byte) {
  if (list->List_Index() < 0) return;
  Control_Byte(byte) = static_cast<uint8_t>(Dtmf_Char_To_Code(list->currentText().toStdString()));
}

void frm_dtmf::Combo_Enc_ys1_Click() { Store_Position(Combo_Enc_ys1, Dtmf_Enc_Page * 16 + 15, 0); }
void frm_dtmf::Combo_Enc_ys2_Click() { Store_Position(Combo_Enc_ys2, Dtmf_Enc_Page * 16 + 15, 1); }
void frm_dtmf::Combo_Dec_qh_Click() { Store_Code_Entry(Combo_Dec_qh, 4); }
void frm_dtmf::Combo_Dec_Space_Code_Click() { Store_Code_Entry(Combo_Dec_Space_Code, 5); }
void frm_dtmf::Combo_Dec_Proc_Ys_Click() { Store_Position(Combo_Dec_Proc_Ys, Dtmf_Dec_Page * 16 + 15, 6); }
void frm_dtmf::Combo_Dec_Res_Time_Click() { Store_Position(Combo_Dec_Res_Time, Dtmf_Dec_Page * 16 + 15, 7); }

// --- display ---

void frm_dtmf::Show_Dtmf() {
  auto &image = Shared().Radio_Image;
  const int timing_row = Dtmf_Enc_Page * 16 + 15;
  // 1. The encode codes.
  for (QLineEdit *box : Text_tx_Encode) Show_Code_Row(box);
  // 2. On and off time; a byte beyond the list shows, and is stored as, the
  // last entry.
  Show_Entry(Combo_Enc_ys1, image(timing_row, 0), true, [this] { Combo_Enc_ys1_Click(); });
  Show_Entry(Combo_Enc_ys2, image(timing_row, 1), true, [this] { Combo_Enc_ys2_Click(); });
  // 3. Remote-function codes and control IDs.
  for (QLineEdit *box : {Text_XC, Text_JT, Text_BJ, Text_YY, Text_YB, Text_KJ, Text_MID, Text_SID})
    Show_Code_Row(box);
  // 4. Any byte but 0 is on.
  Show_Check(Check_Ctrl_En, Control_Byte(0) != 0, [this] { Check_Ctrl_En_Click(); });
  // 5, 6. Each byte taken once; the stores keep its other bits.
  const int master = Control_Byte(1), vice = Control_Byte(2), state = Control_Byte(3);
  for (int k = 0; k < 5; ++k) {
    Show_Check(Check_M[static_cast<size_t>(k)], (master >> k) & 1, [this, k] { Check_M_Click(k); });
    Show_Check(Check_S[static_cast<size_t>(k)], (vice >> k) & 1, [this, k] { Check_S_Click(k); });
  }
  Show_Check(Check_RX, state & 0x01, [this] { Check_RX_Click(); });
  Show_Check(Check_Tx, state & 0x02, [this] { Check_Tx_Click(); });
  // 7. Group and space code: the code's character, stored nothing. A
  // character without an entry (a digit) shows as the list's text without
  // a chosen entry; a byte that is no code shows nothing.
  for (const auto &[list, byte] : {std::pair{Combo_Dec_qh, 4}, std::pair{Combo_Dec_Space_Code, 5}}) {
    const QString ch = QString::fromStdString(Dtmf_Code_To_Char(Control_Byte(byte)));
    list->setPlaceholderText(ch);
    list->Show_Index(ch.isEmpty() ? -1 : list->findText(ch));
  }
  // 8. Delay and reset time; a byte beyond the list shows no entry and
  // stays as it is.
  Show_Entry(Combo_Dec_Proc_Ys, Control_Byte(6), false, [this] { Combo_Dec_Proc_Ys_Click(); });
  Show_Entry(Combo_Dec_Res_Time, Control_Byte(7), false, [this] { Combo_Dec_Res_Time_Click(); });
  // 9.
  Enable_Id_Controls(Check_Ctrl_En->isChecked());
}

void frm_dtmf::Store_Read_Frames() {
  Exchange_Engine &engine = panel_->Engine();
  engine.Store_Frames(engine.Rx_Frames, 2, 9, Dtmf_Enc_Page * 16);
  Show_Dtmf();
}

// --- buttons and closing ---

Exchange_Engine &frm_dtmf::Engine() { return panel_->Engine(); }
bool frm_dtmf::Busy() const { return panel_->Busy(); }

void frm_dtmf::Command_close_Click() {
  if (panel_->Close_Button_Refuses()) return;
  MDImain *main = MDImain::Instance();
  panel_->Close_Window();
  if (main) {
    main->Windows().Close(win::Form_open_menu);
    main->Windows().Close(win::Form_save_menu);
  }
}

void frm_dtmf::Command_def_Click() {
  if (panel_->Refuse_While_Busy()) return;
  Load_Dtmf_Defaults(Shared().Radio_Image);
  Show_Dtmf();
}

void frm_dtmf::Command_open_Click() {
  Start_File_Dialog(*panel_, win::Form_open_chann, Dialog_Start::Show);
}

void frm_dtmf::Command_save_Click() {
  Start_File_Dialog(*panel_, win::Form_save_chann, Dialog_Start::Show);
}

void frm_dtmf::closeEvent(QCloseEvent *event) { panel_->Close_Event(event); }

// --- the exchange ---

void frm_dtmf::Command_read_Click() { panel_->Start_Read(); }
void frm_dtmf::Command_Write_Click() { panel_->Start_Write(); }

void frm_dtmf::Show_Progress(int n) {
  const Exchange_Params &p = panel_->Engine().Params;
  if (panel_->Engine().Write_Mode)
    panel_->Show_Step(n, p.Write_Blocks, Lang_Text("Writing  ", "正在写入  ") + QString::number(n) + Lang_Text("  Data Block", "  数据块"));
  else
    panel_->Show_Step(n + 1, p.Read_Last + 1,
                      Lang_Text("Reading ", "正在读取 ") + QString::number(n + 1) + Lang_Text(" Data Block", " 数据块"));
}

void frm_dtmf::Completed() {
  if (panel_->Engine().Write_Mode) {
    // The bar keeps its last value.
    if (!panel_->Message(Lang_Text("Complete Written DTMF Signal parameters to the transceiver.", "向对讲机写入 DTMF 信令参数完毕 ！"),
                         Lang_Text("Operate Prompt", "操作提示")))
      return;
    Label_tr_count->setText(Lang_Text("Complete Written DTMF Signal parameters ", "DTMF 信令参数写入完毕 ！"));
  } else {
    // The area is stored and shown already.
    ProgressBar1->show();
    ProgressBar1->setValue(100);
    Label_tr_count->setText(Lang_Text("Read DTMF Signal parameters in gear. ", "DTMF 信令参数读出正常 ！"));
    panel_->Message(Lang_Text("Complete reading the data from transceiver.", "从对讲机中读取数据完毕 ！"),
                    Lang_Text("Operate Prompt", "操作提示"));
  }
}

}  // namespace zv
