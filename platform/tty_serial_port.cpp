#include "platform/tty_serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

#include "platform/com_ports.h"

namespace zv {

namespace {

std::string Errno_Text(int err) { return std::strerror(err); }

// The line's speed: 9600 baud, 10 bits a byte with start and stop bit.
constexpr double kByte_Ms = 10.0 * 1000.0 / 9600.0;
// While awaiting bytes, the last few are received with the notifier on, so
// that a late wake-up never delays the last byte.
constexpr int kAwake_Bytes = 3;

// Whether the process holding a lock file still runs.
bool Process_Alive(long pid) {
  if (pid <= 0) return false;
  return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// The process id in a lock file: ASCII digits, possibly after blanks (the
// UUCP form), up to the first character that is no digit; -1 when there is
// none. A run of digits longer than any process id, or a value beyond the
// largest one, is no process id (-1), so such a file counts as stale; the
// lock directory is writable for every user, so its contents are not trusted.
long Lock_Owner(const std::string &file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  char buf[64] = {};
  const ssize_t n = ::read(fd, buf, sizeof buf - 1);
  ::close(fd);
  if (n <= 0) return -1;
  constexpr int kMax_Digits = std::numeric_limits<pid_t>::digits10 + 1;  // 10 for a 32-bit pid_t
  int i = 0;
  while (i < n && buf[i] == ' ') ++i;
  long long pid = 0;
  int digits = 0;
  for (; i < n && buf[i] >= '0' && buf[i] <= '9'; ++i) {
    if (++digits > kMax_Digits) return -1;
    pid = pid * 10 + (buf[i] - '0');
  }
  if (digits == 0 || pid > std::numeric_limits<pid_t>::max()) return -1;
  return static_cast<long>(pid);
}

}  // namespace

// ---------------------------------------------------------------- Uucp_Lock

std::vector<std::string> Uucp_Lock::Default_Dirs() { return {"/run/lock", "/var/lock"}; }

std::string Uucp_Lock::Lock_Name(const std::string &device_path) {
  std::string name = device_path;
  if (name.rfind("/dev/", 0) == 0) name.erase(0, 5);
  for (char &c : name)
    if (c == '/') c = '_';
  return "LCK.." + name;
}

bool Uucp_Lock::Acquire(const std::string &device_path, const std::vector<std::string> &dirs) {
  Release();
  // A device reached through a link is locked under its real name, which is
  // what other programs use.
  std::string real = device_path;
  if (char *resolved = realpath(device_path.c_str(), nullptr)) {
    real = resolved;
    free(resolved);
  }
  const std::string name = Lock_Name(real);
  for (const std::string &dir : dirs) {
    if (access(dir.c_str(), W_OK) != 0) continue;
    const std::string file = dir + "/" + name;
    for (int attempt = 0; attempt < 2; ++attempt) {
      const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
      if (fd >= 0) {
        char text[16];
        const int len = std::snprintf(text, sizeof text, "%10ld\n", static_cast<long>(getpid()));
        const bool written = ::write(fd, text, len) == len;
        ::close(fd);
        if (!written) {
          ::unlink(file.c_str());
          return true;
        }
        file_ = file;
        return true;
      }
      if (errno != EEXIST) break;  // cannot create here: try the next directory
      const long owner = Lock_Owner(file);
      if (owner == getpid() || Process_Alive(owner)) return false;
      ::unlink(file.c_str());  // stale: its process is gone
    }
    return true;
  }
  return true;
}

void Uucp_Lock::Release() {
  if (file_.empty()) return;
  if (Lock_Owner(file_) == getpid()) ::unlink(file_.c_str());
  file_.clear();
}

// ---------------------------------------------------------- Tty_Serial_Port

Tty_Serial_Port::Tty_Serial_Port() {
  wake_.setSingleShot(true);
  wake_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&wake_, &QTimer::timeout, [this] { On_Wake(); });
}

Tty_Serial_Port::~Tty_Serial_Port() { Close(); }

bool Tty_Serial_Port::Open(int com_port, std::string *error) {
  const std::string path = Com_Port_Path(com_port);
  if (path.empty()) {
    if (error) *error = "COM" + std::to_string(com_port) + " does not exist";
    return false;
  }
  return Open_Path(path, error);
}

bool Tty_Serial_Port::Open_Path(const std::string &path, std::string *error) {
  auto fail = [&](const std::string &why) {
    if (error) *error = path + ": " + why;
    return false;
  };
  if (Is_Open()) return fail("this port is already open");

  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int err = errno;
    if (err == EBUSY) return fail("held by another program");
    return fail(Errno_Text(err));
  }
  auto fail_close = [&](const std::string &why) {
    ::close(fd);
    lock_.Release();
    return fail(why);
  };
  if (!isatty(fd)) return fail_close("not a serial device");
  // flock() locks belong to the open file, so a second open of the same
  // device, by this program or another one, finds it taken; unlike TIOCEXCL
  // it also holds against root.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) return fail_close("held by another program or window");
  // A program that holds the line in exclusive mode refuses every other
  // open but root's; root gets here, and keeps off it all the same.
  int exclusive = 0;
  if (ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0)
    return fail_close("held by another program (exclusive mode)");
  if (!lock_.Acquire(path, lock_dirs)) return fail_close("held by another program (lock file)");
  // Refuses later opens by programs that use neither lock (root excepted).
  ioctl(fd, TIOCEXCL);

  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return fail_close(Errno_Text(errno));
  cfmakeraw(&tio);
  tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  // With O_NONBLOCK a read then returns what is there or EAGAIN, and 0 only
  // at a hang-up (VMIN 0 would return 0 for "nothing yet" as well).
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  cfsetispeed(&tio, B9600);
  cfsetospeed(&tio, B9600);
  if (tcsetattr(fd, TCSANOW, &tio) != 0) return fail_close(Errno_Text(errno));
  tcflush(fd, TCIOFLUSH);

  fd_ = fd;
  hung_up_ = false;
  buffer_.clear();
  awaited_ = 0;
  last_arrival_ = 0;
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { On_Readable(); });
  return true;
}

void Tty_Serial_Port::Close() {
  if (fd_ < 0) return;
  // No notification after Close().
  wake_.stop();
  awaited_ = 0;
  if (notifier_) {
    notifier_->setEnabled(false);
    notifier_.reset();
  }
  // Let the bytes handed over leave, but never hold the program for long on
  // a device that does not drain (a stuck adapter): at 9600 baud the kernel's
  // whole queue goes out within a few seconds, our frames in milliseconds.
  timespec step{0, 1000000};
  for (int waited = 0; waited < 1000; ++waited) {
    int queued = 0;
    if (ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued <= 0) break;
    nanosleep(&step, nullptr);
  }
  ioctl(fd_, TIOCNXCL);
  ::close(fd_);  // releases the flock() as well
  fd_ = -1;
  buffer_.clear();
  lock_.Release();
}

void Tty_Serial_Port::Output(uint8_t byte) { Write_All(&byte, 1); }

void Tty_Serial_Port::Output_Frame(const uint8_t *bytes, int count) {
  if (count > 0) Write_All(bytes, static_cast<size_t>(count));
}

void Tty_Serial_Port::Write_All(const uint8_t *bytes, size_t count) {
  if (fd_ < 0) return;
  size_t done = 0;
  // The kernel takes a frame whole unless its output queue is full. Only
  // attempts in a row without progress count towards giving up.
  for (int attempt = 0; attempt < 50;) {
    const ssize_t n = ::write(fd_, bytes + done, count - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      if (done == count) return;
      attempt = 0;
      continue;  // a partial write: the rest follows at once
    }
    ++attempt;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) return;  // the device is gone
    // The kernel's output queue is full: wait until it takes bytes again.
    pollfd p{fd_, POLLOUT, 0};
    poll(&p, 1, 20);
  }
}

size_t Tty_Serial_Port::Read_Available() {
  if (fd_ < 0) return 0;
  const size_t before = buffer_.size();
  uint8_t buf[1024];
  for (;;) {
    const ssize_t n = ::read(fd_, buf, sizeof buf);
    if (n > 0) {
      buffer_.insert(buffer_.end(), buf, buf + n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n == 0 || errno != EAGAIN) {
      // Hang-up or a vanished device: the notifier would report it again
      // and again, so it is stopped; the exchange's watchdog ends the attempt.
      hung_up_ = true;
      wake_.stop();
      if (notifier_) notifier_->setEnabled(false);
    }
    return buffer_.size() - before;
  }
}

void Tty_Serial_Port::On_Readable() { Arrived(Read_Available()); }

void Tty_Serial_Port::On_Wake() {
  if (fd_ < 0 || hung_up_) return;
  notifier_->setEnabled(true);
  Arrived(Read_Available());
}

void Tty_Serial_Port::Arrived(size_t got) {
  if (got == 0) return;  // never a notification without new bytes
  last_arrival_ = got;
  if (awaited_ > 0) {
    const int rest = awaited_ - In_Buffer_Count();
    if (rest > 0) {
      if (got == 1 && rest > kAwake_Bytes) Sleep_For_Bytes(rest - kAwake_Bytes);
      return;
    }
    awaited_ = 0;
  }
  Notify();
}

void Tty_Serial_Port::Notify() {
  // A copy: the handler may close this port or delete it.
  const std::function<void()> handler = On_Comm;
  if (handler) handler();
}

void Tty_Serial_Port::Notify_At(int count) {
  if (fd_ < 0 || hung_up_) return;
  awaited_ = count;
  const int rest = count - In_Buffer_Count();
  // Only a line that hands over its bytes one at a time, as they come off
  // the wire, says when the rest can come at the earliest; one that hands
  // them over in bursts (an adapter that collects them first) may have more
  // on the way already, so there every arrival is looked at.
  if (last_arrival_ == 1 && rest > kAwake_Bytes) Sleep_For_Bytes(rest - kAwake_Bytes);
}

void Tty_Serial_Port::Sleep_For_Bytes(int bytes) {
  // The notifier stays off meanwhile: each byte would wake the program, and
  // on a paced line a wake-up costs far more than the byte is worth.
  notifier_->setEnabled(false);
  wake_.start(static_cast<int>(bytes * kByte_Ms));
}

void Tty_Serial_Port::Stop_Awaiting() {
  awaited_ = 0;
  last_arrival_ = 0;
  wake_.stop();
  if (notifier_ && !hung_up_) notifier_->setEnabled(true);
}

int Tty_Serial_Port::In_Buffer_Count() {
  if (fd_ < 0) return 0;
  int kernel = 0;
  if (ioctl(fd_, FIONREAD, &kernel) != 0 || kernel < 0) kernel = 0;
  return static_cast<int>(buffer_.size()) + kernel;
}

int Tty_Serial_Port::Input() {
  if (fd_ < 0) return -1;
  if (buffer_.empty()) Read_Available();
  if (buffer_.empty()) return -1;
  const int b = buffer_.front();
  buffer_.pop_front();
  return b;
}

void Tty_Serial_Port::Discard_Input() {
  buffer_.clear();
  if (fd_ < 0) return;
  tcflush(fd_, TCIFLUSH);
  Stop_Awaiting();
}

void Tty_Serial_Port::Discard_Output() {
  if (fd_ >= 0) tcflush(fd_, TCOFLUSH);
}

}  // namespace zv
