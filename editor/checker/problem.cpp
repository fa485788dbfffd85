#include "editor/checker/problem.h"

#include <algorithm>

#include "editor/checker/czech.h"

namespace vek::editor {

namespace {

const char* kindWord(PlaceKind kind) {
    switch (kind) {
        case PlaceKind::Window:
            return "okno";
        case PlaceKind::Item:
            return "předmět"_cp;
        case PlaceKind::Scenario:
            return "scénář"_cp;
        case PlaceKind::Menu:
            return "nabídka"_cp;
        case PlaceKind::MenuItem:
            return "položka"_cp;
        case PlaceKind::Sound:
            return "zvuk";
    }
    return "";
}

// The labels of the editor's fields, without their colons.
const char* fieldLabel(ProblemField field) {
    switch (field) {
        case ProblemField::None:
            return "";
        case ProblemField::WindowSound:
            return "zvuk okna";
        case ProblemField::Look:
            return "Rozhlédni se"_cp;
        case ProblemField::Arrival:
            return "Při příchodu"_cp;
        case ProblemField::Departure:
            return "Při odchodu"_cp;
        case ProblemField::Paths:
            return "Cesty";
        case ProblemField::Items:
            return "Předměty"_cp;
        case ProblemField::Music:
            return "Hudba";
        case ProblemField::ItemSound:
            return "zvuk předmětu"_cp;
        case ProblemField::Examine:
            return "Prozkoumej";
        case ProblemField::Take:
            return "Vezmi";
        case ProblemField::Put:
            return "Polož"_cp;
        case ProblemField::Use:
            return "Použij"_cp;
        case ProblemField::Talk:
            return "Promluv si";
        case ProblemField::Start:
            return "Začít na pozici"_cp;
        case ProblemField::Inventory:
            return "Předměty do začátku"_cp;
        case ProblemField::Intro:
            return "Úvodní text"_cp;
        case ProblemField::Win:
            return "Vítězství"_cp;
        case ProblemField::Lose:
            return "Prohra";
        case ProblemField::Cycle:
            return "Cyklus";
        case ProblemField::MenuParent:
            return "Nadřazená nabídka"_cp;
        case ProblemField::MenuEntries:
            return "Seznam položek"_cp;
        case ProblemField::MenuItemSound:
            return "Zvuk položky"_cp;
        case ProblemField::MenuItemFunction:
            return "Funkce položky"_cp;
        case ProblemField::SystemSound:
            return "";
    }
    return "";
}

}  // namespace

int CheckReport::errors() const {
    return static_cast<int>(std::count_if(problems.begin(), problems.end(), [](const Problem& p) {
        return p.severity == Severity::Error;
    }));
}

int CheckReport::warnings() const {
    return static_cast<int>(problems.size()) - errors();
}

std::string PlaceText(const ProblemPlace& place) {
    std::string text;
    if (place.kind == PlaceKind::Scenario)
        text = "scénář"_cp;
    else if (place.field == ProblemField::SystemSound)
        text = "systémový zvuk "_cp + place.name;
    else
        text = std::string(kindWord(place.kind)) + " " + place.name;
    if (place.field != ProblemField::None && place.field != ProblemField::SystemSound)
        text += std::string(", ") + fieldLabel(place.field);
    if (place.line > 0)
        text += ", řádek "_cp + std::to_string(place.line);
    return text;
}

std::string ProblemText(const Problem& problem) {
    return (problem.severity == Severity::Error ? "chyba: " : "varování: "_cp) +
           PlaceText(problem.place) + ": " + problem.message;
}

std::string SummaryText(const CheckReport& report) {
    return std::to_string(report.errors()) + " chyb, " + std::to_string(report.warnings()) +
           " varování"_cp;
}

}  // namespace vek::editor
