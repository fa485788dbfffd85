#include "editor/document/fields.h"

#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "editor/document/scenario_io.h"
#include "editor/document/search.h"
#include "tests/editor/document/set_up.h"

namespace vek::editor {
namespace {

using test::Writable;

// A document with a window, item, menu and menu item of its own; owner() gives each field the
// object it belongs to, found by name so that a document read back answers the same way.
struct Scenario {
    EditorDocument doc;
    std::string window, item, menu, menuItem;

    Scenario() {
        doc.ClearDocument();
        window = doc.NewWindow()->Name;
        item = doc.NewItem()->Name;
        TNabidka* m = Writable(doc.NewMenu());
        m->Parent = std::string(kMainMenuName);
        menu = m->Name;
        menuItem = doc.NewMenuItem()->Name;
    }
    // The same names, with the document still to be read.
    explicit Scenario(const Scenario& names, bool)
        : window(names.window), item(names.item), menu(names.menu), menuItem(names.menuItem) {}
    void* owner(FieldOwner owner) {
        switch (owner) {
            case FieldOwner::Window:
                return Writable(doc.Windows().find(window));
            case FieldOwner::Item:
                return Writable(doc.Items().find(item));
            case FieldOwner::Menu:
                return Writable(doc.Menus().find(menu));
            case FieldOwner::MenuItem:
                return Writable(doc.MenuItems().find(menuItem));
            case FieldOwner::Settings:
                break;
        }
        return &Writable(doc.Settings());
    }
};

// A value no other field holds and no default equals.
std::string valueFor(std::size_t row) {
    return "v" + std::to_string(row);
}

TEST(FieldTable, HoldsEveryFieldAndEntryListOnceWithTheMemberOfItsKind) {
    std::set<Field> fields;
    std::set<EntryList> lists;
    for (const FieldDef& d : FieldTable()) {
        bool fresh = d.kind == FieldKind::Entries ? lists.insert(d.list).second
                                                  : fields.insert(d.field).second;
        EXPECT_TRUE(fresh) << d.label;
        EXPECT_EQ(d.text != nullptr, d.kind == FieldKind::Text) << d.label;
        EXPECT_EQ(d.flag != nullptr, d.kind == FieldKind::Flag) << d.label;
        EXPECT_EQ(d.lines != nullptr, d.kind == FieldKind::Lines || d.kind == FieldKind::Entries)
            << d.label;
        EXPECT_FALSE(d.label.empty());
        EXPECT_TRUE(!d.story || d.kind == FieldKind::Lines) << d.label;
    }
    // Password is the enumeration's last value.
    for (int f = 0; f <= static_cast<int>(Field::Password); ++f)
        EXPECT_EQ(fields.count(static_cast<Field>(f)), 1u) << "field " << f;
    for (EntryList l : {EntryList::Paths, EntryList::Items, EntryList::Music,
                        EntryList::MenuEntries, EntryList::Inventory})
        EXPECT_EQ(lists.count(l), 1u);
}

TEST(FieldTable, EveryKeyedFieldSurvivesASaveAndALoad) {
    Scenario written;
    auto rows = FieldTable();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FieldDef& d = rows[i];
        void* owner = written.owner(d.owner);
        if (d.text)
            *d.text(owner) = valueFor(i);
        else if (d.flag)
            *d.flag(owner) = !*d.flag(owner);
        else
            d.lines(owner)->assign({valueFor(i), valueFor(i) + " a"});
    }
    Scenario read(written, true);
    std::optional<std::string> password = written.doc.Settings().Password;
    ASSERT_TRUE(ReadScenario(read.doc, ScenarioBytes(written.doc), [&] { return password; }).ok());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FieldDef& d = rows[i];
        if (d.key.empty())
            continue;
        void* before = written.owner(d.owner);
        void* after = read.owner(d.owner);
        ASSERT_NE(after, nullptr) << d.label;
        if (d.text)
            EXPECT_EQ(*d.text(after), *d.text(before)) << d.label;
        else if (d.flag)
            EXPECT_EQ(*d.flag(after), *d.flag(before)) << d.label;
        else
            EXPECT_EQ(d.lines(after)->items(), d.lines(before)->items()) << d.label;
    }
}

class HitRecorder : public SearchView {
  public:
    bool ShowHit(const SearchHit&) override { return false; }
};

TEST(FieldTable, TheSearchWalksEveryStoryFieldInTableOrder) {
    Scenario s;
    auto rows = FieldTable();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].story)
            rows[i].lines(s.owner(rows[i].owner))->assign({"x hledane"});
    HitRecorder view;
    TReplaceForm search(s.doc, view);
    std::vector<Field> found;
    for (bool more = search.FindFirst("hledane", ""); more; more = search.FindNext("hledane", ""))
        found.push_back(FieldOfHit(SearchHit{search.State().Area, search.State().Field}));
    std::vector<Field> expected;
    for (FieldOwner owner : {FieldOwner::Window, FieldOwner::Item, FieldOwner::Settings})
        for (const FieldDef* d : StoryFields(owner))
            expected.push_back(d->field);
    EXPECT_EQ(found, expected);
}

}  // namespace
}  // namespace vek::editor
