// The game commands: each runs its script first and gives the standard reply when the script
// did nothing.
#include "player/shell/shell.h"

#include "common/cp1250.h"
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

int PlayerShell::RunScript(EventKind kind, const StringList& script, bool clear) {
    readCleared_ = false;
    return script_.RunScript(kind, script, clear);
}

void PlayerShell::Say(const char* key) {
    ShowText(Text(key), true);
    primary_.Add(key);
}

void PlayerShell::Write(const char* key) {
    ShowText(Text(key), true);
}

void PlayerShell::ShowAndSpeak(const std::string& text, bool clear, const std::string& soundKey) {
    SpokenText spoken = SplitSpokenText(text);
    if (spoken.sound)
        primary_.Add(*spoken.sound);
    ShowText(spoken.text, clear);
    if (!spoken.sound && !soundKey.empty())
        primary_.Add(soundKey);
}

void PlayerShell::FinishCommand() {
    if (menuState_ != MenuState::SystemMenu)
        menuState_ = MenuState::MainMenu;
    BuildMenu();
}

void PlayerShell::LookAround() {
    TOkno* window = world_.CurrentWindow;
    if (!window)
        return;
    if (RunScript(EventKind::Look, window->LookScript, true) == 0)
        Write("SZnevidisnic");
    window->LookDone = true;
}

void PlayerShell::GoTo(int i) {
    TOkno* here = world_.CurrentWindow;
    if (i < 0 || !here || i >= static_cast<int>(here->Paths.size()))
        return;
    std::string id = here->Paths[i];
    world_.ObjectName = id;
    TOkno* destination = world_.WindowList.Najdi(id);
    if (!destination)
        return;
    script_.state().ActionAborted = false;
    int r = RunScript(EventKind::Departure, here->DepartureScript, true);
    if (!script_.state().ActionAborted) {
        world_.PreviousWindow = here;
        world_.CurrentWindow = destination;
        world_.ObjectName.clear();
        here->DepartureDone = true;
        if (r == 0 && world_.ScenSett.RepeatWalk) {
            primary_.Add("SZjdes");
            ShowAndSpeak(Text("SZjdes") + " " + destination->Kam, true, destination->SoundId);
        }
        RunScript(EventKind::Arrival, destination->ArrivalScript, r == 0);
        destination->ArrivalDone = true;
    }
    FinishCommand();
}

void PlayerShell::Examine(int i) {
    if (i < 0)
        return;
    TPredmet* item = world_.ItemList.Najdi(MixedItemId(i));
    world_.CurrentItem = item;
    if (!item)
        return;
    if (RunScript(EventKind::Examine, item->ExamineScript, true) == 0)
        Write("SZnevidisnic");
    item->ExamineDone = true;
    FinishCommand();
}

void PlayerShell::Take(int i) {
    const StringList& here = ItemsHere();
    if (i < 0 || i >= static_cast<int>(here.size()))
        return;
    std::string id = here[i];
    // The item leaves the window it was chosen in, also when its script has moved the player.
    std::string chosenIn = world_.CurrentWindow->Name;
    TPredmet* item = world_.ItemList.Najdi(id);
    world_.CurrentItem = item;
    if (!item)
        return;
    script_.state().ActionAborted = false;
    int r = RunScript(EventKind::Take, item->TakeScript, true);
    bool wasDone = item->TakeDone;
    item->TakeDone = true;
    if (!script_.state().ActionAborted) {
        if (item->CanTake) {
            std::uint8_t limit = world_.ScenSett.MaxItems;
            if (limit < 99 && world_.Inventory.size() >= limit) {
                item->TakeDone = wasDone;
                primary_.Add("SZnepoberes");
                Write("SZnepoberes");
            } else {
                if (TOkno* window = world_.WindowList.Najdi(chosenIn))
                    RemoveChosen(window->Items, i, id);
                world_.Inventory.add(id);
                if (r == 0 && world_.ScenSett.RepeatTake) {
                    primary_.Add("SZvzals");
                    ShowAndSpeak(Text("SZvzals") + " " + item->Co, true, item->SoundId);
                }
            }
        } else if (r == 0) {
            Say("SZnelzevzit");
        }
    }
    FinishCommand();
}

void PlayerShell::PutDown(int i) {
    if (i < 0 || i >= static_cast<int>(world_.Inventory.size()))
        return;
    std::string id = world_.Inventory[i];
    TPredmet* item = world_.ItemList.Najdi(id);
    world_.CurrentItem = item;
    if (!item)
        return;
    script_.state().ActionAborted = false;
    int r = RunScript(EventKind::Put, item->PutScript, true);
    if (!script_.state().ActionAborted) {
        if (world_.CurrentWindow)
            world_.CurrentWindow->Items.add(id);
        RemoveChosen(world_.Inventory, i, id);
        if (r == 0) {
            primary_.Add("SZpolozils");
            ShowAndSpeak(Text("SZpolozils") + " " + item->Co, true, item->SoundId);
        }
    }
    item->PutDone = true;
    FinishCommand();
}

void PlayerShell::Use(int i) {
    if (i < 0)
        return;
    TPredmet* item = world_.ItemList.Najdi(MixedItemId(i));
    world_.CurrentItem = item;
    world_.ObjectName.clear();
    if (!item)
        return;
    if (item->UseOn) {
        primary_.Add("SZpouzij");
        ShowAndSpeak(Text("SZpouzij") + " " + item->Co + " " + Text("SZna"), true, item->SoundId);
        primary_.Add("SZna");
        world_.ObjectName = item->Name;
        menuState_ = MenuState::UseOnList;
        BuildMenu();
        return;
    }
    if (RunScript(EventKind::Use, item->UseScript, true) == 0)
        Say("SZnelzepouzit");
    item->UseDone = true;
    FinishCommand();
}

void PlayerShell::UseOnTarget(int i) {
    if (i < 0)
        return;
    std::string targetId = MixedItemId(i);
    TPredmet* first = world_.ItemList.Najdi(world_.ObjectName);
    TPredmet* target = world_.ItemList.Najdi(targetId);
    world_.ObjectName = targetId;
    world_.CurrentItem = first;
    if (!first || !target)
        return;
    if (RunScript(EventKind::UseOn, first->UseScript, true) == 0)
        Say("SZnelzepouzit");
    first->UseDone = true;
    FinishCommand();
}

void PlayerShell::TalkTo(int i) {
    if (i < 0)
        return;
    TPredmet* item = world_.ItemList.Najdi(MixedItemId(i));
    world_.CurrentItem = item;
    world_.ObjectName.clear();
    if (!item)
        return;
    if (RunScript(EventKind::Talk, item->TalkScript, true) == 0)
        Say("SZneodpovida");
    item->TalkDone = true;
    FinishCommand();
}

void PlayerShell::ShowList(int i) {
    if (i < 0)
        return;
    auto heading = [this](const char* key) {
        ShowText(Text(key), true);
        primary_.Add(key);
    };
    const StringList& here = ItemsHere();
    if (i == 0) {
        static const StringList kNone;
        const StringList& paths = world_.CurrentWindow ? world_.CurrentWindow->Paths : kNone;
        if (paths.empty()) {
            Say("SZnelzejit");
        } else {
            heading("SZmuzesjit");
            for (const std::string& id : paths)
                if (TOkno* window = world_.WindowList.Najdi(id))
                    ShowAndSpeak(window->Kam, false, window->SoundId);
        }
    } else if (i == 1) {
        if (world_.Inventory.empty()) {
            Say("SZnicnemas");
        } else {
            heading("SZmas");
            for (const std::string& id : world_.Inventory)
                if (TPredmet* item = world_.ItemList.Najdi(id))
                    ShowAndSpeak(item->Co, false, item->SoundId);
        }
    } else if (i == 2) {
        if (here.empty()) {
            Say("SZnictuneni");
        } else {
            heading("SZjetu");
            for (const std::string& id : here) {
                if (TPredmet* item = world_.ItemList.Najdi(id)) {
                    primary_.Add(item->SoundId);
                    ShowText(vek::player::DisplayName(id), false);
                }
            }
        }
    }
    menuState_ = MenuState::MainMenu;
    BuildMenu();
}

}  // namespace vek::player
