// The player's main window without a toolkit. It owns the controls' models, the sound objects,
// the world and the script engine, runs start-up, the 100 ms timer, the command lists and a new
// game, and composes the key map with its MenuState machine (key_map.h), the game commands
// (game_commands.h) and the saved positions (saved_positions.h). A view (view.h) mirrors its
// state on screen; the Qt window and the walkthrough runner both drive it through the handlers
// below, exactly as a window delivers keys: FormKeyDown with the virtual key code, then, for a
// key that produces a character, FormKeyPress with that character (code page 1250).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/windows_keys.h"
#include "player/script/engine.h"
#include "player/script/random_source.h"
#include "player/script/scenario_sounds.h"
#include "player/script/script_host.h"
#include "player/script/script_sound.h"
#include "player/shell/clock.h"
#include "player/shell/config.h"
#include "player/shell/game_commands.h"
#include "player/shell/key_map.h"
#include "player/shell/menu_state.h"
#include "player/shell/narrator.h"
#include "player/shell/options.h"
#include "player/shell/saved_positions.h"
#include "player/shell/startup.h"
#include "player/shell/view.h"
#include "player/sound/background.h"
#include "player/sound/queue.h"
#include "player/sound/sound_box.h"
#include "player/sound/sound_env.h"
#include "player/sound/sound_list.h"
#include "player/world/world.h"

namespace vek {
class SoundDevice;
class SoundObserver;
}  // namespace vek

namespace vek::player {

struct ShellSetup {
    ShellView& view;
    SoundDevice& device;
    const Clock& clock;
    std::optional<std::uint32_t> seed;  // random source of probability conditions; none: clock
    bool trace = false;                 // Report writes report.txt
    std::string scenarioArgument;       // the first command-line argument, or empty
    std::string programPath;            // not empty: the sounds' base for this run (game_dir.h)
    SoundObserver* observer = nullptr;  // hears what the queues and the background start
    SpeechSynthesizer* synthesizer = nullptr;  // the synthetic voice; none: the system's
};

// The shell implements the narrow hosts of its parts privately: each part sees only what its
// host and context give it.
class PlayerShell : public ScriptHost,
                    private KeyMapHost,
                    private GameCommandsHost,
                    private SavedPositionsHost {
  public:
    explicit PlayerShell(ShellSetup setup);
    ~PlayerShell() override;
    PlayerShell(const PlayerShell&) = delete;
    PlayerShell& operator=(const PlayerShell&) = delete;

    // Window creation: InitPlayer, the scenario name, the system menu. Errors are shown once and
    // the player goes on (silent when the sound output failed).
    void FormCreate();
    // Window closing: queues and background stopped, configuration written, sound closed. Ends
    // every wait a script is in, so nested loops unwind.
    void FormClose();

    // Every key: its virtual key code and the modifiers held. Answers the key code left for the
    // focused control (0 = swallowed). The shell moves the list selection itself (Up, Down,
    // Home, End, Page Up, Page Down); a view must not move it again.
    int FormKeyDown(int key, unsigned shift = ShiftNone);
    // Every key that produces a character, after FormKeyDown (also when that swallowed the key).
    // Answers the character left for the focused control ('*' = consumed). A character left
    // while the entry field has the focus is typed into it by the shell (8 deletes the last
    // one). The list never searches by typed letters.
    char FormKeyPress(char ch);
    // The 100 ms timer.
    void Timer1Timer();

    const MainBoxModel& mainBox() const { return mainBox_; }
    const MainMemoModel& mainMemo() const { return mainMemo_; }
    const DotazEditModel& dotazEdit() const { return dotazEdit_; }
    MenuState menuState() const { return menuState_; }
    bool quitRequested() const { return keys_.quitRequested(); }
    bool gameRunning() const { return gameRunning_; }
    bool readLineMode() const { return script_.state().ReadLineMode; }
    bool readKeyMode() const { return script_.state().ReadKeyMode; }
    // Neither queue plays or holds anything and no pause runs.
    bool soundIdle() const;
    const std::string& scenarioFileName() const { return scenarioFileName_; }
    TOptionsForm& options() { return options_; }
    const VolumeSettings& volumes() const { return volumes_; }
    GameState& world() { return world_; }
    const SystemTexts& systemTexts() const { return systemTexts_; }

    // The command lists: BuildMenu refills MainBox for the current MenuState.
    void BuildMenu() override;
    std::string DisplayName(std::string_view id) const;
    void ShowAndSpeak(const std::string& text, bool clear, const std::string& soundKey) {
        commands_.ShowAndSpeak(text, clear, soundKey);
    }

    // Game commands, each taking the selected index; a negative index does nothing.
    void LookAround() { commands_.LookAround(); }
    void GoTo(int i) { commands_.GoTo(i); }
    void Examine(int i) { commands_.Examine(i); }
    void Take(int i) { commands_.Take(i); }
    void PutDown(int i) { commands_.PutDown(i); }
    void Use(int i) { commands_.Use(i); }
    void UseOnTarget(int i) { commands_.UseOnTarget(i); }
    void TalkTo(int i) { commands_.TalkTo(i); }
    void ShowList(int i) { commands_.ShowList(i); }

    // Saved positions: slots 0-9, 10 the automatic save.
    void SavePosition(int slot) { positions_.SavePosition(slot); }
    void LoadPosition(int slot) { positions_.LoadPosition(slot); }

    void NewGame() override;

    // ScriptHost
    void Report(std::string_view line) override;
    void ShowError(const std::string& caption, const std::string& text) override;
    bool ShowText(const std::string& text, bool clear) override;
    bool ShowSaidText(const std::string& text) override;
    void ClearMemo() override;
    void MemoCaretToStart() override;
    void SetMainBoxVisible(bool visible) override;
    void ClearDotazEdit() override;
    void ShowDotazEdit() override;
    std::string DotazEditText() const override { return dotazEdit_.text; }
    void WaitWhile(const std::function<bool()>& waiting) override;
    bool CycleMayRun() const override;
    void EndGame() override;
    void ForgetMainMenuSelection() override { keys_.ForgetMainMenuSelection(); }

  private:
    // KeyMapHost
    void RunCommand(KeyCommand command, int index) override;
    void ShowOptions() override;
    void ChooseScenario(const std::string& fileName) override { scenarioFileName_ = fileName; }
    int RunScript(EventKind kind, const StringList& script, bool clear) override;
    bool GameRunning() const override { return gameRunning_; }
    bool Closing() const override { return closing_; }
    bool KeyWaitInsideLineRead() const override;
    // GameCommandsHost
    bool ShowLine(const std::string& text, bool clear, bool said) override;
    // SavedPositionsHost
    bool LoadScenario(const std::string& fileName) override { return LoadScenario(fileName, true); }

    // Start-up and closing.
    void InitPlayer();
    void ApplyVolumes();
    void ShowMessage(const std::string& caption, const std::string& text, BoxIcon icon);
    // Loads `fileName` into the world, the sound list and the system texts; `freshGame` first
    // puts the world in its new-game state once the file could be read.
    bool LoadScenario(const std::string& fileName, bool freshGame);
    void SetMenuState(MenuState state) { menuState_ = state; }
    // A key press or a main-cycle run, with what the voice makes of it.
    void BeginCommand(bool mainCycle = false) { narrator_.BeginCommand(mainCycle); }
    void EndCommand(bool answerNow) { narrator_.EndCommand(answerNow); }

    // Lists.
    void FillMenu();
    void SetEntries(std::vector<std::string> entries, int fontSize);
    void EmptyFallback(const char* key);
    void MenuMusic();
    std::vector<std::string> SlotEntries() const;
    std::vector<std::string> ItemEntries(const StringList& ids) const;
    // What a game list (paths, items) shows for the world as it is; none for other states.
    std::optional<std::vector<std::string>> GameListEntries(MenuState state) const;
    // After a main-cycle run: an open game list that no longer shows the world is refilled, the
    // selection kept on the entry of the same text.
    void RefreshGameList();

    // What the command list holds, as a screen reader names it.
    std::string Heading() const;

    std::string Text(std::string_view key) const { return systemTexts_.text(key); }

    ShellSetup setup_;
    ShellView& view_;
    TReport report_;
    PlayerConfig config_;
    SoundBasePaths paths_;
    VolumeSettings volumes_;
    TSoundBox box_;
    TSeznamZvuku soundList_;
    SystemTexts systemTexts_;
    std::unique_ptr<TTempFiles> tempFiles_;
    SoundEnv env_;
    TZvukFronta primary_;
    TZvukFronta secondary_;
    TBackFronta background_;
    TOptionsForm options_;
    GameState world_;
    PlayerScenarioSounds scenarioSounds_;
    Narrator narrator_;  // before the script's sound, which hands it the texts its sounds say
    PlayerScriptSound scriptSound_;
    std::unique_ptr<RandomSource> random_;
    ScriptEngine script_;

    MainBoxModel mainBox_;
    MainMemoModel mainMemo_;
    DotazEditModel dotazEdit_;
    MenuState menuState_ = MenuState::SystemMenu;
    std::string scenarioFileName_;
    // The scenario the game in progress came from: choosing another file in the scenario list
    // must not change what a saved position names.
    std::string loadedScenarioFileName_;
    int lastSecond_ = 0;
    int buildDepth_ = 0;
    bool gameRunning_ = false;
    bool startupFailed_ = false;
    bool started_ = false;
    bool closing_ = false;
    bool closed_ = false;
    bool readCleared_ = false;  // READ emptied the entry field: the next wait reads input
    std::vector<ShellView::WaitKind> waits_;  // the waits scripts are in, innermost last

    GameCommands commands_;
    SavedPositions positions_;
    KeyMap keys_;
};

}  // namespace vek::player
