// The family of file-name dialogs: one window with a drive list, a directory
// list, a file list, a name box and its check, whose members differ only by
// their texts, their file suffix and what a confirmed name does.
//
// Members: the image-file dialogs Form_open_chann / Form_save_chann (they
// read or write the ".dat" file themselves), the alignment-file dialogs
// Form_open_adj / Form_save_adj (they raise Open_Pending / Save_Pending for
// the alignment editor), and the ".sig" and ".menu" pairs (they raise
// Dlg_Open_Flag / Dlg_Save_Flag for the 5-tone editor; nothing shows them).
//
// Every member hands over the full path of the chosen file (the directory
// shown in the directory list, "/", the name), and a raised flag keeps that
// path with it (Pending_File), so that another dialog used before the poller
// acts cannot change which file is read or overwritten.
#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMdiArea;
class QPushButton;

namespace zv {

// The verdict of the name check.
enum class Name_Verdict { Ok, Bad_Char, Bad_Suffix };

// The name check of the family: the typed text less its leading and trailing
// blanks (into *name) must hold none of "*", "$", "/", "#" and the backslash,
// and its last characters must be suffix exactly, in lower case or in upper
// case (".dat" or ".DAT"; ".Dat" fails). The character test comes first.
Name_Verdict Check_File_Name(const QString &typed, const QString &suffix, QString *name);

// What a confirmed name does.
enum class File_Dialog_Action {
  Open_Image,          // read the ".dat" file into the image
  Save_Image,          // write the image into the ".dat" file
  Raise_Open_Pending,  // hand the name to the alignment editor's open
  Raise_Save_Pending,  // ... and its save
  Raise_Dlg_Open,      // hand the name to the 5-tone editor's open
  Raise_Dlg_Save,      // ... and its save
};

struct File_Dialog_Member {
  const char *name;  // window name, "Form_open_chann" ...
  const char *title_en, *title_cn;
  const char *label_en, *label_cn;  // caption of Label_name
  const char *suffix;               // ".dat"; the upper-case form passes too
  const char *bad_name_en, *bad_name_cn;
  const char *bad_suffix_en, *bad_suffix_cn;
  File_Dialog_Action action;
  bool own_window;    // a window of its own centred on the screen, else a child window
  bool sizable;       // sizable border, else fixed
  bool shows_itself;  // Form_Load shows the window; else the caller shows it
};

extern const File_Dialog_Member kForm_open_chann;
extern const File_Dialog_Member kForm_save_chann;
extern const File_Dialog_Member kForm_open_adj;
extern const File_Dialog_Member kForm_save_adj;
extern const File_Dialog_Member kForm_open_sig;
extern const File_Dialog_Member kForm_save_sig;
extern const File_Dialog_Member kForm_open_menu;
extern const File_Dialog_Member kForm_save_menu;

class File_Name_Dialog : public QWidget {
  Q_OBJECT

 public:
  explicit File_Name_Dialog(const File_Dialog_Member &member, QWidget *parent = nullptr);

  const File_Dialog_Member &Member() const { return member_; }

  // Sets the window title and captions from Lang_Chinese; the members that
  // show themselves then show the window (not modal).
  void Form_Load();

  // The path of the directory shown in Dir1 (Dir1.Path).
  QString Dir_Path() const { return dir_path_; }
  // Moves the directory list to path and runs Dir1_Change. A directory that
  // does not exist leaves the lists as they are and returns false; one that
  // cannot be read is shown with its parents and no contents.
  bool Set_Dir_Path(const QString &path);

  // --- handlers ---
  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  void Command_enter_Click();
  void Command_close_Click();

  // --- controls ---
  QLabel *Label_drive = nullptr;
  QComboBox *Drive1 = nullptr;   // mounted file systems, item data: root path
  QListWidget *Dir1 = nullptr;   // parents of the directory, then its subdirectories
  QListWidget *File1 = nullptr;  // files of the directory that match the pattern
  QLabel *Label_name = nullptr;
  QLineEdit *Text1 = nullptr;
  QPushButton *Command_enter = nullptr;
  QPushButton *Command_close = nullptr;

 private:
  void Close_Window();
  void Fill_Drives();
  void Show_Drive_Of(const QString &path);
  QString Text(const char *en, const char *cn) const;
  QString Pattern() const;

  const File_Dialog_Member &member_;
  QString dir_path_;
};

// Creates and loads a member: the child members inside area (the dialog's
// QMdiSubWindow is returned), the others as windows of their own centred on
// the screen (the dialog itself is returned). Every window is deleted when it
// closes. The members that do not show themselves are shown here too.
QWidget *Open_File_Dialog(const File_Dialog_Member &member, QMdiArea *area);

}  // namespace zv
