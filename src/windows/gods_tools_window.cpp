// God's Tools (Form8): the level maker's buttons during a test play.
#include "windows/gods_tools_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "board/board_engine.h"
#include "board/history.h"
#include "board/session.h"
#include "ui/keys.h"
#include "ui/navigation.h"
#include "ui/twips.h"
#include "world/gods_tools.h"

namespace quobbles {

namespace {

// The window's layout in twips.
constexpr int kClientWidth = 2490;
constexpr int kClientHeight = 1995;

struct ButtonDesign {
  const char* caption;
  int left, top, width, height;
};

constexpr std::array<ButtonDesign, world::kGodsToolCount> kButtons = {{
    {"Back to life!", 120, 120, 1095, 375},
    {">", 1800, 600, 375, 375},
    {"^", 1320, 120, 375, 375},
    {"<", 840, 600, 375, 375},
    {"V", 1320, 1080, 375, 375},
    {"Destroy", 120, 1080, 1095, 375},
    {"S1", 120, 1560, 375, 375},
    {"S2", 600, 1560, 375, 375},
    {"S3", 1080, 1560, 375, 375},
    {"S4", 1560, 1560, 375, 375},
    {"S5", 2040, 1560, 375, 375},
}};

// The decorative shapes behind the buttons: a white ground, a pale blue panel under the upper
// buttons, a blue cross joining the arrows with a white hub, and a deeper blue strip under S1..S5.
struct ShapeDesign {
  int left, top, width, height;
  const char* fill;
  const char* border;
  int radius;
};

constexpr std::array<ShapeDesign, 6> kShapes = {{
    {0, 0, 2490, 1995, "#ffffff", "#ffffff", 0},
    {60, 60, 2370, 1440, "#dce8fb", "#9dbbe8", 6},
    {1440, 480, 135, 615, "#7fa6e0", "#7fa6e0", 0},
    {1200, 720, 615, 135, "#7fa6e0", "#7fa6e0", 0},
    {1350, 630, 315, 315, "#ffffff", "#4f7fcc", 10},
    {60, 1515, 2370, 420, "#8fb2ea", "#4f7fcc", 6},
}};

}  // namespace

GodsToolsWindow::GodsToolsWindow() {
  setWindowTitle(QStringLiteral("God's Tools"));
  setFixedSize(ui::px(kClientWidth), ui::px(kClientHeight));
  // The window keeps the keyboard so that every key reaches the board, Space and Enter included.
  setFocusPolicy(Qt::StrongFocus);

  for (std::size_t i = 0; i < kShapes.size(); ++i) {
    const ShapeDesign& s = kShapes[i];
    auto* shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("Shape1_%1").arg(i));
    shape->setGeometry(ui::twipsRect(s.left, s.top, s.width, s.height));
    shape->setStyleSheet(
        QStringLiteral("QFrame#%1 { background: %2; border: 1px solid %3; border-radius: %4px; }")
            .arg(shape->objectName(), QString::fromLatin1(s.fill), QString::fromLatin1(s.border))
            .arg(s.radius));
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1_[i] = shape;
  }

  for (int i = 0; i < world::kGodsToolCount; ++i) {
    const ButtonDesign& d = kButtons[static_cast<std::size_t>(i)];
    auto* button = new QPushButton(QString::fromLatin1(d.caption), this);
    button->setObjectName(QStringLiteral("Command1_%1").arg(i));
    button->setGeometry(ui::twipsRect(d.left, d.top, d.width, d.height));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    Command1_[static_cast<std::size_t>(i)] = button;
  }
}

void GodsToolsWindow::Command1_Click(int Index) {
  // Each press is one step that the board's undo can take back.
  useGodsTool(sharedSession(), sharedHistory(), Index);
  ui::navigation().boardChanged();
}

void GodsToolsWindow::Form_KeyPress(int16_t KeyAscii) {
  ui::navigation().boardKey(KeyAscii);
}

void GodsToolsWindow::keyPressEvent(QKeyEvent* event) {
  const int16_t code = ui::playKeyCode(event);
  if (code == 0) return QWidget::keyPressEvent(event);
  Form_KeyPress(code);
}

void GodsToolsWindow::closeEvent(QCloseEvent* event) {
  // Closing the tools ends the test play as the board's Esc does: back to the editor.
  event->ignore();
  Form_KeyPress(board::key::kEsc);
}

}  // namespace quobbles
