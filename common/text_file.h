// Text files of lines and the one safe way to write a user's file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// Whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// The line starting at `pos` of `bytes`, without its line end; `pos` moves past the line end.
// An LF ends a line; carriage returns at the end of a line are dropped (CR LF, and files whose
// line ends were converted twice).
std::string_view nextLine(std::string_view bytes, std::size_t& pos);

// Splits bytes into lines with nextLine: CR LF and lone LF both end a line (files edited on
// Linux); a CR at the end of a line is never kept. A final line without a line end is a line; NUL
// bytes and very long lines are kept as they are.
std::vector<std::string> splitLines(std::string_view bytes);

// Lines of a file; nullopt when it cannot be read.
std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path);

// Joins lines, each ended by CR LF.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

// Writes `bytes` to a temporary file beside `target`, flushes it and renames it over `target`,
// so a crash or a full disk never destroys the previous file. On failure the temporary file is
// removed, `target` is untouched and `error` (when given) holds a Czech description.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string* error = nullptr);

// Streams a large file (a sound collection) into a temporary file beside `target`; commit()
// flushes it and renames it over `target`. A writer destroyed or discarded without a successful
// commit removes its temporary file, so a cancelled or failed write leaves `target` untouched.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(std::filesystem::path target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool ok() const { return fd_ >= 0 && error_.empty(); }
    bool write(std::string_view bytes);
    bool commit();
    void discard();
    // Czech description of the first failure; empty while all went well.
    const std::string& error() const { return error_; }

  private:
    void fail(const char* what, int err);

    std::filesystem::path target_;
    std::filesystem::path temp_;
    int fd_ = -1;
    std::string error_;
};

// The same for lines ended by CR LF.
bool writeLinesAtomically(const std::filesystem::path& target,
                          const std::vector<std::string>& lines, std::string* error = nullptr);

}  // namespace vek
