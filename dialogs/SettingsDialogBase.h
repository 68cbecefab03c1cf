#pragma once
// CSettingsDialogBase: what every modal settings dialog shares: its template from the edition's
// resources, the help button's toggle on its topic (closed again at each opening), and the arrow
// pictures of its number fields' buttons.

#include <string>

#include "dialogs/HelpToggle.h"
#include "platform/core/Dialog.h"

class CSettingsDialogBase : public platform::Dialog {
public:
    CSettingsDialogBase(int templateId, std::string helpTopic);

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnHelp() { help.Toggle(helpTopic); }
    // "&Standard", where the dialog has one.
    virtual void OnStandard() {}

    // The edition's arrow pictures (by the current resources' language).
    static int DownArrowPicture();
    static int UpArrowPicture();

protected:
    // Shows the down picture on each of `downs` and the up picture on each of `ups`.
    template <class Ids>
    void SetArrowPictures(const Ids& downs, const Ids& ups) {
        for (int id : downs) SetArrowPicture(id, DownArrowPicture());
        for (int id : ups) SetArrowPicture(id, UpArrowPicture());
    }
    void SetArrowPicture(int id, int picture);

    CHelpToggle help;
    std::string helpTopic;
};

// The template with this id in the current edition, or an empty one.
const platform::DialogTemplate& SettingsTemplate(int templateId);
