// What every window of the game does first: its caption, its fixed client area in twips and its
// plain background colour; and the game's colours and 8-bit texts in Qt's terms.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <string>

#include "play/board_model.h"
#include "state/text_codec.h"

namespace quobbles::ui {

void setUpWindow(QWidget* window, const QString& caption, int widthTwips, int heightTwips,
                 const QColor& background);

inline QColor qcolor(const Rgb& c) {
  return QColor(c.r, c.g, c.b);
}

// A name or title as the game stores it (Windows-1252), for showing.
inline QString fromGameText(const std::string& text) {
  return QString::fromStdString(utf8FromGameText(text));
}

}  // namespace quobbles::ui
