// How script text is cut, as the engine runs it and the checker reads it: one table per cutting
// function, each row a text and the pieces it must give.
#include "player/script/script_syntax.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vek::player {
namespace {

struct LineRow {
    const char* line;
    const char* condition;
    const char* action;
    bool negated, hasCondition, isRead;
};

TEST(ScriptSyntax, LinesSplitIntoNegationConditionAndAction) {
    const LineRow rows[] = {
        {"[P01=1] GO(a);", "P01=1", " GO(a);", false, true, false},
        {"![A=Les] Text.", "A=Les", " Text.", true, true, false},
        {"[[P01=1]|FULL] GO(a);", "[P01=1]|FULL", " GO(a);", false, true, false},
        // Fewer than two characters after "]", or no "]" at all: the whole line is action.
        {"[FULL]x", "", "[FULL]x", false, false, false},
        {"[FULL]xy", "FULL", "xy", false, true, false},
        {"[P01=1 GO(a);", "", "[P01=1 GO(a);", false, false, false},
        // "&" starts a comment, also inside the brackets.
        {"Text & GO(b);", "", "Text ", false, false, false},
        {"[FIRST] & komentar", "", "[FIRST] ", false, false, false},
        {"[P&01] GO(a);", "", "[P", false, false, false},
        // A READ line: the action begins with READ(S, in any letter case, right after "]".
        {"READ(S01);", "", "READ(S01);", false, false, true},
        {"read(s02,key);", "", "read(s02,key);", false, false, true},
        {"[P01=1]READ(S01);", "P01=1", "READ(S01);", false, true, true},
        {"[LAST] READ(S01);", "LAST", " READ(S01);", false, true, false},
        {"", "", "", false, false, false},
    };
    for (const LineRow& r : rows) {
        SCOPED_TRACE(r.line);
        ScriptLineParts p = SplitScriptLine(r.line);
        EXPECT_EQ(p.condition, r.condition);
        EXPECT_EQ(p.action, r.action);
        EXPECT_EQ(p.negated, r.negated);
        EXPECT_EQ(p.hasCondition, r.hasCondition);
        EXPECT_EQ(p.isRead, r.isRead);
    }
    EXPECT_EQ(MatchingBracket("[a[b]c]d"), 6u);
    EXPECT_EQ(MatchingBracket("[a[b]c"), std::string_view::npos);
}

// The cut condition as operators and {atoms}.
std::string cut(std::string_view condition) {
    std::string out;
    CutCondition(
        condition, [&out](char op) { out += op; },
        [&out](std::string_view atom) { out += "{" + std::string(atom) + "}"; });
    return out;
}

TEST(ScriptSyntax, ConditionsCutIntoOperatorsAndAtoms) {
    const std::pair<const char*, const char*> rows[] = {
        {"P01=1;!IN(A,klic)|(C05>003)", "{P01=1};!{IN(A,klic)}|({C05>003})"},
        {"A=Les Pod", "{A=Les}{Pod}"},
        // Quotes and the atom's own brackets keep separators inside the atom.
        {"S01=\"a;b|c\";FULL", "{S01=\"a;b|c\"};{FULL}"},
        {"S01='x y'", "{S01='x y'}"},
        {"A=Sal[1];LAST", "{A=Sal[1]};{LAST}"},
        {"INCS(A,(B));ELSE", "{INCS(A,(B))};{ELSE}"},
        // What starts no atom and is no operator is skipped.
        {"3FULL , #LAST", "{FULL},{LAST}"},
        {"%1=Sklep", "{%1=Sklep}"},
        {"", ""},
    };
    for (const auto& [condition, pieces] : rows)
        EXPECT_EQ(cut(condition), pieces) << condition;
}

TEST(ScriptSyntax, AtomsAreKnownByTheirForm) {
    using K = AtomKind;
    const std::pair<const char*, std::optional<K>> rows[] = {
        {"A=Les", K::CurrentWindow},
        {"B=Les", K::PreviousWindow},
        {"P01=1", K::Switch},
        {"p99=0", K::Switch},
        {"C05>003", K::Counter},
        {"S19=ahoj", K::String},
        {"S01xne", K::String},
        {"T03<10", K::Timer},
        {"%1=Sklep", K::Parameter},
        {"IN(A,klic)", K::In},
        {"in(C,klic)", K::In},
        {"INCS(A,Sklep)", K::InPaths},
        {"PST(50)", K::Probability},
        {"PLAYING(vitr)", K::Playing},
        {"PLAYFIN(vitr)", K::Finished},
        {"first", K::First},
        {"NOFIRST", K::NoFirst},
        {"FULL", K::Full},
        {"NOFULL", K::NoFull},
        {"LAST", K::Last},
        {"Else", K::Else},
        // No form fits: the atom always holds.
        {"S20=ahoj", std::nullopt},
        {"P1=1", std::nullopt},
        {"C05", std::nullopt},
        {"IN(A)", std::nullopt},
        {"FIRSTS", std::nullopt},
        {"Pod", std::nullopt},
    };
    for (const auto& [atom, kind] : rows)
        EXPECT_EQ(AtomKindOf(atom), kind) << atom;
}

struct StatementRow {
    const char* statement;
    const char* text;
    const char* word;
    const char* argText;
    std::vector<const char*> args;
};

TEST(ScriptSyntax, StatementsCutIntoTextCommandAndArguments) {
    const StatementRow rows[] = {
        {"GO(Les);", "", "GO", "Les", {"Les"}},
        {"Vidis les. GO(Les);", "Vidis les.", "GO", "Les", {"Les"}},
        {"Konec!WIN;", "Konec!", "WIN", "", {}},
        {"CLEAR;", "", "CLEAR", "", {}},
        {"Text bez prikazu;", "Text bez", "prikazu", "", {}},
        {"PLAYBG(vitr,50x50,loop,10);",
         "",
         "PLAYBG",
         "vitr,50x50,loop,10",
         {"vitr", "50x50", "loop", "10"}},
        // Parentheses pair from the end, so an argument may hold its own.
        {"SET(S01,\"a(b)\");", "", "SET", "S01,\"a(b)\"", {"S01", "\"a(b)\""}},
        // The fourth argument keeps the rest.
        {"X(a,b,c,d,e);", "", "X", "a,b,c,d,e", {"a", "b", "c", "d,e"}},
        {";", "", "", "", {}},
    };
    for (const StatementRow& r : rows) {
        SCOPED_TRACE(r.statement);
        Statement st = CutStatement(r.statement);
        EXPECT_EQ(st.text, r.text);
        EXPECT_EQ(st.word, r.word);
        EXPECT_EQ(st.argText, r.argText);
        for (std::size_t i = 0; i < st.args.size(); ++i)
            EXPECT_EQ(st.args[i], i < r.args.size() ? r.args[i] : "") << "argument " << i;
    }
}

TEST(ScriptSyntax, ActionPartsCutAtEverySemicolon) {
    std::vector<std::string> wholes, words;
    std::string_view rest = CutActions("  GO(a); Text. CLEAR;zbytek", [&](auto whole, auto st) {
        wholes.emplace_back(whole);
        words.emplace_back(st.word);
    });
    // Only one leading space goes.
    EXPECT_EQ(wholes, (std::vector<std::string>{" GO(a);", " Text. CLEAR;"}));
    EXPECT_EQ(words, (std::vector<std::string>{"GO", "CLEAR"}));
    EXPECT_EQ(rest, "zbytek");
}

TEST(ScriptSyntax, BackgroundArgumentsInEitherOrder) {
    struct Row {
        const char* statement;
        const char* volume;
        const char* loop;
        const char* delay;
    };
    const Row rows[] = {
        {"PLAYBG(v);", "", "", ""},
        {"PLAYBG(v,50x50);", "50x50", "", ""},
        {"PLAYBG(v,50x50,loop,10);", "50x50", "loop", "10"},
        {"PLAYBG(v,loop,50x50);", "50x50", "loop", ""},
        {"PLAYBG(v,1);", "", "loop", ""},
        {"PLAYBG(v,30);", "", "", "30"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.statement);
        BackgroundArguments a = ReadBackgroundArguments(CutStatement(r.statement));
        EXPECT_EQ(a.volume, r.volume);
        EXPECT_EQ(a.loop, r.loop);
        EXPECT_EQ(a.delay, r.delay);
    }
}

TEST(ScriptSyntax, CommandWordsInAnyLetterCase) {
    for (const char* word : {"GO", "go", "PlayBg", "STOPSECALL", "NOACTION", "WIN"})
        EXPECT_TRUE(IsScriptCommand(word)) << word;
    // READ acts only as a READ line; menu commands only in menus; the rest is text.
    for (const char* word : {"READ", "VIEWMENU", "ADDPOL", "GOTO", "", "G O"})
        EXPECT_FALSE(IsScriptCommand(word)) << word;
}

}  // namespace
}  // namespace vek::player
