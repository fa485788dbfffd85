// Creation, start-up, the timer, closing, and the script engine's window on the player.
#include "player/shell/shell.h"

#include <exception>
#include <filesystem>

#include "common/cp1250_literal.h"
#include "common/paths.h"
#include "player/script/engine.h"
#include "player/shell/text_helpers.h"
#include "player/sound/sound_device.h"
#include "player/world/loader.h"

namespace vek::player {

namespace {

constexpr const char* kInitError = "Chyba při inicializaci"_cp;
constexpr int kMemoRowsNarrow = 13;  // rows the pane shows without a scroll bar
constexpr int kMemoRowsWide = 14;    // during the intro the pane is wider and taller

std::unique_ptr<RandomSource> makeRandom(const ShellSetup& setup) {
    if (!setup.seed)
        return std::make_unique<SystemRandomSource>();
    return std::make_unique<SeededRandomSource>(*setup.seed);
}

}  // namespace

PlayerShell::PlayerShell(ShellSetup setup)
    : setup_(setup),
      view_(setup.view),
      report_(setup.trace),
      box_(setup.device,
           [this](const std::string& caption, const std::string& text) {
               ShowMessage(caption, text, BoxIcon::Stop);
           }),
      soundList_(paths_),
      env_{box_, soundList_, paths_, volumes_, nullptr, setup.observer},
      primary_(env_, "primary"),
      secondary_(env_, "secondary"),
      background_(env_),
      options_(volumes_, background_, env_.SoundsOn),
      scenarioSounds_(soundList_, systemTexts_),
      narrator_(NarratorContext{options_.Speech, view_, primary_, secondary_, env_, mainBox_,
                                [this](int i) { keys_.Announce(i); },
                                [this](std::string_view line) { Report(line); }},
                setup.synthesizer),
      scriptSound_(primary_, secondary_, background_, &narrator_),
      random_(makeRandom(setup)),
      script_(world_, *this, scriptSound_, *random_),
      commands_(GameCommandsContext{*this, menuState_, world_, script_.state(), primary_,
                                    systemTexts_, narrator_}),
      positions_(SavedPositionsContext{*this, menuState_, gameRunning_, scenarioFileName_,
                                       loadedScenarioFileName_, world_, background_, view_}),
      keys_(KeyMapContext{*this, menuState_, world_, script_.state(), primary_, background_,
                          systemTexts_, mainBox_, mainMemo_, dotazEdit_, view_, narrator_}) {
    env_.voice = &narrator_.voice();
}

PlayerShell::~PlayerShell() {
    if (!closed_)
        FormClose();
}

void PlayerShell::FormCreate() {
    try {
        Report("Creating form...");
        InitPlayer();
        gameRunning_ = false;
        lastSecond_ = 0;
        scenarioFileName_ =
            setup_.scenarioArgument.empty() ? "borvatin.scn" : setup_.scenarioArgument;
        if (!resolvedFileExists("", scenarioFileName_))
            scenarioFileName_.clear();
        SetMenuState(MenuState::SystemMenu);
        BuildMenu();
        view_.splash({}, false);
    } catch (const std::exception& e) {
        // Nothing of the player can run; closing must not touch what was never made.
        env_.SoundsOn = false;
        startupFailed_ = true;
        ShowMessage("Error", e.what(), BoxIcon::Stop);
        view_.closeWindow();
    }
}

void PlayerShell::InitPlayer() {
    if (!WriteSx00IfMissing())
        Report("sx00.wav could not be written");
    started_ = false;
    config_.ReadConfig();
    paths_ = config_.Paths();
    if (!setup_.programPath.empty())
        paths_.programPath = setup_.programPath;
    tempFiles_ = std::make_unique<TTempFiles>("temp");
    env_.tempFiles = tempFiles_.get();
    soundList_.SetDefault();
    try {
        box_.Init();
    } catch (const std::exception& e) {
        ShowMessage("Error", std::string(kInitError) + ": " + e.what(), BoxIcon::Stop);
        if (box_.Initialised())
            box_.Done();
    }
    if (box_.Initialised()) {
        primary_.CreateAudio("sx00.wav");
        secondary_.CreateAudio("sx00.wav");
    }
    systemTexts_.LoadDefaults();
    options_.Speech = config_.Speech();
    narrator_.ApplySettings();
    if (std::string output = setup_.device.outputReport(); !output.empty())
        Report(output);
}

int PlayerShell::FormKeyDown(int key, unsigned shift) {
    BeginCommand();
    int left = keys_.FormKeyDown(key, shift);
    // A key that produces a character is answered by FormKeyPress, which follows at once.
    bool answered = (key >= vk::Prior && key <= vk::Down) || key == vk::F2 || key == vk::F3;
    EndCommand(answered);
    return left;
}

char PlayerShell::FormKeyPress(char ch) {
    BeginCommand();
    char left = keys_.FormKeyPress(ch);
    EndCommand(true);
    return left;
}

void PlayerShell::RunCommand(KeyCommand command, int index) {
    switch (command) {
        case KeyCommand::LookAround:
            return commands_.LookAround();
        case KeyCommand::GoTo:
            return commands_.GoTo(index);
        case KeyCommand::Examine:
            return commands_.Examine(index);
        case KeyCommand::Take:
            return commands_.Take(index);
        case KeyCommand::PutDown:
            return commands_.PutDown(index);
        case KeyCommand::Use:
            return commands_.Use(index);
        case KeyCommand::UseOnTarget:
            return commands_.UseOnTarget(index);
        case KeyCommand::TalkTo:
            return commands_.TalkTo(index);
        case KeyCommand::ShowList:
            return commands_.ShowList(index);
        case KeyCommand::LoadPosition:
            return positions_.LoadPosition(index);
        case KeyCommand::SavePosition:
            return positions_.SavePosition(index);
    }
}

void PlayerShell::ShowOptions() {
    options_.FormShow();
    view_.showOptions(options_);
    options_.FormHide();
    narrator_.ApplySettings();
}

void PlayerShell::ApplyVolumes() {
    VolumeSettings saved = config_.Volumes();
    options_.SetPosition(TOptionsForm::Slider::Rec, saved.voice);
    options_.SetPosition(TOptionsForm::Slider::Zvuk, saved.sound);
    options_.SetPosition(TOptionsForm::Slider::Hudba, saved.music);
}

void PlayerShell::FormClose() {
    if (closed_)
        return;
    closed_ = true;
    closing_ = true;
    view_.setTimerEnabled(false);
    // Every wait ends: the nested loops of scripts unwind after the window is gone.
    script_.state().ReadKeyMode = false;
    script_.state().ReadLineMode = false;
    if (startupFailed_)
        return;
    primary_.StopUpTo(9);
    secondary_.StopUpTo(9);
    background_.StopAll();
    std::string error;
    config_.SetSpeech(options_.Speech);
    // A configuration that cannot be written is reported; the sound device is closed all the same.
    if (!config_.WriteConfig(volumes_, PlayerConfig::kFileName, &error))
        ShowMessage("Chyba", error, BoxIcon::Stop);
    if (box_.Initialised()) {
        primary_.FreeAudio();
        secondary_.FreeAudio();
        box_.Done();
    }
    soundList_.Vycisti();
}

void PlayerShell::Timer1Timer() {
    if (closing_)
        return;
    if (!started_) {
        env_.SoundsOn = true;
        ApplyVolumes();
        started_ = true;
    }
    if (env_.SoundsOn)
        primary_.Tick();
    if (env_.SoundsOn && box_.Initialised()) {
        secondary_.Tick();
        background_.ProvedAll(true);
    }
    if (menuState() == MenuState::SystemMenu && !background_.Playing("INTROmus"))
        background_.AddNew("INTROmus", true, 0, "100x100");
    int second = setup_.clock.secondOfDay();
    if (second != lastSecond_) {
        lastSecond_ = second;
        world_.AdvanceTimers();
    }
    // What the player hears in a list must be what Enter chooses, also after the cycle changed it.
    if (CycleMayRun()) {
        BeginCommand(true);
        if (script_.MainCycleStep())
            RefreshGameList();
        EndCommand(false);
    }
    narrator_.Idle();
}

bool PlayerShell::soundIdle() const {
    auto idle = [](const TZvukFronta& q) { return !q.Playing() && q.Pending().empty(); };
    return idle(primary_) && idle(secondary_) && env_.PauseTicks <= 0;
}

void PlayerShell::ShowMessage(const std::string& caption, const std::string& text, BoxIcon icon) {
    MessageBoxRequest request;
    request.caption = caption;
    request.text = text;
    request.icon = icon;
    view_.messageBox(request);
}

void PlayerShell::NewGame() {
    view_.setTimerEnabled(false);
    Report("New game");
    view_.splash("Načtení scénáře..."_cp, true);
    background_.Vycisti();
    world_.ResetForNewGame();
    script_.state().ReadLineMode = false;
    script_.state().ReadKeyMode = false;
    Report("Sound loading");
    primary_.ClearCurrent();
    env_.PauseTicks = 0;
    env_.SoundsOn = options_.ZvukCheckBox;
    loadedScenarioFileName_ = scenarioFileName_;
    LoadScenario(scenarioFileName_, false);
    SetMainBoxVisible(false);
    mainMemo_.visible = false;
    mainMemo_.left = 20;
    mainMemo_.width = 500;
    view_.memoLayoutChanged();
    SetMenuState(MenuState::Intro);
    // The timer runs again before the intro: an intro that waits for a key (WAIT, READ) must be
    // heard while it waits, and its splash must not cover it.
    view_.splash({}, false);
    view_.setTimerEnabled(true);
    // Running from the intro on: an intro that ends the game (WIN, LOSE) leaves it ended.
    gameRunning_ = true;
    script_.PlayIntro();
    mainMemo_.visible = true;
    view_.memoLayoutChanged();
    world_.CycleCounter = 0;
}

bool PlayerShell::LoadScenario(const std::string& fileName, bool freshGame) {
    return LoadWorld(fileName, world_, WorldLoadSetup{*this, &scenarioSounds_, freshGame});
}

// --- ScriptHost ---

void PlayerShell::Report(std::string_view line) {
    report_(std::string(line));
}

void PlayerShell::ShowError(const std::string& caption, const std::string& text) {
    ShowMessage(caption, text, BoxIcon::Stop);
}

bool PlayerShell::ShowText(const std::string& text, bool clear) {
    return ShowLine(text, clear, false);
}

bool PlayerShell::ShowSaidText(const std::string& text) {
    return ShowLine(text, false, true);
}

bool PlayerShell::ShowLine(const std::string& text, bool clear, bool said) {
    auto line = ShowTextLine(text);
    if (line) {
        if (clear)
            ClearMemo();
        mainMemo_.lines.push_back(*line);
        view_.memoLineAdded(*line);
        narrator_.LineShown(*line, said);
    }
    int rows = menuState() == MenuState::Intro ? kMemoRowsWide : kMemoRowsNarrow;
    bool scrollBar = static_cast<int>(mainMemo_.lines.size()) > rows;
    if (scrollBar != mainMemo_.scrollBar) {
        mainMemo_.scrollBar = scrollBar;
        view_.memoLayoutChanged();
    }
    return line.has_value();
}

void PlayerShell::ClearMemo() {
    mainMemo_.lines.clear();
    mainMemo_.caretLine = 0;
    view_.memoCleared();
}

void PlayerShell::MemoCaretToStart() {
    mainMemo_.caretLine = 0;
    view_.memoLayoutChanged();
}

void PlayerShell::SetMainBoxVisible(bool visible) {
    mainBox_.visible = visible;
    if (!visible)
        mainBox_.focused = false;  // a hidden control loses the focus
    view_.mainBoxChanged();
}

void PlayerShell::ClearDotazEdit() {
    dotazEdit_.text.clear();
    readCleared_ = true;
    view_.dotazEditChanged();
}

void PlayerShell::ShowDotazEdit() {
    dotazEdit_.visible = true;
    dotazEdit_.focused = true;
    mainBox_.focused = false;
    view_.dotazEditChanged();
    view_.mainBoxChanged();
}

void PlayerShell::WaitWhile(const std::function<bool()>& waiting) {
    if (closing_ || !waiting())
        return;
    const ScriptState& state = script_.state();
    // A key wait (the cycle's WAIT) may begin while a line is being typed: then both flags are set.
    bool insideLine =
        !waits_.empty() && waits_.back() == ShellView::WaitKind::Line && state.ReadKeyMode;
    ShellView::WaitKind kind = ShellView::WaitKind::Key;
    if (state.ReadLineMode && !insideLine)
        kind = ShellView::WaitKind::Line;
    else if (readCleared_)
        kind = ShellView::WaitKind::ReadKey;
    readCleared_ = false;
    narrator_.Flush();
    primary_.StartNow();
    secondary_.StartNow();
    waits_.push_back(kind);
    view_.waitStarted(kind);
    view_.waitWhile([&] { return !closing_ && waiting(); });
    waits_.pop_back();
}

bool PlayerShell::KeyWaitInsideLineRead() const {
    const ScriptState& state = script_.state();
    return !waits_.empty() && waits_.back() == ShellView::WaitKind::Key && state.ReadLineMode &&
           state.ReadKeyMode;
}

bool PlayerShell::CycleMayRun() const {
    MenuState state = menuState();
    return gameRunning_ && state != MenuState::Intro && !isSystemState(state);
}

void PlayerShell::EndGame() {
    gameRunning_ = false;
    SetMenuState(MenuState::SystemMenu);
    BuildMenu();
}

}  // namespace vek::player
