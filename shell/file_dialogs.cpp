#include "shell/file_dialogs.h"

#include "shell/file_messages.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStorageInfo>
#include <QtGlobal>

#include <unistd.h>

#include "image/dat_file.h"
#include "image/shared_state.h"
#include "platform/message_box.h"

namespace zv {

// ---------------------------------------------------------------- members

const File_Dialog_Member kForm_open_chann = {
    "Form_open_chann", "Open File", "打开文件", "Open File:", "打开文件名：", ".dat",
    "Open the file name is nullity ", "打开文件名无效 ",
    "Nullity file suffix name.", "无效的文件后缀名！",
    File_Dialog_Action::Open_Image, false, false, true};

const File_Dialog_Member kForm_save_chann = {
    "Form_save_chann", "Save File", "保存文件", "Save File:", "保存文件名：", ".dat",
    "Store the file name is nullity. ", "保存文件所需要的文件名无效 ",
    "Advice don't modify file suffix name of system default ！", "建议不要修改系统默认的文件后缀名！",
    File_Dialog_Action::Save_Image, true, false, true};

const File_Dialog_Member kForm_open_adj = {
    "Form_open_adj", "Open Adjust File", "打开调整参数文件", "Open File:", "打开文件名：", ".adj",
    "Open the file name of channel parameter is nullity ", "打开信道参数文件名无效 ",
    "Nullity file suffix name of adjust parameter.", "无效的调整参数文件后缀名！",
    File_Dialog_Action::Raise_Open_Pending, true, true, false};

const File_Dialog_Member kForm_save_adj = {
    "Form_save_adj", "Save Adjust File", "保存调整参数文件", "Save File:", "保存文件名：", ".adj",
    "Store the file name of adjust parameter need is nullity. ", "保存调整参数所需要的文件名无效 ",
    "Advice don't modify file suffix name of system default ！", "建议不要修改系统默认的文件后缀名！",
    File_Dialog_Action::Raise_Save_Pending, true, true, false};

const File_Dialog_Member kForm_open_sig = {
    "Form_open_sig", "Open Signal File", "打开信令参数文件", "Open File:", "打开文件名：", ".sig",
    "Open the file name of Signal parameter is nullity. ", "打开信令参数文件名无效 ",
    "Nullity file suffix name of Signal parameter.", "无效的信令参数文件后缀名！",
    File_Dialog_Action::Raise_Dlg_Open, true, true, false};

const File_Dialog_Member kForm_save_sig = {
    "Form_save_sig", "Save Signal File ", "保存信令参数文件", "Save File:", "保存文件名：", ".sig",
    "Store the file name of Signal parameter need is nullity.", "保存信令参数所需要的文件名无效 ",
    "Advice don't modify file suffix name of system default.", "建议不要修改系统默认的文件后缀名！",
    File_Dialog_Action::Raise_Dlg_Save, true, true, false};

const File_Dialog_Member kForm_open_menu = {
    "Form_open_menu", "Open Menu File", "打开菜单文件", "Open File:", "打开文件名：", ".menu",
    "The menu file name is not valid.", "菜单文件名无效 ！",
    "A menu file name ends in .menu.", "菜单文件名须以 .menu 结尾 ！",
    File_Dialog_Action::Raise_Dlg_Open, true, true, false};

const File_Dialog_Member kForm_save_menu = {
    "Form_save_menu", "Save Menu File", "保存菜单文件", "Save File:", "保存文件名：", ".menu",
    "The menu file name is not valid.", "菜单文件名无效 ！",
    "A menu file name ends in .menu.", "菜单文件名须以 .menu 结尾 ！",
    File_Dialog_Action::Raise_Dlg_Save, true, true, false};

// ------------------------------------------------------------- name check

Name_Verdict Check_File_Name(const QString &typed, const QString &suffix, QString *name) {
  // Blanks only, as typed; other white space stays part of the name.
  qsizetype first = 0, last = typed.size();
  while (first < last && typed[first] == u' ') ++first;
  while (last > first && typed[last - 1] == u' ') --last;
  const QString n = typed.mid(first, last - first);
  if (name) *name = n;
  for (QChar c : n)
    if (c == u'*' || c == u'$' || c == u'/' || c == u'#' || c == u'\\') return Name_Verdict::Bad_Char;
  if (n.size() < suffix.size()) return Name_Verdict::Bad_Suffix;
  const QString end = n.right(suffix.size());
  if (end != suffix.toLower() && end != suffix.toUpper()) return Name_Verdict::Bad_Suffix;
  return Name_Verdict::Ok;
}

// ----------------------------------------------------------------- window

namespace {

constexpr int kPathRole = Qt::UserRole;

QString Join_Path(const QString &dir, const QString &name) {
  return dir.endsWith(u'/') ? dir + name : dir + u'/' + name;
}

// The nearest directory at or above path that is still there; empty when
// path is not absolute.
QString Nearest_Existing(QString path) {
  if (!QDir::isAbsolutePath(path)) return {};
  for (path = QDir::cleanPath(path);; path = QFileInfo(path).path()) {
    if (QFileInfo(path).isDir()) return path;
    if (QDir(path).isRoot() || path == QFileInfo(path).path()) return {};
  }
}

// The directory the dialogs start on: the working directory. When it has
// gone (removed, or its drive unmounted), the system no longer gives its
// path, but the kernel's link to it ("<path> (deleted)") and the shell's PWD
// still name it: then its nearest parent that is still there, else the home
// directory.
QString Start_Directory() {
  const QString cwd = QDir::currentPath();
  if (!cwd.isEmpty() && QFileInfo(cwd).isDir()) return QDir::cleanPath(cwd);
  QStringList names;
  char link[4096];
  const ssize_t n = ::readlink("/proc/self/cwd", link, sizeof link - 1);
  if (n > 0) {
    QString name = QString::fromLocal8Bit(link, n);
    const QString deleted = QStringLiteral(" (deleted)");
    if (name.endsWith(deleted)) name.chop(deleted.size());
    names << name;
  }
  names << qEnvironmentVariable("PWD");
  for (const QString &name : names) {
    const QString dir = Nearest_Existing(name);
    if (!dir.isEmpty()) return dir;
  }
  return QDir::homePath();
}


QString Prompt_Title(bool chinese) {
  return chinese ? QStringLiteral("操作提示") : QStringLiteral("Operate prompt");
}

}  // namespace

File_Name_Dialog::File_Name_Dialog(const File_Dialog_Member &member, QWidget *parent)
    : QWidget(parent), member_(member) {
  setObjectName(QString::fromLatin1(member.name));
  setAttribute(Qt::WA_DeleteOnClose);

  Label_drive = new QLabel(this);
  Drive1 = new QComboBox(this);
  Dir1 = new QListWidget(this);
  File1 = new QListWidget(this);
  Label_name = new QLabel(this);
  Text1 = new QLineEdit(Pattern(), this);
  Command_enter = new QPushButton(this);
  Command_close = new QPushButton(this);
  Drive1->setObjectName(QStringLiteral("Drive1"));
  Dir1->setObjectName(QStringLiteral("Dir1"));
  File1->setObjectName(QStringLiteral("File1"));
  Text1->setObjectName(QStringLiteral("Text1"));
  Command_enter->setObjectName(QStringLiteral("Command_enter"));
  Command_close->setObjectName(QStringLiteral("Command_close"));
  Command_enter->setAutoDefault(true);

  auto *grid = new QGridLayout(this);
  grid->addWidget(Label_drive, 0, 0);
  grid->addWidget(Drive1, 0, 1);
  grid->addWidget(Dir1, 1, 0, 1, 2);
  grid->addWidget(File1, 0, 2, 2, 2);
  grid->addWidget(Label_name, 2, 0);
  grid->addWidget(Text1, 2, 1, 1, 3);
  grid->addWidget(Command_enter, 3, 2);
  grid->addWidget(Command_close, 3, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);

  connect(Drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
  connect(Dir1, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
    Set_Dir_Path(item->data(kPathRole).toString());
  });
  connect(File1, &QListWidget::itemClicked, this, [this] { File1_Click(); });
  // Moving through the list with the keys chooses as a click does.
  connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
    if (!File1->selectedItems().isEmpty()) File1_Click();
  });
  connect(Text1, &QLineEdit::returnPressed, this, [this] { Command_enter_Click(); });
  connect(Command_enter, &QPushButton::clicked, this, [this] { Command_enter_Click(); });
  connect(Command_close, &QPushButton::clicked, this, [this] { Command_close_Click(); });

  // The program never changes its working directory, so every dialog starts
  // on the directory the program was started in, or, where that has gone,
  // on the nearest directory the lists can show.
  Fill_Drives();
  if (!Set_Dir_Path(Start_Directory()) && !Set_Dir_Path(QDir::homePath()))
    Set_Dir_Path(QDir::rootPath());
}

QString File_Name_Dialog::Text(const char *en, const char *cn) const {
  return Shared().Lang_Chinese ? QString::fromUtf8(cn) : QString::fromUtf8(en);
}

QString File_Name_Dialog::Pattern() const { return u'*' + QString::fromLatin1(member_.suffix); }

void File_Name_Dialog::Form_Load() {
  setWindowTitle(Text(member_.title_en, member_.title_cn));
  Label_drive->setText(Text("Drive:", "驱动器："));
  Label_name->setText(Text(member_.label_en, member_.label_cn));
  Command_enter->setText(Text("Confirm", "确  定"));
  Command_close->setText(Text("Cancel", "取  消"));
  if (member_.shows_itself) show();
}

void File_Name_Dialog::Fill_Drives() {
  QStringList roots;
  for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
      roots << volume.rootPath();
  const QString home_root = QStorageInfo(QDir::currentPath()).rootPath();
  if (!home_root.isEmpty() && !roots.contains(home_root)) roots << home_root;
  roots.sort();
  const QSignalBlocker block(Drive1);
  Drive1->clear();
  for (const QString &root : roots) Drive1->addItem(root, root);
}

void File_Name_Dialog::Show_Drive_Of(const QString &path) {
  const QString root = QStorageInfo(path).rootPath();
  const QSignalBlocker block(Drive1);
  int index = Drive1->findData(root);
  if (index < 0 && !root.isEmpty()) {
    Drive1->addItem(root, root);
    index = Drive1->count() - 1;
  }
  Drive1->setCurrentIndex(index);
}

bool File_Name_Dialog::Set_Dir_Path(const QString &path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isDir()) return false;
  dir_path_ = QDir::cleanPath(info.absoluteFilePath());

  const QSignalBlocker block(Dir1);
  Dir1->clear();
  // The parents from the root down, then the directory itself, then its
  // subdirectories, indented like a tree.
  QStringList chain;
  for (QDir d(dir_path_);; ) {
    chain.prepend(d.absolutePath());
    if (d.isRoot() || !d.cdUp()) break;
  }
  int depth = 0;
  for (const QString &p : chain) {
    const QString label = QDir(p).isRoot() ? p : QFileInfo(p).fileName();
    auto *item = new QListWidgetItem(QString(depth * 2, u' ') + label, Dir1);
    item->setData(kPathRole, p);
    ++depth;
  }
  Dir1->setCurrentRow(Dir1->count() - 1);
  // A directory that cannot be read lists nothing; its parents stay there to
  // move on from.
  const QStringList subdirs =
      QDir(dir_path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString &sub : subdirs) {
    auto *item = new QListWidgetItem(QString(depth * 2, u' ') + sub, Dir1);
    item->setData(kPathRole, Join_Path(dir_path_, sub));
  }
  Show_Drive_Of(dir_path_);
  Dir1_Change();
  return true;
}

void File_Name_Dialog::Drive1_Change() {
  const QString root = Drive1->currentData().toString();
  // Picking the drive that is already chosen changes nothing.
  if (root == QStorageInfo(dir_path_).rootPath()) return;
  // A drive that cannot be read leaves the lists where they were.
  if (!Set_Dir_Path(root)) Show_Drive_Of(dir_path_);
}

void File_Name_Dialog::Dir1_Change() {
  const QSignalBlocker block(File1);
  File1->clear();
  QDir dir(dir_path_);
  dir.setNameFilters({Pattern()});  // without regard to case
  dir.setFilter(QDir::Files);
  dir.setSorting(QDir::Name | QDir::IgnoreCase);
  File1->addItems(dir.entryList());
}

void File_Name_Dialog::File1_Click() {
  if (QListWidgetItem *item = File1->currentItem()) Text1->setText(item->text());
}

void File_Name_Dialog::Close_Window() {
  // A child window closes its frame, which takes the dialog with it.
  if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
    frame->close();
  else
    close();
}

void File_Name_Dialog::Command_close_Click() { Close_Window(); }

void File_Name_Dialog::Command_enter_Click() {
  const bool chinese = Shared().Lang_Chinese;
  QString name;
  switch (Check_File_Name(Text1->text(), QString::fromLatin1(member_.suffix), &name)) {
    case Name_Verdict::Bad_Char:
      Message_Box(Text(member_.bad_name_en, member_.bad_name_cn), Prompt_Title(chinese));
      return;
    case Name_Verdict::Bad_Suffix:
      Message_Box(Text(member_.bad_suffix_en, member_.bad_suffix_cn), Prompt_Title(chinese));
      return;
    case Name_Verdict::Ok:
      break;
  }
  const QString path = Join_Path(dir_path_, name);
  const std::string file = path.toStdString();
  Shared_State &s = Shared();
  s.Dlg_File_Name = file;
  QPointer<File_Name_Dialog> self(this);
  switch (member_.action) {
    case File_Dialog_Action::Open_Image: {
      s.Open_Pending.Clear();
      const Dat_Result r = Load_Image_File(file, s.Radio_Image);
      if (!r.Ok()) {
        // The dialog stays open for another choice.
        Message_Box(Number_File_Fault_Text(path, r, chinese, kImage_File_Kind), Prompt_Title(chinese));
        return;
      }
      Message_Box(Text("Succeed fold the parameter from file.", "参数从文件调入成功 ！"),
                  Prompt_Title(chinese));
      break;
    }
    case File_Dialog_Action::Save_Image: {
      s.Save_Pending.Clear();
      const Dat_Result r = Save_Image_File(file, s.Radio_Image);
      if (!r.Ok()) {
        Message_Box(Number_File_Fault_Text(path, r, chinese, kImage_File_Kind), Prompt_Title(chinese));
        return;
      }
      Message_Box(Text("Complete storing  parameter.", "参数保存完毕 ！"), Prompt_Title(chinese));
      break;
    }
    case File_Dialog_Action::Raise_Open_Pending:
      s.Open_Pending.Raise(file);
      break;
    case File_Dialog_Action::Raise_Save_Pending:
      s.Save_Pending.Raise(file);
      break;
    case File_Dialog_Action::Raise_Dlg_Open:
      s.Dlg_Open_Flag.Raise(file);
      break;
    case File_Dialog_Action::Raise_Dlg_Save:
      s.Dlg_Save_Flag.Raise(file);
      break;
  }
  // The message box may have let the window be closed meanwhile.
  if (self) Close_Window();
}

QWidget *Open_File_Dialog(const File_Dialog_Member &member, QMdiArea *area) {
  auto *form = new File_Name_Dialog(member);
  if (!member.own_window && area) {
    QMdiSubWindow *window = area->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    form->Form_Load();
    window->adjustSize();
    window->setFixedSize(window->sizeHint());
    window->show();
    return window;
  }
  form->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
  form->Form_Load();
  form->adjustSize();
  if (!member.sizable) form->setFixedSize(form->sizeHint());
  if (QScreen *screen = QGuiApplication::primaryScreen()) {
    QRect frame = form->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    form->move(frame.topLeft());
  }
  form->show();
  return form;
}

}  // namespace zv
