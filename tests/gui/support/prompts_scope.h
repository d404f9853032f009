// Puts scripted prompts in place of Qt's dialogs for the lifetime of this object.
#pragma once

#include "support/scripted_prompts.h"
#include "ui/qt_prompts.h"

namespace quobbles::testing {

class ScriptedPromptsScope {
 public:
  ScriptedPromptsScope() { ui::setPrompts(&script); }
  ~ScriptedPromptsScope() { ui::setPrompts(nullptr); }
  ScriptedPromptsScope(const ScriptedPromptsScope&) = delete;
  ScriptedPromptsScope& operator=(const ScriptedPromptsScope&) = delete;
  ScriptedPrompts script;
};

}  // namespace quobbles::testing
