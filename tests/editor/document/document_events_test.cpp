// What windows hear from the document: every change, by every observer, never a pointer the
// document no longer holds; the one way controls write fields; and the faults found in review
// around renaming, the chooser, sound paths and their encoding.
#include <gtest/gtest.h>

#include "common/text_file.h"
#include "editor/document/collection_builder.h"
#include "editor/document/cz.h"
#include "editor/document/document.h"
#include "editor/document/scenario_io.h"
#include "editor/document/search.h"
#include "editor/document/sound_lines.h"
#include "tests/editor/document/set_up.h"

namespace vek::editor {
namespace {

using test::Writable;

using test::C;

// Keeps what it hears.
struct Listener {
    explicit Listener(EditorDocument& doc)
        : subscription(doc, [this](const DocumentChange& c) { heard.push_back(c); }) {}

    std::size_t count(ChangeKind kind) const {
        return static_cast<std::size_t>(
            std::count_if(heard.begin(), heard.end(),
                          [kind](const DocumentChange& c) { return c.kind == kind; }));
    }
    const DocumentChange* last(ChangeKind kind) const {
        for (auto it = heard.rbegin(); it != heard.rend(); ++it)
            if (it->kind == kind)
                return &*it;
        return nullptr;
    }

    std::vector<DocumentChange> heard;
    DocumentSubscription subscription;
};

struct EventsFixture : ::testing::Test {
    EditorDocument doc;
    void SetUp() override { doc.CreateStartupScenario(); }
};

TEST_F(EventsFixture, EveryObserverHearsEveryEntityChange) {
    Listener page(doc), search(doc);
    TOkna* first = Writable(doc.ShownWindow());
    TOkna* added = Writable(doc.NewWindow());
    for (const Listener* l : {&page, &search}) {
        ASSERT_NE(l->last(ChangeKind::EntityAdded), nullptr);
        EXPECT_EQ(l->last(ChangeKind::EntityAdded)->object, added);
        EXPECT_EQ(l->last(ChangeKind::CurrentChanged)->object, added);
        EXPECT_EQ(l->count(ChangeKind::ModifiedChanged), 1u);
    }
    // "Nové_okno[1]" sorts before "Začátek_dobrodružství".
    EXPECT_TRUE(doc.StepShown(EntityKind::Window, +1));
    EXPECT_EQ(page.last(ChangeKind::CurrentChanged)->object, first);
    std::size_t before = page.heard.size();
    EXPECT_FALSE(doc.StepShown(EntityKind::Window, +1));  // the last: nothing, and nothing told
    EXPECT_EQ(page.heard.size(), before);

    doc.Rename(EntityKind::Window, "Sklep");
    EXPECT_EQ(page.last(ChangeKind::EntityRenamed)->object, first);
    EXPECT_EQ(page.last(ChangeKind::FieldChanged)->field, Field::StartWindow);

    doc.DeleteShownWindow();
    EXPECT_EQ(page.last(ChangeKind::EntityRemoved)->object, first);
    EXPECT_EQ(page.last(ChangeKind::CurrentChanged)->object, added);
    doc.ClearDocument();
    EXPECT_EQ(page.heard.back().kind, ChangeKind::ModifiedChanged);
    EXPECT_EQ(page.count(ChangeKind::DocumentReplaced), 1u);
}

TEST_F(EventsFixture, ASubscriptionEndsWithItsOwnerAndMayEndWhileAnEventIsTold) {
    int heard = 0;
    DocumentEvents::Token self = 0;
    self = doc.Subscribe([&](const DocumentChange&) {
        ++heard;
        doc.Unsubscribe(self);
    });
    {
        Listener scoped(doc);
        doc.NewItem();
        EXPECT_FALSE(scoped.heard.empty());
    }
    EXPECT_EQ(heard, 1);
    doc.NewItem();  // neither the ended subscription nor the scoped one is called
    EXPECT_EQ(heard, 1);
}

TEST_F(EventsFixture, ControlsWriteFieldsOneWayAndNotWhileAPageIsFilled) {
    Listener page(doc);
    doc.SetModified(false);
    EXPECT_TRUE(doc.SetField(Field::Kam, C("do sklepa")));
    EXPECT_EQ(doc.ShownWindow()->Kam, C("do sklepa"));
    EXPECT_TRUE(doc.Modified());
    const DocumentChange* change = page.last(ChangeKind::FieldChanged);
    ASSERT_NE(change, nullptr);
    EXPECT_EQ(change->field, Field::Kam);
    EXPECT_EQ(change->object, doc.ShownWindow());

    EXPECT_TRUE(doc.SetField(Field::ArrivalScript, "GO(Les);\r\nWAIT;\n"));
    EXPECT_EQ(doc.ShownWindow()->ArrivalScript.items(),
              (std::vector<std::string>{"GO(Les);", "WAIT;"}));
    EXPECT_EQ(doc.FieldText(Field::ArrivalScript), "GO(Les);\r\nWAIT;");
    EXPECT_TRUE(doc.SetFieldFlag(Field::CanTake, true));
    EXPECT_TRUE(doc.ShownItem()->CanTake);
    EXPECT_EQ(doc.FieldText(Field::CanTake), "1");
    EXPECT_TRUE(doc.SetField(Field::ItemSound, C("(žádný)")));
    EXPECT_EQ(doc.ShownItem()->SoundId, "");
    EXPECT_TRUE(doc.SetField(Field::ScenarioName, "Hra"));
    EXPECT_EQ(page.last(ChangeKind::FieldChanged)->object, &doc.Settings());

    doc.SetModified(false);
    std::size_t before = page.heard.size();
    {
        EditorDocument::UpdateGuard outer(doc);
        { EditorDocument::UpdateGuard inner(doc); }
        EXPECT_TRUE(doc.Updating());  // guards nest
        EXPECT_FALSE(doc.SetField(Field::Kam, "x"));
        EXPECT_FALSE(doc.SetFieldLines(Field::LookScript, {"x"}));
    }
    EXPECT_FALSE(doc.Updating());
    EXPECT_EQ(page.heard.size(), before);
    EXPECT_FALSE(doc.Modified());

    // Without a current window its fields take nothing.
    doc.DeleteShownWindow();
    EXPECT_FALSE(doc.SetField(Field::Kam, "x"));
    EXPECT_EQ(doc.FieldText(Field::Kam), "");
}

TEST_F(EventsFixture, SavingTellsOfThePurgedWindowBeforeAPageCouldWriteIntoIt) {
    auto dir = test::tempDir("purge_events");
    TOkna* kept = Writable(doc.ShownWindow());
    TOkna* unnamed = Writable(doc.NewWindow());
    doc.Rename(EntityKind::Window, "");
    ASSERT_EQ(doc.ShownWindow(), unnamed);
    TOkna* shownByPage = Writable(doc.ShownWindow());
    doc.Subscribe([&](const DocumentChange& c) {
        if (c.kind == ChangeKind::EntityRemoved && c.object == shownByPage)
            shownByPage = nullptr;
        if (c.kind == ChangeKind::CurrentChanged && c.entity == EntityKind::Window)
            shownByPage = static_cast<TOkna*>(const_cast<void*>(c.object));
    });
    ASSERT_TRUE(SaveScenario(doc, dir / "hra.scn").ok);
    EXPECT_EQ(doc.ShownWindow(), kept);
    EXPECT_EQ(shownByPage, kept);
    std::filesystem::remove_all(dir);
}

TEST_F(EventsFixture, SoundEditsAndListEntriesAreToldToo) {
    Listener page(doc);
    SoundNameCounter counter;
    ApplySoundDialog(doc, SoundDialogMode::New, NewSoundFields(counter), {}, counter);
    EXPECT_EQ(page.last(ChangeKind::SoundsChanged)->sounds, SoundList::User);
    ApplySoundDialog(doc, SoundDialogMode::ChangeSystem, FieldsFromLine(doc.SystemSounds()[0]), {0},
                     counter);
    EXPECT_EQ(page.last(ChangeKind::SoundsChanged)->sounds, SoundList::System);
    page.heard.clear();
    AddMoreSounds(doc, {"/hry/a.wav"}, "/hry");
    doc.DeleteUserSounds({0});
    EXPECT_EQ(page.count(ChangeKind::SoundsChanged), 2u);

    page.heard.clear();
    doc.NewWindow();
    doc.Rename(EntityKind::Window, "Les");
    doc.AddEntry(EntryList::Paths, "Les");
    doc.AddEntry(EntryList::Paths, C("Začátek_dobrodružství"));
    doc.MoveEntry(EntryList::Paths, 1, -1);
    doc.RemoveEntry(EntryList::Paths, 0);
    EXPECT_EQ(page.count(ChangeKind::EntriesChanged), 4u);
    EXPECT_EQ(page.last(ChangeKind::EntriesChanged)->object, doc.ShownWindow());

    // The search makes its window current through the document, so the pages hear it.
    struct View : SearchView {
        bool ShowHit(const SearchHit&) override { return false; }
    } view;
    Writable(doc.Windows()).find(C("Začátek_dobrodružství"))->LookScript.assign({"klic"});
    TReplaceForm search(doc, view);
    page.heard.clear();
    ASSERT_TRUE(search.FindFirst("klic", ""));
    EXPECT_EQ(page.last(ChangeKind::CurrentChanged)->object,
              doc.Windows().find(C("Začátek_dobrodružství")));
    ASSERT_TRUE(search.ReplaceOne("klic", "zamek"));
    EXPECT_EQ(page.last(ChangeKind::FieldChanged)->field, Field::LookScript);
}

TEST_F(EventsFixture, RenameWithoutACurrentEntityInItsListChangesNothing) {
    TOkna stray;
    stray.Name = "Mimo";
    doc.Show(&stray);
    doc.SetModified(false);
    EditResult r = doc.Rename(EntityKind::Window, "Jinam");
    EXPECT_FALSE(r.done);
    EXPECT_EQ(stray.Name, "Mimo");
    EXPECT_EQ(doc.Windows().size(), 1u);
    EXPECT_FALSE(doc.Modified());
    doc.Show(static_cast<const TOkna*>(nullptr));
    EXPECT_FALSE(doc.Rename(EntityKind::Window, "Jinam").done);
}

TEST_F(EventsFixture, TheChooserIsRefusedBeforeItOpensAndItsOkAlwaysCounts) {
    doc.ShowNamed(EntityKind::Menu, C("(systémová)"));
    EditResult refused = doc.CanEditEntries(EntryList::MenuEntries);
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.message, C("Systémovou nabídku nelze měnit!"));
    doc.ShowNamed(EntityKind::Menu, C("(hlavní)"));
    EXPECT_TRUE(doc.CanEditEntries(EntryList::MenuEntries).done);

    doc.SetModified(false);
    EXPECT_TRUE(doc.AddEntry(EntryList::MenuEntries, "Jdi[SZjdi]").done);  // already there
    EXPECT_TRUE(doc.Modified());
    doc.SetModified(false);
    EXPECT_TRUE(doc.AddEntry(EntryList::Items, "").done);  // nothing to choose
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.ShownWindow()->Items.size(), 0u);
}

TEST(SoundPaths, SeveralSoundsTreatBothSeparatorsAndStoreBackslashes) {
    SoundFields f = SeveralSoundsFields();
    f.file = "zvuky";
    EXPECT_EQ(ChangeSeveralLine("a=A(wave/a.wav)", f), "a=A(zvuky\\a.wav)");
    f.file = "jinde/x.wav";  // a browsed file: its directory
    EXPECT_EQ(ChangeSeveralLine("a=A(wave\\a.wav)", f), "a=A(jinde\\a.wav)");
    f.file = "nove/";
    EXPECT_EQ(ChangeSeveralLine("a=A(wave\\a.wav)", f), "a=A(nove\\a.wav)");
    f.file = "sady/k.zvk";
    EXPECT_EQ(ChangeSeveralLine("a=A(wave/a.wav)", f), "a=A(sady\\k.zvk|a.wav)");

    SoundNameCounter counter;
    SoundFields one = NewSoundFields(counter);
    one.file = "wave/les/ptaci.wav";
    EXPECT_EQ(BuildSoundLine(one, counter), C("Nový_zvuk1=(wave\\les\\ptaci.wav)"));
    one.file = "sady/k.zvk|a/b";  // a collection's sound name stays as it is
    EXPECT_EQ(BuildSoundLine(one, counter), C("Nový_zvuk1=(sady\\k.zvk|a/b)"));
}

TEST(SoundPaths, FileNamesEnterEntryLinesInTheCodePageOrNotAtAll) {
    SoundNameCounter counter;
    SoundFields f = NewSoundFields(counter);
    EXPECT_TRUE(BrowseSoundFile(f, "/hry/vek/wave/Žába.wav", "/hry/vek"));
    EXPECT_EQ(f.file, C("wave\\Žába.wav"));
    EXPECT_EQ(f.id, C("Žába"));
    EncodingError error;
    EXPECT_FALSE(BrowseSoundFile(f, "/hry/vek/Жаба.wav", "/hry/vek", &error));
    EXPECT_EQ(f.file, C("wave\\Žába.wav"));
    EXPECT_EQ(error.codePoint, U'Ж');

    EditorDocument doc;
    doc.ClearDocument();
    AddedSounds added = AddMoreSounds(doc, {"/hry/vek/Жаба.wav", "/hry/vek/Kůň.wav"}, "/hry/vek");
    EXPECT_EQ(added.added, 1u);
    EXPECT_EQ(added.refused, (std::vector<std::string>{"/hry/vek/Жаба.wav"}));
    EXPECT_EQ(doc.UserSounds().lines(), (std::vector<std::string>{C("Kůň=(Kůň.wav)")}));

    Writable(doc.UserSounds()).add("a=A(a.wav)");
    EXPECT_TRUE(ReplaceWithCollectionPointers(doc, {"a"}, "/hry/vek/sady/Žába.zvk", "/hry/vek"));
    EXPECT_EQ(doc.UserSounds()[0], C("a=A(sady\\Žába.zvk|a)"));
    doc.SetModified(false);
    EXPECT_FALSE(ReplaceWithCollectionPointers(doc, {"a"}, "/hry/Жаба.zvk", "/hry/vek"));
    EXPECT_FALSE(doc.Modified());
}

TEST(TextPositions, CrossBetweenCrLfOffsetsAndLinesAndColumns) {
    TSpecStrings field;
    field.assign({"GO(Les);", "", "WAIT;"});
    for (TextPosition p : {TextPosition{0, 0}, TextPosition{0, 8}, TextPosition{1, 0},
                           TextPosition{2, 3}, TextPosition{2, 5}})
        EXPECT_EQ(field.PositionOf(field.GetXY(p.line, p.column + 1)), p);
    EXPECT_EQ(field.PositionOf(9), (TextPosition{0, 8}));  // inside the line break
    EXPECT_EQ(field.PositionOf(500), (TextPosition{2, 5}));
}

}  // namespace
}  // namespace vek::editor
