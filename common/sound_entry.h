// The sound entry line KEY=Text(FileSpec)Suffix and the values derived from it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vek {

// The two configured base directories of sound files and collections, used exactly as stored
// (each expected to end in a path separator or be empty).
struct SoundBasePaths {
    std::string programPath;  // PROGRAMPATH
    std::string cdPath;       // CDPATH
    // The player's own recordings (its installation): an entry naming one of them
    // (isPlayerRecording) that the base directory lacks is found here. Empty: nowhere else.
    std::string ownPath;
};

enum class SoundKind : int { Dialogue = 0, Effect = 1, Music = 2 };

// Parts of an entry line, computed on each call.
namespace entry_line {
std::string_view Key(std::string_view line);       // before the first "="; whole line without "="
std::string_view Text(std::string_view line);      // after the first "=" up to the next "("
std::string_view FileSpec(std::string_view line);  // between the first "(" and the next ")"
std::string_view CollectionFile(std::string_view line);   // FileSpec before its first "|"
std::string_view CollectionSound(std::string_view line);  // FileSpec after its first "|"
int Priority(std::string_view line);    // 0-9 from the digit before an optional kind letter
SoundKind Kind(std::string_view line);  // by the last character: M music, X effect
}  // namespace entry_line

// One sound-list entry.
class TNahravka {
  public:
    TNahravka() = default;
    explicit TNahravka(std::string line) : Line(std::move(line)) {}

    std::string Line;            // the whole entry line; empty = dead entry
    std::uint32_t Position = 0;  // absolute offset inside its collection
    std::uint32_t Length = 0;    // byte length inside its collection
    bool FromCD = false;         // the collection was found under the CD path

    std::string Key() const { return std::string(entry_line::Key(Line)); }
    std::string Text() const { return std::string(entry_line::Text(Line)); }
    std::string FileSpec() const { return std::string(entry_line::FileSpec(Line)); }
    std::string CollectionSound() const { return std::string(entry_line::CollectionSound(Line)); }
    // The collection file; with `withDir`, the base directory in front.
    std::string CollectionFile(bool withDir, const SoundBasePaths& paths) const;
    // Base directory + FileSpec; for a collection pointer the base directory alone.
    std::string FullFileName(const SoundBasePaths& paths) const;
    // CD path when FromCD, else the program path.
    const std::string& BaseDir(const SoundBasePaths& paths) const;
    int Priority() const { return entry_line::Priority(Line); }
    SoundKind Kind() const { return entry_line::Kind(Line); }
};

}  // namespace vek
