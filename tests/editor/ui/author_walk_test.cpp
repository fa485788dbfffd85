// An author builds a small game in the window with the keyboard alone, saves it, and the player
// plays the saved file.
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <cstdio>
#include <fstream>

#include "common/text_file.h"
#include "tests/editor/ui/window_fixture.h"

namespace vek::editor::test {
namespace {

std::string runPlayer(const std::filesystem::path& dir, const std::string& keys,
                      const std::filesystem::path& scenario) {
    writeFileAtomically(dir / "keys.txt", keys);
    std::string command = "cd '" + dir.string() + "' && '" VEK2_PATH "' --walk keys.txt '" +
                          scenario.string() + "' 2>&1";
    std::string transcript;
    if (FILE* out = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = fread(buffer, 1, sizeof buffer, out))
            transcript.append(buffer, n);
        pclose(out);
    }
    return transcript;
}

using AuthorWalkTest = WindowTest;

TEST_F(AuthorWalkTest, BuildSaveAndPlayAGameByKeysAlone) {
    // A new window, named by its selector's Enter.
    QWidget* focus = named<QComboBox>(form, "CisloOknaBox");
    focus->setFocus();
    auto key = [&](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(k), m);
    };
    key(Qt::Key_Insert);
    prompts.names = {std::string("Sklep")};
    key(Qt::Key_Return);
    ASSERT_EQ(doc.ShownWindow()->Name, "Sklep");

    // Its arrival script: three Tabs from the selector and one more to "Při příchodu:".
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), named<QPlainTextEdit>(form, "PrichEdit"));
    QTest::keyClicks(named<QPlainTextEdit>(form, "PrichEdit"), "Je tu tma.");

    // A path back, and the chair brought in.
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), named<QListWidget>(form, "SeznamCestList"));
    prompts.choices = {C("Začátek_dobrodružství"), C("Židle")};
    key(Qt::Key_Insert);
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), named<QListWidget>(form, "SeznamPredmetuList"));
    key(Qt::Key_Insert);

    // To the start window with Ctrl+Down, and a path from there to the cellar.
    key(Qt::Key_Down, Qt::ControlModifier);
    ASSERT_EQ(doc.ShownWindow()->Name, C("Začátek_dobrodružství"));
    key(Qt::Key_Tab, Qt::ShiftModifier);  // from the item list back to the paths
    ASSERT_EQ(QApplication::focusWidget(), named<QListWidget>(form, "SeznamCestList"));
    prompts.choices = {std::string("Sklep")};
    key(Qt::Key_Insert);

    // A sound on the sounds page.
    key(Qt::Key_Tab, Qt::ControlModifier);
    key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(named<QTabWidget>(form, "PageControl")->currentIndex(), Mirela2_form::ZvukyPage);
    named<QListWidget>(form, "ZvukyListBox")->setFocus();
    SoundFields sound;
    sound.id = "tma";
    sound.text = "Je tu tma";
    sound.file = "wave\\tma.wav";
    prompts.sounds = {sound};
    key(Qt::Key_Insert);
    ASSERT_EQ(doc.UserSounds().size(), 1u);

    // Saved with Ctrl+S: the file has no name yet, so the save dialog asks for one.
    std::filesystem::path saved = cwd.dir.path() / "hra.scn";
    files.saves = {FileDialogs::SaveChoice{saved.string(), FileDialogs::SaveType::Scenario}};
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_FALSE(doc.Modified());

    // The player: a new game, past the intro, "Jdi", the cellar.
    std::string transcript =
        runPlayer(cwd.dir.path(), "Down\nEnter\nEnter\nDown\nDown\nEnter\nDown\nEnter\n", saved);
    EXPECT_NE(transcript.find("list GoList -: Sklep"), std::string::npos) << transcript;
    EXPECT_NE(transcript.find("text: Je tu tma."), std::string::npos) << transcript;
}

}  // namespace
}  // namespace vek::editor::test
