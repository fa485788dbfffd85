// The game commands: each runs the script of its window or item first and gives the standard
// reply when the script did nothing.
#pragma once

#include <string>

#include "common/string_list.h"

namespace vek::player {

class PlayerShell;

class GameCommands {
  public:
    explicit GameCommands(PlayerShell& shell) : shell_(shell) {}
    GameCommands(const GameCommands&) = delete;
    GameCommands& operator=(const GameCommands&) = delete;

    // Each takes the index chosen in MainBox; a negative index does nothing.
    void LookAround();
    void GoTo(int i);
    void Examine(int i);
    void Take(int i);
    void PutDown(int i);
    void Use(int i);
    void UseOnTarget(int i);
    void TalkTo(int i);
    void ShowList(int i);

    // ShowAndSpeak: a text that may carry an embedded PLAY(name); otherwise `soundKey` is said.
    void ShowAndSpeak(const std::string& text, bool clear, const std::string& soundKey);

  private:
    void Say(const char* key);
    void Write(const char* key);
    void FinishCommand();

    PlayerShell& shell_;
};

}  // namespace vek::player
