// The scenario checker through Mirela2 --check: a scenario with one planted fault of each kind
// against its golden report, a clean scenario that uses every special argument, the exit
// statuses, and a few single faults checked on their own.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "common/collection.h"
#include "common/cp1250.h"
#include "common/text_file.h"
#include "editor/checker/checker.h"
#include "editor/cli/command_line.h"
#include "editor/document/cz.h"
#include "editor/document/document.h"
#include "editor/document/scenario_io.h"
#include "player/sound/sound_test_support.h"
#include "tests/common/scratch_dir.h"
#include "tests/editor/document/set_up.h"

namespace vek::editor {
namespace {

using test::Writable;

namespace fs = std::filesystem;

const fs::path kData = fs::path(VEK_TEST_DATA) / "checker";

std::string readText(const fs::path& p) {
    return readFileBytes(p).value_or("");
}

// A scenario written in UTF-8 with LF, as the player reads it: code page 1250 and CR LF.
std::string scenarioBytes(std::string_view utf8) {
    std::string lines = utf8ToCp1250(utf8).value();
    std::string out;
    for (char c : lines) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

struct Outcome {
    std::optional<int> code;
    std::string out, err;
};

Outcome run(std::vector<std::string> args) {
    std::ostringstream out, err;
    Outcome r;
    r.code = RunCommandLine(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// A game directory: a few good recordings, a broken one, and a collection with a good and a
// broken recording.
struct CheckerFixture : ::testing::Test {
    testing::ScratchDir dir;

    void SetUp() override {
        vek::test::writeWave(dir / "wave" / "ok.wav", 100);
        vek::test::writeWave(dir / "wave" / "klic.wav", 100);
        vek::test::writeWave(dir / "wave" / "mapa.wav", 100);
        vek::test::writeWave(dir / "wave" / "tch007.wav", 100);
        dir.write("wave/rozbity.wav", std::string("RIFF\x10\0\0\0WAVEjunkjunk", 20));
        dir.write("rozbity.tmp", "to neni zvuk");
        ASSERT_EQ(writeCollection(dir / "sbirka.zvk", {{"hlas", dir / "wave" / "ok.wav"},
                                                       {"spatny", dir / "rozbity.tmp"}}),
                  CollectionWriteResult::Written);
    }

    std::string scenario(const char* name) {
        fs::path file = dir / (std::string(name) + ".scn");
        dir.write(file.filename().string(),
                  scenarioBytes(readText(kData / (std::string(name) + ".scn.utf8"))));
        return file.string();
    }

    // The report of a scenario made of the given UTF-8 body lines after a plain header.
    CheckReport checkBody(std::string_view body) {
        std::string bytes =
            scenarioBytes("VEK2 scénář\nSTART=Sklep\nNOVEOKNO=Sklep\n" + std::string(body));
        EditorDocument doc;
        EXPECT_TRUE(ReadScenario(doc, bytes, {}).ok());
        return CheckScenario({bytes, &doc, PlayerBasePaths(dir.path())});
    }
    std::vector<std::string> messages(std::string_view body) {
        std::vector<std::string> out;
        for (const Problem& p : checkBody(body).problems)
            out.push_back(cp1250ToUtf8(ProblemText(p)));
        return out;
    }
};

TEST_F(CheckerFixture, ReportsEveryPlantedFaultInOrder) {
    Outcome r = run({"--check", scenario("faults")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, readText(kData / "faults.expected"));
}

TEST_F(CheckerFixture, CleanScenarioWithEverySpecialArgumentGivesNoProblem) {
    Outcome r = run({"--check", scenario("clean")});
    EXPECT_EQ(r.out, "0 chyb, 0 varování\n");
    EXPECT_EQ(r.code, 0);
}

TEST_F(CheckerFixture, WarningsAloneExitWithZero) {
    dir.write("varovani.scn", scenarioBytes("VEK2 scénář\nSTART=A\nNOVEOKNO=A\nNOVEOKNO=B\n"));
    Outcome r = run({"--check", (dir / "varovani.scn").string()});
    EXPECT_EQ(r.out,
              "varování: okno B: okno nelze dosáhnout ze startovního okna (cestami, ADDCS ani "
              "GO)\n0 chyb, 1 varování\n");
    EXPECT_EQ(r.code, 0);
}

TEST_F(CheckerFixture, UnreadableOrRefusedFilesExitWithTwoAndConvertsMessages) {
    std::string missing = (dir / "neni.scn").string();
    Outcome check = run({"--check", missing});
    Outcome convert = run({"--convert", missing, (dir / "x.scn").string()});
    EXPECT_EQ(check.code, 2);
    EXPECT_EQ(check.out, "");
    EXPECT_EQ(check.err, convert.err);

    dir.write("spatna.scn", "NENI TO SCENAR\r\n");
    check = run({"--check", (dir / "spatna.scn").string()});
    EXPECT_EQ(check.code, 2);
    EXPECT_EQ(check.err, "Nesprávná hlavička souboru!\n");

    EditorDocument doc;
    doc.CreateStartupScenario();
    Writable(doc.Settings()).Encode = true;
    Writable(doc.Settings()).Password = test::C("tajné");
    std::string encoded = (dir / "tajna.scn").string();
    ASSERT_TRUE(SaveScenario(doc, encoded).ok);
    check = run({"--check", encoded});
    EXPECT_EQ(check.code, 2);
    EXPECT_EQ(check.err, "Soubor je kódovaný\n");
    check = run({"--check", encoded, "--password", "špatné"});
    EXPECT_EQ(check.code, 2);
    EXPECT_EQ(check.err, "Zadané heslo neodpovídá!\n");
    check = run({"--check", encoded, "--password", "tajné"});
    EXPECT_EQ(check.err, "");
    EXPECT_NE(check.out.find(" chyb, "), std::string::npos);

    EXPECT_EQ(run({"--check"}).code, 2);
}

TEST_F(CheckerFixture, StartWindowAsWrittenNotAsTheLoaderReplacedIt) {
    std::string bytes = scenarioBytes(
        "VEK2 scénář\nSTART=Nikde\nNOVEOKNO=A\nNOVEOKNO=B\n"
        "CESTY=\nA\n*\n");
    EditorDocument doc;
    ASSERT_TRUE(ReadScenario(doc, bytes, {}).ok());
    CheckReport report = CheckScenario({bytes, &doc, PlayerBasePaths(dir.path())});
    ASSERT_EQ(report.problems.size(), 2u);
    EXPECT_EQ(cp1250ToUtf8(ProblemText(report.problems[0])),
              "varování: okno B: okno nelze dosáhnout ze startovního okna (cestami, ADDCS ani GO)");
    EXPECT_EQ(cp1250ToUtf8(ProblemText(report.problems[1])),
              "chyba: scénář, Začít na pozici: startovní okno „Nikde“ neexistuje; hra začne "
              "v okně „A“");
}

TEST_F(CheckerFixture, RecordingsAreFoundAsThePlayerFindsThem) {
    // PROGRAMPATH of the vek.cfg beside the scenario, relative to it; names in other letter
    // case and with Windows separators resolve.
    vek::test::writeWave(dir / "hra" / "Zvuky" / "Vitr.wav", 50);
    dir.write("vek.cfg", "PROGRAMPATH=hra\\\r\nCDPATH=cd\\\r\n");
    EXPECT_EQ(messages("NOVYWAV=v=Vítr(zvuky\\vitr.WAV)\n"), std::vector<std::string>{});
    EXPECT_EQ(messages("NOVYWAV=v=Vítr(wave\\ok.wav)\n"),
              std::vector<std::string>{"chyba: zvuk v: soubor „wave\\ok.wav“ neexistuje"});
    // A collection only under CDPATH is found there.
    fs::create_directories(dir / "cd");
    fs::copy_file(dir / "sbirka.zvk", dir / "cd" / "sbirka.zvk");
    EXPECT_EQ(messages("NOVYWAV=h=Hlas(sbirka.zvk|hlas)\nNOVYWAV=s=Špatný(sbirka.zvk|spatny)\n"),
              std::vector<std::string>{"chyba: zvuk s: nahrávku „spatny“ ze sbírky „sbirka.zvk“ "
                                       "přehrávač nepřehraje (poškozená nebo neznámý formát)"});
}

TEST_F(CheckerFixture, StatementsThePlayerWouldShowAsText) {
    EXPECT_EQ(messages("ROZHLEDNI=\n[LAST] READ(S01);\n*\n"),
              std::vector<std::string>{
                  "chyba: okno Sklep, Rozhlédni se, řádek 1: READ platí jen na začátku řádku nebo "
                  "hned za „]“ podmínky, bez mezery; takto se ukáže jako text"});
    EXPECT_EQ(messages("ROZHLEDNI=\nNa ceduli stojí STOP a WIN.\nVyhrál jsi WIN\n*\n"),
              std::vector<std::string>{
                  "varování: okno Sklep, Rozhlédni se, řádek 2: WIN v textu vypadá jako příkaz "
                  "bez „;“; ukáže se jako text"});
    EXPECT_EQ(messages("ROZHLEDNI=\nSET(S01,\"a;b\");\n*\n"),
              std::vector<std::string>{
                  "chyba: okno Sklep, Rozhlédni se, řádek 1: příkaz SET stojí v textu (chybí za "
                  "ním „;“, nebo je „;“ v jeho argumentech); ukáže se jako text"});
    EXPECT_EQ(messages("ROZHLEDNI=\n[P01=1]X\nAhoj (pozdrav);\nPOZOR;\n*\n"),
              (std::vector<std::string>{
                  "chyba: okno Sklep, Rozhlédni se, řádek 1: za „]“ podmínky chybí akce (aspoň "
                  "dva znaky); celý řádek se ukáže jako text",
                  "varování: okno Sklep, Rozhlédni se, řádek 2: závorka před středníkem se čte "
                  "jako argumenty; ukáže se „Ahoj ;pozdrav“",
                  "varování: okno Sklep, Rozhlédni se, řádek 3: POZOR není příkaz; ukáže se jako "
                  "text „POZOR;“"}));
}

TEST_F(CheckerFixture, ConditionsThatDoNotTestWhatTheySay) {
    EXPECT_EQ(messages("ROZHLEDNI=\n[C01=1000;P01x1;T01?5] a;\n[(P01=1|P02=1] b;\n*\n"),
              (std::vector<std::string>{
                  "chyba: okno Sklep, Rozhlédni se, řádek 1: čítač se porovnává s trojicí znaků; "
                  "v „C01=1000“ se čte jen „100“",
                  "chyba: okno Sklep, Rozhlédni se, řádek 1: přepínač se porovnává jen znakem "
                  "„=“ („P01x1“)",
                  "chyba: okno Sklep, Rozhlédni se, řádek 1: „T01?5“: porovnává se znakem <, =, "
                  "> nebo x; podmínka vždy platí",
                  "chyba: okno Sklep, Rozhlédni se, řádek 2: podmínka nemá správnou skladbu "
                  "(spojky ; , | a závorky); přehrávač ji vyhodnotí jinak, než vypadá"}));
}

}  // namespace
}  // namespace vek::editor
