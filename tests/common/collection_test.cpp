#include "common/collection.h"

#include <gtest/gtest.h>

#include "common/text_file.h"
#include "tests/common/scratch_dir.h"

namespace vek {
namespace {

std::string le32(std::uint32_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
            static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
}

std::string record(const std::string& name, std::uint32_t length) {
    return static_cast<char>(name.size()) + name + le32(length);
}

std::string header(std::uint16_t count) {
    return std::string("ZVK\0", 4) + static_cast<char>(count & 0xFF) +
           static_cast<char>(count >> 8);
}

TEST(CollectionIndex, OffsetsStartAfterTheIndex) {
    testing::ScratchDir dir;
    TCollectionList list;
    EXPECT_TRUE(readCollectionIndex(dir.write("prazdna.zvk", header(0) + '\0'), "prazdna.zvk",
                                    false, list));
    EXPECT_EQ(list.size(), 0u);

    // D = 6 + (1+1+4) + (1+2+4) + 1 = 20.
    std::string bytes = header(2) + record("a", 10) + record("bc", 20) + '\0' +
                        std::string(10, 'A') + std::string(20, 'B');
    ASSERT_TRUE(readCollectionIndex(dir.write("k.zvk", bytes), "k.zvk", false, list));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.line(0), "k.zvk|a=20|10");
    EXPECT_EQ(list.line(1), "k.zvk|bc=30|20");
    EXPECT_EQ(list.ColName(1), "k.zvk");
    EXPECT_EQ(list.ZvukName(1), "bc");
    EXPECT_EQ(list.Pozice(1), 30u);
    EXPECT_EQ(list.Delka(1), 20u);
    EXPECT_FALSE(list.CD(1));
    EXPECT_EQ(list.find("K.ZVK|BC"), 1);
    EXPECT_EQ(list.find("k.zvk|b"), -1);

    auto extracted = dir / "bc.tmp";
    ASSERT_TRUE(extractRecording(dir / "k.zvk", list.Pozice(1), list.Delka(1), extracted));
    EXPECT_EQ(readFileBytes(extracted), std::string(20, 'B'));
}

TEST(CollectionIndex, CollectionUnderTheCdPathIsMarked) {
    testing::ScratchDir dir;
    TCollectionList list;
    auto file = dir.write("cd.zvk", header(1) + record("hudba", 1234567) + '\0');
    ASSERT_TRUE(readCollectionIndex(file, "cd.zvk", true, list));
    EXPECT_EQ(list.line(0), "cd.zvk|hudba=17|1234567C");
    EXPECT_TRUE(list.CD(0));
    EXPECT_EQ(list.Delka(0), 1234567u);
    EXPECT_EQ(list.Pozice(0), 17u);
}

TEST(CollectionIndex, DamagedFilesGiveWhatTheyCan) {
    testing::ScratchDir dir;
    TCollectionList list;
    EXPECT_FALSE(readCollectionIndex(dir / "chybi.zvk", "chybi.zvk", false, list));
    EXPECT_FALSE(readCollectionIndex(dir.write("a.zvk", "ZVX\0\1\0" + record("a", 1) + '\0'),
                                     "a.zvk", false, list));
    EXPECT_FALSE(
        readCollectionIndex(dir.write("b.zvk", std::string("ZVK\1\1\0", 6) + record("a", 1) + '\0'),
                            "b.zvk", false, list))
        << "the fourth byte must be 0";
    EXPECT_FALSE(readCollectionIndex(dir.write("c.zvk", "ZV"), "c.zvk", false, list));
    EXPECT_EQ(list.size(), 0u);

    // Truncated inside the second record: the first is kept.
    std::string truncated = header(2) + record("a", 5) + record("bc", 7);
    truncated.resize(truncated.size() - 2);
    ASSERT_TRUE(readCollectionIndex(dir.write("t.zvk", truncated), "t.zvk", false, list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.ZvukName(0), "a");

    // The stored count is not trusted: the index alone counts.
    list.clear();
    ASSERT_TRUE(readCollectionIndex(dir.write("n.zvk", header(9) + record("x", 1) + '\0' + "X"),
                                    "n.zvk", false, list));
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(list.Pozice(0), 13u);
}

TEST(CollectionList, AccessorsOnOddLines) {
    TCollectionList list;
    list.add("k=1.zvk|zvuk=100|50C");  // an "=" inside the collection's file name
    list.add("bez cisel");
    list.add("k.zvk|x=abc|");
    EXPECT_EQ(list.ColName(0), "k=1.zvk");
    EXPECT_EQ(list.ZvukName(0), "zvuk");
    EXPECT_EQ(list.Pozice(0), 100u);
    EXPECT_EQ(list.Delka(0), 50u);
    EXPECT_EQ(list.find("k=1.zvk|ZVUK"), 0);
    EXPECT_EQ(list.ZvukName(1), "");
    EXPECT_EQ(list.Pozice(1), 0u);
    EXPECT_EQ(list.Delka(1), 0u);
    EXPECT_EQ(list.Pozice(2), 0u);
    EXPECT_EQ(list.Delka(2), 0u);
}

TEST(CollectionExtraction, StopsAtTheEndOfTheFileAndRefusesNothing) {
    testing::ScratchDir dir;
    std::string data(5000, '\0');
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 7);
    auto file = dir.write("d.zvk", data);

    ASSERT_TRUE(extractRecording(file, 1000, 3000, dir / "mid.tmp"));
    EXPECT_EQ(readFileBytes(dir / "mid.tmp"), data.substr(1000, 3000));

    ASSERT_TRUE(extractRecording(file, 4000, 9000, dir / "past.tmp"));
    EXPECT_EQ(readFileBytes(dir / "past.tmp"), data.substr(4000)) << "shorter, not padded";

    EXPECT_FALSE(extractRecording(file, 10, 0, dir / "zero.tmp"));
    EXPECT_FALSE(extractRecording(file, 6000, 10, dir / "beyond.tmp"));
    EXPECT_FALSE(extractRecording(dir / "chybi.zvk", 0, 10, dir / "missing.tmp"));
    for (const char* name : {"zero.tmp", "beyond.tmp", "missing.tmp"})
        EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
}

class CollectionWriter : public ::testing::Test {
  protected:
    void SetUp() override {
        sources = {
            {"SZjdi", dir.write("wave/jdi.wav", std::string(3000, 'j'))},
            {"chybi", dir / "wave" / "nic.wav"},
            {"\x9Eluva", dir.write("wave/zluva.wav", "zpev")},
            {"prazdny", dir.write("wave/prazdny.wav", "")},
        };
    }
    testing::ScratchDir dir;
    std::vector<CollectionSource> sources;
};

TEST_F(CollectionWriter, RoundTripThroughTheReader) {
    std::vector<std::pair<CollectionPhase, std::size_t>> calls;
    auto progress = [&](CollectionPhase phase, std::size_t i, std::size_t count) {
        EXPECT_EQ(count, 4u);
        calls.emplace_back(phase, i);
        return true;
    };
    auto target = dir / "sbirka.zvk";
    ASSERT_EQ(writeCollection(target, sources, progress), CollectionWriteResult::Written);
    EXPECT_EQ(calls.size(), 8u);
    EXPECT_EQ(calls[3], std::make_pair(CollectionPhase::Index, std::size_t{3}));
    EXPECT_EQ(calls[4], std::make_pair(CollectionPhase::Data, std::size_t{0}));

    auto bytes = readFileBytes(target);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 6), header(4));

    TCollectionList list;
    ASSERT_TRUE(readCollectionIndex(target, "sbirka.zvk", false, list));
    ASSERT_EQ(list.size(), 3u) << "the missing file gets no record";
    EXPECT_EQ(list.ZvukName(0), "SZjdi");
    EXPECT_EQ(list.ZvukName(1), "\x9Eluva");
    EXPECT_EQ(list.ZvukName(2), "prazdny");
    EXPECT_EQ(list.Delka(2), 0u);
    std::uint32_t d = 6 + (1 + 5 + 4) + (1 + 5 + 4) + (1 + 7 + 4) + 1;
    EXPECT_EQ(list.Pozice(0), d);
    EXPECT_EQ(list.Pozice(1), d + 3000);
    EXPECT_EQ(bytes->size(), d + 3004u);

    ASSERT_TRUE(extractRecording(target, list.Pozice(0), list.Delka(0), dir / "jdi.tmp"));
    EXPECT_EQ(readFileBytes(dir / "jdi.tmp"), std::string(3000, 'j'));
    ASSERT_TRUE(extractRecording(target, list.Pozice(1), list.Delka(1), dir / "zluva.tmp"));
    EXPECT_EQ(readFileBytes(dir / "zluva.tmp"), "zpev");
}

TEST_F(CollectionWriter, CancelledOrFailedBuildLeavesNoFile) {
    auto target = dir / "sbirka.zvk";
    auto cancelInData = [](CollectionPhase phase, std::size_t i, std::size_t) {
        return !(phase == CollectionPhase::Data && i == 2);
    };
    EXPECT_EQ(writeCollection(target, sources, cancelInData), CollectionWriteResult::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(target));

    dir.write("sbirka.zvk", "stara kolekce");
    auto cancelAtOnce = [](CollectionPhase, std::size_t, std::size_t) { return false; };
    EXPECT_EQ(writeCollection(target, sources, cancelAtOnce), CollectionWriteResult::Cancelled);
    EXPECT_EQ(readFileBytes(target), "stara kolekce");

    std::string error;
    sources.push_back({std::string(256, 'n'), sources[0].file});
    EXPECT_EQ(writeCollection(target, sources, {}, &error), CollectionWriteResult::Failed);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readFileBytes(target), "stara kolekce");

    sources.back() = {"", sources[0].file};
    EXPECT_EQ(writeCollection(target, sources), CollectionWriteResult::Failed)
        << "an empty name would end the index early";

    sources.pop_back();
    EXPECT_EQ(writeCollection(dir / "chybi" / "x.zvk", sources, {}, &error),
              CollectionWriteResult::Failed);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 2u) << "only wave/ and the old collection remain";
}

}  // namespace
}  // namespace vek
