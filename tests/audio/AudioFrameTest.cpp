// The frame's voices and sounds in the running program, on the virtual clock: the Welcome, the A and
// S keys, refusals, a seat's term, the declaration, the support voice and Rekontra.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameAudio.h"
#include "flow/FrameKontra.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/TableState.h"

#include "audio/SpeechLogic.h"
#include "audio/VoiceClips.h"
#include "audio/VoicePlayer.h"
#include "audio/VoiceTerms.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/headless/DesktopRecorder.h"
#include "platform/headless/TavloSound.h"
#include "resources/ids.h"
#include "support/SkatTestAccess.h"
#include "support/FrameGameAccess.h"

namespace {

using testsupport::FrameFixture;
using Kind = platform::TavloSoundRecorder::Played::Kind;

class AudioFrameTest : public FrameFixture {
protected:
    void SetUp() override { tavlo::SetSoundOutput(&recorder); }
    void TearDown() override { tavlo::SetSoundOutput(nullptr); }

    // Starts the program and lets the Welcome pass; the recorder starts empty.
    void StartQuietly() {
        StartProgram();
        host_->PumpFor(1000);
        recorder.Clear();
    }
    // The terms the recorder heard (by the built-in clip each image is), with their times.
    struct Heard {
        int term;
        std::int64_t atMs;
        std::int64_t lengthMs;
        friend bool operator==(const Heard&, const Heard&) = default;
    };
    std::vector<Heard> HeardTerms(int speaker) const {
        std::vector<Heard> heard;
        for (std::size_t i = 0; i < recorder.PlayedSounds().size(); ++i) {
            if (recorder.PlayedSounds()[i].kind != Kind::Clip) continue;
            const auto& timing = recorder.Timings()[i];
            int term = -1;
            for (int t = VOICE_TERM_COUNT - 1; t >= 0; --t)
                if (VoiceClipTable(t, speaker, 1)->data() == timing.image) term = VoiceClipOwner(t, 1);
            heard.push_back({term, timing.atMs, timing.lengthMs});
        }
        return heard;
    }
    static std::int64_t ClipMs(int term, int speaker) {
        const VoiceClip& clip = *VoiceClipTable(term, speaker, 1);
        return static_cast<std::int64_t>((clip.size() - 44) / 2) * 1000 / 8000;
    }

    platform::TavloSoundRecorder recorder;
    platform::DesktopRecorder desktop;
};

TEST_F(AudioFrameTest, TheWelcomeComesAt800MillisecondsInVoiceSixAfterTheVolume) {
    const std::int64_t start = host_->NowMs();
    StartProgram();
    host_->PumpFor(1500);
    const auto heard = HeardTerms(5);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].term, TERM_WELCOME);
    EXPECT_EQ(heard[0].atMs, start + 800);
    EXPECT_DOUBLE_EQ(desktop.SoundVolume(), 10.0 / 15);
}

TEST_F(AudioFrameTest, AWelcomeFieldOfSevenSaysNothing) {
    WriteProfileInt("Audio", "Voice", static_cast<int>(0x0F888BA9u));
    StartProgram();
    host_->PumpFor(1500);
    EXPECT_TRUE(recorder.PlayedSounds().empty());
    EXPECT_DOUBLE_EQ(desktop.SoundVolume(), 10.0 / 15) << "the volume all the same";
}

TEST_F(AudioFrameTest, TheSettingsKeepEveryBitOfBothWords) {
    WriteProfileInt("Audio", "Voice", static_cast<int>(0xE1888BA9u));
    WriteProfileInt("Audio", "Sound", static_cast<int>(0x813FFFFFu));
    StartQuietly();
    EXPECT_EQ(static_cast<std::uint32_t>(g_Settings.Audio.Voice), 0xE1888BA9u);
    EXPECT_EQ(static_cast<std::uint32_t>(g_Settings.Audio.Sound), 0x813FFFFFu);
    EXPECT_EQ(GetPlayerVoice(2), 2);
}

TEST_F(AudioFrameTest, KeySTwiceRestoresTheWordAndTheTextGivesWayAfterTwentyTicks) {
    StartQuietly();
    CMainFrame& frame = Frame();
    frame.FrameTexts().SetStatusText("status");
    const int before = g_Settings.Audio.Sound;
    frame.FrameAudio().ToggleAudio(1);
    EXPECT_EQ(frame.Table().StatusBar.PaneText(0), platform::LoadString(IDS_SOUNDS_OFF));
    frame.FrameAudio().ToggleAudio(1);
    EXPECT_EQ(g_Settings.Audio.Sound, before);
    EXPECT_EQ(frame.Table().StatusBar.PaneText(0), "toggle S: Sounds on");
    frame.FrameAudio().ToggleAudio(0);
    EXPECT_EQ(frame.Table().StatusBar.PaneText(0), "toggle A: Voices off");
    EXPECT_EQ(static_cast<std::uint32_t>(g_Settings.Audio.Voice), 0x0C888BA9u);
    // The rotation is off; the countdown still runs.
    frame.FrameTimers().SetStatusRotation(false);
    host_->PumpFor(19 * 200);
    EXPECT_EQ(frame.Table().StatusBar.PaneText(0), "toggle A: Voices off");
    host_->PumpFor(2 * 200);
    EXPECT_EQ(frame.Table().StatusBar.PaneText(0), "status");
    EXPECT_TRUE(recorder.PlayedSounds().empty()) << "a toggle makes no sound";
}

TEST_F(AudioFrameTest, ARefusalSoundsEffectTwoOnce) {
    StartQuietly();
    Frame().FrameAudio().SetStatusText(IDS_SOUNDS_ON);
    ASSERT_EQ(recorder.PlayedSounds().size(), 1u);
    EXPECT_EQ(recorder.PlayedSounds()[0].kind, Kind::Effect);
    EXPECT_EQ(recorder.PlayedSounds()[0].effect, 2);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "toggle S: Sounds on");
}

TEST_F(AudioFrameTest, ASeatSaysItsTermsOneAfterTheOther) {
    StartQuietly();
    const std::int64_t t = host_->NowMs();
    Frame().FrameAudio().SaySeatTerm(1, 0, true);    // bid 18: no alternative wording
    Frame().FrameAudio().SaySeatTerm(1, 94, false);  // "More"
    const std::vector<Heard> expected{{0, t, ClipMs(0, 1)}, {94, t + ClipMs(0, 1) + 200, ClipMs(94, 1)}};
    EXPECT_EQ(HeardTerms(1), expected);
    // A seat without voice, and voices off, say nothing.
    recorder.Clear();
    g_Settings.Audio.Voice = static_cast<int>(0x0D888BA9u & ~0x7u);
    Frame().FrameAudio().SaySeatTerm(0, 0, false);
    g_Settings.Audio.Voice = static_cast<int>(0x0D888BA9u & ~(1u << 24));
    Frame().FrameAudio().SaySeatTerm(1, 0, false);
    EXPECT_TRUE(recorder.PlayedSounds().empty());
}

TEST_F(AudioFrameTest, TheDeclarationFollowsTheRuleSet) {
    StartQuietly();
    g_Game.Soloist = 0;
    g_Game.GameType = 0;
    g_Game.HandAnnounced = 1;
    g_Game.OuvertAnnounced = 1;
    g_Game.SchwarzAnnounced = 1;
    g_Game.VariantMode = VARIANT_SKAT;
    const std::int64_t t = host_->NowMs();
    Frame().FrameAudio().VoiceDeclare(false);
    const std::int64_t first = t + 200;
    const std::vector<Heard> variant{{67, first, ClipMs(67, 0)}, {91, first + ClipMs(67, 0) + 200, ClipMs(91, 0)}};
    EXPECT_EQ(HeardTerms(0), variant);
    recorder.Clear();
    g_Game.VariantMode = VARIANT_OFFICIAL;
    Frame().FrameAudio().VoiceDeclare(true);
    const auto heard = HeardTerms(0);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].term, 66);
    EXPECT_EQ(heard[1].term, TERM_I_GIVE_UP_GAME);
}

TEST_F(AudioFrameTest, TheSupportVoiceNamesTheCardByTheRules) {
    StartQuietly();
    // The person holds the Ace of Hearts (27).
    SkatTestAccess::Person(FrameGameAccess::Game(Frame())).SetCard(0, 27);
    g_Settings.Audio.Voice = static_cast<int>(0x0D888BA9u | (7u << 29));
    Frame().FrameAudio().VoiceSupport(27, -1);
    const auto heard = HeardTerms(2);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].term, TERM_ACE);
    EXPECT_EQ(heard[1].term, 128);
    recorder.Clear();
    g_Settings.Audio.Voice = static_cast<int>(0x0D888BA9u | (1u << 28));
    Frame().FrameAudio().VoiceSupport(27, -1);
    g_Settings.Audio.Voice = static_cast<int>(0x0D888BA9u | (7u << 29));
    Frame().FrameAudio().VoiceSupport(-1, -1);
    EXPECT_TRUE(recorder.PlayedSounds().empty());
}

TEST_F(AudioFrameTest, RekontraIsSaidInThePersonsVoiceAndMarked) {
    StartQuietly();
    g_Game.KontraState = KONTRA_SAID;
    Frame().FrameKontra().SayRekontra();
    EXPECT_EQ(g_Game.KontraState, KONTRA_REKONTRA);
    const auto heard = HeardTerms(2);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].term, TERM_REKONTRA);
    // A person's field of 7 is no voice: marked, not said.
    recorder.Clear();
    g_Settings.Audio.Voice = static_cast<int>(0x0D888FA9u);
    g_Game.KontraState = KONTRA_SAID;
    Frame().FrameKontra().SayRekontra();
    EXPECT_EQ(g_Game.KontraState, KONTRA_REKONTRA);
    EXPECT_TRUE(recorder.PlayedSounds().empty());
    // A second press after the Rekontra is late: nothing is said or changed.
    g_Settings.Audio.Voice = static_cast<int>(0x0D888BA9u);
    Frame().FrameKontra().SayRekontra();
    EXPECT_TRUE(recorder.PlayedSounds().empty());
}

// The special outcomes after a game are said by the player they concern.
TEST_F(AudioFrameTest, TheSpecialOutcomesAreSaidByTheirPlayer) {
    struct Case {
        const char* name;
        int gameType, soloist, outcome;
        int tricks[3], points[3];
        int seat, term;  // -1: nothing is said
    };
    const Case cases[] = {
        {"SuitSchwarz", GAME_CLUBS, 2, 0, {10, 0, 0}, {120, 0, 0}, 2, TERM_SCHWARZ},
        {"SuitSchwarzLost", GAME_HEARTS, 1, -1, {0, 10, 0}, {0, 120, 0}, 1, TERM_SCHWARZ},
        {"SuitSchneiderLost", GAME_CLUBS, 0, -1, {5, 5, 0}, {25, 95, 0}, 0, TERM_SCHNEIDER},
        {"GrandSchneiderWon", GAME_GRAND, 1, 0, {8, 2, 0}, {95, 25, 0}, 1, TERM_SCHNEIDER},
        {"SchwarzAnnouncedMissed", GAME_CLUBS, 0, -4, {8, 2, 0}, {95, 25, 0}, -1, 0},
        {"Plain", GAME_SPADES, 0, 0, {6, 4, 0}, {70, 50, 0}, -1, 0},
        {"NullNothing", GAME_NULL, 0, 0, {0, 10, 0}, {0, 120, 0}, -1, 0},
        {"Jungfrau", GAME_RAMSCH, 3, 0, {4, 0, 6}, {50, 0, 70}, 1, TERM_JUNGFRAU},
        {"DurchmarschSeatOne", GAME_RAMSCH, 3, 0, {0, 10, 0}, {0, 120, 0}, 1, TERM_DURCHMARSCH},
        {"DurchmarschSeatTwo", GAME_RAMSCH, 3, 0, {0, 0, 10}, {0, 0, 120}, 2, TERM_DURCHMARSCH},
    };
    StartQuietly();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        recorder.Clear();
        g_Game.GameType = c.gameType;
        g_Game.Soloist = c.soloist;
        for (int i = 0; i < 3; ++i) {
            g_Game.PartyTricks[i] = c.tricks[i];
            g_Game.PartyPoints[i] = c.points[i];
        }
        Frame().FrameAudio().VoiceResult(c.outcome);
        if (c.seat < 0) {
            for (int seat = 0; seat < 3; ++seat) EXPECT_TRUE(HeardTerms(::GetPlayerVoice(seat)).empty());
            continue;
        }
        const auto heard = HeardTerms(::GetPlayerVoice(c.seat));
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(heard[0].term, c.term);
    }
    // With voices off the balloon alone shows.
    recorder.Clear();
    g_Settings.Audio.Voice = static_cast<int>(static_cast<std::uint32_t>(g_Settings.Audio.Voice) & ~VOICE_OUTPUT_ON);
    g_Game.GameType = GAME_CLUBS;
    g_Game.Soloist = 2;
    g_Game.PartyTricks[0] = 10;
    Frame().FrameAudio().VoiceResult(0);
    EXPECT_TRUE(HeardTerms(::GetPlayerVoice(2)).empty());
}

}  // namespace
