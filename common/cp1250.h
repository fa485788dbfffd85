// Code page 1250 text: the one encoding of every text the core holds, exactly as stored in files.
// UTF-8 appears only at the edges (Qt widgets, terminal output, espeak-ng input).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vek {

// Converts code page 1250 bytes to UTF-8. Every byte has a meaning (the five unassigned
// positions map to U+FFFD), so this never fails.
std::string cp1250ToUtf8(std::string_view cp1250);

// A character that code page 1250 cannot hold, or a malformed UTF-8 sequence.
struct EncodingError {
    std::size_t offset = 0;       // byte offset in the UTF-8 input
    char32_t codePoint = 0;       // the offending character (0xFFFD for malformed input)
    std::string message() const;  // Czech, for message boxes and standard error
};

// Converts UTF-8 to code page 1250. A character the code page lacks is reported, never
// replaced: the result is empty and `error` (when given) describes the first such character.
std::optional<std::string> utf8ToCp1250(std::string_view utf8, EncodingError* error = nullptr);

// Czech-aware case mapping of code page 1250 (š/Š, ř/Ř, ý/Ý, ů/Ů, ...).
char cpUpper(char c);
char cpLower(char c);
std::string cpUpper(std::string_view s);
std::string cpLower(std::string_view s);

// Equality without regard to letter case, with the Czech mapping: Kuchyň equals KUCHYŇ.
bool sameText(std::string_view a, std::string_view b);

// Equality where only a-z match A-Z (the script conditions' rule): světe does not equal SVĚTE.
bool sameTextAscii(std::string_view a, std::string_view b);
bool startsWithAscii(std::string_view s,
                     std::string_view prefix);  // prefix, ASCII case-insensitive
std::string asciiUpper(std::string_view s);     // a-z to A-Z only

}  // namespace vek
