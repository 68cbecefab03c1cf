#pragma once
// CAudioTestDialog: plays any voice term in any voice, or any sound effect, built in or from file,
// whatever the settings say; opens the replacement folder; sets the volume of all output.

#include <string>

#include "dialogs/HelpToggle.h"
#include "platform/core/Dialog.h"

class CAudioTestDialog : public platform::Dialog {
public:
    static constexpr int kTemplateId = 296;
    static constexpr int kType = 1081, kFromFile = 1162, kFolder = 1166, kOpen = 1167, kVoice = 1134, kTerm = 1083;
    static constexpr int kPrevious = 1163, kCurrent = 1164, kNext = 1165, kVolume = 1170, kHelp = 1185;
    static constexpr int kAllVoices = 6;

    CAudioTestDialog();

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnSelchangeType();
    void OnCurrent();
    void OnNext();
    void OnPrevious();
    void OnOpen();
    void OnVolume();
    void OnHelp();

private:
    bool SoundsChosen() const;
    int Selection(int id) const;
    void Select(int id, int entry);
    void FillTerms();

    std::string workFolder;
    CHelpToggle help;
};
