// The main window MDImain: menus, toolbar and a 15-panel status bar around
// an area of child windows. It opens every other window through its window
// registry and owns the identification cycle.
#pragma once

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

#include "comm/identify.h"
#include "comm/status_panels.h"
#include "platform/twips.h"
#include "shell/window_registry.h"

class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace zv {

class MDImain : public QMainWindow, public Status_Panels {
  Q_OBJECT

 public:
  static constexpr int kPanel_Count = 15;

  explicit MDImain(QWidget *parent = nullptr);
  ~MDImain() override;

  // The main window of the running program; nullptr before it is made.
  static MDImain *Instance();

  // --- controls ---
  QMdiArea *Mdi_Area() const { return mdi_area_; }
  QToolBar *Toolbar1() const { return toolbar_; }
  // A menu entry by its name ("File_save", "Prog_read", "sig_edit", ...);
  // nullptr for an unknown name. A submenu's entry is its menuAction().
  QAction *Menu(const QString &name) const { return menus_.value(name); }
  // The Enabled state of a menu entry as set. Qt shows a hidden entry as
  // disabled whatever was set, so hidden entries keep their state here.
  bool Menu_Enabled(const QString &name) const;
  void Set_Menu_Enabled(const QString &name, bool enabled);
  // Status panel 1..15.
  QLabel *Panel(int panel) const;
  QString Panel_Text(int panel) const;
  void Set_Panel_Text(int panel, const QString &text) override;
  // sig_edit, sys_edit, chann_edit and fm_chann_edit enabled (after every
  // valid identification answer).
  void Enable_Edit_Menus();

  Window_Registry &Windows() { return *registry_; }
  Identify_Cycle &Identify() { return *identify_; }

  // Sizes in twips: the outer width and height, and the inner (client) width
  // and height of the child-window area.
  double Width_Twips() const;
  double Height_Twips() const;
  double Scale_Width() const;
  double Scale_Height() const;
  // The four of them, as a window's load handler takes them.
  Main_Sizing Sizing() const;

  // Adds a form as a child window and returns its window. Both are deleted
  // when the window closes. A form that is an Activated_Form has its
  // Form_Activate run on each activation of the window.
  QMdiSubWindow *Add_Child(QWidget *form);

  // The window registry brackets every load handler with these: an
  // activation during loading (the window is shown inside its load handler)
  // runs its Form_Activate only once the outermost load has returned.
  void Begin_Load();
  void End_Load();

  // --- start-up pieces (the start-up sequence calls them in its order) ---
  // Panel k gets p_k % of the screen width.
  void Set_Panel_Widths();
  // The English captions, check marks, panel labels and title of start-up.
  void Apply_Startup_Captions();
  // Width and height of the screen, then shown. Where a window manager
  // draws a frame, the outer size, frame included, is the screen's.
  void Fill_Screen_And_Show();

  // --- handlers ---
  void File_Open_Click();
  void File_save_Click();
  void File_saveas_Click();
  void File_exit_Click();
  void fm_chann_edit_Click();
  void chann_edit_Click();
  void sys_edit_Click();
  void Sig_dtmf_Click();
  void Sig_2tone_Click();
  void Sig_5tone_Click();
  void frm_adj_Click();
  void Prog_read_Click();
  void Prog_write_Click();
  void PC_PassWord_Click();
  void proc_setup_Click();
  void Language_chn_Click();
  void Language_eng_Click();
  void about_Click();
  void Menu_Exit_Click();
  // Runs the action of the toolbar button with this key.
  void Toolbar1_ButtonClick(const QString &key);

 protected:
  void closeEvent(QCloseEvent *event) override;
  void moveEvent(QMoveEvent *event) override;

 private:
  // Sizes the window so that its frame fits the screen; false while the
  // window has no frame yet.
  bool Fit_Frame_To_Screen();
  void Build_Menus();
  void Build_Toolbar();
  void Build_Status_Bar();
  // Captions of the menus and panel labels that both language switches set.
  void Apply_Language_Captions(bool chinese);
  // The area's active child window changed (nullptr: none is active).
  void Child_Activated(QMdiSubWindow *window);
  void Run_Form_Activate(QMdiSubWindow *window);

  QMdiArea *mdi_area_ = nullptr;
  bool fit_frame_pending_ = false;  // the frame is fitted to the screen once it appears
  QToolBar *toolbar_ = nullptr;
  QHash<QString, QAction *> menus_;
  std::array<QLabel *, kPanel_Count> panels_{};
  std::unique_ptr<Window_Registry> registry_;
  std::unique_ptr<Identify_Cycle> identify_;
  // The child window activated last; the same one again is no activation.
  QPointer<QMdiSubWindow> active_child_;
  bool closing_children_ = false;
  int loading_depth_ = 0;
  bool activation_deferred_ = false;
};

}  // namespace zv
