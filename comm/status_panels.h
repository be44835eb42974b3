// The main window's status bar as the exchanges see it: panels 1 to 15 by
// number. The main window installs itself when it is created; tests install a
// recorder. With none installed, panel texts go nowhere.
#pragma once

#include <QString>

namespace zv {

class Status_Panels {
 public:
  virtual ~Status_Panels() = default;
  virtual void Set_Panel_Text(int panel, const QString &text) = 0;
};

Status_Panels *Main_Status_Panels();
void Set_Main_Status_Panels(Status_Panels *panels);

// Writes a panel of the installed status bar, if there is one.
void Set_Status_Panel(int panel, const QString &text);

}  // namespace zv
