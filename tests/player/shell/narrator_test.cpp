#include "player/shell/narrator.h"

#include <gtest/gtest.h>

namespace vek::player {
namespace {

using Strings = std::vector<std::string>;

TEST(Narrator, LinesAreReadSentenceBySentence) {
    EXPECT_EQ(Narrator::Sentences("Jsi ve sklep\xEC. Je tu tma! Kdo je tam? Nikdo"),
              (Strings{"Jsi ve sklep\xEC.", "Je tu tma!", "Kdo je tam?", "Nikdo"}));
    // A stop not followed by a space ends nothing; spaces around are dropped.
    EXPECT_EQ(Narrator::Sentences(" 3.14 je p\xED.  "), (Strings{"3.14 je p\xED."}));
    EXPECT_EQ(Narrator::Sentences("Konec...  A dal."), (Strings{"Konec...", "A dal."}));
    EXPECT_TRUE(Narrator::Sentences("   ").empty());
    EXPECT_TRUE(Narrator::Sentences("").empty());
}

}  // namespace
}  // namespace vek::player
