// The language switch's re-pointing of the file types at the other edition.
#include "flow/MatchFiles.h"

#include "match/FileTypeRegistration.h"
#include "match/OwnFiles.h"
#include "model/Trace.h"
#include "platform/core/FileIo.h"
#include "platform/core/Registry.h"

#include <cstdlib>

namespace {

constexpr const char* kProgramOpenCommand = "Applications\\skat.exe\\shell\\open\\command";

// The user's own desktop entry: $XDG_DATA_HOME/applications/kartovan.desktop.
std::string UserDesktopEntry() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::string folder;
    if (data && *data == '/') folder = data;
    else if (const char* home = std::getenv("HOME"); home && *home) folder = std::string(home) + "/.local/share";
    else return {};
    return folder + "/applications/kartovan.desktop";
}

}  // namespace

void CMatchFiles::RegisterFileType(int root, const std::string& subkey, const std::string& code) {
    WriteTrace(":RegisterFileType(" + subkey + ":" + code + ")", LOG_MAINFRAME);
    // The program's open command: on this desktop the user's entry, re-pointed in place.
    if (subkey == kProgramOpenCommand) {
        const std::string path = UserDesktopEntry();
        if (path.empty()) return;
        const OwnFileRead read = ReadOwnFile(path, 1 << 16);
        if (read.Result != OwnFileRead::Read || read.TooLarge) return;
        const std::optional<std::string> entry =
            RepointDesktopEntry(std::string_view(reinterpret_cast<const char*>(read.Bytes.data()), read.Bytes.size()), code);
        if (entry) (void)platform::WriteFileAtomic(path, *entry);
        return;
    }
    // Only the user's keys are kept; one that is missing is not created.
    if (root != 2) return;
    platform::RegistryKey* key = platform::CurrentUserRegistry().Find(subkey);
    if (!key) return;
    const std::optional<std::string> value = key->String("");
    if (!value) return;
    if (const std::optional<std::string> repointed = RepointCommand(*value, code)) key->SetString("", *repointed);
}
