// The sound list: keys to entries, the built-in basic entries and the player's system texts.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/paths.h"
#include "common/sound_entry.h"
#include "common/string_list.h"

namespace vek {

class TSeznamZvuku {
  public:
    explicit TSeznamZvuku(const SoundBasePaths& paths) : paths_(paths) {}

    // First entry whose key equals the part of `name` before its first "|", case ignored.
    TNahravka* Najdi(std::string_view name) const;
    // Adds one entry unless an identical line exists or its plain file is missing.
    void AddNahravku(std::string_view line);
    // A scenario load adds its entries between these two: each directory is listed once and
    // every existence test of the load is answered from that listing, so that thousands of
    // entries whose files are missing or spelled in other letter case cost no more than found
    // ones. Outside a load every test looks at the disk.
    void BeginLoad();
    void EndLoad();
    void Vycisti();
    void AddBasic();
    void SetDefault();
    void ZrusPrazdne();

    std::size_t size() const { return entries_.size(); }
    TNahravka* at(std::size_t i) const { return entries_.objectAt(i); }
    const std::string& keyAt(std::size_t i) const { return entries_.nameAt(i); }
    const SoundBasePaths& paths() const { return paths_; }

  private:
    bool holdsLine(std::string_view line) const;
    void rebuildLineIndex();

    const SoundBasePaths& paths_;
    NamedList<TNahravka> entries_;
    // Hash of each entry's line to its position, for the identical-line test without copies.
    std::unordered_multimap<std::size_t, std::size_t> lines_;
    bool fileExists(const std::string& fileSpec);

    // Directory listings for the existence test of plain-file entries, kept for one load.
    FileExistenceCache files_;
    bool loading_ = false;
};

// The player's system texts: "SZkey=Text" lines, defaults replaced by the scenario's texts.
class SystemTexts {
  public:
    SystemTexts();  // the 41 defaults
    void LoadDefaults();
    // Defaults, each replaced by the text of the sound entry of the same key where it has one.
    void LoadSystemTexts(const TSeznamZvuku& sounds);
    // The text of a key ("" when unknown).
    std::string text(std::string_view key) const;
    const std::vector<std::string>& lines() const { return lines_; }

  private:
    std::vector<std::string> lines_;
};

}  // namespace vek
