// The line layer of saved positions: every line scrambled with the fixed key pair (17, 5).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/scenario_format.h"
#include "common/string_list.h"

namespace vek::player {

inline constexpr ScrambleKey kPositionKey{17, 5};

// The file of a slot: Pozice0.sav ... Pozice9.sav, autosave.sav for slot 10.
std::string PositionFileName(int slot);
inline constexpr int kAutosaveSlot = 10;

class PositionWriter {
  public:
    void WriteLine(std::string_view line);
    // Each entry, then "*".
    void WriteList(const StringList& list);
    // The file's bytes: scrambled lines, each ended by CR LF.
    const std::string& bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

class PositionReader {
  public:
    explicit PositionReader(std::string bytes);

    // The next line unscrambled; at the end of the file an empty line, and LoadError is set.
    std::string ReadLine();
    // Empties `list`, then appends lines up to a line "*" or the end of the file.
    void ReadList(StringList& list);
    bool AtEnd() const { return next_ >= lines_.size(); }
    bool LoadError() const { return loadError_; }
    void SetLoadError() { loadError_ = true; }

  private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    bool loadError_ = false;
};

}  // namespace vek::player
