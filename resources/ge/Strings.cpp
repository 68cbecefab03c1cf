// The German edition's string table.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/ge/EditionTables.h"

#include <algorithm>

namespace {

// Sorted by id; the lookup searches it by halves.
constexpr platform::StringEntry kStrings[] = {
    {IDS_LABEL_FOREHAND, "Vh"},
    {IDS_LABEL_MIDDLEHAND, "Mh"},
    {IDS_LABEL_REARHAND, "Hh"},
    {IDS_WIDEST_NAME, "mmmmmmmmm"},
    {IDS_MARK_KONTRA, "Ko"},
    {IDS_MARK_REKONTRA, "Re"},
    {IDS_MENU_OPEN_PLAY, "Offen s&pielen\tStrg+C"},
    {IDS_MENU_NORMAL_PLAY, "Normal s&pielen\tStrg+C"},
    {IDS_QUERY_LOAD_MATCH,
     "Die laufende Serie wird abgebrochen\n(Spielliste wird gelöscht).\n\nWollen Sie die Serie '%1' jetzt laden?"},
    {IDS_QUERY_EXIT,
     "Die laufende Serie wird ausgesetzt.\nEs ist jedoch noch ein Spiel geladen.\n\n"
     "Wollen sie wirklich beenden?"},
    {IDS_QUERY_REPLACE_GAME,
     "Soll das laufende Spiel wirklich abgebrochen\nund durch das Spiel '%1' ersetzt werden?"},
    {IDS_TIMER_FAILED, "System-Fehler: Timer kann nicht eingerichtet werden"},
    {IDS_NO_GAME_FILE, "Fehler: Datei\n\n  '%1'\n\nhat kein gültiges Skat-Spielformat"},
    {IDS_FOLDER_FAILED, "Fehler: Verzeichnis\n\n'%1'\n\n kann nicht geöffnet werden"},
    {IDS_MODE_SERIES, "Spielserie"},
    {IDS_MODE_DURATION, "Zeitdauer"},
    {IDS_MODE_BIERLACHS, "Bierlachs"},
    {IDS_MODE_UNLIMITED, "Unbegrenzt"},
    {IDS_BIERLACHS_TIE,
     "Das Bierlachsziel wurde von zwei Spielern mit Gleichstand erreicht.\n"
     "Es wird solange weitergespielt, bis ein eindeutiger Verlierer feststeht."},
    {IDS_EXTRA_GAMES_PENDING,
     "\nEs stehen jedoch noch Bock- und oder Ramsch-Spiele aus.\n\n"
     "Soll die Serie bis zum Ende der Extra-Spiele fortgesetzt werden?"},
    {IDS_GAMES_PLAYED, "Die vorgegebene Anzahl Spiele in dieser Serie wurden gespielt."},
    {IDS_MENU_LAST_TRICK, "&Zeige letzten Stich\tStrg+L"},
    {IDS_MENU_LAST_CARDS, "&Zeige letzte Karten\tStrg+L"},
    {IDS_TIME_UP, "Der Zeitrahmen für die momentane Serie ist abgelaufen.\n"},
    {IDS_PRODUCT_NAME, "Kartovan+"},
    {IDS_HELP_TITLE, "Hilfe für Kartovan+"},
    {IDS_OTHER_LANGUAGE, "en"},
    {IDS_VERSION, "5.8"},
    {IDS_DEMONSTRATION, "Demonstration: Zum Beenden Esc-Taste drücken"},
    {IDS_GRAND_HAND, "Grand Hand"},
    {IDS_NOTICE_BOCK, " Bock %d-%d: Spiel %d "},
    {IDS_NOTICE_RAMSCH, " Ramsch %d-%d: Spiel %d "},
    {IDS_REMIND_DECIDE, ",\nentscheide\ndich bitte!"},
    {IDS_REMIND_SAY, ",\nbitte\nsage etwas!"},
    {IDS_REMIND_PLAY, ",\nspiele bitte\neine Karte!"},
    {IDS_TRACE_PROGRAM, "  Program %1"},
    {IDS_TRACE_GAME, "  Game %1"},
    {IDS_TRACE_MATCH, "  Match %1"},
    {IDS_NOTICE_DECLARE, "Spiel ansagen"},
    {IDS_NOTICE_SWAP_DECLARE, "Skat tauschen, Spiel ansagen"},
    {IDS_NOTICE_SWAP_SKAT, "Skat tauschen"},
    {IDS_NOTICE_SWAP_CARDS, "Karten tauschen"},
    {IDS_YOUR_TURN, "Du bist dran"},
    {IDS_WAIT_ACTIVE, "Aktion bei aktivem Warten nicht erlaubt! "},
    {IDS_BALLOON_BID, "reize "},
    {IDS_BALLOON_HOLD, "halte "},
    {IDS_BALLOON_PASS, "passe "},
    {IDS_RULE_SKAT, "Regelskat"},
    {IDS_VARIANT_SKAT, "Variantenskat"},
    {IDS_RAMSCH, "Ramsch"},
    {IDS_SCHIEBERAMSCH, "Schieberamsch"},
    {IDS_ABBREVIATIONS, "KzPkHzKaNlRvGdRa"},
    {IDS_RANK_TEXTS, "A 7 8 9 10B D K"},
    {IDS_APP_TITLE, "skat"},
};

static_assert(std::ranges::adjacent_find(kStrings, std::greater_equal<>{}, &platform::StringEntry::id) ==
                  std::ranges::end(kStrings),
              "the string table must be sorted by id without duplicates");

const platform::ResourceSet kGerman{"ge", kStrings, &FindGermanMenu, &FindGermanAccelerators};

}  // namespace

const platform::ResourceSet& GermanResources() { return kGerman; }
