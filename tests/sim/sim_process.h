// Runs the radio_sim program for a test or a benchmark: starts it, takes the
// path of its pseudo-terminal, and ends it (stdin closed) so that it writes
// its --dump and --log files.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace zv::sim {

class Sim_Process {
 public:
  Sim_Process() = default;
  ~Sim_Process();
  Sim_Process(const Sim_Process &) = delete;
  Sim_Process &operator=(const Sim_Process &) = delete;

  // Starts radio_sim with these options; returns false (and why) when it
  // does not come up with a terminal path within a few seconds.
  bool Start(const std::vector<std::string> &args, std::string *error = nullptr);
  const std::string &Path() const { return path_; }
  pid_t Pid() const { return pid_; }
  // Ends the program by closing its stdin and waits for it; returns its exit
  // status (-1 when it was not running or did not end normally).
  int Stop();
  // Ends it at once, without its files.
  void Kill();

  // The program's path, fixed at build time.
  static std::string Exe();

 private:
  pid_t pid_ = -1;
  int in_fd_ = -1;
  std::string path_;
};

}  // namespace zv::sim
