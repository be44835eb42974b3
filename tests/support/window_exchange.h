// The ground of the exchange tests of a window made on its own, without a
// main window: the virtual platform, a message recorder, a fresh shared
// state, and the radio on COM1 with the common passwords (user "123456",
// super "SUPER9"; a test that fills the radio's memory sets them again).
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
#include "image/shared_state.h"
#include "platform/message_box.h"
#include "platform/virtual_platform.h"
#include "tests/support/afresh.h"
#include "tests/support/radio_on_com1.h"

namespace zv::test {

class Window_Exchange_Test : public Afresh_Test, protected Radio_On_Com1 {
 protected:
  void SetUp() override {
    Set_Platform(&vp);
    Set_Message_Service(&messages);
    Shared() = Shared_State{};
    Connect_Radio(vp, messages);
  }
  void TearDown() override {
    Disconnect_Radio();
    delete watched_.data();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Set_Message_Service(nullptr);
    Set_Platform(nullptr);
  }

  // Watches a loaded window: its engine and progress display. The window is
  // deleted at the end of the test unless it is gone by then.
  void Watch(QWidget *window, Exchange_Engine *engine, QProgressBar *bar, QLabel *label) {
    watched_ = window;
    Progress_Recorder::Watch(bar, label);
    Follow_Display([this, engine, bar, label]() -> std::optional<Exchange_Display> {
      if (!watched_) return std::nullopt;
      return Exchange_Display{engine, bar, label};
    });
  }
  template <class W>
  void Watch(W *window) {
    Watch(window, &window->Engine(), window->ProgressBar1, window->Label_tr_count);
  }

  // Texts of the message boxes shown so far.
  std::vector<std::string> Texts() const { return Texts_Of(messages); }

  Virtual_Platform vp;
  Message_Recorder messages;

 private:
  QPointer<QWidget> watched_;
};

}  // namespace zv::test
