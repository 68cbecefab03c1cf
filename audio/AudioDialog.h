#pragma once
// CAudioDialog: the voices and sounds settings. Shows the two settings words as controls (who speaks
// with which voice, which voices come from files, the Welcome and support voices, each effect and its
// file) and packs the controls back into the words on OK; "&Standard" sets the controls to the
// standard settings with sound output off, "&Test" opens the test dialog.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "dialogs/HelpToggle.h"
#include "platform/core/Dialog.h"
#include "platform/core/DrawingObjects.h"

class CAudioDialog : public platform::Dialog {
public:
    static constexpr int kTemplateId = 295;
    // Runs the game's pause around the test dialog: SetPause(level) returns the previous level.
    using PauseHook = std::function<int(int level)>;

    CAudioDialog(std::string seat0Name, std::string seat1Name, std::string seat2Name, PauseHook setPause = {});

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;
    void OnStandard();
    void OnTest();
    void OnHelp();

    // The font of the three seat heads (the application's bold 16-pixel Arial); without it they keep
    // the dialog's font.
    std::optional<platform::LogFont> SeatHeadFont;

    // The words the controls stand for (what OK stores).
    std::uint32_t VoiceWordFromControls() const;
    std::uint32_t SoundWordFromControls() const;

private:
    void ShowWords(std::uint32_t voiceWord, std::uint32_t soundWord);
    void CheckSeatVoice(int seat, int row);
    void ShowSeatHeadInFont(HWND head, platform::LogFont font);

    std::array<std::string, 3> seatNames;
    PauseHook setPause;
    CHelpToggle help;
};

// Ids of the controls, by row and column.
namespace audio_ids {
constexpr int kVoiceOutput = 1134, kSoundOutput = 1135, kWelcome = 1224, kSupport = 1225;
constexpr int kTest = 1175, kStandard = 3, kHelp = 1185;
constexpr std::array<int, 3> kSeatHeads{1064, 1065, 1066};
// [seat][row]: row 0 no voice, rows 1-6 voices 1-6.
constexpr std::array<std::array<int, 7>, 3> kSeatVoices{{{1167, 1149, 1150, 1151, 1161, 1165, 1172},
                                                         {1168, 1152, 1153, 1154, 1162, 1166, 1173},
                                                         {1169, 1155, 1156, 1157, 1163, 1170, 1174}}};
constexpr std::array<int, 6> kVoiceFromFile{1158, 1159, 1160, 1164, 1171, 1176};
constexpr std::array<int, 11> kEffectOn{1213, 1214, 1215, 1216, 1217, 1223, 1219, 1218, 1220, 1221, 1222};
constexpr std::array<int, 11> kEffectFromFile{1187, 1188, 1189, 1190, 1191, 1197, 1193, 1192, 1194, 1195, 1196};
}  // namespace audio_ids
