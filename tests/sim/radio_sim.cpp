#include "tests/sim/radio_sim.h"

#include <algorithm>
#include <stdexcept>

#include "image/protocol.h"

namespace zv::sim {

namespace {

void Put_Digits(std::vector<uint8_t> &out, int at, int value) {
  value = std::clamp(value, 0, 999);
  out[at] = static_cast<uint8_t>(value / 100);
  out[at + 1] = static_cast<uint8_t>(value / 10 % 10);
  out[at + 2] = static_cast<uint8_t>(value % 10);
}

void Put_Text(std::vector<uint8_t> &out, int at, const std::string &text) {
  for (int i = 0; i < 6; ++i)
    out[at + i] = i < static_cast<int>(text.size()) ? static_cast<uint8_t>(text[i]) : ' ';
}

}  // namespace

Radio_Sim::Radio_Sim() { mem_.fill(0xFF); }

uint8_t Radio_Sim::Peek(int addr) const {
  if (addr < 0 || addr >= kMemSize) throw std::out_of_range("radio address out of range");
  return mem_[addr];
}

void Radio_Sim::Poke(int addr, uint8_t value) {
  if (addr < 0 || addr >= kMemSize) throw std::out_of_range("radio address out of range");
  mem_[addr] = value;
}

void Radio_Sim::Fill(uint8_t value) { mem_.fill(value); }

void Radio_Sim::Load_Image(const Radio_Image_Table &image) {
  for (int a = 0; a < kMemSize; ++a) mem_[a] = image(Addr_Line(a), Addr_Col(a));
}

void Radio_Sim::Export_Image(Radio_Image_Table &image) const {
  for (int a = 0; a < kMemSize; ++a) image(Addr_Line(a), Addr_Col(a)) = mem_[a];
}

void Radio_Sim::Load_Adjust(const Adjust_Table_Type &adjust) {
  for (int i = 0; i < kAdjustLines * 16; ++i) mem_[map::kAdjustBase + i] = adjust(i / 16, i % 16);
}

void Radio_Sim::Export_Adjust(Adjust_Table_Type &adjust) const {
  for (int i = 0; i < kAdjustLines * 16; ++i) adjust(i / 16, i % 16) = mem_[map::kAdjustBase + i];
}

void Radio_Sim::Set_Passwords(const std::string &user, const std::string &super_password) {
  for (int i = 0; i < 6; ++i) {
    mem_[kPasswordAddr + i] = i < static_cast<int>(user.size()) ? static_cast<uint8_t>(user[i]) : ' ';
    mem_[kPasswordAddr + 6 + i] =
        i < static_cast<int>(super_password.size()) ? static_cast<uint8_t>(super_password[i]) : ' ';
  }
}

std::vector<uint8_t> Radio_Sim::Ident_Answer() const {
  std::vector<uint8_t> a(kIdent_Len, 0);
  const auto &b = identity.bands;
  Put_Digits(a, 0, b[0]);
  Put_Digits(a, 3, b[1]);
  Put_Text(a, 10, identity.model);
  Put_Digits(a, 16, b[2]);
  Put_Digits(a, 19, b[3]);
  Put_Text(a, 26, identity.version);
  Put_Digits(a, 32, b[4]);
  Put_Digits(a, 35, b[5]);
  Put_Digits(a, 40, b[6]);
  Put_Digits(a, 43, b[7]);
  a[48] = kIdent_End;
  return a;
}

void Radio_Sim::Reset_Line() {
  state_ = State::Idle;
  frame_.clear();
  opening_.clear();
}

void Radio_Sim::Line_Opened(double) { Reset_Line(); }
void Radio_Sim::Line_Closed(double) { Reset_Line(); }

bool Radio_Sim::Match_Opening(uint8_t byte) {
  if (byte == kHandshake_Bytes[opening_.size()]) {
    opening_.push_back(byte);
  } else {
    // No byte but the first occurs twice in the opening command, so a
    // mismatch can only restart at that first byte.
    opening_.clear();
    if (byte == kHandshake_Bytes[0]) opening_.push_back(byte);
  }
  if (opening_.size() < kHandshake_Bytes.size()) return false;
  opening_.clear();
  return true;
}

std::vector<Timed_Byte> Radio_Sim::Receive(uint8_t byte, double now_ms) {
  received.push_back({now_ms, byte});

  switch (state_) {
    case State::Idle:
      break;
    case State::Between_Frames:
      if (!opening_.empty()) break;  // a new opening command is being received
      if (byte == kRead_Cmd) {
        state_ = State::Read_Frame;
        frame_.assign(1, byte);
        return {};
      }
      if (byte == kData_Mark) {
        state_ = State::Write_Frame;
        frame_.assign(1, byte);
        return {};
      }
      if (byte == kEnd_Cmd) {
        state_ = State::Idle;
        return {};
      }
      break;  // acknowledgements and stray bytes between frames
    case State::Read_Frame: {
      frame_.push_back(byte);
      if (frame_.size() < 4) return {};
      state_ = State::Between_Frames;
      const int addr = frame_[1] * 256 + frame_[2];
      const int len = frame_[3];
      if ((len != 0x10 && len != 0x40) || addr + len > kMemSize) return {};
      std::vector<uint8_t> out = {kAck, kData_Mark, frame_[1], frame_[2], frame_[3]};
      if (len == 0x10 && addr == kPasswordAddr && password_answer)
        out.insert(out.end(), password_answer->begin(), password_answer->end());
      else
        out.insert(out.end(), mem_.begin() + addr, mem_.begin() + addr + len);
      return Answer(std::move(out), true, now_ms);
    }
    case State::Write_Frame: {
      frame_.push_back(byte);
      if (frame_.size() == 4 && frame_[3] != 0x10) {
        state_ = State::Between_Frames;  // not a packet this radio knows
        return {};
      }
      if (frame_.size() < 20) return {};
      state_ = State::Between_Frames;
      const int addr = frame_[1] * 256 + frame_[2];
      if (addr + 16 > kMemSize) return {};
      const bool silent = std::any_of(faults.begin(), faults.end(), [&](const Fault &f) {
        return f.kind == Fault::Kind::Silence && frame_no_ >= f.frame &&
               (f.session < 0 || f.session == session_);
      });
      if (!silent) {
        Write_Record rec{addr, {}, now_ms};
        std::copy(frame_.begin() + 4, frame_.end(), rec.data.begin());
        std::copy(rec.data.begin(), rec.data.end(), mem_.begin() + addr);
        writes.push_back(rec);
      }
      return Answer({kAck}, false, now_ms);
    }
  }

  // Idle, or between frames: look for the opening command.
  if (Match_Opening(byte)) {
    ++session_;
    frame_no_ = 0;
    state_ = State::Between_Frames;
    std::vector<uint8_t> out = Ident_Answer();
    if (ident_leading_ack) out.insert(out.begin(), kAck);
    return Answer(std::move(out), false, now_ms);
  }
  return {};
}

std::vector<Timed_Byte> Radio_Sim::Answer(std::vector<uint8_t> bytes, bool read_answer, double now_ms) {
  const int frame = frame_no_++;
  for (const Fault &f : faults) {
    if (f.session >= 0 && f.session != session_) continue;
    if (f.kind == Fault::Kind::Silence) {
      if (frame >= f.frame) return {};
      continue;
    }
    if (f.frame != frame) continue;
    const int n = static_cast<int>(bytes.size());
    switch (f.kind) {
      case Fault::Kind::Corrupt_Byte:
        if (f.index >= 0 && f.index < n) bytes[f.index] = f.value;
        break;
      case Fault::Kind::Extra_Byte:
        if (f.index >= 0 && f.index <= n) bytes.insert(bytes.begin() + f.index, f.value);
        break;
      case Fault::Kind::Drop_Byte:
        if (f.index >= 0 && f.index < n) bytes.erase(bytes.begin() + f.index);
        break;
      case Fault::Kind::No_Mark:
        if (read_answer) {
          auto it = std::find(bytes.begin(), bytes.end(), kData_Mark);
          if (it != bytes.end()) bytes.erase(it);
        }
        break;
      case Fault::Kind::Silence:
        break;
    }
  }

  std::vector<Timed_Byte> out;
  out.reserve(bytes.size());
  double t = std::max(now_ms + turnaround_ms, tx_free_ms_);
  for (uint8_t b : bytes) {
    if (pace) {
      t += kByte_Wire_Ms;
      out.push_back({t, b});
    } else {
      out.push_back({now_ms, b});
    }
  }
  if (pace) tx_free_ms_ = t;
  return out;
}

}  // namespace zv::sim
