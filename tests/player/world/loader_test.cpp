#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "player/script/scenario_sounds.h"
#include "player/sound/sound_list.h"
#include "player/world/loader.h"

namespace vek::player {
namespace {

class RecordingHost : public WorldHost {
  public:
    std::vector<std::string> reports, errors;
    void Report(std::string_view line) override { reports.emplace_back(line); }
    void ShowError(const std::string& caption, const std::string& text) override {
        errors.push_back(caption + ": " + text);
    }
};

class LoaderTest : public ::testing::Test {
  protected:
    LoaderTest() {
        paths.programPath = std::string(VEK_TEST_DATA) + "/world/";
        world.ResetForNewGame();
    }
    bool load(const std::string& name) {
        return LoadWorld(std::string(VEK_TEST_DATA) + "/world/" + name, world, setup);
    }

    SoundBasePaths paths;
    TSeznamZvuku sounds{paths};
    SystemTexts texts;
    RecordingHost host;
    PlayerScenarioSounds scenarioSounds{sounds, texts};
    WorldLoadSetup setup{host, &scenarioSounds};
    GameState world;
};

TEST_F(LoaderTest, ReadsEveryKeyOfAFullScenario) {
    ASSERT_TRUE(load("full.scn"));
    const TScenSett& s = world.ScenSett;
    EXPECT_EQ(s.ScenarioName, "Hrad Kvelmora");
    EXPECT_EQ(s.StartWindow, "kuchy\xF2");  // found without regard to case, kept as written
    EXPECT_EQ(s.MaxItems, 5);
    EXPECT_FALSE(s.TalkToItems);
    EXPECT_TRUE(s.RepeatWalk);  // only exactly "0" switches it off
    EXPECT_FALSE(s.RepeatTake);
    EXPECT_EQ(world.Inventory, StringList({"n\xF9\x9E"}));
    EXPECT_EQ(world.IntroText, StringList({"Druh\xFD \xFAvod",
                                           "\xD8\xE1"
                                           "dek dva"}));
    EXPECT_EQ(world.WinText, StringList({"Vyhr\xE1l jsi"}));
    EXPECT_EQ(world.LoseText, StringList({"Prohr\xE1l jsi"}));
    EXPECT_EQ(world.CycleText, StringList({"[PST(10)]Kape voda;"}));
    EXPECT_EQ(world.CycleInterval, 6);
    EXPECT_TRUE(world.CycleActive);
    EXPECT_FALSE(world.CycleHasRun);

    ASSERT_EQ(world.WindowList.size(), 2u);
    const TOkno* chodba = world.WindowList.at(0);
    const TOkno* kuchyn = world.WindowList.at(1);
    EXPECT_EQ(world.CurrentWindow, kuchyn);
    EXPECT_EQ(chodba->Kam, "do chodby");
    EXPECT_EQ(chodba->Paths, StringList({"Kuchy\xF2"}));
    EXPECT_TRUE(chodba->Music.empty());
    EXPECT_EQ(kuchyn->SoundId, "kuchyne");
    EXPECT_EQ(kuchyn->LookScript, StringList({"Vid\xED\x9A kamna."}));
    EXPECT_EQ(kuchyn->ArrivalScript, StringList({"[FIRST]Von\xED"
                                                 "c\xED kuchyn\xEC;"}));
    EXPECT_EQ(kuchyn->DepartureScript, StringList({"NOACTION;"}));
    EXPECT_EQ(kuchyn->Items, StringList({"kl\xED\xE8", "st\xF9l"}));
    EXPECT_EQ(kuchyn->Music, StringList({"hudba1"}));

    ASSERT_EQ(world.ItemList.size(), 3u);
    const TPredmet* klic = world.ItemList.Najdi("KL\xCD\xC8");
    ASSERT_NE(klic, nullptr);
    EXPECT_EQ(klic->SoundId, "klic");
    EXPECT_EQ(klic->Co, "kl\xED\xE8 PLAY(klic);");
    EXPECT_EQ(klic->ExamineScript, StringList({"Star\xFD kl\xED\xE8."}));
    EXPECT_EQ(klic->TakeScript.size(), 1u);
    EXPECT_EQ(klic->PutScript.size(), 1u);
    EXPECT_EQ(klic->UseScript, StringList({"[%1=st\xF9l]Odemyk\xE1\x9A.;"}));
    EXPECT_EQ(klic->TalkScript.size(), 1u);
    EXPECT_TRUE(klic->CanTake);
    EXPECT_TRUE(klic->UseOn);
    EXPECT_FALSE(klic->IsCharacter);
    const TPredmet* stul = world.ItemList.at(1);
    EXPECT_EQ(stul->Co, "st\xF9l");
    EXPECT_FALSE(stul->CanTake);
    EXPECT_TRUE(stul->IsCharacter);
    EXPECT_EQ(world.ItemList.at(2)->Co, "n\xF9\x9E");

    // OFFMENUITEM=3 hides "Vezmi"; the bare key, 9 and x do nothing.
    for (std::size_t i = 0; i < kMainCommandCount; ++i)
        EXPECT_EQ(world.MainCommandEnabled[i], i != 3) << i;
    // Menu records are not the player's: their script lines changed nothing.
    EXPECT_FALSE(world.Switches[1]);

    // Sound entries: registered only when their file exists; system texts follow the scenario.
    EXPECT_NE(sounds.Najdi("kuchyne"), nullptr);
    EXPECT_EQ(sounds.Najdi("chybi"), nullptr);
    EXPECT_EQ(texts.text("SZjdi"), "Cho\xEF");

    EXPECT_EQ(host.reports.front(),
              "Loading scenario: " + std::string(VEK_TEST_DATA) + "/world/full.scn");
    EXPECT_EQ(host.reports.back(), "Grammar settings");
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(LoaderTest, AnEncodedFileReadsLikeAPlainOne) {
    ASSERT_TRUE(load("encoded.scn"));
    EXPECT_EQ(world.ScenSett.ScenarioName, "Tajn\xFD hrad");
    ASSERT_NE(world.CurrentWindow, nullptr);
    EXPECT_EQ(world.CurrentWindow->Name, "Sklep");
    EXPECT_EQ(world.CurrentWindow->LookScript, StringList({"V\x9Aude je tma."}));
    EXPECT_FALSE(world.MainCommandEnabled[8]);
}

TEST_F(LoaderTest, StartWindowFallsBackToTheFirstWindow) {
    ASSERT_TRUE(load("start_unknown.scn"));
    ASSERT_NE(world.CurrentWindow, nullptr);
    EXPECT_EQ(world.CurrentWindow->Name, "A1");
    EXPECT_EQ(world.ScenSett.StartWindow, "A1");

    ASSERT_TRUE(load("no_windows.scn"));
    EXPECT_EQ(world.CurrentWindow, nullptr);
    EXPECT_EQ(world.ItemList.at(0)->Co, "k\xE1men");
}

TEST_F(LoaderTest, RecordKeysBeforeAnyRecordAreSkipped) {
    ASSERT_TRUE(load("early_keys.scn"));
    // The header of a skipped block does not swallow its content, which is read as lines.
    EXPECT_EQ(world.ScenSett.ScenarioName, "Z bloku");
    ASSERT_EQ(world.WindowList.size(), 1u);
    const TOkno* w = world.WindowList.at(0);
    EXPECT_TRUE(w->Kam.empty());
    EXPECT_TRUE(w->SoundId.empty());
    EXPECT_TRUE(w->LookScript.empty());
    EXPECT_TRUE(world.ItemList.empty());
}

TEST_F(LoaderTest, TheEndOfTheFileEndsABlock) {
    ASSERT_TRUE(load("unterminated.scn"));
    EXPECT_EQ(world.WindowList.at(0)->LookScript, StringList({"Tma.", "Ticho."}));
}

TEST_F(LoaderTest, AMissingFileIsReportedAndChangesNothing) {
    ASSERT_TRUE(load("start_unknown.scn"));
    EXPECT_FALSE(load("nenalezeno.scn"));
    EXPECT_EQ(host.errors,
              std::vector<std::string>({"Chyba: Chyba p\xF8i na\xE8\xEDt\xE1n\xED souboru"}));
    EXPECT_EQ(world.WindowList.size(), 2u);
    EXPECT_EQ(world.CurrentWindow->Name, "A1");
}

TEST_F(LoaderTest, ReloadingDropsTheOldScenarioAndItsReferences) {
    ASSERT_TRUE(load("full.scn"));
    world.PreviousWindow = world.WindowList.at(0);
    world.CurrentItem = world.ItemList.at(0);
    ASSERT_TRUE(load("no_windows.scn"));
    EXPECT_EQ(world.CurrentWindow, nullptr);
    EXPECT_EQ(world.PreviousWindow, nullptr);
    EXPECT_EQ(world.CurrentItem, nullptr);
    EXPECT_TRUE(world.CycleText.size() == 1u);  // untouched: the new-game reset clears it
    EXPECT_FALSE(world.CycleActive);
    EXPECT_EQ(world.ScenSett.MaxItems, 99);
}

TEST(LoaderBytes, KeysSeeOnlyWhatEarlierKeysLeftOfTheLine) {
    GameState world;
    RecordingHost host;
    LoadWorldFromBytes(
        "VEK2\r\nMAXITEMS=300\r\nNOVEOKNO=Les\r\nNOVYPREDMET=h\xF8ib\r\nNAZEVWAV=hrib\r\n"
        "VZIT=\r\nNA=0\r\nCYKLUSINTERVAL=abc\r\nCYKLUSAKTIVNI=0\r\nJMENO=REPWALK=0\r\n",
        world, {host});
    EXPECT_EQ(world.ScenSett.MaxItems, 44);
    EXPECT_EQ(world.ItemList.at(0)->SoundId, "hrib");
    EXPECT_TRUE(world.WindowList.at(0)->SoundId.empty());
    EXPECT_TRUE(world.ItemList.at(0)->CanTake);
    EXPECT_FALSE(world.ItemList.at(0)->UseOn);
    EXPECT_EQ(world.CycleInterval, 0);  // one millisecond, rounded down
    EXPECT_FALSE(world.CycleActive);
    EXPECT_EQ(world.ScenSett.ScenarioName, "REPWALK=0");
    EXPECT_FALSE(world.ScenSett.RepeatWalk);
}

}  // namespace
}  // namespace vek::player
