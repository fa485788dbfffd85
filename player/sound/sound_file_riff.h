// RIFF/WAVE files read without a sound library: the chunk check every build applies before
// decoding, and the decoder of the browser build (PCM of 8, 16, 24 and 32 bits and 32-bit
// float, any channel count up to kMaxSoundChannels, WAVE_FORMAT_EXTENSIBLE included).
#pragma once

#include <optional>
#include <string_view>

#include "player/sound/sound_file.h"

namespace vek {

// False when the chunk structure runs past the end of the bytes (a cut file or a forged
// length) or there is no data chunk. Bytes that are no RIFF/WAVE pass.
bool riffStructureIntact(std::string_view bytes);

// The whole file decoded to 16-bit samples; nullopt for anything else, a damaged file or a
// sound beyond the limits of sound_file.h.
std::optional<DecodedSound> decodeRiffWave(std::string_view bytes);

}  // namespace vek
