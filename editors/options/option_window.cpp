#include "editors/options/option_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "comm/exchange_panel.h"
#include "comm/exchange_presets.h"
#include "editors/file_dialog_buttons.h"
#include "image/freq_codec.h"
#include "image/option_defaults.h"
#include "image/shared_state.h"
#include "image/symbol_codec.h"
#include "image/vfo_record.h"
#include "platform/focus_check.h"
#include "platform/key_filter.h"
#include "platform/list_combo.h"
#include "shell/language_texts.h"
#include "shell/main_window.h"

namespace zv {

namespace {

constexpr int kOptFirstLine = 224;  // option byte i: line 224 + i / 16, column i % 16
constexpr int kPonFirstLine = 248;  // power-on line k: image line 248 + k

// Window title, buttons, the power-on frame and the labels whose captions
// the window sets when it loads.
constexpr Caption kCaptions[] = {
    {"Command_read", "Read", "读 取"},
    {"Command_Write", "Write", "写  入"},
    {"Command_def", "Default", "默 认"},
    {"Command_save", "Save", "保  存"},
    {"Command_open", "Open", "打  开"},
    {"Command_close", "Close", "关  闭"},
    {"Label_PassWord", "PassWord", "读写密码"},
    {"Frame_Pon_Msg", "Power-On Message", "开机显示字符"},
    {"Label_Tdr", "TMR", "多频守侯"},
    {"Label_Sql", "Squelch Level", "静噪电平"},
    {"Label_Tot", "Time Out Timer(TOT)[S]", "发射超时定时器（秒）"},
    {"Label_Apo", "APO[minutes]", "自动关机[分钟]"},
    {"Label_Abr", "ABR", "自动背光"},
    {"Label_Beep", "Beep", "操作提示音"},
    {"Label_Stdtmf", "DTMF-ST", "DTMF侧音"},
    {"Label_Bcl", "BCL", "遇忙禁发"},
    {"Label_Sc_Add", "Scan Add", "扫描添加"},
    {"Label_Scan_rev", "Scan_Rev", "扫描方式"},
    {"Label_Ptt_Lt", "PTT_Delay", "发ID延迟"},
    {"Label_Emc_tp", "Alarm Type", "报警模式"},
    {"Label_Emc_ch", "Alarm Channel", "报警信道"},
    {"Label_Ring", "Ring_Time", "振铃时间"},
    {"Label_MDF_A", "A Channel Disp Way", "A 区信道显示方式"},
    {"Label_MDF_B", "B Channel Disp Way", "B 区信道显示方式"},
    {"Label_MDF_C", "C Channel Disp Way", "C 区信道显示方式"},
    {"Label_MDF_D", "D Channel Disp Way", "D 区信道显示方式"},
    {"Label_Tdr_AB", "TDR Return AB ", "双守返回主频"},
    {"Label_Autolk", "Auto Lock", "自动锁"},
    {"Label_STE", "Tail noise Clear ", "尾音消除"},
    {"Label_RP_STE", "RPT noise Clear", "过中继消尾音"},
    {"Label_RPT_DL", "RPT noise(ms)", "过中继证实音"},
    {"Label_ANI", "ANI", "身份码"},
    {"Label_ANI_L", "Lang", "身份码长"},
    {"Label_REP_S", "Relay Signal ", "中继激活信令"},
    {"Label_REP_M", "Relay Condition ", "中继转发条件"},
    {"Label_ptt_id", "PTT_ID", "PTT_ID"},
    {"Label_Send_Begin", "Press PTT to Send", "按下发码"},
    {"Label_Send_End", "Release PTT to Send", "松开发码"},
    {"Label_Stat1_Fc", "Above Stat Fore Color", "上状态栏前景色"},
    {"Label_Stat1_Bc", "Above Stat Back Color", "上状态栏背景色"},
    {"Label_Main_Fc", "Main Fore Color", "主界面前景色"},
    {"Label_Main_Bc", "Main Back Color", "主界面背景色"},
    {"Label_Menu_Fc", "Menu Fore Color", "菜单显示前景色"},
    {"Label_Menu_Bc", "Menu Back Color", "菜单显示背景色"},
    {"Label_Stat2_Fc", "Below Stat Fore Color", "下状态栏前景色"},
    {"Label_Stat2_Bc", "Below Stat Back Color", "下状态栏背景色"},
    {"Label_Rx_Fc", "RX Character color", "接收时字符颜色"},
    {"Label_Tx_Fc", "TX Character color", "发射时字符颜色"},
    {"Label_Language", "Menu Language", "菜单语言"},
    {"Label_Tx_Disp", "TX Stat Display", "发射时状态栏显示"},
    {"Label_Dtmf_Gain", "DTMF Gain", "DTMF 增益"},
    {"Frame_A", "A Frequency model parameters", "A 区频率模式参数"},
    {"Frame_B", "B Frequency model parameters", "B 区频率模式参数"},
    {"Option_Select_A", " A Frequency model", " A 区频率参数编辑"},
    {"Option_Select_C", " C Frequency model", " C 区频率参数编辑"},
    {"Option_Select_B", " B Frequency model", " B 区频率参数编辑"},
    {"Option_Select_D", " D Frequency model", " D 区频率参数编辑"},
    {"Label_Freq_a", "Frequency", "当前频率"},
    {"Label_Freq_b", "Frequency", "当前频率"},
    {"Label_Txp_a", "TX Power", "发射功率"},
    {"Label_txp_b", "TX Power", "发射功率"},
    {"Label_r_ctdcs_a", "RX QT/DQT", "接收哑音"},
    {"Label_r_ctdcs_b", "RX QT/DQT", "接收哑音"},
    {"Label_t_ctdcs_a", "TX QT/DQT", "发射哑音"},
    {"Label_t_ctdcs_b", "TX QT/DQT", "发射哑音"},
    {"Label_wn_a", "W/N", "信道带宽"},
    {"Label_wn_b", "W/N", "信道带宽"},
    {"Label_step_a", "Step Frequency", "步进频率"},
    {"Label_step_b", "Step Frequency", "步进频率"},
    {"Label_sft_d_a", "SFT_D", "频差方向"},
    {"Label_sft_d_b", "SFT_D", "频差方向"},
    {"Label_Offset_A", "Offset", "频差频率"},
    {"Label_Offset_B", "Offset", "频差频率"},
    {"Label_Optsig_a", "Optional Signal", "可选信令"},
    {"Label_OptSig_b", "Optional Signal", "可选信令"},
    {"Label_S_info_a", "Signal Code", "信令编码"},
    {"Label_S_info_b", "Signal Code", "信令编码"},
    {"Label_Spmute_a", "Speak Mute", "信令关系"},
    {"Label_Spmute_b", "Speak Mute", "信令关系"},
    {"Label_scr_a", "SCR", "扰频"},
    {"Label_Scr_b", "SCR", "扰频"},
};

// Frame captions while the second band of a frame is selected.
constexpr Caption kFrameCaptions[2][2] = {
    {{"Frame_A", "A Frequency model parameters", "A 区频率模式参数"},
     {"Frame_A", "C Frequency model parameters", "C 区频率模式参数"}},
    {{"Frame_B", "B Frequency model parameters", "B 区频率模式参数"},
     {"Frame_B", "D Frequency model parameters", "D 区频率模式参数"}},
};

// A row of a column of label and control: the label's name and the control.
struct Row_Def {
  const char *label;
  const char *control;
};

constexpr Row_Def kFrame5_Rows[] = {
    {"Label_Tdr", "Combo_Tdr"},          {"Label_Sql", "Combo_Sql"},        {"Label_Tot", "Combo_tot"},
    {"Label_Apo", "Combo_Apo"},          {"Label_Abr", "Combo_Abr"},        {"Label_Beep", "Combo_Beep"},
    {"Label_Stdtmf", "Combo_Dtmfst"},    {"Label_Bcl", "Combo_Bcl"},        {"Label_Sc_Add", "Combo_Sc_Add"},
    {"Label_Scan_rev", "Combo_Sc_rev"},  {"Label_Ptt_Lt", "Combo_Ptt_lt"},  {"Label_Emc_tp", "Combo_Emc_Tp"},
    {"Label_Emc_ch", "Combo_Emc_Ch"},    {"Label_Ring", "Combo_ring"},      {"Label_MDF_A", "Combo_MDF_A"},
    {"Label_MDF_B", "Combo_MDF_B"},      {"Label_MDF_C", "Combo_MDF_C"},    {"Label_MDF_D", "Combo_MDF_D"},
    {"Label_Tdr_AB", "Combo_TDR_AB"},    {"Label_Autolk", "Combo_Autolk"},
};
constexpr Row_Def kFrame4_Rows[] = {
    {"Label_STE", "Combo_STE"}, {"Label_RP_STE", "Combo_RP_STE"}, {"Label_RPT_DL", "Combo_RPT_DL"},
    {"Label_ANI", "Text_ANI"},  {"Label_ANI_L", "Combo_ANI_L"},
};
constexpr Row_Def kFrame6_Rows[] = {
    {"Label_REP_S", "Combo_REP_S"},           {"Label_REP_M", "Combo_REP_M"},
    {"Label_ptt_id", "Combo_Ptt_id"},         {"Label_Send_Begin", "Text_PttId_Begin"},
    {"Label_Send_End", "Text_PttId_End"},
};
constexpr Row_Def kFrame2_Rows[] = {
    {"Label_Stat1_Fc", "Combo_stat1_Fc"}, {"Label_Stat1_Bc", "Combo_Stat1_Bc"},
    {"Label_Main_Fc", "Combo_Main_Fc"},   {"Label_Main_Bc", "Combo_Main_Bc"},
    {"Label_Menu_Fc", "Combo_Menu_Fc"},   {"Label_Menu_Bc", "Combo_Menu_Bc"},
    {"Label_Stat2_Fc", "Combo_Stat2_Fc"}, {"Label_Stat2_Bc", "Combo_Stat2_Bc"},
    {"Label_Rx_Fc", "Combo_Rx_Fc"},       {"Label_Tx_Fc", "Combo_Tx_Fc"},
    {"Label_Language", "Combo_Language"}, {"Label_Tx_Disp", "Combo_Tx_Disp"},
    {"Label_Dtmf_Gain", "Combo_Dtmf_Gain"},
};
// The rows of a frequency-mode frame below its two band buttons; the
// frequency row has its unit label.
constexpr Row_Def kVfo_Rows[2][12] = {
    {{"Label_Freq_a", "Text_Freq_a"},
     {"Label_Txp_a", "Combo_txp_a"},
     {"Label_r_ctdcs_a", "Combo_r_ctdcs_a"},
     {"Label_t_ctdcs_a", "Combo_t_ctdcs_a"},
     {"Label_wn_a", "Combo_wn_a"},
     {"Label_step_a", "Combo_step_a"},
     {"Label_sft_d_a", "Combo_sft_d_a"},
     {"Label_Offset_A", "Combo_Offset_A"},
     {"Label_Optsig_a", "Combo_Optsig_a"},
     {"Label_S_info_a", "Combo_S_info_a"},
     {"Label_Spmute_a", "Combo_Spmute_a"},
     {"Label_scr_a", "Combo_Scr_a"}},
    {{"Label_Freq_b", "Text_Freq_b"},
     {"Label_txp_b", "Combo_txp_b"},
     {"Label_r_ctdcs_b", "Combo_r_ctdcs_b"},
     {"Label_t_ctdcs_b", "Combo_t_ctdcs_b"},
     {"Label_wn_b", "Combo_wn_b"},
     {"Label_step_b", "Combo_step_b"},
     {"Label_sft_d_b", "Combo_sft_d_b"},
     {"Label_Offset_B", "Combo_offset_b"},
     {"Label_OptSig_b", "Combo_OptSig_b"},
     {"Label_S_info_b", "Combo_S_info_b"},
     {"Label_Spmute_b", "Combo_Spmute_b"},
     {"Label_Scr_b", "Combo_Scr_b"}},
};

constexpr int kRowHeight = 315;

QString Spaces_Trimmed(const QString &text) {
  int a = 0, b = text.size();
  while (a < b && text.at(a) == QLatin1Char(' ')) ++a;
  while (b > a && text.at(b - 1) == QLatin1Char(' ')) --b;
  return text.mid(a, b - a);
}

QGroupBox *Make_Frame(QWidget *parent, const char *name, double left, double top, double width, double height) {
  auto *frame = new QGroupBox(parent);
  frame->setObjectName(QString::fromLatin1(name));
  Place(frame, left, top, width, height);
  return frame;
}

}  // namespace

frm_option::frm_option(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frm_option"));
  Build_Controls();
}

frm_option::~frm_option() = default;

QString frm_option::Text(const char *en, const char *cn) const {
  return QString::fromUtf8(Shared().Lang_Chinese ? cn : en);
}

List_Combo *frm_option::Combo(const QString &name) const {
  const auto &table = Option_List_Table();
  for (int r = 0; r < kOptionLists; ++r)
    if (name == QLatin1String(table[r].name)) return lists_[static_cast<size_t>(r)];
  return nullptr;
}

void frm_option::Build_Controls() {
  // The exchange: engine, progress bar and label, password box. While it
  // runs the window refuses every closing, so that a write to the radio is
  // never cut off half-way.
  Exchange_Panel_Setup setup;
  setup.initial_password = "";
  setup.close_button_text = kClosing_Text;
  setup.busy_closing = Busy_Closing::Refuse;
  setup.closing_text = kClosing_Text;
  panel_ = std::make_unique<Exchange_Panel>(this, presets::Options(), setup);
  Exchange_Steps &steps = panel_->Steps();
  steps.Store_Read_Frames = [this] { Store_Read_Frames(); };
  steps.Show_Progress = [this](int n) { Show_Progress(n); };
  steps.Completed = [this] { Completed(); };

  const auto &table = Option_List_Table();
  for (int r = 0; r < kOptionLists; ++r) {
    auto *list = new List_Combo(this);
    list->setObjectName(QString::fromLatin1(table[r].name));
    lists_[static_cast<size_t>(r)] = list;
    if (table[r].frame < 0)
      list->On_Click = [this, r] { List_Click(r); };
    else
      list->On_Click = [this, r] { Frame_List_Click(r); };
  }

  Frame5 = Make_Frame(this, "Frame5", 120, 120, 3855, 7695);
  Frame_A = Make_Frame(this, "Frame_A", 4080, 120, 3015, 5655);
  Frame_B = Make_Frame(this, "Frame_B", 7200, 120, 3015, 5655);
  Frame_Pon_Msg = Make_Frame(this, "Frame_Pon_Msg", 10320, 120, 3375, 2775);
  Frame4 = Make_Frame(this, "Frame4", 4080, 5760, 3015, 2055);
  Frame6 = Make_Frame(this, "Frame6", 7200, 5760, 3015, 2055);
  Frame2 = Make_Frame(this, "Frame2", 10320, 2880, 3375, 4935);

  auto make_box = [this](const char *name) {
    auto *box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    return box;
  };
  Text_ANI = make_box("Text_ANI");
  Text_PttId_Begin = make_box("Text_PttId_Begin");
  Text_PttId_End = make_box("Text_PttId_End");
  Text_Freq_a = make_box("Text_Freq_a");
  Text_Freq_b = make_box("Text_Freq_b");

  // A column of rows in a frame: the label left, the control right.
  auto place_rows = [this](QGroupBox *frame, const Row_Def *rows, int n, double top, double step,
                           double label_width, double control_left, double control_width) {
    for (int i = 0; i < n; ++i) {
      auto *label = new QLabel(frame);
      label->setObjectName(QString::fromLatin1(rows[i].label));
      Place(label, 120, top + i * step + 30, label_width, kRowHeight);
      QWidget *control = findChild<QWidget *>(QString::fromLatin1(rows[i].control));
      control->setParent(frame);
      Place(control, control_left, top + i * step, control_width, kRowHeight);
    }
  };
  place_rows(Frame5, kFrame5_Rows, 20, 240, 370, 1850, 2040, 1695);
  place_rows(Frame4, kFrame4_Rows, 5, 200, 360, 1300, 1440, 1455);
  place_rows(Frame6, kFrame6_Rows, 5, 200, 360, 1300, 1440, 1455);
  place_rows(Frame2, kFrame2_Rows, 13, 200, 360, 1650, 1800, 1455);

  // The frequency-mode frames: two band buttons, then twelve rows.
  for (int f = 0; f < 2; ++f) {
    Vfo_Frame &vf = frames_[static_cast<size_t>(f)];
    vf.frame = f == 0 ? Frame_A : Frame_B;
    vf.freq = f == 0 ? Text_Freq_a : Text_Freq_b;
    vf.first = new QRadioButton(vf.frame);
    vf.second = new QRadioButton(vf.frame);
    vf.first->setObjectName(QString::fromLatin1(f == 0 ? "Option_Select_A" : "Option_Select_B"));
    vf.second->setObjectName(QString::fromLatin1(f == 0 ? "Option_Select_C" : "Option_Select_D"));
    Place(vf.first, 120, 240, 2775, 300);
    Place(vf.second, 120, 570, 2775, 300);
    vf.first->setChecked(true);
    place_rows(vf.frame, kVfo_Rows[f], 12, 960, 380, 1150, 1260, 1350);
    // The unit labels of the frequency and the offset.
    const char *units[2] = {f == 0 ? "Label28" : "Label33", f == 0 ? "Label3" : "Label4"};
    for (int u = 0; u < 2; ++u) {
      auto *unit = new QLabel(QStringLiteral("MHZ"), vf.frame);
      unit->setObjectName(QString::fromLatin1(units[u]));
      Place(unit, 2640, 960 + (u == 0 ? 0 : 7 * 380) + 30, 360, kRowHeight);
    }
  }
  Option_Select_A = frames_[0].first;
  Option_Select_C = frames_[0].second;
  Option_Select_B = frames_[1].first;
  Option_Select_D = frames_[1].second;
  // The frequency boxes leave room for their unit label.
  Place(Text_Freq_a, 1260, 960, 1320, kRowHeight);
  Place(Text_Freq_b, 1260, 960, 1320, kRowHeight);
  connect(Option_Select_A, &QRadioButton::clicked, this, &frm_option::Option_Select_A_Click);
  connect(Option_Select_C, &QRadioButton::clicked, this, &frm_option::Option_Select_C_Click);
  connect(Option_Select_B, &QRadioButton::clicked, this, &frm_option::Option_Select_B_Click);
  connect(Option_Select_D, &QRadioButton::clicked, this, &frm_option::Option_Select_D_Click);

  // The power-on frame: eight boxes in a column, the flags and the work mode
  // beside them.
  for (int k = 0; k < 8; ++k) {
    auto *box = new QLineEdit(Frame_Pon_Msg);
    box->setObjectName(QStringLiteral("Text_Pon_Msg(%1)").arg(k));
    Place(box, 120, 240 + k * 300, 1500, 285);
    Text_Pon_Msg[static_cast<size_t>(k)] = box;
  }
  Check_Mode_En = new QCheckBox(QStringLiteral("VFO/MR En"), Frame_Pon_Msg);
  Check_Mode_En->setObjectName(QStringLiteral("Check_Mode_En"));
  Check_Reset_En = new QCheckBox(QStringLiteral("Reset En"), Frame_Pon_Msg);
  Check_Reset_En->setObjectName(QStringLiteral("Check_Reset_En"));
  Option1 = new QRadioButton(QStringLiteral("freq mode"), Frame_Pon_Msg);
  Option1->setObjectName(QStringLiteral("Option1"));
  Option2 = new QRadioButton(QStringLiteral("channle mode"), Frame_Pon_Msg);
  Option2->setObjectName(QStringLiteral("Option2"));
  Place(Check_Mode_En, 1800, 300, 1480, 300);
  Place(Check_Reset_En, 1800, 720, 1480, 300);
  Place(Option1, 1800, 1380, 1480, 300);
  Place(Option2, 1800, 1800, 1480, 300);

  // The bottom row.
  auto make_button = [this](QPushButton *&button, const char *name, double left) {
    button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    Place(button, left, 8520, 1215, 495);
  };
  make_button(Command_read, "Command_read", 840);
  make_button(Command_Write, "Command_Write", 2400);
  make_button(Command_def, "Command_def", 4080);
  make_button(Command_save, "Command_save", 5760);
  make_button(Command_open, "Command_open", 7440);
  make_button(Command_close, "Command_close", 9120);
  Label_PassWord = new QLabel(this);
  Label_PassWord->setObjectName(QStringLiteral("Label_PassWord"));
  Place(Label_PassWord, 10560, 8640, 1150, 285);
  ProgressBar1 = panel_->ProgressBar1;
  Label_tr_count = panel_->Label_tr_count;
  Text_PassWord = panel_->Text_PassWord;
  Place(panel_->Text_PassWord, 11760, 8640, 1455, 285);
  Place(panel_->ProgressBar1, 120, 7920, 7575, 495);
  Place(panel_->Label_tr_count, 7800, 8040, 2400, 285);

  // Stores.
  connect(Check_Mode_En, &QCheckBox::clicked, this, &frm_option::Check_Mode_En_Click);
  connect(Check_Reset_En, &QCheckBox::clicked, this, &frm_option::Check_Reset_En_Click);
  connect(Option1, &QRadioButton::clicked, this, &frm_option::Option1_Click);
  connect(Option2, &QRadioButton::clicked, this, &frm_option::Option2_Click);
  connect(Text_ANI, &QLineEdit::textEdited, this, &frm_option::Text_ANI_Change);
  connect(Text_PttId_Begin, &QLineEdit::textEdited, this, &frm_option::Text_PttId_Begin_Change);
  connect(Text_PttId_End, &QLineEdit::textEdited, this, &frm_option::Text_PttId_End_Change);
  for (int k = 0; k < 8; ++k)
    connect(Text_Pon_Msg[static_cast<size_t>(k)], &QLineEdit::textEdited, this,
            [this, k] { Text_Pon_Msg_Change(k); });
  connect(Text_Freq_a, &QLineEdit::textEdited, this, &frm_option::Text_Freq_a_Change);
  connect(Text_Freq_b, &QLineEdit::textEdited, this, &frm_option::Text_Freq_b_Change);
  connect(Command_close, &QPushButton::clicked, this, &frm_option::Command_close_Click);
  connect(Command_def, &QPushButton::clicked, this, &frm_option::Command_def_Click);
  connect(Command_open, &QPushButton::clicked, this, &frm_option::Command_open_Click);
  connect(Command_save, &QPushButton::clicked, this, &frm_option::Command_save_Click);
  connect(Command_read, &QPushButton::clicked, this, &frm_option::Command_read_Click);
  connect(Command_Write, &QPushButton::clicked, this, &frm_option::Command_Write_Click);

  // Length limits: a full code box (16, whole text) or power-on box (8,
  // without outer blanks) takes no key, Backspace included; Delete and a
  // selection still correct it. A code box holds at most 16 characters, so
  // a paste is cut there and never reaches the next field.
  for (QLineEdit *box : {Text_ANI, Text_PttId_Begin, Text_PttId_End}) {
    Key_Rule rule;
    rule.limit = kCodeFieldLen;
    rule.measure = Limit_Measure::Whole;
    rule.backspace = Backspace_Rule::Refused_When_Full;
    Key_Filter::Install(box, rule);
  }
  for (QLineEdit *box : Text_Pon_Msg) {
    Key_Rule rule;
    rule.limit = 8;
    rule.measure = Limit_Measure::Trimmed;
    rule.backspace = Backspace_Rule::Refused_When_Full;
    Key_Filter::Install(box, rule);
  }
  // Frequency boxes: digits and the point; "." not into an empty box, no
  // digit once nine characters stand (a selection does not count), judged
  // on the text without outer blanks.
  for (QLineEdit *box : {Text_Freq_a, Text_Freq_b}) {
    Key_Rule rule;
    rule.allowed = [box](QChar c) {
      const QString text = Spaces_Trimmed(box->text());
      if (c == QLatin1Char('.')) return !text.isEmpty();
      if (c.isDigit() && c.unicode() < 128) return text.size() <= 8;
      return false;
    };
    Key_Filter::Install(box, rule);
  }

  // Checks on leaving a box, on a real focus move inside the window.
  focus_check_ = new Focus_Check(this, panel_->Alive());
  focus_check_->Watch(Text_ANI, [this] { Text_ANI_LostFocus(); });
  for (int k = 0; k < 8; ++k)
    focus_check_->Watch(Text_Pon_Msg[static_cast<size_t>(k)], [this, k] { Text_Pon_Msg_LostFocus(k); });
  focus_check_->Watch(Text_Freq_a, [this] { Text_Freq_a_LostFocus(); });
  focus_check_->Watch(Text_Freq_b, [this] { Text_Freq_b_LostFocus(); });
}

void frm_option::Set_Captions() {
  Apply_Captions(this, kCaptions);
}

void frm_option::Form_Load(QWidget *window, const Main_Sizing &main) {
  if (!window) window = this;
  // 1. Bands A and B selected (the controls are made so); nothing shown yet.
  // 2. Captions.
  setWindowTitle(Text("Optional Features", "可选参数编辑"));
  Set_Captions();
  // 3. Size and position in the main window's client area.
  const double width = main.Width / 1.48;
  const double height = main.Height / 1.16;
  const double top = (main.Scale_Height - height) / 2;
  const double left = (main.Scale_Width - width) / 2;
  Place(window, left, top, width, height);
  // 4. Shown.
  window->show();
  // 5, 6. The exchange idle, its timers off.
  panel_->Engine().Stop();
  // 7, 8.
  Fill_Option_Lists();
  Show_Options();
  // 9.
  panel_->ProgressBar1->hide();
}

void frm_option::Form_Activate() { Show_Options(); }

void frm_option::Fill_Option_Lists() {
  const auto &table = Option_List_Table();
  const bool cn = Shared().Lang_Chinese;
  for (int r = 0; r < kOptionLists; ++r) {
    QStringList items;
    for (const std::string &item : Option_List_Items(table[r].items, cn)) items << QString::fromStdString(item);
    lists_[static_cast<size_t>(r)]->Set_Items(items);
  }
}

// --- the option area ---

void frm_option::Block_Copy() {
  auto &s = Shared();
  for (int i = 0; i < kOptionBytes; ++i) s.Radio_Image(kOptFirstLine + i / 16, i % 16) = s.Opt_Block[static_cast<size_t>(i)];
}

void frm_option::List_Click(int row) {
  const int p = lists_[static_cast<size_t>(row)]->List_Index();
  if (p < 0) return;
  Shared().Opt_Block[static_cast<size_t>(Option_List_Table()[row].offset)] = static_cast<uint8_t>(p);
  Block_Copy();
}

void frm_option::Set_Flag(QCheckBox *box, int mask) {
  uint8_t &flags = Shared().Opt_Block[Opt_Addr_Flags];
  if (box->checkState() == Qt::Checked)
    flags = static_cast<uint8_t>(flags | mask);
  else
    flags = static_cast<uint8_t>(flags & (255 - mask));
  Block_Copy();
}

void frm_option::Check_Mode_En_Click() { Set_Flag(Check_Mode_En, 8); }
void frm_option::Check_Reset_En_Click() { Set_Flag(Check_Reset_En, 2); }

void frm_option::Set_Work_Mode(int mode) {
  for (int offset : {Opt_Addr_Mode_A, Opt_Addr_Mode_B, Opt_Addr_Mode_C, Opt_Addr_Mode_D})
    Shared().Opt_Block[static_cast<size_t>(offset)] = static_cast<uint8_t>(mode);
  Block_Copy();
}

void frm_option::Option1_Click() { Set_Work_Mode(0); }
void frm_option::Option2_Click() { Set_Work_Mode(1); }

void frm_option::Store_Code_Field(QLineEdit *box, int offset) {
  auto &s = Shared();
  const Code_Field codes = Text_To_Code_Field(box->text().toStdString());
  for (int i = 0; i < kCodeFieldLen; ++i) {
    s.Opt_Block[static_cast<size_t>(offset + i)] = codes[static_cast<size_t>(i)];
    s.Radio_Image(kOptFirstLine + offset / 16, i) = codes[static_cast<size_t>(i)];
  }
}

void frm_option::Text_ANI_Change() { Store_Code_Field(Text_ANI, Opt_Addr_Ani); }
void frm_option::Text_PttId_Begin_Change() { Store_Code_Field(Text_PttId_Begin, Opt_Addr_PttId_Bot); }
void frm_option::Text_PttId_End_Change() { Store_Code_Field(Text_PttId_End, Opt_Addr_PttId_Eot); }

void frm_option::Text_ANI_LostFocus() {
  // The codes are stored already; a refused text stays stored.
  const QString t = Spaces_Trimmed(Text_ANI->text());
  QString refusal;
  if (t.size() < 3 || t.size() > 5)
    refusal = Text("ANI ID code length is 3 to 5 digit.", "身份码长度为 3 - 5 位 ！");
  else if (QString::compare(t, QStringLiteral("00000")) < 0 || QString::compare(t, QStringLiteral("99999")) > 0)
    refusal = Text(" Available ANI ID code from 00000 to 99999. ", " 身份码的有效数字为 00000 - 99999 ");
  if (refusal.isEmpty()) return;
  Focus_Check::Refuse_Field(panel_->Alive(), Text_ANI, refusal, Text("Operate Prompt", "操作提示"));
}

void frm_option::Text_Pon_Msg_Change(int k) {
  const auto bytes = Text_To_Centred_Display<8>(Text_Pon_Msg[static_cast<size_t>(k)]->text().toStdString());
  const int first = 8 * (k % 2);
  for (int i = 0; i < 8; ++i) Shared().Radio_Image(kPonFirstLine + k / 2, first + i) = bytes[static_cast<size_t>(i)];
}

void frm_option::Text_Pon_Msg_LostFocus(int) { Show_Options(); }

// --- display ---

void frm_option::Show_Options() {
  auto &s = Shared();
  // 1. The working copy from the image.
  for (int i = 0; i < kOptionBytes; ++i) s.Opt_Block[static_cast<size_t>(i)] = s.Radio_Image(kOptFirstLine + i / 16, i % 16);
  // 2. The 40 settings; a byte beyond its list shows the last item and is
  // stored as its index.
  const auto &table = Option_List_Table();
  for (int r = 0; r < kSettingLists; ++r) {
    List_Combo *list = lists_[static_cast<size_t>(r)];
    const int b = s.Opt_Block[static_cast<size_t>(table[r].offset)];
    list->Show_Clamped(b);
    List_Click(r);
  }
  // 3. The flags, both boxes from the byte as read.
  const int flags = s.Opt_Block[Opt_Addr_Flags];
  {
    const QSignalBlocker q1(Check_Mode_En), q2(Check_Reset_En);
    Check_Mode_En->setCheckState((flags & 8) ? Qt::Checked : Qt::Unchecked);
    Check_Reset_En->setCheckState((flags & 2) ? Qt::Checked : Qt::Unchecked);
  }
  Check_Mode_En_Click();
  Check_Reset_En_Click();
  // 4. The code boxes, closed up.
  const std::pair<QLineEdit *, int> codes[] = {
      {Text_ANI, Opt_Addr_Ani}, {Text_PttId_Begin, Opt_Addr_PttId_Bot}, {Text_PttId_End, Opt_Addr_PttId_Eot}};
  for (const auto &c : codes) {
    Code_Field field;
    for (int i = 0; i < kCodeFieldLen; ++i) field[static_cast<size_t>(i)] = s.Opt_Block[static_cast<size_t>(c.second + i)];
    {
      const QSignalBlocker quiet(c.first);
      c.first->setText(QString::fromStdString(Code_Field_To_Text(field)));
    }
    Store_Code_Field(c.first, c.second);
  }
  // 5. The frequency-mode records.
  Show_Vfo_AC();
  Show_Vfo_BD();
  // 6. The power-on texts.
  for (int k = 0; k < 8; ++k) {
    std::array<uint8_t, 8> half;
    for (int i = 0; i < 8; ++i) half[static_cast<size_t>(i)] = s.Radio_Image(kPonFirstLine + k / 2, 8 * (k % 2) + i);
    QLineEdit *box = Text_Pon_Msg[static_cast<size_t>(k)];
    {
      const QSignalBlocker quiet(box);
      box->setText(QString::fromStdString(Display_To_Text(half)));
    }
    Text_Pon_Msg_Change(k);
  }
}

// --- frequency-mode records ---

int frm_option::Frame_Band(int f) const {
  const Vfo_Frame &vf = frames_[static_cast<size_t>(f)];
  return vf.first->isChecked() ? f : f + 2;
}

uint8_t &frm_option::Record_Byte(int band, int byte) {
  return Shared().Radio_Image(Vfo_Line(band, byte), Vfo_Col(byte));
}

void frm_option::Select_Band(int f, bool second) {
  Vfo_Frame &vf = frames_[static_cast<size_t>(f)];
  QRadioButton *button = second ? vf.second : vf.first;
  if (button->isChecked()) {
    const Caption &c = kFrameCaptions[f][second ? 1 : 0];
    vf.frame->setTitle(Text(c.en, c.cn));
  }
  Show_Vfo(f);
}

void frm_option::Option_Select_A_Click() { Select_Band(0, false); }
void frm_option::Option_Select_C_Click() { Select_Band(0, true); }
void frm_option::Option_Select_B_Click() { Select_Band(1, false); }
void frm_option::Option_Select_D_Click() { Select_Band(1, true); }

void frm_option::Show_Vfo_AC() { Show_Vfo(0); }
void frm_option::Show_Vfo_BD() { Show_Vfo(1); }

void frm_option::Show_Vfo(int f) {
  const int band = Frame_Band(f);
  const Vfo_Frame &vf = frames_[static_cast<size_t>(f)];
  const auto &table = Option_List_Table();
  // The frequency: shown, never written back.
  Digit_Freq digits;
  for (int i = 0; i < 8; ++i) digits[static_cast<size_t>(i)] = Record_Byte(band, kVfoFreqByte + i);
  {
    const QSignalBlocker quiet(vf.freq);
    vf.freq->setText(QString::fromStdString(Vfo_Freq_Text(digits)));
  }
  Text_Freq_Change(f);
  // The eleven lists, each stored back as shown.
  for (int r = kSettingLists; r < kOptionLists; ++r) {
    const Option_List_Row &row = table[r];
    if (row.frame != f) continue;
    List_Combo *list = lists_[static_cast<size_t>(r)];
    if (row.items == Option_Items::Offset) {
      std::array<uint8_t, 6> bytes;
      for (int i = 0; i < 6; ++i) bytes[static_cast<size_t>(i)] = Record_Byte(band, row.record_byte + i);
      list->Show_Index(Vfo_Offset_Item(bytes));
    } else if (row.items == Option_Items::Tone) {
      const Vfo_Tone_Show tone = Vfo_Tone_Item(Record_Byte(band, row.record_byte), Record_Byte(band, row.record_byte + 1));
      list->setPlaceholderText(QString::fromStdString(tone.text));
      list->Show_Index(tone.item);
      // A pair without an item shows its text (or nothing) and stays as it is.
      if (tone.item < 0) continue;
    } else {
      list->Show_Clamped(Record_Byte(band, row.record_byte));
    }
    Frame_List_Click(r);
  }
}

void frm_option::Frame_List_Click(int r) {
  const Option_List_Row &row = Option_List_Table()[r];
  const int p = lists_[static_cast<size_t>(r)]->List_Index();
  if (p < 0) return;
  const int band = Frame_Band(row.frame);
  if (row.items == Option_Items::Offset) {
    const auto bytes = Vfo_Offset_Bytes(p);
    for (int i = 0; i < 6; ++i) Record_Byte(band, row.record_byte + i) = bytes[static_cast<size_t>(i)];
  } else if (row.items == Option_Items::Tone) {
    const auto bytes = Vfo_Tone_Bytes(p);
    Record_Byte(band, row.record_byte) = bytes[0];
    Record_Byte(band, row.record_byte + 1) = bytes[1];
  } else {
    Record_Byte(band, row.record_byte) = static_cast<uint8_t>(p);
  }
}

void frm_option::Text_Freq_a_Change() { Text_Freq_Change(0); }
void frm_option::Text_Freq_b_Change() { Text_Freq_Change(1); }
void frm_option::Text_Freq_a_LostFocus() { Text_Freq_LostFocus(0); }
void frm_option::Text_Freq_b_LostFocus() { Text_Freq_LostFocus(1); }

void frm_option::Text_Freq_Change(int f) {
  QLineEdit *box = frames_[static_cast<size_t>(f)].freq;
  if (box->text().size() <= 9) return;
  // Emptied with its signals blocked, so the check does not run again.
  {
    const QSignalBlocker quiet(box);
    box->clear();
  }
  Focus_Check::Refuse_Field(panel_->Alive(), box, Text("Over the range of  frequency .", "频率超出范围 ！"),
                            Text("Operate prompt", "操作提示"));
}

void frm_option::Text_Freq_LostFocus(int f) {
  QLineEdit *box = frames_[static_cast<size_t>(f)].freq;
  Vfo_Freq_Entry entry = Vfo_Freq_From_Text(box->text().toStdString());
  if (!entry.storable || Freq_Out_Of_Band(entry.mhz, Shared().Bands) == 255) {
    // Chinese in both languages.
    if (!Focus_Check::Refuse_Field(panel_->Alive(), box, QStringLiteral("当前工作频率超出范围 ！"),
                                   QStringLiteral("操作提示")))
      return;
    // The lower limit of the band the frame shows: always in band.
    const Band_Limits &b = Shared().Bands;
    const double low = f == 0 ? (frames_[0].first->isChecked() ? b.Band_A_Low : b.Band_C_Low)
                              : (frames_[1].first->isChecked() ? b.Band_B_Low : b.Band_D_Low);
    entry = Vfo_Freq_From_Text(Vfo_Reset_Text(low));
  }
  {
    const QSignalBlocker quiet(box);
    box->setText(QString::fromStdString(entry.text));
  }
  Text_Freq_Change(f);
  const int band = Frame_Band(f);
  for (int i = 0; i < 8; ++i) Record_Byte(band, kVfoFreqByte + i) = entry.digits[static_cast<size_t>(i)];
  Show_Vfo(f);
}

// --- buttons and closing ---

bool frm_option::Busy() const { return panel_->Busy(); }

void frm_option::Command_def_Click() {
  if (panel_->Refuse_While_Busy()) return;
  panel_->ProgressBar1->hide();
  panel_->ProgressBar1->setValue(0);
  panel_->Label_tr_count->clear();
  Load_Option_Defaults(Shared().Opt_Block, Shared().Radio_Image);
  Show_Options();
}

void frm_option::Command_open_Click() {
  Start_File_Dialog(*panel_, win::Form_open_chann, Dialog_Start::Show);
}

void frm_option::Command_save_Click() {
  Start_File_Dialog(*panel_, win::Form_save_chann, Dialog_Start::Reopen);
}

void frm_option::Command_close_Click() { panel_->Command_Close_Click(); }

void frm_option::closeEvent(QCloseEvent *event) { panel_->Close_Event(event); }

// --- the exchange ---

void frm_option::Command_read_Click() { panel_->Start_Read(); }
void frm_option::Command_Write_Click() { panel_->Start_Write(); }

void frm_option::Store_Read_Frames() {
  Exchange_Engine &engine = panel_->Engine();
  engine.Store_Frames(engine.Rx_Frames, 2, engine.Read_Last + 1, kOptFirstLine);
  Show_Options();
}

void frm_option::Show_Progress(int n) {
  if (panel_->Engine().Write_Mode) {
    panel_->Show_Step(n, 32, Text("Writing  ", "正在写入  ") + QString::number(n) + Text("  Data Block", "  数据块"));
  } else {
    panel_->Show_Step(n + 1, 9, Text("Reading ", "正在读取 ") + QString::number(n + 1) + Text(" Data Block", " 数据块"));
  }
}

void frm_option::Completed() {
  if (panel_->Engine().Write_Mode) {
    if (!panel_->Message(Text("Complete writing optional parameters to the transceiver.", "向对讲机写入可选参数完毕 ！"),
                         Text("Operate Prompt", "操作提示")))
      return;
    panel_->Label_tr_count->setText(Text("Complete writing optional parameters ", "可选参数写入完毕 ！"));
  } else {
    panel_->ProgressBar1->show();
    panel_->ProgressBar1->setValue(100);
    panel_->Label_tr_count->setText(Text("Read optional parameters in gear. ", "可选参数读出正常 ！"));
    panel_->Message(Text("Complete reading the data from transceiver.", "从对讲机中读取数据完毕 ！"),
                    Text("Operate Prompt", "操作提示"));
  }
}

}  // namespace zv
