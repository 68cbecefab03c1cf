// The keyboard alone, in real windows under openbox, each key checked to act on the control that
// shows the focus (read from Qt, from openbox's active window and from a capture by window id):
// - the keys of the skat phase that once declared a game the person had not seen chosen: the auction
//   won at 40 (Esc to the table, Up to 40, Tab back to the bar, Return), Return on "Pick up Skat",
//   then Esc, Right, Up, Return, Space, Up, Left, Space, Return;
// - a whole game in both editions, from the deal to the result box: bidding, the skat, laying away,
//   the declaration and ten tricks.
// Each key is written out with the control that had it and the steps of the flow it ran.

#include "flow/FrameAuction.h"
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "flow/TrickPlay.h"
#include "dialogs/DialogIds.h"
#include "dialogs/ResultDialog.h"
#include "flow/FrameGlobals.h"
#include "model/BidLadder.h"
#include "model/GameState.h"
#include "model/Skat.h"
#include "platform/core/DialogNavigation.h"
#include "platform/core/Message.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowSystem.h"
#include "qt/AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "qt/QtTestSupport.h"
#include "realwindow/KeyboardPlay.h"
#include "realwindow/RealWindowSupport.h"
#include "resources/FlowIds.h"

namespace {

using qttest::PumpUntil;
using realwindow::KeyEffect;
using realwindow::KeyHolder;
using realwindow::KeyStep;
using realwindow::TraceLines;

struct Edition {
    const char* name;
    bool german;
};

void PrintTo(const Edition& e, std::ostream* out) { *out << e.name; }

// The X key names typed here and the key codes the table's trace names them by.
const std::map<std::string, int> kKeyCodes = {{"Escape", VK_ESCAPE}, {"Return", VK_RETURN}, {"space", VK_SPACE},
                                              {"Tab", VK_TAB},       {"Left", VK_LEFT},     {"Up", VK_UP},
                                              {"Right", VK_RIGHT},   {"Down", VK_DOWN}};

// The trace line that shows a bar's button or box ran its step; any of several for the bid button.
std::vector<std::string> HandlerLines(int id) {
    switch (id) {
        case BTN_BID: return {":OnSpeakComputer", ":OnListenComputer", ":OnPass("};
        case BTN_PASS: return {":OnPass("};
        case BTN_PICKUP: return {":OnPickup("};
        case BTN_HAND: return {":OnHand("};
        case IDC_CLUBS: return {"CDeclareDialog::OnClubs()"};
        case IDC_SPADES: return {"CDeclareDialog::OnSpades()"};
        case IDC_HEARTS: return {"CDeclareDialog::OnHearts()"};
        case IDC_DIAMONDS: return {"CDeclareDialog::OnDiamonds()"};
        case IDC_GRAND: return {"CDeclareDialog::OnGrand()"};
        case IDC_NULL: return {"CDeclareDialog::OnNull()"};
        case IDC_NULL_OUVERT: return {"CDeclareDialog::OnNullOuvert()"};
        case IDC_SCHNEIDER: return {"CDeclareDialog::OnSchneider("};
        case IDC_SCHWARZ: return {"CDeclareDialog::OnSchwarz("};
        case IDC_OUVERT: return {"CDeclareDialog::OnOuvert("};
        case IDC_SUGGEST_SKAT_BOX: return {"CDeclareDialog::OnSuggestSkat("};
        case BTN_SUGGEST: return {":OnSuggestCard("};
        case IDC_SUGGEST_GAME: return {":OnSuggestGame("};
        default: return {};
    }
}

bool AnyLine(const TraceLines& trace, const std::vector<std::string>& parts) {
    for (const std::string& part : parts)
        if (trace.SinceMarkHas(part)) return true;
    return false;
}

class RealWindowKeyboardGame : public ::testing::TestWithParam<Edition> {
protected:
    // Suggestions on (their default); a full trick goes on by itself at once.
    RealWindowKeyboardGame() : app_(GetParam().german) {
        WriteProfileInt("Options", "Suggest", 1);
        WriteProfileInt("Options", "Continue", 1);
    }
    void SetUp() override { ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    CMainFrame& Frame() { return app_.Frame(); }
    const CCards& Person() { return Frame().GameObject().PersonsHand(); }
    int CardsInHand() {
        int count = 0;
        for (int slot = 0; slot < Person().capacity; ++slot) count += Person().present[slot] ? 1 : 0;
        return count;
    }
    KeyHolder Holder() { return player_->Holder(); }
    bool InBox(const KeyHolder& holder) {
        const auto& loops = platform::WindowSystem::Instance().ModalLoops();
        return !holder.table && !loops.empty() && loops.back()->Handle() == holder.window;
    }

    // What a key does with the control that holds it, by the rules of the table, the bars and the
    // boxes: the expectation each key of the test is checked against.
    KeyEffect ExpectedEffect(const KeyHolder& holder, const std::string& key) {
        const int code = kKeyCodes.at(key);
        if (holder.table) {
            const std::string line = ":KeyDown(" + std::to_string(code) + ")";
            return {"the table's key step " + line, [line](const TraceLines& t) { return t.SinceMarkHas(line); }};
        }
        const HWND window = holder.window;
        if (InBox(holder)) {
            // A box: Return presses the button Enter presses, Space the focused one, Esc answers No.
            const HWND entered = platform::ButtonEnterPresses(window);
            const std::string by = key == "Return" && entered ? " by \"" + realwindow::Plain(::GetWindowText(entered)) + "\""
                                                              : "";
            return {"the box is answered" + by, [window](const TraceLines&) { return !::IsWindow(window) || !::IsWindowVisible(window); }};
        }
        if (key == "Escape")
            return {"the table takes the keys", [this](const TraceLines&) { return Holder().table; }};
        if (key == "Tab" || key == "Left" || key == "Right" || key == "Up" || key == "Down") {
            // The dialog's own moves of the focus: no step of the game runs.
            return {"the focus moves inside the bar, no step runs",
                    [](const TraceLines& t) { return !t.SinceMarkHas("Dialog::On"); }};
        }
        const bool declareBar = ::GetDlgItem(window, IDC_SUGGEST_SKAT_BOX) != nullptr;
        int pressed = holder.id;
        if (key == "Return") {
            if (declareBar) {
                // Enter on the declaration bar declares nothing; on a box it turns the box.
                if (holder.id == IDC_SCHNEIDER || holder.id == IDC_SCHWARZ || holder.id == IDC_OUVERT ||
                    holder.id == IDC_SUGGEST_SKAT_BOX)
                    pressed = holder.id;
                else
                    return {"no game is declared by Enter",
                            [](const TraceLines& t) { return !t.SinceMarkHas("CDeclareDialog::On"); }};
            } else {
                const HWND entered = platform::ButtonEnterPresses(window);
                pressed = entered ? ::GetDlgCtrlID(entered) : 0;
            }
        }
        const std::vector<std::string> lines = HandlerLines(pressed);
        if (lines.empty()) {
            ADD_FAILURE() << "no known step for control " << pressed;
            return {"a known control", [](const TraceLines&) { return true; }};
        }
        return {"the step of \"" + realwindow::Plain(::GetWindowText(::GetDlgItem(window, pressed))) + "\": " +
                    lines.front(),
                [lines](const TraceLines& t) { return AnyLine(t, lines); }};
    }

    // Starts the program, deals the seeded game and has the player type keys by `choose` until it is
    // done; false when a step failed.
    void Play(const std::string& name, realwindow::KeyboardPlayer::Chooser choose) {
        app_.Start(1024, 768);
        if (HasFatalFailure()) return;
        trace_ = std::make_unique<TraceLines>();
        app_.Deal();
        if (HasFatalFailure()) return;
        player_ = std::make_unique<realwindow::KeyboardPlayer>(Frame().Handle(), *trace_, name);
        player_->Start(std::move(choose));
        ASSERT_TRUE(PumpUntil([this] { return player_->Finished(); }, 400000));
    }

    // A key and what it must do where the keys are.
    KeyStep Press(const KeyHolder& holder, const char* key) { return {key, false, ExpectedEffect(holder, key)}; }

    qttest::AppOnQtHost app_;
    std::unique_ptr<TraceLines> trace_;
    std::unique_ptr<realwindow::KeyboardPlayer> player_;
};

// The skat phase's keys that once declared an unseen game; each acts on the control shown with the focus.
TEST_P(RealWindowKeyboardGame, TheSkatPhaseKeysActWhereTheFocusIsShown) {
    const std::vector<const char*> keys = {"Escape", "Right", "Up", "Return", "space",
                                           "Up",     "Left",  "space", "Return"};
    std::size_t next = 0;
    bool pickedUp = false, raisedTo40 = false;
    int wonAt = 0;
    Play(std::string("skat-keys-") + GetParam().name, [&](const KeyHolder& holder) -> KeyStep {
        if (Frame().FrameAuction().IsAuctionBarOpen()) {
            // The bid of 40: Esc to the table, Up raises the bid shown to 40, Tab back to the bar,
            // Return bids it; below 40 and above it Return bids on.
            if (holder.table) {
                if (BidValue(-1) < 40) {
                    KeyStep step = Press(holder, "Up");
                    const int before = BidValue(-1);
                    auto table = step.effect.seen;
                    step.effect.expected += ", the bid shown raised";
                    step.effect.seen = [table, before](const TraceLines& t) {
                        return table(t) && t.SinceMarkHas("AlterBidDisplay") && BidValue(-1) > before;
                    };
                    return step;
                }
                KeyStep step = Press(holder, "Tab");
                step.effect = {"the bar takes the keys", [this](const TraceLines&) { return !Holder().table; }};
                return step;
            }
            if (holder.id != BTN_BID || !::IsWindowEnabled(holder.control)) return {};
            if (BidValue(-1) < 40 && !raisedTo40) {
                raisedTo40 = true;
                return Press(holder, "Escape");
            }
            return Press(holder, "Return");
        }
        if (!pickedUp) {
            if (g_Game.FlowState != STATE_SKAT) return {};
            pickedUp = true;
            wonAt = BidValue(-1);
            EXPECT_EQ(holder.id, BTN_PICKUP) << "the skat bar's focus";
            return Press(holder, "Return");
        }
        if (next == keys.size()) return {nullptr, true, {}};
        return Press(holder, keys[next++]);
    });
    EXPECT_EQ(next, keys.size());
    std::cout << "[skat-keys-" << GetParam().name << "] won at " << wonAt << ", game " << g_Game.GameType
              << ", state " << g_Game.FlowState << "\n";
}

// A whole game by keys alone: Return bids on, Return takes the skat up; on the table Up and Down
// raise a skat card and a hand card and Return exchanges them (laid away by hand), Tab gives the
// keys back to the bar; Space on the preselected game lays the suggested skat away and a second
// Space declares it; each trick is Return on the suggestion bar and Return on the table; a box (a
// Kontra, the result) is answered by Return once it shows its focus.
TEST_P(RealWindowKeyboardGame, AWholeGameByKeysAloneFromTheDealToTheResultBox) {
    enum Lay { kToTable, kSkatCard, kHandCard, kExchange, kToBar, kSuggested, kDeclared };
    int lay = kToTable;
    int tricks = 0;
    bool resultShown = false, resultAnswered = false;
    int skatBefore[2] = {0, 0};
    Play(std::string("game-") + GetParam().name, [&](const KeyHolder& holder) -> KeyStep {
        const auto& loops = platform::WindowSystem::Instance().ModalLoops();
        if (resultAnswered) {
            if (!loops.empty()) return {};
            return {nullptr, true, {}};
        }
        if (InBox(holder)) {
            KeyStep step = Press(holder, "Return");
            if (dynamic_cast<CResultDialog*>(loops.back())) {
                resultShown = true;
                resultAnswered = true;
            }
            return step;
        }
        if (!loops.empty()) return {};
        if (Frame().FrameAuction().IsAuctionBarOpen()) {
            if (holder.id != BTN_BID || !::IsWindowEnabled(holder.control)) return {};
            return Press(holder, "Return");
        }
        const int state = g_Game.FlowState;
        if (state == STATE_SKAT) return holder.id == BTN_PICKUP ? Press(holder, "Return") : KeyStep{};
        if (state == STATE_ASK) {
            switch (lay) {
                case kToTable:
                    skatBefore[0] = Frame().GameObject().Trick().cards[0];
                    skatBefore[1] = Frame().GameObject().Trick().cards[1];
                    ++lay;
                    // Without a game to preselect the table has the keys already.
                    if (!holder.table) return Press(holder, "Escape");
                    [[fallthrough]];
                case kSkatCard: ++lay; return Press(holder, "Up");
                case kHandCard: ++lay; return Press(holder, "Down");
                case kExchange: {
                    ++lay;
                    KeyStep step = Press(holder, "Return");
                    // The two raised cards change places: a hand card lies in the skat.
                    auto table = step.effect.seen;
                    step.effect.expected += ", a hand card laid into the skat";
                    step.effect.seen = [this, table, skatBefore](const TraceLines& t) {
                        const std::vector<int>& now = Frame().GameObject().Trick().cards;
                        return table(t) && (now[0] != skatBefore[0] || now[1] != skatBefore[1]);
                    };
                    return step;
                }
                case kToBar: {
                    ++lay;
                    KeyStep step = Press(holder, "Tab");
                    step.effect = {"the bar takes the keys", [this](const TraceLines&) { return !Holder().table; }};
                    return step;
                }
                case kSuggested:
                    if (holder.table) return {};
                    ++lay;
                    return Press(holder, "space");
                case kDeclared: ++lay; return Press(holder, "space");
                default: return {};
            }
        }
        if (state != STATE_PLAY || !Frame().FrameTrickPlay().PersonMayPlay()) return {};
        if (holder.table) {
            if (Frame().TrickPlay().SelectedSlot < 0) return {};
            KeyStep step = Press(holder, "Return");
            const int before = CardsInHand();
            auto table = step.effect.seen;
            step.effect.expected += ", the raised card played";
            step.effect.seen = [this, table, before](const TraceLines& t) { return table(t) && CardsInHand() < before; };
            ++tricks;
            return step;
        }
        return holder.id == BTN_SUGGEST ? Press(holder, "Return") : KeyStep{};
    });
    EXPECT_EQ(lay, kDeclared + 1) << "the skat and the declaration";
    EXPECT_GE(tricks, 9) << "the person's cards by keys (the last goes by itself)";
    EXPECT_TRUE(resultShown && resultAnswered);
    std::cout << "[game-" << GetParam().name << "] " << (player_ ? player_->Keys() : 0) << " keys, " << tricks << " cards played by keys\n";
}

INSTANTIATE_TEST_SUITE_P(Editions, RealWindowKeyboardGame, ::testing::Values(Edition{"en", false}, Edition{"ge", true}),
                         [](const ::testing::TestParamInfo<Edition>& info) { return std::string(info.param.name); });

}  // namespace
