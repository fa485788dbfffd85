#include "player/shell/game_dir.h"

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

GameDirChoice ChooseGameDirectory(const GameDirRequest& request) {
    auto installed = [&](const fs::path& dir) {
        return request.installedData && isWithin(dir, *request.installedData);
    };
    auto canWrite = [&](const fs::path& dir) { return !installed(dir) && request.writable(dir); };

    GameDirChoice stay{request.currentDir, request.scenarioArgument, {}, false};
    if (IsGameDirectory(request.currentDir) && canWrite(request.currentDir))
        return stay;

    fs::path scenario;
    if (!request.scenarioArgument.empty())
        scenario = (request.currentDir / request.scenarioArgument).lexically_normal();
    std::error_code ec;
    if (!scenario.empty() && fs::is_regular_file(scenario, ec)) {
        fs::path home = scenario.parent_path();
        if (canWrite(home))
            return {home, scenario.filename().string(), {}, false};
        // Played from where it lies; only what the player writes goes to the per-user directory.
        std::string base = home.string() + "/";
        return {request.userDir, scenario.string(), utf8ToCp1250(base).value_or(base), true};
    }
    if (!request.installedData)
        return stay;
    // A name that is not there is looked for in the game directory, where "borvatin.scn" is.
    return {request.userDir, request.scenarioArgument, {}, true};
}

bool PrepareUserGameDirectory(const fs::path& dir, const std::optional<fs::path>& installedData,
                              std::string* error) {
    std::error_code ec;
    fs::create_directories(dir / "temp", ec);
    if (ec) {
        if (error)
            *error = "adresář " + dir.string() + " nelze vytvořit: " + ec.message();
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

std::vector<std::string> EnterGameDirectory(const std::vector<std::string>& args,
                                            std::string& programPath, std::ostream& err) {
    programPath.clear();
    if (hasArgument(args, "--help") || hasArgument(args, "--version"))
        return args;
    std::error_code ec;
    fs::path current = fs::current_path(ec);
    if (ec)
        return args;
    ArgumentPlaces places = findPlaces(args);
    GameDirRequest request{current, places.scenario >= 0 ? args[places.scenario] : std::string(),
                           InstalledDataDir(), UserGameDirectory(), writableDirectory};
    GameDirChoice choice = ChooseGameDirectory(request);
    if (choice.dir == current)
        return args;

    std::string error;
    if (choice.perUser && !PrepareUserGameDirectory(choice.dir, request.installedData, &error)) {
        err << "VEK2: herní adresář nelze připravit: " << error << "\n";
        return args;
    }
    fs::current_path(choice.dir, ec);
    if (ec) {
        err << "VEK2: do adresáře " << choice.dir.string() << " nelze přejít: " << ec.message()
            << "\n";
        return args;
    }
    std::vector<std::string> rewritten = args;
    if (places.keyFile >= 0)
        rewritten[places.keyFile] = (current / args[places.keyFile]).lexically_normal().string();
    if (places.scenario >= 0)
        rewritten[places.scenario] = choice.scenarioArgument;
    programPath = choice.programPath;
    return rewritten;
}

}  // namespace vek::player
