#include "app/Edition.h"

#include <filesystem>

#include "resources/Editions.h"

const EditionSetup& ThisEdition() {
#if defined(KARTOVAN_EDITION_ge)
    static const EditionSetup edition{platform::Edition::German, &GermanResources(), "ge",
                                      "Die Hilfeseite %1 wurde nicht gefunden."};
#else
    static const EditionSetup edition{platform::Edition::English, &EnglishResources(), "en",
                                      "The help page %1 cannot be found."};
#endif
    return edition;
}

std::string HelpFolder(const std::string& programFolder, const char* code) {
    std::string beside = programFolder;
    beside += "help/";
    beside += code;
    beside += '/';
    std::error_code error;
    if (std::filesystem::is_directory(beside, error)) return beside;
    const std::filesystem::path program(programFolder);
    // "<prefix>/bin/" has the parent path "<prefix>/bin"; its parent is the prefix.
    std::string installed = program.parent_path().parent_path().string();
    installed += "/share/kartovan/help/";
    installed += code;
    installed += '/';
    return installed;
}
