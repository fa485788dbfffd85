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

// The key two spellings of a name share when they differ only in letter case: the code page
// 1250 form (names on disk are usually UTF-8) in capitals.
std::string foldedName(const std::string& onDisk) {
    return cpUpper(utf8ToCp1250(onDisk).value_or(onDisk));
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

const FileExistenceCache::Listing& FileExistenceCache::listing(const fs::path& dir) {
    auto [it, added] = listings_.try_emplace(dir.string());
    if (!added)
        return it->second;
    Listing& l = it->second;
    std::error_code ec;
    fs::directory_iterator entries(dir.empty() ? fs::path(".") : dir, ec);
    for (; !ec && entries != fs::directory_iterator(); entries.increment(ec)) {
        std::string name = entries->path().filename().string();
        std::error_code typeError;
        if (entries->is_directory(typeError)) {
            l.foldedDirs.try_emplace(foldedName(name), name);
            l.foldedDirs.try_emplace(cpUpper(name), name);  // raw code page 1250 bytes
            l.dirs.insert(std::move(name));
        } else if (entries->is_regular_file(typeError)) {
            l.foldedFiles.try_emplace(foldedName(name), name);
            l.foldedFiles.try_emplace(cpUpper(name), name);
            l.files.insert(std::move(name));
        }
    }
    return l;
}

const std::string* FileExistenceCache::find(
    const std::unordered_set<std::string>& names,
    const std::unordered_map<std::string, std::string>& folded, const std::string& component) {
    // As resolvePath tries them: the UTF-8 spelling, the raw bytes, then without regard to case.
    if (auto it = names.find(diskName(component)); it != names.end())
        return &*it;
    if (auto it = names.find(component); it != names.end())
        return &*it;
    if (auto it = folded.find(cpUpper(component)); it != folded.end())
        return &it->second;
    return nullptr;
}

bool FileExistenceCache::exists(std::string_view baseDir, std::string_view relative) {
    auto parts = components(relative);
    if (parts.empty() || relative.front() == '/' || relative.front() == '\\' ||
        relative.back() == '/' || relative.back() == '\\')
        return resolvedFileExists(baseDir, relative);

    fs::path current = baseDirectory(baseDir);
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        if (parts[i] == "." || parts[i] == "..") {
            current /= parts[i];
            continue;
        }
        const Listing& l = listing(current);
        const std::string* dir = find(l.dirs, l.foldedDirs, parts[i]);
        if (!dir)
            return false;
        current /= *dir;
    }
    const Listing& l = listing(current);
    return find(l.files, l.foldedFiles, parts.back()) != nullptr;
}

std::string_view fileNamePart(std::string_view path) {
    auto pos = path.find_last_of("\\/:");
    return pos == std::string_view::npos ? path : path.substr(pos + 1);
}

}  // namespace vek
