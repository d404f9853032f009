// The picture store: every map code, and no other, has a picture of its own; hangers look where
// they head; the player's ten faces differ.
#include "ui/picture_store.h"

#include <QtTest>
#include <cmath>
#include <vector>

#include "state/tiles.h"

using namespace quobbles;
using ui::kPictureSize;
using ui::PictureStore;

class PictureStoreTest : public QObject {
  Q_OBJECT

  static QImage imageOf(const QPixmap& pm) { return pm.toImage().convertToFormat(QImage::Format_ARGB32); }
  // Pixels that differ clearly (by more than 40 in some channel), not just by rounding.
  static int clearlyDifferent(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
      for (int x = 0; x < a.width(); ++x) {
        const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
        n += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                       std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))}) > 40;
      }
    }
    return n;
  }
  // Every two of the pictures differ in at least 30 pixels, so that a player can tell them apart.
  static void expectDistinct(const std::vector<std::pair<QString, QImage>>& pictures) {
    for (std::size_t i = 0; i < pictures.size(); ++i)
      for (std::size_t j = i + 1; j < pictures.size(); ++j)
        QVERIFY2(clearlyDifferent(pictures[i].second, pictures[j].second) >= 30,
                 qPrintable(pictures[i].first + " and " + pictures[j].first + " look alike"));
  }

 private slots:
  void everyValidCodeAndNoOtherHasAPictureOfItsOwn() {
    QImage warning(kPictureSize, kPictureSize, QImage::Format_ARGB32);
    warning.fill(qRgb(255, 0, 255));  // the magenta square of a code no map may hold
    std::vector<std::pair<QString, QImage>> pictures;
    for (int code = -3; code < 300; ++code) {
      QCOMPARE(PictureStore::hasTile(code), isValidTileCode(code));
      const QImage image = imageOf(PictureStore::tile(code));
      QCOMPARE(image.size(), QSize(kPictureSize, kPictureSize));
      if (!isValidTileCode(code))
        QVERIFY2(image == warning, qPrintable(QStringLiteral("code %1").arg(code)));
      else
        pictures.emplace_back(QStringLiteral("code %1").arg(code), image);
    }
    QCOMPARE(pictures.size(), kTiles.size());
    pictures.emplace_back(QStringLiteral("the warning"), warning);
    expectDistinct(pictures);
    QCOMPARE(imageOf(PictureStore::hangerFacing(10)), warning);
  }

  void hangersLookWhereTheyHeadAndFacesDiffer() {
    const QImage ahead = imageOf(PictureStore::tile(tile::Hanger));
    const std::pair<int, QPointF> looks[] = {{11, {-1, 0}}, {12, {0, 1}}, {13, {1, 0}}, {14, {0, -1}}};
    std::vector<std::pair<QString, QImage>> facings{{QStringLiteral("hanger"), ahead}}, faces;
    for (const auto& [facing, look] : looks) {
      const QImage image = imageOf(PictureStore::hangerFacing(facing));
      facings.emplace_back(QStringLiteral("facing %1").arg(facing), image);
      // The pupils move: where they arrive the eye turns dark, where they left it turns white.
      QPointF darker, lighter;
      int nd = 0, nl = 0;
      for (int y = 0; y < kPictureSize; ++y)
        for (int x = 0; x < kPictureSize; ++x) {
          const int d = qGray(image.pixel(x, y)) - qGray(ahead.pixel(x, y));
          if (d < -60) darker += QPointF(x, y), ++nd;
          if (d > 60) lighter += QPointF(x, y), ++nl;
        }
      QVERIFY(nd > 5 && nl > 5);
      const QPointF shift = darker / nd - lighter / nl;
      const double along = QPointF::dotProduct(shift, look),
                   across = shift.x() * look.y() - shift.y() * look.x();
      QVERIFY2(along > 2 && std::abs(across) < 1, qPrintable(QStringLiteral("facing %1").arg(facing)));
    }
    for (int i = 0; i < 10; ++i)
      faces.emplace_back(QStringLiteral("face %1").arg(i), imageOf(PictureStore::face(i)));
    expectDistinct(facings);
    expectDistinct(faces);
  }
};

QTEST_MAIN(PictureStoreTest)
#include "picture_store_test.moc"
