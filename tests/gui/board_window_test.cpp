// The board window as a person sees it: the 81 cells show the pictures of the squares around
// the player (walls off the map, dark squares under the candle, hangers by their facing), the
// figure stands over its square, and the labels follow the keys.
#include "windows/board_window.h"

#include <QLabel>
#include <QPainter>
#include <QTest>

#include "app/forms.h"
#include "board/session.h"
#include "gui/support/program_folder_fixture.h"
#include "state/tiles.h"
#include "support/ascii_map.h"
#include "ui/picture_store.h"
#include "ui/twips.h"

using namespace quobbles;

class BoardWindowTest : public QObject {
  Q_OBJECT
  // Picture `id` as a view cell shows it, with face `face` over it when one is given.
  static QImage picture(PictureId id, int face) {
    QImage image(ui::kPictureSize, ui::kPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.drawPixmap(0, 0, ui::PictureStore::picture(id));
    if (face >= 0) p.drawPixmap(0, 0, ui::PictureStore::face(face));
    return image;
  }
  // Every cell of the board against the map around the player at (px, py) seen with the view
  // offset (sx, sy), worked out here without the board's own code. The figure with `face` stands
  // in cell `figure`; in the dark only the 5 x 5 cells around the centre show the map.
  static void expectView(int px, int py, int sx, int sy, int figure, int face = 0, bool dark = false) {
    const QImage shot = Form1()->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int k = 0; k < kViewCells; ++k) {
      const int c = k % 9, r = k / 9, x = px + c + sx - 8, y = py + r + sy - 8;
      PictureId want =
          x < 0 || x > 49 || y < 0 || y > 49 ? tile::PermanentWall : sharedSession().game.code(x, y);
      const int facing =
          want == tile::Hanger ? sharedSession().game.state(x, y) : 0;  // 0 before its first move
      if (want == tile::Hanger) want = hangerPicture(facing >= 11 && facing <= 14 ? facing : 11);
      if (dark && (c < 2 || c > 6 || r < 2 || r > 6)) want = tile::DarkSquare;
      const QPoint at = ui::twipsPoint(kBoardOrigin + kSquareTwips * c, kBoardOrigin + kSquareTwips * r);
      QVERIFY2(shot.copy(QRect(at, QSize(ui::kPictureSize, ui::kPictureSize))) ==
                   picture(want, k == figure ? face : -1),
               qPrintable(QStringLiteral("cell %1 should show picture %2").arg(k).arg(want)));
    }
  }

 private slots:
  void showsTheSquaresAroundThePlayerAndFollowsTheKeys() {
    testing::ProgramFolderFixture folder;
    sharedSession().game.level =
        testing::levelFromPicture({".ii.....", "....w#E*", "...H....", "....T...", "........", "..O....."});
    app::showForm(Form1());
    expectView(0, 0, 4, 4, 40);  // the top four rows and the left four columns lie off the map
    QTest::keyClicks(Form1(), "66");
    QCOMPARE(Form1()->counterLabel(kInvisibilityCounter)->text(), QStringLiteral("2"));
    QVERIFY(!Form1()->messageLabel()->isVisible());
    expectView(2, 0, 4, 4, 40);  // the hanger has walked two squares and looks where it heads
    QTest::keyClicks(Form1(), "aw");
    expectView(2, 0, 3, 3, 50);  // the view moved, and the figure with it
    QTest::keyClick(Form1(), 's');
    // The brown block below now sees the player and comes up his column: "Game over.".
    for (int i = 0; i < 6 && sharedSession().game.PlayState == 0; ++i) QTest::keyClick(Form1(), '5');
    QVERIFY(Form1()->messageLabel()->isVisible());
    QCOMPARE(Form1()->messageLabel()->text(), QStringLiteral("Game over."));
    QVERIFY(testing::saveShot(Form1(), QStringLiteral("board_dead")));
  }

  void inTheDarkOnlyTheFiveByFiveAroundThePlayerShows() {
    testing::ProgramFolderFixture folder;
    sharedSession().game.level = testing::levelFromPicture({".C"});
    app::showForm(Form1());
    QTest::keyClick(Form1(), '6');
    expectView(1, 0, 4, 4, 40, 9, true);  // the candle-lit face
    QVERIFY(testing::saveShot(Form1(), QStringLiteral("board_dark")));
  }
};

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
