// The identification cycle of the main window: it sends the opening command
// on the main window's own serial port, takes the radio's identification
// answer, stores the band limits, shows model, firmware version and band
// ranges in the main window's status bar, enables the editor menus and closes
// the port again. Four attempts; then "Stat:" / "Communication fault.".
#pragma once

#include <QString>
#include <memory>

namespace zv {

class Serial_Port;

// What the cycle writes into the main window.
class Ident_Display {
 public:
  virtual ~Ident_Display() = default;
  // Panel 1..15 of the status bar.
  virtual void Set_Panel_Text(int panel, const QString &text) = 0;
  // sig_edit, sys_edit, chann_edit and fm_chann_edit enabled.
  virtual void Enable_Edit_Menus() = 0;
};

class Identify_Cycle {
 public:
  explicit Identify_Cycle(Ident_Display &display);
  ~Identify_Cycle();
  Identify_Cycle(const Identify_Cycle &) = delete;
  Identify_Cycle &operator=(const Identify_Cycle &) = delete;

  // Closes the port if it is open, stops the cycle's timers, sets three
  // retries and starts the cycle.
  void Restart_Identify();
  // Starts one attempt unless one is running: opens the port (the cycle ends
  // when it does not open) and sends the opening command.
  void Start_Identify();

  // Sets Port_Error, then opens the port on Comm_Port; on failure shows
  // "Communication Port Open Error ！" and sets Port_Error. An open port
  // cannot change its number, so opening while open fails too.
  void Open_Port();
  // The same without any message (the start-up probe).
  void Probe_Port();
  bool Port_Open() const;
  void Close_Port();

  // Stops the timers and the receive notification, then closes the port:
  // the main window is closing.
  void Stop();

 private:
  bool Open(bool with_message);

  Ident_Display &display_;
  std::unique_ptr<Serial_Port> msc_;
};

}  // namespace zv
