// What the editor remembers between runs: the recent scenario files and the main window's
// placement.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vek::editor {

inline constexpr std::string_view kRecentFilesName = "VEKEdit.hst";

// The recent scenario files, most recent first, at most four.
class TMenuFilesList {
  public:
    static constexpr std::size_t kSlots = 4;

    // Reads the history file; a missing or unreadable file gives an empty list.
    void Load(const std::filesystem::path& file = std::filesystem::path(kRecentFilesName));
    // Writes the history file; failures are ignored (false).
    bool Save(const std::filesystem::path& file = std::filesystem::path(kRecentFilesName)) const;

    // Puts `path` (UTF-8) at the top, dropping an entry naming the same file and the oldest
    // beyond four.
    void AddFile(const std::string& path);
    // Trims the list to four and gives the slot captions: "1 hra.scn", ...
    std::vector<std::string> NastavSoubory();

    const std::vector<std::string>& files() const { return files_; }
    // The path of slot `i`, or nullopt for a slot beyond the list.
    std::optional<std::string> slot(std::size_t i) const;

  private:
    std::vector<std::string> files_;
};

// The main window's placement, stored as text values by a platform store (the Qt windows keep
// them in the settings of organisation "Kvelmora", application "Mirela").
class PlacementStore {
  public:
    virtual ~PlacementStore() = default;
    virtual std::optional<std::string> value(std::string_view name) const = 0;
    virtual void setValue(std::string_view name, std::string_view text) = 0;
};

struct WindowPlacement {
    bool maximized = false;
    int left = 0, top = 0, width = 816, height = 426;
};

// Applies the stored placement over `current`: maximized when "Maximize" is "1", otherwise
// every coordinate that is stored as a whole number.
WindowPlacement LoadPlacement(const PlacementStore& store, WindowPlacement current);
// Maximized: only "Maximize" = "1" (the last normal placement stays); else all five values.
void SavePlacement(PlacementStore& store, const WindowPlacement& placement);

}  // namespace vek::editor
