// The editor document's side of the history: opening and closing steps, keeping the state an
// operation is about to change, and undoing and redoing whole steps.
#include <algorithm>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "editor/document/document.h"
#include "editor/document/fields.h"

namespace vek::editor {

namespace {

bool placeless(const EditPlace& place) {
    return !place.entity && !place.field && !place.list && !place.sounds;
}

// After an undo or redo took the current entity out of its list, its neighbour at the same
// position becomes current.
template <typename T>
void follow(const SortedNamedList<T>& list, T*& shown, int oldIndex) {
    if (!shown || list.indexOfObject(shown) >= 0)
        return;
    if (list.empty() || oldIndex < 0) {
        shown = list.empty() ? nullptr : const_cast<T*>(list.objectAt(0));
        return;
    }
    std::size_t i = std::min(static_cast<std::size_t>(oldIndex), list.size() - 1);
    shown = const_cast<T*>(list.objectAt(i));
}

template <typename T>
bool holds(const SortedNamedList<T>& list, const void* object) {
    return object && list.indexOfObject(static_cast<const T*>(object)) >= 0;
}

}  // namespace

std::string EditorDocument::fieldLabel(Field field) {
    const FieldDef& def = FieldDefOf(field);
    std::string name = utf8ToCp1250(def.label).value_or(std::string(def.label));
    switch (def.kind) {
        case FieldKind::Lines:
            return "úprava textu "_cp + name;
        case FieldKind::Flag:
            return "změna volby "_cp + name;
        default:
            return "úprava pole "_cp + name;
    }
}

EditPlace EditorDocument::fieldPlace(Field field) const {
    EditPlace place;
    place.field = field;
    switch (OwnerOf(field)) {
        case FieldOwner::Window:
            place.entity = EntityKind::Window;
            place.object = shownWindow_;
            break;
        case FieldOwner::Item:
            place.entity = EntityKind::Item;
            place.object = shownItem_;
            break;
        case FieldOwner::Menu:
            place.entity = EntityKind::Menu;
            place.object = shownMenu_;
            break;
        case FieldOwner::MenuItem:
            place.entity = EntityKind::MenuItem;
            place.object = shownMenuItem_;
            break;
        case FieldOwner::Settings:
            break;
    }
    return place;
}

// ---- steps ----------------------------------------------------------------------------------

bool EditorDocument::canJoinTyping(const EditPlace& place) const {
    const EditStep* top = const_cast<EditHistory&>(history_).top();
    // A saved state stays reachable: typing after a save starts a step of its own.
    return typingOpen_ && top && top->typing && top->place.field == place.field &&
           top->place.object == place.object && !history_.canRedo() && !history_.atClean();
}

void EditorDocument::beginStep(std::string label, EditPlace place, bool typing) {
    if (pending_.depth++ > 0) {
        // The outermost step names it; a place it lacks comes from the first inner one.
        if (placeless(pending_.step.place))
            pending_.step.place = place;
        return;
    }
    pending_.dirty = false;
    pending_.keepsClean = false;
    pending_.touched.clear();
    pending_.joinTop = typing && canJoinTyping(place);
    pending_.step = EditStep{};
    pending_.step.label = std::move(label);
    pending_.step.place = place;
    pending_.step.typing = typing;
    if (pending_.joinTop)
        // The step being joined already holds the field owner's state before the typing.
        pending_.touched.insert(place.object ? place.object : &content_.Settings);
}

void EditorDocument::endStep() {
    if (--pending_.depth > 0)
        return;
    EditStep step = std::move(pending_.step);
    pending_.step = EditStep{};
    pending_.touched.clear();
    if (pending_.joinTop) {
        EditStep* top = history_.top();
        for (auto& record : step.records)
            top->records.push_back(std::move(record));
    } else if (!step.records.empty() || pending_.dirty) {
        // An operation that changed nothing (a name already in the list) is still a step, so
        // that undoing it gives the unmodified state back.
        step.id = history_.nextId();
        typingOpen_ = step.typing;
        bool wasClean = history_.atClean();
        history_.push(std::move(step));
        if (wasClean && pending_.keepsClean)
            history_.markClean();
    }
    updateModified();
}

template <typename T>
void EditorDocument::touch(T* object) {
    if (!object || pending_.depth == 0 || !pending_.touched.insert(object).second)
        return;
    pending_.step.records.push_back(ContentRecord(object));
}

template void EditorDocument::touch<TOkna>(TOkna*);
template void EditorDocument::touch<TPredmet>(TPredmet*);
template void EditorDocument::touch<TNabidka>(TNabidka*);
template void EditorDocument::touch<TPolozka>(TPolozka*);

void EditorDocument::touchSettings() {
    if (pending_.depth == 0 || !pending_.touched.insert(&content_.Settings).second)
        return;
    pending_.step.records.push_back(SettingsRecord(content_.Settings));
}

void EditorDocument::touchOwner(Field field) {
    switch (OwnerOf(field)) {
        case FieldOwner::Window:
            return touch(shownWindow_);
        case FieldOwner::Item:
            return touch(shownItem_);
        case FieldOwner::Menu:
            return touch(shownMenu_);
        case FieldOwner::MenuItem:
            return touch(shownMenuItem_);
        case FieldOwner::Settings:
            return touchSettings();
    }
}

void EditorDocument::record(std::unique_ptr<EditRecord> record) {
    if (pending_.depth > 0)
        pending_.step.records.push_back(std::move(record));
}

void EditorDocument::forgetHistory() {
    history_.clear();
    typingOpen_ = false;
}

// ---- undo and redo --------------------------------------------------------------------------

HistoryMove EditorDocument::Undo() {
    if (!history_.canUndo() || pending_.depth > 0)
        return {};
    typingOpen_ = false;
    return move(history_.stepBack(), true);
}

HistoryMove EditorDocument::Redo() {
    if (!history_.canRedo() || pending_.depth > 0)
        return {};
    typingOpen_ = false;
    return move(history_.stepForward(), false);
}

HistoryMove EditorDocument::move(EditStep& step, bool backwards) {
    TOkna* window = shownWindow_;
    TPredmet* item = shownItem_;
    TNabidka* menu = shownMenu_;
    TPolozka* menuItem = shownMenuItem_;
    int windowAt = content_.Windows.indexOfObject(window);
    int itemAt = content_.Items.indexOfObject(item);
    int menuAt = content_.Menus.indexOfObject(menu);
    int menuItemAt = content_.MenuItems.indexOfObject(menuItem);

    // The windows hear of the changes once the current entities are settled again.
    std::vector<DocumentChange> told;
    ChangeSink tell = [&told](const DocumentChange& change) { told.push_back(change); };
    if (backwards)
        for (auto it = step.records.rbegin(); it != step.records.rend(); ++it)
            (*it)->exchange(content_, tell);
    else
        for (auto& record : step.records)
            record->exchange(content_, tell);

    follow(content_.Windows, shownWindow_, windowAt);
    follow(content_.Items, shownItem_, itemAt);
    follow(content_.Menus, shownMenu_, menuAt);
    follow(content_.MenuItems, shownMenuItem_, menuItemAt);

    HistoryMove result{true, step.label, step.place};
    const void* object = step.place.object;
    switch (step.place.entity.value_or(EntityKind::Window)) {
        case EntityKind::Window:
            if (holds(content_.Windows, object))
                shownWindow_ = const_cast<TOkna*>(static_cast<const TOkna*>(object));
            else
                object = nullptr;
            break;
        case EntityKind::Item:
            if (holds(content_.Items, object))
                shownItem_ = const_cast<TPredmet*>(static_cast<const TPredmet*>(object));
            else
                object = nullptr;
            break;
        case EntityKind::Menu:
            if (holds(content_.Menus, object))
                shownMenu_ = const_cast<TNabidka*>(static_cast<const TNabidka*>(object));
            else
                object = nullptr;
            break;
        case EntityKind::MenuItem:
            if (holds(content_.MenuItems, object))
                shownMenuItem_ = const_cast<TPolozka*>(static_cast<const TPolozka*>(object));
            else
                object = nullptr;
            break;
    }
    result.place.object = step.place.entity ? object : nullptr;

    for (const DocumentChange& change : told)
        notify(change);
    if (shownWindow_ != window)
        notifyEntity(ChangeKind::CurrentChanged, EntityKind::Window, shownWindow_);
    if (shownItem_ != item)
        notifyEntity(ChangeKind::CurrentChanged, EntityKind::Item, shownItem_);
    if (shownMenu_ != menu)
        notifyEntity(ChangeKind::CurrentChanged, EntityKind::Menu, shownMenu_);
    if (shownMenuItem_ != menuItem)
        notifyEntity(ChangeKind::CurrentChanged, EntityKind::MenuItem, shownMenuItem_);
    updateModified();
    return result;
}

}  // namespace vek::editor
