// Czech texts written as readable UTF-8 literals and held as code page 1250 bytes:
// "Nabídku '"_cp is a zero-terminated `const char*` to the text's code page 1250 bytes, usable
// wherever a plain literal is. The conversion runs at compile time, so a character the code
// page lacks stops the build.
#pragma once

#include <cstddef>
#include <string_view>

#include "common/cp1250_table.h"

namespace vek {

namespace cp1250_detail {

// The compiler names this function in its error when a literal cannot be converted.
void character_not_in_code_page_1250_or_malformed_utf8();

template <std::size_t N>
struct Utf8Literal {
    char bytes[N]{};
    consteval Utf8Literal(const char (&text)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            bytes[i] = text[i];
    }
};

// The converted bytes, zero-terminated; never longer than the UTF-8 original.
template <std::size_t N>
struct Cp1250Bytes {
    char bytes[N]{};
};

consteval char cp1250Byte(char32_t cp) {
    if (cp < 0x80)
        return static_cast<char>(cp);
    for (std::size_t i = 0; cp != cp1250_table::kReplacement && i < 128; ++i)
        if (cp1250_table::kHighHalf[i] == cp)
            return static_cast<char>(0x80 + i);
    character_not_in_code_page_1250_or_malformed_utf8();
    return '?';
}

template <Utf8Literal S>
consteval auto toCp1250() {
    constexpr std::size_t n = sizeof(S.bytes);
    const std::string_view utf8(S.bytes, n - 1);
    Cp1250Bytes<n> out;
    std::size_t at = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t length = 1;
        out.bytes[at++] = cp1250Byte(cp1250_table::decodeUtf8(utf8, pos, length));
        pos += length;
    }
    return out;
}

template <Utf8Literal S>
inline constexpr auto kCp1250 = toCp1250<S>();

}  // namespace cp1250_detail

template <cp1250_detail::Utf8Literal S>
constexpr const char* operator""_cp() {
    return cp1250_detail::kCp1250<S>.bytes;
}

}  // namespace vek
