// The game commands: each runs the script of its window or item first and gives the standard
// reply when the script did nothing.
#pragma once

#include <string>
#include <string_view>

#include "common/string_list.h"
#include "player/script/engine.h"
#include "player/shell/menu_state.h"
#include "player/sound/queue.h"
#include "player/sound/sound_list.h"
#include "player/world/world.h"

namespace vek::player {

class Narrator;

// The shell as the game commands use it.
class GameCommandsHost {
  public:
    virtual ~GameCommandsHost() = default;
    virtual int RunScript(EventKind kind, const StringList& script, bool clear) = 0;
    // ShowText of the text pane; `said`: a recording queued with the text says it.
    virtual bool ShowLine(const std::string& text, bool clear, bool said) = 0;
    virtual void BuildMenu() = 0;
};

// What the game commands work with; the shell owns all of it.
struct GameCommandsContext {
    GameCommandsHost& host;
    MenuState& state;
    GameState& world;
    ScriptState& script;
    TZvukFronta& primary;
    const SystemTexts& texts;
    Narrator& narrator;
};

class GameCommands {
  public:
    explicit GameCommands(GameCommandsContext context) : c_(context) {}
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
    // Queues the system text `key` with its text as the voice's stand-in.
    void Queue(const char* key);
    void Say(const char* key);
    void Write(const char* key);
    // ShowAndSpeak of the text of `key`, a space, `rest` (and a space and the text of
    // `afterKey`), with `key` queued before (and `afterKey` after): the voice stands in for each
    // recording with its own part of the text.
    void SayWith(const char* key, const std::string& rest, const std::string& soundKey,
                 const char* afterKey = nullptr);
    void FinishCommand();
    std::string Text(const char* key) const { return c_.texts.text(key); }

    GameCommandsContext c_;
};

}  // namespace vek::player
