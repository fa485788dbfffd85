// Keys as both programs' key handlers receive them: Windows virtual key codes and the
// modifier flags that travel with them.
#pragma once

namespace vek {

// Windows virtual key codes the programs use.
namespace vk {
inline constexpr int Back = 8;
inline constexpr int Return = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Prior = 33;  // Page Up
inline constexpr int Next = 34;   // Page Down
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int F2 = 113;
inline constexpr int F3 = 114;
}  // namespace vk

// Modifier keys held with a key (a set of flags).
enum ShiftState : unsigned { ShiftNone = 0, ShiftShift = 1, ShiftCtrl = 2, ShiftAlt = 4 };

}  // namespace vek
