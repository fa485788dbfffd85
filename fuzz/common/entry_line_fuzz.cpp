// Any bytes as a sound entry line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/sound_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    vek::TNahravka entry(line);
    vek::SoundBasePaths paths{"/hra/", "/cd/"};
    auto key = entry.Key();
    if (line.compare(0, key.size(), key) != 0)
        __builtin_trap();
    auto spec = entry.FileSpec();
    auto file = entry.CollectionFile(false, paths);
    auto sound = entry.CollectionSound();
    if (file.size() + sound.size() > spec.size())
        __builtin_trap();
    if (entry.Text().size() + key.size() > line.size())
        __builtin_trap();
    int priority = entry.Priority();
    if (priority < 0 || priority > 9)
        __builtin_trap();
    entry.FromCD = size % 2 == 1;
    (void)entry.FullFileName(paths);
    (void)entry.CollectionFile(true, paths);
    (void)entry.Kind();
    return 0;
}
