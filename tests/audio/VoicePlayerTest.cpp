// The voice player: which replacement file or built-in clip plays, and when, on the virtual clock.
#include "AudioTestSupport.h"

#include <chrono>
#include <filesystem>
#include <string>

#include "audio/VoiceClips.h"
#include "audio/VoiceTerms.h"

namespace {

using audiotest::MakeWave;
using audiotest::VoiceFixture;
using audiotest::WriteBytes;
using Kind = platform::TavloSoundRecorder::Played::Kind;

class VoiceLookupTest : public VoiceFixture {
protected:
    // What one term of speaker 0 plays from file: the file's name, or "built-in".
    std::string Plays(int term) {
        recorder.Clear();
        PlayVoiceTerm(term, 0, 0, true);
        if (recorder.PlayedSounds().size() != 1) return "nothing";
        const auto& played = recorder.PlayedSounds()[0];
        if (played.kind == Kind::Clip) return "built-in";
        return std::filesystem::path(played.path).filename().string();
    }
    void Put(const std::string& name, const std::vector<std::uint8_t>& bytes) { WriteBytes(folder / name, bytes); }
};

TEST_F(VoiceLookupTest, TheTermNameThenTheShortFormThenTheBuiltInClip) {
    const auto wave = MakeWave(300);
    // Only 2.wav: bid 72 plays it; 72.wav wins over it.
    Put("2.wav", wave);
    EXPECT_EQ(Plays(23), "2.wav");
    Put("72.wav", wave);
    EXPECT_EQ(Plays(23), "72.wav");
    // "Eight" has no short form: ".wav", then the built-in digit.
    EXPECT_EQ(Plays(TERM_EIGHT), "built-in");
    Put(".wav", wave);
    EXPECT_EQ(Plays(TERM_EIGHT), ".wav");
    // "OfClubs" falls back to the suit word.
    Put("Clubs.wav", wave);
    EXPECT_EQ(Plays(TERM_OF_CLUBS), "Clubs.wav");
    // A name that differs only in case is found.
    Put("oFsPADES.WAV", wave);
    EXPECT_EQ(Plays(127), "oFsPADES.WAV");
}

TEST_F(VoiceLookupTest, FilesThatDoNotDecodeFallThrough) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool counts;
    };
    auto truncated = MakeWave(500);
    truncated.resize(truncated.size() / 2);
    auto noData = MakeWave(500);
    noData.resize(44);
    auto compressed = MakeWave(300);
    compressed[20] = 2;  // not PCM
    const Case cases[] = {
        {"empty", {}, false},
        {"not a WAVE", {'R', 'I', 'F', 'F', 1, 0, 0, 0, 'A', 'V', 'I', ' '}, false},
        {"header only", noData, false},
        {"not PCM", compressed, false},
        {"truncated", truncated, true},
        {"stereo 44.1 kHz 8-bit", MakeWave(300, 44100, 2, 8), true},
    };
    Put("8.wav", MakeWave(300));  // never reached: "Nine" has no short form
    for (const Case& c : cases) {
        Put("Nine.wav", c.bytes);
        EXPECT_EQ(Plays(TERM_NINE), c.counts ? "Nine.wav" : "built-in") << c.what;
    }
    std::filesystem::remove(folder / "Nine.wav");
    std::filesystem::create_directory(folder / "Nine.wav");
    EXPECT_EQ(Plays(TERM_NINE), "built-in") << "a folder";
}

TEST_F(VoiceLookupTest, WithoutFromFileTheFolderIsNeverLookedAt) {
    Put("Welcome.wav", MakeWave(300));
    PlayVoiceTerm(TERM_WELCOME, 0, 0, false);
    ASSERT_EQ(recorder.PlayedSounds().size(), 1u);
    EXPECT_EQ(recorder.PlayedSounds()[0].kind, Kind::Clip);
}

TEST_F(VoiceLookupTest, AFolderIsReadAgainOnlyWhenItHasChangedAndNotAtAllWithoutOutput) {
    using std::chrono::file_clock;
    using namespace std::chrono_literals;
    const auto on = [](std::chrono::year year) -> std::filesystem::file_time_type {
        return file_clock::from_sys(
            std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::sys_days{year / 1 / 1}));
    };
    const std::filesystem::file_time_type longAgo = on(std::chrono::year{2020});
    const std::filesystem::file_time_type later = longAgo + 1h;
    const std::filesystem::file_time_type farAhead = on(std::chrono::year{2100});
    struct Case {
        const char* what;
        std::filesystem::file_time_type before;  // the folder's change time at the first term
        std::filesystem::file_time_type after;   // and once Welcome.wav is in place
        bool outputAtFirstTerm;
        std::string second;                      // what the second term plays
    };
    const Case cases[] = {
        {"unchanged since long ago: the names read once serve", longAgo, longAgo, true, "built-in"},
        {"changed since: read again", longAgo, later, true, "Welcome.wav"},
        {"changed as the names were read: read again", farAhead, farAhead, true, "Welcome.wav"},
        {"no output at the first term: nothing read then", longAgo, longAgo, false, "Welcome.wav"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder / "Welcome.wav");
        SetVoiceBaseDirectory((root.string() + "/").c_str());
        std::filesystem::last_write_time(folder, c.before);
        if (!c.outputAtFirstTerm) tavlo::SetSoundOutput(nullptr);
        PlayVoiceTerm(TERM_WELCOME, 0, 0, true);
        tavlo::SetSoundOutput(&recorder);
        Put("Welcome.wav", MakeWave(300));
        std::filesystem::last_write_time(folder, c.after);
        EXPECT_EQ(Plays(TERM_WELCOME), c.second) << c.what;
    }
    // A folder that goes and comes back is read again.
    std::filesystem::remove_all(folder);
    EXPECT_EQ(Plays(TERM_WELCOME), "built-in");
    std::filesystem::create_directories(folder);
    Put("Welcome.wav", MakeWave(300));
    std::filesystem::last_write_time(folder, longAgo);
    EXPECT_EQ(Plays(TERM_WELCOME), "Welcome.wav");
}

TEST_F(VoiceLookupTest, ArgumentsOutsideTheirRangesAndTheSoundFlagPlayNothing) {
    const std::int64_t before = Now();
    for (auto [term, language, speaker] : {std::tuple{-1, 0, 0}, {130, 0, 0}, {0, 2, 0}, {0, -1, 0}, {0, 0, 6},
                                           {0, 0, -1}, {0, 0, NO_VOICE}})
        PlayVoiceTerm(term, language, speaker, true);
    EXPECT_EQ(SetSoundEnabled(0), 0);
    PlayVoiceTerm(0, 0, 0, false);
    EXPECT_TRUE(recorder.PlayedSounds().empty());
    EXPECT_EQ(Now(), before) << "no pause either";
}

TEST_F(VoiceLookupTest, AnExportedSpeakerPlaysEveryTermFromFile) {
    ExportBuiltInVoices(1, true, (folder.string() + "/"));
    EXPECT_TRUE(std::filesystem::exists(folder / "2.wav"));
    EXPECT_TRUE(std::filesystem::exists(folder / "Eight.wav"));
    EXPECT_FALSE(std::filesystem::exists(folder / "72.wav"));
    for (int term = 0; term < VOICE_TERM_COUNT; ++term) EXPECT_NE(Plays(term), "built-in") << term;
    // Into a folder that cannot be written: nothing, no failure.
    ExportBuiltInVoices(2, true, (root / "missing" / "deeper/").string());
    ExportBuiltInVoices(0, true, folder.string() + "/");
    ExportBuiltInVoices(7, true, folder.string() + "/");
    EXPECT_FALSE(std::filesystem::exists(root / "missing"));
}

TEST_F(VoiceFixture, TermsFollowEachOtherAfterTheirLengthAndTwoHundredMilliseconds) {
    WriteBytes(folder / "Kontra.wav", MakeWave(1234));
    const std::int64_t start = Now();
    PlayVoiceTerm(105, 0, 0, true);
    PlayVoiceTerm(0, 0, 0, false);
    PlayVoiceTerm(1, 0, 0, false);
    const auto& timings = recorder.Timings();
    ASSERT_EQ(timings.size(), 3u);
    EXPECT_EQ(timings[0].atMs, start);
    EXPECT_EQ(timings[0].lengthMs, 1234);
    EXPECT_EQ(timings[1].atMs, start + 1234 + 200);
    EXPECT_GT(timings[1].lengthMs, 0);
    EXPECT_EQ(timings[2].atMs, timings[1].atMs + timings[1].lengthMs + 200);
}

TEST_F(VoiceFixture, AVeryLongFileHoldsTheTableThreeSecondsAtMost) {
    WriteBytes(folder / "Kontra.wav", MakeWave(9000));
    const std::int64_t start = Now();
    PlayVoiceTerm(105, 0, 0, true);
    EXPECT_EQ(Now(), start + 3000 + 200);
}

TEST_F(VoiceFixture, WithoutAnOutputOnlyThePauseRemains) {
    tavlo::SetSoundOutput(nullptr);
    const std::int64_t start = Now();
    PlayVoiceTerm(0, 0, 0, false);
    PlayVoiceTerm(1, 0, 0, false);
    EXPECT_EQ(Now(), start + 400);
    EXPECT_TRUE(recorder.PlayedSounds().empty());
}

TEST_F(VoiceFixture, TheSeatFieldsAndFromFileBitsReadTheWholeWord) {
    struct Case {
        std::uint32_t word;
        int seat0, seat1, seat2;
    };
    const Case cases[] = {
        {0x0D888BA9u, 0, 1, 2},
        {0x00000000u, NO_VOICE, NO_VOICE, NO_VOICE},
        {0x00000777u, NO_VOICE, NO_VOICE, NO_VOICE},  // a field of 7 is no voice
        {0xFFFFF456u, 5, 4, 3},
    };
    for (const Case& c : cases) {
        g_Settings.Audio.Voice = static_cast<int>(c.word);
        EXPECT_EQ(GetPlayerVoice(0), c.seat0) << std::hex << c.word;
        EXPECT_EQ(GetPlayerVoice(1), c.seat1) << std::hex << c.word;
        EXPECT_EQ(GetPlayerVoice(2), c.seat2) << std::hex << c.word;
        EXPECT_EQ(GetPlayerVoice(3), NO_VOICE);
    }
    g_Settings.Audio.Voice = static_cast<int>(0x00800080u);  // speakers 1 and 5 from file
    EXPECT_EQ(IsVoiceFromFile(0), 0);
    EXPECT_EQ(IsVoiceFromFile(1), 1);
    EXPECT_EQ(IsVoiceFromFile(5), 1);
    EXPECT_EQ(IsVoiceFromFile(NO_VOICE), 0);
    EXPECT_EQ(IsVoiceFromFile(-1), 0);
}

}  // namespace
