#include "editor/ui/page_commands.h"

#include <QListWidget>

#include "common/qt/qt_text.h"
#include "editor/ui/key_preview.h"
#include "editor/ui/page_controls.h"
#include "editor/ui/qt_text.h"

namespace vek::editor {

namespace {

struct KindTexts {
    const char* nameTitle;     // the name dialog's title
    const char* deleteFormat;  // the question before deleting, around the name
};

const KindTexts& textsOf(EntityKind kind) {
    static const KindTexts window{"Jméno okna", "Smazat okno '"};
    static const KindTexts item{"Jméno předmětu", "Smazat předmět '"};
    static const KindTexts menu{"Jméno nabídky", "Smazat nabídku '"};
    static const KindTexts menuItem{"Jméno položky", "Smazat položku '"};
    switch (kind) {
        case EntityKind::Window:
            return window;
        case EntityKind::Item:
            return item;
        case EntityKind::Menu:
            return menu;
        case EntityKind::MenuItem:
            break;
    }
    return menuItem;
}

const char* chooserTitle(EntryList list) {
    switch (list) {
        case EntryList::Paths:
            return "Výběr okna";
        case EntryList::Items:
        case EntryList::Inventory:
            return "Výběr předmětu";
        case EntryList::Music:
            return "Výběr hudby";
        case EntryList::MenuEntries:
            break;
    }
    return "Výběr položky";
}

}  // namespace

const std::string* shownName(const EditorDocument& doc, EntityKind kind) {
    switch (kind) {
        case EntityKind::Window:
            return doc.ShownWindow() ? &doc.ShownWindow()->Name : nullptr;
        case EntityKind::Item:
            return doc.ShownItem() ? &doc.ShownItem()->Name : nullptr;
        case EntityKind::Menu:
            return doc.ShownMenu() ? &doc.ShownMenu()->Name : nullptr;
        case EntityKind::MenuItem:
            break;
    }
    return doc.ShownMenuItem() ? &doc.ShownMenuItem()->Name : nullptr;
}

PageCommands::PageCommands(EditorDocument& doc, EditorServices services, QWidget* window,
                           std::function<void(PageNumbers::Page, bool)> turnTo)
    : doc_(doc), services_(services), window_(window), turnTo_(std::move(turnTo)) {}

BoxAnswer PageCommands::ask(const std::string& text, BoxButtons buttons, BoxCaption caption) {
    return services_.boxes.show(window_,
                                MessageRequest::of(caption, QString::fromStdString(text), buttons));
}

void PageCommands::stop(const std::string& text) {
    ask(text, BoxButtons::Ok, BoxCaption::Stop);
}

void PageCommands::showRefusal(const EditResult& result) {
    if (!result.done && !result.message.empty())
        stop(cp1250ToUtf8(result.message));
}

void PageCommands::chooseShown(EntityKind kind, int index) {
    if (index < 0)
        return;
    auto pick = [this, index](auto& list) {
        if (static_cast<std::size_t>(index) < list.size())
            doc_.Show(list.objectAt(static_cast<std::size_t>(index)));
    };
    switch (kind) {
        case EntityKind::Window:
            pick(doc_.Windows());
            break;
        case EntityKind::Item:
            pick(doc_.Items());
            break;
        case EntityKind::Menu:
            pick(doc_.Menus());
            break;
        case EntityKind::MenuItem:
            pick(doc_.MenuItems());
            break;
    }
}

void PageCommands::deleteEntity(EntityKind kind) {
    const std::string* name = shownName(doc_, kind);
    if (!name)
        return;
    EditResult refusal = kind == EntityKind::Menu       ? doc_.CanDeleteShownMenu()
                         : kind == EntityKind::MenuItem ? doc_.CanDeleteShownMenuItem()
                                                        : EditResult{};
    if (!refusal.done)
        return showRefusal(refusal);
    std::string question = textsOf(kind).deleteFormat + cp1250ToUtf8(*name) + "'?";
    // Removing a window or an item also removes the paths and list entries naming it.
    if (kind == EntityKind::Window || kind == EntityKind::Item)
        question += "\nV\u0161echny odkazy na n\u011bj budou odstran\u011bny";
    if (ask(question, BoxButtons::OkCancel) != BoxAnswer::Ok)
        return;
    switch (kind) {
        case EntityKind::Window:
            doc_.DeleteShownWindow();
            break;
        case EntityKind::Item:
            doc_.DeleteShownItem();
            break;
        case EntityKind::Menu:
            doc_.DeleteShownMenu();
            break;
        case EntityKind::MenuItem:
            doc_.DeleteShownMenuItem();
            break;
    }
}

void PageCommands::renameEntity(EntityKind kind) {
    const std::string* name = shownName(doc_, kind);
    if (!name)
        return;
    EditResult refusal = doc_.CanRename(kind);
    if (!refusal.done)
        return showRefusal(refusal);
    std::optional<std::string> typed = services_.prompts.name(textsOf(kind).nameTitle, *name);
    if (!typed)
        return;
    showRefusal(doc_.Rename(kind, *typed));
}

void PageCommands::addEntry(EntryList list, QListWidget* widget) {
    EditResult refusal = doc_.CanEditEntries(list);
    if (!refusal.done)
        return showRefusal(refusal);
    std::vector<std::string> choices = doc_.Choices(list);
    if (choices.empty())
        return;
    std::optional<std::string> picked = services_.prompts.choose(chooserTitle(list), choices);
    if (!picked)
        return;
    showRefusal(doc_.AddEntry(list, *picked));
    if (const TSpecStrings* entries = doc_.EntriesOf(list)) {
        int row = entries->indexOf(*picked);
        if (row >= 0)
            widget->setCurrentRow(row);
    }
    widget->setFocus();
}

void PageCommands::removeEntry(EntryList list, QListWidget* widget) {
    int row = widget->currentRow();
    if (row < 0 || !hasSelection(widget))
        return;
    EditResult result = doc_.RemoveEntry(list, static_cast<std::size_t>(row));
    if (!result.done)
        return showRefusal(result);
    widget->clearSelection();
    placeCursor(widget, row);
}

void PageCommands::moveEntry(EntryList list, QListWidget* widget, int direction) {
    int row = widget->currentRow();
    if (row < 0)
        return;
    int moved = doc_.MoveEntry(list, static_cast<std::size_t>(row), direction);
    if (moved >= 0)
        widget->setCurrentRow(moved);
}

std::optional<std::string> PageCommands::currentEntry(const QListWidget* widget) const {
    QListWidgetItem* entry = widget->currentItem();
    if (!entry)
        return std::nullopt;
    return toCp1250(entry->text());
}

void bindEntryKeys(KeyMap& keys, PageCommands& commands, QListWidget* widget, EntryList list,
                   std::function<void()> goTo) {
    keys.bindCommand(widget, Qt::Key_Insert,
                     [&commands, widget, list] { commands.addEntry(list, widget); });
    keys.bindCommand(widget, Qt::Key_Delete,
                     [&commands, widget, list] { commands.removeEntry(list, widget); });
    if (!goTo)
        return;
    keys.bindCommand(
        widget, Qt::Key_Up, [&commands, widget, list] { commands.moveEntry(list, widget, -1); },
        Qt::ShiftModifier);
    keys.bindCommand(
        widget, Qt::Key_Down, [&commands, widget, list] { commands.moveEntry(list, widget, +1); },
        Qt::ShiftModifier);
    keys.bindCommand(widget, Qt::Key_Return, std::move(goTo));
}

}  // namespace vek::editor
