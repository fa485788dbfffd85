// The page commands: windows, items, menus and menu items, their lists, and the sounds.
#include <QComboBox>
#include <QDir>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "common/qt/notice.h"
#include "common/qt/qt_text.h"
#include "common/sound_entry.h"
#include "editor/ui/mirela2_form.h"
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

BoxAnswer Mirela2_form::ask(const std::string& text, BoxButtons buttons, BoxCaption caption) {
    return services_.boxes.show(this,
                                MessageRequest::of(caption, QString::fromStdString(text), buttons));
}

void Mirela2_form::stop(const std::string& text) {
    ask(text, BoxButtons::Ok, BoxCaption::Stop);
}

void Mirela2_form::showRefusal(const EditResult& result) {
    if (!result.done && !result.message.empty())
        stop(cp1250ToUtf8(result.message));
}

void Mirela2_form::chooseShown(EntityKind kind, int index) {
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

void Mirela2_form::newEntity(EntityKind kind) {
    switch (kind) {
        case EntityKind::Window:
            doc_.NewWindow();
            PageControl->setCurrentIndex(OknaPage);
            break;
        case EntityKind::Item:
            doc_.NewItem();
            PageControl->setCurrentIndex(PredmetyPage);
            break;
        case EntityKind::Menu:
            doc_.NewMenu();
            PageControl->setCurrentIndex(MenuPage);
            break;
        case EntityKind::MenuItem:
            doc_.NewMenuItem();
            PageControl->setCurrentIndex(MenuPage);
            break;
    }
}

void Mirela2_form::deleteEntity(EntityKind kind) {
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

void Mirela2_form::renameEntity(EntityKind kind) {
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

// ---- list entries ----------------------------------------------------------------------------

QListWidget* Mirela2_form::listOf(EntryList list) const {
    switch (list) {
        case EntryList::Paths:
            return SeznamCestList;
        case EntryList::Items:
            return SeznamPredmetuList;
        case EntryList::Music:
            return HudbaList;
        case EntryList::MenuEntries:
        case EntryList::Inventory:
            break;
    }
    return SeznamPolBox;
}

void Mirela2_form::addEntry(EntryList list) {
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
    QListWidget* widget = listOf(list);
    if (const TSpecStrings* entries = doc_.EntriesOf(list)) {
        int row = entries->indexOf(*picked);
        if (row >= 0)
            widget->setCurrentRow(row);
    }
    widget->setFocus();
}

void Mirela2_form::removeEntry(EntryList list) {
    QListWidget* widget = listOf(list);
    int row = widget->currentRow();
    if (row < 0 || widget->selectedItems().isEmpty())
        return;
    EditResult result = doc_.RemoveEntry(list, static_cast<std::size_t>(row));
    if (!result.done)
        return showRefusal(result);
    widget->clearSelection();
    placeCursor(widget, row);
    updateButtons();
}

void Mirela2_form::moveEntry(EntryList list, int direction) {
    QListWidget* widget = listOf(list);
    int row = widget->currentRow();
    if (row < 0)
        return;
    int moved = doc_.MoveEntry(list, static_cast<std::size_t>(row), direction);
    if (moved >= 0)
        widget->setCurrentRow(moved);
}

void Mirela2_form::goToEntry(EntryList list) {
    QListWidget* widget = listOf(list);
    QListWidgetItem* entry = widget->currentItem();
    if (!entry)
        return;
    std::optional<std::string> name = toCp1250(entry->text());
    if (!name)
        return;
    switch (list) {
        case EntryList::Paths:
            if (doc_.ShowNamed(EntityKind::Window, *name))
                CisloOknaBox->setFocus();
            break;
        case EntryList::Items:
            if (doc_.ShowNamed(EntityKind::Item, *name))
                showPage(PredmetyPage);
            break;
        case EntryList::MenuEntries:
            doc_.ShowNamed(EntityKind::MenuItem, *name);
            break;
        default:
            break;
    }
}

// ---- sounds ----------------------------------------------------------------------------------

std::vector<std::size_t> Mirela2_form::selectedRows(QListWidget* list) const {
    std::vector<std::size_t> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows.push_back(static_cast<std::size_t>(i));
    return rows;
}

void Mirela2_form::addSound() {
    SoundDialogRequest request{SoundDialogMode::New, "Zvuk", NewSoundFields(soundCounter_), 1};
    std::optional<SoundFields> fields = services_.prompts.sound(request);
    if (!fields)
        return;
    std::vector<std::size_t> changed =
        ApplySoundDialog(doc_, SoundDialogMode::New, *fields, {}, soundCounter_);
    ZvukyListBox->clearSelection();
    for (std::size_t row : changed)
        ZvukyListBox->setCurrentRow(static_cast<int>(row));
}

void Mirela2_form::changeSounds() {
    std::vector<std::size_t> rows = selectedRows(ZvukyListBox);
    if (rows.empty())
        return;
    bool one = rows.size() == 1;
    SoundDialogRequest request{
        one ? SoundDialogMode::ChangeOne : SoundDialogMode::ChangeSeveral, one ? "Zvuk" : "Zvuky",
        one ? FieldsFromLine(doc_.UserSounds()[rows.front()]) : SeveralSoundsFields(), rows.size()};
    std::optional<SoundFields> fields = services_.prompts.sound(request);
    if (!fields)
        return;
    std::vector<std::size_t> changed =
        ApplySoundDialog(doc_, request.mode, *fields, rows, soundCounter_);
    ZvukyListBox->clearSelection();
    for (std::size_t row : changed)
        ZvukyListBox->item(static_cast<int>(row))->setSelected(true);
    if (!changed.empty())
        placeCursor(ZvukyListBox, static_cast<int>(changed.back()));
}

void Mirela2_form::changeSystemSound() {
    int row = ZvukySysListBox->currentRow();
    if (row < 0 || !ZvukySysListBox->item(row)->isSelected())
        return;
    SoundDialogRequest request{SoundDialogMode::ChangeSystem, "Syst\u00e9mov\u00fd zvuk",
                               FieldsFromLine(doc_.SystemSounds()[static_cast<std::size_t>(row)]),
                               1};
    std::optional<SoundFields> fields = services_.prompts.sound(request);
    if (!fields)
        return;
    ApplySoundDialog(doc_, SoundDialogMode::ChangeSystem, *fields, {static_cast<std::size_t>(row)},
                     soundCounter_);
    ZvukySysListBox->setCurrentRow(row);
}

void Mirela2_form::deleteSounds() {
    std::vector<std::size_t> rows = selectedRows(ZvukyListBox);
    if (rows.empty())
        return;
    if (rows.size() > 1 && ask(cp1250ToUtf8(DeleteSeveralQuestion(rows.size())),
                               BoxButtons::OkCancel) != BoxAnswer::Ok)
        return;
    doc_.DeleteUserSounds(rows);
    // The entry that took the first deleted one's place is selected, so that Enter, Space and
    // Delete act on it at once.
    int row = std::min(static_cast<int>(rows.front()), ZvukyListBox->count() - 1);
    if (row >= 0)
        ZvukyListBox->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    updateButtons();
}

void Mirela2_form::addMoreSounds() {
    std::vector<std::string> paths = services_.files.openSounds(true);
    if (paths.empty())
        return;
    AddedSounds added = AddMoreSounds(doc_, paths, QDir::currentPath().toStdString());
    if (!added.refused.empty())
        stop(cp1250ToUtf8(added.firstError.message()));
}

void Mirela2_form::resetSystemSounds() {
    if (ask("Nastavit syst\u00e9mov\u00e9 zvuky na standardn\u00ed hodnoty?", BoxButtons::YesNo) ==
        BoxAnswer::Yes)
        doc_.ResetSystemSounds();
}

void Mirela2_form::resetMainMenu() {
    if (ask("Nastavit hlavn\u00ed nab\u00eddku na standardn\u00ed hodnotu?", BoxButtons::YesNo) !=
        BoxAnswer::Yes)
        return;
    doc_.ResetMainMenu();
}

void Mirela2_form::togglePreview(QListWidget* list) {
    if (!list)
        return;
    QListWidgetItem* entry = list->currentItem();
    if (!entry || !entry->isSelected())
        return;
    std::size_t row = static_cast<std::size_t>(list->row(entry));
    const std::string& line =
        list == ZvukyListBox ? doc_.UserSounds()[row] : doc_.SystemSounds()[row];
    std::string file(entry_line::FileSpec(line));
    if (!file.empty())
        services_.prompts.togglePreview(file);
}

void Mirela2_form::stepShown(int direction) {
    EntityKind kind = EntityKind::Window;
    switch (PageControl->currentIndex()) {
        case OknaPage:
            break;
        case PredmetyPage:
            kind = EntityKind::Item;
            break;
        case MenuPage: {
            QWidget* focus = focusedControl();
            kind = focus == ZvukPolBox || focus == FunkcePolMemo ? EntityKind::MenuItem
                                                                 : EntityKind::Menu;
            break;
        }
        default:
            return;
    }
    // The selector says its new value itself; from any other control the name is announced.
    QComboBox* selector = kind == EntityKind::Window ? CisloOknaBox
                          : kind == EntityKind::Item ? CisloPredmetuBox
                          : kind == EntityKind::Menu ? CisloNabidkyBox
                                                     : CisloPolozkyBox;
    if (doc_.StepShown(kind, direction) && focusedControl() != selector)
        if (const std::string* name = shownName(doc_, kind))
            notice_->announce(fromCp1250(*name));
}

}  // namespace vek::editor
