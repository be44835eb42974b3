// The password dialog Form_Write_PassWord: the user types the radio's old
// password once and the new one twice; Modify runs the dialog's own short
// exchange, which reads the radio's password block, tests the old password
// against the user and super passwords found there, writes the new user
// password with the super password as read, and ends with 'E'.
//
// Once the radio has answered a write, Timer4 closes the whole-radio write
// window every 500 ms for as long as the dialog stays open, though never
// while that window's own exchange runs: it closes it at the first tick
// after that exchange has ended.
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

#include "platform/twips.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zv {

class Exchange_Engine;
class Exchange_Panel;
class Timer;

class Form_Write_PassWord : public QWidget {
  Q_OBJECT

 public:
  explicit Form_Write_PassWord(QWidget *parent = nullptr);
  ~Form_Write_PassWord() override;

  // Opening steps; window is the child window that holds this form.
  void Form_Load(QWidget *window, const Main_Sizing &main);

  void Text_Old_PassWord_Change();
  void Command_Write_Click();
  void Command_Cancel_Click();
  void Timer4_Timer();
  // The radio answered the new password block with byte ('E' has been sent
  // and the port closed).
  void Write_Answered(uint8_t byte);

  Exchange_Engine &Engine();
  Timer &Timer4() { return *timer4_; }

  // True once the radio has answered a write since the dialog was loaded.
  bool Change_Done = false;

  QLabel *Label_old_PassWord = nullptr;
  QLineEdit *Text_Old_PassWord = nullptr;
  QLabel *Label_New_Password_1 = nullptr;
  QLineEdit *Text_New_Password_1 = nullptr;
  QLabel *Label_New_PassWord_2 = nullptr;
  QLineEdit *Text_New_PassWord_2 = nullptr;
  QPushButton *Command_Write = nullptr;
  QPushButton *Command_Cancel = nullptr;

 protected:
  void closeEvent(QCloseEvent *event) override;

 private:
  QLineEdit *Password_Box(const char *name, int top);

  std::unique_ptr<Exchange_Panel> panel_;
  std::unique_ptr<Timer> timer4_;
};

}  // namespace zv
