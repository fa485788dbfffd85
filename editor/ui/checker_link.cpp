#include "editor/ui/checker_link.h"

#include <map>
#include <optional>
#include <variant>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "editor/ui/checker_window.h"
#include "editor/ui/mirela2_form.h"
#include "editor/ui/sounds_page.h"

namespace vek::editor {

namespace {

using Place = std::variant<Field, EntryList>;

// The field or list each problem of a window, an item, a menu or a menu item is found in.
const std::map<ProblemField, Place>& problemPlaces() {
    static const std::map<ProblemField, Place> places = {
        {ProblemField::WindowSound, Field::WindowSound},
        {ProblemField::Look, Field::LookScript},
        {ProblemField::Arrival, Field::ArrivalScript},
        {ProblemField::Departure, Field::DepartureScript},
        {ProblemField::Paths, EntryList::Paths},
        {ProblemField::Items, EntryList::Items},
        {ProblemField::Music, EntryList::Music},
        {ProblemField::ItemSound, Field::ItemSound},
        {ProblemField::Examine, Field::ExamineScript},
        {ProblemField::Take, Field::TakeScript},
        {ProblemField::Put, Field::PutScript},
        {ProblemField::Use, Field::UseScript},
        {ProblemField::Talk, Field::TalkScript},
        {ProblemField::MenuParent, Field::MenuParent},
        {ProblemField::MenuItemSound, Field::MenuItemSound}};
    return places;
}

// The caret at the start of a 1-based line of a script editor, or the row of a list.
void showLine(QWidget* control, int line) {
    control->setFocus();
    if (line <= 0)
        return;
    if (auto* editor = qobject_cast<QPlainTextEdit*>(control)) {
        QTextBlock block = editor->document()->findBlockByNumber(line - 1);
        if (block.isValid()) {
            editor->setTextCursor(QTextCursor(block));
            editor->ensureCursorVisible();
        }
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        list->setCurrentRow(line - 1);
    }
}

}  // namespace

CheckerLink::CheckerLink(Mirela2_form& form, EditorDocument& doc) : form_(form), doc_(doc) {}

void CheckerLink::show() {
    if (!checker_)
        checker_ = new CheckerWindow(
            doc_, [this](const ProblemPlace& place) { showProblem(place); }, &form_);
    checker_->show();
    checker_->raise();
    checker_->activateWindow();
    checker_->Check();
}

void CheckerLink::showProblem(const ProblemPlace& place) {
    // The author goes from the checker to the problem: the main window takes the keyboard.
    form_.raise();
    form_.activateWindow();
    // A problem without a field of its own shows a window's or item's selector, a menu's
    // entries and a menu item's function.
    std::optional<Place> shown;
    switch (place.kind) {
        case PlaceKind::Window:
            if (const TOkna* w = doc_.Windows().find(place.name))
                doc_.Show(w);
            break;
        case PlaceKind::Item:
            if (const TPredmet* p = doc_.Items().find(place.name))
                doc_.Show(p);
            break;
        case PlaceKind::Menu:
            if (const TNabidka* m = doc_.Menus().find(place.name))
                doc_.Show(m);
            shown = EntryList::MenuEntries;
            break;
        case PlaceKind::MenuItem:
            if (const TPolozka* p = doc_.MenuItems().find(place.name))
                doc_.Show(p);
            shown = Field::FunctionScript;
            break;
        case PlaceKind::Sound:
            form_.showPage(Mirela2_form::ZvukyPage);
            form_.soundsPage().showSound(place.field == ProblemField::SystemSound, place.name);
            return;
        case PlaceKind::Scenario: {
            bool second = place.field == ProblemField::Win || place.field == ProblemField::Lose ||
                          place.field == ProblemField::Cycle;
            if (form_.toolHooks().properties)
                form_.toolHooks().properties(second ? 1 : 0);
            return;
        }
    }
    auto it = problemPlaces().find(place.field);
    if (it != problemPlaces().end())
        shown = it->second;
    if (!shown)
        return form_.showPage(place.kind == PlaceKind::Window ? Mirela2_form::OknaPage
                                                              : Mirela2_form::PredmetyPage);
    QWidget* target = std::holds_alternative<Field>(*shown)
                          ? form_.focusField(std::get<Field>(*shown))
                          : form_.focusEntries(std::get<EntryList>(*shown));
    if (target)
        showLine(target, place.line);
}

}  // namespace vek::editor
