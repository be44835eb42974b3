// The 5-tone editor frm_5tone: the 15 standards with their tone period,
// group and repeat tones and the chosen standard's tone table; the 15 encode
// codes (three frames of five symbols and a standard each), the four encode
// delays and the decode settings the radio keeps; its own read of radio
// 0x2400-0x25FF and write of 0x2000-0x25FF.
//
// Every choice and keystroke goes straight into image lines 576-607.
// Showing the image sets the controls with their signals blocked and stores
// nothing, so a display leaves the image byte-identical; a byte outside its
// list shows as no selection and stays as it is until the user chooses.
//
// In-cell editors are bound to the cell they were opened on: their change
// handlers and the leave checks write only that cell's frame or byte, and
// leaving a cell acts only while an editor is open.
#pragma once

#include <QString>
#include <string>
#include <QWidget>
#include <array>
#include <memory>

#include "platform/twips.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zv {

class Exchange_Engine;
class Timer;
class Exchange_Panel;
class Flex_Grid;
class Focus_Check;
class List_Combo;
class Tab_Strip;

class frm_5tone : public QWidget {
  Q_OBJECT

 public:
  explicit frm_5tone(QWidget *parent = nullptr);
  ~frm_5tone() override;

  // Opening steps; window is the child window that holds this form (none:
  // the form is a window of its own).
  void Form_Load(QWidget *window, const Main_Sizing &main);

  void Init_5Tone_Lists();
  void Show_5Tone();
  void Show_Std_Freq();
  // One symbol code as shown: "0".."F", a blank above 15, "" below 0.
  static QString Digit_To_Hex(int code);

  void TabStrip1_Click();

  // Standards grid and settings.
  void MSF_Chann_Click();
  void Edit_Std_Cell();
  void Combo_edit_Click();
  void MSF_Chann_LeaveCell();
  void Combo_stxh_Click();
  void Combo_Enc_ys1_Click();
  void Combo_Enc_ys2_Click();
  void Combo_enc_ys3_Click();
  void Combo_Enc_ys4_Click();
  void Combo_Decode_Std_Click();
  void Combo_Dec_Res_Time_Click();
  void Check_Decode_HJ_Click(int index);
  void Check_Decode_Disp_Click(int index);

  // Encode list.
  void MSF_Encode_Click();
  void Edit_Encode_Cell();
  void MSF_Encode_LeaveCell();
  void MSF_Encode_DblClick();
  void Clear_Encode_Row(int row);
  void Text_Encode_Change();
  void Text_Encode_LostFocus();
  void Combo_Encode_Click();

  // Decode page (no tab shows it).
  void MSF_Decode_Click();
  void Edit_Decode_Cell();
  void MSF_Decode_LeaveCell();
  void MSF_Decode_DblClick();
  void Clear_Decode_Row(int row);
  void Text_Decode_Change();
  void Show_Decode_Flags(int entry);
  void Store_Decode_Flags(int entry);
  void Check_Dec_back_Click();

  // Signal file.
  void Timer4_Timer();
  void Sig_File_Load(const std::string &path);
  void Sig_File_Save(const std::string &path);
  void Sig_File_Build();
  // One character to a symbol code: "0".."9", "A".."F" (capitals only);
  // 255 for anything else.
  static int Hex_To_Digit(const QString &text);

  // Buttons.
  void Command_read_Click();
  void Command_Write_Click();
  void Command_def_Click();
  void Command_save_Click();
  void Command_open_Click();
  void Command_close_Click();

  Exchange_Engine &Engine();
  Exchange_Panel &Panel() { return *panel_; }
  bool Busy() const;

  // --- controls ---
  Tab_Strip *TabStrip1 = nullptr;
  QGroupBox *Frame_std = nullptr;
  Flex_Grid *MSF_Chann = nullptr;
  List_Combo *Combo_edit = nullptr;
  QLineEdit *Text_Edit = nullptr;  // hidden, never shown
  List_Combo *Combo_stxh = nullptr;
  QLabel *Label_std_name = nullptr;
  std::array<QLabel *, 16> Label_code{};
  std::array<QLabel *, 16> Label_freq{};

  QGroupBox *Frame_Encode = nullptr;
  Flex_Grid *MSF_Encode = nullptr;
  List_Combo *Combo_Encode = nullptr;
  QLineEdit *Text_Encode = nullptr;
  List_Combo *Combo_Enc_ys1 = nullptr;
  List_Combo *Combo_Enc_ys2 = nullptr;
  List_Combo *Combo_enc_ys3 = nullptr;
  List_Combo *Combo_Enc_ys4 = nullptr;
  std::array<QLabel *, 4> Label_enc_ys{};  // Label_enc_ys1 .. Label_enc_ys4
  QGroupBox *Frame1 = nullptr;
  QGroupBox *Frame2 = nullptr;
  QGroupBox *Frame3 = nullptr;
  QLabel *Label_Decode_HJ = nullptr;
  QLabel *Label_Decode_Disp = nullptr;
  QLabel *Label_Decode_Std = nullptr;
  QLabel *Label_Reset_Time = nullptr;
  std::array<QCheckBox *, 3> Check_Decode_HJ{};
  std::array<QCheckBox *, 3> Check_Decode_Disp{};
  List_Combo *Combo_Decode_Std = nullptr;
  List_Combo *Combo_Dec_Res_Time = nullptr;

  QGroupBox *Frame_Decode = nullptr;  // no tab shows it
  Flex_Grid *MSF_Decode = nullptr;
  List_Combo *Combo_Decode = nullptr;
  QLineEdit *Text_Decode = nullptr;
  QGroupBox *Frame_Dec_xx = nullptr;
  std::array<QCheckBox *, 3> Check_Disp{}, Check_Led{}, Check_Kz{}, Check_Ts{};
  std::array<std::array<QCheckBox *, 3>, 5> Check_zh{};  // Check_zh0 .. Check_zh4
  QCheckBox *Check_Dec_back = nullptr;
  QCheckBox *Check_Dec_Bcl = nullptr;
  List_Combo *Combo_Dec_Back_Time = nullptr;
  QLabel *Label8 = nullptr;
  // The decode list lives only here.
  int Decode_Sel = 0;
  std::array<std::array<int, 61>, 17> Dec_Flags{};
  bool Flags_Showing = false;
  Timer *Timer4 = nullptr;

  QPushButton *Command_read = nullptr;
  QPushButton *Command_Write = nullptr;
  QPushButton *Command_def = nullptr;
  QPushButton *Command_save = nullptr;
  QPushButton *Command_open = nullptr;
  QPushButton *Command_close = nullptr;
  QLabel *Label_PassWord = nullptr;
  QLineEdit *Text_PassWord = nullptr;  // the exchange panel's box

 protected:
  void closeEvent(QCloseEvent *event) override;

 private:
  // A cell an in-cell editor was opened on; row 0: none.
  struct Cell {
    int row = 0;
    int col = 0;
  };

  void Build_Controls();
  void Set_Captions();
  void Layout();
  // The encode grid's cells of one code, from the image.
  void Show_Code_Row(int n);
  // A delay or settings list's store into line 607.
  void Store_Setting(List_Combo *list, int byte);
  void Store_Frame_Bit(QCheckBox *box, int byte, int bit);
  // Hides the in-cell editors without committing them.
  void Hide_Cell_Editors();
  // The redisplay after the image changed behind the window's controls.
  void Show_New_Image();
  void Store_Read_Frames();
  QString Frame_Text(int line, int first) const;
  void Build_Decode_Page();
  void Layout_Decode_Page(double page_width);
  // The five symbols of a grid cell into bytes first..first+4 of a line of
  // the signal-file buffer.
  void Get_Encode_Code(int row, int col, int first);
  void Get_Decode_Code(int row, int col, int first);
  void Get_Decode_Func(int row, int col, int byte);
  void Cell_Symbols(Flex_Grid *grid, int row, int col, int line, int first);

  std::unique_ptr<Exchange_Panel> panel_;
  QWidget *window_ = nullptr;
  Focus_Check *focus_check_ = nullptr;
  Cell std_cell_;  // Combo_edit
  Cell enc_cell_;  // Text_Encode or Combo_Encode
  Cell dec_cell_;  // Text_Decode or Combo_Decode
  std::unique_ptr<Timer> timer4_;
  bool polling_ = false;  // a tick of Timer4 is acting (its message box may be up)
};

}  // namespace zv
