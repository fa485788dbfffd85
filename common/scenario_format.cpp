#include "common/scenario_format.h"

#include "common/cp1250_literal.h"
#include "common/text_file.h"

namespace vek {

namespace {

constexpr int kFirstScrambled = 32;
constexpr int kScrambleRange = 224;  // the values 32..255

// Rotation within 32..255. For the key values a password can give (0..127) this is exactly
// "c + k, minus 224 when it passes 255"; the modulo also keeps a damaged file's larger key bytes
// inside the range.
unsigned char rotate(unsigned char c, int k, ScrambleDirection direction) {
    if (c < kFirstScrambled)
        return c;
    int offset = c - kFirstScrambled;
    int shift = k % kScrambleRange;
    offset =
        direction == ScrambleDirection::Scramble ? offset + shift : offset - shift + kScrambleRange;
    return static_cast<unsigned char>(kFirstScrambled + offset % kScrambleRange);
}

// Body lines never contain a line break: one inside a name would split the record and let its
// tail be read as a key of its own.
std::string withoutLineBreaks(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == '\r' || c == '\n')
            c = ' ';
    return s;
}

}  // namespace

bool isScenarioHeader(std::string_view firstLine) {
    return firstLine.starts_with("VEK");
}

bool isEncodedHeader(std::string_view firstLine) {
    return firstLine.find(kEncodedMark) != std::string_view::npos;
}

void ScrambleLine(std::string& line, ScrambleKey key, ScrambleDirection direction) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        int k = (i % 2 == 0) ? key.first : key.second;  // position i + 1: odd uses the first key
        line[i] = static_cast<char>(rotate(static_cast<unsigned char>(line[i]), k, direction));
    }
}

std::string ScrambleLine(std::string_view line, ScrambleKey key, ScrambleDirection direction) {
    std::string s(line);
    ScrambleLine(s, key, direction);
    return s;
}

std::optional<ScrambleKey> keyForPassword(std::string_view password) {
    if (password.empty())
        return std::nullopt;
    unsigned sum = 0;
    for (char c : password)
        sum += static_cast<unsigned char>(c);
    return ScrambleKey{static_cast<std::uint8_t>(sum % 128),
                       static_cast<std::uint8_t>(static_cast<unsigned char>(password[0]) % 128)};
}

std::string keyLineText(ScrambleKey key) {
    return {static_cast<char>(key.first), static_cast<char>(key.second)};
}

bool keyIsWritable(ScrambleKey key) {
    auto isBreak = [](std::uint8_t v) { return v == '\r' || v == '\n'; };
    return !isBreak(key.first) && !isBreak(key.second);
}

UnwritablePasswordError::UnwritablePasswordError()
    : std::runtime_error(
          "Toto heslo nelze použít: soubor zakódovaný tímto heslem by nešl znovu načíst. "
          "Zvolte prosím jiné heslo."_cp) {}

ScenarioLineSource::ScenarioLineSource(std::string bytes) : bytes_(std::move(bytes)) {
    header_ = rawLine();
    encoded_ = isEncodedHeader(header_);
    if (!encoded_)
        return;
    keyLine_ = rawLine();
    if (keyLine_.size() >= 2) {
        key_ = ScrambleKey{static_cast<std::uint8_t>(keyLine_[0]),
                           static_cast<std::uint8_t>(keyLine_[1])};
    } else {
        keyLineDamaged_ = true;
    }
    storedPassword_ = ScrambleLine(rawLine(), key_, ScrambleDirection::Unscramble);
}

std::optional<ScenarioLineSource> ScenarioLineSource::open(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return ScenarioLineSource(std::move(*bytes));
}

bool ScenarioLineSource::atEnd() const {
    return pos_ >= bytes_.size();
}

std::string ScenarioLineSource::rawLine() {
    return std::string(nextLine(bytes_, pos_));
}

std::string ScenarioLineSource::NextScenarioLine() {
    std::string line;
    NextScenarioLine(line);
    return line;
}

void ScenarioLineSource::NextScenarioLine(std::string& into) {
    into.assign(nextLine(bytes_, pos_));
    if (encoded_)
        ScrambleLine(into, key_, ScrambleDirection::Unscramble);
}

std::vector<std::string> ScenarioLineSource::ReadBlock() {
    std::vector<std::string> lines;
    while (!atEnd()) {
        std::string line = NextScenarioLine();
        if (line == "*")
            break;
        lines.push_back(std::move(line));
    }
    return lines;
}

ScenarioWriter::ScenarioWriter() {
    raw(kPlainHeader);
}

ScenarioWriter::ScenarioWriter(std::string_view password) {
    auto key = keyForPassword(password);
    if (!key) {
        raw(kPlainHeader);
        return;
    }
    if (!keyIsWritable(*key))
        throw UnwritablePasswordError();
    key_ = *key;
    encoded_ = true;
    raw(kEncodedHeader);
    raw(keyLineText(key_));
    line(password);
}

void ScenarioWriter::raw(std::string_view text) {
    out_ += text;
    out_ += "\r\n";
}

void ScenarioWriter::line(std::string_view text) {
    std::string s = withoutLineBreaks(text);
    if (encoded_)
        ScrambleLine(s, key_, ScrambleDirection::Scramble);
    raw(s);
}

void ScenarioWriter::value(std::string_view key, std::string_view v) {
    std::string s(key);
    s += v;
    line(s);
}

void ScenarioWriter::block(std::string_view key, const std::vector<std::string>& lines) {
    if (lines.empty())
        return;
    line(key);
    for (const auto& l : lines)
        line(l);
    line("*");
}

bool ScenarioWriter::save(const std::filesystem::path& path, std::string* error) const {
    return writeFileAtomically(path, out_, error);
}

}  // namespace vek
