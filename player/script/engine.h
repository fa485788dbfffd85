// The script engine: conditions, actions, script runs, READ and WAIT, the end of a game, the
// main cycle and the intro. The shell owns one engine per player and calls it from the game
// commands (RunScript), the timer (MainCycleStep) and the new-game code (PlayIntro).
#pragma once

#include <string_view>

#include "common/string_list.h"
#include "player/script/random_source.h"
#include "player/script/script_host.h"
#include "player/script/script_sound.h"
#include "player/script/script_state.h"
#include "player/world/world.h"

namespace vek::player {

class ScriptEngine {
  public:
    ScriptEngine(GameState& world, ScriptHost& host, ScriptSound& sound, RandomSource& random)
        : world_(world), host_(host), sound_(sound), random_(random) {}

    // RunScript: reads every line (comment, negation, condition), then executes the accepted
    // action parts, clearing the text pane before the first one when `clear` is set. Answers
    // how many action parts it executed (READ flushes not counted). A WIN or LOSE ends the game
    // after the run: the win or loss script, a wait for a key, then the system menu.
    int RunScript(EventKind kind, const StringList& script, bool clear);

    // EvaluateCondition: the text between a line's "[" and its matching "]"; empty holds.
    bool EvaluateCondition(std::string_view text, EventKind kind);
    // EvaluateAtom: one atom such as P01=1, IN(A,klic) or PST(50).
    bool EvaluateAtom(std::string_view atom, EventKind kind);
    // ExecuteStatements: the action part of one accepted line.
    void ExecuteStatements(std::string_view actions, EventKind kind, EndState& end);

    // The main-cycle step of every 100 ms tick; true when the cycle script ran. While a run of
    // the cycle script waits (WAIT, READ), later ticks start no further run.
    bool MainCycleStep();
    // PlayIntro: background silenced, the intro script run with the pane cleared first.
    void PlayIntro();

    ScriptState& state() { return state_; }
    const ScriptState& state() const { return state_; }
    bool cycleRunInProgress() const { return cycleRunning_; }

  private:
    struct RunState;

    void readLine(std::string_view line, EventKind kind, RunState& run);
    int executePending(EventKind kind, RunState& run);
    void readInput(std::string_view action);
    void endGame(EndState end);

    GameState& world_;
    ScriptHost& host_;
    ScriptSound& sound_;
    RandomSource& random_;
    ScriptState state_;
    bool cycleRunning_ = false;
};

}  // namespace vek::player
