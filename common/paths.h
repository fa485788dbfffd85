// Paths written on Windows ("wave\tch031.wav", "C:\hry\") used on any system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace vek {

// Joins a configured base directory (which may end in "\" or "/", or be empty) and a relative
// Windows-style path. When the exact path does not exist, each component is matched without
// regard to letter case against what the directory holds; when nothing matches, the plain
// joined path (with "/" separators) is returned, so callers can still report or create it.
std::filesystem::path resolvePath(std::string_view baseDir, std::string_view relative);

// resolvePath with an empty base: relative to the current directory.
std::filesystem::path resolvePath(std::string_view relative);

// Whether the file named by resolvePath(baseDir, relative) exists as a regular file.
bool resolvedFileExists(std::string_view baseDir, std::string_view relative);

// Answers resolvedFileExists for many files of the same few directories with one directory
// read per directory: loading a scenario tests the recording of every one of thousands of sound
// entries, often spelled in another letter case than on disk or missing altogether. Every
// answer, found or not, comes from the listings, which are kept until clear(); callers clear the
// cache whenever the files may have changed (the sound list does at every scenario load).
class FileExistenceCache {
  public:
    bool exists(std::string_view baseDir, std::string_view relative);
    void clear() { listings_.clear(); }

  private:
    struct Listing {
        std::unordered_set<std::string> files, dirs;  // names as on disk
        // Case-folded code page 1250 names to the first name on disk of that spelling.
        std::unordered_map<std::string, std::string> foldedFiles, foldedDirs;
    };
    const Listing& listing(const std::filesystem::path& dir);
    // The entry of `names`/`folded` that `component` (code page 1250) names, if any.
    static const std::string* find(const std::unordered_set<std::string>& names,
                                   const std::unordered_map<std::string, std::string>& folded,
                                   const std::string& component);

    std::unordered_map<std::string, Listing> listings_;
};

// The file-name part of a Windows or Unix path: everything after the last "\", "/" or ":".
std::string_view fileNamePart(std::string_view path);

}  // namespace vek
