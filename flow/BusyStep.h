#pragma once
// A busy step of the flow: from its start a computer speaks or takes the Ramsch skat, and a close
// request waits until it is over. BusyFlag is 1 from the guard's construction; its end (the
// scope's, or End() where the step's busy part ends before the scope does) puts back the value the
// guard found, so a busy step inside another leaves the outer one busy.

#include "flow/MainFrame.h"

class BusyStep {
public:
    explicit BusyStep(CMainFrame& frame) : frame_(frame), previous_(frame.Run().BusyFlag != 0) {
        frame_.MarkBusy(true);
    }
    ~BusyStep() { End(); }
    BusyStep(const BusyStep&) = delete;
    BusyStep& operator=(const BusyStep&) = delete;

    void End() {
        if (!ended_) frame_.MarkBusy(previous_);
        ended_ = true;
    }

private:
    CMainFrame& frame_;
    bool previous_;
    bool ended_ = false;
};
