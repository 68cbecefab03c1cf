#pragma once
// Where an edition's help pages lie: the folder the help topics name before their "::/".

#include <string>

// The edition's help pages: "help/<code>/" beside the program (a build tree), else the installed
// "<prefix>/share/kartovan/help/<code>/" for a program in "<prefix>/bin/". The folder need not
// exist: the help window then does not open.
std::string HelpFolder(const std::string& programFolder, const std::string& code);
