// The board window (Form1).
#include "windows/board_window.h"

#include <QKeyEvent>
#include <QPainter>

#include "board/session.h"
#include "editor/editor_logic.h"
#include "frontend/leave_board.h"
#include "frontend/profile_store.h"
#include "play/board_view.h"
#include "ui/keys.h"
#include "ui/navigation.h"
#include "ui/picture_store.h"
#include "ui/qt_prompts.h"
#include "ui/twips.h"
#include "ui/window_setup.h"

namespace quobbles {

namespace {

// The window's layout in twips.
constexpr int kClientWidth = 6360;
constexpr int kClientHeight = 7440;
constexpr int kCounterTop = 120;
constexpr int kCounterSide = 375;
// The counters stand above the board; their boxes stop where the board begins.
constexpr int kCounterHeight = kBoardOrigin - kCounterTop;
constexpr int kCounterLefts[kSpecialCount] = {480, 840, 1200, 1560, 1920};
constexpr Rgb kCounterColours[kSpecialCount] = {
    {0, 0, 255}, {0, 192, 0}, {255, 0, 0}, {255, 128, 0}, {255, 0, 255}};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& twipsRect, int points,
                  bool bold, Qt::Alignment align = Qt::AlignCenter) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(ui::twipsRect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(points);
  font.setBold(bold);
  label->setFont(font);
  label->setAlignment(align);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

void setTextColour(QLabel* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
}

}  // namespace

BoardWindow::BoardWindow() {
  // The board's background is black.
  ui::setUpWindow(this, QStringLiteral("Quobbles"), kClientWidth, kClientHeight, Qt::black);
  setFocusPolicy(Qt::StrongFocus);

  for (int i = 0; i < kSpecialCount; ++i) {
    const QString name = QStringLiteral("mAna%1").arg(i);
    auto* label = makeLabel(this, name.toLatin1().constData(), QStringLiteral("0"),
                            QRect(kCounterLefts[i], kCounterTop, kCounterSide, kCounterHeight), 10, true);
    const QColor c = ui::qcolor(kCounterColours[i]);
    label->setStyleSheet(
        QStringLiteral("QLabel { color: %1; background: #1a1a1a; border: 1px solid %1; border-radius: 4px; }")
            .arg(c.name()));
    mAna_[static_cast<std::size_t>(i)] = label;
  }
  Label3_ = makeLabel(this, "Label3", QStringLiteral("All stars collected!"), QRect(2400, 150, 2760, 330), 10,
                      true);
  setTextColour(Label3_, QColor(255, 255, 0));
  AllStars_ = new QLabel(this);
  AllStars_->setObjectName("AllStars");
  AllStars_->setGeometry(ui::twipsRect(5280, 60, 600, 600));
  AllStars_->setPixmap(ui::PictureStore::tile(15));
  Viesti_ = makeLabel(this, "Viesti", QStringLiteral("Game over."), QRect(480, 5980, 5400, 480), 16, true);
  Label2_ = makeLabel(this, "Label2", QStringLiteral("(Press Esc.)"), QRect(480, 6460, 5400, 330), 10, false);
  setTextColour(Label2_, QColor(220, 220, 220));
  Label1_ = makeLabel(this, "Label1", QStringLiteral("(Press Spacebar to help)"), QRect(480, 6960, 5400, 330),
                      10, false);

  Form_Load();
}

void BoardWindow::Form_Load() {
  startLevel(sharedSession());
  render();
}

void BoardWindow::kartan_piirto() {
  Session& s = sharedSession();
  play::kartan_piirto(s.game, s.board);
  render();
}

void BoardWindow::render() {
  const BoardControls& c = sharedSession().board.controls;
  for (int i = 0; i < kSpecialCount; ++i)
    mAna_[static_cast<std::size_t>(i)]->setText(QString::number(c.mAna[static_cast<std::size_t>(i)]));
  Viesti_->setText(QString::fromStdString(c.messageCaption));
  setTextColour(Viesti_, c.messageCaption == "Well done." ? QColor(120, 255, 120) : QColor(255, 80, 80));
  Viesti_->setVisible(c.messageVisible);
  Label2_->setVisible(c.escHintVisible);
  Label3_->setVisible(c.allStarsVisible);
  AllStars_->setVisible(c.allStarsVisible);
  setTextColour(Label1_, ui::qcolor(c.hintColour));
  update();
}

void BoardWindow::paintEvent(QPaintEvent*) {
  const BoardControls& c = sharedSession().board.controls;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  for (int k = 0; k < kViewCells; ++k) {
    const int col = k % kViewSide, row = k / kViewSide;
    const QPoint at = ui::twipsPoint(kBoardOrigin + kSquareTwips * col, kBoardOrigin + kSquareTwips * row);
    painter.drawPixmap(at, ui::PictureStore::picture(c.view[static_cast<std::size_t>(k)]));
  }
  if (c.figureVisible)
    painter.drawPixmap(ui::twipsPoint(c.figureLeft, c.figureTop), ui::PictureStore::face(c.face));
  painter.setRenderHint(QPainter::Antialiasing, false);
  // Each line lies along its edge of the board, drawn just outside it so it covers no square:
  // Line1(1) right, Line1(2) top, Line1(3) left, Line1(4) bottom.
  const QPoint outwards[4] = {{2, 0}, {0, -2}, {-2, 0}, {0, 2}};
  for (int i = 0; i < 4; ++i) {
    const WarningLine& line = c.lines[static_cast<std::size_t>(i)];
    painter.setPen(QPen(ui::qcolor(line.colour), 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(ui::twipsPoint(line.x1, line.y1) + outwards[i],
                     ui::twipsPoint(line.x2, line.y2) + outwards[i]);
  }
}

void BoardWindow::keyPressEvent(QKeyEvent* event) {
  const int16_t code = ui::keyCode(event);
  if (code == 0) return QWidget::keyPressEvent(event);
  Form_KeyPress(code);
}

void BoardWindow::Kauko_nappi(int16_t Kii) {
  Form_KeyPress(Kii);
}

void BoardWindow::Form_KeyPress(int16_t KeyAscii) {
  const BoardEffects effects = press(sharedSession(), KeyAscii);
  render();
  carryOut(effects);
}

void BoardWindow::carryOut(const BoardEffects& effects) {
  Session& s = sharedSession();
  if (effects.saveProfile) Pelaajan_seivaus(s.game, ui::prompts());
  if (effects.openHelp) ui::navigation().showHelp();
  if (effects.leaveBoard)
    ui::navigation().boardLeft(leaveBoard(s.game, editor::sharedEditor(), ui::prompts()));
}

}  // namespace quobbles
