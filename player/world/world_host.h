// What the world loader needs from its surroundings: the diagnostic trace and a message box.
#pragma once

#include <string>
#include <string_view>

namespace vek::player {

class WorldHost {
  public:
    virtual ~WorldHost() = default;
    // One line to the diagnostic trace (report.txt when switched on).
    virtual void Report(std::string_view line) {}
    // A modal message box with an error icon and one OK button; returns when it is closed.
    virtual void ShowError(const std::string& caption, const std::string& text) = 0;
};

}  // namespace vek::player
