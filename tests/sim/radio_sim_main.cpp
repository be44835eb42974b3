// radio_sim: a simulated radio on a pseudo-terminal, for tests and
// benchmarks of the real serial back end. See Usage() for the options.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "image/dat_file.h"
#include "image/protocol.h"
#include "image/startup_state.h"
#include "tests/sim/radio_sim.h"

namespace {

using zv::sim::Fault;
using zv::sim::Radio_Sim;

const char kUsage[] =
    "usage: radio_sim [options]\n"
    "Serves a simulated ZV 4318Q radio on a new pseudo-terminal. The first line\n"
    "on stdout is the path of the terminal to open (e.g. set ZV_COM5 to it).\n"
    "The program ends on SIGTERM or SIGINT, or when stdin reaches end of file.\n"
    "\n"
    "The memory starts as the program's start-up image, with the start-up\n"
    "alignment table in 0x3C00-0x3DFF (user password 123456, super 888888).\n"
    "\n"
    "  --load FILE        take the memory from a .dat image file (lines 0-1023)\n"
    "                     but for the alignment area, which the program's files\n"
    "                     do not carry\n"
    "  --load-all         with --load: the alignment area from the file as well\n"
    "  --dump FILE        write the memory as a .dat image file when ending\n"
    "  --log FILE         write every byte received, in hex, when ending\n"
    "  --password TEXT    user password (up to 6 characters, padded with blanks)\n"
    "  --super TEXT       super password (likewise)\n"
    "  --answer-password TEXT  report TEXT as user password in the password\n"
    "                     block answer, whatever the memory holds\n"
    "  --model TEXT       model text of the identification answer (6 characters)\n"
    "  --version TEXT     version text of the identification answer (6 characters)\n"
    "  --bands A,B,...    the 8 band limits in MHz (A low, A high, ... D high)\n"
    "  --no-ident-ack     identification answer without its leading 06\n"
    "  --no-pace          send answers at once instead of at 9600-baud wire time\n"
    "  --turnaround MS    time from the last byte received to the first answer\n"
    "                     byte (default 0.5)\n"
    "  --fault SPEC       inject a fault; SPEC is one of\n"
    "                       silence:FRAME      no answer from that frame on\n"
    "                       corrupt:FRAME:INDEX:VALUE\n"
    "                       extra:FRAME:INDEX:VALUE\n"
    "                       drop:FRAME:INDEX\n"
    "                       nomark:FRAME       read answer without its 58\n"
    "                     optionally followed by @SESSION (from 0) to apply to\n"
    "                     one session only. Frame 0 is the identification\n"
    "                     answer; numbers are decimal.\n"
    "  --ignore-stdin     do not end at end of file on stdin\n"
    "  --help             this text\n";

volatile sig_atomic_t g_stop = 0;
int g_wake_pipe[2] = {-1, -1};

void On_Signal(int) {
  g_stop = 1;
  const char c = 1;
  [[maybe_unused]] ssize_t n = write(g_wake_pipe[1], &c, 1);
}

double Now_Ms() {
  using namespace std::chrono;
  static const steady_clock::time_point start = steady_clock::now();
  return duration<double, std::milli>(steady_clock::now() - start).count();
}

bool Parse_Int(const std::string &s, long lo, long hi, long *out) {
  if (s.empty()) return false;
  char *end = nullptr;
  errno = 0;
  const long v = std::strtol(s.c_str(), &end, 10);
  if (errno || *end || v < lo || v > hi) return false;
  *out = v;
  return true;
}

std::vector<std::string> Split(const std::string &s, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t p = s.find(sep, start);
    parts.push_back(s.substr(start, p - start));
    if (p == std::string::npos) return parts;
    start = p + 1;
  }
}

bool Parse_Fault(std::string text, Fault *f) {
  const size_t at = text.find('@');
  if (at != std::string::npos) {
    long session;
    if (!Parse_Int(text.substr(at + 1), 0, 1000000, &session)) return false;
    f->session = static_cast<int>(session);
    text.resize(at);
  }
  const auto p = Split(text, ':');
  struct Form { const char *name; Fault::Kind kind; size_t fields; };
  static const Form forms[] = {
      {"silence", Fault::Kind::Silence, 2},    {"corrupt", Fault::Kind::Corrupt_Byte, 4},
      {"extra", Fault::Kind::Extra_Byte, 4},   {"drop", Fault::Kind::Drop_Byte, 3},
      {"nomark", Fault::Kind::No_Mark, 2},
  };
  for (const Form &form : forms) {
    if (p[0] != form.name) continue;
    if (p.size() != form.fields) return false;
    long v;
    f->kind = form.kind;
    if (!Parse_Int(p[1], 0, 1000000, &v)) return false;
    f->frame = static_cast<int>(v);
    if (form.fields >= 3) {
      if (!Parse_Int(p[2], 0, 1000, &v)) return false;
      f->index = static_cast<int>(v);
    }
    if (form.fields >= 4) {
      if (!Parse_Int(p[3], 0, 255, &v)) return false;
      f->value = static_cast<uint8_t>(v);
    }
    return true;
  }
  return false;
}

int Fail(const std::string &text) {
  std::fprintf(stderr, "radio_sim: %s\n", text.c_str());
  return 2;
}

struct Options {
  std::string load, dump, log;
  bool load_all = false;
  std::string user, super_password, answer_password;
  bool set_user = false, set_super = false, set_answer = false;
  bool ignore_stdin = false;
};

// Returns -1 to go on, else the exit status.
int Parse_Args(int argc, char **argv, Radio_Sim &sim, Options &opt) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](std::string *out) {
      if (i + 1 >= argc) return false;
      *out = argv[++i];
      return true;
    };
    std::string v;
    if (a == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (a == "--no-pace") {
      sim.pace = false;
    } else if (a == "--no-ident-ack") {
      sim.ident_leading_ack = false;
    } else if (a == "--load-all") {
      opt.load_all = true;
    } else if (a == "--ignore-stdin") {
      opt.ignore_stdin = true;
    } else if (!value(&v)) {
      return Fail("unknown option or missing value: " + a + " (see --help)");
    } else if (a == "--load") {
      opt.load = v;
    } else if (a == "--dump") {
      opt.dump = v;
    } else if (a == "--log") {
      opt.log = v;
    } else if (a == "--password" || a == "--super" || a == "--answer-password") {
      if (v.size() > 6) return Fail(a + " takes at most 6 characters");
      if (a == "--password") opt.user = v, opt.set_user = true;
      if (a == "--super") opt.super_password = v, opt.set_super = true;
      if (a == "--answer-password") opt.answer_password = v, opt.set_answer = true;
    } else if (a == "--model") {
      sim.identity.model = v;
    } else if (a == "--version") {
      sim.identity.version = v;
    } else if (a == "--bands") {
      const auto p = Split(v, ',');
      if (p.size() != 8) return Fail("--bands takes 8 numbers");
      for (int k = 0; k < 8; ++k) {
        long n;
        if (!Parse_Int(p[k], 0, 999, &n)) return Fail("--bands: numbers 0-999");
        sim.identity.bands[k] = static_cast<int>(n);
      }
    } else if (a == "--turnaround") {
      // Whole microseconds from "MS" or "MS.FFF", read without the locale.
      const auto p = Split(v, '.');
      const std::string frac = p.size() > 1 ? (p[1] + "000").substr(0, 3) : "000";
      long ms, us;
      if (p.size() > 2 || (p.size() > 1 && (p[1].empty() || p[1].size() > 3)) || !Parse_Int(p[0], 0, 10000, &ms) ||
          !Parse_Int(frac, 0, 999, &us))
        return Fail("--turnaround takes milliseconds, e.g. 0.5");
      sim.turnaround_ms = static_cast<double>(ms * 1000 + us) / 1000.0;
    } else if (a == "--fault") {
      Fault f;
      if (!Parse_Fault(v, &f)) return Fail("bad --fault " + v + " (see --help)");
      sim.faults.push_back(f);
    } else {
      return Fail("unknown option " + a + " (see --help)");
    }
  }
  return -1;
}

int Open_Pty(std::string *slave_path) {
  const int fd = posix_openpt(O_RDWR | O_NOCTTY);
  if (fd < 0) return -1;
  if (grantpt(fd) != 0 || unlockpt(fd) != 0) {
    close(fd);
    return -1;
  }
  const char *name = ptsname(fd);
  if (!name) {
    close(fd);
    return -1;
  }
  *slave_path = name;
  termios tio{};
  if (tcgetattr(fd, &tio) == 0) {
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tcsetattr(fd, TCSANOW, &tio);
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  return fd;
}

// Reads what the PC has written and hands it to the radio; the answers go
// to *pending. Returns false when the terminal has been closed on the PC side.
bool Take_Input(int master, Radio_Sim &sim, double &rx_arrival, std::deque<zv::Timed_Byte> *pending = nullptr) {
  uint8_t buf[512];
  for (;;) {
    const ssize_t got = read(master, buf, sizeof buf);
    if (got > 0) {
      const double t = Now_Ms();
      for (ssize_t k = 0; k < got; ++k) {
        // A byte has fully arrived one wire time after it could start.
        rx_arrival = std::max(t, rx_arrival) + (sim.pace ? zv::kByte_Wire_Ms : 0.0);
        for (const zv::Timed_Byte &out : sim.Receive(buf[k], sim.pace ? rx_arrival : t))
          if (pending) pending->push_back(out);
      }
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    return got < 0 && errno == EAGAIN;  // else EIO: closed
  }
}

}  // namespace

int main(int argc, char **argv) {
  Radio_Sim sim;
  Options opt;
  const int status = Parse_Args(argc, argv, sim, opt);
  if (status >= 0) return status;

  {
    auto state = std::make_unique<zv::Shared_State>();
    zv::Build_Startup_State(*state);
    sim.Load_Image(state->Radio_Image);
    sim.Load_Adjust(state->Adjust_Table);
    if (!opt.load.empty()) {
      const zv::Dat_Result r = zv::Load_Image_File(opt.load, state->Radio_Image);
      if (!r.Ok()) return Fail(opt.load + ": not a readable image file (item " + std::to_string(r.item) + ")");
      sim.Load_Image(state->Radio_Image);
      if (!opt.load_all) sim.Load_Adjust(state->Adjust_Table);
    }
  }
  // Passwords after the memory, so that they win over a loaded file.
  auto put6 = [&](int addr, const std::string &v) {
    for (size_t k = 0; k < 6; ++k) sim.Poke(addr + static_cast<int>(k), k < v.size() ? v[k] : ' ');
  };
  if (opt.set_user) put6(zv::sim::kPasswordAddr, opt.user);
  if (opt.set_super) put6(zv::sim::kPasswordAddr + 6, opt.super_password);
  if (opt.set_answer) {
    std::array<uint8_t, 16> block{};
    for (int k = 0; k < 16; ++k) block[k] = sim.Peek(zv::sim::kPasswordAddr + k);
    for (size_t k = 0; k < 6; ++k) block[k] = k < opt.answer_password.size() ? opt.answer_password[k] : ' ';
    sim.password_answer = block;
  }

  std::string slave;
  const int master = Open_Pty(&slave);
  if (master < 0) return Fail(std::string("cannot open a pseudo-terminal: ") + std::strerror(errno));

  if (pipe(g_wake_pipe) != 0) return Fail("pipe failed");
  struct sigaction sa{};
  sa.sa_handler = On_Signal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);

  std::printf("%s\n", slave.c_str());
  std::fflush(stdout);

  std::deque<zv::Timed_Byte> pending;  // answer bytes not yet written
  double rx_arrival = -1e300;          // modelled arrival time of the last byte received
  bool line_open = false;
  bool stdin_open = !opt.ignore_stdin;

  for (;;) {
    const double now = Now_Ms();
    // Hand over every answer byte whose time has come.
    while (!pending.empty() && pending.front().at_ms <= now) {
      const uint8_t b = pending.front().byte;
      // When nobody reads and the terminal's buffer is full the byte is
      // lost, as on a line whose receiver overflows.
      [[maybe_unused]] ssize_t put = write(master, &b, 1);
      pending.pop_front();
    }

    pollfd fds[3] = {{master, POLLIN, 0}, {g_wake_pipe[0], POLLIN, 0}, {stdin_open ? 0 : -1, POLLIN, 0}};
    // While nobody holds the terminal the master reports a hang-up at once
    // (whatever the events asked for); it is then left out of the wait and
    // looked at again every few milliseconds instead.
    if (!line_open) fds[0].fd = -1;
    double wait_ms = -1;  // no time limit
    if (!pending.empty()) wait_ms = std::max(0.0, pending.front().at_ms - now);
    if (!line_open) wait_ms = wait_ms < 0 ? 5.0 : std::min(wait_ms, 5.0);
    timespec ts{};
    if (wait_ms >= 0) {
      ts.tv_sec = static_cast<time_t>(wait_ms / 1000);
      ts.tv_nsec = static_cast<long>(std::fmod(wait_ms, 1000.0) * 1e6);
    }
    const timespec *tsp = wait_ms < 0 ? nullptr : &ts;
    const int n = ppoll(fds, 3, tsp, nullptr);
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    bool ending = false;
    if (fds[2].revents & (POLLIN | POLLHUP)) {
      char buf[256];
      ending = read(0, buf, sizeof buf) <= 0;  // end of file on stdin
    }
    if (ending || g_stop) {
      // What the PC wrote before we were told to end still counts.
      Take_Input(master, sim, rx_arrival);
      break;
    }
    if (!line_open) {
      pollfd probe{master, POLLIN, 0};
      if (poll(&probe, 1, 0) >= 0 && !(probe.revents & POLLHUP)) {
        line_open = true;
        sim.Line_Opened(Now_Ms());
      } else {
        // Opened and closed again between two looks: take what it wrote.
        Take_Input(master, sim, rx_arrival);
        continue;
      }
    }
    if (!Take_Input(master, sim, rx_arrival, &pending)) {
      // The last holder of the terminal has closed it.
      line_open = false;
      pending.clear();
      rx_arrival = -1e300;
      sim.Line_Closed(Now_Ms());
    }
  }

  int rc = 0;
  if (!opt.dump.empty()) {
    auto image = std::make_unique<zv::Radio_Image_Table>();
    image->Fill(0, zv::kImageLines - 1, 0, 16, 0xFF);
    sim.Export_Image(*image);
    if (!zv::Save_Image_File(opt.dump, *image).Ok()) rc = Fail("cannot write " + opt.dump);
  }
  if (!opt.log.empty()) {
    FILE *f = std::fopen(opt.log.c_str(), "w");
    if (!f) {
      rc = Fail("cannot write " + opt.log);
    } else {
      for (size_t k = 0; k < sim.received.size(); ++k)
        std::fprintf(f, "%02X%c", sim.received[k].byte, (k % 16 == 15) ? '\n' : ' ');
      std::fputc('\n', f);
      std::fclose(f);
    }
  }
  close(master);
  return rc;
}
