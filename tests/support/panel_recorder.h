// A status bar for tests: records every panel text the exchanges write.
// Install it with Set_Main_Status_Panels(&recorder).
#pragma once

#include <QString>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "comm/status_panels.h"

namespace zv::test {

struct Panel_Recorder : Status_Panels {
  void Set_Panel_Text(int panel, const QString &text) override {
    text_of[panel] = text.toStdString();
    log.push_back({panel, text.toStdString()});
  }
  std::map<int, std::string> text_of;                // latest text of each panel written
  std::vector<std::pair<int, std::string>> log;      // every write, in order
};

}  // namespace zv::test
