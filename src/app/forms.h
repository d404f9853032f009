// The program's windows, one global instance each, Form1 .. Form9, built on first use.
// Unloading a window destroys it, so its controls are built anew from their design the next time
// it is used; each window's own variables live elsewhere and last for the whole run. Only the
// navigator (and tests) reach windows through here; windows never reach each other.
#pragma once

#include <QPointer>
#include <QRect>
#include <QVariant>
#include <QWidget>
#include <initializer_list>
#include <optional>

namespace quobbles {

class BoardWindow;         // the board
class EditorWindow;        // the level editor
class MainMenuWindow;      // the main menu
class MapSelectionWindow;  // the campaign's map selection
class HelpWindow;          // the help text
class CreditsWindow;       // the credits
class TextureHelpWindow;   // the legend of pictures
class GodsToolsWindow;     // God's Tools of a test play
class MessageWindow;       // the note for level makers

BoardWindow* Form1();
EditorWindow* Form2();
MainMenuWindow* Form3();
MapSelectionWindow* Form4();
HelpWindow* Form5();
CreditsWindow* Form6();
TextureHelpWindow* Form7();
GodsToolsWindow* Form8();
MessageWindow* Form9();

namespace app {

// Window number n (1..9) if it is loaded, else nullptr. Asking never builds a window.
QWidget* loadedForm(int n);

// Shows a window, or brings it to the front if it is already shown.
void showForm(QWidget* form);
// Closes and destroys a window; safe to call from the window's own event handlers. The next
// FormN() builds it anew.
void unload(QWidget* form);
// Unloads window number n if it is loaded.
void unloadForm(int n);
// Unloads every window (the program ends).
void unloadAll();

// Where windows open. Positions are those of the windows' frames, and a window that fits on its
// screen is kept wholly on it. A window already shown keeps its place.
// The first window of the program: centred on the screen.
void placeCentredOnScreen(QWidget* form);
// A window that replaces another, or opens over it: centred on where that one stands.
void placeCentredOn(QWidget* form, const QWidget* on);
// A window beside another: the first of the choices whose place lies wholly on the screen, or
// the first one, kept on the screen as well as it can be. Each choice names the window to stand
// beside, the side, and the top (that window's top when not given).
enum class Side { kRight, kLeft };
struct Beside {
  const QWidget* anchor;
  Side side;
  std::optional<int> top = {};
};
void placeBeside(QWidget* form, std::initializer_list<Beside> choices);
// The frame of a window, or the frame it will have once the window system has framed it.
QRect frameOf(const QWidget* form);

}  // namespace app
}  // namespace quobbles
