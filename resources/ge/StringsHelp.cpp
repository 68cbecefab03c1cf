// The German edition's texts of help, the language switch, the about box and the legend.

#include "resources/ge/EditionTables.h"
#include "resources/ids.h"

namespace {

constexpr platform::StringEntry kHelpStrings[] = {
    {IDS_LANGUAGE_FAILED, "Fehler: Sprache kann nicht umgeschaltet werden. Verzeichnis:\n\n'%1'\n\n nicht gefunden."},
    {IDS_HELP_FAILED, "Fehler: Datei\n\n'%1'\n\n kann nicht geöffnet werden"},
    {IDS_COPY_FAILED, "Fehler: Daten können nicht kopiert werden !\n\n%1:\n%2"},
    {IDS_ABOUT_SYSTEM,
     "Kartovan+  läuft unter Linux (X11 und Wayland).\nMinimale Bildschirmauflösung: 1024 x 768.\n\n"
     "Die Ausführungsgeschwindigkeit kann über das Menü\n'Optionen > Verzögerung' angepasst werden!"},
    {IDS_ABOUT_FEEDBACK,
     "Anmerkungen, Fehlermeldungen, Kritik,\nVerbesserungsvorschläge, ...\n"
     "Bitte an die unter Info genannte E-Mail-Adresse schicken.\n\n"
     "Bitte Versionsnummer angeben und Spiel-Datei (.skt)\nfür die Fehler- bzw. Verhaltensanalyse mitschicken!"},
    {IDS_CAPTION_LEGEND, "Legende zu Spielliste und Dokumentation"},
    {IDS_VERSION_DATE, "17.07.2020"},
    {IDS_ABOUT_CREDIT1, "Skat für eine Person gegen zwei Computerspieler"},
    {IDS_ABOUT_CREDIT2, "Geschrieben vom Kartovan+-Projekt"},
    {IDS_ABOUT_MAIL, "kartovan@example.org"},
    {IDS_ABOUT_WEB, "https://example.org/kartovan/"},
    {IDS_ABOUT_NOTICE, "Freie Software, ohne jede Gewährleistung."},
    {IDS_LEGEND_TITLE, "Markierungen des laufenden Spiels"},
    {IDS_LEGEND_ROW_FIRST + 0, "Abgebrochen"},
    {IDS_LEGEND_ROW_FIRST + 1, "Offen gegeben"},
    {IDS_LEGEND_ROW_FIRST + 2, "Geladen"},
    {IDS_LEGEND_ROW_FIRST + 3, "Aus Datei"},
    {IDS_LEGEND_ROW_FIRST + 4, "Offengelegt"},
    {IDS_LEGEND_ROW_FIRST + 5, "Aufgedeckt"},
    {IDS_LEGEND_ROW_FIRST + 6, "Getauscht"},
    {IDS_LEGEND_ROW_FIRST + 7, "Wiederholt"},
    {IDS_LEGEND_ROW_FIRST + 8, "Zurückgenommen"},
    {IDS_LEGEND_NOTE_FIRST + 0, "Spiel oder Serie abgebrochen"},
    {IDS_LEGEND_NOTE_FIRST + 1, "Karten während des Spiels offen"},
    {IDS_LEGEND_NOTE_FIRST + 2, "Spiel geladen oder fortgesetzt"},
    {IDS_LEGEND_NOTE_FIRST + 3, "Spiel aus einer Datei"},
    {IDS_LEGEND_NOTE_FIRST + 4, "Alle Karten offengelegt"},
    {IDS_LEGEND_NOTE_FIRST + 5, "Karten anderer Spieler angesehen"},
    {IDS_LEGEND_NOTE_FIRST + 6, "Karten, Blätter oder Farben getauscht"},
    {IDS_LEGEND_NOTE_FIRST + 7, "Dasselbe Spiel noch einmal"},
    {IDS_LEGEND_NOTE_FIRST + 8, "Stich zurückgenommen"},
    {IDS_LEGEND_TABLE, "Farbe des Tisches"},
    {IDS_LEGEND_GREEN, "grün: ehrliches Spiel"},
    {IDS_LEGEND_RED, "dunkelrot: Spiel mit Markierung"},
};
static_assert(platform::IsSortedById(kHelpStrings));

}  // namespace

platform::StringTable GermanHelpStrings() { return kHelpStrings; }
