// Every sentence of the condition and action builder, filled with sample parameters, produces a
// text that the player's own script cutting reads as what the sentence says, and in which the
// scenario checker finds nothing wrong.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/cp1250.h"
#include "editor/checker/checker.h"
#include "editor/document/builder.h"
#include "editor/document/cz.h"
#include "editor/document/document.h"
#include "editor/document/scenario_io.h"
#include "player/script/script_syntax.h"
#include "player/sound/sound_test_support.h"
#include "tests/common/scratch_dir.h"

namespace vek::editor {
namespace {

using player::AtomKind;
using test::C;

// What the player sees in a produced text: the kind of a condition's one atom, the command word
// of an action's one statement, or a READ line.
struct Meaning {
    std::optional<AtomKind> atom;
    std::string word;       // "READ": a READ line
    bool menuOnly = false;  // VIEWMENU, ADDPOL: only menu items run them
};

// The sentences as an author reads them, with what each must mean to the player.
const std::map<std::string, Meaning>& meanings() {
    static const std::map<std::string, Meaning> table = [] {
        std::map<std::string, Meaning> m;
        auto atom = [&m](const char* sentence, AtomKind kind) { m[C(sentence)] = {kind, {}}; };
        auto word = [&m](const char* sentence, const char* w, bool menu = false) {
            m[C(sentence)] = {std::nullopt, w, menu};
        };
        atom("Aktuální okno je", AtomKind::CurrentWindow);
        atom("Přepínač je nastaven na hodnotu", AtomKind::Switch);
        atom("Čítač je nastaven na číslo", AtomKind::Counter);
        atom("String je nastaven na text", AtomKind::String);
        atom("Timer je nastaven na číslo", AtomKind::Timer);
        atom("Předmět se nachází v okně", AtomKind::In);
        atom("Cesta se nachází v okně", AtomKind::InPaths);
        atom("Parametr je nastaven na hodnotu", AtomKind::Parameter);
        atom("Proveď s pravděpodobností (v procentech)", AtomKind::Probability);
        atom("Na pozadí hraje (dohrál) zvuk", AtomKind::Playing);
        atom("Poprvé provedená akce", AtomKind::First);
        atom("Plný počet předmětů", AtomKind::Full);
        atom("Předchozí podmínka", AtomKind::Last);
        atom("Žádná z podmínek neplatí", AtomKind::Else);
        word("Přidej či zruš předmět v okně", "ADD");
        word("Přidej či zruš cestu v okně", "ADDCS");
        word("Vyměň předmět za předmět", "EXCH");
        word("Nastav přepínač na hodnotu", "SET");
        word("Nastav čítač na číslo", "SET");
        word("Nastav string na text", "SET");
        word("Nastav timer na hodnotu", "SET");
        word("Přesuň se do okna", "GO");
        word("Přesuň přeměty z okna do okna", "TRANS");
        word("Zobraz nabídku", "VIEWMENU", true);
        word("Přidej či zruš položku v nabídce", "ADDPOL", true);
        word("Nastav maximum předmětů, které lze pobrat", "SET");
        word("Aktivuj / deaktivuj hlavní cyklus", "CYKLUS");
        word("Čekej na stisknutí tlačítka", "WAIT");
        word("Přečti text z klávesnice", "READ");
        word("Vynuluj všechny přepínače a čítače", "CLEAR");
        word("Neprováděj standardní akci", "NOACTION");
        word("Konec hry", "WIN");
        word("Přehrej zvuk", "PLAYBG");
        word("Vlož pauzu", "PLAYSEC");
        word("Zastav přehrávání zvuků", "STOPSEC");
        word("Zastav zvuk na pozadí", "STOPBG");
        return m;
    }();
    return table;
}

// What the author picks in each box, by slot; a slot met twice in one sentence takes the next
// sample. The names are those of the scenario below.
BuilderParam sample(const std::string& slot, int occurrence) {
    static const std::map<std::string, std::vector<BuilderParam>> samples = {
        {"akt", {{C("Aktuální"), 0}}},
        {"okna", {{"Sklep", 3}, {"Chodba", 4}}},
        {"predm", {{"klic", 0}, {"lampa", 1}}},
        {"P", {{"P01", 1}}},
        {"pp", {{"on", 1}}},
        {"C", {{"C05", 5}}},
        {"T", {{"T03", 3}}},
        {"S", {{"S01", 1}}},
        {"nastav", {{C("větší než"), 2}}},
        {"nn", {{"12", 12}}},
        {"text", {{"10", -1}}},
        {"vsechno", {{"klic", 0}}},
        {"pst", {{"30", 29}}},
        {"hraje", {{"hraje", 0}}},
        {"zvuk", {{"vitr", 0}}},
        {"zvuk1", {{"vitr", 1}}},
        {"prid", {{C("Přidej"), 0}}},
        {"nast", {{C("Zvyš"), 1}}},
        {"nabidka", {{"Volby", 0}}},
        {"polozka", {{"Mapa", 0}}},
        {"activ", {{"Aktivuj", 0}}},
        {"clr", {{C("Smaž text"), 0}}},
        {"win", {{C("Vítězstvím"), 0}}},
        {"zvkam1", {{C("na pozadí, smyčka"), 3}}},
        {"zvkam2", {{C("v sekundární frontě"), 1}}},
        {"hlasbal", {{"50x100", 20}}},
        {"pauza", {{"1400 ms", 6}}},
        {C("zvuků"), {{C("Priority 9 a nižší"), 10}}},
        {"doztrac", {{"30", 3}}},
    };
    auto found = samples.find(slot);
    if (found == samples.end()) {
        ADD_FAILURE() << "no sample for the slot " << cp1250ToUtf8(slot);
        return {};
    }
    const auto& values = found->second;
    return values[std::min<std::size_t>(static_cast<std::size_t>(occurrence), values.size() - 1)];
}

BuilderParams paramsFor(const BuilderTemplate& t) {
    BuilderParams params;
    std::map<std::string, int> seen;
    TemplateLayout layout = LayoutTemplate(t.pattern);
    for (std::size_t i = 0; i < 3; ++i)
        if (!layout.slotNames[i].empty())
            params[i] = sample(layout.slotNames[i], seen[layout.slotNames[i]]++);
    return params;
}

// What the player's cutting makes of a produced text.
Meaning seen(BuilderPurpose purpose, const std::string& text) {
    Meaning m;
    if (purpose == BuilderPurpose::Conditions) {
        int atoms = 0;
        player::CutCondition(
            text, [](char) {},
            [&](std::string_view a) {
                ++atoms;
                m.atom = player::AtomKindOf(a);
            });
        if (atoms != 1)
            m.atom.reset();
        return m;
    }
    if (player::SplitScriptLine(text).isRead) {
        m.word = "READ";
        return m;
    }
    int statements = 0;
    std::string_view rest = player::CutActions(text, [&](std::string_view, const auto& st) {
        ++statements;
        m.word = asciiUpper(st.word);
        if (!st.text.empty())
            m.word += " after text";
    });
    if (statements != 1 || !rest.empty())
        m.word += " (not one statement)";
    return m;
}

// A scenario with every name the samples use: two windows joined by paths, two items, a sound
// with its recording, a menu with an item. The produced text is one line of the cellar's
// look-around script, or of the menu item's script.
std::string scenarioWith(const std::string& line, bool inMenu) {
    std::string body = "VEK2 scénář\nSTART=Sklep\nNOVEOKNO=Sklep\nROZHLEDNI=\n" +
                       (inMenu ? "" : line + "\n") +
                       "*\nCESTY=\nChodba\n*\nPREDMETY=\nklic\nlampa\n*\n"
                       "NOVEOKNO=Chodba\nCESTY=\nSklep\n*\n"
                       "NOVYPREDMET=klic\nCO=klíč\nVZIT=1\nNA=0\nPOSTAVA=0\n"
                       "NOVYPREDMET=lampa\nCO=lampu\nVZIT=1\nNA=0\nPOSTAVA=0\n"
                       "NOVYWAV=vitr=Vítr(wave\\vitr.wav)X\n"
                       "NOVANABIDKA=Volby\nNADNABIDKA=(automaticky)\nPOLOZKY=\nMapa\n*\n"
                       "NOVAPOLOZKA=Mapa\nPOLOZKAWAV=(žádný)\nFUNKCEPOLOZKY=\n" +
                       (inMenu ? line + "\n" : "") + "*\n";
    const std::string text = utf8ToCp1250(body).value();
    std::string bytes;
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

TEST(BuilderMeaning, EverySentenceMeansWhatItSaysAndTheCheckerFindsNothing) {
    testing::ScratchDir dir;
    vek::test::writeWave(dir / "wave" / "vitr.wav", 100);
    std::set<std::string> met;
    for (BuilderPurpose purpose :
         {BuilderPurpose::Conditions, BuilderPurpose::Actions, BuilderPurpose::SoundActions}) {
        const auto& templates = BuilderTemplates(purpose);
        for (std::size_t i = 0; i < templates.size(); ++i) {
            const std::string sentence = cp1250ToUtf8(templates[i].sentence);
            auto expected = meanings().find(templates[i].sentence);
            if (expected == meanings().end()) {
                ADD_FAILURE() << "no meaning written down for \"" << sentence << "\"";
                continue;
            }
            met.insert(templates[i].sentence);
            const std::string text = BuildText(purpose, i, paramsFor(templates[i]));
            SCOPED_TRACE(sentence + " -> " + cp1250ToUtf8(text));

            Meaning m = seen(purpose, text);
            EXPECT_EQ(m.atom, expected->second.atom);
            EXPECT_EQ(m.word, expected->second.word);

            const std::string line =
                purpose == BuilderPurpose::Conditions ? "[" + text + "] Text." : text;
            const std::string bytes = scenarioWith(cp1250ToUtf8(line), expected->second.menuOnly);
            EditorDocument doc;
            OpenResult opened = ReadScenario(doc, bytes, {});
            ASSERT_TRUE(opened.ok()) << cp1250ToUtf8(opened.message);
            for (const Problem& p :
                 CheckScenario({bytes, &doc, PlayerBasePaths(dir.path())}).problems)
                ADD_FAILURE() << cp1250ToUtf8(ProblemText(p));
        }
    }
    EXPECT_EQ(met.size(), meanings().size()) << "a sentence the builder no longer offers";
    // The single sound action is the first sound sentence.
    EXPECT_EQ(BuilderTemplates(BuilderPurpose::SingleSound).front().sentence,
              BuilderTemplates(BuilderPurpose::SoundActions).front().sentence);
}

}  // namespace
}  // namespace vek::editor
