#include "editor/checker/script_checker.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

#include "common/cp1250.h"
#include "common/numbers.h"
#include "editor/checker/czech.h"
#include "editor/document/document.h"
#include "player/script/script_syntax.h"

namespace vek::editor {

namespace {

using player::AtomKind;
using player::Statement;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isUpperAscii(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isAsciiLetter(char c) {
    return isUpperAscii(c) || (c >= 'a' && c <= 'z');
}
bool allOf(std::string_view s, bool (*test)(char)) {
    return !s.empty() && std::all_of(s.begin(), s.end(), test);
}

// The variable ranges a script can use, by their letter.
std::string variableRange(char letter) {
    switch (asciiUpper(std::string_view(&letter, 1)).front()) {
        case 'P':
            return "P00 až P99"_cp;
        case 'C':
            return "C00 až C99"_cp;
        case 'S':
            return "S00 až S19"_cp;
        case 'T':
            return "T00 až T19"_cp;
        default:
            return {};
    }
}

bool isVariableLetter(char c) {
    return std::string_view("PCSTpcst").find(c) != std::string_view::npos;
}

// A volume and balance "100x100": two levels from 0 to 100.
bool validVolume(std::string_view v) {
    auto level = [](std::string_view s) {
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
        if (!s.empty() && s.front() == '+')
            s.remove_prefix(1);
        auto n = parseDecimal32(s);
        return n && *n >= 0 && *n <= 100;
    };
    std::size_t x = v.find('x');
    return x != std::string_view::npos && level(v.substr(0, x)) && level(v.substr(x + 1));
}

// The conditions' operators must make a chain of operands joined by ";", "," or "|", each
// operand "T" or a bracketed chain, optionally negated by "!". Anything else is combined by
// rules no author means (a missing operator makes the rest hold).
class ConditionShape {
  public:
    explicit ConditionShape(std::string_view s) : s_(s) {}
    bool valid() {
        if (s_.empty())
            return true;
        return chain() && i_ == s_.size();
    }

  private:
    static bool isOpen(char c) { return c == '(' || c == '['; }
    static bool isClose(char c) { return c == ')' || c == ']'; }
    static bool isJoin(char c) { return c == ';' || c == ',' || c == '|'; }

    bool chain() {
        for (;;) {
            if (!operand())
                return false;
            if (i_ < s_.size() && isJoin(s_[i_])) {
                ++i_;
                continue;
            }
            return true;
        }
    }
    bool operand() {
        if (i_ < s_.size() && s_[i_] == '!')
            ++i_;
        if (i_ >= s_.size())
            return false;
        if (s_[i_] == 'T') {
            ++i_;
            return true;
        }
        if (!isOpen(s_[i_]) || ++depth_ > 256)
            return false;
        ++i_;
        if (!chain() || i_ >= s_.size() || !isClose(s_[i_]))
            return false;
        ++i_;
        --depth_;
        return true;
    }

    std::string_view s_;
    std::size_t i_ = 0;
    int depth_ = 0;
};

class ScriptChecker {
  public:
    ScriptChecker(CheckContext& c, ScriptKind kind) : c_(c), kind_(kind) {}

    void line(std::string_view text) {
        player::ScriptLineParts parts = player::SplitScriptLine(text);
        std::string_view body = text.substr(0, text.find('&'));
        if (!body.empty() && body.front() == '!')
            body.remove_prefix(1);
        if (!body.empty() && body.front() == '[' && !parts.hasCondition) {
            c_.error(player::MatchingBracket(body) == std::string_view::npos
                         ? "podmínka nemá uzavírací „]“; celý řádek se ukáže jako text"_cp
                         : "za „]“ podmínky chybí akce (aspoň dva znaky); celý řádek se "
                           "ukáže jako text"_cp);
            return;
        }
        if (parts.isRead) {
            readLine(parts);
            return;
        }
        if (parts.hasCondition)
            condition(parts.condition);
        actions(parts.action);
    }

  private:
    // ---- READ lines ----
    void readLine(const player::ScriptLineParts& parts) {
        std::string_view a = parts.action;
        auto nn = parseDecimal32(a.substr(6, 2));
        bool keyForm = a.size() >= 12 && a.substr(8, 4) == ",key";
        if (!nn || *nn < 0 || *nn > 19)
            c_.error(
                say("READ: proměnná S{} mimo rozsah S00 až S19; řádek jen provede akce "
                    "před ním"_cp,
                    {a.substr(6, 2)}));
        else if (!(a.size() > 8 && a[8] == ')') && !keyForm)
            c_.error(
                "READ zná jen tvary READ(Snn) a READ(Snn,key); řádek jen provede akce "
                "před ním"_cp);
        if (parts.hasCondition || parts.negated)
            c_.warning("podmínka řádku s READ se nevyhodnocuje: READ proběhne vždy"_cp);
    }

    // ---- conditions ----
    void condition(std::string_view text) {
        std::string shape;
        player::CutCondition(
            text, [&shape](char op) { shape += op; },
            [&](std::string_view a) {
                shape += 'T';
                atom(a);
            });
        if (!ConditionShape(shape).valid())
            c_.error(
                "podmínka nemá správnou skladbu (spojky ; , | a závorky); "
                "přehrávač ji vyhodnotí jinak, než vypadá"_cp);
    }

    void atom(std::string_view a) {
        std::optional<AtomKind> form = player::AtomKindOf(a);
        if (!form) {
            unknownAtom(a);
            return;
        }
        switch (*form) {
            case AtomKind::CurrentWindow:
            case AtomKind::PreviousWindow:
                exactWindow(a.substr(2), a.substr(0, 2));
                break;
            case AtomKind::Switch:
                if (!variableDigits(a))
                    break;
                if (a[3] != '=')
                    c_.error(say("přepínač se porovnává jen znakem „=“ („{}“)"_cp, {a}));
                else if (a.substr(4) != "0" && a.substr(4) != "1")
                    c_.error(say("přepínač má hodnotu 0 nebo 1 („{}“)"_cp, {a}));
                break;
            case AtomKind::Counter:
                if (!variableDigits(a))
                    break;
                comparison(a);
                if (!parseDecimal32(a.substr(4, 3)))
                    c_.error(say("hodnota čítače v „{}“ není číslo; podmínka vždy platí"_cp, {a}));
                else if (a.size() > 7)
                    c_.error(say("čítač se porovnává s trojicí znaků; v „{}“ se čte jen „{}“"_cp,
                                 {a, a.substr(4, 3)}));
                break;
            case AtomKind::String:
                if (!variableDigits(a))
                    break;
                if (a[3] != '=' && a[3] != 'x')
                    c_.error(say("řetězec se porovnává znakem „=“ nebo „x“ („{}“)"_cp, {a}));
                break;
            case AtomKind::Timer:
                if (!variableDigits(a))
                    break;
                comparison(a);
                if (!parseDecimal32(a.substr(4)))
                    c_.error(
                        say("hodnota časovače v „{}“ není číslo; podmínka vždy platí"_cp, {a}));
                break;
            case AtomKind::In:
            case AtomKind::InPaths:
                placeAtom(a, *form == AtomKind::In);
                break;
            case AtomKind::Probability:
                if (closed(a))
                    probability(inner(a, 4));
                break;
            case AtomKind::Playing:
            case AtomKind::Finished:
                if (closed(a))
                    sound(inner(a, 8));
                break;
            default:
                break;
        }
    }

    void unknownAtom(std::string_view a) {
        if (a.size() > 1 && isVariableLetter(a[0]) && isDigit(a[1])) {
            c_.error(
                say("proměnná v „{}“ není v rozsahu {} (písmeno a dvě číslice); "
                    "podmínka vždy platí"_cp,
                    {a, variableRange(a[0])}));
            return;
        }
        c_.error(say("neznámá podmínka „{}“; přehrávač ji bere jako splněnou"_cp, {a}));
    }

    // "P100" is read as P10 followed by "0"; false when it was reported.
    bool variableDigits(std::string_view a) {
        if (a.size() <= 3 || !isDigit(a[3]))
            return true;
        c_.error(say("proměnná v „{}“ není v rozsahu {}; čte se jen „{}“"_cp,
                     {a, variableRange(a[0]), a.substr(0, 3)}));
        return false;
    }

    void comparison(std::string_view a) {
        if (std::string_view("<=>x").find(a[3]) == std::string_view::npos)
            c_.error(say("„{}“: porovnává se znakem <, =, > nebo x; podmínka vždy platí"_cp, {a}));
    }

    bool closed(std::string_view a) {
        if (a.back() == ')')
            return true;
        c_.error(say("v podmínce „{}“ chybí „)“"_cp, {a}));
        return false;
    }

    static std::string_view inner(std::string_view a, std::size_t prefix) {
        return a.size() <= prefix ? std::string_view() : a.substr(prefix, a.size() - prefix - 1);
    }

    void probability(std::string_view p) {
        std::size_t dot = p.find('.');
        bool ok = dot == std::string_view::npos ? parseDecimal32(p).has_value()
                                                : (dot == 0 || parseDecimal32(p.substr(0, dot))) &&
                                                      allOf(p.substr(dot + 1), isDigit);
        if (!ok)
            c_.error(
                say("pravděpodobnost „{}“ není číslo (desetinná tečka, ne čárka); "
                    "podmínka vždy platí"_cp,
                    {p}));
    }

    void placeAtom(std::string_view a, bool items) {
        if (!closed(a))
            return;
        std::size_t prefix = items ? 3 : 5;
        std::size_t comma = a.find(',');
        std::string_view where = a.substr(prefix, comma - prefix);
        std::string_view name = a.substr(comma + 1, a.size() - comma - 2);
        if (items) {
            itemPlace(where);
            item(name);
        } else {
            pathPlace(where);
            window(name);
        }
    }

    // A= and B= compare the name exactly, letter case included.
    void exactWindow(std::string_view name, std::string_view form) {
        const player::TOkno* w = c_.world.WindowList.Najdi(name);
        if (!w)
            c_.error(say("okno „{}“ neexistuje"_cp, {name}));
        else if (w->Name != name)
            c_.error(
                say("{} rozlišuje velká a malá písmena: okno se jmenuje „{}“, podmínka "
                    "nikdy neplatí"_cp,
                    {form, w->Name}));
    }

    // ---- actions ----
    void actions(std::string_view action) {
        std::string_view rest = player::CutActions(
            action, [this](std::string_view, const Statement& st) { statement(st); });
        textCommands(rest);
    }

    void statement(const Statement& st) {
        textCommands(st.text);
        if (st.word.empty() && st.argText.empty())
            return;
        std::string word = asciiUpper(st.word);
        if (player::IsScriptCommand(word)) {
            command(word, st);
            return;
        }
        if (kind_ == ScriptKind::Menu && isMenuCommand(word)) {
            menuCommand(word, st);
            return;
        }
        unknownWord(word, st);
    }

    static bool isMenuCommand(std::string_view word) {
        return word == "VIEWMENU" || word == "ADDPOL" || word == "REMPOL";
    }

    void unknownWord(const std::string& word, const Statement& st) {
        std::string echoed =
            std::string(st.text) + " " + std::string(st.word) + ";" + std::string(st.argText);
        if (isMenuCommand(word)) {
            c_.error(say("{} je příkaz nabídek; přehrávač ho tady ukáže jako text"_cp, {st.word}));
        } else if (word == "READ") {
            c_.error(
                "READ platí jen na začátku řádku nebo hned za „]“ podmínky, bez mezery; "
                "takto se ukáže jako text"_cp);
        } else if (std::size_t glued = gluedCommand(st.word); glued != 0) {
            c_.error(say("příkaz {} není mezerou oddělen od textu „{}“; ukáže se jako text"_cp,
                         {st.word.substr(glued), st.word.substr(0, glued)}));
        } else if (!st.argText.empty() && allOf(st.word, isAsciiLetter)) {
            c_.error(say("neznámý příkaz {}; ukáže se jako text „{}“"_cp, {st.word, echoed}));
        } else if (!st.argText.empty()) {
            c_.warning(
                say("závorka před středníkem se čte jako argumenty; ukáže se „{}“"_cp, {echoed}));
        } else if (st.word.size() >= 3 && allOf(st.word, isUpperAscii)) {
            c_.warning(say("{} není příkaz; ukáže se jako text „{};“"_cp, {st.word, st.word}));
        }
    }

    // Where a command begins inside a word such as "klíčADD" (0 when none does).
    static std::size_t gluedCommand(std::string_view word) {
        for (std::size_t i = 1; i + 1 < word.size(); ++i)
            if (isUpperAscii(word[i]) && !isUpperAscii(word[i - 1]) &&
                player::IsScriptCommand(word.substr(i)))
                return i;
        return 0;
    }

    // Text is only shown: a command standing in it (its ";" missing, or a ";" inside its
    // arguments having cut it) never acts. A bare command word counts only at the end of the
    // text, where a forgotten ";" leaves it; elsewhere it is more likely a word like "STOP".
    void textCommands(std::string_view text) {
        std::size_t open = text.find('[');
        if (open != std::string_view::npos && text.find(']', open) != std::string_view::npos)
            c_.warning("„[...]“ uprostřed řádku není podmínka; ukáže se jako text"_cp);
        std::size_t i = 0;
        while (i < text.size()) {
            if (!isAsciiLetter(text[i])) {
                ++i;
                continue;
            }
            std::size_t start = i;
            while (i < text.size() && isAsciiLetter(text[i]))
                ++i;
            bool wordStart = start == 0 || !isAsciiLetter(text[start - 1]);
            if (!wordStart || (start > 0 && static_cast<unsigned char>(text[start - 1]) >= 0x80))
                continue;
            std::string_view word = text.substr(start, i - start);
            bool isCommand = player::IsScriptCommand(word) ||
                             (kind_ == ScriptKind::Menu && isMenuCommand(asciiUpper(word)));
            if (!isCommand)
                continue;
            if (i < text.size() && text[i] == '(')
                c_.error(
                    say("příkaz {} stojí v textu (chybí za ním „;“, nebo je „;“ v jeho "
                        "argumentech); ukáže se jako text"_cp,
                        {word}));
            else if (word.size() >= 2 && allOf(word, isUpperAscii) &&
                     text.find_first_not_of(' ', i) == std::string_view::npos)
                c_.warning(
                    say("{} v textu vypadá jako příkaz bez „;“; ukáže se jako text"_cp, {word}));
        }
    }

    using Handler = void (ScriptChecker::*)(const Statement&);

    void command(const std::string& word, const Statement& st) {
        static const std::unordered_map<std::string_view, Handler> kChecks = {
            {"ADD", &ScriptChecker::add},         {"REM", &ScriptChecker::rem},
            {"REMALL", &ScriptChecker::remAll},   {"ADDCS", &ScriptChecker::addPath},
            {"REMCS", &ScriptChecker::remPath},   {"EXCH", &ScriptChecker::exchange},
            {"SET", &ScriptChecker::set},         {"GO", &ScriptChecker::go},
            {"TRANS", &ScriptChecker::transfer},  {"CYKLUS", &ScriptChecker::cycle},
            {"PLAY", &ScriptChecker::play},       {"PLAYSEC", &ScriptChecker::play},
            {"PLAYBG", &ScriptChecker::playBg},   {"ADDMID", &ScriptChecker::musicPlace},
            {"REMMID", &ScriptChecker::remMusic}, {"CLEARMID", &ScriptChecker::musicPlace},
            {"STOP", &ScriptChecker::level},      {"STOPSEC", &ScriptChecker::level},
            {"STOPBG", &ScriptChecker::stopBg},
        };
        auto found = kChecks.find(word);
        if (found != kChecks.end())
            (this->*found->second)(st);
    }

    // ---- names ----
    void itemPlace(std::string_view place) {
        if (place == "A" || place == "B" || place == "C" || c_.isWindow(place))
            return;
        c_.error(say("místo „{}“ není A, B, C ani jméno okna{}"_cp, {place, caseHint(place)}));
    }
    void pathPlace(std::string_view place) {
        if (place == "A" || place == "B" || c_.isWindow(place))
            return;
        c_.error(say("místo „{}“ není A, B ani jméno okna{}"_cp, {place, caseHint(place)}));
    }
    static std::string caseHint(std::string_view place) {
        if (place == "a" || place == "b" || place == "c")
            return " (A, B a C se píší velkými písmeny)"_cp;
        return {};
    }
    void window(std::string_view name) {
        if (name.empty())
            c_.error("chybí jméno okna"_cp);
        else if (!c_.isWindow(name))
            c_.error(say("okno „{}“ neexistuje"_cp, {name}));
    }
    void item(std::string_view name) {
        if (name.empty())
            c_.error("chybí jméno předmětu"_cp);
        else if (!c_.isItem(name))
            c_.error(say("předmět „{}“ neexistuje"_cp, {name}));
    }
    void itemOrAll(std::string_view name) {
        if (name != "*")
            item(name);
    }
    void sound(std::string_view name) {
        if (name.empty())
            c_.error("chybí jméno zvuku"_cp);
        else if (!c_.isSound(name))
            c_.error(say("zvuk „{}“ neexistuje"_cp, {name}));
    }
    void number(std::string_view text, const char* what) {
        if (!text.empty() && !parseDecimal32(text))
            c_.error(say("{} „{}“ není číslo"_cp, {what, text}));
    }
    void volume(std::string_view text) {
        if (!text.empty() && !validVolume(text))
            c_.error(say("hlasitost a balanc „{}“ nejsou ve tvaru 100x100 (0 až 100)"_cp, {text}));
    }

    // ---- commands ----
    void add(const Statement& st) {
        itemPlace(st.args[0]);
        item(st.args[1]);
        c_.itemsAdded.add(std::string(st.args[1]));
    }
    void rem(const Statement& st) {
        itemPlace(st.args[0]);
        itemOrAll(st.args[1]);
    }
    void remAll(const Statement& st) { itemPlace(st.args[0]); }
    void addPath(const Statement& st) {
        pathPlace(st.args[0]);
        window(st.args[1]);
        c_.windowsEntered.add(std::string(st.args[1]));
    }
    void remPath(const Statement& st) {
        pathPlace(st.args[0]);
        window(st.args[1]);
    }
    void exchange(const Statement& st) {
        item(st.args[0]);
        item(st.args[1]);
        c_.itemsAdded.add(std::string(st.args[1]));
    }
    void go(const Statement& st) {
        if (st.args[0] == "B")
            return;
        window(st.args[0]);
        c_.windowsEntered.add(std::string(st.args[0]));
    }
    void transfer(const Statement& st) {
        itemPlace(st.args[0]);
        itemPlace(st.args[1]);
        if (st.args[0] == st.args[1])
            c_.error("TRANS z místa do téhož místa nic nepřesune a ukáže se jako text"_cp);
    }
    void cycle(const Statement& st) {
        if (st.args[0] != "0" && st.args[0] != "1")
            c_.error(say("CYKLUS zapíná 1 a vypíná 0 („{}“ vypíná)"_cp, {st.args[0]}));
    }
    void play(const Statement& st) {
        std::string_view name = st.args[0];
        if (!name.empty() && name.front() == '%') {
            if (!parseDecimal32(name.substr(1)))
                c_.error(say("délka pauzy „{}“ není číslo (pauza bude 5 tiků)"_cp, {name}));
        } else {
            sound(name);
        }
        volume(st.args[1]);
    }
    void playBg(const Statement& st) {
        player::BackgroundArguments a = player::ReadBackgroundArguments(st);
        sound(st.args[0]);
        volume(a.volume);
        if (!a.loop.empty() && a.loop != "loop" && a.loop != "1" && a.loop != "0")
            c_.error(say("„{}“ není loop ani 1; zvuk na pozadí se nebude opakovat"_cp, {a.loop}));
        number(a.delay, "zpoždění"_cp);
    }
    void musicPlace(const Statement& st) { pathPlace(st.args[0]); }
    void remMusic(const Statement& st) {
        pathPlace(st.args[0]);
        if (st.args[1] != "*")
            sound(st.args[1]);
    }
    void level(const Statement& st) { number(st.args[0], "úroveň priority"_cp); }
    void stopBg(const Statement& st) {
        if (st.args[0] != "*")
            sound(st.args[0]);
        if (st.args[1] != "0")
            number(st.args[1], "krok ztišení"_cp);
    }

    void set(const Statement& st) {
        std::string_view target = st.args[0], value = st.args[1];
        std::string_view rest = value;
        if (!rest.empty() && !isDigit(rest.front()))
            rest.remove_prefix(1);
        bool counted = parseDecimal32(rest).value_or(-1) >= 0;
        if (sameTextAscii(target, "MAX")) {
            if (!counted)
                c_.error(
                    say("maximum předmětů „{}“ není číslo; SET se ukáže jako text"_cp, {value}));
            return;
        }
        auto nn = parseDecimal32(target.substr(target.empty() ? 0 : 1, 2));
        char letter = target.empty() ? ' ' : asciiUpper(target.substr(0, 1)).front();
        if (!nn) {
            c_.error(say("neznámá proměnná „{}“ (P, C, S, T nebo MAX); SET se ukáže jako text"_cp,
                         {target}));
            return;
        }
        int limit = letter == 'S' || letter == 'T' ? 20 : 100;
        if (!isVariableLetter(letter)) {
            c_.error(
                say("neznámá proměnná „{}“ (P, C, S, T nebo MAX); SET nic neudělá"_cp, {target}));
            return;
        }
        if (*nn < 0 || *nn >= limit || target.size() > 3) {
            c_.error(say("proměnná „{}“ není v rozsahu {}"_cp, {target, variableRange(letter)}));
            return;
        }
        switch (letter) {
            case 'C':
            case 'T':
                if (!counted)
                    c_.error(say("hodnota „{}“ není číslo; SET nic neudělá"_cp, {value}));
                break;
            case 'P':
                if (rest != "0" && rest != "1")
                    c_.error(say("přepínač se nastavuje na 0 nebo 1 („{}“ vypíná)"_cp, {value}));
                break;
            case 'S':
                if (!value.empty() && !isDigit(value.front()) && value.front() != '"' &&
                    value.front() != '\'')
                    c_.error(
                        say("text řetězce patří do uvozovek: první znak „{}“ se bere jako "
                            "znaménko a ztratí se"_cp,
                            {value.substr(0, 1)}));
                break;
        }
    }

    // ---- the editor's menu statements ----
    void menuCommand(const std::string& word, const Statement& st) {
        if (word == "VIEWMENU") {
            menu(st.args[0]);
            return;
        }
        if (st.args[0] != "M")
            menu(st.args[0]);
        std::string_view entry = st.args[1];
        const auto& defaults = EditorDocument::DefaultMainMenu();
        bool known = entry == "*" || c_.document->MenuItems().contains(entry) ||
                     std::any_of(defaults.begin(), defaults.end(),
                                 [&](const std::string& d) { return sameText(d, entry); });
        if (!known)
            c_.error(say("položka „{}“ neexistuje"_cp, {entry}));
    }
    void menu(std::string_view name) {
        if (!c_.document->Menus().contains(name))
            c_.error(say("nabídka „{}“ neexistuje"_cp, {name}));
    }

    CheckContext& c_;
    ScriptKind kind_;
};

}  // namespace

void CheckScript(CheckContext& context, const StringList& script, ScriptKind kind) {
    ScriptChecker checker(context, kind);
    for (std::size_t i = 0; i < script.size(); ++i) {
        context.line(static_cast<int>(i) + 1);
        checker.line(script[i]);
    }
    context.line(0);
}

}  // namespace vek::editor
