#include "app/Edition.h"

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
