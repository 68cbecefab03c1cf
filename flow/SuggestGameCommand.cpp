// The game suggestion (CM_SUGGEST_GAME): the games the person's hand allows, with values, chances
// and rule links; with Settings/Suggest the computers' games as well, which marks the game.
#include "flow/FrameAuction.h"
#include "flow/FrameDeclaration.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameTexts.h"

#include "dialogs/InfoDialog.h"
#include "flow/GameSuggestion.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kMarkSuggestedForComputers = 512;

// The evaluation writes the game record and the player's analysis as it goes; a suggestion leaves
// both as they were.
class KeepGameAsItIs {
public:
    explicit KeepGameAsItIs(CPlayer& player)
        : player(player), gameType(g_Game.GameType), trumpCount(g_Game.TrumpCount), hand(g_Game.HandAnnounced),
          ouvert(g_Game.OuvertAnnounced), schneider(g_Game.SchneiderAnnounced), schwarz(g_Game.SchwarzAnnounced),
          handInfo(player.handInfo) {
        std::memcpy(options, player.gameOptions, sizeof options);
    }
    ~KeepGameAsItIs() {
        g_Game.SetGameTypeWithTrumps(gameType, trumpCount);
        g_Game.HandAnnounced = hand;
        g_Game.OuvertAnnounced = ouvert;
        g_Game.SchneiderAnnounced = schneider;
        g_Game.SchwarzAnnounced = schwarz;
        player.handInfo = handInfo;
        std::memcpy(player.gameOptions, options, sizeof options);
    }
    KeepGameAsItIs(const KeepGameAsItIs&) = delete;
    KeepGameAsItIs& operator=(const KeepGameAsItIs&) = delete;

private:
    CPlayer& player;
    int gameType, trumpCount, hand, ouvert, schneider, schwarz;
    HandInfo handInfo;
    int options[9][13];
};

}  // namespace

void CFrameDeclaration::OnSuggestGame() {
    // Step 1: the person, and with Settings/Suggest the two computers.
    const bool listAll = g_Settings.Settings.Suggest != 0;
    std::vector<int> seats{2};
    if (listAll) {
        seats.push_back(0);
        seats.push_back(1);
    }
    GameSuggestionContext context;
    context.flowState = g_Game.FlowState;
    context.bidValue = BidValue(-1);
    context.handAnnounced = g_Game.HandAnnounced;
    context.variantMode = g_Game.VariantMode;
    context.variantsRamsch = g_Settings.Variants.Ramsch;
    context.listAll = listAll;

    CGameSuggestion suggestion;
    for (int seat : seats) {
        // Step 2.1: the options as they stand after the skat was picked up, else as dealt.
        int options[9][13];
        game_.ThinkOnSkat(seat, true, [&options](CPlayer& player, CCards& skatRow) {
            KeepGameAsItIs keep(player);
            int(*evaluated)[13] = nullptr;
            if (g_Game.FlowState == STATE_ASK) {
                const int mode = g_Game.Soloist == 2 && g_Game.StopFlag == StopState::Running ? 4 : 0;
                evaluated = player.SuggestGame(mode, skatRow);
            } else {
                evaluated = player.ChooseGame(0);
            }
            std::memcpy(options, evaluated, sizeof options);
        });
        // Step 2.4: a break is pending; nothing is shown.
        if (g_Game.StopFlag != StopState::Running) {
            WriteTrace(":OnSuggestGame(stopped)", LOG_MAINFRAME);
            return;
        }
        // Each player's playable games join the suggestion.
        suggestion.AddPlayer(frame_.GameObject().Player(seat)->name, options, context);
    }
    // Step 3: the suggestion in the trace.
    WriteTrace(":OnSuggestGame(" + suggestion.Trace() + ")", LOG_MAINFRAME);

    // Step 4: the computers' games uncover their hands: the person is asked once per game.
    if (listAll && (g_Game.CheatMask & kMarkSuggestedForComputers) == 0) {
        if (!g_Game.DemoMode) {
            const int pause = frame_.SetPause(0);
            const int answer = MessageBox(frame_.Handle(), platform::LoadString(IDS_QUERY_SUGGEST_FOR_COMPUTERS),
                                          frame_.Texts().FrameTitle, platform::MB_YESNO | platform::MB_ICONQUESTION);
            frame_.SetPause(pause);
            if (answer != IDYES) return;
        }
        frame_.CardExchange().CheckCheat(kMarkSuggestedForComputers, 1);
    }
    // Step 5: the suggestion's dialog.
    CInfoDialog dialog(suggestion.Text(), suggestion.Links());
    frame_.DoModalDialog(dialog);
    // Step 6: the demonstration answers the auction bar it asked from.
    if (g_Game.DemoMode && frame_.FrameAuction().IsAuctionBarOpen())
        frame_.SetTimer(frame_.PersonBidLimit() >= BidValue(-1) ? TM_DEMO_BID : TM_DEMO_PASS, g_Settings.Delay.Demo);
}
