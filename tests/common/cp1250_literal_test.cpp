#include "common/cp1250_literal.h"

#include <gtest/gtest.h>

#include <string>

#include "common/cp1250.h"

namespace vek {
namespace {

// The literal is a constant: usable where the core keeps its fixed texts.
constexpr std::string_view kConstant = "scénář"_cp;
static_assert(kConstant == "sc\xE9n\xE1\xF8");

TEST(Cp1250Literal, AgreesWithTheRunTimeConverter) {
    // Every Czech letter, both cases, and the punctuation the programs' texts use.
    const std::string utf8 = "žščřďťňůěáíéúýó ŽŠČŘĎŤŇŮĚÁÍÉÚÝÓ „text“ – … ‚x‘ € ¤ ©";
    const std::string literal = "žščřďťňůěáíéúýó ŽŠČŘĎŤŇŮĚÁÍÉÚÝÓ „text“ – … ‚x‘ € ¤ ©"_cp;
    EXPECT_EQ(utf8ToCp1250(utf8), literal);
    EXPECT_EQ(cp1250ToUtf8(literal), utf8);
    EXPECT_EQ(literal.size(), 52u);  // one byte a character
}

TEST(Cp1250Literal, KeepsEscapesAndPlainAscii) {
    EXPECT_EQ(std::string("Řádek\n\r\"a\\b\"\t"_cp),
              "\xD8\xE1"
              "dek\n\r\"a\\b\"\t");
    EXPECT_EQ(std::string("VEK2"_cp), "VEK2");
    EXPECT_EQ(std::string(""_cp), "");
}

}  // namespace
}  // namespace vek
