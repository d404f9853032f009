// The note for level makers (Form9).
#include "windows/message_window.h"

#include <QApplication>
#include <QPainter>

#include "ui/caption_label.h"
#include "ui/navigation.h"
#include "ui/twips.h"
#include "ui/window_setup.h"

namespace quobbles {

namespace {

const QColor kNavy(0, 0, 128);

struct NoteDesign {
  int index;
  int left, top, width, height;
  QString text;
};

std::array<NoteDesign, 3> noteDesigns() {
  return {{
      {8, 120, 120, 6675, 1200,
       QStringLiteral(
           "Congratulations! You have passed many really hard levels before you get there. I was quite "
           "sure I'm only one who wants to work with problems like these. Most of my friens who where "
           "testing this game lost their temperature soon after one or two first levels. Quobbles is "
           "game for really few people!")},
      {2, 120, 1200, 6765, 1440,
       QStringLiteral(
           "Quobbles has no web pages where you can get more levels at the time I'm writing this, but if "
           "you make some great levels, why not put it to your pages! It shouldn't be terribly hard for "
           "other players to find it if you use 'Quobbles' as a title. I'm sure you make good levels if "
           "you have passed all mine. I would be glad if you told about your levels for me if you put it "
           "to internet (") +
           QString::fromLatin1(kLevelMakersAddress) + QStringLiteral(") Thank you.")},
      {1, 120, 2760, 6765, 480,
       QStringLiteral(
           "Don't forget to pass your level once outside of editor (Mainmenu/Play other levels) before "
           "putting it to net!!")},
  }};
}

}  // namespace

MessageWindow::MessageWindow() {
  ui::setUpWindow(this, QString(), 7005, 3390, kNavy);
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

  const std::array<NoteDesign, 3> designs = noteDesigns();
  int below = 0;  // the bottom of the text above
  for (std::size_t i = 0; i < designs.size(); ++i) {
    const NoteDesign& d = designs[i];
    auto* label = new CaptionLabel(this, QStringLiteral("Viesti%1").arg(d.index), d.text);
    styleCaption(label, 9.75, false, QColor(255, 255, 0), Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    // Each text keeps its designed place unless the face in use wraps the text above onto
    // one more line: then it moves down instead of running over it.
    QRect r = ui::twipsRect(d.left, d.top, d.width, d.height);
    r.moveTop(std::max(r.top(), below + 4));
    r.setHeight(std::max(r.height(), label->heightForWidth(r.width())));
    label->setGeometry(r);
    below = r.top() + label->heightForWidth(r.width());
    const int index = d.index;
    connect(label, &CaptionLabel::clicked, this, [this, index] { Viesti_Click(index); });
    Viesti_[i] = label;
  }
  if (below + 8 > height()) setFixedHeight(below + 8);
}

CaptionLabel* MessageWindow::text(int index) const {
  for (CaptionLabel* label : Viesti_)
    if (label->objectName() == QStringLiteral("Viesti%1").arg(index)) return label;
  return nullptr;
}

void MessageWindow::Viesti_Click(int) {
  ui::navigation().closeWindow(this);
}

void MessageWindow::Form_LostFocus() {
  ui::navigation().closeWindow(this);
}

void MessageWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Only another window of the program closes the note; switching to another program does not.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && QApplication::activeWindow() &&
      QApplication::activeWindow() != this)
    Form_LostFocus();
}

void MessageWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  qApp->installEventFilter(this);  // the program's mouse presses, while the note is shown
}

void MessageWindow::hideEvent(QHideEvent* event) {
  qApp->removeEventFilter(this);
  QWidget::hideEvent(event);
}

bool MessageWindow::eventFilter(QObject* watched, QEvent* event) {
  // A press on another window of the program closes the note before that window handles the
  // press, so the click still does what it was aimed at, with or without a window manager to
  // move the focus.
  const QEvent::Type type = event->type();
  if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && isVisible()) {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget != nullptr && widget->window() != this) {
      QWidget* aimedAt = widget->window();
      Form_LostFocus();
      aimedAt->activateWindow();  // the keyboard goes where the click went, as a window manager does
    }
  }
  return false;
}

void MessageWindow::paintEvent(QPaintEvent*) {
  // The fixed dialog border of a window without a title bar.
  QPainter painter(this);
  painter.setPen(QPen(QColor(192, 192, 192), 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace quobbles
