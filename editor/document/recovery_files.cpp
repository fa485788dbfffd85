#include "editor/document/recovery_files.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <regex>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/paths.h"
#include "common/text_file.h"

namespace vek::editor {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCopyExtension = ".scn";
constexpr std::string_view kRecordExtension = ".rec";

// Files of /proc tell no size, so they are read as a stream.
std::string firstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// Field 22 of /proc/PID/stat: when the process started. The name in field 2 may hold spaces and
// parentheses, so the fields are counted from its closing parenthesis.
std::uint64_t startOf(long pid) {
    std::string stat = firstLine("/proc/" + std::to_string(pid) + "/stat");
    std::size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::size_t pos = close + 1;
    for (int field = 2; field < 22; ++field) {
        pos = stat.find(' ', pos);
        if (pos == std::string::npos)
            return 0;
        ++pos;
    }
    std::uint64_t value = 0;
    std::from_chars(stat.data() + pos, stat.data() + stat.size(), value);
    return value;
}

std::string currentBoot() {
    return firstLine("/proc/sys/kernel/random/boot_id");
}

std::uint64_t hashOf(std::string_view text) {
    std::uint64_t h = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

template <typename T>
bool parseNumber(std::string_view text, T& value) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

}  // namespace

RecoveryOwner CurrentOwner() {
    long pid = static_cast<long>(::getpid());
    return {pid, startOf(pid), currentBoot()};
}

bool OwnerRuns(const RecoveryOwner& owner) {
    if (owner.pid <= 0)
        return false;
    std::string boot = currentBoot();
    if (!boot.empty() && !owner.boot.empty() && boot != owner.boot)
        return false;
    if (fs::exists("/proc/self/stat")) {
        std::uint64_t started = startOf(owner.pid);
        return started != 0 && started == owner.started;
    }
    return ::kill(static_cast<pid_t>(owner.pid), 0) == 0 || errno == EPERM;
}

fs::path RecoveryDirectory() {
    const char* data = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (data && fs::path(data).is_absolute()) {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home && *home ? home : "/") / ".local" / "share";
    }
    return base / "vek2" / "obnova";
}

std::string RecordBytes(const RecoveryRecord& r) {
    return joinLinesCrLf({
        "path=" + r.originalPath,
        "name=" + r.scenarioName,
        std::string("encoded=") + (r.encoded ? "1" : "0"),
        "pid=" + std::to_string(r.owner.pid),
        "started=" + std::to_string(r.owner.started),
        "boot=" + r.owner.boot,
    });
}

std::optional<RecoveryRecord> ParseRecord(std::string_view bytes) {
    RecoveryRecord r;
    bool havePath = false, havePid = false;
    for (const std::string& line : splitLines(bytes)) {
        std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string_view key = std::string_view(line).substr(0, eq);
        std::string_view value = std::string_view(line).substr(eq + 1);
        if (key == "path") {
            r.originalPath = value;
            havePath = true;
        } else if (key == "name") {
            r.scenarioName = value;
        } else if (key == "encoded") {
            r.encoded = value == "1";
        } else if (key == "pid") {
            havePid = parseNumber(value, r.owner.pid);
        } else if (key == "started") {
            parseNumber(value, r.owner.started);
        } else if (key == "boot") {
            r.owner.boot = value;
        }
    }
    if (!havePath || !havePid)
        return std::nullopt;
    return r;
}

RecoveryFiles RecoveryFilesFor(const fs::path& dir, const RecoveryOwner& owner,
                               const std::string& originalPath) {
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(hashOf(originalPath)));
    std::string stem = std::to_string(owner.pid) + "-" + std::to_string(owner.started) + "-" + hash;
    return {dir / (stem + std::string(kCopyExtension)),
            dir / (stem + std::string(kRecordExtension))};
}

std::string RecoveryLeftover::displayName() const {
    if (!record.originalPath.empty())
        return fs::path(record.originalPath).filename().string();
    if (!record.scenarioName.empty())
        return cp1250ToUtf8(record.scenarioName);
    return files.record.filename().string();
}

std::vector<RecoveryLeftover> FindLeftovers(const fs::path& dir, const OwnerProbe& runs) {
    // Only names this editor gives: PID-START-HASH.rec.
    static const std::regex ours("[0-9]+-[0-9]+-[0-9a-f]{16}\\.rec");
    std::vector<RecoveryLeftover> found;
    std::error_code ec;
    for (auto it = fs::directory_iterator(dir, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!std::regex_match(name, ours) || !it->is_regular_file(ec))
            continue;
        RecoveryLeftover leftover;
        leftover.files.record = it->path();
        leftover.files.copy = fs::path(it->path()).replace_extension(kCopyExtension);
        std::optional<std::string> bytes = readFileBytes(it->path());
        std::optional<RecoveryRecord> record =
            bytes ? ParseRecord(*bytes) : std::optional<RecoveryRecord>();
        if (record) {
            if (runs(record->owner))
                continue;
            leftover.record = std::move(*record);
        } else {
            leftover.damaged = true;
        }
        found.push_back(std::move(leftover));
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.files.record < b.files.record; });
    return found;
}

OpenResult RestoreLeftover(EditorDocument& doc, const RecoveryLeftover& leftover,
                           const PasswordPrompt& askPassword) {
    if (leftover.damaged)
        return {OpenStatus::CannotRead, "Záznam o kopii nelze přečíst."_cp};
    std::optional<std::string> bytes = readFileBytes(leftover.files.copy);
    if (!bytes) {
        std::string name =
            utf8ToCp1250(leftover.files.copy.string()).value_or(leftover.files.copy.string());
        return {OpenStatus::CannotRead, "Soubor " + name + " nelze přečíst."_cp};
    }
    std::string previousName = doc.FileName;
    doc.FileName = leftover.record.originalPath;
    OpenResult result = ReadScenario(doc, std::move(*bytes), askPassword);
    if (!result.ok()) {
        doc.FileName = previousName;
        return result;
    }
    doc.SetModified(true);
    return result;
}

void DiscardLeftover(const RecoveryLeftover& leftover) {
    std::error_code ec;
    fs::remove(leftover.files.copy, ec);
    fs::remove(leftover.files.record, ec);
}

}  // namespace vek::editor
