// The file-name dialog family: the name check, what Confirm does in each
// member, the lists, and the hand-over of names to the editors' pollers.
#include <gtest/gtest.h>

#include "support/file_test_dir.h"
#include "support/random_image.h"
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>

#include "image/adj_file.h"
#include "image/dat_file.h"
#include "image/shared_state.h"
#include "image/sig_file.h"
#include "platform/message_box.h"
#include "shell/file_dialogs.h"
#include "shell/file_messages.h"

namespace zv {
namespace {

struct Name_Case {
  const char *typed;
  const char *suffix;
  Name_Verdict verdict;
  const char *name;  // the name taken, for Ok
};

TEST(Check_File_Name, EdgeCases) {
  const Name_Case cases[] = {
      {"*.dat", ".dat", Name_Verdict::Bad_Char, nullptr},
      {"  radio.dat  ", ".dat", Name_Verdict::Ok, "radio.dat"},
      {"my file.dat", ".dat", Name_Verdict::Ok, "my file.dat"},
      {"a#b.txt", ".dat", Name_Verdict::Bad_Char, nullptr},  // character test first
      {"a$.dat", ".dat", Name_Verdict::Bad_Char, nullptr},
      {"dir/a.dat", ".dat", Name_Verdict::Bad_Char, nullptr},
      {"dir\\a.dat", ".dat", Name_Verdict::Bad_Char, nullptr},
      {"c:a?.dat", ".dat", Name_Verdict::Ok, "c:a?.dat"},  // colon and question mark pass
      {"radio.Dat", ".dat", Name_Verdict::Bad_Suffix, nullptr},
      {"radio.dat1", ".dat", Name_Verdict::Bad_Suffix, nullptr},
      {"RADIO.DAT", ".dat", Name_Verdict::Ok, "RADIO.DAT"},
      {".dat", ".dat", Name_Verdict::Ok, ".dat"},
      {"", ".dat", Name_Verdict::Bad_Suffix, nullptr},
      {"   ", ".dat", Name_Verdict::Bad_Suffix, nullptr},
      {"a", ".dat", Name_Verdict::Bad_Suffix, nullptr},
      {"dat", ".dat", Name_Verdict::Bad_Suffix, nullptr},
      // The alignment-file members.
      {"*.adj", ".adj", Name_Verdict::Bad_Char, nullptr},
      {"radio.dat", ".adj", Name_Verdict::Bad_Suffix, nullptr},
      {" cal.ADJ", ".adj", Name_Verdict::Ok, "cal.ADJ"},
      {"cal.Adj", ".adj", Name_Verdict::Bad_Suffix, nullptr},
      // A five-character suffix is compared over its own length.
      {"x.menu", ".menu", Name_Verdict::Ok, "x.menu"},
      {"x.MENU", ".menu", Name_Verdict::Ok, "x.MENU"},
      {"x.enu", ".menu", Name_Verdict::Bad_Suffix, nullptr},
  };
  for (const Name_Case &c : cases) {
    SCOPED_TRACE(c.typed);
    QString name;
    EXPECT_EQ(Check_File_Name(QString::fromUtf8(c.typed), QString::fromLatin1(c.suffix), &name),
              c.verdict);
    if (c.name) {
      EXPECT_EQ(name, QString::fromUtf8(c.name));
    }
  }
}

using test::Random_Image;
using test::Read_All;
using test::Write_All;

// Runs every test in a fresh working directory with a message recorder and
// fresh file-dialog state.
class File_Dialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    old_cwd_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    Set_Message_Service(&messages_);
    area_.show();
    Shared_State &s = Shared();
    s.Lang_Chinese = false;
    s.Dlg_File_Name.clear();
    s.Open_Pending = {};
    s.Save_Pending = {};
    s.Dlg_Open_Flag = {};
    s.Dlg_Save_Flag = {};
  }
  void TearDown() override {
    Set_Message_Service(nullptr);
    QDir::setCurrent(old_cwd_);
    QApplication::processEvents();
  }
  QString Path(const QString &name) const { return QDir::cleanPath(dir_.path()) + u'/' + name; }
  // Types name and presses Confirm in a dialog that is open; returns whether
  // the dialog is still open afterwards.
  bool Confirm(File_Name_Dialog *dlg, const QString &name) {
    QPointer<File_Name_Dialog> p(dlg);
    dlg->Text1->setText(name);
    dlg->Command_enter_Click();
    QApplication::processEvents();
    return p && p->isVisible();
  }
  File_Name_Dialog *Open(const File_Dialog_Member &m) {
    QWidget *w = Open_File_Dialog(m, &area_);
    auto *dlg = qobject_cast<File_Name_Dialog *>(w);
    if (!dlg) dlg = qobject_cast<File_Name_Dialog *>(qobject_cast<QMdiSubWindow *>(w)->widget());
    return dlg;
  }

  QTemporaryDir dir_;
  QString old_cwd_;
  Message_Recorder messages_;
  QMdiArea area_;
};

struct Member_Case {
  const File_Dialog_Member *member;
  const char *title;
  const char *bad_name;
  const char *bad_suffix;
  const char *good_name;
};

TEST_F(File_Dialogs, RefusedNamesChangeNothingAndKeepTheDialogOpen) {
  const Member_Case cases[] = {
      {&kForm_open_chann, "Open File", "Open the file name is nullity ", "Nullity file suffix name.",
       "x.dat"},
      {&kForm_save_chann, "Save File", "Store the file name is nullity. ",
       "Advice don't modify file suffix name of system default ！", "x.dat"},
      {&kForm_open_adj, "Open Adjust File", "Open the file name of channel parameter is nullity ",
       "Nullity file suffix name of adjust parameter.", "x.adj"},
      {&kForm_save_adj, "Save Adjust File",
       "Store the file name of adjust parameter need is nullity. ",
       "Advice don't modify file suffix name of system default ！", "x.adj"},
      {&kForm_open_sig, "Open Signal File", "Open the file name of Signal parameter is nullity. ",
       "Nullity file suffix name of Signal parameter.", "x.sig"},
      {&kForm_save_sig, "Save Signal File ", "Store the file name of Signal parameter need is nullity.",
       "Advice don't modify file suffix name of system default.", "x.sig"},
      {&kForm_open_menu, "Open Menu File", nullptr, nullptr, "x.menu"},
      {&kForm_save_menu, "Save Menu File", nullptr, nullptr, "x.menu"},
  };
  const Radio_Image_Table image = Random_Image(1);
  Shared().Radio_Image = image;
  for (const Member_Case &c : cases) {
    SCOPED_TRACE(c.member->name);
    File_Name_Dialog *dlg = Open(*c.member);
    EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(dlg->Text1->text(), u'*' + QString::fromLatin1(c.member->suffix));
    messages_.shown.clear();

    // Confirm at once: the pattern in the box holds "*".
    dlg->Command_enter_Click();
    ASSERT_EQ(messages_.shown.size(), 1u);
    if (c.bad_name) {
      EXPECT_EQ(messages_.shown[0].text, QString::fromUtf8(c.bad_name));
    }
    EXPECT_EQ(messages_.shown[0].title, QStringLiteral("Operate prompt"));
    EXPECT_EQ(messages_.shown[0].icon, Msg_Icon::Warning);

    EXPECT_TRUE(Confirm(dlg, QStringLiteral("name.txt")));
    ASSERT_EQ(messages_.shown.size(), 2u);
    if (c.bad_suffix) {
      EXPECT_EQ(messages_.shown[1].text, QString::fromUtf8(c.bad_suffix));
    }
    EXPECT_NE(messages_.shown[1].text, messages_.shown[0].text);
    EXPECT_EQ(dlg->Text1->text(), QStringLiteral("name.txt"));

    const Shared_State &s = Shared();
    EXPECT_TRUE(s.Dlg_File_Name.empty());
    EXPECT_FALSE(s.Open_Pending.pending || s.Save_Pending.pending || s.Dlg_Open_Flag.pending ||
                 s.Dlg_Save_Flag.pending);
    EXPECT_TRUE(s.Radio_Image == image);
    EXPECT_FALSE(QFile::exists(Path(QString::fromLatin1(c.good_name))));
    dlg->Command_close_Click();
    QApplication::processEvents();
  }
}

TEST_F(File_Dialogs, NameMembersRaiseTheirOwnFlagWithTheFullPath) {
  struct Flag_Case {
    const File_Dialog_Member *member;
    Pending_File Shared_State::*flag;
    const char *name;
  };
  const Flag_Case cases[] = {
      {&kForm_open_adj, &Shared_State::Open_Pending, " cal.adj "},
      {&kForm_save_adj, &Shared_State::Save_Pending, "cal.ADJ"},
      {&kForm_open_sig, &Shared_State::Dlg_Open_Flag, "s.sig"},
      {&kForm_save_sig, &Shared_State::Dlg_Save_Flag, "s.SIG"},
      {&kForm_open_menu, &Shared_State::Dlg_Open_Flag, "m.menu"},
      {&kForm_save_menu, &Shared_State::Dlg_Save_Flag, "m.menu"},
  };
  for (const Flag_Case &c : cases) {
    SCOPED_TRACE(c.member->name);
    Shared_State &s = Shared();
    s.Open_Pending = s.Save_Pending = s.Dlg_Open_Flag = s.Dlg_Save_Flag = {};
    messages_.shown.clear();
    File_Name_Dialog *dlg = Open(*c.member);
    EXPECT_FALSE(Confirm(dlg, QString::fromUtf8(c.name)));  // closes at once
    EXPECT_TRUE(messages_.shown.empty());
    const std::string want = Path(QString::fromUtf8(c.name).trimmed()).toStdString();
    EXPECT_EQ(s.Dlg_File_Name, want);
    EXPECT_TRUE((s.*c.flag).pending);
    EXPECT_EQ((s.*c.flag).name, want);
    int raised = s.Open_Pending.pending + s.Save_Pending.pending + s.Dlg_Open_Flag.pending +
                 s.Dlg_Save_Flag.pending;
    EXPECT_EQ(raised, 1);
  }
}

TEST_F(File_Dialogs, ImageDialogsMeanwhileNeverRedirectAPendingAlignmentFile) {
  Shared().Radio_Image = Random_Image(2);
  ASSERT_TRUE(Save_Image_File(Path("image.dat").toStdString(), Shared().Radio_Image).Ok());

  EXPECT_FALSE(Confirm(Open(kForm_open_adj), QStringLiteral("cal.adj")));
  EXPECT_FALSE(Confirm(Open(kForm_save_adj), QStringLiteral("out.adj")));
  // The image-file dialogs of the same directions clear the flags...
  EXPECT_FALSE(Confirm(Open(kForm_save_chann), QStringLiteral("image.dat")));
  EXPECT_FALSE(Shared().Save_Pending.pending);
  EXPECT_TRUE(Shared().Open_Pending.pending);
  // ... and a pending open still names the alignment file, not the ".dat".
  EXPECT_EQ(Shared().Dlg_File_Name, Path("image.dat").toStdString());
  std::string name;
  ASSERT_TRUE(Shared().Open_Pending.Take(&name));
  EXPECT_EQ(name, Path("cal.adj").toStdString());
  EXPECT_FALSE(Shared().Open_Pending.Take(&name));

  EXPECT_FALSE(Confirm(Open(kForm_open_adj), QStringLiteral("cal.adj")));
  EXPECT_FALSE(Confirm(Open(kForm_open_chann), QStringLiteral("image.dat")));
  EXPECT_FALSE(Shared().Open_Pending.pending);
}

TEST_F(File_Dialogs, OpenLoadsAGoodFileAndRefusesABadOneWholly) {
  const Radio_Image_Table on_disk = Random_Image(3);
  ASSERT_TRUE(Save_Image_File(Path("good.dat").toStdString(), on_disk).Ok());
  QFile bad(Path("bad.DAT"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write(" 0  0  0  1  2  300 ");
  bad.close();

  const Radio_Image_Table before = Random_Image(4);
  Shared().Radio_Image = before;
  Shared().Open_Pending.Raise("x.adj");

  File_Name_Dialog *dlg = Open(kForm_open_chann);
  EXPECT_TRUE(Confirm(dlg, QStringLiteral("bad.DAT")));
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_TRUE(messages_.shown[0].text.contains(Path("bad.DAT")));
  EXPECT_TRUE(messages_.shown[0].text.contains(QStringLiteral("300")));
  EXPECT_TRUE(Shared().Radio_Image == before);

  EXPECT_TRUE(Confirm(dlg, QStringLiteral("missing.dat")));
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_TRUE(messages_.shown[1].text.contains(Path("missing.dat")));
  EXPECT_TRUE(Shared().Radio_Image == before);

  EXPECT_FALSE(Confirm(dlg, QStringLiteral("  good.dat ")));
  ASSERT_EQ(messages_.shown.size(), 3u);
  EXPECT_EQ(messages_.shown[2].text, QStringLiteral("Succeed fold the parameter from file."));
  EXPECT_EQ(Shared().Dlg_File_Name, Path("good.dat").toStdString());
  EXPECT_FALSE(Shared().Open_Pending.pending);
  for (int r = 0; r < kImageLines; ++r)
    for (int c = 0; c < 17; ++c)
      ASSERT_EQ(Shared().Radio_Image(r, c), c < 16 ? on_disk(r, c) : before(r, c));
}

TEST_F(File_Dialogs, EveryKindOfBadFileGivesOneMessageAndChangesNothing) {
  const std::string good = Image_File_Text(Random_Image(12));
  std::string garbage;
  std::mt19937 rng(13);
  for (int i = 0; i < 3000; ++i) garbage += static_cast<char>(rng());
  struct Bad {
    const char *name;
    std::string text;
    const char *in_message;  // a part of the message that names the fault
    uint64_t sparse_size = 0;  // the file is made this large, its text at its start
  };
  const Bad cases[] = {
      {"missing.dat", "", "Cannot open"},
      {"empty.dat", " ", "ends early"},
      {"truncated.dat", good.substr(0, good.size() - 40), "ends early"},
      {"word.dat", " 0  0  0  12  abc ", "\"abc\""},
      {"over.dat", " 0  0  0  12  256 ", "(256)"},
      {"negative.dat", " 0  0  0  -1 ", "(-1)"},
      {"huge.dat", " 0  0  0  99999999999999999999999 ", "99999999999999999999..."},
      {"garbage.dat", "\x01" + garbage, "not a whole number"},
      // A disk image renamed: refused at a glance, not read.
      {"disk.dat", "\x7F" "ELF", "far larger than any image file", 3ull << 30},
      // Names that look like the message's own placeholders are named as
      // they are.
      {"50%2.dat", " ", "ends early"},
      {"x%3 %1.dat", " 0  0  0  12  a%2 ", "\"a%2\""},
  };
  const Radio_Image_Table before = Random_Image(14);
  Shared().Radio_Image = before;
  File_Name_Dialog *dlg = Open(kForm_open_chann);
  for (const Bad &b : cases) {
    SCOPED_TRACE(b.name);
    const QString name = QString::fromLatin1(b.name);
    if (name != QStringLiteral("missing.dat")) {
      QFile f(Path(name));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(b.text.data(), static_cast<qint64>(b.text.size()));
      if (b.sparse_size) {
        ASSERT_TRUE(f.resize(static_cast<qint64>(b.sparse_size)));
      }
    }
    messages_.shown.clear();
    EXPECT_TRUE(Confirm(dlg, name));
    ASSERT_EQ(messages_.shown.size(), 1u);
    const QString text = messages_.shown[0].text;
    EXPECT_TRUE(text.contains(Path(name))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(b.in_message))) << text.toStdString();
    EXPECT_EQ(messages_.shown[0].icon, Msg_Icon::Warning);
    EXPECT_TRUE(Shared().Radio_Image == before);
  }
}

TEST_F(File_Dialogs, SaveWritesTheImageOrReportsAndKeepsTheOldFile) {
  Shared().Radio_Image = Random_Image(5);
  QDir(dir_.path()).mkdir(QStringLiteral("taken.dat"));

  File_Name_Dialog *dlg = Open(kForm_save_chann);
  EXPECT_TRUE(dlg->isWindow());
  EXPECT_TRUE(Confirm(dlg, QStringLiteral("taken.dat")));
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_TRUE(messages_.shown[0].text.contains(Path("taken.dat")));
  EXPECT_NE(messages_.shown[0].text, QStringLiteral("Complete storing  parameter."));

  Shared().Save_Pending.Raise("y.adj");
  EXPECT_FALSE(Confirm(dlg, QStringLiteral("new.dat")));
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(messages_.shown[1].text, QStringLiteral("Complete storing  parameter."));
  EXPECT_FALSE(Shared().Save_Pending.pending);
  Radio_Image_Table back;
  ASSERT_TRUE(Load_Image_File(Path("new.dat").toStdString(), back).Ok());
  for (int r = 0; r < kImageLines; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(back(r, c), Shared().Radio_Image(r, c));
}

// What a save finds at its target, after following links. Only a regular
// file is replaced; anything else is refused before a byte is written: the
// node stays of its kind, nothing appears beside it, and the message names
// the file and says why in either language. Every row goes through the save
// dialog (the image file) and through the alignment and signal writers, the
// other users of the same replace.
TEST_F(File_Dialogs, SaveReplacesOnlyARegularFileWhateverTheTargetIs) {
  namespace fs = std::filesystem;
  const fs::path dir = dir_.path().toStdString();
  struct Target {
    const char *name;  // what the user types
    // Makes the node (and what a link names); false when it could not.
    std::function<bool(const fs::path &target)> make;
    mode_t kind;                 // the node's kind through links, before and after
    bool link;                   // the name is a symbolic link and stays one
    Save_Refusal refused;        // None: the save goes through
    const char *why_en, *why_cn;
  };
  auto fifo = [](const fs::path &p) { return ::mkfifo(p.c_str(), 0600) == 0; };
  auto linked = [&](const char *to, std::function<bool(const fs::path &)> make_to) {
    return [=](const fs::path &p) {
      if (!make_to(dir / to)) return false;
      std::error_code ec;
      fs::create_symlink(to, p, ec);
      return !ec;
    };
  };
  const Target targets[] = {
      {"pipe.dat", fifo, S_IFIFO, false, Save_Refusal::Pipe, "it is a pipe", "它是管道"},
      {"pipe_link.dat", linked("fifo", fifo), S_IFIFO, true, Save_Refusal::Pipe, "it is a pipe",
       "它是管道"},
      // A device node of the null device's numbers: a save that wrongly
      // wrote into it would lose nothing.
      {"device.dat",
       [](const fs::path &p) { return ::mknod(p.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0; },
       S_IFCHR, false, Save_Refusal::Device, "it is a device", "它是设备"},
      {"folder.dat", [](const fs::path &p) { return fs::create_directory(p); }, S_IFDIR, false,
       Save_Refusal::Folder, "it is a folder", "它是文件夹"},
      {"file_link.dat", linked("real.dat", [](const fs::path &p) {
         Write_All(p.string(), "the old text");
         return true;
       }),
       S_IFREG, true, Save_Refusal::None, nullptr, nullptr},
  };
  auto names = [&] {
    std::vector<std::string> out;
    for (const auto &e : fs::directory_iterator(dir)) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
  };
  Shared().Radio_Image = Random_Image(15);
  const std::string image_text = Image_File_Text(Shared().Radio_Image);
  QPointer<File_Name_Dialog> dlg = Open(kForm_save_chann);
  for (const Target &t : targets) {
    SCOPED_TRACE(t.name);
    if (!dlg) dlg = Open(kForm_save_chann);  // a good save closes it
    const fs::path target = dir / t.name;
    if (!t.make(target)) {
      ADD_FAILURE() << "could not make the node (" << std::strerror(errno)
                    << "); this test needs the right to make a FIFO and a device node (CAP_MKNOD, as root)";
      continue;
    }
    auto check_node = [&] {
      struct stat st {};
      ASSERT_EQ(::stat(target.c_str(), &st), 0);
      EXPECT_EQ(st.st_mode & S_IFMT, t.kind);
      EXPECT_EQ(fs::is_symlink(target), t.link);
    };
    const std::vector<std::string> before = names();

    if (t.refused == Save_Refusal::None) {
      messages_.shown.clear();
      EXPECT_FALSE(Confirm(dlg, QString::fromLatin1(t.name)));
      ASSERT_EQ(messages_.shown.size(), 1u);
      EXPECT_EQ(messages_.shown[0].text, QStringLiteral("Complete storing  parameter."));
      check_node();
      EXPECT_EQ(Read_All(target.string()), image_text);
      EXPECT_EQ(names(), before);
      continue;
    }
    for (const bool chinese : {false, true}) {
      Shared().Lang_Chinese = chinese;
      messages_.shown.clear();
      if (!dlg) dlg = Open(kForm_save_chann);
      EXPECT_TRUE(Confirm(dlg, QString::fromLatin1(t.name)));
      ASSERT_EQ(messages_.shown.size(), 1u);
      const QString text = messages_.shown[0].text;
      EXPECT_TRUE(text.contains(u'"' + Path(QString::fromLatin1(t.name)) + u'"')) << text.toStdString();
      EXPECT_TRUE(text.contains(QString::fromUtf8(chinese ? t.why_cn : t.why_en))) << text.toStdString();
      check_node();
      EXPECT_EQ(names(), before);
    }
    Shared().Lang_Chinese = false;
    // The alignment and signal files are saved by the same replace.
    const Number_File_Result adj = Write_Adj_File(target.string(), Adjust_Table_Type{});
    const Number_File_Result sig = Write_Sig_File(target.string(), Sig_File_Buffer{});
    for (const Number_File_Result *r : {&adj, &sig}) {
      EXPECT_EQ(r->fault, Number_Fault::Cannot_Write);
      EXPECT_EQ(r->refused, t.refused);
      EXPECT_EQ(r->reason, t.why_en);
    }
    check_node();
    EXPECT_EQ(names(), before);
  }
  if (dlg) dlg->Command_close_Click();
  QApplication::processEvents();
}

// A failed save says that the file of that name is unchanged only when one
// was there: a new name that cannot be made leaves that sentence out.
TEST_F(File_Dialogs, AFailedSaveSpeaksOfTheOldFileOnlyWhenThereWasOne) {
  QFile locked(Path(QStringLiteral("locked.dat")));
  ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
  locked.write("protected");
  locked.close();
  ASSERT_TRUE(locked.setPermissions(QFileDevice::ReadOwner));
  QFile plain(Path(QStringLiteral("plain")));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  struct Case {
    const char *name;
    bool was_there;
  };
  const Case cases[] = {
      {"locked.dat", true},              // write-protected: refused
      {"none/new.dat", false},           // a folder that does not exist
      {"plain/new.dat", false},          // a parent that is a regular file
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = Path(QString::fromLatin1(c.name));
    const Dat_Result r = Save_Image_File(path.toStdString(), Random_Image(16));
    ASSERT_EQ(r.fault, Dat_Fault::Cannot_Write);
    EXPECT_EQ(r.old_file_there, c.was_there);
    const QString reason = QString::fromLocal8Bit(r.reason.c_str());
    const QString en = Number_File_Fault_Text(path, r, false, kImage_File_Kind);
    const QString cn = Number_File_Fault_Text(path, r, true, kImage_File_Kind);
    const QString en_head = QStringLiteral("Cannot save the file \"") + path + QStringLiteral("\": ") + reason + u'.';
    const QString cn_head = QStringLiteral("无法保存文件 \"") + path + QStringLiteral("\"：") + reason + u'。';
    EXPECT_EQ(en, c.was_there ? en_head + QStringLiteral(" A file of that name that was there is unchanged.") : en_head);
    EXPECT_EQ(cn, c.was_there ? cn_head + QStringLiteral("原有的同名文件未改变。") : cn_head);
  }
  EXPECT_EQ(Read_All(Path(QStringLiteral("locked.dat")).toStdString()), "protected");
}

TEST_F(File_Dialogs, ListsFollowTheDirectoryAndThePickedNameUsesIt) {
  QDir d(dir_.path());
  d.mkdir(QStringLiteral("sub"));
  for (const char *n : {"a.dat", "B.DAT", "c.txt", "sub/inner.dat"}) {
    QFile f(Path(QString::fromLatin1(n)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  File_Name_Dialog *dlg = Open(kForm_open_chann);
  EXPECT_EQ(dlg->Dir_Path(), QDir::cleanPath(dir_.path()));
  EXPECT_EQ(dlg->Drive1->currentData().toString(), QStorageInfo(dir_.path()).rootPath());
  QStringList files;
  for (int i = 0; i < dlg->File1->count(); ++i) files << dlg->File1->item(i)->text();
  EXPECT_EQ(files, (QStringList{QStringLiteral("a.dat"), QStringLiteral("B.DAT")}));

  // The directory list holds the subdirectory; moving there updates the files.
  bool found = false;
  for (int i = 0; i < dlg->Dir1->count(); ++i)
    found |= dlg->Dir1->item(i)->data(Qt::UserRole).toString() == Path("sub");
  EXPECT_TRUE(found);
  ASSERT_TRUE(dlg->Set_Dir_Path(Path("sub")));
  ASSERT_EQ(dlg->File1->count(), 1);
  dlg->File1->setCurrentRow(0);
  dlg->File1_Click();
  EXPECT_EQ(dlg->Text1->text(), QStringLiteral("inner.dat"));

  // A directory that is not there leaves the lists as they were.
  EXPECT_FALSE(dlg->Set_Dir_Path(Path("gone")));
  EXPECT_EQ(dlg->Dir_Path(), Path("sub"));
  EXPECT_EQ(dlg->File1->count(), 1);

  // Picked in another directory, the name goes with that directory.
  Shared().Radio_Image = Random_Image(6);
  ASSERT_TRUE(Save_Image_File(Path("sub/inner.dat").toStdString(), Random_Image(7)).Ok());
  EXPECT_FALSE(Confirm(dlg, dlg->Text1->text()));
  EXPECT_EQ(Shared().Dlg_File_Name, Path("sub/inner.dat").toStdString());
  EXPECT_TRUE(Shared().Radio_Image(5, 5) == Random_Image(7)(5, 5));
}

TEST_F(File_Dialogs, OpenDialogIsAChildWindowThatClosesAfterAGoodOpen) {
  ASSERT_TRUE(Save_Image_File(Path("c.dat").toStdString(), Random_Image(8)).Ok());
  QWidget *w = Open_File_Dialog(kForm_open_chann, &area_);
  QPointer<QMdiSubWindow> sub = qobject_cast<QMdiSubWindow *>(w);
  ASSERT_TRUE(sub);
  EXPECT_EQ(area_.subWindowList().size(), 1);
  auto *dlg = qobject_cast<File_Name_Dialog *>(sub->widget());
  EXPECT_FALSE(Confirm(dlg, QStringLiteral("c.dat")));
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(!sub || !sub->isVisible());
  EXPECT_TRUE(area_.subWindowList().isEmpty());
}

TEST_F(File_Dialogs, ChineseCaptionsAndMessages) {
  Shared().Lang_Chinese = true;
  File_Name_Dialog *dlg = Open(kForm_save_chann);
  EXPECT_EQ(dlg->windowTitle(), QStringLiteral("保存文件"));
  EXPECT_EQ(dlg->Command_enter->text(), QStringLiteral("确  定"));
  dlg->Command_enter_Click();
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, QStringLiteral("保存文件所需要的文件名无效 "));
  EXPECT_EQ(messages_.shown[0].title, QStringLiteral("操作提示"));
  dlg->Command_close_Click();
}

// The working directory removed (or its stick unmounted) while the program
// runs: the dialogs start on its nearest parent that is still there, and a
// Confirm uses the directory the lists show, never the root.
TEST_F(File_Dialogs, GoneWorkingDirectoryStartsOnItsNearestParent) {
  QDir d(dir_.path());
  ASSERT_TRUE(d.mkpath(QStringLiteral("a/b")));
  QFile f(Path("a/here.dat"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  ASSERT_TRUE(QDir::setCurrent(Path("a/b")));
  ASSERT_TRUE(d.rmpath(QStringLiteral("a/b")) || !QFileInfo::exists(Path("a/b")));
  ASSERT_FALSE(QFileInfo::exists(Path("a/b")));

  Shared().Radio_Image = Random_Image(21);
  for (const File_Dialog_Member *m : {&kForm_save_chann, &kForm_open_adj}) {
    SCOPED_TRACE(m->name);
    File_Name_Dialog *dlg = Open(*m);
    EXPECT_EQ(dlg->Dir_Path(), Path("a"));
    ASSERT_GT(dlg->Dir1->count(), 0);
    EXPECT_EQ(dlg->Dir1->currentItem()->data(Qt::UserRole).toString(), Path("a"));
    if (m == &kForm_save_chann) {
      ASSERT_EQ(dlg->File1->count(), 1);
      EXPECT_EQ(dlg->File1->item(0)->text(), QStringLiteral("here.dat"));
    }
    const QString name = QString::fromLatin1(m == &kForm_save_chann ? "new.dat" : "new.adj");
    EXPECT_FALSE(Confirm(dlg, name));
    EXPECT_EQ(Shared().Dlg_File_Name, Path("a/" + name).toStdString());
  }
  EXPECT_TRUE(QFileInfo::exists(Path("a/new.dat")));
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/new.dat")));
}

TEST_F(File_Dialogs, RepickingTheChosenDriveMovesNothing) {
  QDir(dir_.path()).mkdir(QStringLiteral("sub"));
  File_Name_Dialog *dlg = Open(kForm_open_chann);
  ASSERT_TRUE(dlg->Set_Dir_Path(Path("sub")));
  const int chosen = dlg->Drive1->currentIndex();
  ASSERT_GE(chosen, 0);
  // The user opens the drive list and takes the entry already chosen.
  dlg->Drive1->showPopup();
  QTest::keyClick(dlg->Drive1->view(), Qt::Key_Return);
  emit dlg->Drive1->activated(chosen);  // as a list without a popup reports it
  EXPECT_EQ(dlg->Drive1->currentIndex(), chosen);
  EXPECT_EQ(dlg->Dir_Path(), Path("sub"));
}

TEST_F(File_Dialogs, ArrowKeysInTheFileListFillTheNameBoxAsAClickDoes) {
  for (const char *n : {"a.dat", "b.dat", "c.dat"}) {
    QFile f(Path(QString::fromLatin1(n)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  File_Name_Dialog *dlg = Open(kForm_open_chann);
  ASSERT_EQ(dlg->File1->count(), 3);
  dlg->File1->setFocus();
  EXPECT_EQ(dlg->Text1->text(), QStringLiteral("*.dat"));  // the focus alone chooses nothing
  dlg->File1->setCurrentRow(0);
  dlg->File1->clearSelection();
  QTest::keyClick(dlg->File1, Qt::Key_Down);
  EXPECT_EQ(dlg->Text1->text(), QStringLiteral("b.dat"));
  QTest::keyClick(dlg->File1, Qt::Key_End);
  EXPECT_EQ(dlg->Text1->text(), QStringLiteral("c.dat"));
  QTest::keyClick(dlg->File1, Qt::Key_Up);
  EXPECT_EQ(dlg->Text1->text(), QStringLiteral("b.dat"));

  // Moving to another directory refills the list without choosing a name.
  dlg->Text1->setText(QStringLiteral("typed.dat"));
  ASSERT_TRUE(dlg->Set_Dir_Path(dir_.path()));
  EXPECT_EQ(dlg->Text1->text(), QStringLiteral("typed.dat"));
}

}  // namespace
}  // namespace zv
