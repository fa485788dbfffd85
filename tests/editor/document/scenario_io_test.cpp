#include "editor/document/scenario_io.h"

#include <fstream>

#include <gtest/gtest.h>

#include "common/scenario_format.h"
#include "common/text_file.h"
#include "editor/document/cz.h"
#include "tests/editor/document/set_up.h"

namespace vek::editor {
namespace {

using test::Writable;

using test::C;

PasswordPrompt answer(std::optional<std::string> password) {
    return [password] { return password; };
}

// A scenario that uses every key of the format.
void fill(EditorDocument& doc) {
    doc.CreateStartupScenario();
    ScenarioSettings& s = Writable(doc.Settings());
    s.ScenarioName = C("Hrad Šumava");
    s.StartWindow = "Brana";
    s.MaxItems = "5";
    s.Inventory.assign({C("Židle")});
    s.IntroText.assign({"WAIT;", "  odsazeno", "*hvezdicka"});
    s.WinText.assign({"Vyhral jsi"});
    s.LoseText.assign({"Prohral jsi"});
    s.CycleText.assign({"[PST(5)] PLAY(vitr);"});
    s.TalkToItems = false;
    s.ReportWalk = false;
    s.ReportTake = true;
    s.CycleInterval = "1,2 sec";
    s.CycleActive = true;

    TOkna* brana = Writable(doc.NewWindow());
    doc.Rename(EntityKind::Window, "Brana");
    brana->Kam = C("k bráně");
    brana->SoundId = "brana";
    brana->ArrivalScript.assign({"[FIRST] PLAY(uvod);"});
    brana->DepartureScript.assign({"SET(P01,1);"});
    brana->Paths.assign({C("Začátek_dobrodružství")});
    brana->Items.assign({C("Židle")});
    brana->Music.assign({"hudba"});

    TPredmet* klic = Writable(doc.NewItem());
    doc.Rename(EntityKind::Item, C("Klíč"));
    klic->Co = C("klíč");
    klic->SoundId = "klic";
    klic->TakeScript.assign({"a"});
    klic->PutScript.assign({"b"});
    klic->UseScript.assign({"c"});
    klic->TalkScript.assign({"d"});
    klic->CanTake = true;
    klic->UseOn = true;
    TPredmet* kral = Writable(doc.NewItem());
    doc.Rename(EntityKind::Item, C("Král"));
    kral->IsCharacter = true;

    Writable(doc.UserSounds()).add("hudba=Hudba(hudba.wav):5M");
    Writable(doc.UserSounds()).add(C("brana=Brána(wave\\brana.wav)"));
    Writable(doc.Menus()).find(kMainMenuName)->Entries.remove("Seznam[SZseznam]");
    TNabidka* menu = Writable(doc.NewMenu());
    menu->Parent = kMainMenuName;
    menu->Entries.assign({"Volba"});
    TPolozka* volba = Writable(doc.NewMenuItem());
    doc.Rename(EntityKind::MenuItem, "Volba");
    volba->SoundId = std::string(kNoSound);
    volba->FunctionScript.assign({"GO(Brana);"});
}

void expectSameContent(const EditorDocument& a, const EditorDocument& b) {
    EXPECT_EQ(a.Settings(), b.Settings());
    ASSERT_EQ(a.Windows().names(), b.Windows().names());
    for (std::size_t i = 0; i < a.Windows().size(); ++i)
        EXPECT_EQ(*a.Windows().objectAt(i), *b.Windows().objectAt(i));
    ASSERT_EQ(a.Items().names(), b.Items().names());
    for (std::size_t i = 0; i < a.Items().size(); ++i)
        EXPECT_EQ(*a.Items().objectAt(i), *b.Items().objectAt(i));
    ASSERT_EQ(a.Menus().names(), b.Menus().names());
    for (std::size_t i = 0; i < a.Menus().size(); ++i)
        EXPECT_EQ(*a.Menus().objectAt(i), *b.Menus().objectAt(i));
    ASSERT_EQ(a.MenuItems().names(), b.MenuItems().names());
    for (std::size_t i = 0; i < a.MenuItems().size(); ++i)
        EXPECT_EQ(*a.MenuItems().objectAt(i), *b.MenuItems().objectAt(i));
    EXPECT_EQ(a.UserSounds().lines(), b.UserSounds().lines());
    EXPECT_EQ(a.SystemSounds(), b.SystemSounds());
}

TEST(ScenarioRoundTrip, PlainAndEncodedFilesReadBackEqualAndResaveIdentically) {
    for (std::string password : {"", "tajne heslo"}) {
        SCOPED_TRACE(password);
        EditorDocument doc;
        fill(doc);
        Writable(doc.Settings()).Encode = !password.empty();
        Writable(doc.Settings()).Password = password;
        std::string bytes = ScenarioBytes(doc);
        EXPECT_EQ(bytes.find("JMENO=") == std::string::npos, !password.empty());

        EditorDocument back;
        ASSERT_TRUE(ReadScenario(back, bytes, answer(password)).ok());
        expectSameContent(doc, back);
        EXPECT_EQ(ScenarioBytes(back), bytes);
        EXPECT_FALSE(back.Modified());
        EXPECT_EQ(back.ShownWindow(), back.Windows().objectAt(0));
        EXPECT_EQ(back.ShownMenu()->Name, kMainMenuName);
    }
}

TEST(ScenarioRoundTrip, OneWindowWithoutScriptsHoldsOnlyTheseLines) {
    EditorDocument doc;
    doc.ClearDocument();
    Writable(doc.SystemSounds()).clear();
    doc.NewWindow();
    doc.Rename(EntityKind::Window, "Les");
    Writable(doc.Settings()).StartWindow = "Les";
    EXPECT_EQ(
        splitLines(ScenarioBytes(doc)),
        (std::vector<std::string>{C("VEK2 scénář"), C("JMENO=Nový scénář"), "START=Les",
                                  "MAXITEMS=99", "MLUVPRED=1", "REPWALK=1", "REPTAKE=1",
                                  "CYKLUSINTERVAL=200 ms", "CYKLUSAKTIVNI=0", "NOVEOKNO=Les"}));
    EXPECT_NE(ScenarioBytes(doc).find("\r\n"), std::string::npos);
}

TEST(ScenarioRoundTrip, KeysInAnotherOrderLoadTheSame) {
    EditorDocument doc;
    fill(doc);
    std::string written = ScenarioBytes(doc);

    // The same content by hand: records and settings shuffled, windows out of order.
    std::string text =
        C("VEK2 scénář\r\n"
          "NOVYWAV=hudba=Hudba(hudba.wav):5M\r\n"
          "NOVYPREDMET=Král\r\nPOSTAVA=1\r\nNA=0\r\nVZIT=0\r\n"
          "NOVAPOLOZKA=Volba\r\nFUNKCEPOLOZKY=\r\nGO(Brana);\r\n*\r\nPOLOZKAWAV=(žádný)\r\n"
          "NOVEOKNO=Začátek_dobrodružství\r\nROZHLEDNI=\r\nZatím tu není nic zajímavého\r\n*\r\n"
          "KAM=na začátek dobrodružství\r\n"
          "NOVEOKNO=Brana\r\nSKLADBY=\r\nhudba\r\n*\r\nNAZEVWAV=brana\r\nKAM=k bráně\r\n"
          "PRICHOD=\r\n[FIRST] PLAY(uvod);\r\n*\r\nODCHOD=\r\nSET(P01,1);\r\n*\r\n"
          "CESTY=\r\nZačátek_dobrodružství\r\n*\r\nPREDMETY=\r\nŽidle\r\n*\r\n"
          "OFFMENUITEM=7\r\n"
          "NOVANABIDKA=Nová_nabídka[1]\r\nPOLOZKY=\r\nVolba\r\n*\r\nNADNABIDKA=(hlavní)\r\n"
          "NOVYPREDMET=Klíč\r\nVZIT=1\r\nNA=1\r\nPOSTAVA=0\r\nCO=klíč\r\nNAZEVWAV=klic\r\n"
          "VEZMI=\r\na\r\n*\r\nPOLOZ=\r\nb\r\n*\r\nPOUZIJ=\r\nc\r\n*\r\nPROMLUV=\r\nd\r\n*\r\n"
          "NOVYPREDMET=Židle\r\nCO=židli\r\nPROZKOUMEJ=\r\nObyčejná dřevěná židle\r\n*\r\n"
          "VZIT=0\r\nNA=0\r\nPOSTAVA=0\r\n"
          "NOVYWAV=brana=Brána(wave\\brana.wav)\r\n"
          "CYKLUSAKTIVNI=1\r\nCYKLUSINTERVAL=1,2 sec\r\nREPTAKE=1\r\nREPWALK=00\r\nMLUVPRED=0\r\n"
          "CYKLUSTEXT=\r\n[PST(5)] PLAY(vitr);\r\n*\r\nLOSETEXT=\r\nProhral jsi\r\n*\r\n"
          "WINTEXT=\r\nVyhral jsi\r\n*\r\nINTROTEXT=\r\nWAIT;\r\n  odsazeno\r\n*hvezdicka\r\n*\r\n"
          "INVENTORY=\r\nŽidle\r\n*\r\nMAXITEMS=5\r\nSTART=Brana\r\nJMENO=Hrad Šumava\r\n"
          "NEZNAMYKLIC=cokoli\r\n");
    for (const auto& line : doc.SystemSounds())
        text += "NOVYSYSWAV=" + line + "\r\n";
    EditorDocument back;
    ASSERT_TRUE(ReadScenario(back, text, {}).ok());
    expectSameContent(doc, back);
    EXPECT_EQ(ScenarioBytes(back), written);
}

TEST(ScenarioReading, SystemSoundsAndMainMenuComeExactlyFromTheFile) {
    EditorDocument doc;
    std::string text =
        C("VEK2 scénář\r\nNOVYSYSWAV=SZjdi=Běž(x.wav)\r\nOFFMENUITEM=0\r\n"
          "OFFMENUITEM=9\r\nOFFMENUITEM=\r\nNOVANABIDKA=(hlavní)\r\n"
          "POLOZKY=\r\ncizi\r\n*\r\nNADNABIDKA=jina\r\n");
    ASSERT_TRUE(ReadScenario(doc, text, {}).ok());
    EXPECT_EQ(doc.SystemSounds().items(), std::vector<std::string>{C("SZjdi=Běž(x.wav)")});
    const TNabidka* main = doc.Menus().find(kMainMenuName);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->Parent, kSystemMenuName);
    std::vector<std::string> expected(EditorDocument::DefaultMainMenu().begin() + 1,
                                      EditorDocument::DefaultMainMenu().end());
    EXPECT_EQ(main->Entries.items(), expected);
    EXPECT_EQ(doc.Menus().size(), 2u);
    // An unfinished block ends with the file.
    ASSERT_TRUE(ReadScenario(doc, "VEK\r\nNOVEOKNO=a\r\nCESTY=\r\nb\r\nc", {}).ok());
    EXPECT_EQ(doc.Windows().find("a")->Paths.items(), (std::vector<std::string>{"b", "c"}));
    // A lone carriage return inside a line, which no saved line can keep, is read as a space.
    ASSERT_TRUE(ReadScenario(doc, "VEK\r\nNOVEOKNO=a\rb\r\nCESTY=\r\nc\rd\r\n*\r\n", {}).ok());
    ASSERT_EQ(doc.Windows().names(), std::vector<std::string>{"a b"});
    EXPECT_EQ(doc.Windows().objectAt(0)->Paths.items(), std::vector<std::string>{"c d"});
    // Window keys before any window are skipped; unnamed windows are dropped.
    ASSERT_TRUE(ReadScenario(doc, "VEK\r\nKAM=x\r\nCESTY=\r\nb\r\n*\r\nNOVEOKNO=\r\n", {}).ok());
    EXPECT_TRUE(doc.Windows().empty());
    EXPECT_EQ(doc.ShownWindow(), nullptr);
}

TEST(ScenarioReading, RefusedFilesLeaveTheDocumentAsItWas) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    doc.FileName = "puvodni.scn";
    doc.NewWindow();
    EditorDocument encoded;
    encoded.ClearDocument();
    Writable(encoded.Settings()).Encode = true;
    Writable(encoded.Settings()).Password = "heslo";
    std::string bytes = ScenarioBytes(encoded);

    OpenResult r = ReadScenario(doc, "XYZ\r\nJMENO=a\r\n", {});
    EXPECT_EQ(r.status, OpenStatus::BadHeader);
    EXPECT_EQ(r.message, C("Nesprávná hlavička souboru!"));
    r = ReadScenario(doc, bytes, answer("spatne"));
    EXPECT_EQ(r.message, C("Zadané heslo neodpovídá!"));
    r = ReadScenario(doc, bytes, answer(""));
    EXPECT_EQ(r.status, OpenStatus::WrongPassword);
    r = ReadScenario(doc, bytes, answer(std::nullopt));
    EXPECT_EQ(r.status, OpenStatus::Cancelled);
    EXPECT_TRUE(r.message.empty());
    // A key line too short to hold a key.
    r = ReadScenario(doc, C("VEK2 scénář - kódovaný\r\nx"), answer("x"));
    EXPECT_EQ(r.status, OpenStatus::WrongPassword);
    r = OpenScenario(doc, "/nonexistent/dir/a.scn", {});
    EXPECT_EQ(r.status, OpenStatus::CannotRead);

    EXPECT_EQ(doc.Windows().size(), 2u);
    EXPECT_EQ(doc.FileName, "puvodni.scn");
    EXPECT_TRUE(doc.Modified());

    // The right password loads the file, and its stored password is kept for saving.
    ASSERT_TRUE(ReadScenario(doc, bytes, answer("heslo")).ok());
    EXPECT_TRUE(doc.Settings().Encode);
    EXPECT_EQ(doc.Settings().Password, "heslo");
    EXPECT_TRUE(doc.Windows().empty());
}

TEST(ScenarioSaving, WritesOffMenuItemsAndNoSoundChoices) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    Writable(doc.Menus()).find(kMainMenuName)->Entries.remove("Seznam[SZseznam]");
    Writable(doc.Menus()).find(kMainMenuName)->Entries.add("Moje");  // not kept by the file
    doc.SetField(Field::WindowSound, kNoSound);
    Writable(doc.NewMenuItem())->SoundId = std::string(kNoSound);
    auto lines = splitLines(ScenarioBytes(doc));
    auto has = [&](const std::string& l) {
        return std::find(lines.begin(), lines.end(), l) != lines.end();
    };
    EXPECT_TRUE(has("OFFMENUITEM=7"));
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](auto& l) { return l.starts_with("OFFMENUITEM="); }),
              1);
    EXPECT_FALSE(has("NAZEVWAV="));
    EXPECT_TRUE(has(C("POLOZKAWAV=(žádný)")));
    EXPECT_FALSE(has(C("NOVANABIDKA=(hlavní)")));
}

TEST(ScenarioSaving, AScriptLineOfALoneStarStaysInsideItsBlock) {
    // A line "*" would close the block early and the lines behind it would be read as keys.
    for (std::string password : {"", "heslo"}) {
        SCOPED_TRACE(password);
        EditorDocument doc;
        doc.CreateStartupScenario();
        Writable(doc.Settings()).Encode = !password.empty();
        Writable(doc.Settings()).Password = password;
        Writable(doc.ShownWindow())
            ->ArrivalScript.assign({"*", "JMENO=Jiny", "NOVEOKNO=Falesne", "*"});
        Writable(doc.Settings()).IntroText.assign({"*"});
        Writable(doc.ShownItem())->TalkScript.assign({"a", "*", "b"});

        EditorDocument back;
        ASSERT_TRUE(ReadScenario(back, ScenarioBytes(doc), answer(password)).ok());
        EXPECT_EQ(back.Settings().ScenarioName, doc.Settings().ScenarioName);
        ASSERT_EQ(back.Windows().names(), doc.Windows().names());
        EXPECT_EQ(back.Windows().objectAt(0)->ArrivalScript.items(),
                  (std::vector<std::string>{"* ", "JMENO=Jiny", "NOVEOKNO=Falesne", "* "}));
        EXPECT_EQ(back.Settings().IntroText.items(), std::vector<std::string>{"* "});
        ASSERT_EQ(back.Items().size(), 1u);
        EXPECT_EQ(back.Items().objectAt(0)->TalkScript.items(),
                  (std::vector<std::string>{"a", "* ", "b"}));
        EXPECT_EQ(back.Items().objectAt(0)->ExamineScript, doc.ShownItem()->ExamineScript);
        // Saving what was read writes the same file again.
        EXPECT_EQ(ScenarioBytes(back), ScenarioBytes(doc));
    }
}

TEST(ScenarioSaving, AFailedSaveKeepsTheDocumentModifiedAndTheOldFile) {
    auto dir = test::tempDir("save");
    auto path = dir / "hra.scn";
    EditorDocument doc;
    doc.CreateStartupScenario();
    doc.NewWindow();
    ASSERT_TRUE(SaveScenario(doc, path).ok);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.FileName, path.string());
    std::string before = readFileBytes(path).value();

    doc.NewWindow();
    // An unwritable password is refused before anything is written.
    Writable(doc.Settings()).Encode = true;
    for (int c = 1; c < 256; ++c) {
        std::string pw(1, static_cast<char>(c));
        if (auto key = keyForPassword(pw); key && !keyIsWritable(*key)) {
            Writable(doc.Settings()).Password = pw;
            break;
        }
    }
    SaveResult r = SaveScenario(doc, path);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.message.empty());
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(readFileBytes(path).value(), before);

    // A file that cannot be written.
    Writable(doc.Settings()).Encode = false;
    r = SaveScenario(doc, dir / "missing" / "hra.scn");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.FileName, path.string());

    // Opening what was saved.
    EditorDocument back;
    ASSERT_TRUE(OpenScenario(back, path, {}).ok());
    EXPECT_EQ(back.FileName, path.string());
    EXPECT_EQ(back.Windows().size(), 2u);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vek::editor
