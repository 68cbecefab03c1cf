#pragma once
// The view and manipulation dialogs: the choosers of the card backs and faces, the sorting order of
// the hands, and the two swaps of a running game (which only return their code; the creator swaps).

#include <cstdint>

#include "dialogs/SettingsDialogBase.h"

// The chooser of a design: pictures in an icon list, one selected; OK stores a different choice and
// sets the changed flag.
class CDesignChooserDialog : public CSettingsDialogBase {
public:
    static constexpr int kList = 1010;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnStandard() override;

    std::uint8_t Changed = 0;

protected:
    CDesignChooserDialog(int templateId, std::string helpTopic, int* setting, int standard);
    virtual void FillList() = 0;
    void SelectDesign(int index);

private:
    int* setting;
    int standard;
};

class CCardBackDialog : public CDesignChooserDialog {
public:
    static constexpr int kDesigns = 32;
    CCardBackDialog();

protected:
    void FillList() override;
};

class CCardFaceDialog : public CDesignChooserDialog {
public:
    static constexpr int kDecks = 10;
    CCardFaceDialog();
    // The picture of deck i the list shows: one picture card of that deck.
    static int PictureOfDeck(int deck) { return 54 + 32 * deck; }

protected:
    void FillList() override;
};

class CSortDialog : public CSettingsDialogBase {
public:
    static constexpr int kSpadesFirst = 1000, kHeartsFirst = 1001;
    static constexpr int kNormal = 1002, kNull = 1020, kAdjusted = 1004;

    CSortDialog();
    bool OnInitDialog() override;
    void OnOK() override;

    std::uint8_t Confirmed = 0;
};

class CSwapHandsDialog : public CSettingsDialogBase {
public:
    static constexpr int kLeft = 1037, kRight = 1038, kLeftWithRight = 1039;

    CSwapHandsDialog();
    bool OnInitDialog() override;
    void OnOK() override;

    std::int32_t Code = 0;  // 0 nothing, 1 person and left, 2 person and right, 3 left and right
};

class CSwapSuitsDialog : public CSettingsDialogBase {
public:
    static constexpr int kFirstPair = 1179, kLastPair = 1184;  // six pairs of suits
    static constexpr int kExclude = 1187, kInclude = 1188;

    CSwapSuitsDialog();
    bool OnInitDialog() override;
    void OnOK() override;

    std::int32_t Code = 0;  // 0 nothing, 1..6 the pair, + 8 with the Jacks
};
