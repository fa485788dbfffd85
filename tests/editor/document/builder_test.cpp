#include "editor/document/builder.h"

#include <gtest/gtest.h>

#include "editor/document/cz.h"
#include "editor/document/document.h"

namespace vek::editor {
namespace {

using test::C;

BuilderParams params(std::string p1 = {}, int i1 = -1, std::string p2 = {}, int i2 = -1,
                     std::string p3 = {}, int i3 = -1) {
    return {BuilderParam{std::move(p1), i1}, BuilderParam{std::move(p2), i2},
            BuilderParam{std::move(p3), i3}};
}

std::size_t indexOf(BuilderPurpose purpose, const char* sentence) {
    const auto& t = BuilderTemplates(purpose);
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i].sentence == C(sentence))
            return i;
    ADD_FAILURE() << "no sentence " << sentence;
    return 0;
}

std::string build(BuilderPurpose purpose, const char* sentence, const BuilderParams& p,
                  ConditionOptions o = {}) {
    return BuildText(purpose, indexOf(purpose, sentence), p, o);
}

// The sentences' meaning as the player reads it is tested with the checker
// (tests/editor/checker/builder_meaning_test.cpp); these are the parameters' effects: picked
// index against typed text, operators, signs, quotes and the special entries.
TEST(BuilderConditions, ParametersShapeTheText) {
    auto c = BuilderPurpose::Conditions;
    EXPECT_EQ(build(c, "Aktuální okno je", params(C("Předchozí"), 1, "Les")), "B=Les");
    EXPECT_EQ(build(c, "Přepínač je nastaven na hodnotu", params("P03", 3, "on", 1)), "P03=1");
    EXPECT_EQ(build(c, "Přepínač je nastaven na hodnotu", params("P03", 3, "2", -1)), "P03=2");
    const char* counter = "Čítač je nastaven na číslo";
    EXPECT_EQ(build(c, counter, params("C07", 7, "nastaven na", 0, "12", 12)), "C07=12");
    EXPECT_EQ(build(c, counter, params("C07", 7, C("menší než"), 1, "12", 12)), "C07<12");
    EXPECT_EQ(build(c, counter, params("C07", 7, C("větší než"), 2, "12", 12)), "C07>12");
    EXPECT_EQ(build(c, counter, params("C07", 7, C("různý od"), 3, "12", 12)), "C07x12");
    EXPECT_EQ(build(c, "Timer je nastaven na číslo", params("T01", 1, C("větší než"), 2, "5")),
              "T01>5");
    EXPECT_EQ(build(c, "String je nastaven na text", params("S02", 2, "ahoj")), "S02=\"ahoj\"");
    EXPECT_EQ(build(c, "Předmět se nachází v okně", params("klic", 0, "Les", 3)), "IN(Les,klic)");
    EXPECT_EQ(build(c, "Cesta se nachází v okně", params("Hora", 3, "Les", 4)), "INCS(Les,Hora)");
    EXPECT_EQ(build(c, "Na pozadí hraje (dohrál) zvuk", params(C("dohrál"), 1, "vitr")),
              "PLAYFIN(vitr)");
    EXPECT_EQ(build(c, "Plný počet předmětů", params(), {true, true}), "|!FULL");
    EXPECT_EQ(build(c, "Plný počet předmětů", params(), {true, false}), "!FULL");
}

TEST(BuilderActions, ParametersShapeTheText) {
    auto a = BuilderPurpose::Actions;
    EXPECT_EQ(
        build(a, "Přidej či zruš předmět v okně", params(C("Přidej"), 0, "klic", 0, "Les", 3)),
        "ADD(Les,klic);");
    EXPECT_EQ(
        build(a, "Přidej či zruš předmět v okně", params("Odeber", 1, C("(všechny)"), 4, "Les", 3)),
        "REM(Les,*);");
    EXPECT_EQ(build(a, "Přidej či zruš cestu v okně", params("Odeber", 1, "Hora", 3, "Les", 4)),
              "REMCS(Les,Hora);");
    EXPECT_EQ(build(a, "Nastav přepínač na hodnotu", params("P01", 1, "off", 0)), "SET(P01,0);");
    const char* counter = "Nastav čítač na číslo";
    EXPECT_EQ(build(a, counter, params("Nastav", 0, "C01", 1, "5", 5)), "SET(C01,5);");
    EXPECT_EQ(build(a, counter, params(C("Zvyš"), 1, "C01", 1, "5", 5)), "SET(C01,+5);");
    EXPECT_EQ(build(a, counter, params(C("Sniž"), 2, "C01", 1, "5", 5)), "SET(C01,-5);");
    EXPECT_EQ(build(a, "Nastav timer na hodnotu", params(C("Sniž"), 2, "T02", 2, "9", 9)),
              "SET(T02,-9);");
    EXPECT_EQ(build(a, "Nastav string na text", params("S01", 1, "\"ahoj\"")),
              "SET(S01,\"ahoj\");");
    EXPECT_EQ(build(a, "Nastav string na text", params("S01", 1, "ahoj")), "SET(S01,\"ahoj\");");
    EXPECT_EQ(build(a, "Přidej či zruš položku v nabídce",
                    params(C("Přidej"), 0, "Jdi[SZjdi]", 1, C("(hlavní)"), 0)),
              "ADDPOL(M,Jdi[SZjdi]);");
    EXPECT_EQ(build(a, "Přidej či zruš položku v nabídce",
                    params("Odeber", 1, C("(všechny)"), 10, "Volby", 1)),
              "REMPOL(Volby,*);");
    EXPECT_EQ(build(a, "Nastav maximum předmětů, které lze pobrat", params(C("Zvyš"), 1, "3", 3)),
              "SET(MAX,+3);");
    EXPECT_EQ(build(a, "Aktivuj / deaktivuj hlavní cyklus", params("Aktivuj", 0)), "CYKLUS(1);");
    EXPECT_EQ(build(a, "Aktivuj / deaktivuj hlavní cyklus", params("Deaktivuj", 1)), "CYKLUS(0);");
    EXPECT_EQ(build(a, "Čekej na stisknutí tlačítka", params(C("Smaž text"), 0)), "WAIT;");
    EXPECT_EQ(build(a, "Čekej na stisknutí tlačítka", params(C("Nemaž text"), 1)), "WAIT(0);");
    EXPECT_EQ(build(a, "Konec hry", params(C("Vítězstvím"), 0)), "WIN;");
    EXPECT_EQ(build(a, "Konec hry", params(C("Porážkou"), 1)), "LOSE;");
}

TEST(BuilderSounds, ParametersShapeTheText) {
    auto s = BuilderPurpose::SoundActions;
    const char* play = "Přehrej zvuk";
    EXPECT_EQ(build(s, play, params("x", 0, C("v primární frontě"), 0, "100x100", 0)), "PLAY(x);");
    EXPECT_EQ(build(s, play, params("x", 0, C("v sekundární frontě"), 1, "50x50", 5)),
              "PLAYSEC(x,50x50);");
    EXPECT_EQ(build(s, play, params("name", 0, C("na pozadí, smyčka"), 3, "100x100", 0)),
              "PLAYBG(name,loop);");
    EXPECT_EQ(build(s, play, params("name", 0, C("na pozadí, smyčka"), 3, "50x100", 20)),
              "PLAYBG(name,50x100,loop);");
    EXPECT_EQ(build(s, "Vlož pauzu", params("1400 ms", 6, C("v primární frontě"), 0)), "PLAY(%7);");
    EXPECT_EQ(build(s, "Vlož pauzu", params("abc", -1, C("v sekundární frontě"), 1)),
              "PLAYSEC(%1);");
    const char* stop = "Zastav přehrávání zvuků";
    EXPECT_EQ(build(s, stop, params(C("Aktuálního"), 0, C("v primární frontě"), 0)), "STOP;");
    EXPECT_EQ(build(s, stop, params(C("Všech"), 1, C("v primární frontě"), 0)), "STOPALL;");
    EXPECT_EQ(build(s, stop, params(C("Priority 9 a nižší"), 10, C("v sekundární frontě"), 1)),
              "STOPSEC(9);");
    const char* stopBg = "Zastav zvuk na pozadí";
    EXPECT_EQ(build(s, stopBg, params(C("Všechny"), 0, "0", 0)), "STOPBG(*);");
    EXPECT_EQ(build(s, stopBg, params("vitr", 1, "30", 3)), "STOPBG(vitr,30);");
    EXPECT_EQ(BuilderTemplates(BuilderPurpose::SingleSound).size(), 1u);
}

TEST(BuilderLayout, ReadsLabelsAndSlotsAndOffersTheirEntries) {
    TemplateLayout l = LayoutTemplate(C("Přehrej *zvuk**zvkam1* hlasitost a balanc *hlasbal*"));
    EXPECT_EQ(l.labels[0], C("Přehrej "));
    EXPECT_EQ(l.slotNames[0], "zvuk");
    EXPECT_EQ(l.labels[1], "");
    EXPECT_EQ(l.slotNames[1], "zvkam1");
    EXPECT_EQ(l.labels[2], " hlasitost a balanc ");
    EXPECT_EQ(l.slotNames[2], "hlasbal");
    EXPECT_EQ(l.trailing, "");
    l = LayoutTemplate(C("*activ*hlavní cyklus"));
    EXPECT_EQ(l.slotNames[0], "activ");
    EXPECT_EQ(l.slotNames[1], "");
    EXPECT_EQ(l.trailing, C("hlavní cyklus"));
    l = LayoutTemplate("FIRST");
    EXPECT_EQ(l.slotNames[0], "");
    EXPECT_EQ(l.trailing, "FIRST");

    EditorDocument doc;
    doc.CreateStartupScenario();
    EXPECT_EQ(SlotEntries("hlasbal", doc).size(), 30u);
    EXPECT_EQ(SlotEntries("hlasbal", doc)[10], "100x90");
    EXPECT_EQ(SlotEntries("hlasbal", doc)[29], "0x100");
    EXPECT_EQ(SlotEntries("pauza", doc).size(), 50u);
    EXPECT_EQ(SlotEntries("doztrac", doc).size(), 101u);
    EXPECT_EQ(SlotEntries("T", doc).back(), "T19");
    EXPECT_EQ(SlotEntries("C", doc).back(), "C99");
    EXPECT_EQ(SlotEntries(C("zvuků"), doc)[10], C("Priority 9 a nižší"));
    auto okna = SlotEntries("okna", doc);
    EXPECT_EQ(okna, (std::vector<std::string>{"A", "B", "C", C("Začátek_dobrodružství")}));
    EXPECT_EQ(SlotEntries("predm", doc).back(), C("(všechny)"));
    EXPECT_EQ(SlotEntries("nabidka", doc), std::vector<std::string>{C("(hlavní)")});
    EXPECT_EQ(SlotEntries("zvuk1", doc).front(), C("Všechny"));
    EXPECT_EQ(TemplateLayout::boxWidth({"ab"}), 50);
    EXPECT_EQ(TemplateLayout::boxWidth({"v primarni fronte"}), 125);
}

TEST(BuilderInsertion, ConditionsJoinTheLinesBracketGroup) {
    std::string line = "[IN(a,b)] GO(c);";
    EXPECT_EQ(InsertCondition(line, 5, "IN(d,e)").text, "[IN(a,b);IN(d,e)] GO(c);");
    EXPECT_EQ(InsertCondition(line, 14, "|!IN(d,e)").text, "[IN(a,b)|!IN(d,e)] GO(c);");
    EXPECT_EQ(InsertCondition("", 0, "FULL").text, "[FULL] ");
    EXPECT_EQ(InsertCondition("[IN(a,b) GO(c);", 3, "FULL").text, "[FULL] [IN(a,b) GO(c);");
    EXPECT_EQ(InsertCondition("[[x]] y", 0, "FULL").text, "[[x];FULL] y");
    // Only the caret's line changes.
    EXPECT_EQ(InsertCondition("GO(a);\r\n[X] GO(b);", 12, "FULL").text,
              "GO(a);\r\n[X;FULL] GO(b);");
}

TEST(BuilderInsertion, ActionsGetSpacesAndReadGoesOnItsOwnLine) {
    EXPECT_EQ(InsertAction("GO(a);GO(b);", 6, 0, "X;", BuilderPurpose::Actions).text,
              "GO(a); X; GO(b);");
    // A space already at the caret: none is added behind.
    EXPECT_EQ(InsertAction("GO(a); GO(b);", 6, 0, "X;", BuilderPurpose::Actions).text,
              "GO(a); X; GO(b);");
    EXPECT_EQ(InsertAction("", 0, 0, "X;", BuilderPurpose::Actions).text, "X; ");
    EXPECT_EQ(InsertAction("ab", 2, 0, "X;", BuilderPurpose::Actions).text, "ab X; ");
    EXPECT_EQ(InsertAction("a SEL b", 2, 3, "X;", BuilderPurpose::Actions).text, "a X; b");
    Insertion r =
        InsertAction("[FIRST] GO(a);\r\nCLEAR;", 3, 0, "READ(S01);", BuilderPurpose::Actions);
    EXPECT_EQ(r.text, "[FIRST] GO(a);\r\n[LAST] READ(S01);\r\nCLEAR;");
    EXPECT_EQ(InsertAction("GO(a);", 0, 0, "READ(S01);", BuilderPurpose::Actions).text,
              "GO(a);\r\nREAD(S01);");
    EXPECT_EQ(InsertAction(" [FIRST] ", 2, 0, "READ(S01);", BuilderPurpose::Actions).text,
              " [READ(S01);FIRST] ");
    EXPECT_EQ(InsertAction("", 0, 0, "READ(S01);", BuilderPurpose::Actions).text, "READ(S01);");
    // Sound actions never move by line.
    EXPECT_EQ(InsertAction("GO(a);", 6, 0, "PLAY(READ(x));", BuilderPurpose::SoundActions).text,
              "GO(a); PLAY(READ(x)); ");
}

}  // namespace
}  // namespace vek::editor
