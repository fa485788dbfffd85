// The script engine's own state, shared with the key handler that ends its waits.
#pragma once

namespace vek::player {

// The number under which a script runs; it decides FIRST/NOFIRST and a few rules of the run.
enum class EventKind : int {
    Intro = 0,
    Look = 1,
    Arrival = 2,
    Departure = 3,
    Examine = 4,
    Take = 5,
    Put = 6,
    Use = 7,
    Talk = 8,
    UseOn = 9,
    MainCycle = 10,
    Loss = 11,
    Win = 12,
};

// How a run ended: set by LOSE and WIN; the last one executed decides.
enum class EndState { None, Lost, Won };

struct ScriptState {
    bool LastResult = true;  // outcome of the previous line's condition (LAST)
    bool NoneHeld = true;    // no line with a condition accepted yet (ELSE)
    bool LineNegated = false;
    // Set by NOACTION and by the end of a game; the game commands clear it before their script.
    bool ActionAborted = false;
    // A wait in progress; the key handler clears them (ReadKeyMode on any character key,
    // ReadLineMode on Enter) after putting the answer into DotazEdit.
    bool ReadKeyMode = false;
    bool ReadLineMode = false;
};

}  // namespace vek::player
