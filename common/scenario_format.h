// The scenario file: header, the encoded variant with its key line, ScrambleLine, and the
// line-by-line reading and writing that both programs build their own key handling on.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp1250_literal.h"

namespace vek {

// Header lines the writer produces, in code page 1250 ("VEK2 scénář", "... - kódovaný").
inline constexpr std::string_view kPlainHeader = "VEK2 scénář"_cp;
inline constexpr std::string_view kEncodedHeader = "VEK2 scénář - kódovaný"_cp;
inline constexpr std::string_view kEncodedMark = "kódovaný"_cp;

bool isScenarioHeader(std::string_view firstLine);  // begins with "VEK"
bool isEncodedHeader(std::string_view firstLine);   // contains "kódovaný" anywhere

// The two key values of an encoded file.
struct ScrambleKey {
    std::uint8_t first = 0;
    std::uint8_t second = 0;
    friend bool operator==(const ScrambleKey&, const ScrambleKey&) = default;
};

enum class ScrambleDirection { Scramble, Unscramble };

// Rotates every character of 32..255 by the first key at odd positions (counted from 1) and by
// the second at even ones, within the 224 values 32..255; characters below 32 stay unchanged.
void ScrambleLine(std::string& line, ScrambleKey key, ScrambleDirection direction);
std::string ScrambleLine(std::string_view line, ScrambleKey key, ScrambleDirection direction);

// The KeyLine of a password: byte sum modulo 128, then the first byte modulo 128.
// nullopt for an empty password.
std::optional<ScrambleKey> keyForPassword(std::string_view password);

// The KeyLine text of a key (two characters).
std::string keyLineText(ScrambleKey key);

// A key line holding CR or LF could not be read back as one line.
bool keyIsWritable(ScrambleKey key);

// Thrown by ScenarioWriter for a password whose key line would hold CR or LF.
class UnwritablePasswordError : public std::runtime_error {
  public:
    UnwritablePasswordError();  // carries a Czech message for the editor to show
};

// Reads a scenario file line by line, unscrambling the body of an encoded file.
class ScenarioLineSource {
  public:
    // Takes the whole file's bytes; reads the header (and, when encoded, the key line and the
    // password line) at once.
    explicit ScenarioLineSource(std::string bytes);
    // nullopt when the file cannot be opened.
    static std::optional<ScenarioLineSource> open(const std::filesystem::path& path);

    const std::string& header() const { return header_; }
    bool encoded() const { return encoded_; }
    ScrambleKey key() const { return key_; }
    // The encoded file's key line held fewer than two characters: a damaged file, no key.
    bool keyLineDamaged() const { return keyLineDamaged_; }
    // Line 3 of an encoded file, unscrambled (the stored password); empty for a plain file.
    const std::string& storedPassword() const { return storedPassword_; }
    // The raw key line as read (two characters in a sound file).
    const std::string& keyLine() const { return keyLine_; }

    bool atEnd() const;
    // NextScenarioLine: the next body line, unscrambled when encoded; empty at the end.
    std::string NextScenarioLine();
    // The same into a buffer the caller keeps, so a loop over a large file reuses one allocation.
    void NextScenarioLine(std::string& into);
    // ReadBlock: the lines up to a line that is exactly "*" (consumed, not returned) or the end.
    std::vector<std::string> ReadBlock();

  private:
    std::string rawLine();

    std::string bytes_;
    std::size_t pos_ = 0;
    std::string header_;
    std::string keyLine_;
    std::string storedPassword_;
    ScrambleKey key_{};
    bool encoded_ = false;
    bool keyLineDamaged_ = false;
};

// Builds a scenario file: header, body lines (scrambled when encoded), CR LF line ends.
class ScenarioWriter {
  public:
    // Plain file.
    ScenarioWriter();
    // Encoded file with this password; throws UnwritablePasswordError when the password's
    // key line would hold CR or LF. An empty password gives a plain file.
    explicit ScenarioWriter(std::string_view password);

    bool encoded() const { return encoded_; }

    void line(std::string_view text);                      // one body line as given
    void value(std::string_view key, std::string_view v);  // "KEY=" + value
    // A block header and its content and "*", only when `lines` is not empty.
    void block(std::string_view key, const std::vector<std::string>& lines);

    const std::string& bytes() const { return out_; }
    // Writes the bytes through the temporary-file-and-rename helper.
    bool save(const std::filesystem::path& path, std::string* error = nullptr) const;

  private:
    void raw(std::string_view text);

    std::string out_;
    ScrambleKey key_{};
    bool encoded_ = false;
};

}  // namespace vek
