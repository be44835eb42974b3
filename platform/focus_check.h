// Checks that run when a field loses the focus (a range test with a message
// box, a redisplay).
//
// A check runs only on a real focus move inside the window: Tab, Backtab, a
// click on another control of the same window, or its shortcut key. It does
// not run when a message box, another child window or another program takes
// the focus, when a list opens its popup, or when code moves the focus.
//
// The check runs just after the focus move has completed (queued), never
// inside Qt's own focus change, so a box it shows and a window closed while
// that box is up leave no half-done focus change behind. While a check of the
// window runs (its box is up), focus losses of the window start no check.
//
// What a check does, in this order: store what the field's rule stores, show
// its box, then, only while the window stands, restore the field and give
// the focus back (Refuse_Field does the last three).
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "platform/window_guard.h"

namespace zv {

class Focus_Check : public QObject {
  Q_OBJECT

 public:
  // window: the form whose controls count as "inside the window"; alive
  // says whether it still stands (its guard's Alive()).
  Focus_Check(QWidget *window, Window_Alive alive);
  explicit Focus_Check(QWidget *window) : Focus_Check(window, Window_Alive(window)) {}

  // check runs when field loses the focus by a real move inside the window.
  void Watch(QWidget *field, std::function<void()> check);

  // Whether a check of this window is running now.
  bool Running() const { return running_; }

  // Gives field the focus when it is visible and enabled; returns whether it
  // did. Otherwise the focus stays where the user put it.
  static bool Return_Focus(QWidget *field);

  // A refused value, after its store: the box; then, only while the window
  // stands, restore (the field's text put right) and the focus back to
  // field. Returns whether the window stands.
  static bool Refuse_Field(const Window_Alive &alive, QWidget *field, const QString &text, const QString &title,
                           Msg_Icon icon = Msg_Icon::Warning, const std::function<void()> &restore = {});

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  struct Watched {
    QPointer<QWidget> field;
    std::function<void()> check;
  };
  void Run_Pending();

  QPointer<QWidget> window_;
  Window_Alive alive_;
  std::vector<Watched> watched_;
  std::deque<QPointer<QWidget>> pending_;
  bool scheduled_ = false;
  bool running_ = false;
};

}  // namespace zv
