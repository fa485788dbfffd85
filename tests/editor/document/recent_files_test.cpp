#include "editor/document/recent_files.h"

#include <algorithm>
#include <map>

#include <gtest/gtest.h>

#include "common/text_file.h"
#include "editor/document/cz.h"

namespace vek::editor {
namespace {

TEST(RecentFiles, MovesReopenedFilesUpAndKeepsFour) {
    TMenuFilesList list;
    for (const char* f : {"/a/1.scn", "/a/2.scn", "/a/3.scn", "/a/4.scn"})
        list.AddFile(f);
    EXPECT_EQ(list.files(),
              (std::vector<std::string>{"/a/4.scn", "/a/3.scn", "/a/2.scn", "/a/1.scn"}));
    list.AddFile("/a/3.scn");  // second in the list
    EXPECT_EQ(list.files(),
              (std::vector<std::string>{"/a/3.scn", "/a/4.scn", "/a/2.scn", "/a/1.scn"}));
    list.AddFile("/a/5.scn");  // a fifth drops the oldest
    EXPECT_EQ(list.files(),
              (std::vector<std::string>{"/a/5.scn", "/a/3.scn", "/a/4.scn", "/a/2.scn"}));
    EXPECT_EQ(list.NastavSoubory().front(), "1 5.scn");
    EXPECT_EQ(list.slot(3), std::optional<std::string>("/a/2.scn"));
    EXPECT_EQ(list.slot(4), std::nullopt);
}

TEST(RecentFiles, PathsCountAsOneOnlyWhereTheFileSystemSaysSo) {
    auto dir = test::tempDir("recent_same");
    writeFileAtomically(dir / "Hra.scn", "VEK");
    TMenuFilesList list;
    list.AddFile((dir / "Hra.scn").string());
    // Another letter case is another file here; Czech and Polish letters never merge.
    list.AddFile((dir / "hra.scn").string());
    list.AddFile("/hry/žába.scn");
    list.AddFile("/hry/żába.scn");
    EXPECT_EQ(list.files().size(), 4u);
    // The same existing file under another spelling moves up instead of coming twice.
    list.AddFile((dir / "." / "Hra.scn").string());
    EXPECT_EQ(list.files().size(), 4u);
    EXPECT_EQ(list.files().front(), (dir / "." / "Hra.scn").string());
    EXPECT_EQ(std::count(list.files().begin(), list.files().end(), (dir / "Hra.scn").string()), 0);
    std::filesystem::remove_all(dir);
}

TEST(RecentFiles, HistoryFileIsTrimmedToFourAndWrittenBack) {
    auto dir = test::tempDir("recent");
    auto file = dir / "VEKEdit.hst";
    ASSERT_TRUE(writeLinesAtomically(file, {"C:\\hry\\hra.scn", "b", "c", "d", "e", "f", "g"}));
    TMenuFilesList list;
    list.Load(file);
    EXPECT_EQ(list.files().size(), 4u);
    EXPECT_EQ(list.NastavSoubory().front(), "1 hra.scn");
    ASSERT_TRUE(list.Save(file));
    EXPECT_EQ(readFileBytes(file).value(), "C:\\hry\\hra.scn\r\nb\r\nc\r\nd\r\n");
    TMenuFilesList missing;
    missing.Load(dir / "none.hst");
    EXPECT_TRUE(missing.files().empty());
    std::filesystem::remove_all(dir);
}

class MemoryStore : public PlacementStore {
  public:
    std::map<std::string, std::string, std::less<>> values;
    std::optional<std::string> value(std::string_view name) const override {
        auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void setValue(std::string_view name, std::string_view text) override {
        values[std::string(name)] = text;
    }
};

TEST(WindowPlacementStore, MaximizedKeepsTheLastNormalPlacement) {
    MemoryStore store;
    SavePlacement(store, {false, 10, 20, 900, 500});
    SavePlacement(store, {true, 0, 0, 1, 1});
    EXPECT_EQ(store.values["Maximize"], "1");
    EXPECT_EQ(store.values["Width"], "900");
    EXPECT_TRUE(LoadPlacement(store, {}).maximized);

    store.values["Maximize"] = "0";
    store.values["Top"] = "abc";
    WindowPlacement p = LoadPlacement(store, {false, 1, 2, 816, 426});
    EXPECT_FALSE(p.maximized);
    EXPECT_EQ(p.left, 10);
    EXPECT_EQ(p.top, 2);  // not a number: left as it was
    EXPECT_EQ(p.width, 900);
    MemoryStore empty;
    EXPECT_EQ(LoadPlacement(empty, {false, 5, 6, 816, 426}).left, 5);
}

}  // namespace
}  // namespace vek::editor
