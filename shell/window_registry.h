// One registry for every window that the main window or another window opens
// by name: which factory makes it, whether it is open, and the three window
// operations open, reopen and close.
//
// A window is open from its creation until it has been closed. Windows close,
// they never just hide; a closed window is deleted once control is back in the
// event loop, and a window of the same name can be opened at once meanwhile.
#pragma once

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>
#include <functional>

namespace zv {

class MDImain;

// Window names, as used by the menus, the toolbar and the other windows.
namespace win {
inline const QString frm_chann = QStringLiteral("frm_chann");
inline const QString frm_FM = QStringLiteral("frm_FM");
inline const QString frm_option = QStringLiteral("frm_option");
inline const QString frm_dtmf = QStringLiteral("frm_dtmf");
inline const QString frm_2tone = QStringLiteral("frm_2tone");
inline const QString frm_5tone = QStringLiteral("frm_5tone");
inline const QString frm_Adj_Txp = QStringLiteral("frm_Adj_Txp");
inline const QString Form_Write_PassWord = QStringLiteral("Form_Write_PassWord");
inline const QString Form_Comm_Read = QStringLiteral("Form_Comm_Read");
inline const QString Form_Comm_Write = QStringLiteral("Form_Comm_Write");
inline const QString Form_open_chann = QStringLiteral("Form_open_chann");
inline const QString Form_save_chann = QStringLiteral("Form_save_chann");
inline const QString Form_open_adj = QStringLiteral("Form_open_adj");
inline const QString Form_save_adj = QStringLiteral("Form_save_adj");
inline const QString Form_open_sig = QStringLiteral("Form_open_sig");
inline const QString Form_save_sig = QStringLiteral("Form_save_sig");
inline const QString Form_open_menu = QStringLiteral("Form_open_menu");
inline const QString Form_save_menu = QStringLiteral("Form_save_menu");
inline const QString Form_setup = QStringLiteral("Form_setup");
inline const QString frmAbout = QStringLiteral("frmAbout");
}  // namespace win

// Creates a window and loads it: its load handler sizes and places it and
// shows it. Returns the window: for a child window the QMdiSubWindow that
// MDImain::Add_Child returned, for a window of its own the top-level widget,
// which must have Qt::WA_DeleteOnClose set. nullptr when nothing was created.
using Window_Factory = std::function<QWidget *(MDImain &main)>;

class Window_Registry {
 public:
  explicit Window_Registry(MDImain &main) : main_(main) {}

  // Sets the factory of a name, replacing an earlier one.
  void Register(const QString &name, Window_Factory factory);

  // The open window of that name; nullptr when it is not open.
  QWidget *Window(const QString &name) const;
  // The form inside the open window (the widget of a child window's
  // QMdiSubWindow, else the window itself); nullptr when not open.
  QWidget *Form(const QString &name) const;
  template <class T>
  T *Form_As(const QString &name) const {
    return qobject_cast<T *>(Form(name));
  }
  bool Is_Open(const QString &name) const { return Window(name) != nullptr; }

  // Creates and loads the window unless it is open; an open window is left
  // unchanged. Returns the window.
  QWidget *Open(const QString &name);
  // Opens the window if it is not open; an open one keeps its state and
  // comes to the front: a child window becomes the active child window (its
  // Form_Activate runs unless it was the active one), a window of its own is
  // raised and activated. Returns the window.
  QWidget *Show(const QString &name);
  // Closes the window if it is open (its close handler runs), then opens it
  // anew.
  QWidget *Reopen(const QString &name);
  // Closes the window if it is open; nothing otherwise.
  void Close(const QString &name);

 private:
  MDImain &main_;
  QHash<QString, Window_Factory> factories_;
  QHash<QString, QPointer<QWidget>> windows_;
  QSet<QString> loading_;
};

// Fills the registry with the factory of every window. The one place that
// maps a window name to the code that makes it.
void Register_Windows(Window_Registry &registry);

}  // namespace zv
