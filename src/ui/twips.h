// Screen geometry: the game's layouts are in twips, 15 to a pixel.
#pragma once

#include <QPoint>
#include <QRect>

namespace quobbles::ui {

constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
  return twips / kTwipsPerPixel;
}
constexpr int twips(int pixels) {
  return pixels * kTwipsPerPixel;
}
inline QRect twipsRect(int left, int top, int width, int height) {
  return QRect(px(left), px(top), px(width), px(height));
}
inline QPoint twipsPoint(int left, int top) {
  return QPoint(px(left), px(top));
}

}  // namespace quobbles::ui
