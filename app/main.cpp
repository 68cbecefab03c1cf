// The program's entry: select the edition's resources and hand over to the Qt host.
#include "resources/Editions.h"

#include "platform/core/Resources.h"

int main(int argc, char** argv) {
#if defined(KARTOVAN_EDITION_ge)
    platform::SetResources(&GermanResources());
#else
    platform::SetResources(&EnglishResources());
#endif
    (void)argc;
    (void)argv;
    return 0;
}
