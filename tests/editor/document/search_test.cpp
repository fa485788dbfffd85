#include "editor/document/search.h"

#include <deque>

#include <gtest/gtest.h>

#include "editor/document/cz.h"
#include "tests/editor/document/set_up.h"

namespace vek::editor {
namespace {

using test::Writable;

using test::C;

TEST(TextSearch, WholeWordsBracketsAndCase) {
    SearchOptions words{false, true, false};
    EXPECT_EQ(FindInText("PLAY", "PLAY(tch001);", words), 1u);
    EXPECT_EQ(FindInText("PLAY", "x PLAY_y", words), 3u);
    EXPECT_EQ(FindInText("PLAY", "PLAYSEC(a);", words), 0u);
    EXPECT_EQ(FindInText("PLAY", "PLAYSEC(a); PLAY(b);", words), 13u);

    SearchOptions brackets{true, false, false};
    EXPECT_EQ(FindInText("okno", "GO(okno);", brackets), 4u);
    EXPECT_EQ(FindInText("okno", "okno GO(x);", brackets), 0u);
    EXPECT_EQ(FindInText("okno", "[okno]", brackets), 2u);
    EXPECT_EQ(FindInText("okno", "(a)) okno", brackets), 0u);  // never below zero

    EXPECT_EQ(FindInText(C("židle"), C("Vidíš ŽIDLE."), {}), 7u);
    EXPECT_EQ(FindInText(C("židle"), C("Vidíš ŽIDLE."), {false, false, true}), 0u);
    EXPECT_EQ(FindInText("", "abc", {}), 0u);
    // A rejected occurrence does not hide an overlapping acceptable one.
    EXPECT_EQ(FindInText("aa", "aaa aa", words), 5u);
}

TEST(TextSearch, FindPatternWalksLinesAndKeepsBracketDepthOfTheWholeLine) {
    TSpecStrings s{"abc", "GO(x) x", "x"};
    std::size_t line = 0, column = 1;
    ASSERT_TRUE(s.FindPattern("x", line, column, {}));
    EXPECT_EQ(line, 1u);
    EXPECT_EQ(column, 4u);
    EXPECT_EQ(s.GetXY(line, column), 8u);
    column += 1;
    ASSERT_TRUE(s.FindPattern("x", line, column, {}));
    EXPECT_EQ(column, 7u);
    // Inside brackets from a later column: the depth still counts from the line's start.
    TSpecStrings t{"GO(a, x) x"};
    line = 0;
    column = 5;
    ASSERT_TRUE(t.FindPattern("x", line, column, {true, false, false}));
    EXPECT_EQ(column, 7u);
    column = 8;
    EXPECT_FALSE(t.FindPattern("x", line, column, {true, false, false}));
    EXPECT_EQ(line, 1u);
}

// Records what the search shows and answers its questions.
class FakeView : public SearchView {
  public:
    std::vector<SearchHit> hits;
    std::deque<ReplaceAnswer> answers;
    SearchPlace place;
    int hidden = 0;
    std::vector<SearchHit> caretsBehind;
    bool ShowHit(const SearchHit& hit) override {
        hits.push_back(hit);
        return hit.area == SearchArea::Texts;
    }
    void HideProperties() override { ++hidden; }
    void PlaceCaretBehind(const SearchHit& hit) override { caretsBehind.push_back(hit); }
    ReplaceAnswer AskReplace() override {
        ReplaceAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    SearchPlace CurrentPlace() const override { return place; }
};

struct SearchFixture : ::testing::Test {
    EditorDocument doc;
    FakeView view;
    TReplaceForm form{doc, view};
    TOkna* a = nullptr;
    TOkna* b = nullptr;
    TPredmet* item = nullptr;

    void SetUp() override {
        doc.ClearDocument();
        a = Writable(doc.NewWindow());
        doc.Rename(EntityKind::Window, "A");
        b = Writable(doc.NewWindow());
        doc.Rename(EntityKind::Window, "B");
        item = Writable(doc.NewItem());
        a->LookScript.assign({"klic klic"});
        a->DepartureScript.assign({"x", "klic"});
        b->ArrivalScript.assign({"klic"});
        item->TalkScript.assign({"KLIC"});
        Writable(doc.Settings()).CycleText.assign({"klic"});
        Writable(doc.NewMenuItem())->FunctionScript.assign({"klic"});
        doc.SetModified(false);
    }
};

TEST_F(SearchFixture, WalksWindowsItemsAndTextsAndEndsAfterTheCycleText) {
    ASSERT_TRUE(form.FindFirst("klic", ""));
    while (form.FindNext("klic", ""))
        ;
    ASSERT_EQ(view.hits.size(), 6u);
    EXPECT_EQ(view.hits[0].window, a);
    EXPECT_EQ(view.hits[0].column, 1u);
    EXPECT_EQ(view.hits[1].column, 6u);
    EXPECT_EQ(view.hits[2].field, 3);
    EXPECT_EQ(view.hits[2].line, 1u);
    EXPECT_EQ(view.hits[2].offset, 3u);
    EXPECT_EQ(view.hits[3].window, b);
    EXPECT_EQ(view.hits[3].field, 2);
    EXPECT_EQ(view.hits[4].item, item);
    EXPECT_EQ(view.hits[4].field, 5);
    EXPECT_EQ(view.hits[5].area, SearchArea::Texts);
    EXPECT_EQ(view.hits[5].field, 4);
    EXPECT_EQ(view.hidden, 1);  // the properties dialog it opened is hidden again
    EXPECT_EQ(doc.ShownItem(), item);
    EXPECT_FALSE(form.FindNext("klic", ""));  // finished: at once
    EXPECT_EQ(view.hits.size(), 6u);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(form.NotFoundMessage(), "\"klic\" nenalezeno.");
}

TEST_F(SearchFixture, ANewTextStartsAtTheAuthorsCaret) {
    doc.Show(a);
    view.place = {SearchPlace::Page::Windows, 3, 1, 0};  // "Při odchodu", second line
    ASSERT_TRUE(form.FindNext("klic", ""));
    EXPECT_EQ(view.hits.back().field, 3);
    EXPECT_EQ(view.hits.back().line, 1u);
    // On another page the search starts at the scenario texts.
    view.place = {};
    ASSERT_TRUE(form.FindNext("KLIC", ""));
    EXPECT_EQ(view.hits.back().area, SearchArea::Texts);
    EXPECT_FALSE(form.FindFirst("", ""));
}

TEST_F(SearchFixture, ReplaceAsksAndNoOrCancelLeaveTheText) {
    form.askBeforeReplace = true;
    view.answers = {ReplaceAnswer::No, ReplaceAnswer::Yes, ReplaceAnswer::Cancel};
    ASSERT_TRUE(form.FindFirst("klic", "dvere"));
    EXPECT_TRUE(form.ReplaceOne("klic", "dvere"));   // No: goes on behind it
    EXPECT_TRUE(form.ReplaceOne("klic", "dvere"));   // the second one, Yes
    EXPECT_FALSE(form.ReplaceOne("klic", "dvere"));  // the third, Cancel
    EXPECT_EQ(a->LookScript.items(), (std::vector<std::string>{"klic dvere"}));
    EXPECT_EQ(a->DepartureScript[1], "klic");
    EXPECT_TRUE(doc.Modified());
    // No and Cancel leave the caret just behind the match they kept.
    ASSERT_EQ(view.caretsBehind.size(), 2u);
    EXPECT_EQ(view.caretsBehind[0].window, a);
    EXPECT_EQ(view.caretsBehind[0].column, 1u);
    EXPECT_EQ(view.caretsBehind[1].field, 3);
    EXPECT_EQ(view.caretsBehind[1].offset + view.caretsBehind[1].length, 7u);
}

TEST_F(SearchFixture, ReplaceAllNeverRefindsItsInsertionsAndEnds) {
    EXPECT_EQ(form.ReplaceAll("k", "kk"), 6);
    EXPECT_EQ(a->LookScript[0], "kklic kklic");
    EXPECT_EQ(item->TalkScript[0], "kkLIC");  // case ignored: the replacement as typed
    EXPECT_EQ(doc.Settings().CycleText[0], "kklic");
    EXPECT_EQ(doc.MenuItems().objectAt(0)->FunctionScript[0], "klic");  // never searched
    EXPECT_EQ(form.ReplaceAll("nic", "x"), -1);
    EXPECT_EQ(form.ReplaceAll("klic", ""), 6);
    EXPECT_EQ(a->LookScript[0], "k k");
}

TEST_F(SearchFixture, ReplaceNeverOverwritesTextEditedSinceTheMatch) {
    ASSERT_TRUE(form.FindFirst("klic", "X"));
    a->LookScript.set(0, "zamek klic");  // the author typed over the match
    EXPECT_TRUE(form.ReplaceOne("klic", "X"));
    // The match at the shown place is gone: the search goes on from there instead of
    // overwriting "zame".
    EXPECT_EQ(a->LookScript[0], "zamek X");
}

TEST_F(SearchFixture, SurvivesTheWindowItStoodInBeingDeleted) {
    ASSERT_TRUE(form.FindFirst("klic", ""));
    doc.Show(a);
    doc.DeleteShownWindow();
    // The search goes on with the window that took its place.
    EXPECT_TRUE(form.FindNext("klic", ""));
    EXPECT_EQ(view.hits.back().window, b);
}

}  // namespace
}  // namespace vek::editor
