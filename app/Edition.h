#pragma once
// What differs between the two programs built from app/: the edition's resources, its name for the
// desktop, and where its help pages lie.

#include <string>

#include "platform/core/Resources.h"
#include "platform/core/ShellRequests.h"
#include "shell/HelpFolder.h"

struct EditionSetup {
    platform::Edition edition;
    const platform::ResourceSet* resources;
    const char* code;             // "ge" or "en": the help pages' folder name
    const char* missingHelpPage;  // the help window's text for a missing page, %1 = the page
};

// The edition this program was built as.
const EditionSetup& ThisEdition();
