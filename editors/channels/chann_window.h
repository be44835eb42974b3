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

#include "image/channel_record.h"
#include "platform/twips.h"
#include "platform/window_guard.h"
#include "shell/activated_form.h"

class QComboBox;
class QLineEdit;
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
  // Whether the exchange of this window runs; refuses with text when it does.
  bool Refuse_While_Busy(const char *en, const char *cn);

  chan::Row_Cells Row_Cells_Of(int row) const;
  void Put_Row(int row, const chan::Row_Cells &cells);
  QString Text(const char *en, const char *cn) const;

  Window_Guard guard_{this};
  QPointer<QWidget> window_;
  Editor editor_ = Editor::None;
  QString opened_text_;  // the cell's text when the open editor was placed
  bool committing_ = false;
  bool refreshing_ = false;
};

}  // namespace zv
