// Text between the document's code page 1250 and the widgets' QString.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

#include "common/cp1250.h"

namespace vek::editor {

// A UTF-8 literal of this program's own texts.
inline QString u8(const char* utf8) {
    return QString::fromUtf8(utf8);
}

inline QString fromCp(std::string_view cp1250) {
    return QString::fromStdString(cp1250ToUtf8(cp1250));
}

// The text in code page 1250, or nullopt with `error` naming the first character the code page
// cannot hold.
inline std::optional<std::string> toCp(const QString& text, std::string* error = nullptr) {
    EncodingError failure;
    std::optional<std::string> out = utf8ToCp1250(text.toStdString(), &failure);
    if (!out && error)
        *error = cp1250ToUtf8(failure.message());
    return out;
}

}  // namespace vek::editor
