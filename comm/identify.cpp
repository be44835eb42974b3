#include "comm/identify.h"

#include "comm/exchange_presets.h"
#include "image/shared_state.h"

namespace zv {

Identify_Cycle::Identify_Cycle(std::function<void()> identified) : engine_(presets::Identify()) {
  engine_.Steps.Identified = std::move(identified);
}

void Identify_Cycle::Restart_Identify() {
  engine_.Timer1().Set_Enabled(false);
  engine_.Timer2().Set_Enabled(false);
  engine_.Timer3().Set_Enabled(false);
  engine_.Restart_Identify();
}

// A port that is open already refuses the open, so a confirm of the port
// dialog while the cycle holds the port fails with the port-open message.
bool Identify_Cycle::Open_Port() { return engine_.Open_Port(); }

void Identify_Cycle::Probe_Port() {
  Shared_State &s = Shared();
  s.Port_Error = false;
  if (!engine_.MSC().Open(s.Comm_Port)) {
    s.Port_Error = true;
    return;
  }
  engine_.MSC().Discard_Input();
}

bool Identify_Cycle::Port_Open() { return engine_.MSC().Is_Open(); }

void Identify_Cycle::Close_Port() {
  if (Port_Open()) engine_.MSC().Close();
}

void Identify_Cycle::Stop() { engine_.Stop(); }

}  // namespace zv
