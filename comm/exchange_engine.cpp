#include "comm/exchange_engine.h"

#include <algorithm>

#include "comm/password_box.h"
#include "comm/status_panels.h"
#include "image/protocol.h"
#include "platform/message_box.h"
#include "platform/platform.h"

namespace zv {

namespace {

constexpr int kFirst_Byte_Ms = 15;  // from preparing a frame to its first byte
constexpr int kIdent_Take = 50;     // taken once more than 49 bytes wait
constexpr int kPassword_Take = 20;  // taken once more than 19 bytes wait
constexpr int kBlock_Take = 69;     // a 64-byte answer: one byte, 58, address, length, data
constexpr int kBlock_Len = 0x40;    // length byte of a 64-byte request and of its answer
constexpr int kPassword_Len = 0x10;  // length byte of the password request and of its answer
constexpr int kPassword_Compared = 12;  // user and super password
constexpr int kDialog_Block_Addr = 0x3DC0;

QString Text(const char *english, const char *chinese) {
  return QString::fromUtf8(Shared().Lang_Chinese ? chinese : english);
}

const char *const kPrompt_Cn = "操作提示";

int Digits(const uint8_t *b) { return 100 * b[0] + 10 * b[1] + b[2]; }

QString Band_Text(int low, int high) { return QStringLiteral(" %1-- %2").arg(low).arg(high); }

// First 58 among bytes [0, last]; -1 when there is none.
int Find_Mark(const uint8_t *bytes, int last) {
  for (int i = 0; i <= last; ++i)
    if (bytes[i] == kData_Mark) return i;
  return -1;
}

}  // namespace

Exchange_Engine::Exchange_Engine(const Exchange_Params &params, Exchange_Steps steps)
    : Params(params),
      Steps(std::move(steps)),
      msc_(Current_Platform().New_Serial_Port()),
      timer1_(Current_Platform().New_Timer()),
      timer2_(Current_Platform().New_Timer()),
      timer3_(Current_Platform().New_Timer()),
      alive_(std::make_shared<bool>(true)) {
  timer1_->On_Tick = [this] { Timer1_Timer(); };
  timer2_->On_Tick = [this] { Timer2_Timer(); };
  timer3_->On_Tick = [this] { Timer3_Timer(); };
  msc_->On_Comm = [this] { MSC_OnComm(); };
}

Exchange_Engine::~Exchange_Engine() {
  *alive_ = false;
  Stop_Timers();
  timer1_->On_Tick = nullptr;
  timer2_->On_Tick = nullptr;
  timer3_->On_Tick = nullptr;
  msc_->On_Comm = nullptr;
  Close_Port();
}

bool Exchange_Engine::Call(const std::function<void()> &step) {
  if (!step) return true;
  const std::shared_ptr<bool> alive = alive_;
  step();
  return *alive;
}

void Exchange_Engine::Panel(int panel, const QString &text) { Set_Status_Panel(panel, text); }

void Exchange_Engine::Stop() {
  Stop_Timers();
  msc_->On_Comm = nullptr;
  Close_Port();
  msc_->On_Comm = [this] { MSC_OnComm(); };
  Write_Busy = false;
  Read_Busy = false;
}

void Exchange_Engine::Stop_Timers() {
  timer1_->Set_Enabled(false);
  timer2_->Set_Enabled(false);
  timer3_->Set_Enabled(false);
}

void Exchange_Engine::Close_Port() {
  if (msc_->Is_Open()) msc_->Close();
}

void Exchange_Engine::Arm_Watchdog(int ms) {
  timer2_->Set_Interval(ms);
  timer2_->Set_Enabled(true);
}

void Exchange_Engine::Send_Now(uint8_t byte) {
  Out_Byte = byte;
  msc_->Output(Out_Byte);
}

// ---------------------------------------------------------------- starting

bool Exchange_Engine::Open_Port() {
  Shared_State &s = Shared();
  s.Port_Error = false;
  if (!msc_->Open(s.Comm_Port)) {
    s.Port_Error = true;
    const bool first = Params.Port_Message == Port_Message_Form::First;
    Message_Box(first ? Text("Communication Port Open Error ！", "通讯端口打开错误，请正确设置通讯端口 ！")
                      : Text("Communication port is error, please setting right communication port . ！",
                             "通讯端口打开错误，请正确设置通讯端口 ！"),
                first ? Text("Operate Prompt", kPrompt_Cn) : Text("Operate prompt", kPrompt_Cn));
    return false;
  }
  msc_->Discard_Input();
  if (Params.Clear_Output_On_Open) msc_->Discard_Output();
  return true;
}

bool Exchange_Engine::Begin_Read() {
  Retry_Left = Params.Retry_Count;
  return Start_Read();
}

bool Exchange_Engine::Begin_Write() {
  Retry_Left = Params.Write_Retry_Count >= 0 ? Params.Write_Retry_Count : Params.Retry_Count;
  return Start_Write();
}

bool Exchange_Engine::Start_Read() { return Start(false); }
bool Exchange_Engine::Start_Write() { return Start(true); }

bool Exchange_Engine::Start(bool write) {
  if (Write_Busy || Read_Busy) return false;
  // A new start replaces whatever the last attempt left pending (its pause).
  Stop_Timers();
  if (!msc_->Is_Open() && !Open_Port()) return false;
  Data_Phase = false;
  msc_->Discard_Input();
  Hs_Stage = 0;
  Req_Addr_Hi = Req_Addr_Lo = -1;
  const Shared_State &s = Shared();
  for (int i = 0; i < 8; ++i) Send_Buf[i] = s.Handshake_Bytes[i];
  Send_Len = 8;
  Write_Mode = write;
  if (write) {
    Block_No = Params.Write_First_Block;
    Write_Blocks = Params.Write_Blocks;
  } else {
    Block_No = 0;
    Read_Last = Params.Read_Last;
  }
  const int base = write && Params.Write_Base_Addr >= 0 ? Params.Write_Base_Addr : Params.Base_Addr;
  Blk_Addr_Hi = (base >> 8) & 0xFF;
  Blk_Addr_Lo = 0;
  Write_Busy = write;
  Read_Busy = !write;
  Start_Send_Timer();
  return true;
}

void Exchange_Engine::Restart_Identify() {
  Stop_Timers();
  Close_Port();
  Write_Busy = false;
  Read_Busy = false;
  Retry_Left = Params.Retry_Count;
  Start_Identify();
}

void Exchange_Engine::Start_Identify() {
  if (Read_Busy || Write_Busy) return;
  Stop_Timers();
  if (!msc_->Is_Open() && !Open_Port()) return;
  Data_Phase = false;
  msc_->Discard_Input();
  const Shared_State &s = Shared();
  for (int i = 0; i < 8; ++i) Send_Buf[i] = s.Handshake_Bytes[i];
  Send_Len = 8;
  Write_Mode = false;
  Blk_Addr_Hi = 0;
  Blk_Addr_Lo = 0;
  Read_Busy = true;
  Start_Send_Timer();
}

// ---------------------------------------------------------------- sending

void Exchange_Engine::Start_Send_Timer() {
  Wait_Ack = false;
  Send_Pos = 0;
  timer1_->Set_Interval(kFirst_Byte_Ms);
  timer1_->Set_Enabled(true);
}

void Exchange_Engine::Timer1_Timer() {
  if (Send_Pos >= Send_Len) {  // nothing queued
    timer1_->Set_Enabled(false);
    return;
  }
  // Bytes still waiting belong to no answer of this frame (for example the
  // last byte of a 21-byte password answer of which 20 were taken).
  if (Send_Pos == 0) msc_->Discard_Input();
  if (Params.Send_Style == Send_Mode::Byte_Per_Tick) {
    timer1_->Set_Interval(Params.Tick_Ms);
    Send_Now(static_cast<uint8_t>(Send_Buf[Send_Pos]));
    Arm_Watchdog(Params.Watch_Byte_Ms);
    ++Send_Pos;
  } else {
    // The whole frame in one hand-over, so that the port puts it on the line
    // without a gap: a radio that timed out between a leading 06 and the
    // rest would take that 06 for a lone Ack.
    std::array<uint8_t, std::tuple_size<decltype(Send_Buf)>::value> frame{};
    const int count = Send_Len - Send_Pos;
    for (int i = 0; i < count; ++i) frame[i] = static_cast<uint8_t>(Send_Buf[Send_Pos + i]);
    Out_Byte = frame[count - 1];
    msc_->Output_Frame(frame.data(), count);
    Arm_Watchdog(Params.Watch_Byte_Ms);
    Send_Pos = Send_Len;
  }
  if (Send_Pos >= Send_Len) {
    Arm_Watchdog(Params.Watch_Last_Ms);
    timer1_->Set_Enabled(false);
    Wait_Ack = true;
  }
}

void Exchange_Engine::Queue_Read_Request(bool leading_ack, int hi, int lo) {
  int i = 0;
  if (leading_ack) Send_Buf[i++] = kAck;
  Send_Buf[i++] = kRead_Cmd;
  Send_Buf[i++] = hi & 0xFF;
  Send_Buf[i++] = lo & 0xFF;
  Send_Buf[i++] = kBlock_Len;
  Send_Len = i;
  Req_Addr_Hi = hi & 0xFF;
  Req_Addr_Lo = lo & 0xFF;
  Start_Send_Timer();
}

void Exchange_Engine::Queue_Write_Packet(bool leading_ack, int hi, int lo, int line) {
  int i = 0;
  if (leading_ack) Send_Buf[i++] = kAck;
  Send_Buf[i++] = kData_Mark;
  Send_Buf[i++] = hi & 0xFF;
  Send_Buf[i++] = lo & 0xFF;
  Send_Buf[i++] = 0x10;
  const Shared_State &s = Shared();
  for (int c = 0; c < 16; ++c) {
    if (Params.Variant == Exchange_Variant::Alignment)
      Send_Buf[i++] = s.Adjust_Table(line - map::kAdjustBase / 16, c);
    else
      Send_Buf[i++] = s.Radio_Image(line, c);
  }
  Send_Len = i;
  Start_Send_Timer();
}

int Exchange_Engine::Write_Line(int block) const { return Blk_Addr_Hi * 16 + block; }

// ---------------------------------------------------------------- watchdog, pause

void Exchange_Engine::Timer2_Timer() {
  timer2_->Set_Enabled(false);  // once per arming: the pause runs from here
  timer1_->Set_Enabled(false);
  timer3_->Set_Interval(Params.Pause_Ms);
  timer3_->Set_Enabled(true);
  Close_Port();
  Write_Busy = false;
  Read_Busy = false;
}

void Exchange_Engine::Timer3_Timer() {
  Stop_Timers();
  if (Retry_Left < 1) {
    if (Steps.Failure_Report)
      Call(Steps.Failure_Report);
    else
      Default_Failure_Report();
    return;
  }
  --Retry_Left;
  if (Params.Variant == Exchange_Variant::Identify)
    Start_Identify();
  else if (Write_Mode)
    Start_Write();
  else
    Start_Read();
}

void Exchange_Engine::Show_Failure_Message() {
  Message_Box(Text("Fail connect with transceiver.", "与对讲机联络失败 ！"), Text("Operate prompt", kPrompt_Cn));
}

void Exchange_Engine::Default_Failure_Report() {
  switch (Params.Variant) {
    case Exchange_Variant::Identify:
      Panel(3, Text("Stat:", "状态:"));
      Panel(4, Text("Communication fault.", "联机故障 ！"));
      break;
    case Exchange_Variant::Alignment:
      Panel(2, Text("Communication fault.", "联机故障 ！"));
      break;
    case Exchange_Variant::Channels: {
      const std::shared_ptr<bool> alive = alive_;
      Show_Failure_Message();
      if (!*alive) return;
      Panel(2, Text("Communication fault.", "联机故障 ！"));
      break;
    }
    case Exchange_Variant::Standard:
    case Exchange_Variant::Password_Dialog:
      Show_Failure_Message();
      break;
  }
}

// ---------------------------------------------------------------- receiving

void Exchange_Engine::Take(int n, uint8_t *dest, size_t dest_size) {
  std::fill(dest, dest + dest_size, 0);
  for (int i = 0; i < n; ++i) {
    const int b = msc_->Input();
    dest[i] = static_cast<uint8_t>(b < 0 ? 0 : b);
  }
}

bool Exchange_Engine::Short_Of(int n) {
  if (msc_->In_Buffer_Count() >= n) return false;
  msc_->Notify_At(n);
  return true;
}

void Exchange_Engine::MSC_OnComm() {
  if (!msc_->Is_Open() || !(Read_Busy || Write_Busy)) return;
  switch (Params.Variant) {
    case Exchange_Variant::Identify:
      if (Data_Phase || Short_Of(kIdent_Take)) return;
      Take(kIdent_Take, Recv_Buf.data(), Recv_Buf.size());
      msc_->Discard_Input();
      On_Ident_Reply();
      return;
    case Exchange_Variant::Password_Dialog:
      if (Hs_Stage == 0) {
        if (Short_Of(kIdent_Take)) return;
        Take(kIdent_Take, Recv_Buf.data(), Recv_Buf.size());
        On_Ident_Reply();
      } else if (Hs_Stage == 1) {
        if (Short_Of(kBlock_Take)) return;
        Take(kBlock_Take, Recv_Buf.data(), Recv_Buf.size());
        On_Dialog_Block_Reply();
      } else {
        On_Dialog_Write_Answer();
      }
      return;
    default:
      break;
  }
  if (Data_Phase) {
    if (Write_Mode)
      On_Write_Ack();
    else if (Params.Variant == Exchange_Variant::Channels)
      On_Channel_Read_Reply();
    else
      On_Read_Reply();
    return;
  }
  if (Hs_Stage == 0) {
    if (Short_Of(kIdent_Take)) return;
    Take(kIdent_Take, Recv_Buf.data(), Recv_Buf.size());
    msc_->Discard_Input();
    On_Ident_Reply();
  } else if (Hs_Stage == 1) {
    if (Short_Of(kPassword_Take)) return;
    Take(kPassword_Take, Recv_Buf.data(), Recv_Buf.size());
    msc_->Discard_Input();
    On_Password_Reply();
  }
}

void Exchange_Engine::On_Ident_Reply() {
  const bool valid = (Recv_Buf[48] == kIdent_End && Recv_Buf[0] == kIdent_First) ||
                     (Recv_Buf[49] == kIdent_End && Recv_Buf[0] == kAck);
  if (!valid) return;  // the watchdog ends the attempt
  const Exchange_Variant v = Params.Variant;

  if (v == Exchange_Variant::Password_Dialog) {
    Hs_Stage = 1;
    Queue_Read_Request(true, kDialog_Block_Addr >> 8, kDialog_Block_Addr & 0xFF);
    msc_->Discard_Input();
    return;
  }
  if (v == Exchange_Variant::Identify || v == Exchange_Variant::Alignment) {
    Data_Phase = true;
    timer2_->Set_Enabled(false);
    timer3_->Set_Enabled(false);
  } else if (Params.Ident_Wait != kNo_Wait) {
    Send_Now(kAck);
    Current_Platform().Counting_Delay(Params.Ident_Wait);
  }
  if (Recv_Buf[0] == kAck)
    std::copy(Recv_Buf.begin() + 1, Recv_Buf.begin() + 52, Recv_Buf.begin());
  Show_Ident();

  switch (v) {
    case Exchange_Variant::Identify:
      if (!Call(Steps.Identified)) return;
      Stop_Timers();
      Close_Port();
      return;  // Read_Busy stays set until the next restart
    case Exchange_Variant::Alignment:
      Send_First_Data_Frame(true);
      return;
    default:
      Hs_Stage = 1;
      Send_Buf[0] = kRead_Cmd;
      Send_Buf[1] = map::kPasswordAddr >> 8;
      Send_Buf[2] = map::kPasswordAddr & 0xFF;
      Send_Buf[3] = kPassword_Len;
      Send_Len = 4;
      Block_No = 0;
      Start_Send_Timer();
      msc_->Discard_Input();
      return;
  }
}

void Exchange_Engine::Show_Ident() {
  if (Params.Ident_Show == Ident_Show_Kind::None) return;
  const uint8_t *b = Recv_Buf.data();
  Band_Limits &bands = Shared().Bands;
  const bool all = Params.Ident_Show == Ident_Show_Kind::Full;
  bands.Band_A_Low = Digits(b + 0);
  bands.Band_A_High = Digits(b + 3);
  bands.Band_B_Low = Digits(b + 16);
  bands.Band_B_High = Digits(b + 19);
  bands.Band_C_Low = Digits(b + 32);
  bands.Band_C_High = Digits(b + 35);
  if (all) {
    bands.Band_D_Low = Digits(b + 40);
    bands.Band_D_High = Digits(b + 43);
  }
  Panel(8, Band_Text(Digits(b + 0), Digits(b + 3)));
  Panel(10, Band_Text(Digits(b + 16), Digits(b + 19)));
  Panel(12, Band_Text(Digits(b + 32), Digits(b + 35)));
  if (all) Panel(14, Band_Text(Digits(b + 40), Digits(b + 43)));
  const auto chars = [&](int from, int n) { return QString::fromLatin1(reinterpret_cast<const char *>(b + from), n); };
  Panel(2, chars(10, 6));
  Panel(4, all ? QString() : chars(38, 10));
  Panel(6, chars(26, 6));
}

void Exchange_Engine::On_Password_Reply() {
  if (Params.Pass_Wait != kNo_Wait) {
    Send_Now(kAck);
    Current_Platform().Counting_Delay(Params.Pass_Wait);
  }
  // Only the password block asked for counts, with all 12 compared bytes
  // among the 20 taken; anything else is left to the watchdog.
  const int k = Password_Answer_Mark(Recv_Buf.data());
  if (k < 0) return;
  std::copy(Recv_Buf.begin() + k, Recv_Buf.begin() + k + 71, Recv_Buf.begin());
  Shared_State &s = Shared();
  for (int i = 0; i < 16; ++i) s.Radio_Passwords[i] = Recv_Buf[4 + i];

  if (!Password_Passes(s.Radio_Passwords, s.Entered_Password)) {
    Close_Port();
    Stop_Timers();
    Write_Busy = false;
    Read_Busy = false;
    Message_Box(Text("PassWord Error, Reading Stop", "读写数据命令字错误，禁止读出"), Text("Operate Prompt", kPrompt_Cn));
    return;
  }
  Data_Phase = true;
  timer2_->Set_Enabled(false);
  timer3_->Set_Enabled(false);
  Send_First_Data_Frame(Params.Pass_Wait == kNo_Wait);
}

// The first request or packet after the password step (or, in the alignment
// editor, after the identification), with the leading 06 when no separate
// Ack went out for the last answer.
void Exchange_Engine::Send_First_Data_Frame(bool leading_ack) {
  const int hi = Blk_Addr_Hi, lo = Blk_Addr_Lo;
  if (Write_Mode) {
    if (Params.Variant == Exchange_Variant::Channels) {
      Block_No = 0;
      Queue_Write_Packet(leading_ack, hi, lo, Write_Line(0));
      Name_Phase = false;
    } else {
      const int first = Block_No;  // 0, or the alignment editor's first row
      Queue_Write_Packet(leading_ack, hi + first / 16, lo + (first % 16) * 16, Write_Line(first));
      Block_No = first + 1;
    }
  } else {
    Queue_Read_Request(leading_ack, hi, lo);
    Block_No = Params.First_Frame_No;
    msc_->Discard_Input();
  }
  Call(Steps.Data_Started);
}

int Exchange_Engine::Answer_Data_Start(const uint8_t *answer, Data_Start_Kind rule, int hi, int lo) {
  const auto carries_request = [&](int mark) {
    return answer[mark] == kData_Mark && answer[mark + 1] == hi && answer[mark + 2] == lo &&
           answer[mark + 3] == kBlock_Len;
  };
  if (rule == Data_Start_Kind::Fixed_5) return carries_request(1) ? 5 : -1;
  const int k = Find_Mark(answer, 5);
  if (k < 0 || k + 4 + 64 > kBlock_Take) return -1;
  return carries_request(k) ? k + 4 : -1;
}

int Exchange_Engine::Password_Answer_Mark(const uint8_t *answer) {
  const int k = Find_Mark(answer, kPassword_Take - 1);
  if (k < 0 || k + 4 + kPassword_Compared > kPassword_Take) return -1;
  const bool asked = answer[k + 1] == (map::kPasswordAddr >> 8) && answer[k + 2] == (map::kPasswordAddr & 0xFF) &&
                     answer[k + 3] == kPassword_Len;
  return asked ? k : -1;
}

int Exchange_Engine::Frame_Data_Start(const std::array<uint8_t, 71> &frame, Data_Start_Kind rule) {
  if (rule == Data_Start_Kind::Fixed_5) return 5;
  const int k = Find_Mark(frame.data(), 5);
  const int d = k < 0 ? 4 : k + 4;
  return d + 64 <= kBlock_Take ? d : -1;
}

bool Exchange_Engine::Take_Block(std::array<uint8_t, 71> *frame) {
  if (Short_Of(kBlock_Take)) return false;
  Take(kBlock_Take, frame->data(), frame->size());
  msc_->Discard_Input();
  // An answer that is not the block asked for (line noise, another block, a
  // 58 too far on for its data to lie within the bytes taken) is no answer:
  // nothing is stored or acknowledged, and the watchdog ends the attempt.
  if (Answer_Data_Start(frame->data(), Params.Data_Start, Req_Addr_Hi, Req_Addr_Lo) < 0) return false;
  timer2_->Set_Enabled(false);
  return true;
}

void Exchange_Engine::On_Read_Reply() {
  std::array<uint8_t, 71> frame{};
  if (!Take_Block(&frame)) return;
  Rx_Frames[Block_No] = frame;
  Send_Now(kAck);

  if (Block_No > Read_Last) {
    Finish();
    return;
  }
  const int n = Block_No - 1;
  Queue_Read_Request(false, Blk_Addr_Hi + n / 4, Blk_Addr_Lo + (n % 4) * 64);
  const std::shared_ptr<bool> alive = alive_;
  if (Steps.Show_Progress) Steps.Show_Progress(Block_No);
  if (!*alive) return;
  ++Block_No;
}

void Exchange_Engine::On_Channel_Read_Reply() {
  std::array<uint8_t, 71> frame{};
  if (!Take_Block(&frame)) return;
  (Name_Phase ? Rx_Name_Frames : Rx_Frames)[Block_No] = frame;
  Send_Now(kAck);

  const int n = Block_No - 1;
  if (Name_Phase) {
    Name_Phase = false;
    if (Block_No > Read_Last) {
      Finish();
      return;
    }
    Queue_Read_Request(false, Blk_Addr_Hi + n / 4, Blk_Addr_Lo + (n % 4) * 64);
  } else {
    Queue_Read_Request(false, Blk_Addr_Hi + 0x10 + n / 4, Blk_Addr_Lo + (n % 4) * 64);
    ++Block_No;
    Name_Phase = true;
  }
  if (Steps.Show_Progress) Steps.Show_Progress(Block_No);
}

void Exchange_Engine::On_Write_Ack() {
  // Only a 06 taken after the packet's last byte went out counts; any other
  // byte is dropped. Every waiting byte is looked at, so a stray byte that
  // arrives together with the Ack does not hide it.
  bool acked = false;
  while (!acked && msc_->In_Buffer_Count() > 0) {
    const int b = msc_->Input();
    Recv_Buf[0] = static_cast<uint8_t>(b);
    acked = b == kAck && Wait_Ack;
  }
  if (!acked) return;
  timer2_->Set_Enabled(false);

  if (Params.Variant == Exchange_Variant::Channels) {
    const int n = Block_No;
    if (Name_Phase) {
      Name_Phase = false;
      if (Block_No > Write_Blocks) {
        Finish();
        return;
      }
      Queue_Write_Packet(true, Blk_Addr_Hi + n / 16, Blk_Addr_Lo + (n % 16) * 16, Write_Line(n));
      if (Steps.Show_Progress) Steps.Show_Progress(n);
    } else {
      Queue_Write_Packet(true, Blk_Addr_Hi + 0x10 + n / 16, Blk_Addr_Lo + (n % 16) * 16, Write_Line(0x100 + n));
      Block_No = n + 1;
      Name_Phase = true;
    }
    return;
  }

  if (Block_No >= Write_Blocks) {
    Finish();
    return;
  }
  // The packet is queued before the progress is drawn, so that its 15 ms run
  // from the Ack and not from after the drawing.
  const int n = Block_No++;
  Queue_Write_Packet(true, Blk_Addr_Hi + n / 16, Blk_Addr_Lo + (n % 16) * 16, Write_Line(n));
  if (Steps.Show_Progress) Steps.Show_Progress(n);
}

void Exchange_Engine::Finish() {
  Stop_Timers();
  Write_Busy = false;
  Read_Busy = false;
  Close_Port();
  if (!Write_Mode) {
    if (Steps.Store_Read_Frames) {
      if (!Call(Steps.Store_Read_Frames)) return;
    } else {
      Default_Store();
    }
  }
  Call(Steps.Completed);
}

// ---------------------------------------------------------------- password dialog

void Exchange_Engine::On_Dialog_Block_Reply() {
  Send_Now(kAck);
  Current_Platform().Counting_Delay(Params.Pass_Wait == kNo_Wait ? 0 : Params.Pass_Wait);
  // The answer counts, as every 64-byte answer does, only when it is the
  // block asked for with all its data among the 69 taken; the password block
  // is the last 16 of its 64 data bytes. Anything else is left to the watchdog.
  const int d = Answer_Data_Start(Recv_Buf.data(), Data_Start_Kind::After_Mark, Req_Addr_Hi, Req_Addr_Lo);
  if (d < 0) return;
  const int k = d - 4;
  std::copy(Recv_Buf.begin() + k, Recv_Buf.begin() + k + 71, Recv_Buf.begin());
  Shared_State &s = Shared();
  for (int i = 0; i < 16; ++i) s.Radio_Passwords[i] = Recv_Buf[52 + i];

  if (!Old_Password_Passes(s.Radio_Passwords, s.Old_Password)) {
    Send_Now(kEnd_Cmd);
    Close_Port();
    Stop_Timers();
    Write_Busy = false;
    Read_Busy = false;
    Message_Box(Text("Old PassWord Error, Writeing Stop", "原密码错误，禁止写入"), Text("Operate Prompt", kPrompt_Cn));
    return;
  }
  timer2_->Set_Enabled(false);
  timer3_->Set_Enabled(false);
  Block_No = 0;
  Send_Buf[0] = kData_Mark;
  Send_Buf[1] = map::kPasswordAddr >> 8;
  Send_Buf[2] = map::kPasswordAddr & 0xFF;
  Send_Buf[3] = 0x10;
  for (int i = 0; i < 6; ++i) {
    Send_Buf[4 + i] = s.New_Password[i] & 0xFF;
    Send_Buf[10 + i] = s.Radio_Passwords[6 + i];
    if (i < 4) Send_Buf[16 + i] = 0;
  }
  Send_Len = 20;
  msc_->Discard_Input();
  Start_Send_Timer();
  Hs_Stage = 2;
}

void Exchange_Engine::On_Dialog_Write_Answer() {
  // The radio answers the block once it has all 20 bytes; a byte taken while
  // the block is still going out is no answer to it.
  int answer = -1;
  while (answer < 0 && msc_->In_Buffer_Count() > 0) {
    const int b = msc_->Input();
    if (Wait_Ack) answer = b;
  }
  if (answer < 0) return;
  Stop_Timers();
  Write_Busy = false;
  Read_Busy = false;
  Send_Now(kEnd_Cmd);
  Close_Port();
  if (Steps.Write_Answered) {
    const std::shared_ptr<bool> alive = alive_;
    Steps.Write_Answered(static_cast<uint8_t>(answer));
    if (!*alive) return;
  }
}

// ---------------------------------------------------------------- storing

void Exchange_Engine::Store_Frames(const Rx_Frame_Table &frames, int first_frame, int last_frame,
                                   int first_line) const {
  Radio_Image_Table &image = Shared().Radio_Image;
  int line = first_line;
  for (int k = first_frame; k <= last_frame; ++k, line += 4) {
    const int d = Frame_Data_Start(frames[k], Params.Data_Start);
    if (d < 0) continue;  // never stored by a finished read
    for (int j = 0; j < 4; ++j)
      for (int c = 0; c < 16; ++c) image(line + j, c) = frames[k][d + 16 * j + c];
  }
}

void Exchange_Engine::Default_Store() {
  switch (Params.Variant) {
    case Exchange_Variant::Channels:
      Store_Frames(Rx_Frames, 1, Read_Last - 1, Params.Base_Addr / 16);
      Store_Frames(Rx_Name_Frames, 2, Read_Last, Params.Base_Addr / 16 + 0x100);
      break;
    case Exchange_Variant::Alignment: {
      Adjust_Table_Type &adj = Shared().Adjust_Table;
      int i = 0;
      for (int k = 2; k <= Read_Last + 1; ++k)
        for (int b = 5; b < kBlock_Take; ++b, ++i)
          if (i / 16 < kAdjustLines) adj(i / 16, i % 16) = Rx_Frames[k][b];
      break;
    }
    default:
      Store_Frames(Rx_Frames, 2, Read_Last + 1, Params.Base_Addr / 16);
      break;
  }
}

}  // namespace zv
