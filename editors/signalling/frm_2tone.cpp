#include "editors/signalling/frm_2tone.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "comm/exchange_panel.h"
#include "comm/exchange_presets.h"
#include "editors/file_dialog_buttons.h"
#include "image/shared_state.h"
#include "image/signal_defaults.h"
#include "image/tone2_area.h"
#include "platform/flex_grid.h"
#include "platform/focus_check.h"
#include "platform/key_filter.h"
#include "platform/list_combo.h"
#include "platform/message_box.h"
#include "platform/tab_strip.h"
#include "shell/language_texts.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

namespace zv {

namespace {

QString Txt(const std::string &s) { return QString::fromStdString(s); }

// Layout of the window, twips.
constexpr double kMargin = 120;
constexpr double kTabHeight = 375;
constexpr double kFrameHeight = 6100;

QString Range_Title() {
  return Lang_Text("Operate Prompt\"", "操作提示");
}
QString Range_Text() {
  return Lang_Text("Frequency range 300Hz to 3000Hz", "频率范围在 300.0 HZ - 3000.0 HZ 之间  ！");
}

QStringList Number_Items(int first, int last, int step) {
  QStringList items;
  for (int v = first; v <= last; v += step) items << QString::number(v);
  return items;
}

Exchange_Panel_Setup Panel_Setup() {
  Exchange_Panel_Setup setup;
  setup.initial_password = "";
  setup.close_button_text = kBusy_Text;
  setup.busy_closing = Busy_Closing::Silent;
  return setup;
}

}  // namespace

frm_2tone::frm_2tone(QWidget *parent)
    : QWidget(parent), panel_(std::make_unique<Exchange_Panel>(this, presets::Tone2(), Panel_Setup())) {
  setAttribute(Qt::WA_DeleteOnClose);
  TabStrip1 = new Tab_Strip(this);

  Frame_Encode = new QGroupBox(this);
  MSF_Encode = new Flex_Grid(Frame_Encode);
  Text_Encode = new QLineEdit(Frame_Encode);
  Label_1st = new QLabel(Frame_Encode);
  Label_2nd = new QLabel(Frame_Encode);
  Label_gap = new QLabel(Frame_Encode);
  Combo_Enc_ys1 = new List_Combo(Frame_Encode);
  Combo_Enc_ys2 = new List_Combo(Frame_Encode);
  Combo_enc_ys3 = new List_Combo(Frame_Encode);

  Frame_Decode = new QGroupBox(this);
  MSF_Decode = new Flex_Grid(Frame_Decode);
  Combo_Decode = new List_Combo(Frame_Decode);
  Frame_Dec_xx = new QGroupBox(Frame_Decode);
  Label_A_tone = new QLabel(Frame_Dec_xx);
  Label_B_Tone = new QLabel(Frame_Dec_xx);
  Label_C_Tone = new QLabel(Frame_Dec_xx);
  Label_D_Tone = new QLabel(Frame_Dec_xx);
  Text_A = new QLineEdit(Frame_Dec_xx);
  Text_B = new QLineEdit(Frame_Dec_xx);
  Text_C = new QLineEdit(Frame_Dec_xx);
  Text_D = new QLineEdit(Frame_Dec_xx);
  Label_Reset = new QLabel(Frame_Decode);
  Combo_Dec_Res_Time = new List_Combo(Frame_Decode);

  Command_read = new QPushButton(this);
  Command_Write = new QPushButton(this);
  Command_def = new QPushButton(this);
  Command_open = new QPushButton(this);
  Command_save = new QPushButton(this);
  Command_close = new QPushButton(this);
  Label_PassWord = new QLabel(QStringLiteral("读写密码"), this);
  Text_PassWord = panel_->Text_PassWord;
  ProgressBar1 = panel_->ProgressBar1;
  Label_tr_count = panel_->Label_tr_count;

  Text_Encode->hide();
  Combo_Decode->hide();
  MSF_Encode->Set_Rows(16);
  MSF_Encode->Set_FixedCols(1);
  MSF_Decode->Set_Rows(16);
  MSF_Decode->Set_FixedCols(1);

  // Names for tests and accessibility: the control names of the window.
  const std::pair<QObject *, const char *> names[] = {
      {TabStrip1, "TabStrip1"}, {Frame_Encode, "Frame_Encode"}, {MSF_Encode, "MSF_Encode"},
      {Text_Encode, "Text_Encode"}, {Combo_Enc_ys1, "Combo_Enc_ys1"}, {Combo_Enc_ys2, "Combo_Enc_ys2"},
      {Combo_enc_ys3, "Combo_enc_ys3"}, {Frame_Decode, "Frame_Decode"}, {MSF_Decode, "MSF_Decode"},
      {Combo_Decode, "Combo_Decode"}, {Combo_Dec_Res_Time, "Combo_Dec_Res_Time"}, {Frame_Dec_xx, "Frame_Dec_xx"},
      {Text_A, "Text_A"}, {Text_B, "Text_B"}, {Text_C, "Text_C"}, {Text_D, "Text_D"},
      {Command_read, "Command_read"}, {Command_Write, "Command_Write"}, {Command_def, "Command_def"},
      {Command_open, "Command_open"}, {Command_save, "Command_save"}, {Command_close, "Command_close"},
      {Label_PassWord, "Label_PassWord"}};
  for (const auto &n : names) n.first->setObjectName(QString::fromLatin1(n.second));

  // Typed tones: digits and the point, no Backspace, at most 7 characters.
  Key_Rule tone_rule;
  tone_rule.allowed = Chars(QStringLiteral("0123456789."));
  tone_rule.backspace = Backspace_Rule::Discarded;
  tone_rule.limit = 7;
  tone_rule.measure = Limit_Measure::Trimmed;
  Key_Rule encode_rule;
  encode_rule.allowed = Chars(QStringLiteral("0123456789."));
  encode_rule.backspace = Backspace_Rule::Discarded;
  encode_rule.on_enter = [] {};  // Enter passes and does nothing
  Key_Filter::Install(Text_Encode, encode_rule);

  focus_ = new Focus_Check(this, panel_->Alive());
  for (int s = 0; s < tone2::kSlots; ++s) {
    QLineEdit *box = Tone_Box(s);
    Key_Filter::Install(box, tone_rule);
    connect(box, &QLineEdit::textEdited, this, [this, s] { tone_typed_[s] = true; });
  }
  focus_->Watch(Text_A, [this] { Text_A_LostFocus(); });
  focus_->Watch(Text_B, [this] { Text_B_LostFocus(); });
  focus_->Watch(Text_C, [this] { Text_C_LostFocus(); });
  focus_->Watch(Text_D, [this] { Text_D_LostFocus(); });

  TabStrip1->On_Click = [this] { TabStrip1_Click(); };
  Combo_Enc_ys1->On_Click = [this] { Combo_Enc_ys1_Click(); };
  Combo_Enc_ys2->On_Click = [this] { Combo_Enc_ys2_Click(); };
  Combo_enc_ys3->On_Click = [this] { Combo_enc_ys3_Click(); };
  Combo_Dec_Res_Time->On_Click = [this] { Combo_Dec_Res_Time_Click(); };
  Combo_Decode->On_Click = [this] { Combo_Decode_Click(); };
  MSF_Encode->On_Click = [this] { MSF_Encode_Click(); };
  MSF_Encode->On_LeaveCell = [this] { MSF_Encode_LeaveCell(); };
  MSF_Decode->On_Click = [this] { MSF_Decode_Click(); };
  MSF_Decode->On_LeaveCell = [this] { MSF_Decode_LeaveCell(); };
  MSF_Decode->On_DblClick = [this] { MSF_Decode_DblClick(); };
  Exchange_Steps &steps = panel_->Steps();
  steps.Store_Read_Frames = [this] { Store_Read_Frames(); };
  steps.Show_Progress = [this](int n) { Show_Progress(n); };
  steps.Completed = [this] { Completed(); };
  connect(Command_read, &QPushButton::clicked, this, [this] { Command_read_Click(); });
  connect(Command_Write, &QPushButton::clicked, this, [this] { Command_Write_Click(); });
  connect(Command_close, &QPushButton::clicked, this, [this] { Command_close_Click(); });
  connect(Command_def, &QPushButton::clicked, this, [this] { Command_def_Click(); });
  connect(Command_open, &QPushButton::clicked, this, [this] { Command_open_Click(); });
  connect(Command_save, &QPushButton::clicked, this, [this] { Command_save_Click(); });
}

frm_2tone::~frm_2tone() = default;

Exchange_Engine &frm_2tone::Engine() { return panel_->Engine(); }

QLineEdit *frm_2tone::Tone_Box(int slot) const {
  QLineEdit *const boxes[] = {Text_A, Text_B, Text_C, Text_D};
  return boxes[slot];
}

// ---- loading -----------------------------------------------------------------

void frm_2tone::Form_Load(QWidget *window, const Main_Sizing &main) {
  window_ = window ? window : this;
  const double width = main.Width / 1.2, height = main.Height / 1.25;
  Place(window_, (main.Scale_Width - width) / 2, (main.Scale_Height - height) / 2, width, height);
  window_->show();

  Frame_Encode->show();
  Frame_Decode->hide();

  // Layout from the inner width: the frames lie in the tab strip's client
  // area, below its tabs.
  const double inner = Px_To_Twips(this->width());
  const double strip_width = inner / 1.02;
  Place(TabStrip1, kMargin, kMargin, strip_width, kTabHeight);
  const double client_left = kMargin, client_top = kMargin + kTabHeight, client_width = strip_width;
  const double frame_top = client_top + 200;
  Place(Frame_Encode, client_left, frame_top, client_width, kFrameHeight);
  Place(Frame_Decode, client_left, frame_top, client_width, kFrameHeight);
  const double enc_grid_width = client_width / 3.08;
  // Tall enough for all 16 rows, so that the grid never scrolls under its
  // cell editor.
  Place(MSF_Encode, 240, 360, enc_grid_width, std::min(5600, 16 * MSF_Encode->RowHeight(0) + 90));
  const double list_label_left = 240 + enc_grid_width + 600;
  QLabel *const timing_labels[] = {Label_1st, Label_2nd, Label_gap};
  List_Combo *const timing_lists[] = {Combo_Enc_ys1, Combo_Enc_ys2, Combo_enc_ys3};
  for (int i = 0; i < 3; ++i) {
    Place(timing_labels[i], list_label_left, 600 + 900 * i, 4200, 300);
    Place(timing_lists[i], list_label_left + 4300, 560 + 900 * i, 1500, 345);
  }
  Place(MSF_Decode, 120, 360, client_width / 1.02, 4000);
  Place(Frame_Dec_xx, 120, 4440, 9600, 1500);
  QLabel *const tone_labels[] = {Label_A_tone, Label_B_Tone, Label_C_Tone, Label_D_Tone};
  for (int s = 0; s < tone2::kSlots; ++s) {
    Place(tone_labels[s], 240 + 2340 * s, 420, 2100, 300);
    Place(Tone_Box(s), 240 + 2340 * s, 780, 1500, 345);
  }
  Place(Label_Reset, 10200, 4800, 2400, 300);
  Place(Combo_Dec_Res_Time, 12700, 4760, 1500, 345);
  const double buttons_top = frame_top + kFrameHeight + 300;
  QPushButton *const buttons[] = {Command_read, Command_Write, Command_def,
                                  Command_open, Command_save,  Command_close};
  for (int i = 0; i < 6; ++i) Place(buttons[i], kMargin + 1400 * i, buttons_top, 1200, 450);
  Place(Label_PassWord, kMargin + 1400 * 6 + 300, buttons_top + 90, 1200, 300);
  Place(Text_PassWord, kMargin + 1400 * 6 + 1560, buttons_top + 45, 1500, 345);
  Place(ProgressBar1, kMargin, buttons_top + 700, 6600, 300);
  Place(Label_tr_count, kMargin, buttons_top + 1100, 6600, 300);

  // Captions.
  window_->setWindowTitle(Lang_Text("2 TONE", "2 TONE 编解码参数编辑"));
  setWindowTitle(window_->windowTitle());
  while (TabStrip1->count() > 0) TabStrip1->removeTab(0);
  TabStrip1->addTab(QString());
  TabStrip1->addTab(QString());
  TabStrip1->setTabText(0, Lang_Text("Encode", "编码"));
  TabStrip1->setTabText(1, Lang_Text("Decode", "解码"));
  {
    const QSignalBlocker quiet(TabStrip1);
    TabStrip1->setCurrentIndex(0);
  }
  Frame_Encode->setTitle(Lang_Text("2 TONE Encode", "2 TONE 编码"));
  Label_1st->setText(Lang_Text("1st Tone Duration(MS)", "发送第 1 个频率时间长度（MS）"));
  Label_2nd->setText(Lang_Text("2nd Tone Duration(MS)", "发送第 2 个频率时间长度（MS）"));
  Label_gap->setText(Lang_Text("Gap of Tone (MS)", "前后两个频率的间隔时长 （MS）"));
  Frame_Decode->setTitle(Lang_Text("2 TONE Decode", "2 TONE 解码"));
  Label_A_tone->setText(Lang_Text("A Tone( HZ )", "A 音（HZ）"));
  Label_B_Tone->setText(Lang_Text("B Tone( HZ )", "B 音（HZ）"));
  Label_C_Tone->setText(Lang_Text("C Tone( HZ )", "C 音（HZ）"));
  Label_D_Tone->setText(Lang_Text("D Tone( HZ )", "D 音（HZ）"));
  Label_Reset->setText(Lang_Text("Reset_Time (MS)", "复位时间（MS）"));
  Frame_Dec_xx->setTitle(Frame_Dec_Caption(1, true));
  Command_read->setText(Lang_Text("Read", "读 取"));
  Command_Write->setText(Lang_Text("Write", "写  入"));
  Command_def->setText(Lang_Text("Default", "默 认"));
  Command_save->setText(Lang_Text("Save", "保  存"));
  Command_open->setText(Lang_Text("Open", "打  开"));
  Command_close->setText(Lang_Text("Close", "关  闭"));
  if (!Shared().Lang_Chinese) Label_PassWord->setText(QStringLiteral("PassWord"));
  if (!MSF_Encode->Set_FormatString(
          Lang_Text("^ Code|^ 1st Frequency(HZ)|^ 2nd Frequency(HZ)",
                    "^ 信息码 |^ 第 1 个频率(HZ) |^ 第 2 个频率(HZ) ")))
    return;
  if (!MSF_Decode->Set_FormatString(Lang_Text(
          "^ Code|^Dec_1|^    Response   |^Alert|^Dec_2|^   Response   |^Alert|^Dec_3|^   Response   |^Alert|"
          "^Dec_4|^   Response   |^Alert",
          "^ 信息码|^解码1|^   响 应 方 式  |^提示|^解码2|^   响 应 方 式  |^提示|^解码3|^   响 应 方 式  |^提示|"
          "^解码4|^   响 应 方 式  |^提示")))
    return;

  // Value lists.
  const QStringList timing = Number_Items(0, 1000, 10);
  for (List_Combo *list : timing_lists) list->Set_Items(timing);
  for (int r = 1; r <= 15; ++r) {
    MSF_Encode->Set_TextMatrix(r, 0, QString::number(r));
    MSF_Decode->Set_TextMatrix(r, 0, QString::number(r));
  }
  Combo_Dec_Res_Time->Set_Items(Number_Items(100, 20000, 100));
  ProgressBar1->hide();
  Dec_Entry = 0;
  Show_Tone2();
}

QString frm_2tone::Frame_Dec_Caption(int entry_no, bool leading_blank) const {
  return (leading_blank ? QStringLiteral(" ") : QString()) + QString::number(entry_no) +
         Lang_Text(" Decode 2 Tone Frequency", " 解码信息两音频率");
}

// ---- display -----------------------------------------------------------------

QString frm_2tone::Decode_Cell_Text(int col, int byte) const {
  switch (tone2::Decode_Column_Kind(col)) {
    case tone2::Decode_Kind::Pair:
      return Txt(tone2::Pair_To_Text(byte));
    case tone2::Decode_Kind::Response: {
      const Language_Texts &t = Lang_Texts();
      const QString *const texts[] = {&t.Resp_Mode_Text_0, &t.Resp_Mode_Text_1, &t.Resp_Mode_Text_2,
                                      &t.Resp_Mode_Text_3};
      const int index = tone2::Resp_Index(byte);
      return index < 0 ? QString() : *texts[index];
    }
    default:
      return Txt(tone2::Alert_To_Text(byte));
  }
}

void frm_2tone::Show_Tone2() {
  const Radio_Image_Table &image = Shared().Radio_Image;
  Close_Encode_Editor();
  Combo_Decode->hide();
  for (int n = 1; n <= tone2::kCodes; ++n)
    for (int tone = 0; tone < 2; ++tone)
      MSF_Encode->Set_TextMatrix(n, tone + 1, Txt(tone2::Encode_Tone_Text(tone2::Encode_Tone(image, n, tone))));
  {
    const QSignalBlocker quiet(Text_Encode);
    Text_Encode->setText(MSF_Encode->TextMatrix(1, 1));
  }
  // The timing lists show a byte beyond them as their last item and store
  // what they show.
  Combo_Enc_ys1->Show_Clamped(image(tone2::kTimingLine, 0));
  Combo_Enc_ys1_Click();
  Combo_Enc_ys2->Show_Clamped(image(tone2::kTimingLine, 1));
  Combo_Enc_ys2_Click();
  Combo_enc_ys3->Show_Clamped(image(tone2::kTimingLine, 2));
  Combo_enc_ys3_Click();
  for (int n = 1; n <= tone2::kEntries; ++n)
    for (int c = 1; c <= 12; ++c)
      MSF_Decode->Set_TextMatrix(n, c, Decode_Cell_Text(c, image(tone2::kDecodeLine + n, c - 1)));
  Edata_Load(Dec_Entry);
  Combo_Dec_Res_Time->Show_Clamped(image(tone2::kResetLine, 0));
  Combo_Dec_Res_Time_Click();
}

void frm_2tone::Edata_Load(int e) {
  for (int s = 0; s < tone2::kSlots; ++s) {
    QLineEdit *box = Tone_Box(s);
    const QSignalBlocker quiet(box);
    box->setText(Txt(tone2::Decode_Tone_Text(Shared().Radio_Image, e, s)));
    tone_typed_[s] = false;
  }
}

// ---- lists and tone boxes ----------------------------------------------------

void frm_2tone::Store_List(List_Combo *list, int line, int col) {
  const int k = list->List_Index();
  if (k >= 0) Shared().Radio_Image.Set_Checked(line, col, k);
}

void frm_2tone::Combo_Enc_ys1_Click() { Store_List(Combo_Enc_ys1, tone2::kTimingLine, 0); }
void frm_2tone::Combo_Enc_ys2_Click() { Store_List(Combo_Enc_ys2, tone2::kTimingLine, 1); }
void frm_2tone::Combo_enc_ys3_Click() { Store_List(Combo_enc_ys3, tone2::kTimingLine, 2); }
void frm_2tone::Combo_Dec_Res_Time_Click() { Store_List(Combo_Dec_Res_Time, tone2::kResetLine, 0); }

void frm_2tone::Tone_Box_LostFocus(int slot) {
  if (checking_ || !tone_typed_[slot]) return;
  QLineEdit *box = Tone_Box(slot);
  const bool refused = tone2::Commit_Decode_Tone(Shared().Radio_Image, Shared().Tone_Tick_Ms, Dec_Entry, slot,
                                                 box->text().toStdString());
  Show_Tone2();
  if (!refused) return;
  const Window_Alive alive = panel_->Alive();
  checking_ = true;
  if (!Focus_Check::Refuse_Field(alive, box, Range_Text(), Range_Title(), Msg_Icon::Warning, [box] {
        const QSignalBlocker quiet(box);
        box->clear();
      }))
    return;
  checking_ = false;
}

bool frm_2tone::Commit_Typed_Tone() {
  for (int s = 0; s < tone2::kSlots; ++s)
    if (tone_typed_[s]) {
      const Window_Alive alive = panel_->Alive();
      Tone_Box_LostFocus(s);
      return alive.Stands();
    }
  return true;
}

// ---- encode grid -------------------------------------------------------------

void frm_2tone::Close_Encode_Editor() {
  Text_Encode->hide();
  enc_row_ = enc_col_ = 0;
}

void frm_2tone::MSF_Encode_Click() { Edit_Encode_Cell(); }

void frm_2tone::Edit_Encode_Cell() {
  const int r = MSF_Encode->MouseRow(), c = MSF_Encode->MouseCol();
  if (r < 1 || r > tone2::kCodes || c < 1 || c > 2) return;
  if (MSF_Encode->Row() != r || MSF_Encode->Col() != c) return;  // the move was refused
  if (!MSF_Encode->Place_Over_Cell(Text_Encode, true)) return;
  const QString text = MSF_Encode->TextMatrix(r, c);
  {
    const QSignalBlocker quiet(Text_Encode);
    Text_Encode->setText(text);
  }
  enc_row_ = r;
  enc_col_ = c;
  enc_text_ = text;
  Text_Encode->show();
  Text_Encode->setFocus(Qt::OtherFocusReason);
}

void frm_2tone::MSF_Encode_LeaveCell() {
  const int r = MSF_Encode->Row(), c = MSF_Encode->Col();
  if (c < 1 || c > 2) return;
  // Only an editor opened on this very cell, and changed, commits.
  const bool open_here = Text_Encode->isVisible() && enc_row_ == r && enc_col_ == c;
  if (!open_here) return;
  const QString text = Text_Encode->text();
  if (text == enc_text_ || checking_) {
    Close_Encode_Editor();
    return;
  }
  Close_Encode_Editor();
  const bool refused = tone2::Commit_Encode_Tone(Shared().Radio_Image, r, c - 1, text.toStdString());
  Show_Tone2();
  {
    const QSignalBlocker quiet(Text_Encode);
    Text_Encode->clear();
  }
  if (!refused) return;
  checking_ = true;
  if (!Message_Stands(panel_->Alive(), Range_Text(), Range_Title())) return;
  checking_ = false;
}

// ---- decode grid -------------------------------------------------------------

void frm_2tone::MSF_Decode_Click() { Edit_Decode_Cell(); }

void frm_2tone::Edit_Decode_Cell() {
  const int r = MSF_Decode->MouseRow(), c = MSF_Decode->MouseCol();
  if (r < 1 || r > tone2::kEntries) return;
  if (!Commit_Typed_Tone()) return;
  Dec_Entry = r - 1;
  Frame_Dec_xx->setTitle(Frame_Dec_Caption(r, false));
  Edata_Load(r - 1);
  if (c < 1 || c > 12) return;
  if (MSF_Decode->Row() != r || MSF_Decode->Col() != c) return;  // the move was refused
  if (!MSF_Decode->Place_Over_Cell(Combo_Decode, false)) return;
  const tone2::Decode_Kind kind = tone2::Decode_Column_Kind(c);
  QStringList items;
  switch (kind) {
    case tone2::Decode_Kind::Pair:
      for (int code = 0; code < 12; ++code) items << Txt(tone2::Pair_To_Text(code));
      break;
    case tone2::Decode_Kind::Response: {
      const Language_Texts &t = Lang_Texts();
      items << t.Resp_Mode_Text_0 << t.Resp_Mode_Text_1 << t.Resp_Mode_Text_2 << t.Resp_Mode_Text_3;
      break;
    }
    case tone2::Decode_Kind::Alert:
      items = Number_Items(1, 16, 1);
      break;
  }
  Combo_Decode->Set_Items(items);
  Combo_Decode->Show_Index(tone2::Decode_Open_Item(kind, Shared().Radio_Image(tone2::kDecodeLine + r, c - 1)));
  dec_row_ = r;
  dec_col_ = c;
  Combo_Decode->show();
  Combo_Decode->setFocus(Qt::OtherFocusReason);
}

void frm_2tone::Combo_Decode_Click() {
  const int r = dec_row_, c = dec_col_;
  if (r < 1 || r > tone2::kEntries || c < 1 || c > 12) return;
  const int byte = tone2::Decode_Choice_Byte(tone2::Decode_Column_Kind(c), Combo_Decode->List_Index());
  if (byte >= 0) Shared().Radio_Image(tone2::kDecodeLine + r, c - 1) = static_cast<uint8_t>(byte);
}

void frm_2tone::MSF_Decode_LeaveCell() {
  const int r = MSF_Decode->Row(), c = MSF_Decode->Col();
  if (r >= 1 && c >= 1) {
    if (Combo_Decode->isVisible() && Combo_Decode->List_Index() >= 0)
      MSF_Decode->Set_TextMatrix(r, c, Combo_Decode->currentText());
    // A response or alert of a slot without a pair shows nothing.
    if (tone2::Decode_Column_Kind(c) != tone2::Decode_Kind::Pair &&
        MSF_Decode->TextMatrix(r, tone2::Pair_Column(c)).isEmpty())
      MSF_Decode->Set_TextMatrix(r, c, QString());
  }
  Combo_Decode->hide();
  dec_row_ = dec_col_ = 0;
}

void frm_2tone::MSF_Decode_DblClick() {
  const int r = MSF_Decode->MouseRow(), c = MSF_Decode->MouseCol();
  if (c != 0 || r < 1 || r > tone2::kEntries) return;
  for (int col = 1; col <= 12; ++col) MSF_Decode->Set_TextMatrix(r, col, QString());
  Edata_Load(r - 1);
}

// ---- tab strip and buttons ---------------------------------------------------

void frm_2tone::TabStrip1_Click() {
  if (!Commit_Typed_Tone()) return;
  if (TabStrip1->Selected_Tab() == 1) {
    Frame_Decode->hide();
    Frame_Encode->show();
  } else if (TabStrip1->Selected_Tab() == 2) {
    Frame_Encode->hide();
    Frame_Decode->show();
    Dec_Entry = 0;
    Edata_Load(0);
    Frame_Dec_xx->setTitle(Frame_Dec_Caption(1, true));
  }
  Close_Encode_Editor();
}

bool frm_2tone::Busy() const { return panel_->Busy(); }

bool frm_2tone::Refuse_While_Busy() { return panel_->Refuse_While_Busy(); }

void frm_2tone::Command_close_Click() { panel_->Command_Close_Click(); }

void frm_2tone::Command_def_Click() {
  if (Refuse_While_Busy()) return;
  ProgressBar1->hide();
  ProgressBar1->setValue(0);
  Label_tr_count->clear();
  Load_Tone2_Defaults(Shared().Radio_Image, Shared().Tone_Tick_Ms);
  Show_Tone2();
}

void frm_2tone::Command_open_Click() {
  Start_File_Dialog(*panel_, win::Form_open_chann, Dialog_Start::Show);
}

void frm_2tone::Command_save_Click() {
  Start_File_Dialog(*panel_, win::Form_save_chann, Dialog_Start::Show);
}

void frm_2tone::closeEvent(QCloseEvent *event) {
  // Never refused, never a word: a running exchange ends first.
  panel_->Close_Event(event);
}

// ---- exchange ----------------------------------------------------------------

void frm_2tone::Command_read_Click() { panel_->Start_Read(); }

void frm_2tone::Command_Write_Click() { panel_->Start_Write(); }

void frm_2tone::Store_Read_Frames() {
  Exchange_Engine &engine = Engine();
  engine.Store_Frames(engine.Rx_Frames, 2, engine.Params.Read_Last + 1, tone2::kEncodeLine);
  Show_Tone2();
}

void frm_2tone::Show_Progress(int n) {
  if (Engine().Write_Mode) {
    panel_->Show_Step(n, Engine().Params.Write_Blocks,
                      Lang_Text("Writing  ", "正在写入  ") + QString::number(n - 1) +
                          Lang_Text("  Data Block", "  数据块"));
  } else {
    panel_->Show_Step(n + 1, Engine().Params.Read_Last + 1,
                      Lang_Text("Reading ", "正在读取 ") + QString::number(n + 1) + Lang_Text(" Data Block", " 数据块"));
  }
}

void frm_2tone::Completed() {
  if (Engine().Write_Mode) {
    if (!panel_->Message(Lang_Text("Complete Written Signal parameters to the transceiver.", "向对讲机写入信令参数完毕 ！"),
                         Lang_Text("Operate Prompt", "操作提示")))
      return;
    Label_tr_count->setText(Lang_Text("Complete Written Signal parameters ", "信令参数写入完毕 ！"));
  } else {
    ProgressBar1->show();
    ProgressBar1->setValue(100);
    Label_tr_count->setText(Lang_Text("Read Signal parameters in gear. ", "信令参数读出正常 ！"));
    panel_->Message(Lang_Text("Complete reading the data from transceiver.", "从对讲机中读取数据完毕 ！"),
                    Lang_Text("Operate Prompt", "操作提示"));
  }
}

}  // namespace zv
