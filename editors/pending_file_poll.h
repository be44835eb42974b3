// The poll of a window's pending file flags (a file-name dialog raised them
// with the file's path): each tick acts on the open flag first, then on the
// save flag, taking a flag only when it acts on it. While the window says
// an action must wait (its exchange runs), its flag stays raised for a later
// tick. A tick that comes while an earlier one is still acting (its
// message box is up) does nothing; a flag raised meanwhile waits for a later
// tick. Nothing is done once the window is gone.
#pragma once

#include <functional>
#include <string>

#include "image/shared_state.h"
#include "platform/window_guard.h"

namespace zv {

struct Pending_File_Actions {
  std::function<bool()> open_waits;  // empty: never waits
  std::function<void(const std::string &path)> open;
  std::function<void(const std::string &path)> save;
  std::function<bool()> save_waits;  // empty: never waits
};

// One tick of the poll (a window's Timer4_Timer).
void Poll_Pending_Files(Pending_File &open_flag, Pending_File &save_flag, const Pending_File_Actions &actions,
                        const Window_Alive &alive, bool &running);

}  // namespace zv
