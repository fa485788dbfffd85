// A scenario built with the editor's own operations, saved encoded by the editor, read by the
// player's loader and played through to a win by VEK2 --walk.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/text_file.h"
#include "editor/document/document.h"
#include "editor/document/scenario_io.h"
#include "editor/document/sound_lines.h"
#include "player/script/scenario_sounds.h"
#include "player/world/loader.h"
#include "tests/editor/document/cz.h"
#include "tests/editor/document/set_up.h"

namespace {

using vek::editor::EditorDocument;
using vek::editor::EntityKind;
using vek::editor::EntryList;
using vek::editor::Field;
using vek::editor::test::C;
using vek::editor::test::Writable;

// A short silent wave (8-bit mono), enough for the player to register and play a recording.
std::string silentWave() {
    const std::uint32_t frames = 800;
    std::string out = "RIFF";
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put(36 + frames, 4);
    out += "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(8000, 4);
    put(8000, 4);
    put(1, 2);
    put(8, 2);
    out += "data";
    put(frames, 4);
    out.append(frames, static_cast<char>(0x80));
    return out;
}

// The editor's sound dialog, OK on a new sound.
void addSound(EditorDocument& doc, const std::string& id, const std::string& text,
              const std::string& file) {
    vek::editor::SoundNameCounter counter;
    vek::editor::SoundFields fields = vek::editor::NewSoundFields(counter);
    fields.id = id;
    fields.text = text;
    fields.file = file;
    vek::editor::ApplySoundDialog(doc, vek::editor::SoundDialogMode::New, fields, {}, counter);
}

// A hall with a locked chest and a cellar with its key: take the key, open the chest, win.
EditorDocument buildTreasureHunt() {
    EditorDocument doc;
    doc.ClearDocument();
    Writable(doc.Settings()).ScenarioName = C("Truhla v síni");
    Writable(doc.Settings()).IntroText.assign({C("Hledáš poklad.")});
    Writable(doc.Settings()).WinText.assign({C("Vyhrál jsi!")});
    Writable(doc.Settings()).Encode = true;
    Writable(doc.Settings()).Password = "heslo";

    addSound(doc, "w_sin", C("síň"), "zvuky\\sin.wav");
    addSound(doc, "w_sklep", "sklep", "zvuky\\sklep.wav");
    addSound(doc, "i_klic", C("klíč"), "zvuky\\klic.wav");

    doc.NewWindow();
    doc.Rename(EntityKind::Window, "sin");
    Writable(doc.ShownWindow())->Kam = C("do síně");
    EXPECT_TRUE(doc.SetField(Field::WindowSound, "w_sin"));
    Writable(doc.ShownWindow())->ArrivalScript.assign({C("Jsi v síni.")});
    doc.NewWindow();
    doc.Rename(EntityKind::Window, "sklep");
    Writable(doc.ShownWindow())->Kam = "do sklepa";
    EXPECT_TRUE(doc.SetField(Field::WindowSound, "w_sklep"));
    Writable(doc.ShownWindow())->ArrivalScript.assign({C("Ve sklepě je vlhko.")});

    doc.NewItem();
    doc.Rename(EntityKind::Item, "klic");
    Writable(doc.ShownItem())->Co = C("klíč");
    Writable(doc.ShownItem())->CanTake = true;
    Writable(doc.ShownItem())->UseOn = true;
    EXPECT_TRUE(doc.SetField(Field::ItemSound, "i_klic"));
    Writable(doc.ShownItem())->UseScript.assign({C("[%1=truhla]Odemkl jsi truhlu. WIN;")});
    doc.NewItem();
    doc.Rename(EntityKind::Item, "truhla");
    Writable(doc.ShownItem())->Co = "truhlu";
    Writable(doc.ShownItem())->ExamineScript.assign({C("Truhla je zamčená.")});

    doc.Show(doc.Windows().find("sin"));
    EXPECT_TRUE(doc.AddEntry(EntryList::Paths, "sklep").done);
    EXPECT_TRUE(doc.AddEntry(EntryList::Items, "truhla").done);
    doc.Show(doc.Windows().find("sklep"));
    EXPECT_TRUE(doc.AddEntry(EntryList::Paths, "sin").done);
    EXPECT_TRUE(doc.AddEntry(EntryList::Items, "klic").done);
    Writable(doc.Settings()).StartWindow = "sin";
    return doc;
}

class QuietHost : public vek::player::WorldHost {
  public:
    void ShowError(const std::string& caption, const std::string& text) override {
        errors.push_back(caption + ": " + text);
    }
    std::vector<std::string> errors;
};

TEST(EditorToPlayer, ScenarioBuiltAndSavedByTheEditorIsPlayedToAWin) {
    auto dir = vek::editor::test::tempDir("editor_to_player");
    EditorDocument doc = buildTreasureHunt();
    vek::editor::SaveResult save = vek::editor::SaveScenario(doc, dir / "truhla.scn");
    ASSERT_TRUE(save.ok) << save.message;
    auto saved = vek::readFileBytes(dir / "truhla.scn");
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->find("NOVEOKNO="), std::string::npos);  // encoded: nothing readable
    std::filesystem::create_directories(dir / "zvuky");
    for (const char* wave : {"sin", "sklep", "klic"})
        ASSERT_TRUE(
            vek::writeFileAtomically(dir / "zvuky" / (std::string(wave) + ".wav"), silentWave()));

    // The player's loader reads the editor's encoded file whole.
    vek::SoundBasePaths paths{dir.string() + "/", ""};
    vek::TSeznamZvuku sounds(paths);
    vek::SystemTexts texts;
    vek::player::PlayerScenarioSounds scenarioSounds(sounds, texts);
    QuietHost host;
    vek::player::GameState world;
    ASSERT_TRUE(
        vek::player::LoadWorld((dir / "truhla.scn").string(), world, {host, &scenarioSounds}));
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(world.ScenSett.ScenarioName, C("Truhla v síni"));
    ASSERT_NE(world.CurrentWindow, nullptr);
    EXPECT_EQ(world.CurrentWindow->Name, "sin");
    ASSERT_NE(world.ItemList.Najdi("klic"), nullptr);
    EXPECT_TRUE(world.ItemList.Najdi("klic")->UseOn);
    EXPECT_EQ(world.WindowList.Najdi("sklep")->Items, vek::StringList({"klic"}));
    EXPECT_NE(sounds.Najdi("i_klic"), nullptr);

    // Played by the player itself, as a blind player would with the keyboard.
    std::ofstream(dir / "keys.txt") << "Down\nEnter\nEnter\n"               // new game, intro
                                    << "Key j\nDown\nEnter\n"               // to the cellar
                                    << "Key v\nDown\nEnter\n"               // take the key
                                    << "Key j\nDown\nEnter\n"               // back to the hall
                                    << "Key u\nEnter\nDown\nDown\nEnter\n"  // key on chest
                                    << "Enter\n";                           // after the win
    std::string command =
        "cd '" + dir.string() + "' && '" VEK2_PATH "' --walk keys.txt truhla.scn > transcript.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    auto transcript = vek::readFileBytes(dir / "transcript.txt");
    ASSERT_TRUE(transcript);
    auto at = [&](const std::string& utf8Line) { return transcript->find(utf8Line + "\n"); };
    std::size_t took = at("text: Vzal jsi klíč");
    std::size_t opened = at("text: Odemkl jsi truhlu.");
    std::size_t won = at("text: Vyhrál jsi!");
    ASSERT_NE(took, std::string::npos) << *transcript;
    ASSERT_NE(opened, std::string::npos) << *transcript;
    ASSERT_NE(won, std::string::npos) << *transcript;
    EXPECT_LT(took, opened);
    EXPECT_LT(opened, won);
    // The game is over: the system menu without "Zpět do hry" follows the win.
    EXPECT_GT(transcript->rfind("list SystemMenu -: Nová hra | Načti | Nastavení"), won)
        << *transcript;
    std::filesystem::remove_all(dir);
}

}  // namespace
