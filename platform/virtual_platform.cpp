#include "platform/virtual_platform.h"

#include <algorithm>
#include <deque>

#include "image/protocol.h"

namespace zv {

namespace {
constexpr size_t kIn_Buffer_Size = 1024;
}

class Virtual_Timer : public Timer {
 public:
  explicit Virtual_Timer(Virtual_Platform *p) : p_(p) { p_->timers_.push_back(this); }
  ~Virtual_Timer() override {
    if (p_) p_->timers_.erase(std::find(p_->timers_.begin(), p_->timers_.end(), this));
  }

  void Set_Interval(int ms) override {
    interval_ = std::max(ms, 0);
    Restart();
  }
  int Interval() const override { return interval_; }
  void Set_Enabled(bool on) override {
    enabled_ = on;
    if (on) Restart();
  }
  bool Enabled() const override { return enabled_; }

  bool Due(double *at, long *seq) const {
    if (!p_ || !enabled_ || interval_ <= 0) return false;
    *at = due_;
    *seq = seq_;
    return true;
  }
  // The tick is being delivered: the next period runs from now.
  void Fired() {
    due_ = p_->now_ms_ + interval_;
    seq_ = p_->Next_Seq();
  }
  void Orphan() { p_ = nullptr; }

 private:
  void Restart() {
    if (!p_) return;
    due_ = p_->now_ms_ + interval_;
    seq_ = p_->Next_Seq();
  }

  Virtual_Platform *p_;
  int interval_ = 0;
  bool enabled_ = false;
  double due_ = 0;
  long seq_ = 0;
};

class Virtual_Serial_Port : public Serial_Port {
 public:
  explicit Virtual_Serial_Port(Virtual_Platform *p) : p_(p) { p_->ports_.push_back(this); }
  ~Virtual_Serial_Port() override {
    On_Comm = nullptr;
    Close();
    if (p_) p_->ports_.erase(std::find(p_->ports_.begin(), p_->ports_.end(), this));
  }

  bool Open(int com_port, std::string *error) override {
    auto fail = [&](const char *why) {
      if (error) *error = why;
      return false;
    };
    if (!p_) return fail("platform gone");
    if (open_) return fail("port already open");
    if (com_port < 1 || com_port > 12) return fail("no such port");
    Virtual_Platform::Line &line = p_->Line_Of(com_port);
    if (line.fail_open) return fail("port held by another program");
    if (!line.peer) return fail("no such port");
    if (line.holder) return fail("port held by another window");
    com_ = com_port;
    open_ = true;
    line.holder = this;
    in_.clear();
    pending_.clear();
    notes_.clear();
    line.peer->Line_Opened(p_->now_ms_);
    return true;
  }

  void Close() override {
    if (!open_) return;
    Land();
    open_ = false;
    in_.clear();
    pending_.clear();
    notes_.clear();
    if (!p_) return;
    Virtual_Platform::Line &line = p_->Line_Of(com_);
    line.holder = nullptr;
    // The bytes already handed over still leave before the line closes.
    if (line.peer) line.peer->Line_Closed(std::max(p_->now_ms_, line.last_arrival_ms));
  }

  bool Is_Open() const override { return open_; }

  void Output(uint8_t byte) override { Output_Frame(&byte, 1); }

  // The bytes of a frame go on the line back to back, each as Output() would
  // send it; the hand-over is recorded as one.
  void Output_Frame(const uint8_t *bytes, int count) override {
    if (!open_ || !p_ || count <= 0) return;
    Virtual_Platform::Line &line = p_->Line_Of(com_);
    line.hand_overs.emplace_back(bytes, bytes + count);
    const double now = p_->now_ms_;
    for (int i = 0; i < count; ++i) {
      Land();  // an answer due by now goes into the log ahead of this byte
      line.log.push_back({now, bytes[i], true});
      const double arrival = std::max(now, line.last_arrival_ms) + kByte_Wire_Ms;
      line.last_arrival_ms = arrival;
      if (!line.peer) continue;
      for (const Timed_Byte &answer : line.peer->Receive(bytes[i], arrival)) Schedule(answer);
    }
  }

  int In_Buffer_Count() override {
    Land();
    return static_cast<int>(in_.size());
  }
  int Input() override {
    Land();
    if (in_.empty()) return -1;
    const int b = in_.front();
    in_.pop_front();
    return b;
  }
  void Discard_Input() override {
    Land();
    in_.clear();
  }
  // Every handed byte leaves at once, so nothing waits to be dropped.
  void Discard_Output() override {}

  bool Due(double *at, long *seq) const {
    if (!p_ || !open_ || notes_.empty()) return false;
    *at = notes_.front().at;
    *seq = notes_.front().seq;
    return true;
  }
  void Take_Note() { notes_.pop_front(); }
  void Land() {
    if (!p_ || !open_) return;
    Virtual_Platform::Line &line = p_->Line_Of(com_);
    while (!pending_.empty() && pending_.front().at_ms <= p_->now_ms_) {
      const Timed_Byte b = pending_.front();
      pending_.pop_front();
      line.log.push_back({b.at_ms, b.byte, false});
      if (in_.size() < kIn_Buffer_Size) in_.push_back(b.byte);  // else overrun: lost
    }
  }
  void Orphan() {
    p_ = nullptr;
    open_ = false;
  }

 private:
  struct Note {
    double at;
    long seq;
  };

  void Schedule(Timed_Byte answer) {
    answer.at_ms = std::max(answer.at_ms, p_->now_ms_);
    auto pos = std::upper_bound(pending_.begin(), pending_.end(), answer.at_ms,
                                [](double t, const Timed_Byte &b) { return t < b.at_ms; });
    pending_.insert(pos, answer);
    auto same = std::find_if(notes_.begin(), notes_.end(), [&](const Note &n) { return n.at == answer.at_ms; });
    if (same != notes_.end()) return;
    auto npos = std::upper_bound(notes_.begin(), notes_.end(), answer.at_ms,
                                 [](double t, const Note &n) { return t < n.at; });
    notes_.insert(npos, Note{answer.at_ms, p_->Next_Seq()});
  }

  Virtual_Platform *p_;
  int com_ = 0;
  bool open_ = false;
  std::deque<uint8_t> in_;
  std::deque<Timed_Byte> pending_;
  std::deque<Note> notes_;
};

Virtual_Platform::Virtual_Platform() = default;

Virtual_Platform::~Virtual_Platform() {
  for (Virtual_Timer *t : timers_) t->Orphan();
  for (Virtual_Serial_Port *p : ports_) p->Orphan();
}

std::unique_ptr<Timer> Virtual_Platform::New_Timer() { return std::make_unique<Virtual_Timer>(this); }

std::unique_ptr<Serial_Port> Virtual_Platform::New_Serial_Port() {
  return std::make_unique<Virtual_Serial_Port>(this);
}

void Virtual_Platform::Counting_Delay(long steps) {
  if (steps > 0) now_ms_ += static_cast<double>(steps) / 10000.0;
}

bool Virtual_Platform::Dispatch_Next(double limit_ms) {
  Virtual_Timer *timer = nullptr;
  Virtual_Serial_Port *port = nullptr;
  double best_at = 0;
  long best_seq = 0;
  bool found = false;
  auto better = [&](double at, long seq) {
    return !found || at < best_at || (at == best_at && seq < best_seq);
  };
  for (Virtual_Timer *t : timers_) {
    double at;
    long seq;
    if (t->Due(&at, &seq) && better(at, seq)) {
      found = true;
      best_at = at;
      best_seq = seq;
      timer = t;
      port = nullptr;
    }
  }
  for (Virtual_Serial_Port *p : ports_) {
    double at;
    long seq;
    if (p->Due(&at, &seq) && better(at, seq)) {
      found = true;
      best_at = at;
      best_seq = seq;
      port = p;
      timer = nullptr;
    }
  }
  if (!found || best_at > limit_ms) return false;
  now_ms_ = std::max(now_ms_, best_at);
  // The handler may destroy the timer or port it runs for: it runs from a copy.
  std::function<void()> handler;
  if (timer) {
    timer->Fired();
    handler = timer->On_Tick;
  } else {
    port->Take_Note();
    port->Land();
    handler = port->On_Comm;
  }
  if (handler) handler();
  if (After_Event) After_Event();
  return true;
}

void Virtual_Platform::Advance(double ms) {
  const double target = now_ms_ + ms;
  while (Dispatch_Next(target)) {
  }
  now_ms_ = std::max(now_ms_, target);
}

bool Virtual_Platform::Run_Until(const std::function<bool()> &pred, double limit_ms) {
  const double target = now_ms_ + limit_ms;
  while (!pred()) {
    if (!Dispatch_Next(target)) {
      now_ms_ = std::max(now_ms_, target);
      return pred();
    }
  }
  return true;
}

void Virtual_Platform::Attach(int com_port, Serial_Peer *peer) { Line_Of(com_port).peer = peer; }

void Virtual_Platform::Set_Open_Failure(int com_port, bool fail) { Line_Of(com_port).fail_open = fail; }

const std::vector<Wire_Record> &Virtual_Platform::Wire_Log(int com_port) {
  Line &line = Line_Of(com_port);
  if (line.holder) line.holder->Land();
  return line.log;
}

void Virtual_Platform::Clear_Wire_Log(int com_port) {
  Line &line = Line_Of(com_port);
  line.log.clear();
  line.hand_overs.clear();
}

const std::vector<std::vector<uint8_t>> &Virtual_Platform::Hand_Overs(int com_port) {
  return Line_Of(com_port).hand_overs;
}

std::vector<uint8_t> Virtual_Platform::Sent_Bytes(int com_port) {
  std::vector<uint8_t> out;
  for (const Wire_Record &r : Wire_Log(com_port))
    if (r.from_pc) out.push_back(r.byte);
  return out;
}

bool Virtual_Platform::Is_Held(int com_port) const {
  auto it = lines_.find(com_port);
  return it != lines_.end() && it->second.holder != nullptr;
}

}  // namespace zv
