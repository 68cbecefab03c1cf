#pragma once
// What differs between the two programs built from app/: the edition's resources, its name for the
// desktop, and where its help pages lie.

#include <string>

#include "platform/core/Resources.h"
#include "platform/core/ShellRequests.h"

struct EditionSetup {
    platform::Edition edition;
    const platform::ResourceSet* resources;
    const char* code;             // "ge" or "en": the help pages' folder name
    const char* missingHelpPage;  // the help window's text for a missing page, %1 = the page
};

// The edition this program was built as.
const EditionSetup& ThisEdition();

// The edition's help pages: "help/<code>/" beside the program (a build tree), else the installed
// "<prefix>/share/kartovan/help/<code>/" for a program in "<prefix>/bin/". The folder need not
// exist: the help window then does not open.
std::string HelpFolder(const std::string& programFolder, const char* code);
