#include "platform/masked_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>

namespace zv {

namespace {

// The application's style, except that the password character is "*".
class Star_Style : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                QStyleHintReturn *ret) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, ret);
  }
};

}  // namespace

void Mask_With_Stars(QLineEdit *box) {
  // One style for all boxes, owned by the application, so that it outlives
  // every box that uses it.
  static QPointer<Star_Style> style;
  if (!style) {
    style = new Star_Style;
    style->setParent(qApp);
  }
  box->setStyle(style);
  box->setEchoMode(QLineEdit::Password);
}

}  // namespace zv
