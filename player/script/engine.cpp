// Script runs: every line's condition first, then the accepted action parts; READ lines, the
// end of a game, the main cycle and the intro.
#include "player/script/engine.h"

#include <string>
#include <vector>

#include "common/cp1250.h"
#include "player/script/script_text.h"

namespace vek::player {

struct ScriptEngine::RunState {
    std::vector<std::string> pending;  // accepted action parts not yet executed
    bool cleared = false;              // the pane was cleared for this run (or is not to be)
    EndState end = EndState::None;
};

namespace {

// The "]" that matches the "[" at the start of `line` (square brackets nest).
std::size_t matchingBracket(std::string_view line) {
    int depth = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '[')
            ++depth;
        else if (line[i] == ']' && --depth == 0)
            return i;
    }
    return std::string_view::npos;
}

}  // namespace

int ScriptEngine::RunScript(EventKind kind, const StringList& script, bool clear) {
    if (script.empty())
        return 0;
    // A copy: a wait inside the run lets the shell go on, and nothing it does may pull the
    // lines from under the run.
    const std::vector<std::string> lines = script.items();
    RunState run;
    run.cleared = !clear;
    state_.NoneHeld = true;
    state_.LastResult = true;

    for (const std::string& line : lines)
        readLine(line, kind, run);
    int executed = executePending(kind, run);

    if (kind != EventKind::MainCycle && executed > 0)
        host_.MemoCaretToStart();
    if (run.end != EndState::None && kind != EventKind::Loss && kind != EventKind::Win)
        endGame(run.end);
    return executed;
}

void ScriptEngine::readLine(std::string_view line, EventKind kind, RunState& run) {
    line = line.substr(0, line.find('&'));
    state_.LineNegated = !line.empty() && line.front() == '!';
    if (state_.LineNegated)
        line.remove_prefix(1);

    std::string_view condition, action = line;
    if (!line.empty() && line.front() == '[') {
        std::size_t close = matchingBracket(line);
        if (close != std::string_view::npos && line.size() - close - 1 >= 2) {
            condition = line.substr(1, close - 1);
            action = line.substr(close + 1);
        }
    }

    if (startsWithAscii(action, "READ(S")) {
        executePending(kind, run);
        readInput(action);
        return;
    }

    bool outcome = EvaluateCondition(condition, kind) != state_.LineNegated;
    state_.LastResult = outcome;
    if (!outcome)
        return;
    run.pending.emplace_back(action);
    if (!condition.empty())
        state_.NoneHeld = false;
}

int ScriptEngine::executePending(EventKind kind, RunState& run) {
    std::vector<std::string> todo;
    todo.swap(run.pending);
    for (const std::string& action : todo) {
        if (!run.cleared) {
            host_.ClearMemo();
            run.cleared = true;
        }
        ExecuteStatements(action, kind, run.end);
    }
    return static_cast<int>(todo.size());
}

void ScriptEngine::readInput(std::string_view action) {
    auto number = parseDecimal32(action.substr(6, 2));
    if (!number || *number < 0 || *number >= static_cast<int>(kStringVarCount))
        return;
    std::string& variable = world_.StringVars[static_cast<std::size_t>(*number)];
    host_.ClearDotazEdit();

    if (action.size() > 8 && action[8] == ')') {
        host_.ShowDotazEdit();
        state_.ReadLineMode = true;
        host_.WaitWhile([this] { return state_.ReadLineMode; });
        state_.ReadLineMode = false;
        std::string text = host_.DotazEditText();
        std::erase(text, '*');
        variable = text;
    } else if (action.size() >= 12 && action.substr(8, 4) == ",key") {
        state_.ReadKeyMode = true;
        host_.SetMainBoxVisible(false);
        host_.WaitWhile([this] { return state_.ReadKeyMode; });
        state_.ReadKeyMode = false;
        variable = host_.DotazEditText().substr(0, 1);
    }
}

void ScriptEngine::endGame(EndState end) {
    if (end == EndState::Lost && !world_.LoseText.empty())
        RunScript(EventKind::Loss, world_.LoseText, false);
    else if (end == EndState::Won && !world_.WinText.empty())
        RunScript(EventKind::Win, world_.WinText, false);

    state_.ReadKeyMode = true;
    host_.SetMainBoxVisible(false);
    world_.CycleActive = false;
    host_.WaitWhile([this] { return state_.ReadKeyMode; });
    state_.ReadKeyMode = false;

    host_.ClearMemo();
    host_.SetMainBoxVisible(true);
    state_.ActionAborted = true;
    host_.EndGame();
}

bool ScriptEngine::MainCycleStep() {
    if (!world_.CycleActive || !host_.CycleMayRun())
        return false;
    // A cycle run that waits would otherwise gain one nested run per interval for as long as
    // the player does not answer.
    if (cycleRunning_)
        return false;
    if (++world_.CycleCounter < world_.CycleInterval)
        return false;

    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(cycleRunning_);
    RunScript(EventKind::MainCycle, world_.CycleText, false);
    world_.CycleCounter = 0;
    sound_.ClearBackgroundFinished();
    world_.CycleHasRun = true;
    return true;
}

void ScriptEngine::PlayIntro() {
    sound_.ClearBackground();
    host_.Report("Playing intro");
    host_.Report("");
    RunScript(EventKind::Intro, world_.IntroText, true);
    host_.ForgetMainMenuSelection();
}

}  // namespace vek::player
