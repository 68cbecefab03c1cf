#pragma once
// Shared pieces of the voice tests: a headless host whose clock the voice waits move, the sound
// recorder as tavlo's output, a private voices folder, and WAVE files made to measure.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "audio/VoicePlayer.h"
#include "model/Settings.h"
#include "platform/FileTestSupport.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/headless/TavloSound.h"
#include "tavlo/SoundApi.h"
#include "tavlo/SoundOutput.h"
#include "support/LayerResets.h"

namespace audiotest {

// A PCM WAVE image: `ms` long, a tone at a quarter of full scale.
inline std::vector<std::uint8_t> MakeWave(int ms, int rate = 8000, int channels = 1, int bits = 16) {
    const std::uint32_t frames = static_cast<std::uint32_t>(std::int64_t{rate} * ms / 1000);
    const std::uint32_t frameBytes = static_cast<std::uint32_t>(channels * bits / 8);
    const std::uint32_t data = frames * frameBytes;
    std::vector<std::uint8_t> out;
    auto put32 = [&](std::uint32_t v) { for (int s = 0; s < 32; s += 8) out.push_back(static_cast<std::uint8_t>(v >> s)); };
    auto put16 = [&](std::uint32_t v) { for (int s = 0; s < 16; s += 8) out.push_back(static_cast<std::uint8_t>(v >> s)); };
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put32(36 + data);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(16);
    put16(1);
    put16(static_cast<std::uint32_t>(channels));
    put32(static_cast<std::uint32_t>(rate));
    put32(static_cast<std::uint32_t>(rate) * frameBytes);
    put16(frameBytes);
    put16(static_cast<std::uint32_t>(bits));
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(data);
    for (std::uint32_t i = 0; i < data; ++i) out.push_back(static_cast<std::uint8_t>((i / frameBytes) % 16 < 8 ? 0x20 : 0xE0));
    return out;
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class VoiceFixture : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetVoicePlayer();
        g_Settings = CSettings{};
        ASSERT_FALSE(temp.Path().empty());
        root = temp.Path();
        folder = root / "ge" / "voice1";
        std::filesystem::create_directories(folder);
        // The program hands the folder over as it builds it, with a trailing backslash.
        SetVoiceBaseDirectory((root.string() + "\\").c_str());
        tavlo::SetSoundOutput(&recorder);
    }
    void TearDown() override {
        tavlo::SetSoundOutput(nullptr);
        testsupport::ResetVoicePlayer();
        g_Settings = CSettings{};
    }
    std::int64_t Now() const { return host.NowMs(); }

    platform::HeadlessHost host;
    platform::TavloSoundRecorder recorder;
    // A space and an umlaut in the voices' folder, as in a person's home.
    testsupport::TempFolder temp{"kartovan voices ä-"};
    std::filesystem::path root, folder;
};

}  // namespace audiotest
