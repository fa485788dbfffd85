// A fresh directory per test, removed afterwards.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vek::testing {

class ScratchDir {
  public:
    ScratchDir() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("vek-common-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes `bytes` to `name` (directories created as needed) and returns the full path.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const {
        auto p = path_ / name;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p;
    }

  private:
    std::filesystem::path path_;
};

// Changes into a scratch directory for the life of a test.
class InScratchDir {
  public:
    InScratchDir() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir.path());
    }
    ~InScratchDir() { std::filesystem::current_path(previous_); }
    ScratchDir dir;

  private:
    std::filesystem::path previous_;
};

}  // namespace vek::testing
