// The player's interaction state: what the command list shows and what keys mean. The values
// are fixed because the timer tests a numeric range of them (100 to 200: the system menu and
// its lists, where the main cycle rests).
#pragma once

#include <cstdint>
#include <string_view>

namespace vek::player {

enum class MenuState : std::uint8_t {
    Intro = 0,
    MainMenu = 1,
    GoList = 2,
    ExamineList = 3,
    TakeList = 4,
    PutList = 5,
    UseList = 6,
    TalkList = 7,
    ListMenu = 8,
    UseOnList = 20,
    SystemMenu = 100,
    LoadList = 110,
    SaveList = 111,
    ScenarioList = 112,
};

// The state's name as the transcript writes it ("MainMenu"); "?" for a value outside the table.
std::string_view menuStateName(MenuState state);

// The system menu and its lists, where the main cycle does not run.
inline bool isSystemState(MenuState state) {
    auto v = static_cast<int>(state);
    return v >= 100 && v <= 200;
}

}  // namespace vek::player
