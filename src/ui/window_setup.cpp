// The common first steps of every window.
#include "ui/window_setup.h"

#include <QPalette>

#include "ui/twips.h"

namespace quobbles::ui {

void setUpWindow(QWidget* window, const QString& caption, int widthTwips, int heightTwips,
                 const QColor& background) {
  window->setWindowTitle(caption);
  window->setFixedSize(px(widthTwips), px(heightTwips));
  QPalette p = window->palette();
  p.setColor(QPalette::Window, background);
  window->setPalette(p);
  window->setAutoFillBackground(true);
}

}  // namespace quobbles::ui
