// A simulated radio for tests: the far end of the serial line. It holds the
// radio's 16 KiB memory (0x0000-0x3FFF, the alignment area 0x3C00-0x3DFF with
// the password block at 0x3DF0 included) and answers the opening command,
// read requests, write packets and the end command as the radio does.
//
// Frames it understands (hex):
//   02 'Z' 'V' '4' '3' '1' '8' 'Q'   opening command -> [06] + 49-byte identification
//   53 hi lo 10                      -> 06 58 hi lo 10 + 16 data bytes (21)
//   53 hi lo 40                      -> 06 58 hi lo 40 + 64 data bytes (69)
//   58 hi lo 10 + 16 data bytes      -> stored, answered with 06
//   45                               -> ends the session
//   06                               the PC's acknowledgement: ignored between frames
// Until the opening command has been seen, nothing else is answered; a wrong
// opening sequence gets no answer at all. A request for another length or an
// address outside the memory is ignored (no answer).
//
// The same object serves the test back end's virtual line (in process, on a
// virtual clock) and the simulator program on a pseudo-terminal.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/radio_image.h"
#include "platform/serial_peer.h"

namespace zv::sim {

constexpr int kMemSize = 0x4000;
constexpr int kPasswordAddr = 0x3DF0;

// What the identification answer carries.
struct Identity {
  std::string model = "ZV4318";    // 6 characters, padded with blanks
  std::string version = "V1.02A";  // 6 characters, padded with blanks
  // Low and high limit of bands A..D in MHz, 0..999 each. The first digit
  // of band A's low limit is also the answer's marker byte, so it must be 1
  // (100..199 MHz) for an answer that the PC accepts.
  std::array<int, 8> bands = {136, 174, 200, 270, 400, 520, 340, 400};
};

// A fault injected into the answers. Answered frames of a session are
// numbered from 0: the identification answer is frame 0, then each read
// answer or write acknowledgement in turn.
struct Fault {
  enum class Kind {
    Silence,       // frame `frame` and every later one get no answer (writes are not stored)
    Corrupt_Byte,  // byte `index` of the answer of frame `frame` becomes `value`
    Extra_Byte,    // `value` is inserted before byte `index` (index = size: appended)
    Drop_Byte,     // byte `index` is left out
    No_Mark,       // the 58 of a read answer is left out
  };
  Kind kind = Kind::Silence;
  int frame = 0;
  int index = 0;
  uint8_t value = 0;
  int session = -1;  // only in that session (numbered from 0); -1: every session
};

struct Write_Record {
  int addr;
  std::array<uint8_t, 16> data;
  double at_ms;
};

class Radio_Sim : public Serial_Peer {
 public:
  Radio_Sim();

  // --- memory ---
  uint8_t Peek(int addr) const;
  void Poke(int addr, uint8_t value);
  const std::array<uint8_t, kMemSize> &Memory() const { return mem_; }
  void Fill(uint8_t value);
  // Image lines 0-1023 (columns 0-15) <-> 0x0000-0x3FFF; line 1024 has no
  // radio address and is left alone.
  void Load_Image(const Radio_Image_Table &image);
  void Export_Image(Radio_Image_Table &image) const;
  // Alignment lines 0-31 <-> 0x3C00-0x3DFF.
  void Load_Adjust(const Adjust_Table_Type &adjust);
  void Export_Adjust(Adjust_Table_Type &adjust) const;
  // Sets the user (bytes 0-5) and super (bytes 6-11) passwords of the
  // password block, each padded with blanks to 6 characters.
  void Set_Passwords(const std::string &user, const std::string &super_password);

  // --- options ---
  Identity identity;
  bool ident_leading_ack = true;  // the identification answer starts with 06
  bool pace = true;               // space answer bytes by the wire time of a byte
  double turnaround_ms = 0.5;     // from the last byte received to the first sent
  std::vector<Fault> faults;
  // Answered instead of the memory for the 16-byte request of the password
  // block: a radio that reports another password than the one it holds.
  std::optional<std::array<uint8_t, 16>> password_answer;

  // --- logs ---
  std::vector<Timed_Byte> received;  // every byte from the PC, with its time
  std::vector<Write_Record> writes;  // every write packet that was stored
  int sessions() const { return session_ + 1; }  // opening commands accepted
  bool in_session() const { return state_ != State::Idle; }

  // Builds the 49 bytes of the identification answer (no leading 06).
  std::vector<uint8_t> Ident_Answer() const;

  // Serial_Peer
  std::vector<Timed_Byte> Receive(uint8_t byte, double now_ms) override;
  void Line_Opened(double now_ms) override;
  void Line_Closed(double now_ms) override;

 private:
  enum class State { Idle, Between_Frames, Read_Frame, Write_Frame };

  std::vector<Timed_Byte> Answer(std::vector<uint8_t> bytes, bool read_answer, double now_ms);
  bool Match_Opening(uint8_t byte);
  void Reset_Line();

  std::array<uint8_t, kMemSize> mem_{};
  State state_ = State::Idle;
  std::vector<uint8_t> frame_;    // bytes of the frame being received
  std::vector<uint8_t> opening_;  // bytes matched so far of the opening command
  int session_ = -1;
  int frame_no_ = 0;      // number of the next answered frame of the session
  double tx_free_ms_ = -1e300;  // when the last byte sent has fully arrived
};

}  // namespace zv::sim
