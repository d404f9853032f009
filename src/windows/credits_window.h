// The credits (Form6), opened from the main menu: who made the game, over a dark picture, with
// the version and the folder of the players and levels. "Back", any key, a click on the picture
// or the close box returns to the main menu.
#pragma once

#include <QLabel>
#include <QWidget>
#include <cstdint>

namespace quobbles {

class CaptionLabel;

class CreditsWindow : public QWidget {
  Q_OBJECT

 public:
  CreditsWindow();

  void Päkkii_Click();

  CaptionLabel* backLabel() const { return Päkkii_; }
  CaptionLabel* picture() const { return Image1_; }
  QLabel* versionLabel() const { return version_; }
  QLabel* dataFolderLabel() const { return dataFolder_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  CaptionLabel* Image1_ = nullptr;
  CaptionLabel* Päkkii_ = nullptr;
  QLabel* version_ = nullptr;
  QLabel* dataFolder_ = nullptr;
};

// The dark background picture, painted in code (433 x 339 pixels).
QPixmap creditsPicture();

}  // namespace quobbles
