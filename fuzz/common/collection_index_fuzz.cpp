// Any bytes as a sound collection: the index reader, the accessors of its lines and the
// extraction of the recordings it names.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/collection.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    static const fs::path dir = [] {
        auto d = fs::temp_directory_path() / ("vek-fuzz-zvk-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    const fs::path file = dir / "k.zvk";
    const fs::path out = dir / "nahravka.tmp";
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    vek::TCollectionList list;
    bool fromCD = size % 2 == 1;
    vek::readCollectionIndex(file, "k.zvk", fromCD, list);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list.ColName(i) != "k.zvk" || list.CD(i) != fromCD)
            __builtin_trap();
        if (list.find(list.ColName(i) + "|" + list.ZvukName(i)) < 0)
            __builtin_trap();
        if (list.Pozice(i) >= size && list.Delka(i) > 0) {
            if (vek::extractRecording(file, list.Pozice(i), list.Delka(i), out))
                __builtin_trap();  // nothing to copy beyond the end of the file
        } else if (i < 4) {
            vek::extractRecording(file, list.Pozice(i), list.Delka(i), out);
        }
    }
    std::error_code ec;
    fs::remove(out, ec);
    return 0;
}
