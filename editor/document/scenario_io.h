// Opening and saving the editor's document as a scenario file, plain or encoded.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/cp1250_literal.h"
#include "editor/document/document.h"

namespace vek::editor {

struct DocumentSnapshot;

enum class OpenStatus {
    Loaded,
    CannotRead,     // the file could not be opened or read
    BadHeader,      // "Nesprávná hlavička souboru!"
    Cancelled,      // the password prompt was cancelled: nothing is said
    WrongPassword,  // "Zadané heslo neodpovídá!"
};

struct OpenResult {
    OpenStatus status = OpenStatus::Loaded;
    std::string message;  // Czech, for a "Stop" box; empty when loaded or cancelled
    bool ok() const { return status == OpenStatus::Loaded; }
};

// Asks for the password of an encoded file; nullopt when the author cancels.
using PasswordPrompt = std::function<std::optional<std::string>()>;

// The status bar's third panel while a file is read or written.
inline constexpr std::string_view kLoadingStatus = "Načítám soubor"_cp;
inline constexpr std::string_view kSavingStatus = "Ukládám soubor"_cp;

inline constexpr std::string_view kBadHeaderMessage = "Nesprávná hlavička souboru!"_cp;
inline constexpr std::string_view kWrongPasswordMessage = "Zadané heslo neodpovídá!"_cp;

// Reads a scenario file into `doc`. The file is read into a fresh document first, so a file
// that is refused or cannot be read leaves `doc`, its file name and its modified flag as they
// were. On success `doc.FileName` is `path` and the document is unmodified.
OpenResult OpenScenario(EditorDocument& doc, const std::filesystem::path& path,
                        const PasswordPrompt& askPassword);

// The same from the bytes of a file (the password check included).
OpenResult ReadScenario(EditorDocument& doc, std::string bytes, const PasswordPrompt& askPassword);

// A password as a file line can hold it: a damaged file's stored password may carry a lone
// carriage return, which the file's password line cannot keep, so it becomes a space (the key
// is then computed from what is actually written).
std::string PasswordForFile(std::string password);

// The whole file the editor writes for `doc`, in the writer's key order. Throws
// UnwritablePasswordError for a password whose key line would hold a line break.
enum class Encoding { AsSet, Plain };
std::string ScenarioBytes(const EditorDocument& doc, Encoding encoding = Encoding::AsSet);
// The same for a snapshot of the document.
std::string ScenarioBytes(const DocumentSnapshot& snapshot);

struct SaveResult {
    bool ok = true;
    std::string message;  // Czech, when the file could not be written
};

// Saves to `path`: drops unnamed windows and items, writes through a temporary file and a
// rename, and clears `Modified` only when the file was written; a failed save keeps the
// document modified and the previous file intact.
SaveResult SaveScenario(EditorDocument& doc, const std::filesystem::path& path);

}  // namespace vek::editor
