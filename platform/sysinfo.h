// Finding and starting a system-information program, for the about box.
//
// The lookup has two sources, tried in this order by the about box:
//  1. the full path of a known system-information program (on Linux: the
//     first of a short list of known program names found on PATH); the path
//     is taken as it is;
//  2. a directory that should hold the program file Sys_Info_File_Name();
//     the about box tests that the file exists there before it starts it.
// Tests install a fake service that records what is looked up and started.
#pragma once

#include <string>

namespace zv {

class Sys_Info_Service {
 public:
  virtual ~Sys_Info_Service() = default;
  // Source 1. False when no program is known; *path is then empty.
  virtual bool Lookup_Program_Path(std::string *path) = 0;
  // Source 2. False when no directory is known; *dir is then empty.
  virtual bool Lookup_Program_Dir(std::string *dir) = 0;
  virtual bool File_Exists(const std::string &path) = 0;
  // Starts the program detached: it runs on its own and nobody waits for
  // it. False when it could not be started.
  virtual bool Start_Program(const std::string &path) = 0;
};

// The file name that source 2's directory should hold.
const char *Sys_Info_File_Name();

// The service in use: the real one unless a test installed another.
Sys_Info_Service &Sys_Info();
void Set_Sys_Info_Service(Sys_Info_Service *service);  // nullptr: the real one

}  // namespace zv
