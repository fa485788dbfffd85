// Checks script lines as the engine cuts them: conditions the player would silently hold,
// statements it would show as text, names that resolve to nothing, variables and numbers it
// cannot use.
#pragma once

#include "common/string_list.h"
#include "editor/checker/check_context.h"

namespace vek::editor {

enum class ScriptKind {
    Player,  // run by the player
    Menu,    // a menu item's function: the editor's menu statements belong here
};

// Reports the problems of every line of `script` at the context's current place (lines counted
// from 1).
void CheckScript(CheckContext& context, const StringList& script, ScriptKind kind);

}  // namespace vek::editor
