#include "common/string_list.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

// Lists below and above the size where the hash index takes over behave the same.
class StringListSizes : public ::testing::TestWithParam<std::size_t> {};

TEST_P(StringListSizes, FirstMatchWinsAndSurvivesRemovals) {
    StringList list;
    for (std::size_t i = 0; i < GetParam(); ++i)
        list.add("vypln" + std::to_string(i));
    std::size_t base = list.size();
    list.add("Kuchy\xF2");
    list.add("KUCHY\xD2");
    list.add("Sp\xED\x9E");
    EXPECT_EQ(list.indexOf("kuchy\xF2"), static_cast<int>(base));
    EXPECT_EQ(list.indexOf("SP\xCD\x8E"), static_cast<int>(base + 2));
    EXPECT_EQ(list.indexOf("nic"), -1);

    list.removeAt(base);  // the first Kuchyň goes: the second one is found now
    EXPECT_EQ(list.indexOf("kuchy\xF2"), static_cast<int>(base));
    EXPECT_EQ(list[base], "KUCHY\xD2");
    list.insert(0, "kuchy\xF2");
    EXPECT_EQ(list.indexOf("Kuchy\xF2"), 0);
    EXPECT_TRUE(list.remove("KUCHY\xD2"));
    EXPECT_EQ(list.indexOf("Kuchy\xF2"), static_cast<int>(base));
    list.set(base, "jin\xFD");
    EXPECT_EQ(list.indexOf("kuchy\xF2"), -1);
    EXPECT_EQ(list.indexOf("JIN\xDD"), static_cast<int>(base));
    list.add("Kuchy\xF2");
    EXPECT_EQ(list.indexOf("kuchy\xF2"), static_cast<int>(list.size() - 1));
    list.clear();
    EXPECT_EQ(list.indexOf("kuchy\xF2"), -1);
    list.add("a");
    EXPECT_EQ(list.indexOf("A"), 0);
}

TEST_P(StringListSizes, NamedListOwnsItsObjectsAndFindsTheFirst) {
    NamedList<int> list;
    for (std::size_t i = 0; i < GetParam(); ++i)
        list.add("n" + std::to_string(i), std::make_unique<int>(-1));
    list.add("Kl\xED\xE8", std::make_unique<int>(1));
    list.add("KL\xCD\xC8", std::make_unique<int>(2));
    EXPECT_EQ(*list.find("kl\xED\xE8"), 1);
    EXPECT_TRUE(list.remove("kl\xED\xE8"));
    EXPECT_EQ(*list.find("kl\xED\xE8"), 2);
    list.removeIf([](const int* v) { return *v == 2; });
    EXPECT_EQ(list.find("kl\xED\xE8"), nullptr);
    EXPECT_EQ(list.size(), GetParam());
    list.add("klic", std::make_unique<int>(3));
    EXPECT_EQ(list.indexOf("KLIC"), static_cast<int>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(ShortAndIndexed, StringListSizes,
                         ::testing::Values(std::size_t{0}, std::size_t{100}));

}  // namespace
}  // namespace vek
