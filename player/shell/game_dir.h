// Where the player plays: the game directory it makes its working directory at start-up, and
// where it keeps the files it makes for itself.
//
// Started in a game directory it can write to, the player stays there, as it always has. Started
// from a desktop menu (in the home directory), or in its own read-only installation, the
// installed player plays in the per-user game directory ($XDG_DATA_HOME/vek2), which links the
// installed recordings and demo game and keeps the configuration and the saved positions. A
// scenario handed to it (a double click) plays from its own directory, and keeps its positions
// and configuration there when that directory is writable, otherwise in the per-user game
// directory. The installed player keeps its temporary files and sx00.wav in the per-user game
// directory wherever it plays, so that it never deletes or leaves behind a file in a folder of
// the user's, and finds its own recordings in its installation when the scenario's folder lacks
// them.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vek::player {

// What start-up decided for this run; the shell reads it when it starts.
struct PlayerPlaces {
    // Not empty: the sounds' base for this run when the scenario stays in a directory the player
    // cannot write to (code page 1250, ending with "/"); empty: the configured PROGRAMPATH.
    std::string programPath;
    // Not empty: the installation's data, where the player's own recordings (the system sounds,
    // the digits, the menu samples) are found when the scenario's base lacks them (code page
    // 1250, ending with "/").
    std::string ownRecordings;
    // Where the player keeps what it makes for itself, sx00.wav and temp/; empty: the working
    // directory.
    std::filesystem::path ownFiles;
    // Not empty: what the player must tell before the game starts (code page 1250).
    std::string notice;
};

// A directory holding a scenario (*.scn) or a "wave" folder.
bool IsGameDirectory(const std::filesystem::path& dir);

// $XDG_DATA_HOME/vek2, or ~/.local/share/vek2 when XDG_DATA_HOME is unset or not absolute.
std::filesystem::path UserGameDirectory();

struct GameDirRequest {
    std::filesystem::path currentDir;                    // absolute
    std::string scenarioArgument;                        // as given, or empty
    std::optional<std::filesystem::path> installedData;  // none: run from the build tree
    std::filesystem::path userDir;                       // the per-user game directory
    std::filesystem::path homeDir;  // where a desktop starts programs: never a game directory
    std::function<bool(const std::filesystem::path&)> writable;
};

// The request of the running process (the scenario argument left empty).
GameDirRequest ProcessGameDirRequest();

struct GameDirChoice {
    std::filesystem::path dir;     // the working directory to play in
    std::string scenarioArgument;  // the scenario argument as read from `dir`
    std::string programPath;       // see PlayerPlaces
    // The installed player: the per-user game directory must be prepared, and holds the player's
    // own files (PlayerPlaces::ownFiles).
    bool perUser = false;
};

// Decides where to play; touches nothing. The installation never counts as writable.
GameDirChoice ChooseGameDirectory(const GameDirRequest& request);

// Prepares the per-user game directory: creates it with its "temp" folder, links every entry of
// the installed data it does not hold yet (a link left by an installation that moved is renewed;
// the player's own files are never replaced) and writes the default vek.cfg when it is missing.
// False with a message in `error` (UTF-8) when the directory cannot be made, or lies inside the
// installation.
bool PrepareUserGameDirectory(const std::filesystem::path& dir,
                              const std::optional<std::filesystem::path>& installedData,
                              std::string* error = nullptr);

struct GameStart {
    // The arguments rewritten for the game directory: a key file and a scenario given relative
    // to the caller's directory keep pointing at the same files.
    std::vector<std::string> args;
    PlayerPlaces places;
    // A directory made for this run alone because the per-user game directory could not be
    // made; LeaveGameDirectory removes it.
    std::filesystem::path runDir;
};

// The start of VEK2: finds the game directory for its command line, prepares it and makes it the
// working directory. --help and --version change nothing. When the per-user game directory
// cannot be made, the player plays in a directory of its own made for this run and says so in
// `places.notice`; it never writes into its installation or the folder it was started in.
// A directory it cannot enter is reported on `err`; the player then stays where it was started.
GameStart EnterGameDirectory(const std::vector<std::string>& args, GameDirRequest request,
                             std::ostream& err);

// At the end of the run: removes the directory made for this run alone.
void LeaveGameDirectory(const GameStart& start);

}  // namespace vek::player
