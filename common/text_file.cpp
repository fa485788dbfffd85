#include "common/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "common/cp1250_literal.h"

namespace vek {

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // One read of the whole file: scenarios run to megabytes.
    std::string bytes;
    in.seekg(0, std::ios::end);
    auto size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        in.read(bytes.data(), size);
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        return std::nullopt;
    return bytes;
}

std::string_view nextLine(std::string_view bytes, std::size_t& pos) {
    if (pos >= bytes.size()) {
        pos = bytes.size();
        return {};
    }
    std::size_t lf = bytes.find('\n', pos);
    std::size_t end = lf == std::string_view::npos ? bytes.size() : lf;
    std::size_t contentEnd = end;
    while (contentEnd > pos && bytes[contentEnd - 1] == '\r')
        --contentEnd;
    auto line = bytes.substr(pos, contentEnd - pos);
    pos = lf == std::string_view::npos ? bytes.size() : lf + 1;
    return line;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size())
        lines.emplace_back(nextLine(bytes, pos));
    return lines;
}

std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return splitLines(*bytes);
}

std::string joinLinesCrLf(const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (const auto& l : lines)
        total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

namespace {

std::string describeFailure(const std::filesystem::path& target, const char* what, int err) {
    return "Soubor " + target.string() + " nelze uložit ("_cp + what + ": " + std::strerror(err) +
           ").";
}

// A name beside the target that no other writer in this process or another one picks.
std::filesystem::path temporarySibling(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    auto name = target.filename().string() + ".~" + std::to_string(::getpid()) + "-" +
                std::to_string(counter++) + ".part";
    return target.parent_path() / name;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target)
    : target_(std::move(target)), temp_(temporarySibling(target_)) {
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ < 0)
        fail("vytvoření"_cp, errno);
}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

void AtomicFileWriter::fail(const char* what, int err) {
    if (error_.empty())
        error_ = describeFailure(target_, what, err);
}

bool AtomicFileWriter::write(std::string_view bytes) {
    if (!ok())
        return false;
    if (!writeAll(fd_, bytes))
        fail("zápis"_cp, errno);
    return ok();
}

bool AtomicFileWriter::commit() {
    if (!ok()) {
        discard();
        return false;
    }
    if (::fsync(fd_) != 0)
        fail("zápis"_cp, errno);
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        fail("zápis"_cp, errno);
    if (error_.empty() && ::rename(temp_.c_str(), target_.c_str()) != 0)
        fail("přejmenování"_cp, errno);
    if (!error_.empty()) {
        discard();
        return false;
    }
    temp_.clear();
    // Make the rename itself durable; a failure here leaves a complete file either way.
    auto dir = target_.parent_path();
    int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

void AtomicFileWriter::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string* error) {
    AtomicFileWriter writer(target);
    bool ok = writer.write(bytes) && writer.commit();
    if (!ok && error)
        *error = writer.error();
    return ok;
}

bool writeLinesAtomically(const std::filesystem::path& target,
                          const std::vector<std::string>& lines, std::string* error) {
    return writeFileAtomically(target, joinLinesCrLf(lines), error);
}

}  // namespace vek
