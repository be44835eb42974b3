// Form_setup: the choice of the serial port COM1..COM12. Confirm stores the
// port, tests that it opens, clears the radio details from the status bar and
// restarts the identification cycle on it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "comm/identify.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace zv {

class Form_setup : public QWidget {
  Q_OBJECT

 public:
  explicit Form_setup(Identify_Cycle &cycle, QWidget *parent = nullptr);

  // Captions by the language, size and place in the main window's client
  // area (inner width and height in twips), shows the window, selects the
  // button of Comm_Port. window is the child window that holds the form.
  void Form_Load(QWidget *window, double inner_width, double inner_height);
  void Command_ok_Click();
  void Command1_Click();

  QRadioButton *Option(int n) const { return options_.at(static_cast<size_t>(n - 1)); }  // n = 1..12
  QGroupBox *Frame1() const { return frame1_; }
  QPushButton *Command_ok() const { return command_ok_; }
  QPushButton *Command1() const { return command1_; }

 private:
  void Close_Window();

  Identify_Cycle &cycle_;
  QPointer<QWidget> window_;
  QGroupBox *frame1_ = nullptr;
  std::array<QRadioButton *, 12> options_{};
  QPushButton *command_ok_ = nullptr;
  QPushButton *command1_ = nullptr;
};

}  // namespace zv
