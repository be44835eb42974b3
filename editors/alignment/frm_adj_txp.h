// The alignment editor: the alignment table Adjust_Table (radio
// 0x3C00-0x3DFF) on five pages: transmit power high and low per band and
// frequency point, squelch thresholds and compensations, the fourteen
// deviation, volume and drive levels, and the band limits with their
// transmit permission and the radio's two passwords.
//
// Every accepted edit is stored into Adjust_Table at once. Showing a page
// sets the controls with their signals blocked and then runs, explicitly,
// the stores that a display makes: the range test of every numeric box it
// sets (an out-of-range cell gets the message and its factory default), the
// re-centred passwords of row 31 on page 4, and the 0 or 1 of a transmit
// box whose state changes. A level cell outside its list shows as no
// selection and stays as it is.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "platform/twips.h"
#include "platform/window_guard.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zv {

class Exchange_Engine;
class Exchange_Panel;
class Timer;
class Focus_Check;
class List_Combo;
class Tab_Strip;

class frm_Adj_Txp : public QWidget {
  Q_OBJECT

 public:
  explicit frm_Adj_Txp(QWidget *parent = nullptr);
  ~frm_Adj_Txp() override;

  // The numeric value boxes: three families, one rule each.
  enum class Value_Kind { Txp, Sq, Sq_Offset };

  // Sizes and centres the window (window: the child window holding this
  // form) from the main window, sets the captions, fills the lists and shows
  // page 4 from the table.
  void Form_Load(QWidget *window, const Main_Sizing &main);
  // Redisplays the current page. The window takes the focus itself only
  // when none of its controls can, so nothing calls this in practice;
  // activating the window does not redisplay it.
  void Form_GotFocus();
  void TabStrip1_Click();
  void Command_close_Click();
  void Command_def_Click();
  void Command_open_Click();
  void Command_save_Click();
  void Command_read_Click();
  void Command_Write_Click();
  // The pending-file poll, every 500 ms while the window is loaded.
  void Timer4_Timer();
  void Load_Adj_File(const std::string &path);
  void Save_Adj_File(const std::string &path);

  // Value boxes: the one change handler of the twelve numeric arrays (band
  // 0-3 = VHF, UHF0, UHF1, UHF2; index = the member). Returns whether the
  // window still stands.
  bool Text_Value_Change(Value_Kind kind, int band, int index);
  void Text_Freq_L_LostFocus(int index);
  void Text_Freq_H_LostFocus(int index);
  void Text_user_PassWord_Change();
  void Text_Super_PassWord_Change();
  // Level lists and transmit permission.
  void Combo_Level_Click(int column);
  void Check_Tx_Click(int index);

  // Displays the table in the controls of the current page; false when the
  // window was closed by a message meanwhile.
  bool Show_Page();

  int Cur_Page = 0;
  std::array<int, 4> Adj_Band_Low{130, 200, 400, 340};
  std::array<int, 4> Adj_Band_High{179, 270, 520, 400};

  Exchange_Engine &Engine();
  Exchange_Panel &Panel() { return *panel_; }
  Timer &Timer4() { return *timer4_; }
  const Window_Guard &Guard() const { return guard_; }

  // --- controls ---
  Tab_Strip *TabStrip1 = nullptr;
  QGroupBox *Frame_Frame = nullptr;
  QGroupBox *Frame_Sql = nullptr;
  QGroupBox *Frame_Dev = nullptr;
  QGroupBox *Frame_Other = nullptr;

  // Page 0 and 1: the band groups and their point labels and boxes.
  std::array<QGroupBox *, 4> Frame_B0{};
  std::array<QLabel *, 16> Label_TXP_VHF{}, Label_TXP_UHF0{}, Label_TXP_UHF1{}, Label_TXP_UHF2{};
  std::array<QLineEdit *, 16> Text_TXP_VHF{}, Text_TXP_UHF0{}, Text_TXP_UHF1{}, Text_TXP_UHF2{};

  // Page 2: per band the level labels and threshold boxes, the point labels
  // and compensation boxes.
  std::array<QGroupBox *, 4> Frame_Sql_Band{};
  std::array<QLabel *, 10> Label_Sql_VHF{}, Label_Sql_UHF0{}, Label_Sql_UHF1{}, Label_Sql_UHF2{};
  std::array<QLineEdit *, 10> Text_SQ_VHF{}, Text_SQ_UHF0{}, Text_SQ_UHF1{}, Text_SQ_UHF2{};
  std::array<QLabel *, 16> Label_Sq_Offset_Vhf{}, Label_Sq_Offset_UHF0{}, Label_Sq_Offset_UHF1{},
      Label_Sq_Offset_UHF2{};
  std::array<QLineEdit *, 16> Text_Sq_Offset_VHF{}, Text_Sq_Offset_UHF0{}, Text_Sq_Offset_UHF1{},
      Text_Sq_Offset_UHF2{};

  // Page 3: the fourteen level lists, in the order of row 16's columns 0-13.
  QGroupBox *Frame_Dev_1 = nullptr;
  QGroupBox *Frame2 = nullptr;
  List_Combo *Combo_Voice_Dev = nullptr, *Combo_CT_Dev = nullptr, *Combo_DCS_Dev = nullptr,
             *Combo_Wide_C = nullptr, *Combo_Wide_F = nullptr, *Combo_Narror_C = nullptr,
             *Combo_Narror_F = nullptr, *Combo_Beep_C = nullptr, *Combo_Beep_F = nullptr,
             *Combo_VHF_Drive = nullptr, *Combo_UHF0_Drive = nullptr, *Combo_UHF1_Drive = nullptr,
             *Combo_UHF2_Drive = nullptr, *Combo_Tone_Dev = nullptr;
  // The same lists by column of row 16.
  std::array<List_Combo *, 14> Level_Lists() const;

  // Page 4.
  QLabel *Label_F0 = nullptr;            // VHF
  std::array<QLabel *, 3> Label_F1{};    // UHF0, UHF1, UHF2
  QLabel *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
  std::array<QLabel *, 2> Label8{};      // 0: "Allow transmit" heading, 1: user password
  std::array<QLabel *, 4> Label9{};      // "From"
  std::array<QLabel *, 5> Label10{};     // 0, 1, 2, 4: "to"; 3: super password
  std::array<QLineEdit *, 4> Text_Freq_L{}, Text_Freq_H{};
  std::array<QCheckBox *, 4> Check_Tx{};
  QGroupBox *Frame4 = nullptr;
  QLineEdit *Text_user_PassWord = nullptr;
  QLineEdit *Text_Super_PassWord = nullptr;

  // Buttons and the progress display.
  QPushButton *Command_read = nullptr;
  QPushButton *Command_Write = nullptr;
  QPushButton *Command_def = nullptr;
  QPushButton *Command_close = nullptr;
  QPushButton *Command_open = nullptr;
  QPushButton *Command_save = nullptr;
  QProgressBar *ProgressBar1 = nullptr;
  QLabel *Label_tr_count = nullptr;

 protected:
  void closeEvent(QCloseEvent *event) override;

 private:
  void Build_Power_Page();
  void Build_Squelch_Page();
  void Build_Level_Page();
  void Build_Other_Page();
  void Build_Buttons();
  void Init_Adj_Controls();
  void Show_Frame(QWidget *frame);
  QString Text(const char *en, const char *cn) const;
  // The busy refusal of Default, Open and Save; true when refused.
  bool Refuse_While_Busy();

  std::array<QLineEdit *, 16> &Txp_Boxes(int band);
  std::array<QLineEdit *, 10> &Sq_Boxes(int band);
  std::array<QLineEdit *, 16> &Offset_Boxes(int band);
  QLineEdit *Value_Box(Value_Kind kind, int band, int index);
  int Value_Row(Value_Kind kind, int band) const;
  // Stores all eight limit boxes into rows 24-27 after a passing test.
  void Store_Limits();
  // The limit refusal: message, then (while the window stands) the box at
  // bound, the partner at its bound when its own value lies outside the
  // band, and the focus back.
  void Refuse_Limit(QLineEdit *box, int bound, QLineEdit *partner, int partner_bound, bool reset_partner,
                    const char *en, const char *cn);
  void Store_Password(QLineEdit *box, int first_col);

  Window_Guard guard_{this};
  void Show_Progress(int n);
  void Completed();

  std::unique_ptr<Exchange_Panel> panel_;
  std::unique_ptr<Timer> timer4_;
  bool polling_ = false;
  std::unique_ptr<Focus_Check> focus_check_;
  QFrame *tab_client_ = nullptr;
  QWidget *window_ = nullptr;
};

}  // namespace zv
