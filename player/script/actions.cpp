// Actions: the action part of a line cut into statements, each a text and a command word with
// its arguments; a command that cannot act is echoed so that the author sees it.
#include <array>
#include <string>
#include <unordered_map>

#include "common/cp1250.h"
#include "player/script/engine.h"
#include "player/script/script_syntax.h"
#include "player/script/script_text.h"

namespace vek::player {

namespace {

using namespace script_text;

struct ActionContext {
    GameState& world;
    ScriptState& state;
    ScriptHost& host;
    ScriptSound& sound;
    EndState& end;
    const Statement& statement;
    bool textShown = false;  // WAIT shows the text itself, before waiting
    bool textSaid = false;   // a sound of the statement says its text

    std::string_view arg(std::size_t i) const { return statement.args[i]; }
};

// "A" and "B" are the current and the previous window; a word without a window behind it is
// looked up as a window name.
TOkno* placeWindow(GameState& w, std::string_view place) {
    if (place == "A" && w.CurrentWindow)
        return w.CurrentWindow;
    if (place == "B" && w.PreviousWindow)
        return w.PreviousWindow;
    return w.WindowList.Najdi(place);
}

// The item list of a place: "C" is the inventory, anything else a window's Items.
StringList* itemPlace(GameState& w, std::string_view place) {
    if (place == "C")
        return &w.Inventory;
    TOkno* window = placeWindow(w, place);
    return window ? &window->Items : nullptr;
}

void removeOrClear(StringList& list, std::string_view name) {
    if (name == "*")
        list.clear();
    else
        list.remove(name);
}

// "+" adds, "-" subtracts, anything else assigns.
std::int64_t applyOperation(char op, std::int64_t current, std::int64_t n) {
    return op == '+' ? current + n : op == '-' ? current - n : n;
}

std::uint8_t modulo256(std::int64_t v) {
    return static_cast<std::uint8_t>(((v % 256) + 256) % 256);
}

bool add(ActionContext& c) {
    StringList* list = itemPlace(c.world, c.arg(0));
    if (!list || !c.world.ItemList.Najdi(c.arg(1)))
        return false;
    list->add(std::string(c.arg(1)));
    return true;
}

bool rem(ActionContext& c) {
    StringList* list = itemPlace(c.world, c.arg(0));
    if (!list)
        return false;
    removeOrClear(*list, c.arg(1));
    return true;
}

bool remAll(ActionContext& c) {
    StringList* list = itemPlace(c.world, c.arg(0));
    if (!list)
        return false;
    list->clear();
    return true;
}

bool addPath(ActionContext& c) {
    TOkno* window = placeWindow(c.world, c.arg(0));
    if (!window || !c.world.WindowList.Najdi(c.arg(1)))
        return false;
    window->Paths.add(std::string(c.arg(1)));
    return true;
}

bool remPath(ActionContext& c) {
    TOkno* window = placeWindow(c.world, c.arg(0));
    if (!window)
        return false;
    window->Paths.remove(c.arg(1));
    return true;
}

// The inventory takes precedence when it holds the old item; otherwise the current window's
// items are the list.
bool exchange(ActionContext& c) {
    std::string_view old = c.arg(0), replacement = c.arg(1);
    if (!c.world.ItemList.Najdi(replacement))
        return true;
    StringList* list = c.world.Inventory.contains(old)
                           ? &c.world.Inventory
                           : (c.world.CurrentWindow ? &c.world.CurrentWindow->Items : nullptr);
    if (list) {
        list->remove(old);
        list->add(std::string(replacement));
    }
    return true;
}

bool setVariable(ActionContext& c) {
    std::string_view target = c.arg(0), value = c.arg(1);
    char op = '=';
    if (!value.empty() && !isDigit(value.front())) {
        op = value.front();
        value.remove_prefix(1);
    }
    std::int64_t n = parseDecimal32(value).value_or(-1);
    auto number = parseDecimal32(target.substr(target.empty() ? 0 : 1, 2));
    if (!number) {
        if (!sameTextAscii(target, "MAX") || n < 0)
            return false;
        c.world.ScenSett.MaxItems = modulo256(applyOperation(op, c.world.ScenSett.MaxItems, n));
        return true;
    }
    int nn = *number;
    char letter = asciiUpper(target.substr(0, 1)).front();
    if (letter == 'C' && nn >= 0 && nn < 100 && n >= 0) {
        auto& counter = c.world.Counters[static_cast<std::size_t>(nn)];
        counter = modulo256(applyOperation(op, counter, n));
    } else if (letter == 'P' && nn >= 0 && nn < 100) {
        c.world.Switches[static_cast<std::size_t>(nn)] = value == "1";
    } else if (letter == 'S' && nn >= 0 && nn < 20) {
        std::string text(value);
        for (std::size_t i : {2u, 3u})
            if (!c.arg(i).empty())
                text.append(",").append(c.arg(i));
        c.world.StringVars[static_cast<std::size_t>(nn)] = withoutQuotes(text);
    } else if (letter == 'T' && nn >= 0 && nn < 20 && n >= 0) {
        auto& timer = c.world.Timers[static_cast<std::size_t>(nn)];
        // Wraps like the 32-bit variable it is.
        timer = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(applyOperation(op, timer, n) & 0xFFFFFFFF));
    }
    return true;
}

bool go(ActionContext& c) {
    TOkno* target = c.arg(0) == "B" ? c.world.PreviousWindow : c.world.WindowList.Najdi(c.arg(0));
    if (target) {
        c.world.PreviousWindow = c.world.CurrentWindow;
        c.world.CurrentWindow = target;
    }
    return true;
}

bool transfer(ActionContext& c) {
    StringList* from = itemPlace(c.world, c.arg(0));
    StringList* to = itemPlace(c.world, c.arg(1));
    if (!from || !to || from == to)
        return false;
    for (const std::string& name : *from) {
        if (to == &c.world.Inventory) {
            const TPredmet* item = c.world.ItemList.Najdi(name);
            if (!item || !item->CanTake)
                continue;
        }
        to->add(name);
    }
    from->clear();
    return true;
}

bool cycle(ActionContext& c) {
    c.world.CycleActive = c.arg(0) == "1";
    return true;
}

bool clearVariables(ActionContext& c) {
    c.world.Switches.fill(false);
    c.world.Counters.fill(0);
    return true;
}

std::string queueItem(const ActionContext& c) {
    return std::string(c.arg(0)) + "|" + std::string(c.arg(1));
}

bool play(ActionContext& c) {
    c.sound.QueuePrimary(queueItem(c), c.statement.text);
    c.textSaid = true;
    return true;
}

bool playSecondary(ActionContext& c) {
    c.sound.QueueSecondary(queueItem(c), c.statement.text);
    c.textSaid = true;
    return true;
}

bool playBackground(ActionContext& c) {
    BackgroundArguments a = ReadBackgroundArguments(c.statement);
    c.sound.BackgroundAddNew(std::string(c.arg(0)), a.loop == "1" || a.loop == "loop",
                             parseDecimal32(a.delay).value_or(0), a.volume, c.statement.text);
    c.textSaid = true;
    return true;
}

bool nothing(ActionContext&) {
    return true;
}

bool addMusic(ActionContext& c) {
    return placeWindow(c.world, c.arg(0)) != nullptr;
}

bool remMusic(ActionContext& c) {
    TOkno* window = placeWindow(c.world, c.arg(0));
    if (!window)
        return false;
    removeOrClear(window->Music, c.arg(1));
    return true;
}

bool clearMusic(ActionContext& c) {
    TOkno* window = placeWindow(c.world, c.arg(0));
    if (!window)
        return false;
    window->Music.clear();
    return true;
}

int level(const ActionContext& c) {
    return parseDecimal32(c.arg(0)).value_or(0);
}

bool stop(ActionContext& c) {
    c.sound.StopPrimaryUpTo(level(c));
    return true;
}

bool stopAll(ActionContext& c) {
    c.sound.StopPrimaryUpTo(9);
    return true;
}

bool stopSecondary(ActionContext& c) {
    c.sound.StopSecondaryUpTo(level(c));
    return true;
}

bool stopSecondaryAll(ActionContext& c) {
    c.sound.StopSecondaryUpTo(9);
    return true;
}

bool stopBackground(ActionContext& c) {
    std::string_view name = c.arg(0), fade = c.arg(1);
    if (!fade.empty() && fade != "0")
        c.sound.BackgroundFadeOut(name, fade);
    else if (name == "*")
        c.sound.BackgroundStopAll();
    else
        c.sound.BackgroundStop(name);
    return true;
}

bool wait(ActionContext& c) {
    c.state.ReadKeyMode = true;
    c.host.SetMainBoxVisible(false);
    if (!c.statement.text.empty())
        c.host.ShowText(std::string(c.statement.text), false);
    c.textShown = true;
    c.host.MemoCaretToStart();
    c.host.WaitWhile([&state = c.state] { return state.ReadKeyMode; });
    c.state.ReadKeyMode = false;
    if (c.arg(0) != "0")
        c.host.ClearMemo();
    return true;
}

bool lose(ActionContext& c) {
    c.end = EndState::Lost;
    return true;
}

bool win(ActionContext& c) {
    c.end = EndState::Won;
    return true;
}

bool noAction(ActionContext& c) {
    c.state.ActionAborted = true;
    return true;
}

using Handler = bool (*)(ActionContext&);

const std::unordered_map<std::string_view, Handler>& commands() {
    static const std::unordered_map<std::string_view, Handler> table = {
        {"ADD", add},
        {"REM", rem},
        {"REMALL", remAll},
        {"ADDCS", addPath},
        {"REMCS", remPath},
        {"EXCH", exchange},
        {"SET", setVariable},
        {"GO", go},
        {"TRANS", transfer},
        {"CYKLUS", cycle},
        {"CLEAR", clearVariables},
        {"PLAY", play},
        {"PLAYSEC", playSecondary},
        {"PLAYBG", playBackground},
        {"PLAYMID", nothing},
        {"ADDMID", addMusic},
        {"REMMID", remMusic},
        {"CLEARMID", clearMusic},
        {"STOP", stop},
        {"STOPMID", nothing},
        {"STOPALL", stopAll},
        {"STOPSEC", stopSecondary},
        {"STOPSECALL", stopSecondaryAll},
        {"STOPBG", stopBackground},
        {"WAIT", wait},
        {"LOSE", lose},
        {"WIN", win},
        {"NOACTION", noAction},
    };
    return table;
}

}  // namespace

Statement CutStatement(std::string_view s) {
    Statement st;
    // Without arguments only the ";" goes; "X;" is the command word X, echoed as "X;".
    std::string_view body = s.substr(0, s.size() - 1);
    if (s.size() > 2) {
        std::size_t close = s.size() - 2;
        if (s[close] == ')') {
            int depth = 0;
            for (std::size_t j = close + 1; j-- > 0;) {
                if (s[j] == ')')
                    ++depth;
                else if (s[j] == '(' && --depth == 0) {
                    st.argText = s.substr(j + 1, close - j - 1);
                    body = s.substr(0, j);
                    break;
                }
            }
        }
    }
    std::size_t sep = body.find_last_of(" !,.:?");
    st.word = sep == std::string_view::npos ? body : body.substr(sep + 1);
    st.text = sep == std::string_view::npos ? std::string_view() : body.substr(0, sep + 1);
    while (!st.text.empty() && st.text.back() == ' ')
        st.text.remove_suffix(1);

    std::string_view rest = st.argText;
    for (std::size_t i = 0; i < 3; ++i) {
        std::size_t comma = rest.find(',');
        if (comma == std::string_view::npos) {
            st.args[i] = rest;
            rest = {};
            break;
        }
        st.args[i] = rest.substr(0, comma);
        rest.remove_prefix(comma + 1);
        if (i == 2)
            st.args[3] = rest;
    }
    return st;
}

BackgroundArguments ReadBackgroundArguments(const Statement& st) {
    BackgroundArguments a{st.args[1], st.args[2], st.args[3]};
    if (a.volume == "loop" || a.volume == "1") {
        a.volume = a.loop;
        a.loop = "loop";
    }
    if (a.delay.empty() && a.volume.find('x') == std::string_view::npos) {
        a.delay = a.volume;
        a.volume = {};
    }
    return a;
}

bool IsScriptCommand(std::string_view word) {
    return commands().contains(asciiUpper(word));
}

void ScriptEngine::ExecuteStatements(std::string_view actions, EventKind kind, EndState& end) {
    std::string_view rest = CutActions(actions, [&](std::string_view, const Statement& st) {
        std::string text(st.text);
        if (!st.word.empty() || !st.argText.empty()) {
            ActionContext context{world_, state_, host_, sound_, end, st};
            auto found = commands().find(asciiUpper(st.word));
            bool acted = found != commands().end() && found->second(context);
            if (!acted)
                text.append(" ").append(st.word).append(";").append(st.argText);
            if (context.textShown)
                return;
            if (context.textSaid) {
                if (!text.empty())
                    host_.ShowSaidText(text);
                return;
            }
        }
        if (!text.empty())
            host_.ShowText(text, false);
    });
    if (!rest.empty())
        host_.ShowText(std::string(rest), false);
}

}  // namespace vek::player
