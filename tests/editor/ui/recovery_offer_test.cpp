// The question at start-up for a copy left by an editor that did not end normally.
#include "editor/ui/recovery_offer.h"

#include <gtest/gtest.h>

#include "common/cp1250_literal.h"
#include "common/scratch_dir.h"
#include "common/text_file.h"
#include "tests/common/qt/qt_app.h"
#include "tests/common/qt/recording_boxes.h"

namespace vek::editor {
namespace {

namespace fs = std::filesystem;

const RecoveryOwner kCrashed{4242, 17, "boot"};

struct RecoveryOfferTest : ::testing::Test {
    RecoveryOfferTest() { testApplication(); }
    testing::ScratchDir scratch;
    fs::path dir = scratch / "obnova";
    std::string original = (scratch / "hra.scn").string();
    EditorDocument doc;
    QtOneShotTimer timer;
    RecordingBoxes boxes;

    // What the crashed editor left: its scenario with a window "Sklep" added.
    RecoveryLeftover leave(std::string_view copyBytes = {}) {
        EditorDocument crashed;
        crashed.CreateStartupScenario();
        crashed.NewWindow();
        crashed.Rename(EntityKind::Window, "Sklep");
        RecoveryFiles files = RecoveryFilesFor(dir, kCrashed, original);
        fs::create_directories(dir);
        writeFileAtomically(files.copy, copyBytes.empty() ? ScenarioBytes(crashed) : copyBytes);
        writeFileAtomically(files.record, RecordBytes({original, "Hra", false, kCrashed}));
        return FindLeftovers(dir, [](auto&) { return false; }).at(0);
    }
};

TEST_F(RecoveryOfferTest, YesRestoresTheWorkAsTheOriginalFileModified) {
    doc.CreateStartupScenario();
    RecoveryStore store(doc, dir, CurrentOwner(), timer);
    RecoveryLeftover leftover = leave();
    OfferRecovery({leftover}, doc, store, boxes, nullptr, {});
    store.flush();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, QString::fromUtf8("Otázka"));
    EXPECT_EQ(boxes.shown[0].text,
              QString::fromUtf8("Editor nebyl řádně ukončen. Obnovit neuložené změny scénáře "
                                "„hra.scn“?"));
    EXPECT_TRUE(doc.Windows().contains("Sklep"));
    EXPECT_EQ(doc.FileName, original);
    EXPECT_TRUE(doc.Modified());
    EXPECT_FALSE(fs::exists(leftover.files.copy)) << "this editor's own copy replaces it";
    EXPECT_TRUE(fs::exists(store.files().copy));
}

TEST_F(RecoveryOfferTest, NoRemovesTheCopyAndLeavesTheDocument) {
    doc.CreateStartupScenario();
    RecoveryStore store(doc, dir, CurrentOwner(), timer);
    RecoveryLeftover leftover = leave();
    boxes.answers = {BoxAnswer::No};
    OfferRecovery({leftover}, doc, store, boxes, nullptr, {});
    EXPECT_FALSE(doc.Windows().contains("Sklep"));
    EXPECT_FALSE(doc.Modified());
    EXPECT_FALSE(fs::exists(leftover.files.copy));
    EXPECT_FALSE(fs::exists(leftover.files.record));
}

TEST_F(RecoveryOfferTest, CopyThatCannotBeReadIsReportedAndKept) {
    doc.CreateStartupScenario();
    RecoveryStore store(doc, dir, CurrentOwner(), timer);
    RecoveryLeftover leftover = leave("poškozeno"_cp);
    OfferRecovery({leftover}, doc, store, boxes, nullptr, {});
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].caption, QString::fromUtf8("Chyba"));
    EXPECT_TRUE(boxes.shown[1].text.contains(QString::fromStdString(leftover.files.copy.string())));
    EXPECT_FALSE(doc.Modified());
    EXPECT_TRUE(fs::exists(leftover.files.copy));
    EXPECT_TRUE(fs::exists(leftover.files.record));
}

}  // namespace
}  // namespace vek::editor
