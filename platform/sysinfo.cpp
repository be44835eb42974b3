#include "platform/sysinfo.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace zv {

namespace {

// Programs that show the computer's hardware and system details, best first.
constexpr const char *kKnown_Programs[] = {"hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor",
                                           "mate-system-monitor"};

class Real_Sys_Info : public Sys_Info_Service {
 public:
  bool Lookup_Program_Path(std::string *path) override {
    path->clear();
    for (const char *name : kKnown_Programs) {
      const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
      if (!found.isEmpty()) {
        *path = found.toStdString();
        return true;
      }
    }
    return false;
  }
  // The standard directory of installed programs, for a PATH that lacks it.
  bool Lookup_Program_Dir(std::string *dir) override {
    *dir = "/usr/bin";
    return true;
  }
  bool File_Exists(const std::string &path) override {
    const QFileInfo info(QString::fromStdString(path));
    return info.exists() && info.isFile();
  }
  bool Start_Program(const std::string &path) override {
    return QProcess::startDetached(QString::fromStdString(path), {});
  }
};

Sys_Info_Service *g_service = nullptr;

}  // namespace

const char *Sys_Info_File_Name() { return "hardinfo"; }

Sys_Info_Service &Sys_Info() {
  static Real_Sys_Info real;
  return g_service ? *g_service : real;
}

void Set_Sys_Info_Service(Sys_Info_Service *service) { g_service = service; }

}  // namespace zv
