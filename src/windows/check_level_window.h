// The check of a level, opened over the editor by the navigator: a modal dialog that shows the
// search's progress (states searched, states per second, time) with Cancel, then the answer,
// with "Show me" for each way it found and "Search further" with doubled limits when a limit
// stopped it. The search runs in a thread of its own on a copy of the level, and the dialog
// looks at its progress on a timer, so the windows keep painting meanwhile.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "frontend/level_check.h"
#include "state/game_state.h"

namespace quobbles {

class CheckLevelWindow : public QDialog {
  Q_OBJECT

 public:
  // Starts searching a copy of `level` at once, within `limits`.
  CheckLevelWindow(const Level& level, QWidget* over, CheckLimits limits = defaultCheckLimits());
  ~CheckLevelWindow() override;

  // After the dialog has closed: the keys of the way the level maker asked to be shown.
  const std::optional<std::string>& chosenWay() const { return chosen_; }
  // Whether a search is running, and the answer of the last one that ended.
  bool searching() const { return check_ != nullptr; }
  const CheckAnswer& answer() const { return answer_; }

  // Cancel, Esc and the close box: a running search is stopped and waited for.
  void reject() override;

 private:
  void start(const CheckAnswer* before);
  void refresh();
  void showAnswer();
  void choose(const std::string& keys);

  Level level_;
  CheckLimits limits_;
  std::unique_ptr<LevelCheck> check_;
  CheckAnswer answer_;
  std::optional<std::string> chosen_;
  QTimer refreshTimer_;
  QLabel* text_ = nullptr;
  QLabel* limitsLine_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* showWay_ = nullptr;
  QPushButton* showStars_ = nullptr;
  QPushButton* further_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace quobbles
