// Clickable captions of the front end's windows.
#include "ui/caption_label.h"

#include <QFontInfo>
#include <QMouseEvent>

#include "ui/twips.h"

namespace quobbles {

CaptionLabel::CaptionLabel(QWidget* parent, const QString& objectName, const QString& caption)
    : QLabel(caption, parent) {
  setObjectName(objectName);
  setMouseTracking(true);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and a release on the same caption, as with a button.
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  emit mouseMoved();
}

QFont gameFont(const QString& family, double points, bool bold) {
  QFont font(family);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  // Faces that keep Arial's widths (or are Arial's own design family) need no help.
  static const QStringList kNarrowEnough = {
      QStringLiteral("Arial"),     QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
      QStringLiteral("Helvetica"), QStringLiteral("MS Sans Serif"),   QStringLiteral("Microsoft Sans Serif")};
  if (!kNarrowEnough.contains(QFontInfo(font).family(), Qt::CaseInsensitive))
    font.setStretch(QFont::SemiCondensed);
  return font;
}

void styleCaption(QLabel* label, double points, bool bold, const QColor& colour, Qt::Alignment alignment) {
  label->setFont(gameFont(QStringLiteral("Arial"), points, bold));
  label->setAlignment(alignment);
  label->setAutoFillBackground(false);
  setCaptionColour(label, colour);
}

void setCaptionColour(QLabel* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
}

void placeCaption(QLabel* label, int left, int top, int width, int height) {
  QRect r = ui::twipsRect(left, top, width, height);
  const QSize wanted = label->wordWrap() ? r.size() : label->sizeHint();
  if (wanted.width() > r.width()) {
    const int grow = wanted.width() - r.width();
    r.adjust(-grow / 2, 0, grow - grow / 2, 0);
  }
  if (wanted.height() > r.height()) {
    const int grow = wanted.height() - r.height();
    r.adjust(0, -grow / 2, 0, grow - grow / 2);
  }
  label->setGeometry(r);
}

}  // namespace quobbles
