// A small world with windows, items, inventory and variables for the script fuzz targets, so
// that random input reaches the branches that find what they look for.
#pragma once

#include <memory>
#include <string>

#include "tests/player/script/script_fakes.h"

namespace vek::player::fuzzing {

struct FuzzWorld : testing::EngineFixture {
    FuzzWorld() {
        TOkno* a = window("A1");
        TOkno* b = window("B1");
        a->Items = {"klic", "stul"};
        a->Paths = {"B1"};
        b->Paths = {"A1"};
        item("klic");
        item("stul", false);
        world.CurrentWindow = a;
        world.PreviousWindow = b;
        world.CurrentItem = world.ItemList.Najdi("klic");
        world.Inventory = {"klic"};
        world.StringVars[1] = "AHOJ";
        world.WinText = {"V\xFDhra"};
        world.LoseText = {"Prohra"};
        sound.playing = {"vitr"};
        sound.finished = {"dest"};
        host.answers = {"ano"};
    }
};

}  // namespace vek::player::fuzzing
