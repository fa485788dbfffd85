// The keys of the scenario file, shared by every reader, writer and walker of it. A value key
// begins its line and the value follows it; a block key stands alone on its line and the block's
// lines follow up to a line "*". How strictly a line must match is each reader's own rule.
#pragma once

#include <string_view>

namespace vek::scenario_key {

// The scenario settings.
inline constexpr std::string_view kName = "JMENO=";
inline constexpr std::string_view kStart = "START=";
inline constexpr std::string_view kMaxItems = "MAXITEMS=";
inline constexpr std::string_view kInventory = "INVENTORY=";   // block
inline constexpr std::string_view kIntroText = "INTROTEXT=";   // block
inline constexpr std::string_view kWinText = "WINTEXT=";       // block
inline constexpr std::string_view kLoseText = "LOSETEXT=";     // block
inline constexpr std::string_view kCycleText = "CYKLUSTEXT=";  // block
inline constexpr std::string_view kTalkToItems = "MLUVPRED=";
inline constexpr std::string_view kReportWalk = "REPWALK=";
inline constexpr std::string_view kReportTake = "REPTAKE=";
inline constexpr std::string_view kCycleInterval = "CYKLUSINTERVAL=";
inline constexpr std::string_view kCycleActive = "CYKLUSAKTIVNI=";

// A window: its record starts with kNewWindow.
inline constexpr std::string_view kNewWindow = "NOVEOKNO=";
inline constexpr std::string_view kKam = "KAM=";
inline constexpr std::string_view kSoundName = "NAZEVWAV=";  // of the last window or item
inline constexpr std::string_view kLook = "ROZHLEDNI=";      // block
inline constexpr std::string_view kArrival = "PRICHOD=";     // block
inline constexpr std::string_view kDeparture = "ODCHOD=";    // block
inline constexpr std::string_view kPaths = "CESTY=";         // block
inline constexpr std::string_view kItems = "PREDMETY=";      // block
inline constexpr std::string_view kMusic = "SKLADBY=";       // block

// An item: its record starts with kNewItem.
inline constexpr std::string_view kNewItem = "NOVYPREDMET=";
inline constexpr std::string_view kCo = "CO=";
inline constexpr std::string_view kExamine = "PROZKOUMEJ=";  // block
inline constexpr std::string_view kTake = "VEZMI=";          // block
inline constexpr std::string_view kPut = "POLOZ=";           // block
inline constexpr std::string_view kUse = "POUZIJ=";          // block
inline constexpr std::string_view kTalk = "PROMLUV=";        // block
inline constexpr std::string_view kCanTake = "VZIT=";
inline constexpr std::string_view kUseOn = "NA=";
inline constexpr std::string_view kIsCharacter = "POSTAVA=";

// Sounds and the main menu's switched-off commands.
inline constexpr std::string_view kUserSound = "NOVYWAV=";
inline constexpr std::string_view kMidi = "NOVYMID=";  // read and ignored
inline constexpr std::string_view kSystemSound = "NOVYSYSWAV=";
inline constexpr std::string_view kOffMenuItem = "OFFMENUITEM=";

// The editor's own menus and menu items.
inline constexpr std::string_view kNewMenu = "NOVANABIDKA=";
inline constexpr std::string_view kMenuParent = "NADNABIDKA=";
inline constexpr std::string_view kMenuEntries = "POLOZKY=";  // block
inline constexpr std::string_view kNewMenuItem = "NOVAPOLOZKA=";
inline constexpr std::string_view kMenuItemSound = "POLOZKAWAV=";
inline constexpr std::string_view kMenuItemFunction = "FUNKCEPOLOZKY=";  // block

}  // namespace vek::scenario_key
