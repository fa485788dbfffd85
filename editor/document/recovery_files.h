// The files of crash recovery: while a scenario has unsaved changes the editor keeps a copy of it
// in the per-user data directory ($XDG_DATA_HOME/vek2/obnova), beside a small record of whose
// copy it is. A copy whose editor no longer runs is left over from a crash and is offered at the
// next start.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "editor/document/scenario_io.h"

namespace vek::editor {

// A running editor, told apart from any later process that gets the same number.
struct RecoveryOwner {
    long pid = 0;
    std::uint64_t started = 0;  // the process's start, in clock ticks after boot
    std::string boot;           // the boot it runs in
    friend bool operator==(const RecoveryOwner&, const RecoveryOwner&) = default;
};

RecoveryOwner CurrentOwner();
// Whether that process still runs.
bool OwnerRuns(const RecoveryOwner& owner);
using OwnerProbe = std::function<bool(const RecoveryOwner&)>;

// $XDG_DATA_HOME/vek2/obnova, or ~/.local/share/vek2/obnova when XDG_DATA_HOME is unset or not
// absolute.
std::filesystem::path RecoveryDirectory();

struct RecoveryRecord {
    std::string originalPath;  // the scenario's file (UTF-8), empty for one never saved
    std::string scenarioName;  // code page 1250
    bool encoded = false;      // the copy is encoded with the scenario's password
    RecoveryOwner owner;
};

std::string RecordBytes(const RecoveryRecord& record);
std::optional<RecoveryRecord> ParseRecord(std::string_view bytes);

// The copy and the record of one owner's scenario: named by the owner and the original path, so
// two editors never share one.
struct RecoveryFiles {
    std::filesystem::path copy, record;
};
RecoveryFiles RecoveryFilesFor(const std::filesystem::path& dir, const RecoveryOwner& owner,
                               const std::string& originalPath);

struct RecoveryLeftover {
    RecoveryFiles files;
    RecoveryRecord record;
    bool damaged = false;  // the record could not be read
    // How the author knows the scenario: its file's name, else its own name, else the record's.
    std::string displayName() const;  // UTF-8
};

// The copies of `dir` whose editor no longer runs, by name.
std::vector<RecoveryLeftover> FindLeftovers(const std::filesystem::path& dir,
                                            const OwnerProbe& runs = OwnerRuns);

// Reads a leftover copy into `doc` (asking for the password of an encoded one): the document's
// file becomes the original file and it is modified. A copy that cannot be read leaves `doc` as
// it was and its files where they are.
OpenResult RestoreLeftover(EditorDocument& doc, const RecoveryLeftover& leftover,
                           const PasswordPrompt& askPassword);
// Removes the leftover's copy and record; nothing else.
void DiscardLeftover(const RecoveryLeftover& leftover);

}  // namespace vek::editor
