// Finding and replacing text in the scripts and texts of the whole scenario, in a fixed walk
// over windows, items and the scenario texts. The dialog only shows what this finds: it selects
// the match in the control that holds the field and asks the author when asked to.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "editor/document/document.h"
#include "editor/document/search_state.h"
#include "editor/document/text_search.h"

namespace vek::editor {

// A match: the field it is in, its place there and its offset as the edit control counts.
struct SearchHit {
    SearchArea area = SearchArea::Windows;
    int field = 1;
    const TOkna* window = nullptr;
    const TPredmet* item = nullptr;
    std::size_t line = 0;    // 0-based
    std::size_t column = 1;  // 1-based start of the match
    std::size_t offset = 0;  // GetXY of the start
    std::size_t length = 0;

    // Where the match starts, as the script editors take it.
    TextPosition position() const { return {line, column > 0 ? column - 1 : 0}; }
};

// The document field a match lies in.
Field FieldOfHit(const SearchHit& hit);

// The lines of the field a match (or the walk's current place) lies in; nullptr when its window
// or item is gone or its field number is out of range.
const TSpecStrings* SearchedField(const SearchHit& hit, const ScenarioSettings& settings);

enum class ReplaceAnswer { Yes, No, Cancel };

// Which page the author is on and which script editor has the focus there.
struct SearchPlace {
    enum class Page { Windows, Items, Other } page = Page::Other;
    int field = 0;                // 1 to 5 for a focused script editor of the page, else 0
    std::size_t caretLine = 0;    // 0-based
    std::size_t caretColumn = 0;  // 0-based
};

// What the search needs from the windows.
class SearchView {
  public:
    virtual ~SearchView() = default;
    // Shows the field of `hit` (page, current window or item, or the properties dialog) and
    // selects the match in its editor. Returns whether it had to open the properties dialog.
    virtual bool ShowHit(const SearchHit& hit) = 0;
    // A find starts: a script editor with the focus drops its selection.
    virtual void CancelSelection() {}
    // The search ended after opening the properties dialog itself: hide it again.
    virtual void HideProperties() {}
    // The field of `hit` was changed by a replacement of `length` characters: refill its editor
    // and select the inserted text.
    virtual void FieldReplaced(const SearchHit& hit, std::size_t length) {}
    // A match answered No or Cancel stays as it is: the caret goes just behind it, so that the
    // author (and the next command) goes on from there.
    virtual void PlaceCaretBehind(const SearchHit& hit) {}
    // "Zaměnit výskyt?"
    virtual ReplaceAnswer AskReplace() { return ReplaceAnswer::Yes; }
    virtual SearchPlace CurrentPlace() const { return {}; }
    // Whether the last match is still selected in a script editor (the author may have moved).
    virtual bool HitStillSelected(const SearchHit& hit) const { return true; }
};

// The logic of search and replace, without a window: the walk through the scenario's fields, the
// matches and the replacements. The name is the dialog's own; the window a person sees is
// Replace_form (editor/ui/replace_form.h), which drives a TReplaceForm as its SearchView.
class TReplaceForm {
  public:
    // The search position survives the dialog being hidden; a new document starts it over.
    TReplaceForm(EditorDocument& doc, SearchView& view);

    SearchOptions options;
    bool askBeforeReplace = false;  // "Dotázat se při záměně"

    bool FindFirst(std::string_view pattern, std::string_view replacement);
    bool FindNext(std::string_view pattern, std::string_view replacement);
    bool ReplaceOne(std::string_view pattern, std::string_view replacement);
    // Replaces from the first window on until the walk ends or the author cancels; the number of
    // matches handled, or -1 when nothing was found.
    int ReplaceAll(std::string_view pattern, std::string_view replacement);

    // "\"" + pattern + "\" nenalezeno."
    std::string NotFoundMessage() const;
    // The state the dialog shows after being opened.
    void Shown() { state_.JustFound = true; }
    const THledani& State() const { return state_; }

  private:
    THledani& state() { return state_; }
    bool SearchOn();
    bool hitStillInField();
    const TSpecStrings* currentField();
    void advance();
    template <typename T>
    const T* validated(const SortedNamedList<T>& list, const T* object, std::size_t& hint);

    EditorDocument& doc_;
    SearchView& view_;
    SearchHit lastHit_;
    std::size_t windowHint_ = 0;
    std::size_t itemHint_ = 0;
    THledani state_;
    DocumentSubscription subscription_;
};

}  // namespace vek::editor
