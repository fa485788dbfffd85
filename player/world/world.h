// The player's model of one loaded scenario and of the game being played in it. Everything that
// points from one object to another does so by name, resolved through the two object lists when
// used; a name that resolves to nothing is skipped by whoever uses it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/string_list.h"

namespace vek::player {

// One window (location).
class TOkno {
  public:
    std::string Name;
    std::string Kam;      // the name as spoken after "Jdeš"; empty = none
    std::string SoundId;  // sound entry speaking the name; empty = none
    StringList LookScript;
    StringList ArrivalScript;
    StringList DepartureScript;
    StringList Paths;  // window names, in menu order
    StringList Items;  // item names lying here, in menu order
    StringList Music;  // sound names; loaded and changed by scripts, never played
    bool LookDone = false;
    bool ArrivalDone = false;
    bool DepartureDone = false;
};

// One item or character.
class TPredmet {
  public:
    std::string Name;
    std::string Co;       // the name as used after "Vzal jsi"; never empty after loading
    std::string SoundId;  // sound entry speaking the name; empty = none
    StringList ExamineScript;
    StringList TakeScript;
    StringList PutScript;
    StringList UseScript;  // plain use and use-on
    StringList TalkScript;
    bool CanTake = false;
    bool UseOn = false;  // using it asks for a second item
    bool IsCharacter = false;
    bool ExamineDone = false;
    bool TakeDone = false;
    bool PutDone = false;
    bool UseDone = false;
    bool TalkDone = false;
};

// Name-to-object list that owns its objects; lookups ignore letter case, the first match wins.
template <typename T>
class TObjectList {
  public:
    std::size_t size() const { return list_.size(); }
    bool empty() const { return list_.empty(); }
    T* at(std::size_t i) const { return list_.objectAt(i); }
    const std::string& nameAt(std::size_t i) const { return list_.nameAt(i); }
    T* Najdi(std::string_view name) const { return list_.find(name); }
    void Vycisti() { list_.clear(); }

  protected:
    // Appends under the object's Name; a missing object is ignored. Names are not checked.
    T* add(std::unique_ptr<T> object) {
        if (!object)
            return nullptr;
        std::string name = object->Name;
        return list_.add(std::move(name), std::move(object));
    }
    bool del(std::string_view name) { return list_.remove(name); }

  private:
    NamedList<T> list_;
};

class TSeznamOken : public TObjectList<TOkno> {
  public:
    TOkno* AddOkno(std::unique_ptr<TOkno> window) { return add(std::move(window)); }
    bool DelOkno(std::string_view name) { return del(name); }
};

class TSeznamPredmetu : public TObjectList<TPredmet> {
  public:
    TPredmet* AddPredmet(std::unique_ptr<TPredmet> item) { return add(std::move(item)); }
    bool DelPredmet(std::string_view name) { return del(name); }
};

// Scenario settings.
struct TScenSett {
    std::uint8_t MaxItems = 99;  // 99 or more: no limit
    std::string ScenarioName;
    std::string StartWindow;
    bool TalkToItems = true;  // kept from the file, not consulted by the player
    bool RepeatWalk = true;   // announce moves no departure script handled
    bool RepeatTake = true;   // announce taking no take script handled
};

inline constexpr std::size_t kSwitchCount = 100;
inline constexpr std::size_t kCounterCount = 100;
inline constexpr std::size_t kStringVarCount = 20;
inline constexpr std::size_t kTimerCount = 20;
inline constexpr std::size_t kMainCommandCount = 9;
// A running timer that would pass this value starts again at 1.
inline constexpr std::int32_t kTimerLimit = 2147483547;

// The whole game in progress: one instance, owned by the player.
class GameState {
  public:
    TSeznamOken WindowList;
    TSeznamPredmetu ItemList;
    StringList Inventory;  // "C" in scripts

    TOkno* CurrentWindow = nullptr;   // "A" in scripts; not owned
    TOkno* PreviousWindow = nullptr;  // "B" in scripts; none until the first move
    TPredmet* CurrentItem = nullptr;  // the item whose event script runs or last ran
    std::string ObjectName;           // what "%1" tests

    std::array<bool, kSwitchCount> Switches{};
    std::array<std::uint8_t, kCounterCount> Counters{};
    std::array<std::string, kStringVarCount> StringVars;
    std::array<std::int32_t, kTimerCount> Timers{};  // seconds; 0 = stopped

    StringList IntroText;
    StringList WinText;
    StringList LoseText;
    StringList CycleText;

    TScenSett ScenSett;

    bool CycleActive = false;
    std::int32_t CycleInterval = 1;  // in 100 ms ticks
    std::int32_t CycleCounter = 0;
    bool CycleHasRun = false;

    std::array<bool, kMainCommandCount> MainCommandEnabled = {true, true, true, true, true,
                                                              true, true, true, true};

    // The initial state a new game puts the model in before loading.
    void ResetForNewGame();
    // Once per wall-clock second: every running timer (above 0) counts one up.
    void AdvanceTimers();
    // Drops every window and item, and with them the references into them.
    void ClearObjects();
};

}  // namespace vek::player
