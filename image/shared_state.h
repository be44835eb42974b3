// The program's shared state: one instance, owned here, read and written by
// every window. Procedures of image/ take the parts they work on as arguments;
// the windows pass the members of Shared().
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/radio_image.h"
#include "image/sig_file.h"
#include "image/tone5_tables.h"

namespace zv {

// Low and high limits of bands A to D in whole MHz; a frequency f lies in a
// band when low <= f < high + 1.
struct Band_Limits {
  double Band_A_Low = 136, Band_A_High = 174;
  double Band_B_Low = 200, Band_B_High = 270;
  double Band_C_Low = 400, Band_C_High = 520;
  double Band_D_Low = 340, Band_D_High = 400;
};

// A flag raised by a file-name dialog together with the file it names.
struct Pending_File {
  bool pending = false;
  std::string name;  // full path of the chosen file

  void Raise(const std::string &file) {
    name = file;
    pending = true;
  }
  void Clear() { pending = false; }
  // The poller's step: when raised, clears the flag, gives the name and
  // returns true.
  bool Take(std::string *file) {
    if (!pending) return false;
    pending = false;
    *file = name;
    return true;
  }
};

struct Shared_State {
  Radio_Image_Table Radio_Image;
  Adjust_Table_Type Adjust_Table;
  Adjust_Table_Type Adjust_Defaults;
  // Working copy of the 256-byte option area; indices 256..512 are never used.
  std::array<uint8_t, 513> Opt_Block{};
  // 5-tone symbol texts and byte tables, filled by Init_Tone5_Tables.
  Tone5_Table_Set Tone5;

  Band_Limits Bands;
  int Chan_Count = 200;
  double Tone_Tick_Ms = 0.000434028;

  // The opening command, set at start-up from kHandshake_Bytes.
  std::array<uint8_t, 8> Handshake_Bytes{};

  int Comm_Port = 1;          // 1..12
  bool Port_Error = false;    // the last port open failed
  bool Lang_Chinese = false;  // false: English

  // Character codes of the typed password; only codes 0-5 are compared.
  std::array<int, 17> Entered_Password{};

  // Exchange data shared by the windows that talk to the radio.
  // The radio's password block as the latest exchange read it: user password
  // 0-5, super password 6-11.
  std::array<uint8_t, 17> Radio_Passwords{};
  // The received frames, the base address and the channel editor's name
  // phase belong to each exchange engine (comm/exchange_engine.h), so that
  // one window's start never moves another's running exchange.
  // Password dialog: typed old password and new password, codes 0-5 used.
  std::array<int, 17> Old_Password{};
  std::array<int, 17> New_Password{};

  // File-dialog exchange. Dlg_File_Name is the file chosen in the last file
  // dialog. Open_Pending / Save_Pending (".adj" dialogs, polled by the
  // alignment editor) and Dlg_Open_Flag / Dlg_Save_Flag (".sig" and ".menu"
  // dialogs, polled by the 5-tone editor) each keep the name that raised
  // them, so that a dialog used meanwhile never changes the file a poller
  // acts on.
  std::string Dlg_File_Name;
  Pending_File Open_Pending;
  Pending_File Save_Pending;
  Pending_File Dlg_Open_Flag;
  Pending_File Dlg_Save_Flag;
  // The signal file between reading and writing: what one load or save
  // leaves in it is where the next build starts.
  Sig_File_Buffer Sig_File_Buf{};
};

// The one instance of the running program.
Shared_State &Shared();

}  // namespace zv
