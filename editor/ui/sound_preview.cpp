#include "editor/ui/sound_preview.h"

#include <system_error>

#include <unistd.h>

#include "common/collection.h"
#include "common/cp1250.h"
#include "common/paths.h"

namespace vek::editor {

SoundPreview::SoundPreview(SoundDevice* device) : device_(device) {}

SoundPreview::~SoundPreview() {
    release();
}

bool SoundPreview::ready() {
    if (state_ == State::Unopened) {
        std::string error;
        state_ = device_ && device_->init(&error) ? State::Open : State::Failed;
    }
    return state_ == State::Open;
}

bool SoundPreview::Playing() const {
    return state_ == State::Open && channel_ >= 0 && device_->isPlaying(channel_);
}

void SoundPreview::release() {
    if (device_ && state_ == State::Open) {
        if (channel_ >= 0)
            device_->stop(channel_);
        if (sample_)
            device_->freeSample(sample_);
    }
    channel_ = -1;
    sample_ = 0;
    if (!extracted_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(extracted_, ignored);
        extracted_.clear();
    }
}

void SoundPreview::Stop() {
    release();
}

std::filesystem::path SoundPreview::fileToPlay(std::string_view fileSpec,
                                               const std::filesystem::path& directory) {
    std::string base = directory.string();
    std::size_t bar = fileSpec.find('|');
    if (bar == std::string_view::npos)
        return resolvePath(base, cp1250ToUtf8(fileSpec));

    // A recording inside a collection is copied out first, as the player does. The index
    // names its recordings in the code page, as the entry lines do.
    std::string collectionName(fileSpec.substr(0, bar));
    std::filesystem::path collection = resolvePath(base, cp1250ToUtf8(collectionName));
    TCollectionList index;
    if (!readCollectionIndex(collection, collectionName, false, index))
        return {};
    int i = index.find(collectionName + "|" + std::string(fileSpec.substr(bar + 1)));
    if (i < 0)
        return {};
    auto at = static_cast<std::size_t>(i);
    extracted_ = std::filesystem::temp_directory_path() /
                 ("mirela_preview_" + std::to_string(::getpid()) + ".wav");
    if (!extractRecording(collection, index.Pozice(at), index.Delka(at), extracted_)) {
        extracted_.clear();
        return {};
    }
    return extracted_;
}

PreviewOutcome SoundPreview::Toggle(std::string_view fileSpec,
                                    const std::filesystem::path& directory) {
    if (Playing()) {
        release();
        return PreviewOutcome::Stopped;
    }
    release();
    if (!ready())
        return PreviewOutcome::NoDevice;
    std::filesystem::path file = fileToPlay(fileSpec, directory);
    if (!file.empty())
        sample_ = device_->loadSample(file);
    if (sample_)
        channel_ = device_->playPaused(sample_);
    if (channel_ < 0) {
        release();
        return PreviewOutcome::CannotPlay;
    }
    device_->setPaused(channel_, false);
    return PreviewOutcome::Started;
}

}  // namespace vek::editor
