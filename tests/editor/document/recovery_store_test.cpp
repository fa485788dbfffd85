#include "editor/document/recovery_store.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/cp1250_literal.h"
#include "common/scratch_dir.h"
#include "common/text_file.h"
#include "tests/editor/document/set_up.h"

namespace vek::editor {
namespace {

using test::Writable;

namespace fs = std::filesystem;

// The timer, fired by the test.
struct ManualTimer : OneShotTimer {
    void start(std::chrono::milliseconds d, std::function<void()> f) override {
        delay = d;
        due = std::move(f);
        ++starts;
    }
    void stop() override { due = nullptr; }
    bool active() const override { return due != nullptr; }
    // Fires until nothing is pending (the delay, then every slice of the copy).
    void runOut() {
        while (due) {
            auto f = std::move(due);
            due = nullptr;
            f();
        }
    }
    std::function<void()> due;
    std::chrono::milliseconds delay{0};
    int starts = 0;
};

const RecoveryOwner kGone{4242, 17, "boot"};
const RecoveryOwner kOther{4343, 18, "boot"};

struct RecoveryTest : ::testing::Test {
    testing::ScratchDir scratch;
    fs::path dir = scratch / "obnova";
    EditorDocument doc;
    ManualTimer timer;

    RecoveryTest() { doc.CreateStartupScenario(); }

    std::vector<fs::path> filesIn(const fs::path& d) const {
        std::vector<fs::path> out;
        std::error_code ec;
        for (auto& e : fs::directory_iterator(d, ec))
            out.push_back(e.path().filename());
        std::sort(out.begin(), out.end());
        return out;
    }
    void addWindows(int count) {
        for (int i = 0; i < count; ++i)
            doc.NewWindow();
    }
};

TEST_F(RecoveryTest, EditIsCopiedOnceTheDelayEndsAndSteadyTypingCannotPutItOff) {
    RecoveryStore store(doc, dir, kGone, timer);
    EXPECT_FALSE(timer.active()) << "an unmodified document has no copy";
    doc.SetField(Field::Kam, "do sklepa");
    ASSERT_TRUE(timer.active());
    EXPECT_LE(timer.delay, std::chrono::seconds(5));
    doc.SetField(Field::Kam, "do sklepa a dál"_cp);
    EXPECT_EQ(timer.starts, 1) << "a further edit must not restart the wait";
    store.flush();
    EXPECT_FALSE(fs::exists(store.files().copy));

    timer.runOut();
    store.flush();
    EXPECT_EQ(readFileBytes(store.files().copy), ScenarioBytes(doc));
    std::optional<RecoveryRecord> record = ParseRecord(*readFileBytes(store.files().record));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->owner, kGone);
    EXPECT_EQ(record->originalPath, "");
    EXPECT_EQ(store.lastError(), "");

    doc.SetField(Field::Kam, "jinam");
    EXPECT_TRUE(timer.active()) << "an edit after the copy asks for another";
}

TEST_F(RecoveryTest, CopyTakenInSlicesHoldsEditsMadeBetweenThem) {
    addWindows(RecoveryStore::kSlice * 2);
    RecoveryStore store(doc, dir, kGone, timer);
    ASSERT_TRUE(timer.active());
    timer.due();  // the delay ends: the first slice is copied
    ASSERT_TRUE(timer.active()) << "a large scenario is copied over several turns";
    doc.Show(doc.Windows().objectAt(0));  // already copied
    doc.SetField(Field::Kam, "upraveno mezi kroky");
    timer.runOut();
    store.flush();
    EXPECT_EQ(readFileBytes(store.files().copy), ScenarioBytes(doc));

    doc.SetField(Field::Kam, "znovu");
    timer.due();
    doc.NewWindow();  // the lists change: the copy starts over
    timer.runOut();
    store.flush();
    EXPECT_EQ(readFileBytes(store.files().copy), ScenarioBytes(doc));
}

TEST_F(RecoveryTest, SaveDiscardAndNormalExitRemoveTheCopyAndNothingElse) {
    scratch.write("obnova/cizi.rec", "path=x\r\npid=1\r\n");
    auto store = std::make_unique<RecoveryStore>(doc, dir, kGone, timer);
    auto copied = [&] {
        doc.NewWindow();
        timer.runOut();
        store->flush();
        return fs::exists(store->files().copy) && fs::exists(store->files().record);
    };
    ASSERT_TRUE(copied());
    ASSERT_TRUE(SaveScenario(doc, scratch / "hra.scn").ok);
    store->flush();
    EXPECT_EQ(filesIn(dir), std::vector<fs::path>{"cizi.rec"}) << "a save removes the copy";

    ASSERT_TRUE(copied());
    doc.ClearDocument();  // "Nový", or a load, after "No" to saving
    store->flush();
    EXPECT_EQ(filesIn(dir), std::vector<fs::path>{"cizi.rec"});

    ASSERT_TRUE(copied());
    store.reset();
    EXPECT_EQ(filesIn(dir), std::vector<fs::path>{"cizi.rec"}) << "a normal exit removes it";
}

TEST_F(RecoveryTest, NamesKeepEditorsAndScenariosApart) {
    doc.FileName = (scratch / "hra.scn").string();
    RecoveryFiles mine = RecoveryFilesFor(dir, kGone, doc.FileName);
    EXPECT_NE(mine.copy, RecoveryFilesFor(dir, kOther, doc.FileName).copy);
    EXPECT_NE(mine.copy, RecoveryFilesFor(dir, kGone, doc.FileName + "2").copy);
    EXPECT_NE(mine.copy, RecoveryFilesFor(dir, {4242, 99, "boot"}, doc.FileName).copy)
        << "a later process with the same number";

    RecoveryStore store(doc, dir, kGone, timer);
    doc.NewWindow();
    timer.runOut();
    store.flush();
    fs::path first = store.files().copy;
    EXPECT_EQ(first, mine.copy);
    doc.FileName = (scratch / "jina.scn").string();  // the document now stands for another file
    doc.NewWindow();
    timer.runOut();
    store.flush();
    EXPECT_FALSE(fs::exists(first));
    EXPECT_EQ(filesIn(dir).size(), 2u);
}

TEST_F(RecoveryTest, LeftoverOfAnEditorThatEndedIsRestoredAndAdopted) {
    doc.FileName = (scratch / "hra.scn").string();
    {
        RecoveryStore crashed(doc, dir, kGone, timer);
        doc.Show(doc.Windows().objectAt(0));
        doc.SetField(Field::Kam, "neuložená změna"_cp);
        timer.runOut();
        crashed.flush();
        // A crash leaves the files; here they are put back after the store's normal end.
        fs::copy(dir, scratch / "kept");
    }
    fs::remove_all(dir);
    fs::rename(scratch / "kept", dir);
    std::string expected = ScenarioBytes(doc);

    auto running = [](const RecoveryOwner& o) { return o == kOther; };
    EXPECT_TRUE(FindLeftovers(dir, [](const RecoveryOwner&) { return true; }).empty())
        << "a copy of a running editor is not offered";
    std::vector<RecoveryLeftover> leftovers = FindLeftovers(dir, running);
    ASSERT_EQ(leftovers.size(), 1u);
    EXPECT_EQ(leftovers[0].displayName(), "hra.scn");

    EditorDocument fresh;
    fresh.CreateStartupScenario();
    ManualTimer freshTimer;
    RecoveryStore store(fresh, dir, kOther, freshTimer);
    ASSERT_TRUE(RestoreLeftover(fresh, leftovers[0], {}).ok());
    EXPECT_EQ(fresh.FileName, doc.FileName);
    EXPECT_TRUE(fresh.Modified());
    EXPECT_EQ(ScenarioBytes(fresh), expected);

    store.adopt(leftovers[0]);
    store.flush();
    EXPECT_FALSE(fs::exists(leftovers[0].files.copy));
    EXPECT_EQ(readFileBytes(store.files().copy), expected);
    EXPECT_TRUE(FindLeftovers(dir, running).empty());
}

TEST_F(RecoveryTest, UnreadableCopyIsReportedAndKept) {
    RecoveryFiles files = RecoveryFilesFor(dir, kGone, "/hry/hra.scn");
    RecoveryRecord record{"/hry/hra.scn", "Hra", false, kGone};
    scratch.write("obnova/" + files.record.filename().string(), RecordBytes(record));
    scratch.write("obnova/" + files.copy.filename().string(), "toto není scénář"_cp);
    scratch.write("obnova/1-2-00000000000000ff.rec", "poškozený záznam"_cp);

    std::vector<RecoveryLeftover> leftovers = FindLeftovers(dir, [](auto&) { return false; });
    ASSERT_EQ(leftovers.size(), 2u);
    EXPECT_TRUE(leftovers[0].damaged);
    EditorDocument target;
    target.CreateStartupScenario();
    std::string before = ScenarioBytes(target);
    for (const RecoveryLeftover& leftover : leftovers) {
        OpenResult result = RestoreLeftover(target, leftover, {});
        EXPECT_FALSE(result.ok());
        EXPECT_FALSE(result.message.empty());
    }
    EXPECT_EQ(ScenarioBytes(target), before);
    EXPECT_FALSE(target.Modified());
    EXPECT_EQ(filesIn(dir).size(), 3u) << "nothing is deleted";
}

TEST_F(RecoveryTest, EncodedScenarioIsCopiedEncodedAndNeedsItsPassword) {
    Writable(doc.Settings()).Encode = true;
    Writable(doc.Settings()).Password = "tajne";
    doc.FileName = (scratch / "tajna.scn").string();
    RecoveryStore store(doc, dir, kGone, timer);
    doc.SetField(Field::Kam, "tajná chodba"_cp);
    timer.runOut();
    store.flush();
    std::string copy = *readFileBytes(store.files().copy);
    EXPECT_EQ(copy.find("tajn"), std::string::npos) << "the copy is scrambled";
    EXPECT_NE(copy.find("kódovaný"_cp), std::string::npos);

    std::vector<RecoveryLeftover> leftovers = FindLeftovers(dir, [](auto&) { return false; });
    ASSERT_EQ(leftovers.size(), 1u);
    EXPECT_TRUE(leftovers[0].record.encoded);
    EditorDocument fresh;
    EXPECT_EQ(RestoreLeftover(fresh, leftovers[0], [] { return std::string("spatne"); }).status,
              OpenStatus::WrongPassword);
    ASSERT_TRUE(RestoreLeftover(fresh, leftovers[0], [] { return std::string("tajne"); }).ok());
    EXPECT_EQ(ScenarioBytes(fresh), ScenarioBytes(doc));
}

TEST(RecoveryOwnerTest, OnlyTheProcessItselfCountsAsRunning) {
    RecoveryOwner me = CurrentOwner();
    EXPECT_TRUE(OwnerRuns(me));
    RecoveryOwner later = me;
    ++later.started;
    EXPECT_FALSE(OwnerRuns(later)) << "another process that got the same number";
    RecoveryOwner otherBoot = me;
    otherBoot.boot = "jiny";
    EXPECT_FALSE(OwnerRuns(otherBoot));

    pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(OwnerRuns({child, me.started, me.boot}));
}

}  // namespace
}  // namespace vek::editor
