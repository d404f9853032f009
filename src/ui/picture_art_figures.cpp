// The creatures: the red hanger with eyes that follow its heading, and the ten faces of the
// green player figure, one for each thing that can happen to him.
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <tuple>

#include "ui/picture_art.h"

namespace quobbles::ui::art {

namespace {

// Where a hanger's pupils sit, as a unit step from the middle of the eye.
QPointF lookDirection(int facing) {
  switch (facing) {
    case 11:
      return {-1, 0};
    case 12:
      return {0, 1};
    case 13:
      return {1, 0};
    case 14:
      return {0, -1};
    default:
      return {0, 0};
  }
}

// --- the player's faces --------------------------------------------------------------

struct Skin {
  QColor light{170, 255, 140};
  QColor mid{70, 200, 60};
  QColor dark{20, 110, 25};
  QColor outline{10, 60, 15};
  QColor ink{12, 45, 12};  // eyes and mouth
};

void head(QPainter& p, QPointF c, double r, const Skin& s) {
  QRadialGradient g(c - QPointF(r * 0.35, r * 0.45), r * 1.35);
  g.setColorAt(0, s.light);
  g.setColorAt(0.45, s.mid);
  g.setColorAt(1, s.dark);
  p.setPen(QPen(s.outline, 1.2));
  p.setBrush(g);
  p.drawEllipse(c, r, r);
}

void dotEyes(QPainter& p, const Skin& s, double y = 16, double rx = 2.4, double ry = 3.4) {
  p.setPen(Qt::NoPen);
  for (double x : {14.0, 26.0}) {
    p.setBrush(s.ink);
    p.drawEllipse(QPointF(x, y), rx, ry);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(x - 0.8, y - 1.2), 0.8, 0.9);
  }
}

void smile(QPainter& p, const Skin& s, double depth = 8, double width = 2.1) {
  QPainterPath m;
  m.moveTo(12.5, 23.5);
  m.quadTo(20, 23.5 + depth, 27.5, 23.5);
  p.setPen(QPen(s.ink, width, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(m);
}

void stroke(QPainter& p, const QPainterPath& path, QColor c, double w) {
  p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

void sparkle(QPainter& p, QPointF c, double r, QColor colour) {
  QPainterPath s;
  s.moveTo(c + QPointF(0, -r));
  s.quadTo(c, c + QPointF(r, 0));
  s.quadTo(c, c + QPointF(0, r));
  s.quadTo(c, c + QPointF(-r, 0));
  s.quadTo(c, c + QPointF(0, -r));
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(s);
}

const QPointF kMiddle(20, 20);

void normalFace(QPainter& p) {
  const Skin s;
  head(p, kMiddle, 17, s);
  dotEyes(p, s);
  smile(p, s);
}

void levelPassedFace(QPainter& p) {
  const Skin s;
  head(p, kMiddle, 16.5, s);
  // Eyes squeezed shut with joy.
  for (double x : {14.0, 26.0}) {
    QPainterPath eye;
    eye.moveTo(x - 3.5, 17.5);
    eye.quadTo(x, 11, x + 3.5, 17.5);
    stroke(p, eye, s.ink, 2.2);
  }
  // A wide open grin with teeth and tongue.
  QPainterPath mouth;
  mouth.moveTo(10.5, 22);
  mouth.lineTo(29.5, 22);
  mouth.quadTo(29, 34, 20, 34);
  mouth.quadTo(11, 34, 10.5, 22);
  p.setPen(QPen(s.ink, 1.2));
  p.setBrush(QColor(70, 10, 15));
  p.drawPath(mouth);
  p.save();
  p.setClipPath(mouth);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 250));
  p.drawRect(QRectF(10, 22, 20, 3));
  p.setBrush(QColor(240, 100, 120));
  p.drawEllipse(QPointF(20, 34), 6, 4.5);
  p.restore();
  sparkle(p, QPointF(5.5, 7), 4, QColor(255, 240, 90));
  sparkle(p, QPointF(34.5, 6), 3.2, QColor(255, 240, 90));
  sparkle(p, QPointF(35.5, 33), 2.6, QColor(255, 255, 200));
}

void invisibleFace(QPainter& p) {
  Skin s;
  s.light = QColor(235, 250, 255, 150);
  s.mid = QColor(160, 215, 255, 115);
  s.dark = QColor(90, 150, 235, 100);
  s.outline = QColor(200, 230, 255, 190);
  s.ink = QColor(30, 60, 140, 170);
  QRadialGradient g(QPointF(14, 13), 23);
  g.setColorAt(0, s.light);
  g.setColorAt(0.5, s.mid);
  g.setColorAt(1, s.dark);
  QPen dashed(s.outline, 1.2, Qt::DashLine);
  p.setPen(dashed);
  p.setBrush(g);
  p.drawEllipse(kMiddle, 17, 17);
  dotEyes(p, s);
  smile(p, s);
  sparkle(p, QPointF(9, 9), 2.5, QColor(235, 250, 255, 200));
  sparkle(p, QPointF(31, 29), 2, QColor(235, 250, 255, 170));
}

void attackFace(QPainter& p) {
  const Skin s;
  // Four arrowheads: he fires in every direction at once.
  p.setPen(QPen(QColor(120, 10, 0), 0.8));
  p.setBrush(QColor(255, 80, 30));
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(kMiddle);
    p.rotate(90 * i);
    QPolygonF tri;
    tri << QPointF(0, -19.5) << QPointF(4.5, -14.5) << QPointF(-4.5, -14.5);
    p.drawPolygon(tri);
    p.restore();
  }
  head(p, kMiddle, 15, s);
  // Red cheeks.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 60, 50, 150));
  p.drawEllipse(QPointF(10.5, 23), 2.8, 2);
  p.drawEllipse(QPointF(29.5, 23), 2.8, 2);
  // Angry brows over narrowed eyes.
  p.setPen(QPen(s.ink, 2.3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10.5, 11.5), QPointF(17.5, 14.5));
  p.drawLine(QPointF(29.5, 11.5), QPointF(22.5, 14.5));
  dotEyes(p, s, 17.5, 2.2, 2.2);
  // Gritted teeth.
  const QRectF teeth(13.5, 24, 13, 5.5);
  p.setPen(QPen(s.ink, 1.2));
  p.setBrush(QColor(255, 255, 245));
  p.drawRoundedRect(teeth, 1.5, 1.5);
  p.setPen(QPen(s.ink, 0.8));
  p.drawLine(QPointF(13.5, 26.75), QPointF(26.5, 26.75));
  for (double x : {16.75, 20.0, 23.25}) p.drawLine(QPointF(x, 24), QPointF(x, 29.5));
}

void surprisedFace(QPainter& p) {
  const Skin s;
  head(p, kMiddle, 17, s);
  // Raised brows, wide eyes, and an 'o' of a mouth: he just dropped a mine.
  for (double x : {14.0, 26.0}) {
    QPainterPath brow;
    brow.moveTo(x - 3.5, 10);
    brow.quadTo(x, 6.5, x + 3.5, 10);
    stroke(p, brow, s.ink, 1.6);
    p.setPen(QPen(s.ink, 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(x, 16), 4, 4.3);
    p.setPen(Qt::NoPen);
    p.setBrush(s.ink);
    p.drawEllipse(QPointF(x, 16.5), 1.9, 1.9);
  }
  p.setPen(QPen(s.ink, 1.6));
  p.setBrush(QColor(70, 10, 15));
  p.drawEllipse(QPointF(20, 28), 3.4, 4.2);
  // A drop of sweat.
  QPainterPath drop;
  drop.moveTo(33.5, 8);
  drop.quadTo(36.5, 13, 33.5, 14);
  drop.quadTo(30.5, 13, 33.5, 8);
  p.setPen(QPen(QColor(30, 90, 170), 0.7));
  p.setBrush(QColor(140, 200, 255));
  p.drawPath(drop);
}

void immortalFace(QPainter& p) {
  const Skin s;
  QRadialGradient aura(kMiddle, 20);
  aura.setColorAt(0.7, QColor(190, 80, 255, 230));
  aura.setColorAt(0.85, QColor(170, 60, 255, 140));
  aura.setColorAt(1, QColor(150, 40, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(aura);
  p.drawEllipse(kMiddle, 20, 20);
  head(p, QPointF(20, 21.5), 15, s);
  dotEyes(p, s, 18);
  QPainterPath m;
  m.moveTo(14, 25.5);
  m.quadTo(20, 31, 26, 25.5);
  stroke(p, m, s.ink, 2);
  // The halo.
  p.setPen(QPen(QColor(120, 20, 180), 3.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(20, 5), 9, 2.8);
  p.setPen(QPen(QColor(240, 200, 255), 2));
  p.drawEllipse(QPointF(20, 5), 9, 2.8);
}

void removeBlockFace(QPainter& p) {
  const Skin s;
  head(p, kMiddle, 17, s);
  // A red headband, knotted on the right with its ends flying.
  p.save();
  QPainterPath skull;
  skull.addEllipse(kMiddle, 17.6, 17.6);
  p.setClipPath(skull);
  QLinearGradient band(QPointF(0, 7), QPointF(0, 13));
  band.setColorAt(0, QColor(255, 90, 80));
  band.setColorAt(1, QColor(170, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  QPainterPath strip;
  strip.moveTo(0, 8);
  strip.quadTo(20, 5, 40, 8);
  strip.lineTo(40, 13.5);
  strip.quadTo(20, 10.5, 0, 13.5);
  strip.closeSubpath();
  p.drawPath(strip);
  p.restore();
  QPainterPath tails;
  tails.moveTo(34, 10);
  tails.lineTo(39, 14);
  tails.lineTo(36.5, 16);
  tails.closeSubpath();
  tails.moveTo(34, 11.5);
  tails.lineTo(37.5, 19);
  tails.lineTo(34.5, 19.5);
  tails.closeSubpath();
  p.setPen(QPen(QColor(120, 0, 0), 0.6));
  p.setBrush(QColor(220, 30, 30));
  p.drawPath(tails);
  // Determined eyes: lids pulled down flat.
  dotEyes(p, s, 18.5, 2.5, 3);
  p.setPen(QPen(s.ink, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10.5, 16), QPointF(17.5, 16.5));
  p.drawLine(QPointF(22.5, 16.5), QPointF(29.5, 16));
  // A firm, lopsided smile.
  QPainterPath m;
  m.moveTo(14, 27);
  m.quadTo(22, 29, 27, 24.5);
  stroke(p, m, s.ink, 2.1);
}

void sleepyFace(QPainter& p) {
  Skin s;
  s.light = QColor(175, 225, 160);
  s.mid = QColor(95, 165, 85);
  s.dark = QColor(40, 95, 40);
  head(p, kMiddle, 17, s);
  for (double x : {14.0, 26.0}) {
    QPainterPath lid;
    lid.moveTo(x - 3.5, 16);
    lid.quadTo(x, 19.5, x + 3.5, 16);
    stroke(p, lid, s.ink, 1.8);
  }
  p.setPen(QPen(s.ink, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 27), QPointF(24, 27));
  // Zz.
  const QColor zColour(200, 230, 255);
  for (const auto& [x, y, size] : {std::tuple{28.0, 4.0, 5.0}, std::tuple{34.0, 11.0, 3.6}}) {
    QPainterPath z;
    z.moveTo(x, y);
    z.lineTo(x + size, y);
    z.lineTo(x, y + size);
    z.lineTo(x + size, y + size);
    stroke(p, z, QColor(20, 40, 70), 2.6);
    stroke(p, z, zColour, 1.3);
  }
}

void helpFace(QPainter& p) {
  const Skin s;
  head(p, QPointF(18.5, 21), 16.5, s);
  // One brow up, one down: puzzled.
  QPainterPath brow;
  brow.moveTo(9, 10.5);
  brow.quadTo(12.5, 6.5, 16, 9.5);
  stroke(p, brow, s.ink, 1.7);
  p.setPen(QPen(s.ink, 1.7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20.5, 13), QPointF(27, 13));
  p.setPen(Qt::NoPen);
  p.setBrush(s.ink);
  p.drawEllipse(QPointF(12.5, 16), 2.4, 3.4);
  p.drawEllipse(QPointF(24, 17), 2.4, 2.6);
  QPainterPath m;
  m.moveTo(11.5, 28);
  m.cubicTo(14, 25, 16, 31, 19, 28);
  m.cubicTo(21.5, 25, 23.5, 31, 26, 27.5);
  stroke(p, m, s.ink, 1.8);
  // A big question mark.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(22);
  font.setBold(true);
  QPainterPath q;
  q.addText(QPointF(27, 19), font, QStringLiteral("?"));
  p.setPen(QPen(QColor(60, 30, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(q);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 220, 40));
  p.drawPath(q);
}

void darkViewFace(QPainter& p) {
  // In the dark, lit from below by the candle he carries.
  const QPointF c(20, 18);
  QLinearGradient g(QPointF(0, 35), QPointF(0, 2));
  g.setColorAt(0, QColor(190, 215, 90));
  g.setColorAt(0.35, QColor(60, 130, 40));
  g.setColorAt(1, QColor(8, 30, 10));
  p.setPen(QPen(QColor(5, 20, 5), 1.2));
  p.setBrush(g);
  p.drawEllipse(c, 16, 16);
  p.setPen(Qt::NoPen);
  for (double x : {14.0, 26.0}) {
    p.setBrush(QColor(5, 15, 5));
    p.drawEllipse(QPointF(x, 15), 2.4, 3.2);
    p.setBrush(QColor(255, 220, 120));
    p.drawEllipse(QPointF(x, 16.6), 0.9, 0.9);
  }
  QPainterPath m;
  m.moveTo(13, 22);
  m.quadTo(20, 28.5, 27, 22);
  stroke(p, m, QColor(5, 15, 5), 2);
  QRadialGradient glow(QPointF(20, 35), 8);
  glow.setColorAt(0, QColor(255, 200, 80, 200));
  glow.setColorAt(1, QColor(255, 160, 40, 0));
  p.setBrush(glow);
  p.drawEllipse(QPointF(20, 35), 8, 5);
  paintFlame(p, QPointF(20, 30.5), 7, 4.5);
  p.setBrush(QColor(240, 230, 200));
  p.drawRect(QRectF(18.3, 37.3, 3.4, 2.7));
}

}  // namespace

void paintHanger(QPainter& p, int facing) {
  paintFloor(p);
  const QPointF c(20, 21.5);
  // Two stubby horns.
  p.setPen(QPen(QColor(70, 0, 0), 0.8));
  p.setBrush(QColor(150, 20, 20));
  for (double side : {-1.0, 1.0}) {
    QPolygonF horn;
    horn << QPointF(20 + side * 6, 8.5) << QPointF(20 + side * 13, 1.5) << QPointF(20 + side * 12.5, 11);
    p.drawPolygon(horn);
  }
  QRadialGradient body(c - QPointF(5, 6), 22);
  body.setColorAt(0, QColor(255, 130, 110));
  body.setColorAt(0.45, QColor(225, 35, 25));
  body.setColorAt(1, QColor(110, 0, 0));
  p.setPen(QPen(QColor(60, 0, 0), 1.2));
  p.setBrush(body);
  p.drawEllipse(c, 16.5, 16);
  // Eyes with pupils turned the way it heads.
  const QPointF look = lookDirection(facing);
  for (double x : {13.5, 26.5}) {
    const QPointF eye(x, 18.5);
    p.setPen(QPen(QColor(60, 0, 0), 1));
    p.setBrush(QColor(255, 250, 235));
    p.drawEllipse(eye, 5, 5.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 5, 5));
    p.drawEllipse(eye + look * 2.5, 2.4, 2.4);
  }
  // Mean brows and a toothy grin.
  p.setPen(QPen(QColor(60, 0, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8.5, 11), QPointF(17, 13.5));
  p.drawLine(QPointF(31.5, 11), QPointF(23, 13.5));
  QPainterPath mouth;
  mouth.moveTo(11.5, 27);
  mouth.quadTo(20, 35, 28.5, 27);
  mouth.quadTo(20, 31, 11.5, 27);
  p.setPen(QPen(QColor(60, 0, 0), 1));
  p.setBrush(QColor(50, 0, 0));
  p.drawPath(mouth);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 240));
  for (double x : {15.0, 25.0}) {
    QPolygonF fang;
    fang << QPointF(x - 1.6, 28.7) << QPointF(x + 1.6, 28.7) << QPointF(x, 32);
    p.drawPolygon(fang);
  }
}

void paintFace(QPainter& p, int index) {
  switch (index) {
    case 1:
      return levelPassedFace(p);
    case 2:
      return invisibleFace(p);
    case 3:
      return attackFace(p);
    case 4:
      return surprisedFace(p);
    case 5:
      return immortalFace(p);
    case 6:
      return removeBlockFace(p);
    case 7:
      return sleepyFace(p);
    case 8:
      return helpFace(p);
    case 9:
      return darkViewFace(p);
    default:
      return normalFace(p);
  }
}

}  // namespace quobbles::ui::art
