#pragma once
// Keeps the settings store in a registry text file: a header line, a blank line, then one
// "[HKEY_CURRENT_USER\...]" section per key with its "name"=dword:xxxxxxxx and "name"="text"
// lines. The file is ours and in UTF-8, so every text reads back as it was written.
//
// A damaged file gives what parsed cleanly: a file without the header gives an empty tree; in a
// file with the header every line that does not parse is skipped, and so are the values under a
// section line that does not parse (one naming a key deeper than kMaxRegistryKeyDepth levels or a
// key name with a control character among them). The first fault is reported once as a message.

#include "platform/core/FileIo.h"
#include "platform/core/Registry.h"

#include <string>
#include <string_view>

namespace platform {

inline constexpr std::string_view kRegistryFileHeader = "Windows Registry Editor Version 5.00";
// Far beyond anything the program writes: a deeper key path or a longer file is a damaged file.
inline constexpr int kMaxRegistryKeyDepth = 64;
inline constexpr std::size_t kMaxRegistryFileBytes = 4 * 1024 * 1024;

// The whole tree as file text. Strings escape '\' and '"'; line breaks, tabs and other control
// characters are written as \n, \r, \t and \xHH so that every value stays on its line. Keys the
// reader would refuse (a control character in the name, deeper than kMaxRegistryKeyDepth) are left
// out; no part of the program makes them.
std::string FormatRegistryFile(const RegistryKey& root);

// Fills the (cleared) tree from file text. Returns an empty string for a clean file, else a
// message naming the first fault.
std::string ParseRegistryFile(std::string_view text, RegistryKey& root);

struct RegistryLoad {
    bool ok = true;       // the file was read, or there was none (a first start)
    std::string message;  // what went wrong; empty when nothing did
};

// Loads the file into the tree. A missing file gives an empty tree and no message. A damaged file
// gives what parsed cleanly and a message; it is copied to path + ".bad" first so that the next
// save does not lose what the user had. A file longer than kMaxRegistryFileBytes is damaged too: what
// parsed of its start is kept and the file itself is moved to path + ".bad" (a copy could fill the
// disk). A file that cannot be read, or anything at the path that is not a regular file (a named
// pipe, a device), gives an empty tree, ok false; it is never opened in a way that could block.
RegistryLoad LoadRegistryFile(const std::string& path, RegistryKey& root);

// Writes the tree atomically. A file that exists but cannot be read is left alone (the tree in
// memory was not loaded from it, so writing would replace the user's settings by defaults).
FileStatus SaveRegistryFile(const std::string& path, const RegistryKey& root);

// The running program's store (CurrentUserRegistry()) and its file (RegistryFilePath()).
RegistryLoad LoadCurrentUserRegistry();
FileStatus SaveCurrentUserRegistry();

}  // namespace platform
