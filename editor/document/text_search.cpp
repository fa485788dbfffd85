#include "editor/document/text_search.h"

#include <algorithm>
#include <string>

#include "common/cp1250.h"

namespace vek::editor {

bool IsWordSeparator(char ch) {
    auto c = static_cast<unsigned char>(ch);
    switch (c) {
        case 32:
        case 33:
        case 34:
        case 36:
        case 37:
        case 38:
        case 91:
        case 92:
        case 93:
        case 95:
        case 123:
        case 124:
        case 125:
            return true;
        default:
            return (c >= 40 && c <= 47) || (c >= 58 && c <= 63);
    }
}

bool IsWholeWord(std::string_view text, std::size_t position, std::size_t length) {
    bool startOk = position <= 1 || IsWordSeparator(text[position - 2]);
    std::size_t after = position - 1 + length;  // 0-based index of the character behind
    bool endOk = after >= text.size() || IsWordSeparator(text[after]);
    return startOk && endOk;
}

bool BracketDepth(std::string_view text, std::size_t position) {
    int depth = 0;
    for (std::size_t i = 0; i < position && i < text.size(); ++i) {
        char c = text[i];
        if (c == '(' || c == '[')
            ++depth;
        else if ((c == ')' || c == ']') && depth > 0)
            --depth;
    }
    return depth > 0;
}

std::size_t FindInText(std::string_view pattern, std::string_view text,
                       const SearchOptions& options) {
    return FindInTextFrom(pattern, text, 0, 0, options);
}

std::size_t FindInTextFrom(std::string_view pattern, std::string_view text, std::size_t from,
                           std::size_t bracketFrom, const SearchOptions& options) {
    if (pattern.empty() || from > text.size())
        return 0;
    std::string upperPattern, upperText;
    if (!options.caseSensitive) {
        upperPattern = cpUpper(pattern);
        upperText = cpUpper(text);
        pattern = upperPattern;
        text = upperText;
    }
    bracketFrom = std::min(bracketFrom, text.size());
    while (true) {
        std::size_t at = text.find(pattern, from);
        if (at == std::string_view::npos)
            return 0;
        bool rejected =
            (options.wholeWords && !IsWholeWord(text, at + 1, pattern.size())) ||
            (options.insideBrackets &&
             (at < bracketFrom || !BracketDepth(text.substr(bracketFrom), at + 1 - bracketFrom)));
        if (!rejected)
            return at + 1;
        from = at + 1;
    }
}

}  // namespace vek::editor
