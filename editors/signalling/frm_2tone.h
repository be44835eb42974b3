// The 2-tone editor: a child window of the main window with two pages on a
// tab strip. The encode page holds the 15 encode codes with their two tones
// and the three timing lists; the decode page the 15 decode entries (four
// slots of tone pair, response and alert), the four decode tones of the
// selected entry and the reset-time list. Every committed edit goes straight
// into image lines 720-767 (image/tone2_area.h); the window reads and writes
// that area of the radio itself.
//
// Commits:
// - a timing or reset list choice, and a choice in the decode grid's list:
//   at once;
// - a decode-tone box: when it loses the focus, and only when the user
//   changed its text since it was last filled;
// - an encode cell: when the grid's current cell leaves the cell the editor
//   was opened on, and only when its text changed. Redisplays, Default, a
//   finished read and a tab click close the editor without storing.
// Showing never stores, except the timing and reset lists, whose bytes are
// clamped into their lists by an explicit store.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "platform/twips.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zv {

class Exchange_Engine;
class Exchange_Panel;
class Flex_Grid;
class Focus_Check;
class List_Combo;
class Tab_Strip;

class frm_2tone : public QWidget {
  Q_OBJECT

 public:
  explicit frm_2tone(QWidget *parent = nullptr);
  ~frm_2tone() override;

  // window: the child window holding this form.
  void Form_Load(QWidget *window, const Main_Sizing &main);

  // Decodes the whole 2-tone area of the image into the controls.
  void Show_Tone2();
  // Shows the decode tones of entry e (0-14) in Text_A to Text_D.
  void Edata_Load(int e);

  void TabStrip1_Click();
  void Command_read_Click();
  void Command_Write_Click();
  void Command_close_Click();
  void Command_def_Click();
  void Command_open_Click();
  void Command_save_Click();

  void Combo_Enc_ys1_Click();
  void Combo_Enc_ys2_Click();
  void Combo_enc_ys3_Click();
  void Combo_Dec_Res_Time_Click();
  void Text_A_LostFocus() { Tone_Box_LostFocus(0); }
  void Text_B_LostFocus() { Tone_Box_LostFocus(1); }
  void Text_C_LostFocus() { Tone_Box_LostFocus(2); }
  void Text_D_LostFocus() { Tone_Box_LostFocus(3); }

  void MSF_Encode_Click();
  void Edit_Encode_Cell();
  void MSF_Encode_LeaveCell();
  void MSF_Decode_Click();
  void Edit_Decode_Cell();
  void Combo_Decode_Click();
  void MSF_Decode_LeaveCell();
  void MSF_Decode_DblClick();

  // The selected decode entry, 0-14.
  int Dec_Entry = 0;

  Exchange_Engine &Engine();

  Tab_Strip *TabStrip1 = nullptr;
  QGroupBox *Frame_Encode = nullptr;
  Flex_Grid *MSF_Encode = nullptr;
  QLineEdit *Text_Encode = nullptr;
  List_Combo *Combo_Enc_ys1 = nullptr;
  List_Combo *Combo_Enc_ys2 = nullptr;
  List_Combo *Combo_enc_ys3 = nullptr;
  QLabel *Label_1st = nullptr;
  QLabel *Label_2nd = nullptr;
  QLabel *Label_gap = nullptr;
  QGroupBox *Frame_Decode = nullptr;
  Flex_Grid *MSF_Decode = nullptr;
  List_Combo *Combo_Decode = nullptr;
  List_Combo *Combo_Dec_Res_Time = nullptr;
  QLabel *Label_Reset = nullptr;
  QGroupBox *Frame_Dec_xx = nullptr;
  QLineEdit *Text_A = nullptr;
  QLineEdit *Text_B = nullptr;
  QLineEdit *Text_C = nullptr;
  QLineEdit *Text_D = nullptr;
  QLabel *Label_A_tone = nullptr;
  QLabel *Label_B_Tone = nullptr;
  QLabel *Label_C_Tone = nullptr;
  QLabel *Label_D_Tone = nullptr;
  QPushButton *Command_read = nullptr;
  QPushButton *Command_Write = nullptr;
  QPushButton *Command_def = nullptr;
  QPushButton *Command_open = nullptr;
  QPushButton *Command_save = nullptr;
  QPushButton *Command_close = nullptr;
  QLabel *Label_PassWord = nullptr;
  // The exchange panel's controls.
  QLineEdit *Text_PassWord = nullptr;
  QProgressBar *ProgressBar1 = nullptr;
  QLabel *Label_tr_count = nullptr;

 protected:
  void closeEvent(QCloseEvent *event) override;

 private:
  QLineEdit *Tone_Box(int slot) const;
  void Tone_Box_LostFocus(int slot);
  // Commits a decode-tone box the user has typed into and not yet left, as
  // its focus loss would, before the selected entry changes. False when the
  // window went meanwhile.
  bool Commit_Typed_Tone();
  // Hides the encode cell editor; nothing is stored.
  void Close_Encode_Editor();
  // A list's position into its byte.
  void Store_List(List_Combo *list, int line, int col);
  // While a read or write of the window runs.
  bool Busy() const;
  // The busy refusal of Close, Default, Open and Save: true when refused.
  bool Refuse_While_Busy();
  QString Decode_Cell_Text(int col, int byte) const;
  QString Frame_Dec_Caption(int entry_no, bool leading_blank) const;
  // The window's own steps of the exchange.
  void Store_Read_Frames();
  void Show_Progress(int n);
  void Completed();

  QWidget *window_ = nullptr;
  std::unique_ptr<Exchange_Panel> panel_;
  Focus_Check *focus_ = nullptr;
  // The encode cell the editor was opened on (row 0: none) and its text then.
  int enc_row_ = 0;
  int enc_col_ = 0;
  QString enc_text_;
  // The decode cell the list was opened on.
  int dec_row_ = 0;
  int dec_col_ = 0;
  // Decode-tone boxes typed into since they were last filled.
  std::array<bool, 4> tone_typed_{};
  // A commit's message is up: no other commit starts meanwhile.
  bool checking_ = false;
};

}  // namespace zv
