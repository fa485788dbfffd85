#include "player/shell/position_file.h"

#include <gtest/gtest.h>

namespace vek::player {
namespace {

TEST(PositionFileTest, LinesRoundTripScrambledWithTheFixedKey) {
    PositionWriter writer;
    writer.WriteLine("borvatin.scn verze 3.3");
    writer.WriteList(StringList{"kuchy\xF2", "sklep"});
    writer.WriteLine("");
    const std::string& bytes = writer.bytes();
    EXPECT_EQ(bytes.find("verze"), std::string::npos);  // nothing stored in the clear
    EXPECT_EQ(bytes.substr(0, 2), ScrambleLine("bo", kPositionKey, ScrambleDirection::Scramble));

    PositionReader reader(bytes);
    EXPECT_EQ(reader.ReadLine(), "borvatin.scn verze 3.3");
    StringList list{"old"};
    reader.ReadList(list);
    EXPECT_EQ(list, (StringList{"kuchy\xF2", "sklep"}));
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_FALSE(reader.LoadError());
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_TRUE(reader.LoadError());
}

TEST(PositionFileTest, ListCutByTheEndOfTheFileKeepsWhatWasRead) {
    PositionWriter writer;
    writer.WriteLine("a");
    PositionReader reader(writer.bytes());
    StringList list;
    reader.ReadList(list);
    EXPECT_EQ(list, StringList{"a"});
    EXPECT_FALSE(reader.LoadError());
}

TEST(PositionFileTest, SlotFileNames) {
    EXPECT_EQ(PositionFileName(0), "Pozice0.sav");
    EXPECT_EQ(PositionFileName(9), "Pozice9.sav");
    EXPECT_EQ(PositionFileName(kAutosaveSlot), "autosave.sav");
}

}  // namespace
}  // namespace vek::player
