// The German edition's string table.

#include "resources/Editions.h"
#include "resources/ids.h"
#include "resources/ge/EditionTables.h"

#include <algorithm>

namespace {

// Sorted by id; the lookup searches it by halves.
constexpr platform::StringEntry kStrings[] = {
    {IDS_PHASE_WITHOUT_SKAT, "ohne Skat"},
    {IDS_PHASE_PICKED_UP, "nach Skataufnahme"},
    {IDS_PHASE_HAND, "Handspiel"},
    {IDS_PHASE_DISCARDED, "nach Skatablage"},
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
    {IDS_STATUS_RAISE_BID, "Reizwert erhöhen"},
    {IDS_STATUS_LOWER_BID, "Reizwert erniedrigen"},
    {IDS_PRODUCT_NAME, "Kartovan+"},
    {IDS_HELP_TITLE, "Hilfe für Kartovan+"},
    {IDS_OTHER_LANGUAGE, "en"},
    {IDS_VERSION, "5.8"},
    {IDS_BIDS, " reizt "},
    {IDS_PLAY, "spiele"},
    {IDS_PLAYS, "spielt"},
    {IDS_PLEASE_SWAP, "Bitte tauschen Sie Karten aus"},
    {IDS_RAMSCH_JACK_IN_SKAT, "Ramsch: Bauer im Skat nicht erlaubt!"},
    {IDS_DEMONSTRATION, "Demonstration: Zum Beenden Esc-Taste drücken"},
    {IDS_GAME_CLUBS, "Kreuz"},
    {IDS_GAME_SPADES, "Pik"},
    {IDS_GAME_HEARTS, "Herz"},
    {IDS_GAME_DIAMONDS, "Karo"},
    {IDS_GAME_NULL, "Null"},
    {IDS_GAME_GRAND, "Grand"},
    {IDS_GAME_REVOLUTION, "Revolution"},
    {IDS_GAME_RAMSCH, "Ramsch"},
    {IDS_SUFFIX_OUVERT, " Ouvert"},
    {IDS_SUFFIX_HAND, " Hand"},
    {IDS_SCHNEIDER_ANNOUNCED, "Schneider angesagt"},
    {IDS_SCHWARZ_ANNOUNCED, "Schwarz angesagt"},
    {IDS_GRAND_HAND, "Grand Hand"},
    {IDS_KONTRA, "Kontra"},
    {IDS_REKONTRA, "Rekontra"},
    {IDS_NOTICE_BOCK, " Bock %d-%d: Spiel %d "},
    {IDS_NOTICE_RAMSCH, " Ramsch %d-%d: Spiel %d "},
    {IDS_GIVE_KONTRA, "Gebe \\b Kontra\\b0 "},
    {IDS_GIVE_REKONTRA, "Gebe \\b Rekontra\\b0 "},
    {IDS_ILLEGAL_ACTION, "Unzulässige Aktion"},
    {IDS_ILLEGAL_SWAP_PARTNER, "Unzulässiger Tauschpartner"},
    {IDS_SWAP_SKAT_FIRST, "Vorher: Spiel>Skatkarten tauschen"},
    {IDS_NOT_PASS_OUT, "Nicht einpassen"},
    {IDS_AND_GIVE_UP, " und gebe Spiel auf!"},
    {IDS_PASSED_OUT, "\\fs17\\b\\qc\\par Spiel \\b0 eingepasst!"},
    {IDS_REMIND_DECIDE, ",\nentscheide\ndich bitte!"},
    {IDS_REMIND_SAY, ",\nbitte\nsage etwas!"},
    {IDS_REMIND_PLAY, ",\nspiele bitte\neine Karte!"},
    {IDS_TRACE_PROGRAM, "  Program %1"},
    {IDS_TRACE_GAME, "  Game %1"},
    {IDS_TRACE_MATCH, "  Match %1"},
    {IDS_BALLOON_SAY_SOMETHING, "Sag was!"},
    {IDS_BALLOON_HAVE_MORE, "Hast du mehr?"},
    {IDS_BALLOON_MORE, "Mehr?"},
    {IDS_DRAG_GAME_FILE, "Spiel-Datei ziehen (Serien-Datei mit Strg-Taste)"},
    {IDS_NOTICE_DECLARE, "Spiel ansagen"},
    {IDS_NOTICE_SWAP_DECLARE, "Skat tauschen, Spiel ansagen"},
    {IDS_NOTICE_SWAP_SKAT, "Skat tauschen"},
    {IDS_NOTICE_SWAP_CARDS, "Karten tauschen"},
    {IDS_YOUR_TURN, "Du bist dran"},
    {IDS_BIDDING, "Reizen: "},
    {IDS_WAIT_ACTIVE, "Aktion bei aktivem Warten nicht erlaubt! "},
    {IDS_BALLOON_BID, "reize "},
    {IDS_BALLOON_HOLD, "halte "},
    {IDS_BALLOON_PASS, "passe "},
    {IDS_BUTTON_BID, "reiz&e"},
    {IDS_BUTTON_HOLD, "halt&e"},
    {IDS_RULE_SKAT, "Regelskat"},
    {IDS_VARIANT_SKAT, "Variantenskat"},
    {IDS_RAMSCH, "Ramsch"},
    {IDS_SCHIEBERAMSCH, "Schieberamsch"},
    {IDS_ABBREVIATIONS, "KzPkHzKaNlRvGdRa"},
    {IDS_RANK_TEXTS, "A 7 8 9 10B D K"},
    {IDS_RICH_TEXT_HEAD, "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 MS Sans Serif;}}{\\colortbl ;\\red0\\green0\\blue0;\\red128\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\fs10\\par"},
    {IDS_CAPTION_GAME, "Spiel"},
    {IDS_APP_TITLE, "skat"},
};

static_assert(std::ranges::adjacent_find(kStrings, std::greater_equal<>{}, &platform::StringEntry::id) ==
                  std::ranges::end(kStrings),
              "the string table must be sorted by id without duplicates");

const platform::ResourceSet kGerman{"ge", kStrings, &FindGermanMenu, &FindGermanAccelerators, &FindGermanDialog};

}  // namespace

const platform::ResourceSet& GermanResources() { return kGerman; }
