// The person's input on the table as the view forwards it: keys, the left and right button, moves
// and the paint test of the person's hand. The card play that answers them is a later step; until
// then each stand-in writes its trace line (verbose, as moves come often) and gives the answer
// that keeps today's table: no drag starts, every update rectangle is painted.
#include "flow/MainFrame.h"

#include "model/Trace.h"
#include "shell/SkatApp.h"

#include <cstdio>

namespace {

constexpr unsigned kVerboseFrame = LOG_MAINFRAME | LOG_VERBOSE;

void TraceInput(const char* name, const std::string& arguments) {
    std::string line = ":";
    line += name;
    line += "(";
    line += arguments;
    line += ")";
    WriteTrace(line, kVerboseFrame);
}

std::string PointText(platform::Point point) {
    char text[48];
    std::snprintf(text, sizeof text, "x:%d:y:%d", point.x, point.y);
    return text;
}

}  // namespace

void CMainFrame::KeyDown(int key, unsigned /*flags*/) { TraceInput("KeyDown", std::to_string(key)); }
void CMainFrame::KeyUp(int key, unsigned /*flags*/) { TraceInput("KeyUp", std::to_string(key)); }

bool CMainFrame::LButtonDown(platform::Point point) {
    TraceInput("LButtonDown", PointText(point));
    return false;
}

void CMainFrame::LButtonUp(platform::Point point) { TraceInput("LButtonUp", PointText(point)); }
void CMainFrame::MouseMove(platform::Point point) { TraceInput("MouseMove", PointText(point)); }

void CMainFrame::RButtonDown(platform::Point point, int dragEnter) {
    std::string arguments = PointText(point);
    arguments += ",";
    arguments += std::to_string(dragEnter);
    TraceInput("RButtonDown", arguments);
}

bool CMainFrame::IsPersonHandInvalid(const platform::Rect& /*update*/) { return true; }
