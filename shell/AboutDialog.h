#pragma once
// CAboutDlg: Help > About: the product, its credits, version and date, a mail link and a web link,
// and two buttons that tell where to send remarks and what the program runs on.

#include "platform/core/Dialog.h"

class CHyperLink;

class CAboutDlg : public platform::Dialog {
public:
    static constexpr int kTemplateId = 100;
    static constexpr int kProduct = 1125, kCredit1 = 1070, kCredit2 = 1071, kVersion = 1127, kDate = 1265;
    static constexpr int kMailLink = 1129, kWebLink = 1131, kFeedback = 1177, kSystem = 1176;
    // The notice line: the editions number it differently.
    static constexpr int kNoticeGerman = 1276, kNoticeEnglish = 1273;
    // The picture at the top left shows the program's icon (the picture of the main frame's id; the
    // control's own number names an arrow among the dialogs' pictures).
    static constexpr int kIcon = 283;

    CAboutDlg();

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;

    CHyperLink* MailLink() const { return mailLink; }
    CHyperLink* WebLink() const { return webLink; }

private:
    CHyperLink* mailLink = nullptr;  // owned by their windows
    CHyperLink* webLink = nullptr;
};

// The web link's target: the web address and the edition's page ("skat/" German, "en/skat"
// English; `otherEdition` is the other edition's code, string 40509).
std::string AboutWebTarget(const std::string& webAddress, const std::string& otherEdition);
