// A copy of the document's content in save order, for writing it away from the window's thread.
// A large scenario takes longer to copy than a key press may wait, so the copy is taken a slice
// of entities at a time between the window's events, following the document's changes meanwhile.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "common/string_list.h"
#include "editor/document/document.h"

namespace vek::editor {

// The entities of one kind, in the document's order; read as the writer reads the document's lists.
template <typename T>
class SnapshotList {
  public:
    std::size_t size() const { return items_.size(); }
    const T* objectAt(std::size_t i) const { return &items_[i]; }
    const T* find(std::string_view name) const {
        for (const T& t : items_)
            if (sameText(t.Name, name))
                return &t;
        return nullptr;
    }
    void clear() { items_.clear(); }
    void push_back(const T& t) { items_.push_back(t); }
    T& operator[](std::size_t i) { return items_[i]; }

  private:
    std::vector<T> items_;
};

struct DocumentSnapshot {
    SnapshotList<TOkna> Windows;
    SnapshotList<TPredmet> Items;
    SnapshotList<TNabidka> Menus;
    SnapshotList<TPolozka> MenuItems;
    std::vector<std::string> UserSounds;
    StringList SystemSounds;
    ScenarioSettings Settings;
    std::string FileName;
};

// Takes a snapshot in steps of at most `slice` entities. Until it is done, the owner tells it
// every change of the document: an edited entity already copied is copied again at the end, and
// a change of the lists themselves starts the copy over.
class SnapshotBuilder {
  public:
    SnapshotBuilder(const EditorDocument& doc, std::size_t slice) : doc_(doc), slice_(slice) {}

    void restart();
    // Copies the next slice; true once the snapshot is complete.
    bool step();
    void changed(const DocumentChange& change);
    DocumentSnapshot take() { return std::move(snapshot_); }

  private:
    template <typename T, typename L>
    bool copyFrom(const L& list, SnapshotList<T>& into, std::size_t& budget);
    void finish();

    const EditorDocument& doc_;
    std::size_t slice_;
    DocumentSnapshot snapshot_;
    std::size_t kind_ = 0;  // the list being copied: windows, items, menus, menu items
    std::size_t next_ = 0;  // the next entity of that list
    std::unordered_set<const void*> copied_, edited_;
};

// The whole snapshot at once.
DocumentSnapshot TakeSnapshot(const EditorDocument& doc);

}  // namespace vek::editor
