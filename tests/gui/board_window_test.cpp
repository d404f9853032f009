// The board window as a person sees it: the 81 cells show the pictures of the squares around
// the player (walls off the map, dark squares under the candle, hangers by their facing), the
// figure stands over its square, and the labels follow the keys.
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include "board/board_window.h"
#include "gui/support/program_folder_fixture.h"
#include "state/tiles.h"
#include "support/ascii_map.h"
#include "ui/forms.h"
#include "ui/picture_store.h"
#include "ui/twips.h"

using namespace quobbles;

namespace {

QImage cellImage(const QImage& window, int k) {
  const QPoint at = ui::twipsPoint(kBoardOrigin + kSquareTwips * (k % 9), kBoardOrigin + kSquareTwips * (k / 9));
  return window.copy(QRect(at, QSize(ui::kPictureSize, ui::kPictureSize)));
}

QImage pictureImage(PictureId id, int face = -1) {
  QImage image(ui::kPictureSize, ui::kPictureSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter p(&image);
  p.drawPixmap(0, 0, ui::PictureStore::picture(id));
  if (face >= 0) p.drawPixmap(0, 0, ui::PictureStore::face(face));
  return image;
}

// Equal pictures; on a difference the first differing pixel is printed.
bool samePicture(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        qWarning("first difference at (%d, %d): %08x vs %08x", x, y, a.pixel(x, y), b.pixel(x, y));
        return false;
      }
  return true;
}

QImage grabbed(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// Which cell shows which picture, worked out from the map for a player at (px, py) and a view
// offset (sx, sy), without the board's own code.
PictureId expectedCell(const Level& level, const Grid& state, int px, int py, int sx, int sy, int k) {
  const int mx = px - 4 + k % 9 + sx - 4, my = py - 4 + k / 9 + sy - 4;
  if (mx < 0 || mx > 49 || my < 0 || my > 49) return tile::PermanentWall;
  const uint8_t c = level.code(mx, my);
  if (c != tile::Hanger) return c;
  const uint8_t f = state[squareIndex(mx, my)];
  return hangerPicture(f >= 11 && f <= 14 ? f : 11);
}

}  // namespace

class BoardWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheSquaresAroundThePlayerAtLevelStart() {
    testing::ProgramFolderFixture folder;
    const Level level = testing::levelFromPicture({
        ".w#E",
        "..H*",
        "OU.T",
        "iCx+",
    });
    sharedGame().level = level;
    BoardWindow* board = Form1();
    ui::showForm(board);
    const QImage shot = grabbed(board);
    for (int k = 0; k < kViewCells; ++k) {
      if (k == 40) continue;  // under the figure
      const PictureId want = expectedCell(level, sharedGame().StateGrid, 0, 0, 4, 4, k);
      QVERIFY2(samePicture(cellImage(shot, k), pictureImage(want)), qPrintable(QStringLiteral("cell %1").arg(k)));
    }
    // The figure, face 0, stands over the player's square.
    QVERIFY(samePicture(cellImage(shot, 40), pictureImage(level.code(0, 0), 0)));
    QVERIFY(testing::saveShot(board, QStringLiteral("board_start")));
  }

  void followsTheKeysTurnByTurn() {
    testing::ProgramFolderFixture folder;
    const Level level = testing::levelFromPicture({
        ".ii.....",
        "........",
        "...H....",
        "........",
        "........",
        "..O.....",
    });
    sharedGame().level = level;
    BoardWindow* board = Form1();
    ui::showForm(board);

    QTest::keyClick(board, '6');
    QTest::keyClick(board, '6');
    QCOMPARE(board->counterLabel(kInvisibilityCounter)->text(), QStringLiteral("2"));
    QVERIFY(!board->messageLabel()->isVisible());

    // After two turns the hanger has walked two squares left and shows where it heads.
    const QImage shot = grabbed(board);
    const Grid& state = sharedGame().StateGrid;
    for (int k = 0; k < kViewCells; ++k) {
      if (k == 40) continue;
      QVERIFY2(samePicture(cellImage(shot, k), pictureImage(expectedCell(sharedGame().level, state, 2, 0, 4, 4, k))),
               qPrintable(QStringLiteral("cell %1").arg(k)));
    }

    // View keys move the view and the figure together; "s" centres them again.
    QTest::keyClick(board, 'a');
    QTest::keyClick(board, 'w');
    const QImage shifted = grabbed(board);
    for (int k = 0; k < kViewCells; ++k) {
      if (k == 50) continue;  // the figure now stands one square right of and below the centre
      QVERIFY2(samePicture(cellImage(shifted, k), pictureImage(expectedCell(sharedGame().level, state, 2, 0, 3, 3, k))),
               qPrintable(QStringLiteral("shifted cell %1").arg(k)));
    }
    QVERIFY(samePicture(cellImage(shifted, 50), pictureImage(sharedGame().level.code(2, 0), 0)));
    QTest::keyClick(board, 's');

    // The brown block below now sees the player and comes up his column: "Game over.".
    for (int i = 0; i < 6 && sharedGame().PlayState == 0; ++i) QTest::keyClick(board, '5');
    QCOMPARE(int(sharedGame().PlayState), 1);
    QVERIFY(board->messageLabel()->isVisible());
    QCOMPARE(board->messageLabel()->text(), QStringLiteral("Game over."));
    QVERIFY(testing::saveShot(board, QStringLiteral("board_dead")));
  }

  void darkViewShowsOnlyTheFiveByFiveAroundThePlayer() {
    testing::ProgramFolderFixture folder;
    sharedGame().level = testing::levelFromPicture({".C"}, '.');
    BoardWindow* board = Form1();
    ui::showForm(board);
    QTest::keyClick(board, '6');
    const QImage shot = grabbed(board);
    int dark = 0;
    for (int k = 0; k < kViewCells; ++k) {
      const int c = k % 9, r = k / 9;
      const bool inside = c >= 2 && c <= 6 && r >= 2 && r <= 6;
      if (k == 40) {
        QVERIFY(samePicture(cellImage(shot, k), pictureImage(tile::Empty, 9)));  // the candle-lit face
        continue;
      }
      const QImage cell = cellImage(shot, k);
      if (!inside) {
        QVERIFY2(samePicture(cell, pictureImage(tile::DarkSquare)), qPrintable(QStringLiteral("cell %1").arg(k)));
        ++dark;
      } else {
        QVERIFY(cell != pictureImage(tile::DarkSquare));
      }
    }
    QCOMPARE(dark, 56);
  }
};

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
