#include "editor/document/edit_history.h"

#include <utility>

#include "editor/document/fields.h"

namespace vek::editor {

namespace {

template <typename T>
struct EntityTraits;
template <>
struct EntityTraits<TOkna> {
    static constexpr EntityKind kind = EntityKind::Window;
    static constexpr FieldOwner owner = FieldOwner::Window;
    static SortedNamedList<TOkna>& list(DocumentContent& c) { return c.Windows; }
};
template <>
struct EntityTraits<TPredmet> {
    static constexpr EntityKind kind = EntityKind::Item;
    static constexpr FieldOwner owner = FieldOwner::Item;
    static SortedNamedList<TPredmet>& list(DocumentContent& c) { return c.Items; }
};
template <>
struct EntityTraits<TNabidka> {
    static constexpr EntityKind kind = EntityKind::Menu;
    static constexpr FieldOwner owner = FieldOwner::Menu;
    static SortedNamedList<TNabidka>& list(DocumentContent& c) { return c.Menus; }
};
template <>
struct EntityTraits<TPolozka> {
    static constexpr EntityKind kind = EntityKind::MenuItem;
    static constexpr FieldOwner owner = FieldOwner::MenuItem;
    static SortedNamedList<TPolozka>& list(DocumentContent& c) { return c.MenuItems; }
};

std::size_t linesBytes(const StringList& lines) {
    std::size_t n = 0;
    for (const auto& line : lines)
        n += line.size() + sizeof(std::string);
    return n;
}

// The text an owner's fields hold, in bytes.
std::size_t fieldBytes(FieldOwner owner, const void* object) {
    std::size_t n = 0;
    for (const FieldDef& def : FieldTable()) {
        if (def.owner != owner)
            continue;
        if (def.text)
            n += def.textIn(object).size();
        else if (def.lines)
            n += linesBytes(def.linesIn(object));
    }
    return n;
}

DocumentChange change(ChangeKind kind, const void* object) {
    DocumentChange c;
    c.kind = kind;
    c.object = object;
    return c;
}

// Tells every field and list of `owner` that differs between `now` and `before`.
void tellDifferences(FieldOwner owner, const void* now, const void* before, const void* eventObject,
                     const ChangeSink& tell) {
    for (const FieldDef& def : FieldTable()) {
        if (def.owner != owner)
            continue;
        bool same = def.text   ? def.textIn(now) == def.textIn(before)
                    : def.flag ? def.flagIn(now) == def.flagIn(before)
                               : def.linesIn(now) == def.linesIn(before);
        if (same)
            continue;
        DocumentChange c = change(ChangeKind::FieldChanged, eventObject);
        if (def.kind == FieldKind::Entries) {
            c.kind = ChangeKind::EntriesChanged;
            c.list = def.list;
            if (owner == FieldOwner::Settings)
                c.object = nullptr;  // the inventory's list has no owning entity
        } else {
            c.field = def.field;
        }
        tell(c);
    }
}

template <typename T>
class ContentChange : public EditRecord {
  public:
    explicit ContentChange(T* object) : object_(object), other_(*object) {}

    void exchange(DocumentContent& content, const ChangeSink& tell) override {
        std::string keyedAs = object_->Name;
        std::swap(*object_, other_);
        if (object_->Name != keyedAs) {
            // The list keeps its entries under their names: the object moves to its new place.
            auto& list = EntityTraits<T>::list(content);
            if (auto owned = list.take(keyedAs, object_))
                list.add(std::move(owned));
            DocumentChange c = change(ChangeKind::EntityRenamed, object_);
            c.entity = EntityTraits<T>::kind;
            tell(c);
        }
        tellDifferences(EntityTraits<T>::owner, object_, &other_, object_, tell);
    }
    std::size_t bytes() const override {
        return sizeof(*this) + other_.Name.size() + fieldBytes(EntityTraits<T>::owner, &other_);
    }

  private:
    T* object_;
    T other_;
};

// An entity that is in its list on one side of the step and out of it on the other; while out,
// the record owns it.
template <typename T>
class PresenceChange : public EditRecord {
  public:
    PresenceChange(T* object, std::unique_ptr<T> held) : object_(object), held_(std::move(held)) {}

    void exchange(DocumentContent& content, const ChangeSink& tell) override {
        auto& list = EntityTraits<T>::list(content);
        DocumentChange c;
        if (held_) {
            list.add(std::move(held_));
            c = change(ChangeKind::EntityAdded, object_);
        } else {
            held_ = list.take(object_->Name, object_);
            c = change(ChangeKind::EntityRemoved, object_);
        }
        c.entity = EntityTraits<T>::kind;
        tell(c);
    }
    std::size_t bytes() const override {
        return sizeof(*this) +
               (held_ ? held_->Name.size() + fieldBytes(EntityTraits<T>::owner, held_.get()) : 0);
    }

  private:
    T* object_;
    std::unique_ptr<T> held_;
};

class SettingsChange : public EditRecord {
  public:
    explicit SettingsChange(const ScenarioSettings& before) : other_(before) {}
    void exchange(DocumentContent& content, const ChangeSink& tell) override {
        std::swap(content.Settings, other_);
        tellDifferences(FieldOwner::Settings, &content.Settings, &other_, &content.Settings, tell);
    }
    std::size_t bytes() const override {
        return sizeof(*this) + fieldBytes(FieldOwner::Settings, &other_);
    }

  private:
    ScenarioSettings other_;
};

class SystemSoundsChange : public EditRecord {
  public:
    explicit SystemSoundsChange(const StringList& before) : other_(before) {}
    void exchange(DocumentContent& content, const ChangeSink& tell) override {
        std::swap(content.SystemSounds, other_);
        DocumentChange c = change(ChangeKind::SoundsChanged, nullptr);
        c.sounds = SoundList::System;
        tell(c);
    }
    std::size_t bytes() const override { return sizeof(*this) + linesBytes(other_); }

  private:
    StringList other_;
};

class UserSoundsChange : public EditRecord {
  public:
    UserSoundsChange(std::vector<std::string> left, std::vector<std::string> came)
        : left_(std::move(left)), came_(std::move(came)) {}
    void exchange(DocumentContent& content, const ChangeSink& tell) override {
        for (const auto& line : came_)
            content.UserSounds.removeExact(line);
        for (const auto& line : left_)
            content.UserSounds.add(line);
        std::swap(left_, came_);
        DocumentChange c = change(ChangeKind::SoundsChanged, nullptr);
        c.sounds = SoundList::User;
        tell(c);
    }
    std::size_t bytes() const override {
        return sizeof(*this) + linesBytes(StringList(left_)) + linesBytes(StringList(came_));
    }

  private:
    std::vector<std::string> left_, came_;
};

}  // namespace

template <typename T>
std::unique_ptr<EditRecord> ContentRecord(T* object) {
    return std::make_unique<ContentChange<T>>(object);
}
template <typename T>
std::unique_ptr<EditRecord> AddedRecord(T* object) {
    return std::make_unique<PresenceChange<T>>(object, nullptr);
}
template <typename T>
std::unique_ptr<EditRecord> RemovedRecord(std::unique_ptr<T> removed) {
    T* object = removed.get();
    return std::make_unique<PresenceChange<T>>(object, std::move(removed));
}

#define VEK_EDIT_RECORDS(T)                                    \
    template std::unique_ptr<EditRecord> ContentRecord<T>(T*); \
    template std::unique_ptr<EditRecord> AddedRecord<T>(T*);   \
    template std::unique_ptr<EditRecord> RemovedRecord<T>(std::unique_ptr<T>);
VEK_EDIT_RECORDS(TOkna)
VEK_EDIT_RECORDS(TPredmet)
VEK_EDIT_RECORDS(TNabidka)
VEK_EDIT_RECORDS(TPolozka)
#undef VEK_EDIT_RECORDS

std::unique_ptr<EditRecord> SettingsRecord(const ScenarioSettings& before) {
    return std::make_unique<SettingsChange>(before);
}
std::unique_ptr<EditRecord> SystemSoundsRecord(const StringList& before) {
    return std::make_unique<SystemSoundsChange>(before);
}
std::unique_ptr<EditRecord> UserSoundsRecord(std::vector<std::string> left,
                                             std::vector<std::string> came) {
    return std::make_unique<UserSoundsChange>(std::move(left), std::move(came));
}

// ---- the stacks -----------------------------------------------------------------------------

void EditHistory::push(EditStep step) {
    redo_.clear();
    undo_.push_back(std::move(step));
    while (undo_.size() > limit_) {
        baseId_ = undo_.front().id;
        undo_.pop_front();
    }
}

const std::string& EditHistory::undoLabel() const {
    static const std::string none;
    return undo_.empty() ? none : undo_.back().label;
}

const std::string& EditHistory::redoLabel() const {
    static const std::string none;
    return redo_.empty() ? none : redo_.back().label;
}

EditStep& EditHistory::stepBack() {
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    return redo_.back();
}

EditStep& EditHistory::stepForward() {
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    return undo_.back();
}

void EditHistory::clear() {
    undo_.clear();
    redo_.clear();
    baseId_ = nextId();
    cleanId_ = baseId_;
}

std::size_t EditHistory::bytes() const {
    std::size_t n = 0;
    auto add = [&n](const EditStep& step) {
        n += sizeof(step) + step.label.size();
        for (const auto& record : step.records)
            n += record->bytes();
    };
    for (const auto& step : undo_)
        add(step);
    for (const auto& step : redo_)
        add(step);
    return n;
}

}  // namespace vek::editor
