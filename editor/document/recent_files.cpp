#include "editor/document/recent_files.h"

#include <algorithm>
#include <charconv>

#include "common/paths.h"
#include "common/text_file.h"

namespace vek::editor {

void TMenuFilesList::Load(const std::filesystem::path& file) {
    files_.clear();
    if (auto lines = readTextLines(file))
        for (auto& line : *lines)
            if (!line.empty())
                files_.push_back(std::move(line));
    NastavSoubory();
}

bool TMenuFilesList::Save(const std::filesystem::path& file) const {
    return writeLinesAtomically(file, files_);
}

namespace {

// Two paths name one file as the file system sees it: the same text, or one existing file
// (so letter case counts exactly where the file system lets it count).
bool samePath(const std::string& a, const std::string& b) {
    if (a == b)
        return true;
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(a), std::filesystem::path(b), error);
}

}  // namespace

void TMenuFilesList::AddFile(const std::string& path) {
    std::erase_if(files_, [&](const std::string& f) { return samePath(f, path); });
    while (files_.size() > kSlots - 1)
        files_.erase(files_.begin() + kSlots - 1);
    files_.insert(files_.begin(), path);
    NastavSoubory();
}

std::vector<std::string> TMenuFilesList::NastavSoubory() {
    if (files_.size() > kSlots)
        files_.resize(kSlots);
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < files_.size(); ++i)
        captions.push_back(std::to_string(i + 1) + " " + std::string(fileNamePart(files_[i])));
    return captions;
}

std::optional<std::string> TMenuFilesList::slot(std::size_t i) const {
    if (i < files_.size())
        return files_[i];
    return std::nullopt;
}

namespace {

std::optional<int> wholeNumber(const std::optional<std::string>& text) {
    if (!text)
        return std::nullopt;
    int v = 0;
    const char* end = text->data() + text->size();
    auto [ptr, ec] = std::from_chars(text->data(), end, v);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return v;
}

}  // namespace

WindowPlacement LoadPlacement(const PlacementStore& store, WindowPlacement current) {
    if (store.value("Maximize") == std::optional<std::string>("1")) {
        current.maximized = true;
        return current;
    }
    current.maximized = false;
    for (auto [name, field] :
         {std::pair{"Left", &current.left}, std::pair{"Top", &current.top},
          std::pair{"Width", &current.width}, std::pair{"Height", &current.height}})
        if (auto v = wholeNumber(store.value(name)))
            *field = *v;
    return current;
}

void SavePlacement(PlacementStore& store, const WindowPlacement& placement) {
    if (placement.maximized) {
        store.setValue("Maximize", "1");
        return;
    }
    store.setValue("Maximize", "0");
    store.setValue("Left", std::to_string(placement.left));
    store.setValue("Top", std::to_string(placement.top));
    store.setValue("Width", std::to_string(placement.width));
    store.setValue("Height", std::to_string(placement.height));
}

}  // namespace vek::editor
