#include "editors/alignment/frm_adj_txp.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <string>

#include "comm/exchange_engine.h"
#include "comm/exchange_panel.h"
#include "editors/file_dialog_buttons.h"
#include "editors/pending_file_poll.h"
#include "image/adj_file.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "shell/file_messages.h"
#include "comm/exchange_presets.h"
#include "image/adjust_defaults.h"
#include "image/num_text.h"
#include "image/shared_state.h"
#include "image/symbol_codec.h"
#include "platform/focus_check.h"
#include "platform/key_filter.h"
#include "platform/list_combo.h"
#include "platform/message_box.h"
#include "platform/tab_strip.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

namespace zv {

namespace {

constexpr int kPoints = 16;
constexpr int kLevels = 10;
constexpr std::array<int, 4> kPointStep{4, 6, 6, 4};
constexpr int kPasswordLen = 6;

// Tab keys in tab order; page n is tab n + 1.
struct Tab_Page {
  const char *key;
  const char *caption;
  const char *title;  // window title set by a click (Chinese in both languages)
};
constexpr Tab_Page kTabs[5] = {
    {"Adj_Txp_High", "发射功率（高）", "发射功率调整（高功率）"},
    {"Adj_Txp_Low", "发射功率（低）", "发射功率调整（低功率）"},
    {"Adj_Sql_Leve", "静噪等级", "静噪等级调整"},
    {"Adj_Dev_Leve", "调制、音量", "调制度、输出音量调整"},
    {"Adj_Other", "频率范围", "频率范围"},
};

struct Value_Family {
  int max;
  const char *message;  // Chinese in both languages
};
constexpr Value_Family kTxpFamily{63, " 输入数字范围为 0 - 63 ！"};
constexpr Value_Family kSqFamily{100, " 输入数字范围为 0 - 100 ！"};
constexpr Value_Family kOffsetFamily{10, " 输入数字范围为 0 - 10 ！"};

constexpr std::array<int, 4> kSqlRows{Row_Sql_VHF, Row_Sql_UHF0, Row_Sql_UHF1, Row_Sql_UHF2};
constexpr std::array<int, 4> kOffsetRows{Row_Sq_Offset_VHF, Row_Sq_Offset_UHF0, Row_Sq_Offset_UHF1,
                                         Row_Sq_Offset_UHF2};

// Level lists: label and entry count, by column of row 16.
struct Level_List {
  const char *name;
  const char *label;
  int entries;
};
constexpr Level_List kLevelLists[14] = {
    {"Combo_Voice_Dev", "话音调制度", 128},     {"Combo_CT_Dev", "模拟哑音调制度", 64},
    {"Combo_DCS_Dev", "数字哑音调制度", 64},    {"Combo_Wide_C", "宽带接收音量粗调", 16},
    {"Combo_Wide_F", "宽带接收音量细调", 16},   {"Combo_Narror_C", "窄带接收音量粗调", 16},
    {"Combo_Narror_F", "窄带接收音量细调", 16}, {"Combo_Beep_C", "提示音音量粗调", 16},
    {"Combo_Beep_F", "提示音音量细调", 16},     {"Combo_VHF_Drive", "150兆 段驱动功率", 16},
    {"Combo_UHF0_Drive", "200 兆段驱动功率", 16}, {"Combo_UHF1_Drive", "400 兆段驱动功率", 16},
    {"Combo_UHF2_Drive", "350 兆段驱动功率", 16}, {"Combo_Tone_Dev", "信令调制度", 128},
};
// The order in which the lists are filled: voice, signalling, CTCSS, DCS,
// then the sixteen-entry lists.
constexpr int kFillOrder[14] = {0, 13, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

const char *const kBandNames[4] = {"VHF", "UHF0", "UHF1", "UHF2"};

// Sets a box's text as a display does: no change handler runs.
void Show_Text(QLineEdit *box, const QString &text) {
  const QSignalBlocker block(box);
  box->setText(text);
}

std::string Trimmed(const QString &text) {
  std::string s = text.toStdString();
  Trim_Blanks(s);
  return s;
}

// The whole number of a text of digits, saturated far above every maximum.
long long Digits_Value(const std::string &digits) {
  long long v = 0;
  for (char c : digits) v = std::min(v * 10 + (c - '0'), 1000000LL);
  return v;
}

bool All_Digits(const std::string &s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

QString Object_Name(const char *array, int index) {
  return QStringLiteral("%1_%2").arg(QString::fromLatin1(array)).arg(index);
}

QLineEdit *New_Box(QWidget *parent, const char *array, int index) {
  auto *box = new QLineEdit(parent);
  box->setObjectName(Object_Name(array, index));
  return box;
}

QLabel *New_Label(QWidget *parent, const QString &text = {}) { return new QLabel(text, parent); }

}  // namespace

// ----------------------------------------------------------------- building

frm_Adj_Txp::frm_Adj_Txp(QWidget *parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("frm_Adj_Txp"));
  setAttribute(Qt::WA_DeleteOnClose);
  Exchange_Panel_Setup setup;
  setup.close_button_text = kClosing_Text;
  setup.busy_closing = Busy_Closing::Silent;
  panel_ = std::make_unique<Exchange_Panel>(this, presets::Alignment(), setup);
  Exchange_Steps &steps = panel_->Steps();
  steps.Store_Read_Frames = [this] {
    // Frames 2-9, answer bytes 5-68 each, into rows 0-31; then the page.
    const Rx_Frame_Table &frames = Engine().Rx_Frames;
    for (int i = 0; i < 512; ++i)
      Shared().Adjust_Table(i / 16, i % 16) = frames[static_cast<size_t>(2 + i / 64)][static_cast<size_t>(5 + i % 64)];
    Show_Page();
  };
  steps.Show_Progress = [this](int n) { Show_Progress(n); };
  steps.Data_Started = [this] {
    if (Engine().Write_Mode) ProgressBar1->setValue(100);
  };
  steps.Completed = [this] { Completed(); };
  steps.Failure_Report = {};  // the engine's own: status panel 2, no box
  timer4_ = Current_Platform().New_Timer();
  focus_check_ = std::make_unique<Focus_Check>(this, guard_.Alive());

  tab_client_ = new QFrame(this);
  tab_client_->setFrameShape(QFrame::StyledPanel);
  TabStrip1 = new Tab_Strip(this);
  TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
  for (const Tab_Page &tab : kTabs) {
    const int i = TabStrip1->addTab(QString::fromUtf8(tab.caption));
    TabStrip1->setTabData(i, QString::fromLatin1(tab.key));
  }
  TabStrip1->On_Click = [this] { TabStrip1_Click(); };

  Build_Power_Page();
  Build_Squelch_Page();
  Build_Level_Page();
  Build_Other_Page();
  Build_Buttons();
}

frm_Adj_Txp::~frm_Adj_Txp() {
  timer4_->Set_Enabled(false);
  Engine().Stop();
}

Exchange_Engine &frm_Adj_Txp::Engine() { return panel_->Engine(); }

std::array<QLineEdit *, 16> &frm_Adj_Txp::Txp_Boxes(int band) {
  std::array<QLineEdit *, 16> *all[4] = {&Text_TXP_VHF, &Text_TXP_UHF0, &Text_TXP_UHF1, &Text_TXP_UHF2};
  return *all[band];
}

std::array<QLineEdit *, 10> &frm_Adj_Txp::Sq_Boxes(int band) {
  std::array<QLineEdit *, 10> *all[4] = {&Text_SQ_VHF, &Text_SQ_UHF0, &Text_SQ_UHF1, &Text_SQ_UHF2};
  return *all[band];
}

std::array<QLineEdit *, 16> &frm_Adj_Txp::Offset_Boxes(int band) {
  std::array<QLineEdit *, 16> *all[4] = {&Text_Sq_Offset_VHF, &Text_Sq_Offset_UHF0, &Text_Sq_Offset_UHF1,
                                         &Text_Sq_Offset_UHF2};
  return *all[band];
}

std::array<List_Combo *, 14> frm_Adj_Txp::Level_Lists() const {
  return {Combo_Voice_Dev, Combo_CT_Dev,    Combo_DCS_Dev,    Combo_Wide_C,     Combo_Wide_F,
          Combo_Narror_C,  Combo_Narror_F,  Combo_Beep_C,     Combo_Beep_F,     Combo_VHF_Drive,
          Combo_UHF0_Drive, Combo_UHF1_Drive, Combo_UHF2_Drive, Combo_Tone_Dev};
}

void frm_Adj_Txp::Build_Power_Page() {
  Frame_Frame = new QGroupBox(this);
  Frame_Frame->setObjectName(QStringLiteral("Frame_Frame"));
  auto *page = new QHBoxLayout(Frame_Frame);
  const char *captions[4] = {"130 - 179 MHZ ", "200  -  270 MHZ ", "400  -  480 MHZ ", "350  -  390 MHZ "};
  const char *label_names[4] = {"Label_TXP_VHF", "Label_TXP_UHF0", "Label_TXP_UHF1", "Label_TXP_UHF2"};
  const char *box_names[4] = {"Text_TXP_VHF", "Text_TXP_UHF0", "Text_TXP_UHF1", "Text_TXP_UHF2"};
  std::array<QLabel *, 16> *labels[4] = {&Label_TXP_VHF, &Label_TXP_UHF0, &Label_TXP_UHF1, &Label_TXP_UHF2};
  for (int band = 0; band < 4; ++band) {
    Frame_B0[band] = new QGroupBox(QString::fromUtf8(captions[band]), Frame_Frame);
    Frame_B0[band]->setObjectName(Object_Name("Frame_B0", band));
    page->addWidget(Frame_B0[band]);
    auto *grid = new QGridLayout(Frame_B0[band]);
    grid->setVerticalSpacing(1);
    for (int i = 0; i < kPoints; ++i) {
      QLabel *label = New_Label(Frame_B0[band]);
      label->setObjectName(Object_Name(label_names[band], i));
      label->hide();
      (*labels[band])[i] = label;
      QLineEdit *box = New_Box(Frame_B0[band], box_names[band], i);
      Txp_Boxes(band)[i] = box;
      // Two columns of eight points.
      grid->addWidget(label, i % 8, (i / 8) * 2);
      grid->addWidget(box, i % 8, (i / 8) * 2 + 1);
      connect(box, &QLineEdit::textEdited, this, [this, band, i] { Text_Value_Change(Value_Kind::Txp, band, i); });
    }
  }
}

void frm_Adj_Txp::Build_Squelch_Page() {
  Frame_Sql = new QGroupBox(QStringLiteral("静噪等级"), this);
  Frame_Sql->setObjectName(QStringLiteral("Frame_Sql"));
  auto *page = new QHBoxLayout(Frame_Sql);
  const char *captions[4] = {" 130 - 179 MHZ", "200 - 270 MHZ", "400 - 480 MHZ", "350 - 390 MHZ"};
  const char *level_labels[4] = {"Label_Sql_VHF", "Label_Sql_UHF0", "Label_Sql_UHF1", "Label_Sql_UHF2"};
  const char *sq_boxes[4] = {"Text_SQ_VHF", "Text_SQ_UHF0", "Text_SQ_UHF1", "Text_SQ_UHF2"};
  const char *point_labels[4] = {"Label_Sq_Offset_Vhf", "Label_Sq_Offset_UHF0", "Label_Sq_Offset_UHF1",
                                 "Label_Sq_Offset_UHF2"};
  const char *offset_boxes[4] = {"Text_Sq_Offset_VHF", "Text_Sq_Offset_UHF0", "Text_Sq_Offset_UHF1",
                                 "Text_Sq_Offset_UHF2"};
  std::array<QLabel *, 10> *levels[4] = {&Label_Sql_VHF, &Label_Sql_UHF0, &Label_Sql_UHF1, &Label_Sql_UHF2};
  std::array<QLabel *, 16> *points[4] = {&Label_Sq_Offset_Vhf, &Label_Sq_Offset_UHF0, &Label_Sq_Offset_UHF1,
                                         &Label_Sq_Offset_UHF2};
  for (int band = 0; band < 4; ++band) {
    auto *group = new QGroupBox(QString::fromUtf8(captions[band]), Frame_Sql);
    group->setObjectName(Object_Name("Frame_Sql_Band", band));
    Frame_Sql_Band[band] = group;
    page->addWidget(group);
    auto *grid = new QGridLayout(group);
    grid->setVerticalSpacing(1);
    const char *headings[4] = {"级别", "打开", "频点", "补偿"};
    for (int h = 0; h < 4; ++h) grid->addWidget(New_Label(group, QString::fromUtf8(headings[h])), 0, h);
    for (int i = 0; i < kLevels; ++i) {
      QLabel *label = New_Label(group, QStringLiteral("0"));
      label->setObjectName(Object_Name(level_labels[band], i));
      (*levels[band])[i] = label;
      QLineEdit *box = New_Box(group, sq_boxes[band], i);
      Sq_Boxes(band)[i] = box;
      grid->addWidget(label, 1 + i, 0);
      grid->addWidget(box, 1 + i, 1);
      connect(box, &QLineEdit::textEdited, this, [this, band, i] { Text_Value_Change(Value_Kind::Sq, band, i); });
    }
    for (int i = 0; i < kPoints; ++i) {
      QLabel *label = New_Label(group, QStringLiteral("0"));
      label->setObjectName(Object_Name(point_labels[band], i));
      (*points[band])[i] = label;
      QLineEdit *box = New_Box(group, offset_boxes[band], i);
      Offset_Boxes(band)[i] = box;
      grid->addWidget(label, 1 + i, 2);
      grid->addWidget(box, 1 + i, 3);
      connect(box, &QLineEdit::textEdited, this,
              [this, band, i] { Text_Value_Change(Value_Kind::Sq_Offset, band, i); });
    }
  }
}

void frm_Adj_Txp::Build_Level_Page() {
  Frame_Dev = new QGroupBox(QStringLiteral("调制、音量"), this);
  Frame_Dev->setObjectName(QStringLiteral("Frame_Dev"));
  auto *page = new QHBoxLayout(Frame_Dev);
  Frame_Dev_1 = new QGroupBox(Frame_Dev);
  Frame_Dev_1->setObjectName(QStringLiteral("Frame_Dev_1"));
  Frame2 = new QGroupBox(Frame_Dev);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  page->addWidget(Frame_Dev_1);
  page->addWidget(Frame2, 0, Qt::AlignTop);
  auto *column = new QGridLayout(Frame_Dev_1);
  auto *alone = new QGridLayout(Frame2);
  List_Combo **lists[14] = {&Combo_Voice_Dev, &Combo_CT_Dev,     &Combo_DCS_Dev,    &Combo_Wide_C,
                            &Combo_Wide_F,    &Combo_Narror_C,   &Combo_Narror_F,   &Combo_Beep_C,
                            &Combo_Beep_F,    &Combo_VHF_Drive,  &Combo_UHF0_Drive, &Combo_UHF1_Drive,
                            &Combo_UHF2_Drive, &Combo_Tone_Dev};
  int row = 0;
  for (int col = 0; col < 14; ++col) {
    QWidget *frame = col < 13 ? static_cast<QWidget *>(Frame_Dev_1) : Frame2;
    auto *list = new List_Combo(frame);
    list->setObjectName(QString::fromLatin1(kLevelLists[col].name));
    list->On_Click = [this, col] { Combo_Level_Click(col); };
    *lists[col] = list;
    QLabel *label = New_Label(frame, QString::fromUtf8(kLevelLists[col].label));
    if (col == 13) {
      alone->addWidget(label, 0, 0);
      alone->addWidget(list, 0, 1);
      continue;
    }
    column->addWidget(label, row, 0);
    column->addWidget(list, row, 1);
    ++row;
    // A small gap after the three deviations and after each coarse/fine pair.
    if (col == 2 || col == 4 || col == 6 || col == 8) column->setRowMinimumHeight(row++, 8);
  }
}

void frm_Adj_Txp::Build_Other_Page() {
  Frame_Other = new QGroupBox(this);
  Frame_Other->setObjectName(QStringLiteral("Frame_Other"));
  auto *grid = new QGridLayout(Frame_Other);
  Label2 = New_Label(Frame_Other);
  Label3 = New_Label(Frame_Other);
  Label4 = New_Label(Frame_Other);
  Label8[0] = New_Label(Frame_Other);
  grid->addWidget(Label2, 0, 0);
  grid->addWidget(Label3, 0, 1);
  grid->addWidget(Label4, 0, 2, 1, 4);
  grid->addWidget(Label8[0], 0, 6);

  const char *ranges[4] = {"130 - 179", "200 - 270", "400 - 480", "340 - 400"};
  const int to_member[4] = {0, 1, 2, 4};
  for (int band = 0; band < 4; ++band) {
    const QString text = QString::fromLatin1(kBandNames[band]) + QString(band == 0 ? 24 : 21, u' ') +
                         QString::fromLatin1(ranges[band]);
    QLabel *label = New_Label(Frame_Other, text);
    if (band == 0) {
      Label_F0 = label;
      label->setObjectName(QStringLiteral("Label_F0"));
    } else {
      Label_F1[band - 1] = label;
      label->setObjectName(Object_Name("Label_F1", band - 1));
    }
    Label9[band] = New_Label(Frame_Other);
    Label10[to_member[band]] = New_Label(Frame_Other);
    Text_Freq_L[band] = New_Box(Frame_Other, "Text_Freq_L", band);
    Text_Freq_H[band] = New_Box(Frame_Other, "Text_Freq_H", band);
    Check_Tx[band] = new QCheckBox(Frame_Other);
    Check_Tx[band]->setObjectName(Object_Name("Check_Tx", band));
    grid->addWidget(label, 1 + band, 0, 1, 2);
    grid->addWidget(Label9[band], 1 + band, 2);
    grid->addWidget(Text_Freq_L[band], 1 + band, 3);
    grid->addWidget(Label10[to_member[band]], 1 + band, 4);
    grid->addWidget(Text_Freq_H[band], 1 + band, 5);
    grid->addWidget(Check_Tx[band], 1 + band, 6);

    // A limit box takes a fourth character, then no character key at all
    // (Backspace included); Delete and a selection still correct it.
    Key_Rule rule;
    rule.limit = 4;
    rule.measure = Limit_Measure::Trimmed;
    rule.backspace = Backspace_Rule::Refused_When_Full;
    Key_Filter::Install(Text_Freq_L[band], rule);
    Key_Filter::Install(Text_Freq_H[band], rule);
    focus_check_->Watch(Text_Freq_L[band], [this, band] { Text_Freq_L_LostFocus(band); });
    focus_check_->Watch(Text_Freq_H[band], [this, band] { Text_Freq_H_LostFocus(band); });
    connect(Check_Tx[band], &QCheckBox::clicked, this, [this, band] { Check_Tx_Click(band); });
  }

  Frame4 = new QGroupBox(QStringLiteral("读写频密码"), Frame_Other);
  Frame4->setObjectName(QStringLiteral("Frame4"));
  grid->addWidget(Frame4, 5, 0, 1, 7);
  auto *passwords = new QGridLayout(Frame4);
  Label8[1] = New_Label(Frame4, QStringLiteral("用户密码"));
  Label10[3] = New_Label(Frame4, QStringLiteral("超级密码"));
  Text_user_PassWord = new QLineEdit(Frame4);
  Text_user_PassWord->setObjectName(QStringLiteral("Text_user_PassWord"));
  Text_Super_PassWord = new QLineEdit(Frame4);
  Text_Super_PassWord->setObjectName(QStringLiteral("Text_Super_PassWord"));
  passwords->addWidget(Label8[1], 0, 0);
  passwords->addWidget(Text_user_PassWord, 0, 1);
  passwords->addWidget(Label10[3], 0, 2);
  passwords->addWidget(Text_Super_PassWord, 0, 3);
  connect(Text_user_PassWord, &QLineEdit::textEdited, this, [this] { Text_user_PassWord_Change(); });
  connect(Text_Super_PassWord, &QLineEdit::textEdited, this, [this] { Text_Super_PassWord_Change(); });
}

void frm_Adj_Txp::Build_Buttons() {
  auto button = [this](const char *name, const QString &caption) {
    auto *b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
  };
  Command_read = button("Command_read", {});
  Command_Write = button("Command_Write", {});
  Command_def = button("Command_def", {});
  Command_close = button("Command_close", {});
  Command_open = button("Command_open", QStringLiteral("打  开"));
  Command_save = button("Command_save", QStringLiteral("保  存"));
  ProgressBar1 = panel_->ProgressBar1;
  Label_tr_count = panel_->Label_tr_count;

  connect(Command_read, &QPushButton::clicked, this, [this] { Command_read_Click(); });
  connect(Command_Write, &QPushButton::clicked, this, [this] { Command_Write_Click(); });
  connect(Command_def, &QPushButton::clicked, this, [this] { Command_def_Click(); });
  connect(Command_close, &QPushButton::clicked, this, [this] { Command_close_Click(); });
  connect(Command_open, &QPushButton::clicked, this, [this] { Command_open_Click(); });
  connect(Command_save, &QPushButton::clicked, this, [this] { Command_save_Click(); });
}

// ------------------------------------------------------------------ loading

QString frm_Adj_Txp::Text(const char *en, const char *cn) const {
  return Shared().Lang_Chinese ? QString::fromUtf8(cn) : QString::fromUtf8(en);
}

void frm_Adj_Txp::Form_Load(QWidget *window, const Main_Sizing &main) {
  window_ = window ? window : this;
  const Window_Alive alive = guard_.Alive();
  Cur_Page = 0;
  Adj_Band_Low = {130, 200, 400, 340};
  Adj_Band_High = {179, 270, 520, 400};

  const double width = main.Width / 1.48, height = main.Height / 1.2;
  Place(window_, (main.Scale_Width - width) / 2, (main.Scale_Height - height) / 2, width, height);
  window_->show();

  // The tab bar across the top of the tab strip's area, its client area
  // below it; the page frames lie on that client area.
  const double strip_width = width / 1.05, strip_height = height / 1.5;
  const double bar_height = Px_To_Twips(TabStrip1->sizeHint().height());
  Place(TabStrip1, 100, 100, strip_width, bar_height);
  Place(tab_client_, 100, 100 + bar_height, strip_width, strip_height - bar_height);
  Place(Frame_Frame, 300, 600, width / 1.2, height / 1.8);
  Place(Frame_Sql, 300, 600, width / 1.1, height / 1.7);
  Place(Frame_Dev, 300, 600, width / 1.6, height / 1.65);
  Place(Frame_Other, 300, 600, width / 1.4, height / 1.8);
  const double buttons_top = 100 + strip_height + 200;
  const double step = 1300;
  QPushButton *buttons[6] = {Command_read, Command_Write, Command_def, Command_close, Command_open, Command_save};
  for (int k = 0; k < 6; ++k) Place(buttons[k], 300 + step * k, buttons_top, 1100, 450);
  Place(ProgressBar1, 300, buttons_top + 650, strip_width - 400, 300);
  Place(Label_tr_count, 300, buttons_top + 1050, strip_width - 400, 300);

  Engine().Stop();
  ProgressBar1->hide();
  timer4_->On_Tick = [this] { Timer4_Timer(); };
  timer4_->Set_Interval(500);
  timer4_->Set_Enabled(true);

  Cur_Page = 4;
  Show_Frame(Frame_Other);
  {
    const QSignalBlocker block(TabStrip1);
    TabStrip1->setCurrentIndex(4);
  }

  setWindowTitle(Text("Other ", "其他"));
  Frame_Other->setTitle(Text("Adjustable  frequency  range ", "频率范围限制"));
  Label2->setText(Text("Band", "频段"));
  Label3->setText(Text("Max frequency range (MHz)", "最大工作频率范围(MHZ)"));
  Label4->setText(Text("Limit frequency range (MHz)", "限制工作频率范围(MHZ)"));
  Label8[0]->setText(Text("Allow transmit", "发射允许"));
  for (QLabel *from : Label9) from->setText(Text("From", "从"));
  for (int k : {0, 1, 2, 4}) Label10[k]->setText(Text("to", "到"));
  Command_read->setText(Text("Read", "读 取"));
  Command_Write->setText(Text("Write", "写  入"));
  Command_def->setText(Text("Default", "默 认"));
  Command_close->setText(Text("Close", "关闭"));

  Init_Adj_Controls();
  Command_save->hide();
  Command_open->hide();
  if (!alive.Stands()) return;
  Show_Page();
}

void frm_Adj_Txp::Init_Adj_Controls() {
  std::array<QLabel *, 16> *point_labels[4] = {&Label_TXP_VHF, &Label_TXP_UHF0, &Label_TXP_UHF1,
                                               &Label_TXP_UHF2};
  std::array<QLabel *, 10> *level_labels[4] = {&Label_Sql_VHF, &Label_Sql_UHF0, &Label_Sql_UHF1,
                                               &Label_Sql_UHF2};
  std::array<QLabel *, 16> *sq_point_labels[4] = {&Label_Sq_Offset_Vhf, &Label_Sq_Offset_UHF0,
                                                  &Label_Sq_Offset_UHF1, &Label_Sq_Offset_UHF2};
  for (int band = 0; band < 4; ++band) {
    for (int i = 0; i < kPoints; ++i) {
      const int mhz = Adj_Band_Low[band] + kPointStep[band] * i;
      QLabel *label = (*point_labels[band])[i];
      label->setText(QString::number(mhz) + QStringLiteral("MHZ"));
      label->show();
      if (band > 0) {
        label->setAutoFillBackground(true);
        QPalette p = label->palette();
        p.setColor(QPalette::Window, p.color(QPalette::Button));
        label->setPalette(p);
      } else if (mhz >= Adj_Band_High[0]) {
        // VHF points at or above the band's highest frequency stand out.
        QLineEdit *box = Text_TXP_VHF[i];
        box->show();
        QPalette p = box->palette();
        p.setColor(QPalette::Base, p.color(QPalette::HighlightedText));
        box->setPalette(p);
      }
      // The squelch groups: the band's points without unit.
      (*sq_point_labels[band])[i]->setText(QString::number(mhz));
    }
    for (int i = 0; i < kLevels; ++i) (*level_labels[band])[i]->setText(QString::number(i));
  }

  // The level lists: " 0", " 1", ... in the fill order; nothing selected.
  const auto lists = Level_Lists();
  for (int col : kFillOrder) {
    QStringList items;
    for (int n = 0; n < kLevelLists[col].entries; ++n) items << QStringLiteral(" ") + QString::number(n);
    lists[col]->Set_Items(items);
  }
}

void frm_Adj_Txp::Show_Frame(QWidget *frame) {
  for (QWidget *f : {static_cast<QWidget *>(Frame_Frame), static_cast<QWidget *>(Frame_Sql),
                     static_cast<QWidget *>(Frame_Dev), static_cast<QWidget *>(Frame_Other)})
    f->setVisible(f == frame);
  frame->raise();
}

// ---------------------------------------------------------------- the pages

void frm_Adj_Txp::Form_GotFocus() { Show_Page(); }

void frm_Adj_Txp::TabStrip1_Click() {
  const int tab = TabStrip1->Selected_Tab() - 1;
  const QString key = tab >= 0 ? TabStrip1->tabData(tab).toString() : QString();
  for (int page = 0; page < 5; ++page) {
    if (key != QLatin1String(kTabs[page].key)) continue;
    Cur_Page = page;
    const QString title = QString::fromUtf8(kTabs[page].title);
    setWindowTitle(title);
    QGroupBox *frames[5] = {Frame_Frame, Frame_Frame, Frame_Sql, Frame_Dev, Frame_Other};
    Show_Frame(frames[page]);
    if (page <= 1) Frame_Frame->setTitle(title);
    break;
  }
  Show_Page();
}

bool frm_Adj_Txp::Show_Page() {
  const Window_Alive alive = guard_.Alive();
  const Adjust_Table_Type &table = Shared().Adjust_Table;
  // Each numeric box is set, then tested and stored as a typed value would
  // be; a refusal's message may close the window.
  auto show_value = [&](Value_Kind kind, int band, int index, int row) {
    Show_Text(Value_Box(kind, band, index), QString::number(table(row, index)));
    return Text_Value_Change(kind, band, index) && alive.Stands();
  };

  if (Cur_Page <= 1) {
    for (int band = 0; band < 4; ++band)
      for (int i = 0; i < kPoints; ++i)
        if (!show_value(Value_Kind::Txp, band, i, Value_Row(Value_Kind::Txp, band))) return false;
    return true;
  }

  for (int band = 0; band < 4; ++band) {
    for (int i = 0; i < kLevels; ++i)
      if (!show_value(Value_Kind::Sq, band, i, kSqlRows[band])) return false;
    for (int i = 0; i < kPoints; ++i)
      if (!show_value(Value_Kind::Sq_Offset, band, i, kOffsetRows[band])) return false;
  }

  if (Cur_Page == 3) {
    // A cell outside its list shows no selection and stays as it is.
    const auto lists = Level_Lists();
    for (int col = 0; col < 14; ++col) lists[col]->Show_Index(table(Row_Level, col));
  }

  if (Cur_Page == 4) {
    for (int band = 0; band < 4; ++band) {
      const int row = Row_Band_Limit + band;
      auto limit = [&](int first) {
        // Digit cells are summed as they stand (1, 12, 0 shows " 220").
        const int mhz = 100 * table(row, first) + 10 * table(row, first + 1) + table(row, first + 2);
        return QStringLiteral(" ") + QString::number(mhz);
      };
      Show_Text(Text_Freq_L[band], limit(Col_Limit_Low));
      Show_Text(Text_Freq_H[band], limit(Col_Limit_High));
      const bool allowed = table(row, Col_Tx_Allow) > 0;
      if (Check_Tx[band]->isChecked() != allowed) {
        const QSignalBlocker block(Check_Tx[band]);
        Check_Tx[band]->setChecked(allowed);
        Check_Tx_Click(band);
      }
    }
    auto password = [&](int first) {
      std::array<uint8_t, kPasswordLen> bytes{};
      for (int k = 0; k < kPasswordLen; ++k) bytes[k] = table(map::kPasswordAdjLine, first + k);
      return QString::fromStdString(Display_To_Text(bytes));
    };
    Show_Text(Text_user_PassWord, password(0));
    Text_user_PassWord_Change();
    Show_Text(Text_Super_PassWord, password(kPasswordLen));
    Text_Super_PassWord_Change();
  }
  return true;
}

// ------------------------------------------------------------ value fields

QLineEdit *frm_Adj_Txp::Value_Box(Value_Kind kind, int band, int index) {
  switch (kind) {
    case Value_Kind::Txp:
      return Txp_Boxes(band)[index];
    case Value_Kind::Sq:
      return Sq_Boxes(band)[index];
    case Value_Kind::Sq_Offset:
      return Offset_Boxes(band)[index];
  }
  return nullptr;
}

int frm_Adj_Txp::Value_Row(Value_Kind kind, int band) const {
  switch (kind) {
    case Value_Kind::Txp:
      // Page 0 stores the high-power rows, page 1 the low-power rows.
      return (Cur_Page == 1 ? Row_Txp_Low : Row_Txp_High) + band;
    case Value_Kind::Sq:
      return kSqlRows[band];
    case Value_Kind::Sq_Offset:
      return kOffsetRows[band];
  }
  return 0;
}

bool frm_Adj_Txp::Text_Value_Change(Value_Kind kind, int band, int index) {
  const Value_Family &family =
      kind == Value_Kind::Txp ? kTxpFamily : kind == Value_Kind::Sq ? kSqFamily : kOffsetFamily;
  QLineEdit *box = Value_Box(kind, band, index);
  const int row = Value_Row(kind, band);
  Adjust_Table_Type &table = Shared().Adjust_Table;

  // Blanks at the ends are ignored, an empty box reads 0; anything but
  // digits, or a value above the family's maximum, is refused.
  const std::string text = Trimmed(box->text());
  if (All_Digits(text)) {
    const long long v = Digits_Value(text);
    if (v <= family.max) {
      table(row, index) = static_cast<uint8_t>(v);
      return true;
    }
  }
  // A refusal gives the cell's factory default, bounded by the family's
  // maximum, stored before the message is shown.
  const int fallback = std::min<int>(Shared().Adjust_Defaults(row, index), family.max);
  table(row, index) = static_cast<uint8_t>(fallback);
  return Focus_Check::Refuse_Field(guard_.Alive(), box, QString::fromUtf8(family.message),
                                   QStringLiteral("操作提示"), Msg_Icon::Information,
                                   [box, fallback] { Show_Text(box, QString::number(fallback)); });
}

void frm_Adj_Txp::Text_Freq_L_LostFocus(int index) {
  const double low = Val(Text_Freq_L[index]->text().toStdString());
  const double high = Val(Text_Freq_H[index]->text().toStdString());
  if (low < Adj_Band_Low[index]) {
    Refuse_Limit(Text_Freq_L[index], Adj_Band_Low[index], nullptr, 0, false,
                 "Receive frequency of lower limit can't less than the lowest of work frequency. ",
                 "下限频率不可小于该频段最低工作频率");
    return;
  }
  if (high < low) {
    // An upper limit outside the band (radio data) is reset too, so that the
    // focus can leave.
    const bool partner_out = high < Adj_Band_Low[index] || high > Adj_Band_High[index];
    Refuse_Limit(Text_Freq_L[index], Adj_Band_Low[index], Text_Freq_H[index], Adj_Band_High[index], partner_out,
                 "Receive frequency of lower limit can't more than receive frequency of upper limit.",
                 "下限频率不可大于该频段上限频率");
    return;
  }
  Store_Limits();
}

void frm_Adj_Txp::Text_Freq_H_LostFocus(int index) {
  const double low = Val(Text_Freq_L[index]->text().toStdString());
  const double high = Val(Text_Freq_H[index]->text().toStdString());
  if (high > Adj_Band_High[index]) {
    Refuse_Limit(Text_Freq_H[index], Adj_Band_High[index], nullptr, 0, false,
                 "Receive frequency of upper limit can't more than the highest of work frequency. ",
                 "上限频率不可大于该频段最大工作频率");
    return;
  }
  if (low > high) {
    const bool partner_out = low < Adj_Band_Low[index] || low > Adj_Band_High[index];
    Refuse_Limit(Text_Freq_H[index], Adj_Band_High[index], Text_Freq_L[index], Adj_Band_Low[index], partner_out,
                 "Receive frequency of lower limit can't more than receive frequency of upper limit.",
                 "上限频率不可小于该频段下限频率");
    return;
  }
  Store_Limits();
}

void frm_Adj_Txp::Refuse_Limit(QLineEdit *box, int bound, QLineEdit *partner, int partner_bound,
                               bool reset_partner, const char *en, const char *cn) {
  // Nothing is stored: the table keeps its digits until a limit passes.
  Focus_Check::Refuse_Field(guard_.Alive(), box, Text(en, cn), Text("Operate Prompt", "操作提示"),
                            Msg_Icon::Warning, [=] {
                              box->setText(QString::number(bound));
                              if (reset_partner) partner->setText(QString::number(partner_bound));
                            });
}

void frm_Adj_Txp::Store_Limits() {
  Adjust_Table_Type &table = Shared().Adjust_Table;
  // Each box read as the test reads it, its whole MHz split into three
  // digits; a value that needs more (or is negative) keeps its three cells,
  // so no cell above 9 comes from a split.
  auto store = [&](QLineEdit *box, int row, int first) {
    const double v = std::floor(Val(box->text().toStdString()));
    if (v < 0 || v > 999) return;
    const int mhz = static_cast<int>(v);
    table(row, first) = static_cast<uint8_t>(mhz / 100);
    table(row, first + 1) = static_cast<uint8_t>(mhz / 10 % 10);
    table(row, first + 2) = static_cast<uint8_t>(mhz % 10);
  };
  for (int band = 0; band < 4; ++band) {
    store(Text_Freq_L[band], Row_Band_Limit + band, Col_Limit_Low);
    store(Text_Freq_H[band], Row_Band_Limit + band, Col_Limit_High);
  }
}

void frm_Adj_Txp::Store_Password(QLineEdit *box, int first_col) {
  const auto bytes = Text_To_Centred_Display<kPasswordLen>(box->text().toStdString());
  for (int k = 0; k < kPasswordLen; ++k) Shared().Adjust_Table(map::kPasswordAdjLine, first_col + k) = bytes[k];
}

void frm_Adj_Txp::Text_user_PassWord_Change() { Store_Password(Text_user_PassWord, 0); }

void frm_Adj_Txp::Text_Super_PassWord_Change() { Store_Password(Text_Super_PassWord, kPasswordLen); }

// ----------------------------------------------- level lists and transmit

void frm_Adj_Txp::Combo_Level_Click(int column) {
  const int position = Level_Lists()[column]->List_Index();
  if (position >= 0) Shared().Adjust_Table(Row_Level, column) = static_cast<uint8_t>(position);
}

void frm_Adj_Txp::Check_Tx_Click(int index) {
  Shared().Adjust_Table(Row_Band_Limit + index, Col_Tx_Allow) = Check_Tx[index]->isChecked() ? 1 : 0;
}

// ------------------------------------------------------------------ buttons

bool frm_Adj_Txp::Refuse_While_Busy() { return panel_->Refuse_While_Busy(); }

void frm_Adj_Txp::Command_read_Click() { panel_->Start_Read(); }

void frm_Adj_Txp::Command_Write_Click() { panel_->Start_Write(); }

void frm_Adj_Txp::Show_Progress(int n) {
  if (Engine().Write_Mode) {
    // n: the row being sent; the label names the row just acknowledged.
    panel_->Show_Step(n, Engine().Write_Blocks,
                      Text("Writing  ", "正在写入  ") + QString::number(n - 1) + Text("  Data Block", "  数据块"));
  } else {
    panel_->Show_Step(n + 1, Engine().Read_Last + 1,
                      Text("Reading ", "正在读取 ") + QString::number(n + 1) + Text(" Data Block", " 数据块"));
  }
}

void frm_Adj_Txp::Completed() {
  const QString title = Text("Operate Prompt", "操作提示");
  if (Engine().Write_Mode) {
    if (!panel_->Message(Text("Complete writing optional parameters to the transceiver.", "调整参数写入完毕 ！"), title))
      return;
    Label_tr_count->setText(Text("Complete writing optional parameters ", "调整参数写入完毕 ！"));
    return;
  }
  ProgressBar1->show();
  ProgressBar1->setValue(100);
  Label_tr_count->setText(Text("Read optional parameters in gear. ", "调整参数读出正常 ！"));
  panel_->Message(Text("Complete reading the data from transceiver.", "从对讲机中读取调整数据完毕 ！"), title);
}

void frm_Adj_Txp::Timer4_Timer() {
  // A load waits while the exchange runs, so that a write never sends rows
  // 24-27 from two different tables; a save may run at any time.
  Poll_Pending_Files(Shared().Open_Pending, Shared().Save_Pending,
                     {[this] { return panel_->Busy(); }, [this](const std::string &path) { Load_Adj_File(path); },
                      [this](const std::string &path) { Save_Adj_File(path); }, /*save_waits=*/nullptr},
                     guard_.Alive(), polling_);
}

void frm_Adj_Txp::Load_Adj_File(const std::string &path) {
  const Window_Alive alive = guard_.Alive();
  const Number_File_Result r = Read_Adj_File(path, Shared().Adjust_Table);
  const QString title = Text("Operate Prompt", "操作提示");
  if (!r.Ok()) {
    // The table and the progress display stay as they were.
    Message_Box(Number_File_Fault_Text(QString::fromStdString(path), r, Shared().Lang_Chinese, kAdj_File_Kind), title);
    return;
  }
  if (!Show_Page() || !alive.Stands()) return;
  if (!Message_Stands(alive, Text("Succeed fold the optional parameters from file.", "调整参数从文件调入成功 ！"), title))
    return;
  ProgressBar1->hide();
  ProgressBar1->setValue(0);
  Label_tr_count->clear();
}

void frm_Adj_Txp::Save_Adj_File(const std::string &path) {
  const Number_File_Result r = Write_Adj_File(path, Shared().Adjust_Table);
  const QString title = Text("Operate Prompt", "操作提示");
  if (!r.Ok()) {
    Message_Box(Number_File_Fault_Text(QString::fromStdString(path), r, Shared().Lang_Chinese, kAdj_File_Kind), title);
    return;
  }
  Message_Box(Text("Complete storing optional parameters.", "调整参数保存完毕 ！"), title);
}

void frm_Adj_Txp::Command_close_Click() {
  if (panel_->Close_Button_Refuses()) return;
  timer4_->Set_Enabled(false);
  panel_->Close_Window();
  if (MDImain *main = MDImain::Instance()) {
    main->Windows().Close(win::Form_open_menu);
    main->Windows().Close(win::Form_save_menu);
  }
}

void frm_Adj_Txp::Command_def_Click() {
  if (Refuse_While_Busy()) return;
  ProgressBar1->hide();
  ProgressBar1->setValue(0);
  Label_tr_count->clear();
  Load_Adjust_Defaults(Shared().Adjust_Defaults);
  Copy_Adjust_Defaults(Shared().Adjust_Defaults, Shared().Adjust_Table);
  Show_Page();
}

void frm_Adj_Txp::Command_open_Click() {
  Start_File_Dialog(*panel_, win::Form_open_adj, Dialog_Start::Show);
}

void frm_Adj_Txp::Command_save_Click() {
  Start_File_Dialog(*panel_, win::Form_save_adj, Dialog_Start::Show);
}

void frm_Adj_Txp::closeEvent(QCloseEvent *event) {
  // However the window is closed, its exchange ends first; the close box is
  // never refused.
  timer4_->Set_Enabled(false);
  panel_->Close_Event(event);
  if (event->isAccepted()) guard_.Mark_Closed();
}

}  // namespace zv
