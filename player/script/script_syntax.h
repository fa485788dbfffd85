// How the engine cuts script text: a line into comment, negation, condition and action part; a
// condition into atoms and operators; an action part into statements. The engine runs on these
// and the scenario checker reads scripts through them, so both always see the same pieces.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vek::player {

// One script line as a run reads it.
struct ScriptLineParts {
    std::string_view condition;  // between "[" and its matching "]"; empty when there is none
    std::string_view action;     // the rest; the whole line when there is no usable condition
    bool negated = false;        // the line began with "!"
    bool hasCondition = false;   // a "[...]" was taken as the condition
    bool isRead = false;         // the action part is a READ line, run without its condition
};

// The "&" comment dropped, a leading "!" taken, then "[...]" as the condition when at least
// two characters follow its "]".
ScriptLineParts SplitScriptLine(std::string_view line);

// The "]" that matches the "[" at the start of `line` (square brackets nest), or npos.
std::size_t MatchingBracket(std::string_view line);

// Condition text: the characters kept as operators, and where an atom that starts at `start`
// ends (outside its own parentheses, square brackets and quotes).
bool IsConditionOperator(char c);
bool StartsConditionAtom(char c);
std::size_t ConditionAtomEnd(std::string_view text, std::size_t start);

// Walks a condition from the left: `onOperator(char)` for each operator character,
// `onAtom(std::string_view)` for each atom; everything else is skipped.
template <typename OnOperator, typename OnAtom>
void CutCondition(std::string_view text, OnOperator onOperator, OnAtom onAtom) {
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (IsConditionOperator(c)) {
            onOperator(c);
            ++i;
        } else if (StartsConditionAtom(c)) {
            std::size_t end = ConditionAtomEnd(text, i);
            onAtom(text.substr(i, end - i));
            i = end;
        } else {
            ++i;
        }
    }
}

// The forms an atom can take, in the order they are tried.
enum class AtomKind {
    CurrentWindow,   // A=name
    PreviousWindow,  // B=name
    Switch,          // Pnn=v
    Counter,         // Cnn op vvv
    String,          // Snn=text, Snnxtext
    Timer,           // Tnn op v
    Parameter,       // %1=text
    In,              // IN(where,item)
    InPaths,         // INCS(where,window)
    Probability,     // PST(p)
    Playing,         // PLAYING(name)
    Finished,        // PLAYFIN(name)
    First,
    NoFirst,
    Full,
    NoFull,
    Last,
    Else,
};

// The form that decides an atom (the last that fits), or none: such an atom always holds.
std::optional<AtomKind> AtomKindOf(std::string_view atom);

// One statement of an action part, up to and including its ";".
struct Statement {
    std::string_view text;     // before the command word, trailing spaces removed
    std::string_view word;     // as written
    std::string_view argText;  // between the parentheses
    std::array<std::string_view, 4> args;
};

Statement CutStatement(std::string_view statement);

// The action part without its one leading space, cut at every ";": `onStatement(std::string_view
// whole, const Statement&)` for each statement; the text after the last ";" is returned.
template <typename OnStatement>
std::string_view CutActions(std::string_view actions, OnStatement onStatement) {
    if (!actions.empty() && actions.front() == ' ')
        actions.remove_prefix(1);
    for (std::size_t semi; (semi = actions.find(';')) != std::string_view::npos;) {
        std::string_view whole = actions.substr(0, semi + 1);
        actions.remove_prefix(semi + 1);
        onStatement(whole, CutStatement(whole));
    }
    return actions;
}

// PLAYBG(name,volbal,loop,delay) as the engine reads it: "loop" (or "1") may come first, and a
// lone number without "x" is the delay.
struct BackgroundArguments {
    std::string_view volume;  // "100x100"; empty: the default
    std::string_view loop;    // "loop" or "1" loops
    std::string_view delay;   // in ticks; 0 when not a number
};
BackgroundArguments ReadBackgroundArguments(const Statement& statement);

// Whether the command word (any letter case) is one the engine acts on.
bool IsScriptCommand(std::string_view word);

}  // namespace vek::player
