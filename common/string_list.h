// Ordered lists of names looked up without regard to letter case, first match wins.
//
// Scenarios hold thousands of sound keys, windows and items that are looked up in hot loops,
// so beside the plain vector the lists keep a hash index from the case-folded name to the
// first position holding it. The index is rebuilt lazily after any change other than an append,
// which keeps insertion order and first-match-wins exactly as a linear scan would give them.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "cp1250.h"

namespace vek {

namespace detail {

// Maps case-folded names to the first position holding them.
class FoldedIndex {
  public:
    static constexpr std::size_t kMinIndexed = 24;  // short lists are scanned directly

    void invalidate() { valid_ = false; }
    void appended(std::string_view name, std::size_t position) {
        if (valid_)
            map_.try_emplace(cpUpper(name), position);
    }
    template <typename NameAt>
    int find(std::string_view name, std::size_t count, NameAt nameAt) {
        if (count < kMinIndexed) {
            for (std::size_t i = 0; i < count; ++i)
                if (sameText(nameAt(i), name))
                    return static_cast<int>(i);
            return -1;
        }
        if (!valid_) {
            map_.clear();
            map_.reserve(count);
            for (std::size_t i = 0; i < count; ++i)
                map_.try_emplace(cpUpper(nameAt(i)), i);
            valid_ = true;
        }
        auto it = map_.find(cpUpper(name));
        return it == map_.end() ? -1 : static_cast<int>(it->second);
    }

  private:
    std::unordered_map<std::string, std::size_t> map_;
    bool valid_ = false;
};

}  // namespace detail

// Ordered strings, duplicates allowed, appended at the end.
class StringList {
  public:
    StringList() = default;
    StringList(std::initializer_list<std::string> items) : items_(items) {}
    explicit StringList(std::vector<std::string> items) : items_(std::move(items)) {}

    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    const std::string& operator[](std::size_t i) const { return items_[i]; }
    const std::string& at(std::size_t i) const { return items_.at(i); }
    const std::vector<std::string>& items() const { return items_; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    void add(std::string s) {
        index_.appended(s, items_.size());
        items_.push_back(std::move(s));
    }
    void insert(std::size_t i, std::string s) {
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(i), std::move(s));
        index_.invalidate();
    }
    void set(std::size_t i, std::string s) {
        items_.at(i) = std::move(s);
        index_.invalidate();
    }
    void removeAt(std::size_t i) {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
        index_.invalidate();
    }
    void clear() {
        items_.clear();
        index_.invalidate();
    }
    void assign(std::vector<std::string> items) {
        items_ = std::move(items);
        index_.invalidate();
    }

    // First position whose text equals `name` without regard to case, or -1.
    int indexOf(std::string_view name) const {
        return index_.find(name, items_.size(),
                           [this](std::size_t i) -> std::string_view { return items_[i]; });
    }
    bool contains(std::string_view name) const { return indexOf(name) >= 0; }
    // Removes the first entry equal to `name`; false when there is none.
    bool remove(std::string_view name) {
        int i = indexOf(name);
        if (i < 0)
            return false;
        removeAt(static_cast<std::size_t>(i));
        return true;
    }

    friend bool operator==(const StringList& a, const StringList& b) {
        return a.items_ == b.items_;
    }

  private:
    std::vector<std::string> items_;
    mutable detail::FoldedIndex index_;
};

// Ordered name-to-object entries; the list owns its objects and destroys them when removed.
template <typename T>
class NamedList {
  public:
    struct Entry {
        std::string name;
        std::unique_ptr<T> object;
    };

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const std::string& nameAt(std::size_t i) const { return entries_[i].name; }
    T* objectAt(std::size_t i) const { return entries_[i].object.get(); }
    const std::vector<Entry>& entries() const { return entries_; }

    T* add(std::string name, std::unique_ptr<T> object) {
        T* raw = object.get();
        index_.appended(name, entries_.size());
        entries_.push_back(Entry{std::move(name), std::move(object)});
        return raw;
    }
    int indexOf(std::string_view name) const {
        return index_.find(name, entries_.size(),
                           [this](std::size_t i) -> std::string_view { return entries_[i].name; });
    }
    // The first object of that name, or nullptr.
    T* find(std::string_view name) const {
        int i = indexOf(name);
        return i < 0 ? nullptr : entries_[static_cast<std::size_t>(i)].object.get();
    }
    void removeAt(std::size_t i) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
        index_.invalidate();
    }
    bool remove(std::string_view name) {
        int i = indexOf(name);
        if (i < 0)
            return false;
        removeAt(static_cast<std::size_t>(i));
        return true;
    }
    // Removes entries whose object satisfies `pred`, keeping the order of the rest.
    template <typename Pred>
    void removeIf(Pred pred) {
        std::erase_if(entries_, [&](const Entry& e) { return pred(e.object.get()); });
        index_.invalidate();
    }
    void clear() {
        entries_.clear();
        index_.invalidate();
    }

  private:
    std::vector<Entry> entries_;
    mutable detail::FoldedIndex index_;
};

}  // namespace vek
