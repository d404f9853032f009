// The picture store: paints each picture the first time it is asked for and keeps it for the
// rest of the run. Nothing is painted before the application object exists, because nothing
// asks before a window does.
#include "ui/picture_store.h"

#include <QPainter>
#include <array>
#include <functional>

#include "state/tiles.h"
#include "ui/picture_art.h"

namespace quobbles::ui {

namespace {

constexpr int kFirstFacing = 11;
constexpr int kLastFacing = 14;
constexpr int kFaceCount = 10;
constexpr int kIconSize = 32;

QPixmap paintPicture(int size, bool transparent, const std::function<void(QPainter&)>& art) {
  QPixmap pm(size, size);
  pm.fill(transparent ? Qt::transparent : Qt::black);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (size != kPictureSize) p.scale(double(size) / kPictureSize, double(size) / kPictureSize);
  art(p);
  return pm;
}

// The caches below live on the heap and are never freed: a pixmap must not outlive the
// application object, and static destructors would run after it is gone.

// What an unknown code shows: impossible to overlook on the board.
const QPixmap& warningSquare() {
  static const QPixmap* pm = new QPixmap(paintPicture(kPictureSize, false, [](QPainter& p) {
    p.fillRect(QRect(0, 0, kPictureSize, kPictureSize), QColor(255, 0, 255));
  }));
  return *pm;
}

}  // namespace

bool PictureStore::hasTile(int code) {
  return isValidTileCode(code);
}

const QPixmap& PictureStore::tile(int code) {
  if (!hasTile(code)) return warningSquare();
  static auto* tiles = new std::array<QPixmap, 256>();
  QPixmap& pm = (*tiles)[static_cast<std::size_t>(code)];
  if (pm.isNull()) pm = paintPicture(kPictureSize, false, [code](QPainter& p) { art::paintTile(p, code); });
  return pm;
}

const QPixmap& PictureStore::hangerFacing(int facing) {
  if (facing < kFirstFacing || facing > kLastFacing) return warningSquare();
  static auto* facings = new std::array<QPixmap, kLastFacing - kFirstFacing + 1>();
  QPixmap& pm = (*facings)[static_cast<std::size_t>(facing - kFirstFacing)];
  if (pm.isNull())
    pm = paintPicture(kPictureSize, false, [facing](QPainter& p) { art::paintHanger(p, facing); });
  return pm;
}

const QPixmap& PictureStore::face(int index) {
  if (index < 0 || index >= kFaceCount) return warningSquare();
  static auto* faces = new std::array<QPixmap, kFaceCount>();
  QPixmap& pm = (*faces)[static_cast<std::size_t>(index)];
  if (pm.isNull()) pm = paintPicture(kPictureSize, true, [index](QPainter& p) { art::paintFace(p, index); });
  return pm;
}

const QPixmap& PictureStore::picture(PictureId id) {
  if (isHangerPicture(id)) return hangerFacing(id - kHangerFacing);
  return tile(id);
}

const QPixmap& PictureStore::playerIcon() {
  static const QPixmap* pm =
      new QPixmap(paintPicture(kIconSize, true, [](QPainter& p) { art::paintFace(p, 0); }));
  return *pm;
}

}  // namespace quobbles::ui
