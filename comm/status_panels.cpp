#include "comm/status_panels.h"

namespace zv {

namespace {
Status_Panels *g_panels = nullptr;
}

Status_Panels *Main_Status_Panels() { return g_panels; }
void Set_Main_Status_Panels(Status_Panels *panels) { g_panels = panels; }

void Set_Status_Panel(int panel, const QString &text) {
  if (g_panels) g_panels->Set_Panel_Text(panel, text);
}

}  // namespace zv
