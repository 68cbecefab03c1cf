// The texts of the frame: the steps that write the texts record.
#include "flow/FrameTexts.h"

#include "flow/MainFrame.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "resources/ids.h"

CFrameTexts& CMainFrame::FrameTexts() { return *texts_; }
const TextState& CMainFrame::Texts() const { return texts_->State(); }

void CFrameTexts::SetStatusText(const std::string& text) { texts_.StatusText = text; }
void CFrameTexts::AppendStatusText(const std::string& text) { texts_.StatusText += text; }
void CFrameTexts::ClearStatusText() { texts_.StatusText.clear(); }

void CFrameTexts::ReplaceStatusText(const std::string& text) {
    texts_.SavedStatusText = texts_.StatusText;
    texts_.StatusText = text;
}

void CFrameTexts::RestoreStatusText() { texts_.StatusText = texts_.SavedStatusText; }

void CFrameTexts::ShowStatusForAWhile(const std::string& text) {
    if (!texts_.SavedStatusText.empty()) return;
    ReplaceStatusText(text);
    frame_.SetStatusPane(0, texts_.StatusText);
    frame_.SetTimer(TM_STATUS, kStatusRestoreMs);
}

void CFrameTexts::EndStatusForAWhile() {
    texts_.StatusText = texts_.SavedStatusText;
    frame_.SetStatusPane(0, texts_.StatusText);
    texts_.SavedStatusText.clear();
}

void CFrameTexts::SetClockText(const std::string& text) { texts_.ClockText = text; }
void CFrameTexts::SetRuleText(const std::string& text) { texts_.RuleText = text; }
void CFrameTexts::SetPointsText(const std::string& text) { texts_.PointsText = text; }
void CFrameTexts::SetKontraText(const std::string& text) { texts_.KontraText = text; }

void CFrameTexts::ShowPoints() {
    if (!g_Settings.Options.Count) {
        frame_.SetStatusPane(2, texts_.RuleText);
        return;
    }
    int points = 0;
    if (g_Game.GameType == GAME_RAMSCH) points = g_Game.PartyPoints[2];
    else points = g_Game.Soloist == 2 ? g_Game.PartyPoints[0] : g_Game.PartyPoints[1];
    texts_.PointsText = std::to_string(points);
    frame_.SetStatusPane(2, texts_.PointsText);
}

void CFrameTexts::SetHintText(const std::string& text) { texts_.HintText = text; }
void CFrameTexts::ClearHintText() { texts_.HintText.clear(); }
void CFrameTexts::SetCheatText(const std::string& text) { texts_.CheatText = text; }
void CFrameTexts::ClearCheatText() { texts_.CheatText.clear(); }
void CFrameTexts::SetDemoText(const std::string& text) { texts_.DemoText = text; }
void CFrameTexts::ClearDemoText() { texts_.DemoText.clear(); }

void CFrameTexts::SetFrameTitle(const std::string& text) { texts_.FrameTitle = text; }
void CFrameTexts::SetWindowTitle(const std::string& text) { texts_.WindowTitle = text; }
void CFrameTexts::KeepPendingTitle(const std::string& text) { texts_.PendingTitle = text; }

std::string CFrameTexts::TakePendingTitle() {
    std::string title;
    title.swap(texts_.PendingTitle);
    return title;
}

void CFrameTexts::SetAnnotationText(const std::string& text) { texts_.AnnotationText = text; }
void CFrameTexts::ClearAnnotationText() { texts_.AnnotationText.clear(); }
std::string* CFrameTexts::AnnotationForPanel() { return &texts_.AnnotationText; }

void CFrameTexts::SetBalloonText(int seat, int stringId, int value) {
    texts_.BalloonTextId[seat] = stringId;
    texts_.BalloonValue[seat] = (stringId == IDS_BALLOON_PASS && value == 18) ? 1 : value;
}

void CFrameTexts::ClearBalloonText(int seat) {
    texts_.BalloonTextId[seat] = 0;
    texts_.BalloonValue[seat] = 0;
}

void CFrameTexts::ClearBalloonTexts() {
    for (int seat = 0; seat < 3; ++seat) ClearBalloonText(seat);
}
