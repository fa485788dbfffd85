#include "player/shell/walk_keys.h"

#include <gtest/gtest.h>

#include "player/shell/shell.h"

namespace vek::player {
namespace {

TEST(WalkKeysTest, TokensOfEveryKind) {
    WalkParseError error;
    auto tokens = ParseWalkKeys(
        "# comment\r\n\r\nEnter\n!Down\nCtrl+Left\nKey \xC5\xA1\nType ab c\nTick 15\nWait\n"
        "Key 7\n",
        &error);
    ASSERT_TRUE(tokens) << error.message;
    ASSERT_EQ(tokens->size(), 8u);
    const auto& t = *tokens;
    EXPECT_EQ(t[0].keyCode, vk::Return);
    EXPECT_EQ(t[0].chars, "\r");
    EXPECT_EQ(t[0].line, 3);
    EXPECT_TRUE(t[1].immediate);
    EXPECT_EQ(t[1].keyCode, vk::Down);
    EXPECT_EQ(t[1].written, "!Down");
    EXPECT_TRUE(t[1].chars.empty());
    EXPECT_EQ(t[2].shift, ShiftCtrl);
    EXPECT_EQ(t[3].chars, "\x9A");  // š in code page 1250
    EXPECT_NE(t[3].keyCode, vk::Prior);
    EXPECT_EQ(t[4].kind, WalkToken::Kind::Type);
    EXPECT_EQ(t[4].chars, "ab c");
    EXPECT_EQ(t[5].ticks, 15);
    EXPECT_EQ(t[6].kind, WalkToken::Kind::Wait);
    EXPECT_EQ(t[7].keyCode, '7');
}

TEST(WalkKeysTest, ErrorsCarryTheLineNumber) {
    WalkParseError error;
    EXPECT_FALSE(ParseWalkKeys("Enter\nJump\n", &error));
    EXPECT_EQ(error.line, 2);
    EXPECT_FALSE(ParseWalkKeys("Key ab\n", &error));
    EXPECT_EQ(error.line, 1);
    EXPECT_FALSE(ParseWalkKeys("\nTick x\n", &error));
    EXPECT_EQ(error.line, 2);
    EXPECT_FALSE(ParseWalkKeys("Key \xE2\x82\xAC\xE2\x82\xAC\n", &error));  // two characters
    EXPECT_FALSE(ParseWalkKeys("Type \xF0\x9F\x98\x80\n", &error));         // not in code page 1250
}

TEST(WalkKeysTest, CharacterKeysNeverLookLikeNavigationKeys) {
    for (int c = 1; c < 256; ++c) {
        int code = VirtualKeyForChar(static_cast<char>(c));
        bool navigation = code >= vk::Prior && code <= vk::Down;
        EXPECT_FALSE(navigation || code == vk::F2 || code == vk::F3) << c;
    }
}

}  // namespace
}  // namespace vek::player
