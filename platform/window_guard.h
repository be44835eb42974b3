// Whether a window still stands, asked after every message box and every
// step that may have closed it (a handler that closes its own window, a
// nested event loop in which the user closed it).
//
// A window that has been closed is hidden at once but deleted only later, so
// a QPointer alone says nothing about it: the window marks itself closed in
// its closeEvent once it accepts the close, and from then on it counts as
// gone. After a box, code goes on only while its window stands, and touches
// nothing of a window that does not.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "platform/message_box.h"

namespace zv {

// A cheap copy that can be kept on the stack across a box: it never touches
// the window, so it may outlive it.
class Window_Alive {
 public:
  // A window without a guard of its own: it stands until it is deleted.
  explicit Window_Alive(QWidget *window) : window_(window) {}

  bool Stands() const { return window_ && !(closed_ && *closed_); }

 private:
  friend class Window_Guard;
  Window_Alive(QWidget *window, std::shared_ptr<const bool> closed) : window_(window), closed_(std::move(closed)) {}

  QPointer<QWidget> window_;
  std::shared_ptr<const bool> closed_;
};

// One per window, a member of the window (or of the piece that handles its
// closing).
class Window_Guard {
 public:
  explicit Window_Guard(QWidget *window) : window_(window) {}
  ~Window_Guard() { *closed_ = true; }
  Window_Guard(const Window_Guard &) = delete;
  Window_Guard &operator=(const Window_Guard &) = delete;

  // Called from the window's closeEvent when the close is accepted.
  void Mark_Closed() { *closed_ = true; }
  bool Closed() const { return *closed_; }
  bool Stands() const { return Alive().Stands(); }
  Window_Alive Alive() const { return Window_Alive(window_, closed_); }

 private:
  QPointer<QWidget> window_;
  std::shared_ptr<bool> closed_ = std::make_shared<bool>(false);
};

// Shows a message box and returns whether the window still stands once the
// box has been closed.
inline bool Message_Stands(const Window_Alive &alive, const QString &text, const QString &title,
                           Msg_Icon icon = Msg_Icon::Warning) {
  Message_Box(text, title, icon);
  return alive.Stands();
}
inline bool Message_Stands(const Window_Guard &guard, const QString &text, const QString &title,
                           Msg_Icon icon = Msg_Icon::Warning) {
  return Message_Stands(guard.Alive(), text, title, icon);
}

}  // namespace zv
