#include "player/sound/sound_list.h"

#include "common/cp1250.h"
#include "common/paths.h"
#include "common/system_sounds.h"

namespace vek {

TNahravka* TSeznamZvuku::Najdi(std::string_view name) const {
    return entries_.find(name.substr(0, name.find('|')));
}

namespace {

std::size_t lineHash(std::string_view line) {
    return std::hash<std::string_view>{}(line);
}

}  // namespace

bool TSeznamZvuku::holdsLine(std::string_view line) const {
    auto [from, to] = lines_.equal_range(lineHash(line));
    for (auto it = from; it != to; ++it)
        if (it->second < entries_.size() && entries_.objectAt(it->second)->Line == line)
            return true;
    return false;
}

void TSeznamZvuku::rebuildLineIndex() {
    lines_.clear();
    lines_.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i)
        lines_.emplace(lineHash(entries_.objectAt(i)->Line), i);
}

void TSeznamZvuku::AddNahravku(std::string_view line) {
    if (holdsLine(line))
        return;
    auto entry = std::make_unique<TNahravka>(std::string(line));
    const bool keep = !entry->CollectionSound().empty() || fileExists(entry->FileSpec());
    if (!keep)
        return;
    lines_.emplace(lineHash(entry->Line), entries_.size());
    std::string key = entry->Key();
    entries_.add(std::move(key), std::move(entry));
}

bool TSeznamZvuku::fileExists(const std::string& fileSpec) {
    auto existsUnder = [&](const std::string& base) {
        return loading_ ? files_.exists(base, fileSpec) : resolvedFileExists(base, fileSpec);
    };
    return existsUnder(paths_.programPath) ||
           (!paths_.ownPath.empty() && isPlayerRecording(fileSpec) && existsUnder(paths_.ownPath));
}

void TSeznamZvuku::BeginLoad() {
    files_.clear();
    loading_ = true;
}

void TSeznamZvuku::EndLoad() {
    loading_ = false;
    files_.clear();
}

void TSeznamZvuku::Vycisti() {
    entries_.clear();
    lines_.clear();
    files_.clear();
}

void TSeznamZvuku::AddBasic() {
    for (const std::string& line : playerBasicSounds())
        AddNahravku(line);
}

void TSeznamZvuku::SetDefault() {
    Vycisti();
    BeginLoad();
    for (const std::string& line : playerDefaultSystemSounds())
        AddNahravku(line);
    AddBasic();
    EndLoad();
}

void TSeznamZvuku::ZrusPrazdne() {
    entries_.removeIf([](const TNahravka* e) { return e == nullptr || e->Line.empty(); });
    rebuildLineIndex();
}

SystemTexts::SystemTexts() {
    LoadDefaults();
}

void SystemTexts::LoadDefaults() {
    lines_ = playerDefaultSystemTexts();
}

void SystemTexts::LoadSystemTexts(const TSeznamZvuku& sounds) {
    LoadDefaults();
    for (std::string& line : lines_) {
        const std::string key = line.substr(0, line.find('='));
        const TNahravka* entry = sounds.Najdi(key);
        if (!entry)
            continue;
        std::string text = entry->Text();
        if (!text.empty())
            line = key + "=" + text;
    }
}

std::string SystemTexts::text(std::string_view key) const {
    for (const std::string& line : lines_) {
        const auto eq = line.find('=');
        if (sameText(std::string_view(line).substr(0, eq), key))
            return eq == std::string::npos ? std::string() : line.substr(eq + 1);
    }
    return {};
}

}  // namespace vek
