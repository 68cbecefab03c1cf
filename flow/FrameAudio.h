#pragma once
// CFrameAudio: the frame's voices and sounds. It plays the sound effects the steps ask for (gated by
// the sound settings), toggles voices and sounds from the table's keys, says a seat's terms, the
// declaration, the cards named for the support option and the special outcomes after a game, and
// opens the voice and sound settings. It keeps no record of its own: the audio settings are the
// settings', the edition's language is the match files'.

class CMainFrame;

class CFrameAudio {
public:
    explicit CFrameAudio(CMainFrame& frame) : frame_(frame) {}
    CFrameAudio(const CFrameAudio&) = delete;
    CFrameAudio& operator=(const CFrameAudio&) = delete;

    // --- Sound effects and the table's keys (flow/AudioFrame.cpp) --------------------------------
    void SoundEffect(int effect, bool loop);
    // A refusal: the string in status pane 0 for 20 ticks, with sound effect 2.
    void SetStatusText(int stringId);
    // Voices (0) or sound effects (1) on or off.
    void ToggleAudio(int which);
    // Timer 1, after the window was made: the volume, then the Welcome.
    void ApplyVolume();

    // --- Voices (flow/AudioFrame.cpp) ------------------------------------------------------------
    // A seat's voice (8: none), whether a voice is played from files, one spoken term.
    int GetPlayerVoice(int seat) const;
    bool IsVoiceFromFile(int voice) const;
    void PlayVoiceTerm(int term, int language, int voice, bool fromFile);
    // The wording of a bid or answer (its own random draw); the declaration with its
    // announcement in the soloist's voice; a card named for the support option (seat -1: pointed at).
    int VoiceVariant(int term);
    void VoiceDeclare(bool givesUp);
    void VoiceSupport(int card, int seat);
    // Seat s says term t: only with voice output on and a voice for the seat, from file when that
    // voice is; through VoiceVariant when asked.
    void SaySeatTerm(int seat, int term, bool withVariant);
    // After a counted game: Schwarz or Schneider by the soloist, Jungfrau or Durchmarsch in a
    // Ramsch, each with its balloon (after outcome -4 no Schneider is said).
    void VoiceResult(int outcome);

    // --- The settings dialog (flow/AudioFrame.cpp) -----------------------------------------------
    // Options > Voices and Sounds: the settings dialog, with the game paused.
    void OnAudio();

private:
    CMainFrame& frame_;
};
