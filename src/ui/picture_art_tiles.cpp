// The tile pictures: the floor and what lies on it, the walls, the doors, the moving blocks.
// Everything is drawn on a 40 x 40 square in pixel coordinates, for a black game board.
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "state/tiles.h"
#include "ui/picture_art.h"

namespace quobbles::ui::art {

namespace {

constexpr double kSide = 40.0;
const QPointF kCentre(20.0, 20.0);

// --- small drawing helpers -----------------------------------------------------------

QPainterPath starPath(QPointF centre, double outer, double inner, int points, double turn = 0.0) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const double r = (i % 2 == 0) ? outer : inner;
    const double a = -std::numbers::pi / 2 + turn + i * std::numbers::pi / points;
    const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    if (i == 0) {
      path.moveTo(pt);
    } else {
      path.lineTo(pt);
    }
  }
  path.closeSubpath();
  return path;
}

// An arrow from tail to tip as one closed outline: a shaft and a triangular head.
QPainterPath arrowPath(QPointF tail, QPointF tip, double shaft, double headLength, double headWidth) {
  const QPointF d = tip - tail;
  const double len = std::hypot(d.x(), d.y());
  const QPointF u = d / len;
  const QPointF n(-u.y(), u.x());
  const QPointF neck = tip - u * headLength;
  QPolygonF poly;
  poly << tail + n * (shaft / 2) << neck + n * (shaft / 2) << neck + n * (headWidth / 2) << tip
       << neck - n * (headWidth / 2) << neck - n * (shaft / 2) << tail - n * (shaft / 2);
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  return path;
}

// A shaft with a head at both ends.
QPainterPath doubleArrowPath(QPointF a, QPointF b, double shaft, double headLength, double headWidth) {
  const QPointF d = b - a;
  const double len = std::hypot(d.x(), d.y());
  const QPointF u = d / len;
  const QPointF n(-u.y(), u.x());
  const QPointF neckA = a + u * headLength;
  const QPointF neckB = b - u * headLength;
  QPolygonF poly;
  poly << a << neckA + n * (headWidth / 2) << neckA + n * (shaft / 2) << neckB + n * (shaft / 2)
       << neckB + n * (headWidth / 2) << b << neckB - n * (headWidth / 2) << neckB - n * (shaft / 2)
       << neckA - n * (shaft / 2) << neckA - n * (headWidth / 2);
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  return path;
}

void rivet(QPainter& p, QPointF c, double r, QColor base) {
  QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.4);
  g.setColorAt(0, base.lighter(190));
  g.setColorAt(0.5, base);
  g.setColorAt(1, base.darker(220));
  p.setPen(QPen(base.darker(300), 0.6));
  p.setBrush(g);
  p.drawEllipse(c, r, r);
}

// --- floor and what lies on it --------------------------------------------------------

void paintButton(QPainter& p) {
  paintFloor(p);
  const QPointF a(11, 11), b(29, 29), c(29, 11), d(11, 29);
  p.setPen(QPen(QColor(70, 0, 0), 8.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
  p.drawLine(c, d);
  p.setPen(QPen(QColor(222, 30, 30), 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
  p.drawLine(c, d);
  p.setPen(QPen(QColor(255, 140, 130), 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(11, 10), QPointF(18, 17));
  p.drawLine(QPointF(28, 10), QPointF(22, 16));
}

void paintStartSquare(QPainter& p) {
  paintFloor(p);
  p.setPen(QPen(QColor(70, 150, 80), 1, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(3.5, 3.5, 33, 33), 3, 3);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(225, 240, 170));
  p.drawText(QRectF(0, 6, kSide, 14), Qt::AlignCenter, QStringLiteral("Start"));
  p.drawText(QRectF(0, 19, kSide, 14), Qt::AlignCenter, QStringLiteral("here"));
}

void paintExplosion(QPainter& p) {
  paintFloor(p);
  QRadialGradient glow(kCentre, 20);
  glow.setColorAt(0, QColor(255, 120, 0, 170));
  glow.setColorAt(1, QColor(255, 40, 0, 0));
  p.fillRect(QRectF(0, 0, kSide, kSide), glow);
  p.setPen(Qt::NoPen);
  // An uneven outer burst, then a brighter inner one turned half a point.
  QPainterPath outer;
  const int points = 11;
  for (int i = 0; i < points * 2; ++i) {
    const double r = (i % 2 == 0) ? 16.5 + 3 * noise(i, 1, 3) : 8 + 2 * noise(i, 2, 3);
    const double a = i * std::numbers::pi / points;
    const QPointF pt(20 + r * std::cos(a), 20 + r * std::sin(a));
    if (i == 0) {
      outer.moveTo(pt);
    } else {
      outer.lineTo(pt);
    }
  }
  outer.closeSubpath();
  QRadialGradient fire(kCentre, 19);
  fire.setColorAt(0, QColor(255, 255, 210));
  fire.setColorAt(0.35, QColor(255, 220, 40));
  fire.setColorAt(0.7, QColor(255, 120, 0));
  fire.setColorAt(1, QColor(210, 30, 0));
  p.setBrush(fire);
  p.drawPath(outer);
  QRadialGradient core(kCentre, 10);
  core.setColorAt(0, QColor(255, 255, 255));
  core.setColorAt(1, QColor(255, 230, 60));
  p.setBrush(core);
  p.drawPath(starPath(kCentre, 10, 4.5, 8, 0.2));
  p.setBrush(QColor(255, 240, 150));
  for (int i = 0; i < 5; ++i) {
    const double a = 2 * std::numbers::pi * noise(i, 7, 3);
    const double r = 14 + 4 * noise(i, 8, 3);
    p.drawEllipse(QPointF(20 + r * std::cos(a), 20 + r * std::sin(a)), 1.1, 1.1);
  }
}

void paintMine(QPainter& p) {
  paintFloor(p);
  const QPointF c(18.5, 23);
  // Cap and fuse first, so the body covers their roots.
  p.save();
  p.translate(c);
  p.rotate(40);
  p.setPen(QPen(QColor(20, 20, 24), 1));
  QLinearGradient capShade(-4, 0, 4, 0);
  capShade.setColorAt(0, QColor(150, 150, 160));
  capShade.setColorAt(1, QColor(60, 60, 70));
  p.setBrush(capShade);
  p.drawRect(QRectF(-3.5, -14.5, 7, 5));
  p.restore();
  QPainterPath fuse;
  fuse.moveTo(25, 12);
  fuse.cubicTo(27, 7, 31, 9, 32, 5);
  p.setPen(QPen(QColor(200, 170, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(fuse);
  QRadialGradient body(c - QPointF(4, 4.5), 15);
  body.setColorAt(0, QColor(125, 130, 145));
  body.setColorAt(0.35, QColor(45, 48, 58));
  body.setColorAt(1, QColor(8, 8, 10));
  p.setPen(QPen(QColor(0, 0, 0), 1));
  p.setBrush(body);
  p.drawEllipse(c, 11.5, 11.5);
  // The spark at the end of the fuse.
  QRadialGradient spark(QPointF(32, 5), 5);
  spark.setColorAt(0, QColor(255, 255, 200));
  spark.setColorAt(0.4, QColor(255, 200, 40));
  spark.setColorAt(1, QColor(255, 80, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(spark);
  p.drawPath(starPath(QPointF(32, 5), 5, 1.8, 6));
  // A small red warning light on the shell.
  p.setBrush(QColor(255, 50, 40));
  p.drawEllipse(QPointF(18.5, 27), 1.8, 1.8);
}

void paintPlayersDoor(QPainter& p) {
  paintFloor(p);
  // A dark doorway under a green arch, hung with a curtain of beads.
  QPainterPath opening;
  opening.moveTo(9, 37);
  opening.lineTo(9, 13);
  opening.arcTo(QRectF(9, 3, 22, 20), 180, -180);
  opening.lineTo(31, 37);
  opening.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(6, 22, 10));
  p.drawPath(opening);
  for (int s = 0; s < 5; ++s) {
    const double x = 12 + s * 4;
    p.setPen(QPen(QColor(40, 90, 50), 0.6));
    p.drawLine(QPointF(x, 8), QPointF(x, 35));
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 7; ++k) {
      const double y = 10 + k * 3.8 + ((s % 2) ? 1.9 : 0);
      if (y > 35) continue;
      // Beads outside the arch would hang in the air.
      if (!opening.contains(QPointF(x, y - 1.5))) continue;
      const bool light = (k + s) % 3 == 0;
      p.setBrush(light ? QColor(230, 255, 140) : QColor(70, 220, 90));
      p.drawEllipse(QPointF(x, y), 1.5, 1.5);
    }
  }
  QPen frame(QColor(40, 190, 70), 3.2);
  frame.setJoinStyle(Qt::RoundJoin);
  p.setPen(frame);
  p.setBrush(Qt::NoBrush);
  p.drawPath(opening);
  p.setPen(QPen(QColor(150, 255, 160), 0.8));
  QPainterPath shine;
  shine.moveTo(7.6, 36);
  shine.lineTo(7.6, 13);
  shine.arcTo(QRectF(7.6, 1.6, 24.8, 22.8), 180, -70);
  p.drawPath(shine);
}

// Gravity squares: a floor tinted towards the side things fall to, a ground bar on that side
// and a large arrow towards it, with speed lines trailing behind.
void paintGravity(QPainter& p, bool left) {
  paintFloor(p);
  const double dir = left ? -1 : 1;
  QLinearGradient pull(QPointF(20 - 20 * dir, 20), QPointF(20 + 20 * dir, 20));
  pull.setColorAt(0, QColor(20, 40, 90, 0));
  pull.setColorAt(1, QColor(40, 90, 200, 120));
  p.fillRect(QRectF(1, 1, 38, 38), pull);
  // The ground things land on, hatched on its outer side.
  const double groundX = 20 + dir * 15;
  p.setPen(QPen(QColor(150, 200, 255), 1, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 5; ++i) {
    const double y = 8 + i * 6;
    p.drawLine(QPointF(groundX + dir * 1, y), QPointF(groundX + dir * 3.5, y - 3));
  }
  p.setPen(QPen(QColor(170, 215, 255), 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(groundX, 5), QPointF(groundX, 35));
  p.setPen(QPen(QColor(110, 170, 240, 150), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20 - dir * 1, 11), QPointF(20 - dir * 14, 11));
  p.drawLine(QPointF(20 - dir * 1, 29), QPointF(20 - dir * 14, 29));
  p.setPen(QPen(QColor(110, 170, 240, 90), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20 - dir * 11, 7), QPointF(20 - dir * 17, 7));
  p.drawLine(QPointF(20 - dir * 11, 33), QPointF(20 - dir * 17, 33));
  const QPainterPath arrow = arrowPath(QPointF(20 - dir * 9, 20), QPointF(20 + dir * 10.5, 20), 6, 10, 18);
  p.setPen(QPen(QColor(10, 40, 90), 1.2));
  p.setBrush(QColor(195, 232, 255));
  p.drawPath(arrow);
}

void paintHiddenPicture(QPainter& p) {
  paintFloor(p);
  QRadialGradient disc(QPointF(16, 15), 20);
  disc.setColorAt(0, QColor(255, 95, 85));
  disc.setColorAt(0.6, QColor(215, 20, 20));
  disc.setColorAt(1, QColor(140, 0, 0));
  p.setPen(QPen(QColor(90, 0, 0), 1.2));
  p.setBrush(disc);
  p.drawEllipse(kCentre, 15.5, 15.5);
  p.setPen(QPen(QColor(120, 0, 0), 1));
  p.setBrush(QColor(250, 250, 250));
  p.drawRoundedRect(QRectF(8.5, 16.5, 23, 7), 1.5, 1.5);
}

void paintTeleport(QPainter& p) {
  paintFloor(p);
  QRadialGradient well(kCentre, 18);
  well.setColorAt(0, QColor(10, 0, 30));
  well.setColorAt(0.55, QColor(90, 30, 200));
  well.setColorAt(0.85, QColor(60, 20, 150, 180));
  well.setColorAt(1, QColor(40, 10, 100, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(well);
  p.drawEllipse(kCentre, 18, 18);
  // Three arms winding into the middle.
  for (int arm = 0; arm < 3; ++arm) {
    QPainterPath spiral;
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
      const double t = double(i) / steps;
      const double a = arm * 2 * std::numbers::pi / 3 + t * 1.4 * std::numbers::pi;
      const double r = 2 + 13.5 * t;
      const QPointF pt(20 + r * std::cos(a), 20 + r * std::sin(a));
      if (i == 0) {
        spiral.moveTo(pt);
      } else {
        spiral.lineTo(pt);
      }
    }
    p.setPen(QPen(QColor(90, 245, 255), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spiral);
  }
  p.setPen(QPen(QColor(200, 140, 255), 1.3));
  p.drawEllipse(kCentre, 16, 16);
  QRadialGradient eye(kCentre, 4);
  eye.setColorAt(0, QColor(255, 255, 255));
  eye.setColorAt(1, QColor(120, 250, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(eye);
  p.drawEllipse(kCentre, 4, 4);
}

// A test pipe: a glass tube with a rounded bottom, a lip and a cork, filled up to two
// thirds with the liquid of its special.
void paintTestPipe(QPainter& p, QColor liquid) {
  paintFloor(p);
  const double left = 14, right = 26, top = 8, bottom = 35;
  const double r = (right - left) / 2;
  QPainterPath tube;
  tube.moveTo(left, top);
  tube.lineTo(left, bottom - r);
  tube.arcTo(QRectF(left, bottom - 2 * r, 2 * r, 2 * r), 180, 180);
  tube.lineTo(right, top);
  tube.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 190, 220, 45));
  p.drawPath(tube);
  // The liquid, clipped to the tube.
  p.save();
  p.setClipPath(tube);
  const double level = 17;
  p.fillRect(QRectF(left, level, right - left, bottom - level), liquid);
  p.fillRect(QRectF(left, level, right - left, 1.5), liquid.lighter(150));
  p.fillRect(QRectF(right - 3.5, level + 1.5, 2.5, bottom - level), liquid.darker(150));
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QPointF(19, 26), 1.3, 1.3);
  p.drawEllipse(QPointF(21.5, 21.5), 0.9, 0.9);
  p.drawEllipse(QPointF(18, 31), 0.8, 0.8);
  p.restore();
  // Glass: outline and a reflection.
  p.setPen(QPen(QColor(215, 235, 250), 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tube);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 10), QPointF(16, 15));
  p.setPen(QPen(QColor(215, 235, 250), 1));
  p.setBrush(QColor(190, 215, 235));
  p.drawRoundedRect(QRectF(left - 2, top - 1.5, right - left + 4, 3), 1.2, 1.2);
  QLinearGradient cork(QPointF(0, 3), QPointF(0, 7));
  cork.setColorAt(0, QColor(215, 160, 100));
  cork.setColorAt(1, QColor(150, 100, 55));
  p.setPen(QPen(QColor(90, 55, 25), 0.8));
  p.setBrush(cork);
  p.drawRoundedRect(QRectF(left + 1.5, 2.5, right - left - 3, 5), 1, 1);
}

void paintStar(QPainter& p) {
  paintFloor(p);
  const QPointF c(20, 21.5);
  QRadialGradient glow(c, 20);
  glow.setColorAt(0, QColor(255, 230, 80, 90));
  glow.setColorAt(1, QColor(255, 200, 0, 0));
  p.fillRect(QRectF(0, 0, kSide, kSide), glow);
  QLinearGradient fill(QPointF(0, 4), QPointF(0, 36));
  fill.setColorAt(0, QColor(255, 250, 160));
  fill.setColorAt(0.5, QColor(255, 215, 20));
  fill.setColorAt(1, QColor(235, 160, 0));
  QPen edge(QColor(150, 90, 0), 1.2);
  edge.setJoinStyle(Qt::RoundJoin);
  p.setPen(edge);
  p.setBrush(fill);
  p.drawPath(starPath(c, 17, 7, 5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 230, 200));
  p.drawEllipse(QPointF(17.5, 17), 2, 1.3);
}

void paintCandle(QPainter& p) {
  paintFloor(p);
  QRadialGradient light(QPointF(20, 11), 20);
  light.setColorAt(0, QColor(255, 200, 90, 130));
  light.setColorAt(1, QColor(255, 150, 40, 0));
  p.fillRect(QRectF(0, 0, kSide, kSide), light);
  // Holder.
  p.setPen(QPen(QColor(110, 75, 20), 1));
  QLinearGradient brass(QPointF(7, 0), QPointF(33, 0));
  brass.setColorAt(0, QColor(240, 200, 100));
  brass.setColorAt(1, QColor(160, 110, 30));
  p.setBrush(brass);
  p.drawEllipse(QPointF(20, 34.5), 13, 3.5);
  // Wax.
  QLinearGradient wax(QPointF(15, 0), QPointF(25, 0));
  wax.setColorAt(0, QColor(255, 252, 235));
  wax.setColorAt(1, QColor(210, 195, 150));
  p.setPen(QPen(QColor(140, 125, 90), 0.8));
  p.setBrush(wax);
  p.drawRect(QRectF(15.5, 17, 9, 17));
  p.setBrush(QColor(255, 250, 225));
  p.drawEllipse(QPointF(20, 17), 4.5, 1.5);
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(16.2, 17, 1.8, 7), 0.9, 0.9);
  p.setPen(QPen(QColor(40, 30, 20), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20, 17), QPointF(20, 14));
  paintFlame(p, QPointF(20, 3), 12, 7.5);
}

void paintSpikeBall(QPainter& p) {
  paintFloor(p);
  const int spikes = 10;
  for (int i = 0; i < spikes; ++i) {
    const double a = i * 2 * std::numbers::pi / spikes + 0.15;
    const QPointF u(std::cos(a), std::sin(a));
    const QPointF n(-u.y(), u.x());
    QPolygonF spike;
    spike << kCentre + u * 7 + n * 3.6 << kCentre + u * 19 << kCentre + u * 7 - n * 3.6;
    QLinearGradient steel(kCentre + n * 3, kCentre - n * 3);
    steel.setColorAt(0, QColor(235, 240, 245));
    steel.setColorAt(1, QColor(90, 95, 105));
    p.setPen(QPen(QColor(35, 38, 45), 0.9));
    p.setBrush(steel);
    p.drawPolygon(spike);
  }
  QRadialGradient ball(QPointF(16.5, 16.5), 14);
  ball.setColorAt(0, QColor(255, 255, 255));
  ball.setColorAt(0.25, QColor(190, 198, 208));
  ball.setColorAt(0.8, QColor(85, 90, 100));
  ball.setColorAt(1, QColor(40, 42, 48));
  p.setPen(QPen(QColor(30, 32, 38), 1));
  p.setBrush(ball);
  p.drawEllipse(kCentre, 10, 10);
}

// --- walls ---------------------------------------------------------------------------

struct BrickStyle {
  QColor brick;
  QColor mortar;
  int rows = 4;
  double brickWidth = 20;
  bool stagger = true;
  int seed = 0;
  int shadeSpread = 30;  // how much bricks differ from each other
};

void paintBricks(QPainter& p, const BrickStyle& s) {
  p.fillRect(QRectF(0, 0, kSide, kSide), s.mortar);
  p.save();
  p.setClipRect(QRectF(0, 0, kSide, kSide));
  const double h = kSide / s.rows;
  for (int row = 0; row < s.rows; ++row) {
    const double y = row * h;
    const double shift = (s.stagger && row % 2 == 1) ? -s.brickWidth / 2 : 0;
    int col = 0;
    for (double x = shift; x < kSide; x += s.brickWidth, ++col) {
      const QRectF r(x + 1, y + 1, s.brickWidth - 2, h - 2);
      const int shade = 100 + int((noise(row, col, s.seed) - 0.5) * s.shadeSpread);
      const QColor base = shade >= 100 ? s.brick.lighter(shade) : s.brick.darker(200 - shade);
      QLinearGradient g(r.topLeft(), r.bottomLeft());
      g.setColorAt(0, base.lighter(118));
      g.setColorAt(1, base.darker(118));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawRoundedRect(r, 0.8, 0.8);
      p.setPen(QPen(base.lighter(145), 1));
      p.drawLine(QPointF(r.left() + 0.5, r.top() + 0.5), QPointF(r.right() - 0.5, r.top() + 0.5));
      p.setPen(QPen(base.darker(160), 1));
      p.drawLine(QPointF(r.left() + 0.5, r.bottom() - 0.5), QPointF(r.right() - 0.5, r.bottom() - 0.5));
    }
  }
  p.restore();
}

void crack(QPainter& p, const std::vector<QPointF>& pts, QColor dark) {
  QPainterPath path(pts.front());
  for (std::size_t i = 1; i < pts.size(); ++i) path.lineTo(pts[i]);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 220, 180, 90), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path.translated(0.8, 0.8));
  p.setPen(QPen(dark, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

// The breakable walls 20..25: one brick wall in six builds: plain, cracked, large blocks,
// small bricks, knocked-out, and shattered.
void paintBreakableWall(QPainter& p, int variant) {
  const QColor brick(184, 98, 44);
  const QColor mortar(52, 30, 18);
  const QColor gap(25, 12, 6);
  BrickStyle s{brick, mortar, 4, 20, true, 20 + variant};
  switch (variant) {
    case 0:
      paintBricks(p, s);
      break;
    case 1:
      paintBricks(p, s);
      crack(p, {{33, 0}, {29, 7}, {31, 12}, {24, 19}, {26, 25}, {20, 31}, {21, 40}}, gap);
      break;
    case 2:
      s.rows = 2;
      s.brickWidth = 20;
      s.stagger = false;
      s.brick = QColor(166, 80, 40);
      paintBricks(p, s);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 200, 150, 60));
      for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(10 + 20 * (i % 2), 10 + 20 * (i / 2)), 2.2, 2.2);
      break;
    case 3:
      s.rows = 6;
      s.brickWidth = 13.34;
      s.brick = QColor(200, 112, 50);
      paintBricks(p, s);
      break;
    case 4: {
      paintBricks(p, s);
      // A brick knocked out, showing the dark hollow behind it.
      QPolygonF hole;
      hole << QPointF(13, 11) << QPointF(27, 10.5) << QPointF(28.5, 16) << QPointF(26, 20.5)
           << QPointF(17, 21) << QPointF(12, 17);
      p.setPen(QPen(QColor(120, 60, 30), 1));
      p.setBrush(gap);
      p.drawPolygon(hole);
      crack(p, {{12, 17}, {7, 22}, {8, 27}, {3, 31}}, gap);
      crack(p, {{26, 20.5}, {29, 26}, {27, 30}}, gap);
      break;
    }
    default: {
      s.brick = QColor(175, 88, 40);
      paintBricks(p, s);
      // Shattered from the middle outwards.
      const QPointF c(20, 20);
      p.setPen(Qt::NoPen);
      p.setBrush(gap);
      p.drawEllipse(c, 2.5, 2.5);
      for (int i = 0; i < 6; ++i) {
        const double a = i * std::numbers::pi / 3 + 0.3;
        const double r1 = 7 + 3 * noise(i, 1, 25);
        const double r2 = 13 + 5 * noise(i, 2, 25);
        crack(p,
              {c, c + QPointF(r1 * std::cos(a + 0.25), r1 * std::sin(a + 0.25)),
               c + QPointF(r2 * std::cos(a), r2 * std::sin(a))},
              gap);
      }
      break;
    }
  }
}

// A ghostly brick wall: it blocks like a wall, but the floor shows through it and hangers
// break it.
void paintShadowWall(QPainter& p) {
  paintFloor(p);
  const double h = 10;
  for (int row = 0; row < 4; ++row) {
    const double shift = (row % 2 == 1) ? -10 : 0;
    int col = 0;
    for (double x = shift; x < kSide; x += 20, ++col) {
      const double left = std::max(x + 1.5, 1.0);
      const double right = std::min(x + 18.5, 39.0);
      const QRectF brick(left, row * h + 1.5, right - left, h - 3);
      const int alpha = 95 + int(50 * noise(row, col, 19));
      p.setPen(QPen(QColor(210, 215, 235, 150), 1));
      p.setBrush(QColor(150, 155, 175, alpha));
      p.drawRoundedRect(brick, 2, 2);
    }
  }
  // Mist drifting over it.
  QLinearGradient mist(QPointF(0, 0), QPointF(40, 40));
  mist.setColorAt(0, QColor(200, 205, 230, 50));
  mist.setColorAt(0.5, QColor(200, 205, 230, 0));
  mist.setColorAt(1, QColor(200, 205, 230, 40));
  p.fillRect(QRectF(0, 0, kSide, kSide), mist);
}

// Permanent walls: riveted steel plates.
const QColor kSteel(92, 118, 145);

void plate(QPainter& p, const QRectF& r, QColor base = kSteel) {
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0, base.lighter(120));
  g.setColorAt(1, base.darker(125));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRect(r);
  p.setPen(QPen(base.lighter(165), 1.2));
  p.drawLine(QPointF(r.left() + 0.6, r.bottom() - 0.6), QPointF(r.left() + 0.6, r.top() + 0.6));
  p.drawLine(QPointF(r.left() + 0.6, r.top() + 0.6), QPointF(r.right() - 0.6, r.top() + 0.6));
  p.setPen(QPen(base.darker(220), 1.2));
  p.drawLine(QPointF(r.right() - 0.6, r.top() + 0.6), QPointF(r.right() - 0.6, r.bottom() - 0.6));
  p.drawLine(QPointF(r.right() - 0.6, r.bottom() - 0.6), QPointF(r.left() + 0.6, r.bottom() - 0.6));
}

void cornerRivets(QPainter& p, const QRectF& r, double inset, double radius) {
  rivet(p, r.topLeft() + QPointF(inset, inset), radius, kSteel);
  rivet(p, r.topRight() + QPointF(-inset, inset), radius, kSteel);
  rivet(p, r.bottomLeft() + QPointF(inset, -inset), radius, kSteel);
  rivet(p, r.bottomRight() + QPointF(-inset, -inset), radius, kSteel);
}

void raisedBar(QPainter& p, QPointF a, QPointF b, double width) {
  p.setPen(QPen(kSteel.darker(200), width + 1.6, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(a + QPointF(0.8, 0.8), b + QPointF(0.8, 0.8));
  p.setPen(QPen(kSteel.lighter(135), width, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(a, b);
}

// Variant 0..7 stands for codes 60..65, 67, 68.
void paintPermanentWall(QPainter& p, int variant) {
  const QRectF full(0, 0, kSide, kSide);
  p.fillRect(full, QColor(20, 26, 34));
  switch (variant) {
    case 0:  // a single plate
      plate(p, full);
      cornerRivets(p, full, 5, 2.2);
      break;
    case 1:  // a plate braced by a cross
      plate(p, full);
      p.save();
      p.setClipRect(full.adjusted(2, 2, -2, -2));
      raisedBar(p, QPointF(2, 2), QPointF(38, 38), 4.5);
      raisedBar(p, QPointF(38, 2), QPointF(2, 38), 4.5);
      p.restore();
      rivet(p, kCentre, 2.6, kSteel);
      break;
    case 2:  // four small plates
      for (int i = 0; i < 4; ++i) {
        const QRectF r(20 * (i % 2), 20 * (i / 2), 20, 20);
        plate(p, r.adjusted(0.5, 0.5, -0.5, -0.5));
        rivet(p, r.center(), 2.2, kSteel);
      }
      break;
    case 3:  // ribbed
      plate(p, full);
      for (int i = 0; i < 5; ++i) raisedBar(p, QPointF(4, 6.5 + i * 6.75), QPointF(36, 6.5 + i * 6.75), 2.4);
      break;
    case 4: {  // tread plate
      plate(p, full, kSteel.darker(110));
      for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 5; ++col) {
          const QPointF c(5 + col * 7.5, 5 + row * 7.5);
          const QPointF d = ((row + col) % 2 == 0) ? QPointF(2.2, -2.2) : QPointF(2.2, 2.2);
          raisedBar(p, c - d, c + d, 1.6);
        }
      }
      break;
    }
    case 5:  // two tall plates riveted along the seam
      plate(p, QRectF(0, 0, 20, 40).adjusted(0.5, 0.5, -0.5, -0.5));
      plate(p, QRectF(20, 0, 20, 40).adjusted(0.5, 0.5, -0.5, -0.5));
      for (int i = 0; i < 4; ++i) {
        rivet(p, QPointF(16, 5 + i * 10), 1.6, kSteel);
        rivet(p, QPointF(24, 5 + i * 10), 1.6, kSteel);
      }
      break;
    case 6: {  // a plate with a bolted boss
      plate(p, full);
      QRadialGradient boss(QPointF(16, 16), 16);
      boss.setColorAt(0, kSteel.lighter(170));
      boss.setColorAt(1, kSteel.darker(160));
      p.setPen(QPen(kSteel.darker(260), 1.2));
      p.setBrush(boss);
      p.drawEllipse(kCentre, 10, 10);
      p.setPen(QPen(kSteel.darker(200), 1));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(kCentre, 6.5, 6.5);
      QPolygonF hex;
      for (int i = 0; i < 6; ++i) {
        const double a = i * std::numbers::pi / 3;
        hex << kCentre + QPointF(3.5 * std::cos(a), 3.5 * std::sin(a));
      }
      p.setBrush(kSteel.lighter(140));
      p.drawPolygon(hex);
      cornerRivets(p, full, 4.5, 1.8);
      break;
    }
    default: {  // a vented plate
      plate(p, full);
      for (int i = 0; i < 4; ++i) {
        const QRectF slot(9, 9.5 + i * 6, 22, 3);
        p.setPen(QPen(kSteel.lighter(150), 1));
        p.setBrush(QColor(12, 16, 22));
        p.drawRoundedRect(slot, 1.5, 1.5);
      }
      cornerRivets(p, full, 4.5, 1.8);
      break;
    }
  }
}

void paintExit(QPainter& p) {
  p.fillRect(QRectF(0, 0, kSide, kSide), QColor(6, 24, 10));
  QRadialGradient glow(kCentre, 22);
  glow.setColorAt(0, QColor(40, 200, 70, 110));
  glow.setColorAt(1, QColor(40, 200, 70, 0));
  p.fillRect(QRectF(0, 0, kSide, kSide), glow);
  p.setPen(QPen(QColor(40, 210, 70), 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(2.5, 2.5, 35, 35), 3, 3);
  // A bold block letter E.
  QPolygonF letter;
  letter << QPointF(12, 8) << QPointF(28, 8) << QPointF(28, 13) << QPointF(17.5, 13) << QPointF(17.5, 17.5)
         << QPointF(25, 17.5) << QPointF(25, 22.5) << QPointF(17.5, 22.5) << QPointF(17.5, 27)
         << QPointF(28, 27) << QPointF(28, 32) << QPointF(12, 32);
  QPainterPath e;
  e.addPolygon(letter);
  e.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 60, 10));
  p.drawPath(e.translated(1.2, 1.2));
  QLinearGradient fill(QPointF(0, 8), QPointF(0, 32));
  fill.setColorAt(0, QColor(150, 255, 150));
  fill.setColorAt(1, QColor(30, 200, 50));
  p.setPen(QPen(QColor(10, 110, 30), 0.8));
  p.setBrush(fill);
  p.drawPath(e);
}

void paintDoor(QPainter& p) {
  paintFloor(p);
  // Frame and a planked leaf with iron bands.
  p.fillRect(QRectF(4, 2, 32, 38), QColor(48, 30, 16));
  const QRectF leaf(6, 4, 28, 36);
  for (int i = 0; i < 4; ++i) {
    const QRectF plank(leaf.left() + i * 7, leaf.top(), 7, leaf.height());
    const QColor wood = QColor(140, 90, 45).lighter(92 + int(16 * noise(i, 0, 40)));
    QLinearGradient g(plank.topLeft(), plank.topRight());
    g.setColorAt(0, wood.lighter(112));
    g.setColorAt(1, wood.darker(115));
    p.fillRect(plank, g);
    p.setPen(QPen(wood.darker(140), 0.6));
    p.drawLine(QPointF(plank.left() + 2.5, plank.top() + 3 + 6 * noise(i, 1, 40)),
               QPointF(plank.left() + 2.5, plank.top() + 14 + 8 * noise(i, 2, 40)));
    p.drawLine(QPointF(plank.left() + 4.5, plank.top() + 20 + 4 * noise(i, 3, 40)),
               QPointF(plank.left() + 4.5, plank.bottom() - 3));
    p.setPen(QPen(QColor(40, 22, 10), 1));
    p.drawLine(QPointF(plank.right(), plank.top()), QPointF(plank.right(), plank.bottom()));
  }
  for (double y : {9.0, 31.0}) {
    p.fillRect(QRectF(6, y - 2, 28, 4), QColor(55, 55, 62));
    p.fillRect(QRectF(6, y - 2, 28, 1), QColor(110, 110, 120));
    for (double x : {9.0, 20.0, 31.0}) rivet(p, QPointF(x, y), 1.1, QColor(120, 120, 130));
  }
  // Ring handle and keyhole.
  p.setPen(QPen(QColor(120, 90, 20), 1));
  p.setBrush(QColor(230, 190, 80));
  p.drawEllipse(QPointF(28, 19), 2.2, 2.2);
  p.setPen(QPen(QColor(210, 170, 60), 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(28, 23), 2.6, 2.8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(15, 8, 4));
  p.drawEllipse(QPointF(28, 13.5), 1.1, 1.1);
  p.drawRect(QRectF(27.5, 13.5, 1, 2.5));
}

// --- moving blocks -------------------------------------------------------------------

// What a block shows: 0 a diamond, 1 up-down, 2 left-right, 3 right, 4 up, 5 left, 6 down.
QPainterPath blockSymbol(int kind) {
  const double reach = 11;
  switch (kind) {
    case 0: {
      QPolygonF d;
      d << QPointF(20, 20 - reach) << QPointF(20 + reach * 0.8, 20) << QPointF(20, 20 + reach)
        << QPointF(20 - reach * 0.8, 20);
      QPainterPath path;
      path.addPolygon(d);
      path.closeSubpath();
      return path;
    }
    case 1:
      return doubleArrowPath(QPointF(20, 20 - reach), QPointF(20, 20 + reach), 4.5, 7, 13);
    case 2:
      return doubleArrowPath(QPointF(20 - reach, 20), QPointF(20 + reach, 20), 4.5, 7, 13);
    case 3:
      return arrowPath(QPointF(20 - reach, 20), QPointF(20 + reach, 20), 5, 10, 16);
    case 4:
      return arrowPath(QPointF(20, 20 + reach), QPointF(20, 20 - reach), 5, 10, 16);
    case 5:
      return arrowPath(QPointF(20 + reach, 20), QPointF(20 - reach, 20), 5, 10, 16);
    default:
      return arrowPath(QPointF(20, 20 - reach), QPointF(20, 20 + reach), 5, 10, 16);
  }
}

void paintBlock(QPainter& p, QColor base, QColor symbol, int kind) {
  const QRectF outer(0, 0, kSide, kSide);
  p.fillRect(outer, base.darker(320));
  const double b = 4.5;  // bevel width
  const QRectF face = outer.adjusted(b + 0.5, b + 0.5, -b - 0.5, -b - 0.5);
  QPolygonF lit;
  lit << QPointF(0.5, 0.5) << QPointF(39.5, 0.5) << face.topRight() << face.topLeft() << face.bottomLeft()
      << QPointF(0.5, 39.5);
  QPolygonF shade;
  shade << QPointF(39.5, 39.5) << QPointF(0.5, 39.5) << face.bottomLeft() << face.bottomRight()
        << face.topRight() << QPointF(39.5, 0.5);
  p.setPen(Qt::NoPen);
  p.setBrush(base.lighter(150));
  p.drawPolygon(lit);
  p.setBrush(base.darker(175));
  p.drawPolygon(shade);
  QLinearGradient g(face.topLeft(), face.bottomRight());
  g.setColorAt(0, base.lighter(112));
  g.setColorAt(1, base.darker(112));
  p.setBrush(g);
  p.drawRect(face);
  p.setPen(QPen(base.darker(250), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, 39, 39));

  const QPainterPath sym = blockSymbol(kind);
  p.setPen(Qt::NoPen);
  p.setBrush(base.darker(260));
  p.drawPath(sym.translated(1.2, 1.2));
  p.setPen(QPen(symbol.darker(130), 0.8));
  p.setBrush(symbol);
  p.drawPath(sym);
  if (kind == 0) {
    // Facets on the diamond.
    p.setPen(QPen(symbol.darker(125), 0.8));
    p.drawLine(QPointF(20, 9), QPointF(20, 31));
    p.drawLine(QPointF(11.2, 20), QPointF(28.8, 20));
  }
}

}  // namespace

// --- shared --------------------------------------------------------------------------

double noise(int a, int b, int seed) {
  uint32_t h = static_cast<uint32_t>(a) * 374761393u + static_cast<uint32_t>(b) * 668265263u +
               static_cast<uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFu) / 65536.0;
}

// The floor: nearly black, a few speckles, and a thin edge lit on the top left and shaded
// on the bottom right so the grid of squares shows without drawing the eye.
void paintFloor(QPainter& p) {
  p.fillRect(QRectF(0, 0, kSide, kSide), QColor(17, 19, 23));
  for (int i = 0; i < 16; ++i) {
    const double x = 2 + 36 * noise(i, 0, 1);
    const double y = 2 + 36 * noise(i, 1, 1);
    p.fillRect(QRectF(std::floor(x), std::floor(y), 1, 1), QColor(28, 31, 37));
  }
  p.setPen(QPen(QColor(38, 42, 50), 1));
  p.drawLine(QPointF(0.5, 39.5), QPointF(0.5, 0.5));
  p.drawLine(QPointF(0.5, 0.5), QPointF(39.5, 0.5));
  p.setPen(QPen(QColor(7, 8, 10), 1));
  p.drawLine(QPointF(39.5, 0.5), QPointF(39.5, 39.5));
  p.drawLine(QPointF(39.5, 39.5), QPointF(0.5, 39.5));
}

void paintFlame(QPainter& p, QPointF tip, double height, double width) {
  const QPointF base = tip + QPointF(0, height);
  QPainterPath flame(tip);
  flame.cubicTo(tip + QPointF(width * 0.15, height * 0.35), base + QPointF(width / 2, -height * 0.35),
                base + QPointF(0, 0));
  flame.cubicTo(base + QPointF(-width / 2, -height * 0.35), tip + QPointF(-width * 0.15, height * 0.35), tip);
  QRadialGradient g(base - QPointF(0, height * 0.3), height * 0.75);
  g.setColorAt(0, QColor(255, 255, 235));
  g.setColorAt(0.4, QColor(255, 225, 80));
  g.setColorAt(1, QColor(255, 110, 10));
  p.setPen(QPen(QColor(220, 90, 0, 160), 0.6));
  p.setBrush(g);
  p.drawPath(flame);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 140, 255, 170));
  p.drawEllipse(base - QPointF(0, 1.4), width * 0.14, 1.2);
}

void paintTile(QPainter& p, int code) {
  if (!isValidTileCode(code)) {
    p.fillRect(QRectF(0, 0, kSide, kSide), QColor(255, 0, 255));  // impossible to overlook
    return;
  }
  const Tile& t = tileOf(static_cast<uint8_t>(code));
  // The five test pipes in the colours of their counters on the board.
  static const QColor kPipeColours[] = {QColor(0, 0, 255), QColor(0, 192, 0), QColor(255, 0, 0),
                                        QColor(255, 128, 0), QColor(255, 0, 255)};
  switch (t.art) {
    case Art::kFloor:
      return paintFloor(p);
    case Art::kButton:
      return paintButton(p);
    case Art::kStartSquare:
      return paintStartSquare(p);
    case Art::kExplosion:
      return paintExplosion(p);
    case Art::kMine:
      return paintMine(p);
    case Art::kPlayersDoor:
      return paintPlayersDoor(p);
    case Art::kGravityLeft:
      return paintGravity(p, true);
    case Art::kGravityRight:
      return paintGravity(p, false);
    case Art::kHiddenPicture:
      return paintHiddenPicture(p);
    case Art::kTeleport:
      return paintTeleport(p);
    case Art::kTestPipe:
      return paintTestPipe(p, kPipeColours[t.variant]);
    case Art::kStar:
      return paintStar(p);
    case Art::kCandle:
      return paintCandle(p);
    case Art::kSpikeBall:
      return paintSpikeBall(p);
    case Art::kShadowWall:
      return paintShadowWall(p);
    case Art::kBreakableWall:
      return paintBreakableWall(p, t.variant);
    case Art::kDoor:
      return paintDoor(p);
    case Art::kPermanentWall:
      return paintPermanentWall(p, t.variant);
    case Art::kExit:
      return paintExit(p);
    case Art::kBrownBlock:
      return paintBlock(p, QColor(150, 88, 40), QColor(255, 232, 190), t.variant);
    case Art::kDarkSquare:
      p.fillRect(QRectF(0, 0, kSide, kSide), QColor(60, 60, 60));
      return;
    case Art::kPurpleBlock:
      return paintBlock(p, QColor(128, 52, 170), QColor(246, 222, 255), t.variant);
    case Art::kHanger:
      return paintHanger(p, 0);
  }
}

}  // namespace quobbles::ui::art
