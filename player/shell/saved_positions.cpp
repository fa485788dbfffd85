// Saved positions: the keyed layout written and read, the old positional layout read, the
// automatic save and the fallbacks of a failed load.
#include "player/shell/saved_positions.h"

#include <algorithm>
#include <optional>

#include "common/cp1250_literal.h"
#include "common/numbers.h"
#include "common/text_file.h"
#include "player/shell/position_file.h"

namespace vek::player {

namespace {

constexpr std::string_view kVersionMark = " verze";
constexpr const char* kHeaderVersion = " verze 3.3";
constexpr const char* kLoadFailed =
    "Při pokusu o načtení pozice došlo k chybě.\n\r"
    "Soubor je asi porušen nebo je nesprávné verze."_cp;
constexpr const char* kSaveFailed = "Pozici se nepodařilo uložit."_cp;

// Numbers are read as the scenario files' are: 32-bit decimals; anything else is no number.
std::optional<long long> number(std::string_view text) {
    return parseDecimal32(text);
}

std::uint8_t byteValue(long long value) {
    return static_cast<std::uint8_t>(((value % 256) + 256) % 256);
}

std::int32_t int32Value(std::string_view text, std::int32_t fallback) {
    auto n = number(text);
    if (!n || *n < INT32_MIN || *n > INT32_MAX)
        return fallback;
    return static_cast<std::int32_t>(*n);
}

std::string flag(bool b) {
    return b ? "1" : "0";
}

void setFlags(std::string_view line, std::initializer_list<bool*> flags) {
    if (line.size() < flags.size())
        return;
    std::size_t k = 0;
    for (bool* f : flags)
        *f = line[k++] == '1';
}

std::string after(const std::string& line, std::size_t count) {
    return line.size() > count ? line.substr(count) : std::string();
}

}  // namespace

bool SavedPositions::WritePosition(int slot) {
    PositionWriter w;
    w.WriteLine(c_.loadedScenarioFileName + kHeaderVersion);
    for (std::size_t i = 0; i < c_.world.WindowList.size(); ++i) {
        const TOkno* window = c_.world.WindowList.at(i);
        w.WriteLine("OKNO=" + c_.world.WindowList.nameAt(i));
        w.WriteList(window->Paths);
        w.WriteList(window->Items);
        w.WriteLine(flag(window->LookDone) + flag(window->ArrivalDone) +
                    flag(window->DepartureDone));
    }
    for (std::size_t i = 0; i < c_.world.ItemList.size(); ++i) {
        const TPredmet* item = c_.world.ItemList.at(i);
        w.WriteLine("PREDMET=" + c_.world.ItemList.nameAt(i));
        w.WriteLine(flag(item->ExamineDone) + flag(item->TakeDone) + flag(item->PutDone) +
                    flag(item->UseDone) + flag(item->TalkDone));
    }
    w.WriteLine("DRZIS=");
    w.WriteList(c_.world.Inventory);
    const std::string& start = c_.world.ScenSett.StartWindow;
    w.WriteLine("AKT=" + (c_.world.CurrentWindow ? c_.world.CurrentWindow->Name : start));
    w.WriteLine("PRED=" + (c_.world.PreviousWindow ? c_.world.PreviousWindow->Name : start));
    w.WriteLine("PC=");
    for (std::size_t k = 0; k < kSwitchCount; ++k)
        w.WriteLine(flag(c_.world.Switches[k]) + std::to_string(c_.world.Counters[k]));
    w.WriteLine("ST=");
    for (std::size_t k = 0; k < kStringVarCount; ++k) {
        w.WriteLine(c_.world.StringVars[k]);
        w.WriteLine(std::to_string(c_.world.Timers[k]));
    }
    w.WriteLine("CYKLUS=");
    w.WriteLine(std::to_string(c_.world.CycleInterval));
    w.WriteLine(std::to_string(c_.world.CycleCounter));
    w.WriteLine(flag(c_.world.CycleActive));
    w.WriteLine(flag(c_.world.CycleHasRun));
    w.WriteLine("MAX=" + std::to_string(c_.world.ScenSett.MaxItems));
    for (const TBackFronta::Item& sound : c_.background.items()) {
        if (sound.name == "INTROmus")
            continue;
        const TMyAFS* audio = sound.audio.get();
        int volume = audio ? audio->GetVolume() : 0;
        int pan = audio && audio->Channel >= 0 ? audio->GetPan() : 128;
        std::uint32_t position = audio ? audio->GetPosition() % 65536 : 0;
        bool loop = audio && audio->GetLoop();
        w.WriteLine("BGSOUND=" + sound.name + "," + std::to_string(volume) + "," +
                    std::to_string(pan) + "," + std::to_string(position) + "," + flag(loop));
    }
    std::string error;
    if (writeFileAtomically(PositionFileName(slot), w.bytes(), &error))
        return true;
    // The player must know a save asked for was not made; the previous file is left as it was.
    // The automatic save fails silently: it happens in the middle of a load.
    if (slot != kAutosaveSlot) {
        MessageBoxRequest request;
        request.caption = "Chyba";
        request.text = std::string(kSaveFailed) + "\n" + error;
        request.icon = BoxIcon::Stop;
        c_.view.messageBox(request);
    }
    return false;
}

void SavedPositions::ShowStop(const char* text) {
    MessageBoxRequest request;
    request.caption = "Stop";
    request.text = text;
    request.icon = BoxIcon::Stop;
    c_.view.messageBox(request);
}

void SavedPositions::SetState(MenuState state) {
    c_.state = state;
    c_.host.BuildMenu();
}

void SavedPositions::SavePosition(int slot) {
    if (slot < 0 || slot > kAutosaveSlot)
        return;
    WritePosition(slot);
    if (slot < kAutosaveSlot)
        SetState(MenuState::MainMenu);
}

bool SavedPositions::LoadScenarioForPosition(const std::string& fileName) {
    // Nothing of the scenario played so far may survive into the position's; a file that cannot
    // be opened leaves both, and the name "Nová hra" starts, as they were.
    if (!c_.host.LoadScenario(fileName))
        return false;
    c_.scenarioFileName = fileName;
    c_.loadedScenarioFileName = fileName;
    return true;
}

void SavedPositions::LoadPosition(int slot) {
    if (slot < 0 || slot > kAutosaveSlot)
        return;
    c_.view.splash("Načtení pozice..."_cp, true);
    auto bytes = readFileBytes(PositionFileName(slot));
    if (!bytes) {
        // Nothing was read and the automatic save was not written: the fallback restores what
        // autosave.sav held before.
        FinishLoad(slot, true);
        return;
    }
    if (slot < kAutosaveSlot && c_.gameRunning)
        SavePosition(kAutosaveSlot);
    c_.background.Vycisti();
    PositionReader reader(*bytes);
    std::string header = reader.ReadLine();
    auto mark = header.find(kVersionMark);
    if (mark == std::string::npos) {
        // The old positional layout: read again from the start. The automatic save of the game
        // being left was written above already.
        c_.view.splash({}, false);
        PositionReader old(std::move(*bytes));
        ReadOldPosition(old);
        FinishLoad(slot, old.LoadError());
        return;
    }
    // Without its scenario the saved values would be laid over whatever world is left: a
    // failed load, so that a running game comes back from the automatic save.
    if (LoadScenarioForPosition(header.substr(0, mark)))
        ReadKeyedPosition(reader);
    else
        reader.SetLoadError();
    FinishLoad(slot, reader.LoadError());
}

void SavedPositions::FinishLoad(int slot, bool loadError) {
    if (!loadError) {
        c_.gameRunning = true;
        SetState(MenuState::MainMenu);
        c_.view.splash({}, false);
        return;
    }
    // The message comes before the state changes: the timer goes on while it is shown, and the
    // main cycle must not run over a half-read position.
    c_.view.splash({}, false);
    ShowStop(kLoadFailed);
    if (slot == kAutosaveSlot)
        c_.gameRunning = false;
    if (c_.gameRunning)
        LoadPosition(kAutosaveSlot);
    else
        SetState(MenuState::SystemMenu);
}

void SavedPositions::ReadKeyedPosition(PositionReader& r) {
    GameState& w = c_.world;
    auto windowOr = [&](const std::string& id) {
        TOkno* window = w.WindowList.Najdi(id);
        return window ? window : w.WindowList.Najdi(w.ScenSett.StartWindow);
    };
    while (!r.AtEnd()) {
        std::string line = r.ReadLine();
        if (line.find("OKNO=") != std::string::npos) {
            if (TOkno* window = w.WindowList.Najdi(after(line, 5))) {
                r.ReadList(window->Paths);
                r.ReadList(window->Items);
                setFlags(r.ReadLine(),
                         {&window->LookDone, &window->ArrivalDone, &window->DepartureDone});
            }
        }
        if (line.find("PREDMET=") != std::string::npos) {
            if (TPredmet* item = w.ItemList.Najdi(after(line, 8)))
                setFlags(r.ReadLine(), {&item->ExamineDone, &item->TakeDone, &item->PutDone,
                                        &item->UseDone, &item->TalkDone});
        }
        if (line == "DRZIS=")
            r.ReadList(w.Inventory);
        if (line.find("AKT=") != std::string::npos)
            w.CurrentWindow = windowOr(after(line, 4));
        if (line.find("PRED=") != std::string::npos)
            w.PreviousWindow = windowOr(after(line, 5));
        if (line == "PC=") {
            for (std::size_t k = 0; k < kSwitchCount; ++k) {
                std::string value = r.ReadLine();
                if (value.empty())
                    continue;
                w.Switches[k] = value[0] == '1';
                w.Counters[k] = byteValue(number(std::string_view(value).substr(1)).value_or(0));
            }
        }
        if (line == "ST=") {
            for (std::size_t k = 0; k < kStringVarCount; ++k) {
                w.StringVars[k] = r.ReadLine();
                w.Timers[k] = int32Value(r.ReadLine(), 0);
            }
        }
        if (line == "CYKLUS=") {
            w.CycleInterval = int32Value(r.ReadLine(), 1);
            w.CycleCounter = int32Value(r.ReadLine(), 0);
            w.CycleActive = r.ReadLine() == "1";
            w.CycleHasRun = r.ReadLine() == "1";
        }
        if (line.find("MAX=") != std::string::npos)
            w.ScenSett.MaxItems = byteValue(number(after(line, 4)).value_or(99));
        if (line.find("BGSOUND=") != std::string::npos) {
            std::string rest = after(line, 8);
            std::string fields[5];
            std::size_t f = 0;
            for (char c : rest) {
                if (c == ',' && f < 4)
                    ++f;
                else
                    fields[f] += c;
            }
            // A damaged or edited file must not hand the device values out of its range.
            auto field = [&](int k, long long high) {
                return std::clamp<long long>(number(fields[k]).value_or(0), 0, high);
            };
            c_.background.AddZvuk(fields[0], fields[4] == "1", 0,
                                  static_cast<std::uint16_t>(field(3, 65535)),
                                  static_cast<int>(field(2, 255)), static_cast<int>(field(1, 255)));
        }
    }
}

void SavedPositions::ReadOldPosition(PositionReader& r) {
    GameState& w = c_.world;
    if (!LoadScenarioForPosition(r.ReadLine())) {
        r.SetLoadError();
        return;
    }
    for (std::size_t i = 0; i < w.WindowList.size(); ++i) {
        TOkno* window = w.WindowList.at(i);
        r.ReadList(window->Paths);
        r.ReadList(window->Items);
        setFlags(r.ReadLine(), {&window->LookDone, &window->ArrivalDone, &window->DepartureDone});
    }
    for (std::size_t i = 0; i < w.ItemList.size(); ++i) {
        TPredmet* item = w.ItemList.at(i);
        setFlags(r.ReadLine(), {&item->ExamineDone, &item->TakeDone, &item->PutDone, &item->UseDone,
                                &item->TalkDone});
    }
    r.ReadList(w.Inventory);
    w.CurrentWindow = w.WindowList.Najdi(r.ReadLine());
    w.PreviousWindow = w.WindowList.Najdi(r.ReadLine());
    for (std::size_t k = 0; k < kSwitchCount; ++k) {
        std::string value = r.ReadLine();
        if (value.empty())
            continue;
        w.Switches[k] = value[0] == '1';
        w.Counters[k] = byteValue(number(std::string_view(value).substr(1)).value_or(0));
    }
    for (std::size_t k = 0; k < kStringVarCount; ++k) {
        w.StringVars[k] = r.ReadLine();
        w.Timers[k] = int32Value(r.ReadLine(), 0);
    }
    if (r.AtEnd())
        return;
    w.CycleInterval = int32Value(r.ReadLine(), 1);
    w.CycleCounter = int32Value(r.ReadLine(), 0);
    w.CycleActive = r.ReadLine() == "1";
    w.CycleHasRun = r.ReadLine() == "1";
    w.ScenSett.MaxItems = byteValue(number(r.ReadLine()).value_or(99));
}

}  // namespace vek::player
