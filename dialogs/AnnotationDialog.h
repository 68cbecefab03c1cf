#pragma once
// CAnnotationDialog: the free note attached to the game, beside the table. It edits the creator's
// annotation text in place: what is typed is written back whenever the panel loses the focus and
// when it goes, so nothing typed is lost even if it is never closed. Esc asks the frame to close it.

#include <string>

#include "dialogs/ModelessDialog.h"

class CAnnotationDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = 221;
    static constexpr int kText = 1069;
    static constexpr std::size_t kLimit = 2000;  // characters

    // `captionSuffix` follows the template's caption; `annotation` is the creator's text.
    CAnnotationDialog(std::string captionSuffix, std::string* annotation);

    bool OnInitDialog() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void WriteBack();

    std::string captionSuffix;
    std::string* annotation;
};
