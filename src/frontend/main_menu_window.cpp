// The main menu (Form3).
#include "frontend/main_menu_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>

#include "board/board_window.h"
#include "editor/editor_logic.h"
#include "editor/editor_window.h"
#include "frontend/caption_label_widget.h"
#include "frontend/credits_window.h"
#include "frontend/login.h"
#include "frontend/map_selection_window.h"
#include "state/program_files.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "ui/keys.h"
#include "ui/picture_store.h"
#include "ui/twips.h"
#include "ui/window_setup.h"

namespace quobbles {

MainMenuWindow* Form3() {
  return ui::formInstance<3, MainMenuWindow>();
}

namespace {

constexpr int kClientWidth = 6495;
constexpr int kClientHeight = 6135;
constexpr int kFigureSide = 600;
const QColor kYellow(255, 255, 0);

const QString kCampaignRefusal = QStringLiteral("This is campain map. -Ha! Don't you think it's that easy!");
const QString kNeverPassedWarning = QStringLiteral(
    "No one has ever passed this version of this level! This message may warn you if you are trying to play "
    "an "
    "unpossible level. Level maker: If level is once passed in this mode this message will not be shown "
    "again. "
    "Any changes to level will bring it back. So pass your level once when it's ready. It makes other to "
    "believe "
    "it really is possible to pass even if it may make your brain suffer!");
const QString kEditorLocked = QStringLiteral(
    "To get edit your own maps you need to pass level number 16: 'Trip to the Garden'. If you are already "
    "passed "
    "it enter to play campain and come back to enter to the MAP EDITOR.");

// The log-in's questions, asked with the program's dialogs.
class DialogLoginPrompts : public LoginPrompts {
 public:
  std::string input(const std::string& prompt, const std::string& title) override {
    return ui::dialogs()
        .input(QString::fromStdString(prompt), QString::fromStdString(title), QString())
        .toStdString();
  }
  bool askYesNo(const std::string& text, const std::string& title) override {
    return ui::dialogs().message(QString::fromStdString(text), QString::fromStdString(title),
                                 ui::Buttons::kYesNo, ui::Icon::kQuestion, true) == ui::Answer::kYes;
  }
  void tell(const std::string& text, const std::string& title) override {
    ui::dialogs().message(QString::fromStdString(text), QString::fromStdString(title), ui::Buttons::kOk,
                          ui::Icon::kExclamation, true);
  }
};

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
  sharedGame().EditorTestPlay = kFalse;
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
  return ui::loadedForm(3) == this;
}

void MainMenuWindow::keyPressEvent(QKeyEvent* event) {
  const int16_t code = ui::keyCode(event);
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
  quobbles::Pelaajatietojen_tyhjennys(sharedGame());
}

void MainMenuWindow::Loggautuminen() {
  DialogLoginPrompts prompts;
  if (quobbles::Loggautuminen(sharedGame(), prompts) != LoginResult::kLoggedIn) return;
  ui::showForm(Form4());
  ui::Unload(this);
}

void MainMenuWindow::playOtherMaps() {
  GameState& g = sharedGame();
  g.LevelPath.clear();
  // The dialog's filter in Qt's own form: one entry, "Levels (*.lev)".
  const QString levels = QString::fromStdString(programFile({"Levels"}).string()) + QLatin1Char('/');
  const QString chosen = ui::dialogs().openFile(QStringLiteral("Levels (*.lev)"), levels);
  if (chosen.isEmpty()) return;
  g.LevelPath = chosen.toStdString();

  const OtherMapOutcome out = loadOtherMap(g, editor::sharedEditor(), g.LevelPath);
  switch (out.verdict) {
    case OtherMapVerdict::kCampaignMap:
      ui::dialogs().message(kCampaignRefusal, QString(), ui::Buttons::kOk, ui::Icon::kNone, true);
      return;
    case OtherMapVerdict::kUnreadable:
    case OtherMapVerdict::kUnknownStatus:
      ui::dialogs().message(QStringLiteral("The level file %1 cannot be played:\n%2")
                                .arg(QFileInfo(chosen).fileName(), QString::fromStdString(out.reason)),
                            QStringLiteral("Error!"), ui::Buttons::kOk, ui::Icon::kCritical, true);
      return;
    case OtherMapVerdict::kPlayAfterWarning:
      ui::dialogs().message(kNeverPassedWarning, QStringLiteral("Warning!"), ui::Buttons::kOk,
                            ui::Icon::kCritical, true);
      break;
    case OtherMapVerdict::kPlay:
      break;
  }
  ui::showForm(Form1());
  ui::Unload(this);
  Form1()->kartan_piirto();
}

void MainMenuWindow::openEditor() {
  if (!editorUnlocked(sharedGame().profile)) {
    ui::dialogs().message(kEditorLocked, QStringLiteral("Not yet!"), ui::Buttons::kOk, ui::Icon::kNone, true);
    return;
  }
  ui::showForm(Form2());
  ui::Unload(this);
}

void MainMenuWindow::openCredits() {
  ui::showForm(Form6());
  ui::Unload(this);
}

void MainMenuWindow::exitProgram() {
  // Nothing is saved: the profile was written when each map was passed.
  ui::unloadAll();
  QApplication::quit();
}

}  // namespace quobbles
