#include "editor/document/document_snapshot.h"

#include <limits>

namespace vek::editor {

void SnapshotBuilder::restart() {
    snapshot_ = DocumentSnapshot{};
    kind_ = 0;
    next_ = 0;
    copied_.clear();
    edited_.clear();
}

template <typename T, typename L>
bool SnapshotBuilder::copyFrom(const L& list, SnapshotList<T>& into, std::size_t& budget) {
    for (; next_ < list.size() && budget > 0; ++next_, --budget) {
        const T* object = list.objectAt(next_);
        into.push_back(*object);
        copied_.insert(object);
    }
    if (next_ < list.size())
        return false;
    ++kind_;
    next_ = 0;
    return true;
}

bool SnapshotBuilder::step() {
    std::size_t budget = slice_;
    while (budget > 0) {
        bool more = true;
        switch (kind_) {
            case 0:
                more = copyFrom(doc_.Windows(), snapshot_.Windows, budget);
                break;
            case 1:
                more = copyFrom(doc_.Items(), snapshot_.Items, budget);
                break;
            case 2:
                more = copyFrom(doc_.Menus(), snapshot_.Menus, budget);
                break;
            case 3:
                more = copyFrom(doc_.MenuItems(), snapshot_.MenuItems, budget);
                break;
            default:
                finish();
                return true;
        }
        if (!more)
            return false;
    }
    return false;
}

namespace {

template <typename T, typename L>
void copyAgain(const L& list, SnapshotList<T>& into,
               const std::unordered_set<const void*>& edited) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (edited.count(list.objectAt(i)))
            into[i] = *list.objectAt(i);
}

}  // namespace

// The small parts (sounds, settings, the file name) are copied last, in one go.
void SnapshotBuilder::finish() {
    if (!edited_.empty()) {
        copyAgain(doc_.Windows(), snapshot_.Windows, edited_);
        copyAgain(doc_.Items(), snapshot_.Items, edited_);
        copyAgain(doc_.Menus(), snapshot_.Menus, edited_);
        copyAgain(doc_.MenuItems(), snapshot_.MenuItems, edited_);
    }
    snapshot_.UserSounds = doc_.UserSounds().lines();
    snapshot_.SystemSounds = doc_.SystemSounds();
    snapshot_.Settings = doc_.Settings();
    snapshot_.FileName = doc_.FileName;
}

void SnapshotBuilder::changed(const DocumentChange& change) {
    switch (change.kind) {
        case ChangeKind::FieldChanged:
        case ChangeKind::EntriesChanged:
            // The entity keeps its place; its new content is taken at the end.
            if (change.object && copied_.count(change.object))
                edited_.insert(change.object);
            return;
        case ChangeKind::CurrentChanged:
        case ChangeKind::SoundsChanged:
        case ChangeKind::ModifiedChanged:
            return;
        case ChangeKind::EntityAdded:
        case ChangeKind::EntityRemoved:
        case ChangeKind::EntityRenamed:
        case ChangeKind::DocumentReplaced:
            restart();
            return;
    }
}

DocumentSnapshot TakeSnapshot(const EditorDocument& doc) {
    SnapshotBuilder builder(doc, std::numeric_limits<std::size_t>::max());
    builder.restart();
    while (!builder.step()) {
    }
    return builder.take();
}

}  // namespace vek::editor
