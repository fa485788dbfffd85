#include "editor/document/collection_builder.h"

#include <fstream>

#include <gtest/gtest.h>

#include "editor/document/cz.h"
#include "editor/document/document.h"
#include "tests/editor/document/set_up.h"

namespace vek::editor {
namespace {

using test::Writable;

using test::C;

// Runs a test inside its own current directory.
struct CollectionFixture : ::testing::Test {
    std::filesystem::path previous, dir;
    EditorDocument doc;

    void SetUp() override {
        previous = std::filesystem::current_path();
        dir = test::tempDir("collection");
        std::filesystem::current_path(dir);
        std::filesystem::create_directory("wave");
        for (const char* name : {"a", "b", "c"})
            std::ofstream("wave/" + std::string(name) + ".wav") << "RIFF" << name;
        doc.ClearDocument();
        Writable(doc.UserSounds()).add("a=A(wave\\a.wav)");
        Writable(doc.UserSounds()).add("b=B(wave\\b.wav):2X");
        Writable(doc.UserSounds()).add("c=C(wave\\c.wav)");
        Writable(doc.UserSounds()).add("d=D(old.zvk|d)");
        Writable(doc.SystemSounds()).assign({"SZjdi=Jdi(wave\\tch007.wav)", "a=jiny(wave\\x.wav)"});
        doc.SetModified(false);
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(dir);
    }
};

TEST_F(CollectionFixture, OffersKeysNotYetInACollection) {
    EXPECT_EQ(OfferedCollectionKeys(doc), (std::vector<std::string>{"a", "a", "b", "c", "SZjdi"}));
    EXPECT_EQ(DefaultCollectionName(""), "collect01.zvk");
    EXPECT_EQ(DefaultCollectionName("/hry/hra.v1.scn"), "/hry/hra.zvk");
    EXPECT_EQ(DefaultCollectionName("/home/a/.hry/hra.scn"), "/home/a/.hry/hra.zvk");
    EXPECT_EQ(DefaultCollectionName("C:\\v1.0\\hra.scn"), "C:\\v1.0\\hra.zvk");
    EXPECT_EQ(BrowsedCollectionName("moje"), "moje.zvk");
    EXPECT_EQ(BrowsedCollectionName("moje.bin"), "moje.bin");
    // A dot in a directory name gives the file no extension.
    EXPECT_EQ(BrowsedCollectionName("/home/a/.hry/moje"), "/home/a/.hry/moje.zvk");
    EXPECT_EQ(BrowsedCollectionName("C:\\v1.0\\moje"), "C:\\v1.0\\moje.zvk");
    EXPECT_EQ(BrowsedCollectionName("/home/a/.hry/moje.zvk"), "/home/a/.hry/moje.zvk");
    // A key in both lists is taken from the recordings.
    EXPECT_EQ(CollectionKeyFile(doc, "a"), std::filesystem::path("wave/a.wav"));
    EXPECT_TRUE(CollectionKeyFile(doc, "nic").empty());
    EXPECT_EQ(CreateCollectionQuestion(3), C("Vytvořit kolekci z vybraných 3 souborů?"));
    EXPECT_EQ(OverwriteCollectionQuestion("k.zvk"),
              C("Soubor k.zvk již existuje. Chcete jej přepsat?"));
}

TEST_F(CollectionFixture, ShowsProgressAndCancellingLeavesNoFile) {
    std::vector<std::string> texts;
    auto record = [&](const std::string& t) {
        texts.push_back(t);
        return true;
    };
    ASSERT_EQ(BuildCollection(doc, {"a", "b", "c"}, "kol.zvk", record),
              CollectionWriteResult::Written);
    EXPECT_EQ(texts,
              (std::vector<std::string>{C("Formátuji kolekci: 0%"), C("Formátuji kolekci: 17%"),
                                        C("Formátuji kolekci: 33%"), C("Ukládám kolekci: 50%"),
                                        C("Ukládám kolekci: 67%"), C("Ukládám kolekci: 83%")}));
    EXPECT_TRUE(std::filesystem::exists("kol.zvk"));

    int calls = 0;
    auto cancelInData = [&](const std::string& t) {
        return ++calls < 5;  // stops at the second data step
    };
    EXPECT_EQ(BuildCollection(doc, {"a", "b", "c"}, "zruseno.zvk", cancelInData),
              CollectionWriteResult::Cancelled);
    EXPECT_FALSE(std::filesystem::exists("zruseno.zvk"));
}

TEST_F(CollectionFixture, ReplacesEntriesWithPointersRelativeToTheCurrentDirectory) {
    ReplaceWithCollectionPointers(doc, {"b", "SZjdi", "chybi"},
                                  (std::filesystem::current_path() / "kol.zvk").string(),
                                  std::filesystem::current_path().string());
    EXPECT_EQ(doc.UserSounds()[1], "b=B(kol.zvk|b):2X");
    EXPECT_EQ(doc.SystemSounds()[0], "SZjdi=Jdi(kol.zvk|SZjdi)");
    EXPECT_EQ(doc.UserSounds()[0], "a=A(wave\\a.wav)");
    EXPECT_TRUE(doc.Modified());
}

}  // namespace
}  // namespace vek::editor
