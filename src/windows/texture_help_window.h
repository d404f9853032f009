// The legend of the game's pictures (Form7), opened from the board with Space together with the
// help text. Keys as in the help window: Space (and the close box) closes it, the rest go to the
// board.
#pragma once

#include <QLabel>
#include <QWidget>
#include <initializer_list>
#include <vector>

namespace quobbles {

class TextureHelpWindow : public QWidget {
  Q_OBJECT

 public:
  TextureHelpWindow();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // A caption at (left, top); with a width it wraps onto more lines within that width.
  void addCaption(int index, const char* caption, int left, int top, int wrapWidth = 0);
  // A picture of the legend: the tiles side by side, each kLegendSquare twips wide.
  QLabel* addPicture(const QString& name, const std::vector<int>& codes, int left, int top);
};

}  // namespace quobbles
