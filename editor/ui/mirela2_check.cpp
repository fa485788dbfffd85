// The main window's side of the scenario checker: opening its window and showing a problem's
// place.
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>

#include "common/cp1250.h"
#include "common/sound_entry.h"
#include "editor/ui/checker_window.h"
#include "editor/ui/mirela2_form.h"

namespace vek::editor {

namespace {

// The caret at the start of a 1-based line of a script editor, or the row of a list.
void showLine(QWidget* control, int line) {
    control->setFocus();
    if (line <= 0)
        return;
    if (auto* editor = qobject_cast<QPlainTextEdit*>(control)) {
        QTextBlock block = editor->document()->findBlockByNumber(line - 1);
        if (block.isValid()) {
            QTextCursor cursor(block);
            editor->setTextCursor(cursor);
            editor->ensureCursorVisible();
        }
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        list->setCurrentRow(line - 1);
    }
}

// The row of the sound whose key is `key` in a list filled from entry lines.
int soundRow(const std::vector<std::string>& lines, std::string_view key) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (sameText(entry_line::Key(lines[i]), key))
            return static_cast<int>(i);
    return -1;
}

}  // namespace

void Mirela2_form::ShowChecker() {
    if (!checker_)
        checker_ = new CheckerWindow(
            doc_, [this](const ProblemPlace& place) { ShowProblem(place); }, this);
    checker_->show();
    checker_->raise();
    checker_->activateWindow();
    checker_->Check();
}

void Mirela2_form::ShowProblem(const ProblemPlace& place) {
    // The author goes from the checker to the problem: this window takes the keyboard.
    raise();
    activateWindow();
    QWidget* target = nullptr;
    switch (place.kind) {
        case PlaceKind::Window: {
            if (const TOkna* w = doc_.Windows().find(place.name))
                doc_.Show(w);
            showPage(OknaPage);
            const std::map<ProblemField, QWidget*> fields = {
                {ProblemField::WindowSound, OknoZvukEdit},
                {ProblemField::Look, RozhlEdit},
                {ProblemField::Arrival, PrichEdit},
                {ProblemField::Departure, OdchEdit},
                {ProblemField::Paths, SeznamCestList},
                {ProblemField::Items, SeznamPredmetuList},
                {ProblemField::Music, HudbaList}};
            auto it = fields.find(place.field);
            target = it == fields.end() ? CisloOknaBox : it->second;
            break;
        }
        case PlaceKind::Item: {
            if (const TPredmet* p = doc_.Items().find(place.name))
                doc_.Show(p);
            showPage(PredmetyPage);
            const std::map<ProblemField, QWidget*> fields = {
                {ProblemField::ItemSound, PredZvukEdit}, {ProblemField::Examine, ProzkEdit},
                {ProblemField::Take, VezmiEdit},         {ProblemField::Put, PolozEdit},
                {ProblemField::Use, PouzEdit},           {ProblemField::Talk, PromlEdit}};
            auto it = fields.find(place.field);
            target = it == fields.end() ? CisloPredmetuBox : it->second;
            break;
        }
        case PlaceKind::Menu:
            if (const TNabidka* m = doc_.Menus().find(place.name))
                doc_.Show(m);
            showPage(MenuPage);
            target = place.field == ProblemField::MenuParent ? static_cast<QWidget*>(ParentMenuBox)
                                                             : SeznamPolBox;
            break;
        case PlaceKind::MenuItem:
            if (const TPolozka* p = doc_.MenuItems().find(place.name))
                doc_.Show(p);
            showPage(MenuPage);
            target = place.field == ProblemField::MenuItemSound ? static_cast<QWidget*>(ZvukPolBox)
                                                                : FunkcePolMemo;
            break;
        case PlaceKind::Sound: {
            showPage(ZvukyPage);
            bool system = place.field == ProblemField::SystemSound;
            QListWidget* list = system ? ZvukySysListBox : ZvukyListBox;
            int row = soundRow(system ? shownSystemSounds_ : shownUserSounds_, place.name);
            list->setFocus();
            if (row >= 0)
                list->setCurrentRow(row);
            return;
        }
        case PlaceKind::Scenario: {
            bool second = place.field == ProblemField::Win || place.field == ProblemField::Lose ||
                          place.field == ProblemField::Cycle;
            if (hooks_.properties)
                hooks_.properties(second ? 1 : 0);
            return;
        }
    }
    if (target)
        showLine(target, place.line);
}

}  // namespace vek::editor
