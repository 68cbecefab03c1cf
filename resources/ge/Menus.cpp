// The German edition's menu and accelerators (resource 128).

#include "resources/MenuTables.h"
#include "resources/ge/EditionTables.h"

#include "platform/core/MenuTemplate.h"

#include <array>

namespace {

using platform::MenuItemTemplate;
using platform::MF_POPUP;
using platform::MF_SEPARATOR;

constexpr MenuItemTemplate kPrint[] = {
    {ID_PRINT_TABLE, "Spiel&tisch"},
    {ID_PRINT_SCORE_SHEET, "Spiel&liste"},
    {ID_PRINT_CARDS_ASSIGNMENT, "Karten&zuordnung"},
    {ID_PRINT_COURSE, "Spiel&verlauf"},
    {0, "", MF_SEPARATOR},
    {ID_ORIENTATION, "Seiten&orientierung: Hochformat"},
};
constexpr MenuItemTemplate kPreview[] = {
    {ID_PREVIEW_TABLE, "Spiel&tisch"},
    {ID_PREVIEW_SCORE_SHEET, "Spiel&liste"},
    {ID_PREVIEW_CARDS_ASSIGNMENT, "Karten&zuordnung"},
    {ID_PREVIEW_COURSE, "Spiel&verlauf"},
};
constexpr MenuItemTemplate kMatch[] = {
    {ID_NEW_MATCH, "&Neue Serie"},
    {ID_LOAD_MATCH, "&Laden ..."},
    {ID_SAVE_STORE, "&Sichern ..."},
    {ID_DELETE_MATCH, "&Löschen ..."},
    {0, "", MF_SEPARATOR},
    {ID_INITIALIZATION, "&Initialisierung ..."},
    {ID_TERMINATION, "Serien&ende ..."},
    {ID_RENAME_SERIES, "Serie &umbenennen ..."},
    {ID_ABORT_MATCH, "&Abbrechen"},
    {0, "", MF_SEPARATOR},
    {0, "&Drucken", MF_POPUP, kPrint},
    {0, "&Vorschau", MF_POPUP, kPreview},
    {0, "", MF_SEPARATOR},
    {ID_APP_EXIT, "&Beenden"},
};
constexpr MenuItemTemplate kGame[] = {
    {ID_NEW, "&Neu\tStrg+N"},
    {ID_LOAD, "&Laden ..."},
    {ID_SAVE_GAME, "&Sichern ..."},
    {ID_DELETE_GAME, "&Löschen ..."},
    {ID_RENAME_GAME, "Spiel &umbenennen ..."},
    {0, "", MF_SEPARATOR},
    {ID_ABANDON, "&Aufgeben\tStrg+A"},
    {ID_BREAK, "A&bbrechen\tStrg+B"},
    {ID_REPEAT, "&Wiederholen\tStrg+W"},
    {ID_COMPLETE, "&Vollenden\tStrg+V"},
    {0, "", MF_SEPARATOR},
    {ID_UNDO, "Letzten Stich &zurücknehmen"},
    {ID_RECOVER, "Letzten Stich wieder&herstellen"},
    {0, "", MF_SEPARATOR},
    {ID_FACE_UP, "Offen s&pielen\tStrg+C"},
    {ID_SWAP_SKAT, "Skatkarten tausc&hen"},
    {ID_SWAP_CARDS, "Spiel&karten tauschen"},
    {ID_SWAP_HAND, "Spielblatt &tauschen ..."},
    {ID_SWAP_SUITS, "&Farben tauschen ..."},
};
constexpr MenuItemTemplate kView[] = {
    {ID_LAST, "&Zeige letzten Stich\tStrg+L"},
    {ID_SORT, "Sor&tieren\tStrg+S"},
    {0, "", MF_SEPARATOR},
    {ID_LIST_SCORE, "Spi&elliste"},
    {ID_LIST_STORE, "Karten&zuordnung"},
    {ID_LIST_CARD_STATISTICS, "Karte&nstatistik"},
    {ID_LIST_GAME_STATISTICS, "Spielstatisti&k"},
    {ID_LIST_TRICK_ESTIMATION, "Sticha&bschätzung"},
    {ID_LIST_LEGEND, "&Legende"},
    {0, "", MF_SEPARATOR},
    {ID_ANNOTATION, "&Anmerkung ...\tAlt+A"},
    {ID_LIST_DATA, "Spiel&daten"},
    {ID_LIST_GAME_VALUE, "Spiel&wert"},
    {ID_LIST_STATE, "S&pielstatus"},
    {0, "", MF_SEPARATOR},
    {ID_MINIMAL_WINDOW, "&Minimales Fenster"},
    {ID_OPTIMAL_WINDOW, "&Optimales Fenster"},
    {ID_IDEAL_WINDOW, "&Ideales Fenster"},
};
constexpr MenuItemTemplate kVariations[] = {
    {ID_SKAT_RULE, "&Regelskat"},
    {ID_SKAT_VARIANT, "&Variantenskat"},
    {ID_SKAT_RAMSCH, "R&amsch"},
    {0, "", MF_SEPARATOR},
    {ID_CONFIGURATION, "&Konfiguration ..."},
    {ID_RAMSCH_EVAL_MODE, "Ramsch-&Wertung ..."},
};
constexpr MenuItemTemplate kOptions[] = {
    {ID_SUGGEST, "&Vorschlag"},
    {ID_CONTINUE, "&Fortsetzen"},
    {ID_COUNT, "Mitzä&hlen"},
    {ID_DEMONSTRATION, "&Demonstration"},
    {ID_DRAG_CARDS, "Karten z&iehen"},
    {ID_SUPPORT, "&Unterstützung Sehbehinderter"},
    {0, "", MF_SEPARATOR},
    {ID_SETTINGS, "&Einstellungen ..."},
    {ID_RISK, "Risi&kobereitschaft ..."},
    {ID_SORT_DIALOG, "Kartens&ortierung ..."},
    {ID_AUDIO, "Stimmen und &Geräusche ..."},
    {ID_CARD_BACK, "&Rückseite ..."},
    {ID_CARD_FACE, "&Vorderseite ..."},
    {ID_DELAY, "&Verzögerung ..."},
    {ID_IMAGES, "&Bilder ..."},
    {ID_NAMES, "&Namen ..."},
    {ID_LOGGING, "&Protokollierung ..."},
};
constexpr MenuItemTemplate kLanguage[] = {
    {ID_LANGUAGE, "&englisch"},
};
constexpr MenuItemTemplate kHelp[] = {
    {ID_HELP_INSTRUCTIONS, "&Spielanleitung"},
    {ID_HELP_OPERATING, "&Bedienung"},
    {ID_HELP_GLOSSARY, "&Glossar"},
    {ID_HELP_RULE, "Hilfe zu Regelvorschlag"},
    {ID_HELP_CLOSE, "&Hilfefenster schließen"},
    {0, "", MF_SEPARATOR},
    {ID_APP_ABOUT, "&Info über Kartovan+ ..."},
};
// The pop-ups stand in the order their indexes name them: 0 match ... 6 help.
constexpr MenuItemTemplate kBar[] = {
    {0, "Se&rie", MF_POPUP, kMatch},       {0, "&Spiel", MF_POPUP, kGame},
    {0, "&Ansicht", MF_POPUP, kView},      {0, "&Variationen", MF_POPUP, kVariations},
    {0, "&Optionen", MF_POPUP, kOptions},  {0, "Sp&rache", MF_POPUP, kLanguage},
    {0, "&Hilfe", MF_POPUP, kHelp},
};
constexpr platform::MenuTemplate kMainMenu{IDR_MAINFRAME, kBar};

constexpr platform::Accelerator kGermanOnly[] = {{'V', platform::ACCEL_CTRL, ID_COMPLETE}};
constexpr auto kAccelerators = [] {
    std::array<platform::Accelerator, std::size(kCommonAccelerators) + std::size(kGermanOnly)> all{};
    std::size_t n = 0;
    for (const platform::Accelerator& a : kCommonAccelerators) all[n++] = a;
    for (const platform::Accelerator& a : kGermanOnly) all[n++] = a;
    return all;
}();
constexpr platform::AcceleratorTable kAcceleratorTable{IDR_MAINFRAME, kAccelerators};

}  // namespace

const platform::MenuTemplate* FindGermanMenu(int id) { return id == IDR_MAINFRAME ? &kMainMenu : nullptr; }
const platform::AcceleratorTable* FindGermanAccelerators(int id) {
    return id == IDR_MAINFRAME ? &kAcceleratorTable : nullptr;
}
