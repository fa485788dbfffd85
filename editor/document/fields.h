// The fields of the editor's document as one table: for each, whose it is (window, item, menu,
// menu item or the scenario), its key in the scenario file, the member that holds it and the
// label its control carries. The file's reader and writer, the search, the text export and the
// windows walk this table, so a new field is one more row.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/scenario_keys.h"
#include "editor/document/document_events.h"
#include "editor/document/entities.h"

namespace vek::editor {

enum class FieldKind {
    Text,     // one line
    Flag,     // a check box, "0" or "1" in the file
    Lines,    // a script or a text of several lines, edited as a whole
    Entries,  // a list of names, edited entry by entry
};

struct FieldDef {
    FieldOwner owner;
    FieldKind kind;
    Field field;             // every kind but Entries
    EntryList list;          // Entries only
    std::string_view key;    // the file's key; empty: not a key of its own
    std::string_view label;  // UTF-8, as its control is labelled, without "&" and ":"
    // A text key left out of the file when empty (the reader then keeps the default).
    bool omittedWhenEmpty;
    // A script or text of the scenario's story: searched and exported as text.
    bool story;
    // The member in an owner of the row's type (TOkna, TPredmet, TNabidka, TPolozka or
    // ScenarioSettings); only the one of the row's kind is set.
    std::string* (*text)(void* owner);
    bool* (*flag)(void* owner);
    TSpecStrings* (*lines)(void* owner);

    // The same members read from an owner the caller may not change.
    const std::string& textIn(const void* owner) const { return *text(const_cast<void*>(owner)); }
    bool flagIn(const void* owner) const { return *flag(const_cast<void*>(owner)); }
    const TSpecStrings& linesIn(const void* owner) const {
        return *lines(const_cast<void*>(owner));
    }
};

// Every field, in the order the writer stores each owner's fields.
std::span<const FieldDef> FieldTable();

const FieldDef& FieldDefOf(Field field);
const FieldDef& FieldDefOf(EntryList list);

// The story fields (scripts and texts) of one owner, in the order the search walks them.
std::span<const FieldDef* const> StoryFields(FieldOwner owner);

}  // namespace vek::editor
