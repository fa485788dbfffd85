#include "player/shell/text_helpers.h"

namespace vek::player {

std::string DisplayName(std::string_view id) {
    std::string out;
    int depth = 0;
    for (char c : id) {
        if (c == '[') {
            ++depth;
        } else if (c == ']' && depth > 0) {
            --depth;
        } else if (depth == 0) {
            out += c == '_' ? ' ' : c;
        }
    }
    return out;
}

std::optional<std::string> ShowTextLine(std::string_view text) {
    if (text.find_first_not_of(' ') == std::string_view::npos)
        return std::nullopt;
    if (text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

SpokenText SplitSpokenText(std::string_view text) {
    SpokenText result;
    std::string rest(text);
    auto open = rest.find("PLAY(");
    auto close = open == std::string::npos ? std::string::npos : rest.find(')', open + 5);
    if (close == std::string::npos) {
        result.text = std::move(rest);
        return result;
    }
    result.sound = rest.substr(open + 5, close - open - 5);
    rest.erase(open, close - open + 1);
    std::erase(rest, ';');
    if (auto twin = rest.find("  "); twin != std::string::npos)
        rest.erase(twin, 1);
    result.text = std::move(rest);
    return result;
}

}  // namespace vek::player
