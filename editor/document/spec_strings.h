// The multi-line fields of the editor's document: script lines and name lists.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "editor/document/text_search.h"

namespace vek::editor {

// A place in a multi-line field: a 0-based line and a 0-based column within it. A Qt text
// editor counts a line break as one character and GetXY counts two, so places cross between
// the document and the widgets as (line, column), never as offsets.
struct TextPosition {
    std::size_t line = 0;
    std::size_t column = 0;
    friend bool operator==(const TextPosition&, const TextPosition&) = default;
};

class TSpecStrings : public StringList {
  public:
    using StringList::StringList;
    TSpecStrings() = default;
    TSpecStrings(const StringList& other) : StringList(other) {}

    // Character offset of (0-based line, 1-based column) in the text an edit control shows,
    // lines joined by a two-character line break.
    std::size_t GetXY(std::size_t line, std::size_t column) const;
    // The place of a GetXY offset; an offset inside a line break or beyond the text is the end
    // of that line or of the text.
    TextPosition PositionOf(std::size_t offset) const;

    // Moves `line` (0-based) and `column` (1-based) to the next match of `pattern` at or after
    // them; false when there is none (then `line` is the line count).
    bool FindPattern(std::string_view pattern, std::size_t& line, std::size_t& column,
                     const SearchOptions& options) const;

    // The field as an edit control shows it, and back.
    std::string text() const;
    void setText(std::string_view text);
};

}  // namespace vek::editor
