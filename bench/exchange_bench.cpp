// A whole read (201 blocks) and a whole write (784 packets) with the engine
// on the real back end, against the radio_sim program on a pseudo-terminal
// paced at 9600-baud wire time. Prints, for each: the elapsed time, the
// protocol's own minimum (bench/protocol_minimum.h), their ratio, and the
// processor time used by this program and by the simulator. The contents are
// checked too.
//
// Build without sanitizers for meaningful processor figures, e.g.
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
//   cmake --build build-bench --target bench_exchange_bench radio_sim
//   ./build-bench/bench/bench_exchange_bench
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "bench/protocol_minimum.h"
#include "comm/exchange_presets.h"
#include "image/dat_file.h"
#include "tests/e2e/real_exchange.h"
#include "tests/sim/sim_process.h"

namespace {

using namespace zv;

double Own_Cpu_Ms() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

// Processor time of another running process, from /proc.
double Process_Cpu_Ms(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t close = text.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream fields(text.substr(close + 2));
  std::string skip;
  for (int i = 3; i < 14; ++i) fields >> skip;  // fields 3..13
  long long utime = 0, stime = 0;
  fields >> utime >> stime;
  return static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void Report(const char *what, const e2e::Exchange_Outcome &o, const bench::Wire_Count &m, double own_cpu, double sim_cpu,
            bool content_ok) {
  const double min_ms = m.Ms();
  std::printf("%s: %s, content %s\n", what, o.completed ? "completed" : "FAILED", content_ok ? "ok" : "WRONG");
  std::printf("  elapsed          %9.1f ms\n", o.elapsed_ms);
  std::printf("  protocol minimum %9.1f ms  (%ld bytes from the PC, %ld from the radio, %ld frames, %ld counting steps)\n",
              min_ms, m.pc_bytes, m.radio_bytes, m.frames, m.counting_steps);
  std::printf("  ratio            %9.4f\n", o.elapsed_ms / min_ms);
  std::printf("  processor, this program %8.1f ms = %.2f %% of elapsed\n", own_cpu, 100.0 * own_cpu / o.elapsed_ms);
  std::printf("  processor, simulator    %8.1f ms = %.2f %% of elapsed\n", sim_cpu, 100.0 * sim_cpu / o.elapsed_ms);
}

}  // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  const std::string radio_file = dir.filePath("radio.dat").toStdString();
  const std::string after_file = dir.filePath("after.dat").toStdString();

  auto radio = std::make_unique<Radio_Image_Table>();
  for (int r = 0; r < kImageLines; ++r)
    for (int c = 0; c < 16; ++c) (*radio)(r, c) = static_cast<uint8_t>((r * 31 + c * 7 + r / 256) & 0xFF);
  if (!Save_Image_File(radio_file, *radio).Ok()) {
    std::fprintf(stderr, "cannot write %s\n", radio_file.c_str());
    return 1;
  }
  sim::Sim_Process sim;
  std::string error;
  if (!sim.Start({"--load", radio_file, "--dump", after_file}, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  e2e::Use_Sim_Terminal(sim.Path(), "123456");
  Radio_Image_Table &image = Shared().Radio_Image;
  image.Fill(0, 1024, 0, 16, 0x5A);

  // Whole read.
  const Exchange_Params read_params = presets::Whole_Read();
  double cpu0 = Own_Cpu_Ms(), sim0 = Process_Cpu_Ms(sim.Pid());
  const e2e::Exchange_Outcome read = e2e::Run_Exchange(read_params, e2e::Run_Kind::Read, 300000, e2e::Store_Whole_Read);
  double cpu1 = Own_Cpu_Ms(), sim1 = Process_Cpu_Ms(sim.Pid());
  bool read_ok = true;
  for (int r = 0; r <= 787; ++r)
    for (int c = 0; c < 16; ++c) read_ok = read_ok && image(r, c) == (*radio)(r, c);
  Report("whole read, 201 blocks", read, bench::Standard_Exchange(read_params, false), cpu1 - cpu0, sim1 - sim0, read_ok);

  // Whole write of a new content.
  for (int r = 0; r < 784; ++r)
    for (int c = 0; c < 16; ++c) image(r, c) = static_cast<uint8_t>(255 - ((r + c * 13) & 0xFF));
  const Exchange_Params write_params = presets::Whole_Write();
  cpu0 = Own_Cpu_Ms();
  sim0 = Process_Cpu_Ms(sim.Pid());
  const e2e::Exchange_Outcome write = e2e::Run_Exchange(write_params, e2e::Run_Kind::Write, 300000);
  cpu1 = Own_Cpu_Ms();
  sim1 = Process_Cpu_Ms(sim.Pid());
  sim.Stop();
  auto after = std::make_unique<Radio_Image_Table>();
  bool write_ok = Load_Image_File(after_file, *after).Ok();
  for (int r = 0; write_ok && r < 784; ++r)
    for (int c = 0; c < 16; ++c) write_ok = write_ok && (*after)(r, c) == image(r, c);
  Report("whole write, 784 packets", write, bench::Standard_Exchange(write_params, true), cpu1 - cpu0, sim1 - sim0,
         write_ok);
  return read.completed && write.completed && read_ok && write_ok ? 0 : 1;
}
