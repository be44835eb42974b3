// The program's entry point: the main window, its start-up, the event loop.
#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <cstdio>
#include <cstdlib>

#include "shell/main_window.h"
#include "shell/startup.h"

namespace {

// For the start-up benchmark only: with ZV_BENCH_FIRST_FRAME set, the program
// prints one line on standard output once the main window's first frame has
// been painted, and ends there. Without it nothing is installed.
class First_Frame_Probe : public QObject {
 public:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // After the paint has been drawn and flushed.
      QMetaObject::invokeMethod(
          this,
          [] {
            std::fputs("first-frame\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);
          },
          Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool reported_ = false;
};

}  // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  zv::MDImain main_window;
  First_Frame_Probe probe;
  if (std::getenv("ZV_BENCH_FIRST_FRAME")) main_window.installEventFilter(&probe);
  zv::MDIForm_Load(main_window);
  return app.exec();
}
