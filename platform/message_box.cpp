#include "platform/message_box.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace zv {

void Configure_Message_Box(QMessageBox &box, const QString &text, const QString &title, Msg_Icon icon) {
  // Texts carry file names and file contents: never read them as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setWindowTitle(title);
  switch (icon) {
    case Msg_Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Msg_Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Msg_Icon::None: box.setIcon(QMessageBox::NoIcon); break;
  }
  box.setStandardButtons(QMessageBox::Ok);
}

namespace {

class Real_Message_Service : public Message_Service {
 public:
  void Show(const QString &text, const QString &title, Msg_Icon icon) override {
    QMessageBox box(parent_);
    Configure_Message_Box(box, text, title, icon);
    box.exec();
  }
  QPointer<QWidget> parent_;
};

Real_Message_Service &Real() {
  static Real_Message_Service service;
  return service;
}

Message_Service *g_service = nullptr;

}  // namespace

Message_Service &Messages() { return g_service ? *g_service : Real(); }

void Set_Message_Service(Message_Service *service) { g_service = service; }

void Set_Message_Parent(QWidget *parent) { Real().parent_ = parent; }

}  // namespace zv
