// The campaign's map selection (Form4): the player's name, five rows of map titles coloured by
// progress with a scroll bar (which the mouse wheel turns anywhere over the window), the selection
// frame, "Play" and "Main menu", which is also its close box.
#pragma once

#include <QLabel>
#include <QScrollBar>
#include <QWidget>
#include <array>
#include <cstdint>

#include "frontend/map_selection.h"

namespace quobbles {

class CaptionLabel;

class MapSelectionWindow : public QWidget {
  Q_OBJECT

 public:
  MapSelectionWindow();

  void Lista_Click(int Index);
  // 0 "Play", 1 "Main menu".
  void Play_Click(int Index);

  // The window's state and controls, for tests.
  const MapSelection& selection() const { return model_; }
  CaptionLabel* row(int index) const { return Lista_[static_cast<std::size_t>(index)]; }
  CaptionLabel* playLabel(int index) const { return Play_[static_cast<std::size_t>(index)]; }
  QScrollBar* scrollBar() const { return Skrolli_; }
  QLabel* playerLabel() const { return lblPelaaja_; }
  // Where Valinta stands (its top is out of sight while nothing visible is selected).
  QRect frameRect() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load();
  void Form_KeyPress(int16_t KeyAscii);
  void Skrolli_Change(int value);
  void render();

  MapSelection model_;
  int listLeft_ = 0;  // the rows' left edge in pixels
  QLabel* Label1_ = nullptr;
  QLabel* lblPelaaja_ = nullptr;
  std::array<CaptionLabel*, kListRows> Lista_{};
  std::array<CaptionLabel*, 2> Play_{};
  QScrollBar* Skrolli_ = nullptr;
};

}  // namespace quobbles
