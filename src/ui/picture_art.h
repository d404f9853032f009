// The painting behind PictureStore: each function paints one picture into a painter whose
// device is a fresh kPictureSize x kPictureSize square (tiles onto an empty pixmap, figures
// onto a transparent one). The store decides when to paint and keeps the results.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace quobbles::ui::art {

// A tile code that may stand in a map (0..255).
void paintTile(QPainter& p, int code);
// The hanger; facing 11 left, 12 down, 13 right, 14 up, anything else looks straight ahead.
void paintHanger(QPainter& p, int facing);
// The player's face number index (0..9) on a transparent square.
void paintFace(QPainter& p, int index);

// Shared by the tile and figure painters.
void paintFloor(QPainter& p);
void paintFlame(QPainter& p, QPointF tip, double height, double width);
// A small number in [0, 1) that is always the same for the same arguments: brick shades,
// speckles and cracks vary from square to square but never from run to run.
double noise(int a, int b, int seed);

}  // namespace quobbles::ui::art
