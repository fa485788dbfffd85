#include "common/cp1250.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace vek {
namespace {

// The system's own converter is an independent reference for the whole code page.
std::optional<std::string> iconvToUtf8(std::string in) {
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out(in.size() * 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    size_t srcLeft = in.size();
    size_t dstLeft = out.size();
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - dstLeft);
    return out;
}

TEST(Cp1250, EveryAssignedByteMatchesTheSystemConverterAndRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        std::string byte(1, static_cast<char>(b));
        auto reference = iconvToUtf8(byte);
        std::string utf8 = cp1250ToUtf8(byte);
        if (!reference) {  // unassigned in the code page
            EXPECT_EQ(utf8, "\xEF\xBF\xBD") << b;
            continue;
        }
        EXPECT_EQ(utf8, *reference) << "byte " << b;
        auto back = utf8ToCp1250(utf8);
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, byte);
    }
}

TEST(Cp1250, CzechSentenceConvertsBothWays) {
    const std::string cp = "P\xF8\xED\xDEli\x9A \x9Elu\x9Do\xE8k\xFD k\xF9\xF2";
    const std::string utf8 =
        "P\xC5\x99\xC3\xAD\xC5\xA2li\xC5\xA1 \xC5\xBElu\xC5\xA5o\xC4\x8Dk"
        "\xC3\xBD k\xC5\xAF\xC5\x88";
    EXPECT_EQ(cp1250ToUtf8(cp), utf8);
    EXPECT_EQ(utf8ToCp1250(utf8), cp);
}

TEST(Cp1250, UnmappableAndMalformedInputIsReportedNotReplaced) {
    EncodingError error;
    // "a" then U+4E2D (a CJK character) at byte offset 1.
    EXPECT_FALSE(utf8ToCp1250("a\xE4\xB8\xAD", &error).has_value());
    EXPECT_EQ(error.offset, 1u);
    EXPECT_EQ(error.codePoint, U'\x4E2D');
    EXPECT_NE(error.message().find("U+4E2D"), std::string::npos);

    EXPECT_FALSE(utf8ToCp1250("ab\xC3", &error).has_value());  // truncated sequence
    EXPECT_EQ(error.offset, 2u);
    EXPECT_FALSE(utf8ToCp1250("\xC0\xAF").has_value());      // overlong "/"
    EXPECT_FALSE(utf8ToCp1250("\xED\xA0\x80").has_value());  // surrogate
    EXPECT_FALSE(utf8ToCp1250("\xEF\xBF\xBD").has_value());  // U+FFFD is not in the code page
    EXPECT_EQ(utf8ToCp1250(""), std::string());
}

TEST(Cp1250, CzechCaseMapping) {
    const std::string lower = "\xE1\xE8\xEF\xE9\xEC\xED\xF2\xF3\xF8\x9A\x9D\xFA\xF9\xFD\x9E";
    const std::string upper = "\xC1\xC8\xCF\xC9\xCC\xCD\xD2\xD3\xD8\x8A\x8D\xDA\xD9\xDD\x8E";
    EXPECT_EQ(cpUpper(lower), upper);
    EXPECT_EQ(cpLower(upper), lower);
    EXPECT_EQ(cpUpper("abc XYZ 123"), "ABC XYZ 123");
    // Signs without a case partner stay: multiplication and division sign, sharp s, dot above.
    for (char c : {'\xD7', '\xF7', '\xDF', '\xFF', '\xB5'}) {
        EXPECT_EQ(cpUpper(c), c);
        EXPECT_EQ(cpLower(c), c);
    }
}

TEST(Cp1250, SameTextIgnoresCzechCaseButAsciiComparisonDoesNot) {
    EXPECT_TRUE(sameText("Kuchy\xF2", "KUCHY\xD2"));
    EXPECT_TRUE(sameText("\x9Eluva", "\x8ELUVA"));
    EXPECT_FALSE(sameText("Kuchyn", "Kuchy\xF2"));
    EXPECT_FALSE(sameText("abc", "abcd"));

    EXPECT_TRUE(sameTextAscii("ahoj", "AHOJ"));
    EXPECT_FALSE(sameTextAscii("sv\xECte", "SV\xCCTE"));
    EXPECT_TRUE(startsWithAscii("Je tu klic", "JE "));
    EXPECT_FALSE(startsWithAscii("Je", "JE "));
    EXPECT_EQ(asciiUpper("p\xF8\xEDli \x9A"), "P\xF8\xEDLI \x9A");
}

}  // namespace
}  // namespace vek
