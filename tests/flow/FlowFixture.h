#pragma once
// A dealt game held at START on the headless host, ready for its auction: the tests set the
// computers' bid limits and the person's position, then send CM_AUCTION and answer on the bar.

#include "flow/FrameAuction.h"
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameTestSupport.h"

#include "model/FlowGlobals.h"
#include "model/BidLadder.h"
#include "model/Skat.h"
#include "resources/CommandIds.h"

#include "platform/core/Dialog.h"

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Audio/Voice with the voices off (bit 24 clear) and every seat's voice kept: golden traces stay
// free of voice lines.
inline constexpr int kVoicesOff = 0x00888BA9;

// A helper window whose timer answers every modal dialog that runs meanwhile with one command
// (IDCANCEL by default: Nein, the second OK, or the dialog's Cancel), and notes their captions.
class ModalAnswerer : public platform::Window {
public:
    void Start(int periodMs = 100) {
        Create(platform::CreateParams{});
        SetTimer(1, periodMs);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER) {
            const auto& loops = platform::WindowSystem::Instance().ModalLoops();
            if (!loops.empty() && loops.back()->IsAlive() && answered.size() < 100) {
                answered.push_back(loops.back()->Title());
                platform::Window* modal = loops.back();
                if (probe) probes.push_back(probe(modal->Handle()));
                // Negative: check that box first, then answer.
                int id = answers.empty() ? answer : answers.front();
                if (!answers.empty()) answers.erase(answers.begin());
                if (id < 0) {
                    if (auto* dialog = dynamic_cast<platform::Dialog*>(modal)) dialog->CheckDlgButton(-id, 1);
                    id = answers.empty() ? answer : answers.front();
                    if (!answers.empty()) answers.erase(answers.begin());
                }
                ::PostMessage(modal->Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0);
            }
            return 0;
        }
        return platform::Window::WindowProc(message, wParam, lParam);
    }
    int answer = IDCANCEL;
    std::vector<int> answers;  // used first, in order
    std::vector<std::string> answered;
    // Looks at each dialog before it is answered (a control's state, say).
    std::function<int(HWND)> probe;
    std::vector<int> probes;
};

// A helper window whose timer posts a close request to a window at a chosen moment.
class CloseLater : public platform::Window {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER) {
            KillTimer(1);
            ::PostMessage(target, WM_CLOSE);
            return 0;
        }
        return platform::Window::WindowProc(message, wParam, lParam);
    }
    HWND target = nullptr;
};

// A helper window whose timer runs an action once, at a chosen moment (inside a nested wait).
class Later : public platform::Window {
public:
    void At(int ms, std::function<void()> what) {
        if (!IsAlive()) Create(platform::CreateParams{});
        action = std::move(what);
        SetTimer(1, ms);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER) {
            KillTimer(1);
            if (action) action();
            return 0;
        }
        return platform::Window::WindowProc(message, wParam, lParam);
    }
    std::function<void()> action;
};

class FlowFixture : public FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        WriteProfileInt("Audio", "Voice", kVoicesOff);
        WriteProfileInt("Options", "Suggest", 0);
    }

    // Starts the program and deals a seeded game that waits at START (the deal's own step starts
    // no auction while the rule set is Ramsch only; the Ramsch rounds wait for the person's
    // answer to the Grand Hand offer).
    void DealAndHold(std::uint32_t seed = 4711) {
        TraceOn();
        StartProgram();
        answerer_.Start();
        g_Game.VariantMode = VARIANT_RAMSCH_ONLY;
        SeedRand(seed);
        Frame().SendMessage(WM_COMMAND, ID_NEW);
        ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_START; }, 10000));
        ASSERT_EQ(Frame().GameObject().PersonsHand().count, 10);
    }

    // The auction of the held deal: the person's position (Leader 0 rearhand, 1 middlehand, 2
    // forehand), the computers' limits and the rule set. The limits are set, not judged from the
    // cards: each case names the bids it wants the computers to reach, which no deal would pick.
    void StartAuction(int leader, int limit0, int limit1, int variant = VARIANT_SKAT) {
        g_Game.VariantMode = variant;
        g_Game.Leader = g_Game.Forehand = leader;
        g_Game.GameType = 0;
        Frame().FrameAuction().SetBidLimit(0, limit0);
        Frame().FrameAuction().SetBidLimit(1, limit1);
        Frame().SendMessage(WM_COMMAND, CM_AUCTION);
        host_->PumpUntilIdle();
    }

    HWND Bar() { return Frame().Prompts().PromptDialog; }
    // The person's buttons on the auction bar, as a click reaches the bar.
    void PressBid() {
        ::SendMessage(Bar(), WM_COMMAND, BTN_BID, 0);
        host_->PumpUntilIdle();
    }
    void PressPass() {
        ::SendMessage(Bar(), WM_COMMAND, BTN_PASS, 0);
        host_->PumpUntilIdle();
    }

    // The auction's spoken words as "<seat><b|h|p><value>" ("0b18"), in order.
    std::vector<std::string> Words() const {
        std::vector<std::string> words;
        for (const std::string& line : LogBodies()) {
            // "CMainFrame::OnPass(Person:pass:18)"
            if (line.rfind("CMainFrame::On", 0) != 0 || line.empty() || line.back() != ')') continue;
            const std::size_t open = line.find('(');
            if (open == std::string::npos) continue;
            const std::string inner = line.substr(open + 1, line.size() - open - 2);
            for (const char* word : {":bid:", ":hold:", ":pass:"}) {
                const std::size_t at = inner.find(word);
                if (at == std::string::npos) continue;
                int seat = -1;
                for (int s = 0; s < 3; ++s)
                    if (app_->MainFrame()->GetPlayerName(s) == inner.substr(0, at)) seat = s;
                words.push_back(std::to_string(seat) + word[1] + inner.substr(at + std::string(word).size()));
            }
        }
        return words;
    }
    std::string ButtonText(int id) { return ::GetWindowText(::GetDlgItem(Bar(), id)); }

    ModalAnswerer answerer_;
};

}  // namespace testsupport
