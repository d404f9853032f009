// The credits (Form6).
#include "windows/credits_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "state/program_files.h"
#include "state/tiles.h"
#include "state/version.h"
#include "ui/caption_label.h"
#include "ui/keys.h"
#include "ui/navigation.h"
#include "ui/picture_art.h"
#include "ui/picture_store.h"
#include "ui/twips.h"
#include "ui/window_setup.h"

namespace quobbles {

QPixmap creditsPicture() {
  constexpr int kWidth = 433, kHeight = 339;
  QPixmap pm(kWidth, kHeight);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);

  // A night over the maze: deep blue at the top fading to black.
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0.0, QColor(12, 14, 48));
  sky.setColorAt(0.7, QColor(4, 4, 16));
  sky.setColorAt(1.0, Qt::black);
  p.fillRect(pm.rect(), sky);

  // Faint stars, always in the same places.
  for (int i = 0; i < 90; ++i) {
    const double x = ui::art::noise(i, 1, 61) * kWidth;
    const double y = ui::art::noise(i, 2, 61) * kHeight * 0.75;
    const int glow = 60 + static_cast<int>(ui::art::noise(i, 3, 61) * 110);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(glow, glow, glow + 20));
    const double r = 0.6 + ui::art::noise(i, 4, 61);
    p.drawEllipse(QPointF(x, y), r, r);
  }

  // A soft glow behind the title.
  QRadialGradient glow(QPointF(kWidth / 2.0, 105), 150);
  glow.setColorAt(0.0, QColor(90, 90, 20, 70));
  glow.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.fillRect(pm.rect(), glow);

  // The maze at the bottom, dimmed: walls, a block on its way, a hanger and the exit.
  constexpr int kSquare = 26;
  const int floorTop = kHeight - 2 * kSquare - 6;
  p.setOpacity(0.25);
  for (int col = 0; col * kSquare < kWidth; ++col) {
    p.drawPixmap(QRect(col * kSquare, floorTop + kSquare, kSquare, kSquare),
                 ui::PictureStore::tile(tile::PermanentWall + col % 3));
  }
  p.setOpacity(0.35);
  p.drawPixmap(QRect(2 * kSquare, floorTop, kSquare, kSquare), ui::PictureStore::tile(tile::BrownBlock));
  p.drawPixmap(QRect(6 * kSquare, floorTop, kSquare, kSquare), ui::PictureStore::tile(tile::Hanger));
  p.drawPixmap(QRect(11 * kSquare, floorTop, kSquare, kSquare), ui::PictureStore::tile(tile::Star));
  p.drawPixmap(QRect(15 * kSquare, floorTop, kSquare, kSquare), ui::PictureStore::tile(tile::Exit));
  p.setOpacity(0.5);
  p.drawPixmap(QRect(8 * kSquare, floorTop - 4, kSquare + 4, kSquare + 4), ui::PictureStore::face(0));
  return pm;
}

CreditsWindow::CreditsWindow() {
  ui::setUpWindow(this, QStringLiteral("Quobbles - Credits"), 6735, 5295, Qt::black);
  setFocusPolicy(Qt::StrongFocus);

  Image1_ = new CaptionLabel(this, QStringLiteral("Image1"), QString());
  Image1_->setPixmap(creditsPicture());
  Image1_->setScaledContents(true);
  Image1_->setGeometry(ui::twipsRect(120, 120, 6495, 5085));
  connect(Image1_, &CaptionLabel::clicked, this, &CreditsWindow::Päkkii_Click);

  const QColor yellow(255, 255, 0);
  const struct {
    const char* text;
    double points;
    int left, top, width, height;
  } texts[4] = {
      {"Quobbles", 20.25, -105, 1320, 6720, 480},
      {"by", 14.25, 3060, 1800, 360, 330},
      {"the Quobbles team", 20.25, 1680, 2160, 3300, 480},
      {"Made in 2026", 14.25, 2280, 2640, 2040, 330},
  };
  for (int i = 0; i < 4; ++i) {
    auto* label = new QLabel(QString::fromLatin1(texts[i].text), this);
    label->setObjectName(QStringLiteral("Viesti%1").arg(i));
    styleCaption(label, texts[i].points, true, yellow);
    placeCaption(label, texts[i].left, texts[i].top, texts[i].width, texts[i].height);
    // A click on a text is a click on the picture behind it.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  // The version, and the folder where this game keeps its players and levels (beside the
  // executable when it runs portable, the player's data folder when it is installed).
  version_ = new QLabel(QStringLiteral("Version %1").arg(QString::fromLatin1(gameVersion())), this);
  version_->setObjectName(QStringLiteral("Version"));
  styleCaption(version_, 9.75, true, yellow);
  placeCaption(version_, 240, 3300, 6255, 300);
  version_->setAttribute(Qt::WA_TransparentForMouseEvents);

  dataFolder_ = new QLabel(this);
  dataFolder_->setObjectName(QStringLiteral("DataFolder"));
  styleCaption(dataFolder_, 8.25, false, QColor(210, 210, 150));
  dataFolder_->setGeometry(ui::twipsRect(240, 3660, 6255, 560));
  const QString folder =
      QDir::toNativeSeparators(QString::fromStdString(fileFolders().data.lexically_normal().string()));
  dataFolder_->setText(QStringLiteral("Players and levels are kept in\n") +
                       dataFolder_->fontMetrics().elidedText(folder, Qt::ElideMiddle, dataFolder_->width()));
  dataFolder_->setAttribute(Qt::WA_TransparentForMouseEvents);

  Päkkii_ = new CaptionLabel(this, QStringLiteral("Päkkii"), QStringLiteral("Back"));
  styleCaption(Päkkii_, 14.25, true, yellow);
  placeCaption(Päkkii_, 5880, 4920, 720, 330);
  connect(Päkkii_, &CaptionLabel::clicked, this, &CreditsWindow::Päkkii_Click);
}

void CreditsWindow::Päkkii_Click() {
  ui::navigation().backToMainMenu(this);
}

void CreditsWindow::keyPressEvent(QKeyEvent* event) {
  // Any key with a character, Esc and Space included, leads back.
  if (ui::keyCode(event) == 0) return QWidget::keyPressEvent(event);
  Päkkii_Click();
}

void CreditsWindow::closeEvent(QCloseEvent* event) {
  // The close box is a key: back to the main menu.
  event->ignore();
  Päkkii_Click();
}

}  // namespace quobbles
