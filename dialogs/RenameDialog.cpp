#include "dialogs/RenameDialog.h"

#include <algorithm>
#include <cctype>

#include "dialogs/SettingsIds.h"
#include "model/FlowGlobals.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

namespace {

constexpr int kCodes = IDS_ABBREVIATIONS;          // the two-letter codes, read by character position
constexpr int kPositionNames = IDS_LABEL_FOREHAND;  // forehand, middlehand, rearhand
constexpr int kVariantTexts = IDS_RULE_SKAT;        // rule Skat, variants Skat, Ramsch, Schieberamsch
constexpr int kMatchModeTexts = IDS_MODE_SERIES;
constexpr int kDeckNames = 41501;
constexpr const char* kSeatLabels[3] = {"C1", "C2", "P"};

std::string Code(const std::string& table, std::size_t at, std::size_t length = 2) {
    return at + length <= table.size() ? table.substr(at, length) : std::string();
}

bool IsTemporaryTitle(const std::string& title) {
    std::string lower = title;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "cards~" || lower == "temp~";
}

}  // namespace

std::string CRenameDialog::BuildDefaultName(const GameNameFacts& f) {
    if (f.seat < 0 || f.seat > 2) return {};
    const std::string codes = platform::LoadString(kCodes);
    const auto label = [](int seat) { return std::string(kSeatLabels[(seat % 3 + 3) % 3]); };
    const auto position = [&f](int seat) { return f.positionNames[static_cast<std::size_t>((seat - f.leader + 3) % 3)]; };
    std::string name = label(f.seat);
    if (f.gameType == 7) {
        // Ramsch: the seat's own marks and position, then each other seat that has a mark.
        const auto marks = [&f, &codes](int seat) {
            std::string text;
            if (f.passedOn[static_cast<std::size_t>(seat)]) text += Code(codes, 34);
            if (f.tricks[static_cast<std::size_t>(seat)] == 0) text += Code(codes, 36);
            else if (f.tricks[static_cast<std::size_t>(seat)] == 10) text += Code(codes, 38);
            return text;
        };
        name += Code(codes, 14) + marks(f.seat) + position(f.seat);
        for (int step = 1; step <= 2; ++step) {
            const int other = (f.seat + step) % 3;
            const std::string text = marks(other);
            if (!text.empty()) {
                name += '-';
                name += label(other);
                name += text;
            }
        }
        return name;
    }
    name += Code(codes, static_cast<std::size_t>(2 * f.gameType));
    const bool nullOrRevolution = f.gameType == 4 || f.gameType == 5;
    if (f.gameType == 4) {
        if (f.ouvert) name += Code(codes, 16);
        if (f.hand) name += Code(codes, 18);
    } else if (f.gameType != 5) {
        if (f.hand) name += Code(codes, 18);
        if (f.ouvert) name += Code(codes, 16);
        if (f.grandHandInsteadOfRamsch) name += Code(codes, 14);
    }
    if (f.schwarzAnnounced) name += Code(codes, 26, 4);
    else if (f.schneiderAnnounced) name += Code(codes, 22, 4);
    if (f.rekontra) name += Code(codes, 44);
    if (!f.inPlay && !nullOrRevolution) {
        if (f.soloistTricks == 0) name += Code(codes, 32);
        else if (f.soloistPoints < 31) name += Code(codes, 30);
    }
    name += position(f.seat);
    if (f.kontra) {
        name += '-';
        name += label(f.kontraSeat);
        name += Code(codes, 42);
    }
    // The defenders Schwarz or Schneider.
    if (f.soloistTricks == 10 || f.soloistPoints >= 90) {
        name += '-';
        name += label(f.seat + 1);
        name += label(f.seat + 2);
        name += Code(codes, f.soloistTricks == 10 ? 32 : 30);
    }
    return name;
}

GameNameFacts CurrentGameNameFacts(int seat) {
    const CGameState& g = g_Game;
    GameNameFacts f;
    f.seat = seat;
    f.gameType = g.GameType < 0 ? -g.GameType : g.GameType;
    f.hand = g.HandAnnounced != 0;
    f.ouvert = g.OuvertAnnounced == 1;
    f.grandHandInsteadOfRamsch = g_Flow.GrandHandOffered != 0;
    f.schneiderAnnounced = g.SchneiderAnnounced != 0;
    f.schwarzAnnounced = g.SchwarzAnnounced != 0;
    f.kontra = g.KontraState >= KONTRA_SAID;
    f.rekontra = g.KontraState == KONTRA_REKONTRA;
    f.kontraSeat = g.KontraSeat;
    f.inPlay = g.FlowState == STATE_PLAY;
    f.soloistTricks = g.PartyTricks[0];
    f.soloistPoints = g.PartyPoints[0];
    f.leader = g.Leader;
    for (std::size_t s = 0; s < 3; ++s) {
        f.tricks[s] = g.PartyTricks[s];
        f.passedOn[s] = g.SkatPassedOnBySeat[s] != 0;
        f.positionNames[s] = platform::LoadString(kPositionNames + static_cast<int>(s));
    }
    return f;
}

CRenameDialog::CRenameDialog(int nameKind, std::string title, bool onRecord, NameCheck nameCheck)
    : CSettingsDialogBase(IDD_RENAME, std::string("::/Bedienung/") + (nameKind == 0 ? "Spiel.htm" : "Serie.htm") + "#rename"),
      kind(nameKind),
      fileTitle(std::move(title)),
      gameOnRecord(onRecord),
      check(std::move(nameCheck)) {}

bool CRenameDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    // Step 1: the caption by kind.
    SetWindowText(platform::LoadString(kind == 0 ? kGameCaption : kMatchCaption));
    // Step 3: the title without its extension (only when it has one); the temporary files show nothing.
    std::string start = fileTitle;
    const std::size_t dot = start.rfind('.');
    if (dot != std::string::npos && dot > 0 && start.find('/', dot) == std::string::npos) start.erase(dot);
    if (IsTemporaryTitle(start)) start.clear();
    SetDlgItemText(kName, start);
    userName = start;
    // Steps 2 and 4: the generated candidates.
    candidates.clear();
    if (kind == 0) {
        // Step 2: the seat the game name is built for.
        const CGameState& g = g_Game;
        int seat = 3;
        if (g.GameType == 7) seat = 2;
        else if (g.FlowState == STATE_PLAY || (g.FlowState == STATE_IDLE && gameOnRecord)) seat = g.Soloist;
        const bool played = g.FlowState == STATE_PLAY || gameOnRecord;
        candidates.push_back(played ? BuildDefaultName(CurrentGameNameFacts(seat)) : std::string());
    } else {
        const int variant = g_Game.VariantMode == 2 ? (g_Settings.Variants.PassOn ? 3 : 2) : g_Game.VariantMode == 1 ? 1 : 0;
        candidates.push_back(platform::LoadString(kVariantTexts + variant));
        candidates.push_back(platform::LoadString(kMatchModeTexts + std::clamp(g_Game.MatchMode, 0, 3)));
        candidates.push_back(platform::LoadString(kDeckNames + std::clamp(g_Settings.View.CardFace, 0, 9)));
    }
    // The first press shows the built name when the person already has one.
    nextPosition = start.empty() ? 1 : 2;
    return true;
}

void CRenameDialog::OnStandard() {
    // A typed name survives the cycle: it becomes the person's name unless it is one we made.
    const std::string shown = GetDlgItemText(kName);
    const bool generated = std::find(candidates.begin(), candidates.end(), shown) != candidates.end();
    if (!shown.empty() && !generated) userName = shown;
    const int positions = 2 + static_cast<int>(candidates.size());
    if (nextPosition >= positions) nextPosition = 0;
    std::string text;
    if (nextPosition == 1) text = userName;
    else if (nextPosition >= 2) text = candidates[static_cast<std::size_t>(nextPosition - 2)];
    SetDlgItemText(kName, text);
    ++nextPosition;
}

void CRenameDialog::OnOK() {
    std::string name = GetDlgItemText(kName);
    if (name.empty()) name = "cards~";
    if (check && !check(kind, name)) return;
    Name = name;
    CSettingsDialogBase::OnOK();
}
