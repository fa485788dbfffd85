#include "common/cp1250.h"

#include <array>
#include <cstdint>
#include <unordered_map>

#include "common/cp1250_literal.h"
#include "common/cp1250_table.h"

namespace vek {

namespace {

using cp1250_table::decodeUtf8;
using cp1250_table::kHighHalf;
using cp1250_table::kReplacement;

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
        return "Neplatný text UTF-8 na pozici "_cp + std::to_string(offset) + ".";
    // The character itself cannot be written in the code page, so the message names its code.
    return "Znak " + hexCode(codePoint) + " na pozici " + std::to_string(offset) +
           " nelze zapsat v kódování Windows-1250."_cp;
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
