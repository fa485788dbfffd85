#include "editor/document/document.h"

#include <gtest/gtest.h>

#include "editor/document/cz.h"
#include "tests/editor/document/set_up.h"

namespace vek::editor {
namespace {

using test::Writable;

using test::C;

std::vector<std::string> names(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (auto n : utf8)
        out.push_back(C(n));
    return out;
}

TEST(MakeUniqueName, ReplacesSpacesAndNumbersTakenNames) {
    std::vector<std::string> taken;
    auto isTaken = [&](std::string_view n) {
        for (auto& t : taken)
            if (sameText(t, n))
                return true;
        return false;
    };
    EXPECT_EQ(MakeUniqueName(C("Velký stůl"), isTaken), C("Velký_stůl"));
    taken = names({"Stůl"});
    EXPECT_EQ(MakeUniqueName(C("stůl"), isTaken), C("stůl[1]"));
    taken = names({"Stůl", "Stůl[1]"});
    EXPECT_EQ(MakeUniqueName(C("Stůl"), isTaken), C("Stůl[2]"));
    // A bracketed number at the end is replaced, not extended.
    taken = {"Les[3]"};
    EXPECT_EQ(MakeUniqueName("Les[3]", isTaken), "Les[1]");
    taken = {"Les[3]", "Les[1]"};
    EXPECT_EQ(MakeUniqueName("Les[3]", isTaken), "Les[2]");
    // Brackets that do not end the name, or hold no number, are extended.
    taken = {"a[x]", "a[1]b"};
    EXPECT_EQ(MakeUniqueName("a[x]", isTaken), "a[x][1]");
    EXPECT_EQ(MakeUniqueName("a[1]b", isTaken), "a[1]b[1]");
}

TEST(EditorDocumentStartup, HoldsTheExampleScenario) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    ASSERT_EQ(doc.Windows().size(), 1u);
    ASSERT_EQ(doc.Items().size(), 1u);
    EXPECT_EQ(doc.ShownWindow()->Name, C("Začátek_dobrodružství"));
    EXPECT_EQ(doc.ShownWindow()->Kam, C("na začátek dobrodružství"));
    EXPECT_EQ(doc.ShownItem()->Co, C("židli"));
    EXPECT_EQ(doc.Settings().IntroText.items(), names({"Pozor, začínáme !"}));
    EXPECT_EQ(doc.SystemSounds().size(), 40u);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.ShownMenu()->Name, C("(hlavní)"));
    EXPECT_EQ(doc.ShownMenu()->Entries.items(), EditorDocument::DefaultMainMenu());
    EXPECT_EQ(doc.Menus().size(), 2u);
    StatusLine status = doc.UpdateStatusLine();
    EXPECT_EQ(status.counts, C("oken: 1, předmětů: 1, zvuků: 0"));
    EXPECT_EQ(status.modified, "");
    doc.NewWindow();
    EXPECT_EQ(doc.UpdateStatusLine().modified, C("změněn"));
    EXPECT_EQ(doc.WindowTitle(), "Editor scénářů");
    doc.FileName = "/hry/hra.scn";
    EXPECT_EQ(doc.WindowTitle(), "Editor scénářů - /hry/hra.scn");
}

TEST(EditorDocumentStartup, NewKeepsTheStartWindowAndEmptiesTheRest) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    Writable(doc.Settings()).StartWindow = "Sklep";
    Writable(doc.Settings()).CycleActive = true;
    Writable(doc.UserSounds()).add("a=(a.wav)");
    doc.NewWindow();
    doc.ClearDocument();
    EXPECT_TRUE(doc.Windows().empty());
    EXPECT_TRUE(doc.Items().empty());
    EXPECT_TRUE(doc.UserSounds().empty());
    EXPECT_TRUE(doc.Settings().IntroText.empty());
    EXPECT_FALSE(doc.Settings().CycleActive);
    EXPECT_EQ(doc.Settings().StartWindow, "Sklep");
    EXPECT_EQ(doc.Settings().ScenarioName, C("Nový scénář"));
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.ShownWindow(), nullptr);
}

TEST(EditorDocumentLists, StayInCzechOrderWithoutRegardToCase) {
    EditorDocument doc;
    doc.ClearDocument();
    for (const char* n : {"chodba", "Hrad", "cesta", "Čekárna", "zahrada", "Žumpa", "ihned", "Řeka",
                          "rybník", "Šachta", "sklep", "Áčko", "auto"}) {
        doc.NewWindow();
        doc.Rename(EntityKind::Window, C(n));
    }
    EXPECT_EQ(doc.Windows().names(),
              names({"Áčko", "auto", "cesta", "Čekárna", "Hrad", "chodba", "ihned", "rybník",
                     "Řeka", "sklep", "Šachta", "zahrada", "Žumpa"}));
    EXPECT_EQ(doc.Windows().find(C("ŠACHTA"))->Name, C("Šachta"));
    EXPECT_EQ(doc.Windows().indexOf(C("hrad")), 4);
}

TEST(EditorDocumentCreate, NumbersNewWindowsAndReusesFreedNumbers) {
    EditorDocument doc;
    doc.ClearDocument();
    doc.NewWindow();
    doc.NewWindow();
    doc.NewWindow();
    EXPECT_EQ(doc.Windows().names(), names({"Nové_okno[1]", "Nové_okno[2]", "Nové_okno[3]"}));
    doc.Show(doc.Windows().find(C("Nové_okno[2]")));
    doc.DeleteShownWindow();
    EXPECT_EQ(doc.ShownWindow()->Name, C("Nové_okno[3]"));  // the one now at the same position
    EXPECT_EQ(doc.NewWindow()->Name, C("Nové_okno[2]"));
    EXPECT_EQ(doc.NewItem()->Name, C("Nový_předmět[1]"));
    TNabidka* menu = Writable(doc.NewMenu());
    EXPECT_EQ(menu->Name, C("Nová_nabídka[1]"));
    EXPECT_EQ(menu->Parent, C("(automaticky)"));
    EXPECT_EQ(doc.NewMenuItem()->Name, C("Nová_položka[1]"));
    EXPECT_TRUE(doc.Modified());
}

TEST(EditorDocumentCreate, StepsBetweenEntitiesAndStopsAtTheEnds) {
    EditorDocument doc;
    doc.ClearDocument();
    TOkna* first = Writable(doc.NewWindow());
    TOkna* second = Writable(doc.NewWindow());
    EXPECT_FALSE(doc.StepShown(EntityKind::Window, +1));
    EXPECT_EQ(doc.ShownWindow(), second);
    EXPECT_TRUE(doc.StepShown(EntityKind::Window, -1));
    EXPECT_EQ(doc.ShownWindow(), first);
    EXPECT_FALSE(doc.StepShown(EntityKind::Window, -1));
    EXPECT_FALSE(doc.StepShown(EntityKind::Item, +1));  // no items at all
}

TEST(EditorDocumentRename, FollowsPathsAndStartWindowButNotScripts) {
    EditorDocument doc;
    doc.ClearDocument();
    TOkna* a = Writable(doc.NewWindow());
    doc.Rename(EntityKind::Window, "A");
    TOkna* b = Writable(doc.NewWindow());
    doc.Rename(EntityKind::Window, "B");
    b->Paths.assign({"a", "C", "A"});
    b->LookScript.assign({"GO(A);"});
    a->Paths.assign({"B"});
    Writable(doc.Settings()).StartWindow = "A";
    doc.Show(a);
    doc.SetModified(false);
    EXPECT_TRUE(doc.Rename(EntityKind::Window, C("Velký sál")).done);
    EXPECT_EQ(a->Name, C("Velký_sál"));
    EXPECT_EQ(b->Paths.items(), names({"Velký_sál", "C", "Velký_sál"}));
    EXPECT_EQ(b->LookScript.items(), std::vector<std::string>{"GO(A);"});
    EXPECT_EQ(doc.Settings().StartWindow, C("Velký_sál"));
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.Windows().names(), names({"B", "Velký_sál"}));

    // Renaming to a name another window holds, in another case, numbers it.
    doc.Rename(EntityKind::Window, "b");
    EXPECT_EQ(a->Name, "b[1]");
    // Renaming to the same name keeps it.
    doc.Rename(EntityKind::Window, "b[1]");
    EXPECT_EQ(a->Name, "b[1]");
}

TEST(EditorDocumentRename, ItemsFollowInWindowsButNotInTheInventory) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    Writable(doc.ShownWindow())->Items.assign({C("Židle"), "x"});
    Writable(doc.Settings()).Inventory.assign({C("Židle")});
    doc.Rename(EntityKind::Item, C("Stolička"));
    EXPECT_EQ(doc.ShownWindow()->Items.items(), names({"Stolička", "x"}));
    EXPECT_EQ(doc.Settings().Inventory.items(), names({"Židle"}));
}

TEST(EditorDocumentDelete, RemovesReferencesAndChoosesTheNextEntity) {
    EditorDocument doc;
    doc.ClearDocument();
    TOkna* a = Writable(doc.NewWindow());
    TOkna* b = Writable(doc.NewWindow());
    a->Paths.assign({b->Name, "x", b->Name});
    Writable(doc.Settings()).StartWindow = b->Name;
    doc.Show(b);
    doc.DeleteShownWindow();
    EXPECT_EQ(a->Paths.items(), (std::vector<std::string>{"x", C("Nové_okno[2]")}));
    EXPECT_EQ(doc.Settings().StartWindow, C("Nové_okno[2]"));  // left as it was
    EXPECT_EQ(doc.ShownWindow(), a);
    doc.DeleteShownWindow();
    EXPECT_EQ(doc.ShownWindow(), nullptr);
    doc.DeleteShownWindow();  // nothing left: nothing happens
    EXPECT_TRUE(doc.Windows().empty());

    TPredmet* item = Writable(doc.NewItem());
    TOkna* w = Writable(doc.NewWindow());
    w->Items.assign({item->Name});
    doc.DeleteShownItem();
    EXPECT_TRUE(w->Items.empty());
    EXPECT_EQ(doc.ShownItem(), nullptr);
}

TEST(EditorDocumentDelete, ProtectsTheSpecialMenusAndDefaultEntries) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    EditResult r = doc.DeleteShownMenu();
    EXPECT_FALSE(r.done);
    EXPECT_EQ(r.message, C("Nabídku '(hlavní)' nelze smazat!"));
    r = doc.Rename(EntityKind::Menu, "X");
    EXPECT_EQ(r.message, C("Nabídku '(hlavní)' nelze přejmenovat!"));
    EXPECT_EQ(doc.Menus().size(), 2u);

    doc.Show(doc.Menus().find(C("(systémová)")));
    EXPECT_EQ(doc.AddEntry(EntryList::MenuEntries, "x").message,
              C("Systémovou nabídku nelze měnit!"));

    // An ordinary menu item that happens to carry a default entry's name cannot be deleted.
    doc.NewMenuItem();
    doc.Rename(EntityKind::MenuItem, "Jdi[SZjdi]");
    r = doc.DeleteShownMenuItem();
    EXPECT_EQ(r.message, C("Položku 'Jdi[SZjdi]' nelze smazat!"));
    EXPECT_EQ(doc.MenuItems().size(), 1u);
    doc.NewMenuItem();
    EXPECT_TRUE(doc.DeleteShownMenuItem().done);
    EXPECT_EQ(doc.MenuItems().size(), 1u);

    std::string menuName = doc.NewMenu()->Name;
    EXPECT_TRUE(doc.DeleteShownMenu().done);
    EXPECT_EQ(doc.Menus().find(menuName), nullptr);
    EXPECT_EQ(doc.Menus().size(), 2u);
}

TEST(EditorDocumentEntries, AddOnceRemoveAndMove) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    doc.SetModified(false);
    EXPECT_TRUE(doc.AddEntry(EntryList::Paths, "Sklep").done);
    doc.SetModified(false);
    EXPECT_TRUE(doc.AddEntry(EntryList::Paths, "SKLEP").done);  // present: not added again
    EXPECT_TRUE(doc.Modified());                                // but still a change
    doc.AddEntry(EntryList::Paths, "Les");
    doc.AddEntry(EntryList::Paths, "Hora");
    EXPECT_EQ(doc.ShownWindow()->Paths.items(), (std::vector<std::string>{"Sklep", "Les", "Hora"}));
    EXPECT_EQ(doc.MoveEntry(EntryList::Paths, 0, +1), 1);
    EXPECT_EQ(doc.ShownWindow()->Paths.items(), (std::vector<std::string>{"Les", "Sklep", "Hora"}));
    EXPECT_EQ(doc.MoveEntry(EntryList::Paths, 0, -1), -1);
    EXPECT_EQ(doc.MoveEntry(EntryList::Paths, 2, +1), -1);
    doc.RemoveEntry(EntryList::Paths, 1);
    EXPECT_EQ(doc.ShownWindow()->Paths.items(), (std::vector<std::string>{"Les", "Hora"}));

    Writable(doc.UserSounds()).add("hudba=(h.wav)M");
    auto music = doc.Choices(EntryList::Music);
    EXPECT_EQ(music.front(), "hudba");
    EXPECT_EQ(music.size(), 41u);
    EXPECT_EQ(doc.SoundChoices().front(), C("(žádný)"));
    auto entries = doc.Choices(EntryList::MenuEntries);
    EXPECT_EQ(entries.back(), "Menu[SZMmenu]");

    doc.SetField(Field::WindowSound, C("(žádný)"));
    EXPECT_EQ(doc.ShownWindow()->SoundId, "");
    doc.SetField(Field::WindowSound, "hudba");
    EXPECT_EQ(doc.ShownWindow()->SoundId, "hudba");
    {
        EditorDocument::UpdateGuard guard(doc);
        EXPECT_FALSE(doc.SetField(Field::WindowSound, "jiny"));
    }
    EXPECT_EQ(doc.ShownWindow()->SoundId, "hudba");
}

TEST(EditorDocumentEntries, InventoryOffersTakeableItemsAndSoundsCanBeDeleted) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    EXPECT_TRUE(doc.Choices(EntryList::Inventory).empty());
    Writable(doc.ShownItem())->CanTake = true;
    EXPECT_EQ(doc.Choices(EntryList::Inventory), names({"Židle"}));
    doc.AddEntry(EntryList::Inventory, C("Židle"));
    doc.AddEntry(EntryList::Inventory, C("židle"));
    EXPECT_EQ(doc.Settings().Inventory.items(), names({"Židle"}));

    for (const char* line : {"c=(c)", "a=(a)", "b=(b)"})
        Writable(doc.UserSounds()).add(line);
    doc.DeleteUserSounds({2, 0, 2});
    EXPECT_EQ(doc.UserSounds().lines(), std::vector<std::string>{"b=(b)"});
    Writable(doc.SystemSounds()).clear();
    doc.ResetSystemSounds();
    EXPECT_EQ(doc.SystemSounds().size(), 40u);
}

TEST(EditorDocumentEntries, StartWindowFallsBackToTheFirstWindow) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    Writable(doc.Settings()).StartWindow = "nikde";
    doc.EnsureStartWindow();
    EXPECT_EQ(doc.Settings().StartWindow, C("Začátek_dobrodružství"));
    // A start window written in other letter case still names that window: it is kept.
    doc.NewWindow();
    doc.Rename(EntityKind::Window, "Sklep");
    Writable(doc.Settings()).StartWindow = "sKLEP";
    doc.EnsureStartWindow();
    EXPECT_EQ(doc.Settings().StartWindow, "sKLEP");
    doc.ClearDocument();
    Writable(doc.Settings()).StartWindow = "nikde";
    doc.EnsureStartWindow();
    EXPECT_EQ(doc.Settings().StartWindow, "nikde");
}

TEST(EditorDocumentPurge, DropsUnnamedWindowsAndItems) {
    EditorDocument doc;
    doc.CreateStartupScenario();
    doc.NewWindow();
    doc.Rename(EntityKind::Window, "");
    EXPECT_EQ(doc.Windows().size(), 2u);
    doc.PurgeUnnamed();
    EXPECT_EQ(doc.Windows().size(), 1u);
    EXPECT_EQ(doc.ShownWindow()->Name, C("Začátek_dobrodružství"));
}

}  // namespace
}  // namespace vek::editor
