// Small questions the exchange tests ask again and again.
#pragma once

#include <string>
#include <vector>

#include "comm/exchange_engine.h"
#include "platform/message_box.h"

namespace zv::test {

// The engine's exchange has ended and nothing of it is pending: not busy,
// port closed, no timer running.
inline bool Exchange_Ended(Exchange_Engine &e) {
  return !e.Busy() && !e.MSC().Is_Open() && !e.Timer1().Enabled() && !e.Timer2().Enabled() &&
         !e.Timer3().Enabled();
}

// The texts of the message boxes shown so far.
inline std::vector<std::string> Texts_Of(const Message_Recorder &messages) {
  std::vector<std::string> out;
  for (const Message_Record &m : messages.shown) out.push_back(m.text.toStdString());
  return out;
}

}  // namespace zv::test
