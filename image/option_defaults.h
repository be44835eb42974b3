// The option area (radio 0x0E00-0x0EFF, image lines 224-239): the offset of
// every setting in it, and the factory content of the option area, the
// frequency-mode records of bands A-D (lines 240-247) and the power-on texts
// (lines 248-251).
//
// The offsets are fixed by the radio, so they are compile-time constants;
// there is nothing to set up before they are used.
#pragma once

#include <array>
#include <cstdint>

#include "image/radio_image.h"

namespace zv {

// Offsets into the option area: option byte k is image line 224 + k / 16,
// column k % 16. Named after the editor control of each setting.
constexpr int Opt_Addr_Tdr = 0;
constexpr int Opt_Addr_Sql = 2;
constexpr int Opt_Addr_Tot = 5;
constexpr int Opt_Addr_Apo = 6;
constexpr int Opt_Addr_Abr = 8;
constexpr int Opt_Addr_Beep = 9;
constexpr int Opt_Addr_Dtmfst = 14;
constexpr int Opt_Addr_Bcl = 15;
constexpr int Opt_Addr_Sc_Add = 16;
constexpr int Opt_Addr_Sc_Rev = 17;
constexpr int Opt_Addr_Ptt_Id = 20;
constexpr int Opt_Addr_Ptt_Lt = 21;
constexpr int Opt_Addr_Emc_Tp = 23;
constexpr int Opt_Addr_Emc_Ch = 24;
constexpr int Opt_Addr_Ring = 25;
constexpr int Opt_Addr_Mdf_A = 27;
constexpr int Opt_Addr_Mdf_B = 28;
constexpr int Opt_Addr_Mdf_C = 29;
constexpr int Opt_Addr_Mdf_D = 30;
constexpr int Opt_Addr_Language = 31;
constexpr int Opt_Addr_Autolk = 32;
constexpr int Opt_Addr_Main_Fc = 33;
constexpr int Opt_Addr_Main_Bc = 34;
constexpr int Opt_Addr_Menu_Fc = 35;
constexpr int Opt_Addr_Menu_Bc = 36;
constexpr int Opt_Addr_Stat1_Fc = 37;
constexpr int Opt_Addr_Stat1_Bc = 38;
constexpr int Opt_Addr_Stat2_Fc = 39;
constexpr int Opt_Addr_Stat2_Bc = 40;
constexpr int Opt_Addr_Rx_Fc = 41;
constexpr int Opt_Addr_Tx_Fc = 42;
constexpr int Opt_Addr_Tx_Disp = 43;
constexpr int Opt_Addr_Ani_L = 49;
constexpr int Opt_Addr_Rep_S = 50;
constexpr int Opt_Addr_Rep_M = 51;
constexpr int Opt_Addr_Tdr_Ab = 52;
constexpr int Opt_Addr_Ste = 53;
constexpr int Opt_Addr_Rp_Ste = 54;
constexpr int Opt_Addr_Rpt_Dl = 55;
constexpr int Opt_Addr_Dtmf_Gain = 56;
// Flag byte: bit 3 switching between frequency and channel mode allowed
// ("VFO/MR En"), bit 1 reset allowed ("Reset En").
constexpr int Opt_Addr_Flags = 132;
// Work mode of bands A-D: 0 frequency mode, 1 channel mode.
constexpr int Opt_Addr_Mode_A = 155;
constexpr int Opt_Addr_Mode_B = 156;
constexpr int Opt_Addr_Mode_C = 157;
constexpr int Opt_Addr_Mode_D = 158;
// DTMF code strings of 16 codes each (0xFF where unused).
constexpr int Opt_Addr_Ani = 208;
constexpr int Opt_Addr_PttId_Bot = 224;  // sent at the start of a transmission
constexpr int Opt_Addr_PttId_Eot = 240;  // sent at the end of a transmission

constexpr int kOptionBytes = 256;  // Opt_Block indices 0..255 are option bytes

// Writes the factory values of option bytes 0-57, 132 and 133 and the three
// code strings (208-255) into opt_block, then copies opt_block[0..255] into
// image lines 224-239: the bytes it does not name (58-131, 134-207) go into
// the image as opt_block holds them, so that a Default after the option
// editor reloaded them from a radio keeps the radio's values. Then writes
// the frequency-mode records (lines 240-247, bytes 12-15 of the second line
// of each record left as they are) and the power-on texts (lines 248-251).
void Load_Option_Defaults(std::array<uint8_t, 513> &opt_block, Radio_Image_Table &image);

}  // namespace zv
