#pragma once
// CDataDialog: the game data panel beside the table. Soloist, game, status, announcement, reply,
// bid, the match mode with its round or remaining time, the last trick's winner and per seat the
// games played as soloist, won and lost, the points and the weighted performance. Its texts are
// the program's (g_DataPanelTexts): the frame collects them before it opens the panel, and they
// outlive the panel for its next opening.

#include <array>
#include <string>

#include "dialogs/HelpToggle.h"
#include "dialogs/ModelessDialog.h"

// The panel's texts, by field.
struct DataPanelTexts {
    std::string Soloist, Game, Status, Mode, Round, Announcement, Reply, Bid, TrickWinner;
    std::array<std::string, 3> Names;  // "name:"
    std::array<std::string, 3> Games, Won, Lost, Points, Weighted;
    // The three names as given, for the trick winner.
    std::array<std::string, 3> PlainNames;

    void Reset() { *this = DataPanelTexts(); }
};
extern DataPanelTexts g_DataPanelTexts;

// What the collector reads of the match besides the nine texts it is given.
struct DataPanelFacts {
    int matchMode = 0;        // Game/Mode (10 and above: the same modes)
    int maxRounds = 12, maxTime = 1800, maxCredit = 501;
    int listedGames = 0;      // games in the game list
    int numberedThrough = 0;  // the list header's counting word: 1 games numbered straight through
    std::array<int, 3> games{}, won{}, lost{};
    std::array<int, 3> points{}, balances{};
    int trickWinner = 3;      // the seat that won the last trick, 3 and above none
};

// The facts of the running match (the game record, the settings, the game list and the frame's
// counters).
DataPanelFacts CurrentDataPanelFacts();

// Fills `texts` from the nine texts and the facts (the names last: they set the trick winner).
void FillDataPanelTexts(DataPanelTexts& texts, const DataPanelFacts& facts, const std::string& soloist,
                        const std::string& game, const std::string& status, const std::string& announcement,
                        const std::string& reply, const std::string& bid, const std::array<std::string, 3>& names);
// "m:ss" of the remaining seconds; 0:00 for none left.
std::string RemainingTimeText(int seconds);

class CDataDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = 172;
    static constexpr int kSoloist = 1014, kGame = 1022, kStatus = 1024, kMode = 1023, kRound = 1030;
    static constexpr int kAnnouncement = 1015, kReply = 1021, kBid = 1025, kTrickWinner = 1026;
    static constexpr std::array<int, 3> kNames{1064, 1065, 1066};
    static constexpr std::array<int, 3> kGames{1031, 1032, 1033}, kWon{1037, 1038, 1039}, kLost{1040, 1041, 1042};
    static constexpr std::array<int, 3> kPoints{1027, 1028, 1029}, kWeighted{1034, 1035, 1036};

    CDataDialog();

    // The frame's collectors: the texts of the running match into g_DataPanelTexts.
    static void CollectGameData(const std::string& soloist, const std::string& game, const std::string& status,
                                const std::string& announcement, const std::string& reply, const std::string& bid,
                                const std::string& name0, const std::string& name1, const std::string& name2);
    static void CollectGameTexts(const std::string& name0, const std::string& name1, const std::string& name2);

    // Copies every text into its field.
    void UpdateFields();
    // The clock's remaining time (Game/CountDown) into the round field.
    void ShowRemainingTime();
    // The last trick's winner into its field.
    void ShowTrickWinner();

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;

    int Width() const { return width; }

private:
    CHelpToggle help;
    int width = 0;
};
