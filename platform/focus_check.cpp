#include "platform/focus_check.h"

#include <QApplication>
#include <QFocusEvent>

namespace zv {

namespace {

bool Is_Move_By_User(Qt::FocusReason reason) {
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason ||
         reason == Qt::ShortcutFocusReason;
}

}  // namespace

Focus_Check::Focus_Check(QWidget *window, Window_Alive alive)
    : QObject(window), window_(window), alive_(std::move(alive)) {}

void Focus_Check::Watch(QWidget *field, std::function<void()> check) {
  watched_.push_back({field, std::move(check)});
  field->installEventFilter(this);
}

bool Focus_Check::Return_Focus(QWidget *field) {
  if (!field || !field->isVisible() || !field->isEnabled()) return false;
  field->setFocus(Qt::OtherFocusReason);
  return true;
}

bool Focus_Check::Refuse_Field(const Window_Alive &alive, QWidget *field, const QString &text,
                               const QString &title, Msg_Icon icon, const std::function<void()> &restore) {
  const QPointer<QWidget> box(field);
  if (!Message_Stands(alive, text, title, icon)) return false;
  if (restore) restore();
  if (!alive.Stands()) return false;
  Return_Focus(box);
  return true;
}

bool Focus_Check::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() != QEvent::FocusOut || running_ || !window_) return false;
  if (!Is_Move_By_User(static_cast<QFocusEvent *>(event)->reason())) return false;
  auto *field = qobject_cast<QWidget *>(watched);
  // The focus has already moved when the field hears of it.
  QWidget *to = QApplication::focusWidget();
  if (!field || !to || to == field || field->isAncestorOf(to) || !window_->isAncestorOf(to)) return false;
  pending_.push_back(field);
  if (!scheduled_) {
    scheduled_ = true;
    QMetaObject::invokeMethod(this, &Focus_Check::Run_Pending, Qt::QueuedConnection);
  }
  return false;
}

void Focus_Check::Run_Pending() {
  scheduled_ = false;
  const QPointer<Focus_Check> self(this);
  while (!pending_.empty()) {
    const QPointer<QWidget> field = pending_.front();
    pending_.pop_front();
    if (!field || !alive_.Stands()) continue;
    std::function<void()> check;
    for (const Watched &w : watched_)
      if (w.field == field) check = w.check;
    if (!check) continue;
    running_ = true;
    check();
    if (!self) return;  // the window went with its check
    running_ = false;
  }
}

}  // namespace zv
