// The registry of loaded windows, and showing and unloading them.
#include "ui/forms.h"

#include <array>

namespace quobbles::ui {

namespace {

constexpr const char* kUnloadedProperty = "quobblesUnloaded";
std::array<QPointer<QWidget>, 10> registry;

}  // namespace

QWidget* loadedForm(int n) {
  QWidget* w = registry.at(static_cast<std::size_t>(n));
  return (w && !w->property(kUnloadedProperty).toBool()) ? w : nullptr;
}

void rememberForm(int n, QWidget* form) {
  registry.at(static_cast<std::size_t>(n)) = form;
}

void showForm(QWidget* form) {
  form->show();
  form->raise();
  form->activateWindow();
}

void Unload(QWidget* form) {
  if (!form || form->property(kUnloadedProperty).toBool()) return;
  form->setProperty(kUnloadedProperty, true);
  form->hide();
  form->deleteLater();
}

void unloadForm(int n) {
  Unload(loadedForm(n));
}

void unloadAll() {
  for (int n = 1; n < static_cast<int>(registry.size()); ++n) unloadForm(n);
}

}  // namespace quobbles::ui
