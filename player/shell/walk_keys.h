// The key file of a walkthrough: one token a line, as a patient player would press the keys.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vek::player {

struct WalkToken {
    enum class Kind { Key, Type, Tick, Wait };
    Kind kind = Kind::Key;
    std::string written;     // the line as written (without its line end), for the transcript
    int line = 0;            // 1-based line number in the key file
    bool immediate = false;  // written with a leading "!": no Wait before it
    int keyCode = 0;         // Key: the virtual key code
    unsigned shift = 0;      // Key: ShiftState flags
    std::string chars;       // Key: the character it produces (cp1250), if any; Type: the text
    long ticks = 0;          // Tick: how many
};

struct WalkParseError {
    int line = 0;
    std::string message;  // Czech, UTF-8, for standard error
};

// Parses a key file (UTF-8). Empty lines and lines beginning with "#" are skipped.
std::optional<std::vector<WalkToken>> ParseWalkKeys(const std::string& utf8Text,
                                                    WalkParseError* error);

// The virtual key code a window reports for a character key (letters and digits as Windows
// gives them; every other character a neutral code outside the navigation and function keys).
int VirtualKeyForChar(char cp1250);

}  // namespace vek::player
