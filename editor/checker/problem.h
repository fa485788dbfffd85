// What the scenario checker finds: one problem with its place in the scenario, and the report
// lines the command line and the checker window show.
#pragma once

#include <string>
#include <vector>

namespace vek::editor {

enum class Severity { Error, Warning };

// What a problem belongs to, in the order the report lists them.
enum class PlaceKind { Window, Item, Scenario, Menu, MenuItem, Sound };

// The field of the window, item, scenario, menu or menu item, as the editor labels it.
enum class ProblemField {
    None,
    // window
    WindowSound,
    Look,
    Arrival,
    Departure,
    Paths,
    Items,
    Music,
    // item
    ItemSound,
    Examine,
    Take,
    Put,
    Use,
    Talk,
    // scenario
    Start,
    Inventory,
    Intro,
    Win,
    Lose,
    Cycle,
    // menu and menu item
    MenuParent,
    MenuEntries,
    MenuItemSound,
    MenuItemFunction,
    // sound
    SystemSound,
};

struct ProblemPlace {
    PlaceKind kind = PlaceKind::Scenario;
    std::string name;  // the window, item, menu, menu item or sound key; code page 1250
    ProblemField field = ProblemField::None;
    int line = 0;  // 1-based line of a script or list; 0 for a one-line field or none
};

struct Problem {
    Severity severity = Severity::Error;
    ProblemPlace place;
    std::string message;  // Czech, code page 1250
};

struct CheckReport {
    std::vector<Problem> problems;  // windows, items, scenario texts, menus, sounds
    int errors() const;
    int warnings() const;
};

// "okno Sklep, Rozhlédni se, řádek 2", in code page 1250.
std::string PlaceText(const ProblemPlace& place);
// "chyba: MÍSTO: ZPRÁVA" or "varování: MÍSTO: ZPRÁVA", in code page 1250.
std::string ProblemText(const Problem& problem);
// "N chyb, M varování", in code page 1250.
std::string SummaryText(const CheckReport& report);

}  // namespace vek::editor
