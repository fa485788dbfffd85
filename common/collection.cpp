#include "common/collection.h"

#include <algorithm>
#include <charconv>
#include <fstream>

#include "common/cp1250_literal.h"
#include "common/text_file.h"

namespace vek {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBlockSize = 2048;
constexpr char kMagic[] = {'Z', 'V', 'K', '\0'};

void putLittleEndian(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t getLittleEndian32(const unsigned char* b) {
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

std::uint32_t parseNumber(std::string_view text) {
    std::uint32_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return (ec == std::errc() && end == text.data() + text.size()) ? value : 0;
}

struct Record {
    const CollectionSource* source;
    std::uint32_t length;
};

// Copies the whole of `file` into `out` in blocks; false when it cannot be read completely or
// its length is not the one recorded in the index.
bool appendFile(const fs::path& file, std::uint64_t expected, AtomicFileWriter& out) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    char block[kBlockSize];
    std::uint64_t copied = 0;
    while (in) {
        in.read(block, kBlockSize);
        auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0)
            break;
        if (!out.write(std::string_view(block, got)))
            return false;
        copied += got;
    }
    return !in.bad() && copied == expected;
}

std::string refusedName(const std::string& name) {
    return "Jméno zvuku \""_cp + name.substr(0, 40) +
           "\" nelze do kolekce uložit (smí mít 1 až 255 znaků)."_cp;
}

}  // namespace

CollectionWriteResult writeCollection(const fs::path& target,
                                      const std::vector<CollectionSource>& sources,
                                      const CollectionProgress& progress, std::string* error) {
    auto failed = [&](std::string message) {
        if (error)
            *error = std::move(message);
        return CollectionWriteResult::Failed;
    };
    for (const auto& s : sources)
        if (s.name.empty() || s.name.size() > 255)
            return failed(refusedName(s.name));

    const std::size_t count = sources.size();
    auto report = [&](CollectionPhase phase, std::size_t i) {
        return !progress || progress(phase, i, count);
    };

    std::string index(kMagic, sizeof kMagic);
    putLittleEndian(index, count & 0xFFFF, 2);
    std::vector<Record> records;
    for (std::size_t i = 0; i < count; ++i) {
        const auto& s = sources[i];
        std::error_code ec;
        if (fs::is_regular_file(s.file, ec)) {
            auto size = fs::file_size(s.file, ec);
            if (ec || size > 0xFFFFFFFFu)
                return failed("Soubor " + s.file.string() + " nelze do kolekce uložit."_cp);
            index += static_cast<char>(s.name.size());
            index += s.name;
            putLittleEndian(index, size, 4);
            records.push_back({&s, static_cast<std::uint32_t>(size)});
        }
        if (!report(CollectionPhase::Index, i))
            return CollectionWriteResult::Cancelled;
    }
    index += '\0';

    AtomicFileWriter out(target);
    out.write(index);
    std::size_t next = 0;
    for (std::size_t i = 0; i < count && out.ok(); ++i) {
        if (next < records.size() && records[next].source == &sources[i]) {
            if (!appendFile(sources[i].file, records[next].length, out))
                return failed("Soubor " + sources[i].file.string() +
                              " se při vytváření kolekce nepodařilo přečíst."_cp);
            ++next;
        }
        if (!report(CollectionPhase::Data, i))
            return CollectionWriteResult::Cancelled;
    }
    if (!out.commit())
        return failed(out.error());
    return CollectionWriteResult::Written;
}

void TCollectionList::add(std::string line) {
    names_.add(line.substr(0, line.rfind('=')));
    lines_.add(std::move(line));
}

void TCollectionList::clear() {
    lines_.clear();
    names_.clear();
}

int TCollectionList::find(std::string_view name) const {
    return names_.indexOf(name);
}

// A line is collection "|" sound "=" offset "|" length, and "C" when found under the CD path.
// Sound names never hold "=", so the last "=" is the one before the numbers even when a
// collection's file name holds one.
std::string TCollectionList::ColName(std::size_t i) const {
    const auto& l = lines_[i];
    return l.substr(0, l.find('|'));
}

std::string TCollectionList::ZvukName(std::size_t i) const {
    const auto& l = lines_[i];
    auto bar = l.find('|');
    auto eq = l.rfind('=');
    if (bar == std::string::npos || eq == std::string::npos || eq < bar)
        return {};
    return l.substr(bar + 1, eq - bar - 1);
}

std::uint32_t TCollectionList::Pozice(std::size_t i) const {
    std::string_view l = lines_[i];
    auto eq = l.rfind('=');
    if (eq == std::string_view::npos)
        return 0;
    auto numbers = l.substr(eq + 1);
    return parseNumber(numbers.substr(0, numbers.find('|')));
}

std::uint32_t TCollectionList::Delka(std::size_t i) const {
    std::string_view l = lines_[i];
    auto eq = l.rfind('=');
    if (eq == std::string_view::npos)
        return 0;
    auto numbers = l.substr(eq + 1);
    auto bar = numbers.find('|');
    if (bar == std::string_view::npos)
        return 0;
    auto length = numbers.substr(bar + 1);
    if (!length.empty() && (length.back() < '0' || length.back() > '9'))
        length.remove_suffix(1);
    return parseNumber(length);
}

bool TCollectionList::CD(std::size_t i) const {
    const auto& l = lines_[i];
    return !l.empty() && l.back() == 'C';
}

bool readCollectionIndex(const fs::path& path, std::string_view name, bool fromCD,
                         TCollectionList& list) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    char header[6];
    if (!in.read(header, 4) || !std::equal(header, header + 4, kMagic))
        return false;
    in.read(header + 4, 2);  // the stored count: the index alone says what is there

    struct Entry {
        std::string sound;
        std::uint64_t position;
        std::uint32_t length;
    };
    std::vector<Entry> entries;
    std::uint64_t offset = 6;
    std::uint64_t dataPosition = 0;
    while (in) {
        char n = 0;
        if (!in.get(n))
            break;
        ++offset;
        auto size = static_cast<unsigned char>(n);
        if (size == 0)
            break;
        std::string sound(size, '\0');
        unsigned char length[4];
        if (!in.read(sound.data(), size) ||
            !in.read(reinterpret_cast<char*>(length), sizeof length))
            break;  // a truncated record is dropped; the complete ones before it are kept
        offset += size + sizeof length;
        std::uint32_t bytes = getLittleEndian32(length);
        entries.push_back({std::move(sound), dataPosition, bytes});
        dataPosition += bytes;
    }

    for (const auto& e : entries) {
        if (e.position + offset > 0xFFFFFFFFu)
            break;  // offsets are held in 32 bits: what starts beyond 4 GB cannot be reached
        std::string line(name);
        line += '|';
        line += e.sound;
        line += '=';
        line += std::to_string(e.position + offset);
        line += '|';
        line += std::to_string(e.length);
        if (fromCD)
            line += 'C';
        list.add(std::move(line));
    }
    return true;
}

bool extractRecording(const fs::path& collection, std::uint64_t position, std::uint64_t length,
                      const fs::path& target) {
    if (length == 0)
        return false;
    std::ifstream in(collection, std::ios::binary);
    if (!in)
        return false;
    std::error_code ec;
    auto size = fs::file_size(collection, ec);
    if (ec || position >= size)
        return false;
    if (!in.seekg(static_cast<std::streamoff>(position)))
        return false;

    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    char block[kBlockSize];
    std::uint64_t left = length;
    std::uint64_t copied = 0;
    while (left > 0) {
        auto want = static_cast<std::streamsize>(std::min<std::uint64_t>(left, kBlockSize));
        in.read(block, want);
        auto got = in.gcount();
        if (got <= 0)
            break;  // the recording runs past the end of the collection: keep what there is
        out.write(block, got);
        left -= static_cast<std::uint64_t>(got);
        copied += static_cast<std::uint64_t>(got);
    }
    out.close();
    if (copied == 0 || !out || in.bad()) {
        fs::remove(target, ec);
        return false;
    }
    return true;
}

}  // namespace vek
