// The window title that names the match and the game, the names the frame keeps for them, and the
// copies written for a drag out of the program.
#include "flow/MainFrame.h"
#include "flow/TrickPlayState.h"
#include "flow/FrameTexts.h"
#include "flow/MatchFiles.h"

#include "match/GameFile.h"
#include "match/GameList.h"
#include "match/ListSettingsTable.h"
#include "match/MatchListFile.h"
#include "match/OwnFiles.h"
#include "match/Profile.h"
#include "match/StoredDealFile.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && SameNoCase(text.substr(text.size() - tail.size()), tail);
}

// File name and extension of a path.
std::string FileTitle(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void CMainFrame::SetTitle(const std::string& path, int kind) {
    // 1. The names the frame keeps.
    const std::string name = FileTitle(path);
    CProfile& p = g_Profile;
    if (kind == 1) {
        p.SkmName = name;
        p.SkmFile = path;
        p.SksName = StoredDealName(name);
    } else if (kind == 2) {
        p.SktName = name;
        p.SktFile = path;
    } else if (kind == 3) {
        p.SktName = name;
    }
    // 2. The product, its version and the names that are the person's own.
    std::string title = platform::LoadString(IDS_PRODUCT_NAME) + "  " + platform::LoadString(IDS_VERSION);
    const bool match = !SameNoCase(p.SkmName, "temp~.skm") && !SameNoCase(p.SkmName, "cards~.skm");
    const bool game = !SameNoCase(p.SktName, "cards~.skt");
    if (match && game) title += " (" + p.SkmName + " : " + p.SktName + ")";
    else if (match) title += " (" + p.SkmName + ")";
    else if (game) title += " (" + p.SktName + ")";
    FrameTexts().SetWindowTitle(title);
    SetWindowText(title);
}

std::string CMatchFiles::UserFileName() const {
    // The stem: no folder, no extension.
    std::string name = g_Profile.SkmName;
    if (const std::size_t slash = name.find_last_of("/\\"); slash != std::string::npos) name.erase(0, slash + 1);
    const std::size_t dot = name.find_last_of('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    return stem == "cards~" ? std::string() : stem;
}

std::string CMatchFiles::TempFileName(int kind) const {
    if (kind == 0) return EndsWithNoCase(g_Profile.SktName, ".skt") ? g_Profile.SktName : "cards~.skt";
    std::string name = EndsWithNoCase(g_Profile.SkmName, ".skm") ? g_Profile.SkmName : "cards~.skm";
    name.replace(name.size() - 4, 4, kind == 1 ? ".skm" : ".sks");
    return name;
}

std::string CMatchFiles::SaveTempFile(int kind) {
    const std::string name = TempFileName(kind);
    const std::string path = g_Profile.Work + name;
    std::vector<std::uint8_t> bytes;
    if (kind == 0) {
        // The course when it is shown after the game; the note when its panel is open.
        const bool course =
            frame_.TrickPlay().CourseShown && g_Game.FlowState == STATE_IDLE && frame_.GameObject().CourseRow(0).count == 10;
        const GameFileRecord image = GameImage(course, g_Settings.View.ListAnnotation != 0);
        // Before the first deal there is no game to carry.
        if (!IsWholeDeal(image.Dealt)) return name;
        bytes = EncodeGameFile(image);
    } else if (kind == 1) {
        // The rows as they are, and the settings of now.
        const int games = g_GameList.ListedGames();
        bytes = EncodeListFile(g_GameList.Header, std::span(g_GameList.Games.data(), static_cast<std::size_t>(games)),
                               EncodeListSettings(MakeListSettings(platform::LoadString(IDS_VERSION))));
    } else {
        bytes = EncodeStoredDeals(g_StoreRows, g_Game.StoreCount);
    }
    // A drag that cannot be written carries what is there; nothing is said.
    (void)WriteOwnFile(path, bytes);
    return name;
}
