// A scenario played through its scripts with scripted answers, compared with the expected text
// pane after every step.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "player/world/loader.h"
#include "script_fakes.h"

namespace vek::player::testing {
namespace {

std::string readData(const std::string& name) {
    std::ifstream in(std::string(VEK_TEST_DATA) + "/script/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Walk : public EngineFixture {
  public:
    std::string transcript;

    void step(const std::string& name) {
        transcript += "> " + name + "\r\n";
        for (const std::string& line : host.memo)
            transcript += line + "\r\n";
    }
    TPredmet* select(const char* item) {
        world.CurrentItem = world.ItemList.Najdi(item);
        return world.CurrentItem;
    }
};

TEST(ScriptWalk, KitchenScenarioPlaysAsWritten) {
    Walk w;
    ASSERT_TRUE(LoadWorld(std::string(VEK_TEST_DATA) + "/script/kuchyne.scn", w.world, {w.host}));
    w.host.answers = {"honza", " ", " "};

    w.engine.PlayIntro();
    w.step("intro");

    TOkno* kuchyn = w.world.CurrentWindow;
    ASSERT_NE(kuchyn, nullptr);
    w.engine.RunScript(EventKind::Departure, kuchyn->ArrivalScript, true);
    kuchyn->ArrivalDone = true;
    w.step("start");
    EXPECT_EQ(w.sound.calls,
              std::vector<std::string>({"bg clear", "bg trouba loop delay 0 vol 50x50"}));

    w.engine.MainCycleStep();
    w.engine.MainCycleStep();
    w.step("cycle x2");

    w.engine.RunScript(EventKind::Look, kuchyn->LookScript, true);
    w.step("look");

    w.engine.RunScript(EventKind::Use, w.select("chleba")->UseScript, true);
    w.step("use chleba");

    w.engine.RunScript(EventKind::Look, kuchyn->LookScript, true);
    w.step("look");

    w.world.PreviousWindow = kuchyn;
    w.world.CurrentWindow = w.world.WindowList.Najdi("sp\xED\x9E");
    w.engine.RunScript(EventKind::Arrival, w.world.CurrentWindow->ArrivalScript, true);
    w.step("go Sp\xED\x9E");

    for (int i = 0; i < 3; ++i) {
        // The last one loses: the pane is seen while the game waits for its final key.
        if (i == 2)
            w.host.duringWait = [&w] { w.step("examine chleba"); };
        TPredmet* chleba = w.select("chleba");
        w.engine.RunScript(EventKind::Examine, chleba->ExamineScript, true);
        chleba->ExamineDone = true;
        if (i < 2)
            w.step("examine chleba");
    }
    w.step("after the key");
    EXPECT_EQ(w.transcript, readData("kuchyne.expected"));
    EXPECT_EQ(w.host.endGameCalls, 1);
    EXPECT_FALSE(w.host.gameRunning);
}

}  // namespace
}  // namespace vek::player::testing
