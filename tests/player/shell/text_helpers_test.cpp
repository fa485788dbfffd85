#include "player/shell/text_helpers.h"

#include <gtest/gtest.h>

namespace vek::player {
namespace {

TEST(DisplayNameTest, BracketsAndUnderscores) {
    EXPECT_EQ(DisplayName("kl\xED\xE8_od_dve\xF8\xED[sklep]"), "kl\xED\xE8 od dve\xF8\xED");
    EXPECT_EQ(DisplayName("star\xE1_truhla[2]"), "star\xE1 truhla");
    EXPECT_EQ(DisplayName("a]b"), "a]b");
    EXPECT_EQ(DisplayName("x[a[b]c]y"), "xy");
    EXPECT_EQ(DisplayName("open[never"), "open");
}

TEST(ShowTextLineTest, TrimsOneSpaceEachSideAndRefusesBlank) {
    EXPECT_EQ(ShowTextLine("  text "), " text");
    EXPECT_EQ(ShowTextLine("a"), "a");
    EXPECT_FALSE(ShowTextLine(""));
    EXPECT_FALSE(ShowTextLine("   "));
}

TEST(SplitSpokenTextTest, EmbeddedSoundIsCutOut) {
    SpokenText s = SplitSpokenText("Vzal jsi kl\xED\xE8 PLAY(klic);");
    EXPECT_EQ(s.text, "Vzal jsi kl\xED\xE8 ");
    EXPECT_EQ(s.sound, "klic");

    s = SplitSpokenText("a PLAY(x);  b; c");
    EXPECT_EQ(s.sound, "x");
    EXPECT_EQ(s.text, "a  b c");  // "a   b" had its first double space made single

    s = SplitSpokenText("no sound; PLAY(open");
    EXPECT_FALSE(s.sound);
    EXPECT_EQ(s.text, "no sound; PLAY(open");  // nothing cut, ";" kept
}

}  // namespace
}  // namespace vek::player
