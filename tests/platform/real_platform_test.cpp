// The real back end: COM numbers, Qt timers, and the terminal serial port
// against the simulated radio program on a pseudo-terminal.
#include <gtest/gtest.h>

#include "support/event_loop_wait.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <thread>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include "image/dat_file.h"
#include "image/protocol.h"
#include "image/startup_state.h"
#include "platform/com_ports.h"
#include "platform/qt_timer.h"
#include "platform/real_platform.h"
#include "platform/tty_serial_port.h"
#include "tests/sim/sim_process.h"

namespace zv {
namespace {

using Bytes = std::vector<uint8_t>;

bool Run_Until(const std::function<bool()> &cond, int limit_ms = 10000) {
  return test::Run_Event_Loop_Until(cond, limit_ms, 2);
}

// Sets an environment variable for the life of the object.
class Env_Var {
 public:
  Env_Var(const std::string &name, const std::string &value) : name_(name) {
    if (const char *old = std::getenv(name.c_str())) old_ = old, had_ = true;
    setenv(name.c_str(), value.c_str(), 1);
  }
  ~Env_Var() {
    if (had_)
      setenv(name_.c_str(), old_.c_str(), 1);
    else
      unsetenv(name_.c_str());
  }

 private:
  std::string name_, old_;
  bool had_ = false;
};

// ------------------------------------------------------------ COM numbers

TEST(ComPorts, RuleAndEnvironmentOverride) {
  struct Case { int n; const char *path; };
  for (Case c : {Case{0, ""}, Case{1, "/dev/ttyS0"}, Case{4, "/dev/ttyS3"}, Case{5, "/dev/ttyUSB0"},
                 Case{10, "/dev/ttyUSB5"}, Case{11, "/dev/ttyACM0"}, Case{12, "/dev/ttyACM1"}, Case{13, ""}}) {
    Env_Var clear(Com_Port_Variable(c.n), "");
    EXPECT_EQ(Com_Port_Path(c.n), c.path) << c.n;
  }
  Env_Var over("ZV_COM7", "/dev/pts/9");
  EXPECT_EQ(Com_Port_Path(7), "/dev/pts/9");
  EXPECT_EQ(Com_Port_Path(6), "/dev/ttyUSB1");
  Env_Var outside("ZV_COM13", "/dev/pts/9");
  EXPECT_EQ(Com_Port_Path(13), "") << "only COM1..COM12 exist";
}

// ----------------------------------------------------------------- timers

// A tick only counts when it comes after the period that the last restart
// began: a timer that kept its old period fires while it is still being
// restarted, long before that.
TEST(QtTimer, SettingTheIntervalOrEnablingStartsThePeriodAnew) {
  struct Case { const char *how; std::function<void(Qt_Timer &)> restart; };
  const Case cases[] = {
      {"set interval", [](Qt_Timer &t) { t.Set_Interval(600); }},
      {"enable again", [](Qt_Timer &t) { t.Set_Enabled(true); }},
  };
  for (const Case &c : cases) {
    Qt_Timer watched;
    int ticks = 0;
    watched.On_Tick = [&] { ++ticks; };
    watched.Set_Interval(600);
    watched.Set_Enabled(true);
    // Restart it every 60 ms, fifteen times: 900 ms in all, longer than its
    // period, so without a restart it would tick meanwhile.
    Qt_Timer restarter;
    int restarts = 0;
    int ticks_while_restarting = -1;
    restarter.On_Tick = [&] {
      c.restart(watched);
      if (++restarts == 15) {
        ticks_while_restarting = ticks;
        restarter.Set_Enabled(false);
      }
    };
    restarter.Set_Interval(60);
    restarter.Set_Enabled(true);
    ASSERT_TRUE(Run_Until([&] { return ticks > 0; })) << c.how;
    EXPECT_EQ(ticks_while_restarting, 0) << c.how;
    EXPECT_EQ(restarts, 15) << c.how;
  }
}

TEST(QtTimer, IdleStatesNeverFireAndAHandlerMayDeleteItsTimer) {
  int fired_zero = 0, fired_disabled = 0, fired_stopped = 0, control = 0;
  Qt_Timer zero;  // enabled with interval 0
  zero.On_Tick = [&] { ++fired_zero; };
  zero.Set_Enabled(true);
  Qt_Timer disabled;  // interval set, never enabled
  disabled.On_Tick = [&] { ++fired_disabled; };
  disabled.Set_Interval(5);
  EXPECT_FALSE(disabled.Enabled());
  Qt_Timer stopped;  // disabled in its first tick
  stopped.On_Tick = [&] {
    ++fired_stopped;
    stopped.Set_Enabled(false);
  };
  stopped.Set_Interval(5);
  stopped.Set_Enabled(true);
  // A handler that deletes its own timer, as a window that closes from a tick.
  auto self_deleting = std::make_unique<Qt_Timer>();
  self_deleting->On_Tick = [&] { self_deleting.reset(); };
  self_deleting->Set_Interval(5);
  self_deleting->Set_Enabled(true);
  Qt_Timer end;
  end.On_Tick = [&] { ++control; };
  end.Set_Interval(200);
  end.Set_Enabled(true);
  ASSERT_TRUE(Run_Until([&] { return control >= 2; }));
  EXPECT_EQ(fired_zero, 0);
  EXPECT_EQ(fired_disabled, 0);
  EXPECT_EQ(fired_stopped, 1);
  EXPECT_FALSE(self_deleting);
}

TEST(RealPlatform, IsTheDefaultAndKeepsCountingDelaysShort) {
  Set_Platform(nullptr);
  EXPECT_NE(dynamic_cast<Real_Platform *>(&Current_Platform()), nullptr);
  struct Case { long steps; double ms; };
  for (Case c : {Case{40000, 4.0}, Case{4000, 0.4}, Case{0, 0.0}, Case{-5, 0.0}, Case{10000000, 5.0}})
    EXPECT_DOUBLE_EQ(Real_Platform::Counting_Delay_Ms(c.steps), c.ms) << c.steps;
}

// ------------------------------------------------------------ serial port

class TtyPortTest : public ::testing::Test {
 protected:
  void SetUp() override { Start_Sim({}); }
  void Start_Sim(std::vector<std::string> args) {
    for (const std::string &a : extra_args) args.push_back(a);
    std::string error;
    ASSERT_TRUE(sim.Start(args, &error)) << error;
    com.reset();  // restores the variable before it is set anew
    com = std::make_unique<Env_Var>("ZV_COM5", sim.Path());
  }
  // Runs the event loop until `count` bytes are waiting.
  bool Wait_For(Tty_Serial_Port &port, int count) {
    return Run_Until([&] { return port.In_Buffer_Count() >= count; });
  }
  static void Send(Tty_Serial_Port &port, const Bytes &bytes) {
    for (uint8_t b : bytes) port.Output(b);
  }
  static Bytes Take(Tty_Serial_Port &port, int count) {
    Bytes out;
    for (int i = 0; i < count; ++i) out.push_back(static_cast<uint8_t>(port.Input()));
    return out;
  }
  static Bytes Opening() { return Bytes(kHandshake_Bytes.begin(), kHandshake_Bytes.end()); }

  std::vector<std::string> extra_args;
  sim::Sim_Process sim;
  std::unique_ptr<Env_Var> com;
};

TEST_F(TtyPortTest, RawExchangeWithTheSimulatedRadio) {
  Tty_Serial_Port port;
  std::string error;
  ASSERT_TRUE(port.Open(5, &error)) << error;
  // Every notification brings new bytes into the port's own buffer. Bytes
  // that reach the kernel meanwhile are counted as waiting at once but come
  // into the buffer with a later notification, so the waiting count says
  // nothing about that promise: the buffer's size does.
  int notes = 0, notes_without_new_bytes = 0, last_buffered = 0;
  port.On_Comm = [&] {
    ++notes;
    const int now = port.Buffered();
    if (now <= last_buffered) ++notes_without_new_bytes;
    last_buffered = now;
  };
  auto take = [&](int count) {
    const Bytes taken = Take(port, count);
    last_buffered = port.Buffered();
    return taken;
  };
  Send(port, Opening());
  ASSERT_TRUE(Wait_For(port, 50));
  const Bytes ident = take(50);
  EXPECT_EQ(ident[0], kAck);
  EXPECT_EQ(ident[1], kIdent_First);
  EXPECT_EQ(ident[49], kIdent_End);
  EXPECT_EQ(port.Input(), -1);
  EXPECT_GE(notes, 1);

  // The bytes of the password answer wait in the kernel while no event is
  // handled: they are counted, and a discard drops them there too.
  Send(port, {kAck, 0x53, 0x3D, 0xF0, 0x10});
  QElapsedTimer clock;
  clock.start();
  while (port.In_Buffer_Count() < 21 && clock.elapsed() < 10000) {
  }
  ASSERT_EQ(port.In_Buffer_Count(), 21);
  EXPECT_EQ(port.Buffered(), 0) << "all 21 are still in the kernel";
  port.Discard_Input();
  EXPECT_EQ(port.In_Buffer_Count(), 0);
  EXPECT_EQ(port.Input(), -1);

  // The next answer starts on its own first byte.
  last_buffered = 0;
  Send(port, {0x53, 0x00, 0x00, 0x40});
  ASSERT_TRUE(Wait_For(port, 69));
  const Bytes block = take(69);
  EXPECT_EQ(Bytes(block.begin(), block.begin() + 5), (Bytes{0x06, 0x58, 0x00, 0x00, 0x40}));
  EXPECT_EQ(notes_without_new_bytes, 0) << "a notification came without new bytes in the port's buffer";
  port.Close();
  EXPECT_FALSE(port.Is_Open());
}

// A receiver that needs a whole answer says so (as the engine does whenever
// it finds fewer bytes than it takes): the next notification then comes only
// once that many wait, whatever the port does with the arrivals meanwhile. A
// discard ends the wait.
TEST_F(TtyPortTest, ANotificationWaitsForTheBytesTheReceiverNeeds) {
  Tty_Serial_Port port;
  ASSERT_TRUE(port.Open(5));
  int needed = 50;  // the identification answer
  std::vector<int> seen;
  port.On_Comm = [&] {
    seen.push_back(port.In_Buffer_Count());
    if (seen.back() < needed) port.Notify_At(needed);
  };
  Send(port, Opening());
  ASSERT_TRUE(Run_Until([&] { return !seen.empty() && seen.back() >= 50; }));
  for (size_t i = 0; i + 1 < seen.size(); ++i) EXPECT_LT(seen[i], 50) << i;
  EXPECT_LE(seen.size(), 2u) << "a notification came before the 50 bytes asked for";
  EXPECT_EQ(Take(port, 50)[49], kIdent_End);

  // Asking for more than will come (the 21 bytes of the password answer),
  // then discarding: later arrivals notify again at once.
  needed = 100;
  seen.clear();
  Send(port, {kAck, 0x53, 0x3D, 0xF0, 0x10});
  ASSERT_TRUE(Run_Until([&] { return port.In_Buffer_Count() >= 21; }));
  EXPECT_EQ(seen.size(), 1u) << "only the first arrival, before the receiver asked for 100";
  port.Discard_Input();
  needed = 0;
  seen.clear();
  Send(port, {0x53, 0x00, 0x00, 0x40});
  ASSERT_TRUE(Run_Until([&] { return !seen.empty(); })) << "the discard ended the wait for 100 bytes";
  EXPECT_LT(seen.front(), 69);
}

TEST_F(TtyPortTest, AReceiveHandlerMayDeleteItsPort) {
  // A window that closes from its receive handler takes its port with it.
  auto port = std::make_unique<Tty_Serial_Port>();
  ASSERT_TRUE(port->Open(5));
  int calls = 0;
  port->On_Comm = [&] {
    ++calls;
    port.reset();
  };
  Send(*port, Opening());
  ASSERT_TRUE(Run_Until([&] { return !port; }));
  Tty_Serial_Port again;
  EXPECT_TRUE(again.Open(5)) << "the device is free again";
  // Events go on; nothing is called on the port that is gone.
  Send(again, Opening());
  ASSERT_TRUE(Wait_For(again, 50));
  EXPECT_EQ(calls, 1);
}

TEST_F(TtyPortTest, CloseLetsTheLastBytesLeave) {
  QTemporaryDir dir;
  const std::string dump = dir.filePath("after.dat").toStdString();
  sim.Kill();
  Start_Sim({"--dump", dump});
  {
    Tty_Serial_Port port;
    ASSERT_TRUE(port.Open(5));
    Send(port, Opening());
    ASSERT_TRUE(Wait_For(port, 50));
    Bytes packet = {kAck, 0x58, 0x12, 0x30, 0x10};
    for (int i = 0; i < 16; ++i) packet.push_back(static_cast<uint8_t>(i * 3));
    Send(port, packet);
    port.Close();
  }
  ASSERT_EQ(sim.Stop(), 0);
  Radio_Image_Table image;
  ASSERT_TRUE(Load_Image_File(dump, image).Ok());
  for (int i = 0; i < 16; ++i) EXPECT_EQ(image(0x123, i), i * 3) << i;
  // Everything else is the start-up memory: the start-up image with the
  // alignment table in its area.
  auto state = std::make_unique<Shared_State>();
  Build_Startup_State(*state);
  for (int line = 0; line < 1024; ++line) {
    if (line == 0x123) continue;
    for (int c = 0; c < 16; ++c) {
      const bool adjust = line >= 0x3C0 && line < 0x3E0;
      ASSERT_EQ(image(line, c), adjust ? state->Adjust_Table(line - 0x3C0, c) : state->Radio_Image(line, c))
          << line << "," << c;
    }
  }
}

TEST_F(TtyPortTest, APortHeldHereOrByAnotherProgramDoesNotOpen) {
  const QString probe = ZV_PORT_PROBE_EXE;
  const QString path = QString::fromStdString(sim.Path());
  {
    Tty_Serial_Port first, second;
    ASSERT_TRUE(first.Open(5));
    std::string error;
    EXPECT_FALSE(second.Open(5, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(second.Is_Open());
    EXPECT_EQ(QProcess::execute(probe, {path}), 1) << "another copy of the program";
    EXPECT_NE(QProcess::execute("flock", {"-n", path, "true"}), 0) << "a program using flock";
    first.Close();
    EXPECT_TRUE(second.Open(5)) << "free again after Close()";
  }
  // The other way round: another program holds it, through all three locks
  // (another copy of this program), through flock only, or only in exclusive
  // mode (TIOCEXCL), which does not keep root out: refused all the same.
  struct Holder { QString program; QStringList args; };
  for (const Holder &h : {Holder{probe, {path, "--hold"}}, Holder{"flock", {path, "-c", "echo open; cat"}},
                          Holder{probe, {path, "--exclusive"}}}) {
    QProcess holder;
    holder.start(h.program, h.args);
    ASSERT_TRUE(holder.waitForReadyRead(10000)) << h.program.toStdString();
    ASSERT_EQ(holder.readLine().trimmed(), "open");
    Tty_Serial_Port port;
    EXPECT_FALSE(port.Open(5)) << h.program.toStdString();
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_TRUE(port.Open(5)) << h.program.toStdString();
  }
}

TEST_F(TtyPortTest, LockFilesOfOtherProgramsAreHonoured) {
  QTemporaryDir dir;
  const std::string lock_dir = dir.path().toStdString();
  const std::string lock_file = lock_dir + "/" + Uucp_Lock::Lock_Name(sim.Path());
  auto lock_text = [&]() {
    std::ifstream in(lock_file);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  };
  const std::string running = std::to_string(sim.Pid());
  // Anyone may write into the lock directory: a number that is no process id
  // is a stale lock, never a fault of this program nor a reason to refuse.
  struct Case { const char *name; std::string text; bool opens; };
  const Case cases[] = {
      {"no lock file", "", true},
      {"held by a running program", "      " + running + "\n", false},
      {"held, with the holder's name after the number", running + " minicom root\n", false},
      {"stale lock of a program that has ended", "2147483646\n", true},
      {"38 digits", std::string(38, '9') + "\n", true},
      {"11 digits", "00000000001\n", true},
      {"beyond the largest process id, 1 when cut to 32 bits", "4294967297\n", true},
      {"no digits", "lock\n", true},
  };
  for (const Case &c : cases) {
    QFile::remove(QString::fromStdString(lock_file));
    if (!c.text.empty()) std::ofstream(lock_file) << c.text;
    Tty_Serial_Port port;
    port.lock_dirs = {lock_dir};
    EXPECT_EQ(port.Open(5), c.opens) << c.name;
    if (c.opens) {
      std::istringstream owner(lock_text());
      long pid = -1;
      owner >> pid;
      EXPECT_EQ(pid, getpid()) << c.name;
      port.Close();
      EXPECT_FALSE(QFile::exists(QString::fromStdString(lock_file))) << c.name;
    } else {
      EXPECT_EQ(lock_text(), c.text) << c.name;
    }
  }
}

// Write system calls this thread has made so far.
long Write_Calls() {
  std::ifstream io("/proc/thread-self/io");
  std::string key;
  long value = -1;
  while (io >> key >> value)
    if (key == "syscw:") return value;
  return -1;
}

// A pseudo-terminal whose far end (the master) the test reads, with the
// port on its near end as COM6.
class Pty_Port {
 public:
  Pty_Port() {
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return;
    com_ = std::make_unique<Env_Var>("ZV_COM6", ptsname(master));
    port.lock_dirs = {locks_.path().toStdString()};
    opened = port.Open(6, &error);
  }
  ~Pty_Port() {
    port.Close();
    if (master >= 0) ::close(master);
  }
  // Reads what the far end holds once it holds something (one read).
  Bytes Read_Once() {
    pollfd ready{master, POLLIN, 0};
    if (poll(&ready, 1, 5000) != 1) return {};
    uint8_t got[4096];
    const ssize_t n = ::read(master, got, sizeof got);
    return n > 0 ? Bytes(got, got + n) : Bytes{};
  }

  int master = -1;
  Tty_Serial_Port port;
  bool opened = false;
  std::string error;

 private:
  QTemporaryDir locks_;
  std::unique_ptr<Env_Var> com_;
};

// A frame handed over whole reaches the device in one write(), so nothing can
// come between its bytes: the far end takes them all with one read.
TEST(TtyPort, AFrameReachesTheDeviceInOneWrite) {
  Pty_Port pty;
  ASSERT_TRUE(pty.opened) << pty.error;
  ASSERT_GE(Write_Calls(), 0) << "no write count for this thread";
  Bytes packet = {kAck, 0x58, 0x0E, 0x10, 0x10};
  for (int i = 0; i < 16; ++i) packet.push_back(static_cast<uint8_t>(0xF0 + i));
  Bytes long_frame;
  for (int i = 0; i < 71; ++i) long_frame.push_back(static_cast<uint8_t>(i));
  struct Case { const char *name; Bytes frame; };
  const Case cases[] = {
      {"handshake", Bytes(kHandshake_Bytes.begin(), kHandshake_Bytes.end())},
      {"read request with its leading 06", {kAck, 0x53, 0x0E, 0x00, 0x40}},
      {"write packet with its leading 06", packet},
      {"71 bytes 00-46, line ends and flow-control characters among them", long_frame},
  };
  for (const Case &c : cases) {
    const long before = Write_Calls();
    pty.port.Output_Frame(c.frame.data(), static_cast<int>(c.frame.size()));
    EXPECT_EQ(Write_Calls() - before, 1) << c.name;
    EXPECT_EQ(pty.Read_Once(), c.frame) << c.name << ": one read takes the whole frame";
  }
  const long before = Write_Calls();
  pty.port.Output_Frame(packet.data(), 0);
  EXPECT_EQ(Write_Calls(), before) << "an empty frame writes nothing";
}

// More than the device takes at once: the write is partial, and the rest
// follows as soon as the far end has taken bytes, in order and complete.
TEST(TtyPort, AFrameLargerThanTheDeviceTakesGoesOutWhole) {
  Pty_Port pty;
  ASSERT_TRUE(pty.opened) << pty.error;
  Bytes frame;
  for (int i = 0; i < 256 * 1024; ++i) frame.push_back(static_cast<uint8_t>(i * 7 + i / 251));
  Bytes got;
  std::thread reader([&] {
    while (got.size() < frame.size()) {
      const Bytes part = pty.Read_Once();
      if (part.empty()) return;  // nothing came within the poll's limit
      got.insert(got.end(), part.begin(), part.end());
    }
  });
  const long before = Write_Calls();
  pty.port.Output_Frame(frame.data(), static_cast<int>(frame.size()));
  const long calls = Write_Calls() - before;
  reader.join();
  EXPECT_GT(calls, 1) << "the device took the frame at once: nothing here was partial";
  ASSERT_EQ(got.size(), frame.size());
  EXPECT_TRUE(got == frame);
}

TEST(TtyPort, PortsThatDoNotExistOrAreNoTerminalFail) {
  struct Case { const char *path; };
  for (Case c : {Case{"/nonexistent/ttyXYZ"}, Case{"/dev/null"}}) {
    Env_Var com("ZV_COM3", c.path);
    Tty_Serial_Port port;
    std::string error;
    EXPECT_FALSE(port.Open(3, &error)) << c.path;
    EXPECT_FALSE(error.empty()) << c.path;
    EXPECT_FALSE(port.Is_Open());
  }
  Tty_Serial_Port port;
  EXPECT_FALSE(port.Open(0));
  EXPECT_FALSE(port.Open(13));
}

}  // namespace
}  // namespace zv
