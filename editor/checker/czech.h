// The checker's messages: readable UTF-8 literals made code page 1250 at compile time
// ("..."_cp), like every other text of the core, with "{}" marks for the names they quote.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "common/cp1250_literal.h"

namespace vek::editor {

// A code page 1250 template whose "{}" marks are replaced, in order, by code page 1250 texts.
std::string say(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace vek::editor
