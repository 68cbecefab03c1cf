#include "flow/RichText.h"

#include "dialogs/MessageDialogs.h"
#include "resources/ids.h"
#include "model/PlayerData.h"
#include "platform/core/Resources.h"

std::string RichTextHead() { return platform::LoadString(IDS_RICH_TEXT_HEAD); }

std::string PlayerMessage(const std::string& name, const std::string& message, bool newLine) {
    return RichTextHead() + "\\b\\fs32\\qc " + EscapeRichText(name) + (newLine ? "\\b0\\fs17\\par\\par\n " : "\\b0\\fs17\\par\\par ") +
           message + "}";
}

std::string RichTextKontra(int kind, const CPlayer& player) {
    return PlayerMessage(player.name, platform::LoadString(kind == 1 ? IDS_GIVE_KONTRA : IDS_GIVE_REKONTRA), true);
}
