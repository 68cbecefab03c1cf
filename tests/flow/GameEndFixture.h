#pragma once
// A game on the headless host played to the moment a test ends it off the ten tricks: the person
// as Grand soloist or as defender against Comp2, his cards played by clicks, internal reports and
// the give-up sounds noted.

#include "flow/TrickPlay.h"
#include "flow/FixedDealFixture.h"
#include "flow/MatchSeries.h"

#include "flow/FrameGlobals.h"
#include "model/CardCodes.h"
#include "model/InternalError.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/headless/TavloSound.h"
#include "resources/CommandIds.h"
#include "tavlo/SoundOutput.h"
#include "tavlo/Tavlo.h"

#include <algorithm>
#include <string>
#include <vector>

namespace testsupport {

inline constexpr int kPickUpButton = 1042;
inline constexpr int kGrandButton = 1023;
// Every Jack, Clubs from the Ace to the Nine and the Ace of Spades: sure of every trick once the
// first is played.
inline constexpr const char* kSureGrand = "CJ SJ HJ DJ CA CT CK CQ C9 SA";

class GameEndFixture : public FixedDealFixture {
protected:
    void TearDown() override {
        SetInternalErrorHandler({});
        tavlo::SetSoundOutput(nullptr);
    }

    const CPerson& Person() { return Frame().GameObject().Person(); }

    // The person wins the auction as forehand, picks the skat up and declares Grand: he leads.
    void PersonPlaysGrand(std::uint32_t seed = 4711) {
        DealAndHold(seed);
        SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
        StartAuction(2, 0, 0);
        PressBid();
        ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
        ::SendMessage(Bar(), WM_COMMAND, kPickUpButton, 0);
        host_->PumpUntilIdle();
        ::SendMessage(Bar(), WM_COMMAND, kGrandButton, 0);
        host_->PumpUntilIdle();
        ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
        ASSERT_EQ(g_Game.Soloist, 2);
        ASSERT_TRUE(Frame().FrameTrickPlay().PersonMayPlay());
    }

    // The person, forehand, declares Grand with a hand that is sure of every trick after the
    // first, and plays two tricks: he lays his cards open at his second lead, Comp1 meets them with
    // his card of that trick, and the person's next card brings Comp1's offer to give up.
    void PersonLaysDownHisGrand() {
        WriteProfileInt("Settings", "Abandon", 1);
        DealFixed(FixedDeal({"", "", kSureGrand}), 2, VARIANT_RAMSCH_ONLY);
        ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_START; }, 10000));
        SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
        StartAuction(2, 0, 0);
        PressBid();
        ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
        ::SendMessage(Bar(), WM_COMMAND, kPickUpButton, 0);
        host_->PumpUntilIdle();
        ::SendMessage(Bar(), WM_COMMAND, kGrandButton, 0);
        host_->PumpUntilIdle();
        ASSERT_EQ(g_Game.Soloist, 2);
        ASSERT_EQ(g_Game.GameType, GAME_GRAND);
        for (int trick = 0; trick < 2; ++trick) {
            ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay(); }, 10000));
            PersonPlaysACard();
            ASSERT_TRUE(host_->PumpUntil(
                [this, trick] { return Frame().Series().Record.cards.size() >= 3u * (trick + 1); }, 10000));
        }
        ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay(); }, 10000));
        ASSERT_EQ(g_Game.EarlyFaceUp, 1);
        ASSERT_EQ(Frame().Series().Record.faceUp, 2);
        ASSERT_EQ(Frame().GameObject().Player(0)->FaceUpSeen, 1);
        ASSERT_EQ(FindLine("CMainFrame::Abandon(Computer1)"), -1);
    }

    // The person plays his first card the rule allows, by a click.
    void PersonPlaysACard() {
        for (int slot = 0; slot < Person().capacity; ++slot) {
            if (!Person().present[slot] || !Person().ValidCard(slot, Frame().GameObject().Trick())) continue;
            const int card = Person().cards[slot];
            const platform::Point client{WC_GetCardX(g_Frame.hTableWnd, card) + 12,
                                         WC_GetCardY(g_Frame.hTableWnd, card) + 12};
            host_->Click(host_->NowMs() + 10, platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, client));
            return;
        }
        FAIL() << "the person holds no card to play";
    }

    // Comp2 wins the auction at 18 against the person, who sits forehand and leads.
    void Comp2Plays(std::uint32_t seed = 4711) {
        DealAndHold(seed);
        SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
        StartAuction(2, 0, 18, VARIANT_OFFICIAL);
        PressPass();
        ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay(); }, 10000));
        ASSERT_EQ(g_Game.Soloist, 1);
    }

    // From here the two give-up sounds are heard (built in, nothing else).
    void ListenForTheGiveUpSounds() {
        g_Settings.Audio.Sound = static_cast<int>(SOUND_OUTPUT_ON_BIT | (1u << 16) | (1u << 18));
        tavlo::SetSoundOutput(&recorder_);
    }
    std::vector<int> GiveUpSounds() const {
        std::vector<int> effects;
        for (const auto& played : recorder_.PlayedSounds())
            if (played.effect == 8 || played.effect == 9) effects.push_back(played.effect);
        return effects;
    }

    int CountLines(const std::string& body) const {
        const std::vector<std::string> lines = LogBodies();
        return static_cast<int>(std::count(lines.begin(), lines.end(), body));
    }

    static constexpr std::uint32_t SOUND_OUTPUT_ON_BIT = 1u << 24;
    std::vector<std::string> reports_;
    platform::TavloSoundRecorder recorder_;
};

}  // namespace testsupport
