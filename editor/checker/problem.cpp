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
            return "předmět";
        case PlaceKind::Scenario:
            return "scénář";
        case PlaceKind::Menu:
            return "nabídka";
        case PlaceKind::MenuItem:
            return "položka";
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
            return "Rozhlédni se";
        case ProblemField::Arrival:
            return "Při příchodu";
        case ProblemField::Departure:
            return "Při odchodu";
        case ProblemField::Paths:
            return "Cesty";
        case ProblemField::Items:
            return "Předměty";
        case ProblemField::Music:
            return "Hudba";
        case ProblemField::ItemSound:
            return "zvuk předmětu";
        case ProblemField::Examine:
            return "Prozkoumej";
        case ProblemField::Take:
            return "Vezmi";
        case ProblemField::Put:
            return "Polož";
        case ProblemField::Use:
            return "Použij";
        case ProblemField::Talk:
            return "Promluv si";
        case ProblemField::Start:
            return "Začít na pozici";
        case ProblemField::Inventory:
            return "Předměty do začátku";
        case ProblemField::Intro:
            return "Úvodní text";
        case ProblemField::Win:
            return "Vítězství";
        case ProblemField::Lose:
            return "Prohra";
        case ProblemField::Cycle:
            return "Cyklus";
        case ProblemField::MenuParent:
            return "Nadřazená nabídka";
        case ProblemField::MenuEntries:
            return "Seznam položek";
        case ProblemField::MenuItemSound:
            return "Zvuk položky";
        case ProblemField::MenuItemFunction:
            return "Funkce položky";
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
        text = cz("scénář");
    else if (place.field == ProblemField::SystemSound)
        text = cz("systémový zvuk ") + place.name;
    else
        text = cz(kindWord(place.kind)) + " " + place.name;
    if (place.field != ProblemField::None && place.field != ProblemField::SystemSound)
        text += ", " + cz(fieldLabel(place.field));
    if (place.line > 0)
        text += cz(", řádek ") + std::to_string(place.line);
    return text;
}

std::string ProblemText(const Problem& problem) {
    return cz(problem.severity == Severity::Error ? "chyba: " : "varování: ") +
           PlaceText(problem.place) + ": " + problem.message;
}

std::string SummaryText(const CheckReport& report) {
    return std::to_string(report.errors()) + cz(" chyb, ") + std::to_string(report.warnings()) +
           cz(" varování");
}

}  // namespace vek::editor
