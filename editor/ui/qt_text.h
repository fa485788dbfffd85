// The editor window's own texts: UTF-8 literals as QString.
#pragma once

#include <QString>

#include "common/qt/qt_text.h"

namespace vek::editor {

inline QString u8(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace vek::editor
