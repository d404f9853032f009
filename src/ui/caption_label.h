// The labels of the front end's windows: a caption in the window's font and colour, placed by
// its design rectangle in twips, that reports clicks and mouse moves (the game's Click and
// MouseMove events of a label).
#pragma once

#include <QColor>
#include <QLabel>

namespace quobbles {

class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  CaptionLabel(QWidget* parent, const QString& objectName, const QString& caption);

 signals:
  void clicked();
  void mouseMoved();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// A font of the game's design (Arial, MS Sans Serif) at its size in points. Where the system
// has no such face and stands in a wider one, its semi-condensed form is taken, which runs
// about as wide as the face the layouts were made for.
QFont gameFont(const QString& family, double points, bool bold);

// The caption's font (Arial, or the system's nearest face), weight, colour and alignment; the
// background stays transparent.
void styleCaption(QLabel* label, double points, bool bold, const QColor& colour,
                  Qt::Alignment alignment = Qt::AlignCenter);
// Puts a label on its design rectangle (twips). The face that stands in for Arial may run
// wider than Arial did, so a caption that does not fit grows the label about its centre
// rather than being cut off.
void placeCaption(QLabel* label, int left, int top, int width, int height);
void setCaptionColour(QLabel* label, const QColor& colour);

}  // namespace quobbles
