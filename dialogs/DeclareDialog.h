#pragma once
// CDeclareDialog: the declaration bar. Its game buttons set the game and send the bar's current
// command to the frame: CM_DECLARE, or CM_SUGGEST_SKAT while the skat suggestion is pending ("Ska&t?"
// checked). The Schneider, Schwarz and Ouvert boxes set the announcements. Enter never closes it.

#include "dialogs/DialogIds.h"
#include "dialogs/HelpToggle.h"
#include "dialogs/ModelessDialog.h"

class CDeclareDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = IDD_DECLARE;

    CDeclareDialog();

    // Shows or hides "Ska&t?" and "S&piel?" by Options/Suggest and HandAnnounced (after the option
    // changed or when the frame shows the bar again).
    void UpdateSuggestButton();
    // Whether a game button may declare now: a suggestion with announcements that the click
    // overrides is dropped first (refused), a pending skat suggestion switches the bar to declaring.
    bool CheckSuggestedGame();

    // The command the game buttons send: CM_DECLARE (112) or CM_SUGGEST_SKAT (140).
    int Command() const { return command; }

    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(platform::Message& message) override;

    // Game buttons.
    void OnClubs();
    void OnSpades();
    void OnHearts();
    void OnDiamonds();
    void OnGrand();
    void OnNull();
    void OnNullOuvert();
    void OnRevolution();
    // Announcement boxes and the suggestion buttons.
    void OnSchneider();
    void OnSchwarz();
    void OnOuvert();
    void OnSuggestSkat();
    void OnSuggestGame();
    void OnHelp();

private:
    // A suit or Grand game: the game is set, then the noted command is sent when the suggestion
    // check passes.
    void DeclarePlainGame(const char* name, int gameType, bool sound);
    // Null and Null Ouvert: whether the announcement boxes allow the click.
    bool NullAnnouncementsAllowed() const;
    void UncheckAnnouncementBoxes();
    void SetBox(int id, int check);
    bool IsBoxChecked(int id) const;
    void OnSize();
    void SendCommand(int noted);

    int command = 112;
    CHelpToggle help;
};
