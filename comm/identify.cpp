#include "comm/identify.h"

#include "comm/exchange_presets.h"
#include "image/shared_state.h"
#include "platform/message_box.h"

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

void Identify_Cycle::Open_Port() {
  if (!Port_Open()) {
    engine_.Open_Port();
    return;
  }
  Shared().Port_Error = true;
  Message_Box(Shared().Lang_Chinese ? QStringLiteral("通讯端口打开错误，请正确设置通讯端口 ！")
                                    : QStringLiteral("Communication Port Open Error ！"),
              Shared().Lang_Chinese ? QStringLiteral("操作提示") : QStringLiteral("Operate Prompt"));
}

void Identify_Cycle::Probe_Port() {
  Shared_State &s = Shared();
  s.Port_Error = false;
  if (Port_Open() || !engine_.MSC().Open(s.Comm_Port)) {
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
