#include "dialogs/SkatBars.h"

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "platform/core/ControlMessages.h"

namespace {

// A plain button of a bar: the click sound, then the command posted to the frame.
bool PostOnClick(int command) {
    DialogSound();
    PostFrameCommand(command);
    return true;
}

}  // namespace

CSkatDialog::CSkatDialog() : CModelessDialog(kTemplateId, 0) {}

bool CSkatDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code == BN_CLICKED && id == IDC_PICKUP) return PostOnClick(CM_PICKUP);
    if (code == BN_CLICKED && id == IDC_HAND) return PostOnClick(CM_HAND);
    return CModelessDialog::OnCommand(id, code, control);
}

CEndSwapGameDialog::CEndSwapGameDialog() : CModelessDialog(kTemplateId, 0) {}

bool CEndSwapGameDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code == BN_CLICKED && id == IDC_FINISH_SWAP) return PostOnClick(CM_RESUME);
    return CModelessDialog::OnCommand(id, code, control);
}

CEndSwapRevolutionDialog::CEndSwapRevolutionDialog() : CModelessDialog(kTemplateId, kCut) {}

bool CEndSwapRevolutionDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code == BN_CLICKED && id == IDC_SUGGEST) return PostOnClick(CM_SUGGEST_EXCHANGE);
    if (code == BN_CLICKED && id == IDC_FINISH_SWAP) return PostOnClick(CM_REVOLUTION);
    return CModelessDialog::OnCommand(id, code, control);
}
