#include "player/shell/game_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "common/text_file.h"

namespace vek::player {
namespace {

namespace fs = std::filesystem;

class GameDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("vek_gamedir_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        before_ = fs::current_path();
        for (const char* dir : {"home", "share/vek2/wave", "hry", "cd", "user"})
            fs::create_directories(root_ / dir);
        write("share/vek2/borvatin.scn", "VEK\r\n");
        write("share/vek2/sx01.wav", "RIFF");
        write("hry/moje.scn", "VEK\r\n");
        write("cd/hra.scn", "VEK\r\n");
    }
    void TearDown() override {
        fs::current_path(before_);
        fs::remove_all(root_);
    }

    void write(const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(writeFileAtomically(root_ / name, bytes));
    }

    GameDirRequest request(const std::string& current, const std::string& scenario = {}) {
        // Everything but the "cd" folder can be written; the installation is writable too, as it
        // is for root, and still must never be written.
        return {root_ / current,      scenario,
                root_ / "share/vek2", root_ / "user",
                root_ / "home",       [this](const fs::path& dir) { return dir != root_ / "cd"; }};
    }

    fs::path root_;
    fs::path before_;
};

TEST_F(GameDirTest, TheDirectoryToPlayInFollowsWhereThePlayerIsStarted) {
    // A writable game directory: everything as it always was.
    GameDirChoice c = ChooseGameDirectory(request("hry", "moje.scn"));
    EXPECT_EQ(c.dir, root_ / "hry");
    EXPECT_EQ(c.scenarioArgument, "moje.scn");
    EXPECT_TRUE(c.perUser) << "the installed player's own files stay in the per-user directory";

    // From the menu (home directory, no scenario): the per-user game directory, also when a
    // scenario lies in the home directory.
    write("home/stazeny.scn", "VEK\r\n");
    c = ChooseGameDirectory(request("home"));
    EXPECT_EQ(c.dir, root_ / "user");
    EXPECT_TRUE(c.perUser);
    EXPECT_EQ(c.scenarioArgument, "");
    EXPECT_EQ(c.programPath, "");

    // Started inside its own installation, which it must never write into.
    c = ChooseGameDirectory(request("share/vek2"));
    EXPECT_EQ(c.dir, root_ / "user");
    EXPECT_TRUE(c.perUser);

    // Without an installation (a build tree) the player stays where it was started.
    GameDirRequest build = request("home");
    build.installedData.reset();
    c = ChooseGameDirectory(build);
    EXPECT_EQ(c.dir, root_ / "home");
    EXPECT_FALSE(c.perUser);

    // A scenario elsewhere plays from its own directory, also when the player was started in a
    // game directory.
    c = ChooseGameDirectory(request("hry", "../cd/hra.scn"));
    EXPECT_EQ(c.dir, root_ / "user");
    EXPECT_EQ(c.programPath, (root_ / "cd").string() + "/");
}

TEST_F(GameDirTest, AScenarioOpenedByDoubleClickPlaysFromItsOwnDirectory) {
    // Writable: the player moves there and keeps its positions beside the scenario.
    GameDirChoice c = ChooseGameDirectory(request("home", (root_ / "hry/moje.scn").string()));
    EXPECT_EQ(c.dir, root_ / "hry");
    EXPECT_EQ(c.scenarioArgument, "moje.scn");
    EXPECT_EQ(c.programPath, "");

    // Relative to where it was given.
    c = ChooseGameDirectory(request("home", "../hry/moje.scn"));
    EXPECT_EQ(c.dir, root_ / "hry");

    // Read-only: the sounds still come from there, the positions go to the per-user directory.
    c = ChooseGameDirectory(request("home", (root_ / "cd/hra.scn").string()));
    EXPECT_EQ(c.dir, root_ / "user");
    EXPECT_TRUE(c.perUser);
    EXPECT_EQ(c.scenarioArgument, (root_ / "cd/hra.scn").string());
    EXPECT_EQ(c.programPath, (root_ / "cd").string() + "/");

    // The installed demo counts as read-only.
    c = ChooseGameDirectory(request("home", (root_ / "share/vek2/borvatin.scn").string()));
    EXPECT_EQ(c.dir, root_ / "user");
    EXPECT_EQ(c.programPath, (root_ / "share/vek2").string() + "/");

    // A name that is not where the player was started is looked for in the game directory.
    c = ChooseGameDirectory(request("home", "borvatin.scn"));
    EXPECT_EQ(c.dir, root_ / "user");
    EXPECT_EQ(c.scenarioArgument, "borvatin.scn");
}

TEST_F(GameDirTest, PreparingLinksTheInstalledDataAndKeepsThePlayersOwnFiles) {
    fs::path user = root_ / "user";
    write("user/sx01.wav", "mine");
    write("user/Pozice1.sav", "saved");
    ASSERT_TRUE(PrepareUserGameDirectory(user, root_ / "share/vek2"));

    EXPECT_TRUE(fs::is_directory(user / "temp"));
    EXPECT_TRUE(fs::is_symlink(user / "wave"));
    EXPECT_TRUE(fs::is_directory(user / "wave"));
    EXPECT_EQ(readFileBytes(user / "borvatin.scn"), "VEK\r\n");
    EXPECT_EQ(readFileBytes(user / "sx01.wav"), "mine");
    EXPECT_EQ(readFileBytes(user / "Pozice1.sav"), "saved");
    EXPECT_EQ(readFileBytes(user / "vek.cfg"),
              "VOICEVOLUME=62535\r\nSOUNDVOLUME=60535\r\nMUSICVOLUME=57535\r\nPROGRAMPATH=\r\n"
              "CDPATH=D:\\\r\n");

    // Later starts keep the player's configuration and renew links that lead nowhere (an
    // installation that moved).
    write("user/vek.cfg", "VOICEVOLUME=1\r\n");
    fs::remove(user / "wave");
    fs::create_directory_symlink(root_ / "old/wave", user / "wave");
    ASSERT_TRUE(PrepareUserGameDirectory(user, root_ / "share/vek2"));
    EXPECT_EQ(readFileBytes(user / "vek.cfg"), "VOICEVOLUME=1\r\n");
    EXPECT_EQ(fs::read_symlink(user / "wave"), root_ / "share/vek2/wave");

    // A directory that cannot be made is reported, and so is one inside the installation.
    write("blocked", "a file, not a folder");
    std::string error;
    EXPECT_FALSE(PrepareUserGameDirectory(root_ / "blocked/vek2", root_ / "share/vek2", &error));
    EXPECT_NE(error.find("blocked"), std::string::npos);
    EXPECT_FALSE(PrepareUserGameDirectory(root_ / "share/vek2/vek2", root_ / "share/vek2"));
    EXPECT_FALSE(fs::exists(root_ / "share/vek2/vek2"));
}

TEST_F(GameDirTest, EnteringTheGameDirectoryRewritesTheArgumentsForIt) {
    write("home/keys.txt", "Enter\n");
    GameDirRequest build = request("home");
    build.installedData.reset();
    std::ostringstream err;
    GameStart start =
        EnterGameDirectory({"--walk", "keys.txt", "--seed", "3", "../hry/moje.scn"}, build, err);
    fs::path now = fs::current_path();
    fs::current_path(before_);

    EXPECT_EQ(now, fs::canonical(root_ / "hry"));
    ASSERT_EQ(start.args.size(), 5u);
    EXPECT_EQ(start.args[1], (root_ / "home" / "keys.txt").string());
    EXPECT_EQ(start.args[3], "3");
    EXPECT_EQ(start.args[4], "moje.scn");
    EXPECT_EQ(start.places.programPath, "");
    EXPECT_EQ(start.places.ownFiles, "") << "a build tree keeps its files where it plays";
    EXPECT_EQ(start.places.ownRecordings, "");
    EXPECT_EQ(err.str(), "");

    // Asking for help or the version moves nowhere.
    start = EnterGameDirectory({"--version", "../hry/moje.scn"}, build, err);
    EXPECT_EQ(fs::current_path(), before_);
    EXPECT_EQ(start.args[1], "../hry/moje.scn");
}

// The installed player keeps what it makes for itself in the per-user directory wherever it
// plays, and finds its own recordings in the installation.
TEST_F(GameDirTest, TheInstalledPlayersOwnFilesStayInThePerUserDirectory) {
    std::ostringstream err;
    GameStart start = EnterGameDirectory({"../hry/moje.scn"}, request("home"), err);
    EXPECT_EQ(fs::current_path(), fs::canonical(root_ / "hry"));
    fs::current_path(before_);
    EXPECT_EQ(start.places.ownFiles, root_ / "user");
    EXPECT_EQ(start.places.ownRecordings, (root_ / "share/vek2").string() + "/");
    EXPECT_TRUE(fs::is_symlink(root_ / "user/wave"));
    EXPECT_FALSE(fs::exists(root_ / "hry/temp"));
    EXPECT_TRUE(start.runDir.empty());
}

TEST_F(GameDirTest, APerUserDirectoryThatCannotBeMadeIsToldAndNothingIsWrittenElsewhere) {
    write("blocked", "a file, not a folder");
    GameDirRequest blocked = request("home");
    blocked.userDir = root_ / "blocked/vek2";
    std::ostringstream err;
    GameStart start = EnterGameDirectory({}, blocked, err);
    fs::path now = fs::current_path();
    fs::current_path(before_);

    EXPECT_NE(start.places.notice, "");
    ASSERT_FALSE(start.runDir.empty());
    EXPECT_EQ(now, start.runDir);
    EXPECT_EQ(start.places.ownFiles, start.runDir);
    EXPECT_TRUE(fs::is_symlink(start.runDir / "borvatin.scn"));
    EXPECT_TRUE(fs::exists(start.runDir / "vek.cfg"));
    EXPECT_EQ(fs::directory_iterator(root_ / "home"), fs::directory_iterator());

    // The per-user directory pointing into the installation counts as one that cannot be made.
    blocked.userDir = root_ / "share/vek2";
    GameStart inside = EnterGameDirectory({}, blocked, err);
    fs::current_path(before_);
    EXPECT_NE(inside.places.notice, "");
    EXPECT_FALSE(fs::exists(root_ / "share/vek2/vek.cfg"));
    EXPECT_FALSE(fs::exists(root_ / "share/vek2/temp"));

    LeaveGameDirectory(start);
    LeaveGameDirectory(inside);
    EXPECT_FALSE(fs::exists(start.runDir));
    EXPECT_FALSE(fs::exists(inside.runDir));
    EXPECT_TRUE(fs::exists(root_ / "share/vek2/borvatin.scn")) << "links removed, not followed";
}

}  // namespace
}  // namespace vek::player
