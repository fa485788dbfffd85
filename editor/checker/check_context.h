// What every part of the checker shares while one scenario is checked: the scenario as the
// player loaded it, the editor's menus, the sound keys the scenario declares, the problems found
// so far, and the names scripts add or go to (for the reachability of windows and items).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "editor/checker/problem.h"
#include "player/world/world.h"

namespace vek::editor {

class EditorDocument;

class CheckContext {
  public:
    CheckContext(const player::GameState& world, const EditorDocument* document)
        : world(world), document(document) {}

    const player::GameState& world;
    const EditorDocument* document;  // none: menus are not checked
    StringList soundKeys;            // every key a lookup by name can find

    // Where the next problems belong. `order` is the object's position within its kind;
    // problems are sorted by kind, order, field and line at the end.
    void at(ProblemPlace place, std::size_t order) {
        place_ = std::move(place);
        order_ = order;
    }
    void line(int line) { place_.line = line; }
    const ProblemPlace& place() const { return place_; }

    void error(std::string message) { add(Severity::Error, std::move(message)); }
    void warning(std::string message) { add(Severity::Warning, std::move(message)); }

    bool isWindow(std::string_view name) const { return world.WindowList.Najdi(name) != nullptr; }
    bool isItem(std::string_view name) const { return world.ItemList.Najdi(name) != nullptr; }
    bool isSound(std::string_view name) const { return soundKeys.contains(name); }

    // Windows a script makes reachable (GO, ADDCS) and items a script brings into play (ADD,
    // EXCH).
    StringList windowsEntered;
    StringList itemsAdded;

    // The problems in report order: windows, items, scenario texts, menus, sounds; within each,
    // the order of the objects, their fields and lines.
    std::vector<Problem> sortedProblems() const;

  private:
    struct Found {
        std::size_t order;
        std::size_t sequence;
        Problem problem;
    };
    void add(Severity severity, std::string message);

    ProblemPlace place_;
    std::size_t order_ = 0;
    std::vector<Found> found_;
};

}  // namespace vek::editor
