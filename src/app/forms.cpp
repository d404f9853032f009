// The registry of loaded windows, and showing and unloading them.
#include "app/forms.h"

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

int formNumber(const QWidget* form) {
  for (int n = 1; n < static_cast<int>(registry.size()); ++n)
    if (form != nullptr && loadedForm(n) == form) return n;
  return 0;
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

}  // namespace app
}  // namespace quobbles
