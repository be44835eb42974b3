// What the whole-radio read and write windows share: a progress bar and its
// label, a start button, Cancel and Help, the password box, the window's own
// exchange engine, the sizing from the main window, the refusals while the
// exchange runs, and closing.
//
// The window's exchange ends with the window: however it is closed (Cancel,
// its close box, the main window, a menu that reopens it), its timers stop and
// its port closes before anything else happens.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "comm/exchange_engine.h"
#include "platform/window_guard.h"

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

  Exchange_Engine &Engine() { return *engine_; }

  QProgressBar *ProgressBar1 = nullptr;
  QLabel *Label_tr_count = nullptr;
  QPushButton *Command_Cancel = nullptr;
  QPushButton *Command_Help = nullptr;  // no action
  QLabel *Label_PassWord = nullptr;
  QLineEdit *Text_PassWord = nullptr;

 protected:
  Whole_Radio_Window(const Exchange_Params &params, const Layout &layout, const Captions &captions,
                     QWidget *parent);

  // Busy test of the start button: shows "Read-write operating with
  // transceiver ." and returns true while the exchange runs.
  bool Refuse_While_Busy();
  // After a start that began (its own port opened): the bar shown at 0 and
  // the label "Connecting with transceiver. ".
  void Show_Connecting();
  // Progress of step n of total: bar Int(n / total * 100), label text.
  void Show_Step(int n, int total, const QString &text);
  // The failure message "Fail connect with transceiver."; false when the
  // window was closed while it was up.
  bool Show_Failure_Message();
  // Shows a message box; false when the window was closed while it was up
  // (a closed window is deleted only later, but is never touched again).
  bool Message(const QString &text, const QString &title);
  // Whether the window still stands: neither deleted nor closed.
  static bool Stands(const QPointer<Whole_Radio_Window> &window) { return window && window->guard_.Stands(); }

  QString Text(const char *en, const char *cn) const;
  QPushButton *Start_Button() const { return start_; }

  void closeEvent(QCloseEvent *event) override;

 private:
  void Close_Window();

  std::unique_ptr<Exchange_Engine> engine_;
  Captions captions_;
  QPushButton *start_ = nullptr;
  QPointer<QWidget> window_;
  Window_Guard guard_{this};
};

}  // namespace zv
