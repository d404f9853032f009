// The registry of loaded windows, and showing and unloading them.
#include "app/forms.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <array>

#include "windows/board_window.h"
#include "windows/credits_window.h"
#include "windows/editor_window.h"
#include "windows/gods_tools_window.h"
#include "windows/help_window.h"
#include "windows/main_menu_window.h"
#include "windows/map_selection_window.h"
#include "windows/message_window.h"
#include "windows/texture_help_window.h"

namespace quobbles {

namespace {

constexpr const char* kUnloadedProperty = "quobblesUnloaded";
std::array<QPointer<QWidget>, 10> registry;

// What the window system adds round a window (its borders and title bar), as it framed the
// program's other windows; a window not yet shown has no frame to ask.
QSize frameMargins() {
  for (const QPointer<QWidget>& w : registry) {
    if (!w || !w->isVisible() || w->windowFlags().testFlag(Qt::Tool)) continue;
    const QSize margins = w->frameGeometry().size() - w->size();
    if (margins.width() > 0 || margins.height() > 0) return margins;
  }
  return QSize(0, 0);
}

QScreen* screenOf(const QWidget* form) {
  QScreen* screen = form != nullptr ? form->screen() : nullptr;
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

// Moves a not yet shown window's frame to `frame`'s top-left corner, pulled onto the screen.
void placeFrame(QWidget* form, QRect frame, const QScreen* screen) {
  if (form->isVisible()) return;
  if (screen != nullptr) {
    const QRect room = screen->availableGeometry();
    frame.moveLeft(std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width())));
    frame.moveTop(std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height())));
  }
  form->move(frame.topLeft());
}

bool fitsOn(const QRect& frame, const QScreen* screen) {
  return screen == nullptr || screen->availableGeometry().contains(frame);
}

// The instance of window number N, built if it is not loaded.
template <int N, class Window>
Window* formInstance() {
  if (QWidget* w = app::loadedForm(N)) return static_cast<Window*>(w);
  auto* w = new Window();
  registry.at(N) = w;
  return w;
}

}  // namespace

BoardWindow* Form1() {
  return formInstance<1, BoardWindow>();
}
EditorWindow* Form2() {
  return formInstance<2, EditorWindow>();
}
MainMenuWindow* Form3() {
  return formInstance<3, MainMenuWindow>();
}
MapSelectionWindow* Form4() {
  return formInstance<4, MapSelectionWindow>();
}
HelpWindow* Form5() {
  return formInstance<5, HelpWindow>();
}
CreditsWindow* Form6() {
  return formInstance<6, CreditsWindow>();
}
TextureHelpWindow* Form7() {
  return formInstance<7, TextureHelpWindow>();
}
GodsToolsWindow* Form8() {
  return formInstance<8, GodsToolsWindow>();
}
MessageWindow* Form9() {
  return formInstance<9, MessageWindow>();
}

namespace app {

QWidget* loadedForm(int n) {
  QWidget* w = registry.at(static_cast<std::size_t>(n));
  return (w && !w->property(kUnloadedProperty).toBool()) ? w : nullptr;
}

void showForm(QWidget* form) {
  form->show();
  form->raise();
  form->activateWindow();
}

void unload(QWidget* form) {
  if (!form || form->property(kUnloadedProperty).toBool()) return;
  form->setProperty(kUnloadedProperty, true);
  form->hide();
  form->deleteLater();
}

void unloadForm(int n) {
  unload(loadedForm(n));
}

void unloadAll() {
  for (int n = 1; n < static_cast<int>(registry.size()); ++n) unloadForm(n);
}

QRect frameOf(const QWidget* form) {
  // A window just shown may not have its frame yet either; its position is already its frame's.
  if (form->isVisible() && form->frameGeometry() != form->geometry()) return form->frameGeometry();
  return QRect(form->pos(), form->size() + frameMargins());
}

void placeCentredOnScreen(QWidget* form) {
  const QScreen* screen = screenOf(nullptr);
  QRect frame = frameOf(form);
  if (screen != nullptr) frame.moveCenter(screen->availableGeometry().center());
  placeFrame(form, frame, screen);
}

void placeCentredOn(QWidget* form, const QWidget* on) {
  QRect frame = frameOf(form);
  frame.moveCenter(frameOf(on).center());
  placeFrame(form, frame, screenOf(on));
}

void placeBeside(QWidget* form, std::initializer_list<Beside> choices) {
  if (choices.size() == 0) return;
  const QScreen* screen = screenOf(choices.begin()->anchor);
  auto place = [form](const Beside& choice) {
    const QRect beside = frameOf(choice.anchor);
    QRect frame = frameOf(form);
    frame.moveTop(choice.top.value_or(beside.top()));
    if (choice.side == Side::kRight)
      frame.moveLeft(beside.right() + 1);
    else
      frame.moveRight(beside.left() - 1);
    return frame;
  };
  QRect chosen = place(*choices.begin());
  for (const Beside& choice : choices) {
    if (fitsOn(place(choice), screen)) {
      chosen = place(choice);
      break;
    }
  }
  placeFrame(form, chosen, screen);
}

}  // namespace app
}  // namespace quobbles
