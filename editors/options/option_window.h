// The option editor frm_option: the 40 settings of the option area, the two
// flags and the work mode, the frequency-mode records of bands A to D, the
// ANI and PTT-ID codes and the power-on texts, and its own read and write of
// radio 0x0E00-0x0FFF.
//
// Every edit goes straight into the image (and, inside the option area, into
// the working copy Opt_Block). Showing the image sets the controls with their
// signals blocked and then runs each control's store explicitly, so a display
// leaves the image holding what the window shows.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "image/option_lists.h"
#include "platform/twips.h"
#include "shell/activated_form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace zv {

class Exchange_Panel;
class Focus_Check;
class List_Combo;

class frm_option : public QWidget, public Activated_Form {
  Q_OBJECT

 public:
  explicit frm_option(QWidget *parent = nullptr);
  ~frm_option() override;

  // Opening steps; window is the child window that holds this form (nullptr:
  // the form is a window of its own).
  void Form_Load(QWidget *window, const Main_Sizing &main);
  void Form_Activate() override;

  void Command_close_Click();
  void Command_def_Click();
  void Command_open_Click();
  void Command_save_Click();
  void Command_read_Click();
  void Command_Write_Click();

  // Puts the image into every control.
  void Show_Options();
  void Show_Vfo_AC();
  void Show_Vfo_BD();

  // Band selection of the frequency-mode frames.
  void Option_Select_A_Click();
  void Option_Select_C_Click();
  void Option_Select_B_Click();
  void Option_Select_D_Click();

  // Flags and work mode.
  void Check_Mode_En_Click();
  void Check_Reset_En_Click();
  void Option1_Click();
  void Option2_Click();

  // Code and power-on boxes.
  void Text_ANI_Change();
  void Text_PttId_Begin_Change();
  void Text_PttId_End_Change();
  void Text_ANI_LostFocus();
  void Text_Pon_Msg_Change(int k);
  void Text_Pon_Msg_LostFocus(int k);

  // Frequency boxes.
  void Text_Freq_a_Change();
  void Text_Freq_b_Change();
  void Text_Freq_a_LostFocus();
  void Text_Freq_b_LostFocus();

  // A list by its control name ("Combo_Tdr", "Combo_step_a", ...).
  List_Combo *Combo(const QString &name) const;
  Exchange_Panel &Panel() { return *panel_; }
  bool Busy() const;

  // --- controls ---
  QGroupBox *Frame5 = nullptr;
  QGroupBox *Frame_A = nullptr;
  QGroupBox *Frame_B = nullptr;
  QGroupBox *Frame_Pon_Msg = nullptr;
  QGroupBox *Frame4 = nullptr;
  QGroupBox *Frame6 = nullptr;
  QGroupBox *Frame2 = nullptr;
  QRadioButton *Option_Select_A = nullptr;
  QRadioButton *Option_Select_C = nullptr;
  QRadioButton *Option_Select_B = nullptr;
  QRadioButton *Option_Select_D = nullptr;
  QLineEdit *Text_Freq_a = nullptr;
  QLineEdit *Text_Freq_b = nullptr;
  QCheckBox *Check_Mode_En = nullptr;
  QCheckBox *Check_Reset_En = nullptr;
  QRadioButton *Option1 = nullptr;
  QRadioButton *Option2 = nullptr;
  QLineEdit *Text_ANI = nullptr;
  QLineEdit *Text_PttId_Begin = nullptr;
  QLineEdit *Text_PttId_End = nullptr;
  std::array<QLineEdit *, 8> Text_Pon_Msg{};
  QPushButton *Command_read = nullptr;
  QPushButton *Command_Write = nullptr;
  QPushButton *Command_def = nullptr;
  QPushButton *Command_save = nullptr;
  QPushButton *Command_open = nullptr;
  QPushButton *Command_close = nullptr;
  QLabel *Label_PassWord = nullptr;
  // The exchange panel's controls.
  QProgressBar *ProgressBar1 = nullptr;
  QLabel *Label_tr_count = nullptr;
  QLineEdit *Text_PassWord = nullptr;

 protected:
  void closeEvent(QCloseEvent *event) override;

 private:
  // One frequency-mode frame: 0 shows band A or C, 1 band B or D.
  struct Vfo_Frame {
    QGroupBox *frame = nullptr;
    QRadioButton *first = nullptr;   // band A / B
    QRadioButton *second = nullptr;  // band C / D
    QLineEdit *freq = nullptr;
  };

  void Build_Controls();
  void Set_Captions();
  void Fill_Option_Lists();

  // Stores of the lists: row of Option_List_Table.
  void List_Click(int row);
  void Frame_List_Click(int row);
  void Block_Copy();
  void Store_Code_Field(QLineEdit *box, int offset);
  void Set_Flag(QCheckBox *box, int mask);
  void Set_Work_Mode(int mode);

  // The record (band 0..3) a frame edits now.
  int Frame_Band(int f) const;
  void Select_Band(int f, bool second);
  void Show_Vfo(int f);
  void Text_Freq_Change(int f);
  void Text_Freq_LostFocus(int f);
  uint8_t &Record_Byte(int band, int byte);

  // The exchange's own steps.
  void Store_Read_Frames();
  void Show_Progress(int n);
  void Completed();

  QString Text(const char *en, const char *cn) const;

  std::array<List_Combo *, kOptionLists> lists_{};
  std::array<Vfo_Frame, 2> frames_{};
  std::unique_ptr<Exchange_Panel> panel_;
  Focus_Check *focus_check_ = nullptr;
};

}  // namespace zv
