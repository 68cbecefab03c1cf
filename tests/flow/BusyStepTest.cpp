// A busy step holds BusyFlag from its start and puts back the value it found: a busy step inside
// another leaves the outer one busy, and End() closes the busy part before the scope does.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "flow/BusyStep.h"

#include <optional>

namespace {

using testsupport::FlowFixture;

class BusyStepTest : public FlowFixture {
protected:
    void SetUp() override {
        FlowFixture::SetUp();
        StartProgram();
    }
};

TEST_F(BusyStepTest, AStepInsideAnotherLeavesTheOuterOneBusy) {
    ASSERT_EQ(Frame().Run().BusyFlag, 0);
    {
        BusyStep outer(Frame());
        EXPECT_EQ(Frame().Run().BusyFlag, 1);
        {
            BusyStep inner(Frame());
            EXPECT_EQ(Frame().Run().BusyFlag, 1);
        }
        EXPECT_EQ(Frame().Run().BusyFlag, 1);
    }
    EXPECT_EQ(Frame().Run().BusyFlag, 0);
}

TEST_F(BusyStepTest, EndClosesTheBusyPartOnceAndItsScopeChangesNothingMore) {
    std::optional<BusyStep> step;
    step.emplace(Frame());
    EXPECT_EQ(Frame().Run().BusyFlag, 1);
    step->End();
    EXPECT_EQ(Frame().Run().BusyFlag, 0);
    // A step that starts after the first one's busy part ended is not undone by its scope's end.
    BusyStep later(Frame());
    step.reset();
    EXPECT_EQ(Frame().Run().BusyFlag, 1);
}

}  // namespace
