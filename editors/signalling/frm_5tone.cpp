#include "editors/signalling/frm_5tone.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>

#include "comm/exchange_panel.h"
#include "comm/exchange_presets.h"
#include "image/shared_state.h"
#include "image/signal_defaults.h"
#include "image/symbol_codec.h"
#include "platform/flex_grid.h"
#include "platform/focus_check.h"
#include "platform/key_filter.h"
#include "platform/list_combo.h"
#include "platform/tab_strip.h"
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
  // 4. The exchange idle.
  Engine().Stop();
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
  if (panel_->Refuse_While_Busy()) return;
  if (MDImain *main = MDImain::Instance()) main->Windows().Show(win::Form_open_chann);
}

void frm_5tone::Command_save_Click() {
  if (panel_->Refuse_While_Busy()) return;
  if (MDImain *main = MDImain::Instance()) main->Windows().Show(win::Form_save_chann);
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

void frm_5tone::closeEvent(QCloseEvent *event) { panel_->Close_Event(event); }

}  // namespace zv
