// Finding a text inside script lines: whole words, inside brackets, with or without case.
#pragma once

#include <cstddef>
#include <string_view>

namespace vek::editor {

struct SearchOptions {
    bool insideBrackets = false;  // "Jen v parametrech funkcí"
    bool wholeWords = false;      // "Pouze celá slova"
    bool caseSensitive = false;   // "Rozlišovat velká/malá"
};

// Whether `c` delimits a whole word (space, punctuation of scripts, the underscore).
bool IsWordSeparator(char c);

// The occurrence of `length` characters at 1-based `position` starts and ends a word.
bool IsWholeWord(std::string_view text, std::size_t position, std::size_t length);

// Whether the 1-based `position` lies inside round or square brackets, counting from the text's
// start up to and including that character; closing brackets never count below zero.
bool BracketDepth(std::string_view text, std::size_t position);

// 1-based position of the first acceptable occurrence of `pattern` in `text`, or 0. An empty
// pattern is never found. After a rejected occurrence the search resumes one character later,
// so overlapping candidates are not missed.
std::size_t FindInText(std::string_view pattern, std::string_view text,
                       const SearchOptions& options);

// The same, for occurrences that begin at 0-based index `from` or later. Whole words are judged
// against the whole text; the bracket depth is counted from index `bracketFrom` on.
std::size_t FindInTextFrom(std::string_view pattern, std::string_view text, std::size_t from,
                           std::size_t bracketFrom, const SearchOptions& options);

}  // namespace vek::editor
