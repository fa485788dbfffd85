// The scenario checker: reads a scenario exactly as the player does (its loader, its script
// cutting, its sound list and path resolution) and reports what the player would silently
// skip, hold or show as text: names that resolve to nothing, missing or broken recordings,
// script lines that do not say what they seem to, and windows and items nobody can reach.
#pragma once

#include <filesystem>
#include <string>

#include "common/config_file.h"
#include "common/sound_entry.h"
#include "editor/checker/problem.h"

namespace vek::editor {

class EditorDocument;

struct CheckSetup {
    // The scenario file's bytes, plain or encoded, as the player would read them.
    std::string scenarioBytes;
    // The same scenario as the editor reads it: menus and menu items, which the player skips.
    const EditorDocument* document = nullptr;
    // Where recordings and collections are looked for.
    SoundBasePaths paths;
};

CheckReport CheckScenario(const CheckSetup& setup);

}  // namespace vek::editor
