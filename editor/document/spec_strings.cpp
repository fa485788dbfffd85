#include "editor/document/spec_strings.h"

#include "common/text_file.h"

namespace vek::editor {

std::size_t TSpecStrings::GetXY(std::size_t line, std::size_t column) const {
    std::size_t offset = 0;
    for (std::size_t i = 0; i < line && i < size(); ++i)
        offset += (*this)[i].size() + 2;
    return offset + (column > 0 ? column - 1 : 0);
}

TextPosition TSpecStrings::PositionOf(std::size_t offset) const {
    for (std::size_t i = 0; i < size(); ++i) {
        std::size_t length = (*this)[i].size();
        if (offset <= length)
            return {i, offset};
        if (offset < length + 2 || i + 1 == size())
            return {i, length};
        offset -= length + 2;
    }
    return {};
}

bool TSpecStrings::FindPattern(std::string_view pattern, std::size_t& line, std::size_t& column,
                               const SearchOptions& options) const {
    if (column < 1)
        column = 1;
    while (line < size()) {
        const std::string& text = (*this)[line];
        // The bracket depth is always measured from the line's start, whatever the column.
        std::size_t position = FindInTextFrom(pattern, text, column - 1, 0, options);
        if (position) {
            column = position;
            return true;
        }
        ++line;
        column = 1;
    }
    return false;
}

std::string TSpecStrings::text() const {
    std::string out;
    for (std::size_t i = 0; i < size(); ++i) {
        if (i)
            out += "\r\n";
        out += (*this)[i];
    }
    return out;
}

void TSpecStrings::setText(std::string_view text) {
    assign(text.empty() ? std::vector<std::string>{} : splitLines(text));
}

}  // namespace vek::editor
