// What the whole-radio read and write windows share: the exchange panel
// (progress bar and label, password box, the window's own exchange engine,
// refusals while it runs, closing), a start button, Cancel and Help, and the
// sizing from the main window.
//
// The window's exchange ends with the window: however it is closed (Cancel,
// its close box, the main window, a menu that reopens it), its timers stop and
// its port closes before anything else happens, and it closes without a word.
#pragma once

#include <QString>
#include <QWidget>

#include "comm/exchange_panel.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zv {

class Whole_Radio_Window : public QWidget {
  Q_OBJECT

 public:
  // Positions of the window's own controls, in twips.
  struct Layout {
    int start_left, buttons_top, cancel_left;
    int password_label_left, password_top, password_label_width;
    int password_box_left, password_box_width;
    const char *initial_password;  // shown masked, never copied
  };
  struct Captions {
    const char *title_en, *title_cn;
    const char *start_en, *start_cn;
  };

  ~Whole_Radio_Window() override;

  // Sizes the window to a third of the main window's width and height (in
  // twips), centred across and a third of the way down, sets the captions in
  // the language of Lang_Chinese and shows it. window is the child window
  // that holds this form (the form itself when it has none).
  void Form_Load(QWidget *window, double main_width, double main_height);
  void Command_Cancel_Click();

  Exchange_Engine &Engine() { return panel_.Engine(); }

  QProgressBar *ProgressBar1 = nullptr;
  QLabel *Label_tr_count = nullptr;
  QPushButton *Command_Cancel = nullptr;
  QPushButton *Command_Help = nullptr;  // no action
  QLabel *Label_PassWord = nullptr;
  QLineEdit *Text_PassWord = nullptr;

 protected:
  Whole_Radio_Window(const Exchange_Params &params, const Layout &layout, const Captions &captions,
                     QWidget *parent);

  Exchange_Panel &Panel() { return panel_; }
  QString Text(const char *en, const char *cn) const { return Lang_Pair{en, cn}.Text(); }
  QPushButton *Start_Button() const { return start_; }

  void closeEvent(QCloseEvent *event) override;

 private:
  Exchange_Panel panel_;
  Captions captions_;
  QPushButton *start_ = nullptr;
};

}  // namespace zv
