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
const char* fieldLabel(Field field) {
    switch (field) {
        case Field::None:
            return "";
        case Field::WindowSound:
            return "zvuk okna";
        case Field::Look:
            return "Rozhlédni se";
        case Field::Arrival:
            return "Při příchodu";
        case Field::Departure:
            return "Při odchodu";
        case Field::Paths:
            return "Cesty";
        case Field::Items:
            return "Předměty";
        case Field::Music:
            return "Hudba";
        case Field::ItemSound:
            return "zvuk předmětu";
        case Field::Examine:
            return "Prozkoumej";
        case Field::Take:
            return "Vezmi";
        case Field::Put:
            return "Polož";
        case Field::Use:
            return "Použij";
        case Field::Talk:
            return "Promluv si";
        case Field::Start:
            return "Začít na pozici";
        case Field::Inventory:
            return "Předměty do začátku";
        case Field::Intro:
            return "Úvodní text";
        case Field::Win:
            return "Vítězství";
        case Field::Lose:
            return "Prohra";
        case Field::Cycle:
            return "Cyklus";
        case Field::MenuParent:
            return "Nadřazená nabídka";
        case Field::MenuEntries:
            return "Seznam položek";
        case Field::MenuItemSound:
            return "Zvuk položky";
        case Field::MenuItemFunction:
            return "Funkce položky";
        case Field::SystemSound:
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
    else if (place.field == Field::SystemSound)
        text = cz("systémový zvuk ") + place.name;
    else
        text = cz(kindWord(place.kind)) + " " + place.name;
    if (place.field != Field::None && place.field != Field::SystemSound)
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
