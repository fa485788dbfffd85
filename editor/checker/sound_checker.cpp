#include "editor/checker/sound_checker.h"

#include <unistd.h>

#include <filesystem>
#include <unordered_map>
#include <unordered_set>

#include "common/collection.h"
#include "common/paths.h"
#include "common/system_sounds.h"
#include "editor/checker/czech.h"
#include "player/sound/sound_env.h"
#include "player/sound/sound_file.h"

namespace vek::editor {

namespace fs = std::filesystem;

namespace {

class SoundChecker {
  public:
    SoundChecker(CheckContext& c, const SoundBasePaths& paths) : c_(c), paths_(paths) {
        for (const SystemSoundRow& row : systemSoundTable())
            systemKeys_.add(row.key);
    }
    ~SoundChecker() {
        std::error_code ec;
        if (!scratch_.empty())
            fs::remove_all(scratch_, ec);
    }

    void entry(std::string_view line, std::size_t order) {
        if (!seen_.insert(std::string(line)).second)
            return;  // the player keeps an identical line once
        std::string_view key = entry_line::Key(line);
        c_.at({PlaceKind::Sound, std::string(key),
               systemKeys_.contains(key) ? ProblemField::SystemSound : ProblemField::None, 0},
              order);
        std::string_view spec = entry_line::FileSpec(line);
        if (spec.empty())
            c_.error("není uveden soubor nahrávky; přehrávač zvuk vynechá i s jeho textem"_cp);
        else if (!entry_line::CollectionSound(line).empty())
            collectionEntry(entry_line::CollectionFile(line), entry_line::CollectionSound(line));
        else
            plainEntry(spec);
    }

  private:
    void plainEntry(std::string_view spec) {
        if (!files_.exists(paths_.programPath, spec)) {
            c_.error(say("soubor „{}“ neexistuje"_cp, {spec}));
            return;
        }
        if (!decodable(resolvePath(paths_.programPath, spec)))
            c_.error(
                say("soubor „{}“ přehrávač nepřehraje (poškozený nebo neznámý formát)"_cp, {spec}));
    }

    void collectionEntry(std::string_view collection, std::string_view sound) {
        std::size_t before = index_.size();
        if (!loaded_.contains(collection)) {
            LoadCollection(collection, paths_, index_, loaded_);
            if (index_.size() == before)
                unusable_.add(std::string(collection));
        }
        int k = index_.find(std::string(collection) + "|" + std::string(sound));
        if (k < 0) {
            missingRecording(collection, sound);
            return;
        }
        auto i = static_cast<std::size_t>(k);
        std::string where = index_.CD(i) ? paths_.cdPath : paths_.programPath;
        fs::path file = resolvePath(where, collection);
        fs::path copy = scratch() / ("z" + std::to_string(extracted_++) + ".tmp");
        bool ok = extractRecording(file, index_.Pozice(i), index_.Delka(i), copy) &&
                  probeSoundFile(copy).has_value();
        std::error_code ec;
        fs::remove(copy, ec);
        if (!ok)
            c_.error(
                say("nahrávku „{}“ ze sbírky „{}“ přehrávač nepřehraje (poškozená nebo "
                    "neznámý formát)"_cp,
                    {sound, collection}));
    }

    void missingRecording(std::string_view collection, std::string_view sound) {
        bool exists = resolvedFileExists(paths_.programPath, collection) ||
                      resolvedFileExists(paths_.cdPath, collection);
        if (!exists)
            c_.error(say("sbírka zvuků „{}“ neexistuje"_cp, {collection}));
        else if (unusable_.contains(collection))
            c_.error(say("„{}“ není sbírka zvuků (nebo je prázdná)"_cp, {collection}));
        else
            c_.error(say("sbírka „{}“ nemá zvuk „{}“"_cp, {collection, sound}));
    }

    // Decoded once per file: scenarios often point many keys at one recording.
    bool decodable(const fs::path& path) {
        auto [it, added] = decoded_.try_emplace(path.string(), false);
        if (added)
            it->second = probeSoundFile(path).has_value();
        return it->second;
    }

    const fs::path& scratch() {
        if (scratch_.empty()) {
            scratch_ = fs::temp_directory_path() / ("mirela-check-" + std::to_string(getpid()));
            std::error_code ec;
            fs::create_directories(scratch_, ec);
        }
        return scratch_;
    }

    CheckContext& c_;
    const SoundBasePaths& paths_;
    StringList systemKeys_;
    std::unordered_set<std::string> seen_;
    FileExistenceCache files_;
    std::unordered_map<std::string, bool> decoded_;
    TCollectionList index_;
    StringList loaded_;
    StringList unusable_;
    fs::path scratch_;
    int extracted_ = 0;
};

}  // namespace

void CheckSounds(CheckContext& context, const std::vector<std::string>& entries,
                 const SoundBasePaths& paths) {
    SoundChecker checker(context, paths);
    for (std::size_t i = 0; i < entries.size(); ++i)
        checker.entry(entries[i], i);
}

}  // namespace vek::editor
