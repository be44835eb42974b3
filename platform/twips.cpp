#include "platform/twips.h"

#include <QWidget>

namespace zv {

void Place(QWidget *widget, double left, double top, double width, double height) {
  widget->setGeometry(Twips_To_Px(left), Twips_To_Px(top), Twips_To_Px(width), Twips_To_Px(height));
}

}  // namespace zv
