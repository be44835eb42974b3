#include "comm/comm_read_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "comm/exchange_presets.h"
#include "image/shared_state.h"

namespace zv {

namespace {

constexpr int kFirst_Stored_Frame = 2;
constexpr int kLast_Stored_Frame = 198;  // radio 0x3100-0x313F, lines 784-787

const Whole_Radio_Window::Layout kLayout = {840, 1560, 2520, 960, 2640, 1695, 2760, 855, "407193"};

}  // namespace

Form_Comm_Read::Form_Comm_Read(QWidget *parent)
    : Whole_Radio_Window(presets::Whole_Read(), kLayout,
                         {"Read Data From Radio", "从对讲机读取数据", "Read", "读取"}, parent) {
  setObjectName(QStringLiteral("Form_Comm_Read"));
  Command_read = Start_Button();
  Command_read->setObjectName(QStringLiteral("Command_read"));
  connect(Command_read, &QPushButton::clicked, this, [this] { Command_read_Click(); });

  Exchange_Steps &steps = Panel().Steps();
  steps.Store_Read_Frames = [this] { Store_Read_Frames(); };
  steps.Show_Progress = [this](int n) { Show_Progress(n); };
  steps.Completed = [this] { Completed(); };
}

void Form_Comm_Read::Command_read_Click() { Panel().Start_Read(); }

void Form_Comm_Read::Show_Progress(int n) {
  const int total = Engine().Params.Read_Last + 1;
  Panel().Show_Step(n, total, Text("Reading ", "正在读取 ") + QString::number(n) + Text(" Data Block", " 数据块"));
}

void Form_Comm_Read::Store_Read_Frames() {
  // The engine keeps only answers whose 64 data bytes lie within the answer.
  Engine().Store_Frames(Engine().Rx_Frames, kFirst_Stored_Frame, kLast_Stored_Frame, 0);
}

void Form_Comm_Read::Completed() {
  if (!Panel().Message(Lang_Pair{"Complete reading data from the transceiver.", "从对讲机中读取数据完毕 ！"}))
    return;
  Label_tr_count->setText(Text("Read Data is Ok ！", "数据读出正常 ！"));
}

}  // namespace zv
