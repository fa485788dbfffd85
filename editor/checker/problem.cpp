#include "editor/checker/problem.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "editor/checker/czech.h"
#include "editor/document/fields.h"

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

// The editor's field a problem lies in, whose label the report names.
std::string_view fieldLabel(ProblemField problem) {
    using P = ProblemField;
    static constexpr std::pair<ProblemField, Field> fields[] = {
        {P::WindowSound, Field::WindowSound},
        {P::Look, Field::LookScript},
        {P::Arrival, Field::ArrivalScript},
        {P::Departure, Field::DepartureScript},
        {P::ItemSound, Field::ItemSound},
        {P::Examine, Field::ExamineScript},
        {P::Take, Field::TakeScript},
        {P::Put, Field::PutScript},
        {P::Use, Field::UseScript},
        {P::Talk, Field::TalkScript},
        {P::Start, Field::StartWindow},
        {P::Intro, Field::IntroText},
        {P::Win, Field::WinText},
        {P::Lose, Field::LoseText},
        {P::Cycle, Field::CycleText},
        {P::MenuParent, Field::MenuParent},
        {P::MenuItemSound, Field::MenuItemSound},
        {P::MenuItemFunction, Field::FunctionScript},
    };
    static constexpr std::pair<ProblemField, EntryList> lists[] = {
        {P::Paths, EntryList::Paths},
        {P::Items, EntryList::Items},
        {P::Music, EntryList::Music},
        {P::Inventory, EntryList::Inventory},
        {P::MenuEntries, EntryList::MenuEntries},
    };
    for (auto [p, field] : fields)
        if (p == problem)
            return FieldDefOf(field).label;
    for (auto [p, list] : lists)
        if (p == problem)
            return FieldDefOf(list).label;
    return {};
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
