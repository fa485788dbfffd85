#include "common/qt/key_translation.h"

#include <string>
#include <unordered_map>

#include "common/cp1250.h"
#include "common/windows_keys.h"

namespace vek {
namespace {

const std::unordered_map<int, int>& namedKeys() {
    static const std::unordered_map<int, int> keys = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},  {Qt::Key_Space, 32},
        {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},     {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},     {Qt::Key_Up, 38},       {Qt::Key_Right, 39},   {Qt::Key_Down, 40},
        {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},   {Qt::Key_Menu, 93},
    };
    return keys;
}

int virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (auto it = namedKeys().find(qtKey); it != namedKeys().end())
        return it->second;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (modifiers & Qt::KeypadModifier) ? 0x60 + (qtKey - Qt::Key_0) : qtKey;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey;  // Qt and Windows both use the capital letter's code
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    return kNeutralVirtualKey;
}

unsigned shiftOf(Qt::KeyboardModifiers modifiers) {
    unsigned shift = ShiftNone;
    if (modifiers & Qt::ShiftModifier)
        shift |= ShiftShift;
    if (modifiers & Qt::ControlModifier)
        shift |= ShiftCtrl;
    if (modifiers & Qt::AltModifier)
        shift |= ShiftAlt;
    return shift;
}

// The control characters Windows delivers as characters, whatever the modifiers. Tab is not
// one of them: the window's dialog handling takes it first.
std::optional<char> controlCharacter(int virtualKey) {
    switch (virtualKey) {
        case 8:
        case 13:
        case 27:
            return static_cast<char>(virtualKey);
        default:
            return std::nullopt;
    }
}

std::optional<char> printableCharacter(Qt::KeyboardModifiers modifiers, const QString& text) {
    // Alt with a letter is a menu accelerator on Windows, not a character.
    bool altOnly = (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
    if (text.isEmpty() || altOnly)
        return std::nullopt;
    // One key gives one character; a surrogate pair is one character too.
    QString first = text.left(text.at(0).isHighSurrogate() ? 2 : 1);
    if (first.at(0).unicode() < 32 || first.at(0).unicode() == 127)
        return std::nullopt;  // Ctrl+letter and the like
    QByteArray utf8 = first.toUtf8();
    auto cp = utf8ToCp1250(std::string_view(utf8.constData(), utf8.size()));
    if (!cp || cp->size() != 1)
        return std::nullopt;  // a character code page 1250 cannot hold never reaches the core
    return (*cp)[0];
}

}  // namespace

WindowsKey translateKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    WindowsKey key;
    key.virtualKey = virtualKeyOf(qtKey, modifiers);
    key.shift = shiftOf(modifiers);
    if (auto control = controlCharacter(key.virtualKey))
        key.character = control;
    else if (key.virtualKey == 32)
        key.character = ' ';
    else
        key.character = printableCharacter(modifiers, text);
    return key;
}

WindowsKey translateKey(const QKeyEvent& event) {
    return translateKey(event.key(), event.modifiers(), event.text());
}

}  // namespace vek
