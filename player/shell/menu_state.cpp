#include "player/shell/menu_state.h"

namespace vek::player {

std::string_view menuStateName(MenuState state) {
    switch (state) {
        case MenuState::Intro:
            return "Intro";
        case MenuState::MainMenu:
            return "MainMenu";
        case MenuState::GoList:
            return "GoList";
        case MenuState::ExamineList:
            return "ExamineList";
        case MenuState::TakeList:
            return "TakeList";
        case MenuState::PutList:
            return "PutList";
        case MenuState::UseList:
            return "UseList";
        case MenuState::TalkList:
            return "TalkList";
        case MenuState::ListMenu:
            return "ListMenu";
        case MenuState::UseOnList:
            return "UseOnList";
        case MenuState::SystemMenu:
            return "SystemMenu";
        case MenuState::LoadList:
            return "LoadList";
        case MenuState::SaveList:
            return "SaveList";
        case MenuState::ScenarioList:
            return "ScenarioList";
    }
    return "?";
}

}  // namespace vek::player
