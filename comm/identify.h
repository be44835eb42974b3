// The identification cycle of the main window: it sends the opening command
// one byte per 10 ms tick on the main window's own serial port, takes the
// radio's identification answer, stores the band limits, shows model,
// firmware version and band ranges in the main window's status bar and closes
// the port again. No answer within 5 s: the port closes, 1.5 s later the
// command goes out again; after four attempts status panels 3 and 4 read
// "Stat:" and "Communication fault.". It runs on the exchange engine's
// identification variant.
#pragma once

#include <functional>

#include "comm/exchange_engine.h"

namespace zv {

class Identify_Cycle {
 public:
  // identified runs after every valid answer, once band limits and panels
  // are written; the main window enables its editor menus there.
  explicit Identify_Cycle(std::function<void()> identified);

  // Closes the port if it is open, stops the cycle's three timers (so that
  // the pause of an earlier attempt cannot cut into the new cycle), sets
  // three retries and starts the cycle.
  void Restart_Identify();

  // The main window's Open_Port: clears Port_Error and opens the port on
  // Comm_Port; on failure shows "Communication Port Open Error ！" and sets
  // Port_Error. An open port cannot change its number, so this fails too
  // while the cycle holds the port. Returns whether this open succeeded:
  // Port_Error may be changed again while the message box is up, by a retry
  // of the cycle that opens the port.
  bool Open_Port();
  // The start-up probe: the same open on Comm_Port without any message. A
  // port that opened stays open.
  void Probe_Port();
  bool Port_Open();
  void Close_Port();

  // Stops the timers and the receive notification, then closes the port
  // (the main window is closing).
  void Stop();

  Exchange_Engine &Engine() { return engine_; }

 private:
  Exchange_Engine engine_;
};

}  // namespace zv
