// The checker's messages are written in UTF-8 here and kept in code page 1250 like every other
// text of the core.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vek::editor {

// A UTF-8 text in code page 1250 (the checker's own texts are all representable).
std::string cz(std::string_view utf8);

// A UTF-8 template whose "{}" marks are replaced, in order, by code page 1250 texts.
std::string say(std::string_view utf8Template, std::initializer_list<std::string_view> args);

}  // namespace vek::editor
