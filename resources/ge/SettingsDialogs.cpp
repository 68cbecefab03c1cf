// The German edition's settings dialogs: their texts on the shared layout.
#include "resources/MatchSettingsTemplates.h"
#include "resources/SettingsTemplates.h"
#include "resources/ge/EditionTables.h"

namespace {

struct GermanSettingsTexts {
    static constexpr const char* cancel = "&Abbrechen";
    static constexpr const char* help = "&Hilfe";
    // Rule configuration.
    static constexpr const char* configurationCaption = "Konfiguration";
    static constexpr const char* kontra = "&Kontra/Re geben";
    static constexpr const char* ramschIfNoBid = "Ramsch, &wenn keiner reizt";
    static constexpr const char* ramschPassOn = "Ramsch &mit Schieben";
    static constexpr const char* grandHand = "&Grand Hand anstatt Ramsch";
    static constexpr const char* revolution = "Re&volution erlaubt";
    static constexpr const char* notAtRuleSkat = "Diese Einstellungen gelten nicht\nbei Option Regelskat";
    static constexpr const char* schneiderLabel = "Schneider-/Schwarz &ansagen";
    static constexpr const char* ouvertLabel = "O&uvert Grand-/Farbspiele";
    static constexpr const char* stockLabel = "S&tock beim Ramsch";
    static constexpr const char* firstTrickLabel = "1. Stich &bei Ouvert-Spiel";
    static constexpr const char* handLabel = "verlorenes &Handspiel zählt";
    static constexpr const char* extraLabel = "&extra Runde";
    static constexpr const char* ifExtraLabel = "e&xtra Runde, wenn";
    static constexpr const char* rule = "&Regel";
    // Ramsch scoring.
    static constexpr const char* ramschCaption = "Ramsch-Wertung";
    static constexpr const char* gameValueGroup = "Spielwert";
    static constexpr const char* byGamePoints = "nach &Spielpunkten";
    static constexpr const char* byFixedPoints = "nach &Fixpunkten";
    static constexpr const char* gameField = "S&piel";
    static constexpr const char* passOnField = "S&chieben";
    static constexpr const char* passOnGroup = "Schieben, Jungfrau";
    static constexpr const char* doubling = "&verdoppeln";
    static constexpr const char* multiplying = "&multiplizieren";
    static constexpr const char* addFixed = "Fixpunkte &addieren";
    // Bidding risk.
    static constexpr const char* riskCaption = "Risikobereitschaft";
    static constexpr const char* riskHeading = "Nur für Spiele bieten, deren Erfolgschance höher ist als:";
    static constexpr const char* grandColumn = "Grandspiele (%)";
    static constexpr const char* suitColumn = "Farbe";
    static constexpr const char* suitRiskColumn = "Farbspiele (%)";
    static constexpr const char* nullColumn = "Nullspiele (%)";
    // Delays.
    static constexpr const char* delayCaption = "Verzögerung";
    static constexpr const char* waitGroup = "warten [ms]";
    static constexpr const char* slideGroup = "gleiten [steps]";
    static constexpr const char* bidDelay = "&Reizen";
    static constexpr const char* answerDelay = "An&tworten";
    static constexpr const char* showDelay = "An&zeigen";
    static constexpr const char* continueDelay = "&Fortsetzen";
    static constexpr const char* dealSteps = "A&usteilen:";
    static constexpr const char* playSteps = "Sp&ielen:";
    static constexpr const char* orderSteps = "O&rdnen:";
    static constexpr const char* swapSteps = "&Tauschen:";
    static constexpr const char* switchSteps = "&Wechseln:";
    // Names.
    static constexpr const char* namesCaption = "Namen";
    static constexpr const char* leftComputer = "Computer &links:";
    static constexpr const char* rightComputer = "Computer &rechts:";
    // Annotation panel.
    static constexpr const char* annotationCaption = "Anmerkung: ";
    // Pictures.
    static constexpr const char* imagesCaption = "Bilder";
    static constexpr const char* imageHeading = "Zuordnung eines Bildes (Porträt, Profil, Foto, ...)";
    static constexpr const char* playerColumn = "Spieler:";
    static constexpr const char* yesNoColumn = "Ja / Nein";
    static constexpr const char* left = "links";
    static constexpr const char* right = "rechts";
    // Design choosers.
    static constexpr const char* cardBackCaption = "Wahl der Kartenrückseite";
    static constexpr const char* backHint = "Wahlweise ESC und danach (mehrfach) R oder B drücken";
    static constexpr const char* cardFaceCaption = "Wahl der Kartenrvorderseite";
    static constexpr const char* faceHint = "Wahlweise ESC und danach (mehrfach) V oder F drücken";
    // Sorting.
    static constexpr const char* sortCaption = "Kartensortierung";
    static constexpr const char* suitSequence = "Farbfolge";
    static constexpr const char* spadesFirst = "Buben, Kreuz, &Pik, Herz, Karo";
    static constexpr const char* heartsFirst = "Buben, Kreuz, &Herz, Pik, Karo";
    static constexpr const char* valueSequence = "Wertefolge";
    static constexpr const char* normalGame = "Nor&malspiel";
    static constexpr const char* nullGame = "N&ullspiel";
    static constexpr const char* adjusted = "automatisch dem &Spiel angepasst";
    // Swaps.
    static constexpr const char* swapHandsCaption = "Spielblatt mit Mitspieler tauschen";
    static constexpr const char* playerGroup = "Spieler";
    static constexpr const char* withLeft = "Person mit &linkem    Partner";
    static constexpr const char* withRight = "Person mit &rechtem Partner";
    static constexpr const char* leftWithRight = "Linker   mit rechtem &Partner";
    static constexpr const char* swapSuitsCaption = "Farben im Spiel tauschen";
    static constexpr const char* suitsGroup = "Farben";
    static constexpr const char* clubsSpades = "Kreuz mit &Pik";
    static constexpr const char* clubsHearts = "Kreuz mit H&erz";
    static constexpr const char* clubsDiamonds = "Kreuz mit &Karo";
    static constexpr const char* spadesHearts = "Pik      mit Her&z";
    static constexpr const char* spadesDiamonds = "P&ik      mit Karo";
    static constexpr const char* heartsDiamonds = "Herz   mit Ka&ro";
    static constexpr const char* jacksGroup = "Bauern";
    static constexpr const char* exclude = "ausschließe&n";
    static constexpr const char* include = "&einschließen";
};

struct GermanMatchSettingsTexts {
    static constexpr const char* cancel = "&Abbrechen";
    static constexpr const char* help = "&Hilfe";
    // General settings.
    static constexpr const char* settingsCaption = "Einstellungen";
    static constexpr const char* listTitleLabel = "&Titel für Spielliste   (      Serienname)";
    static constexpr const char* subtitleLabel = "&Untertitel für Serie (      aktuelle Variante)";
    static constexpr const char* storeTitleLabel = "Titel für K&artenzuordung";
    static constexpr const char* countingGroup = "Zählweise";
    static constexpr const char* byGame = "&Spiel";
    static constexpr const char* byRound = "&Runde";
    static constexpr const char* calculationGroup = "Abrechnung";
    static constexpr const char* gamePoints = "Spiel&punkte";
    static constexpr const char* weighted = "&Leistung";
    static constexpr const char* both = "bei&de";
    static constexpr const char* annotate = "A&nmerkung automatisch anzeigen";
    static constexpr const char* deal = "&Karten linear austeilen";
    static constexpr const char* zoom = "Karten z&oomen";
    static constexpr const char* last = "L&etzen Stich automatisch spielen";
    static constexpr const char* safe = "S&ichere Reststiche offenlegen";
    static constexpr const char* abandon = "Spielaufgabe &zulassen";
    static constexpr const char* balloon = "Sprech&blasen anzeigen";
    static constexpr const char* score = "&Punktestand anzeigen";
    static constexpr const char* ruleNumber = "&Regelnummer anzeigen";
    static constexpr const char* suggestAll = "Spiel&vorschlag für alle Spieler";
    // Export confirmation.
    static constexpr const char* initialValuesCaption = "Initialwerte";
    static constexpr const char* backupQuestion = "Sicherung in Datei   'Kartovan+.reg' ?";
    // Match end.
    static constexpr const char* terminationCaption = "Terminierung";
    static constexpr const char* series = "&Spielserie";
    static constexpr const char* duration = "&Zeitdauer";
    static constexpr const char* unlimited = "&Unbegrenzt";
    static constexpr const char* roundsLabel = "Anzahl &Runden:";
    static constexpr const char* minutesLabel = "&Minuten:";
    static constexpr const char* creditLabel = "&Guthaben:";
    // Trace log.
    static constexpr const char* loggingCaption = "Protokollierung";
    static constexpr const char* createGroup = "Log-Datei erstellen";
    static constexpr const char* logOn = "&ein";
    static constexpr const char* logOff = "a&us";
    static constexpr const char* deleteGroup = "Log-Datei löschen";
    static constexpr const char* deleteNever = "&nein";
    static constexpr const char* deleteBeforeGame = "&vor neuem Spiel ";
    static constexpr const char* deleteBeforeMatch = "vo&r neuer Spielserie";
    static constexpr const char* deleteBoth = "&beides";
    static constexpr const char* advanced = "erweitert";
    static constexpr const char* viewRow = "      Ansi&cht";
    static constexpr const char* frameRow = "      Rah&men";
    static constexpr const char* gameRow = "        S&piel";
    static constexpr const char* playerRow = "       Sp&ieler";
    static constexpr const char* dataGroup = "Log-Daten";
    static constexpr const char* renameCaption = "Spiel umbenennen";
    static constexpr const char* display = "an&zeigen (Shift+L)";
};

}  // namespace

const platform::DialogTemplate* FindGermanSettingsDialog(int id) {
    if (const auto* found = resources::SettingsTemplates<GermanSettingsTexts>::Find(id)) return found;
    return resources::MatchSettingsTemplates<GermanMatchSettingsTexts>::Find(id);
}
