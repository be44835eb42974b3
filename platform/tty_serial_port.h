// The real serial port, on a Linux terminal device through termios.
//
// Open() takes COMn's device (platform/com_ports.h), sets it to 9600 baud,
// 8N1, raw, no flow control, and discards what is waiting. The port is held
// exclusively, against this program's other ports and against other
// programs, root ones included: an flock() on the device, TIOCEXCL (a line
// another program already holds in exclusive mode is refused, even to root),
// and the UUCP lock file LCK..<name> in /run/lock (or /var/lock) when that
// directory is writable (see ARCHITECTURE.md, "Serial port and timers").
//
// Received bytes are read into a buffer of our own when the event loop
// reports them (a QSocketNotifier); each arrival gives one On_Comm call,
// unless the receiver has said how many bytes it needs (Notify_At): then the
// call comes once that many wait, and on a line that hands over its bytes
// one by one the port sleeps through the wire time of all but the last few
// of them instead of waking for each (see ARCHITECTURE.md).
// Output() writes the byte to the device at once; Output_Frame() writes the
// whole frame in one write(), so its bytes reach the kernel's queue together
// (another write follows only after a partial or interrupted one, or while
// the output queue is full).
#pragma once

#include <QSocketNotifier>
#include <QTimer>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/serial_port.h"

namespace zv {

// A UUCP-style lock file: "LCK..<device name>" holding the owner's process id
// as ten characters and a line end. A lock whose process no longer exists, or
// whose contents are no process id (no digits, more digits than a process id
// has, a value beyond the largest one), is stale and taken over.
class Uucp_Lock {
 public:
  // The lock directories tried in turn: /run/lock, then /var/lock.
  static std::vector<std::string> Default_Dirs();

  ~Uucp_Lock() { Release(); }
  // Returns false only when a live process other than this one holds the
  // lock. A directory that is missing or not writable gives no lock file
  // and no failure: the other locks still hold.
  bool Acquire(const std::string &device_path, const std::vector<std::string> &dirs);
  void Release();
  const std::string &File() const { return file_; }  // empty when none was made

  static std::string Lock_Name(const std::string &device_path);

 private:
  std::string file_;
};

class Tty_Serial_Port : public Serial_Port {
 public:
  Tty_Serial_Port();
  ~Tty_Serial_Port() override;
  Tty_Serial_Port(const Tty_Serial_Port &) = delete;
  Tty_Serial_Port &operator=(const Tty_Serial_Port &) = delete;

  bool Open(int com_port, std::string *error = nullptr) override;
  // Opens a device by path (Open() resolves the COM number to one).
  bool Open_Path(const std::string &path, std::string *error = nullptr);
  void Close() override;
  bool Is_Open() const override { return fd_ >= 0; }

  void Output(uint8_t byte) override;
  void Output_Frame(const uint8_t *bytes, int count) override;
  int In_Buffer_Count() override;
  int Input() override;
  void Discard_Input() override;
  void Discard_Output() override;
  void Notify_At(int count) override;

  // The bytes already taken from the device into the port's own buffer; the
  // rest of In_Buffer_Count() still waits in the kernel. Every On_Comm call
  // comes after this has grown.
  int Buffered() const { return static_cast<int>(buffer_.size()); }

  // The lock directories; tests point them at a directory of their own.
  std::vector<std::string> lock_dirs = Uucp_Lock::Default_Dirs();

 private:
  void On_Readable();
  void On_Wake();
  // Takes what the kernel holds into the buffer; returns how many bytes.
  size_t Read_Available();
  // An arrival of `got` bytes: tells the receiver, or waits on for the
  // bytes it awaits.
  void Arrived(size_t got);
  void Sleep_For_Bytes(int bytes);
  void Stop_Awaiting();
  void Notify();
  // Writes the bytes to the device, waiting (bounded) while its output queue
  // is full.
  void Write_All(const uint8_t *bytes, size_t count);

  int fd_ = -1;
  bool hung_up_ = false;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::deque<uint8_t> buffer_;
  int awaited_ = 0;            // bytes the receiver needs; 0: every arrival notifies
  size_t last_arrival_ = 0;    // bytes of the latest arrival
  QTimer wake_;                // ends a sleep through the wire time of awaited bytes
  Uucp_Lock lock_;
};

}  // namespace zv
