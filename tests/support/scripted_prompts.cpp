// Prompts answered from a script.
#include "support/scripted_prompts.h"

namespace quobbles::testing {

namespace {

template <class T>
T next(std::deque<T>& queue, T none) {
  if (queue.empty()) return none;
  T a = std::move(queue.front());
  queue.pop_front();
  return a;
}

}  // namespace

Answer ScriptedPrompts::message(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                                bool systemModal) {
  asked.push_back({Asked::Kind::kMessage, text, title, buttons, icon, systemModal, {}, 0});
  if (buttons == Buttons::kOk) return Answer::kOk;
  return next(answers, Answer::kCancel);
}

std::string ScriptedPrompts::input(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
  asked.push_back({Asked::Kind::kInput, prompt, title, Buttons::kOk, Icon::kNone, false, defaultText, 0});
  return next(inputs, std::string());
}

std::string ScriptedPrompts::inputAtMost(const std::string& prompt, const std::string& title,
                                         const std::string& defaultText, std::size_t maxLength) {
  std::string answer = Prompts::inputAtMost(prompt, title, defaultText, maxLength);
  asked.back().maxLength = maxLength;
  return answer;
}

std::string ScriptedPrompts::openFile(const std::string& filter, const std::string& initialFolder) {
  asked.push_back({Asked::Kind::kOpenFile, filter, initialFolder, Buttons::kOk, Icon::kNone, false, {}, 0});
  return next(files, std::string());
}

std::vector<std::string> ScriptedPrompts::messages() const {
  std::vector<std::string> out;
  for (const Asked& a : asked)
    if (a.kind == Asked::Kind::kMessage) out.push_back(a.text);
  return out;
}

}  // namespace quobbles::testing
