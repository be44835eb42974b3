// The DTMF editor frm_dtmf: the 15 encode codes with their on and off times,
// the six remote-function codes, the master and vice control IDs with their
// permissions, the receive and transmit lock, the group and separator codes
// and the two decode timings; image rows 656-687 (radio 0x2900-0x2AFF).
//
// Every keystroke, tick and choice is stored at once into the image. Showing
// the image (Show_Dtmf) sets the controls with their signals blocked; where a
// shown value differs from what the control showed before, the control's
// store runs explicitly, so a code line is stored closed up, an on or off
// time beyond its list is stored as the last entry and a check box that
// changes state writes its bit.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "platform/twips.h"
#include "shell/activated_form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zv {

class Exchange_Engine;
class Exchange_Panel;
class Focus_Check;
class List_Combo;

class frm_dtmf : public QWidget, public Activated_Form {
  Q_OBJECT

 public:
  explicit frm_dtmf(QWidget *parent = nullptr);
  ~frm_dtmf() override;

  // Opening steps; window is the child window that holds this form.
  void Form_Load(QWidget *window, const Main_Sizing &main);
  void Form_Activate() override;

  void Command_close_Click();
  void Command_def_Click();
  void Command_open_Click();
  void Command_save_Click();
  void Command_read_Click();
  void Command_Write_Click();

  void Fill_Dtmf_Lists();
  // Puts image rows 656-687 into every control.
  void Show_Dtmf();
  // Received frames 2-9 into rows 656-687, then Show_Dtmf.
  void Store_Read_Frames();

  // Code boxes: the whole line re-encoded from the box's text.
  void Text_tx_Encode_Change(int index);
  void Text_XC_Change();
  void Text_JT_Change();
  void Text_BJ_Change();
  void Text_YY_Change();
  void Text_YB_Change();
  void Text_KJ_Change();
  void Text_MID_Change();
  void Text_SID_Change();

  // Check boxes.
  void Check_Ctrl_En_Click();
  void Check_M_Click(int index);
  void Check_S_Click(int index);
  void Check_RX_Click();
  void Check_Tx_Click();

  // Lists.
  void Combo_Enc_ys1_Click();
  void Combo_Enc_ys2_Click();
  void Combo_Dec_qh_Click();
  void Combo_Dec_Space_Code_Click();
  void Combo_Dec_Proc_Ys_Click();
  void Combo_Dec_Res_Time_Click();

  Exchange_Engine &Engine();
  bool Busy() const;

  // --- controls ---
  QGroupBox *Frame_Encode = nullptr;
  QGroupBox *Frame_Decode = nullptr;
  QGroupBox *Frame_jm = nullptr;
  QGroupBox *Frame_Ctrl = nullptr;
  QGroupBox *Frame_State = nullptr;
  std::array<QLabel *, 15> Label_xh{};
  std::array<QLineEdit *, 15> Text_tx_Encode{};
  QLineEdit *Text_XC = nullptr;
  QLineEdit *Text_JT = nullptr;
  QLineEdit *Text_BJ = nullptr;
  QLineEdit *Text_YY = nullptr;
  QLineEdit *Text_YB = nullptr;
  QLineEdit *Text_KJ = nullptr;
  QLineEdit *Text_MID = nullptr;
  QLineEdit *Text_SID = nullptr;
  QCheckBox *Check_Ctrl_En = nullptr;
  std::array<QCheckBox *, 5> Check_M{};
  std::array<QCheckBox *, 5> Check_S{};
  QCheckBox *Check_RX = nullptr;
  QCheckBox *Check_Tx = nullptr;
  List_Combo *Combo_Enc_ys1 = nullptr;
  List_Combo *Combo_Enc_ys2 = nullptr;
  List_Combo *Combo_Dec_qh = nullptr;
  List_Combo *Combo_Dec_Space_Code = nullptr;
  List_Combo *Combo_Dec_Proc_Ys = nullptr;
  List_Combo *Combo_Dec_Res_Time = nullptr;
  QPushButton *Command_read = nullptr;
  QPushButton *Command_Write = nullptr;
  QPushButton *Command_def = nullptr;
  QPushButton *Command_save = nullptr;
  QPushButton *Command_open = nullptr;
  QPushButton *Command_close = nullptr;
  // The exchange panel's controls.
  QLineEdit *Text_PassWord = nullptr;
  QProgressBar *ProgressBar1 = nullptr;
  QLabel *Label_tr_count = nullptr;

 protected:
  void closeEvent(QCloseEvent *event) override;

 private:
  void Build_Controls();

  // The image row of a code box, from the page fields.
  int Code_Row(const QLineEdit *box) const;
  void Store_Code_Row(QLineEdit *box);
  void Show_Code_Row(QLineEdit *box);
  uint8_t &Control_Byte(int byte);
  void Set_Bit(QCheckBox *box, int byte, int mask);
  void Store_Position(List_Combo *list, int row, int byte);
  void Store_Code_Entry(List_Combo *list, int byte);
  // Enables or disables the two ID boxes and the ten permission boxes.
  void Enable_Id_Controls(bool on);

  // The exchange's own steps.
  void Show_Progress(int n);
  void Completed();

  // High bytes of the two pages of the area: rows 656-671 and 672-687.
  int Dtmf_Enc_Page = 0x29;
  int Dtmf_Dec_Page = 0x2A;

  std::unique_ptr<Exchange_Panel> panel_;
  Focus_Check *focus_check_ = nullptr;
};

}  // namespace zv
