// The texts of the course of the game on the table (and on its printed page): the headline, the
// marker of the seat that led each trick, "Skat" on the two skat cards, the running card points per
// trick and party (per seat in Ramsch) and the short codes of announcements, Kontra, pushes,
// Jungfrau and Durchmarsch. Removing writes blanks in the table's colour over all of it.
#include <cstdio>
#include <string>

#include "flow/FrameTable.h"
#include "flow/MainFrame.h"
#include "flow/RamschState.h"
#include "flow/TrickPlay.h"
#include "flow/MatchSeries.h"
#include "flow/FrameGlobals.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "shell/SkatApp.h"
#include "shell/TableColours.h"
#include "shell/TableDC.h"
#include "shell/TableTexts.h"

namespace {

// Overwrites a number or marker with the background.
constexpr const char* kBlank = "       ";

bool IsSeat(int seat) { return seat >= 0 && seat <= 2; }

// The two letters of the abbreviation string at `at` (four at 22 and 26).
std::string Code(int at, int length = 2) {
    const std::string codes = platform::LoadString(IDS_ABBREVIATIONS);
    if (at < 0 || static_cast<std::size_t>(at + length) > codes.size()) return {};
    return codes.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(length));
}

std::string PadTo7(std::string text) {
    if (text.size() < 7) text.resize(7, ' ');
    return text;
}

std::string Format(const char* pattern, int a, int b = 0) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, static_cast<unsigned>(a < 0 ? 0 : a), static_cast<unsigned>(b < 0 ? 0 : b));
    return buffer;
}

// The game's name as the headline gives it.
std::string GameName(int type) {
    if (type >= GAME_CLUBS && type <= GAME_DIAMONDS) return platform::LoadString(IDS_HEADLINE_CLUBS - type);
    if (type == GAME_NULL) {
        int id = IDS_HEADLINE_NULL;
        if (g_Game.HandAnnounced) id += 1;
        if (g_Game.OuvertAnnounced) id += 2;
        return platform::LoadString(id);
    }
    if (type == GAME_REVOLUTION) return platform::LoadString(IDS_HEADLINE_REVOLUTION);
    if (type == GAME_RAMSCH) return platform::LoadString(IDS_HEADLINE_RAMSCH);
    if (type == GAME_GRAND) return platform::LoadString(IDS_HEADLINE_GRAND);
    return {};
}

// Where the course texts stand on the table or the page, and whether they are shown or blanked.
struct CoursePlaces {
    TableDC& dc;
    bool show;
    int ox, oy;  // the printed page's offset
    int pointY[3];
    int codeX;  // the codes beside the tenth column
    CSkat& game;  // the first course row gives the columns

    int Column(int trick) const { return game.SlotPosition(TableRow::Course0, trick).x; }
};

// Steps 2 and 3: the headline, centred above the table; removing it fills its box with the table.
void DrawHeadline(const CoursePlaces& at, const std::string& headline, int width, int y, bool printing,
                  const platform::Rect* update) {
    TableDC& dc = at.dc;
    const int ox = at.ox, oy = at.oy;
    const platform::Size size = dc->GetTextExtent(headline);
    const int x = (width - size.cx) / 2;
    if (!at.show) {
        const platform::Rect box{ox - 64 + x, oy - 2 + y, x + ox + 128 + size.cx, oy - 2 + y + size.cy + 1};
        if (!printing && !LiesOutside(update, box, 0, 0, 0, 0)) dc->FillRect(box, TableBrush());
    } else {
        const platform::BkMode mode = dc->SetBkMode(platform::BkMode::Transparent);
        dc->SetTextColor({});
        dc->TextOut(x + ox - 1, y + oy - 2, headline);
        dc->SetTextColor(platform::Rgb(255, 255, 255));
        dc->TextOut(x + ox - 2, y + oy - 3, headline);
        dc->SetBkMode(mode);
    }
}

// Step 5: the marker of the seat that led each trick (a damaged leader word draws none). The
// column of trick k counts from 0; the seat that led it is the leader word of record k: the
// leader of play in record 0, the winner of the trick before in the record taken at its end.
// The same words are what a game file keeps, so a loaded course marks the same seats.
void DrawTrickLeaders(const CoursePlaces& at, const TrickPlayState& play, int tricksShown, const int markerY[3]) {
    std::string marker(kBlank);
    if (at.show) ((marker = ' ') += platform::LoadString(IDS_LABEL_FOREHAND)) += ' ';
    for (int k = 0; k < tricksShown; ++k) {
        const int leader = play.History[k].trickWinner;
        if (!IsSeat(leader)) continue;
        at.dc->TextOut(at.Column(k) + at.ox + 1, markerY[leader] + at.oy, marker);
    }
}

// Step 6: "Skat" on the two skat cards wherever they ended up.
void DrawSkatLabels(const CoursePlaces& at, CSkat& game, int zoomStep) {
    const CTrick& skat = game.CourseSkat();
    for (int i = 0; i < 2 && i < skat.capacity; ++i) {
        const int card = skat.cards[i];
        if (!IsCardCode(card)) continue;
        bool written = false;
        for (TableRow row : {TableRow::CourseSkat, TableRow::Course0, TableRow::Course1, TableRow::Course2}) {
            const CCards& cards = game.Row(row);
            const int slots = row == TableRow::CourseSkat ? 2 : 10;
            for (int slot = 0; slot < slots && slot < cards.capacity && !written; ++slot) {
                if (cards.cards[slot] != card) continue;
                const platform::Point position = game.SlotPosition(row, slot);
                if (position.x == 0) continue;
                at.dc->TextOut(position.x + at.ox + zoomStep, position.y + at.oy + 2, "Skat");
                written = true;
            }
            if (written) break;
        }
    }
}

// Ramsch: who gets the skat at the end, the last trick's winner or the seats with the most points.
void SeatsGettingTheSkat(bool getsSkat[3]) {
    if (g_Settings.Variants.RamschStock == 1) {
        if (IsSeat(g_Game.TrickWinner)) getsSkat[g_Game.TrickWinner] = true;
    } else {
        const int highest = std::max({g_Game.PartyPoints[0], g_Game.PartyPoints[1], g_Game.PartyPoints[2]});
        for (int seat = 0; seat < 3; ++seat) getsSkat[seat] = g_Game.PartyPoints[seat] == highest;
    }
}

// A Ramsch trick's column: each seat's points, the skat added after the tenth for whom it goes to.
void DrawRamschPoints(const CoursePlaces& at, const GameSnapshot& snapshot, int t, bool value, int px,
                      const bool getsSkat[3], int skatPoints) {
    for (int seat = 0; seat < 3; ++seat) {
        std::string text = kBlank;
        if (value) {
            const int points = snapshot.partyPoints[seat];
            if (t == 10 && getsSkat[seat]) {
                text = Format(seat == 1 ? "%u+%2u   " : "%2u+%2u   ", points - skatPoints, skatPoints);
            } else {
                text = Format("%5u  ", points);
            }
        }
        at.dc->TextOut(px, at.pointY[seat] + at.oy, text);
    }
}

// A trick's column of a game with a soloist: the soloist's points (the skat apart unless played
// from the hand, beside them after the tenth) and the defenders'.
void DrawPartyPoints(const CoursePlaces& at, const GameSnapshot& snapshot, int t, bool value, int px,
                     int skatPoints) {
    std::string soloist = kBlank;
    std::string defenders = kBlank;
    if (value) {
        const int points = snapshot.partyPoints[0];
        if (t == 10) {
            soloist = Format("%u+%2u   ", points - skatPoints, skatPoints);
        } else {
            soloist = Format("%5u  ", g_Game.HandAnnounced ? points : points - skatPoints);
        }
        defenders = Format("%5u  ", snapshot.partyPoints[1]);
    }
    at.dc->TextOut(px, at.pointY[0] + at.oy, soloist);
    at.dc->TextOut(px, at.pointY[1] + at.oy, defenders);
}

// Step 7: the running points per trick; the tenth record holds the game's final points.
void DrawRunningPoints(const CoursePlaces& at, const TrickPlayState& play, int tricksShown, int skatPoints) {
    const bool ramsch = g_Game.GameType == GAME_RAMSCH;
    at.dc.SelectAppFont(14);
    bool getsSkat[3] = {false, false, false};
    if (ramsch) SeatsGettingTheSkat(getsSkat);
    for (int t = 1; t <= 10; ++t) {
        const bool value = at.show && (t == 10 || t <= tricksShown);
        const int px = at.Column(t - 1) + at.ox;
        const GameSnapshot& snapshot = play.History[t];
        if (ramsch) {
            DrawRamschPoints(at, snapshot, t, value, px, getsSkat, skatPoints);
        } else {
            DrawPartyPoints(at, snapshot, t, value, px, skatPoints);
        }
    }
}

// Step 8: the Ramsch codes beside the tenth column.
void DrawRamschCodes(const CoursePlaces& at) {
    int withoutTrick = 0;
    for (int seat = 0; seat < 3; ++seat)
        if (g_Game.PartyTricks[seat] == 0) ++withoutTrick;
    std::string codes[3];
    for (int seat = 0; seat < 3; ++seat) {
        codes[seat].assign(1, ' ');
        if (g_Game.SkatPassedOnBySeat[seat]) codes[seat] += Code(34);
        if (withoutTrick != 2 && g_Game.PartyTricks[seat] == 0) codes[seat] += Code(36);
    }
    if (withoutTrick == 2) {
        const int durchmarsch = g_Game.PartyPoints[0] != 0 ? 0 : g_Game.PartyPoints[1] != 0 ? 1 : 2;
        codes[durchmarsch] += Code(38);
    }
    for (int seat = 0; seat < 3; ++seat)
        at.dc->TextOut(at.codeX, at.pointY[seat] + at.oy, at.show ? PadTo7(codes[seat]) : std::string(kBlank));
}

// Step 9: announcement and Kontra codes of the variant rules.
void DrawAnnouncementCodes(const CoursePlaces& at) {
    const int type = g_Game.GameType;
    const bool kontra = g_Game.KontraState != KONTRA_NONE;
    if (!(type != GAME_RAMSCH && g_Game.VariantMode == VARIANT_SKAT &&
          (kontra || g_Game.SchneiderAnnounced || g_Game.SchwarzAnnounced)))
        return;
    std::string first = " ";
    if (g_Game.SchwarzAnnounced) first += Code(26, 4);
    else if (g_Game.SchneiderAnnounced) first += Code(22, 4);
    if (g_Game.KontraState == KONTRA_REKONTRA) first += Code(44);
    std::string second = " ";
    if (kontra) {
        second += Code(42);
        const int seat = g_Game.KontraSeat;
        second += seat == 0 ? " C1" : seat == 1 ? " C2" : seat == 2 ? " P" : "";
    }
    const bool noPoints = type == GAME_NULL || type == GAME_REVOLUTION;
    if (!noPoints || kontra) {
        at.dc.SelectAppFont(14);
        at.dc->TextOut(at.codeX, at.pointY[0] + at.oy, at.show ? PadTo7(first) : std::string(kBlank));
        at.dc->TextOut(at.codeX, at.pointY[1] + at.oy, at.show ? PadTo7(second) : std::string(kBlank));
    }
}

}  // namespace

std::string CFrameTable::CourseHeadline() {
    int seat = 3;
    bool wins = true;
    if (g_Game.GameType == GAME_RAMSCH) {
        const int first = frame_.Ramsch().RamschResultSeats[0];
        const int second = frame_.Ramsch().RamschResultSeats[1];
        if (second == 3) {
            seat = first;
            wins = false;
        } else if (first == second) {
            seat = first;
        } else {
            for (int s = 0; s < 3; ++s)
                if (s != first && s != second) seat = s;
        }
    } else {
        seat = g_Game.Soloist;
        if (frame_.Series().GameScoreValue < 0) {
            wins = false;
            // The defenders' points of a lost game: whatever is left of 120.
            frame_.SetPoints(120 - g_Game.PartyPoints[0], 1);
        }
    }
    std::string text = " ";
    text += IsSeat(seat) ? frame_.GetPlayerName(seat) : std::string();
    // Appended piece by piece (a literal in front of a string sets off GCC 12's false -Wrestrict).
    text += ' ';
    text += platform::LoadString(wins ? IDS_COURSE_WINS : IDS_COURSE_LOSES);
    text += ' ';
    text += GameName(g_Game.GameType);
    if (g_Game.GameType != GAME_RAMSCH) {
        if (g_Game.GameType <= GAME_DIAMONDS || g_Game.GameType == GAME_GRAND) {
            if (g_Game.HandAnnounced) (text += ' ') += platform::LoadString(IDS_GAME_HAND_WORD);
            if (g_Game.OuvertAnnounced) (text += ' ') += platform::LoadString(IDS_GAME_OUVERT_WORD);
        }
        const int rung = g_Game.BidIndex + g_Game.PendingRaise;
        if (rung >= 0 && rung < BID_LADDER_SIZE) text += Format(" (%u)", BidLadder[rung].value);
    }
    return text + " ";
}

void CFrameTable::MoveCourseText(int show, platform::DeviceContext* printer, const platform::Rect* update) {
    if (!frame_.GetView()) return;
    // Step 1: the places of the rows and how many tricks the course shows.
    WriteTrace(std::string(":MoveCourseText(") + (show ? "view" : "remove") + ")", LOG_MAINFRAME);
    TableDC dc(printer, g_Frame.hTableWnd);
    if (!dc || !g_pApp) return;
    const platform::Point offset = PrintOffset(printer);
    const int width = frame_.ClientWidth();
    int markerY[3];
    const TableRow courseRows[3] = {TableRow::Course0, TableRow::Course1, TableRow::Course2};
    for (int seat = 0; seat < 3; ++seat) markerY[seat] = game_.SlotPosition(courseRows[seat], 0).y - 13;
    const int linesTop = game_.SlotPosition(TableRow::Course2, 0).y + g_Frame.ZoomExtraHeight / 3;
    const int zoomStep = (g_Frame.ZoomPercent * 147 - 3700) / 1000;
    const int tricksShown = std::min(std::max(g_Game.CourseTricks, 0), 10);
    const int codeX = game_.SlotPosition(TableRow::Course0, 9).x + 37 + offset.x;
    const CoursePlaces at{dc,
                          show != 0,
                          offset.x,
                          offset.y,
                          {linesTop + 110, linesTop + 123, linesTop + 136},
                          codeX,
                          game_};

    // Steps 2 and 3: the headline above the table.
    dc.SelectAppFont(2);
    const std::string headline = CourseHeadline();
    DrawHeadline(at, headline, width, table_.Layout.LayoutY - table_.Layout.TableTop - g_Frame.ZoomExtraHeight,
                 printer != nullptr, update);

    // Step 4: the marks of the trick leaders, and the skat's labels when the course shows.
    dc.SelectAppFont(12);
    dc->SetBkColor(show ? platform::Rgb(255, 255, 255) : TableColour());
    dc->SetBkMode(platform::BkMode::Opaque);
    dc->SetTextColor({});

    DrawTrickLeaders(at, frame_.TrickPlay(), tricksShown, markerY);
    if (show) DrawSkatLabels(at, game_, zoomStep);

    const int type = g_Game.GameType;
    const int skatPoints = frame_.GameObject().CourseSkat().CountPoints();
    if (type != GAME_NULL && type != GAME_REVOLUTION) {
        frame_.FrameTrickPlay().NoteFinalPoints(g_Game.PartyPoints);
        DrawRunningPoints(at, frame_.TrickPlay(), tricksShown, skatPoints);
    }
    if (type == GAME_RAMSCH) DrawRamschCodes(at);
    DrawAnnouncementCodes(at);
    // Step 10: the context lets go of its fonts on leaving.
}
