#include "player/sound/sound_env.h"

#include <system_error>

#include "common/paths.h"

namespace vek {

namespace {

// The temporary file of a collection recording, extracted on first use; empty when it cannot be
// had (no temporary directory, a missing collection, a zero length or a read error).
std::filesystem::path extractedRecording(const TNahravka& entry, SoundEnv& env) {
    if (!env.tempFiles)
        return {};
    const std::string collection = entry.CollectionFile(true, env.paths);
    const std::filesystem::path target =
        env.tempFiles->pathFor(fileNamePart(collection), entry.CollectionSound());
    std::error_code ec;
    if (std::filesystem::is_regular_file(target, ec))
        return target;
    const std::filesystem::path source =
        resolvePath(entry.BaseDir(env.paths), entry.CollectionFile(false, env.paths));
    if (!extractRecording(source, entry.Position, entry.Length, target))
        return {};
    const auto size = std::filesystem::file_size(target, ec);
    env.tempFiles->Register(target, ec ? std::int64_t(entry.Length) : std::int64_t(size));
    return target;
}

}  // namespace

namespace {

std::filesystem::path plainRecording(const TNahravka& entry, const SoundBasePaths& paths) {
    return resolvePath(entry.BaseDir(paths), entry.FileSpec());
}

}  // namespace

bool RecordingFound(const TNahravka& entry, const SoundEnv& env) {
    if (!entry.CollectionSound().empty())
        return true;  // an entry whose collection or sound is missing was dropped at the load
    std::error_code ec;
    return std::filesystem::is_regular_file(plainRecording(entry, env.paths), ec);
}

bool PrepareAudio(const TNahravka& entry, TMyAFS& audio, SoundEnv& env) {
    std::string name;
    if (!entry.CollectionSound().empty()) {
        name = extractedRecording(entry, env).string();
        if (name.empty())
            return false;
    } else {
        name = plainRecording(entry, env.paths).string();
        // Reuse only a sample that really loaded: after a failed load the object keeps its old
        // file name but holds nothing.
        if (name == audio.FileName() && audio.Sample != 0)
            return true;
    }
    audio.Load(name);
    audio.Group = static_cast<std::uint8_t>(entry.Priority());
    return audio.Sample != 0;
}

void LoadCollection(std::string_view name, const SoundBasePaths& paths, TCollectionList& index,
                    StringList& loaded) {
    loaded.add(std::string(name));
    if (resolvedFileExists(paths.programPath, name)) {
        readCollectionIndex(resolvePath(paths.programPath, name), name, false, index);
    } else if (resolvedFileExists(paths.cdPath, name)) {
        readCollectionIndex(resolvePath(paths.cdPath, name), name, true, index);
    }
}

void AttachCollections(TSeznamZvuku& list, const SoundBasePaths& paths) {
    TCollectionList index;
    StringList loaded;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string_view collection = entry_line::CollectionFile(list.at(i)->Line);
        if (!collection.empty() && !loaded.contains(collection))
            LoadCollection(collection, paths, index, loaded);
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        TNahravka& entry = *list.at(i);
        const std::string_view collection = entry_line::CollectionFile(entry.Line);
        if (collection.empty())
            continue;
        const std::string name =
            std::string(collection) + "|" + std::string(entry_line::CollectionSound(entry.Line));
        const int found = index.find(name);
        if (found < 0) {
            entry.Length = 0;
            entry.Line.clear();
            continue;
        }
        const auto at = static_cast<std::size_t>(found);
        entry.Length = index.Delka(at);
        entry.Position = index.Pozice(at);
        entry.FromCD = index.CD(at);
    }
    list.ZrusPrazdne();
}

}  // namespace vek
