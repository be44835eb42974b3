// The Open and Save buttons of the editors: refused while the window's
// exchange runs; otherwise the file dialog comes up and the file itself is
// read or written later, by the dialog or by the window's poll.
#pragma once

#include <QString>

#include "comm/exchange_panel.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

namespace zv {

// Show: an open dialog is brought forward as it stands; Reopen: it is loaded
// afresh.
enum class Dialog_Start { Show, Reopen };

inline void Start_File_Dialog(Exchange_Panel &panel, const QString &dialog, Dialog_Start how) {
  if (panel.Refuse_While_Busy()) return;
  MDImain *main = MDImain::Instance();
  if (!main) return;
  if (how == Dialog_Start::Show)
    main->Windows().Show(dialog);
  else
    main->Windows().Reopen(dialog);
}

}  // namespace zv
