// The exchange with the radio, as every window runs it: open the port, send
// the opening command, take the identification answer, test the password,
// then read 64-byte blocks or write 16-byte packets, with a reply watchdog, a
// pause and retries.
//
// One engine belongs to one window and owns that window's serial port and
// its three timers (Timer1 sends, Timer2 watches for the answer, Timer3
// pauses before a retry or the failure report), all made by the platform in
// use, so the engine runs on the real back end and on the test back end
// alike. A window differs only by its parameters (Exchange_Params) and its
// own steps (Exchange_Steps).
//
// Timing rules kept by the engine:
// - the first byte of every queued frame goes out 15 ms after the frame was
//   prepared; waiting received bytes are discarded just before it goes out,
//   so a late byte of an earlier answer never shifts the next one;
// - the watchdog is re-armed with every byte sent and fires once per arming;
//   the pause runs Pause_Ms from the watchdog's expiry, then the retry or the
//   failure report follows;
// - starting an exchange cancels a pending pause of the same engine;
// - Ack bytes, and the end command of the password dialog, go straight to the
//   port from the receive handler.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "image/shared_state.h"
#include "platform/serial_port.h"
#include "platform/timer.h"

namespace zv {

enum class Exchange_Variant {
  Standard,         // identification, password block, blocks or packets
  Channels,         // channel editor: record and name areas in turn
  Alignment,        // alignment editor: no password step, Adjust_Table
  Password_Dialog,  // old password from the block at 0x3DC0, new block, 'E'
  Identify,         // main window: identification only
};

enum class Send_Mode { Whole_Frame, Byte_Per_Tick };
// Where the 64 data bytes of a 69-byte answer begin: 4 bytes after the first
// 58 among bytes 0-5 (byte 4 without one), or fixed at byte 5. The engine
// takes an answer only when it is the block asked for (Answer_Data_Start).
enum class Data_Start_Kind { After_Mark, Fixed_5 };
enum class Ident_Show_Kind {
  Full,      // all band limits; panels 8, 10, 12, 14, 2 (model), 4 (""), 6 (version)
  Channels,  // bands A-C; panels 8, 10, 12, 2, 4 (serial text of bytes 38-47), 6
  None,      // nothing stored or shown
};
// The two English forms of the port-open message.
enum class Port_Message_Form { First, Second };

// No Ack and no counting delay after the identification answer or the
// password block.
constexpr long kNo_Wait = -1;

struct Exchange_Params {
  Exchange_Variant Variant = Exchange_Variant::Standard;
  int Base_Addr = 0x0000;        // area of reads (and of writes unless Write_Base_Addr)
  int Write_Base_Addr = -1;      // area of writes when it differs (5-tone editor)
  int Read_Last = 0;             // the read ends after the answer stored under a Block_No above this
  int Write_Blocks = 0;          // packets of a write (alignment: the row at which it ends)
  int Write_First_Block = 0;     // Block_No of a write's first packet (alignment: 24)
  Send_Mode Send_Style = Send_Mode::Whole_Frame;
  int Tick_Ms = 15;              // Timer1 interval between bytes, one byte per tick
  int Watch_Byte_Ms = 2000;      // watchdog armed with each byte
  int Watch_Last_Ms = 1000;      // watchdog armed after the last byte of a frame
  int Pause_Ms = 3000;           // Timer3: from the watchdog's expiry to the retry
  int Retry_Count = 3;           // Retry_Left set by Begin_Read (and Begin_Write)
  int Write_Retry_Count = -1;    // Retry_Left set by Begin_Write; -1: Retry_Count
  long Ident_Wait = 40000;       // counting steps after the identification Ack; kNo_Wait: no Ack
  long Pass_Wait = 4000;         // counting steps after the password Ack; kNo_Wait: no Ack
  int First_Frame_No = 2;        // Block_No of the first read request
  Data_Start_Kind Data_Start = Data_Start_Kind::After_Mark;
  Ident_Show_Kind Ident_Show = Ident_Show_Kind::Full;
  Port_Message_Form Port_Message = Port_Message_Form::First;
  bool Clear_Output_On_Open = false;  // the whole write and the password dialog empty the send buffer
};

// The window's own steps. Every hook may be left empty.
struct Exchange_Steps {
  // A read has finished (timers stopped, flags cleared, port closed): copy
  // the frames into the image. Empty: the variant's own store (Standard:
  // frames 2..Read_Last+1 into the lines from Base_Addr; Channels: record
  // frames 1..Read_Last-1 to lines 0.., name frames 2..Read_Last to lines
  // 256..; Alignment: frames 2..Read_Last+1, bytes 5-68, into Adjust_Table).
  std::function<void()> Store_Read_Frames;
  // Progress of the transfer, n as follows (the window draws bar and label):
  //   read: after each request but the first; n = the frame just stored, and
  //     Block_No still equals n (the request asks for frame n + 1).
  //     Channels: n = Block_No after the step (the frame now requested).
  //   write: for each packet but the first, once it is queued (its bytes
  //     leave 15 ms later); n = the packet queued (Block_No already counts
  //     past it). Channels: record packets only, n = the record line.
  std::function<void(int n)> Show_Progress;
  // The first data frame has been queued (after the password step, or after
  // the identification in the alignment editor).
  std::function<void()> Data_Started;
  // The read or write has finished and, for a read, the frames are stored.
  std::function<void()> Completed;
  // The pause after the last attempt has ended. Empty: the variant's report
  // (Default_Failure_Report).
  std::function<void()> Failure_Report;
  // Identify: a valid answer has been stored and shown (the menus follow).
  std::function<void()> Identified;
  // Password dialog: the radio answered the new password block with this
  // byte; 'E' has been sent and the port closed.
  std::function<void(uint8_t byte)> Write_Answered;
};

// Read answers by frame number (0..256), bytes 0..68 of each.
using Rx_Frame_Table = std::array<std::array<uint8_t, 71>, 257>;

class Exchange_Engine {
 public:
  explicit Exchange_Engine(const Exchange_Params &params, Exchange_Steps steps = {});
  ~Exchange_Engine();
  Exchange_Engine(const Exchange_Engine &) = delete;
  Exchange_Engine &operator=(const Exchange_Engine &) = delete;

  Exchange_Params Params;
  Exchange_Steps Steps;

  // --- starting ---
  // What a start button does after its busy test: Retry_Left from the
  // parameters, then Start_Read / Start_Write.
  //
  // Each returns whether the exchange started: false while it runs already,
  // and when this start's own port failed to open (its message box has been
  // shown; the engine may be gone if the window was closed meanwhile). A
  // window decides from this, never from Port_Error: while the box is up,
  // another engine's open (an identification retry) may clear Port_Error.
  bool Begin_Read();
  bool Begin_Write();
  bool Start_Read();
  bool Start_Write();
  // Identification cycle: closes the port, clears the busy flags, sets
  // Retry_Left from Retry_Count (three), Start_Identify.
  void Restart_Identify();
  void Start_Identify();
  // Ends whatever runs: timers off, receive notification off, port closed,
  // busy flags cleared. The window calls it when it closes; the destructor
  // calls it too.
  void Stop();

  bool Busy() const { return Write_Busy || Read_Busy; }

  // --- the variant's default failure report, and its parts ---
  void Default_Failure_Report();
  void Show_Failure_Message();

  // --- handlers and procedures, public so that a window or a test can drive
  // them as the platform would ---
  bool Open_Port();
  void Start_Send_Timer();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void MSC_OnComm();

  // --- the answer check ---
  // Whether a 69-byte answer is the block at hi, lo that was asked for, and
  // where its 64 data bytes begin; -1 when it does not count.
  //   After_Mark: the first 58 among bytes 0-5 is followed by hi, lo and 40,
  //     and the data from 4 bytes after that 58 all lie within the 69 bytes
  //     (so the 58 stands at byte 0 or 1: behind the radio's 06 or without it).
  //   Fixed_5: bytes 1-4 are 58, hi, lo, 40; the data are bytes 5-68.
  static int Answer_Data_Start(const uint8_t *answer, Data_Start_Kind rule, int hi, int lo);
  // Whether a 20-byte answer is the password block asked for: the first 58
  // is followed by the block's address and length 10, and the 12 compared
  // bytes after them lie within the 20 bytes. The index of that 58, or -1.
  static int Password_Answer_Mark(const uint8_t *answer);

  // --- helpers for the windows' own stores ---
  // Index of the first data byte of a stored frame by the Data_Start rule;
  // -1 when the 64 bytes from there would run past the 69 bytes of an answer.
  static int Frame_Data_Start(const std::array<uint8_t, 71> &frame, Data_Start_Kind rule);
  // Frames first..last of `frames`, 64 data bytes each, into four image lines
  // per frame from first_line on.
  void Store_Frames(const Rx_Frame_Table &frames, int first_frame, int last_frame, int first_line) const;

  Serial_Port &MSC() { return *msc_; }
  Timer &Timer1() { return *timer1_; }
  Timer &Timer2() { return *timer2_; }
  Timer &Timer3() { return *timer3_; }

  // --- exchange fields ---
  std::array<uint8_t, 2001> Recv_Buf{};
  std::array<int, 201> Send_Buf{};
  int Send_Pos = 0;
  int Send_Len = 0;
  uint8_t Out_Byte = 0;
  bool Write_Mode = false;
  bool Data_Phase = false;
  bool Wait_Ack = false;
  bool Write_Busy = false;
  bool Read_Busy = false;
  int Write_Blocks = 0;
  int Read_Last = 0;
  int Retry_Left = 0;
  int Block_No = 0;
  int Hs_Stage = 0;
  // Base address of this engine's running exchange (the low byte is 0).
  int Blk_Addr_Hi = 0;
  int Blk_Addr_Lo = 0;
  // This engine's read answers; the channel editor keeps its name-area
  // answers apart in Rx_Name_Frames. Kept per engine, as the base address
  // is: a start of another window (an identification retry, a second read
  // on another port) never moves or mixes this exchange.
  Rx_Frame_Table Rx_Frames{};
  Rx_Frame_Table Rx_Name_Frames{};
  // Channel editor: the awaited answer belongs to the name area.
  bool Name_Phase = false;
  // Address of the block that the last read request asked for: the awaited
  // 69-byte answer counts only when it carries this address. -1 from a start
  // until the first request.
  int Req_Addr_Hi = -1;
  int Req_Addr_Lo = -1;

 private:
  bool Start(bool write);
  void On_Ident_Reply();
  void On_Password_Reply();
  void On_Dialog_Block_Reply();
  void On_Dialog_Write_Answer();
  void On_Read_Reply();
  void On_Channel_Read_Reply();
  // Takes a 69-byte answer when one is waiting and it is the block asked
  // for (Answer_Data_Start); stops the watchdog then.
  bool Take_Block(std::array<uint8_t, 71> *frame);
  void On_Write_Ack();

  void Show_Ident();
  void Send_First_Data_Frame(bool leading_ack);
  void Queue_Read_Request(bool leading_ack, int hi, int lo);
  void Queue_Write_Packet(bool leading_ack, int hi, int lo, int line);
  void Send_Now(uint8_t byte);
  void Arm_Watchdog(int ms);
  void Stop_Timers();
  void Close_Port();
  void Finish();
  void Default_Store();
  // True when fewer than n received bytes wait; the port is then told that
  // nothing happens before n do.
  bool Short_Of(int n);
  // Takes n received bytes into dest (the rest of dest is cleared first).
  void Take(int n, uint8_t *dest, size_t dest_size);
  int Write_Line(int block) const;
  // Calls a window step; returns false when the engine was destroyed by it.
  bool Call(const std::function<void()> &step);
  void Panel(int panel, const QString &text);

  std::unique_ptr<Serial_Port> msc_;
  std::unique_ptr<Timer> timer1_, timer2_, timer3_;
  std::shared_ptr<bool> alive_;
};

}  // namespace zv
