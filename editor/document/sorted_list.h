// Lists kept in Czech alphabetical order (case ignored) while entries come and go one by one.
//
// A scenario holds thousands of windows, items and sounds, and loading adds them one at a time,
// so entries live in a balanced tree keyed by their collation key and an insertion serial (equal
// names keep the order they were added in, so the first one added is the one found). The
// position-indexed view the windows need is rebuilt lazily after a change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/cp1250.h"
#include "editor/document/collation.h"

namespace vek::editor {

namespace detail {

struct SortPosition {
    std::string key;
    std::uint64_t serial = 0;
    friend bool operator<(const SortPosition& a, const SortPosition& b) {
        int c = a.key.compare(b.key);
        return c != 0 ? c < 0 : a.serial < b.serial;
    }
};

// The ordered store shared by both list kinds: `Value` is what an entry holds beside its name.
template <typename Value>
class SortedStore {
  public:
    struct Entry {
        std::string name;
        Value value;
        SortPosition position;
    };

    std::size_t size() const { return tree_.size(); }
    bool empty() const { return tree_.empty(); }

    Entry& add(std::string name, Value value) {
        SortPosition pos{czechSortKey(name), nextSerial_++};
        auto it = tree_.emplace(pos, Entry{std::move(name), std::move(value), pos}).first;
        dirty_ = true;
        return it->second;
    }

    Entry& at(std::size_t i) const { return *order()[i]; }

    // First entry (in list order) equal to `name` without regard to case, or nullptr.
    Entry* find(std::string_view name) const {
        SortPosition low{czechSortKey(name), 0};
        for (auto it = tree_.lower_bound(low); it != tree_.end() && it->first.key == low.key; ++it)
            if (sameText(it->second.name, name))
                return const_cast<Entry*>(&it->second);
        return nullptr;
    }

    // The first entry named like `name` (case ignored) that `pred` accepts, or nullptr.
    template <typename Pred>
    Entry* findWhere(std::string_view name, Pred pred) const {
        SortPosition low{czechSortKey(name), 0};
        for (auto it = tree_.lower_bound(low); it != tree_.end() && it->first.key == low.key; ++it)
            if (pred(it->second))
                return const_cast<Entry*>(&it->second);
        return nullptr;
    }

    // Position of an entry of this store.
    std::size_t indexOf(const Entry& entry) const {
        const auto& v = order();
        std::size_t lo = 0, hi = v.size();
        while (lo < hi) {
            std::size_t mid = (lo + hi) / 2;
            if (v[mid]->position < entry.position)
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    }

    Value take(const Entry& entry) {
        auto it = tree_.find(entry.position);
        Value v = std::move(it->second.value);
        tree_.erase(it);
        dirty_ = true;
        return v;
    }

    void clear() {
        tree_.clear();
        dirty_ = true;
    }

    const std::vector<Entry*>& order() const {
        if (dirty_) {
            order_.clear();
            order_.reserve(tree_.size());
            for (auto& [pos, entry] : tree_)
                order_.push_back(const_cast<Entry*>(&entry));
            dirty_ = false;
        }
        return order_;
    }

  private:
    std::map<SortPosition, Entry> tree_;
    std::uint64_t nextSerial_ = 0;
    mutable std::vector<Entry*> order_;
    mutable bool dirty_ = false;
};

}  // namespace detail

// Named objects (each with a `Name`) owned by the list, in Czech alphabetical order.
template <typename T>
class SortedNamedList {
  public:
    std::size_t size() const { return store_.size(); }
    bool empty() const { return store_.empty(); }
    const std::string& nameAt(std::size_t i) const { return store_.at(i).name; }
    // A list read through a const reference hands out objects that cannot be changed.
    const T* objectAt(std::size_t i) const { return store_.at(i).value.get(); }
    T* objectAt(std::size_t i) { return store_.at(i).value.get(); }

    // Adds an object under its own name.
    T* add(std::unique_ptr<T> object) {
        std::string name = object->Name;
        return store_.add(std::move(name), std::move(object)).value.get();
    }
    // The first object of that name (case ignored), or nullptr.
    const T* find(std::string_view name) const {
        auto* e = store_.find(name);
        return e ? e->value.get() : nullptr;
    }
    T* find(std::string_view name) {
        auto* e = store_.find(name);
        return e ? e->value.get() : nullptr;
    }
    bool contains(std::string_view name) const { return store_.find(name) != nullptr; }
    int indexOf(std::string_view name) const {
        auto* e = store_.find(name);
        return e ? static_cast<int>(store_.indexOf(*e)) : -1;
    }
    // Position of an object held by the list, or -1.
    int indexOfObject(const T* object) const {
        if (!object)
            return -1;
        const auto& v = store_.order();
        for (std::size_t i = 0; i < v.size(); ++i)
            if (v[i]->value.get() == object)
                return static_cast<int>(i);
        return -1;
    }
    // Removes the entry at `i` and hands its object back.
    std::unique_ptr<T> takeAt(std::size_t i) { return store_.take(store_.at(i)); }
    // Removes `object` (found under `name`, its name when it was added) and hands it back;
    // nullptr when it is not there.
    std::unique_ptr<T> take(std::string_view name, const T* object) {
        auto* e =
            store_.findWhere(name, [object](const auto& en) { return en.value.get() == object; });
        return e ? store_.take(*e) : nullptr;
    }
    void removeAt(std::size_t i) { takeAt(i); }
    void clear() { store_.clear(); }

    std::vector<std::string> names() const {
        std::vector<std::string> out;
        out.reserve(size());
        for (auto* e : store_.order())
            out.push_back(e->name);
        return out;
    }
    template <typename Pred>
    void removeIf(Pred pred) {
        for (std::size_t i = size(); i-- > 0;)
            if (pred(objectAt(i)))
                removeAt(i);
    }

  private:
    detail::SortedStore<std::unique_ptr<T>> store_;
};

// Text lines in Czech alphabetical order (the user sounds).
class SortedLines {
  public:
    std::size_t size() const { return store_.size(); }
    bool empty() const { return store_.empty(); }
    const std::string& operator[](std::size_t i) const { return store_.at(i).name; }
    void add(std::string line) { store_.add(std::move(line), {}); }
    // Adds a line and returns the position it got.
    std::size_t insert(std::string line) { return store_.indexOf(store_.add(std::move(line), {})); }
    void removeAt(std::size_t i) { store_.take(store_.at(i)); }
    // Replaces the line at `i`; the new line moves to its sorted place, which is returned.
    std::size_t replaceAt(std::size_t i, std::string line) {
        removeAt(i);
        return insert(std::move(line));
    }
    // Removes one line equal to `line` byte for byte; false when there is none.
    bool removeExact(std::string_view line) {
        auto* e = store_.findWhere(line, [line](const auto& en) { return en.name == line; });
        if (e)
            store_.take(*e);
        return e != nullptr;
    }
    void clear() { store_.clear(); }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        out.reserve(size());
        for (auto* e : store_.order())
            out.push_back(e->name);
        return out;
    }
    void assign(const std::vector<std::string>& lines) {
        clear();
        for (const auto& l : lines)
            add(l);
    }
    // Position of the first line whose key (the part before "=") equals `key`, case ignored.
    int indexOfKey(std::string_view key) const;

  private:
    struct Nothing {};
    detail::SortedStore<Nothing> store_;
};

}  // namespace vek::editor
