#include "editors/channels/fm_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "comm/exchange_presets.h"
#include "editors/channels/grid_editor_parts.h"
#include "editors/file_dialog_buttons.h"
#include "image/fm_defaults.h"
#include "image/fm_record.h"
#include "image/shared_state.h"
#include "platform/flex_grid.h"
#include "platform/key_filter.h"
#include "platform/message_box.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

namespace zv {

namespace {

const char *const kFormat_En = "^FM  Channel|^ Receive Frequency (MHZ)|^ FM Station Name  ";
const char *const kFormat_Cn = "^FM 频 道 号|^  接  收  频  率 (MHZ)  |^     电    台    名    称    ";
constexpr int kPresetRows = fm::kPresets;  // rows 1-16; row 17 is spare

QString Q(const std::string &s) { return QString::fromStdString(s); }

Exchange_Panel_Setup Fm_Panel_Setup() {
  Exchange_Panel_Setup setup;
  setup.initial_password = "407193";
  setup.busy_closing = Busy_Closing::Warn;
  return setup;
}

}  // namespace

frm_FM::frm_FM(QWidget *parent) : QWidget(parent), panel_(this, presets::Fm(), Fm_Panel_Setup()) {
  setAttribute(Qt::WA_DeleteOnClose);
  ProgressBar1 = panel_.ProgressBar1;
  Label_tr_count = panel_.Label_tr_count;
  Text_PassWord = panel_.Text_PassWord;
  MSF_Chann = new Flex_Grid(this);
  MSF_Chann->setObjectName(QStringLiteral("MSF_Chann"));
  Text_Edit = new QLineEdit(this);
  Text_Edit->setObjectName(QStringLiteral("Text_Edit"));
  Text_Edit->hide();
  Label_PassWord = new QLabel(this);
  Label_PassWord->setObjectName(QStringLiteral("Label_PassWord"));
  Command_read = Make_Button(this, "Command_read", [this] { Command_read_Click(); });
  Command_Write = Make_Button(this, "Command_Write", [this] { Command_Write_Click(); });
  Command_Clear = Make_Button(this, "Command_Clear", [this] { Command_Clear_Click(); });
  Command_def = Make_Button(this, "Command_def", [this] { Command_def_Click(); });
  Command_save = Make_Button(this, "Command_save", [this] { Command_save_Click(); });
  Command_open = Make_Button(this, "Command_open", [this] { Command_open_Click(); });
  Command_close = Make_Button(this, "Command_close", [this] { Command_close_Click(); });

  MSF_Chann->On_LeaveCell = [this] { MSF_Chann_LeaveCell(); };
  MSF_Chann->On_Click = [this] { Begin_Cell_Edit(); };
  MSF_Chann->On_Scroll = [this] { Text_Edit->hide(); };
  // Enter does nothing in the text box: the cell is committed when left.
  Key_Rule rule;
  rule.on_enter = [] {};
  Key_Filter::Install(Text_Edit, rule);


  Exchange_Steps &steps = panel_.Steps();
  steps.Store_Read_Frames = [this] { Store_Read_Frames(); };
  steps.Show_Progress = [this](int n) { Show_Progress(n); };
  steps.Completed = [this] { Completed(); };
}

frm_FM::~frm_FM() = default;

QString frm_FM::Text(const char *en, const char *cn) const {
  return Shared().Lang_Chinese ? QString::fromUtf8(cn) : QString::fromUtf8(en);
}

void frm_FM::Form_Load(QWidget *window, const Main_Sizing &main) {
  window_ = window ? window : this;
  Fm_Page = map::kFmLine / 16;
  setWindowTitle(Text("FM Radio Information", "FM 收音机频道编辑"));
  MSF_Chann->Set_FormatString(Text(kFormat_En, kFormat_Cn));
  Command_read->setText(Text("Read", "读 取"));
  Command_Write->setText(Text("Write", "写  入"));
  Command_Clear->setText(Text("Clear", "清  除"));
  Command_save->setText(Text("Save", "保  存"));
  Command_open->setText(Text("Open", "打  开"));
  Command_close->setText(Text("Close", "关  闭"));
  Command_def->setText(Text("Default", "默认"));
  Label_PassWord->setText(Text("PassWord", "读写密码"));

  const double width = main.Width / 1.8, height = main.Height / 1.5;
  Place(window_, (main.Scale_Width - width) / 2, (main.Scale_Height - height) / 1.5, width, height);
  window_->show();

  const double grid_width = Px_To_Twips(this->width()) / 2.25, grid_height = height / 1.7;
  Place(MSF_Chann, 120, 120, grid_width, grid_height);
  double top = 120 + grid_height + 120;
  Place(Label_tr_count, 120, top, grid_width, 300);
  Place(ProgressBar1, 120, top + 360, grid_width, 300);
  top += 780;
  const double step = grid_width / 7;
  QPushButton *const buttons[] = {Command_read, Command_Write, Command_Clear, Command_def,
                                  Command_save, Command_open,  Command_close};
  for (int i = 0; i < 7; ++i) Place(buttons[i], 120 + i * step, top, step - 60, 495);
  Place(Label_PassWord, 120, top + 600, 900, 255);
  Place(Text_PassWord, 1080, top + 560, 1500, 315);
  Text_Edit->hide();

  if (!MSF_Chann->Set_Rows(kPresetRows + 2) || !MSF_Chann->Set_Col(0)) return;
  for (int r = 1; r <= kPresetRows; ++r) MSF_Chann->Set_TextMatrix(r, 0, QString::number(r));
  ProgressBar1->setValue(0);
  ProgressBar1->hide();
  Label_tr_count->clear();
  for (int r = 1; r <= kPresetRows; ++r) MSF_Chann->Set_TextMatrix(r, 1, QString());
  Show_Fm();
}

void frm_FM::Form_Activate() { Show_Fm(); }

void frm_FM::Show_Fm() {
  for (int r = 1; r <= kPresetRows; ++r) Show_Fm_Row(r);
}

void frm_FM::Show_Fm_Row(int row) {
  const fm::Preset_Cells cells = fm::Show_Preset(Shared().Radio_Image, 16 * Fm_Page + row - 1);
  MSF_Chann->Set_TextMatrix(row, 1, Q(cells.freq));
  MSF_Chann->Set_TextMatrix(row, 2, Q(cells.name));
}

void frm_FM::Store_Fm_Row(int row) {
  if (row < 1 || row > kPresetRows) return;
  fm::Store_Preset(Shared().Radio_Image, 16 * Fm_Page + row - 1, MSF_Chann->TextMatrix(row, 1).toStdString(),
                   MSF_Chann->TextMatrix(row, 2).toStdString());
}

void frm_FM::Begin_Cell_Edit() {
  Edit_Row = MSF_Chann->Row();
  Edit_Col = MSF_Chann->Col();
  if (Edit_Row < 1 || Edit_Row > kPresetRows || (Edit_Col != 1 && Edit_Col != 2)) return;
  if (!MSF_Chann->Place_Over_Cell(Text_Edit, true)) return;
  Text_Edit->setText(MSF_Chann->Text());
  Text_Edit->show();
  Text_Edit->setFocus();
  editor_open_ = true;
}

void frm_FM::MSF_Chann_LeaveCell() {
  if (committing_) return;
  const int r = MSF_Chann->Row(), c = MSF_Chann->Col();
  Text_Edit->hide();
  const bool own = editor_open_ && r == Edit_Row && c == Edit_Col;
  editor_open_ = false;
  Edit_Row = r;
  Edit_Col = c;
  if (r < 1 || r > kPresetRows) {
    Text_Edit->clear();
    return;
  }
  committing_ = true;
  bool range_message = false, name_message = false;
  if (own && c == 1) {
    const fm::Freq_Commit res = fm::Commit_Freq(Text_Edit->text().toStdString());
    range_message = res.out_of_range;
    MSF_Chann->Set_TextMatrix(r, 1, Q(res.cell));
    if (res.cell.empty()) MSF_Chann->Set_TextMatrix(r, 2, QString());
  } else if (own && c == 2) {
    const bool has_freq = !MSF_Chann->TextMatrix(r, 1).trimmed().isEmpty();
    const fm::Name_Commit res = fm::Commit_Name(Text_Edit->text().toStdString(), has_freq);
    name_message = res.too_long;
    MSF_Chann->Set_TextMatrix(r, 2, Q(res.cell));
  }
  Text_Edit->clear();
  Store_Fm_Row(r);
  const Window_Alive alive = panel_.Alive();
  if (range_message)
    Message_Stands(alive, Text("Over the range of receive frequency .", "接收频率超出范围 ！"),
                   Text("Operate prompt", "操作提示"));
  if (name_message && alive.Stands())
    Message_Stands(alive, Text("The letter of channel name max 6 bit . ", "信道名称的字符个数最大为 6 位 ！"),
                   Text("Operate Prompt", "操作提示"));
  if (alive.Stands()) committing_ = false;
}

void frm_FM::Command_read_Click() { panel_.Start_Read(); }
void frm_FM::Command_Write_Click() { panel_.Start_Write(); }

void frm_FM::Command_Clear_Click() {
  if (Clear_Refused(panel_)) return;
  ProgressBar1->setValue(0);
  Label_tr_count->clear();
  ProgressBar1->hide();
  Shared().Radio_Image.Fill(16 * Fm_Page, 16 * Fm_Page + kPresetRows - 1, 0, 15, 0);
  Text_Edit->clear();
  for (int r = 1; r <= kPresetRows; ++r) {
    MSF_Chann->Set_TextMatrix(r, 1, QString());
    MSF_Chann->Set_TextMatrix(r, 2, QString());
  }
}

void frm_FM::Command_def_Click() {
  Load_Fm_Defaults(Shared().Radio_Image);
  Show_Fm();
}

void frm_FM::Command_open_Click() {
  Start_File_Dialog(panel_, win::Form_open_chann, Dialog_Start::Reopen);
}

void frm_FM::Command_save_Click() {
  Start_File_Dialog(panel_, win::Form_save_chann, Dialog_Start::Reopen);
}

void frm_FM::Command_close_Click() {
  Close_With_Image_Dialogs(panel_);
}

void frm_FM::closeEvent(QCloseEvent *event) { panel_.Close_Event(event); }

void frm_FM::Store_Read_Frames() {
  // Frames 2-5, answer bytes 5-68 each, into the 16 lines of the FM area.
  Engine().Store_Frames(Engine().Rx_Frames, 2, 5, 16 * Fm_Page);
  Show_Fm();
}

void frm_FM::Show_Progress(int n) {
  if (Engine().Write_Mode) {
    panel_.Show_Step(n, Engine().Params.Write_Blocks,
                     Text("Writing  ", "正在写入  ") + QString::number(n) + Text("  Data Block", "  数据块"));
  } else {
    // The number after the request, not the frame just stored.
    panel_.Show_Step(n + 1, Engine().Params.Read_Last + 1,
                     Text("Reading ", "正在读取 ") + QString::number(n + 1) + Text(" Data Block", " 数据块"));
  }
}

void frm_FM::Completed() {
  if (Engine().Write_Mode) {
    if (!panel_.Message(Lang_Pair{"Complete Written FM parameters to the transceiver.", "向对讲机写入参数完毕 ！"},
                        Lang_Pair{"Operate Prompt", "操作提示"}))
      return;
    Label_tr_count->setText(Text("Complete Written FM parameters ", "收音机参数写入完毕 ！"));
  } else {
    ProgressBar1->setValue(100);
    ProgressBar1->show();
    Label_tr_count->setText(Text("Read FM Radio parameters in gear. ", " FM 收音机参数读出正常 ！"));
    panel_.Message(Lang_Pair{"Complete reading the data from transceiver.", "从对讲机中读取数据完毕 ！"},
                   Lang_Pair{"Operate Prompt", "操作提示"});
  }
}

}  // namespace zv
