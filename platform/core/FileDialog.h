#pragma once
// The open and save file dialogs. The host shows them (the Qt host a native dialog, the headless host
// answers from its script); this layer adds what the program relies on of the answer.

#include "platform/core/Host.h"

namespace platform {

// Asks the host for a file. A save dialog's answer without an extension gets the default extension.
// Without a host, the answer is "cancelled".
FileDialogAnswer RunFileDialog(const FileDialogRequest& request);

// The name with `extension` added (".ext") when its last path part has none.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace platform
