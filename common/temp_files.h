// The player's temporary files of extracted collection recordings, kept within a byte budget.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

class TTempFiles {
  public:
    // Free bytes of the drive holding the temporary directory.
    using FreeSpaceQuery = std::function<std::int64_t(const std::filesystem::path&)>;

    // Creates `dir` when missing, else deletes the left-over "*.tmp" files in it (other files are
    // left alone), and fixes the budget from the free space.
    explicit TTempFiles(std::filesystem::path dir, FreeSpaceQuery freeSpace = {});
    ~TTempFiles();  // DeleteAll
    TTempFiles(const TTempFiles&) = delete;
    TTempFiles& operator=(const TTempFiles&) = delete;

    // Registers a file just written, deleting the oldest files while the budget would be passed.
    void Register(const std::filesystem::path& path, std::int64_t size);
    void DeleteAt(std::size_t i);
    void DeleteAll();

    std::int64_t Limit() const { return limit_; }
    std::int64_t Total() const { return total_; }
    const std::vector<std::filesystem::path>& files() const { return files_; }
    const std::filesystem::path& dir() const { return dir_; }

    // The temporary file for one collection recording: dir / (collection file name + "." +
    // sound + ".tmp"). Separators, "..", drive colons and control characters in either name are
    // made harmless, so the result always lies inside `dir`.
    std::filesystem::path pathFor(std::string_view collectionFile, std::string_view sound) const;

  private:
    std::filesystem::path dir_;
    std::vector<std::filesystem::path> files_;
    std::vector<std::int64_t> sizes_;
    std::int64_t limit_ = 0;
    std::int64_t total_ = 0;
};

}  // namespace vek
