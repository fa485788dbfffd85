// Start-up helpers: the silence wave the queues start with, the scenario catalogue and the
// diagnostic trace.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vek::player {

// The player's own short wave (mono, 16 bit, 22050 Hz, a soft click fading into silence).
std::string Sx00WaveBytes();
// Writes sx00.wav into `dir` when it is missing; false when it could not be written.
bool WriteSx00IfMissing(const std::filesystem::path& dir = ".");

// A file whose first line begins with "VEK"; a file that cannot be opened is no scenario.
bool IsScenarioFile(const std::filesystem::path& file);
// The names (with extension) of the scenario files "*.scn" in `dir`, in directory order.
std::vector<std::string> FillScenarioList(const std::filesystem::path& dir = ".");

// The diagnostic trace: lines appended to report.txt while switched on.
class TReport {
  public:
    explicit TReport(bool on = false, std::filesystem::path file = "report.txt")
        : on_(on), file_(std::move(file)) {}
    void operator()(const std::string& line) const;
    bool on() const { return on_; }

  private:
    bool on_;
    std::filesystem::path file_;
};

}  // namespace vek::player
