#include "common/qt/key_translation.h"

#include <gtest/gtest.h>

#include "common/windows_keys.h"

namespace vek {
namespace {

struct Case {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    const char* text;  // UTF-8, as the platform reports it
    int virtualKey;
    unsigned shift;
    int character;  // -1: no character key-press
};

void expectTranslation(const Case& c) {
    WindowsKey key = translateKey(c.qtKey, c.modifiers, QString::fromUtf8(c.text));
    SCOPED_TRACE(c.text);
    EXPECT_EQ(key.virtualKey, c.virtualKey) << "Qt key " << c.qtKey;
    EXPECT_EQ(key.shift, c.shift) << "Qt key " << c.qtKey;
    if (c.character < 0)
        EXPECT_FALSE(key.character.has_value()) << "Qt key " << c.qtKey;
    else if (!key.character)
        ADD_FAILURE() << "no character for Qt key " << c.qtKey;
    else
        EXPECT_EQ(static_cast<unsigned char>(*key.character), c.character) << "Qt key " << c.qtKey;
}

TEST(KeyTranslation, LettersAndDigitsKeepTheirCaseAndCodes) {
    for (const Case& c : {
             Case{Qt::Key_A, Qt::NoModifier, "a", 'A', ShiftNone, 'a'},
             Case{Qt::Key_S, Qt::NoModifier, "s", 'S', ShiftNone, 's'},
             Case{Qt::Key_S, Qt::ShiftModifier, "S", 'S', ShiftShift, 'S'},
             Case{Qt::Key_5, Qt::NoModifier, "5", '5', ShiftNone, '5'},
             Case{Qt::Key_5, Qt::KeypadModifier, "5", 0x65, ShiftNone, '5'},
         })
        expectTranslation(c);
}

TEST(KeyTranslation, CzechLettersArriveInCodePage1250) {
    for (const Case& c : {
             Case{0x10C, Qt::NoModifier, "\xC4\x8D", kNeutralVirtualKey, ShiftNone, 0xE8},  // č
             Case{0x158, Qt::ShiftModifier, "\xC5\x98", kNeutralVirtualKey, ShiftShift, 0xD8},
             Case{0x16E, Qt::NoModifier, "\xC5\xAF", kNeutralVirtualKey, ShiftNone, 0xF9},  // ů
             Case{0x17D, Qt::NoModifier, "\xC5\xBE", kNeutralVirtualKey, ShiftNone, 0x9E},  // ž
             Case{0x11A, Qt::NoModifier, "\xC4\x9B", kNeutralVirtualKey, ShiftNone, 0xEC},  // ě
         })
        expectTranslation(c);
}

TEST(KeyTranslation, CharactersOutsideTheCodePageGiveOnlyTheKey) {
    for (const Case& c : {
             Case{0x416, Qt::NoModifier, "\xD0\xB6", kNeutralVirtualKey, ShiftNone, -1},  // ж
             Case{0, Qt::NoModifier, "\xF0\x9F\x94\x94", kNeutralVirtualKey, ShiftNone, -1},
             Case{Qt::Key_unknown, Qt::NoModifier, "", kNeutralVirtualKey, ShiftNone, -1},
         })
        expectTranslation(c);
}

TEST(KeyTranslation, EnterEscapeSpaceAndBackspaceAreCharacterKeys) {
    for (const Case& c : {
             Case{Qt::Key_Return, Qt::NoModifier, "\r", 13, ShiftNone, 13},
             Case{Qt::Key_Enter, Qt::KeypadModifier, "\r", 13, ShiftNone, 13},
             Case{Qt::Key_Return, Qt::NoModifier, "", 13, ShiftNone, 13},  // synthetic events
             Case{Qt::Key_Escape, Qt::NoModifier, "\x1b", 27, ShiftNone, 27},
             Case{Qt::Key_Space, Qt::NoModifier, " ", 32, ShiftNone, ' '},
             Case{Qt::Key_Backspace, Qt::NoModifier, "\b", 8, ShiftNone, 8},
             Case{Qt::Key_Tab, Qt::NoModifier, "\t", 9, ShiftNone, -1},
         })
        expectTranslation(c);
}

TEST(KeyTranslation, NavigationAndFunctionKeysGiveNoCharacter) {
    for (const Case& c : {
             Case{Qt::Key_Up, Qt::NoModifier, "", vk::Up, ShiftNone, -1},
             Case{Qt::Key_Down, Qt::NoModifier, "", vk::Down, ShiftNone, -1},
             Case{Qt::Key_Left, Qt::NoModifier, "", vk::Left, ShiftNone, -1},
             Case{Qt::Key_Right, Qt::NoModifier, "", vk::Right, ShiftNone, -1},
             Case{Qt::Key_Home, Qt::NoModifier, "", vk::Home, ShiftNone, -1},
             Case{Qt::Key_End, Qt::NoModifier, "", vk::End, ShiftNone, -1},
             Case{Qt::Key_PageUp, Qt::NoModifier, "", vk::Prior, ShiftNone, -1},
             Case{Qt::Key_PageDown, Qt::NoModifier, "", vk::Next, ShiftNone, -1},
             Case{Qt::Key_F2, Qt::NoModifier, "", vk::F2, ShiftNone, -1},
             Case{Qt::Key_F3, Qt::NoModifier, "", vk::F3, ShiftNone, -1},
             Case{Qt::Key_Control, Qt::ControlModifier, "", 17, ShiftCtrl, -1},
         })
        expectTranslation(c);
}

TEST(KeyTranslation, ModifierCombinationsAreKeysNotCharacters) {
    for (const Case& c : {
             Case{Qt::Key_Left, Qt::ControlModifier, "", vk::Left, ShiftCtrl, -1},
             Case{Qt::Key_Right, Qt::ControlModifier, "", vk::Right, ShiftCtrl, -1},
             Case{Qt::Key_A, Qt::ControlModifier, "\x01", 'A', ShiftCtrl, -1},
             Case{Qt::Key_A, Qt::AltModifier, "a", 'A', ShiftAlt, -1},
             Case{Qt::Key_Return, Qt::ControlModifier, "\r", 13, ShiftCtrl, 13},
         })
        expectTranslation(c);
}

}  // namespace
}  // namespace vek
