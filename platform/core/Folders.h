#pragma once
// The folders of the program on a Linux desktop, after the XDG base directories. Every folder
// string ends with '/', because the program appends file names to it.

#include <string>

namespace platform {

// The home folder is $HOME, else the user entry's; with neither, the user's own folder in the
// shared temporary folder (OwnFolderIn of $TMPDIR, else of /tmp). Where there is none of these,
// the folders below under it are empty: the program must not start.

// Settings: $XDG_CONFIG_HOME/kartovan/, else $HOME/.config/kartovan/. Not created here.
std::string ConfigFolder();
// The file the settings store is kept in: ConfigFolder() + "registry.reg".
std::string RegistryFilePath();
// The per-user writable work folder: $XDG_DATA_HOME/kartovan/, else $HOME/.local/share/kartovan/;
// created (with its parents) when missing. Returns the path even when it cannot be created;
// writing into it then fails with a message.
std::string WorkFolder();
// The user's own folder in a folder everyone may write to: "kartovan-<user id>", made with mode
// 0700. Empty when it cannot be made, or when what is there is not a folder of this user that no
// one else may enter (another user could have made it, or put a link there).
std::string OwnFolderIn(const std::string& shared);
// The default desktop folder, where the trace log and the user's own files go: the work folder.
std::string DesktopFolder();
// The folder of the running executable (read-only: the installed program's files).
std::string ProgramFolder();

// Creates the folder and its parents; true when it exists afterwards.
bool EnsureFolder(const std::string& folder);

}  // namespace platform
