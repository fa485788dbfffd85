// The sound dialog's logic: entry lines built from its fields for a new sound, one sound, one
// system sound or several sounds at once, browsed files, and "Přidej více".
//
// Entry lines and the dialog's fields are code page 1250, as the scenario file holds them.
// Paths of this system (file dialogs, the current directory) are UTF-8; they enter an entry line
// only through EntryPath.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"

namespace vek::editor {

class EditorDocument;

enum class SoundDialogMode { New = 1, ChangeOne = 3, ChangeSystem = 5, ChangeSeveral = 7 };

// The "Hlasitost:" choice: the entry's kind letter, or (several sounds) each line's own.
enum class SoundCategory { Dialogue = 0, Effects = 1, Music = 2, Keep = 3 };

inline constexpr std::string_view kUnchangedField = "(bezezměny)"_cp;

struct SoundFields {
    std::string id;
    std::string text;
    std::string file;
    std::string priority = "0";
    SoundCategory category = SoundCategory::Dialogue;
};

// The dialog's running number for proposed identifiers, 1 at the start.
class SoundNameCounter {
  public:
    std::string next(std::string_view base = "Nový_zvuk"_cp);

  private:
    int counter_ = 1;
};

// The fields each opener sets.
SoundFields NewSoundFields(SoundNameCounter& counter);
SoundFields FieldsFromLine(std::string_view line);
SoundFields SeveralSoundsFields();

// A file field as an entry line stores it: every path separator "\" (the collection
// sound name after "|" is kept as it is).
std::string EntryFileSpec(std::string_view spec);

// What keeps the fields from making an entry line that reads back as they were typed: an
// identifier with "=" or "(", a text with "(", a file with ")" (those characters delimit the
// line's parts), or a priority other than one digit or none. The Czech message for a "Stop" box, or
// nothing when the fields are fine. Fields left "(bezezměny)" or empty in `mode` 7 are fine.
std::optional<std::string> SoundFieldsProblem(const SoundFields& fields, SoundDialogMode mode);

// OK for a new sound, one sound or a system sound: the entry line.
std::string BuildSoundLine(const SoundFields& fields, SoundNameCounter& counter);
// OK for several sounds: `old` rewritten with the fields that are not "(bezezměny)". A file
// field naming a directory or a collection (with "\" or "/") keeps each line's file name.
std::string ChangeSeveralLine(std::string_view old, const SoundFields& fields);

// `path` without the leading `directory` and its separator, when it begins with it (both in
// the same encoding).
std::string RelativeToDirectory(std::string_view path, std::string_view directory);
// The one boundary where a path of this system (UTF-8) becomes an entry line's file: relative to
// `directory` (UTF-8) when it lies inside it, in code page 1250, with "\" between its parts.
// nullopt, and `error` names the character, when the code page cannot hold it.
std::optional<std::string> EntryPath(std::string_view path, std::string_view directory,
                                     EncodingError* error = nullptr);
// A file's name (code page 1250) up to its first ".", spaces turned into "_".
std::string IdentifierFromFile(std::string_view path);
// "&procházet" with a chosen path (UTF-8): the file goes into the file field, and a proposed
// identifier follows it. False, and the fields stay, for a path code page 1250 cannot hold.
bool BrowseSoundFile(SoundFields& fields, std::string_view path, std::string_view directory,
                     EncodingError* error = nullptr);

// The questions before several sounds are changed or deleted at once.
std::string ChangeSeveralQuestion(std::size_t count);
std::string DeleteSeveralQuestion(std::size_t count);

// OK applied to the document: mode 1 adds, mode 3 replaces the selected recording, mode 5 the
// selected system sound, mode 7 every selected recording. Returns the positions of the changed
// recordings afterwards (the list is sorted), and marks the document modified.
std::vector<std::size_t> ApplySoundDialog(EditorDocument& doc, SoundDialogMode mode,
                                          const SoundFields& fields,
                                          const std::vector<std::size_t>& selected,
                                          SoundNameCounter& counter);

// "Přidej více" with the chosen paths (UTF-8): one entry per file; a path code page 1250
// cannot hold is refused, not stored altered.
struct AddedSounds {
    std::size_t added = 0;
    std::vector<std::string> refused;  // the paths, UTF-8
    EncodingError firstError;          // why the first of them was refused
};
AddedSounds AddMoreSounds(EditorDocument& doc, const std::vector<std::string>& paths,
                          std::string_view directory);

}  // namespace vek::editor
