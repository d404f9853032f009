// The picture store: every map code gets its own readable picture, unknown codes get the
// magenta warning square, hangers look where they head, and the player's ten faces differ.
// Also writes a labelled gallery of every picture beside the test program for a look by eye.
#include "ui/picture_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <functional>
#include <vector>

#include "state/tiles.h"

using quobbles::ui::kPictureSize;
using quobbles::ui::PictureStore;

namespace {

const QRgb kMagenta = qRgb(255, 0, 255);

QImage imageOf(const QPixmap& pm) {
  return pm.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Pixels that differ clearly (by more than 40 in some channel), not just by rounding.
int clearlyDifferent(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
      if (d > 40) ++n;
    }
  }
  return n;
}
// Two pictures count as distinguishable when at least this many pixels differ clearly.
constexpr int kDistinct = 30;

int countPixels(const QImage& img, const std::function<bool(QRgb)>& pred) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += pred(img.pixel(x, y)) ? 1 : 0;
  return n;
}

QColor meanColour(const QImage& img) {
  double r = 0, g = 0, b = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      r += qRed(img.pixel(x, y));
      g += qGreen(img.pixel(x, y));
      b += qBlue(img.pixel(x, y));
    }
  }
  const double n = double(img.width()) * img.height();
  return QColor(int(r / n), int(g / n), int(b / n));
}

bool near(QRgb p, QColor c, int tol) {
  return std::abs(qRed(p) - c.red()) <= tol && std::abs(qGreen(p) - c.green()) <= tol &&
         std::abs(qBlue(p) - c.blue()) <= tol;
}

// Bright symbol pixels inside the part of a square that holds the symbol; how many lie ahead
// of the middle along (dx, dy), how many behind, and how many on either side across it.
struct Balance {
  int ahead = 0, behind = 0, sideA = 0, sideB = 0;
};
Balance symbolBalance(const QImage& img, int dx, int dy, int minLightness) {
  Balance b;
  for (int y = 8; y < 32; ++y) {
    for (int x = 8; x < 32; ++x) {
      if (QColor(img.pixel(x, y)).lightness() < minLightness) continue;
      const double along = (x + 0.5 - 20) * dx + (y + 0.5 - 20) * dy;
      const double across = (x + 0.5 - 20) * dy - (y + 0.5 - 20) * dx;
      (along > 0 ? b.ahead : b.behind)++;
      (across > 0 ? b.sideA : b.sideB)++;
    }
  }
  return b;
}

}  // namespace

class PictureStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void tileTableAndStoreAgree();
  void everyValidCodeHasItsOwnOpaquePicture();
  void invalidCodesGetTheWarningSquare();
  void picturesArePaintedOnceAndKept();
  void testPipesHoldTheirLiquid_data();
  void testPipesHoldTheirLiquid();
  void familiesShareTheirColours();
  void arrowsPointTheirWay_data();
  void arrowsPointTheirWay();
  void hangersLookWhereTheyHead();
  void pictureIdPicksTileOrFacing();
  void facesAreDistinctRoundFigures();
  void playerIconIsASmallGreenFace();
  void writeGallery();
};

void PictureStoreTest::tileTableAndStoreAgree() {
  int valid = 0;
  for (int c = -3; c < 300; ++c) {
    QCOMPARE(PictureStore::hasTile(c), quobbles::isValidTileCode(c));
    valid += PictureStore::hasTile(c) ? 1 : 0;
  }
  QCOMPARE(valid, int(quobbles::kValidTileCodes.size()));
  QVERIFY(!PictureStore::hasTile(17));
  QVERIFY(PictureStore::hasTile(66));
}

void PictureStoreTest::everyValidCodeHasItsOwnOpaquePicture() {
  std::vector<std::pair<int, QImage>> images;
  for (int code : quobbles::kValidTileCodes) {
    const QPixmap& pm = PictureStore::tile(code);
    QVERIFY2(!pm.isNull(), qPrintable(QString("code %1").arg(code)));
    QCOMPARE(pm.size(), QSize(kPictureSize, kPictureSize));
    const QImage img = imageOf(pm);
    QVERIFY2(countPixels(img, [](QRgb p) { return qAlpha(p) != 255; }) == 0,
             qPrintable(QString("code %1 is not opaque").arg(code)));
    QVERIFY2(clearlyDifferent(img, imageOf(PictureStore::tile(17))) > 400,
             qPrintable(QString("code %1 looks like the warning square").arg(code)));
    images.emplace_back(code, img);
  }
  for (std::size_t i = 0; i < images.size(); ++i) {
    for (std::size_t j = i + 1; j < images.size(); ++j) {
      const int diff = clearlyDifferent(images[i].second, images[j].second);
      QVERIFY2(diff >= kDistinct, qPrintable(QString("codes %1 and %2 differ in only %3 pixels")
                                                 .arg(images[i].first)
                                                 .arg(images[j].first)
                                                 .arg(diff)));
    }
  }
  // The plain squares: the floor is nearly black but not flat, the dark square is flat grey.
  const QImage floor = imageOf(PictureStore::tile(quobbles::tile::Empty));
  QVERIFY(meanColour(floor).lightness() < 30);
  QVERIFY(countPixels(floor, [&](QRgb p) { return p != floor.pixel(20, 20); }) > 40);
  const QImage dark = imageOf(PictureStore::tile(quobbles::tile::DarkSquare));
  QCOMPARE(countPixels(dark, [&](QRgb p) { return p != dark.pixel(0, 0); }), 0);
  QVERIFY(QColor(dark.pixel(0, 0)).lightness() > meanColour(floor).lightness());
}

void PictureStoreTest::invalidCodesGetTheWarningSquare() {
  for (int code : {-1, 17, 26, 39, 41, 59, 69, 79, 87, 98, 107, 119, 121, 255, 256, 1000}) {
    const QImage img = imageOf(PictureStore::tile(code));
    QCOMPARE(img.size(), QSize(kPictureSize, kPictureSize));
    QVERIFY2(countPixels(img, [](QRgb p) { return p != kMagenta; }) == 0,
             qPrintable(QString("code %1").arg(code)));
  }
  for (int facing : {0, 10, 15})
    QCOMPARE(imageOf(PictureStore::hangerFacing(facing)).pixel(20, 20), kMagenta);
  for (int index : {-1, 10}) QCOMPARE(imageOf(PictureStore::face(index)).pixel(20, 20), kMagenta);
}

void PictureStoreTest::picturesArePaintedOnceAndKept() {
  const QPixmap* first = &PictureStore::tile(quobbles::tile::Star);
  const qint64 key = first->cacheKey();
  PictureStore::tile(quobbles::tile::Candle);
  QCOMPARE(&PictureStore::tile(quobbles::tile::Star), first);
  QCOMPARE(PictureStore::tile(quobbles::tile::Star).cacheKey(), key);
  QCOMPARE(&PictureStore::face(3), &PictureStore::face(3));
  QCOMPARE(&PictureStore::hangerFacing(12), &PictureStore::hangerFacing(12));
  QCOMPARE(&PictureStore::playerIcon(), &PictureStore::playerIcon());
}

void PictureStoreTest::testPipesHoldTheirLiquid_data() {
  QTest::addColumn<int>("code");
  QTest::addColumn<QColor>("liquid");
  QTest::newRow("invisibility") << 10 << QColor(0, 0, 255);
  QTest::newRow("mines") << 11 << QColor(0, 192, 0);
  QTest::newRow("remove block") << 12 << QColor(255, 0, 0);
  QTest::newRow("attack") << 13 << QColor(255, 128, 0);
  QTest::newRow("immortality") << 14 << QColor(255, 0, 255);
}

void PictureStoreTest::testPipesHoldTheirLiquid() {
  QFETCH(int, code);
  QFETCH(QColor, liquid);
  for (int other = 10; other <= 14; ++other) {
    const int n = countPixels(imageOf(PictureStore::tile(other)), [&](QRgb p) { return near(p, liquid, 6); });
    if (other == code) {
      QVERIFY2(n >= 60, qPrintable(QString("only %1 liquid pixels").arg(n)));
    } else {
      QVERIFY2(n < 5, qPrintable(QString("code %1 holds the same liquid").arg(other)));
    }
  }
}

void PictureStoreTest::familiesShareTheirColours() {
  for (int n = 0; n <= 6; ++n) {
    const int brownHue = meanColour(imageOf(PictureStore::tile(80 + n))).hue();
    const int purpleHue = meanColour(imageOf(PictureStore::tile(100 + n))).hue();
    QVERIFY2(brownHue >= 10 && brownHue <= 45,
             qPrintable(QString("block %1 hue %2").arg(80 + n).arg(brownHue)));
    QVERIFY2(purpleHue >= 260 && purpleHue <= 310,
             qPrintable(QString("block %1 hue %2").arg(100 + n).arg(purpleHue)));
  }
  for (int code = 20; code <= 25; ++code) {
    const QColor m = meanColour(imageOf(PictureStore::tile(code)));
    QVERIFY2(m.red() > 2 * m.blue() && m.red() > m.green(), qPrintable(QString("breakable %1").arg(code)));
  }
  for (int code : {60, 61, 62, 63, 64, 65, 67, 68}) {
    const QColor m = meanColour(imageOf(PictureStore::tile(code)));
    QVERIFY2(m.blue() > m.red() + 20, qPrintable(QString("permanent %1").arg(code)));
  }
  // The shadow wall is a grey ghost of a wall: neither warm nor steel blue, darker than steel.
  const QColor shadow = meanColour(imageOf(PictureStore::tile(quobbles::tile::ShadowWall)));
  QVERIFY(shadow.hsvSaturation() < 60);
  QVERIFY(shadow.lightness() < meanColour(imageOf(PictureStore::tile(60))).lightness());
  // The exit shows a large green letter.
  const int green = countPixels(imageOf(PictureStore::tile(quobbles::tile::Exit)),
                                [](QRgb p) { return qGreen(p) > 150 && qRed(p) < 170 && qBlue(p) < 170; });
  QVERIFY2(green > 150, qPrintable(QString("%1 green pixels").arg(green)));
}

void PictureStoreTest::arrowsPointTheirWay_data() {
  QTest::addColumn<int>("code");
  QTest::addColumn<int>("dx");
  QTest::addColumn<int>("dy");
  QTest::addColumn<int>("minLightness");
  for (int base : {80, 100}) {
    const QString family = base == 80 ? "brown" : "purple";
    QTest::addRow("%s right", qPrintable(family)) << base + 3 << 1 << 0 << 180;
    QTest::addRow("%s up", qPrintable(family)) << base + 4 << 0 << -1 << 180;
    QTest::addRow("%s left", qPrintable(family)) << base + 5 << -1 << 0 << 180;
    QTest::addRow("%s down", qPrintable(family)) << base + 6 << 0 << 1 << 180;
  }
  QTest::newRow("gravity left") << 6 << -1 << 0 << 200;
  QTest::newRow("gravity right") << 7 << 1 << 0 << 200;
}

void PictureStoreTest::arrowsPointTheirWay() {
  QFETCH(int, code);
  QFETCH(int, dx);
  QFETCH(int, dy);
  QFETCH(int, minLightness);
  const Balance b = symbolBalance(imageOf(PictureStore::tile(code)), dx, dy, minLightness);
  QVERIFY2(b.ahead > 40, qPrintable(QString("arrow too faint: %1").arg(b.ahead)));
  QVERIFY2(b.ahead > 1.3 * b.behind, qPrintable(QString("ahead %1 behind %2").arg(b.ahead).arg(b.behind)));
  // Straight, not slanted: as much on either side of its line.
  QVERIFY2(std::abs(b.sideA - b.sideB) < 0.2 * (b.sideA + b.sideB),
           qPrintable(QString("sides %1 / %2").arg(b.sideA).arg(b.sideB)));
}

void PictureStoreTest::hangersLookWhereTheyHead() {
  const QImage ahead = imageOf(PictureStore::tile(quobbles::tile::Hanger));
  QVERIFY(meanColour(ahead).red() > 2 * meanColour(ahead).green());
  const struct {
    int facing;
    QPointF look;
  } cases[] = {{11, {-1, 0}}, {12, {0, 1}}, {13, {1, 0}}, {14, {0, -1}}};
  for (const auto& c : cases) {
    const QImage img = imageOf(PictureStore::hangerFacing(c.facing));
    QVERIFY(clearlyDifferent(img, ahead) >= 10);
    // The pupils move: where they arrive the eye turns dark, where they left it turns white.
    QPointF darker, lighter;
    int nd = 0, nl = 0;
    for (int y = 0; y < kPictureSize; ++y) {
      for (int x = 0; x < kPictureSize; ++x) {
        const int d = qGray(img.pixel(x, y)) - qGray(ahead.pixel(x, y));
        if (d < -60) darker += QPointF(x, y), ++nd;
        if (d > 60) lighter += QPointF(x, y), ++nl;
      }
    }
    QVERIFY(nd > 5 && nl > 5);
    const QPointF shift = darker / nd - lighter / nl;
    const double along = QPointF::dotProduct(shift, c.look);
    const double across = std::abs(shift.x() * c.look.y() - shift.y() * c.look.x());
    QVERIFY2(along > 2 && across < 1,
             qPrintable(QString("facing %1 moved by (%2, %3)").arg(c.facing).arg(shift.x()).arg(shift.y())));
  }
  for (int a = 11; a <= 14; ++a)
    for (int b = a + 1; b <= 14; ++b)
      QVERIFY(clearlyDifferent(imageOf(PictureStore::hangerFacing(a)),
                               imageOf(PictureStore::hangerFacing(b))) >= 10);
}

void PictureStoreTest::pictureIdPicksTileOrFacing() {
  for (int code = 0; code < 256; ++code)
    QCOMPARE(&PictureStore::picture(quobbles::PictureId(code)), &PictureStore::tile(code));
  for (int facing = 11; facing <= 14; ++facing)
    QCOMPARE(&PictureStore::picture(quobbles::hangerPicture(facing)), &PictureStore::hangerFacing(facing));
  QCOMPARE(imageOf(PictureStore::picture(quobbles::hangerPicture(3))).pixel(20, 20), kMagenta);
}

void PictureStoreTest::facesAreDistinctRoundFigures() {
  std::vector<QImage> faces;
  for (int i = 0; i < 10; ++i) {
    const QImage img = imageOf(PictureStore::face(i));
    QCOMPARE(img.size(), QSize(kPictureSize, kPictureSize));
    for (int y : {0, 1, 38, 39})
      for (int x : {0, 1, 38, 39})
        QVERIFY2(qAlpha(img.pixel(x, y)) == 0,
                 qPrintable(QString("face %1 corner %2,%3").arg(i).arg(x).arg(y)));
    QVERIFY2(qAlpha(img.pixel(20, 20)) > 60, qPrintable(QString("face %1 has no middle").arg(i)));
    faces.push_back(img);
  }
  for (int i = 0; i < 10; ++i)
    for (int j = i + 1; j < 10; ++j)
      QVERIFY2(clearlyDifferent(faces[i], faces[j]) >= kDistinct,
               qPrintable(QString("faces %1 and %2 look alike").arg(i).arg(j)));

  auto opacity = [](const QImage& img) { return countPixels(img, [](QRgb p) { return qAlpha(p) > 200; }); };
  auto greenish = [](const QImage& img) {
    return countPixels(
        img, [](QRgb p) { return qAlpha(p) > 200 && qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 40; });
  };
  QVERIFY(greenish(faces[0]) > 500);
  // Invisible: see-through. Immortal: a purple glow. Dark view: a darker face.
  QVERIFY(opacity(faces[2]) < opacity(faces[0]) / 4);
  QVERIFY(countPixels(faces[5], [](QRgb p) {
            return qAlpha(p) > 100 && qRed(p) > 120 && qBlue(p) > 180 && qGreen(p) < 120;
          }) > 60);
  QVERIFY(meanColour(faces[9]).lightness() < meanColour(faces[0]).lightness());
}

void PictureStoreTest::playerIconIsASmallGreenFace() {
  const QImage icon = imageOf(PictureStore::playerIcon());
  QCOMPARE(icon.size(), QSize(32, 32));
  for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
    QCOMPARE(qAlpha(icon.pixel(corner)), 0);
  const QRgb cheek = icon.pixel(9, 16);
  QVERIFY(qAlpha(cheek) == 255 && qGreen(cheek) > qRed(cheek) + 40 && qGreen(cheek) > qBlue(cheek) + 40);
  // A dark smile across the lower half, with green above and below its middle.
  int smile = 0;
  for (int y = 19; y < 26; ++y)
    for (int x = 11; x < 22; ++x) smile += QColor(icon.pixel(x, y)).lightness() < 60 ? 1 : 0;
  QVERIFY2(smile >= 6, qPrintable(QString("%1 dark pixels").arg(smile)));
}

// Every picture in a labelled grid, at real size and three times enlarged.
void PictureStoreTest::writeGallery() {
  struct Entry {
    QString label;
    const QPixmap* pm;
    bool overFloor;
  };
  std::vector<Entry> entries;
  for (int code : quobbles::kValidTileCodes)
    entries.push_back({QString::number(code), &PictureStore::tile(code), false});
  for (int f = 11; f <= 14; ++f)
    entries.push_back({QString("hanger %1").arg(f), &PictureStore::hangerFacing(f), false});
  for (int i = 0; i < 10; ++i) entries.push_back({QString("face %1").arg(i), &PictureStore::face(i), true});
  entries.push_back({"icon", &PictureStore::playerIcon(), true});
  entries.push_back({"17 (bad)", &PictureStore::tile(17), false});

  const int cols = 8, cellW = 180, cellH = 148;
  const int rows = int(entries.size() + cols - 1) / cols;
  QImage sheet(cols * cellW, rows * cellH, QImage::Format_ARGB32);
  sheet.fill(Qt::black);
  QPainter p(&sheet);
  p.setPen(QColor(200, 200, 200));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const QPoint at(int(i % cols) * cellW + 6, int(i / cols) * cellH + 18);
    const QRect big(at + QPoint(50, 0), QSize(120, 120));
    if (entries[i].overFloor) {
      p.drawPixmap(at, PictureStore::tile(0));
      p.drawPixmap(big, PictureStore::tile(0));
    }
    p.drawPixmap(at, *entries[i].pm);
    p.drawPixmap(QRect(at + QPoint(50, 0), entries[i].pm->size() * 3), *entries[i].pm);
    p.drawText(QRect(at - QPoint(0, 16), QSize(cellW - 10, 14)), Qt::AlignLeft, entries[i].label);
  }
  p.end();
  const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("picture_store_gallery.png");
  QVERIFY(sheet.save(path));
  QCOMPARE(QImage(path).size(), sheet.size());
  qInfo("gallery written to %s", qPrintable(path));
}

QTEST_MAIN(PictureStoreTest)
#include "picture_store_test.moc"
