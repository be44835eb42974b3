// Message boxes through one service: a real modal box in the program, a
// recorder in tests that answers at once.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QMessageBox;
class QWidget;

namespace zv {

enum class Msg_Icon { None, Warning, Information };

struct Message_Record {
  QString text;
  QString title;
  Msg_Icon icon;
};

class Message_Service {
 public:
  virtual ~Message_Service() = default;
  // Shows a message with an OK button and returns when it has been closed.
  // An empty title means the box has no title of its own.
  virtual void Show(const QString &text, const QString &title, Msg_Icon icon) = 0;
};

// The service in use, and the window that real boxes are parented to.
Message_Service &Messages();
void Set_Message_Service(Message_Service *service);  // nullptr: the real one
void Set_Message_Parent(QWidget *parent);

// Sets up a real box: plain text (a file name is never read as markup),
// title, icon and an OK button.
void Configure_Message_Box(QMessageBox &box, const QString &text, const QString &title, Msg_Icon icon);

// Shorthand for the common case.
inline void Message_Box(const QString &text, const QString &title, Msg_Icon icon = Msg_Icon::Warning) {
  Messages().Show(text, title, icon);
}

// Test back end: records every message and returns at once. Install with
// Set_Message_Service(&recorder) and remove again with nullptr.
class Message_Recorder : public Message_Service {
 public:
  void Show(const QString &text, const QString &title, Msg_Icon icon) override {
    shown.push_back({text, title, icon});
    if (on_show) on_show(shown.back());
  }
  std::vector<Message_Record> shown;
  // Runs while the "box" is up, as a modal box would let events run.
  std::function<void(const Message_Record &)> on_show;
};

}  // namespace zv
