// Time to save and to open a ".dat" image file (target: under 20 ms each).
// Prints the median and the worst of repeated runs; asserts nothing.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "image/dat_file.h"

int main() {
  namespace fs = std::filesystem;
  using clock = std::chrono::steady_clock;
  const fs::path dir = fs::temp_directory_path() / ("zv_dat_bench_" + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::string path = (dir / "bench.dat").string();

  std::mt19937 rng(42);
  zv::Radio_Image_Table image;
  for (int r = 0; r < zv::kImageLines; ++r)
    for (int c = 0; c < 16; ++c) image(r, c) = static_cast<uint8_t>(rng());

  const int runs = 50;
  std::vector<double> save_ms, open_ms;
  bool ok = true;
  for (int i = 0; i < runs; ++i) {
    auto t0 = clock::now();
    ok = ok && zv::Save_Image_File(path, image).Ok();
    auto t1 = clock::now();
    zv::Radio_Image_Table loaded;
    ok = ok && zv::Load_Image_File(path, loaded).Ok();
    auto t2 = clock::now();
    ok = ok && loaded == image;
    save_ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    open_ms.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
  }
  const auto size = fs::file_size(path);
  fs::remove_all(dir);
  auto report = [](const char *what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    std::printf("%-5s a .dat file: median %.3f ms, worst %.3f ms (target < 20 ms)\n", what,
                v[v.size() / 2], v.back());
  };
  std::printf("image file: %llu bytes, %d runs%s\n", static_cast<unsigned long long>(size), runs,
              ok ? "" : "  (A RUN FAILED)");
  report("save", save_ms);
  report("open", open_ms);
  return ok ? 0 : 1;
}
