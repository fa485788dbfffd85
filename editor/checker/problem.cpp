#include "editor/checker/problem.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "common/cp1250.h"
#include "editor/checker/czech.h"
#include "editor/document/fields.h"

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

// The label of the editor's field a problem lies in, in code page 1250 like the report.
std::string fieldLabel(ProblemField problem) {
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
            return utf8ToCp1250(FieldDefOf(field).label).value_or(std::string());
    for (auto [p, list] : lists)
        if (p == problem)
            return utf8ToCp1250(FieldDefOf(list).label).value_or(std::string());
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
        text = "scénář"_cp;
    else if (place.field == ProblemField::SystemSound)
        text = "systémový zvuk "_cp + place.name;
    else
        text = std::string(kindWord(place.kind)) + " " + place.name;
    if (place.field != ProblemField::None && place.field != ProblemField::SystemSound)
        text += ", " + fieldLabel(place.field);
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
