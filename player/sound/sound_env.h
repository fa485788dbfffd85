// What the queues and the background set share: the device box, the sound list, the paths,
// the volume settings, the temporary files, the pause counter, the sound switch, and an
// observer that hears what starts and ends (for transcripts and tests).
#pragma once

#include <string>
#include <string_view>

#include "common/collection.h"
#include "common/sound_entry.h"
#include "common/string_list.h"
#include "common/temp_files.h"
#include "sound_box.h"
#include "sound_list.h"
#include "speech_voice.h"

namespace vek {

class SoundObserver {
  public:
    virtual ~SoundObserver() = default;
    // A queue started a recording; `item` as queued, without its "|" suffix.
    virtual void queueStarted(std::string_view queueName, std::string_view item) {}
    // A queue started saying `text` with the synthetic voice.
    virtual void speechStarted(std::string_view queueName, std::string_view text) {}
    virtual void fileStarted(std::string_view path) {}       // PlayFile
    virtual void backgroundStarted(std::string_view key) {}  // begins to sound
    virtual void backgroundEnded(std::string_view key) {}    // ended by itself, left the set
};

struct SoundEnv {
    TSoundBox& box;
    TSeznamZvuku& list;
    const SoundBasePaths& paths;
    const VolumeSettings& volumes;
    TTempFiles* tempFiles = nullptr;  // none: collection recordings cannot be extracted
    SoundObserver* observer = nullptr;
    TSpeechVoice* voice = nullptr;  // none: speech items are dropped
    int PauseTicks = 0;             // shared by both queues
    bool SoundsOn = false;          // set at the first timer tick
    bool StepRunning = false;       // a queue step is under way: the timer must not start another
};

// Loads the entry's recording into `audio`: a collection recording is extracted into the
// temporary directory first (and reused by name later); a plain file already held is kept.
// Returns false when nothing could be loaded (the caller then skips the item).
bool PrepareAudio(const TNahravka& entry, TMyAFS& audio, SoundEnv& env);

// Whether the entry's recording is there to be played: its plain file exists, or it points
// into a collection that was attached. Whether the file decodes shows only when it is loaded.
bool RecordingFound(const TNahravka& entry, const SoundEnv& env);

// Reads the index of every collection the sound list points into and fixes the entries'
// positions, lengths and CD flags; entries whose collection or sound is missing are dropped.
void AttachCollections(TSeznamZvuku& list, const SoundBasePaths& paths);

// Reads the index of the collection `name` (program path first, then the CD path) into `index`
// and notes the name in `loaded`, so a missing collection is tried only once per load.
void LoadCollection(std::string_view name, const SoundBasePaths& paths, TCollectionList& index,
                    StringList& loaded);

}  // namespace vek
