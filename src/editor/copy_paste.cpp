// Copy and paste of a rectangle of squares.
#include "editor/copy_paste.h"

#include "editor/editor_numbers.h"

namespace quobbles::editor {

namespace {

// Asks and stores one answer; false when it is not a number 0..255.
bool askInto(EditorState& e, CopyField field, const char* prompt, const char* title, Prompts& prompts) {
  const auto value = readByteAnswer(prompts.input(prompt, title));
  if (!value) return false;
  e.CopyArea[field] = *value;
  return true;
}

// A right edge minus a left edge; false (leaving the raw edge stored) when it would be negative.
bool edgeToSpan(EditorState& e, CopyField span, CopyField origin) {
  const int difference = e.CopyArea[span] - e.CopyArea[origin];
  if (difference < 0) return false;
  e.CopyArea[span] = static_cast<uint8_t>(difference);
  return true;
}

bool onGrid(int v) {
  return v >= 0 && v < kMapSize;
}

}  // namespace

bool copyArea(EditorState& e, Prompts& prompts) {
  const auto ask = [&](CopyField field, const char* prompt) {
    return askInto(e, field, prompt, kCopyTitle, prompts);
  };
  return ask(CopyLeft, kLeftEdgePrompt) && ask(CopyTop, kTopPrompt) && ask(CopySpanX, kRightEdgePrompt) &&
         ask(CopySpanY, kBottomPrompt) && edgeToSpan(e, CopySpanX, CopyLeft) &&
         edgeToSpan(e, CopySpanY, CopyTop);
}

bool askPastePosition(EditorState& e, Prompts& prompts) {
  return askInto(e, PasteLeft, kLeftEdgePrompt, kPasteTitle, prompts) &&
         askInto(e, PasteTop, kTopPrompt, kPasteTitle, prompts);
}

bool pasteArea(GameState& g, const EditorState& e) {
  const auto& a = e.CopyArea;
  const int copyLeft = a[CopyLeft], copyTop = a[CopyTop], spanX = a[CopySpanX], spanY = a[CopySpanY];
  const int pasteLeft = a[PasteLeft], pasteTop = a[PasteTop];
  // Both loops run their first round before testing, so square (0, 0) of the rectangle is
  // always attempted.
  int j = 0;
  do {
    int i = 0;
    do {
      const int fromX = copyLeft + i, fromY = copyTop + j, toX = pasteLeft + i, toY = pasteTop + j;
      if (!onGrid(fromX) || !onGrid(fromY) || !onGrid(toX) || !onGrid(toY)) return false;
      g.code(toX, toY) = g.code(fromX, fromY);
      ++i;
    } while (i <= spanX && pasteLeft + i <= kMapSize - 1);
    ++j;
  } while (j <= spanY && pasteTop + j <= kMapSize - 1);
  return true;
}

}  // namespace quobbles::editor
