// The game commands: each runs its script first and gives the standard reply when the script
// did nothing.
#include "player/shell/game_commands.h"

#include "common/cp1250.h"
#include "player/shell/narrator.h"
#include "player/shell/text_helpers.h"
#include "player/shell/world_lists.h"

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

void GameCommands::Queue(const char* key) {
    c_.primary.Add(c_.narrator.Said(key, Text(key)));
}

void GameCommands::Say(const char* key) {
    c_.host.ShowLine(Text(key), true, true);
    Queue(key);
}

void GameCommands::Write(const char* key) {
    c_.host.ShowLine(Text(key), true, false);
}

void GameCommands::ShowAndSpeak(const std::string& text, bool clear, const std::string& soundKey) {
    SpokenText spoken = SplitSpokenText(text);
    const std::string& key = spoken.sound ? *spoken.sound : soundKey;
    c_.host.ShowLine(spoken.text, clear, !key.empty());
    c_.primary.Add(c_.narrator.Said(key, spoken.text));
}

void GameCommands::SayWith(const char* key, const std::string& rest, const std::string& soundKey,
                           const char* afterKey) {
    Queue(key);
    std::string text = Text(key) + " " + rest;
    if (afterKey)
        text += " " + Text(afterKey);
    SpokenText spoken = SplitSpokenText(text);
    std::string sound = spoken.sound ? *spoken.sound : soundKey;
    c_.host.ShowLine(spoken.text, true, true);
    c_.primary.Add(c_.narrator.Said(sound, SplitSpokenText(rest).text));
    if (afterKey)
        Queue(afterKey);
}

void GameCommands::FinishCommand() {
    if (c_.state != MenuState::SystemMenu)
        c_.state = MenuState::MainMenu;
    c_.host.BuildMenu();
}

void GameCommands::LookAround() {
    TOkno* window = c_.world.CurrentWindow;
    if (!window)
        return;
    if (c_.host.RunScript(EventKind::Look, window->LookScript, true) == 0)
        Write("SZnevidisnic");
    window->LookDone = true;
}

void GameCommands::GoTo(int i) {
    TOkno* here = c_.world.CurrentWindow;
    if (i < 0 || !here || i >= static_cast<int>(here->Paths.size()))
        return;
    std::string id = here->Paths[i];
    c_.world.ObjectName = id;
    TOkno* destination = c_.world.WindowList.Najdi(id);
    if (!destination)
        return;
    c_.script.ActionAborted = false;
    int r = c_.host.RunScript(EventKind::Departure, here->DepartureScript, true);
    if (!c_.script.ActionAborted) {
        c_.world.PreviousWindow = here;
        c_.world.CurrentWindow = destination;
        c_.world.ObjectName.clear();
        here->DepartureDone = true;
        if (r == 0 && c_.world.ScenSett.RepeatWalk) {
            SayWith("SZjdes", destination->Kam, destination->SoundId);
        }
        c_.host.RunScript(EventKind::Arrival, destination->ArrivalScript, r == 0);
        destination->ArrivalDone = true;
    }
    FinishCommand();
}

void GameCommands::Examine(int i) {
    if (i < 0)
        return;
    TPredmet* item = c_.world.ItemList.Najdi(MixedItemId(c_.world, i));
    c_.world.CurrentItem = item;
    if (!item)
        return;
    if (c_.host.RunScript(EventKind::Examine, item->ExamineScript, true) == 0)
        Write("SZnevidisnic");
    item->ExamineDone = true;
    FinishCommand();
}

void GameCommands::Take(int i) {
    const StringList& here = ItemsHere(c_.world);
    if (i < 0 || i >= static_cast<int>(here.size()))
        return;
    std::string id = here[i];
    // The item leaves the window it was chosen in, also when its script has moved the player.
    std::string chosenIn = c_.world.CurrentWindow->Name;
    TPredmet* item = c_.world.ItemList.Najdi(id);
    c_.world.CurrentItem = item;
    if (!item)
        return;
    c_.script.ActionAborted = false;
    int r = c_.host.RunScript(EventKind::Take, item->TakeScript, true);
    bool wasDone = item->TakeDone;
    item->TakeDone = true;
    if (!c_.script.ActionAborted) {
        if (item->CanTake) {
            std::uint8_t limit = c_.world.ScenSett.MaxItems;
            if (limit < 99 && c_.world.Inventory.size() >= limit) {
                item->TakeDone = wasDone;
                Say("SZnepoberes");
            } else {
                if (TOkno* window = c_.world.WindowList.Najdi(chosenIn))
                    RemoveChosen(window->Items, i, id);
                c_.world.Inventory.add(id);
                if (r == 0 && c_.world.ScenSett.RepeatTake) {
                    SayWith("SZvzals", item->Co, item->SoundId);
                }
            }
        } else if (r == 0) {
            Say("SZnelzevzit");
        }
    }
    FinishCommand();
}

void GameCommands::PutDown(int i) {
    if (i < 0 || i >= static_cast<int>(c_.world.Inventory.size()))
        return;
    std::string id = c_.world.Inventory[i];
    TPredmet* item = c_.world.ItemList.Najdi(id);
    c_.world.CurrentItem = item;
    if (!item)
        return;
    c_.script.ActionAborted = false;
    int r = c_.host.RunScript(EventKind::Put, item->PutScript, true);
    if (!c_.script.ActionAborted) {
        if (c_.world.CurrentWindow)
            c_.world.CurrentWindow->Items.add(id);
        RemoveChosen(c_.world.Inventory, i, id);
        if (r == 0) {
            SayWith("SZpolozils", item->Co, item->SoundId);
        }
    }
    item->PutDone = true;
    FinishCommand();
}

void GameCommands::Use(int i) {
    if (i < 0)
        return;
    std::string id = MixedItemId(c_.world, i);
    TPredmet* item = c_.world.ItemList.Najdi(id);
    c_.world.CurrentItem = item;
    c_.world.ObjectName.clear();
    if (!item)
        return;
    if (item->UseOn) {
        SayWith("SZpouzij", item->Co, item->SoundId, "SZna");
        // The id as the list holds it, which %1 compares exactly.
        c_.world.ObjectName = id;
        c_.state = MenuState::UseOnList;
        c_.host.BuildMenu();
        return;
    }
    if (c_.host.RunScript(EventKind::Use, item->UseScript, true) == 0)
        Say("SZnelzepouzit");
    item->UseDone = true;
    FinishCommand();
}

void GameCommands::UseOnTarget(int i) {
    if (i < 0)
        return;
    std::string targetId = MixedItemId(c_.world, i);
    TPredmet* first = c_.world.ItemList.Najdi(c_.world.ObjectName);
    TPredmet* target = c_.world.ItemList.Najdi(targetId);
    c_.world.ObjectName = targetId;
    c_.world.CurrentItem = first;
    if (!first || !target)
        return;
    if (c_.host.RunScript(EventKind::UseOn, first->UseScript, true) == 0)
        Say("SZnelzepouzit");
    first->UseDone = true;
    FinishCommand();
}

void GameCommands::TalkTo(int i) {
    if (i < 0)
        return;
    TPredmet* item = c_.world.ItemList.Najdi(MixedItemId(c_.world, i));
    c_.world.CurrentItem = item;
    c_.world.ObjectName.clear();
    if (!item)
        return;
    if (c_.host.RunScript(EventKind::Talk, item->TalkScript, true) == 0)
        Say("SZneodpovida");
    item->TalkDone = true;
    FinishCommand();
}

void GameCommands::ShowList(int i) {
    if (i < 0)
        return;
    auto heading = [this](const char* key) {
        c_.host.ShowLine(Text(key), true, true);
        Queue(key);
    };
    const StringList& here = ItemsHere(c_.world);
    if (i == 0) {
        static const StringList kNone;
        const StringList& paths = c_.world.CurrentWindow ? c_.world.CurrentWindow->Paths : kNone;
        if (paths.empty()) {
            Say("SZnelzejit");
        } else {
            heading("SZmuzesjit");
            for (const std::string& id : paths)
                if (TOkno* window = c_.world.WindowList.Najdi(id))
                    ShowAndSpeak(window->Kam, false, window->SoundId);
        }
    } else if (i == 1) {
        if (c_.world.Inventory.empty()) {
            Say("SZnicnemas");
        } else {
            heading("SZmas");
            for (const std::string& id : c_.world.Inventory)
                if (TPredmet* item = c_.world.ItemList.Najdi(id))
                    ShowAndSpeak(item->Co, false, item->SoundId);
        }
    } else if (i == 2) {
        if (here.empty()) {
            Say("SZnictuneni");
        } else {
            heading("SZjetu");
            for (const std::string& id : here) {
                if (TPredmet* item = c_.world.ItemList.Najdi(id)) {
                    std::string name = vek::player::DisplayName(id);
                    c_.primary.Add(c_.narrator.Said(item->SoundId, name));
                    c_.host.ShowLine(name, false, true);
                }
            }
        }
    }
    c_.state = MenuState::MainMenu;
    c_.host.BuildMenu();
}

}  // namespace vek::player
