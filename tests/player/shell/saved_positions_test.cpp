// The saved positions on their own: a game saved and loaded back, the automatic save that
// fails without a word, and the fallback of a slot that cannot be read.
#include "player/shell/saved_positions.h"

#include <gtest/gtest.h>

#include "common/text_file.h"
#include "player/shell/position_file.h"
#include "player/world/loader.h"
#include "tests/player/sound/sound_test_support.h"

namespace vek::player {
namespace {

constexpr const char* kScenario =
    "VEK2 sc\xE9n\xE1\xF8\r\nSTART=sklep\r\nNOVEOKNO=sklep\r\nCESTY=\r\nzahrada\r\n*\r\n"
    "PREDMETY=\r\nklic\r\n*\r\nNOVEOKNO=zahrada\r\nNOVYPREDMET=klic\r\nVZIT=1\r\n";

class RecordingView : public ShellView {
  public:
    BoxAnswer messageBox(const MessageBoxRequest& r) override {
        messages.push_back(r.caption);
        return r.defaultAnswer;
    }
    void showOptions(TOptionsForm&) override {}
    void waitWhile(const std::function<bool()>&) override {}
    void closeWindow() override {}
    std::vector<std::string> messages;
};

class LoadingHost : public SavedPositionsHost, public WorldHost {
  public:
    explicit LoadingHost(GameState& world) : world_(world) {}
    bool LoadScenario(const std::string& fileName) override {
        return LoadWorld(fileName, world_, WorldLoadSetup{*this, nullptr, true});
    }
    void BuildMenu() override { ++builds; }
    void ShowError(const std::string&, const std::string&) override {}
    int builds = 0;

  private:
    GameState& world_;
};

class SavedPositionsTest : public test::SoundFixture {
  protected:
    SavedPositionsTest() {
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        EXPECT_TRUE(writeFileAtomically("hra.scn", kScenario));
        EXPECT_TRUE(host.LoadScenario("hra.scn"));
        scenario = loaded = "hra.scn";
        gameRunning = true;
    }
    ~SavedPositionsTest() override { std::filesystem::current_path(old_); }

    // Takes the key into the inventory and walks into the garden, as a game would.
    void play() {
        world.WindowList.Najdi("sklep")->Items.remove("klic");
        world.Inventory.add("klic");
        world.PreviousWindow = world.CurrentWindow;
        world.CurrentWindow = world.WindowList.Najdi("zahrada");
        world.Switches[7] = true;
        world.Counters[7] = 200;
        world.StringVars[3] = "heslo";
        world.Timers[2] = 42;
        world.ItemList.Najdi("klic")->TakeDone = true;
    }

    std::filesystem::path old_;
    MenuState state = MenuState::MainMenu;
    bool gameRunning = false;
    std::string scenario, loaded;
    GameState world;
    RecordingView view;
    LoadingHost host{world};
    SavedPositions positions{
        SavedPositionsContext{host, state, gameRunning, scenario, loaded, world, background, view}};
};

TEST_F(SavedPositionsTest, AGameSavedLoadsBackAsItWas) {
    play();
    positions.SavePosition(3);
    EXPECT_TRUE(std::filesystem::exists("Pozice3.sav"));
    EXPECT_EQ(state, MenuState::MainMenu);

    ASSERT_TRUE(host.LoadScenario("hra.scn"));  // a fresh game
    ASSERT_EQ(world.CurrentWindow->Name, "sklep");
    positions.LoadPosition(3);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(world.CurrentWindow->Name, "zahrada");
    EXPECT_EQ(world.PreviousWindow->Name, "sklep");
    EXPECT_EQ(world.Inventory.size(), 1u);
    EXPECT_TRUE(world.WindowList.Najdi("sklep")->Items.empty());
    EXPECT_TRUE(world.Switches[7]);
    EXPECT_EQ(world.Counters[7], 200);
    EXPECT_EQ(world.StringVars[3], "heslo");
    EXPECT_EQ(world.Timers[2], 42);
    EXPECT_TRUE(world.ItemList.Najdi("klic")->TakeDone);
    EXPECT_TRUE(std::filesystem::exists("autosave.sav"));  // the game left was saved first
}

TEST_F(SavedPositionsTest, OnlyASaveThePlayerAskedForTellsOfItsFailure) {
    std::filesystem::create_directory("autosave.sav");  // nothing can be renamed over it
    std::filesystem::create_directory("Pozice4.sav");
    positions.SavePosition(kAutosaveSlot);
    EXPECT_TRUE(view.messages.empty());
    positions.SavePosition(4);
    EXPECT_EQ(view.messages, std::vector<std::string>{"Chyba"});
}

TEST_F(SavedPositionsTest, ASlotThatCannotBeReadFallsBackToTheAutomaticSave) {
    positions.SavePosition(kAutosaveSlot);  // the game as it was before
    play();
    std::filesystem::create_directory("Pozice2.sav");  // listed, but cannot be read
    positions.LoadPosition(2);
    EXPECT_EQ(view.messages, std::vector<std::string>{"Stop"});
    EXPECT_TRUE(gameRunning);
    EXPECT_EQ(world.CurrentWindow->Name, "sklep");
    EXPECT_TRUE(world.Inventory.empty());
    EXPECT_EQ(state, MenuState::MainMenu);

    // Without an automatic save the game ends in the system menu.
    std::filesystem::remove("autosave.sav");
    view.messages.clear();
    positions.LoadPosition(2);
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Stop", "Stop"}));
    EXPECT_FALSE(gameRunning);
    EXPECT_EQ(state, MenuState::SystemMenu);
}

}  // namespace
}  // namespace vek::player
