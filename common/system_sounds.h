// The system sounds: the fixed "SZ" keys the programs speak on their own (command names, list
// headings, standard replies), with their default texts and recordings. One table for both
// programs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vek {

struct SystemSoundRow {
    const char* key;
    const char* text;  // code page 1250; "" for SZdot
    const char* file;  // "" when the row has no recording (SZnevidisnic)
    bool editor;       // in the editor's default list
    bool playerSound;  // among the player's own default sounds (SetDefault, AddBasic)
    bool playerText;   // a default of the player's system texts
};

// Every row, in the order of the table.
const std::vector<SystemSoundRow>& systemSoundTable();

// The editor's 40 default entry lines ("SZjdi=Jdi(wave\tch007.wav)"), in the editor's order.
std::vector<std::string> editorDefaultSystemSounds();

// The player's 41 system-text defaults ("SZjetu=Je tu:"), in the player's order.
std::vector<std::string> playerDefaultSystemTexts();

// The eight default system-sound lines of SetDefault, in order (SZdot ... SZkonec).
std::vector<std::string> playerDefaultSystemSounds();

// The basic entries every scenario has (AddBasic), in order: VOLrec, VOLsnd, INTROmus,
// SZneznamscenar, SZpozice, SZprpozice, C0 to C9.
std::vector<std::string> playerBasicSounds();

// Whether a file name as the scenario writes it names one of the player's own recordings: a file of
// the table
// ("wave\tch007.wav"), a digit ("wave\7.wav") or a menu sample ("sx04.wav"); letter case and
// the kind of slash do not matter.
bool isPlayerRecording(std::string_view fileSpec);

}  // namespace vek
