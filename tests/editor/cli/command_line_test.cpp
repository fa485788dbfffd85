#include "editor/cli/command_line.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

#include <gtest/gtest.h>

#include "common/text_file.h"
#include "editor/document/cz.h"
#include "editor/document/scenario_io.h"
#include "tests/editor/document/set_up.h"

namespace vek::editor {
namespace {

using test::Writable;

struct Outcome {
    std::optional<int> code;
    std::string out, err;
};

Outcome run(std::vector<std::string> args) {
    std::ostringstream out, err;
    Outcome r;
    r.code = RunCommandLine(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

struct CommandLineFixture : ::testing::Test {
    std::filesystem::path dir;
    std::string plain, encoded;

    void SetUp() override {
        dir = test::tempDir("cli");
        plain = (dir / "hra.scn").string();
        encoded = (dir / "tajna.scn").string();
        EditorDocument doc;
        doc.CreateStartupScenario();
        ASSERT_TRUE(SaveScenario(doc, plain).ok);
        Writable(doc.Settings()).Encode = true;
        Writable(doc.Settings()).Password = test::C("heslíčko");
        ASSERT_TRUE(SaveScenario(doc, encoded).ok);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string out(const char* name) { return (dir / name).string(); }
};

TEST_F(CommandLineFixture, ExportsTextAsTheEditorDoes) {
    Outcome r = run({"--export-text", plain, out("hra.txt")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(readFileBytes(out("hra.txt")), readFileBytes(std::filesystem::path(VEK_TEST_DATA) /
                                                           "editor" / "startup_export.txt"));
    r = run({"--export-text", encoded, out("t.txt"), "--password", "heslíčko"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(readFileBytes(out("t.txt")), readFileBytes(out("hra.txt")));
}

TEST_F(CommandLineFixture, RefusesEncodedFilesWithoutTheRightPassword) {
    Outcome r = run({"--export-text", encoded, out("x.txt")});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Soubor je kódovaný"), std::string::npos);
    r = run({"--convert", encoded, out("x.scn"), "--password", "spatne"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Zadané heslo neodpovídá!"), std::string::npos);
    std::ofstream(out("bad.scn")) << "nic\r\n";
    r = run({"--convert", out("bad.scn"), out("x.scn")});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Nesprávná hlavička souboru!"), std::string::npos);
    r = run({"--convert", out("chybi.scn"), out("x.scn")});
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(std::filesystem::exists(out("x.scn")));
}

TEST_F(CommandLineFixture, ConvertsKeepingOrChangingTheEncoding) {
    // As it was: identical bytes.
    EXPECT_EQ(run({"--convert", plain, out("a.scn")}).code, 0);
    EXPECT_EQ(readFileBytes(out("a.scn")), readFileBytes(plain));
    EXPECT_EQ(run({"--convert", encoded, out("b.scn"), "--password", "heslíčko"}).code, 0);
    EXPECT_EQ(readFileBytes(out("b.scn")), readFileBytes(encoded));
    // Plain, then encoded with a new password.
    EXPECT_EQ(run({"--convert", encoded, out("c.scn"), "--password", "heslíčko", "--plain"}).code,
              0);
    EXPECT_EQ(readFileBytes(out("c.scn")), readFileBytes(plain));
    EXPECT_EQ(run({"--convert", plain, out("d.scn"), "--encode", "nove"}).code, 0);
    EXPECT_EQ(run({"--export-text", out("d.scn"), out("d.txt")}).code, 1);
    EXPECT_EQ(run({"--export-text", out("d.scn"), out("d.txt"), "--password", "nove"}).code, 0);
    // Writing into a directory that does not exist fails.
    EXPECT_EQ(run({"--convert", plain, out("no/such/dir.scn")}).code, 1);
}

TEST(CommandLine, UsageVersionAndTheWindow) {
    Outcome r = run({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("--export-text"), std::string::npos);
    r = run({"--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.starts_with("Mirela2 "));
    EXPECT_EQ(run({}).code, std::nullopt);
    EXPECT_EQ(run({"hra.scn"}).code, std::nullopt);
    EXPECT_EQ(run({"--bogus"}).code, 1);
    EXPECT_EQ(run({"--convert", "a.scn"}).code, 1);
    EXPECT_EQ(run({"--convert", "a", "b", "--encode", "x", "--plain"}).code, 1);
    EXPECT_EQ(run({"--export-text", "a", "b", "--password"}).code, 1);
    r = run({"--convert", "a", "b", "--encode", "€€ 漢"});
    EXPECT_EQ(r.code, 1);  // a password the code page cannot hold
}

TEST(CommandLine, TheProgramExitsWithTheContractedCodes) {
    std::string program = MIRELA2_PATH;
    EXPECT_EQ(std::system((program + " --version > /dev/null").c_str()), 0);
    EXPECT_EQ(WEXITSTATUS(std::system((program + " --bogus > /dev/null 2>&1").c_str())), 1);
#ifdef MIRELA_HAVE_WINDOW
    // Without a window-less mode the editor's window opens and stays until it is closed.
    std::string window = "QT_QPA_PLATFORM=offscreen timeout 3 " + program + " > /dev/null 2>&1";
    EXPECT_EQ(WEXITSTATUS(std::system(window.c_str())), 124);
#endif
}

}  // namespace
}  // namespace vek::editor
