// Checks the recordings of the scenario's sound entries as the player finds them: plain files
// under PROGRAMPATH, collections under PROGRAMPATH or CDPATH, and whether the player can decode
// what it finds.
#pragma once

#include <string>
#include <vector>

#include "common/sound_entry.h"
#include "editor/checker/check_context.h"

namespace vek::editor {

// `entries` are the values of the scenario's NOVYWAV= and NOVYSYSWAV= lines in file order.
void CheckSounds(CheckContext& context, const std::vector<std::string>& entries,
                 const SoundBasePaths& paths);

}  // namespace vek::editor
