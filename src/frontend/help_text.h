// The text of the help window (Form5): ten sections separated by lines of 44 "-", lines
// ending in CR LF, as the window's text box holds it.
#pragma once

#include <string>

namespace quobbles {

const std::string& helpText();

}  // namespace quobbles
