// Start-up time and memory of the program: starts it several times offscreen
// on a 1920 x 1080 screen and measures, from outside, the time from the
// process start to the main window's first painted frame, and the peak
// resident memory of the process.
//
// Usage: bench_startup_bench [path/to/zv4318q] [runs]
// The program is started with ZV_BENCH_FIRST_FRAME set, which makes it print
// one line when its first frame has been painted and end there.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char **environ;

namespace {

std::string Default_Program() {
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return "./zv4318q";
  self[n] = 0;
  std::string dir(self);
  dir = dir.substr(0, dir.rfind('/'));          // build/bench
  return dir.substr(0, dir.rfind('/')) + "/zv4318q";  // build/zv4318q
}

struct Run {
  double first_frame_ms = -1;
  long peak_kib = 0;
  int status = 0;
};

Run Run_Once(const std::string &program, const std::string &platform) {
  Run run;
  int out[2];
  if (pipe(out) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

  std::vector<std::string> env_store = {"QT_QPA_PLATFORM=" + platform, "ZV_BENCH_FIRST_FRAME=1"};
  for (char **e = environ; *e; ++e)
    if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0) env_store.emplace_back(*e);
  std::vector<char *> env;
  for (std::string &s : env_store) env.push_back(s.data());
  env.push_back(nullptr);
  std::string arg0 = program;
  char *argv[] = {arg0.data(), nullptr};

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, env.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (rc != 0) {
    close(out[0]);
    std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(rc));
    return run;
  }
  std::string line;
  char c;
  while (read(out[0], &c, 1) == 1) {
    if (c == '\n') {
      if (line == "first-frame")
        run.first_frame_ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      break;
    }
    line += c;
  }
  close(out[0]);
  struct rusage usage {};
  wait4(pid, &run.status, 0, &usage);
  run.peak_kib = usage.ru_maxrss;
  return run;
}

}  // namespace

int main(int argc, char **argv) {
  const std::string program = argc > 1 ? argv[1] : Default_Program();
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;

  // A 1920 x 1080 offscreen screen, so that no screen-size warning shows.
  char config[] = "/tmp/zv_bench_screen_XXXXXX";
  const int fd = mkstemp(config);
  if (fd < 0) return 1;
  const char *json =
      "{\"screens\":[{\"name\":\"bench\",\"x\":0,\"y\":0,\"width\":1920,\"height\":1080,"
      "\"logicalDpi\":96,\"logicalBaseDpi\":96,\"dpr\":1}]}";
  if (write(fd, json, std::strlen(json)) < 0) return 1;
  close(fd);
  const std::string platform = std::string("offscreen:configfile=") + config;

  std::vector<double> times;
  long peak = 0;
  for (int i = 0; i < runs; ++i) {
    const Run run = Run_Once(program, platform);
    if (run.first_frame_ms < 0) {
      std::fprintf(stderr, "run %d: no first frame (status %d)\n", i + 1, run.status);
      continue;
    }
    times.push_back(run.first_frame_ms);
    peak = std::max(peak, run.peak_kib);
  }
  unlink(config);
  if (times.empty()) return 1;
  std::sort(times.begin(), times.end());
  double sum = 0;
  for (double t : times) sum += t;
  std::printf("program:            %s\n", program.c_str());
  std::printf("runs:               %zu\n", times.size());
  std::printf("first frame, ms:    min %.1f  median %.1f  mean %.1f  max %.1f\n", times.front(),
              times[times.size() / 2], sum / times.size(), times.back());
  std::printf("peak memory, MiB:   %.1f (largest of all runs)\n", peak / 1024.0);
  return 0;
}
