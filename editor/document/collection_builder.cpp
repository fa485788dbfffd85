#include "editor/document/collection_builder.h"

#include <algorithm>
#include <cmath>

#include "common/cp1250_literal.h"
#include "common/paths.h"
#include "common/sound_entry.h"
#include "editor/document/collation.h"
#include "editor/document/document.h"
#include "editor/document/sound_lines.h"

namespace vek::editor {

std::vector<std::string> OfferedCollectionKeys(const EditorDocument& doc) {
    std::vector<std::string> keys;
    auto offer = [&keys](const std::string& line) {
        if (line.find('|') == std::string::npos)
            keys.emplace_back(entry_line::Key(line));
    };
    for (std::size_t i = 0; i < doc.UserSounds().size(); ++i)
        offer(doc.UserSounds()[i]);
    for (const auto& line : doc.SystemSounds())
        offer(line);
    std::vector<std::pair<std::string, std::string>> sorted;
    for (auto& key : keys)
        sorted.emplace_back(czechSortKey(key), std::move(key));
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    keys.clear();
    for (auto& [sortKey, key] : sorted)
        keys.push_back(std::move(key));
    return keys;
}

std::string DefaultCollectionName(std::string_view scenarioFile) {
    if (scenarioFile.empty())
        return "collect01.zvk";
    // Cut in the file name only: a directory with a dot in its name must stay whole.
    std::size_t nameStart = scenarioFile.size() - fileNamePart(scenarioFile).size();
    std::size_t dot = scenarioFile.find('.', nameStart);
    return std::string(scenarioFile.substr(0, dot)) + ".zvk";
}

std::string BrowsedCollectionName(std::string_view name) {
    std::string out(name);
    // Only the file name decides: "/home/a/.hry/moje" still has no extension.
    if (fileNamePart(name).find('.') == std::string_view::npos)
        out += ".zvk";
    return out;
}

std::filesystem::path CollectionKeyFile(const EditorDocument& doc, std::string_view key) {
    const std::string* line = doc.FindSoundLine(key);
    if (!line || entry_line::FileSpec(*line).empty())
        return {};
    return resolvePath(entry_line::FileSpec(*line));
}

std::string CollectionProgressText(CollectionPhase phase, std::size_t index, std::size_t count) {
    long p = count == 0 ? 0
                        : std::lrint(static_cast<double>(index) * 50.0 /
                                     static_cast<double>(count));  // halves to even
    if (phase == CollectionPhase::Index)
        return "Formátuji kolekci: "_cp + std::to_string(p) + "%";
    return "Ukládám kolekci: "_cp + std::to_string(p + 50) + "%";
}

std::string CreateCollectionQuestion(std::size_t count) {
    return "Vytvořit kolekci z vybraných "_cp + std::to_string(count) + " souborů?"_cp;
}

std::string OverwriteCollectionQuestion(std::string_view file) {
    return "Soubor " + std::string(file) + " již existuje. Chcete jej přepsat?"_cp;
}

CollectionWriteResult BuildCollection(const EditorDocument& doc,
                                      const std::vector<std::string>& keys,
                                      const std::filesystem::path& target,
                                      const std::function<bool(const std::string&)>& progress,
                                      std::string* error) {
    std::vector<CollectionSource> sources;
    sources.reserve(keys.size());
    for (const auto& key : keys)
        sources.push_back({key, CollectionKeyFile(doc, key)});
    CollectionProgress report = [&](CollectionPhase phase, std::size_t i, std::size_t n) {
        return !progress || progress(CollectionProgressText(phase, i, n));
    };
    return writeCollection(target, sources, report, error);
}

bool ReplaceWithCollectionPointers(EditorDocument& doc, const std::vector<std::string>& keys,
                                   std::string_view collection, std::string_view currentDirectory,
                                   EncodingError* error) {
    std::optional<std::string> path = EntryPath(collection, currentDirectory, error);
    if (!path)
        return false;
    const std::string& name = *path;
    auto rewrite = [&](const std::string& line, const std::string& key) -> std::string {
        std::size_t open = line.find('(');
        std::size_t close = line.rfind(')');
        if (open == std::string::npos || close == std::string::npos || close < open)
            return line;
        return line.substr(0, open + 1) + name + "|" + key + line.substr(close);
    };
    std::vector<std::size_t> remove;
    std::vector<std::string> add;
    StringList system = doc.SystemSounds();
    for (const auto& key : keys) {
        int i = doc.UserSounds().indexOfKey(key);
        if (i >= 0) {
            auto pos = static_cast<std::size_t>(i);
            if (std::find(remove.begin(), remove.end(), pos) == remove.end()) {
                remove.push_back(pos);
                add.push_back(rewrite(doc.UserSounds()[pos], key));
            }
            continue;
        }
        for (std::size_t s = 0; s < system.size(); ++s)
            if (sameText(entry_line::Key(system[s]), key)) {
                system.set(s, rewrite(system[s], key));
                break;
            }
    }
    EditPlace place;
    place.sounds = SoundList::User;
    EditorDocument::Step step(doc, "převod zvuků do kolekce"_cp, place);
    doc.ChangeUserSounds(std::move(remove), std::move(add));
    doc.SetSystemSounds(std::move(system));
    return true;
}

}  // namespace vek::editor
