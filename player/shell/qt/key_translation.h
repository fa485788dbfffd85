// Qt key events as the player's key handlers expect them: a Windows virtual key code with the
// modifiers held, then, for a key that produces a character, that character in code page 1250.
#pragma once

#include <optional>

#include <QKeyEvent>
#include <QString>

namespace vek::player {

struct WindowsKey {
    int virtualKey = 0;
    unsigned shift = 0;             // ShiftState flags (player/shell/key_map.h)
    std::optional<char> character;  // FormKeyPress gets it; none for arrows, F-keys, Ctrl+letter
};

// A key no Windows code names (a Czech letter, punctuation) gets this neutral code: the shell
// treats it as an ordinary key, and its character still arrives through FormKeyPress.
inline constexpr int kNeutralVirtualKey = 0xDF;

WindowsKey translateKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);
WindowsKey translateKey(const QKeyEvent& event);

}  // namespace vek::player
