// Text between the core and Qt widgets: the core holds code page 1250 bytes, widgets hold
// QString. A character the code page cannot hold is never stored altered: it is reported.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace vek {

QString fromCp1250(std::string_view cp1250);

// A character of a widget's text that code page 1250 cannot hold.
struct UnmappableCharacter {
    qsizetype position = 0;  // in QString units
    char32_t codePoint = 0;
};

// The code page 1250 bytes of `text`, or nullopt with the first character it cannot hold.
std::optional<std::string> toCp1250(const QString& text, UnmappableCharacter* bad = nullptr);

// The first character of `text` that code page 1250 cannot hold, if any.
std::optional<UnmappableCharacter> findUnmappable(const QString& text);

// "Znak „€“ (U+20AC) nelze zapsat v kódování Windows-1250." for a message box.
QString unmappableMessage(const UnmappableCharacter& bad);

}  // namespace vek
