#include <gtest/gtest.h>

#include "common/collection.h"
#include "tests/player/sound/sound_test_support.h"

namespace vek::test {
namespace {

using Strings = std::vector<std::string>;

class CollectionTest : public SoundFixture {
  protected:
    CollectionTest() : temp(dir / "temp") { env.tempFiles = &temp; }

    // Builds kol.zvk under `base` from waves of the given lengths, named by key.
    void writeZvk(const std::filesystem::path& base,
                  const std::vector<std::pair<std::string, int>>& sounds) {
        std::vector<CollectionSource> sources;
        for (const auto& [name, ms] : sounds) {
            const auto file = dir / "src" / (name + ".wav");
            writeWave(file, ms);
            sources.push_back({name, file});
        }
        std::filesystem::create_directories(base);
        ASSERT_EQ(writeCollection(base / "kol.zvk", sources), CollectionWriteResult::Written);
    }

    TTempFiles temp;
};

TEST_F(CollectionTest, ExtractedOnFirstPlayReusedOnTheSecondAndPlayed) {
    writeZvk(dir, {{"A", 200}, {"B", 300}});
    list.AddNahravku("A=a(kol.zvk|A)");
    list.AddNahravku("B=b(kol.zvk|B)X");
    list.AddNahravku("C=c(kol.zvk|C)");  // not in the collection
    AttachCollections(list, paths);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.Najdi("C"), nullptr);
    EXPECT_FALSE(list.Najdi("A")->FromCD);

    primary.Add("B");
    tick(1);
    const auto extracted = temp.pathFor("kol.zvk", "B");
    ASSERT_EQ(temp.files(), (std::vector<std::filesystem::path>{extracted}));
    EXPECT_EQ(std::filesystem::file_size(extracted), list.Najdi("B")->Length);
    EXPECT_EQ(primary.Audio()->FileName(), extracted.string());
    EXPECT_EQ(primary.Audio()->Group, 0);

    // The second play takes the file already there; a changed temp file shows that it is not
    // copied again.
    const auto stamp = std::filesystem::last_write_time(extracted);
    tick(5);
    primary.Add("B");
    primary.Add("A");
    tick(10);
    EXPECT_EQ(std::filesystem::last_write_time(extracted), stamp);
    EXPECT_EQ(temp.files().size(), 2u);
    EXPECT_EQ(startedFiles(), (Strings{extracted.filename().string(), extracted.filename().string(),
                                       temp.pathFor("kol.zvk", "A").filename().string()}));
    EXPECT_EQ(startTime(temp.pathFor("kol.zvk", "A").filename().string()), 900);
}

TEST_F(CollectionTest, FoundUnderTheCdPathWhenTheProgramPathLacksIt) {
    const auto cd = dir / "cd";
    paths.cdPath = cd.string() + "/";
    writeZvk(cd, {{"A", 100}});
    list.AddNahravku("A=a(kol.zvk|A)");
    AttachCollections(list, paths);
    ASSERT_NE(list.Najdi("A"), nullptr);
    EXPECT_TRUE(list.Najdi("A")->FromCD);
    background.AddNew("A", false, 0, "100x100");
    EXPECT_EQ(startedFiles(), (Strings{temp.pathFor("kol.zvk", "A").filename().string()}));
}

TEST_F(CollectionTest, MissingOrDamagedCollectionsDropTheirEntries) {
    writeBytes(dir / "spatna.zvk", "ZVX\0\0\0");
    list.AddNahravku("A=a(chybi.zvk|A)");
    list.AddNahravku("B=b(spatna.zvk|B)");
    addSound("W", "w.wav", 10);
    AttachCollections(list, paths);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_NE(list.Najdi("W"), nullptr);
}

TEST_F(CollectionTest, CollectionCutShortPlaysNothingAndDoesNotStall) {
    writeZvk(dir, {{"A", 100}, {"B", 100}});
    list.AddNahravku("A=a(kol.zvk|A)");
    list.AddNahravku("B=b(kol.zvk|B)");
    AttachCollections(list, paths);
    // B's bytes lie beyond the end now: its temporary file is a cut wave, which fails to load.
    const auto size = std::filesystem::file_size(dir / "kol.zvk");
    std::filesystem::resize_file(dir / "kol.zvk", size - 500);
    primary.Add("B");
    primary.Add("A");
    tick(3);
    EXPECT_EQ(startedFiles(), (Strings{temp.pathFor("kol.zvk", "A").filename().string()}));
}

TEST_F(CollectionTest, WithoutTemporaryFilesCollectionItemsAreSkipped) {
    writeZvk(dir, {{"A", 100}});
    list.AddNahravku("A=a(kol.zvk|A)");
    AttachCollections(list, paths);
    env.tempFiles = nullptr;
    primary.Add("A");
    tick(2);
    EXPECT_TRUE(startedFiles().empty());
    EXPECT_TRUE(primary.Pending().empty());
}

}  // namespace
}  // namespace vek::test
