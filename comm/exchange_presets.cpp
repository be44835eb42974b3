#include "comm/exchange_presets.h"

namespace zv::presets {

namespace {
// The editors' common values: whole frame per tick, watchdog 2000/1000 ms,
// 3000 ms pause, three retries, Ack and counting delays after the
// identification and the password block, first frame 2, first port message.
Exchange_Params Editor(int base, int read_last, int write_blocks) {
  Exchange_Params p;
  p.Base_Addr = base;
  p.Read_Last = read_last;
  p.Write_Blocks = write_blocks;
  return p;
}
}  // namespace

Exchange_Params Identify() {
  Exchange_Params p;
  p.Variant = Exchange_Variant::Identify;
  p.Send_Style = Send_Mode::Byte_Per_Tick;
  p.Tick_Ms = 10;
  p.Watch_Byte_Ms = 5000;
  p.Watch_Last_Ms = 5000;
  p.Pause_Ms = 1500;
  p.Retry_Count = 3;
  p.Ident_Wait = kNo_Wait;
  p.Pass_Wait = kNo_Wait;
  return p;
}

Exchange_Params Whole_Read() {
  Exchange_Params p = Editor(0x0000, 200, 0);
  p.Pass_Wait = kNo_Wait;
  p.First_Frame_No = 1;
  p.Port_Message = Port_Message_Form::Second;
  return p;
}

Exchange_Params Whole_Write() {
  Exchange_Params p = Editor(0x0000, 0, 784);
  p.Pause_Ms = 5000;
  p.Retry_Count = 0;  // the end of the pause never starts the write again
  p.Ident_Wait = 4000;
  p.Port_Message = Port_Message_Form::Second;
  p.Clear_Output_On_Open = true;
  return p;
}

Exchange_Params Channels() {
  Exchange_Params p = Editor(0x0000, 51, 200);
  p.Variant = Exchange_Variant::Channels;
  p.Pause_Ms = 1500;
  p.Retry_Count = 3;
  p.Write_Retry_Count = 1;
  p.First_Frame_No = 1;
  p.Ident_Show = Ident_Show_Kind::Channels;
  p.Port_Message = Port_Message_Form::Second;
  return p;
}

Exchange_Params Fm() {
  Exchange_Params p = Editor(0x3000, 4, 16);
  p.Data_Start = Data_Start_Kind::Fixed_5;
  p.Port_Message = Port_Message_Form::Second;
  return p;
}

Exchange_Params Options() { return Editor(0x0E00, 8, 32); }
Exchange_Params Tone2() { return Editor(0x2D00, 12, 48); }
Exchange_Params Dtmf() { return Editor(0x2900, 8, 32); }

Exchange_Params Tone5() {
  Exchange_Params p = Editor(0x2400, 8, 96);
  p.Write_Base_Addr = 0x2000;
  return p;
}

Exchange_Params Alignment() {
  Exchange_Params p = Editor(0x3C00, 8, 28);
  p.Variant = Exchange_Variant::Alignment;
  p.Write_First_Block = 24;
  p.Pause_Ms = 2000;
  p.Ident_Wait = kNo_Wait;
  p.Pass_Wait = kNo_Wait;
  p.Data_Start = Data_Start_Kind::Fixed_5;
  return p;
}

Exchange_Params Password_Dialog() {
  Exchange_Params p;
  p.Variant = Exchange_Variant::Password_Dialog;
  p.Send_Style = Send_Mode::Byte_Per_Tick;
  p.Tick_Ms = 15;
  p.Pause_Ms = 5000;
  p.Retry_Count = 0;
  p.Ident_Wait = kNo_Wait;
  p.Pass_Wait = 40000;  // after the Ack of the block at 0x3DC0
  p.Ident_Show = Ident_Show_Kind::None;
  p.Port_Message = Port_Message_Form::Second;
  p.Clear_Output_On_Open = true;
  return p;
}

}  // namespace zv::presets
