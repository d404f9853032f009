// The note for level makers (Form9), opened from the editor: a borderless navy window with
// three texts. It closes on a click on a text, or as soon as another window of the program
// takes the focus or is clicked; it never blocks the editor, and the click that closes it
// still does what it was aimed at.
#pragma once

#include <QWidget>
#include <array>

namespace quobbles {

class CaptionLabel;

// The address in the second text. It lies under a domain reserved never to exist, so no mail
// sent to it reaches anyone.
inline constexpr const char* kLevelMakersAddress = "quobbles-levels@example.invalid";

class MessageWindow : public QWidget {
  Q_OBJECT

 public:
  MessageWindow();

  void Viesti_Click(int Index);

  // The texts Viesti(8), Viesti(2) and Viesti(1), for tests.
  CaptionLabel* text(int index) const;

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_LostFocus();

  std::array<CaptionLabel*, 3> Viesti_{};
};

}  // namespace quobbles
