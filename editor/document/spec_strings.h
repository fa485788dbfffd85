// The multi-line fields of the editor's document: script lines and name lists.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "editor/document/text_search.h"

namespace vek::editor {

class TSpecStrings : public StringList {
  public:
    using StringList::StringList;
    TSpecStrings() = default;
    TSpecStrings(const StringList& other) : StringList(other) {}

    // Character offset of (0-based line, 1-based column) in the text an edit control shows,
    // lines joined by a two-character line break.
    std::size_t GetXY(std::size_t line, std::size_t column) const;

    // Moves `line` (0-based) and `column` (1-based) to the next match of `pattern` at or after
    // them; false when there is none (then `line` is the line count).
    bool FindPattern(std::string_view pattern, std::size_t& line, std::size_t& column,
                     const SearchOptions& options) const;

    // The field as an edit control shows it, and back.
    std::string text() const;
    void setText(std::string_view text);
};

}  // namespace vek::editor
