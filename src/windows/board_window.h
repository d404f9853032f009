// The board window (Form1): renders the board model (the 9 x 9 view, the player figure, the
// warning lines, counters and messages) and hands every key to the rules, with undo and restart,
// then carries out what they ask for: saving the player's profile, the help windows, leaving the
// board. Its close box is Esc. For "Show me" it plays a way through the level on a timer.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "frontend/show_me.h"
#include "play/board_model.h"

namespace quobbles {

class BoardWindow : public QWidget {
  Q_OBJECT

 public:
  BoardWindow();

  // Redraws the view from the current state (the navigator calls it after showing the board).
  void kartan_piirto();
  // A key forwarded from the help and God's Tools windows, handled as if pressed here.
  void Kauko_nappi(int16_t Kii);
  // Shows the board model on the controls; every change of the model ends with it.
  void render();
  // "Show me" (once, as the board opens for it): plays `keys` one turn at a time, every 300 ms. Ctrl+P pauses
  // and goes on, Ctrl+Space plays one turn, from whichever of the game's windows has the keyboard; a key that
  // plays a turn takes over. Esc then goes back to the editor as it was.
  void playBack(const std::string& keys);
  const Playback* playback() const { return playback_ ? &*playback_ : nullptr; }

  // The label controls, for tests and the windows that read them.
  QLabel* counterLabel(int index) const { return mAna_[static_cast<std::size_t>(index)]; }
  QLabel* messageLabel() const { return Viesti_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load();
  void Form_KeyPress(int16_t KeyAscii);
  void carryOut(const BoardEffects& effects);
  void playbackTurn(bool step);

  std::array<QLabel*, kSpecialCount> mAna_{};
  QLabel* Label1_ = nullptr;  // "(Press Spacebar to help)"
  QLabel* Label2_ = nullptr;  // "(Press Esc.)"
  QLabel* Label3_ = nullptr;  // "All stars collected!"
  QLabel* Viesti_ = nullptr;  // "Game over." / "Well done."
  QLabel* AllStars_ = nullptr;
  std::optional<Playback> playback_;
  QTimer playbackTimer_;
};

}  // namespace quobbles
