// The check of a level.
#include "windows/check_level_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quobbles {

namespace {

// How often the dialog looks at the search. The game has no other timer than this one and the
// board's during "Show me": a search that takes seconds would otherwise show nothing until it ends.
constexpr int kRefreshMilliseconds = 100;
constexpr int kWidth = 460;

QPushButton* addButton(QWidget* parent, QHBoxLayout* row, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

}  // namespace

CheckLevelWindow::CheckLevelWindow(const Level& level, QWidget* over, CheckLimits limits)
    : QDialog(over), level_(level), limits_(limits) {
  setObjectName("CheckLevel");
  setWindowTitle(QStringLiteral("Check level"));
  setModal(true);
  setFixedWidth(kWidth);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 16, 18, 14);
  layout->setSpacing(10);
  text_ = new QLabel(this);
  text_->setObjectName("Answer");
  text_->setWordWrap(true);
  text_->setMinimumHeight(110);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  text_->setTextInteractionFlags(Qt::NoTextInteraction);
  layout->addWidget(text_);
  limitsLine_ = new QLabel(this);
  limitsLine_->setObjectName("Limits");
  limitsLine_->setWordWrap(true);
  QPalette dim = limitsLine_->palette();
  dim.setColor(QPalette::WindowText, dim.color(QPalette::Disabled, QPalette::WindowText));
  limitsLine_->setPalette(dim);
  layout->addWidget(limitsLine_);

  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  showWay_ = addButton(this, buttons, "ShowMe", "&Show me");
  showStars_ = addButton(this, buttons, "ShowMeStars", "Show me every s&tar");
  further_ = addButton(this, buttons, "SearchFurther", "Search &further");
  cancel_ = addButton(this, buttons, "Cancel", "Cancel");
  close_ = addButton(this, buttons, "Close", "OK");
  layout->addLayout(buttons);

  connect(cancel_, &QPushButton::clicked, this, &CheckLevelWindow::reject);
  connect(close_, &QPushButton::clicked, this, &CheckLevelWindow::accept);
  connect(showWay_, &QPushButton::clicked, this, [this] { choose(answer_.plain.keys); });
  connect(showStars_, &QPushButton::clicked, this, [this] { choose(answer_.allStars->keys); });
  connect(further_, &QPushButton::clicked, this, [this] {
    const std::optional<CheckLimits> raised = raisedLimits(limits_);
    if (!raised) return;
    limits_ = *raised;
    start(&answer_);
  });
  connect(&refreshTimer_, &QTimer::timeout, this, &CheckLevelWindow::refresh);

  start(nullptr);
}

CheckLevelWindow::~CheckLevelWindow() = default;  // a search still running is stopped

void CheckLevelWindow::start(const CheckAnswer* before) {
  check_ = std::make_unique<LevelCheck>(level_, limits_, before);
  limitsLine_->setText(QString::fromStdString(limitsText(limits_)));
  for (QPushButton* b : {showWay_, showStars_, further_, close_}) b->hide();
  cancel_->show();
  cancel_->setDefault(true);
  refreshTimer_.start(kRefreshMilliseconds);
  refresh();
}

void CheckLevelWindow::refresh() {
  if (!check_) return;
  if (check_->poll()) return showAnswer();
  text_->setText(QString::fromStdString(progressText(check_->progress())));
}

void CheckLevelWindow::showAnswer() {
  refreshTimer_.stop();
  const CheckProgress last = check_->progress();
  answer_ = check_->answer();
  check_.reset();
  text_->setText(QString::fromStdString(answerText(answer_)));
  limitsLine_->setText(QString::fromStdString(searchedText(last) + "\n" + limitsText(limits_)));
  cancel_->hide();
  showWay_->setVisible(answer_.passable());
  showStars_->setVisible(answer_.starsSolved());
  further_->setVisible(answer_.stoppedAtLimit() && raisedLimits(limits_).has_value());
  close_->show();
  close_->setDefault(true);
  close_->setFocus();
}

void CheckLevelWindow::choose(const std::string& keys) {
  chosen_ = keys;
  accept();
}

void CheckLevelWindow::reject() {
  if (check_) {
    refreshTimer_.stop();
    check_->cancel();
    answer_ = check_->answer();
    check_.reset();
  }
  QDialog::reject();
}

}  // namespace quobbles
