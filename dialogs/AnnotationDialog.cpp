#include "dialogs/AnnotationDialog.h"

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "platform/core/Edit.h"

CAnnotationDialog::CAnnotationDialog(std::string suffix, std::string* text)
    : CModelessDialog(kTemplateId, -1), captionSuffix(std::move(suffix)), annotation(text) {}

bool CAnnotationDialog::OnInitDialog() {
    CModelessDialog::OnInitDialog();
    const platform::DialogTemplate* layout = Template();
    SetWindowText(std::string(layout ? layout->caption : "") + captionSuffix);
    if (auto* edit = GetControlAs<platform::Edit>(kText)) edit->SetLimit(kLimit);
    SetDlgItemText(kText, annotation ? *annotation : std::string());
    return true;
}

void CAnnotationDialog::WriteBack() {
    if (annotation && GetDlgItem(kText)) *annotation = GetDlgItemText(kText);
}

void CAnnotationDialog::OnCancel() { SendFrameCommand(CM_CLOSE_ANNOTATION); }

LRESULT CAnnotationDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) || message == WM_DESTROY) WriteBack();
    return CModelessDialog::WindowProc(message, wParam, lParam);
}
