#include "image/channel_record.h"

#include <cmath>

#include "image/freq_codec.h"
#include "image/num_text.h"
#include "image/tone_list.h"

namespace zv {
namespace chan {

namespace {

std::string Trimmed(std::string text) {
  Trim_Blanks(text);
  return text;
}

bool Blank(const std::string &text) { return Trimmed(text).empty(); }

bool Name_Char(std::string_view ch) {
  return ch.size() == 1 && ((ch[0] >= '0' && ch[0] <= '9') || (ch[0] >= 'A' && ch[0] <= 'Z'));
}

void Fill_Line(Radio_Image_Table &image, int line, uint8_t value) {
  image.Fill(line, line, 0, kImageDataCols - 1, value);
}

void Store_Word(Radio_Image_Table &image, int line, int col, uint16_t word) {
  image(line, col) = static_cast<uint8_t>(word & 0xFF);
  image(line, col + 1) = static_cast<uint8_t>(word >> 8);
}

// Record and name line of one channel, to put back when a commit cannot
// store its frequency.
struct Channel_Snapshot {
  std::array<uint8_t, 16> record{}, name{};
  Channel_Snapshot(const Radio_Image_Table &image, int channel) {
    for (int c = 0; c < 16; ++c) {
      record[c] = image(Record_Line(channel), c);
      name[c] = image(Name_Line(channel), c);
    }
  }
  void Restore(Radio_Image_Table &image, int channel) const {
    for (int c = 0; c < 16; ++c) {
      image(Record_Line(channel), c) = record[c];
      image(Name_Line(channel), c) = name[c];
    }
  }
};

Commit_Result Commit_Rx(Radio_Image_Table &image, const Band_Limits &bands, int channel,
                        Row_Cells &cells, const std::string &typed) {
  Commit_Result res;
  res.editor_text = typed;
  const int line = Record_Line(channel);
  // The empty text first: with a band starting at 0 MHz it would pass the
  // band test and make a 0 MHz channel.
  if (Blank(typed)) {
    cells[kColRxFreq].clear();
    cells[kColTxFreq].clear();
    Clear_Channel(image, channel, cells);
    Show_Channel(image, channel, cells);
    return res;
  }
  const Channel_Snapshot before(image, channel);
  const Row_Cells cells_before = cells;
  auto refuse = [&] {
    before.Restore(image, channel);
    cells = cells_before;
    res = Commit_Result{};
    res.message = Cell_Message::Rx_Out_Of_Range;
    res.editor_text = typed;
    return res;
  };

  if (Freq_Out_Of_Band(Val(typed), bands) != 0) {
    std::string text = Band_Limit_Text(bands);
    if (text.empty()) return refuse();
    if (image(line, 0) == 0xFF) {
      Set_Channel_Default(image, channel, cells);
      std::string tx = text;
      if (!Freq_To_Bcd(tx, image, line, 4)) return refuse();
    }
    std::string rx = text;
    if (!Freq_To_Bcd(rx, image, line, 0)) return refuse();
    Show_Channel(image, channel, cells);
    res.message = Cell_Message::Rx_Out_Of_Range;
    res.editor_text = text;
    return res;
  }

  // In a band: the transmit frequency follows the receive frequency.
  std::string t = typed;
  if (Blank(cells[kColRxFreq])) Set_Channel_Default(image, channel, cells);
  if (!Freq_To_Bcd(t, image, line, 4)) return refuse();
  t = typed;
  Freq_To_Bcd(t, image, line, 0);
  if (Blank(cells[kColTxFreq])) res.focus_grid = true;
  Show_Channel(image, channel, cells);
  return res;
}

Commit_Result Commit_Tx(Radio_Image_Table &image, const Band_Limits &bands, int channel,
                        Row_Cells &cells, const std::string &typed) {
  Commit_Result res;
  res.editor_text = typed;
  const int line = Record_Line(channel);
  if (Blank(cells[kColRxFreq])) {
    if (!Blank(typed)) {
      res.message = Cell_Message::Rx_First;
      res.editor_text.clear();
    }
    return res;
  }
  if (Blank(typed)) {
    cells[kColTxFreq].clear();
    cells[kColTxTone].clear();
    for (int c : {4, 5, 6, 7, 10, 11}) image(line, c) = 0xFF;
    Show_Channel(image, channel, cells);
    return res;
  }
  if (Freq_Out_Of_Band(Val(typed), bands) != 0) {
    res.message = Cell_Message::Tx_Out_Of_Range;
    std::string text = Band_Limit_Text(bands);
    if (text.empty() || !Freq_To_Bcd(text, image, line, 4)) return res;
    image(line, 10) = 0xFF;
    image(line, 11) = 0xFF;
    Show_Channel(image, channel, cells);
    res.editor_text = Band_Limit_Text(bands);
    return res;
  }
  std::string t = typed;
  if (!Freq_To_Bcd(t, image, line, 4)) {
    res.message = Cell_Message::Tx_Out_Of_Range;
    return res;
  }
  Show_Channel(image, channel, cells);
  return res;
}

Commit_Result Commit_Name(Radio_Image_Table &image, int channel, Row_Cells &cells,
                          const std::string &typed) {
  Commit_Result res;
  res.editor_text = typed;
  const std::string trimmed = Trimmed(typed);
  std::vector<std::string_view> t = Split_Chars(trimmed);
  if (t.size() > static_cast<size_t>(kNameMax)) {
    res.message = Cell_Message::Name_Too_Long;
    t.resize(kNameMax);
  }
  if (Blank(cells[kColBand])) t.clear();
  std::string name;
  for (std::string_view ch : t) name += Upper_Char(ch);
  cells[kColName] = Trimmed(name);
  const std::vector<std::string_view> stored = Split_Chars(cells[kColName]);
  const int line = Name_Line(channel);
  for (int k = 0; k < kNameMax; ++k) image(line, k) = 0xFF;
  for (size_t k = 0; k < stored.size() && k < static_cast<size_t>(kNameMax); ++k)
    if (Name_Char(stored[k])) image(line, static_cast<int>(k)) = static_cast<uint8_t>(stored[k][0]);
  return res;
}

}  // namespace

std::string Last_Char(std::string_view text) {
  const std::vector<std::string_view> chars = Split_Chars(text);
  for (size_t i = chars.size(); i-- > 0;)
    if (chars[i] != " ") return std::string(chars[i]);
  return "";
}

std::string Tone_Text(uint8_t lo, uint8_t hi, bool as_stored) {
  if ((lo == 0 && hi == 0) || (lo == 0xFF && hi == 0xFF)) return "OFF";
  if (hi >= 0x01 && hi <= 0x7F) {
    const int tenths = hi * 256 + lo;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
  }
  if (hi == 0 && lo >= 1 && lo <= kLastDcs - kDcsWordOffset) {
    const std::string &entry = QtDqt_Names()[lo + kDcsWordOffset];
    return as_stored ? entry : Trimmed(entry);
  }
  return "";
}

const std::vector<std::string> &Setting_List(int column) {
  static const std::vector<std::string> kNone;
  static const std::vector<std::string> kPower = {"HIGH", "LOW"};
  static const std::vector<std::string> kWidth = {"W", "N"};
  static const std::vector<std::string> kPttId = {"OFF", "BOT", "EOT", "BOTH"};
  static const std::vector<std::string> kOffOn = {"OFF", "ON"};
  static const std::vector<std::string> kSigCode = {"1", "2",  "3",  "4",  "5",  "6",  "7", "8",
                                                    "9", "10", "11", "12", "13", "14", "15"};
  static const std::vector<std::string> kOptSig = {"OFF", "DTMF", "2TONE", "5TONE"};
  static const std::vector<std::string> kSpMute = {"QT", "AND", "OR"};
  switch (column) {
    case kColPower: return kPower;
    case kColWidth: return kWidth;
    case kColPttId: return kPttId;
    case kColBusyLock:
    case kColScanAdd:
    case kColScramble: return kOffOn;
    case kColSigCode: return kSigCode;
    case kColOptSig: return kOptSig;
    case kColSpMute: return kSpMute;
    default: return kNone;
  }
}

void Setting_Texts(uint8_t b12, uint8_t b13, uint8_t b14, uint8_t b15, Row_Cells &cells) {
  // A field value outside its list shows "".
  auto entry = [](int column, int value) {
    const auto &list = Setting_List(column);
    return value >= 0 && value < static_cast<int>(list.size()) ? list[value] : std::string();
  };
  cells[kColSigCode] = entry(kColSigCode, b12 & 0x0F);
  cells[kColOptSig] = entry(kColOptSig, b13 & 0x0F);
  cells[kColSpMute] = entry(kColSpMute, b13 >> 4);
  cells[kColScramble] = entry(kColScramble, b14 >> 4);
  cells[kColPower] = (b14 & 0x07) == 1 ? "LOW" : "HIGH";
  cells[kColPttId] = entry(kColPttId, b15 & 0x03);
  cells[kColScanAdd] = (b15 & 0x04) ? "ON" : "OFF";
  cells[kColBusyLock] = (b15 & 0x08) ? "ON" : "OFF";
  cells[kColWidth] = (b15 & 0x40) ? "N" : "W";
}

std::string Name_Text(const Radio_Image_Table &image, int channel) {
  const int line = Name_Line(channel);
  if (image(line, 0) == 0xFF) return "";
  std::string name;
  for (int k = 0; k < kNameMax; ++k) {
    const uint8_t b = image(line, k);
    // The byte's character (bytes from 0x80 on have none here: they are
    // dropped), trimmed, through Last_Char: a blank gives "".
    const std::string ch = b < 0x80 ? Last_Char(Trimmed(std::string(1, static_cast<char>(b)))) : "";
    if (Name_Char(ch)) name += ch;
  }
  return Trimmed(name);
}

void Show_Params(Radio_Image_Table &image, int channel, Row_Cells &cells) {
  const int line = Record_Line(channel);
  auto b = [&](int c) { return image(line, c); };
  if (b(0) == 0xFF) {
    cells[kColRxFreq].clear();
    cells[kColTxFreq].clear();
    Clear_Channel(image, channel, cells);
    return;
  }
  cells[kColRxFreq] = Bcd_To_Freq(b(0), b(1), b(2), b(3));
  cells[kColRxTone] = Tone_Text(b(8), b(9), true);
  if (b(4) == 0xFF) {
    cells[kColTxFreq].clear();
    cells[kColTxTone].clear();
  } else {
    cells[kColTxFreq] = Bcd_To_Freq(b(4), b(5), b(6), b(7));
    cells[kColTxTone] = Tone_Text(b(10), b(11), false);
  }
  cells[kColBand] = kBandCell;
  Setting_Texts(b(12), b(13), b(14), b(15), cells);
}

void Show_Channel(Radio_Image_Table &image, int channel, Row_Cells &cells) {
  Show_Params(image, channel, cells);
  cells[kColName] = Name_Text(image, channel);
}

void Set_Channel_Default(Radio_Image_Table &image, int channel, Row_Cells &cells) {
  const int line = Record_Line(channel);
  for (int c = 8; c <= 14; ++c) image(line, c) = 0;
  image(line, 15) = 0x04;
  Fill_Line(image, Name_Line(channel), 0xFF);
  Setting_Texts(0, 0, 0, 0x04, cells);
  cells[kColRxTone] = "OFF";
  cells[kColTxTone] = "OFF";
  cells[kColName].clear();
}

void Clear_Channel(Radio_Image_Table &image, int channel, Row_Cells &cells) {
  Fill_Line(image, Record_Line(channel), 0xFF);
  Fill_Line(image, Name_Line(channel), 0xFF);
  cells[kColBand].clear();
  for (int c = kColRxTone; c <= kColName; ++c) cells[c].clear();
}

void Clear_Channel_Freq(Radio_Image_Table &image, int channel, Row_Cells &cells) {
  Fill_Line(image, Record_Line(channel), 0xFF);
  Fill_Line(image, Name_Line(channel), 0xFF);
  for (int c = kColRxFreq; c <= kColName; ++c) cells[c].clear();
}

std::string Band_Limit_Text(const Band_Limits &bands) {
  const std::string s = Shortest_Text(bands.Band_A_Low);
  const bool digits = s.find_first_not_of("0123456789") == std::string::npos;
  if (!digits || (s.size() != 2 && s.size() != 3)) return "";
  std::string text = s + ".0";
  text.append((s.size() == 3 ? 9 : 8) - text.size(), '0');
  return text;
}

Typed_Tone Tone_Of_Text(std::string_view text) {
  Typed_Tone tone;
  const std::string t = Trimmed(std::string(text));
  const double v = Val(t);
  if (v >= 60 && v <= 259.9) {
    tone.position = -1;
    tone.word = static_cast<uint16_t>(std::nearbyint(v * 10));
    return tone;
  }
  const auto &names = QtDqt_Names();
  for (int i = 0; i < kToneCount; ++i)
    if (Trimmed(names[i]) == t) {
      tone.position = i;
      tone.word = Tone_Position_To_Word(i);
      return tone;
    }
  return tone;
}

void Apply_List_Choice(Radio_Image_Table &image, int channel, int column, int position,
                       const std::string &entry, Row_Cells &cells) {
  const int line = Record_Line(channel);
  auto set_bits = [&](int col, int shift, int mask, int value) {
    image(line, col) = static_cast<uint8_t>((image(line, col) & ~(mask << shift)) |
                                            ((value & mask) << shift));
  };
  switch (column) {
    case kColBand:
      if (Trimmed(cells[kColBand]) != Trimmed(entry)) Clear_Channel_Freq(image, channel, cells);
      cells[kColBand] = entry;
      return;
    case kColRxTone: {
      if (position < 0 || position >= kToneCount) return;
      const uint16_t word = Tone_Position_To_Word(position);
      Store_Word(image, line, 8, word);
      Store_Word(image, line, 10, word);
      Show_Channel(image, channel, cells);
      return;
    }
    case kColTxTone:
      if (position < 0 || position >= kToneCount) return;
      Store_Word(image, line, 10, Tone_Position_To_Word(position));
      return;
    default: break;
  }
  const int count = static_cast<int>(Setting_List(column).size());
  if (position < 0 || position >= count) return;
  switch (column) {
    case kColPower: set_bits(14, 0, 0x03, position); break;
    case kColWidth: set_bits(15, 6, 0x01, position ? 1 : 0); break;
    case kColPttId: set_bits(15, 0, 0x03, position); break;
    case kColBusyLock: set_bits(15, 3, 0x01, position); break;
    case kColScanAdd: set_bits(15, 2, 0x01, position > 0 ? 1 : 0); break;
    case kColSigCode: set_bits(12, 0, 0x0F, position); break;
    case kColOptSig: set_bits(13, 0, 0x0F, position); break;
    case kColSpMute: set_bits(13, 4, 0x0F, position); break;
    case kColScramble: set_bits(14, 4, 0x0F, position); break;
    default: break;
  }
}

Commit_Result Commit_Text_Cell(Radio_Image_Table &image, const Band_Limits &bands, int channel,
                               int column, Row_Cells &cells, const std::string &typed,
                               const std::string &opened) {
  if (typed == opened) {
    Commit_Result res;
    res.editor_text = typed;
    return res;
  }
  switch (column) {
    case kColRxFreq: return Commit_Rx(image, bands, channel, cells, typed);
    case kColTxFreq: return Commit_Tx(image, bands, channel, cells, typed);
    case kColName: return Commit_Name(image, channel, cells, typed);
    default: return Commit_Result{};
  }
}

void Commit_Combo_Cell(Radio_Image_Table &image, int channel, int column, Row_Cells &cells,
                       const std::string &combo_text) {
  if (column == kColBand) {
    if (Trimmed(cells[kColBand]) != Trimmed(combo_text)) Clear_Channel_Freq(image, channel, cells);
    cells[kColBand] = combo_text;
    return;
  }
  if (column == kColRxTone || column == kColTxTone) {
    const Typed_Tone tone = Tone_Of_Text(combo_text);
    if (tone.position == -1) {
      const int line = Record_Line(channel);
      Store_Word(image, line, column == kColRxTone ? 8 : 10, tone.word);
      if (column == kColRxTone) Store_Word(image, line, 10, tone.word);
      Show_Channel(image, channel, cells);
    } else if (tone.position >= 0) {
      const std::string entry = Trimmed(QtDqt_Names()[tone.position]);
      Apply_List_Choice(image, channel, column, tone.position, entry, cells);
      cells[column] = entry;
    }
    return;
  }
  if (column >= kColPower && column <= kColScramble) cells[column] = combo_text;
}

}  // namespace chan
}  // namespace zv
