#include "common/paths.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "common/cp1250.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> components(std::string_view path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!current.empty())
                parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(std::move(current));
    return parts;
}

// Names in the data are code page 1250; names on disk are usually UTF-8 but may be the raw bytes
// of files copied from Windows. Both spellings are tried.
std::string diskName(const std::string& component) {
    return cp1250ToUtf8(component);
}

bool pathExists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

bool nameMatches(const std::string& onDisk, const std::string& component) {
    if (sameText(onDisk, component))
        return true;
    auto asCp1250 = utf8ToCp1250(onDisk);
    return asCp1250 && sameText(*asCp1250, component);
}

// The entry of `dir` whose name equals `component` without regard to case, if any.
std::optional<fs::path> findInDirectory(const fs::path& dir, const std::string& component) {
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    if (ec)
        return std::nullopt;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            return std::nullopt;
        auto name = it->path().filename().string();
        if (nameMatches(name, component))
            return dir / it->path().filename();
    }
    return std::nullopt;
}

// Names of the regular files in `dir`; empty when it cannot be read.
std::unordered_set<std::string> readListing(const fs::path& dir) {
    std::unordered_set<std::string> names;
    std::error_code ec;
    fs::directory_iterator entries(dir.empty() ? fs::path(".") : dir, ec);
    for (; !ec && entries != fs::directory_iterator(); entries.increment(ec))
        if (entries->is_regular_file(ec))
            names.insert(entries->path().filename().string());
    return names;
}

fs::path baseDirectory(std::string_view baseDir) {
    std::string base(baseDir);
    for (char& c : base)
        if (c == '\\')
            c = '/';
    return fs::path(diskName(base));
}

}  // namespace

fs::path resolvePath(std::string_view baseDir, std::string_view relative) {
    fs::path base = baseDirectory(baseDir);
    if (!relative.empty() && (relative.front() == '/' || relative.front() == '\\'))
        base = base.empty() ? fs::path("/") : base;
    auto parts = components(relative);

    fs::path plain = base;
    for (const auto& part : parts)
        plain /= diskName(part);
    if (pathExists(plain))
        return plain;

    fs::path current = base;
    for (const auto& part : parts) {
        fs::path next = current / diskName(part);
        if (pathExists(next)) {
            current = next;
            continue;
        }
        if (pathExists(current / part)) {
            current /= part;
            continue;
        }
        auto found = findInDirectory(current, part);
        if (!found)
            return plain;
        current = *found;
    }
    return current;
}

fs::path resolvePath(std::string_view relative) {
    return resolvePath({}, relative);
}

bool resolvedFileExists(std::string_view baseDir, std::string_view relative) {
    std::error_code ec;
    return fs::is_regular_file(resolvePath(baseDir, relative), ec);
}

bool FileExistenceCache::exists(std::string_view baseDir, std::string_view relative) {
    const auto sep = relative.find_last_of("\\/");
    const std::string_view dirPart =
        sep == std::string_view::npos ? std::string_view{} : relative.substr(0, sep);
    const std::string_view name =
        sep == std::string_view::npos ? relative : relative.substr(sep + 1);
    if (name.empty() || relative.front() == '/' || relative.front() == '\\')
        return resolvedFileExists(baseDir, relative);

    // Keyed by the spelling as given: another spelling of the same directory only costs one
    // more listing.
    std::string key;
    key.reserve(baseDir.size() + dirPart.size() + 1);
    key.append(baseDir).append(1, '\0').append(dirPart);
    auto it = listings_.find(key);
    if (it == listings_.end()) {
        fs::path dir = baseDirectory(baseDir);
        for (const auto& part : components(dirPart))
            dir /= diskName(part);
        it = listings_.emplace(std::move(key), readListing(dir)).first;
    }
    const bool ascii = std::all_of(name.begin(), name.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (it->second.count(ascii ? std::string(name) : diskName(std::string(name))) > 0)
        return true;
    return resolvedFileExists(baseDir, relative);
}

std::string_view fileNamePart(std::string_view path) {
    auto pos = path.find_last_of("\\/:");
    return pos == std::string_view::npos ? path : path.substr(pos + 1);
}

}  // namespace vek
