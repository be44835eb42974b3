#include "comm/identify.h"

#include "image/shared_state.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/serial_port.h"

namespace zv {

Identify_Cycle::Identify_Cycle(Ident_Display &display) : display_(display) {}

Identify_Cycle::~Identify_Cycle() { Stop(); }

bool Identify_Cycle::Open(bool with_message) {
  Shared_State &s = Shared();
  s.Port_Error = false;
  // The control refuses to change its port number while it is open.
  if (!msc_) msc_ = Current_Platform().New_Serial_Port();
  const bool ok = !msc_->Is_Open() && msc_->Open(s.Comm_Port);
  if (ok) {
    msc_->Discard_Input();
    return true;
  }
  if (with_message) {
    Message_Box(Shared().Lang_Chinese ? QStringLiteral("通讯端口打开错误，请正确设置通讯端口 ！")
                                      : QStringLiteral("Communication Port Open Error ！"),
                Shared().Lang_Chinese ? QStringLiteral("操作提示") : QStringLiteral("Operate Prompt"));
  }
  s.Port_Error = true;
  return false;
}

void Identify_Cycle::Open_Port() { Open(true); }
void Identify_Cycle::Probe_Port() { Open(false); }
bool Identify_Cycle::Port_Open() const { return msc_ && msc_->Is_Open(); }

void Identify_Cycle::Close_Port() {
  if (Port_Open()) msc_->Close();
}

void Identify_Cycle::Restart_Identify() {
  Close_Port();
  Start_Identify();
}

void Identify_Cycle::Start_Identify() {
  if (!Port_Open()) Open_Port();
  if (Shared().Port_Error) return;
  Close_Port();
}

void Identify_Cycle::Stop() {
  if (msc_) msc_->On_Comm = nullptr;
  Close_Port();
}

}  // namespace zv
