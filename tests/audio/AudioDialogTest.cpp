// The two audio dialogs on the headless host: the settings dialog's controls and words, the test
// dialog's playing, lists, volume and folder.
#include "AudioTestSupport.h"

#include "audio/AudioDialog.h"
#include "audio/AudioTestDialog.h"
#include "audio/VoiceClips.h"
#include "audio/VoiceTerms.h"
#include "match/Profile.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Slider.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/DesktopRecorder.h"
#include "resources/Editions.h"

namespace {

using Kind = platform::TavloSoundRecorder::Played::Kind;
using namespace audio_ids;

class AudioDialogTest : public audiotest::VoiceFixture {
protected:
    void SetUp() override {
        VoiceFixture::SetUp();
        platform::SetResources(&GermanResources());
        platform::SetMessageBoxLanguage("ge");
    }
    void TearDown() override {
        platform::SetResources(nullptr);
        VoiceFixture::TearDown();
    }
    // Opens the settings dialog on these words.
    std::unique_ptr<CAudioDialog> OpenSettings(std::uint32_t voice, std::uint32_t sound) {
        g_Settings.Audio.Voice = static_cast<int>(voice);
        g_Settings.Audio.Sound = static_cast<int>(sound);
        auto dialog = std::make_unique<CAudioDialog>("Anna", "Bernd", "Du");
        EXPECT_TRUE(dialog->Create());
        return dialog;
    }
    std::uint32_t Voice() const { return static_cast<std::uint32_t>(g_Settings.Audio.Voice); }
    std::uint32_t Sound() const { return static_cast<std::uint32_t>(g_Settings.Audio.Sound); }

    platform::DesktopRecorder desktop;
};

TEST_F(AudioDialogTest, OkRightAfterOpeningKeepsTheWordsButUnusedBitsAndFieldsOfSeven) {
    struct Case {
        std::uint32_t voiceIn, soundIn, voiceOut, soundOut;
    };
    const Case cases[] = {
        {0x0D888BA9u, 0x013FFFFFu, 0x0D888BA9u, 0x013FFFFFu},
        {0x00000000u, 0x00000000u, 0x00000000u, 0x00000000u},
        // Seats and Welcome of 7 and the unused bits become 0; support 7 (by seat) stays.
        {0xFFFFFFFFu, 0xFFFFFFFFu, 0xE1888888u, 0x013FFFFFu},
        {0x20000456u, 0x00C00001u, 0x20000456u, 0x00000001u},
    };
    for (const Case& c : cases) {
        auto dialog = OpenSettings(c.voiceIn, c.soundIn);
        dialog->OnOK();
        EXPECT_EQ(Voice(), c.voiceOut) << std::hex << c.voiceIn;
        EXPECT_EQ(Sound(), c.soundOut) << std::hex << c.soundIn;
    }
}

TEST_F(AudioDialogTest, TheSeatHeadsCarryTheFontTheFrameGives) {
    g_Settings.Audio.Voice = 0x0D888BA9;
    CAudioDialog dialog("Anna", "Bernd", "Du");
    platform::LogFont bold;
    bold.face = "Arial";
    bold.height = 16;
    bold.width = 6;
    bold.weight = 700;
    dialog.SeatHeadFont = bold;
    ASSERT_TRUE(dialog.Create());
    for (int id : {1064, 1065, 1066}) {
        const auto* head = platform::ControlFromHandle(dialog.GetDlgItem(id));
        ASSERT_NE(head, nullptr) << id;
        ASSERT_NE(head->Font(), nullptr) << id;
        EXPECT_EQ(head->Font()->face, "Arial") << id;
        EXPECT_EQ(head->Font()->height, 16) << id;
        EXPECT_EQ(head->Font()->weight, 700) << id;
    }
    // Without a font from the frame the heads keep the dialog's.
    auto plain = OpenSettings(0x0D888BA9u, 0x013FFFFFu);
    const auto* head = platform::ControlFromHandle(plain->GetDlgItem(1064));
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->Font(), nullptr);
}

TEST_F(AudioDialogTest, StandardThenOkGivesTheStandardWordsWithSoundOff) {
    auto dialog = OpenSettings(0xE0000777u, 0x01000000u);
    dialog->OnStandard();
    dialog->OnOK();
    EXPECT_EQ(Voice(), 0x0D888BA9u);
    EXPECT_EQ(Sound(), 0x003FFFFFu);
}

TEST_F(AudioDialogTest, CancelAfterStandardChangesNothing) {
    auto dialog = OpenSettings(0x01000000u, 0x01000003u);
    dialog->OnStandard();
    dialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(Voice(), 0x01000000u);
    EXPECT_EQ(Sound(), 0x01000003u);
}

TEST_F(AudioDialogTest, TheListsStoreTheirEntriesAndTypedTextStoresZero) {
    auto dialog = OpenSettings(0, 0);
    auto* support = dialog->GetControlAs<platform::ComboBox>(kSupport);
    auto* welcome = dialog->GetControlAs<platform::ComboBox>(kWelcome);
    ASSERT_TRUE(support && welcome);
    EXPECT_EQ(support->Items().Count(), 8);
    EXPECT_EQ(welcome->Items().Count(), 7);
    EXPECT_EQ(support->Items().Text(7), "- Spieler -");
    support->Choose(7);
    welcome->Choose(3);
    dialog->OnOK();
    EXPECT_EQ(Voice(), (7u << 29) | (3u << 25));
    welcome->SetCurSel(-1);  // text typed into the field: no entry chosen
    dialog->OnOK();
    EXPECT_EQ(Voice(), 7u << 29);
}

TEST_F(AudioDialogTest, EveryControlSetsItsOwnBit) {
    struct Case {
        int id;
        std::uint32_t voice, sound;
    };
    std::vector<Case> cases{{kVoiceOutput, 1u << 24, 0}, {kSoundOutput, 0, 1u << 24}};
    for (std::size_t seat = 0; seat < 3; ++seat)
        for (std::uint32_t row = 1; row < 7; ++row)
            cases.push_back({kSeatVoices[seat][row], row << (4 * seat), 0});
    for (std::size_t speaker = 0; speaker < 6; ++speaker)
        cases.push_back({kVoiceFromFile[speaker], 1u << (4 * speaker + 3), 0});
    for (std::size_t effect = 0; effect < 11; ++effect) {
        cases.push_back({kEffectOn[effect], 0, 1u << (2 * effect)});
        cases.push_back({kEffectFromFile[effect], 0, 1u << (2 * effect + 1)});
    }
    for (const Case& c : cases) {
        auto dialog = OpenSettings(0, 0);
        dialog->CheckDlgButton(c.id, 1);
        dialog->OnOK();
        EXPECT_EQ(Voice(), c.voice) << c.id;
        EXPECT_EQ(Sound(), c.sound) << c.id;
    }
}

TEST_F(AudioDialogTest, TheSeatHeadsCarryThePlayersNames) {
    auto dialog = OpenSettings(0x0D888BA9u, 0);
    EXPECT_EQ(dialog->GetDlgItemText(kSeatHeads[0]), "Anna:");
    EXPECT_EQ(dialog->GetDlgItemText(kSeatHeads[2]), "Du:");
    EXPECT_EQ(dialog->IsDlgButtonChecked(kSeatVoices[1][2]), 1);
    EXPECT_EQ(dialog->IsDlgButtonChecked(kSeatVoices[1][0]), 0);
}

class AudioTestDialogTest : public AudioDialogTest {
protected:
    std::unique_ptr<CAudioTestDialog> OpenTest() {
        auto dialog = std::make_unique<CAudioTestDialog>();
        EXPECT_TRUE(dialog->Create());
        recorder.Clear();
        return dialog;
    }
    static int Selected(const CAudioTestDialog& dialog, int id) {
        return dialog.GetControlAs<platform::ComboBox>(id)->GetCurSel();
    }
    static int Count(const CAudioTestDialog& dialog, int id) {
        return dialog.GetControlAs<platform::ComboBox>(id)->Items().Count();
    }
};

TEST_F(AudioTestDialogTest, NextOnTheLastTermPlays18AndPreviousOnTheFirstSoundSelectsTen) {
    auto dialog = OpenTest();
    EXPECT_EQ(Count(*dialog, CAudioTestDialog::kTerm), 130);
    dialog->GetControlAs<platform::ComboBox>(CAudioTestDialog::kTerm)->SetCurSel(129);
    dialog->OnNext();
    EXPECT_EQ(Selected(*dialog, CAudioTestDialog::kTerm), 0);
    ASSERT_EQ(recorder.PlayedSounds().size(), 1u);
    EXPECT_EQ(recorder.Timings()[0].image, VoiceClipTable(0, 0, 0)->data());
    // Sounds: the list holds the eleven effects and the voice list rests.
    recorder.Clear();
    dialog->GetControlAs<platform::ComboBox>(CAudioTestDialog::kType)->Choose(1);
    EXPECT_EQ(Count(*dialog, CAudioTestDialog::kTerm), 11);
    EXPECT_FALSE(::IsWindowEnabled(dialog->GetDlgItem(CAudioTestDialog::kVoice)));
    EXPECT_EQ(dialog->GetDlgItemText(CAudioTestDialog::kFolder), ".\\Kartovan+\\Sounds");
    EXPECT_TRUE(recorder.PlayedSounds().empty()) << "switching plays nothing";
    dialog->OnPrevious();
    EXPECT_EQ(Selected(*dialog, CAudioTestDialog::kTerm), 10);
    ASSERT_EQ(recorder.PlayedSounds().size(), 1u);
    EXPECT_EQ(recorder.PlayedSounds()[0].effect, 10);
    // Back to voices: 130 terms again, entry 0, the voice list usable.
    dialog->GetControlAs<platform::ComboBox>(CAudioTestDialog::kType)->Choose(0);
    EXPECT_EQ(Count(*dialog, CAudioTestDialog::kTerm), 130);
    EXPECT_EQ(Selected(*dialog, CAudioTestDialog::kTerm), 0);
    EXPECT_TRUE(::IsWindowEnabled(dialog->GetDlgItem(CAudioTestDialog::kVoice)));
}

TEST_F(AudioTestDialogTest, AllVoicesSpeakInTurnWhateverTheSettingsSay) {
    g_Settings.Audio.Voice = 0;  // voice output off plays no part here
    auto dialog = OpenTest();
    dialog->GetControlAs<platform::ComboBox>(CAudioTestDialog::kVoice)->SetCurSel(CAudioTestDialog::kAllVoices);
    dialog->GetControlAs<platform::ComboBox>(CAudioTestDialog::kTerm)->SetCurSel(TERM_WELCOME);
    dialog->OnCurrent();
    ASSERT_EQ(recorder.PlayedSounds().size(), 6u);
    for (int speaker = 0; speaker < 6; ++speaker)
        EXPECT_EQ(recorder.Timings()[static_cast<std::size_t>(speaker)].image,
                  VoiceClipTable(TERM_WELCOME, speaker, 0)->data()) << speaker;
    EXPECT_EQ(Selected(*dialog, CAudioTestDialog::kVoice), CAudioTestDialog::kAllVoices);
}

TEST_F(AudioTestDialogTest, TheVolumeIsSetWhenAChangeEnds) {
    auto dialog = OpenTest();
    auto* slider = dialog->GetControlAs<platform::Slider>(CAudioTestDialog::kVolume);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->Range().position, 10);
    slider->Scroll(SB_BOTTOM);
    EXPECT_EQ(g_Settings.Audio.Volume, 15);
    EXPECT_DOUBLE_EQ(desktop.SoundVolume(), 1.0);
    slider->Scroll(SB_TOP);
    EXPECT_EQ(g_Settings.Audio.Volume, 0);
    EXPECT_DOUBLE_EQ(desktop.SoundVolume(), 0.0);
    // A drag only moves the knob until it is let go.
    slider->Scroll(SB_THUMBTRACK, 7);
    EXPECT_EQ(g_Settings.Audio.Volume, 0);
    slider->Scroll(SB_THUMBPOSITION, 7);
    EXPECT_EQ(g_Settings.Audio.Volume, 7);
}

// Notes the text of the message box open when its timer comes, and closes it.
class BoxReader : public platform::Window {
public:
    std::string text;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER) {
            KillTimer(1);
            if (platform::MessageBoxDialog* box = platform::ActiveMessageBox()) {
                text = box->Text();
                ::PostMessage(box->Handle(), WM_COMMAND, IDOK, 0);
            }
            return 0;
        }
        return platform::Window::WindowProc(message, wParam, lParam);
    }
};

TEST_F(AudioTestDialogTest, OpenOnAMissingFolderShowsTheFullPath) {
    g_Profile.Work = (root / "missing work ä").string() + "/";
    auto dialog = OpenTest();
    BoxReader reader;
    ASSERT_TRUE(reader.Create({}));
    reader.SetTimer(1, 10);
    dialog->OnOpen();
    EXPECT_EQ(reader.text, "Fehler: Verzeichnis\n\n'" + g_Profile.Work + "Voices'\n\n kann nicht geöffnet werden");
    g_Profile.Work.clear();
}

}  // namespace
