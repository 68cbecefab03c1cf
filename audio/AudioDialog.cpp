#include "audio/AudioDialog.h"

#include <cstdlib>

#include "audio/AudioTestDialog.h"
#include "audio/SoundEffects.h"
#include "audio/VoiceClips.h"
#include "audio/VoicePlayer.h"
#include "model/Settings.h"
#include "platform/core/ComboBox.h"
#include "platform/core/Control.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"

namespace {

using namespace audio_ids;

const platform::DialogTemplate& SettingsTemplate() {
    static const platform::DialogTemplate none{};
    const platform::DialogTemplate* found = platform::FindDialog(CAudioDialog::kTemplateId);
    return found ? *found : none;
}

// The lists' entries: no voice, the six speakers, and for the support list "by seat".
constexpr std::array<std::array<const char*, 8>, 2> kListEntries{{
    {"- nein -", "Torvin", "Mirela", "Oskeld", "Varna", "Eldrik", "Sunje", "- Spieler -"},
    {"- no -", "Corvin", "Ysolde", "Dorrick", "Maelis", "Fenwick", "Liressa", "- player -"},
}};

constexpr const char* kHelpTopic = "::/Bedienung/Audio.htm";

}  // namespace

CAudioDialog::CAudioDialog(std::string seat0Name, std::string seat1Name, std::string seat2Name, PauseHook pause)
    : platform::Dialog(SettingsTemplate()),
      seatNames{std::move(seat0Name), std::move(seat1Name), std::move(seat2Name)},
      setPause(std::move(pause)) {}

bool CAudioDialog::OnInitDialog() {
    // Step 1: the help starts closed.
    help.Reset();
    // Step 2: the seat heads are the players' names.
    for (std::size_t seat = 0; seat < 3; ++seat) {
        SetDlgItemText(kSeatHeads[seat], seatNames[seat] + ":");
        if (SeatHeadFont) ShowSeatHeadInFont(GetDlgItem(kSeatHeads[seat]), *SeatHeadFont);
    }
    // The lists, in the edition's language.
    const auto& entries = kListEntries[static_cast<std::size_t>(VoiceEdition())];
    for (int id : {kWelcome, kSupport}) {
        auto* list = GetControlAs<platform::ComboBox>(id);
        if (!list) continue;
        const int count = id == kSupport ? 8 : 7;
        for (int entry = 0; entry < count; ++entry) list->Items().Add(entries[static_cast<std::size_t>(entry)]);
    }
    // Steps 3 to 7: the words.
    ShowWords(AudioVoiceWord(), AudioSoundWord());
    return true;
}

// A long name would run into the next seat's head: where the host lays the head out wider than its
// box, the font gets smaller until the name fits (or reaches the smallest readable height).
void CAudioDialog::ShowSeatHeadInFont(HWND head, platform::LogFont font) {
    const platform::Window* box = ::WindowFromHandle(head);
    if (!box) return;
    constexpr int kSmallestHeight = 8;
    const int height = std::abs(font.height), width = std::abs(font.width);
    ::SendMessage(head, WM_SETFONT, 0, reinterpret_cast<LPARAM>(&font));
    for (std::optional<int> laidOut = platform::LabelTextWidth(head);
         laidOut && *laidOut > box->WindowRect().Width() && std::abs(font.height) > kSmallestHeight;
         laidOut = platform::LabelTextWidth(head)) {
        // The characters keep their shape: the width shrinks with the height.
        font.height = std::abs(font.height) - 1;
        font.width = width * font.height / height;
        ::SendMessage(head, WM_SETFONT, 0, reinterpret_cast<LPARAM>(&font));
    }
}

void CAudioDialog::ShowWords(std::uint32_t voiceWord, std::uint32_t soundWord) {
    CheckDlgButton(kVoiceOutput, (voiceWord & VOICE_OUTPUT_ON) ? 1 : 0);
    CheckDlgButton(kSoundOutput, (soundWord & SOUND_OUTPUT_ON) ? 1 : 0);
    // A Welcome field of 7 has no entry: the list shows no selection.
    if (auto* list = GetControlAs<platform::ComboBox>(kWelcome)) list->SetCurSel(static_cast<int>((voiceWord >> 25) & 7u));
    if (auto* list = GetControlAs<platform::ComboBox>(kSupport)) list->SetCurSel(static_cast<int>((voiceWord >> 29) & 7u));
    // A seat field of 7 leaves the seat's column without a check.
    for (int seat = 0; seat < 3; ++seat) CheckSeatVoice(seat, static_cast<int>((voiceWord >> (4 * seat)) & 7u));
    for (std::size_t speaker = 0; speaker < 6; ++speaker)
        CheckDlgButton(kVoiceFromFile[speaker], (voiceWord >> (4 * speaker + 3)) & 1u ? 1 : 0);
    for (std::size_t effect = 0; effect < 11; ++effect) {
        CheckDlgButton(kEffectOn[effect], (soundWord >> (2 * effect)) & 1u ? 1 : 0);
        CheckDlgButton(kEffectFromFile[effect], (soundWord >> (2 * effect + 1)) & 1u ? 1 : 0);
    }
}

void CAudioDialog::CheckSeatVoice(int seat, int row) {
    const auto& column = kSeatVoices[static_cast<std::size_t>(seat)];
    for (std::size_t r = 0; r < column.size(); ++r) CheckDlgButton(column[r], static_cast<int>(r) == row ? 1 : 0);
}

std::uint32_t CAudioDialog::VoiceWordFromControls() const {
    std::uint32_t word = 0;
    // Step 1: each seat's checked row (none checked: no voice).
    for (std::size_t seat = 0; seat < 3; ++seat)
        for (std::uint32_t row = 1; row < 7; ++row)
            if (IsDlgButtonChecked(kSeatVoices[seat][row])) word |= row << (4 * seat);
    // Step 2: the from-file bits, the lists (no selection stores 0), voice output.
    for (std::size_t speaker = 0; speaker < 6; ++speaker)
        if (IsDlgButtonChecked(kVoiceFromFile[speaker])) word |= 1u << (4 * speaker + 3);
    const auto selection = [this](int id, int last) -> std::uint32_t {
        const auto* list = GetControlAs<platform::ComboBox>(id);
        const int entry = list ? list->GetCurSel() : -1;
        return entry >= 0 && entry <= last ? static_cast<std::uint32_t>(entry) : 0u;
    };
    word |= selection(kWelcome, 6) << 25;
    word |= selection(kSupport, 7) << 29;
    if (IsDlgButtonChecked(kVoiceOutput)) word |= VOICE_OUTPUT_ON;
    return word;
}

std::uint32_t CAudioDialog::SoundWordFromControls() const {
    std::uint32_t word = IsDlgButtonChecked(kSoundOutput) ? SOUND_OUTPUT_ON : 0u;
    for (std::size_t effect = 0; effect < 11; ++effect) {
        if (IsDlgButtonChecked(kEffectOn[effect])) word |= 1u << (2 * effect);
        if (IsDlgButtonChecked(kEffectFromFile[effect])) word |= 1u << (2 * effect + 1);
    }
    return word;
}

void CAudioDialog::OnOK() {
    // Both words at once into the settings in memory; the registry gets them at exit.
    g_Settings.Audio.Voice = static_cast<int>(VoiceWordFromControls());
    g_Settings.Audio.Sound = static_cast<int>(SoundWordFromControls());
    EndDialog(IDOK);
}

// The standard settings with sound output off.
void CAudioDialog::OnStandard() { ShowWords(0x0D888BA9u, 0x003FFFFFu); }

void CAudioDialog::OnTest() {
    const int previous = setPause ? setPause(0) : 0;
    CAudioTestDialog test;
    test.DoModal();
    if (setPause) setPause(previous);
}

void CAudioDialog::OnHelp() { help.Toggle(kHelpTopic); }

bool CAudioDialog::OnCommand(int id, unsigned code, HWND control) {
    switch (id) {
        case kStandard: OnStandard(); return true;
        case kTest: OnTest(); return true;
        case kHelp: OnHelp(); return true;
        default: return platform::Dialog::OnCommand(id, code, control);
    }
}
