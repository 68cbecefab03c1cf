// The German edition's texts of the match, game, stored-deal and statistics files.

#include "resources/Editions.h"
#include "resources/WorkFolderIds.h"
#include "resources/ids.h"
#include "resources/ge/EditionTables.h"

namespace {

constexpr platform::StringEntry kFileStrings[] = {
    {IDS_QUERY_STORED_DEAL_RUNNING,
     "Soll das laufende Spiel wirklich abgebrochen und durch das\n Spiel '%1' aus der Liste Kartenzuordnung ersetzt "
     "werden?"},
    {IDS_QUERY_STORED_DEAL, "Soll das Spiel %1 aus der Liste Kartenzuordnung geladen werden?"},
    {IDS_QUERY_LOAD_MATCH_NOW, "Die laufende Serie wird abgebrochen\n(Spielliste wird gelöscht).\n\nWollen Sie die Serie jetzt laden?"},
    {IDS_READ_FAILED, "Fehler: Daten können nicht eingelesen werden !\n\n%1: '%2'"},
    {IDS_WRITE_FAILED, "Fehler: Daten können nicht gespeichert werden !\n\n%1: '%2'"},
    {IDS_IMAGES_MISSING, "Bildpfade existieren nicht. Keine Übernahme."},
    // The settings a loaded match would change: the headings, then the items.
    {40330, "\n  Variationen"},
    {40331, "\n  Konfiguration"},
    {40332, "\n  Ramsch"},
    {40333, "\n  Optionen"},
    {40334, "\n  Verzögerung"},
    {40335, "\n  Risiko"},
    {40336, "\n  Voreinstellung"},
    {40337, "\n  Audio"},
    {40338, "\n  Fenster"},
    {40339, "\n  Bilder"},
    {40340, "\n  Spiel"},
    {40341, "\n  Aktuell"},
    {40342, "\n  Ansicht"},
    {40343, "\n  Drucken"},
    {40344, "\n  Namen"},
    {40345, "\n  Speicherorte"},
    {IDS_TITLE_LOAD_GAME, "Spiel öffnen"},
    {IDS_TITLE_SAVE_GAME, "Spiel speichern"},
    {IDS_TITLE_DELETE_GAME, "Spiel löschen"},
    {IDS_TITLE_LOAD_MATCH, "Serie laden"},
    {IDS_TITLE_SAVE_MATCH, "Serie speichern "},
    {IDS_TITLE_DELETE_MATCH, "Serie löschen"},
    {IDS_FILTER_GAMES, "Skat-Dateien (*.skt)"},
    {IDS_EXTENSION_GAME, "skt"},
    {IDS_FILTER_MATCHES, "Serien-Dateien (*.skm)"},
    {IDS_EXTENSION_MATCH, "skm"},
    {IDS_BUTTON_DELETE, "&Löschen"},
    {IDS_FOLDER_STORAGE, "Ablage"},
    {IDS_FOLDER_MATCHES, "Serien"},
    {IDS_FOLDER_GAMES, "Spiele"},
    {IDS_END_ROUNDS_PLAYED, "Die vorgegebenen Runden wurden bereits gespielt."},
    {IDS_END_TIME_EXPIRED, "Die vorgegebene Zeitdauer ist abgelaufen."},
    {IDS_END_BIERLACHS, "Bierlachs (%1):\nDas Guthaben von %2 ist verbraucht."},
    {IDS_END_CHANGE_SETTINGS, "\nWollen sie die Einstellungen ändern?"},
    {IDS_QUERY_TAKE_SETTINGS, "%1 Einstellungen sind verändert:\n%2\n\nÄnderungen übernehmen?"},
    {IDS_FOLDER_IN_USE,
     "Kartovan+ läuft bereits mit dem Arbeitsverzeichnis\n\n'%1'\n\nund antwortet nicht. Dieser Start endet, damit "
     "die Spiele des laufenden Programms erhalten bleiben."},
    {IDS_LANGUAGE_SWITCH_NOT_CLOSED,
     "Fehler: Sprache kann nicht umgeschaltet werden. Die andere Ausgabe wurde nicht beendet und benutzt noch das "
     "Arbeitsverzeichnis\n\n'%1'\n\nDiese Ausgabe endet; die andere läuft weiter."},
    {IDS_CHANGED_BY_OTHER,
     "Die Datei wurde von einem anderen Programm geändert. Sie bleibt, wie sie ist, nichts wird darüber gespeichert "
     "!\n\n%1: '%2'"},
    {IDS_QUERY_BACKUP, "Sicherung in Datei   'Kartovan+.reg' ?"},
};

static_assert(platform::IsSortedById(kFileStrings), "the chapter must be sorted by id without duplicates");

}  // namespace

platform::StringTable GermanFileStrings() { return kFileStrings; }
