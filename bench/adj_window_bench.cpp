// The alignment editor (about 450 controls): time to open it from the main
// window's menu until it is shown and painted, and time to switch pages
// (each tab in turn, repainted). Targets: under 100 ms each. Prints medians
// and the worst of repeated runs; asserts nothing.
#include <QApplication>
#include <QMdiSubWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "editors/alignment/frm_adj_txp.h"
#include "image/adjust_defaults.h"
#include "image/shared_state.h"
#include "platform/message_box.h"
#include "platform/tab_strip.h"
#include "platform/virtual_platform.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

namespace {

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using clock = std::chrono::steady_clock;
  zv::Virtual_Platform platform;
  zv::Set_Platform(&platform);
  zv::Message_Recorder messages;
  zv::Set_Message_Service(&messages);
  zv::Load_Adjust_Defaults(zv::Shared().Adjust_Defaults);
  zv::Copy_Adjust_Defaults(zv::Shared().Adjust_Defaults, zv::Shared().Adjust_Table);

  zv::MDImain main;
  main.resize(1920, 1080);
  main.show();
  QApplication::processEvents();

  const int runs = 30;
  std::vector<double> open_ms, switch_ms;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = clock::now();
    main.Menu(QStringLiteral("frm_adj"))->trigger();
    auto *window = qobject_cast<QMdiSubWindow *>(main.Windows().Window(zv::win::frm_Adj_Txp));
    window->repaint();
    open_ms.push_back(std::chrono::duration<double, std::milli>(clock::now() - t0).count());

    auto *form = main.Windows().Form_As<zv::frm_Adj_Txp>(zv::win::frm_Adj_Txp);
    for (int tab : {0, 1, 2, 3, 4}) {
      const auto t1 = clock::now();
      form->TabStrip1->setCurrentIndex(tab);
      form->TabStrip1_Click();
      window->repaint();
      switch_ms.push_back(std::chrono::duration<double, std::milli>(clock::now() - t1).count());
    }
    main.Windows().Close(zv::win::frm_Adj_Txp);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  std::printf("alignment editor open (menu to painted window), %d runs: median %.2f ms, worst %.2f ms "
              "(target < 100 ms)\n",
              runs, Median(open_ms), *std::max_element(open_ms.begin(), open_ms.end()));
  std::printf("alignment editor page switch (tab click to painted page), %zu switches: median %.2f ms, "
              "worst %.2f ms (target < 100 ms)\n",
              switch_ms.size(), Median(switch_ms), *std::max_element(switch_ms.begin(), switch_ms.end()));
  std::printf("messages shown: %zu\n", messages.shown.size());
  zv::Set_Message_Service(nullptr);
  zv::Set_Platform(nullptr);
  return 0;
}
