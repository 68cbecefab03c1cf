#pragma once
// CFrameTexts: the texts of the frame. It alone writes the texts record: the status bar's texts
// (the status, the saved one a passing text gives way to, the clock, the rule, the points, Kontra,
// the hint, the manipulation and demonstration texts), the titles, the game's annotation and the
// bid balloons' texts. Every other part asks through its methods and reads the record through
// Texts().

#include "flow/TextState.h"

#include <string>

class CMainFrame;

class CFrameTexts {
public:
    explicit CFrameTexts(CMainFrame& frame) : frame_(frame) {}
    CFrameTexts(const CFrameTexts&) = delete;
    CFrameTexts& operator=(const CFrameTexts&) = delete;

    const TextState& State() const { return texts_; }

    // --- The status text (flow/FrameTexts.cpp) ---------------------------------------------------
    void SetStatusText(const std::string& text);
    // The declaration's words follow the soloist's name and bid.
    void AppendStatusText(const std::string& text);
    void ClearStatusText();
    // A text stands in for the status text, which is kept until RestoreStatusText brings it back.
    void ReplaceStatusText(const std::string& text);
    void RestoreStatusText();
    // The status text for a while in pane 0 (unless one is shown already), then the kept one again
    // when its timer ends it through EndStatusForAWhile.
    void ShowStatusForAWhile(const std::string& text);
    void EndStatusForAWhile();

    // --- The other texts of the status bar (flow/FrameTexts.cpp) ---------------------------------
    // The match's clock or game number, the rule set, the counted points, the Kontra said.
    void SetClockText(const std::string& text);
    void SetRuleText(const std::string& text);
    void SetPointsText(const std::string& text);
    void SetKontraText(const std::string& text);
    // The points of the party the person counts for in pane 2, or the rule set without counting.
    void ShowPoints();
    // What the person is to do now; the manipulation mark's message; the demonstration's text.
    void SetHintText(const std::string& text);
    void ClearHintText();
    void SetCheatText(const std::string& text);
    void ClearCheatText();
    void SetDemoText(const std::string& text);
    void ClearDemoText();

    // --- The titles (flow/FrameTexts.cpp) --------------------------------------------------------
    // The product's name for message captions; the title SetTitle made.
    void SetFrameTitle(const std::string& text);
    void SetWindowTitle(const std::string& text);
    // A print job's title stands in the window; the title before it comes back at the next full
    // repaint (TakePendingTitle gives it once, then nothing).
    void KeepPendingTitle(const std::string& text);
    std::string TakePendingTitle();

    // --- The game's annotation (flow/FrameTexts.cpp) ---------------------------------------------
    void SetAnnotationText(const std::string& text);
    void ClearAnnotationText();
    // The open annotation panel writes the person's note back here when it closes: the one writer
    // of the record outside this part, handed the text by the frame when it opens the panel.
    std::string* AnnotationForPanel();

    // --- The bid balloons' texts (flow/FrameTexts.cpp) -------------------------------------------
    // The balloon at the seat says the string with the value (a pass at 18 keeps 1: "passed" alone).
    void SetBalloonText(int seat, int stringId, int value);
    void ClearBalloonText(int seat);
    void ClearBalloonTexts();

private:
    CMainFrame& frame_;
    TextState texts_;
};
