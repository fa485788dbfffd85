#include "editor/document/text_export.h"

#include <gtest/gtest.h>

#include "common/text_file.h"
#include "editor/document/cz.h"
#include "tests/editor/document/set_up.h"

namespace vek::editor {
namespace {

using test::Writable;

using test::C;

TEST(TextExport, StartupScenarioMatchesItsGoldenFile) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    auto dir = test::tempDir("export");
    auto out = dir / "hra.txt";
    ASSERT_TRUE(ExportText(doc, out));
    auto golden =
        readFileBytes(std::filesystem::path(VEK_TEST_DATA) / "editor" / "startup_export.txt");
    ASSERT_TRUE(golden);
    EXPECT_EQ(readFileBytes(out).value(), *golden);
    EXPECT_FALSE(doc.Modified());
    EXPECT_TRUE(doc.FileName.empty());
    std::filesystem::remove_all(dir);
}

TEST(TextExport, SplitsItemsFromCharactersAndCopiesLinesUnchanged) {
    EditorDocument doc;
    doc.ClearDocument();
    doc.NewWindow();
    doc.Rename(EntityKind::Window, "prazdne");
    TPredmet* kral = Writable(doc.NewItem());
    doc.Rename(EntityKind::Item, C("král"));
    kral->IsCharacter = true;
    kral->TalkScript.assign({"   odsazeno", "* hvezdicka *"});
    kral->UseScript.assign({"x"});
    Writable(doc.Settings()).WinText.assign({"vyhra"});
    auto lines = ExportTextLines(doc);
    std::vector<std::string> expected = {C("--- Nový scénář ---"),
                                         "",
                                         "OKNA:",
                                         "  prazdne, ",
                                         "",
                                         C("PŘEDMĚTY:"),
                                         "",
                                         "POSTAVY:",
                                         C("  král, "),
                                         "",
                                         "***** O K N A *****",
                                         "",
                                         "* PRAZDNE *",
                                         "",
                                         C("***** P Ř E D M Ě T Y *****"),
                                         "",
                                         "***** P O S T A V Y *****",
                                         "",
                                         C("* KRÁL *"),
                                         C("  Použij:"),
                                         "x",
                                         "  Promluv si:",
                                         "   odsazeno",
                                         "* hvezdicka *",
                                         "",
                                         "vyhra",
                                         ""};
    EXPECT_EQ(lines, expected);
}

TEST(TextExport, LongNameListsBreakAfterTwoHundredCharacters) {
    EditorDocument doc;
    doc.ClearDocument();
    for (int i = 0; i < 40; ++i) {
        doc.NewWindow();
        char name[16];
        std::snprintf(name, sizeof name, "Okno_cislo%02d", i);  // twelve letters
        doc.Rename(EntityKind::Window, name);
    }
    auto lines = ExportTextLines(doc);
    ASSERT_EQ(lines[2], "OKNA:");
    // Each name adds 14 characters: a line is written once it passes 200, at 212.
    std::size_t i = 3;
    std::string all;
    for (; !lines[i].empty(); ++i) {
        EXPECT_TRUE(lines[i].starts_with("  "));
        EXPECT_TRUE(lines[i].ends_with(", "));
        EXPECT_LE(lines[i].size(), 212u);
        all += lines[i].substr(2);
    }
    EXPECT_EQ(i - 3, 3u);  // 15 + 15 + 10 names
    EXPECT_EQ(lines[3].size(), 212u);
    EXPECT_EQ(all.size(), 40u * 14u);
}

TEST(TextExport, UnwritableTargetIsReported) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    std::string error;
    EXPECT_FALSE(ExportText(doc, "/nonexistent/dir/out.txt", &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace vek::editor
