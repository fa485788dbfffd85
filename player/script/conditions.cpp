// Conditions: atoms evaluated left to right into "T"/"F", then combined without precedence.
#include <iterator>
#include <string>

#include "common/cp1250.h"
#include "player/script/engine.h"
#include "player/script/script_syntax.h"
#include "player/script/script_text.h"

namespace vek::player {

namespace {

using namespace script_text;

// Deeper nesting than any hand-written condition; beyond it the rest holds, which keeps hostile
// input from exhausting the stack or taking quadratic time.
constexpr int kMaxNesting = 256;

struct AtomContext {
    const GameState& world;
    const ScriptState& state;
    const ScriptSound& sound;
    RandomSource& random;
    EventKind kind;
};

bool compare(char op, long long value, long long against) {
    switch (op) {
        case '<':
            return value < against;
        case '=':
            return value == against;
        case '>':
            return value > against;
        case 'x':
            return value != against;
        default:
            return true;
    }
}

bool variableForm(std::string_view t, char upper) {
    return t.size() > 3 && (t[0] == upper || t[0] == upper + ('a' - 'A')) &&
           variableNumber(t).has_value();
}

// The done flag FIRST and NOFIRST test for the running event; none for intro, loss and win.
const bool* doneFlag(const AtomContext& c) {
    const TOkno* w = c.world.CurrentWindow;
    const TPredmet* p = c.world.CurrentItem;
    switch (c.kind) {
        case EventKind::Look:
            return w ? &w->LookDone : nullptr;
        case EventKind::Arrival:
            return w ? &w->ArrivalDone : nullptr;
        case EventKind::Departure:
            return w ? &w->DepartureDone : nullptr;
        case EventKind::Examine:
            return p ? &p->ExamineDone : nullptr;
        case EventKind::Take:
            return p ? &p->TakeDone : nullptr;
        case EventKind::Put:
            return p ? &p->PutDone : nullptr;
        case EventKind::Use:
        case EventKind::UseOn:
            return p ? &p->UseDone : nullptr;
        case EventKind::Talk:
            return p ? &p->TalkDone : nullptr;
        case EventKind::MainCycle:
            return &c.world.CycleHasRun;
        default:
            return nullptr;
    }
}

// "A" and "B" name the current and the previous window; before the first move "B" has none,
// and the atom does not hold.
const TOkno* windowFor(const AtomContext& c, std::string_view where) {
    if (where == "A")
        return c.world.CurrentWindow;
    if (where == "B")
        return c.world.PreviousWindow;
    return c.world.WindowList.Najdi(where);
}

// "IN(where,item)" and "INCS(where,window)": the two arguments.
struct PlaceArgs {
    std::string_view where, name;
};
PlaceArgs placeArgs(std::string_view t, std::size_t prefixLength) {
    std::size_t comma = t.find(',');
    std::string_view where = t.substr(prefixLength, comma - prefixLength);
    std::string_view name = t.substr(comma + 1);
    if (!name.empty())
        name.remove_suffix(1);  // the token's last character, normally ")"
    return {where, name};
}

// The text between "NAME(" and the token's last character.
std::string_view innerArgument(std::string_view t, std::size_t prefixLength) {
    if (t.size() <= prefixLength)
        return {};
    return t.substr(prefixLength, t.size() - prefixLength - 1);
}

double probability(std::string_view p) {
    std::size_t dot = p.find('.');
    if (dot == std::string_view::npos)
        return parseDecimal32(p).value_or(100);
    double whole = parseDecimal32(p.substr(0, dot)).value_or(0);
    std::string thousandths(p.substr(dot + 1, 3));
    thousandths.resize(3, '0');
    return whole + parseDecimal32(thousandths).value_or(0) / 1000.0;
}

struct AtomForm {
    bool (*fits)(std::string_view t);
    bool (*holds)(const AtomContext& c, std::string_view t);
};

const AtomForm kAtomForms[] = {
    // A=name, B=name: exact, letter case included.
    {[](std::string_view t) { return t.starts_with("A="); },
     [](const AtomContext& c, std::string_view t) {
         return c.world.CurrentWindow && c.world.CurrentWindow->Name == t.substr(2);
     }},
    {[](std::string_view t) { return t.starts_with("B="); },
     [](const AtomContext& c, std::string_view t) {
         return c.world.PreviousWindow && c.world.PreviousWindow->Name == t.substr(2);
     }},
    // Pnn=v: the fifth character "1" asks for the switch on, anything else for off.
    {[](std::string_view t) { return variableForm(t, 'P'); },
     [](const AtomContext& c, std::string_view t) {
         bool wantOn = t.size() > 4 && t[4] == '1';
         return c.world.Switches[static_cast<std::size_t>(*variableNumber(t))] == wantOn;
     }},
    // Cnn op vvv: three characters of value.
    {[](std::string_view t) { return variableForm(t, 'C'); },
     [](const AtomContext& c, std::string_view t) {
         auto v = parseDecimal32(t.substr(4, 3));
         return !v ||
                compare(t[3], c.world.Counters[static_cast<std::size_t>(*variableNumber(t))], *v);
     }},
    // Snn=text, Snnxtext: only S00 to S19 exist.
    {[](std::string_view t) { return variableForm(t, 'S') && *variableNumber(t) < 20; },
     [](const AtomContext& c, std::string_view t) {
         const std::string& var = c.world.StringVars[static_cast<std::size_t>(*variableNumber(t))];
         bool same = sameTextAscii(var, withoutQuotes(t.substr(4)));
         return t[3] == 'x' ? !same : same;
     }},
    // Tnn op v
    {[](std::string_view t) { return variableForm(t, 'T') && *variableNumber(t) < 20; },
     [](const AtomContext& c, std::string_view t) {
         auto v = parseDecimal32(t.substr(4));
         return !v ||
                compare(t[3], c.world.Timers[static_cast<std::size_t>(*variableNumber(t))], *v);
     }},
    // %1=text
    {[](std::string_view t) { return t.starts_with("%1"); },
     [](const AtomContext& c, std::string_view t) {
         return c.world.ObjectName == (t.size() > 3 ? t.substr(3) : std::string_view());
     }},
    // IN(where,item)
    {[](std::string_view t) {
         return startsWithAscii(t, "IN(") && t.find(',') != std::string_view::npos;
     },
     [](const AtomContext& c, std::string_view t) {
         auto [where, item] = placeArgs(t, 3);
         if (where == "C")
             return c.world.Inventory.contains(item);
         const TOkno* w = windowFor(c, where);
         return w && w->Items.contains(item);
     }},
    // INCS(where,window)
    {[](std::string_view t) {
         return startsWithAscii(t, "INCS(") && t.find(',') != std::string_view::npos;
     },
     [](const AtomContext& c, std::string_view t) {
         auto [where, window] = placeArgs(t, 5);
         const TOkno* w = windowFor(c, where);
         return w && w->Paths.contains(window);
     }},
    // PST(p): every evaluation draws one number.
    {[](std::string_view t) { return startsWithAscii(t, "PST("); },
     [](const AtomContext& c, std::string_view t) {
         double p = probability(innerArgument(t, 4));
         return p > 100.0 * c.random.next();
     }},
    {[](std::string_view t) { return startsWithAscii(t, "PLAYING("); },
     [](const AtomContext& c, std::string_view t) {
         return c.sound.BackgroundPlaying(innerArgument(t, 8));
     }},
    {[](std::string_view t) { return startsWithAscii(t, "PLAYFIN("); },
     [](const AtomContext& c, std::string_view t) {
         return c.sound.BackgroundFinished(innerArgument(t, 8));
     }},
    {[](std::string_view t) { return sameTextAscii(t, "FIRST"); },
     [](const AtomContext& c, std::string_view) {
         const bool* f = doneFlag(c);
         return !f || !*f;
     }},
    {[](std::string_view t) { return sameTextAscii(t, "NOFIRST"); },
     [](const AtomContext& c, std::string_view) {
         const bool* f = doneFlag(c);
         return !f || *f;
     }},
    {[](std::string_view t) { return sameTextAscii(t, "FULL"); },
     [](const AtomContext& c, std::string_view) {
         auto max = c.world.ScenSett.MaxItems;
         return max < 99 && c.world.Inventory.size() >= max;
     }},
    {[](std::string_view t) { return sameTextAscii(t, "NOFULL"); },
     [](const AtomContext& c, std::string_view) {
         auto max = c.world.ScenSett.MaxItems;
         return max >= 99 || c.world.Inventory.size() < max;
     }},
    {[](std::string_view t) { return sameTextAscii(t, "LAST"); },
     [](const AtomContext& c, std::string_view) { return c.state.LastResult; }},
    {[](std::string_view t) { return sameTextAscii(t, "ELSE"); },
     [](const AtomContext& c, std::string_view) { return c.state.NoneHeld; }},
};

}  // namespace

bool IsConditionOperator(char c) {
    switch (c) {
        case '!':
        case '(':
        case ')':
        case ',':
        case ';':
        case '[':
        case ']':
        case '|':
            return true;
        default:
            return false;
    }
}

bool StartsConditionAtom(char c) {
    return script_text::isAsciiLetter(c) || c == '%';
}

namespace {

bool endsAtom(char c) {
    return c == ' ' || c == ')' || c == ',' || c == ';' || c == ']' || c == '|';
}

}  // namespace

// Where the atom starting at `start` ends: at the first ending character outside its own
// parentheses, outside square brackets and outside quotes.
std::size_t ConditionAtomEnd(std::string_view text, std::size_t start) {
    int parens = 0, brackets = 0;
    bool inDouble = false, inSingle = false;
    for (std::size_t i = start; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"')
            inDouble = !inDouble;
        else if (c == '\'')
            inSingle = !inSingle;
        if (inDouble || inSingle || c == '"' || c == '\'')
            continue;
        if (parens == 0 && brackets == 0 && endsAtom(c))
            return i;
        if (c == '(')
            ++parens;
        else if (c == ')' && parens > 0)
            --parens;  // closes the atom's own parenthesis
        else if (c == '[')
            ++brackets;
        else if (c == ']' && brackets > 0)
            --brackets;
    }
    return text.size();
}

namespace {

std::size_t closingBracket(std::string_view s) {
    int depth = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '(' || s[i] == '[')
            ++depth;
        else if (s[i] == ')' || s[i] == ']') {
            if (--depth == 0)
                return i;
        }
    }
    return std::string_view::npos;
}

bool isOpen(char c) {
    return c == '(' || c == '[';
}
bool isClose(char c) {
    return c == ')' || c == ']';
}

std::string_view takeOperand(std::string_view s, std::size_t& pos) {
    if (pos >= s.size())
        return {};
    std::string_view rest = s.substr(pos);
    std::size_t length = 1;
    if (isOpen(rest[0])) {
        std::size_t close = closingBracket(rest);
        length = close == std::string_view::npos ? rest.size() : close + 1;
    }
    pos += length;
    return rest.substr(0, length);
}

bool combine(std::string_view s, int nesting);

bool operandValue(std::string_view operand, int nesting) {
    if (operand.size() >= 2 && isOpen(operand.front()) && isClose(operand.back()))
        return nesting >= kMaxNesting ||
               combine(operand.substr(1, operand.size() - 2), nesting + 1);
    return operand != "F";
}

// The procedure works on the whole right side of an operator; a loop stands in for that
// recursion so that long chains of operators cost no stack.
bool combine(std::string_view s, int nesting) {
    for (;;) {
        if (s.size() < 2)
            return s != "F";
        std::size_t pos = 0;
        std::string_view operand = takeOperand(s, pos);
        bool negate = operand == "!";
        if (negate)
            operand = takeOperand(s, pos);
        bool value = operandValue(operand, nesting) != negate;
        if (pos >= s.size())
            return value;
        char op = s[pos];
        std::string_view right = s.substr(pos + 1);
        if (!right.empty() && isOpen(right.front()) && closingBracket(right) == right.size() - 1) {
            if (++nesting > kMaxNesting)
                return true;
            right = right.substr(1, right.size() - 2);
        }
        if (op == '|') {
            if (value)
                return true;
        } else if (op == ';' || op == ',') {
            if (!value)
                return false;
        } else {
            return true;
        }
        s = right;
    }
}

}  // namespace

static_assert(std::size(kAtomForms) == static_cast<std::size_t>(AtomKind::Else) + 1,
              "AtomKind lists the forms in table order");

std::optional<AtomKind> AtomKindOf(std::string_view atom) {
    std::optional<AtomKind> kind;
    for (std::size_t i = 0; i < std::size(kAtomForms); ++i)
        if (kAtomForms[i].fits(atom))
            kind = static_cast<AtomKind>(i);
    return kind;
}

bool ScriptEngine::EvaluateAtom(std::string_view atom, EventKind kind) {
    AtomContext context{world_, state_, sound_, random_, kind};
    bool result = true;
    for (const AtomForm& form : kAtomForms)
        if (form.fits(atom))
            result = form.holds(context, atom);
    return result;
}

bool ScriptEngine::EvaluateCondition(std::string_view text, EventKind kind) {
    std::string evaluated;
    evaluated.reserve(16);
    CutCondition(
        text, [&evaluated](char c) { evaluated += c; },
        [&](std::string_view atom) { evaluated += EvaluateAtom(atom, kind) ? 'T' : 'F'; });
    return combine(evaluated, 0);
}

}  // namespace vek::player
