// Small text rules of the command lists and game commands.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vek::player {

// How an id is shown in lists: bracketed parts (nested) removed, "_" turned into spaces.
// A "]" met outside brackets is kept: a]b stays a]b.
std::string DisplayName(std::string_view id);

// The line ShowText writes: nullopt for an empty or all-space text; otherwise at most one
// leading and one trailing space removed.
std::optional<std::string> ShowTextLine(std::string_view text);

// A text split for ShowAndSpeak: an embedded PLAY(name) cut out and its name given apart; the
// rest without ";" and with the first double space made single.
struct SpokenText {
    std::string text;
    std::optional<std::string> sound;  // the embedded name, when there was one
};
SpokenText SplitSpokenText(std::string_view text);

}  // namespace vek::player
