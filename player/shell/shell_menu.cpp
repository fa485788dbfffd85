// The command lists: what MainBox holds in each state, the empty-list fallbacks and the menu
// music.
#include <algorithm>
#include <filesystem>
#include <optional>

#include "player/shell/position_file.h"
#include "player/shell/shell.h"
#include "player/shell/text_helpers.h"
#include "player/shell/world_lists.h"

namespace vek::player {

namespace {

constexpr int kMainFont = 14;
constexpr int kListFont = 12;
constexpr int kListMenuFont = 13;
constexpr int kScenarioFont = 11;
constexpr int kSlotCount = 10;

}  // namespace

int PlayerShell::RunScript(EventKind kind, const StringList& script, bool clear) {
    readCleared_ = false;
    return script_.RunScript(kind, script, clear);
}

std::string PlayerShell::DisplayName(std::string_view id) const {
    return vek::player::DisplayName(id);
}

std::vector<std::string> PlayerShell::ItemEntries(const StringList& ids) const {
    std::vector<std::string> entries;
    for (const std::string& id : ids)
        entries.push_back(vek::player::DisplayName(id));
    return entries;
}

std::vector<std::string> PlayerShell::SlotEntries() const {
    std::vector<std::string> entries;
    int count = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        std::error_code ec;
        if (std::filesystem::exists(PositionFileName(slot), ec))
            entries.push_back(Text("SZpozice") + " " + std::to_string(count++));
        else
            entries.push_back(Text("SZprpozice"));
    }
    return entries;
}

void PlayerShell::SetEntries(std::vector<std::string> entries, int fontSize) {
    mainBox_.entries = std::move(entries);
    mainBox_.fontSize = fontSize;
    mainBox_.selection = -1;
}

void PlayerShell::EmptyFallback(const char* key) {
    ShowLine(Text(key), true, true);
    primary_.Add(narrator_.Said(key, Text(key)));
    SetMenuState(MenuState::MainMenu);
    FillMenu();
}

void PlayerShell::BuildMenu() {
    if (menuState() == MenuState::Intro)
        return;
    ++buildDepth_;
    FillMenu();
    MenuMusic();
    --buildDepth_;
    mainBox_.heading = Heading();
    view_.mainBoxChanged();
    if (buildDepth_ == 0) {
        narrator_.ListBuilt();
        view_.menuBuilt();
    }
}

std::string PlayerShell::Heading() const {
    switch (menuState()) {
        case MenuState::GoList:
        case MenuState::ExamineList:
        case MenuState::TakeList:
        case MenuState::PutList:
        case MenuState::UseList:
        case MenuState::TalkList:
        case MenuState::ListMenu:
            return keys_.MainCommandText(static_cast<int>(menuState()) - 1);
        case MenuState::UseOnList:
            return keys_.MainCommandText(5);
        case MenuState::SystemMenu:
            return keys_.MainCommandText(8);
        case MenuState::LoadList:
            return Text("SZnacti");
        case MenuState::SaveList:
            return Text("SZuloz");
        case MenuState::ScenarioList:
            return Text("SZvyberscenare");
        case MenuState::Intro:
        case MenuState::MainMenu:
            break;
    }
    return {};
}

std::optional<std::vector<std::string>> PlayerShell::GameListEntries(MenuState state) const {
    static const StringList kNone;
    switch (state) {
        case MenuState::GoList:
            return ItemEntries(world_.CurrentWindow ? world_.CurrentWindow->Paths : kNone);
        case MenuState::ExamineList:
        case MenuState::UseList:
        case MenuState::TalkList:
        case MenuState::UseOnList: {
            std::vector<std::string> entries = ItemEntries(world_.Inventory);
            for (std::string& e : ItemEntries(ItemsHere(world_)))
                entries.push_back(std::move(e));
            return entries;
        }
        case MenuState::TakeList:
            return ItemEntries(ItemsHere(world_));
        case MenuState::PutList:
            return ItemEntries(world_.Inventory);
        default:
            return std::nullopt;
    }
}

namespace {

// The position in `now` of the entry at `i` in `before`: the same text, and among entries of
// that text the same one counted from the top; -1 when it is gone.
int sameEntry(const std::vector<std::string>& before, int i, const std::vector<std::string>& now) {
    const std::string& text = before[static_cast<std::size_t>(i)];
    auto rank = std::count(before.begin(), before.begin() + i, text);
    for (std::size_t k = 0; k < now.size(); ++k)
        if (now[k] == text && rank-- == 0)
            return static_cast<int>(k);
    return -1;
}

}  // namespace

void PlayerShell::RefreshGameList() {
    auto entries = GameListEntries(menuState());
    if (!entries || *entries == mainBox_.entries)
        return;
    if (entries->empty()) {
        BuildMenu();  // the empty list's fallback tells so and returns to the main menu
        return;
    }
    int selection = mainBox_.selection;
    bool selected = selection >= 0 && selection < static_cast<int>(mainBox_.entries.size());
    int kept = selected ? sameEntry(mainBox_.entries, selection, *entries) : -1;
    mainBox_.entries = std::move(*entries);
    int last = static_cast<int>(mainBox_.entries.size()) - 1;
    mainBox_.selection = kept >= 0 || !selected ? kept : std::min(selection, last);
    view_.mainBoxChanged();
    view_.menuBuilt();
    // The entry the player heard is gone: the one the cursor now rests on is told instead.
    if (selected && kept < 0)
        narrator_.NameEntry(mainBox_.selection);
}

void PlayerShell::FillMenu() {
    // The examine, use and talk lists put the cursor on the last item carried, so that the
    // first Down reaches the first item lying here; an empty list's fallback ends unselected.
    auto mixed = [this](const char* emptyKey) {
        std::vector<std::string> entries = *GameListEntries(MenuState::ExamineList);
        bool empty = entries.empty();
        SetEntries(std::move(entries), kListFont);
        if (empty)
            EmptyFallback(emptyKey);
        mainBox_.selection = static_cast<int>(world_.Inventory.size()) - 1;
        if (mainBox_.selection >= static_cast<int>(mainBox_.entries.size()))
            mainBox_.selection = -1;
    };
    auto simple = [this](std::vector<std::string> entries, const char* emptyKey) {
        bool empty = entries.empty();
        SetEntries(std::move(entries), kListFont);
        if (empty)
            EmptyFallback(emptyKey);
    };
    switch (menuState()) {
        case MenuState::MainMenu: {
            std::vector<std::string> entries;
            for (std::size_t i = 0; i < kMainCommandCount; ++i)
                if (world_.MainCommandEnabled[i])
                    entries.push_back(keys_.MainCommandText(static_cast<int>(i)));
            SetEntries(std::move(entries), kMainFont);
            mainBox_.selection = keys_.mainMenuIndex() < static_cast<int>(mainBox_.entries.size())
                                     ? keys_.mainMenuIndex()
                                     : -1;
            break;
        }
        case MenuState::GoList:
            simple(*GameListEntries(MenuState::GoList), "SZnelzejit");
            break;
        case MenuState::ExamineList:
        case MenuState::UseList:
        case MenuState::TalkList:
            mixed("SZnictuneni");
            break;
        case MenuState::TakeList:
            simple(*GameListEntries(MenuState::TakeList), "SZnictuneni");
            break;
        case MenuState::PutList:
            simple(*GameListEntries(MenuState::PutList), "SZnicnemas");
            break;
        case MenuState::ListMenu:
            SetEntries({Text("SZcest"), Text("SZinventar"), Text("SZveci")}, kListMenuFont);
            break;
        case MenuState::UseOnList: {
            std::vector<std::string> entries = *GameListEntries(MenuState::UseOnList);
            bool empty = entries.empty();
            SetEntries(std::move(entries), kListFont);
            if (empty) {
                SetMenuState(MenuState::MainMenu);
                ShowText("error: any usable object!", true);
                FillMenu();
            }
            break;
        }
        case MenuState::SystemMenu: {
            std::vector<std::string> entries;
            if (gameRunning_)
                entries.push_back(Text("SZzpetdohry"));
            if (!scenarioFileName_.empty())
                entries.push_back(Text("SZnovahra"));
            entries.push_back(Text("SZnacti"));
            if (gameRunning_)
                entries.push_back(Text("SZuloz"));
            entries.push_back(Text("SZnastaveni"));
            entries.push_back(Text("SZvyberscenare"));
            entries.push_back(Text("SZkonec"));
            SetEntries(std::move(entries), kMainFont);
            break;
        }
        case MenuState::LoadList:
        case MenuState::SaveList:
            SetEntries(SlotEntries(), kListFont);
            break;
        case MenuState::ScenarioList:
            SetEntries(FillScenarioList(), kScenarioFont);
            break;
        case MenuState::Intro:
            break;
    }
}

void PlayerShell::MenuMusic() {
    if (!started_)
        return;
    if (menuState() == MenuState::MainMenu) {
        if (background_.Playing("INTROmus"))
            background_.Stop("INTROmus");
        if (background_.Paused())
            background_.UnPause();
    } else if (menuState() == MenuState::SystemMenu) {
        if (!background_.Paused())
            background_.Pause();
        if (!background_.Playing("INTROmus"))
            background_.AddNew("INTROmus", true, 0, "100x100");
    }
}

}  // namespace vek::player
