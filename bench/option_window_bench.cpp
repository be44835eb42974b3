// Opening and redisplay of the option editor: over several runs, the time
// from the menu command to the opened window (its 62 lists filled, its first
// display and the activation after it done), and the time of one redisplay
// on activation, each with the repaint of the window. The first opening
// includes the one-time costs of the process (fonts, styles). Runs offscreen
// on the factory image; prints figures only.
//
// Usage: bench_option_window_bench [runs]
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "editors/options/option_window.h"
#include "image/startup_state.h"
#include "platform/message_box.h"
#include "platform/virtual_platform.h"
#include "shell/language_texts.h"
#include "shell/main_window.h"

namespace {

struct Figures {
  double min = 0, median = 0, max = 0;
};

Figures Summary(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return {v.front(), v[v.size() / 2], v.back()};
}

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

  zv::Virtual_Platform platform;
  zv::Set_Platform(&platform);
  zv::Message_Recorder messages;
  zv::Set_Message_Service(&messages);
  zv::Build_Startup_State(zv::Shared());

  zv::MDImain main;
  zv::Load_Language_Texts();
  main.Apply_Startup_Captions();
  main.resize(1920, 1080);
  main.show();

  std::vector<double> open_ms, redisplay_ms;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer clock;
    clock.start();
    main.sys_edit_Click();
    QCoreApplication::processEvents();
    if (QWidget *w = main.Windows().Window(QStringLiteral("frm_option"))) w->repaint();
    open_ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);

    auto *form = main.Windows().Form_As<zv::frm_option>(QStringLiteral("frm_option"));
    if (!form) {
      std::fprintf(stderr, "the option editor did not open\n");
      return 1;
    }
    // Each redisplay shows a changed image, as after a file was opened.
    for (int i = 0; i < 5; ++i) {
      for (int c = 0; c < 16; ++c) zv::Shared().Radio_Image(224 + c / 4, c % 4) = static_cast<uint8_t>((run + i + c) % 3);
      clock.restart();
      form->Form_Activate();
      // The repaint of what changed.
      form->repaint();
      QCoreApplication::processEvents();
      redisplay_ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    form->Command_close_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  const double first_open = open_ms.front();
  const Figures open = Summary(open_ms), redisplay = Summary(redisplay_ms);
  std::printf("option editor, %d runs (targets: open < 200 ms, redisplay < 50 ms)\n", runs);
  std::printf("  first open (one-time process costs included) %7.2f ms\n", first_open);
  std::printf("  open       min %7.2f ms  median %7.2f ms  max %7.2f ms\n", open.min, open.median, open.max);
  std::printf("  redisplay  min %7.2f ms  median %7.2f ms  max %7.2f ms\n", redisplay.min, redisplay.median,
              redisplay.max);
  zv::Set_Message_Service(nullptr);
  zv::Set_Platform(nullptr);
  return 0;
}
