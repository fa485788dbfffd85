// Where the player plays: the game directory it makes its working directory at start-up.
//
// Started in a game directory it can write to, the player stays there, as it always has. Started
// from a desktop menu (in the home directory), or in its own read-only installation, the
// installed player plays in the per-user game directory ($XDG_DATA_HOME/vek2), which links the
// installed recordings and demo game and keeps the configuration and the saved positions. A
// scenario handed to it (a double click) plays from its own directory, and keeps its positions
// there when that directory is writable, otherwise in the per-user game directory.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vek::player {

// A directory holding a scenario (*.scn) or a "wave" folder.
bool IsGameDirectory(const std::filesystem::path& dir);

// $XDG_DATA_HOME/vek2, or ~/.local/share/vek2 when XDG_DATA_HOME is unset or not absolute.
std::filesystem::path UserGameDirectory();

struct GameDirRequest {
    std::filesystem::path currentDir;                    // absolute
    std::string scenarioArgument;                        // as given, or empty
    std::optional<std::filesystem::path> installedData;  // none: run from the build tree
    std::filesystem::path userDir;                       // the per-user game directory
    std::function<bool(const std::filesystem::path&)> writable;
};

struct GameDirChoice {
    std::filesystem::path dir;     // the working directory to play in
    std::string scenarioArgument;  // the scenario argument as read from `dir`
    // The sounds' base directory for this run when the scenario stays in a directory the player
    // cannot write to (code page 1250, ending with "/"); empty: the configured PROGRAMPATH.
    std::string programPath;
    bool perUser = false;  // `dir` is the per-user game directory and must be prepared
};

// Decides where to play; touches nothing. The installation never counts as writable.
GameDirChoice ChooseGameDirectory(const GameDirRequest& request);

// Prepares the per-user game directory: creates it with its "temp" folder, links every entry of
// the installed data it does not hold yet (a link left by an installation that moved is renewed;
// the player's own files are never replaced) and writes the default vek.cfg when it is missing.
// False with a message in `error` (UTF-8) when the directory cannot be made.
bool PrepareUserGameDirectory(const std::filesystem::path& dir,
                              const std::optional<std::filesystem::path>& installedData,
                              std::string* error = nullptr);

// The start of VEK2: finds the game directory for its command line, prepares it and makes it the
// working directory. Answers the arguments rewritten for that directory (a key file and a
// scenario given relative to the caller's directory keep pointing at the same files) and, in
// `programPath`, the sounds' base for this run (see GameDirChoice). --help and --version change
// nothing. A directory that cannot be prepared is reported on `err`; the player then stays where
// it was started.
std::vector<std::string> EnterGameDirectory(const std::vector<std::string>& args,
                                            std::string& programPath, std::ostream& err);

}  // namespace vek::player
