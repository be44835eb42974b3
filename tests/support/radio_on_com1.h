// The radio every window's exchange tests talk to: a simulated radio on COM1
// of the virtual platform, the opening command and COM1 in the shared state,
// and a recorder of the followed window's progress display (bar and label)
// after every event of the platform and at every message box.
//
// A fixture mixes it in, fills the radio's memory if it wants to, connects
// it with what differs for its window as named parameters, follows its
// window, and disconnects in its TearDown:
//
//   void SetUp() override {
//     Main_Window_Test::SetUp();
//     Connect_Radio(platform, messages, Radio_Setup().Passwords("      ", "SUPER9").Run_Limit_Ms(120000));
//     Follow_Window([this] { return Is_Open() ? form : nullptr; });
//   }
//   void TearDown() override {
//     Disconnect_Radio();
//     Main_Window_Test::TearDown();
//   }
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "comm/exchange_engine.h"
#include "image/protocol.h"
#include "image/shared_state.h"
#include "platform/message_box.h"
#include "platform/virtual_platform.h"
#include "tests/sim/radio_sim.h"
#include "tests/support/exchange_checks.h"
#include "tests/support/progress_recorder.h"

namespace zv::test {

// What differs between the radios and exchanges of the window fixtures, each
// a named setter over the common choice.
class Radio_Setup {
 public:
  // The radio's user and super passwords; "123456" and "SUPER9" unless set.
  Radio_Setup &Passwords(std::string user, std::string super_password) {
    user_ = std::move(user);
    super_ = std::move(super_password);
    set_passwords_ = true;
    return *this;
  }
  // The passwords are what the radio's memory holds already.
  Radio_Setup &Passwords_As_In_Memory() {
    set_passwords_ = false;
    return *this;
  }
  // The virtual time Run_To_End waits at most; 200 s unless set.
  Radio_Setup &Run_Limit_Ms(double ms) {
    run_limit_ms_ = ms;
    return *this;
  }
  // Run_To_End stops once the engine is no longer busy, without waiting for
  // the port to close and the engine's timers to stop.
  Radio_Setup &Ends_When_Not_Busy() {
    ends_when_not_busy_ = true;
    return *this;
  }

 private:
  friend class Radio_On_Com1;
  std::string user_ = "123456", super_ = "SUPER9";
  bool set_passwords_ = true;
  double run_limit_ms_ = 200000;
  bool ends_when_not_busy_ = false;
};

// A window's engine and progress display.
struct Exchange_Display {
  Exchange_Engine *engine = nullptr;
  QProgressBar *bar = nullptr;
  QLabel *label = nullptr;
};

// The display of a window with its own Engine(), ProgressBar1 and
// Label_tr_count.
template <class W>
Exchange_Display Display_Of(W &w) {
  return {&w.Engine(), w.ProgressBar1, w.Label_tr_count};
}

class Radio_On_Com1 : public Progress_Recorder {
 public:
  // Sets the opening command and COM1 in the shared state, attaches the
  // radio to COM1, gives it its passwords (after whatever the fixture filled
  // its memory with), and records the followed window's progress display
  // after every event of the platform and its label when a box comes up.
  void Connect_Radio(Virtual_Platform &vp, Message_Recorder &messages, const Radio_Setup &setup = {}) {
    vp_ = &vp;
    setup_ = setup;
    Shared().Handshake_Bytes = kHandshake_Bytes;
    Shared().Comm_Port = 1;
    vp.Attach(1, &sim);
    if (setup.set_passwords_) sim.Set_Passwords(setup.user_, setup.super_);
    messages.on_show = [this](const Message_Record &) {
      if (const auto d = Followed()) {
        Progress_Recorder::Watch(d->bar, d->label);
        label_at_message.push_back(Label());
      }
    };
    vp.After_Event = [this] { Record_Step(); };
  }
  // Stops the recording; the radio stays attached until the platform ends.
  void Disconnect_Radio() {
    if (vp_) vp_->After_Event = nullptr;
    follow_ = nullptr;
  }

  // Follows the window `find` gives (nullptr while there is none): its
  // Engine(), ProgressBar1 and Label_tr_count.
  template <class Find>
  void Follow_Window(Find find) {
    follow_ = [find]() -> std::optional<Exchange_Display> {
      auto *w = find();
      if (!w) return std::nullopt;
      return Display_Of(*w);
    };
  }
  // Follows what `find` gives: a window's display, nothing while it is gone.
  void Follow_Display(std::function<std::optional<Exchange_Display>()> find) { follow_ = std::move(find); }

  // The followed window's display; nothing when no window stands.
  std::optional<Exchange_Display> Followed() const {
    if (!follow_) return std::nullopt;
    return follow_();
  }
  void Record_Step() {
    if (const auto d = Followed()) {
      Progress_Recorder::Watch(d->bar, d->label);
      Record();
    }
  }
  // Runs until the followed window's exchange has ended and nothing of it is
  // pending (or, with Ends_When_Not_Busy, until it is no longer busy), or
  // the window is gone.
  bool Run_To_End() { return Run_To_End(setup_.run_limit_ms_); }
  bool Run_To_End(double limit_ms) {
    return vp_->Run_Until(
        [&] {
          const auto d = Followed();
          if (!d) return true;
          return setup_.ends_when_not_busy_ ? !d->engine->Busy() : Exchange_Ended(*d->engine);
        },
        limit_ms);
  }

  sim::Radio_Sim sim;
  std::vector<std::string> label_at_message;  // the label when each box came up

 private:
  Virtual_Platform *vp_ = nullptr;
  Radio_Setup setup_;
  std::function<std::optional<Exchange_Display>()> follow_;
};

}  // namespace zv::test
