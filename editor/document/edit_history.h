// The editor's one history of edits. Each step is what one operation of the document changed,
// kept as the state before it: an entity's content, an entity added or removed (the removed
// object itself, so that an undo brings back the very same object and every pointer to it stays
// good), the settings, the system sounds, or the user sound lines that left and came. Undo and
// redo exchange that state with the document's, so one record serves both directions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/document/document_content.h"
#include "editor/document/document_events.h"

namespace vek::editor {

using ChangeSink = std::function<void(const DocumentChange&)>;

// One reversible change. Each call of `exchange` swaps the document's state with the one the
// record keeps and tells what changed.
class EditRecord {
  public:
    virtual ~EditRecord() = default;
    virtual void exchange(DocumentContent& content, const ChangeSink& tell) = 0;
    // Roughly the bytes of text the record holds.
    virtual std::size_t bytes() const = 0;
};

// The record of an entity's content before a change; `object` stays in its list.
template <typename T>
std::unique_ptr<EditRecord> ContentRecord(T* object);
// The record of an entity just added to its list, or of one just taken out of it (`removed`).
template <typename T>
std::unique_ptr<EditRecord> AddedRecord(T* object);
template <typename T>
std::unique_ptr<EditRecord> RemovedRecord(std::unique_ptr<T> removed);
std::unique_ptr<EditRecord> SettingsRecord(const ScenarioSettings& before);
std::unique_ptr<EditRecord> SystemSoundsRecord(const StringList& before);
// User sound lines: `left` were removed and `came` added by the change.
std::unique_ptr<EditRecord> UserSoundsRecord(std::vector<std::string> left,
                                             std::vector<std::string> came);

// Where a step happened, so that an undo or redo can show it.
struct EditPlace {
    std::optional<EntityKind> entity;  // the kind of entity it changed; none: settings or sounds
    const void* object = nullptr;      // that entity
    std::optional<Field> field;
    std::optional<EntryList> list;
    std::optional<SoundList> sounds;
};

inline EditPlace EntityPlace(EntityKind kind, const void* object = nullptr) {
    EditPlace place;
    place.entity = kind;
    place.object = object;
    return place;
}

struct EditStep {
    std::uint64_t id = 0;
    std::string label;  // code page 1250, as the menu names it after "Zpět: "
    EditPlace place;
    bool typing = false;  // a field edit that further typing into the same field joins
    std::vector<std::unique_ptr<EditRecord>> records;
};

// The two stacks of steps and which state was saved last.
class EditHistory {
  public:
    static constexpr std::size_t kDefaultLimit = 1000;
    explicit EditHistory(std::size_t limit = kDefaultLimit) : limit_(limit) {}

    // A new step on top: the redo stack is dropped, and the oldest step beyond the limit.
    void push(EditStep step);
    EditStep* top() { return undo_.empty() ? nullptr : &undo_.back(); }
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    const std::string& undoLabel() const;
    const std::string& redoLabel() const;
    // Moves the top step to the other stack and hands it out to be exchanged.
    EditStep& stepBack();
    EditStep& stepForward();

    std::uint64_t nextId() { return ++lastId_; }
    // The state the document is in: the id of the last step done, or of the state the history
    // starts from.
    std::uint64_t stateId() const { return undo_.empty() ? baseId_ : undo_.back().id; }
    void markClean() { cleanId_ = stateId(); }
    // No state of the history is the saved one (a recovered copy, a change kept outside it).
    void markNothingClean() { cleanId_ = kNoState; }
    bool atClean() const { return stateId() == cleanId_; }

    // Empties both stacks; the current state becomes the saved one.
    void clear();
    std::size_t undoCount() const { return undo_.size(); }
    std::size_t redoCount() const { return redo_.size(); }
    // Roughly the bytes of text every step holds.
    std::size_t bytes() const;

  private:
    static constexpr std::uint64_t kNoState = ~std::uint64_t{0};
    std::deque<EditStep> undo_;
    std::vector<EditStep> redo_;
    std::size_t limit_;
    std::uint64_t lastId_ = 0;
    std::uint64_t baseId_ = 0;
    std::uint64_t cleanId_ = 0;
};

}  // namespace vek::editor
