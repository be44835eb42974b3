// Form_Comm_Write: writes image lines 0-783 into radio 0x0000-0x30FF as 784
// packets of 16 bytes, after rebuilding the 5-tone tone tables in the image.
// A failed write is reported and not retried.
#pragma once

#include "comm/whole_radio_window.h"

namespace zv {

class Form_Comm_Write : public Whole_Radio_Window {
  Q_OBJECT

 public:
  explicit Form_Comm_Write(QWidget *parent = nullptr);

  void Command_Write_Click();

  QPushButton *Command_Write = nullptr;

 private:
  void Show_Progress(int n);
  void Completed();
  void Failure_Report();
};

}  // namespace zv
