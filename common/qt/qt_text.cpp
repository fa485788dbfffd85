#include "common/qt/qt_text.h"

#include "common/cp1250.h"

namespace vek {

QString fromCp1250(std::string_view cp1250) {
    std::string utf8 = cp1250ToUtf8(cp1250);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<UnmappableCharacter> findUnmappable(const QString& text) {
    // Checked one character at a time so the position is a widget position, not a byte offset.
    for (qsizetype i = 0; i < text.size();) {
        bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        qsizetype length = pair ? 2 : 1;
        char16_t unit = text.at(i).unicode();
        if (unit >= 0x80) {
            QByteArray utf8 = text.mid(i, length).toUtf8();
            if (!utf8ToCp1250(std::string_view(utf8.constData(), utf8.size())))
                return UnmappableCharacter{
                    i, pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : unit};
        }
        i += length;
    }
    return std::nullopt;
}

std::optional<std::string> toCp1250(const QString& text, UnmappableCharacter* bad) {
    QByteArray utf8 = text.toUtf8();
    if (auto converted = utf8ToCp1250(std::string_view(utf8.constData(), utf8.size())))
        return converted;
    if (bad)
        *bad = findUnmappable(text).value_or(UnmappableCharacter{});
    return std::nullopt;
}

QString unmappableMessage(const UnmappableCharacter& bad) {
    QString shown =
        QChar::isPrint(bad.codePoint) ? QString::fromUcs4(&bad.codePoint, 1) : QStringLiteral("?");
    QString code = QStringLiteral("U+%1")
                       .arg(static_cast<unsigned>(bad.codePoint), 4, 16, QLatin1Char('0'))
                       .toUpper();
    return QString::fromUtf8(
               "Znak \u201E%1\u201C (%2) nelze zapsat v k\u00F3dov\u00E1n\u00ED "
               "Windows-1250.")
        .arg(shown, code);
}

}  // namespace vek
