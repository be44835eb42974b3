// The factory of every window that is opened by name.
#include <QMdiSubWindow>

#include "comm/comm_read_window.h"
#include "comm/comm_write_window.h"
#include "comm/port_setup_dialog.h"
#include "editors/alignment/frm_adj_txp.h"
#include "editors/alignment/password_dialog.h"
#include "editors/channels/chann_window.h"
#include "editors/channels/fm_window.h"
#include "editors/options/option_window.h"
#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/frm_5tone.h"
#include "editors/signalling/frm_dtmf.h"
#include "shell/about_box.h"
#include "shell/file_dialogs.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

namespace zv {

namespace {

// An editor: a child window sized from the main window when it loads.
template <class Form>
QWidget *Open_Editor(MDImain &main) {
  auto *form = new Form;
  QMdiSubWindow *window = main.Add_Child(form);
  form->Form_Load(window, main.Sizing());
  return window;
}

QWidget *Open_Form_setup(MDImain &main) {
  auto *form = new Form_setup(main.Identify());
  QMdiSubWindow *window = main.Add_Child(form);
  form->Form_Load(window, main.Scale_Width(), main.Scale_Height());
  return window;
}

template <class Form>
QWidget *Open_Whole_Radio(MDImain &main) {
  auto *form = new Form;
  QMdiSubWindow *window = main.Add_Child(form);
  form->Form_Load(window, main.Width_Twips(), main.Height_Twips());
  return window;
}

Window_Factory File_Dialog(const File_Dialog_Member &member) {
  return [&member](MDImain &main) { return Open_File_Dialog(member, main.Mdi_Area()); };
}

QWidget *Open_frmAbout(MDImain &main) {
  auto *form = new frmAbout;
  QMdiSubWindow *window = main.Add_Child(form);
  form->Form_Load(window, main.Scale_Width(), main.Scale_Height());
  window->show();
  return window;
}

}  // namespace

void Register_Windows(Window_Registry &registry) {
  // Editors.
  registry.Register(win::frm_chann, &Open_Editor<frm_chann>);
  registry.Register(win::frm_FM, &Open_Editor<frm_FM>);
  registry.Register(win::frm_option, &Open_Editor<frm_option>);
  registry.Register(win::frm_dtmf, &Open_Editor<frm_dtmf>);
  registry.Register(win::frm_2tone, &Open_Editor<frm_2tone>);
  registry.Register(win::frm_5tone, &Open_Editor<frm_5tone>);
  registry.Register(win::frm_Adj_Txp, &Open_Editor<frm_Adj_Txp>);
  registry.Register(win::Form_Write_PassWord, &Open_Editor<Form_Write_PassWord>);
  // Whole-radio read and write.
  registry.Register(win::Form_Comm_Read, &Open_Whole_Radio<Form_Comm_Read>);
  registry.Register(win::Form_Comm_Write, &Open_Whole_Radio<Form_Comm_Write>);
  // File dialogs; all but the image-file open dialog are windows of their
  // own.
  registry.Register(win::Form_open_chann, File_Dialog(kForm_open_chann));
  registry.Register(win::Form_save_chann, File_Dialog(kForm_save_chann));
  registry.Register(win::Form_open_adj, File_Dialog(kForm_open_adj));
  registry.Register(win::Form_save_adj, File_Dialog(kForm_save_adj));
  registry.Register(win::Form_open_sig, File_Dialog(kForm_open_sig));
  registry.Register(win::Form_save_sig, File_Dialog(kForm_save_sig));
  registry.Register(win::Form_open_menu, File_Dialog(kForm_open_menu));
  registry.Register(win::Form_save_menu, File_Dialog(kForm_save_menu));
  // Port dialog and about box.
  registry.Register(win::Form_setup, &Open_Form_setup);
  registry.Register(win::frmAbout, &Open_frmAbout);
}

}  // namespace zv
