#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>

#include "image/option_defaults.h"
#include "image/option_lists.h"
#include "image/tone_list.h"

namespace zv {
namespace {

const Option_List_Row *Row(const std::string &name) {
  for (const Option_List_Row &r : Option_List_Table())
    if (name == r.name) return &r;
  return nullptr;
}

const std::vector<std::string> &Items_Of(const std::string &name, bool chinese) {
  const Option_List_Row *r = Row(name);
  if (!r) throw std::runtime_error("no list " + name);
  return Option_List_Items(r->items, chinese);
}

// Every list of the option editor in both languages, written out from the
// radio's item tables: count, first and last item.
TEST(OptionLists, CountFirstAndLastOfEveryListInBothLanguages) {
  struct Case {
    const char *name;
    size_t count;
    const char *first_en, *last_en, *first_cn, *last_cn;
  };
  const Case cases[] = {
      {"Combo_txp_a", 2, "HIGH", "LOW", "高功率", "低功率"},
      {"Combo_txp_b", 2, "HIGH", "LOW", "高功率", "低功率"},
      {"Combo_r_ctdcs_a", 261, "OFF", "D754I", "关", "D754I"},
      {"Combo_t_ctdcs_a", 261, "OFF", "D754I", "关", "D754I"},
      {"Combo_r_ctdcs_b", 261, "OFF", "D754I", "关", "D754I"},
      {"Combo_t_ctdcs_b", 261, "OFF", "D754I", "关", "D754I"},
      {"Combo_wn_a", 2, "WIDE", "NARROR", "宽带", "窄带"},
      {"Combo_wn_b", 2, "WIDE", "NARROR", "宽带", "窄带"},
      {"Combo_sft_d_a", 3, "OFF", "-", "关", "减频"},
      {"Combo_sft_d_b", 3, "OFF", "-", "关", "减频"},
      {"Combo_Offset_A", 2000, "00.000MHZ", "99.950MHZ", "00.000MHZ", "99.950MHZ"},
      {"Combo_offset_b", 2000, "00.000MHZ", "99.950MHZ", "00.000MHZ", "99.950MHZ"},
      {"Combo_step_a", 6, "2.50 KHZ", "25.00 KHZ", "2.50 KHZ", "25.00 KHZ"},
      {"Combo_step_b", 6, "2.50 KHZ", "25.00 KHZ", "2.50 KHZ", "25.00 KHZ"},
      {"Combo_Optsig_a", 4, "OFF", "5TONE", "关", "5TONE"},
      {"Combo_OptSig_b", 4, "OFF", "5TONE", "关", "5TONE"},
      {"Combo_Spmute_a", 3, "QT/DQT", "QT/DQT OR OPTSIG", "哑音", "哑音或可选信令"},
      {"Combo_Spmute_b", 3, "QT/DQT", "QT/DQT OR OPTSIG", "哑音", "哑音或可选信令"},
      {"Combo_S_info_a", 15, "1", "15", "1", "15"},
      {"Combo_S_info_b", 15, "1", "15", "1", "15"},
      {"Combo_Scr_a", 2, "OFF", "ON", "关闭", "开启"},
      {"Combo_Scr_b", 2, "OFF", "ON", "关闭", "开启"},
      {"Combo_Beep", 2, "OFF", "ON", "关闭", "开启"},
      {"Combo_Bcl", 2, "OFF", "ON", "关闭", "开启"},
      {"Combo_Sc_Add", 2, "OFF", "ON", "关闭", "开启"},
      {"Combo_Autolk", 2, "OFF", "ON", "关闭", "开启"},
      {"Combo_STE", 2, "OFF", "ON", "关闭", "开启"},
      {"Combo_Tdr", 15, "OFF", "M+A+B+C+D", "关闭", "M+A+B+C+D"},
      {"Combo_Sql", 10, "0", "9", "0", "9"},
      {"Combo_tot", 40, "15", "600", "15", "600"},
      {"Combo_Apo", 11, "OFF", "300", "关闭", "300"},
      {"Combo_Abr", 51, "OFF", "50", "关", "50"},
      {"Combo_TDR_AB", 51, "OFF", "50", "关", "50"},
      {"Combo_Dtmfst", 4, "OFF All ", "KB DTMFST + Send ANI DTMFST", "关闭", "按键侧音+发身份码侧音"},
      {"Combo_Ptt_id", 4, "OFF", "BOTH", "关", "两者均发"},
      {"Combo_Ptt_lt", 31, "0", "30", "0", "30"},
      {"Combo_Sc_rev", 3, "TO", "SE", "时间", "搜索"},
      {"Combo_Emc_Tp", 3, "Alarm", "Both", "现场", "现场+远程"},
      {"Combo_Emc_Ch", 200, "CH-000", "CH-199", "CH-000", "CH-199"},
      {"Combo_ring", 11, "OFF", "10", "关", "10"},
      {"Combo_MDF_A", 3, "Channel+Frequency", "Channel+Name", "频率+信道号", "信道名称+信道号"},
      {"Combo_MDF_B", 3, "Channel+Frequency", "Channel+Name", "频率+信道号", "信道名称+信道号"},
      {"Combo_MDF_C", 3, "Channel+Frequency", "Channel+Name", "频率+信道号", "信道名称+信道号"},
      {"Combo_MDF_D", 3, "Channel+Frequency", "Channel+Name", "频率+信道号", "信道名称+信道号"},
      {"Combo_ANI_L", 3, "3", "5", "3", "5"},
      {"Combo_REP_S", 4, "1000Hz", "2100Hz", "1000Hz", "2100Hz"},
      {"Combo_REP_M", 5, "OFF", "DTMF", "关", "DTMF"},
      {"Combo_RP_STE", 11, "OFF", "10", "关闭", "10"},
      {"Combo_RPT_DL", 11, "OFF", "10", "关闭", "10"},
      {"Combo_Language", 2, "English", "Chinese", "英文", "中文"},
      {"Combo_Tx_Disp", 2, "Power", "MIC Volume ", "功率", "话咪音量"},
      {"Combo_Dtmf_Gain", 61, "0", "60", "0", "60"},
      {"Combo_Main_Fc", 9, "Black", "Gray", "黑色", "灰色"},
      {"Combo_Main_Bc", 9, "Black", "Gray", "黑色", "灰色"},
      {"Combo_Menu_Fc", 9, "Black", "Gray", "黑色", "灰色"},
      {"Combo_Menu_Bc", 9, "Black", "Gray", "黑色", "灰色"},
      {"Combo_stat1_Fc", 9, "Black", "Gray", "黑色", "灰色"},
      {"Combo_Stat1_Bc", 9, "Black", "Gray", "黑色", "灰色"},
      {"Combo_Stat2_Fc", 9, "Black", "Gray", "黑色", "灰色"},
      {"Combo_Stat2_Bc", 9, "Black", "Gray", "黑色", "灰色"},
      {"Combo_Rx_Fc", 9, "Black", "Gray", "黑色", "灰色"},
      {"Combo_Tx_Fc", 9, "Black", "Gray", "黑色", "灰色"},
  };
  ASSERT_EQ(std::size(cases), static_cast<size_t>(kOptionLists));
  Init_Tone_Tables();
  std::set<std::string> seen;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(seen.insert(c.name).second);
    const auto &en = Items_Of(c.name, false);
    const auto &cn = Items_Of(c.name, true);
    ASSERT_EQ(en.size(), c.count);
    ASSERT_EQ(cn.size(), c.count);
    EXPECT_EQ(en.front(), c.first_en);
    EXPECT_EQ(en.back(), c.last_en);
    EXPECT_EQ(cn.front(), c.first_cn);
    EXPECT_EQ(cn.back(), c.last_cn);
  }
}

TEST(OptionLists, SpotItems) {
  struct Case {
    const char *name;
    size_t item;
    const char *en, *cn;
  };
  const Case cases[] = {
      {"Combo_r_ctdcs_a", 1, "67.0", "67.0"},      {"Combo_r_ctdcs_a", 50, "254.1", "254.1"},
      {"Combo_r_ctdcs_a", 51, "D023N", "D023N"},   {"Combo_t_ctdcs_b", 155, "D754N", "D754N"},
      {"Combo_t_ctdcs_b", 156, "D023I", "D023I"},  {"Combo_Offset_A", 1, "00.050MHZ", "00.050MHZ"},
      {"Combo_Offset_A", 10, "00.500MHZ", "00.500MHZ"},
      {"Combo_offset_b", 20, "01.000MHZ", "01.000MHZ"},
      {"Combo_offset_b", 21, "01.050MHZ", "01.050MHZ"},
      {"Combo_offset_b", 247, "12.350MHZ", "12.350MHZ"},
      {"Combo_Emc_Ch", 99, "CH-099", "CH-099"},    {"Combo_tot", 39, "600", "600"},
      {"Combo_tot", 3, "60", "60"},                {"Combo_Apo", 1, "30", "30"},
      {"Combo_Tdr", 5, "M+A+B", "M+A+B"},          {"Combo_Tdr", 12, "M+A+B+D", "M+A+B+D"},
      {"Combo_Tdr", 13, "M+B+C+D", "M+B+C+D"},     {"Combo_step_a", 2, "6.25 KHZ", "6.25 KHZ"},
      {"Combo_step_a", 4, "12.50 KHZ", "12.50 KHZ"},
      {"Combo_Main_Fc", 6, "Indigo", "青色"},       {"Combo_Spmute_b", 1, "QT/DQT AND OPTSIG", "哑音与可选信令"},
      {"Combo_Dtmfst", 2, "Send ANI DTMF Side Tone", "发身份码侧音"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.name) + " item " + std::to_string(c.item));
    EXPECT_EQ(Items_Of(c.name, false).at(c.item), c.en);
    EXPECT_EQ(Items_Of(c.name, true).at(c.item), c.cn);
  }
}

// Only "OFF All " and "MIC Volume " end in a blank; no item starts with one.
TEST(OptionLists, BlanksOnlyWhereTheRadioHasThem) {
  std::set<std::string> trailing;
  for (bool cn : {false, true})
    for (const Option_List_Row &r : Option_List_Table())
      for (const std::string &item : Option_List_Items(r.items, cn)) {
        ASSERT_FALSE(item.empty()) << r.name;
        EXPECT_NE(item.front(), ' ') << r.name;
        if (item.back() == ' ') trailing.insert(item);
      }
  EXPECT_EQ(trailing, (std::set<std::string>{"OFF All ", "MIC Volume "}));
}

TEST(OptionLists, OffsetItemsAreNineCharactersAndAllDistinct) {
  const auto &items = Items_Of("Combo_Offset_A", false);
  std::set<std::string> distinct(items.begin(), items.end());
  EXPECT_EQ(distinct.size(), items.size());
  for (size_t n = 0; n < items.size(); ++n) {
    ASSERT_EQ(items[n].size(), 9u) << n;
    // The text is n * 50 kHz.
    const int khz = std::stoi(items[n].substr(0, 2)) * 1000 + std::stoi(items[n].substr(3, 3));
    EXPECT_EQ(khz, 50 * static_cast<int>(n)) << items[n];
    EXPECT_EQ(items[n].substr(6), "MHZ");
  }
}

TEST(OptionLists, AlarmChannelsAndNumberRanges) {
  const auto &ch = Items_Of("Combo_Emc_Ch", false);
  for (size_t k = 0; k < ch.size(); ++k) {
    char want[32];
    std::snprintf(want, sizeof want, "CH-%03zu", k);
    EXPECT_EQ(ch[k], want);
  }
  // Item k of the time-out list is 15 (k + 1) seconds; of the gain list k.
  const auto &tot = Items_Of("Combo_tot", false);
  for (size_t k = 0; k < tot.size(); ++k) EXPECT_EQ(tot[k], std::to_string(15 * (k + 1)));
  const auto &gain = Items_Of("Combo_Dtmf_Gain", true);
  for (size_t k = 0; k < gain.size(); ++k) EXPECT_EQ(gain[k], std::to_string(k));
}

// The 40 settings by offset, the 22 frame lists by record byte: each byte is
// edited by exactly one list per frame.
TEST(OptionLists, EachListEditsItsOwnByte) {
  const std::pair<const char *, int> settings[] = {
      {"Combo_Tdr", 0},        {"Combo_Sql", 2},        {"Combo_tot", 5},       {"Combo_Apo", 6},
      {"Combo_Abr", 8},        {"Combo_Beep", 9},       {"Combo_Dtmfst", 14},   {"Combo_Bcl", 15},
      {"Combo_Sc_Add", 16},    {"Combo_Sc_rev", 17},    {"Combo_Ptt_id", 20},   {"Combo_Ptt_lt", 21},
      {"Combo_Emc_Tp", 23},    {"Combo_Emc_Ch", 24},    {"Combo_ring", 25},     {"Combo_MDF_A", 27},
      {"Combo_MDF_B", 28},     {"Combo_MDF_C", 29},     {"Combo_MDF_D", 30},    {"Combo_Language", 31},
      {"Combo_Autolk", 32},    {"Combo_Main_Fc", 33},   {"Combo_Main_Bc", 34},  {"Combo_Menu_Fc", 35},
      {"Combo_Menu_Bc", 36},   {"Combo_stat1_Fc", 37},  {"Combo_Stat1_Bc", 38}, {"Combo_Stat2_Fc", 39},
      {"Combo_Stat2_Bc", 40},  {"Combo_Rx_Fc", 41},     {"Combo_Tx_Fc", 42},    {"Combo_Tx_Disp", 43},
      {"Combo_ANI_L", 49},     {"Combo_REP_S", 50},     {"Combo_REP_M", 51},    {"Combo_TDR_AB", 52},
      {"Combo_STE", 53},       {"Combo_RP_STE", 54},    {"Combo_RPT_DL", 55},   {"Combo_Dtmf_Gain", 56},
  };
  for (const auto &s : settings) {
    const Option_List_Row *r = Row(s.first);
    ASSERT_NE(r, nullptr) << s.first;
    EXPECT_EQ(r->offset, s.second) << s.first;
    EXPECT_EQ(r->frame, -1) << s.first;
  }
  const std::pair<const char *, int> frame_a[] = {
      {"Combo_Offset_A", 8}, {"Combo_r_ctdcs_a", 16}, {"Combo_t_ctdcs_a", 18}, {"Combo_S_info_a", 20},
      {"Combo_Spmute_a", 21}, {"Combo_Optsig_a", 22}, {"Combo_Scr_a", 23},    {"Combo_wn_a", 24},
      {"Combo_txp_a", 25},    {"Combo_sft_d_a", 26},  {"Combo_step_a", 27}};
  const std::pair<const char *, int> frame_b[] = {
      {"Combo_offset_b", 8}, {"Combo_r_ctdcs_b", 16}, {"Combo_t_ctdcs_b", 18}, {"Combo_S_info_b", 20},
      {"Combo_Spmute_b", 21}, {"Combo_OptSig_b", 22}, {"Combo_Scr_b", 23},    {"Combo_wn_b", 24},
      {"Combo_txp_b", 25},    {"Combo_sft_d_b", 26},  {"Combo_step_b", 27}};
  auto check_frame = [](const auto &lists, int frame) {
    for (const auto &f : lists) {
      const Option_List_Row *r = Row(f.first);
      ASSERT_NE(r, nullptr) << f.first;
      EXPECT_EQ(r->frame, frame) << f.first;
      EXPECT_EQ(r->record_byte, f.second) << f.first;
      EXPECT_EQ(r->offset, -1) << f.first;
    }
  };
  check_frame(frame_a, 0);
  check_frame(frame_b, 1);
}

}  // namespace
}  // namespace zv
