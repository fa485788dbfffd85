// The four kinds of named things an author edits: windows, items, menus and menu items.
#pragma once

#include <string>

#include "editor/document/spec_strings.h"

namespace vek::editor {

// A location of the scenario.
struct TOkna {
    std::string Name;
    std::string Kam;      // the name in the second case ("kam:")
    std::string SoundId;  // empty = none
    TSpecStrings LookScript;
    TSpecStrings ArrivalScript;
    TSpecStrings DepartureScript;
    TSpecStrings Paths;  // window names reachable from here, in the author's order
    TSpecStrings Items;  // item names lying here
    TSpecStrings Music;  // sound identifiers playing here
    friend bool operator==(const TOkna&, const TOkna&) = default;
};

// An item or a character.
struct TPredmet {
    std::string Name;
    std::string Co;       // the name in the fourth case ("co:")
    std::string SoundId;  // empty = none
    TSpecStrings ExamineScript;
    TSpecStrings TakeScript;
    TSpecStrings PutScript;
    TSpecStrings UseScript;
    TSpecStrings TalkScript;
    bool CanTake = false;
    bool UseOn = false;
    bool IsCharacter = false;
    friend bool operator==(const TPredmet&, const TPredmet&) = default;
};

struct TNabidka {
    std::string Name;
    std::string Parent;
    TSpecStrings Entries;
    friend bool operator==(const TNabidka&, const TNabidka&) = default;
};

struct TPolozka {
    std::string Name;
    std::string SoundId;  // stored exactly as chosen, "(žádný)" included
    TSpecStrings FunctionScript;
    friend bool operator==(const TPolozka&, const TPolozka&) = default;
};

// The scenario-wide settings of the properties dialog.
struct ScenarioSettings {
    std::string ScenarioName;
    std::string StartWindow;
    TSpecStrings Inventory;
    TSpecStrings IntroText;
    TSpecStrings WinText;
    TSpecStrings LoseText;
    TSpecStrings CycleText;
    std::string MaxItems = "99";
    bool TalkToItems = true;
    bool ReportWalk = true;
    bool ReportTake = true;
    std::string CycleInterval = "200 ms";
    bool CycleActive = false;
    bool Encode = false;
    std::string Password;
    friend bool operator==(const ScenarioSettings&, const ScenarioSettings&) = default;
};

}  // namespace vek::editor
