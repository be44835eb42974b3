// The FM preset editor: the 16 FM presets in a grid of three columns
// (number, frequency, station name), edited in place with one text box, and
// its own read and write of the FM area.
//
// A click on a frequency or name cell lays the text box over it; when the
// grid's current cell leaves that cell, the text is committed
// (image/fm_record.h) and the row is stored. A cell left without an editor
// opened on it since the last commit stores the row as it stands. Row 17
// belongs to no preset: no editor opens there and it is never stored.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "comm/exchange_panel.h"
#include "platform/twips.h"
#include "shell/activated_form.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zv {

class Flex_Grid;

class frm_FM : public QWidget, public Activated_Form {
  Q_OBJECT

 public:
  explicit frm_FM(QWidget *parent = nullptr);
  ~frm_FM() override;

  void Form_Load(QWidget *window, const Main_Sizing &main);
  void Form_Activate() override;

  void Show_Fm();
  void Show_Fm_Row(int row);
  void Store_Fm_Row(int row);

  void Command_read_Click();
  void Command_Write_Click();
  void Command_Clear_Click();
  void Command_def_Click();
  void Command_open_Click();
  void Command_save_Click();
  void Command_close_Click();

  // The exchange's own steps.
  void Store_Read_Frames();
  void Show_Progress(int n);
  void Completed();

  Exchange_Engine &Engine() { return panel_.Engine(); }
  bool Busy() const { return panel_.Busy(); }

  int Fm_Page = 0x30;
  int Edit_Row = 0;
  int Edit_Col = 0;

  Flex_Grid *MSF_Chann = nullptr;
  QLineEdit *Text_Edit = nullptr;
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

 protected:
  void closeEvent(QCloseEvent *event) override;

 private:
  void Begin_Cell_Edit();
  void MSF_Chann_LeaveCell();
  QString Text(const char *en, const char *cn) const;

  Exchange_Panel panel_;
  QPointer<QWidget> window_;
  bool editor_open_ = false;  // an editor was opened on (Edit_Row, Edit_Col) since the last commit
  bool committing_ = false;
};

}  // namespace zv
