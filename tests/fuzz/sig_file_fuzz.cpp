// libFuzzer target of the signal-file reader: any input either loads to a
// buffer that writes and reads back to itself, with the 5-tone lines within
// 0..255, or leaves the buffer exactly as it was.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "image/sig_file.h"

namespace {

zv::Sig_File_Buffer Pattern(int seed) {
  zv::Sig_File_Buffer b{};
  for (int k = 0; k < zv::kSigFileLines; ++k)
    for (int c = 0; c < zv::kSigFileCols; ++c) b[k][c] = static_cast<int16_t>(k * 31 + c * 7 + seed);
  return b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static const zv::Sig_File_Buffer before = Pattern(1);
  zv::Sig_File_Buffer buf = before;
  const zv::Number_File_Result r =
      zv::Parse_Sig_File(std::string_view(reinterpret_cast<const char *>(data), size), buf);
  if (!r.Ok()) {
    if (buf != before) std::abort();
    if (r.item < 0 || r.item > zv::kSigFileItems) std::abort();
    return 0;
  }
  for (int k = zv::kSigFileToneFirst; k <= zv::kSigFileToneLast; ++k)
    for (int16_t v : buf[k])
      if (v < 0 || v > 255) std::abort();
  zv::Sig_File_Buffer again = Pattern(2);
  if (!zv::Parse_Sig_File(zv::Sig_File_Text(buf), again).Ok()) std::abort();
  if (again != buf) std::abort();
  return 0;
}
