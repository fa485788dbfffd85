#include "editor/checker/checker.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "common/cp1250.h"
#include "editor/checker/czech.h"
#include "editor/checker/script_checker.h"
#include "editor/checker/sound_checker.h"
#include "editor/document/document.h"
#include "player/script/scenario_sounds.h"
#include "player/sound/sound_list.h"
#include "player/world/loader.h"

namespace vek::editor {

namespace fs = std::filesystem;
using player::GameState;
using player::TOkno;

// ---- CheckContext ----

void CheckContext::add(Severity severity, std::string message) {
    found_.push_back({order_, found_.size(), {severity, place_, std::move(message)}});
}

std::vector<Problem> CheckContext::sortedProblems() const {
    std::vector<const Found*> order;
    order.reserve(found_.size());
    for (const Found& f : found_)
        order.push_back(&f);
    std::sort(order.begin(), order.end(), [](const Found* a, const Found* b) {
        const ProblemPlace& pa = a->problem.place;
        const ProblemPlace& pb = b->problem.place;
        if (pa.kind != pb.kind)
            return pa.kind < pb.kind;
        if (a->order != b->order)
            return a->order < b->order;
        if (pa.field != pb.field)
            return pa.field < pb.field;
        if (pa.line != pb.line)
            return pa.line < pb.line;
        return a->sequence < b->sequence;
    });
    std::vector<Problem> problems;
    problems.reserve(order.size());
    for (const Found* f : order)
        problems.push_back(f->problem);
    return problems;
}

namespace {

// The loader's host: the checker has no trace and no message box.
class SilentHost : public player::WorldHost {
  public:
    void ShowError(const std::string&, const std::string&) override {}
};

// What the player queues for a window's or item's sound: the key before any "|".
std::string_view soundKey(std::string_view soundId) {
    return soundId.substr(0, soundId.find('|'));
}

void checkSoundField(CheckContext& c, std::string_view soundId) {
    if (!soundId.empty() && !c.isSound(soundKey(soundId)))
        c.error(say("zvuk „{}“ neexistuje"_cp, {soundKey(soundId)}));
}

// A list of names, one a line, each of which must name something.
void checkNames(CheckContext& c, const StringList& names,
                const std::function<bool(std::string_view)>& exists, const char* what) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (exists(names[i]))
            continue;
        c.line(static_cast<int>(i) + 1);
        c.error(say("{} „{}“ neexistuje"_cp, {what, names[i]}));
    }
    c.line(0);
}

class ScenarioChecker {
  public:
    ScenarioChecker(CheckContext& c) : c_(c), world_(c.world) {}

    void windows() {
        for (std::size_t i = 0; i < world_.WindowList.size(); ++i) {
            const TOkno& w = *world_.WindowList.at(i);
            auto at = [&](ProblemField f) { c_.at({PlaceKind::Window, w.Name, f, 0}, i); };
            at(ProblemField::WindowSound);
            checkSoundField(c_, w.SoundId);
            script(at, ProblemField::Look, w.LookScript);
            script(at, ProblemField::Arrival, w.ArrivalScript);
            script(at, ProblemField::Departure, w.DepartureScript);
            at(ProblemField::Paths);
            checkNames(c_, w.Paths, isWindow(), "okno");
            at(ProblemField::Items);
            checkNames(c_, w.Items, isItem(), "předmět"_cp);
            at(ProblemField::Music);
            checkNames(c_, w.Music, isSound(), "zvuk");
        }
    }

    void items() {
        for (std::size_t i = 0; i < world_.ItemList.size(); ++i) {
            const player::TPredmet& p = *world_.ItemList.at(i);
            auto at = [&](ProblemField f) { c_.at({PlaceKind::Item, p.Name, f, 0}, i); };
            at(ProblemField::ItemSound);
            checkSoundField(c_, p.SoundId);
            script(at, ProblemField::Examine, p.ExamineScript);
            script(at, ProblemField::Take, p.TakeScript);
            script(at, ProblemField::Put, p.PutScript);
            script(at, ProblemField::Use, p.UseScript);
            script(at, ProblemField::Talk, p.TalkScript);
        }
    }

    void scenarioTexts(const std::string& startWindow) {
        auto at = [&](ProblemField f) { c_.at({PlaceKind::Scenario, {}, f, 0}, 0); };
        at(ProblemField::Start);
        if (world_.WindowList.empty())
            c_.error("scénář nemá žádné okno"_cp);
        else if (startWindow.empty())
            c_.warning(say("startovní okno není zadáno; hra začne v okně „{}“"_cp,
                           {world_.WindowList.nameAt(0)}));
        else if (!c_.isWindow(startWindow))
            c_.error(say("startovní okno „{}“ neexistuje; hra začne v okně „{}“"_cp,
                         {startWindow, world_.WindowList.nameAt(0)}));
        at(ProblemField::Inventory);
        checkNames(c_, world_.Inventory, isItem(), "předmět"_cp);
        script(at, ProblemField::Intro, world_.IntroText);
        script(at, ProblemField::Win, world_.WinText);
        script(at, ProblemField::Lose, world_.LoseText);
        script(at, ProblemField::Cycle, world_.CycleText);
    }

    void menus(const EditorDocument& doc) {
        std::size_t order = 0;
        for (std::size_t i = 0; i < doc.Menus().size(); ++i) {
            const TNabidka& m = *doc.Menus().objectAt(i);
            if (m.Name == kSystemMenuName)
                continue;  // the player's own menu: the editor lists it but it is not editable
            auto at = [&](ProblemField f) { c_.at({PlaceKind::Menu, m.Name, f, 0}, order); };
            at(ProblemField::MenuParent);
            if (!m.Parent.empty() && m.Parent != kAutomaticParent &&
                !doc.Menus().contains(m.Parent))
                c_.error(say("nadřazená nabídka „{}“ neexistuje"_cp, {m.Parent}));
            at(ProblemField::MenuEntries);
            checkNames(c_, m.Entries, isMenuEntry(doc), "položka"_cp);
            ++order;
        }
        for (std::size_t i = 0; i < doc.MenuItems().size(); ++i) {
            const TPolozka& p = *doc.MenuItems().objectAt(i);
            auto at = [&](ProblemField f) { c_.at({PlaceKind::MenuItem, p.Name, f, 0}, i); };
            at(ProblemField::MenuItemSound);
            if (p.SoundId != kNoSound)
                checkSoundField(c_, p.SoundId);
            at(ProblemField::MenuItemFunction);
            CheckScript(c_, p.FunctionScript, ScriptKind::Menu);
        }
    }

    // Windows no path, ADDCS or GO leads to from the start window; items that lie nowhere, are
    // held by nobody and that no script adds.
    void structure() {
        std::vector<bool> reached(world_.WindowList.size(), false);
        std::deque<const TOkno*> todo;
        auto reach = [&](const TOkno* w) {
            if (!w)
                return;
            int i = indexOf(w);
            if (i >= 0 && !reached[static_cast<std::size_t>(i)]) {
                reached[static_cast<std::size_t>(i)] = true;
                todo.push_back(w);
            }
        };
        reach(world_.CurrentWindow);
        for (const std::string& name : c_.windowsEntered)
            reach(world_.WindowList.Najdi(name));
        while (!todo.empty()) {
            const TOkno* w = todo.front();
            todo.pop_front();
            for (const std::string& path : w->Paths)
                reach(world_.WindowList.Najdi(path));
        }
        for (std::size_t i = 0; i < reached.size(); ++i) {
            if (reached[i])
                continue;
            c_.at({PlaceKind::Window, world_.WindowList.nameAt(i), ProblemField::None, 0}, i);
            c_.warning("okno nelze dosáhnout ze startovního okna (cestami, ADDCS ani GO)"_cp);
        }

        StringList placed = world_.Inventory;
        for (std::size_t i = 0; i < world_.WindowList.size(); ++i)
            for (const std::string& item : world_.WindowList.at(i)->Items)
                placed.add(item);
        for (std::size_t i = 0; i < world_.ItemList.size(); ++i) {
            const std::string& name = world_.ItemList.nameAt(i);
            if (placed.contains(name) || c_.itemsAdded.contains(name))
                continue;
            c_.at({PlaceKind::Item, name, ProblemField::None, 0}, i);
            c_.warning(
                "předmět neleží v žádném okně, hráč ho nemá na začátku a žádný "
                "skript ho nepřidá"_cp);
        }
    }

  private:
    template <typename At>
    void script(At at, ProblemField field, const StringList& lines) {
        at(field);
        CheckScript(c_, lines, ScriptKind::Player);
    }

    std::function<bool(std::string_view)> isWindow() const {
        return [this](std::string_view n) { return c_.isWindow(n); };
    }
    std::function<bool(std::string_view)> isItem() const {
        return [this](std::string_view n) { return c_.isItem(n); };
    }
    std::function<bool(std::string_view)> isSound() const {
        return [this](std::string_view n) { return c_.isSound(n); };
    }
    static std::function<bool(std::string_view)> isMenuEntry(const EditorDocument& doc) {
        return [&doc](std::string_view n) {
            const auto& defaults = EditorDocument::DefaultMainMenu();
            return doc.MenuItems().contains(n) ||
                   std::any_of(defaults.begin(), defaults.end(),
                               [n](const std::string& d) { return sameText(d, n); });
        };
    }

    int indexOf(const TOkno* w) {
        if (windowIndex_.empty())
            for (std::size_t i = 0; i < world_.WindowList.size(); ++i)
                windowIndex_.emplace(world_.WindowList.at(i), static_cast<int>(i));
        auto it = windowIndex_.find(w);
        return it == windowIndex_.end() ? -1 : it->second;
    }

    CheckContext& c_;
    const GameState& world_;
    std::unordered_map<const TOkno*, int> windowIndex_;
};

}  // namespace

CheckReport CheckScenario(const CheckSetup& setup) {
    GameState world;
    SilentHost host;
    TSeznamZvuku sounds(setup.paths);
    SystemTexts texts;
    player::PlayerScenarioSounds scenarioSounds(sounds, texts);
    std::vector<std::string> entries;
    player::WorldLoadSetup load{host, &scenarioSounds, false,
                                [&entries](std::string_view e) { entries.emplace_back(e); }};
    player::LoadWorldFromBytes(setup.scenarioBytes, world, load);

    CheckContext c(world, setup.document);
    for (std::size_t i = 0; i < sounds.size(); ++i)
        c.soundKeys.add(sounds.keyAt(i));
    for (const std::string& e : entries)
        c.soundKeys.add(std::string(entry_line::Key(e)));

    ScenarioChecker checker(c);
    checker.windows();
    checker.items();
    // The start window as written: the loader has replaced one that names no window.
    checker.scenarioTexts(setup.document ? setup.document->Settings().StartWindow
                                         : world.ScenSett.StartWindow);
    if (setup.document)
        checker.menus(*setup.document);
    CheckSounds(c, entries, setup.paths);
    checker.structure();
    return {c.sortedProblems()};
}

}  // namespace vek::editor
