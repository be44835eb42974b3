// The ground of a window's exchange tests: the virtual platform with a
// simulated radio on COM1 (user password "123456", super password "SUPER9";
// a test that fills the radio's memory sets them again), a message recorder,
// a fresh shared state with the opening command, and a recorder of the
// watched window's progress display (bar and label) after every event of
// the platform.
//
//   auto *w = new Some_Window; ...load it, type "123456"...;
//   Watch(w);                  // its Engine(), ProgressBar1, Label_tr_count
//   w->Command_read_Click();
//   ASSERT_TRUE(Run_To_End());
//   EXPECT_EQ(steps[0].label, "Connecting with transceiver. ");
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <string>
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

class Window_Exchange_Test : public ::testing::Test, protected Progress_Recorder {
 protected:
  void SetUp() override {
    Set_Platform(&vp);
    Set_Message_Service(&messages);
    Shared() = Shared_State{};
    Shared().Handshake_Bytes = kHandshake_Bytes;
    Shared().Comm_Port = 1;
    vp.Attach(1, &sim);
    sim.Set_Passwords("123456", "SUPER9");
    messages.on_show = [this](const Message_Record &) {
      if (watched_) label_at_message.push_back(Label());
    };
    vp.After_Event = [this] { Record_Step(); };
  }
  void TearDown() override {
    vp.After_Event = nullptr;
    delete watched_.data();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Set_Message_Service(nullptr);
    Set_Platform(nullptr);
  }

  // Watches a loaded window: its engine and progress display. The window is
  // deleted at the end of the test unless it is gone by then.
  void Watch(QWidget *window, Exchange_Engine *engine, QProgressBar *bar, QLabel *label) {
    watched_ = window;
    engine_ = engine;
    Progress_Recorder::Watch(bar, label);
  }
  template <class W>
  void Watch(W *window) {
    Watch(window, &window->Engine(), window->ProgressBar1, window->Label_tr_count);
  }

  void Record_Step() {
    if (watched_) Record();
  }
  // Runs until the watched window's exchange has ended and nothing of it is
  // pending (or the window is gone).
  bool Run_To_End(double limit_ms = 200000) {
    return vp.Run_Until([&] { return !watched_ || Exchange_Ended(*engine_); }, limit_ms);
  }
  // Texts of the message boxes shown so far.
  std::vector<std::string> Texts() const { return Texts_Of(messages); }

  Virtual_Platform vp;
  sim::Radio_Sim sim;
  Message_Recorder messages;
  std::vector<std::string> label_at_message;   // the label when each box came up

 private:
  QPointer<QWidget> watched_;
  Exchange_Engine *engine_ = nullptr;
};

}  // namespace zv::test
