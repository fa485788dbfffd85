#include "editor/document/search.h"

#include <algorithm>
#include <iterator>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "editor/document/fields.h"

namespace vek::editor {

namespace {

// The owner whose story fields an area of the walk goes through.
FieldOwner ownerOf(SearchArea area) {
    switch (area) {
        case SearchArea::Items:
            return FieldOwner::Item;
        case SearchArea::Texts:
            return FieldOwner::Settings;
        default:
            return FieldOwner::Window;
    }
}

int fieldCount(SearchArea area) {
    return static_cast<int>(StoryFields(ownerOf(area)).size());
}

}  // namespace

Field FieldOfHit(const SearchHit& hit) {
    auto fields = StoryFields(ownerOf(hit.area));
    std::size_t i = hit.field >= 1 ? static_cast<std::size_t>(hit.field - 1) : 0;
    return fields[std::min(i, fields.size() - 1)]->field;
}

const TSpecStrings* SearchedField(const SearchHit& hit, const ScenarioSettings& settings) {
    const void* owner = nullptr;
    switch (hit.area) {
        case SearchArea::Windows:
            owner = hit.window;
            break;
        case SearchArea::Items:
            owner = hit.item;
            break;
        case SearchArea::Texts:
            owner = &settings;
            break;
        case SearchArea::Finished:
            break;
    }
    auto fields = StoryFields(ownerOf(hit.area));
    if (!owner || hit.field < 1 || hit.field > static_cast<int>(fields.size()))
        return nullptr;
    return &fields[static_cast<std::size_t>(hit.field - 1)]->linesIn(owner);
}

TReplaceForm::TReplaceForm(EditorDocument& doc, SearchView& view)
    : doc_(doc), view_(view), subscription_(doc, [this](const DocumentChange& change) {
          if (change.kind == ChangeKind::DocumentReplaced)
              state_.Reset();
      }) {
    state_.Reset();
}

template <typename T>
const T* TReplaceForm::validated(const SortedNamedList<T>& list, const T* object,
                                 std::size_t& hint) {
    if (!object)
        return nullptr;
    if (hint < list.size() && list.objectAt(hint) == object)
        return object;
    int i = list.indexOfObject(object);
    if (i >= 0) {
        hint = static_cast<std::size_t>(i);
        return object;
    }
    // Deleted since the last command: go on from the start of the entry that took its place.
    if (hint >= list.size())
        return nullptr;
    state().Field = 1;
    state().LineIndex = 0;
    state().Column = 1;
    return list.objectAt(hint);
}

const TSpecStrings* TReplaceForm::currentField() {
    THledani& s = state();
    switch (s.Area) {
        case SearchArea::Windows:
            s.SearchWindow = validated(doc_.Windows(), s.SearchWindow, windowHint_);
            break;
        case SearchArea::Items:
            s.SearchItem = validated(doc_.Items(), s.SearchItem, itemHint_);
            break;
        default:
            break;
    }
    SearchHit at;
    at.area = s.Area;
    at.field = s.Field;
    at.window = s.SearchWindow;
    at.item = s.SearchItem;
    return SearchedField(at, doc_.Settings());
}

void TReplaceForm::advance() {
    THledani& s = state();
    ++s.Field;
    s.LineIndex = 0;
    s.Column = 1;
    switch (s.Area) {
        case SearchArea::Windows:
            if (s.Field > fieldCount(s.Area)) {
                s.Field = 1;
                std::size_t next = windowHint_ + 1;
                s.SearchWindow = s.SearchWindow && next < doc_.Windows().size()
                                     ? doc_.Windows().objectAt(windowHint_ = next)
                                     : nullptr;
            }
            if (!s.SearchWindow) {
                s.Field = 1;
                s.Area = SearchArea::Items;
                itemHint_ = 0;
                s.SearchItem = doc_.Items().empty() ? nullptr : doc_.Items().objectAt(0);
            }
            break;
        case SearchArea::Items:
            if (s.Field > fieldCount(s.Area)) {
                s.Field = 1;
                std::size_t next = itemHint_ + 1;
                s.SearchItem = s.SearchItem && next < doc_.Items().size()
                                   ? doc_.Items().objectAt(itemHint_ = next)
                                   : nullptr;
            }
            if (!s.SearchItem) {
                s.Field = 1;
                s.Area = SearchArea::Texts;
            }
            break;
        case SearchArea::Texts:
            if (s.Field > fieldCount(s.Area)) {
                s.Field = 1;
                s.Area = SearchArea::Finished;
            }
            break;
        case SearchArea::Finished:
            break;
    }
}

bool TReplaceForm::SearchOn() {
    THledani& s = state();
    EditorDocument::UpdateGuard guard(doc_);
    bool found = false;
    while (true) {
        if (const TSpecStrings* field = currentField();
            field && field->FindPattern(s.Pattern, s.LineIndex, s.Column, options)) {
            lastHit_ = SearchHit{s.Area,
                                 s.Field,
                                 s.SearchWindow,
                                 s.SearchItem,
                                 s.LineIndex,
                                 s.Column,
                                 field->GetXY(s.LineIndex, s.Column),
                                 s.Pattern.size()};
            if (s.Area == SearchArea::Windows)
                doc_.Show(s.SearchWindow);
            if (s.Area == SearchArea::Items)
                doc_.Show(s.SearchItem);
            if (view_.ShowHit(lastHit_))
                s.OpenedProperties = true;
            s.Column += s.Pattern.size();
            found = true;
            break;
        }
        if (s.Area == SearchArea::Finished) {
            if (s.OpenedProperties)
                view_.HideProperties();
            s.OpenedProperties = false;
            break;
        }
        advance();
    }
    return found;
}

bool TReplaceForm::FindFirst(std::string_view pattern, std::string_view replacement) {
    THledani& s = state();
    view_.CancelSelection();
    s.Area = SearchArea::Windows;
    s.Field = 1;
    s.LineIndex = 0;
    s.Column = 1;
    windowHint_ = 0;
    s.SearchWindow = doc_.Windows().empty() ? nullptr : doc_.Windows().objectAt(0);
    s.SearchItem = nullptr;
    s.Pattern = pattern;
    s.Replacement = replacement;
    bool found = SearchOn();
    s.JustFound = true;
    return found;
}

bool TReplaceForm::FindNext(std::string_view pattern, std::string_view replacement) {
    THledani& s = state();
    view_.CancelSelection();
    if (pattern != s.Pattern) {
        s.Pattern = pattern;
        s.LineIndex = 0;
        s.Column = 1;
        s.Area = SearchArea::Texts;
        s.Field = 1;
        SearchPlace place = view_.CurrentPlace();
        if (place.page == SearchPlace::Page::Windows) {
            s.Area = SearchArea::Windows;
            s.SearchWindow = doc_.ShownWindow();
            s.SearchItem = nullptr;
        } else if (place.page == SearchPlace::Page::Items) {
            s.Area = SearchArea::Items;
            s.SearchWindow = nullptr;
            s.SearchItem = doc_.ShownItem();
        }
        int maxField = fieldCount(s.Area);
        if (s.Area != SearchArea::Texts && place.field >= 1 && place.field <= maxField) {
            s.Field = place.field;
            s.LineIndex = place.caretLine;
            s.Column = place.caretColumn + 1;
        }
    }
    s.Replacement = replacement;
    bool found = SearchOn();
    s.JustFound = true;
    return found;
}

bool TReplaceForm::hitStillInField() {
    // The field may have been edited since the match was shown; never replace other text.
    const TSpecStrings* field = currentField();
    if (!field || lastHit_.line >= field->size() || lastHit_.length == 0)
        return false;
    std::string_view line = (*field)[lastHit_.line];
    if (lastHit_.column - 1 + lastHit_.length > line.size())
        return false;
    std::string_view found = line.substr(lastHit_.column - 1, lastHit_.length);
    return options.caseSensitive ? found == state().Pattern
                                 : cpUpper(found) == cpUpper(state().Pattern);
}

bool TReplaceForm::ReplaceOne(std::string_view pattern, std::string_view replacement) {
    THledani& s = state();
    s.Replacement = replacement;
    bool inPlace = s.JustFound && pattern == s.Pattern && hitStillInField() &&
                   view_.HitStillSelected(lastHit_);
    bool result = inPlace || FindNext(pattern, replacement);
    if (result) {
        ReplaceAnswer answer = askBeforeReplace ? view_.AskReplace() : ReplaceAnswer::Yes;
        if (answer == ReplaceAnswer::Yes) {
            // The hit's field is the one the search stands in.
            const void* owner =
                lastHit_.area == SearchArea::Windows ? static_cast<const void*>(lastHit_.window)
                : lastHit_.area == SearchArea::Items ? static_cast<const void*>(lastHit_.item)
                                                     : nullptr;
            doc_.ReplaceText(owner, FieldOfHit(lastHit_), lastHit_.line, lastHit_.column - 1,
                             lastHit_.length, s.Replacement);
            // Go on behind the inserted text, so it is never searched again.
            s.LineIndex = lastHit_.line;
            s.Column = lastHit_.column + s.Replacement.size();
            view_.FieldReplaced(lastHit_, s.Replacement.size());
        } else {
            view_.PlaceCaretBehind(lastHit_);
            result = answer != ReplaceAnswer::Cancel;
        }
    }
    s.JustFound = false;
    return result;
}

int TReplaceForm::ReplaceAll(std::string_view pattern, std::string_view replacement) {
    if (!FindFirst(pattern, replacement))
        return -1;
    // Every replacement of the walk is one step of the history.
    EditorDocument::Step step(doc_, "záměna všech výskytů"_cp);
    int count = 0;
    while (ReplaceOne(pattern, replacement))
        ++count;
    return count;
}

std::string TReplaceForm::NotFoundMessage() const {
    return "\"" + state_.Pattern + "\" nenalezeno.";
}

}  // namespace vek::editor
