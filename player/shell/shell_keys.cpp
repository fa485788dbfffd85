// The key map of the main window and the entry announcements.
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

std::string PlayerShell::MainCommandText(int i) const {
    return Text(kMainCommandKeys[i]);
}

char PlayerShell::FormKeyPress(char ch) {
    if (closing_)
        return ch;
    bool confirmKey = ch == kEnter || ch == kEscape || ch == kSpace;
    int level = 0;
    if (confirmKey) {
        background_.StopSome(2);
        level = 1;
    }
    bool nothingWaits = primary_.StopUpTo(level);
    const ScriptState& state = script_.state();
    if (!nothingWaits || state.ReadLineMode || state.ReadKeyMode)
        return InputModeChar(ch);

    if (menuState_ == MenuState::Intro && confirmKey) {
        StartPlay();
    } else {
        if (menuState_ == MenuState::MainMenu)
            mainMenuIndex_ = mainBox_.selection;
        int index = mainBox_.selection;
        std::string text = index >= 0 && index < static_cast<int>(mainBox_.entries.size())
                               ? mainBox_.entries[index]
                               : std::string();
        DispatchCommandChar(ch, index, text);
    }
    CloseIfQuitting();
    return kConsumed;
}

void PlayerShell::StartPlay() {
    mainBox_.visible = true;
    mainMemo_.visible = true;
    ClearMemo();
    mainMemo_.left = 256;
    mainMemo_.width = 265;
    mainMemo_.scrollBar = false;
    view_.memoLayoutChanged();
    view_.mainBoxChanged();
    if (TOkno* window = world_.CurrentWindow) {
        // Departure's number on purpose: neither done flag of the start window is set yet.
        RunScript(EventKind::Departure, window->ArrivalScript, true);
        if (world_.CurrentWindow)
            world_.CurrentWindow->ArrivalDone = true;
    }
    mainBox_.focused = true;
    menuState_ = MenuState::MainMenu;
    BuildMenu();
}

void PlayerShell::DispatchCommandChar(char ch, int index, const std::string& text) {
    if (ch == kEnter) {
        EnterSequence(index, text);
    } else if (ch == kEscape) {
        EscapeKey();
    } else if (ch == 's') {
        primary_.StopCurrent();
    } else if (menuState_ == MenuState::MainMenu) {
        if (ch == 'R' || ch == 'r') {
            LookAround();
        } else if (MenuState next = letterState(ch); next != MenuState::MainMenu) {
            menuState_ = next;
            BuildMenu();
        }
    }
}

void PlayerShell::EnterSequence(int index, const std::string& text) {
    auto differs = [&](int command) { return text != MainCommandText(command); };
    if (menuState_ == MenuState::MainMenu) {
        for (int i = 0; i < static_cast<int>(kMainCommandCount); ++i) {
            if (differs(i))
                continue;
            if (i == 0) {
                LookAround();
                continue;
            }
            menuState_ = i == 8 ? MenuState::SystemMenu : static_cast<MenuState>(i + 1);
            BuildMenu();
        }
    }
    if (menuState_ == MenuState::SystemMenu) {
        if (text == Text("SZzpetdohry")) {
            menuState_ = MenuState::MainMenu;
            BuildMenu();
        }
        if (text == Text("SZnovahra"))
            NewGame();
        if (text == Text("SZnacti")) {
            menuState_ = MenuState::LoadList;
            BuildMenu();
        }
        if (text == Text("SZuloz")) {
            menuState_ = MenuState::SaveList;
            BuildMenu();
        }
        if (text == Text("SZvyberscenare")) {
            menuState_ = MenuState::ScenarioList;
            BuildMenu();
        }
        if (text == Text("SZnastaveni")) {
            options_.FormShow();
            view_.showOptions(options_);
            options_.FormHide();
        }
        if (text == Text("SZkonec"))
            quitRequested_ = true;
    }
    if (menuState_ == MenuState::GoList && differs(1))
        GoTo(index);
    if (menuState_ == MenuState::ExamineList && differs(2))
        Examine(index);
    if (menuState_ == MenuState::TakeList && differs(3))
        Take(index);
    if (menuState_ == MenuState::PutList && differs(4))
        PutDown(index);
    if (menuState_ == MenuState::UseOnList && index >= 0)
        UseOnTarget(index);
    if (menuState_ == MenuState::UseList && differs(5))
        Use(index);
    if (menuState_ == MenuState::TalkList && differs(6))
        TalkTo(index);
    if (menuState_ == MenuState::ListMenu && differs(7))
        ShowList(index);
    if (menuState_ == MenuState::LoadList && text != Text("SZnacti") && !text.empty() &&
        text.find(Text("SZprpozice")) == std::string::npos)
        LoadPosition(index);
    if (menuState_ == MenuState::SaveList && text != Text("SZuloz"))
        SavePosition(index);
    if (menuState_ == MenuState::ScenarioList && text != Text("SZvyberscenare") && !text.empty()) {
        scenarioFileName_ = text;
        menuState_ = MenuState::SystemMenu;
        BuildMenu();
    }
}

void PlayerShell::EscapeKey() {
    auto back = [this](const char* say, MenuState to) {
        if (say)
            primary_.Add(say);
        menuState_ = to;
        BuildMenu();
    };
    switch (menuState_) {
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
            if (gameRunning_)
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

char PlayerShell::InputModeChar(char ch) {
    ScriptState& state = script_.state();
    char result = ch;
    if (state.ReadLineMode && ch == kEnter) {
        dotazEdit_.visible = false;
        dotazEdit_.focused = false;
        state.ReadLineMode = false;
        mainBox_.focused = true;
        result = kConsumed;
    }
    if (state.ReadKeyMode) {
        mainBox_.visible = true;
        dotazEdit_.text = std::string(1, ch);
        state.ReadKeyMode = false;
        dotazEdit_.focused = false;
        mainBox_.focused = true;
        result = kConsumed;
    }
    if (result == kConsumed) {
        view_.dotazEditChanged();
        view_.mainBoxChanged();
    } else {
        TypeIntoDotazEdit(ch);
    }
    CloseIfQuitting();
    return result;
}

void PlayerShell::TypeIntoDotazEdit(char ch) {
    if (!dotazEdit_.visible || !dotazEdit_.focused)
        return;
    if (ch == '\b') {
        if (!dotazEdit_.text.empty())
            dotazEdit_.text.pop_back();
    } else if (static_cast<unsigned char>(ch) >= 32) {
        dotazEdit_.text += ch;
    } else {
        return;
    }
    view_.dotazEditChanged();
}

void PlayerShell::CloseIfQuitting() {
    if (quitRequested_)
        view_.closeWindow();
}

int PlayerShell::FormKeyDown(int key, unsigned shift) {
    if (quitRequested_ || closing_)
        return key;
    if (key != vk::Left && key != vk::Right && !primary_.StopUpTo(0))
        return 0;
    if (!mainBox_.focused)
        return key;
    int i = mainBox_.selection;
    int n = static_cast<int>(mainBox_.entries.size());
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
                key == vk::Left ? primary_.Back() : primary_.Skip();
                return 0;
            }
            break;
        case vk::F2:
            if (!gameRunning_)
                break;
            [[fallthrough]];
        case vk::F3:
            menuState_ = key == vk::F2 ? MenuState::SaveList : MenuState::LoadList;
            BuildMenu();
            primary_.Add(key == vk::F2 ? "SZuloz" : "SZnacti");
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
        primary_.Add("SZdot");
    return result;
}

void PlayerShell::SetSelection(int i) {
    if (mainBox_.selection == i)
        return;
    mainBox_.selection = i;
    view_.mainBoxChanged();
}

void PlayerShell::Announce(int i) {
    const std::string& t = mainBox_.entries[i];
    auto sayMatching = [&](auto& keys) {
        for (const char* key : keys)
            if (t == Text(key))
                primary_.Add(key);
    };
    auto sayItem = [&](const std::string& id) {
        if (TPredmet* item = world_.ItemList.Najdi(id))
            primary_.Add(item->SoundId);
    };
    switch (menuState_) {
        case MenuState::MainMenu:
            sayMatching(kMainCommandKeys);
            break;
        case MenuState::GoList:
            if (TOkno* here = world_.CurrentWindow;
                here && i < static_cast<int>(here->Paths.size()))
                if (TOkno* window = world_.WindowList.Najdi(here->Paths[i]))
                    primary_.Add(window->SoundId);
            break;
        case MenuState::ExamineList:
        case MenuState::UseList:
        case MenuState::TalkList:
        case MenuState::UseOnList:
            sayItem(MixedItemId(i));
            break;
        case MenuState::TakeList:
            if (i < static_cast<int>(ItemsHere().size()))
                sayItem(ItemsHere()[i]);
            break;
        case MenuState::PutList:
            if (i < static_cast<int>(world_.Inventory.size()))
                sayItem(world_.Inventory[i]);
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
                primary_.SayNumber(last >= '0' && last <= '9' ? last - '0' : 0);
            } else {
                primary_.Add("SZprpozice");
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
                primary_.PlayFile(wave);
            else
                primary_.Add("SZneznamscenar");
            break;
        }
        case MenuState::Intro:
            break;
    }
}

}  // namespace vek::player
