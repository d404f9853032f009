// The legend of the game's pictures (Form7).
#include "windows/texture_help_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "state/tiles.h"
#include "ui/caption_label.h"
#include "ui/keys.h"
#include "ui/navigation.h"
#include "ui/picture_store.h"
#include "ui/twips.h"
#include "ui/window_setup.h"

namespace quobbles {

namespace {

// Each picture of the legend is 360 twips square, the size of the Textuuri copies.
constexpr int kLegendSquare = 360;
constexpr std::size_t kSpecialPipes = 5;

// The codes of every tile the predicate holds for, in the order of the tile table.
template <class Predicate>
std::vector<int> tilesWhere(Predicate holds) {
  std::vector<int> codes;
  for (const Tile& t : kTiles)
    if (holds(t)) codes.push_back(t.code);
  return codes;
}

QPixmap strip(const std::vector<int>& codes) {
  const int side = ui::px(kLegendSquare);
  QPixmap pm(side * static_cast<int>(codes.size()), side);
  pm.fill(Qt::black);
  QPainter p(&pm);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  int x = 0;
  for (int code : codes) {
    p.drawPixmap(QRect(x, 0, side, side), ui::PictureStore::tile(code));
    x += side;
  }
  return pm;
}

}  // namespace

TextureHelpWindow::TextureHelpWindow() {
  ui::setUpWindow(this, QStringLiteral("Quobble - Help: Textures?"), 4110, 5100, Qt::black);
  setWindowFlag(Qt::Tool);
  setFocusPolicy(Qt::StrongFocus);

  using namespace tile;
  addCaption(0, "Moving blocks", 240, 360);
  addPicture(QStringLiteral("Image1_0"), {BrownBlock, PurpleBlock}, 360, 600);
  addCaption(1, "Specials", 2040, 360);
  // The test pipes, in the order of their counters.
  std::vector<int> pipes(kSpecialPipes);
  for (const Tile& t : kTiles)
    if (t.pickUp >= 0) pipes[static_cast<std::size_t>(t.pickUp)] = t.code;
  addPicture(QStringLiteral("Image1_3"), pipes, 2040, 600);
  addCaption(2, "Breakable walls", 240, 1200);
  addPicture(QStringLiteral("Image1_1"),
             tilesWhere([](const Tile& t) { return t.art == Art::kBreakableWall; }), 360, 1440);
  addPicture(QStringLiteral("Image1_10"), {ShadowWall}, 2760, 1440);
  addCaption(3, "Walls which will not break up", 240, 2040);
  addPicture(QStringLiteral("Image1_2"), tilesWhere([](const Tile& t) { return isPermanentWall(t.code); }),
             360, 2280);
  // The two arrows point at the picture to the right of the caption's last line.
  addCaption(4, "Blocks and hangers destroys this wall->", 360, 2880, 1740);
  addPicture(QStringLiteral("Image1_8"), {ShadowWall}, 2160, 3000);
  addCaption(5, "Button and Door", 2760, 2880);
  addPicture(QStringLiteral("Image1_4"), {Button, Door}, 2760, 3360);
  addCaption(6, "Only player can move trough this->", 360, 3540, 1800);
  addPicture(QStringLiteral("Textuuri5"), {PlayersDoor}, 2220, 3660);
  addCaption(7, "Star", 480, 4200);
  addPicture(QStringLiteral("Textuuri15"), {Star}, 480, 4440);
  addCaption(8, "Mine", 1200, 4200);
  addPicture(QStringLiteral("Image1_6"), {Mine}, 1200, 4440);
  addCaption(9, "Hanger", 2040, 4200);
  addPicture(QStringLiteral("Image1_7"), {Hanger}, 2160, 4440);
  addCaption(10, "Exit", 3120, 4200);
  addPicture(QStringLiteral("Image1_9"), {Exit}, 3120, 4440);
}

void TextureHelpWindow::addCaption(int index, const char* caption, int left, int top, int wrapWidth) {
  auto* label = new QLabel(QString::fromLatin1(caption), this);
  label->setObjectName(QStringLiteral("Viesti%1").arg(index));
  styleCaption(label, 9.75, false, QColor(255, 255, 0), Qt::AlignLeft | Qt::AlignTop);
  if (wrapWidth > 0) {
    label->setWordWrap(true);
    label->resize(ui::px(wrapWidth), label->heightForWidth(ui::px(wrapWidth)));
  } else {
    label->adjustSize();
  }
  // A caption that the stand-in face makes longer than the window has room for is moved left
  // rather than cut off at the edge.
  const QPoint at = ui::twipsPoint(left, top);
  label->move(std::min(at.x(), width() - 4 - label->width()), at.y());
}

QLabel* TextureHelpWindow::addPicture(const QString& name, const std::vector<int>& codes, int left, int top) {
  auto* picture = new QLabel(this);
  picture->setObjectName(name);
  picture->setPixmap(strip(codes));
  picture->adjustSize();
  picture->move(ui::twipsPoint(left, top));
  return picture;
}

void TextureHelpWindow::keyPressEvent(QKeyEvent* event) {
  const int16_t code = ui::playKeyCode(event);
  if (code == 0) return QWidget::keyPressEvent(event);
  ui::helpWindowKey(this, code);
}

void TextureHelpWindow::closeEvent(QCloseEvent* event) {
  // The close box is Space.
  event->ignore();
  ui::helpWindowKey(this, ' ');
}

}  // namespace quobbles
