// The key map of the main window and the entry announcements.
#include "player/shell/key_map.h"

#include <filesystem>

#include "player/shell/shell.h"

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
    return shell_.Text(kMainCommandKeys[i]);
}

char KeyMap::FormKeyPress(char ch) {
    if (shell_.closing_)
        return ch;
    bool confirmKey = ch == kEnter || ch == kEscape || ch == kSpace;
    int level = 0;
    if (confirmKey) {
        shell_.background_.StopSome(2);
        level = 1;
    }
    bool nothingWaits = shell_.primary_.StopUpTo(level);
    const ScriptState& state = shell_.script_.state();
    if (!nothingWaits || state.ReadLineMode || state.ReadKeyMode)
        return InputModeChar(ch);

    if (state_ == MenuState::Intro && confirmKey) {
        StartPlay();
    } else {
        if (state_ == MenuState::MainMenu)
            mainMenuIndex_ = shell_.mainBox_.selection;
        int index = shell_.mainBox_.selection;
        std::string text = index >= 0 && index < static_cast<int>(shell_.mainBox_.entries.size())
                               ? shell_.mainBox_.entries[index]
                               : std::string();
        DispatchCommandChar(ch, index, text);
    }
    CloseIfQuitting();
    return kConsumed;
}

void KeyMap::StartPlay() {
    shell_.mainBox_.visible = true;
    shell_.mainMemo_.visible = true;
    shell_.ClearMemo();
    shell_.mainMemo_.left = 256;
    shell_.mainMemo_.width = 265;
    shell_.mainMemo_.scrollBar = false;
    shell_.view_.memoLayoutChanged();
    shell_.view_.mainBoxChanged();
    if (TOkno* window = shell_.world_.CurrentWindow) {
        // Departure's number on purpose: neither done flag of the start window is set yet. The
        // flag belongs to the window whose script ran, also when the script moved the player.
        shell_.RunScript(EventKind::Departure, window->ArrivalScript, true);
        window->ArrivalDone = true;
    }
    // A game the arrival script ended stays in the system menu the end left it in.
    if (!shell_.gameRunning_)
        return;
    shell_.mainBox_.focused = true;
    state_ = MenuState::MainMenu;
    shell_.BuildMenu();
}

void KeyMap::DispatchCommandChar(char ch, int index, const std::string& text) {
    if (ch == kEnter) {
        EnterSequence(index, text);
    } else if (ch == kEscape) {
        EscapeKey();
    } else if (ch == 's') {
        shell_.primary_.StopCurrent();
    } else if (state_ == MenuState::MainMenu) {
        if (ch == 'R' || ch == 'r') {
            shell_.LookAround();
        } else if (MenuState next = letterState(ch); next != MenuState::MainMenu) {
            state_ = next;
            shell_.BuildMenu();
        }
    }
}

void KeyMap::EnterSequence(int index, const std::string& text) {
    auto differs = [&](int command) { return text != MainCommandText(command); };
    if (state_ == MenuState::MainMenu) {
        for (int i = 0; i < static_cast<int>(kMainCommandCount); ++i) {
            if (differs(i))
                continue;
            if (i == 0) {
                shell_.LookAround();
                continue;
            }
            state_ = i == 8 ? MenuState::SystemMenu : static_cast<MenuState>(i + 1);
            shell_.BuildMenu();
        }
    }
    if (state_ == MenuState::SystemMenu) {
        if (text == shell_.Text("SZzpetdohry")) {
            state_ = MenuState::MainMenu;
            shell_.BuildMenu();
        }
        if (text == shell_.Text("SZnovahra"))
            shell_.NewGame();
        if (text == shell_.Text("SZnacti")) {
            state_ = MenuState::LoadList;
            shell_.BuildMenu();
        }
        if (text == shell_.Text("SZuloz")) {
            state_ = MenuState::SaveList;
            shell_.BuildMenu();
        }
        if (text == shell_.Text("SZvyberscenare")) {
            state_ = MenuState::ScenarioList;
            shell_.BuildMenu();
        }
        if (text == shell_.Text("SZnastaveni")) {
            shell_.options_.FormShow();
            shell_.view_.showOptions(shell_.options_);
            shell_.options_.FormHide();
        }
        if (text == shell_.Text("SZkonec"))
            quitRequested_ = true;
    }
    if (state_ == MenuState::GoList && differs(1))
        shell_.GoTo(index);
    if (state_ == MenuState::ExamineList && differs(2))
        shell_.Examine(index);
    if (state_ == MenuState::TakeList && differs(3))
        shell_.Take(index);
    if (state_ == MenuState::PutList && differs(4))
        shell_.PutDown(index);
    if (state_ == MenuState::UseOnList && index >= 0)
        shell_.UseOnTarget(index);
    if (state_ == MenuState::UseList && differs(5))
        shell_.Use(index);
    if (state_ == MenuState::TalkList && differs(6))
        shell_.TalkTo(index);
    if (state_ == MenuState::ListMenu && differs(7))
        shell_.ShowList(index);
    if (state_ == MenuState::LoadList && text != shell_.Text("SZnacti") && !text.empty() &&
        text.find(shell_.Text("SZprpozice")) == std::string::npos)
        shell_.LoadPosition(index);
    if (state_ == MenuState::SaveList && text != shell_.Text("SZuloz"))
        shell_.SavePosition(index);
    if (state_ == MenuState::ScenarioList && text != shell_.Text("SZvyberscenare") &&
        !text.empty()) {
        shell_.scenarioFileName_ = text;
        state_ = MenuState::SystemMenu;
        shell_.BuildMenu();
    }
}

void KeyMap::EscapeKey() {
    auto back = [this](const char* say, MenuState to) {
        if (say)
            shell_.primary_.Add(say);
        state_ = to;
        shell_.BuildMenu();
    };
    switch (state_) {
        case MenuState::GoList:
            back("SZnikam", MenuState::MainMenu);
            break;
        case MenuState::ExamineList:
        case MenuState::TakeList:
        case MenuState::PutList:
        case MenuState::UseList:
            back("SZnic", MenuState::MainMenu);
            break;
        case MenuState::TalkList:
            back(nullptr, MenuState::MainMenu);
            break;
        case MenuState::ListMenu:
            back("SZzadny", MenuState::MainMenu);
            break;
        case MenuState::UseOnList:
            back(nullptr, MenuState::UseList);
            break;
        case MenuState::SystemMenu:
            if (shell_.gameRunning_)
                back(nullptr, MenuState::MainMenu);
            break;
        case MenuState::LoadList:
        case MenuState::SaveList:
        case MenuState::ScenarioList:
            back(nullptr, MenuState::SystemMenu);
            break;
        case MenuState::Intro:
        case MenuState::MainMenu:
            break;
    }
}

char KeyMap::InputModeChar(char ch) {
    ScriptState& state = shell_.script_.state();
    if (shell_.KeyWaitInsideLineRead()) {
        // The key ends only the WAIT; the line being typed keeps its text and the focus.
        state.ReadKeyMode = false;
        shell_.mainBox_.visible = true;
        shell_.mainBox_.focused = false;
        shell_.dotazEdit_.focused = true;
        shell_.view_.dotazEditChanged();
        shell_.view_.mainBoxChanged();
        CloseIfQuitting();
        return kConsumed;
    }
    char result = ch;
    if (state.ReadLineMode && ch == kEnter) {
        shell_.dotazEdit_.visible = false;
        shell_.dotazEdit_.focused = false;
        state.ReadLineMode = false;
        shell_.mainBox_.focused = true;
        result = kConsumed;
    }
    if (state.ReadKeyMode) {
        shell_.mainBox_.visible = true;
        shell_.dotazEdit_.text = std::string(1, ch);
        state.ReadKeyMode = false;
        shell_.dotazEdit_.focused = false;
        shell_.mainBox_.focused = true;
        result = kConsumed;
    }
    if (result == kConsumed) {
        shell_.view_.dotazEditChanged();
        shell_.view_.mainBoxChanged();
    } else {
        TypeIntoDotazEdit(ch);
    }
    CloseIfQuitting();
    return result;
}

void KeyMap::TypeIntoDotazEdit(char ch) {
    if (!shell_.dotazEdit_.visible || !shell_.dotazEdit_.focused)
        return;
    if (ch == '\b') {
        if (!shell_.dotazEdit_.text.empty())
            shell_.dotazEdit_.text.pop_back();
    } else if (static_cast<unsigned char>(ch) >= 32) {
        shell_.dotazEdit_.text += ch;
    } else {
        return;
    }
    shell_.view_.dotazEditChanged();
}

void KeyMap::CloseIfQuitting() {
    if (quitRequested_)
        shell_.view_.closeWindow();
}

int KeyMap::FormKeyDown(int key, unsigned shift) {
    if (quitRequested_ || shell_.closing_)
        return key;
    if (key != vk::Left && key != vk::Right && !shell_.primary_.StopUpTo(0))
        return 0;
    if (!shell_.mainBox_.focused)
        return key;
    int i = shell_.mainBox_.selection;
    int n = static_cast<int>(shell_.mainBox_.entries.size());
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
                key == vk::Left ? shell_.primary_.Back() : shell_.primary_.Skip();
                return 0;
            }
            break;
        case vk::F2:
            if (!shell_.gameRunning_)
                break;
            [[fallthrough]];
        case vk::F3:
            state_ = key == vk::F2 ? MenuState::SaveList : MenuState::LoadList;
            shell_.BuildMenu();
            shell_.primary_.Add(key == vk::F2 ? "SZuloz" : "SZnacti");
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
        shell_.primary_.Add("SZdot");
    return result;
}

void KeyMap::SetSelection(int i) {
    if (shell_.mainBox_.selection == i)
        return;
    shell_.mainBox_.selection = i;
    shell_.view_.mainBoxChanged();
}

void KeyMap::Announce(int i) {
    if (shell_.narrator_.EntriesLeftToReader())
        return;
    const std::string& t = shell_.mainBox_.entries[i];
    auto sayMatching = [&](auto& keys) {
        for (const char* key : keys)
            if (t == shell_.Text(key))
                shell_.narrator_.SayEntry(key, t);
    };
    auto sayItem = [&](const std::string& id) {
        if (TPredmet* item = shell_.world_.ItemList.Najdi(id))
            shell_.narrator_.SayEntry(item->SoundId, t);
    };
    switch (state_) {
        case MenuState::MainMenu:
            sayMatching(kMainCommandKeys);
            break;
        case MenuState::GoList:
            if (TOkno* here = shell_.world_.CurrentWindow;
                here && i < static_cast<int>(here->Paths.size()))
                if (TOkno* window = shell_.world_.WindowList.Najdi(here->Paths[i]))
                    shell_.narrator_.SayEntry(window->SoundId, t);
            break;
        case MenuState::ExamineList:
        case MenuState::UseList:
        case MenuState::TalkList:
        case MenuState::UseOnList:
            sayItem(shell_.MixedItemId(i));
            break;
        case MenuState::TakeList:
            if (i < static_cast<int>(shell_.ItemsHere().size()))
                sayItem(shell_.ItemsHere()[i]);
            break;
        case MenuState::PutList:
            if (i < static_cast<int>(shell_.world_.Inventory.size()))
                sayItem(shell_.world_.Inventory[i]);
            break;
        case MenuState::ListMenu:
            sayMatching(kListMenuKeys);
            break;
        case MenuState::SystemMenu:
            sayMatching(kSystemMenuKeys);
            break;
        case MenuState::LoadList:
        case MenuState::SaveList: {
            std::string prefix = shell_.Text("SZpozice");
            if (t.compare(0, prefix.size(), prefix) == 0) {
                char last = t.empty() ? '0' : t.back();
                shell_.primary_.SayNumber(last >= '0' && last <= '9' ? last - '0' : 0);
            } else {
                shell_.primary_.Add("SZprpozice");
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
                shell_.primary_.PlayFile(wave);
            else
                shell_.primary_.Add("SZneznamscenar");
            break;
        }
        case MenuState::Intro:
            break;
    }
}

}  // namespace vek::player
