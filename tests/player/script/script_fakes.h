// A host and a sound set that record what the engine does, and answer every wait the way the
// key handler would: the next scripted answer goes into DotazEdit and the wait flag is cleared.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "player/script/engine.h"

namespace vek::player::testing {

class FakeHost : public ScriptHost {
  public:
    std::vector<std::string> memo;     // the text pane, one entry per line
    std::vector<std::string> said;     // texts shown as said by their statement's sound
    std::vector<std::string> events;   // everything in order: "show X", "clear", "wait", ...
    std::deque<std::string> answers;   // one per wait; a blank key when none is left
    std::function<void()> duringWait;  // runs inside every wait, before it is answered
    ScriptState* state = nullptr;

    std::string dotaz;
    bool dotazVisible = false;
    bool mainBoxVisible = true;
    bool gameRunning = true;
    bool cycleMayRun = true;  // besides a running game: the main menu or a game list shows
    int endGameCalls = 0;
    int waitDepth = 0;
    int maxWaitDepth = 0;
    std::vector<std::string> reports;
    std::vector<std::string> errors;

    bool ShowSaidText(const std::string& text) override {
        said.push_back(text);
        return ShowText(text, false);
    }
    bool ShowText(const std::string& text, bool clear) override {
        if (text.find_first_not_of(' ') == std::string::npos)
            return false;
        std::string line = text;
        if (line.front() == ' ')
            line.erase(0, 1);
        if (line.back() == ' ')
            line.pop_back();
        if (clear)
            ClearMemo();
        memo.push_back(line);
        events.push_back("show " + line);
        return true;
    }
    void ClearMemo() override {
        memo.clear();
        events.push_back("clear");
    }
    void MemoCaretToStart() override { events.push_back("caret"); }
    void SetMainBoxVisible(bool visible) override {
        mainBoxVisible = visible;
        events.push_back(visible ? "mainbox shown" : "mainbox hidden");
    }
    void ClearDotazEdit() override {
        dotaz.clear();
        events.push_back("dotaz cleared");
    }
    void ShowDotazEdit() override { dotazVisible = true; }
    std::string DotazEditText() const override { return dotaz; }

    void WaitWhile(const std::function<bool()>& waiting) override {
        if (!waiting())
            return;
        events.push_back("wait");
        ++waitDepth;
        maxWaitDepth = std::max(maxWaitDepth, waitDepth);
        if (duringWait)
            duringWait();
        std::string answer = answers.empty() ? " " : answers.front();
        if (!answers.empty())
            answers.pop_front();
        if (state->ReadLineMode) {
            dotaz = answer;
            dotazVisible = false;
            state->ReadLineMode = false;
        }
        if (state->ReadKeyMode) {
            mainBoxVisible = true;
            dotaz = answer.substr(0, 1);
            state->ReadKeyMode = false;
        }
        --waitDepth;
    }

    bool CycleMayRun() const override { return gameRunning && cycleMayRun; }
    void EndGame() override {
        gameRunning = false;
        ++endGameCalls;
    }
    void ForgetMainMenuSelection() override { events.push_back("forget selection"); }
    void Report(std::string_view line) override { reports.emplace_back(line); }
    void ShowError(const std::string& caption, const std::string& text) override {
        errors.push_back(caption + ": " + text);
    }
};

class FakeSound : public ScriptSound {
  public:
    std::vector<std::string> calls;
    std::set<std::string> playing;
    std::set<std::string> finished;

    std::vector<std::string> said;  // what each queued or started sound says, when anything

    void QueuePrimary(const std::string& item, std::string_view says) override {
        calls.push_back("primary " + item);
        note(says);
    }
    void QueueSecondary(const std::string& item, std::string_view says) override {
        calls.push_back("secondary " + item);
        note(says);
    }
    void StopPrimaryUpTo(int level) override {
        calls.push_back("stop primary " + std::to_string(level));
    }
    void StopSecondaryUpTo(int level) override {
        calls.push_back("stop secondary " + std::to_string(level));
    }
    void BackgroundAddNew(const std::string& name, bool loop, int delay, std::string_view vol,
                          std::string_view says) override {
        calls.push_back("bg " + name + (loop ? " loop" : " once") + " delay " +
                        std::to_string(delay) + " vol " + std::string(vol));
        note(says);
    }
    void note(std::string_view says) {
        if (!says.empty())
            said.emplace_back(says);
    }
    void BackgroundStop(std::string_view name) override {
        calls.push_back("bg stop " + std::string(name));
    }
    void BackgroundStopAll() override { calls.push_back("bg stop all"); }
    void BackgroundFadeOut(std::string_view name, std::string_view fade) override {
        calls.push_back("bg fade " + std::string(name) + " " + std::string(fade));
    }
    bool BackgroundPlaying(std::string_view name) const override {
        return playing.contains(std::string(name));
    }
    bool BackgroundFinished(std::string_view name) const override {
        return finished.contains(std::string(name));
    }
    void ClearBackgroundFinished() override { finished.clear(); }
    void ClearBackground() override { calls.push_back("bg clear"); }
};

// A small world and an engine over it.
struct EngineFixture {
    GameState world;
    FakeHost host;
    FakeSound sound;
    SeededRandomSource random{42};
    ScriptEngine engine{world, host, sound, random};

    EngineFixture() { host.state = &engine.state(); }

    TOkno* window(const std::string& name) {
        auto w = std::make_unique<TOkno>();
        w->Name = name;
        return world.WindowList.AddOkno(std::move(w));
    }
    TPredmet* item(const std::string& name, bool canTake = true) {
        auto p = std::make_unique<TPredmet>();
        p->Name = name;
        p->Co = name;
        p->CanTake = canTake;
        return world.ItemList.AddPredmet(std::move(p));
    }
    int run(std::vector<std::string> lines, EventKind kind = EventKind::Examine,
            bool clear = false) {
        return engine.RunScript(kind, StringList(std::move(lines)), clear);
    }
    void act(std::string_view actions) {
        EndState end = EndState::None;
        engine.ExecuteStatements(actions, EventKind::Examine, end);
    }
    bool holds(std::string_view condition, EventKind kind = EventKind::Examine) {
        return engine.EvaluateCondition(condition, kind);
    }
};

}  // namespace vek::player::testing
