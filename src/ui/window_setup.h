// What every window of the game does first: its caption, its fixed client area in twips and its
// plain background colour; and the game's colours as Qt colours.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "board/board_model.h"

namespace quobbles::ui {

void setUpWindow(QWidget* window, const QString& caption, int widthTwips, int heightTwips,
                 const QColor& background);

inline QColor qcolor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

}  // namespace quobbles::ui
