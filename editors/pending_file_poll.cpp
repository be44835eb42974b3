#include "editors/pending_file_poll.h"

namespace zv {

void Poll_Pending_Files(Pending_File &open_flag, Pending_File &save_flag, const Pending_File_Actions &actions,
                        const Window_Alive &alive, bool &running) {
  if (running || !alive.Stands()) return;
  running = true;
  std::string path;
  if (!(actions.open_waits && actions.open_waits()) && open_flag.Take(&path)) actions.open(path);
  if (!alive.Stands()) return;
  if (!(actions.save_waits && actions.save_waits()) && save_flag.Take(&path)) actions.save(path);
  if (!alive.Stands()) return;
  running = false;
}

}  // namespace zv
