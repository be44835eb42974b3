// Form_Comm_Read: reads the radio's whole memory into the image. It asks for
// radio 0x0000-0x31FF in 201 blocks of 64 bytes (the block at 0x0000 twice)
// and keeps 0x0000-0x313F, image lines 0-787; every other line is left as it
// was. Nothing is stored unless the read has finished.
#pragma once

#include "comm/whole_radio_window.h"

namespace zv {

class Form_Comm_Read : public Whole_Radio_Window {
  Q_OBJECT

 public:
  explicit Form_Comm_Read(QWidget *parent = nullptr);

  void Command_read_Click();
  // Frames 2-198 into image lines 0-787, four lines per frame.
  void Store_Read_Frames();

  QPushButton *Command_read = nullptr;

 private:
  void Show_Progress(int n);
  void Completed();
};

}  // namespace zv
