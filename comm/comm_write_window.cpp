#include "comm/comm_write_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "comm/exchange_presets.h"
#include "image/shared_state.h"
#include "image/tone5_tables.h"

namespace zv {

namespace {

const Whole_Radio_Window::Layout kLayout = {1320, 1320, 2760, 1680, 2400, 1095, 3000, 975, "836024"};

}  // namespace

Form_Comm_Write::Form_Comm_Write(QWidget *parent)
    : Whole_Radio_Window(presets::Whole_Write(), kLayout,
                         {"Write Data to Radio", "写数据到对讲机", "Write", "写入"}, parent) {
  setObjectName(QStringLiteral("Form_Comm_Write"));
  Command_Write = Start_Button();
  Command_Write->setObjectName(QStringLiteral("Command_Write"));
  connect(Command_Write, &QPushButton::clicked, this, [this] { Command_Write_Click(); });

  Exchange_Steps &steps = Panel().Steps();
  steps.Show_Progress = [this](int n) { Show_Progress(n); };
  steps.Completed = [this] { Completed(); };
  steps.Failure_Report = [this] { Failure_Report(); };
}

void Form_Comm_Write::Command_Write_Click() {
  // The tone tables are rebuilt before the port is tried, and not while
  // busy.
  Panel().Start_Write([] {
    Shared_State &s = Shared();
    Init_Tone5_Tables(s.Tone5, s.Radio_Image);
  });
}

void Form_Comm_Write::Show_Progress(int n) {
  Panel().Show_Step(n, Engine().Params.Write_Blocks,
                    Text("Writing  ", "正在写入  ") + QString::number(n) + Text("  Data Block", "  数据块"));
}

void Form_Comm_Write::Completed() {
  if (!Panel().Message(Lang_Pair{"Complete Written the data to transceiver.", "向对讲机写入数据完毕 ！"})) return;
  Label_tr_count->setText(Text("Data Writed ！", "参数写入完毕 ！"));
}

void Form_Comm_Write::Failure_Report() {
  // The engine has stopped the timers and cleared the busy flags.
  ProgressBar1->setValue(0);
  ProgressBar1->hide();
  Label_tr_count->setText(QString());
  if (!Panel().Show_Failure_Message()) return;
  Label_tr_count->setText(Text("Communication fault.", "与对讲机通讯故障 ！"));
}

}  // namespace zv
