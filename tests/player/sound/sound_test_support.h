// Shared pieces of the sound tests: tiny wave files written on the spot, and a complete sound
// setup (virtual device, box, list, environment) in a private directory.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "player/sound/background.h"
#include "player/sound/queue.h"
#include "player/sound/sound_env.h"
#include "player/sound/virtual_device.h"

namespace vek::test {

// Little-endian bytes of a 16-bit PCM wave file.
inline std::string waveBytes(const std::vector<std::int16_t>& samples, int rate, int channels) {
    std::string out;
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<char>(v >> (8 * i)));
    };
    auto put16 = [&](std::uint16_t v) {
        out.push_back(static_cast<char>(v));
        out.push_back(static_cast<char>(v >> 8));
    };
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out += "RIFF";
    put32(36 + dataBytes);
    out += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(static_cast<std::uint16_t>(channels));
    put32(static_cast<std::uint32_t>(rate));
    put32(static_cast<std::uint32_t>(rate * channels * 2));
    put16(static_cast<std::uint16_t>(channels * 2));
    put16(16);
    out += "data";
    put32(dataBytes);
    for (std::int16_t s : samples)
        put16(static_cast<std::uint16_t>(s));
    return out;
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A quiet mono wave of `ms` milliseconds at 8 kHz.
inline void writeWave(const std::filesystem::path& path, int ms, int rate = 8000) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(ms) * rate / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>((i % 16) * 100);
    writeBytes(path, waveBytes(samples, rate, 1));
}

// Remembers what the queues and the background set report.
class RecordingObserver : public SoundObserver {
  public:
    void queueStarted(std::string_view queue, std::string_view item) override {
        log.push_back(std::string(queue) + ":" + std::string(item));
    }
    void speechStarted(std::string_view queue, std::string_view text) override {
        log.push_back(std::string(queue) + ":tts:" + std::string(text));
    }
    void fileStarted(std::string_view path) override { log.push_back("file:" + std::string(path)); }
    void backgroundStarted(std::string_view key) override {
        log.push_back("bg+" + std::string(key));
    }
    void backgroundEnded(std::string_view key) override { log.push_back("bg-" + std::string(key)); }
    std::vector<std::string> log;
};

// A working directory of its own with the sound layer set up on a virtual device.
class SoundFixture : public ::testing::Test {
  protected:
    SoundFixture() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("vek_sound_" + std::to_string(::getpid()) + "_" +
               std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        paths.programPath = dir.string() + "/";
        box.Init();
        writeWave(dir / "sx00.wav", 10);
        primary.CreateAudio((dir / "sx00.wav").string());
        secondary.CreateAudio((dir / "sx00.wav").string());
        env.SoundsOn = true;
    }
    ~SoundFixture() override { std::filesystem::remove_all(dir); }

    // Writes wave\<file> of `ms` milliseconds and adds the entry line naming it.
    void addSound(const std::string& key, const std::string& file, int ms,
                  const std::string& suffix = "") {
        writeWave(dir / "wave" / file, ms);
        list.AddNahravku(key + "=" + key + "(wave\\" + file + ")" + suffix);
    }
    // Lets `ticks` timer periods pass as the main window does: both queues and the background.
    void tick(int ticks = 1, bool secondary = false) {
        for (int i = 0; i < ticks; ++i) {
            primary.Tick();
            if (secondary)
                this->secondary.Tick();
            background.ProvedAll(true);
            device.advance(100);
        }
    }
    // When the recording of `file` started sounding (the first time after `from` ms), or -1.
    long startTime(const std::string& file, std::uint64_t from = 0) const {
        for (const auto& e : device.events())
            if (e.kind == VirtualDevice::Event::Kind::Started && e.timeMs >= from &&
                std::filesystem::path(e.file).filename() == file)
                return static_cast<long>(e.timeMs);
        return -1;
    }
    std::optional<VirtualDevice::Event> startedEvent(const std::string& file) const {
        for (const auto& e : device.events())
            if (e.kind == VirtualDevice::Event::Kind::Started &&
                std::filesystem::path(e.file).filename() == file)
                return e;
        return std::nullopt;
    }
    std::vector<std::string> startedFiles() const {
        std::vector<std::string> files;
        for (const auto& e : device.events())
            if (e.kind == VirtualDevice::Event::Kind::Started)
                files.push_back(std::filesystem::path(e.file).filename().string());
        return files;
    }

    std::filesystem::path dir;
    SoundBasePaths paths;
    VolumeSettings volumes;
    VirtualDevice device;
    TSoundBox box{device};
    TSeznamZvuku list{paths};
    RecordingObserver observer;
    SoundEnv env{box, list, paths, volumes, nullptr, &observer};
    TZvukFronta primary{env, "primary"};
    TZvukFronta secondary{env, "secondary"};
    TBackFronta background{env};
};

}  // namespace vek::test
