// The manual where the editor's help command looks for it, and the manual's HTML readable by a
// screen reader.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "common/text_file.h"
#include "editor/cli/help_page.h"
#include "tests/common/scratch_dir.h"

namespace vek::editor {
namespace {

namespace fs = std::filesystem;

TEST(HelpPage, TheBuiltGameDirectoryHoldsTheManual) {
    const char* game = std::getenv("VEK_GAME_DIR");
    ASSERT_NE(game, nullptr);
    std::optional<fs::path> page = FindHelpPage(game);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(readFileBytes(*page), readFileBytes(VEK_HELP_SOURCE));
    EXPECT_TRUE(fs::exists(page->parent_path() / "styl.css"));
}

TEST(HelpPage, FoundUnderProgramPathThenCdPath) {
    vek::testing::ScratchDir dir;
    EXPECT_FALSE(FindHelpPage(dir.path()).has_value());
    dir.write("cd/help/INDEX.html", "<html></html>");
    dir.write("vek.cfg", "PROGRAMPATH=hra\\\r\nCDPATH=cd\\\r\n");
    EXPECT_EQ(FindHelpPage(dir.path()), dir / "cd" / "help" / "INDEX.html");
    dir.write("hra/Help/index.html", "<html></html>");
    EXPECT_EQ(FindHelpPage(dir.path()), dir / "hra" / "Help" / "index.html");
}

// Czech, no scripts, headings that never skip a level, every table with header cells and a
// caption.
TEST(HelpPage, ManualIsAccessibleHtml) {
    std::string html = readFileBytes(VEK_HELP_SOURCE).value();
    EXPECT_NE(html.find("<html lang=\"cs\">"), std::string::npos);
    EXPECT_EQ(html.find("<script"), std::string::npos);
    std::regex heading("<h([1-6])[ >]");
    int previous = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), heading);
         it != std::sregex_iterator(); ++it) {
        int level = std::stoi((*it)[1]);
        EXPECT_LE(level, previous + 1) << "heading level skipped at offset " << it->position();
        previous = level;
    }
    std::size_t tables = 0;
    for (std::size_t at = html.find("<table>"); at != std::string::npos;
         at = html.find("<table>", at + 1), ++tables) {
        std::size_t end = html.find("</table>", at);
        std::string table = html.substr(at, end - at);
        EXPECT_NE(table.find("<caption>"), std::string::npos) << table.substr(0, 80);
        EXPECT_NE(table.find("<th scope="), std::string::npos) << table.substr(0, 80);
    }
    EXPECT_GE(tables, 5u);
}

}  // namespace
}  // namespace vek::editor
