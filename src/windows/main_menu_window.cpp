// The main menu (Form3).
#include "windows/main_menu_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>

#include "board/session.h"
#include "editor/editor_logic.h"
#include "frontend/login.h"
#include "ui/caption_label.h"
#include "ui/keys.h"
#include "ui/navigation.h"
#include "ui/picture_store.h"
#include "ui/qt_prompts.h"
#include "ui/twips.h"
#include "ui/window_setup.h"

namespace quobbles {

namespace {

constexpr int kClientWidth = 6495;
constexpr int kClientHeight = 6135;
constexpr int kFigureSide = 600;
const QColor kYellow(255, 255, 0);

}  // namespace

MainMenuWindow::MainMenuWindow() {
  ui::setUpWindow(this, QStringLiteral("Quobbles - Main Menu"), kClientWidth, kClientHeight, Qt::black);
  setFocusPolicy(Qt::StrongFocus);

  Otsikko_ = new QLabel(QStringLiteral("Quobbles"), this);
  Otsikko_->setObjectName(QStringLiteral("Otsikko"));
  styleCaption(Otsikko_, 24, true, kYellow);
  placeCaption(Otsikko_, 60, 720, 6495, 495);

  for (int i = 0; i < kMenuItemCount; ++i) {
    const MenuItemDesign& design = kMenuItems[static_cast<std::size_t>(i)];
    auto* label =
        new CaptionLabel(this, QStringLiteral("Viesti%1").arg(i), QString::fromLatin1(design.caption));
    styleCaption(label, 20.25, true, kYellow);
    placeCaption(label, design.left, design.top, design.width, kMenuItemHeight);
    connect(label, &CaptionLabel::clicked, this, [this, i] { Viesti_Click(i); });
    connect(label, &CaptionLabel::mouseMoved, this, [this, i] { Viesti_MouseMove(i); });
    Viesti_[static_cast<std::size_t>(i)] = label;
  }

  Pelaaja_ = new QLabel(this);
  Pelaaja_->setObjectName(QStringLiteral("Pelaaja0"));
  Pelaaja_->setScaledContents(true);
  Pelaaja_->setPixmap(ui::PictureStore::playerIcon());
  Pelaaja_->resize(ui::px(kFigureSide), ui::px(kFigureSide));
  Pelaaja_->setAttribute(Qt::WA_TransparentForMouseEvents);

  Form_Load();
}

void MainMenuWindow::Form_Load() {
  sharedSession().game.EditorTestPlay = false;
  placeFigure();
}

void MainMenuWindow::paintEvent(QPaintEvent*) {
  // Line1, the yellow rule under the title.
  QPainter painter(this);
  painter.setPen(QPen(kYellow, 1));
  painter.drawLine(ui::twipsPoint(1740, 1200), ui::twipsPoint(4800, 1200));
}

void MainMenuWindow::placeFigure() {
  const QLabel* item = Viesti_[sharedMainMenu().MenuChoice % kMenuItemCount];
  const FigurePlace at = figurePlace(ui::twips(item->x()), ui::twips(item->y()));
  Pelaaja_->move(ui::twipsPoint(at.left, at.top));
}

bool MainMenuWindow::stillOpen() const {
  return isVisible();
}

void MainMenuWindow::keyPressEvent(QKeyEvent* event) {
  // The Up and Down arrows are 8 and 2.
  const int16_t code = ui::playKeyCode(event);
  if (code == 0) return QWidget::keyPressEvent(event);
  Form_KeyPress(code);
}

void MainMenuWindow::Form_KeyPress(int16_t KeyAscii) {
  if (menuKey(sharedMainMenu(), KeyAscii) == MenuKeyResult::kRunHighlighted)
    Viesti_Click(sharedMainMenu().MenuChoice);
  // An Enter whose action closed the menu ends here.
  if (stillOpen()) placeFigure();
}

void MainMenuWindow::Viesti_MouseMove(int Index) {
  sharedMainMenu().MenuChoice = static_cast<uint8_t>(Index);
  placeFigure();
}

void MainMenuWindow::Viesti_Click(int Index) {
  switch (Index) {
    case menu_item::kPlayCampaign:
      Pelaajatietojen_tyhjennys();
      Loggautuminen();
      break;
    case menu_item::kPlayOtherMaps:
      playOtherMaps();
      break;
    case menu_item::kMapEditor:
      openEditor();
      break;
    case menu_item::kCredits:
      openCredits();
      break;
    case menu_item::kExit:
      exitProgram();
      break;
    default:
      break;
  }
}

void MainMenuWindow::Pelaajatietojen_tyhjennys() {
  quobbles::Pelaajatietojen_tyhjennys(sharedSession().game);
}

void MainMenuWindow::Loggautuminen() {
  if (quobbles::Loggautuminen(sharedSession().game, ui::prompts()) == LoginResult::kLoggedIn)
    ui::navigation().loggedIn();
}

void MainMenuWindow::playOtherMaps() {
  if (quobbles::playOtherMaps(sharedSession().game, editor::sharedEditor(), ui::prompts()))
    ui::navigation().playLevel(this);
}

void MainMenuWindow::openEditor() {
  if (mayOpenEditor(sharedSession().game.profile, ui::prompts())) ui::navigation().openEditor();
}

void MainMenuWindow::openCredits() {
  ui::navigation().openCredits();
}

void MainMenuWindow::exitProgram() {
  // Nothing is saved: the profile was written when each map was passed.
  ui::navigation().exitProgram();
}

}  // namespace quobbles
