#include "image/tone_list.h"

#include <stdexcept>

namespace zv {

namespace {

// CTCSS tones of positions 1..50 in tenths of a hertz.
constexpr std::array<int, 50> kCtcssTenths = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// The 105 DCS codes (octal digits), the same order for both polarities.
constexpr std::array<const char *, 105> kDcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054",
    "065", "071", "072", "073", "074", "114", "115", "116", "122", "125", "131",
    "132", "134", "143", "145", "152", "155", "156", "162", "165", "172", "174",
    "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252",
    "255", "261", "263", "265", "266", "271", "274", "306", "311", "315", "325",
    "331", "332", "343", "346", "351", "356", "364", "365", "371", "411", "412",
    "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464",
    "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606",
    "612", "624", "627", "631", "632", "645", "654", "662", "664", "703", "712",
    "723", "731", "732", "734", "743", "754"};

std::string Tenths_Text(int tenths) {
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

// The blanks around an entry depend only on its position.
std::string Padded(int position, const std::string &text) {
  std::string before, after;
  if (position == 0) {
    before = "   ", after = "      ";
  } else if (position <= 9) {
    before = "   ", after = "    ";
  } else if (position <= 12) {
    before = "  ", after = "    ";
  } else if (position <= 99) {
    before = "  ", after = "   ";
  } else {
    before = " ", after = "   ";
  }
  return before + text + after;
}

std::array<std::string, kToneCount> Build_Names() {
  std::array<std::string, kToneCount> names;
  names[kToneOff] = Padded(kToneOff, "OFF");
  for (int p = kFirstCtcss; p <= kLastCtcss; ++p)
    names[p] = Padded(p, Tenths_Text(kCtcssTenths[p - kFirstCtcss]));
  for (int i = 0; i < 105; ++i) {
    names[kFirstDcs + i] = Padded(kFirstDcs + i, std::string("D") + kDcsCodes[i] + "N");
    names[kFirstInvertedDcs + i] =
        Padded(kFirstInvertedDcs + i, std::string("D") + kDcsCodes[i] + "I");
  }
  return names;
}

std::array<std::string, kToneCount> &Names_Storage() {
  static std::array<std::string, kToneCount> names = Build_Names();
  return names;
}

}  // namespace

void Init_Tone_Tables() { Names_Storage() = Build_Names(); }

const std::array<std::string, kToneCount> &QtDqt_Names() { return Names_Storage(); }

int Ctcss_Tenths(int position) {
  if (position < kFirstCtcss || position > kLastCtcss)
    throw std::out_of_range("not a CTCSS position");
  return kCtcssTenths[position - kFirstCtcss];
}

int Ctcss_Position(int tenths) {
  for (int i = 0; i < static_cast<int>(kCtcssTenths.size()); ++i)
    if (kCtcssTenths[i] == tenths) return kFirstCtcss + i;
  return -1;
}

uint16_t Tone_Position_To_Word(int position) {
  if (position == kToneOff) return 0x0000;
  if (position >= kFirstCtcss && position <= kLastCtcss)
    return static_cast<uint16_t>(Ctcss_Tenths(position));
  if (position >= kFirstDcs && position <= kLastDcs)
    return static_cast<uint16_t>(position - kDcsWordOffset);
  throw std::out_of_range("tone list position out of range");
}

Tone_Class Classify_Tone_Word(uint8_t lo, uint8_t hi) {
  Tone_Class c;
  if ((lo == 0 && hi == 0) || (lo == 0xFF && hi == 0xFF)) {
    c.kind = Tone_Kind::Off;
    c.position = kToneOff;
  } else if (hi != 0) {
    c.kind = Tone_Kind::Ctcss;
    c.tenths = hi * 256 + lo;
    c.position = Ctcss_Position(c.tenths);
  } else if (lo <= kLastDcs - kDcsWordOffset) {
    c.kind = Tone_Kind::Dcs;
    c.position = lo + kDcsWordOffset;
  } else {
    c.kind = Tone_Kind::Invalid;
    c.position = -1;
  }
  return c;
}

int Tone_Word_To_Position(uint8_t lo, uint8_t hi) { return Classify_Tone_Word(lo, hi).position; }

}  // namespace zv
