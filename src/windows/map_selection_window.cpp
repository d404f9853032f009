// The campaign's map selection (Form4).
#include "windows/map_selection_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "board/session.h"
#include "editor/editor_logic.h"
#include "ui/caption_label.h"
#include "ui/keys.h"
#include "ui/navigation.h"
#include "ui/qt_prompts.h"
#include "ui/twips.h"
#include "ui/window_setup.h"

namespace quobbles {

namespace {

constexpr int kClientWidth = 4995;
constexpr int kClientHeight = 5625;
constexpr int kRowLeft = 2400;
constexpr int kRowTop = 1680;
constexpr int kRowPitch = 360;
constexpr int kRowHeight = 285;
constexpr int kFrameHeight = 255;
constexpr int kScrollLeft = 3960;
constexpr int kRowGap = 60;       // between the longest shown title and the scroll bar
constexpr int kListMargin = 120;  // the list never starts nearer the window's left edge
constexpr int kNameMargin = 120;  // nor does the player's name come nearer either edge
const QColor kYellow(255, 255, 0);

}  // namespace

MapSelectionWindow::MapSelectionWindow() {
  ui::setUpWindow(this, QStringLiteral("Quobbles - Select map"), kClientWidth, kClientHeight, Qt::black);
  setFocusPolicy(Qt::StrongFocus);

  Label1_ = new QLabel(QStringLiteral("Player: "), this);
  Label1_->setObjectName(QStringLiteral("Label1"));
  // "Player:" stands at the top of its box, so that the name below it does not touch it.
  styleCaption(Label1_, 9.75, true, kYellow, Qt::AlignHCenter | Qt::AlignTop);
  placeCaption(Label1_, 0, 120, 4935, 495);
  lblPelaaja_ = new QLabel(this);
  lblPelaaja_->setObjectName(QStringLiteral("lblPelaaja"));
  styleCaption(lblPelaaja_, 20.25, true, kYellow);
  placeCaption(lblPelaaja_, 0, 360, 4935, 495);

  for (int i = 0; i < kListRows; ++i) {
    auto* row = new CaptionLabel(this, QStringLiteral("Lista%1").arg(i), QStringLiteral("..."));
    styleCaption(row, 12, true, kYellow, Qt::AlignLeft | Qt::AlignVCenter);
    row->setGeometry(ui::twipsRect(kRowLeft, kRowTop + kRowPitch * i, 0, kRowHeight));
    connect(row, &CaptionLabel::clicked, this, [this, i] { Lista_Click(i); });
    Lista_[static_cast<std::size_t>(i)] = row;
  }

  Skrolli_ = new QScrollBar(Qt::Vertical, this);
  Skrolli_->setObjectName(QStringLiteral("Skrolli"));
  Skrolli_->setGeometry(ui::twipsRect(kScrollLeft, kRowTop, 255, 1695));
  Skrolli_->setRange(0, kScrollMax);
  Skrolli_->setSingleStep(1);
  Skrolli_->setPageStep(5);
  Skrolli_->setFocusPolicy(Qt::NoFocus);  // the window's keys stay the window's
  connect(Skrolli_, &QScrollBar::valueChanged, this, &MapSelectionWindow::Skrolli_Change);

  const struct {
    const char* caption;
    double points;
    int left, top, width, height;
  } plays[2] = {{"Play", 20.25, 1260, 4200, 855, 480}, {"Main menu", 15.75, 2400, 4320, 1665, 360}};
  for (int i = 0; i < 2; ++i) {
    auto* label =
        new CaptionLabel(this, QStringLiteral("Play%1").arg(i), QString::fromLatin1(plays[i].caption));
    styleCaption(label, plays[i].points, true, kYellow);
    placeCaption(label, plays[i].left, plays[i].top, plays[i].width, plays[i].height);
    connect(label, &CaptionLabel::clicked, this, [this, i] { Play_Click(i); });
    Play_[static_cast<std::size_t>(i)] = label;
  }

  Form_Load();
}

void MapSelectionWindow::Form_Load() {
  GameState& g = sharedSession().game;
  openMapSelection(model_, g, ui::prompts());
  // The rows' left edge stands at 2400 twips unless a title of the campaign would not fit
  // before the scroll bar: then the whole list moves left, as far as the window allows, so
  // that titles are shown whole wherever they can be. Longer ones are cut. Widths are taken to
  // the fraction of a pixel and rounded up, as the cutting measures them that finely: a title
  // as wide as the room in whole pixels may still be a little wider.
  const QFontMetricsF metrics(Lista_[0]->font());
  qreal longest = metrics.horizontalAdvance(QStringLiteral("---"));
  for (const std::string& title : model_.campaign.titles)
    longest = std::max(longest, metrics.horizontalAdvance(ui::fromGameText(title)));
  const int rowsEnd = ui::px(kScrollLeft - kRowGap);
  listLeft_ =
      std::clamp(rowsEnd - static_cast<int>(std::ceil(longest)), ui::px(kListMargin), ui::px(kRowLeft));
  // A name too long for the window is cut short; the whole name is its tool tip.
  const QString name = ui::fromGameText(g.profile.PlayerName);
  const QString shownName =
      lblPelaaja_->fontMetrics().elidedText(name, Qt::ElideRight, ui::px(kClientWidth - 2 * kNameMargin));
  lblPelaaja_->setText(shownName);
  lblPelaaja_->setToolTip(shownName == name ? QString() : name);
  placeCaption(lblPelaaja_, 0, 360, 4935, 495);
  render();
}

void MapSelectionWindow::render() {
  {
    const QSignalBlocker quiet(Skrolli_);
    Skrolli_->setValue(model_.Skrolli);
  }
  const int room = ui::px(kScrollLeft - kRowGap) - listLeft_;
  for (int i = 0; i < kListRows; ++i) {
    const ListRow& design = model_.Lista[static_cast<std::size_t>(i)];
    CaptionLabel* row = Lista_[static_cast<std::size_t>(i)];
    const QString title = ui::fromGameText(design.caption);
    // A long title is cut to the room before the scroll bar; the whole title is its tool tip.
    const QString shown = row->fontMetrics().elidedText(title, Qt::ElideRight, room);
    row->setText(shown);
    row->setToolTip(shown == title ? QString() : title);
    setCaptionColour(row, ui::qcolor(rowRgb(design.colour)));
    row->setGeometry(listLeft_, row->y(), std::min(room, row->sizeHint().width()), row->height());
  }
  update();
}

QRect MapSelectionWindow::frameRect() const {
  if (model_.frameRow == kHiddenRow) return QRect(QPoint(listLeft_, ui::px(-1000)), QSize(0, 0));
  const QLabel* row = Lista_[static_cast<std::size_t>(model_.frameRow)];
  return QRect(row->x(), row->y(), row->width(), ui::px(kFrameHeight));
}

void MapSelectionWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Shape1, the frame round "Play".
  painter.setPen(QPen(kYellow, 1));
  painter.drawRect(ui::twipsRect(1200, 4200, 975, 495).adjusted(0, 0, -1, -1));
  if (model_.frameRow != kHiddenRow) {
    painter.setPen(QPen(ui::qcolor(rowRgb(model_.frameColour)), 1));
    painter.drawRect(frameRect().adjusted(0, 0, -1, -1));
  }
}

void MapSelectionWindow::keyPressEvent(QKeyEvent* event) {
  // The Up and Down arrows are 8 and 2.
  const int16_t code = ui::playKeyCode(event);
  if (code == 0) return QWidget::keyPressEvent(event);
  Form_KeyPress(code);
}

void MapSelectionWindow::Form_KeyPress(int16_t KeyAscii) {
  switch (selectionKey(model_, sharedSession().game, KeyAscii)) {
    case SelectionKeyResult::kPlay:
      Play_Click(0);
      return;
    case SelectionKeyResult::kMainMenu:
      Play_Click(1);
      return;
    case SelectionKeyResult::kNothing:
      render();
      return;
  }
}

void MapSelectionWindow::wheelEvent(QWheelEvent* event) {
  // The wheel scrolls the list wherever the mouse stands, as it does over the scroll bar. (A
  // turn handed on like this is not passed back here when the scroll bar is at its end.)
  QApplication::sendEvent(Skrolli_, event);
}

void MapSelectionWindow::closeEvent(QCloseEvent* event) {
  // The close box is "Main menu".
  event->ignore();
  Play_Click(1);
}

void MapSelectionWindow::Skrolli_Change(int value) {
  quobbles::Skrolli_Change(model_, sharedSession().game.profile, static_cast<int16_t>(value));
  render();
}

void MapSelectionWindow::Lista_Click(int Index) {
  quobbles::Lista_Click(model_, sharedSession().game, Index);
  render();
}

void MapSelectionWindow::Play_Click(int Index) {
  if (Index == 1) return ui::navigation().backToMainMenu(this);
  if (Index != 0) return;
  if (playSelectedMap(model_, sharedSession().game, editor::sharedEditor(), ui::prompts()))
    ui::navigation().playLevel(this);
}

}  // namespace quobbles
