#include "tests/sim/sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char **environ;

namespace zv::sim {

std::string Sim_Process::Exe() { return ZV_RADIO_SIM_EXE; }

Sim_Process::~Sim_Process() { Stop(); }

bool Sim_Process::Start(const std::vector<std::string> &args, std::string *error) {
  auto fail = [&](const std::string &why) {
    if (error) *error = why;
    Kill();
    return false;
  };
  Stop();
  int in_pipe[2], out_pipe[2];
  if (pipe2(in_pipe, O_CLOEXEC) != 0) return fail("pipe failed");
  if (pipe2(out_pipe, O_CLOEXEC) != 0) {
    close(in_pipe[0]);
    close(in_pipe[1]);
    return fail("pipe failed");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in_pipe[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
  const std::string exe = Exe();
  std::vector<char *> argv;
  argv.push_back(const_cast<char *>(exe.c_str()));
  for (const std::string &a : args) argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  const int rc = posix_spawn(&pid_, exe.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(in_pipe[0]);
  close(out_pipe[1]);
  in_fd_ = in_pipe[1];
  if (rc != 0) {
    pid_ = -1;
    close(out_pipe[0]);
    return fail(exe + ": " + std::strerror(rc));
  }
  // The first line is the terminal's path.
  std::string line;
  for (;;) {
    pollfd p{out_pipe[0], POLLIN, 0};
    if (poll(&p, 1, 10000) <= 0) break;
    char c;
    if (read(out_pipe[0], &c, 1) != 1 || c == '\n') break;
    line += c;
  }
  close(out_pipe[0]);
  if (line.rfind("/dev/", 0) != 0) return fail("radio_sim did not report its terminal");
  path_ = line;
  return true;
}

int Sim_Process::Stop() {
  if (in_fd_ >= 0) {
    close(in_fd_);
    in_fd_ = -1;
  }
  if (pid_ < 0) return -1;
  int status = 0;
  while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  path_.clear();
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Sim_Process::Kill() {
  if (pid_ >= 0) kill(pid_, SIGKILL);
  Stop();
}

}  // namespace zv::sim
