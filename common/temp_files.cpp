#include "common/temp_files.h"

#include <cstdio>

namespace vek {

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kMaxBudget = 50'000'000;
constexpr std::int64_t kReserve = 2'000'000;
// Room for both names in one file name (most file systems allow 255 bytes).
constexpr std::size_t kMaxNamePart = 100;

std::int64_t defaultFreeSpace(const fs::path& dir) {
    std::error_code ec;
    auto info = fs::space(dir, ec);
    return ec ? 0 : static_cast<std::int64_t>(info.available);
}

std::int64_t budgetFor(std::int64_t freeBytes) {
    if (freeBytes > kMaxBudget)
        return kMaxBudget;
    std::int64_t limit = freeBytes - kReserve;
    return limit < 0 ? freeBytes : limit;
}

bool unsafeChar(char c) {
    return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32;
}

// FNV-1a, enough to keep two altered names apart.
std::string shortHash(std::string_view s) {
    std::uint32_t h = 2166136261u;
    for (char c : s)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08x", h);
    return buf;
}

// One component of a temporary file name. Names come from scenario files: separators, drive
// colons and control characters are replaced so the name stays a single component, and an
// altered or shortened name gets a hash of the original so that two different sounds never
// share a file.
std::string safeComponent(std::string_view name) {
    std::string safe(name.substr(0, kMaxNamePart));
    bool altered = safe.size() != name.size();
    for (char& c : safe) {
        if (unsafeChar(c)) {
            c = '_';
            altered = true;
        }
    }
    if (altered) {
        safe += '~';
        safe += shortHash(name);
    }
    return safe;
}

}  // namespace

TTempFiles::TTempFiles(fs::path dir, FreeSpaceQuery freeSpace) : dir_(std::move(dir)) {
    std::error_code ec;
    if (!fs::is_directory(dir_, ec)) {
        fs::create_directories(dir_, ec);
    } else {
        for (fs::directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code fileEc;
            if (it->path().extension() == ".tmp" && it->is_regular_file(fileEc)) {
                files_.push_back(it->path());
                sizes_.push_back(0);
            }
        }
        DeleteAll();
    }
    total_ = 0;
    limit_ = budgetFor(freeSpace ? freeSpace(dir_) : defaultFreeSpace(dir_));
}

TTempFiles::~TTempFiles() {
    DeleteAll();
}

void TTempFiles::Register(const fs::path& path, std::int64_t size) {
    while (!files_.empty() && total_ + size > limit_)
        DeleteAt(0);
    total_ += size;
    files_.push_back(path);
    sizes_.push_back(size);
}

// Subtracts the size the file was registered with, so Total stays the sum of the listed files
// even when a file vanished or changed meanwhile.
void TTempFiles::DeleteAt(std::size_t i) {
    if (i >= files_.size())
        return;
    std::error_code ec;
    fs::remove(files_[i], ec);
    total_ -= sizes_[i];
    files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(i));
    sizes_.erase(sizes_.begin() + static_cast<std::ptrdiff_t>(i));
}

void TTempFiles::DeleteAll() {
    while (!files_.empty())
        DeleteAt(0);
}

fs::path TTempFiles::pathFor(std::string_view collectionFile, std::string_view sound) const {
    return dir_ / (safeComponent(collectionFile) + "." + safeComponent(sound) + ".tmp");
}

}  // namespace vek
