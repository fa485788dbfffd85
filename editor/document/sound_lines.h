// The sound dialog's logic: entry lines built from its fields for a new sound, one sound, one
// system sound or several sounds at once, browsed files, and "Přidej více".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vek::editor {

class EditorDocument;

enum class SoundDialogMode { New = 1, ChangeOne = 3, ChangeSystem = 5, ChangeSeveral = 7 };

// The "Hlasitost:" choice: the entry's kind letter, or (several sounds) each line's own.
enum class SoundCategory { Dialogue = 0, Effects = 1, Music = 2, Keep = 3 };

inline constexpr std::string_view kUnchangedField = "(bezezm\xECny)";

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
    std::string next(std::string_view base = "Nov\xFD_zvuk");

  private:
    int counter_ = 1;
};

// The fields each opener sets.
SoundFields NewSoundFields(SoundNameCounter& counter);
SoundFields FieldsFromLine(std::string_view line);
SoundFields SeveralSoundsFields();

// OK for a new sound, one sound or a system sound: the entry line.
std::string BuildSoundLine(const SoundFields& fields, SoundNameCounter& counter);
// OK for several sounds: `old` rewritten with the fields that are not "(bezezměny)".
std::string ChangeSeveralLine(std::string_view old, const SoundFields& fields);

// `path` without the leading `directory` and its separator, when it begins with it.
std::string RelativeToDirectory(std::string_view path, std::string_view directory);
// A file's name up to its first ".", spaces turned into "_".
std::string IdentifierFromFile(std::string_view path);
// "&procházet": the file goes into the file field, and a proposed identifier follows it.
void BrowseSoundFile(SoundFields& fields, std::string_view path, std::string_view directory);

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

// "Přidej více": one entry per chosen file; the number added.
std::size_t AddMoreSounds(EditorDocument& doc, const std::vector<std::string>& paths,
                          std::string_view directory);

}  // namespace vek::editor
