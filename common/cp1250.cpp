#include "common/cp1250.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace vek {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Unicode code points of bytes 0x80..0xFF; the five unassigned positions hold U+FFFD.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const std::unordered_map<char32_t, unsigned char>& reverseTable() {
    static const auto table = [] {
        std::unordered_map<char32_t, unsigned char> m;
        for (std::size_t i = 0; i < kHighHalf.size(); ++i)
            if (kHighHalf[i] != kReplacement)
                m.emplace(kHighHalf[i], static_cast<unsigned char>(0x80 + i));
        return m;
    }();
    return table;
}

struct CaseTables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
};

// Upper/lower pairs of the code page beyond ASCII: Š Ś Ť Ž Ź, Ł Ą Ş Ż Ľ, and the block
// À..Þ / à..þ except × and ÷.
const CaseTables& caseTables() {
    static const CaseTables tables = [] {
        CaseTables t;
        for (int i = 0; i < 256; ++i) {
            t.upper[i] = static_cast<unsigned char>(i);
            t.lower[i] = static_cast<unsigned char>(i);
        }
        auto pair = [&t](int up, int low) {
            t.upper[low] = static_cast<unsigned char>(up);
            t.lower[up] = static_cast<unsigned char>(low);
        };
        for (int c = 'A'; c <= 'Z'; ++c)
            pair(c, c + 32);
        for (int c : {0x8A, 0x8C, 0x8D, 0x8E, 0x8F})
            pair(c, c + 0x10);
        pair(0xA3, 0xB3);
        pair(0xA5, 0xB9);
        pair(0xAA, 0xBA);
        pair(0xAF, 0xBF);
        pair(0xBC, 0xBE);
        for (int c = 0xC0; c <= 0xDE; ++c)
            if (c != 0xD7)
                pair(c, c + 0x20);
        return t;
    }();
    return tables;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos`; returns U+FFFD with length 1 for malformed input
// (overlong forms, surrogates and truncated sequences included).
char32_t decodeUtf8(std::string_view s, std::size_t pos, std::size_t& length) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b0 = byte(pos);
    length = 1;
    if (b0 < 0x80)
        return b0;
    std::size_t n = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return kReplacement;
    }
    if (pos + n > s.size())
        return kReplacement;
    for (std::size_t i = 1; i < n; ++i) {
        unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80)
            return kReplacement;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return kReplacement;
    length = n;
    return cp;
}

std::string hexCode(char32_t cp) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (int shift = cp > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4)
        hex += digits[(cp >> shift) & 0xF];
    return "U+" + hex;
}

}  // namespace

std::string cp1250ToUtf8(std::string_view cp1250) {
    std::string out;
    out.reserve(cp1250.size() + cp1250.size() / 4);
    for (char ch : cp1250) {
        auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b < 0x80 ? char32_t(b) : char32_t(kHighHalf[b - 0x80]));
    }
    return out;
}

std::string EncodingError::message() const {
    if (codePoint == kReplacement)
        return "Neplatn\xFD text UTF-8 na pozici " + std::to_string(offset) + ".";
    // The character itself cannot be written in the code page, so the message names its code.
    return "Znak " + hexCode(codePoint) + " na pozici " + std::to_string(offset) +
           " nelze zapsat v k\xF3"
           "dov\xE1n\xED Windows-1250.";
}

std::optional<std::string> utf8ToCp1250(std::string_view utf8, EncodingError* error) {
    std::string out;
    out.reserve(utf8.size());
    const auto& reverse = reverseTable();
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t length = 1;
        char32_t cp = decodeUtf8(utf8, pos, length);
        bool malformed = cp == kReplacement;
        if (!malformed && cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (auto it = reverse.find(cp); !malformed && it != reverse.end()) {
            out += static_cast<char>(it->second);
        } else {
            if (error) {
                error->offset = pos;
                error->codePoint = cp;
            }
            return std::nullopt;
        }
        pos += length;
    }
    return out;
}

char cpUpper(char c) {
    return static_cast<char>(caseTables().upper[static_cast<unsigned char>(c)]);
}

char cpLower(char c) {
    return static_cast<char>(caseTables().lower[static_cast<unsigned char>(c)]);
}

std::string cpUpper(std::string_view s) {
    const auto& t = caseTables().upper;
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(t[static_cast<unsigned char>(c)]);
    return out;
}

std::string cpLower(std::string_view s) {
    const auto& t = caseTables().lower;
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(t[static_cast<unsigned char>(c)]);
    return out;
}

bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    const auto& t = caseTables().upper;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (t[static_cast<unsigned char>(a[i])] != t[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

namespace {
char asciiUpperChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}
}  // namespace

bool sameTextAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiUpperChar(a[i]) != asciiUpperChar(b[i]))
            return false;
    return true;
}

bool startsWithAscii(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && sameTextAscii(s.substr(0, prefix.size()), prefix);
}

std::string asciiUpper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = asciiUpperChar(c);
    return out;
}

}  // namespace vek
