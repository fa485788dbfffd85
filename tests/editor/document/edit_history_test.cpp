#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/document/collection_builder.h"
#include "editor/document/cz.h"
#include "editor/document/document.h"
#include "editor/document/scenario_io.h"
#include "editor/document/search.h"
#include "editor/document/sound_lines.h"

namespace vek::editor {
namespace {

using test::C;

class NoView : public SearchView {
  public:
    bool ShowHit(const SearchHit&) override { return false; }
};

// A scenario with something in every list, read from its file so that the history is empty.
void loadRichScenario(EditorDocument& doc) {
    doc.CreateStartupScenario();
    for (const char* name : {"Sklep", "Les", "Hora"}) {
        doc.NewWindow();
        doc.Rename(EntityKind::Window, name);
        doc.SetField(Field::LookScript, std::string("Jsi v ") + name + "\r\nklic a klic");
    }
    doc.ShowNamed(EntityKind::Window, "Les");
    doc.AddEntry(EntryList::Paths, "Sklep");
    doc.AddEntry(EntryList::Paths, "Hora");
    doc.AddEntry(EntryList::Items, C("Židle"));
    doc.ShowNamed(EntityKind::Window, "Hora");
    doc.AddEntry(EntryList::Paths, "Les");
    doc.AddEntry(EntryList::Paths, "Sklep");
    doc.SetField(Field::StartWindow, "Sklep");
    doc.SetFieldFlag(Field::CanTake, true);
    doc.AddEntry(EntryList::Inventory, C("Židle"));
    doc.NewMenu();
    doc.AddEntry(EntryList::MenuEntries, "Jdi[SZjdi]");
    doc.NewMenuItem();
    doc.SetField(Field::FunctionScript, "klic");
    doc.ChangeUserSounds({}, {"a=A(wave\\a.wav)", "b=B(wave\\b.wav)", "c=C(wave\\c.wav)"});
    StringList system = doc.SystemSounds();
    system.set(0, system[0] + "X");
    doc.SetSystemSounds(system);
    doc.ShowNamed(EntityKind::Menu, C("(hlavní)"));
    doc.RemoveEntry(EntryList::MenuEntries, 2);
    ASSERT_TRUE(ReadScenario(doc, ScenarioBytes(doc), {}).ok());
    ASSERT_FALSE(doc.CanUndo());
}

struct Operation {
    const char* name;
    std::function<void(EditorDocument&)> run;
};

std::vector<Operation> everyOperation() {
    auto replace = [](bool all) {
        return [all](EditorDocument& doc) {
            NoView view;
            TReplaceForm search(doc, view);
            if (all)
                search.ReplaceAll("klic", "dvere");
            else if (search.FindFirst("klic", "dvere"))
                search.ReplaceOne("klic", "dvere");
        };
    };
    return {
        {"text field", [](EditorDocument& d) { d.SetField(Field::Kam, "do lesa"); }},
        {"script", [](EditorDocument& d) { d.SetField(Field::LookScript, "a\r\nb"); }},
        {"flag", [](EditorDocument& d) { d.SetFieldFlag(Field::UseOn, true); }},
        {"setting", [](EditorDocument& d) { d.SetField(Field::ScenarioName, "Jiny"); }},
        {"new window", [](EditorDocument& d) { d.NewWindow(); }},
        {"new item", [](EditorDocument& d) { d.NewItem(); }},
        {"new menu", [](EditorDocument& d) { d.NewMenu(); }},
        {"new menu item", [](EditorDocument& d) { d.NewMenuItem(); }},
        {"rename window",
         [](EditorDocument& d) {
             d.ShowNamed(EntityKind::Window, "Sklep");
             d.Rename(EntityKind::Window, "Sklepeni");
         }},
        {"rename item", [](EditorDocument& d) { d.Rename(EntityKind::Item, "Stolicka"); }},
        {"rename menu item", [](EditorDocument& d) { d.Rename(EntityKind::MenuItem, "Volba"); }},
        {"delete window",
         [](EditorDocument& d) {
             d.ShowNamed(EntityKind::Window, "Sklep");
             d.DeleteShownWindow();
         }},
        {"delete item", [](EditorDocument& d) { d.DeleteShownItem(); }},
        {"delete menu",
         [](EditorDocument& d) {
             d.ShowNamed(EntityKind::Menu, C("Nová_nabídka[1]"));
             d.DeleteShownMenu();
         }},
        {"delete menu item", [](EditorDocument& d) { d.DeleteShownMenuItem(); }},
        {"add path",
         [](EditorDocument& d) { d.AddEntry(EntryList::Paths, C("Začátek_dobrodružství")); }},
        {"remove path",
         [](EditorDocument& d) {
             d.ShowNamed(EntityKind::Window, "Hora");
             d.RemoveEntry(EntryList::Paths, 0);
         }},
        {"move path",
         [](EditorDocument& d) {
             d.ShowNamed(EntityKind::Window, "Hora");
             d.MoveEntry(EntryList::Paths, 0, +1);
         }},
        {"inventory", [](EditorDocument& d) { d.RemoveEntry(EntryList::Inventory, 0); }},
        {"menu entries", [](EditorDocument& d) { d.RemoveEntry(EntryList::MenuEntries, 0); }},
        {"add sound", [](EditorDocument& d) { d.ChangeUserSounds({}, {"0=N(n.wav)"}); }},
        {"delete sounds",
         [](EditorDocument& d) {
             d.DeleteUserSounds({0, 2});
         }},
        {"change several sounds",
         [](EditorDocument& d) {
             SoundNameCounter counter;
             SoundFields fields = SeveralSoundsFields();
             fields.text = "Z";
             ApplySoundDialog(d, SoundDialogMode::ChangeSeveral, fields, {0, 2}, counter);
         }},
        {"system sound",
         [](EditorDocument& d) {
             StringList system = d.SystemSounds();
             system.set(3, "SZjdi=Jinak(wave\\j.wav)");
             d.SetSystemSounds(system);
         }},
        {"reset system sounds", [](EditorDocument& d) { d.ResetSystemSounds(); }},
        {"reset main menu", [](EditorDocument& d) { d.ResetMainMenu(); }},
        {"settings", [](EditorDocument& d) { d.SetSettings(ScenarioSettings{}); }},
        {"collection",
         [](EditorDocument& d) {
             ReplaceWithCollectionPointers(d, {"b", "SZjdi"}, "k.zvk", ".");
         }},
        {"replace one", replace(false)},
        {"replace all", replace(true)},
        {"purge unnamed",
         [](EditorDocument& d) {
             d.Rename(EntityKind::Window, "");
             d.PurgeUnnamed();
         }},
    };
}

// Each operation, and the last of every pair run after each other, is one step: undone, the
// file is as before byte for byte; redone, as after.
TEST(EditHistory, EveryOperationUndoesAndRedoesToTheSameFile) {
    for (const Operation& op : everyOperation()) {
        SCOPED_TRACE(op.name);
        EditorDocument doc;
        loadRichScenario(doc);
        std::string before = ScenarioBytes(doc);
        op.run(doc);
        std::string after = ScenarioBytes(doc);
        ASSERT_NE(before, after);
        ASSERT_TRUE(doc.CanUndo());
        EXPECT_FALSE(doc.UndoLabel().empty());
        while (doc.CanUndo())
            doc.Undo();
        EXPECT_EQ(ScenarioBytes(doc), before);
        EXPECT_FALSE(doc.Modified());
        while (doc.CanRedo())
            doc.Redo();
        EXPECT_EQ(ScenarioBytes(doc), after);
        EXPECT_TRUE(doc.Modified());
    }
}

TEST(EditHistory, UndoOfADeletionBringsBackTheSameWindowAndEveryReferenceInItsPlace) {
    EditorDocument doc;
    loadRichScenario(doc);
    ASSERT_TRUE(doc.ShowNamed(EntityKind::Window, "Sklep"));
    const TOkna* sklep = doc.ShownWindow();
    const TOkna* hora = doc.Windows().find("Hora");
    std::vector<std::string> horaPaths = hora->Paths.items();  // "Les", "Sklep"
    std::vector<DocumentChange> heard;
    DocumentSubscription listening(doc, [&](const DocumentChange& c) { heard.push_back(c); });
    doc.DeleteShownWindow();
    EXPECT_EQ(doc.UndoLabel(), "smazání okna Sklep"_cp);
    EXPECT_EQ(hora->Paths.items(), std::vector<std::string>{"Les"});
    doc.ShowNamed(EntityKind::Window, "Les");

    heard.clear();
    HistoryMove undone = doc.Undo();
    EXPECT_EQ(undone.label, "smazání okna Sklep"_cp);
    EXPECT_EQ(undone.place.entity, EntityKind::Window);
    EXPECT_EQ(undone.place.object, sklep);
    EXPECT_EQ(doc.Windows().find("Sklep"), sklep);  // the very object: pointers stay good
    EXPECT_EQ(doc.ShownWindow(), sklep);
    EXPECT_EQ(hora->Paths.items(), horaPaths);
    EXPECT_EQ(doc.Windows().find("Les")->Paths.items(),
              (std::vector<std::string>{"Sklep", "Hora"}));
    auto told = [&](ChangeKind kind, const void* object) {
        for (const auto& c : heard)
            if (c.kind == kind && c.object == object)
                return true;
        return false;
    };
    EXPECT_TRUE(told(ChangeKind::EntityAdded, sklep));
    EXPECT_TRUE(told(ChangeKind::EntriesChanged, hora));
    EXPECT_TRUE(told(ChangeKind::CurrentChanged, sklep));

    // Redone, the window goes again and its place is not offered for the focus.
    HistoryMove redone = doc.Redo();
    EXPECT_EQ(redone.place.object, nullptr);
    EXPECT_EQ(doc.Windows().find("Sklep"), nullptr);
    EXPECT_NE(doc.ShownWindow(), nullptr);
}

TEST(EditHistory, RenameUndoneRestoresTheNameItsPlaceInTheListAndTheReferences) {
    EditorDocument doc;
    loadRichScenario(doc);
    doc.ShowNamed(EntityKind::Window, "Sklep");
    const TOkna* sklep = doc.ShownWindow();
    std::vector<std::string> names = doc.Windows().names();
    doc.Rename(EntityKind::Window, "Zahrada");
    EXPECT_EQ(doc.Settings().StartWindow, "Zahrada");
    HistoryMove undone = doc.Undo();
    EXPECT_EQ(undone.label, "přejmenování okna Sklep"_cp);
    EXPECT_EQ(doc.Windows().names(), names);
    EXPECT_EQ(doc.Windows().find("sklep"), sklep);
    EXPECT_EQ(doc.Settings().StartWindow, "Sklep");
    EXPECT_EQ(doc.Windows().find("Hora")->Paths.items(),
              (std::vector<std::string>{"Les", "Sklep"}));
}

TEST(EditHistory, UndoingAFieldEditShowsItsEntityAndNamesTheField) {
    EditorDocument doc;
    loadRichScenario(doc);
    doc.ShowNamed(EntityKind::Window, "Les");
    const TOkna* les = doc.ShownWindow();
    doc.SetField(Field::ArrivalScript, "prichod");
    doc.ShowNamed(EntityKind::Window, "Hora");
    HistoryMove undone = doc.Undo();
    EXPECT_EQ(undone.label, "úprava textu Při příchodu"_cp);
    EXPECT_EQ(undone.place.field, Field::ArrivalScript);
    EXPECT_EQ(doc.ShownWindow(), les);
    EXPECT_EQ(doc.RedoLabel(), "úprava textu Při příchodu"_cp);
    EXPECT_FALSE(doc.CanUndo());
}

TEST(EditHistory, ModifiedFollowsTheSavedState) {
    EditorDocument doc;
    loadRichScenario(doc);
    doc.SetField(Field::Kam, "a");
    doc.EndTyping();
    doc.SetField(Field::Kam, "b");
    doc.SetModified(false);  // saved here
    doc.Undo();
    EXPECT_TRUE(doc.Modified());
    doc.Undo();
    EXPECT_TRUE(doc.Modified());
    doc.Redo();
    doc.Redo();
    EXPECT_FALSE(doc.Modified());
    // A new edit after an undo drops the steps that could have been redone.
    doc.Undo();
    doc.SetFieldFlag(Field::CanTake, false);
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_TRUE(doc.Modified());
    // New and loading start a history of their own.
    doc.ClearDocument();
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.Modified());
    // The properties dialog's correction of the start window is a step that keeps a saved
    // document saved.
    doc.NewWindow();
    doc.SetModified(false);
    doc.EnsureStartWindow();
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.UndoLabel(), "úprava pole Začít na pozici"_cp);
    // A recovered copy stays modified whatever is undone.
    doc.NewWindow();
    doc.SetModified(true);
    doc.Undo();
    EXPECT_TRUE(doc.Modified());
}

TEST(EditHistory, TypingIntoOneFieldIsOneStepUntilTheAuthorMovesOn) {
    EditorDocument doc;
    loadRichScenario(doc);
    doc.ShowNamed(EntityKind::Window, "Les");
    std::string original = doc.FieldText(Field::LookScript);
    for (const char* text : {"J", "Je", "Jed"})
        doc.SetField(Field::LookScript, text);
    EXPECT_EQ(doc.History().undoCount(), 1u);
    doc.SetField(Field::Kam, "k");  // another field: a step of its own
    doc.SetField(Field::LookScript, "Jedn");
    EXPECT_EQ(doc.History().undoCount(), 3u);
    doc.EndTyping();  // a pause
    doc.SetField(Field::LookScript, "Jedna");
    EXPECT_EQ(doc.History().undoCount(), 4u);
    doc.Undo();
    EXPECT_EQ(doc.FieldText(Field::LookScript), "Jedn");
    for (int i = 0; i < 3; ++i)
        doc.Undo();
    EXPECT_EQ(doc.FieldText(Field::LookScript), original);
    // An insertion of the builder is sealed off from the typing around it.
    doc.SetField(Field::LookScript, "x");
    {
        EditorDocument::Step step(doc, "vložení z pomocníka"_cp);
        doc.SetField(Field::LookScript, "x PLAY(a);");
    }
    doc.SetField(Field::LookScript, "x PLAY(a); y");
    EXPECT_EQ(doc.UndoLabel(), "úprava textu Rozhlédni se"_cp);
    doc.Undo();
    EXPECT_EQ(doc.UndoLabel(), "vložení z pomocníka"_cp);
}

TEST(EditHistory, KeepsTheLastThousandStepsAndAWholeReplacementAsOne) {
    EditorDocument doc;
    loadRichScenario(doc);
    for (int i = 0; i < 1100; ++i) {
        doc.SetField(Field::Kam, std::to_string(i));
        doc.EndTyping();
    }
    EXPECT_EQ(doc.History().undoCount(), 1000u);
    while (doc.CanUndo())
        doc.Undo();
    EXPECT_EQ(doc.FieldText(Field::Kam), "99");
    EXPECT_TRUE(doc.Modified());  // the saved state fell off the end
}

// A long random mix of operations, undone step by step, passes through the state after each
// operation, back to the file it started from; redone, it ends where it ended.
TEST(EditHistory, RandomMixUndoneAndRedoneMatchesEveryState) {
    EditorDocument doc;
    loadRichScenario(doc);
    std::mt19937 random(20261208);
    auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    std::vector<Operation> ops = everyOperation();
    // The file after each operation, by the number of steps then on the undo stack (typing
    // that joined the last step replaces that step's state).
    std::map<std::size_t, std::string> states{{0, ScenarioBytes(doc)}};
    for (int i = 0; i < 250; ++i) {
        if (!doc.Windows().empty())
            doc.Show(doc.Windows().objectAt(pick(doc.Windows().size())));
        if (!doc.Items().empty())
            doc.Show(doc.Items().objectAt(pick(doc.Items().size())));
        switch (pick(4)) {
            case 0:
                doc.SetField(Field::LookScript, "text " + std::to_string(pick(5)));
                break;
            case 1:
                if (!doc.Windows().empty())
                    doc.AddEntry(EntryList::Paths,
                                 doc.Windows().nameAt(pick(doc.Windows().size())));
                break;
            default:
                ops[pick(ops.size())].run(doc);
        }
        if (pick(3) == 0)
            doc.EndTyping();
        std::size_t steps = doc.History().undoCount();
        states.erase(states.upper_bound(steps), states.end());
        states[steps] = ScenarioBytes(doc);
    }
    ASSERT_LT(doc.History().undoCount(), EditHistory::kDefaultLimit);
    std::string last = ScenarioBytes(doc);
    while (doc.CanUndo()) {
        doc.Undo();
        auto it = states.find(doc.History().undoCount());
        if (it != states.end()) {
            ASSERT_EQ(ScenarioBytes(doc), it->second) << "at step " << it->first;
        }
    }
    EXPECT_EQ(ScenarioBytes(doc), states[0]);
    while (doc.CanRedo())
        doc.Redo();
    EXPECT_EQ(ScenarioBytes(doc), last);
}

}  // namespace
}  // namespace vek::editor
