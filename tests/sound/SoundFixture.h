// Runs the sound layer on the program's mixer with no audio device: the test
// pulls the mix itself, so every sample is known.
#pragma once

#include "fixtures/ReadAll.h"
#include "platform/AudioDevice.h"
#include "platform/AudioMixer.h"
#include "sound/SoundEffects.h"

#include <gtest/gtest.h>

#include <cstdlib>

class MemoryAudio {
public:
    MemoryAudio() {
        was_ = AudioDeviceSettings().memoryOnly;
        AudioDeviceSettings().memoryOnly = true;
    }
    ~MemoryAudio() {
        AudioDeviceSettings().memoryOnly = was_;
        AudioMixer().Render(1); // drops voices that ended or were released
    }

private:
    bool was_;
};

// The sum of absolute sample values: 0 only for silence.
inline long long Loudness(const std::vector<std::int16_t>& mix) {
    long long sum = 0;
    for (std::int16_t v : mix) sum += std::abs(static_cast<int>(v));
    return sum;
}

#include "fixtures/TempDir.h"
#include "foundation/ErrorLog.h"

#include <fstream>
#include <sstream>
#include <string>

// A scratch folder with its own report file, for tests that check report lines.
class ReportFolder {
public:
    ReportFolder() { SetReportFile("Report_Game.txt"); }
    ~ReportFolder() { SetReportFile(""); }
    std::string Report() const {
        std::ifstream in(dir_.path() / "Report_Game.txt", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::filesystem::create_directories((dir_.path() / name).parent_path());
        std::ofstream out(dir_.path() / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    TempDir dir_;
};
