// Any bytes saved as a sound file: reading must end, never crash, and agree with itself.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "player/sound/sound_file.h"

namespace {

// The one scratch file of this process, removed at exit.
struct ScratchFile {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("vek_fuzz_sound_" + std::to_string(::getpid()) + ".wav");
    ~ScratchFile() {
        std::error_code ec;
        std::filesystem::remove(path, ec);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile scratch;
    const std::filesystem::path& file = scratch.path;
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const auto info = vek::probeSoundFile(file);
    const auto sound = vek::decodeSoundFile(file);
    if (info.has_value() != sound.has_value())
        std::abort();
    if (sound && (sound->info.frames != info->frames ||
                  sound->samples.size() != sound->info.frames * sound->info.channels))
        std::abort();
    return 0;
}
