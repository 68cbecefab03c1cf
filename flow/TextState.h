#pragma once
// The texts of the status bar, the title and the table as the texts part keeps them. Only
// CFrameTexts writes it; every other part reads it through the frame's Texts().

#include <string>

struct TextState {
    std::string AnnotationText, CheatText, DemoText, HintText, SavedStatusText, StatusText;
    std::string ClockText, RuleText, KontraText, PointsText, PendingTitle, FrameTitle;
    std::string WindowTitle;  // the title SetTitle made, which the frame's title returns to
    int BalloonTextId[3] = {0, 0, 0};
    int BalloonValue[3] = {0, 0, 0};
};
