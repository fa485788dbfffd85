#include "common/scenario_format.h"

#include <gtest/gtest.h>

#include "common/text_file.h"
#include "tests/common/scratch_dir.h"

namespace vek {
namespace {

using enum ScrambleDirection;

std::string dataFile(const char* name) {
    return std::string(VEK_TEST_DATA) + "/common/" + name;
}

// The body of both golden scenarios, as the program holds it.
const std::vector<std::string> kGoldenBody = {
    "JMENO=Kouzeln\xE1 kuchyn\xEC",
    "START=Kuchy\xF2",
    "MAXITEMS=99",
    "INVENTORY=",
    "Kl\xED\xE8",
    "*",
    "MLUVPRED=1",
    "REPWALK=1",
    "REPTAKE=0",
    "CYKLUSINTERVAL=1,5 sec",
    "CYKLUSAKTIVNI=0",
    "NOVEOKNO=Kuchy\xF2",
    "KAM=Jsi v kuchyni. Von\xED tu \xE8"
    "erstv\xFD chl\xE9"
    "b.",
    "PRICHOD=",
    "\tJE P01=0",
    "START=nen\xED kl\xED\xE8",
    "*",
    "CESTY=",
    "Sp\xED\x9E",
    "*",
    "NOVEOKNO=Sp\xED\x9E",
    "NOVYWAV=chleb=\xC8"
    "erstv\xFD chl\xE9"
    "b(wave\\chleb.wav):5X",
    "NOVYSYSWAV=SZjdi=B\xEC\x9E(wave\\tch007.wav)",
};

std::vector<std::string> allBodyLines(ScenarioLineSource& source) {
    std::vector<std::string> lines;
    while (!source.atEnd())
        lines.push_back(source.NextScenarioLine());
    return lines;
}

TEST(ScrambleLine, RoundTripsEveryByteUnderEveryKeyPair) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    for (int k1 = 0; k1 < 256; ++k1) {
        for (int k2 = 0; k2 < 256; ++k2) {
            ScrambleKey key{static_cast<std::uint8_t>(k1), static_cast<std::uint8_t>(k2)};
            std::string s = all;
            ScrambleLine(s, key, Scramble);
            ASSERT_EQ(s.size(), all.size());
            for (int c = 0; c < 32; ++c)
                ASSERT_EQ(s[c], all[c]) << "control characters stay";
            for (std::size_t i = 32; i < s.size(); ++i)
                ASSERT_GE(static_cast<unsigned char>(s[i]), 32) << "no new control characters";
            ScrambleLine(s, key, Unscramble);
            ASSERT_EQ(s, all) << "key " << k1 << "," << k2;
        }
    }
}

TEST(ScrambleLine, FollowsTheRotationRule) {
    ScrambleKey key{1, 2};
    EXPECT_EQ(ScrambleLine("\t", key, Scramble), "\t");
    EXPECT_EQ(ScrambleLine("\t", key, Unscramble), "\t");
    EXPECT_EQ(ScrambleLine("\xFF", key, Scramble), " ");  // 255 + 1 wraps to 32
    EXPECT_EQ(ScrambleLine(" ", key, Unscramble), "\xFF");
    // Odd positions use the first key, even ones the second.
    EXPECT_EQ(ScrambleLine("AAAA", key, Scramble), "BCBC");
    EXPECT_EQ(ScrambleLine("\xFE\xFE", ScrambleKey{127, 127}, Scramble), "\x9D\x9D");
}

TEST(ScenarioFormat, HeaderDetectionAndPasswordKeys) {
    EXPECT_TRUE(isScenarioHeader(kPlainHeader));
    EXPECT_TRUE(isScenarioHeader("VEK1 cokoli"));
    EXPECT_FALSE(isScenarioHeader("vek2 sc\xE9n\xE1\xF8"));
    EXPECT_FALSE(isScenarioHeader(""));
    EXPECT_FALSE(isEncodedHeader(kPlainHeader));
    EXPECT_TRUE(isEncodedHeader(kEncodedHeader));
    EXPECT_TRUE(
        isEncodedHeader("VEK k\xF3"
                        "dovan\xFD soubor"));

    EXPECT_EQ(keyForPassword("heslo"), (ScrambleKey{27, 104}));  // 539 % 128, 'h'
    EXPECT_EQ(keyForPassword("\xDA"), (ScrambleKey{90, 90}));    // bytes count as unsigned
    EXPECT_EQ(keyForPassword(""), std::nullopt);
    EXPECT_TRUE(keyIsWritable(ScrambleKey{27, 104}));
    EXPECT_FALSE(keyIsWritable(ScrambleKey{10, 97}));
    EXPECT_FALSE(keyIsWritable(ScrambleKey{97, 13}));
}

TEST(ScenarioFormat, GoldenFilesReadLineByLine) {
    auto plain = ScenarioLineSource::open(dataFile("plain.scn"));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->header(), kPlainHeader);
    EXPECT_FALSE(plain->encoded());
    EXPECT_EQ(allBodyLines(*plain), kGoldenBody);
    EXPECT_EQ(plain->NextScenarioLine(), "") << "empty at the end of the file";

    auto encoded = ScenarioLineSource::open(dataFile("encoded.scn"));
    ASSERT_TRUE(encoded);
    EXPECT_TRUE(encoded->encoded());
    EXPECT_FALSE(encoded->keyLineDamaged());
    EXPECT_EQ(encoded->key(), (ScrambleKey{27, 104}));
    EXPECT_EQ(encoded->storedPassword(), "heslo");
    EXPECT_EQ(allBodyLines(*encoded), kGoldenBody);

    EXPECT_FALSE(ScenarioLineSource::open(dataFile("no-such-file.scn")));
}

TEST(ScenarioFormat, WriterReproducesTheGoldenFilesByteForByte) {
    ScenarioWriter plain;
    ScenarioWriter encoded("heslo");
    for (const auto& l : kGoldenBody) {
        plain.line(l);
        encoded.line(l);
    }
    EXPECT_EQ(plain.bytes(), readFileBytes(dataFile("plain.scn")));
    EXPECT_EQ(encoded.bytes(), readFileBytes(dataFile("encoded.scn")));
}

TEST(ScenarioFormat, BlocksEndAtTheStarOrAtTheEndOfTheFile) {
    ScenarioLineSource source(
        std::string(kPlainHeader) +
        "\r\nCESTY=\r\nNOVEOKNO=Sklep\r\n\r\n*\r\nPREDMETY=\r\nL\xF9\x9Eko\r\nst\xF9l");
    EXPECT_EQ(source.NextScenarioLine(), "CESTY=");
    EXPECT_EQ(source.ReadBlock(), (std::vector<std::string>{"NOVEOKNO=Sklep", ""}))
        << "a content line that looks like a key is content";
    EXPECT_EQ(source.NextScenarioLine(), "PREDMETY=");
    EXPECT_EQ(source.ReadBlock(), (std::vector<std::string>{"L\xF9\x9Eko", "st\xF9l"}));
    EXPECT_TRUE(source.atEnd());
    EXPECT_TRUE(source.ReadBlock().empty());
}

TEST(ScenarioFormat, ReaderAcceptsLoneLineFeedsAndDamagedFiles) {
    ScenarioLineSource unix(std::string(kPlainHeader) + "\nJMENO=A\r\r\nSTART=B\n");
    EXPECT_EQ(unix.header(), kPlainHeader);
    EXPECT_EQ(unix.NextScenarioLine(), "JMENO=A");
    EXPECT_EQ(unix.NextScenarioLine(), "START=B");
    EXPECT_TRUE(unix.atEnd());

    ScenarioLineSource shortKey(std::string(kEncodedHeader) + "\r\nx\r\n");
    EXPECT_TRUE(shortKey.encoded());
    EXPECT_TRUE(shortKey.keyLineDamaged());

    ScenarioLineSource empty("");
    EXPECT_EQ(empty.header(), "");
    EXPECT_TRUE(empty.atEnd());
    EXPECT_EQ(empty.NextScenarioLine(), "");

    std::string nulFile(kPlainHeader);
    nulFile += std::string("\r\nA\0B\r\n", 7);
    ScenarioLineSource withNul(nulFile);
    EXPECT_EQ(withNul.NextScenarioLine(), std::string("A\0B", 3));
}

TEST(ScenarioFormat, WriterProducesKeyLinesBlocksAndCrLf) {
    ScenarioWriter w;
    EXPECT_FALSE(w.encoded());
    w.value("JMENO=", "Hra");
    w.block("INVENTORY=", {});
    w.block("CESTY=", {"Sklep",
                       "P\xF9"
                       "da"});
    w.value("KAM=", "dva\r\n\xF8\x61\x64ky");
    EXPECT_EQ(w.bytes(), std::string(kPlainHeader) +
                             "\r\nJMENO=Hra\r\nCESTY=\r\nSklep\r\nP\xF9"
                             "da\r\n*\r\n"
                             "KAM=dva  \xF8"
                             "adky\r\n")
        << "no empty block; a line break inside a value cannot split the record";

    EXPECT_FALSE(ScenarioWriter("").encoded()) << "an empty password writes a plain file";
}

TEST(ScenarioFormat, WriterRefusesPasswordsWhoseKeyLineCouldNotBeReadBack) {
    EXPECT_THROW(ScenarioWriter("a)"), UnwritablePasswordError);    // sum 138: key 10 (LF)
    EXPECT_THROW(ScenarioWriter("a,"), UnwritablePasswordError);    // sum 141: key 13 (CR)
    EXPECT_THROW(ScenarioWriter("\x8D"), UnwritablePasswordError);  // 141 % 128 = 13
    try {
        ScenarioWriter w("a)");
    } catch (const UnwritablePasswordError& e) {
        EXPECT_NE(std::string(e.what()).find("heslo"), std::string::npos);
    }
}

TEST(ScenarioFormat, EncodedFileSavedAndReadBack) {
    testing::ScratchDir dir;
    ScenarioWriter w("tajn\xE9 heslo");
    w.value("JMENO=", "\x8Akola");
    w.block("INTROTEXT=", {"NAPIS \"Ahoj\"", "*x", "\t"});
    ASSERT_TRUE(w.save(dir / "hra.scn"));

    auto source = ScenarioLineSource::open(dir / "hra.scn");
    ASSERT_TRUE(source);
    EXPECT_EQ(source->key(), keyForPassword("tajn\xE9 heslo"));
    EXPECT_EQ(source->storedPassword(), "tajn\xE9 heslo");
    EXPECT_EQ(source->NextScenarioLine(), "JMENO=\x8Akola");
    EXPECT_EQ(source->NextScenarioLine(), "INTROTEXT=");
    EXPECT_EQ(source->ReadBlock(), (std::vector<std::string>{"NAPIS \"Ahoj\"", "*x", "\t"}));
    EXPECT_TRUE(source->atEnd());

    auto raw = readTextLines(dir / "hra.scn");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->at(1), keyLineText(*keyForPassword("tajn\xE9 heslo")));
    EXPECT_NE(raw->at(3), "JMENO=\x8Akola") << "the body is not stored readable";
}

}  // namespace
}  // namespace vek
