// Sound collections (.zvk): many recordings in one file, an index of names and lengths followed
// by the recordings' bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "string_list.h"

namespace vek {

// One recording to store: its name (a sound key) and the file holding its bytes.
struct CollectionSource {
    std::string name;
    std::filesystem::path file;
};

enum class CollectionPhase { Index, Data };

// Called after each name of each phase with the 0-based position and the count; returning
// false cancels the build.
using CollectionProgress =
    std::function<bool(CollectionPhase phase, std::size_t index, std::size_t count)>;

enum class CollectionWriteResult { Written, Cancelled, Failed };

// Writes a collection. A name whose file is missing gets no record and no data. A cancelled or
// failed build leaves no file behind (and an existing file at `target` untouched). Names longer
// than 255 bytes are refused (Failed, with `error`).
CollectionWriteResult writeCollection(const std::filesystem::path& target,
                                      const std::vector<CollectionSource>& sources,
                                      const CollectionProgress& progress = {},
                                      std::string* error = nullptr);

// The player's index of every collection read during one scenario load: lines
// "collection|sound=offset|length" with a final "C" when found under the CD path.
class TCollectionList {
  public:
    std::size_t size() const { return lines_.size(); }
    const std::string& line(std::size_t i) const { return lines_[i]; }
    const StringList& lines() const { return lines_; }
    void add(std::string line);
    void clear();
    // Position of the line whose name (the part before "=") equals `name`, case ignored; -1.
    int find(std::string_view name) const;

    std::string ColName(std::size_t i) const;
    std::string ZvukName(std::size_t i) const;
    std::uint32_t Pozice(std::size_t i) const;
    std::uint32_t Delka(std::size_t i) const;
    bool CD(std::size_t i) const;

  private:
    StringList lines_;
    StringList names_;  // the line names, kept in step with lines_ for indexed lookups
};

// Reads one collection's index and appends its lines, with absolute offsets, to `list`.
// `name` is the collection as the entries name it; `path` the file found for it. Wrong magic
// adds nothing; a truncated index keeps what was read. Returns false when nothing was added
// because the file could not be opened or had the wrong magic.
bool readCollectionIndex(const std::filesystem::path& path, std::string_view name, bool fromCD,
                         TCollectionList& list);

// Copies `length` bytes from `position` of the collection into `target`, in 2048-byte blocks.
// A length of 0, or a failure to open, seek or read, yields no file (false). A recording that
// runs past the end of the collection is cut at the end of the file.
bool extractRecording(const std::filesystem::path& collection, std::uint64_t position,
                      std::uint64_t length, const std::filesystem::path& target);

}  // namespace vek
