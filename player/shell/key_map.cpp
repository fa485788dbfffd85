// The key map of the main window and the entry announcements.
#include "player/shell/key_map.h"

#include <filesystem>

#include "player/shell/narrator.h"
#include "player/shell/world_lists.h"

namespace vek::player {

namespace {

constexpr char kEnter = 13;
constexpr char kEscape = 27;
constexpr char kSpace = 32;
constexpr char kConsumed = '*';
constexpr int kPage = 14;

// The main commands' system-text keys, in the order of the main menu.
constexpr const char* kMainCommandKeys[kMainCommandCount] = {
    "SZrozhledni", "SZjdi",     "SZprozkoumej", "SZvezmi", "SZpoloz",
    "SZpouzij",    "SZpromluv", "SZseznam",     "SZmenu",
};

constexpr const char* kSystemMenuKeys[] = {"SZzpetdohry", "SZnovahra",      "SZnacti", "SZuloz",
                                           "SZnastaveni", "SZvyberscenare", "SZkonec"};
constexpr const char* kListMenuKeys[] = {"SZcest", "SZinventar", "SZveci"};

// The letters of the main menu and the list each opens (r looks around instead).
MenuState letterState(char ch) {
    switch (ch) {
        case 'J':
        case 'j':
            return MenuState::GoList;
        case 'Z':
        case 'z':
            return MenuState::ExamineList;
        case 'V':
        case 'v':
            return MenuState::TakeList;
        case 'P':
        case 'p':
            return MenuState::PutList;
        case 'U':
        case 'u':
            return MenuState::UseList;
        case 'M':
        case 'm':
            return MenuState::TalkList;
        default:
            return MenuState::MainMenu;
    }
}

}  // namespace

std::string KeyMap::MainCommandText(int i) const {
    return Text(kMainCommandKeys[i]);
}

char KeyMap::FormKeyPress(char ch) {
    if (c_.host.Closing())
        return ch;
    bool confirmKey = ch == kEnter || ch == kEscape || ch == kSpace;
    int level = 0;
    if (confirmKey) {
        c_.background.StopSome(2);
        level = 1;
    }
    bool nothingWaits = c_.primary.StopUpTo(level);
    const ScriptState& state = c_.script;
    if (!nothingWaits || state.ReadLineMode || state.ReadKeyMode)
        return InputModeChar(ch);

    if (c_.state == MenuState::Intro && confirmKey) {
        StartPlay();
    } else {
        if (c_.state == MenuState::MainMenu)
            mainMenuIndex_ = c_.mainBox.selection;
        int index = c_.mainBox.selection;
        std::string text = index >= 0 && index < static_cast<int>(c_.mainBox.entries.size())
                               ? c_.mainBox.entries[index]
                               : std::string();
        DispatchCommandChar(ch, index, text);
    }
    CloseIfQuitting();
    return kConsumed;
}

void KeyMap::StartPlay() {
    c_.mainBox.visible = true;
    c_.mainMemo.visible = true;
    c_.host.ClearMemo();
    c_.mainMemo.left = 256;
    c_.mainMemo.width = 265;
    c_.mainMemo.scrollBar = false;
    c_.view.memoLayoutChanged();
    c_.view.mainBoxChanged();
    if (TOkno* window = c_.world.CurrentWindow) {
        // Departure's number on purpose: neither done flag of the start window is set yet. The
        // flag belongs to the window whose script ran, also when the script moved the player.
        c_.host.RunScript(EventKind::Departure, window->ArrivalScript, true);
        window->ArrivalDone = true;
    }
    // A game the arrival script ended stays in the system menu the end left it in.
    if (!c_.host.GameRunning())
        return;
    c_.mainBox.focused = true;
    c_.state = MenuState::MainMenu;
    c_.host.BuildMenu();
}

void KeyMap::DispatchCommandChar(char ch, int index, const std::string& text) {
    if (ch == kEnter) {
        EnterSequence(index, text);
    } else if (ch == kEscape) {
        EscapeKey();
    } else if (ch == 's') {
        c_.primary.StopCurrent();
    } else if (c_.state == MenuState::MainMenu) {
        if (ch == 'R' || ch == 'r') {
            c_.host.RunCommand(KeyCommand::LookAround, -1);
        } else if (MenuState next = letterState(ch); next != MenuState::MainMenu) {
            Open(next);
        }
    }
}

namespace {

// Step 7 of the Enter sequence from check 3 on: in each list, Enter runs the list's command
// unless the captured text is the name of the command that opened the list (`opener`, a main
// command; -1: any chosen entry). The order matters: a check sees the state an earlier one left.
struct ListChoice {
    MenuState state;
    int opener;
    KeyCommand command;
};
constexpr ListChoice kListChoices[] = {
    {MenuState::GoList, 1, KeyCommand::GoTo},
    {MenuState::ExamineList, 2, KeyCommand::Examine},
    {MenuState::TakeList, 3, KeyCommand::Take},
    {MenuState::PutList, 4, KeyCommand::PutDown},
    {MenuState::UseOnList, -1, KeyCommand::UseOnTarget},
    {MenuState::UseList, 5, KeyCommand::Use},
    {MenuState::TalkList, 6, KeyCommand::TalkTo},
    {MenuState::ListMenu, 7, KeyCommand::ShowList},
};

}  // namespace

void KeyMap::Open(MenuState state) {
    c_.state = state;
    c_.host.BuildMenu();
}

void KeyMap::EnterSequence(int index, const std::string& text) {
    if (c_.state == MenuState::MainMenu) {
        for (int i = 0; i < static_cast<int>(kMainCommandCount); ++i) {
            if (text != MainCommandText(i))
                continue;
            if (i == 0)
                c_.host.RunCommand(KeyCommand::LookAround, index);
            else
                Open(i == 8 ? MenuState::SystemMenu : static_cast<MenuState>(i + 1));
        }
    }
    if (c_.state == MenuState::SystemMenu)
        SystemMenuEnter(text);
    for (const ListChoice& choice : kListChoices) {
        if (c_.state != choice.state)
            continue;
        bool chosen = choice.opener < 0 ? index >= 0 : text != MainCommandText(choice.opener);
        if (chosen)
            c_.host.RunCommand(choice.command, index);
    }
    if (c_.state == MenuState::LoadList && text != Text("SZnacti") && !text.empty() &&
        text.find(Text("SZprpozice")) == std::string::npos)
        c_.host.RunCommand(KeyCommand::LoadPosition, index);
    if (c_.state == MenuState::SaveList && text != Text("SZuloz"))
        c_.host.RunCommand(KeyCommand::SavePosition, index);
    if (c_.state == MenuState::ScenarioList && text != Text("SZvyberscenare") && !text.empty()) {
        c_.host.ChooseScenario(text);
        Open(MenuState::SystemMenu);
    }
}

void KeyMap::SystemMenuEnter(const std::string& text) {
    if (text == Text("SZzpetdohry"))
        Open(MenuState::MainMenu);
    if (text == Text("SZnovahra"))
        c_.host.NewGame();
    if (text == Text("SZnacti"))
        Open(MenuState::LoadList);
    if (text == Text("SZuloz"))
        Open(MenuState::SaveList);
    if (text == Text("SZvyberscenare"))
        Open(MenuState::ScenarioList);
    if (text == Text("SZnastaveni"))
        c_.host.ShowOptions();
    if (text == Text("SZkonec"))
        quitRequested_ = true;
}

namespace {

// Escape by state: what is said, and the state it leads back to.
struct EscapeRule {
    MenuState from;
    const char* say;
    MenuState to;
};
constexpr EscapeRule kEscapeRules[] = {
    {MenuState::GoList, "SZnikam", MenuState::MainMenu},
    {MenuState::ExamineList, "SZnic", MenuState::MainMenu},
    {MenuState::TakeList, "SZnic", MenuState::MainMenu},
    {MenuState::PutList, "SZnic", MenuState::MainMenu},
    {MenuState::UseList, "SZnic", MenuState::MainMenu},
    {MenuState::TalkList, nullptr, MenuState::MainMenu},
    {MenuState::ListMenu, "SZzadny", MenuState::MainMenu},
    {MenuState::UseOnList, nullptr, MenuState::UseList},
    {MenuState::SystemMenu, nullptr, MenuState::MainMenu},  // only back into a running game
    {MenuState::LoadList, nullptr, MenuState::SystemMenu},
    {MenuState::SaveList, nullptr, MenuState::SystemMenu},
    {MenuState::ScenarioList, nullptr, MenuState::SystemMenu},
};

}  // namespace

void KeyMap::Say(const char* key) {
    c_.primary.Add(c_.narrator.Said(key, Text(key)));
}

void KeyMap::EscapeKey() {
    for (const EscapeRule& rule : kEscapeRules) {
        if (rule.from != c_.state)
            continue;
        if (rule.from == MenuState::SystemMenu && !c_.host.GameRunning())
            return;
        if (rule.say)
            Say(rule.say);
        Open(rule.to);
        return;
    }
}

char KeyMap::InputModeChar(char ch) {
    ScriptState& state = c_.script;
    if (c_.host.KeyWaitInsideLineRead()) {
        // The key ends only the WAIT; the line being typed keeps its text and the focus.
        state.ReadKeyMode = false;
        c_.mainBox.visible = true;
        c_.mainBox.focused = false;
        c_.dotazEdit.focused = true;
        c_.view.dotazEditChanged();
        c_.view.mainBoxChanged();
        CloseIfQuitting();
        return kConsumed;
    }
    char result = ch;
    if (state.ReadLineMode && ch == kEnter) {
        c_.dotazEdit.visible = false;
        c_.dotazEdit.focused = false;
        state.ReadLineMode = false;
        c_.mainBox.focused = true;
        result = kConsumed;
    }
    if (state.ReadKeyMode) {
        c_.mainBox.visible = true;
        c_.dotazEdit.text = std::string(1, ch);
        state.ReadKeyMode = false;
        c_.dotazEdit.focused = false;
        c_.mainBox.focused = true;
        result = kConsumed;
    }
    if (result == kConsumed) {
        c_.view.dotazEditChanged();
        c_.view.mainBoxChanged();
    } else {
        TypeIntoDotazEdit(ch);
    }
    CloseIfQuitting();
    return result;
}

void KeyMap::TypeIntoDotazEdit(char ch) {
    if (!c_.dotazEdit.visible || !c_.dotazEdit.focused)
        return;
    if (ch == '\b') {
        if (!c_.dotazEdit.text.empty())
            c_.dotazEdit.text.pop_back();
    } else if (static_cast<unsigned char>(ch) >= 32) {
        c_.dotazEdit.text += ch;
    } else {
        return;
    }
    c_.view.dotazEditChanged();
}

void KeyMap::CloseIfQuitting() {
    if (quitRequested_)
        c_.view.closeWindow();
}

int KeyMap::FormKeyDown(int key, unsigned shift) {
    if (quitRequested_ || c_.host.Closing())
        return key;
    if (key != vk::Left && key != vk::Right && !c_.primary.StopUpTo(0))
        return 0;
    if (!c_.mainBox.focused)
        return key;
    int i = c_.mainBox.selection;
    int n = static_cast<int>(c_.mainBox.entries.size());
    bool announce = key >= vk::Prior && key <= vk::Down;
    bool ctrl = (shift & ShiftCtrl) != 0;
    int result = key;
    switch (key) {
        case vk::Up:
            i = i > 0 ? i - 1 : 0;
            break;
        case vk::Down:
            if (i < n - 1)
                ++i;
            if (i < 0)
                i = 0;
            break;
        case vk::Home:
            i = 0;
            break;
        case vk::End:
            i = n - 1;
            break;
        case vk::Prior:
            i = i > kPage ? i - kPage : 0;
            result = 0;
            break;
        case vk::Next:
            i = i < n - (kPage + 1) ? i + kPage : n - 1;
            result = 0;
            break;
        case vk::Left:
        case vk::Right:
            if (ctrl) {
                key == vk::Left ? c_.primary.Back() : c_.primary.Skip();
                return 0;
            }
            break;
        case vk::F2:
            if (!c_.host.GameRunning())
                break;
            [[fallthrough]];
        case vk::F3:
            Open(key == vk::F2 ? MenuState::SaveList : MenuState::LoadList);
            Say(key == vk::F2 ? "SZuloz" : "SZnacti");
            announce = true;
            i = -1;
            break;
        default:
            break;
    }
    if (announce && i >= 0 && i < n) {
        SetSelection(i);
        Announce(i);
    }
    if (!announce)
        c_.primary.Add("SZdot");
    return result;
}

void KeyMap::SetSelection(int i) {
    if (c_.mainBox.selection == i)
        return;
    c_.mainBox.selection = i;
    c_.view.mainBoxChanged();
}

void KeyMap::Announce(int i) {
    if (c_.narrator.EntriesLeftToReader())
        return;
    const std::string& t = c_.mainBox.entries[i];
    auto sayMatching = [&](auto& keys) {
        for (const char* key : keys)
            if (t == Text(key))
                c_.narrator.SayEntry(key, t);
    };
    auto sayItem = [&](const std::string& id) {
        if (TPredmet* item = c_.world.ItemList.Najdi(id))
            c_.narrator.SayEntry(item->SoundId, t);
    };
    switch (c_.state) {
        case MenuState::MainMenu:
            sayMatching(kMainCommandKeys);
            break;
        case MenuState::GoList:
            if (TOkno* here = c_.world.CurrentWindow;
                here && i < static_cast<int>(here->Paths.size()))
                if (TOkno* window = c_.world.WindowList.Najdi(here->Paths[i]))
                    c_.narrator.SayEntry(window->SoundId, t);
            break;
        case MenuState::ExamineList:
        case MenuState::UseList:
        case MenuState::TalkList:
        case MenuState::UseOnList:
            sayItem(MixedItemId(c_.world, i));
            break;
        case MenuState::TakeList:
            if (i < static_cast<int>(ItemsHere(c_.world).size()))
                sayItem(ItemsHere(c_.world)[i]);
            break;
        case MenuState::PutList:
            if (i < static_cast<int>(c_.world.Inventory.size()))
                sayItem(c_.world.Inventory[i]);
            break;
        case MenuState::ListMenu:
            sayMatching(kListMenuKeys);
            break;
        case MenuState::SystemMenu:
            sayMatching(kSystemMenuKeys);
            break;
        case MenuState::LoadList:
        case MenuState::SaveList: {
            std::string prefix = Text("SZpozice");
            if (t.compare(0, prefix.size(), prefix) == 0) {
                char last = t.empty() ? '0' : t.back();
                auto [tens, units] =
                    TZvukFronta::NumberKeys(last >= '0' && last <= '9' ? last - '0' : 0);
                c_.primary.Add(tens);
                c_.narrator.SayEntry(units, t);
            } else {
                c_.narrator.SayEntry("SZprpozice", t);
            }
            break;
        }
        case MenuState::ScenarioList: {
            std::string wave = t;
            for (char& c : wave)
                if (c == '.')
                    c = '_';
            wave += ".wav";
            std::error_code ec;
            if (std::filesystem::is_regular_file(wave, ec))
                c_.primary.PlayFile(wave);
            else
                c_.narrator.SayEntry("SZneznamscenar", t);
            break;
        }
        case MenuState::Intro:
            break;
    }
}

}  // namespace vek::player
