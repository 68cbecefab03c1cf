#pragma once
// The settings dialogs on the headless host without the program around them: fresh globals, the
// edition's resources, and the scripted person answering each modal run.

#include "platform/core/DialogAnswer.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/headless/HeadlessHost.h"
#include "resources/Editions.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace testsupport {

using platform::DialogAction;

class SettingsDialogFixture : public ::testing::Test {
protected:
    SettingsDialogFixture() {
        ResetProgramGlobals();
        UseEdition(GermanResources());
    }
    ~SettingsDialogFixture() override {
        host.reset();
        ResetProgramGlobals();
        platform::SetResources(nullptr);
    }
    static void UseEdition(const platform::ResourceSet& edition) {
        platform::SetResources(&edition);
        platform::SetMessageBoxLanguage(edition.language);
    }
    // The person's actions for the next run of this template.
    void Answer(int templateId, platform::DialogActions actions) {
        host->Answers().PushDialogAnswer(templateId, std::move(actions));
    }
    std::size_t Beeps() const { return host->Beeps().size(); }

    std::unique_ptr<platform::HeadlessHost> host = std::make_unique<platform::HeadlessHost>();
};

// A dialog that lets the test look at it right after its OK handler ran (whether it closed or not).
template <class Dialog>
class AfterOk : public Dialog {
public:
    using Dialog::Dialog;
    std::function<void()> afterOk;
    void OnOK() override {
        Dialog::OnOK();
        if (afterOk) afterOk();
    }
};

}  // namespace testsupport
