// The German edition's dialog templates: the captions of its prompt bars and messages.

#include "resources/AboutTemplates.h"
#include "resources/AudioTemplates.h"
#include "resources/EstimationTemplates.h"
#include "resources/EventTemplates.h"
#include "resources/PromptTemplates.h"
#include "resources/ge/EditionTables.h"

namespace {

struct GermanTexts {
    static constexpr const char* pass = "&passe";
    static constexpr const char* suggestGame = "&Spiel vorschlagen";
    static constexpr const char* pickupSkat = "Skat &aufnehmen";
    static constexpr const char* handGame = "&Handspiel";
    static constexpr const char* passOn = "&Schieben";
    static constexpr const char* durchmarsch = "&Durchmarsch";
    static constexpr const char* rule = "Rege&l";
    static constexpr const char* ruleOnPassOn = "Rege&l";
    static constexpr const char* suggestRule = "Rege&l";
    static constexpr const char* diamonds = "K&aro";
    static constexpr const char* gameQuestion = "S&piel?";
    static constexpr const char* help = "&Hilfe";
    static constexpr const char* endSwapping = "&Fertig mit Tauschen";
    static constexpr const char* suggestSwapping = "Austausch &vorschlagen";
    static constexpr const char* suggestSkat = "Skat &vorschlagen";
    static constexpr const char* suggestion = "&Vorschlag";
    static constexpr const char* resume = "&Fortsetzen ";
    static constexpr const char* game = "Spiel";
    static constexpr const char* repeatGame = "&Wiederhole Spiel";
    static constexpr const char* continueQuestion = "Weiter mit nächsten Spiel?";
    static constexpr const char* resultQuestion = "Weiter mit nächstem Spiel?";
    static constexpr const char* yes = "&Ja";
    static constexpr const char* no = "&Nein";
    static constexpr const char* gameCourse = "&Spielverlauf";
};

struct GermanEventTexts {
    static constexpr const char* game = "Spiel";
    static constexpr const char* yes = "&Ja";
    static constexpr const char* no = "&Nein";
    static constexpr const char* acceptAbandon = "Spielaufgabe akzeptieren ?";
    static constexpr const char* whoStarts = "Wer soll bei neuer Serie beginnen ?";
    static constexpr const char* byChance = "per &Zufall bestimmen";
    static constexpr const char* breakOff = "&Abbrechen";
    static constexpr const char* help = "&Hilfe";
    static constexpr const char* newMatch = "Serienende  -  neue Serie";
};

struct GermanAudioTexts {
    static constexpr const char* settingsCaption = "Stimmen und Geräusche";
    static constexpr const char* voiceOutput = "Sprachaus&gabe:";
    static constexpr const char* voiceHint = "(Wahlweise Esc und danach A drücken)";
    static constexpr const char* voiceColumn = "Stimme";
    static constexpr const char* voiceFromFile = "Stimme aus Datei";
    static constexpr const char* withoutVoice = "Ohne Sti&mme:";
    static constexpr const char* voice1 = "Stimme &1 (Torvin):";
    static constexpr const char* voice2 = "Stimme &2 (Mirela):";
    static constexpr const char* voice3 = "Stimme &3 (Oskeld):";
    static constexpr const char* voice4 = "Stimme &4 (Varna):";
    static constexpr const char* voice5 = "Stimme &5 (Eldrik):";
    static constexpr const char* voice6 = "Stimme &6 (Sunje):";
    static constexpr const char* welcome = "Will&kommen:";
    static constexpr const char* support = "&Unterstützung Sehbehinderter:";
    static constexpr const char* soundOutput = "Ger&äuschausgabe:";
    static constexpr const char* soundHint = "(Wahlweise Esc und danach S drücken)";
    static constexpr const char* yesNo = "Ja / Nein";
    static constexpr const char* soundFromFile = "Geräusch aus Datei";
    static constexpr const char* effect0 = "Sprechblase beim &Bieten:";
    static constexpr const char* effect1 = "Sprechblase beim &Passen:";
    static constexpr const char* effect2 = "Auswahl von un&zulässiger Karte:";
    static constexpr const char* effect3 = "B&etätigen eines Schalters:";
    static constexpr const char* effect4 = "Austei&len der Karten:";
    static constexpr const char* effect5 = "Ent&fernen der Karten:";
    static constexpr const char* effect6 = "Ausspiele&n einer Karte:";
    static constexpr const char* effect7 = "Abb&rechen eines Spiels:";
    static constexpr const char* effect8 = "Bei ge&wonnenem Spiel:";
    static constexpr const char* effect9 = "Bei &verlorenem Spiel:";
    static constexpr const char* effect10 = "Bei Stichrü&cknahme:";
    static constexpr const char* cancel = "&Abbrechen";
    static constexpr const char* help = "&Hilfe";
    static constexpr const char* testCaption = "Stimmen und Geräusche testen";
    static constexpr const char* type = "&Typ:";
    static constexpr const char* fromFile = "Aus &Datei";
    static constexpr const char* directory = "&Verzeichnis:";
    static constexpr const char* open = "Ö&ffnen";
    static constexpr const char* voice = "&Stimme:";
    static constexpr const char* term = "&Begriff:";
    static constexpr const char* prior = "&Vorheriger";
    static constexpr const char* actual = "A&ktuell";
    static constexpr const char* next = "&Nächster";
    static constexpr const char* volume = "&Lautstärke:";
};

struct GermanAboutTexts {
    static constexpr const char* aboutCaption = "Info über Kartovan+";
    static constexpr int noticeId = 1276;
};

struct GermanEstimationTexts {
    static constexpr const char* possibleGames = "Mögliche Spiele";
    static constexpr const char* game = "&Spiel";
    static constexpr const char* gameItems = "Karo\nHerz\nPik\nKreuz\nGrand\nNull\nRamsch";
    static constexpr const char* autoBox = "&Auto";
    static constexpr const char* phase = "Spielphase";
    static constexpr const char* context = "Kontext";
    static constexpr const char* legend = "&Legende";
    static constexpr const char* player = "S&pieler";
    static constexpr platform::DialogRect phaseRect = {183, 9, 38, 9};
    static constexpr platform::DialogRect legendRect = {263, 6, 50, 14};
    static constexpr platform::DialogRect playerLabelRect = {269, 29, 38, 9};
    static constexpr platform::DialogRect playerRect = {248, 40, 80, 86};
};

}  // namespace

const platform::DialogTemplate* FindGermanDialog(int id) {
    if (const auto* estimation = resources::EstimationTemplates<GermanEstimationTexts>::Find(id)) return estimation;
    if (const auto* about = resources::AboutTemplates<GermanAboutTexts>::Find(id)) return about;
    if (const auto* audio = resources::AudioTemplates<GermanAudioTexts>::Find(id)) return audio;
    if (const auto* settings = FindGermanSettingsDialog(id)) return settings;
    if (const auto* statistics = FindGermanStatisticsDialog(id)) return statistics;
    if (const auto* panel = FindGermanPanelDialog(id)) return panel;
    if (const auto* event = resources::EventTemplates<GermanEventTexts>::Find(id)) return event;
    return resources::PromptTemplates<GermanTexts>::Find(id);
}
