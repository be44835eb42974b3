#include "editors/signalling/frm_5tone.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <cmath>

#include "comm/exchange_panel.h"
#include "comm/exchange_presets.h"
#include "editors/file_dialog_buttons.h"
#include "editors/pending_file_poll.h"
#include "image/num_text.h"
#include "image/shared_state.h"
#include "image/sig_file.h"
#include "image/signal_defaults.h"
#include "image/symbol_codec.h"
#include "platform/flex_grid.h"
#include "platform/focus_check.h"
#include "platform/key_filter.h"
#include "platform/list_combo.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "platform/tab_strip.h"
#include "shell/file_messages.h"
#include "shell/language_texts.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

namespace zv {

namespace {

constexpr int kStdFirstLine = 576;   // standard s on line 576 + s
constexpr int kCodeFirstLine = 591;  // code n on line 591 + n
constexpr int kSettingsLine = 607;
constexpr int kCodes = 15;

constexpr Caption kCaptions[] = {
    {"Frame_std", "5 TONE Standard Frequency", "5 TONE 标准频率"},
    {"Label_std_name", "Standard Name", "标准名称"},
    {"Frame_Encode", "5 Tone Encode", "5 TONE 编码"},
    {"Label_enc_ys1", "Delay 1 (MS) ", "发送第1组码前的延迟时间（MS）"},
    {"Label_enc_ys2", "Delay 2 (MS) ", "发送第2组码前的延迟时间（MS）"},
    {"Label_enc_ys3", "Delay 3 (MS) ", "发送第3组码前的延迟时间（MS）"},
    {"Label_enc_ys4", "First Digit Extend Length (MS)", "各组码第1个音的拓展时长（MS）"},
    {"Label_Decode_HJ", "5 TONE Decode Call", "5 TONE 解码呼叫帧"},
    {"Label_Decode_Disp", "5 TONE Decode Disp", "5 TONE 解码显示帧"},
    {"Label_Decode_Std", "5 TONE Decode Standard ", "5 TONE 解码使用标准"},
    {"Label_Reset_Time", "Decode Reset Time(ms)", "解码复位时间（MS）"},
    {"Frame_Decode", "5 Tone Decode", "5 TONE 解码"},
    {"Command_read", "Read", "读 取"},
    {"Command_Write", "Write", "写  入"},
    {"Command_def", "Default", "默 认"},
    {"Command_save", "Save", "保  存"},
    {"Command_open", "Open", "打  开"},
    {"Command_close", "Close", "关  闭"},
};

constexpr Caption kDecodeCaptions[] = {
    {"Label_F1", "Frame 1", "帧 1"},  {"Label_F2", "Frame 2", "帧 2"},     {"Label_F3", "Frame 3", "帧 3"},
    {"Label_Disp", "DISP", "屏幕显示"}, {"Label_led", "LED", "指示灯"},     {"Label_ctrl", "CTRL", "控制输出"},
    {"Label_Tishi", "ALERT", "提示音"}, {"Frame_Dec_xx", "Execute after Code 1 Decode Succeeded   ",
                                        " 1 信息码各组编码成功解码后执行操作  "},
};

constexpr const char *kDecode_Header_En =
    "^Code|^Standard|^Frame1|^          Function       |^Frame2|^     Function    |^Frame3|^    Function   |^Transpond";
constexpr const char *kDecode_Header_Cn =
    "^信息码|^使用标准|^ 第1帧解码 |^ 功    能 |^ 第2帧解码 |^ 功    能 |^ 第3帧解码 |^ 功    能 |^ 回复码 ";

constexpr Caption kFrameChecks[3] = {
    {"", "1 frame", "第 1 帧"}, {"", "2 frame", "第 2 帧"}, {"", "3 frame", "第 3 帧"}};

constexpr const char *kChann_Header_En = "^Standard|^Period(ms)|^ Group Tone|^ Repeat Tone ";
constexpr const char *kChann_Header_Cn = "^ 5 TONE 标准|^发送时长(ms)|^ 群 呼 码 |^重 复 码 ";
constexpr const char *kEncode_Header_En = "^ Code |^ Frame 1 |^ Frame 2 |^ Frame 3 |^ Standard ";
constexpr const char *kEncode_Header_Cn = "^ 信息码 |^第 1 帧编码|^第 2 帧编码|^第 3 帧编码|^使用标准";

// The encode message's English title ends in a straight double quote.
constexpr Lang_Pair kQuote_Title = {"Operate Prompt\"", "操作提示"};
constexpr Lang_Pair kPrompt_Title_Cap = {"Operate Prompt", "操作提示"};

QString Tr(const char *en, const char *cn) { return Lang_Text(en, cn); }

QStringList Std_Names() {
  QStringList names;
  for (int s = 0; s < kTone5Standards; ++s) names << QString::fromStdString(Tone5_Index_To_Std(s));
  return names;
}

QString Spaces_Trimmed(const QString &text) {
  int a = 0, b = text.size();
  while (a < b && text.at(a) == QLatin1Char(' ')) ++a;
  while (b > a && text.at(b - 1) == QLatin1Char(' ')) --b;
  return text.mid(a, b - a);
}

uint8_t &Img(int line, int col) { return Shared().Radio_Image(line, col); }

}  // namespace

frm_5tone::frm_5tone(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frm_5tone"));
  Exchange_Panel_Setup setup;
  setup.initial_password = "407193";
  setup.close_button_text = kBusy_Text;
  setup.busy_closing = Busy_Closing::Silent;
  panel_ = std::make_unique<Exchange_Panel>(this, presets::Tone5(), setup);
  Text_PassWord = panel_->Text_PassWord;
  Build_Controls();
}

frm_5tone::~frm_5tone() = default;

Exchange_Engine &frm_5tone::Engine() { return panel_->Engine(); }
bool frm_5tone::Busy() const { return panel_->Busy(); }

// ---------------------------------------------------------------- building

void frm_5tone::Build_Controls() {
  auto name = [](QObject *o, const char *n) { o->setObjectName(QString::fromLatin1(n)); };
  auto make_frame = [&](QWidget *parent, const char *n) {
    auto *f = new QGroupBox(parent);
    name(f, n);
    return f;
  };
  auto make_label = [&](QWidget *parent, const char *n) {
    auto *l = new QLabel(parent);
    name(l, n);
    return l;
  };
  auto make_list = [&](QWidget *parent, const char *n) {
    auto *l = new List_Combo(parent);
    name(l, n);
    return l;
  };

  TabStrip1 = new Tab_Strip(this);
  name(TabStrip1, "TabStrip1");
  TabStrip1->setDrawBase(true);
  TabStrip1->On_Click = [this] { TabStrip1_Click(); };

  // Standards page.
  Frame_std = make_frame(this, "Frame_std");
  MSF_Chann = new Flex_Grid(Frame_std);
  name(MSF_Chann, "MSF_Chann");
  Combo_edit = make_list(Frame_std, "Combo_edit");
  Combo_edit->hide();
  Text_Edit = new QLineEdit(Frame_std);
  name(Text_Edit, "Text_Edit");
  Text_Edit->hide();
  Combo_stxh = make_list(Frame_std, "Combo_stxh");
  Label_std_name = make_label(Frame_std, "Label_std_name");
  for (int k = 0; k < 16; ++k) {
    Label_code[static_cast<size_t>(k)] =
        make_label(Frame_std, QStringLiteral("Label_code(%1)").arg(k).toLatin1().constData());
    Label_code[static_cast<size_t>(k)]->setText(QString::fromStdString(Tone5_Code_To_Char(k)));
    Label_freq[static_cast<size_t>(k)] =
        make_label(Frame_std, QStringLiteral("Label_freq(%1)").arg(k).toLatin1().constData());
  }
  MSF_Chann->On_Click = [this] { MSF_Chann_Click(); };
  MSF_Chann->On_LeaveCell = [this] { MSF_Chann_LeaveCell(); };
  Combo_edit->On_Click = [this] { Combo_edit_Click(); };
  Combo_stxh->On_Click = [this] { Combo_stxh_Click(); };

  // Encode page.
  Frame_Encode = make_frame(this, "Frame_Encode");
  MSF_Encode = new Flex_Grid(Frame_Encode);
  name(MSF_Encode, "MSF_Encode");
  Combo_Encode = make_list(Frame_Encode, "Combo_Encode");
  Combo_Encode->hide();
  Text_Encode = new QLineEdit(Frame_Encode);
  name(Text_Encode, "Text_Encode");
  Text_Encode->hide();
  Combo_Enc_ys1 = make_list(Frame_Encode, "Combo_Enc_ys1");
  Combo_Enc_ys2 = make_list(Frame_Encode, "Combo_Enc_ys2");
  Combo_enc_ys3 = make_list(Frame_Encode, "Combo_enc_ys3");
  Combo_Enc_ys4 = make_list(Frame_Encode, "Combo_Enc_ys4");
  for (int i = 0; i < 4; ++i)
    Label_enc_ys[static_cast<size_t>(i)] =
        make_label(Frame_Encode, QStringLiteral("Label_enc_ys%1").arg(i + 1).toLatin1().constData());
  Frame1 = make_frame(Frame_Encode, "Frame1");
  Frame2 = make_frame(Frame_Encode, "Frame2");
  Frame3 = make_frame(Frame_Encode, "Frame3");
  Label_Decode_HJ = make_label(Frame1, "Label_Decode_HJ");
  Label_Decode_Disp = make_label(Frame2, "Label_Decode_Disp");
  for (int i = 0; i < 3; ++i) {
    auto *hj = new QCheckBox(Frame1);
    name(hj, QStringLiteral("Check_Decode_HJ(%1)").arg(i).toLatin1().constData());
    Check_Decode_HJ[static_cast<size_t>(i)] = hj;
    connect(hj, &QCheckBox::clicked, this, [this, i] { Check_Decode_HJ_Click(i); });
    auto *disp = new QCheckBox(Frame2);
    name(disp, QStringLiteral("Check_Decode_Disp(%1)").arg(i).toLatin1().constData());
    Check_Decode_Disp[static_cast<size_t>(i)] = disp;
    connect(disp, &QCheckBox::clicked, this, [this, i] { Check_Decode_Disp_Click(i); });
  }
  Label_Decode_Std = make_label(Frame3, "Label_Decode_Std");
  Combo_Decode_Std = make_list(Frame3, "Combo_Decode_Std");
  Label_Reset_Time = make_label(Frame3, "Label_Reset_Time");
  Combo_Dec_Res_Time = make_list(Frame3, "Combo_Dec_Res_Time");

  MSF_Encode->On_Click = [this] { MSF_Encode_Click(); };
  MSF_Encode->On_LeaveCell = [this] { MSF_Encode_LeaveCell(); };
  MSF_Encode->On_DblClick = [this] { MSF_Encode_DblClick(); };
  Combo_Encode->On_Click = [this] { Combo_Encode_Click(); };
  Combo_Enc_ys1->On_Click = [this] { Combo_Enc_ys1_Click(); };
  Combo_Enc_ys2->On_Click = [this] { Combo_Enc_ys2_Click(); };
  Combo_enc_ys3->On_Click = [this] { Combo_enc_ys3_Click(); };
  Combo_Enc_ys4->On_Click = [this] { Combo_Enc_ys4_Click(); };
  Combo_Decode_Std->On_Click = [this] { Combo_Decode_Std_Click(); };
  Combo_Dec_Res_Time->On_Click = [this] { Combo_Dec_Res_Time_Click(); };
  connect(Text_Encode, &QLineEdit::textEdited, this, &frm_5tone::Text_Encode_Change);

  // Symbols only, five at most (counted without outer blanks); letters stay
  // in the case typed; Backspace always works.
  Key_Rule rule;
  rule.allowed = Chars(QStringLiteral("0123456789ABCDEFabcdef"));
  rule.limit = 5;
  rule.measure = Limit_Measure::Trimmed;
  rule.backspace = Backspace_Rule::Passes;
  Key_Filter::Install(Text_Encode, rule);

  // Decode page: no tab shows it.
  Frame_Decode = make_frame(this, "Frame_Decode");
  Frame_Decode->hide();
  Build_Decode_Page();

  // Buttons and the password label.
  auto make_button = [&](QPushButton *&button, const char *n) {
    button = new QPushButton(this);
    name(button, n);
  };
  make_button(Command_read, "Command_read");
  make_button(Command_Write, "Command_Write");
  make_button(Command_def, "Command_def");
  make_button(Command_save, "Command_save");
  make_button(Command_open, "Command_open");
  make_button(Command_close, "Command_close");
  Label_PassWord = make_label(this, "Label_PassWord");
  Label_PassWord->setText(QStringLiteral("读写密码"));
  connect(Command_read, &QPushButton::clicked, this, &frm_5tone::Command_read_Click);
  connect(Command_Write, &QPushButton::clicked, this, &frm_5tone::Command_Write_Click);
  connect(Command_def, &QPushButton::clicked, this, &frm_5tone::Command_def_Click);
  connect(Command_save, &QPushButton::clicked, this, &frm_5tone::Command_save_Click);
  connect(Command_open, &QPushButton::clicked, this, &frm_5tone::Command_open_Click);
  connect(Command_close, &QPushButton::clicked, this, &frm_5tone::Command_close_Click);

  // The signal-file poll, running while the window is loaded.
  timer4_ = Current_Platform().New_Timer();
  Timer4 = timer4_.get();
  Timer4->On_Tick = [this] { Timer4_Timer(); };

  focus_check_ = new Focus_Check(this, panel_->Alive());
  focus_check_->Watch(Text_Encode, [this] { Text_Encode_LostFocus(); });

  // The window's own steps of the exchange.
  Exchange_Steps &steps = panel_->Steps();
  steps.Store_Read_Frames = [this] { Store_Read_Frames(); };
  steps.Show_Progress = [this](int n) {
    if (Engine().Write_Mode) {
      const QString k = QString::number(n - 1);
      panel_->Show_Step(n, Engine().Write_Blocks,
                        Tr("Writing  ", "正在写入  ") + k + Tr("  Data Block", "  数据块"));
    } else {
      const QString k = QString::number(n + 1);
      panel_->Show_Step(n + 1, Engine().Read_Last + 1,
                        Tr("Reading ", "正在读取 ") + k + Tr(" Data Block", " 数据块"));
    }
  };
  steps.Completed = [this] {
    if (Engine().Write_Mode) {
      if (!panel_->Message(Lang_Pair{"Complete Written Signal parameters to the transceiver.", "向对讲机写入信令参数完毕 ！"},
                           kPrompt_Title_Cap))
        return;
      panel_->Label_tr_count->setText(Tr("Complete Written Signal parameters ", "信令参数写入完毕 ！"));
    } else {
      panel_->ProgressBar1->show();
      panel_->ProgressBar1->setValue(100);
      panel_->Label_tr_count->setText(Tr("Read Signal parameters in gear. ", "信令参数读出正常 ！"));
      panel_->Message(Lang_Pair{"Complete reading the data from transceiver.", "从对讲机中读取数据完毕 ！"},
                      kPrompt_Title_Cap);
    }
  };
}

void frm_5tone::Set_Captions() {
  setWindowTitle(Tr("5 Tone Encode/Decode ", "5音信令编解码参数编辑"));
  Apply_Captions(this, kCaptions);
  Apply_Captions(this, kDecodeCaptions);
  for (int i = 0; i < 3; ++i) {
    const QString text = Tr(kFrameChecks[i].en, kFrameChecks[i].cn);
    Check_Decode_HJ[static_cast<size_t>(i)]->setText(text);
    Check_Decode_Disp[static_cast<size_t>(i)]->setText(text);
  }
  // The password label keeps its Chinese design caption in Chinese.
  if (!Shared().Lang_Chinese) Label_PassWord->setText(QStringLiteral("PassWord"));
  const bool cn = Shared().Lang_Chinese;
  MSF_Chann->Set_FormatString(QString::fromUtf8(cn ? kChann_Header_Cn : kChann_Header_En));
  MSF_Encode->Set_FormatString(QString::fromUtf8(cn ? kEncode_Header_Cn : kEncode_Header_En));
  MSF_Decode->Set_FormatString(QString::fromUtf8(cn ? kDecode_Header_Cn : kDecode_Header_En));
  // The design's tabs make way for the two of the language in use.
  while (TabStrip1->count() > 0) TabStrip1->removeTab(0);
  TabStrip1->addTab(Tr("Standard", "标准"));
  TabStrip1->addTab(Tr("Encode", "编解码"));
  TabStrip1->setCurrentIndex(0);
}

void frm_5tone::Layout() {
  // The tab strip over the window's inner width, the pages below its tabs.
  const double inner_width = Px_To_Twips(width());
  const double strip_width = inner_width / 1.03;
  const double tabs_height = Px_To_Twips(TabStrip1->sizeHint().height());
  Place(TabStrip1, 120, 120, strip_width, tabs_height);
  const double client_left = 120;
  const double client_top = 120 + tabs_height;
  const double page_top = client_top + 200;

  MSF_Chann->Set_Rows(16);
  MSF_Chann->Set_FixedCols(1);
  MSF_Encode->Set_Rows(16);
  MSF_Encode->Set_FixedCols(1);
  const double grid_height = MSF_Chann->RowHeight(0) * 16 + 90;
  const double page_height = grid_height + 600;

  // Standards page.
  const double std_width = strip_width;
  Place(Frame_std, client_left, page_top, std_width, page_height);
  const double chann_width = std_width / 1.8;
  Place(MSF_Chann, 120, 300, chann_width, grid_height);
  const double right = 120 + chann_width + 400;
  Place(Label_std_name, right, 340, 1500, 300);
  Place(Combo_stxh, right + 1500, 300, 1500, 315);
  for (int k = 0; k < 16; ++k) {
    Place(Label_code[static_cast<size_t>(k)], right, 800 + k * 280, 400, 270);
    Place(Label_freq[static_cast<size_t>(k)], right + 500, 800 + k * 280, 1500, 270);
  }
  Combo_edit->resize(Combo_edit->width(), Combo_edit->sizeHint().height());

  // Encode page.
  const double enc_width = strip_width - 2000;
  Place(Frame_Encode, client_left, page_top, enc_width, page_height);
  const double encode_grid_width = enc_width / 1.76;
  Place(MSF_Encode, 120, 300, encode_grid_width, grid_height);
  const double ex = 120 + encode_grid_width + 300;
  const double label_width = std::max(1000.0, enc_width - ex - 1400);
  List_Combo *delays[4] = {Combo_Enc_ys1, Combo_Enc_ys2, Combo_enc_ys3, Combo_Enc_ys4};
  for (int i = 0; i < 4; ++i) {
    Place(Label_enc_ys[static_cast<size_t>(i)], ex, 340 + i * 420, label_width - 100, 300);
    Place(delays[i], ex + label_width, 300 + i * 420, 1200, 315);
  }
  const double box_width = (enc_width - ex - 240) / 2;
  Place(Frame1, ex, 2100, box_width, 1500);
  Place(Frame2, ex + box_width + 120, 2100, box_width, 1500);
  Place(Label_Decode_HJ, 120, 260, box_width - 240, 300);
  Place(Label_Decode_Disp, 120, 260, box_width - 240, 300);
  for (int i = 0; i < 3; ++i) {
    Place(Check_Decode_HJ[static_cast<size_t>(i)], 240, 600 + i * 280, box_width - 360, 270);
    Place(Check_Decode_Disp[static_cast<size_t>(i)], 240, 600 + i * 280, box_width - 360, 270);
  }
  Place(Frame3, ex, 3720, 2 * box_width + 120, 1200);
  Place(Label_Decode_Std, 120, 300, 2 * box_width - 1500, 300);
  Place(Combo_Decode_Std, 2 * box_width - 1320, 260, 1300, 315);
  Place(Label_Reset_Time, 120, 720, 2 * box_width - 1500, 300);
  Place(Combo_Dec_Res_Time, 2 * box_width - 1320, 680, 1300, 315);

  // Decode page (hidden).
  Place(Frame_Decode, client_left, page_top, strip_width, page_height);
  Layout_Decode_Page(strip_width);

  // Progress, buttons and password below the pages.
  const double below = page_top + page_height + 200;
  Place(panel_->ProgressBar1, 120, below, strip_width * 0.6, 255);
  Place(panel_->Label_tr_count, 120 + strip_width * 0.6 + 200, below, strip_width * 0.4 - 200, 255);
  QPushButton *buttons[6] = {Command_read, Command_Write, Command_def, Command_save, Command_open, Command_close};
  for (int i = 0; i < 6; ++i) Place(buttons[i], 120 + i * 1500, below + 420, 1335, 495);
  Place(Label_PassWord, 120 + 6 * 1500 + 200, below + 520, 1100, 300);
  Place(panel_->Text_PassWord, 120 + 6 * 1500 + 1400, below + 480, 1500, 315);
}

void frm_5tone::Form_Load(QWidget *window, const Main_Sizing &main) {
  if (!window) window = this;
  window_ = window;
  // 1. Size, centre, show.
  const double width = main.Width / 1.3;
  const double height = main.Height / 1.25;
  const double top = (main.Scale_Height - height) / 2;
  const double left = (main.Scale_Width - width) / 2;
  Place(window, left, top, width, height);
  window->show();
  // 3 (before 2: the grids' columns come from their header strings).
  Set_Captions();
  // 2. Tab strip and pages.
  Layout();
  Frame_std->show();
  Frame_Encode->hide();
  Frame_Decode->hide();
  // 4. The exchange idle; the signal-file poll runs from now on.
  Engine().Stop();
  Timer4->Set_Interval(500);
  Timer4->Set_Enabled(true);
  panel_->ProgressBar1->hide();
  // 5.
  Init_5Tone_Lists();
  Show_5Tone();
}

void frm_5tone::Init_5Tone_Lists() {
  const QStringList names = Std_Names();
  Combo_stxh->Set_Items(names);
  Combo_stxh->Show_Index(0);
  Show_Std_Freq();
  for (int s = 0; s < kTone5Standards; ++s) MSF_Chann->Set_TextMatrix(s + 1, 0, names[s]);
  Combo_Encode->Set_Items(names);
  QStringList delays;
  for (int v = 0; v <= 1000; v += 10) delays << QString::number(v);
  for (List_Combo *list : {Combo_Enc_ys1, Combo_Enc_ys2, Combo_enc_ys3, Combo_Enc_ys4}) list->Set_Items(delays);
  Combo_Decode_Std->Set_Items(names);
  QStringList resets;
  for (int v = 100; v <= 20000; v += 100) resets << QString::number(v);
  Combo_Dec_Res_Time->Set_Items(resets);
  for (int n = 1; n <= kCodes; ++n) MSF_Encode->Set_TextMatrix(n, 0, QString::number(n));
}

// ---------------------------------------------------------------- display

QString frm_5tone::Digit_To_Hex(int code) {
  if (code < 0) return QString();
  if (code > 15) return QStringLiteral(" ");
  return QString::fromStdString(Tone5_Code_To_Char(code));
}

QString frm_5tone::Frame_Text(int line, int first) const {
  QString text;
  for (int i = 0; i < 5; ++i) text += Digit_To_Hex(Img(line, first + i));
  return text;
}

void frm_5tone::Show_Code_Row(int n) {
  const int line = kCodeFirstLine + n;
  for (int f = 0; f < 3; ++f) MSF_Encode->Set_TextMatrix(n, f + 1, Frame_Text(line, 5 * f));
  MSF_Encode->Set_TextMatrix(n, 4, QString::fromStdString(Tone5_Index_To_Std(Img(line, 15))));
}

void frm_5tone::Show_5Tone() {
  // 1. Standards.
  for (int r = 1; r <= kTone5Standards; ++r) {
    const int line = kStdFirstLine + r - 1;
    MSF_Chann->Set_TextMatrix(r, 1, QString::number(10 * Img(line, 0) + 20));
    MSF_Chann->Set_TextMatrix(r, 2, Digit_To_Hex(Img(line, 1)));
    MSF_Chann->Set_TextMatrix(r, 3, Digit_To_Hex(Img(line, 2)));
  }
  // 2. Codes.
  for (int n = 1; n <= kCodes; ++n) Show_Code_Row(n);
  // 3. Settings: shown only; a byte beyond its list shows no selection and
  // stays as it is.
  const int settings[6][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {8, 4}, {11, 5}};
  List_Combo *lists[6] = {Combo_Enc_ys1, Combo_Enc_ys2, Combo_enc_ys3, Combo_Enc_ys4, Combo_Decode_Std,
                          Combo_Dec_Res_Time};
  for (const auto &s : settings) lists[s[1]]->Show_Index(Img(kSettingsLine, s[0]));
  const int call = Img(kSettingsLine, 9);
  const int disp = Img(kSettingsLine, 10);
  for (int i = 0; i < 3; ++i) {
    QCheckBox *hj = Check_Decode_HJ[static_cast<size_t>(i)];
    QCheckBox *dp = Check_Decode_Disp[static_cast<size_t>(i)];
    const QSignalBlocker q1(hj), q2(dp);
    hj->setChecked((call >> i) & 1);
    dp->setChecked((disp >> i) & 1);
  }
  // 4.
  panel_->ProgressBar1->hide();
}

void frm_5tone::Show_Std_Freq() {
  const int s = Combo_stxh->List_Index();
  if (s < 0 || s >= kTone5Standards) return;
  const auto &texts = Shared().Tone5.Tone5_Freq_Text[static_cast<size_t>(s)];
  for (int k = 0; k < 16; ++k)
    Label_freq[static_cast<size_t>(k)]->setText(Spaces_Trimmed(QString::fromStdString(texts[static_cast<size_t>(k)])));
}

void frm_5tone::TabStrip1_Click() {
  const int tab = TabStrip1->Selected_Tab();
  Frame_std->setVisible(tab == 1);
  Frame_Encode->setVisible(tab == 2);
  Frame_Decode->setVisible(tab == 3);
  if (tab == 3) {
    Decode_Sel = 0;
    Show_Decode_Flags(0);
  }
  Combo_Encode->hide();
  Text_Encode->hide();
  enc_cell_ = {};
}

void frm_5tone::Hide_Cell_Editors() {
  Combo_edit->hide();
  std_cell_ = {};
  Combo_Encode->hide();
  Text_Encode->hide();
  enc_cell_ = {};
}

void frm_5tone::Show_New_Image() {
  Hide_Cell_Editors();
  Show_5Tone();
}

// ---------------------------------------------------------------- standards and settings

void frm_5tone::MSF_Chann_Click() {
  const int r = MSF_Chann->MouseRow();
  const int c = MSF_Chann->MouseCol();
  if (r >= 1 && r <= kTone5Standards) {
    Combo_stxh->Show_Index(r - 1);
    Combo_stxh_Click();
  }
  if (r >= 1 && r <= kTone5Standards && c >= 1 && c <= 3)
    Edit_Std_Cell();
  else
    MSF_Chann_LeaveCell();  // the open list's choice stays shown in its cell
}

void frm_5tone::Edit_Std_Cell() {
  const int r = MSF_Chann->MouseRow();
  const int c = MSF_Chann->MouseCol();
  if (MSF_Chann->Row() != r || MSF_Chann->Col() != c) {
    if (!MSF_Chann->Set_Row(r) || !MSF_Chann->Set_Col(c)) return;
  }
  QStringList items;
  if (c == 1) {
    for (int v = 20; v <= 200; v += 10) items << QString::number(v);
  } else {
    for (int k = 0; k < 16; ++k) items << QString::fromStdString(Tone5_Code_To_Char(k));
  }
  // The item the cell shows, if any; none for a value beyond the list.
  Combo_edit->Set_Items(items);
  Combo_edit->Show_Index(static_cast<int>(items.indexOf(MSF_Chann->TextMatrix(r, c))));
  if (!MSF_Chann->Place_Over_Cell(Combo_edit, false)) return;
  std_cell_ = {r, c};
  Combo_edit->show();
  Combo_edit->setFocus();
}

void frm_5tone::Combo_edit_Click() {
  const int p = Combo_edit->List_Index();
  if (std_cell_.row < 1 || p < 0) return;
  Img(kStdFirstLine + std_cell_.row - 1, std_cell_.col - 1) = static_cast<uint8_t>(p);
}

void frm_5tone::MSF_Chann_LeaveCell() {
  if (!Combo_edit->isVisible() || std_cell_.row < 1) return;
  if (Combo_edit->List_Index() >= 0) MSF_Chann->Set_TextMatrix(std_cell_.row, std_cell_.col, Combo_edit->currentText());
  Combo_edit->hide();
  std_cell_ = {};
}

void frm_5tone::Combo_stxh_Click() { Show_Std_Freq(); }

void frm_5tone::Store_Setting(List_Combo *list, int byte) {
  const int p = list->List_Index();
  if (p < 0) return;
  Img(kSettingsLine, byte) = static_cast<uint8_t>(p);
}

void frm_5tone::Combo_Enc_ys1_Click() { Store_Setting(Combo_Enc_ys1, 0); }
void frm_5tone::Combo_Enc_ys2_Click() { Store_Setting(Combo_Enc_ys2, 1); }
void frm_5tone::Combo_enc_ys3_Click() { Store_Setting(Combo_enc_ys3, 2); }
void frm_5tone::Combo_Enc_ys4_Click() { Store_Setting(Combo_Enc_ys4, 3); }
void frm_5tone::Combo_Decode_Std_Click() { Store_Setting(Combo_Decode_Std, 8); }
void frm_5tone::Combo_Dec_Res_Time_Click() { Store_Setting(Combo_Dec_Res_Time, 11); }

void frm_5tone::Store_Frame_Bit(QCheckBox *box, int byte, int bit) {
  uint8_t &b = Img(kSettingsLine, byte);
  const int mask = 1 << bit;
  if (box->isChecked())
    b = static_cast<uint8_t>(b | mask);
  else
    b = static_cast<uint8_t>(b & (255 - mask));
}

void frm_5tone::Check_Decode_HJ_Click(int index) {
  Store_Frame_Bit(Check_Decode_HJ[static_cast<size_t>(index)], 9, index);
}
void frm_5tone::Check_Decode_Disp_Click(int index) {
  Store_Frame_Bit(Check_Decode_Disp[static_cast<size_t>(index)], 10, index);
}

// ---------------------------------------------------------------- encode list

void frm_5tone::MSF_Encode_Click() {
  Edit_Encode_Cell();
  if (MSF_Encode->MouseCol() == 0) {
    MSF_Chann_LeaveCell();
    Text_Edit->hide();
  }
}

void frm_5tone::Edit_Encode_Cell() {
  // Only a click on a code's cell opens an editor; the heading row and the
  // code numbers are no data.
  const int r = MSF_Encode->MouseRow();
  const int c = MSF_Encode->MouseCol();
  if (r < 1 || c < 1 || r != MSF_Encode->Row() || c != MSF_Encode->Col()) return;
  // An editor whose cell refused to be left stays over its own cell.
  if (Text_Encode->isVisible() || Combo_Encode->isVisible()) return;
  // A row cleared by the user (frame 1 without any text) opens only its
  // first frame.
  const bool cleared = MSF_Encode->TextMatrix(r, 1).isEmpty();
  if (c > 1 && cleared) return;
  // The image may have changed behind the grid (a whole-radio read, a
  // ".dat" file): the row shows the image again before the editor takes a
  // cell's text, so that opening stores back the image's own symbols.
  if (!cleared) Show_Code_Row(r);
  if (c == 4) {
    if (!MSF_Encode->Place_Over_Cell(Combo_Encode, false)) return;
    enc_cell_ = {r, c};
    Combo_Encode->Show_Index(Img(kCodeFirstLine + r, 15));
    Combo_Encode->show();
    Combo_Encode->setFocus();
    return;
  }
  if (!MSF_Encode->Place_Over_Cell(Text_Encode, true)) return;
  enc_cell_ = {r, c};
  {
    const QSignalBlocker quiet(Text_Encode);
    Text_Encode->setText(MSF_Encode->TextMatrix(r, c));
  }
  Text_Encode_Change();
  Text_Encode->show();
  Text_Encode->setFocus();
}

void frm_5tone::Text_Encode_Change() {
  const Cell cell = enc_cell_;
  if (cell.row < 1 || cell.col < 1 || cell.col > 3) return;
  const int line = kCodeFirstLine + cell.row;
  const int b = 5 * (cell.col - 1);
  for (int i = 0; i < 5; ++i) Img(line, b + i) = 0xFF;
  const std::string s = Spaces_Trimmed(Text_Encode->text()).toStdString();
  for (size_t i = 0; i < s.size() && i < 5; ++i)
    Img(line, b + static_cast<int>(i)) = static_cast<uint8_t>(Tone5_Char_To_Code(s.substr(i, 1)));
}

void frm_5tone::Text_Encode_LostFocus() { Show_5Tone(); }

void frm_5tone::Combo_Encode_Click() {
  const int p = Combo_Encode->List_Index();
  if (enc_cell_.row < 1 || enc_cell_.col != 4 || p < 0) return;
  Img(kCodeFirstLine + enc_cell_.row, 15) = static_cast<uint8_t>(p);
}

void frm_5tone::MSF_Encode_LeaveCell() {
  // Acts only on an open editor, and on the cell it was opened on.
  const Cell cell = enc_cell_;
  const bool list_open = Combo_Encode->isVisible() && cell.col == 4;
  const bool box_open = Text_Encode->isVisible() && cell.col >= 1 && cell.col <= 3;
  if (cell.row < 1 || (!list_open && !box_open)) return;
  if (list_open && Combo_Encode->List_Index() >= 0) MSF_Encode->Set_TextMatrix(cell.row, 4, Combo_Encode->currentText());
  if (box_open) {
    const QString t = Spaces_Trimmed(Text_Encode->text());
    if (t.size() == 5) {
      // The frame as the image holds it (upper case).
      MSF_Encode->Set_TextMatrix(cell.row, cell.col, Frame_Text(kCodeFirstLine + cell.row, 5 * (cell.col - 1)));
    } else if (!t.isEmpty()) {
      // The editor stays open over its own cell for the correction.
      Focus_Check::Refuse_Field(panel_->Alive(), Text_Encode,
                                Tr("Encode Digit is 5 Bits.", "编码位数为 5 位 ！"), kQuote_Title.Text());
      return;
    }
  }
  if (Spaces_Trimmed(MSF_Encode->TextMatrix(cell.row, 1)).isEmpty()) Clear_Encode_Row(cell.row);
  Combo_Encode->hide();
  Text_Encode->hide();
  enc_cell_ = {};
}

void frm_5tone::Clear_Encode_Row(int row) {
  for (int c = 1; c <= 4; ++c) MSF_Encode->Set_TextMatrix(row, c, QString());
  // Emptying the open frame editor's text is a change of its frame.
  const bool stores = Text_Encode->isVisible() && !Text_Encode->text().isEmpty();
  {
    const QSignalBlocker quiet(Text_Encode);
    Text_Encode->clear();
  }
  if (stores) Text_Encode_Change();
}

void frm_5tone::MSF_Encode_DblClick() {
  const int r = MSF_Encode->MouseRow();
  if (MSF_Encode->MouseCol() != 0 || r < 1 || r > kCodes) return;
  for (int c = 1; c <= 4; ++c) MSF_Encode->Set_TextMatrix(r, c, QString());
}

// ---------------------------------------------------------------- buttons

void frm_5tone::Command_read_Click() { panel_->Start_Read(); }
void frm_5tone::Command_Write_Click() { panel_->Start_Write(); }

void frm_5tone::Store_Read_Frames() {
  Engine().Store_Frames(Engine().Rx_Frames, 2, Engine().Read_Last + 1, kStdFirstLine);
  Show_New_Image();
}

void frm_5tone::Command_def_Click() {
  if (panel_->Refuse_While_Busy()) return;
  panel_->ProgressBar1->hide();
  panel_->ProgressBar1->setValue(0);
  panel_->Label_tr_count->setText(QString());
  Load_Tone5_Defaults(Shared().Tone5, Shared().Radio_Image);
  Show_New_Image();
}

void frm_5tone::Command_open_Click() {
  Start_File_Dialog(*panel_, win::Form_open_chann, Dialog_Start::Show);
}

void frm_5tone::Command_save_Click() {
  Start_File_Dialog(*panel_, win::Form_save_chann, Dialog_Start::Show);
}

void frm_5tone::Command_close_Click() {
  if (panel_->Close_Button_Refuses()) return;
  MDImain *main = MDImain::Instance();
  panel_->Close_Window();
  if (main) {
    main->Windows().Close(win::Form_open_menu);
    main->Windows().Close(win::Form_save_menu);
  }
}

void frm_5tone::closeEvent(QCloseEvent *event) {
  panel_->Close_Event(event);
  if (event->isAccepted()) Timer4->Set_Enabled(false);
}

// ---------------------------------------------------------------- decode page

void frm_5tone::Build_Decode_Page() {
  MSF_Decode = new Flex_Grid(Frame_Decode);
  MSF_Decode->setObjectName(QStringLiteral("MSF_Decode"));
  Combo_Decode = new List_Combo(Frame_Decode);
  Combo_Decode->setObjectName(QStringLiteral("Combo_Decode"));
  Combo_Decode->hide();
  Text_Decode = new QLineEdit(Frame_Decode);
  Text_Decode->setObjectName(QStringLiteral("Text_Decode"));
  Text_Decode->hide();
  Frame_Dec_xx = new QGroupBox(Frame_Decode);
  Frame_Dec_xx->setObjectName(QStringLiteral("Frame_Dec_xx"));
  for (const char *n : {"Label_F1", "Label_F2", "Label_F3", "Label_Disp", "Label_led", "Label_ctrl", "Label_Tishi"}) {
    auto *l = new QLabel(Frame_Dec_xx);
    l->setObjectName(QString::fromLatin1(n));
  }
  for (int d = 0; d < 5; ++d) {
    auto *l = new QLabel(QString::number(d + 1), Frame_Dec_xx);
    l->setObjectName(QStringLiteral("Label%1").arg(16 + d));
  }
  auto make_box = [this](const QString &name) {
    auto *box = new QCheckBox(Frame_Dec_xx);
    box->setObjectName(name);
    connect(box, &QCheckBox::clicked, this, [this] { Store_Decode_Flags(Decode_Sel); });
    return box;
  };
  for (int f = 0; f < 3; ++f) {
    const size_t i = static_cast<size_t>(f);
    Check_Disp[i] = make_box(QStringLiteral("Check_Disp(%1)").arg(f));
    Check_Led[i] = make_box(QStringLiteral("Check_Led(%1)").arg(f));
    Check_Kz[i] = make_box(QStringLiteral("Check_Kz(%1)").arg(f));
    Check_Ts[i] = make_box(QStringLiteral("Check_Ts(%1)").arg(f));
    for (int d = 0; d < 5; ++d) Check_zh[static_cast<size_t>(d)][i] = make_box(QStringLiteral("Check_zh%1(%2)").arg(d).arg(f));
  }
  Check_Dec_back = new QCheckBox(QStringLiteral("所有帧成功解码后回复"), Frame_Decode);
  Check_Dec_back->setObjectName(QStringLiteral("Check_Dec_back"));
  Check_Dec_Bcl = new QCheckBox(QStringLiteral("信道空闲时回复"), Frame_Decode);
  Check_Dec_Bcl->setObjectName(QStringLiteral("Check_Dec_Bcl"));
  Combo_Dec_Back_Time = new List_Combo(Frame_Decode);
  Combo_Dec_Back_Time->setObjectName(QStringLiteral("Combo_Dec_Back_Time"));
  Label8 = new QLabel(QStringLiteral("回复延迟时间（MS）"), Frame_Decode);
  Label8->setObjectName(QStringLiteral("Label8"));
  for (QWidget *w : std::initializer_list<QWidget *>{Check_Dec_Bcl, Combo_Dec_Back_Time, Label8}) w->setEnabled(false);
  connect(Check_Dec_back, &QCheckBox::clicked, this, &frm_5tone::Check_Dec_back_Click);

  MSF_Decode->On_Click = [this] { MSF_Decode_Click(); };
  MSF_Decode->On_LeaveCell = [this] { MSF_Decode_LeaveCell(); };
  MSF_Decode->On_DblClick = [this] { MSF_Decode_DblClick(); };
  connect(Text_Decode, &QLineEdit::textEdited, this, &frm_5tone::Text_Decode_Change);
}

void frm_5tone::Layout_Decode_Page(double page_width) {
  MSF_Decode->Set_Rows(16);
  MSF_Decode->Set_FixedCols(1);
  Place(MSF_Decode, 120, 300, page_width / 1.02, 4000);
  Place(Frame_Dec_xx, 120, 4400, 9000, 1500);
  const char *rows[3] = {"Label_F1", "Label_F2", "Label_F3"};
  const char *heads[4] = {"Label_Disp", "Label_led", "Label_ctrl", "Label_Tishi"};
  for (int f = 0; f < 3; ++f) Place(Frame_Dec_xx->findChild<QLabel *>(QString::fromLatin1(rows[f])), 120, 600 + f * 280, 900, 270);
  for (int a = 0; a < 4; ++a) Place(Frame_Dec_xx->findChild<QLabel *>(QString::fromLatin1(heads[a])), 1100 + a * 900, 260, 880, 270);
  for (int d = 0; d < 5; ++d) Place(Frame_Dec_xx->findChild<QLabel *>(QStringLiteral("Label%1").arg(16 + d)), 4900 + d * 800, 260, 600, 270);
  for (int f = 0; f < 3; ++f) {
    const size_t i = static_cast<size_t>(f);
    const double top = 600 + f * 280;
    QCheckBox *actions[4] = {Check_Disp[i], Check_Led[i], Check_Kz[i], Check_Ts[i]};
    for (int a = 0; a < 4; ++a) Place(actions[a], 1100 + a * 900, top, 300, 270);
    for (int d = 0; d < 5; ++d) Place(Check_zh[static_cast<size_t>(d)][i], 4900 + d * 800, top, 300, 270);
  }
  Place(Check_Dec_back, 9400, 4500, 3000, 300);
  Place(Check_Dec_Bcl, 9400, 4850, 3000, 300);
  Place(Label8, 9400, 5240, 1900, 300);
  Place(Combo_Dec_Back_Time, 11300, 5200, 1200, 315);
}

void frm_5tone::MSF_Decode_Click() {
  Edit_Decode_Cell();
  if (MSF_Decode->MouseCol() == 0) {
    MSF_Chann_LeaveCell();
    Text_Edit->hide();
  }
}

void frm_5tone::Edit_Decode_Cell() {
  const int r = MSF_Decode->MouseRow();
  const int c = MSF_Decode->MouseCol();
  if (!MSF_Decode->Set_Row(r) || !MSF_Decode->Set_Col(c)) return;
  if (r == 0) return;
  // An editor whose cell refused to be left stays over its own cell.
  if (Text_Decode->isVisible() || Combo_Decode->isVisible()) return;
  Frame_Dec_xx->setTitle(Shared().Lang_Chinese
                             ? QString::number(r) + QStringLiteral(" 信息码各组编码成功解码后执行操作")
                             : QStringLiteral("Execute after Code ") + QString::number(r) + QStringLiteral(" Decode Succeeded "));
  Decode_Sel = r - 1;
  if (c > 1 && MSF_Decode->TextMatrix(r, 1).isEmpty()) return;
  if (c == 1 || c == 3 || c == 5 || c == 7) {
    QStringList items;
    if (c == 1) {
      items = Std_Names();
    } else {
      const Language_Texts &t = Lang_Texts();
      items = {t.Dec_Func_Text_0, t.Dec_Func_Text_1, t.Dec_Func_Text_2, t.Dec_Func_Text_3, t.Dec_Func_Text_4,
               t.Dec_Func_Text_5, t.Dec_Func_Text_6, t.Dec_Func_Text_7, t.Dec_Func_Text_8};
    }
    // Opens on the cell's own item (none for an empty cell), so leaving
    // without a choice keeps the cell.
    Combo_Decode->Set_Items(items);
    Combo_Decode->Show_Index(static_cast<int>(items.indexOf(MSF_Decode->TextMatrix(r, c))));
    if (!MSF_Decode->Place_Over_Cell(Combo_Decode, false)) return;
    dec_cell_ = {r, c};
    Combo_Decode->show();
    Combo_Decode->setFocus();
  } else if (c >= 2) {
    if (!MSF_Decode->Place_Over_Cell(Text_Decode, true)) return;
    dec_cell_ = {r, c};
    {
      const QSignalBlocker quiet(Text_Decode);
      Text_Decode->setText(MSF_Decode->TextMatrix(r, c));
    }
    Text_Decode->show();
    Text_Decode->setFocus();
  }
  Show_Decode_Flags(Decode_Sel);
}

void frm_5tone::Text_Decode_Change() {
  const Window_Alive alive = panel_->Alive();
  const QString t = Text_Decode->text();
  const QString title = kQuote_Title.Text();
  if (t.size() >= 6) {
    Message_Box(Tr("Decode Digit is 5 Bits.", "解码位数为 5 位 ！"), title);
    return;
  }
  const QString trimmed = Spaces_Trimmed(t);
  for (int i = 0; i < t.size(); ++i) {
    const QChar ch = i < trimmed.size() ? trimmed.at(i) : QChar();
    const bool symbol = (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || (ch >= QLatin1Char('A') && ch <= QLatin1Char('F'));
    if (symbol) continue;
    if (!Message_Stands(alive, Tr("Group Digits only by 0 to 9 and A to F.", "码组字符只能是 0 - 9 或 A - F  ！"), title))
      return;
  }
}

void frm_5tone::MSF_Decode_LeaveCell() {
  // Acts only on an open editor, and on the cell it was opened on.
  const Cell cell = dec_cell_;
  const bool list_open = Combo_Decode->isVisible();
  const bool box_open = Text_Decode->isVisible();
  if (cell.row < 1 || (!list_open && !box_open)) return;
  const int r = cell.row, c = cell.col;
  if (c % 2 == 1) {
    if (list_open && Combo_Decode->List_Index() >= 0) MSF_Decode->Set_TextMatrix(r, c, Combo_Decode->currentText());
    if (c > 1 && MSF_Decode->TextMatrix(r, c - 1).isEmpty()) MSF_Decode->Set_TextMatrix(r, c, QString());
  } else if (box_open) {
    const QString t = Spaces_Trimmed(Text_Decode->text());
    if (t.size() == 5) {
      MSF_Decode->Set_TextMatrix(r, c, Text_Decode->text());
    } else if (!t.isEmpty()) {
      Focus_Check::Refuse_Field(panel_->Alive(), Text_Decode, Tr("Encode Digit is 5 Bits.", "编码位数为 5 位 ！"),
                                kQuote_Title.Text());
      return;
    }
  }
  if (Spaces_Trimmed(MSF_Decode->TextMatrix(r, 1)).isEmpty()) Clear_Decode_Row(r);
  Combo_Decode->hide();
  Text_Decode->hide();
  {
    const QSignalBlocker quiet(Text_Decode);
    Text_Decode->clear();
  }
  dec_cell_ = {};
}

void frm_5tone::Clear_Decode_Row(int row) {
  for (int c = 1; c <= 8; ++c) MSF_Decode->Set_TextMatrix(row, c, QString());
  const QSignalBlocker quiet(Text_Decode);
  Text_Decode->clear();
}

void frm_5tone::MSF_Decode_DblClick() {
  const int r = MSF_Decode->MouseRow();
  if (MSF_Decode->MouseCol() != 0 || r < 1 || r > kCodes) return;
  for (int c = 1; c <= 8; ++c) MSF_Decode->Set_TextMatrix(r, c, QString());
  for (int i = 0; i < 8; ++i) Dec_Flags[static_cast<size_t>(r - 1)][static_cast<size_t>(i)] = 0;
  Decode_Sel = r - 1;
  Show_Decode_Flags(r - 1);
}

void frm_5tone::Show_Decode_Flags(int entry) {
  Flags_Showing = true;
  const auto &flags = Dec_Flags[static_cast<size_t>(entry)];
  for (int f = 0; f < 3; ++f) {
    const size_t i = static_cast<size_t>(f);
    const int actions = flags[static_cast<size_t>(2 * f)];
    const int digits = flags[static_cast<size_t>(2 * f + 1)];
    QCheckBox *boxes[4] = {Check_Disp[i], Check_Led[i], Check_Kz[i], Check_Ts[i]};
    for (int a = 0; a < 4; ++a) {
      const QSignalBlocker quiet(boxes[a]);
      boxes[a]->setChecked(actions & (1 << a));
    }
    for (int d = 0; d < 5; ++d) {
      QCheckBox *box = Check_zh[static_cast<size_t>(d)][i];
      const QSignalBlocker quiet(box);
      box->setChecked(digits & (1 << d));
    }
  }
  Flags_Showing = false;
}

void frm_5tone::Store_Decode_Flags(int entry) {
  if (Flags_Showing) return;
  auto &flags = Dec_Flags[static_cast<size_t>(entry)];
  for (int f = 0; f < 3; ++f) {
    const size_t i = static_cast<size_t>(f);
    QCheckBox *boxes[4] = {Check_Disp[i], Check_Led[i], Check_Kz[i], Check_Ts[i]};
    int actions = 0, digits = 0;
    for (int a = 0; a < 4; ++a)
      if (boxes[a]->isChecked()) actions += 1 << a;
    for (int d = 0; d < 5; ++d)
      if (Check_zh[static_cast<size_t>(d)][i]->isChecked()) digits += 1 << d;
    flags[static_cast<size_t>(2 * f)] = actions;
    flags[static_cast<size_t>(2 * f + 1)] = digits;
  }
}

void frm_5tone::Check_Dec_back_Click() {
  const bool on = Check_Dec_back->isChecked();
  for (QWidget *w : std::initializer_list<QWidget *>{Check_Dec_Bcl, Combo_Dec_Back_Time, Label8}) w->setEnabled(on);
}

// ---------------------------------------------------------------- signal file

int frm_5tone::Hex_To_Digit(const QString &text) {
  if (text.size() != 1) return 255;
  const QChar c = text.at(0);
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return c.unicode() - '0';
  if (c >= QLatin1Char('A') && c <= QLatin1Char('F')) return c.unicode() - 'A' + 10;
  return 255;
}

void frm_5tone::Cell_Symbols(Flex_Grid *grid, int row, int col, int line, int first) {
  QString t = Spaces_Trimmed(grid->TextMatrix(row, col));
  while (t.size() < 5) t += QLatin1Char(' ');
  auto &out = Shared().Sig_File_Buf[static_cast<size_t>(line)];
  for (int i = 0; i < 5; ++i) out[static_cast<size_t>(first + i)] = static_cast<int16_t>(Hex_To_Digit(t.mid(i, 1)));
}

void frm_5tone::Get_Encode_Code(int row, int col, int first) { Cell_Symbols(MSF_Encode, row, col, 79 + row, first); }
void frm_5tone::Get_Decode_Code(int row, int col, int first) {
  Cell_Symbols(MSF_Decode, row, col, col == 8 ? 127 + row : 111 + row, first);
}

void frm_5tone::Get_Decode_Func(int row, int col, int byte) {
  const QString t = Spaces_Trimmed(MSF_Decode->TextMatrix(row, col));
  const int v = t.isEmpty() ? 255 : static_cast<int>(Val(t.left(1).toStdString()));
  Shared().Sig_File_Buf[static_cast<size_t>(127 + row)][static_cast<size_t>(byte)] = static_cast<int16_t>(v);
}

void frm_5tone::Sig_File_Build() {
  Sig_File_Buffer &buf = Shared().Sig_File_Buf;
  auto set = [&buf](int line, int byte, int v) { buf[static_cast<size_t>(line)][static_cast<size_t>(byte)] = static_cast<int16_t>(v); };
  // 1. The four tone tables, table by table.
  const Tone5_Table_Set &t = Shared().Tone5;
  const Tone5_Grid<uint8_t> *tables[4] = {&t.Tone5_Freq_Lo, &t.Tone5_Freq_Hi, &t.Tone5_Period_Lo, &t.Tone5_Period_Hi};
  for (int k = 0; k < 4; ++k)
    for (int s = 0; s < 16; ++s)
      for (int c = 0; c < 16; ++c) set(16 * k + s, c, (*tables[k])[static_cast<size_t>(s)][static_cast<size_t>(c)]);
  // 2. The standards; the bytes no control shows come from the image, and so
  // does line 79 (image line 591).
  for (int s = 0; s < kTone5Standards; ++s) {
    const int line = kStdFirstLine + s;
    const double period = Val(MSF_Chann->TextMatrix(s + 1, 1).toStdString());
    const long p = std::lround((period - 20) / 10);
    set(64 + s, 0, p >= 0 && p <= 255 ? static_cast<int>(p) : Img(line, 0));
    set(64 + s, 1, Hex_To_Digit(Spaces_Trimmed(MSF_Chann->TextMatrix(s + 1, 2))));
    set(64 + s, 2, Hex_To_Digit(Spaces_Trimmed(MSF_Chann->TextMatrix(s + 1, 3))));
    for (int c = 3; c < 16; ++c) set(64 + s, c, Img(line, c));
  }
  for (int c = 0; c < 16; ++c) set(79, c, Img(591, c));
  // 3. The four delays (a list without a selection: the image's byte), and
  // the settings line's other bytes from the image.
  List_Combo *delays[4] = {Combo_Enc_ys1, Combo_Enc_ys2, Combo_enc_ys3, Combo_Enc_ys4};
  for (int i = 0; i < 4; ++i) {
    const int p = delays[i]->List_Index();
    set(95, i, p >= 0 ? p : Img(kSettingsLine, i));
  }
  for (int c = 4; c < 16; ++c) set(95, c, Img(kSettingsLine, c));
  // 4. The codes.
  for (int n = 1; n <= kCodes; ++n) {
    for (int f = 0; f < 3; ++f) Get_Encode_Code(n, f + 1, 5 * f);
    std::string name = MSF_Encode->TextMatrix(n, 4).toStdString();
    set(79 + n, 15, Tone5_Std_To_Index(name));
  }
  // 5, 6. The decode list.
  for (int n = 1; n <= kCodes; ++n) {
    for (int f = 0; f < 3; ++f) Get_Decode_Code(n, 2 + 2 * f, 5 * f);
    std::string name = MSF_Decode->TextMatrix(n, 1).toStdString();
    set(111 + n, 15, Tone5_Std_To_Index(name));
    Get_Decode_Code(n, 8, 0);
    for (int f = 0; f < 3; ++f) Get_Decode_Func(n, 3 + 2 * f, 5 + f);
    for (int i = 0; i < 6; ++i) set(127 + n, 8 + i, Dec_Flags[static_cast<size_t>(n - 1)][static_cast<size_t>(i)]);
  }
  // 7. The reply settings.
  const int reset = Combo_Dec_Res_Time->List_Index();
  set(143, 0, reset >= 0 ? reset : Img(kSettingsLine, 11));
  set(143, 1, Check_Dec_back->isChecked() ? 1 : 0);
  set(143, 2, Check_Dec_Bcl->isChecked() ? 2 : 0);
  set(143, 3, Combo_Dec_Back_Time->List_Index());
}

namespace {

// What went wrong with a signal file, naming the file.
QString Sig_Fault_Text(const std::string &path, const Number_File_Result &r) {
  const QString file = QString::fromStdString(path);
  const QString reason = QString::fromLocal8Bit(r.reason.c_str());
  const QString found = QString::fromStdString(r.found);
  const QString item = QString::number(r.item);
  switch (r.fault) {
    case Number_Fault::None:
      break;
    case Number_Fault::Cannot_Open:
    case Number_Fault::Cannot_Read:
      return Tr("Cannot read the signal file \"%1\": %2. Nothing was changed.",
                "无法读取信令参数文件 \"%1\"：%2。参数未改变。")
          .arg(file, reason);
    case Number_Fault::Too_Large:
      return Tr("The file \"%1\" is no signal file: it is far too large. Nothing was changed.",
                "文件 \"%1\" 不是信令参数文件：它太大。参数未改变。")
          .arg(file);
    case Number_Fault::Ends_Early:
      return Tr("The signal file \"%1\" ends early: it holds %2 of its 4096 numbers. Nothing was changed.",
                "信令参数文件 \"%1\" 不完整：只有 %2 个数，应有 4096 个。参数未改变。")
          .arg(file, item);
    case Number_Fault::Not_A_Number:
      return Tr("The signal file \"%1\" holds \"%3\" as item %2, which is no whole number. Nothing was changed.",
                "信令参数文件 \"%1\" 的第 %2 项 \"%3\" 不是整数。参数未改变。")
          .arg(file, item, found);
    case Number_Fault::Out_Of_Range:
      return Tr("The signal file \"%1\" holds %3 as item %2, outside its range. Nothing was changed.",
                "信令参数文件 \"%1\" 的第 %2 项 %3 超出范围。参数未改变。")
          .arg(file, item, found);
    case Number_Fault::Cannot_Write:
      if (r.old_file_changed)
        return Tr("Cannot save the signal file \"%1\": %2. The file is no longer whole; save it again.",
                  "无法保存信令参数文件 \"%1\"：%2。该文件已不完整，请重新保存。")
            .arg(file, reason);
      if (!r.old_file_there)
        return Tr("Cannot save the signal file \"%1\": %2.", "无法保存信令参数文件 \"%1\"：%2。")
            .arg(file, Save_Fault_Reason(r, Shared().Lang_Chinese));
      return Tr("Cannot save the signal file \"%1\": %2. A file of that name that was there is unchanged.",
                "无法保存信令参数文件 \"%1\"：%2。原有的同名文件未改变。")
          .arg(file, Save_Fault_Reason(r, Shared().Lang_Chinese));
  }
  return {};
}

}  // namespace

void frm_5tone::Sig_File_Save(const std::string &path) {
  // 1. An existing signal file keeps the lines the build does not set; a
  // file that is no whole signal file is not taken.
  Sig_File_Buffer old;
  if (Read_Sig_File(path, old).Ok()) Shared().Sig_File_Buf = old;
  // 2, 3.
  Sig_File_Build();
  const Number_File_Result r = Write_Sig_File(path, Shared().Sig_File_Buf);
  if (!r.Ok()) {
    panel_->Message(Sig_Fault_Text(path, r), kPrompt_Title_Cap.Text());
    return;
  }
  // 4.
  panel_->Message(Lang_Pair{"Complete storing Signal parameters.", "信令参数保存完毕 ！"}, kPrompt_Title_Cap);
}

void frm_5tone::Sig_File_Load(const std::string &path) {
  // 1. The whole file is read and checked before anything changes.
  Sig_File_Buffer read;
  const Number_File_Result r = Read_Sig_File(path, read);
  if (!r.Ok()) {
    panel_->Message(Sig_Fault_Text(path, r), kPrompt_Title_Cap.Text());
    return;
  }
  // 2. Lines 64-95 into image lines 576-607.
  Shared().Sig_File_Buf = read;
  for (int k = kSigFileToneFirst; k <= kSigFileToneLast; ++k)
    for (int c = 0; c < 16; ++c)
      Img(kStdFirstLine + k - kSigFileToneFirst, c) = static_cast<uint8_t>(read[static_cast<size_t>(k)][static_cast<size_t>(c)]);
  // 3, 4, 5.
  Show_New_Image();
  if (!panel_->Message(Lang_Pair{"Succeed fold the Signal parameters from file.", "信令参数从文件调入成功 ！"},
                       kPrompt_Title_Cap))
    return;
  panel_->ProgressBar1->hide();
  panel_->ProgressBar1->setValue(0);
  panel_->Label_tr_count->setText(QString());
}

void frm_5tone::Timer4_Timer() {
  // While the window's own exchange runs nothing is taken: a load waits, so
  // that a write never sends lines of two different sets, and a save waits
  // behind it.
  const auto busy = [this] { return Busy(); };
  Poll_Pending_Files(Shared().Dlg_Open_Flag, Shared().Dlg_Save_Flag,
                     {busy, [this](const std::string &path) { Sig_File_Load(path); },
                      [this](const std::string &path) { Sig_File_Save(path); }, busy},
                     panel_->Alive(), polling_);
}

}  // namespace zv
