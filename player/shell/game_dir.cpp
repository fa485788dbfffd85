#include "player/shell/game_dir.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "common/cp1250.h"
#include "common/install_dirs.h"
#include "common/text_file.h"
#include "player/shell/config.h"

namespace vek::player {

namespace fs = std::filesystem;

namespace {

fs::path canonicalOrSelf(const fs::path& p) {
    std::error_code ec;
    fs::path c = fs::weakly_canonical(p, ec);
    return ec ? p.lexically_normal() : c;
}

bool isWithin(const fs::path& dir, const fs::path& root) {
    fs::path d = canonicalOrSelf(dir);
    fs::path r = canonicalOrSelf(root);
    auto [rootEnd, dirAt] = std::mismatch(r.begin(), r.end(), d.begin(), d.end());
    return rootEnd == r.end();
}

bool writableDirectory(const fs::path& dir) {
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
}

bool hasArgument(const std::vector<std::string>& args, std::string_view wanted) {
    return std::find(args.begin(), args.end(), wanted) != args.end();
}

// Where the walkthrough's key file and the scenario stand among the arguments (-1: absent).
struct ArgumentPlaces {
    int keyFile = -1;
    int scenario = -1;
};

ArgumentPlaces findPlaces(const std::vector<std::string>& args) {
    ArgumentPlaces places;
    for (int i = 0; i < static_cast<int>(args.size()); ++i) {
        const std::string& arg = args[i];
        if (arg == "--walk" && i + 1 < static_cast<int>(args.size()))
            places.keyFile = ++i;
        else if (arg == "--seed")
            ++i;
        else if (places.scenario < 0 && !arg.starts_with("-"))
            places.scenario = i;
    }
    return places;
}

}  // namespace

bool IsGameDirectory(const fs::path& dir) {
    std::error_code ec;
    if (fs::is_directory(dir / "wave", ec))
        return true;
    for (auto it = fs::directory_iterator(dir, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        std::string ext = it->path().extension().string();
        for (char& c : ext)
            c = static_cast<char>(c | 0x20);
        if (ext == ".scn" && it->is_regular_file(ec))
            return true;
    }
    return false;
}

fs::path UserGameDirectory() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && fs::path(data).is_absolute())
        return fs::path(data) / "vek2";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/") / ".local" / "share" / "vek2";
}

GameDirRequest ProcessGameDirRequest() {
    std::error_code ec;
    const char* home = std::getenv("HOME");
    return {fs::current_path(ec),
            {},
            InstalledDataDir(),
            UserGameDirectory(),
            home && *home ? fs::path(home) : fs::path(),
            writableDirectory};
}

GameDirChoice ChooseGameDirectory(const GameDirRequest& request) {
    auto installed = [&](const fs::path& dir) {
        return request.installedData && isWithin(dir, *request.installedData);
    };
    auto canWrite = [&](const fs::path& dir) { return !installed(dir) && request.writable(dir); };
    const bool perUser = request.installedData.has_value();

    // A scenario handed to the player plays from its own directory, with its recordings there.
    fs::path scenario;
    if (!request.scenarioArgument.empty())
        scenario = (request.currentDir / request.scenarioArgument).lexically_normal();
    std::error_code ec;
    if (!scenario.empty() && fs::is_regular_file(scenario, ec)) {
        fs::path dir = scenario.parent_path();
        if (canWrite(dir))
            return {dir, scenario.filename().string(), {}, perUser};
        // Played from where it lies; only what the player writes goes to the per-user directory.
        std::string base = dir.string() + "/";
        return {request.userDir, scenario.string(), utf8ToCp1250(base).value_or(base), true};
    }

    // The home directory is where a desktop starts the player: a scenario lying there does not
    // make it a game directory.
    const bool home = perUser && !request.homeDir.empty() &&
                      canonicalOrSelf(request.currentDir) == canonicalOrSelf(request.homeDir);
    GameDirChoice stay{request.currentDir, request.scenarioArgument, {}, perUser};
    if ((!home && IsGameDirectory(request.currentDir) && canWrite(request.currentDir)) || !perUser)
        return stay;
    // A name that is not there is looked for in the game directory, where "borvatin.scn" is.
    return {request.userDir, request.scenarioArgument, {}, true};
}

bool PrepareUserGameDirectory(const fs::path& dir, const std::optional<fs::path>& installedData,
                              std::string* error) {
    if (installedData && isWithin(dir, *installedData)) {
        if (error)
            *error = dir.string() + " leží v instalaci hráče";
        return false;
    }
    std::error_code ec;
    fs::create_directories(dir / "temp", ec);
    if (ec) {
        if (error)
            *error = dir.string() + ": " + ec.message();
        return false;
    }
    if (installedData) {
        for (auto it = fs::directory_iterator(*installedData, ec);
             !ec && it != fs::directory_iterator(); it.increment(ec)) {
            fs::path link = dir / it->path().filename();
            std::error_code statusError;
            fs::file_status status = fs::symlink_status(link, statusError);
            if (fs::exists(status)) {
                // The player's own files, and links that still lead somewhere, stay.
                if (!fs::is_symlink(status) || fs::exists(link, statusError))
                    continue;
                fs::remove(link, statusError);
            }
            // A missing link only costs that file; the rest of the game still plays.
            fs::create_symlink(it->path(), link, statusError);
        }
    }
    fs::path config = dir / PlayerConfig::kFileName;
    if (!fs::exists(config, ec)) {
        std::string writeError;
        if (!writeFileAtomically(config, joinLinesCrLf(PlayerConfig::DefaultLines()),
                                 &writeError)) {
            if (error)
                *error = cp1250ToUtf8(writeError);
            return false;
        }
    }
    return true;
}

namespace {

// A directory of the system's temporary folder that only this run uses.
fs::path makeRunDirectory() {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "vek2-XXXXXX").string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr)
        return {};
    return pattern;
}

// "The game directory ... cannot be made: reason. Positions and settings are kept only until the
// player ends."
std::string runDirNotice(const std::string& reason) {
    std::string utf8 = "Herní adresář nelze vytvořit (" + reason +
                       ").\nUložené pozice a nastavení vydrží jen do ukončení hráče.";
    if (auto text = utf8ToCp1250(utf8))
        return *text;
    return *utf8ToCp1250(
        "Herní adresář nelze vytvořit.\nUložené pozice a nastavení vydrží "
        "jen do ukončení hráče.");
}

}  // namespace

GameStart EnterGameDirectory(const std::vector<std::string>& args, GameDirRequest request,
                             std::ostream& err) {
    GameStart start{args, {}, {}};
    if (hasArgument(args, "--help") || hasArgument(args, "--version"))
        return start;
    const fs::path current = request.currentDir;
    const ArgumentPlaces at = findPlaces(args);
    request.scenarioArgument = at.scenario >= 0 ? args[at.scenario] : std::string();
    GameDirChoice choice = ChooseGameDirectory(request);

    fs::path ownFiles;
    if (choice.perUser) {
        ownFiles = request.userDir;
        std::string error;
        if (!PrepareUserGameDirectory(request.userDir, request.installedData, &error)) {
            // Neither the installation nor the folder of the start is a place for the player's
            // files: a directory of this run's own takes the per-user directory's place.
            start.runDir = makeRunDirectory();
            if (start.runDir.empty() ||
                !PrepareUserGameDirectory(start.runDir, request.installedData)) {
                err << "VEK2: herní adresář nelze připravit: " << error << "\n";
                return start;
            }
            if (choice.dir == request.userDir)
                choice.dir = start.runDir;
            ownFiles = start.runDir;
            start.places.notice = runDirNotice(error);
        }
    }
    start.places.ownFiles = ownFiles;
    if (request.installedData) {
        std::string base = request.installedData->string() + "/";
        start.places.ownRecordings = utf8ToCp1250(base).value_or(base);
    }
    if (choice.dir == current)
        return start;

    std::error_code ec;
    fs::current_path(choice.dir, ec);
    if (ec) {
        err << "VEK2: do adresáře " << choice.dir.string() << " nelze přejít: " << ec.message()
            << "\n";
        return start;
    }
    if (at.keyFile >= 0)
        start.args[at.keyFile] = (current / args[at.keyFile]).lexically_normal().string();
    if (at.scenario >= 0)
        start.args[at.scenario] = choice.scenarioArgument;
    start.places.programPath = choice.programPath;
    return start;
}

void LeaveGameDirectory(const GameStart& start) {
    if (start.runDir.empty())
        return;
    std::error_code ec;
    // Links into the installation are removed, never followed.
    fs::remove_all(start.runDir, ec);
}

}  // namespace vek::player
