#include "player/world/loader.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "common/numbers.h"
#include "common/paths.h"
#include "common/scenario_format.h"
#include "common/scenario_keys.h"
#include "common/text_file.h"
#include "player/world/cycle_interval.h"
#include "player/world/grammar.h"

namespace vek::player {

namespace {

namespace key = scenario_key;

// Reads the body of one scenario file into the model. Each key is tested in turn against the
// line; a prefix key strips itself, so the keys after it see only the value.
class WorldReader {
  public:
    WorldReader(ScenarioLineSource& source, GameState& world, const WorldLoadSetup& setup)
        : source_(source), world_(world), setup_(setup) {}

    void readAll() {
        std::string line;
        while (!source_.atEnd()) {
            source_.NextScenarioLine(line);
            readLine(line);
        }
    }

  private:
    // Exact: the line is the key; ExactOff: the line is the key and "0"; Prefix: the line
    // begins with the key, which is cut off; PrefixKept: the same, the line kept whole.
    enum class Match { Prefix, Exact, ExactOff, PrefixKept };
    struct Key {
        std::string_view key;
        Match match;
        void (WorldReader::*apply)(std::string_view value);
    };

    void readLine(std::string& line) {
        for (const Key& k : kKeys) {
            if (line.empty() || line.front() != k.key.front())
                continue;  // every key must begin the line; most lines fail at once
            switch (k.match) {
                case Match::Exact:
                    if (line == k.key)
                        (this->*k.apply)(line);
                    break;
                case Match::ExactOff:
                    if (line.size() == k.key.size() + 1 && line.starts_with(k.key) &&
                        line.back() == '0')
                        (this->*k.apply)(line);
                    break;
                case Match::Prefix:
                    if (line.starts_with(k.key)) {
                        line.erase(0, k.key.size());
                        (this->*k.apply)(line);
                    }
                    break;
                case Match::PrefixKept:
                    if (line.starts_with(k.key))
                        (this->*k.apply)(std::string_view(line).substr(k.key.size()));
                    break;
            }
        }
    }

    void block(StringList& into) { into.assign(source_.ReadBlock()); }

    void scenarioName(std::string_view v) { world_.ScenSett.ScenarioName = v; }
    void startWindow(std::string_view v) { world_.ScenSett.StartWindow = v; }
    void talkOff(std::string_view) { world_.ScenSett.TalkToItems = false; }
    void walkOff(std::string_view) { world_.ScenSett.RepeatWalk = false; }
    void takeOff(std::string_view) { world_.ScenSett.RepeatTake = false; }
    void inventory(std::string_view) { block(world_.Inventory); }
    void maxItems(std::string_view v) {
        long long n = parseDecimal32(v).value_or(99);
        world_.ScenSett.MaxItems = static_cast<std::uint8_t>(((n % 256) + 256) % 256);
    }
    void introText(std::string_view) { block(world_.IntroText); }
    void winText(std::string_view) { block(world_.WinText); }
    void loseText(std::string_view) { block(world_.LoseText); }
    void cycleText(std::string_view) { block(world_.CycleText); }
    void cycleInterval(std::string_view v) { world_.CycleInterval = ParseCycleInterval(v); }
    void cycleActive(std::string_view v) { world_.CycleActive = !v.empty() && v.front() == '1'; }

    void newWindow(std::string_view v) {
        auto w = std::make_unique<TOkno>();
        w->Name = v;
        window_ = world_.WindowList.AddOkno(std::move(w));
        lastWasItem_ = false;
    }
    void kam(std::string_view v) {
        if (window_)
            window_->Kam = v;
    }
    void soundName(std::string_view v) {
        if (lastWasItem_ ? item_ == nullptr : window_ == nullptr)
            return;
        (lastWasItem_ ? item_->SoundId : window_->SoundId) = v;
    }
    template <StringList TOkno::*Field>
    void windowBlock(std::string_view) {
        if (window_)
            block(window_->*Field);
    }

    void newItem(std::string_view v) {
        auto p = std::make_unique<TPredmet>();
        p->Name = v;
        item_ = world_.ItemList.AddPredmet(std::move(p));
        lastWasItem_ = true;
    }
    void co(std::string_view v) {
        if (item_)
            item_->Co = v;
    }
    template <StringList TPredmet::*Field>
    void itemBlock(std::string_view) {
        if (item_)
            block(item_->*Field);
    }
    // The character right after "=" is not "0" (a missing one is not "0" either).
    template <bool TPredmet::*Field>
    void itemFlag(std::string_view v) {
        if (item_)
            item_->*Field = v.empty() || v.front() != '0';
    }

    void sound(std::string_view v) {
        if (setup_.onSoundEntry)
            setup_.onSoundEntry(v);
        if (setup_.sounds)
            setup_.sounds->AddNahravku(v);
    }
    void nothing(std::string_view) {}
    void offMenuItem(std::string_view v) {
        // The 13th character of the whole line, which is the first of the value.
        if (v.empty())
            return;
        int d = v.front() - '0';
        if (d >= 0 && d < static_cast<int>(kMainCommandCount))
            world_.MainCommandEnabled[static_cast<std::size_t>(d)] = false;
    }

    static constexpr Key kKeys[] = {
        {key::kName, Match::Prefix, &WorldReader::scenarioName},
        {key::kStart, Match::Prefix, &WorldReader::startWindow},
        {key::kTalkToItems, Match::ExactOff, &WorldReader::talkOff},
        {key::kReportWalk, Match::ExactOff, &WorldReader::walkOff},
        {key::kReportTake, Match::ExactOff, &WorldReader::takeOff},
        {key::kInventory, Match::Exact, &WorldReader::inventory},
        {key::kMaxItems, Match::Prefix, &WorldReader::maxItems},
        {key::kIntroText, Match::Exact, &WorldReader::introText},
        {key::kWinText, Match::Exact, &WorldReader::winText},
        {key::kLoseText, Match::Exact, &WorldReader::loseText},
        {key::kCycleText, Match::Exact, &WorldReader::cycleText},
        {key::kCycleInterval, Match::Prefix, &WorldReader::cycleInterval},
        {key::kCycleActive, Match::Prefix, &WorldReader::cycleActive},
        {key::kNewWindow, Match::Prefix, &WorldReader::newWindow},
        {key::kKam, Match::Prefix, &WorldReader::kam},
        {key::kSoundName, Match::Prefix, &WorldReader::soundName},
        {key::kLook, Match::Exact, &WorldReader::windowBlock<&TOkno::LookScript>},
        {key::kArrival, Match::Exact, &WorldReader::windowBlock<&TOkno::ArrivalScript>},
        {key::kDeparture, Match::Exact, &WorldReader::windowBlock<&TOkno::DepartureScript>},
        {key::kPaths, Match::Exact, &WorldReader::windowBlock<&TOkno::Paths>},
        {key::kItems, Match::Exact, &WorldReader::windowBlock<&TOkno::Items>},
        {key::kMusic, Match::Exact, &WorldReader::windowBlock<&TOkno::Music>},
        {key::kNewItem, Match::Prefix, &WorldReader::newItem},
        {key::kCo, Match::Prefix, &WorldReader::co},
        {key::kExamine, Match::Exact, &WorldReader::itemBlock<&TPredmet::ExamineScript>},
        {key::kTake, Match::Exact, &WorldReader::itemBlock<&TPredmet::TakeScript>},
        {key::kPut, Match::Exact, &WorldReader::itemBlock<&TPredmet::PutScript>},
        {key::kUse, Match::Exact, &WorldReader::itemBlock<&TPredmet::UseScript>},
        {key::kTalk, Match::Exact, &WorldReader::itemBlock<&TPredmet::TalkScript>},
        {key::kCanTake, Match::PrefixKept, &WorldReader::itemFlag<&TPredmet::CanTake>},
        {key::kUseOn, Match::PrefixKept, &WorldReader::itemFlag<&TPredmet::UseOn>},
        {key::kIsCharacter, Match::PrefixKept, &WorldReader::itemFlag<&TPredmet::IsCharacter>},
        {key::kUserSound, Match::Prefix, &WorldReader::sound},
        {key::kMidi, Match::Prefix, &WorldReader::nothing},
        {key::kSystemSound, Match::Prefix, &WorldReader::sound},
        {key::kOffMenuItem, Match::Prefix, &WorldReader::offMenuItem},
    };

    ScenarioLineSource& source_;
    GameState& world_;
    const WorldLoadSetup& setup_;
    TOkno* window_ = nullptr;
    TPredmet* item_ = nullptr;
    bool lastWasItem_ = false;
};

void clearScenario(GameState& world, const WorldLoadSetup& setup) {
    setup.host.Report("Clearing memory");
    world.ClearObjects();
    world.CycleActive = false;
    world.CycleHasRun = false;
    world.ScenSett.TalkToItems = true;
    world.ScenSett.RepeatWalk = true;
    world.ScenSett.RepeatTake = true;
    world.ScenSett.MaxItems = 99;
    if (setup.sounds)
        setup.sounds->Clear();
}

void chooseStartWindow(GameState& world) {
    world.CurrentWindow = world.WindowList.Najdi(world.ScenSett.StartWindow);
    if (!world.CurrentWindow && !world.WindowList.empty()) {
        world.CurrentWindow = world.WindowList.at(0);
        world.ScenSett.StartWindow = world.CurrentWindow->Name;
    }
}

void load(ScenarioLineSource& source, GameState& world, const WorldLoadSetup& setup) {
    clearScenario(world, setup);
    WorldReader(source, world, setup).readAll();

    setup.host.Report("Collection indexation");
    if (setup.sounds)
        setup.sounds->AttachCollections();

    setup.host.Report("Intro settings");
    chooseStartWindow(world);

    setup.host.Report("System sounds");
    if (setup.sounds)
        setup.sounds->LoadSystemTexts();

    ApplyGrammarDefaults(world, &setup.host);
}

}  // namespace

bool LoadWorld(const std::string& scenarioFileName, GameState& world, const WorldLoadSetup& setup) {
    setup.host.Report("Loading scenario: " + scenarioFileName);
    world.MainCommandEnabled.fill(true);
    setup.host.Report("Opening file");
    auto bytes = readFileBytes(resolvePath(scenarioFileName));
    if (!bytes) {
        setup.host.ShowError(kLoadErrorCaption, kLoadErrorText);
        return false;
    }
    if (setup.freshGame)
        world.ResetForNewGame();
    ScenarioLineSource source(std::move(*bytes));
    load(source, world, setup);
    return true;
}

void LoadWorldFromBytes(std::string bytes, GameState& world, const WorldLoadSetup& setup) {
    if (setup.freshGame)
        world.ResetForNewGame();
    world.MainCommandEnabled.fill(true);
    ScenarioLineSource source(std::move(bytes));
    load(source, world, setup);
}

}  // namespace vek::player
