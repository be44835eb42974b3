// The channel editor: the 200 memory channels in a grid, edited in place.
//
// One cell edit: a click on a cell lays an editor over it (Begin_Cell_Edit):
// the text box for the frequencies and the name, the list for the band and
// the settings, the tone box (a list that takes typed tones) for the two
// tones. A list choice writes its field at once; everything else is
// committed when the grid's current cell leaves the cell the editor was
// opened on (MSF_Chann_LeaveCell), through the rules of
// image/channel_record.h, and the row is redrawn from the image. A move
// from any other cell (arrow keys, code, the refresh) only hides the
// editors: it never stores.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "comm/exchange_panel.h"
#include "image/channel_record.h"
#include "platform/twips.h"
#include "shell/activated_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zv {

class Flex_Grid;
class List_Combo;
class Key_Filter;

class frm_chann : public QWidget, public Activated_Form {
  Q_OBJECT

 public:
  explicit frm_chann(QWidget *parent = nullptr);
  ~frm_chann() override;

  // window: the child window that holds the form (the form itself when it
  // has none).
  void Form_Load(QWidget *window, const Main_Sizing &main);
  void Form_Activate() override;

  void Command_def_Click();
  void Command_Clear_Click();
  void Command_open_Click();
  void Command_save_Click();
  void Command_close_Click();
  void Command_read_Click();
  void Command_Write_Click();

  // The exchange's own steps.
  void Store_Read_Frames();
  void Show_Read_Names();
  void Show_Raw_Name(int frame, int row, int offset);
  void Show_Progress(int n);
  void Completed();

  Exchange_Engine &Engine() { return panel_.Engine(); }
  bool Busy() const { return panel_.Busy(); }

  // Display of one grid row (1..Chan_Count) from the image.
  void Chann_Show(int row);
  void Chann_ShowParam(int row);
  void Chann_SetDefault(int row);
  void Chann_Clear(int row);
  void Chann_ClearFreq(int row);

  Flex_Grid *MSF_Chann = nullptr;
  QLineEdit *Text_Edit = nullptr;
  // The band and setting lists: no typing, arrows choose like a click.
  List_Combo *Combo_edit = nullptr;
  // The tone lists: a typed tone ("0"-"9", ".", "D", "N", "I") or a choice.
  QComboBox *Combo_tone = nullptr;
  QPushButton *Command_read = nullptr;
  QPushButton *Command_Write = nullptr;
  QPushButton *Command_Clear = nullptr;
  QPushButton *Command_def = nullptr;
  QPushButton *Command_save = nullptr;
  QPushButton *Command_open = nullptr;
  QPushButton *Command_close = nullptr;
  QLabel *Label_PassWord = nullptr;
  QProgressBar *ProgressBar1 = nullptr;
  QLabel *Label_tr_count = nullptr;
  QLineEdit *Text_PassWord = nullptr;

  // The cell an editor is open on (row 0: none).
  int Edit_Row = 0;
  int Edit_Col = 0;

 protected:
  void closeEvent(QCloseEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  enum class Editor { None, Text, List, Tone };

  void Refresh();
  void Begin_Cell_Edit();
  void MSF_Chann_LeaveCell();
  void MSF_Chann_Scroll();
  void Combo_edit_Click();
  void Combo_tone_Click();
  void Combo_Enter();
  void Text_Edit_Enter();
  void Hide_Editors();

  chan::Row_Cells Row_Cells_Of(int row) const;
  void Put_Row(int row, const chan::Row_Cells &cells);
  QString Text(const char *en, const char *cn) const;

  Exchange_Panel panel_;
  QPointer<QWidget> window_;
  Editor editor_ = Editor::None;
  QString opened_text_;  // the cell's text when the open editor was placed
  bool committing_ = false;
  bool refreshing_ = false;
};

}  // namespace zv
