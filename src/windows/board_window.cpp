// The board window (Form1).
#include "windows/board_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>

#include "board/board_engine.h"
#include "board/history.h"
#include "board/session.h"
#include "editor/editor_logic.h"
#include "frontend/leave_board.h"
#include "frontend/profile_store.h"
#include "play/board_view.h"
#include "state/tiles.h"
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
// The specials counters stand in a row above the board, each its special's picture with the
// number beside it, in a box that stops where the board begins. The numbers are a lighter shade
// of their special's colour, so that even the blue one reads well on black.
constexpr int kCounterTop = 120;
constexpr int kCounterHeight = kBoardOrigin - kCounterTop;
constexpr int kCounterPitch = 720;
constexpr int kCounterWidth = 690;
constexpr int kCounterPicture = 300;
constexpr int kCounterPictureInset = (kCounterHeight - kCounterPicture) / 2;
constexpr Rgb kCounterColours[kSpecialCount] = {
    {0, 0, 255}, {0, 192, 0}, {255, 0, 0}, {255, 128, 0}, {255, 0, 255}};
// "All stars collected!" on two lines between the counters and the star, which stands above the
// board's last column without reaching its squares.
constexpr int kStarsTextLeft = kBoardOrigin + 4 * kCounterPitch + kCounterWidth + 60;
constexpr int kStarSide = 360;
constexpr int kStarLeft = kBoardEnd - kStarSide;
constexpr int kStarTop = 90;
// "Show me" plays a turn this often.
constexpr int kPlaybackMilliseconds = 300;

QColor lighter(const Rgb& c) {
  auto up = [](uint8_t v) { return v + (255 - v) * 2 / 5; };
  return QColor(up(c.r), up(c.g), up(c.b));
}

// The test pipe whose pick-up fills counter `index`.
int pipeOf(int index) {
  for (const Tile& t : kTiles)
    if (t.pickUp == index) return t.code;
  return tile::Empty;
}

// A tile's picture at `side` pixels, drawn for the screen's pixel density.
QPixmap smallPicture(int code, int side, qreal density) {
  QPixmap picture = ui::PictureStore::tile(code).scaled(QSize(side, side) * density, Qt::KeepAspectRatio,
                                                        Qt::SmoothTransformation);
  picture.setDevicePixelRatio(density);
  return picture;
}

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
    const int left = kBoardOrigin + kCounterPitch * i;
    const QColor c = ui::qcolor(kCounterColours[i]);
    auto* box = new QFrame(this);
    box->setObjectName(QStringLiteral("mAnaBox%1").arg(i));
    box->setGeometry(ui::twipsRect(left, kCounterTop, kCounterWidth, kCounterHeight));
    box->setStyleSheet(
        QStringLiteral("QFrame { background: #161616; border: 1px solid %1; border-radius: 4px; }")
            .arg(c.name()));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("mAnaPicture%1").arg(i));
    picture->setGeometry(ui::twipsRect(left + kCounterPictureInset, kCounterTop + kCounterPictureInset,
                                       kCounterPicture, kCounterPicture));
    picture->setPixmap(smallPicture(pipeOf(i), ui::px(kCounterPicture), devicePixelRatioF()));
    const int numberLeft = kCounterPictureInset + kCounterPicture + 30;
    const QString name = QStringLiteral("mAna%1").arg(i);
    auto* label =
        makeLabel(this, name.toLatin1().constData(), QStringLiteral("0"),
                  QRect(left + numberLeft, kCounterTop, kCounterWidth - numberLeft - 30, kCounterHeight), 10,
                  true, Qt::AlignLeft | Qt::AlignVCenter);
    setTextColour(label, lighter(kCounterColours[i]));
    mAna_[static_cast<std::size_t>(i)] = label;
  }
  Label3_ = makeLabel(this, "Label3", QStringLiteral("All stars collected!"),
                      QRect(kStarsTextLeft, 30, kStarLeft - 60 - kStarsTextLeft, kBoardOrigin - 30), 8, true);
  Label3_->setWordWrap(true);
  setTextColour(Label3_, QColor(255, 255, 0));
  AllStars_ = new QLabel(this);
  AllStars_->setObjectName("AllStars");
  AllStars_->setGeometry(ui::twipsRect(kStarLeft, kStarTop, kStarSide, kStarSide));
  AllStars_->setPixmap(smallPicture(tile::Star, ui::px(kStarSide), devicePixelRatioF()));
  Viesti_ = makeLabel(this, "Viesti", QStringLiteral("Game over."), QRect(480, 5980, 5400, 480), 16, true);
  Label2_ = makeLabel(this, "Label2", QStringLiteral("(Press Esc.)"), QRect(480, 6460, 5400, 330), 10, false);
  setTextColour(Label2_, QColor(220, 220, 220));
  Label1_ = makeLabel(this, "Label1", QStringLiteral("(Press Spacebar to help)"), QRect(480, 6960, 5400, 330),
                      10, false);

  Form_Load();
}

void BoardWindow::Form_Load() {
  startLevel(sharedSession());
  // Undo and restart begin anew with every level.
  sharedHistory().begin(sharedSession());
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
  // While a way is shown the hint line says how far it is and which keys steer it.
  Label1_->setText(playback_ ? QString::fromStdString(playback_->status())
                             : QStringLiteral("(Press Spacebar to help)"));
  update();
}

void BoardWindow::playBack(const std::string& keys) {
  playback_.emplace(keys);
  // The game's turns otherwise happen only in answer to a key; here a timer plays them, on the
  // window thread like every other turn.
  playbackTimer_.setInterval(kPlaybackMilliseconds);
  connect(&playbackTimer_, &QTimer::timeout, this, [this] { playbackTurn(false); });
  playbackTimer_.start();
  // The steering keys reach the board from God's Tools and the help windows as well, which
  // would otherwise hand Ctrl+Space on as Space (help).
  auto* pause = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
  pause->setContext(Qt::ApplicationShortcut);
  connect(pause, &QShortcut::activated, this, [this] {
    playback_->togglePause();
    render();
  });
  auto* step = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space), this);
  step->setContext(Qt::ApplicationShortcut);
  connect(step, &QShortcut::activated, this, [this] { playbackTurn(true); });
  render();
}

void BoardWindow::playbackTurn(bool step) {
  Session& s = sharedSession();
  const BoardEffects effects =
      step ? playback_->step(s, sharedHistory()) : playback_->tick(s, sharedHistory());
  if (playback_->state() == Playback::State::kDone) playbackTimer_.stop();
  render();
  carryOut(effects);
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
  const int16_t code = ui::playKeyCode(event);
  if (code == 0) return QWidget::keyPressEvent(event);
  Form_KeyPress(code);
}

void BoardWindow::closeEvent(QCloseEvent* event) {
  // The close box leaves the board as Esc does, with its write-back; the navigator closes it.
  event->ignore();
  Form_KeyPress(board::key::kEsc);
}

void BoardWindow::Kauko_nappi(int16_t Kii) {
  Form_KeyPress(Kii);
}

void BoardWindow::Form_KeyPress(int16_t KeyAscii) {
  // A key that plays a turn ends the playback: from here on the player plays.
  if (playback_ && playback_->keyPressed(KeyAscii)) playbackTimer_.stop();
  const BoardEffects effects = playKey(sharedSession(), sharedHistory(), KeyAscii);
  render();
  carryOut(effects);
}

void BoardWindow::carryOut(const BoardEffects& effects) {
  Session& s = sharedSession();
  if (effects.saveProfile) Pelaajan_seivaus(s.game, ui::prompts());
  if (effects.openHelp) ui::navigation().showHelp();
  if (effects.leaveBoard && playback_)
    ui::navigation().showMeLeft();  // the editor's snapshot puts everything back
  else if (effects.leaveBoard)
    ui::navigation().boardLeft(leaveBoard(s.game, editor::sharedEditor(), ui::prompts()));
}

}  // namespace quobbles
