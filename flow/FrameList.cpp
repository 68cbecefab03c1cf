// The frame's steps of the match list: written after each game and when the frame goes, read at
// start-up and when a match is opened; a read match brings its header and, when the person agrees,
// the settings of its trailer.
#include "flow/MatchFiles.h"

#include "flow/MainFrame.h"
#include "flow/FrameSettings.h"
#include "flow/TrickPlay.h"
#include "flow/MatchSeries.h"

#include "match/GameList.h"
#include "match/ListTotals.h"
#include "match/ListSettingsTable.h"
#include "match/MatchEnd.h"
#include "match/MatchListFile.h"
#include "match/OwnFiles.h"
#include "match/Profile.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/Codepage.h"
#include "platform/core/FileIo.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/TextFormat.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"

#include <cstdio>

namespace lh = list_header;

namespace {

// An option of a loaded match goes through its own command, so that what hangs on it follows.
void TakeOptionThroughCommand(const ListSettingField& field, int value) {
    WriteTrace(std::string(":On") + field.Section + field.Key + "(" + std::to_string(value) + ")", LOG_MAINFRAME);
    *field.Value = value;
}

// The three balances as the end message shows them.
std::string BalancesText(const int balances[3]) {
    char text[48];
    std::snprintf(text, sizeof text, "%d, %d, %d", balances[0], balances[1], balances[2]);
    return text;
}

}  // namespace

void CMatchFiles::FillListHeader() {
    ListHeader& header = g_GameList.Header;
    for (int seat = 0; seat < 3; ++seat) {
        header.SetText(LIST_NAME_0 + seat * kListSeatStride, 21,
                       platform::Utf8ToCp1252(platform::TruncateToCp1252(g_Profile.Names[seat], 20)));
        header.SetInt(lh::SeatCounters[seat], frame_.Series().SoloistGames[seat]);
        header.SetInt(lh::SeatCounters[seat] + 4, frame_.Series().SoloistLost[seat]);
        header.SetInt(lh::SeatCounters[seat] + 8, frame_.Series().SoloistWon[seat]);
    }
    if (g_Game.GameCount == 0) header.SetInt(lh::StartForehand, g_Game.Forehand);
    header.SetInt(lh::CheatMarks, g_Game.CheatMask);
    header.SetInt(lh::CardBack, g_Settings.View.CardBack);
    header.SetInt(lh::CardFace, g_Settings.View.CardFace);
    header.SetInt(lh::RuleSet, g_Game.VariantMode);
    const CSettings::VariantsSection& v = g_Settings.Variants;
    header.SetInt(lh::Kontra, v.Kontra);
    header.SetInt(lh::PackedRules, lh::PackedRulesMark + (v.Ramsch ? 1 : 0) + (v.PassOn ? 16 : 0) + (v.GrandHand ? 256 : 0));
    header.SetInt(lh::LegacyPassOn, 0);
    header.SetInt(lh::Revolution, v.Revolution);
    header.SetInt(lh::Schneider, v.Schneider);
    header.SetInt(lh::Ouvert, v.Ouvert);
    header.SetInt(lh::RamschStock, v.RamschStock);
    header.SetInt(lh::NullOuvert, v.NullOuvert);
    header.SetInt(lh::Hand, v.Hand);
    header.SetInt(lh::Extra, v.Extra);
    header.SetInt(lh::IfExtra, v.IfExtra);
    header.SetInt(lh::MatchMode, g_Game.MatchMode);
    header.SetInt(lh::MaxRounds, g_Settings.Game.MaxRounds);
    header.SetInt(lh::CountDown, g_Settings.Game.CountDown);
    for (int seat = 0; seat < 3; ++seat) header.SetInt(lh::Balances + 4 * seat, g_GameList.Balances[seat]);
}

void CMatchFiles::SaveList(const std::string& path, bool setTitle) {
    // 1. The list's header, and the title when asked.
    FillListHeader();
    if (setTitle) frame_.SetTitle(path, 1);
    // 2. and 3. The rows and the trailer as one file, written at once.
    WriteTrace(":SaveList(" + path + ")", LOG_MAINFRAME);
    WriteListFile(path, false);
}

void CMatchFiles::SaveListAfterGame(const std::string& path) {
    FillListHeader();
    WriteTrace(":SaveList(" + path + ")", LOG_MAINFRAME);
    WriteListFile(path, true);
}

void CMatchFiles::WriteListFile(const std::string& path, bool inPlace) {
    CGameList& list = g_GameList;
    const std::size_t games = static_cast<std::size_t>(list.ListedGames());
    const std::span<const ListRecord> rows(list.Games.data(), games);
    const std::vector<std::uint8_t> trailer = EncodeListSettings(MakeListSettings(platform::LoadString(IDS_VERSION)));
    // After a game only what changed: the rows the file holds must still be those of the list.
    const auto changes = [&](const platform::FileStamp&) -> std::optional<std::vector<platform::FileStep>> {
        if (list.WrittenGames > games || list.WrittenGames > list.RowsUnchanged) return std::nullopt;
        // The same rows, header and trailer as the file holds: nothing to write.
        if (list.WrittenGames == games && list.WrittenHeader.Bytes == list.Header.Bytes && list.WrittenTrailer == trailer)
            return std::vector<platform::FileStep>{};
        return ListAppendSteps(list.WrittenHeader, list.WrittenGames, list.Header, rows, trailer);
    };
    const auto wholeFile = [&] { return EncodeListFile(list.Header, rows, trailer); };
    const bool fits = kListHeaderBytes + games * kListRowBytes + trailer.size() <= kMatchListCap;
    if (!WriteGrowingFile("SaveList", path, fits, list.Written, inPlace, changes, wholeFile)) return;
    list.WrittenGames = games;
    list.WrittenHeader = list.Header;
    list.WrittenTrailer = trailer;
    list.RowsUnchanged = games;
}

bool CMatchFiles::ReadList(const std::string& path, int compare, bool reportErrors) {
    // 1. The list kept while a game was abandoned wins at the start.
    const std::string source = compare == 0 && platform::FileExists(files_.TempListPath) ? files_.TempListPath : path;
    WriteTrace(":ReadList(" + source + ")", LOG_MAINFRAME);
    // 2. The whole file.
    const OwnFileRead read = ReadOwnFile(source, kMatchListCap);
    std::optional<MatchListRecord> record;
    if (read.Result == OwnFileRead::Read && !read.TooLarge) record = DecodeMatchList(read.Bytes);
    bool takeHeader = true;
    if (!record) {
        // A file that is there but cannot be used is named once. The program's own list is moved
        // aside and a new one begins; a file the person opened stays where it is, and the match
        // stays as it was.
        if (read.Result != OwnFileRead::Missing) {
            if (compare == 0) MoveDamagedFileAside(source);
            ReportFileError(IDS_READ_FAILED, "ReadList", source);
            if (reportErrors || compare != 0) return false;
        } else if (reportErrors) {
            ReportFileError(IDS_READ_FAILED, "ReadList", source);
            return false;
        }
        // A new, empty list under the temporary name.
        g_Profile.SkmName = "cards~.skm";
        g_GameList.Reset();
        ListHeader& header = g_GameList.Header;
        header.SetText(LIST_TITLE, 56, platform::Utf8ToCp1252(platform::LoadString(IDS_NEW_LIST_TITLE)));
        header.SetText(LIST_SUBTITLE_1, 20, platform::Utf8ToCp1252(platform::LoadString(IDS_NEW_LIST_RULES)));
        header.SetInt(lh::StartForehand, g_Game.Forehand);
        header.SetInt(LIST_START_TIME, static_cast<std::int32_t>(Time64()));
        header.SetInt(lh::Numbering, 1);
        header.SetInt(lh::Settlement, 1);
        header.SetInt(LIST_TITLE_OPTIONS, 1);
        g_Game.GameCount = 0;
        FillListHeader();
        for (int& balance : g_GameList.Balances) balance = g_Settings.Game.MaxCredit;
        takeHeader = false;
    } else {
        g_GameList.Reset();
        g_GameList.Header = record->Header;
        g_GameList.Games = record->Games;
        g_Game.GameCount = static_cast<int>(record->Games.size());
        // 3. The course shown goes; a list without games starts now.
        if (frame_.TrickPlay().CourseShown) frame_.FrameTrickPlay().OnLast();
        g_Game.GameEndFlags = 2;
        if (g_Game.GameCount == 0) g_GameList.Header.SetInt(LIST_START_TIME, static_cast<std::int32_t>(Time64()));
        // 5. The forehand of the next game.
        const ListHeader& header = g_GameList.Header;
        int forehand = header.Int(lh::StartForehand);
        if (g_Game.GameCount > 0) forehand = (forehand + g_Game.GameCount - header.Int(lh::ForehandOffset)) % 3;
        if (forehand < 0 || forehand > 2) forehand = 0;
        g_Game.Leader = g_Game.Forehand = forehand;
        // 6. The settings the match brings, when the person takes them.
        if (record->Settings && compare) takeHeader = CompareListSettings(*record->Settings);
    }
    // 7. and 8.
    ::ComputeListTotals();
    ::ComputeBalances();
    // The program's own copy of the match (the one kept between runs, or the one kept while a
    // game was abandoned) is read at every start: the match keeps the name it was loaded or saved
    // under, and only the title is made anew.
    const bool ownCopy = compare == 0 && (source == files_.TempMatchFile || source == files_.TempListPath);
    if (record && ownCopy) frame_.SetTitle(std::string(), 0);
    else frame_.SetTitle(record ? source : path, 1);
    RestoreMatch(takeHeader);
    return record.has_value();
}

bool CMatchFiles::CompareListSettings(const ListSettings& settings) {
    // 1. The play's pause ends while the person compares.
    const int pause = frame_.SetPause(0);
    // 2. and 3. The differences under their headings, the version they were written with.
    const ListSettingsDifferences differences = CompareWithCurrentSettings(settings);
    const std::int32_t version = settings.At(4);
    std::string head = version == 0 ? std::string() : "Version " + ListVersionText(version) + "\n\n";
    head += std::to_string(differences.Count);
    // 4. The settings are taken only when they differ and, after the start, when the person agrees.
    bool take = differences.Count > 0;
    if (take && g_Game.FlowState != STATE_INIT)
        take = MessageBox(frame_.Handle(), platform::LoadString(IDS_QUERY_TAKE_SETTINGS), {head, differences.Text},
                          platform::LoadString(IDS_PRODUCT_NAME), platform::MB_YESNO | platform::MB_ICONEXCLAMATION) == IDYES;
    if (take) {
        // 5. Every number, the names, and each portrait that exists.
        const int ruleSet = g_Game.VariantMode;
        TakeListSettings(settings, &TakeOptionThroughCommand);
        if (g_Game.VariantMode != ruleSet) {
            const int taken = g_Game.VariantMode;
            g_Game.VariantMode = ruleSet;
            if (taken == VARIANT_OFFICIAL) frame_.OnSkatRule();
            else if (taken == VARIANT_SKAT) frame_.OnSkatVariant();
            else frame_.OnSkatRamsch();
        }
        for (int seat = 0; seat < 3; ++seat)
            g_Profile.Names[seat] = platform::TruncateToCp1252(settings.Strings[static_cast<std::size_t>(seat)], 20);
        std::string* portraits[4] = {&g_Profile.Image.ImageComputer1, &g_Profile.Image.ImageComputer2,
                                     &g_Profile.Image.ImagePerson1, &g_Profile.Image.ImagePerson2};
        int missing = 0;
        for (int place = 0; place < 4; ++place) {
            const std::string& image = settings.Strings[static_cast<std::size_t>(3 + place)];
            // Only an absolute path free of control characters that names an existing file.
            const bool sound = !image.empty() && image.front() == '/' &&
                               std::none_of(image.begin(), image.end(), [](char c) {
                                   return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
                               });
            if (sound && platform::FileExists(image)) *portraits[place] = image;
            else ++missing;
        }
        if (missing > 0)
            MessageBox(frame_.Handle(), std::to_string(missing) + " " + platform::LoadString(IDS_IMAGES_MISSING),
                       platform::LoadString(IDS_PRODUCT_NAME), platform::MB_OK | platform::MB_ICONEXCLAMATION);
    }
    frame_.SetPause(pause);
    return take;
}

void CMatchFiles::RestoreMatch(bool takeHeaderSettings) {
    const ListHeader& header = g_GameList.Header;
    CSettings::VariantsSection& v = g_Settings.Variants;
    // 1. The header's own settings.
    if (takeHeaderSettings) {
        for (int seat = 0; seat < 3; ++seat) g_Profile.Names[seat] = platform::Cp1252ToUtf8(header.SeatName(seat).substr(0, 20));
        g_Game.CheatMask |= header.Int(lh::CheatMarks);
        int ruleSet = header.Int(lh::RuleSet);
        NormaliseSettingValue("Variants", "Variant", ruleSet);
        g_Game.VariantMode = ruleSet;
        int back = header.Int(lh::CardBack), face = header.Int(lh::CardFace);
        NormaliseSettingValue("View", "CardBack", back);
        NormaliseSettingValue("View", "CardFace", face);
        g_Settings.View.CardBack = back;
        g_Settings.View.CardFace = face;
        v.Kontra = header.Int(lh::Kontra) != 0 ? 1 : 0;
        const std::int32_t packed = header.Int(lh::PackedRules);
        if (packed & lh::PackedRulesMark) {
            v.Ramsch = packed & 1 ? 1 : 0;
            v.PassOn = packed & 16 ? 1 : 0;
            v.GrandHand = packed & 256 ? 1 : 0;
        } else {
            // Lists of the older kind keep the Ramsch flag plain and the pass-on beside it.
            v.Ramsch = packed != 0 ? 1 : 0;
            v.PassOn = header.Int(lh::LegacyPassOn) != 0 ? 1 : 0;
        }
        v.Revolution = header.Int(lh::Revolution) != 0 ? 1 : 0;
        v.Schneider = header.Int(lh::Schneider) != 0 ? 1 : 0;
        const int ouvert = header.Int(lh::Ouvert);
        v.Ouvert = ouvert >= 0 && ouvert <= 2 ? ouvert : 3;
        v.RamschStock = header.Int(lh::RamschStock) != 0 ? 1 : 0;
        v.NullOuvert = header.Int(lh::NullOuvert) != 0 ? 1 : 0;
        v.Hand = header.Int(lh::Hand) != 0 ? 1 : 0;
        const int extra = header.Int(lh::Extra);
        v.Extra = extra >= 1 && extra <= 3 ? extra : 0;
        v.IfExtra = header.Int(lh::IfExtra);
        for (int seat = 0; seat < 3; ++seat) g_GameList.Balances[seat] = header.Int(lh::Balances + 4 * seat);
    }
    // 2. The counters, each when it is a sound count.
    for (int seat = 0; seat < 3; ++seat) {
        const auto counter = [&](int field) {
            const auto value = static_cast<std::uint32_t>(header.Int(lh::SeatCounters[seat] + 4 * field));
            return value < 65536u ? static_cast<int>(value) : 0;
        };
        frame_.MatchSeries().RestoreSoloistCounts(seat, counter(0), counter(1), counter(2));
    }
    // 5. The end of the match by its mode.
    const MatchEnd end = MatchEndOfList(g_Game.MatchMode, g_Game.GameCount, g_Settings.Game.MaxRounds,
                                        g_Settings.Game.CountDown, g_GameList.Balances);
    const int message = end.Message;
    std::string text;
    if (message == IDS_END_BIERLACHS)
        text = platform::FormatText(platform::LoadString(IDS_END_BIERLACHS),
                                    {BalancesText(g_GameList.Balances), frame_.GetPlayerName(end.Seat)});
    if (message != 0) {
        if (text.empty()) text = platform::LoadString(message);
        text += platform::LoadString(IDS_END_CHANGE_SETTINGS);
        const int pause = frame_.SetPause(0);
        if (MessageBox(frame_.Handle(), text, platform::LoadString(IDS_PRODUCT_NAME), platform::MB_YESNO | platform::MB_ICONQUESTION) ==
            IDYES)
            frame_.FrameSettings().OpenTerminationDialog();
        frame_.SetPause(pause);
    }
    // 6. The match clock, the match state and the table.
    frame_.MatchSeries().ContinueMatchClock();
    frame_.ShowMatchState();
    RedrawWindow(frame_.Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE);
}
