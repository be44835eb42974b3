#include "shell/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace zv {

namespace {

constexpr int kSize = 32;

QPixmap Blank() {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void Arrow(QPainter &p, bool down, const QColor &color) {
  // A tray with an arrow going into it (down) or out of it (up).
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(5, 20), QPointF(5, 28), QPointF(27, 28), QPointF(27, 20)}));
  p.setPen(QPen(color.darker(140), 1));
  p.setBrush(color);
  const double tip = down ? 25 : 3, base = down ? 15 : 13, tail = down ? 3 : 25;
  p.drawPolygon(QPolygonF({QPointF(16, tip), QPointF(8, base), QPointF(12.5, base), QPointF(12.5, tail),
                           QPointF(19.5, tail), QPointF(19.5, base), QPointF(24, base)}));
}

void Draw(QPainter &p, const QString &key) {
  p.setRenderHint(QPainter::Antialiasing);
  if (key == QLatin1String("open")) {
    p.setPen(QPen(QColor(150, 110, 20), 1.5));
    p.setBrush(QColor(240, 200, 80));
    p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(12, 8), QPointF(15, 11), QPointF(29, 11), QPointF(29, 27),
                             QPointF(3, 27)}));
    p.setBrush(QColor(252, 222, 120));
    p.drawPolygon(QPolygonF({QPointF(3, 27), QPointF(8, 15), QPointF(31, 15), QPointF(29, 27)}));
  } else if (key == QLatin1String("save")) {
    p.setPen(QPen(QColor(20, 50, 110), 1.5));
    p.setBrush(QColor(50, 100, 190));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 17, 16, 11));
  } else if (key == QLatin1String("edit_option")) {
    // Three sliders.
    for (int i = 0; i < 3; ++i) {
      const double y = 8 + i * 8;
      p.setPen(QPen(QColor(70, 70, 70), 2));
      p.drawLine(QPointF(4, y), QPointF(28, y));
      p.setPen(QPen(QColor(40, 80, 40), 1));
      p.setBrush(QColor(90, 170, 90));
      const double x = i == 0 ? 10 : (i == 1 ? 21 : 14);
      p.drawRect(QRectF(x - 3, y - 4, 6, 8));
    }
  } else if (key == QLatin1String("edit_chann")) {
    // A grid of channel rows.
    p.setPen(QPen(QColor(50, 50, 90), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 4, 26, 24));
    p.setBrush(QColor(120, 150, 220));
    p.drawRect(QRectF(3, 4, 26, 6));
    for (int i = 1; i < 4; ++i) p.drawLine(QPointF(3, 10 + i * 4.5), QPointF(29, 10 + i * 4.5));
    p.drawLine(QPointF(11, 4), QPointF(11, 28));
  } else if (key == QLatin1String("edit_dtmf")) {
    // A keypad of 3 x 4 keys.
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(200, 200, 210));
    for (int row = 0; row < 4; ++row)
      for (int col = 0; col < 3; ++col) p.drawRoundedRect(QRectF(5 + col * 8, 3 + row * 7, 6, 5), 1, 1);
  } else if (key == QLatin1String("read")) {
    Arrow(p, true, QColor(60, 170, 60));
  } else if (key == QLatin1String("write")) {
    Arrow(p, false, QColor(210, 70, 50));
  } else if (key == QLatin1String("exit")) {
    // A door with an arrow leaving it.
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.setBrush(QColor(170, 120, 70));
    p.drawRect(QRectF(4, 3, 14, 26));
    p.setBrush(QColor(240, 220, 120));
    p.drawEllipse(QPointF(15, 16), 1.5, 1.5);
    p.setPen(QPen(QColor(200, 40, 40), 3));
    p.drawLine(QPointF(18, 16), QPointF(29, 16));
    p.drawLine(QPointF(29, 16), QPointF(24, 11));
    p.drawLine(QPointF(29, 16), QPointF(24, 21));
  }
}

}  // namespace

QIcon Toolbar_Icon(const QString &key) {
  QPixmap pixmap = Blank();
  {
    QPainter p(&pixmap);
    Draw(p, key);
  }
  return QIcon(pixmap);
}

QIcon Window_Icon() {
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // A mobile radio: body, display, knobs and an antenna.
  p.setPen(QPen(QColor(20, 20, 20), 2));
  p.drawLine(QPointF(24, 10), QPointF(28, 1));
  p.setPen(QPen(QColor(20, 20, 20), 1));
  p.setBrush(QColor(55, 60, 70));
  p.drawRoundedRect(QRectF(2, 10, 28, 18), 3, 3);
  p.setBrush(QColor(110, 200, 240));
  p.drawRect(QRectF(6, 13, 14, 7));
  p.setBrush(QColor(200, 200, 200));
  p.drawEllipse(QPointF(25, 16), 2.5, 2.5);
  p.drawEllipse(QPointF(25, 23), 2.5, 2.5);
  for (int i = 0; i < 4; ++i) p.drawRect(QRectF(6 + i * 3.5, 23, 2.5, 2));
  return QIcon(pixmap);
}

}  // namespace zv
