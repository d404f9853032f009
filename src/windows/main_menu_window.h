// The main menu (Form3), the first window of the program and the hub the others return to:
// play the campaign, play any level file, the level editor, the credits, exit.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <cstdint>

#include "frontend/main_menu.h"

namespace quobbles {

class CaptionLabel;

class MainMenuWindow : public QWidget {
  Q_OBJECT

 public:
  MainMenuWindow();

  // Runs the item's action, as a click on it.
  void Viesti_Click(int Index);
  // Empties the profile in memory before a log-in.
  void Pelaajatietojen_tyhjennys();
  // Asks for the player's name and loads or creates the profile; on success the map
  // selection opens and the menu closes.
  void Loggautuminen();

  // The controls, for tests.
  CaptionLabel* item(int index) const { return Viesti_[static_cast<std::size_t>(index)]; }
  QLabel* figure() const { return Pelaaja_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load();
  void Form_KeyPress(int16_t KeyAscii);
  void Viesti_MouseMove(int Index);
  void placeFigure();
  bool stillOpen() const;

  void playOtherMaps();
  void openEditor();
  void openCredits();
  void exitProgram();

  std::array<CaptionLabel*, kMenuItemCount> Viesti_{};
  QLabel* Otsikko_ = nullptr;
  QLabel* Pelaaja_ = nullptr;
};

}  // namespace quobbles
