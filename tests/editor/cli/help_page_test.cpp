#include "editor/cli/help_page.h"

#include <gtest/gtest.h>

#include "common/text_file.h"
#include "tests/common/scratch_dir.h"

namespace vek::editor {
namespace {

TEST(HelpPage, ProgramDirectoryFirstThenTheCdDirectoryFromTheConfiguration) {
    vek::testing::InScratchDir cwd;
    EXPECT_FALSE(FindHelpPage()) << "no vek.cfg: the program directory is the current one";
    cwd.dir.write("Help/index.html", "");
    EXPECT_TRUE(FindHelpPage());

    writeLinesAtomically("vek.cfg", {"VOICEVOLUME=1", "PROGRAMPATH=hra\\", "CDPATH=cd"});
    EXPECT_FALSE(FindHelpPage()) << "the configured directories only";
    cwd.dir.write("cd/HELP/INDEX.HTML", "");
    auto page = FindHelpPage();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->parent_path().filename(), "HELP");
    cwd.dir.write("hra/Help/index.html", "");
    EXPECT_EQ(FindHelpPage()->parent_path().parent_path().filename(), "hra");
}

TEST(PlayerLocation, BesideTheEditorOrInTheBuildTree) {
    vek::testing::ScratchDir dir;
    EXPECT_FALSE(FindPlayer(dir / "editor" / "ui"));
    dir.write("player/shell/VEK2", "");
    dir.write("editor/ui/Mirela2", "");
    EXPECT_EQ(FindPlayer(dir / "editor" / "ui"),
              std::filesystem::weakly_canonical(dir / "player/shell/VEK2"));
    dir.write("editor/ui/VEK2", "");
    EXPECT_EQ(FindPlayer(dir / "editor" / "ui")->parent_path().filename(), "ui");
}

}  // namespace
}  // namespace vek::editor
