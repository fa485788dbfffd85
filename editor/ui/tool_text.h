// Code page 1250 text to and from the widgets of the working windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

#include "common/cp1250.h"

namespace vek::editor {

inline QString qText(std::string_view cp1250) {
    return QString::fromStdString(cp1250ToUtf8(cp1250));
}

// The widget's text in code page 1250; nullopt, with the message naming the character, when
// the code page cannot hold it.
inline std::optional<std::string> cpText(const QString& text, QString* message = nullptr) {
    EncodingError error;
    auto out = utf8ToCp1250(text.toStdString(), &error);
    if (!out && message)
        *message = QString::fromStdString(cp1250ToUtf8(error.message()));
    return out;
}

}  // namespace vek::editor
