// What every window that reads or writes the radio shares: its exchange
// engine, the progress bar and label, the masked password box, the start of
// a read or write with its busy refusal and connecting display, the
// failure display, message boxes that say whether the window still stands,
// and the closing rules.
//
// The panel is a member of the window's form; it creates its controls as
// children of the form (the window places them) and owns the engine. The
// form hands its closeEvent to Close_Event and wires its Close or Cancel
// button to Command_Close_Click (or uses the parts of both).
//
// Closing: the Close or Cancel button refuses while the exchange runs, with
// the window's own text. Any other closing (close box, the main window, a
// reopen) while it runs stops the exchange first, then warns or not as the
// window says, and closes; or, for a window that keeps itself open while
// busy, warns and refuses. An idle window closes its port and closes.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "comm/exchange_engine.h"
#include "platform/window_guard.h"

class QCloseEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;

namespace zv {

// A text in both languages, picked by Lang_Chinese where it is shown.
struct Lang_Pair {
  const char *en;
  const char *cn;
  QString Text() const;
};

// The refusals of a window while its exchange runs.
inline constexpr Lang_Pair kBusy_Text = {"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"};
inline constexpr Lang_Pair kClose_Button_Text = {"Read-write operating，don't close the window. ,",
                                                 "正在进行读写操作,请勿关窗口 ！,"};
inline constexpr Lang_Pair kClosing_Text = {"Read-write operating，don't close the window.,",
                                            "正在进行读写操作,请勿关窗口 ！,"};
inline constexpr Lang_Pair kPrompt_Title = {"Operate prompt", "操作提示"};

// What closing the window other than by its Close button does while the
// exchange runs.
enum class Busy_Closing {
  Silent,  // stop the exchange, close without a word
  Warn,    // stop the exchange, show the closing text, close
  Refuse,  // show the closing text, stay open; the exchange goes on
};

struct Exchange_Panel_Setup {
  // Initial text of Text_PassWord, shown masked and never copied into the
  // typed password; nullptr: the window has no password box.
  const char *initial_password = nullptr;
  // Text of the Close or Cancel button's refusal while busy.
  Lang_Pair close_button_text = kClose_Button_Text;
  Busy_Closing busy_closing = Busy_Closing::Silent;
  // Text shown by Warn and Refuse.
  Lang_Pair closing_text = kClosing_Text;
};

class Exchange_Panel {
 public:
  // Creates ProgressBar1 (0-100, value 0), Label_tr_count (empty) and, when
  // the setup names an initial text, Text_PassWord, all children of form,
  // and the engine with params. The engine's Failure_Report step starts as
  // Failure_Report below.
  Exchange_Panel(QWidget *form, const Exchange_Params &params, const Exchange_Panel_Setup &setup = {});
  ~Exchange_Panel();
  Exchange_Panel(const Exchange_Panel &) = delete;
  Exchange_Panel &operator=(const Exchange_Panel &) = delete;

  Exchange_Engine &Engine() { return *engine_; }
  // The window's own steps (Store_Read_Frames, Show_Progress, Completed,
  // Failure_Report, Data_Started); each runs only while the window stands.
  Exchange_Steps &Steps() { return engine_->Steps; }
  bool Busy() const { return engine_->Busy(); }

  // --- starting ---
  // Busy test of any button that refuses while the exchange runs: shows
  // "Read-write operating with transceiver ." and returns true while busy.
  bool Refuse_While_Busy();
  // The start buttons: busy refusal; the window's own step (may be empty:
  // the tone tables of the whole write); Begin_Read / Begin_Write; then,
  // when the exchange started on its own port and the window stands, the
  // connecting display. Returns whether all of that happened, so that the
  // window's own steps after a start follow only then.
  bool Start_Read(const std::function<void()> &own_step = {});
  bool Start_Write(const std::function<void()> &own_step = {});
  // The bar shown at 0 and "Connecting with transceiver. ".
  void Show_Connecting();

  // --- progress and results ---
  // Bar shown with Int(n / total * 100), label text.
  void Show_Step(int n, int total, const QString &text);
  // "Fail connect with transceiver."; false when the window is gone.
  bool Show_Failure_Message();
  // The usual failure report: the message, then bar 0 and label
  // "Communication fault.".
  void Failure_Report();
  // A warning box; returns whether the window still stands afterwards.
  bool Message(const QString &text, const QString &title);
  bool Message(const Lang_Pair &text, const Lang_Pair &title = kPrompt_Title) {
    return Message(text.Text(), title.Text());
  }
  bool Stands() const { return guard_.Stands(); }
  Window_Alive Alive() const { return guard_.Alive(); }

  // --- closing ---
  // The Close or Cancel button: refuses while busy with the window's text;
  // otherwise stops the engine (the port closes) and closes the window.
  void Command_Close_Click();
  // Its refusal alone: the text and true while busy.
  bool Close_Button_Refuses();
  // Stops the engine and closes the window (its child window, if it has one).
  void Close_Window();
  // The form's closeEvent: accepts or ignores the event by the rules above
  // and, when it accepts, marks the window gone.
  void Close_Event(QCloseEvent *event);

  QProgressBar *ProgressBar1 = nullptr;
  QLabel *Label_tr_count = nullptr;
  QLineEdit *Text_PassWord = nullptr;  // nullptr when the window has none

 private:
  bool Start(bool write, const std::function<void()> &own_step);

  QWidget *form_;
  Exchange_Panel_Setup setup_;
  Window_Guard guard_;
  std::unique_ptr<Exchange_Engine> engine_;
};

}  // namespace zv
