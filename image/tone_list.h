// The tone list: "OFF", the 50 CTCSS tones and the 105 DCS codes in normal and
// inverted polarity, 261 entries in all. A list position (0..260) is the
// shared vocabulary of every tone list in the program and maps one to one onto
// the stored tone word (two bytes, low byte first):
//
//   position 0         off            word 0x0000 (0xFFFF also reads as off)
//   positions 1..50    CTCSS tones    word = tone in tenths of a hertz (670..2541)
//   positions 51..155  DCS, normal    word = position - 50 (1..105), high byte 0
//   positions 156..260 DCS, inverted  word = position - 50 (106..210), high byte 0
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zv {

constexpr int kToneCount = 261;         // positions 0..260
constexpr int kToneOff = 0;             // the "OFF" entry
constexpr int kFirstCtcss = 1;          // 67.0 Hz
constexpr int kLastCtcss = 50;          // 254.1 Hz
constexpr int kFirstDcs = 51;           // "D023N"
constexpr int kFirstInvertedDcs = 156;  // "D023I"
constexpr int kLastDcs = 260;           // "D754I"
constexpr int kDcsWordOffset = 50;      // DCS word = position - 50

// Stores the 261 entry texts. Called once at start-up; QtDqt_Names() also
// works before it (the texts never change).
void Init_Tone_Tables();

// The entries as stored, each padded with blanks (e.g. "   67.0    ",
// "  D023N   ", " D754I   "); trim them for lists and comparisons.
const std::array<std::string, kToneCount> &QtDqt_Names();

// The tone of a CTCSS position 1..50 in tenths of a hertz (67.0 Hz -> 670).
// Throws std::out_of_range for any other position.
int Ctcss_Tenths(int position);

// The CTCSS position (1..50) whose tone is tenths / 10 Hz, or -1 when the
// list has no such tone.
int Ctcss_Position(int tenths);

// The stored word of a list position: off 0x0000, CTCSS its tenths, DCS
// position - 50. Throws std::out_of_range for a position outside 0..260.
uint16_t Tone_Position_To_Word(int position);

// What a stored tone word (low byte lo, high byte hi) holds.
enum class Tone_Kind {
  Off,      // 0x0000 or 0xFFFF
  Ctcss,    // high byte not 0: a tone of tenths / 10 Hz, listed or not
  Dcs,      // high byte 0, low byte 1..210
  Invalid,  // high byte 0, low byte 211..254 or 255: no entry of the list
};

struct Tone_Class {
  Tone_Kind kind = Tone_Kind::Invalid;
  // List position 0..260, or -1 where the word has no entry: an Invalid word,
  // or a CTCSS tone that is not one of the 50 listed tones.
  int position = -1;
  // CTCSS only: the tone in tenths of a hertz (hi * 256 + lo); 0 otherwise.
  int tenths = 0;
};

// Classifies a stored word; the position it gives is always -1 or a valid
// index of QtDqt_Names(), whatever the bytes hold.
Tone_Class Classify_Tone_Word(uint8_t lo, uint8_t hi);

// The list position of a stored word, or -1 where it has none (see Tone_Class).
int Tone_Word_To_Position(uint8_t lo, uint8_t hi);

}  // namespace zv
