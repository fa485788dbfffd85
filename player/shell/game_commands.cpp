// The game commands: each runs its script first and gives the standard reply when the script
// did nothing.
#include "player/shell/game_commands.h"

#include "common/cp1250.h"
#include "player/shell/shell.h"
#include "player/shell/text_helpers.h"

namespace vek::player {

namespace {

// Removes the chosen entry: the one at the chosen position, unless the command's script has
// changed the list meanwhile; then the first entry of that name, if any is left.
void RemoveChosen(StringList& list, int i, const std::string& id) {
    if (i >= 0 && i < static_cast<int>(list.size()) && sameText(list[i], id))
        list.removeAt(static_cast<std::size_t>(i));
    else
        list.remove(id);
}

}  // namespace

void GameCommands::Say(const char* key) {
    shell_.ShowText(shell_.Text(key), true);
    shell_.primary_.Add(key);
}

void GameCommands::Write(const char* key) {
    shell_.ShowText(shell_.Text(key), true);
}

void GameCommands::ShowAndSpeak(const std::string& text, bool clear, const std::string& soundKey) {
    SpokenText spoken = SplitSpokenText(text);
    if (spoken.sound)
        shell_.primary_.Add(*spoken.sound);
    shell_.ShowText(spoken.text, clear);
    if (!spoken.sound && !soundKey.empty())
        shell_.primary_.Add(soundKey);
}

void GameCommands::FinishCommand() {
    if (shell_.menuState() != MenuState::SystemMenu)
        shell_.SetMenuState(MenuState::MainMenu);
    shell_.BuildMenu();
}

void GameCommands::LookAround() {
    TOkno* window = shell_.world_.CurrentWindow;
    if (!window)
        return;
    if (shell_.RunScript(EventKind::Look, window->LookScript, true) == 0)
        Write("SZnevidisnic");
    window->LookDone = true;
}

void GameCommands::GoTo(int i) {
    TOkno* here = shell_.world_.CurrentWindow;
    if (i < 0 || !here || i >= static_cast<int>(here->Paths.size()))
        return;
    std::string id = here->Paths[i];
    shell_.world_.ObjectName = id;
    TOkno* destination = shell_.world_.WindowList.Najdi(id);
    if (!destination)
        return;
    shell_.script_.state().ActionAborted = false;
    int r = shell_.RunScript(EventKind::Departure, here->DepartureScript, true);
    if (!shell_.script_.state().ActionAborted) {
        shell_.world_.PreviousWindow = here;
        shell_.world_.CurrentWindow = destination;
        shell_.world_.ObjectName.clear();
        here->DepartureDone = true;
        if (r == 0 && shell_.world_.ScenSett.RepeatWalk) {
            shell_.primary_.Add("SZjdes");
            ShowAndSpeak(shell_.Text("SZjdes") + " " + destination->Kam, true,
                         destination->SoundId);
        }
        shell_.RunScript(EventKind::Arrival, destination->ArrivalScript, r == 0);
        destination->ArrivalDone = true;
    }
    FinishCommand();
}

void GameCommands::Examine(int i) {
    if (i < 0)
        return;
    TPredmet* item = shell_.world_.ItemList.Najdi(shell_.MixedItemId(i));
    shell_.world_.CurrentItem = item;
    if (!item)
        return;
    if (shell_.RunScript(EventKind::Examine, item->ExamineScript, true) == 0)
        Write("SZnevidisnic");
    item->ExamineDone = true;
    FinishCommand();
}

void GameCommands::Take(int i) {
    const StringList& here = shell_.ItemsHere();
    if (i < 0 || i >= static_cast<int>(here.size()))
        return;
    std::string id = here[i];
    // The item leaves the window it was chosen in, also when its script has moved the player.
    std::string chosenIn = shell_.world_.CurrentWindow->Name;
    TPredmet* item = shell_.world_.ItemList.Najdi(id);
    shell_.world_.CurrentItem = item;
    if (!item)
        return;
    shell_.script_.state().ActionAborted = false;
    int r = shell_.RunScript(EventKind::Take, item->TakeScript, true);
    bool wasDone = item->TakeDone;
    item->TakeDone = true;
    if (!shell_.script_.state().ActionAborted) {
        if (item->CanTake) {
            std::uint8_t limit = shell_.world_.ScenSett.MaxItems;
            if (limit < 99 && shell_.world_.Inventory.size() >= limit) {
                item->TakeDone = wasDone;
                shell_.primary_.Add("SZnepoberes");
                Write("SZnepoberes");
            } else {
                if (TOkno* window = shell_.world_.WindowList.Najdi(chosenIn))
                    RemoveChosen(window->Items, i, id);
                shell_.world_.Inventory.add(id);
                if (r == 0 && shell_.world_.ScenSett.RepeatTake) {
                    shell_.primary_.Add("SZvzals");
                    ShowAndSpeak(shell_.Text("SZvzals") + " " + item->Co, true, item->SoundId);
                }
            }
        } else if (r == 0) {
            Say("SZnelzevzit");
        }
    }
    FinishCommand();
}

void GameCommands::PutDown(int i) {
    if (i < 0 || i >= static_cast<int>(shell_.world_.Inventory.size()))
        return;
    std::string id = shell_.world_.Inventory[i];
    TPredmet* item = shell_.world_.ItemList.Najdi(id);
    shell_.world_.CurrentItem = item;
    if (!item)
        return;
    shell_.script_.state().ActionAborted = false;
    int r = shell_.RunScript(EventKind::Put, item->PutScript, true);
    if (!shell_.script_.state().ActionAborted) {
        if (shell_.world_.CurrentWindow)
            shell_.world_.CurrentWindow->Items.add(id);
        RemoveChosen(shell_.world_.Inventory, i, id);
        if (r == 0) {
            shell_.primary_.Add("SZpolozils");
            ShowAndSpeak(shell_.Text("SZpolozils") + " " + item->Co, true, item->SoundId);
        }
    }
    item->PutDone = true;
    FinishCommand();
}

void GameCommands::Use(int i) {
    if (i < 0)
        return;
    std::string id = shell_.MixedItemId(i);
    TPredmet* item = shell_.world_.ItemList.Najdi(id);
    shell_.world_.CurrentItem = item;
    shell_.world_.ObjectName.clear();
    if (!item)
        return;
    if (item->UseOn) {
        shell_.primary_.Add("SZpouzij");
        ShowAndSpeak(shell_.Text("SZpouzij") + " " + item->Co + " " + shell_.Text("SZna"), true,
                     item->SoundId);
        shell_.primary_.Add("SZna");
        // The id as the list holds it, which %1 compares exactly.
        shell_.world_.ObjectName = id;
        shell_.SetMenuState(MenuState::UseOnList);
        shell_.BuildMenu();
        return;
    }
    if (shell_.RunScript(EventKind::Use, item->UseScript, true) == 0)
        Say("SZnelzepouzit");
    item->UseDone = true;
    FinishCommand();
}

void GameCommands::UseOnTarget(int i) {
    if (i < 0)
        return;
    std::string targetId = shell_.MixedItemId(i);
    TPredmet* first = shell_.world_.ItemList.Najdi(shell_.world_.ObjectName);
    TPredmet* target = shell_.world_.ItemList.Najdi(targetId);
    shell_.world_.ObjectName = targetId;
    shell_.world_.CurrentItem = first;
    if (!first || !target)
        return;
    if (shell_.RunScript(EventKind::UseOn, first->UseScript, true) == 0)
        Say("SZnelzepouzit");
    first->UseDone = true;
    FinishCommand();
}

void GameCommands::TalkTo(int i) {
    if (i < 0)
        return;
    TPredmet* item = shell_.world_.ItemList.Najdi(shell_.MixedItemId(i));
    shell_.world_.CurrentItem = item;
    shell_.world_.ObjectName.clear();
    if (!item)
        return;
    if (shell_.RunScript(EventKind::Talk, item->TalkScript, true) == 0)
        Say("SZneodpovida");
    item->TalkDone = true;
    FinishCommand();
}

void GameCommands::ShowList(int i) {
    if (i < 0)
        return;
    auto heading = [this](const char* key) {
        shell_.ShowText(shell_.Text(key), true);
        shell_.primary_.Add(key);
    };
    const StringList& here = shell_.ItemsHere();
    if (i == 0) {
        static const StringList kNone;
        const StringList& paths =
            shell_.world_.CurrentWindow ? shell_.world_.CurrentWindow->Paths : kNone;
        if (paths.empty()) {
            Say("SZnelzejit");
        } else {
            heading("SZmuzesjit");
            for (const std::string& id : paths)
                if (TOkno* window = shell_.world_.WindowList.Najdi(id))
                    ShowAndSpeak(window->Kam, false, window->SoundId);
        }
    } else if (i == 1) {
        if (shell_.world_.Inventory.empty()) {
            Say("SZnicnemas");
        } else {
            heading("SZmas");
            for (const std::string& id : shell_.world_.Inventory)
                if (TPredmet* item = shell_.world_.ItemList.Najdi(id))
                    ShowAndSpeak(item->Co, false, item->SoundId);
        }
    } else if (i == 2) {
        if (here.empty()) {
            Say("SZnictuneni");
        } else {
            heading("SZjetu");
            for (const std::string& id : here) {
                if (TPredmet* item = shell_.world_.ItemList.Najdi(id)) {
                    shell_.primary_.Add(item->SoundId);
                    shell_.ShowText(vek::player::DisplayName(id), false);
                }
            }
        }
    }
    shell_.SetMenuState(MenuState::MainMenu);
    shell_.BuildMenu();
}

}  // namespace vek::player
