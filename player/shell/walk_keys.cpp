#include "player/shell/walk_keys.h"

#include <charconv>
#include <map>

#include "common/cp1250.h"
#include "common/text_file.h"
#include "player/shell/shell.h"

namespace vek::player {

namespace {

constexpr int kNeutralCharKey = 0xDE;  // VK_OEM_7: a character key with no meaning of its own

struct NamedKey {
    int code;
    unsigned shift;
    std::string chars;
};

const std::map<std::string, NamedKey>& namedKeys() {
    static const std::map<std::string, NamedKey> keys = {
        {"Enter", {vk::Return, ShiftNone, "\r"}},
        {"Escape", {vk::Escape, ShiftNone, "\x1B"}},
        {"Space", {vk::Space, ShiftNone, " "}},
        {"Up", {vk::Up, ShiftNone, ""}},
        {"Down", {vk::Down, ShiftNone, ""}},
        {"Left", {vk::Left, ShiftNone, ""}},
        {"Right", {vk::Right, ShiftNone, ""}},
        {"Home", {vk::Home, ShiftNone, ""}},
        {"End", {vk::End, ShiftNone, ""}},
        {"PageUp", {vk::Prior, ShiftNone, ""}},
        {"PageDown", {vk::Next, ShiftNone, ""}},
        {"F2", {vk::F2, ShiftNone, ""}},
        {"F3", {vk::F3, ShiftNone, ""}},
        {"Ctrl+Left", {vk::Left, ShiftCtrl, ""}},
        {"Ctrl+Right", {vk::Right, ShiftCtrl, ""}},
    };
    return keys;
}

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.pop_back();
    return s;
}

// Fills `token` from the text after an optional "!"; an error message when it is no token.
std::optional<std::string> parseBody(const std::string& body, WalkToken& token) {
    if (auto it = namedKeys().find(body); it != namedKeys().end()) {
        token.kind = WalkToken::Kind::Key;
        token.keyCode = it->second.code;
        token.shift = it->second.shift;
        token.chars = it->second.chars;
        return std::nullopt;
    }
    if (body == "Wait") {
        token.kind = WalkToken::Kind::Wait;
        return std::nullopt;
    }
    auto argument = [&](std::string_view word) -> std::optional<std::string> {
        if (body.size() > word.size() && body.compare(0, word.size(), word) == 0 &&
            body[word.size()] == ' ')
            return body.substr(word.size() + 1);
        return std::nullopt;
    };
    if (auto n = argument("Tick")) {
        long ticks = 0;
        auto [end, ec] = std::from_chars(n->data(), n->data() + n->size(), ticks);
        if (ec != std::errc() || end != n->data() + n->size() || ticks < 0)
            return "Tick potřebuje počet tiků";
        token.kind = WalkToken::Kind::Tick;
        token.ticks = ticks;
        return std::nullopt;
    }
    auto text = argument("Key");
    bool single = text.has_value();
    if (!text)
        text = argument("Type");
    if (!text)
        return "neznámý pokyn „" + body + "“";
    EncodingError encodingError;
    auto cp = utf8ToCp1250(*text, &encodingError);
    if (!cp || cp->empty())
        return "text nelze zapsat v kódové stránce 1250";
    if (single && cp->size() != 1)
        return "Key bere právě jeden znak";
    token.kind = single ? WalkToken::Kind::Key : WalkToken::Kind::Type;
    token.chars = *cp;
    token.keyCode = VirtualKeyForChar((*cp)[0]);
    return std::nullopt;
}

}  // namespace

int VirtualKeyForChar(char cp1250) {
    auto c = static_cast<unsigned char>(cp1250);
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return c;
    if (c == ' ')
        return vk::Space;
    if (c == '\r')
        return vk::Return;
    if (c == 0x1B)
        return vk::Escape;
    if (c == '\b')
        return vk::Back;
    return kNeutralCharKey;
}

std::optional<std::vector<WalkToken>> ParseWalkKeys(const std::string& utf8Text,
                                                    WalkParseError* error) {
    std::vector<WalkToken> tokens;
    int number = 0;
    for (const std::string& raw : splitLines(utf8Text)) {
        ++number;
        std::string line = trimRight(raw);
        std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#')
            continue;
        line = line.substr(start);
        WalkToken token;
        token.written = line;
        token.line = number;
        std::string body = line;
        if (body[0] == '!') {
            token.immediate = true;
            body.erase(0, 1);
        }
        if (auto message = parseBody(body, token)) {
            if (error)
                *error = WalkParseError{number, *message};
            return std::nullopt;
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

}  // namespace vek::player
