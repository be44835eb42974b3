#include "editors/channels/chann_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <cmath>

#include "comm/exchange_presets.h"
#include "editors/channels/grid_editor_parts.h"
#include "editors/file_dialog_buttons.h"
#include "image/channel_defaults.h"
#include "image/shared_state.h"
#include "image/tone_list.h"
#include "platform/flex_grid.h"
#include "platform/key_filter.h"
#include "platform/list_combo.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

namespace zv {

namespace {

const char *const kFormat_En =
    "^Channel|^  Band  |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power|^ W/N "
    "|^PTT-ID|^BusyLock|^Scan_Add|^SigCode|^Opisug|^Spmute|^SCR|^CH-Name";
const char *const kFormat_Cn =
    "^信道号|^ 工作频段 |^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT 解码|^QT/DQT 编码|^发射功率|^信道带宽|^PTT-ID|"
    "^繁忙锁定|^扫描添加|^信令码|^可选信令|^静音方式|^扰频|信 道 名 称";

// Design positions (twips) of what loading does not place.
constexpr double kGridLeft = 120, kGridTop = 120;
constexpr double kButtonLeft = 240, kButtonStep = 1400, kButtonWidth = 1215, kButtonHeight = 495;

QString Q(const std::string &s) { return QString::fromStdString(s); }

Exchange_Panel_Setup Channel_Panel_Setup() {
  Exchange_Panel_Setup setup;
  setup.initial_password = "407193";
  setup.busy_closing = Busy_Closing::Warn;
  return setup;
}

}  // namespace

frm_chann::frm_chann(QWidget *parent)
    : QWidget(parent), panel_(this, presets::Channels(), Channel_Panel_Setup()) {
  setAttribute(Qt::WA_DeleteOnClose);
  ProgressBar1 = panel_.ProgressBar1;
  Label_tr_count = panel_.Label_tr_count;
  Text_PassWord = panel_.Text_PassWord;
  Label_PassWord = new QLabel(this);
  Label_PassWord->setObjectName(QStringLiteral("Label_PassWord"));
  MSF_Chann = new Flex_Grid(this);
  MSF_Chann->setObjectName(QStringLiteral("MSF_Chann"));
  Text_Edit = new QLineEdit(this);
  Text_Edit->setObjectName(QStringLiteral("Text_Edit"));
  Text_Edit->hide();
  Combo_edit = new List_Combo(this);
  Combo_edit->setObjectName(QStringLiteral("Combo_edit"));
  Combo_edit->hide();
  Combo_tone = new QComboBox(this);
  Combo_tone->setObjectName(QStringLiteral("Combo_tone"));
  Combo_tone->setEditable(true);
  Combo_tone->setInsertPolicy(QComboBox::NoInsert);
  Combo_tone->setCompleter(nullptr);  // a typed tone is never completed into another
  {
    QStringList tones;
    for (const std::string &entry : QtDqt_Names()) tones << Q(entry).trimmed();
    const QSignalBlocker quiet(Combo_tone);
    Combo_tone->addItems(tones);
  }
  Combo_tone->hide();

  Command_read = Make_Button(this, "Command_read", [this] { Command_read_Click(); });
  Command_Write = Make_Button(this, "Command_Write", [this] { Command_Write_Click(); });
  Command_Clear = Make_Button(this, "Command_Clear", [this] { Command_Clear_Click(); });
  Command_def = Make_Button(this, "Command_def", [this] { Command_def_Click(); });
  Command_save = Make_Button(this, "Command_save", [this] { Command_save_Click(); });
  Command_open = Make_Button(this, "Command_open", [this] { Command_open_Click(); });
  Command_close = Make_Button(this, "Command_close", [this] { Command_close_Click(); });

  MSF_Chann->On_LeaveCell = [this] { MSF_Chann_LeaveCell(); };
  MSF_Chann->On_Click = [this] { Begin_Cell_Edit(); };
  MSF_Chann->On_Scroll = [this] { MSF_Chann_Scroll(); };
  Combo_edit->On_Click = [this] { Combo_edit_Click(); };
  connect(Combo_tone, &QComboBox::activated, this, [this] { Combo_tone_Click(); });

  Key_Rule text_rule;
  text_rule.on_enter = [this] { Text_Edit_Enter(); };
  Key_Filter::Install(Text_Edit, text_rule);
  Key_Rule tone_rule;
  tone_rule.allowed = Chars(QStringLiteral("0123456789.DNI"));
  tone_rule.upper_case = true;
  tone_rule.backspace = Backspace_Rule::Discarded;
  tone_rule.on_enter = [this] { Combo_Enter(); };
  Key_Filter::Install(Combo_tone, tone_rule);
  Combo_edit->installEventFilter(this);


  Exchange_Steps &steps = panel_.Steps();
  steps.Store_Read_Frames = [this] { Store_Read_Frames(); };
  steps.Show_Progress = [this](int n) { Show_Progress(n); };
  steps.Completed = [this] { Completed(); };
  steps.Failure_Report = {};  // the engine's own: its message and status panel 2
}

frm_chann::~frm_chann() = default;

QString frm_chann::Text(const char *en, const char *cn) const {
  return Shared().Lang_Chinese ? QString::fromUtf8(cn) : QString::fromUtf8(en);
}

bool frm_chann::eventFilter(QObject *watched, QEvent *event) {
  if (watched == Combo_edit && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Combo_Enter();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frm_chann::Form_Load(QWidget *window, const Main_Sizing &main) {
  window_ = window ? window : this;
  setWindowTitle(Text("Channel Information", "信道参数编辑"));
  MSF_Chann->Set_FormatString(Text(kFormat_En, kFormat_Cn));
  Command_read->setText(Text("Read", "读 取"));
  Command_Write->setText(Text("Write", "写 入"));
  Command_Clear->setText(Text("Clear", "清 除"));
  Command_def->setText(Text("Default", "出厂值"));
  Command_save->setText(Text("Save", "保 存"));
  Command_open->setText(Text("Open", "打 开"));
  Command_close->setText(Text("Close", "关 闭"));
  Label_PassWord->setText(Text("PassWord", "读写密码"));

  // The window is 14500 x 9500 twips on a main window as large as the
  // screen, proportionally smaller on a smaller one.
  const Screen_Px screen = Screen_Size();
  double x_ratio = Px_To_Twips(screen.width) / 14500;
  double y_ratio = Px_To_Twips(screen.height) / 9500;
  if (x_ratio == 0) x_ratio = 1;
  if (y_ratio == 0) y_ratio = 1;
  const double width = main.Width / x_ratio, height = main.Height / y_ratio;
  Place(window_, (main.Scale_Width - width) / 2, (main.Scale_Height - height) / 2, width, height);
  window_->show();

  const double grid_width = Px_To_Twips(this->width()) / 1.02;
  Place(MSF_Chann, kGridLeft, kGridTop, grid_width, height - 1500 - 800 - 2 * kGridTop);
  QPushButton *const buttons[] = {Command_read, Command_Write, Command_Clear, Command_def,
                                  Command_save, Command_open,  Command_close};
  for (int i = 0; i < 7; ++i)
    Place(buttons[i], kButtonLeft + i * kButtonStep, height - 1500, kButtonWidth, kButtonHeight);
  Place(Label_PassWord, kButtonLeft + 7 * kButtonStep, height - 1500 + 120, 900, 255);
  Place(Text_PassWord, kButtonLeft + 7 * kButtonStep + 960, height - 1500 + 60, 1500, 315);
  Place(ProgressBar1, kButtonLeft, height - 1500 - 800, 6000, 300);
  Place(Label_tr_count, kButtonLeft + 6200, height - 1500 - 800, 5000, 300);
  Text_Edit->hide();

  // 200 channel rows; the spare row after them is not shown, so nothing here
  // ever rewrites image lines 200 and 456.
  const int count = Shared().Chan_Count;
  if (!MSF_Chann->Set_Rows(count + 1) || !MSF_Chann->Set_Col(0)) return;
  for (int r = 1; r <= count; ++r) MSF_Chann->Set_TextMatrix(r, 0, QString::number(r - 1));
  ProgressBar1->setValue(0);
  ProgressBar1->hide();
  Label_tr_count->clear();
  for (int r = 1; r <= count; ++r) Chann_Show(r);
}

void frm_chann::Form_Activate() { Refresh(); }

void frm_chann::Refresh() {
  if (refreshing_ || committing_) return;
  refreshing_ = true;
  const Window_Alive alive = panel_.Alive();
  const int count = Shared().Chan_Count;
  // Moving the current cell commits an open editor into its cell first.
  bool ok = MSF_Chann->Set_Rows(count + 1) && MSF_Chann->Set_Col(0);
  for (int r = 1; ok && r <= count; ++r) {
    ok = MSF_Chann->Set_Row(r);
    if (!ok) break;
    MSF_Chann->Set_TextMatrix(r, 0, QString::number(r - 1));
    Chann_Show(r);
  }
  if (alive.Stands()) refreshing_ = false;
}

chan::Row_Cells frm_chann::Row_Cells_Of(int row) const {
  chan::Row_Cells cells;
  for (int c = 0; c < chan::kColumns; ++c) cells[c] = MSF_Chann->TextMatrix(row, c).toStdString();
  return cells;
}

void frm_chann::Put_Row(int row, const chan::Row_Cells &cells) {
  for (int c = 1; c < chan::kColumns; ++c)
    if (MSF_Chann->TextMatrix(row, c).toStdString() != cells[c]) MSF_Chann->Set_TextMatrix(row, c, Q(cells[c]));
}

void frm_chann::Chann_Show(int row) {
  chan::Row_Cells cells = Row_Cells_Of(row);
  chan::Show_Channel(Shared().Radio_Image, row - 1, cells);
  Put_Row(row, cells);
}

void frm_chann::Chann_ShowParam(int row) {
  chan::Row_Cells cells = Row_Cells_Of(row);
  chan::Show_Params(Shared().Radio_Image, row - 1, cells);
  Put_Row(row, cells);
}

void frm_chann::Chann_SetDefault(int row) {
  chan::Row_Cells cells = Row_Cells_Of(row);
  chan::Set_Channel_Default(Shared().Radio_Image, row - 1, cells);
  Put_Row(row, cells);
}

void frm_chann::Chann_Clear(int row) {
  chan::Row_Cells cells = Row_Cells_Of(row);
  chan::Clear_Channel(Shared().Radio_Image, row - 1, cells);
  Put_Row(row, cells);
}

void frm_chann::Chann_ClearFreq(int row) {
  chan::Row_Cells cells = Row_Cells_Of(row);
  chan::Clear_Channel_Freq(Shared().Radio_Image, row - 1, cells);
  Put_Row(row, cells);
}

void frm_chann::Hide_Editors() {
  editor_ = Editor::None;
  Edit_Row = 0;
  Edit_Col = 0;
  Text_Edit->hide();
  Text_Edit->clear();
  Combo_edit->hide();
  Combo_edit->Clear_Items();
  Combo_tone->hide();
  const QSignalBlocker quiet(Combo_tone);
  Combo_tone->setCurrentIndex(-1);
  Combo_tone->setEditText(QString());
}

void frm_chann::Begin_Cell_Edit() {
  const int r = MSF_Chann->Row(), c = MSF_Chann->Col();
  if (r < 1 || r > Shared().Chan_Count || c < chan::kColBand) return;
  const bool band = !MSF_Chann->TextMatrix(r, chan::kColBand).trimmed().isEmpty();
  const bool rx = !MSF_Chann->TextMatrix(r, chan::kColRxFreq).trimmed().isEmpty();
  if (c >= chan::kColRxTone && c <= chan::kColScramble && !band) return;

  const QString cell = MSF_Chann->TextMatrix(r, c);
  Hide_Editors();
  if (c == chan::kColTxTone && !rx) return;
  Edit_Row = r;
  Edit_Col = c;
  opened_text_ = cell;

  if (c == chan::kColRxFreq || c == chan::kColTxFreq || c == chan::kColName) {
    editor_ = Editor::Text;
    if (!MSF_Chann->Place_Over_Cell(Text_Edit, true)) return;
    Text_Edit->setText(cell);
    Text_Edit->show();
    Text_Edit->setFocus();
    return;
  }
  if (c == chan::kColRxTone || c == chan::kColTxTone) {
    editor_ = Editor::Tone;
    if (!MSF_Chann->Place_Over_Cell(Combo_tone, false)) return;
    {
      const QSignalBlocker quiet(Combo_tone);
      Combo_tone->setCurrentIndex(-1);
      Combo_tone->setEditText(QString());
    }
    Combo_tone->show();
    Combo_tone->setFocus();
    return;
  }
  editor_ = Editor::List;
  if (!MSF_Chann->Place_Over_Cell(Combo_edit, false)) return;
  QStringList items;
  if (c == chan::kColBand) {
    items << Q(chan::kBandEntry);
  } else {
    for (const std::string &item : chan::Setting_List(c)) items << Q(item);
  }
  Combo_edit->Set_Items(items);
  Combo_edit->Show_Index(items.indexOf(cell.trimmed()));
  Combo_edit->show();
  Combo_edit->setFocus();
}

void frm_chann::MSF_Chann_LeaveCell() {
  if (committing_) return;
  const int r = MSF_Chann->Row(), c = MSF_Chann->Col();
  const Editor kind = editor_;
  // Only the cell an editor was opened on is committed, once.
  if (kind == Editor::None || r != Edit_Row || c != Edit_Col) {
    Hide_Editors();
    return;
  }
  committing_ = true;
  Radio_Image_Table &image = Shared().Radio_Image;
  chan::Row_Cells cells = Row_Cells_Of(r);
  chan::Commit_Result res;
  switch (kind) {
    case Editor::Text:
      res = chan::Commit_Text_Cell(image, Shared().Bands, r - 1, c, cells, Text_Edit->text().toStdString(),
                                   opened_text_.toStdString());
      break;
    case Editor::List:
      chan::Commit_Combo_Cell(image, r - 1, c, cells, Combo_edit->currentText().toStdString());
      break;
    case Editor::Tone:
      chan::Commit_Combo_Cell(image, r - 1, c, cells, Combo_tone->currentText().toStdString());
      break;
    case Editor::None: break;
  }
  Put_Row(r, cells);
  Hide_Editors();
  if (res.focus_grid) MSF_Chann->setFocus();
  const Window_Alive alive = panel_.Alive();
  switch (res.message) {
    case chan::Cell_Message::None: break;
    case chan::Cell_Message::Rx_Out_Of_Range:
      Message_Stands(alive, Text("Over the range of receive frequency .", "接收频率超出范围 ！"),
                     Text("Operate prompt", "操作提示"));
      break;
    case chan::Cell_Message::Tx_Out_Of_Range:
      Message_Stands(alive, Text("Over the range of transmit frequency .", "发射频率超出范围 ！"),
                     Text("Operate prompt", "操作提示"));
      break;
    case chan::Cell_Message::Rx_First:
      Message_Stands(alive, Text("Please input the receive frequency in advance.", "请先输入接收频率 ！"),
                     Text("Operate prompt", "操作提示"));
      break;
    case chan::Cell_Message::Name_Too_Long:
      Message_Stands(alive, Text("The letter of channel name max 8 bit . ", "信道名称的字符个数最大为 8 位 ！"),
                     Text("Operate Prompt", "操作提示"));
      break;
  }
  if (alive.Stands()) committing_ = false;
}

void frm_chann::MSF_Chann_Scroll() { Text_Edit->hide(); }

void frm_chann::Combo_edit_Click() {
  // A choice acts only on the cell its list was opened on.
  if (editor_ != Editor::List || Edit_Row < 1) return;
  const int r = Edit_Row;
  chan::Row_Cells cells = Row_Cells_Of(r);
  chan::Apply_List_Choice(Shared().Radio_Image, r - 1, Edit_Col, Combo_edit->List_Index(),
                          Combo_edit->currentText().toStdString(), cells);
  Put_Row(r, cells);
}

void frm_chann::Combo_tone_Click() {
  if (editor_ != Editor::Tone || Edit_Row < 1) return;
  const int r = Edit_Row;
  chan::Row_Cells cells = Row_Cells_Of(r);
  chan::Apply_List_Choice(Shared().Radio_Image, r - 1, Edit_Col, Combo_tone->currentIndex(),
                          Combo_tone->currentText().toStdString(), cells);
  Put_Row(r, cells);
}

void frm_chann::Combo_Enter() {
  if (editor_ == Editor::None || Edit_Col < chan::kColRxTone || Edit_Col > chan::kColScramble) return;
  if (!MSF_Chann->Set_Col(MSF_Chann->Col() + 1)) return;
  Begin_Cell_Edit();
}

void frm_chann::Text_Edit_Enter() {
  if (editor_ != Editor::Text) return;
  const int r = MSF_Chann->Row(), c = MSF_Chann->Col();
  Text_Edit->hide();
  if (c == chan::kColRxFreq) {
    if (!MSF_Chann->Set_Col(chan::kColTxFreq)) return;
  } else if (c == chan::kColTxFreq) {
    if (MSF_Chann->TextMatrix(r, chan::kColRxFreq).trimmed().isEmpty()) {
      if (!MSF_Chann->Set_Col(chan::kColBand)) return;
      if (r < Shared().Chan_Count && !MSF_Chann->Set_Row(r + 1)) return;
    } else if (!MSF_Chann->Set_Col(chan::kColRxTone)) {
      return;
    }
  } else {
    return;  // the name waits in the hidden box until its cell is left
  }
  Begin_Cell_Edit();
}

void frm_chann::Command_def_Click() {
  Load_Channel_Defaults(Shared().Radio_Image);
  Refresh();
}

void frm_chann::Command_Clear_Click() {
  if (Clear_Refused(panel_)) return;
  ProgressBar1->setValue(0);
  Label_tr_count->clear();
  ProgressBar1->hide();
  for (int r = 1; r <= Shared().Chan_Count; ++r) {
    MSF_Chann->Set_TextMatrix(r, chan::kColRxFreq, QString());
    MSF_Chann->Set_TextMatrix(r, chan::kColTxFreq, QString());
    MSF_Chann->Set_TextMatrix(r, chan::kColOptSig, QString());
    Chann_Clear(r);
  }
}

void frm_chann::Command_open_Click() {
  Start_File_Dialog(panel_, win::Form_open_chann, Dialog_Start::Show);
}

void frm_chann::Command_save_Click() {
  Start_File_Dialog(panel_, win::Form_save_chann, Dialog_Start::Show);
}

void frm_chann::Command_close_Click() {
  Close_With_Image_Dialogs(panel_);
}

void frm_chann::closeEvent(QCloseEvent *event) { panel_.Close_Event(event); }

void frm_chann::Command_read_Click() {
  if (panel_.Start_Read()) Engine().Name_Phase = false;
}

void frm_chann::Command_Write_Click() {
  if (panel_.Start_Write()) Engine().Name_Phase = false;
}

void frm_chann::Store_Read_Frames() {
  Exchange_Engine &e = Engine();
  const int count = Shared().Chan_Count;
  // Record frames 1-50 and name frames 2-51; the 51st block of each area
  // (0x0C80, 0x1C80) is received and dropped.
  e.Store_Frames(e.Rx_Frames, 1, count / 4, map::kChanRecordLine);
  e.Store_Frames(e.Rx_Name_Frames, 2, count / 4 + 1, map::kChanNameLine);
  for (int r = 1; r <= count; ++r) Chann_Show(r);
  Show_Read_Names();
}

void frm_chann::Show_Read_Names() {
  const Exchange_Engine &e = Engine();
  const int count = Shared().Chan_Count;
  const int last = e.Params.Read_Last + 1;
  for (int i = 2; i <= last && i < static_cast<int>(e.Rx_Name_Frames.size()); ++i) {
    const auto &frame = e.Rx_Name_Frames[static_cast<size_t>(i)];
    const int a = frame[2] - 0x10;
    if (a < 0 || a > 31) break;
    const int r = static_cast<int>(std::nearbyint(16.0 * a + frame[3] / 16.0 + 1));
    if (r <= count) Show_Raw_Name(i, r, 0);
    if (i < last)
      for (int k = 1; k <= 3 && r + k <= count; ++k) Show_Raw_Name(i, r + k, 16 * k);
  }
}

void frm_chann::Show_Raw_Name(int frame, int row, int offset) {
  const auto &f = Engine().Rx_Name_Frames[static_cast<size_t>(frame)];
  QString name;
  if (f[static_cast<size_t>(offset + 5)] != 0xFF) {
    for (int k = 0; k < 8; ++k) {
      const int v = f[static_cast<size_t>(offset + 5 + k)];
      if (v <= 9) {
        name += QChar('0' + v);
      } else if (v >= 17 && v <= 37) {
        name += QChar(v + 48);
      } else if (v >= 48 && v <= 250) {
        name += QChar::fromLatin1(static_cast<char>(v));
      } else if (v == 251) {
        name += QLatin1Char('+');
      } else if (v == 253) {
        name += QLatin1Char('-');
      }
    }
  }
  MSF_Chann->Set_TextMatrix(row, chan::kColName, name);
}

void frm_chann::Show_Progress(int n) {
  if (Engine().Write_Mode) {
    panel_.Show_Step(n, Engine().Params.Write_Blocks,
                     Text("Writeing  ", "正在写入  ") + QString::number(n - 1) + Text("  Channel", "  信道"));
  } else {
    panel_.Show_Step(n, Engine().Params.Read_Last + 1,
                     Text("Reading ", "正在读取 ") + QString::number(n) + Text(" Data Block", " 数据块"));
  }
}

void frm_chann::Completed() {
  if (Engine().Write_Mode) {
    if (!panel_.Message(Lang_Pair{"Complete writing the data to transceiver.", "向对讲机写入数据完毕 ！"})) return;
    Label_tr_count->setText(Text("Channel Data Writed ！", "信道数据写入完毕 ！"));
  } else {
    if (!panel_.Message(Lang_Pair{"Complete reading data from the transceiver.", "从对讲机中读取数据完毕 ！"}))
      return;
    Label_tr_count->setText(Text("Read Channel Data is Ok ！", "信道数据读出正常 ！"));
  }
}

}  // namespace zv
