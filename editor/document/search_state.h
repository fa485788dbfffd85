// Where a search through the scenario stands between commands.
#pragma once

#include <cstddef>
#include <string>

namespace vek::editor {

struct TOkna;
struct TPredmet;

// Areas of the walk: windows, items, scenario texts, then the finished position.
enum class SearchArea : int { Windows = 1, Items = 2, Texts = 3, Finished = 4 };

struct THledani {
    SearchArea Area = SearchArea::Windows;
    int Field = 1;
    bool JustFound = false;
    const TOkna* SearchWindow = nullptr;
    const TPredmet* SearchItem = nullptr;
    std::size_t LineIndex = 0;  // 0-based line within the field
    std::size_t Column = 1;     // 1-based; after a match, just behind it
    std::string Pattern;
    std::string Replacement;
    bool OpenedProperties = false;  // the search showed the properties dialog itself

    // The state after "Nový", a load and closing: nothing to continue.
    void Reset() {
        *this = THledani{};
        Area = SearchArea::Finished;
    }
};

}  // namespace vek::editor
