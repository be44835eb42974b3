#include "image/option_lists.h"

#include <map>
#include <utility>

#include "image/num_text.h"
#include "image/option_defaults.h"
#include "image/tone_list.h"

namespace zv {

namespace {

using Items = std::vector<std::string>;

Items Numbers(int first, int last, int step = 1) {
  Items v;
  for (int n = first; n <= last; n += step) v.push_back(std::to_string(n));
  return v;
}

Items Then(Items head, const Items &tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

std::string Zero_Padded(int value, int width) {
  std::string s = std::to_string(value);
  return std::string(width > static_cast<int>(s.size()) ? width - s.size() : 0, '0') + s;
}

Items Build(Option_Items kind, bool cn) {
  switch (kind) {
    case Option_Items::Txp:
      return cn ? Items{"高功率", "低功率"} : Items{"HIGH", "LOW"};
    case Option_Items::Tone: {
      Items v{cn ? "关" : "OFF"};
      const auto &names = QtDqt_Names();
      for (int k = 1; k < kToneCount; ++k) {
        std::string name = names[k];
        Trim_Blanks(name);
        v.push_back(name);
      }
      return v;
    }
    case Option_Items::Wn:
      return cn ? Items{"宽带", "窄带"} : Items{"WIDE", "NARROR"};
    case Option_Items::Sft_D:
      return cn ? Items{"关", "加频", "减频"} : Items{"OFF", "+", "-"};
    case Option_Items::Offset: {
      Items v;
      for (int n = 0; n < kOffsetItems; ++n) v.push_back(Offset_Item_Text(n));
      return v;
    }
    case Option_Items::Step:
      return {"2.50 KHZ", "5.00 KHZ", "6.25 KHZ", "10.00 KHZ", "12.50 KHZ", "25.00 KHZ"};
    case Option_Items::Optsig:
      return {cn ? "关" : "OFF", "DTMF", "2TONE", "5TONE"};
    case Option_Items::Spmute:
      return cn ? Items{"哑音", "哑音与可选信令", "哑音或可选信令"}
                : Items{"QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"};
    case Option_Items::S_Info:
      return Numbers(1, 15);
    case Option_Items::Off_On:
      return cn ? Items{"关闭", "开启"} : Items{"OFF", "ON"};
    case Option_Items::Tdr:
      return Then({cn ? "关闭" : "OFF"},
                  {"M+A", "M+B", "M+C", "M+D", "M+A+B", "M+A+C", "M+A+D", "M+B+C", "M+B+D",
                   "M+C+D", "M+A+B+C", "M+A+B+D", "M+B+C+D", "M+A+B+C+D"});
    case Option_Items::Sql:
      return Numbers(0, 9);
    case Option_Items::Tot:
      return Numbers(15, 600, 15);
    case Option_Items::Apo:
      return Then({cn ? "关闭" : "OFF"}, Numbers(30, 300, 30));
    case Option_Items::Off_1_50:
      return Then({cn ? "关" : "OFF"}, Numbers(1, 50));
    case Option_Items::Dtmfst:
      return cn ? Items{"关闭", "按键侧音", "发身份码侧音", "按键侧音+发身份码侧音"}
                : Items{"OFF All ", "KB DTMF Side Tone", "Send ANI DTMF Side Tone",
                        "KB DTMFST + Send ANI DTMFST"};
    case Option_Items::Ptt_Id:
      return cn ? Items{"关", "按下发码", "松开发码", "两者均发"}
                : Items{"OFF", "BOT", "EOT", "BOTH"};
    case Option_Items::Ptt_Lt:
      return Numbers(0, 30);
    case Option_Items::Sc_Rev:
      return cn ? Items{"时间", "载波", "搜索"} : Items{"TO", "CO", "SE"};
    case Option_Items::Emc_Tp:
      return cn ? Items{"现场", "远程", "现场+远程"} : Items{"Alarm", "Transpond", "Both"};
    case Option_Items::Emc_Ch: {
      Items v;
      for (int k = 0; k < 200; ++k) v.push_back("CH-" + Zero_Padded(k, 3));
      return v;
    }
    case Option_Items::Ring:
      return Then({cn ? "关" : "OFF"}, Numbers(1, 10));
    case Option_Items::Mdf:
      return cn ? Items{"频率+信道号", "信道号", "信道名称+信道号"}
                : Items{"Channel+Frequency", "Channel", "Channel+Name"};
    case Option_Items::Ani_L:
      return Numbers(3, 5);
    case Option_Items::Rep_S:
      return {"1000Hz", "1450Hz", "1750Hz", "2100Hz"};
    case Option_Items::Rep_M:
      return {cn ? "关" : "OFF", "CARRI", "CTDCS", "TONE", "DTMF"};
    case Option_Items::Off_1_10:
      return Then({cn ? "关闭" : "OFF"}, Numbers(1, 10));
    case Option_Items::Language:
      return cn ? Items{"英文", "中文"} : Items{"English", "Chinese"};
    case Option_Items::Tx_Disp:
      return cn ? Items{"功率", "话咪音量"} : Items{"Power", "MIC Volume "};
    case Option_Items::Dtmf_Gain:
      return Numbers(0, 60);
    case Option_Items::Colour:
      return cn ? Items{"黑色", "白色", "红色", "蓝色", "绿色", "黄色", "青色", "紫色", "灰色"}
                : Items{"Black", "White", "Red", "Blue", "Green", "Yellow", "Indigo", "Purple",
                        "Gray"};
  }
  return {};
}

}  // namespace

const std::vector<std::string> &Option_List_Items(Option_Items items, bool chinese) {
  // Built once per kind and language: the items never change while the
  // program runs (the tone list is filled before any window opens).
  static std::map<std::pair<Option_Items, bool>, Items> cache;
  const auto key = std::make_pair(items, chinese);
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, Build(items, chinese)).first;
  return it->second;
}

std::string Offset_Item_Text(int n) {
  const int khz = 50 * n;
  return Zero_Padded(khz / 1000, 2) + "." + Zero_Padded(khz % 1000, 3) + "MHZ";
}

const Option_List_Row (&Option_List_Table())[kOptionLists] {
  using I = Option_Items;
  static const Option_List_Row rows[kOptionLists] = {
      {"Combo_Tdr", I::Tdr, Opt_Addr_Tdr, -1, -1},
      {"Combo_Sql", I::Sql, Opt_Addr_Sql, -1, -1},
      {"Combo_tot", I::Tot, Opt_Addr_Tot, -1, -1},
      {"Combo_Apo", I::Apo, Opt_Addr_Apo, -1, -1},
      {"Combo_Abr", I::Off_1_50, Opt_Addr_Abr, -1, -1},
      {"Combo_Beep", I::Off_On, Opt_Addr_Beep, -1, -1},
      {"Combo_Dtmfst", I::Dtmfst, Opt_Addr_Dtmfst, -1, -1},
      {"Combo_Bcl", I::Off_On, Opt_Addr_Bcl, -1, -1},
      {"Combo_Sc_Add", I::Off_On, Opt_Addr_Sc_Add, -1, -1},
      {"Combo_Sc_rev", I::Sc_Rev, Opt_Addr_Sc_Rev, -1, -1},
      {"Combo_Ptt_id", I::Ptt_Id, Opt_Addr_Ptt_Id, -1, -1},
      {"Combo_Ptt_lt", I::Ptt_Lt, Opt_Addr_Ptt_Lt, -1, -1},
      {"Combo_Emc_Tp", I::Emc_Tp, Opt_Addr_Emc_Tp, -1, -1},
      {"Combo_Emc_Ch", I::Emc_Ch, Opt_Addr_Emc_Ch, -1, -1},
      {"Combo_ring", I::Ring, Opt_Addr_Ring, -1, -1},
      {"Combo_MDF_A", I::Mdf, Opt_Addr_Mdf_A, -1, -1},
      {"Combo_MDF_B", I::Mdf, Opt_Addr_Mdf_B, -1, -1},
      {"Combo_MDF_C", I::Mdf, Opt_Addr_Mdf_C, -1, -1},
      {"Combo_MDF_D", I::Mdf, Opt_Addr_Mdf_D, -1, -1},
      {"Combo_Autolk", I::Off_On, Opt_Addr_Autolk, -1, -1},
      {"Combo_ANI_L", I::Ani_L, Opt_Addr_Ani_L, -1, -1},
      {"Combo_REP_S", I::Rep_S, Opt_Addr_Rep_S, -1, -1},
      {"Combo_REP_M", I::Rep_M, Opt_Addr_Rep_M, -1, -1},
      {"Combo_TDR_AB", I::Off_1_50, Opt_Addr_Tdr_Ab, -1, -1},
      {"Combo_STE", I::Off_On, Opt_Addr_Ste, -1, -1},
      {"Combo_RP_STE", I::Off_1_10, Opt_Addr_Rp_Ste, -1, -1},
      {"Combo_RPT_DL", I::Off_1_10, Opt_Addr_Rpt_Dl, -1, -1},
      {"Combo_Language", I::Language, Opt_Addr_Language, -1, -1},
      {"Combo_Tx_Disp", I::Tx_Disp, Opt_Addr_Tx_Disp, -1, -1},
      {"Combo_Dtmf_Gain", I::Dtmf_Gain, Opt_Addr_Dtmf_Gain, -1, -1},
      {"Combo_stat1_Fc", I::Colour, Opt_Addr_Stat1_Fc, -1, -1},
      {"Combo_Stat1_Bc", I::Colour, Opt_Addr_Stat1_Bc, -1, -1},
      {"Combo_Main_Fc", I::Colour, Opt_Addr_Main_Fc, -1, -1},
      {"Combo_Main_Bc", I::Colour, Opt_Addr_Main_Bc, -1, -1},
      {"Combo_Menu_Fc", I::Colour, Opt_Addr_Menu_Fc, -1, -1},
      {"Combo_Menu_Bc", I::Colour, Opt_Addr_Menu_Bc, -1, -1},
      {"Combo_Rx_Fc", I::Colour, Opt_Addr_Rx_Fc, -1, -1},
      {"Combo_Tx_Fc", I::Colour, Opt_Addr_Tx_Fc, -1, -1},
      {"Combo_Stat2_Fc", I::Colour, Opt_Addr_Stat2_Fc, -1, -1},
      {"Combo_Stat2_Bc", I::Colour, Opt_Addr_Stat2_Bc, -1, -1},
      // Frame A/C.
      {"Combo_Offset_A", I::Offset, -1, 0, 8},
      {"Combo_r_ctdcs_a", I::Tone, -1, 0, 16},
      {"Combo_t_ctdcs_a", I::Tone, -1, 0, 18},
      {"Combo_S_info_a", I::S_Info, -1, 0, 20},
      {"Combo_Spmute_a", I::Spmute, -1, 0, 21},
      {"Combo_Optsig_a", I::Optsig, -1, 0, 22},
      {"Combo_Scr_a", I::Off_On, -1, 0, 23},
      {"Combo_wn_a", I::Wn, -1, 0, 24},
      {"Combo_txp_a", I::Txp, -1, 0, 25},
      {"Combo_sft_d_a", I::Sft_D, -1, 0, 26},
      {"Combo_step_a", I::Step, -1, 0, 27},
      // Frame B/D.
      {"Combo_offset_b", I::Offset, -1, 1, 8},
      {"Combo_r_ctdcs_b", I::Tone, -1, 1, 16},
      {"Combo_t_ctdcs_b", I::Tone, -1, 1, 18},
      {"Combo_S_info_b", I::S_Info, -1, 1, 20},
      {"Combo_Spmute_b", I::Spmute, -1, 1, 21},
      {"Combo_OptSig_b", I::Optsig, -1, 1, 22},
      {"Combo_Scr_b", I::Off_On, -1, 1, 23},
      {"Combo_wn_b", I::Wn, -1, 1, 24},
      {"Combo_txp_b", I::Txp, -1, 1, 25},
      {"Combo_sft_d_b", I::Sft_D, -1, 1, 26},
      {"Combo_step_b", I::Step, -1, 1, 27},
  };
  return rows;
}

}  // namespace zv
