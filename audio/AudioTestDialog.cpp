#include "audio/AudioTestDialog.h"

#include "audio/VoiceClips.h"
#include "audio/VoicePlayer.h"
#include "audio/VoiceTerms.h"
#include "match/Profile.h"
#include "model/Settings.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/Slider.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "tavlo/SoundApi.h"

namespace {

const platform::DialogTemplate& TestTemplate() {
    static const platform::DialogTemplate none{};
    const platform::DialogTemplate* found = platform::FindDialog(CAudioTestDialog::kTemplateId);
    return found ? *found : none;
}

constexpr std::array<std::array<const char*, 2>, 2> kTypes{{{"Stimmrnen", "Geräusche"}, {"Voices", "Sounds"}}};
constexpr std::array<const char*, 2> kAllEntry{"- alle -", "- all -"};
constexpr int kEffectCount = 11;
constexpr int kMaxVolume = 15;
constexpr const char* kHelpTopic = "::/Bedienung/Audio.htm#test";

}  // namespace

CAudioTestDialog::CAudioTestDialog() : platform::Dialog(TestTemplate()) {}

bool CAudioTestDialog::SoundsChosen() const { return Selection(kType) == 1; }

int CAudioTestDialog::Selection(int id) const {
    const auto* list = GetControlAs<platform::ComboBox>(id);
    return list ? list->GetCurSel() : -1;
}

void CAudioTestDialog::Select(int id, int entry) {
    if (auto* list = GetControlAs<platform::ComboBox>(id)) list->SetCurSel(entry);
}

bool CAudioTestDialog::OnInitDialog() {
    // Step 1: help closed; the work folder.
    help.Reset();
    workFolder = g_Profile.Work;
    const auto edition = static_cast<std::size_t>(VoiceEdition());
    // Step 2: voices, voice 1, from file.
    if (auto* type = GetControlAs<platform::ComboBox>(kType))
        for (const char* entry : kTypes[edition]) type->Items().Add(entry);
    Select(kType, 0);
    if (auto* voices = GetControlAs<platform::ComboBox>(kVoice)) {
        for (int voice = 1; voice <= 6; ++voice) voices->Items().Add(std::to_string(voice));
        voices->Items().Add(kAllEntry[edition]);
    }
    Select(kVoice, 0);
    CheckDlgButton(kFromFile, 1);
    // Step 3: the terms.
    FillTerms();
    // Step 4: the volume.
    const HWND volume = GetDlgItem(kVolume);
    ::SendMessage(volume, TBM_SETRANGE, 0, kMaxVolume);
    ::SendMessage(volume, TBM_SETPOS, static_cast<WPARAM>(g_Settings.Audio.Volume), 0);
    return true;
}

// The list of the chosen type, the fixed folder text, the voice list only for voices; entry 0.
void CAudioTestDialog::FillTerms() {
    const bool sounds = SoundsChosen();
    if (auto* terms = GetControlAs<platform::ComboBox>(kTerm)) {
        terms->Items().Clear();
        if (sounds)
            for (int effect = 0; effect < kEffectCount; ++effect) terms->Items().Add(Sound_Term(effect));
        else
            for (int term = 0; term < VOICE_TERM_COUNT; ++term) terms->Items().Add(GetVoiceTermName(term));
        terms->SetCurSel(0);
    }
    SetDlgItemText(kFolder, sounds ? ".\\Kartovan+\\Sounds" : ".\\Kartovan+\\Voices");
    EnableDlgItem(kVoice, !sounds);
}

void CAudioTestDialog::OnSelchangeType() { FillTerms(); }

void CAudioTestDialog::OnCurrent() {
    // Step 1: what is chosen.
    const int entry = Selection(kTerm);
    const bool fromFile = IsDlgButtonChecked(kFromFile) != 0;
    if (entry < 0) return;
    // Step 2: an effect, past the settings' gate.
    if (SoundsChosen()) {
        Sound_PlayInt(entry, fromFile ? 1 : 0);
        return;
    }
    // Step 3: one voice; step 4: all six in turn, the list showing who speaks.
    const int voice = Selection(kVoice);
    if (voice >= 0 && voice < kAllVoices) {
        PlayVoiceTerm(entry, VoiceEdition(), voice, fromFile);
        return;
    }
    for (int speaker = 0; speaker < kAllVoices; ++speaker) {
        Select(kVoice, speaker);
        PlayVoiceTerm(entry, VoiceEdition(), speaker, fromFile);
    }
    Select(kVoice, kAllVoices);
}

void CAudioTestDialog::OnNext() {
    const int last = SoundsChosen() ? kEffectCount - 1 : VOICE_TERM_COUNT - 1;
    const int entry = Selection(kTerm);
    Select(kTerm, entry >= last || entry < 0 ? 0 : entry + 1);
    ::UpdateWindow(GetDlgItem(kTerm));
    OnCurrent();
}

void CAudioTestDialog::OnPrevious() {
    const int last = SoundsChosen() ? kEffectCount - 1 : VOICE_TERM_COUNT - 1;
    const int entry = Selection(kTerm);
    Select(kTerm, entry <= 0 || entry > last ? last : entry - 1);
    ::UpdateWindow(GetDlgItem(kTerm));
    OnCurrent();
}

void CAudioTestDialog::OnOpen() {
    const std::string path = workFolder + (SoundsChosen() ? "Sounds" : "Voices");
    if (platform::OpenFolder(path).done) return;
    ::MessageBox(Handle(), platform::LoadString(IDS_FOLDER_FAILED), {path}, platform::LoadString(IDS_PRODUCT_NAME),
                 platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

void CAudioTestDialog::OnVolume() {
    g_Settings.Audio.Volume = static_cast<int>(::SendMessage(GetDlgItem(kVolume), TBM_GETPOS, 0, 0));
    platform::SetSoundVolumeLevel(g_Settings.Audio.Volume, kMaxVolume);
}

void CAudioTestDialog::OnHelp() { help.Toggle(kHelpTopic); }

bool CAudioTestDialog::OnCommand(int id, unsigned code, HWND control) {
    switch (id) {
        case kPrevious: OnPrevious(); return true;
        case kCurrent: OnCurrent(); return true;
        case kNext: OnNext(); return true;
        case kOpen: OnOpen(); return true;
        case kHelp: OnHelp(); return true;
        case kType:
            if (code == CBN_SELCHANGE) OnSelchangeType();
            return true;
        default: return platform::Dialog::OnCommand(id, code, control);
    }
}

LRESULT CAudioTestDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A change of the volume ends with the mouse's release or with each key; a drag in between
    // only moves the knob.
    if (message == WM_HSCROLL && LOWORD(wParam) != SB_THUMBTRACK &&
        reinterpret_cast<HWND>(lParam) == GetDlgItem(kVolume)) {
        OnVolume();
        return 0;
    }
    return platform::Dialog::WindowProc(message, wParam, lParam);
}
