// What a scenario holds, as plain lists: the reader fills one, the editor's document keeps one
// (and alone changes it), and the writer, the checker and the snapshots read it.
#pragma once

#include "common/string_list.h"
#include "editor/document/entities.h"
#include "editor/document/sorted_list.h"

namespace vek::editor {

struct DocumentContent {
    SortedNamedList<TOkna> Windows;
    SortedNamedList<TPredmet> Items;
    SortedNamedList<TNabidka> Menus;
    SortedNamedList<TPolozka> MenuItems;
    SortedLines UserSounds;   // NOVYWAV= lines
    StringList SystemSounds;  // NOVYSYSWAV= lines, in the table's order
    ScenarioSettings Settings;
};

}  // namespace vek::editor
