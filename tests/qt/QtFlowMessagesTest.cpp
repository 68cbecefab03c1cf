// Every message the program opens, as its own sources name them (FlowMessageCensus.h): each message
// box and each game-event message with each text its call gives it, on the Qt host in both editions
// and on screens scaled once and twice, with the longest names, files and numbers a player meets put
// into the texts' markers. Each shows its whole text: a game message's rich text fits its box
// without a scroll bar, and every label and button of either stands whole.
//
// With KARTOVAN_TEST_PNG_DIR set, each message is written there as
// flow-message-<edition>-<kind>-<id>-<scale>.png.

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QScrollBar>
#include <QTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include "FlowMessageCensus.h"
#include "QtScaledTwice.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"
#include "QtTextFits.h"
#include "dialogs/AnswerDialogs.h"
#include "dialogs/DialogIds.h"
#include "dialogs/InfoDialog.h"
#include "dialogs/MessageDialogs.h"
#include "dialogs/PlayerOptionDialogs.h"
#include "dialogs/ResultDialog.h"
#include "dialogs/StartDialog.h"
#include "flow/RichText.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/TextFormat.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "resources/Editions.h"
#include "resources/ids.h"
#include "support/ProgramGlobals.h"

namespace {

using namespace platform;

std::filesystem::path SourceRoot() { return std::filesystem::path(KARTOVAN_TEST_SOURCE_DIR).parent_path(); }

// A player's name as long as the name field takes, in letters of a real name.
const std::string kLongName = "Maximilian Wolfgramm";
// A file in the work folder of a person with a long name: what a file's marker gets.
const std::string kLongPath =
    "/home/maximilian.wolfgramm/.local/share/Kartovan+/Spielabende/Skatrunde bei Wolfgramms 2026-12-11.kgm";

// A game-event message of each class, made with its text as the program makes it.
using MessageMaker = std::function<std::unique_ptr<Dialog>(const std::string& text)>;
const std::map<std::string, MessageMaker>& Makers() {
    static const std::map<std::string, MessageMaker> makers = {
        {"CInfoDialog", [](const std::string& text) { return std::make_unique<CInfoDialog>(text, std::vector<RuleLink>{}); }},
        {"CKontraDialog", [](const std::string& text) { return std::make_unique<CKontraDialog>(true, text, 0); }},
        {"CMessageDialog", [](const std::string& text) { return std::make_unique<CMessageDialog>(text, 3, 0); }},
        {"CPassedRuleDialog", [](const std::string& text) { return std::make_unique<CPassedRuleDialog>(text); }},
        {"CPassedVariantDialog", [](const std::string& text) { return std::make_unique<CPassedVariantDialog>(text); }},
        {"CRekontraDialog", [](const std::string& text) { return std::make_unique<CRekontraDialog>(text, 0, 0); }},
        {"CResignDialog", [](const std::string& text) { return std::make_unique<CResignDialog>(text); }},
        {"CResultDialog", [](const std::string& text) { return std::make_unique<CResultDialog>(text); }},
        {"CStartDialog",
         [](const std::string& text) {
             return std::make_unique<CStartDialog>(text, std::array<std::string, 3>{kLongName, kLongName, kLongName});
         }},
    };
    return makers;
}

// The message box flags a call names, by their names.
unsigned FlagsNamed(const std::vector<std::string>& names) {
    static const std::map<std::string, unsigned> values = {
        {"MB_OK", MB_OK},
        {"MB_OKCANCEL", MB_OKCANCEL},
        {"MB_YESNO", MB_YESNO},
        {"MB_ICONEXCLAMATION", MB_ICONEXCLAMATION},
        {"MB_ICONQUESTION", MB_ICONQUESTION},
        {"MB_ICONINFORMATION", MB_ICONINFORMATION},
        {"MB_ICONSTOP", MB_ICONSTOP},
    };
    unsigned flags = 0;
    for (const std::string& name : names) {
        const auto found = values.find(name);
        EXPECT_NE(found, values.end()) << name;
        if (found != values.end()) flags |= found->second;
    }
    return flags;
}

// The text as the call puts it into its message: markers filled with a long file and name, a
// game-event message's words in rich text under the player's name where the call heads it so.
std::string ShownText(const qttest::MessageOpening& opening, const std::string& words) {
    const std::string filled = FormatText(words, {kLongPath, kLongName, kLongName, kLongPath});
    if (opening.kind == "MessageBox" || filled.rfind("{\\rtf", 0) == 0) return filled;
    if (opening.textArguments.find("RichTextHead") != std::string::npos) return RichTextHead() + filled + "}";
    return PlayerMessage(kLongName, filled, false);
}

const std::vector<qttest::MessageOpening>& Census() {
    static const std::vector<qttest::MessageOpening> openings = qttest::FlowMessageCensus(SourceRoot());
    return openings;
}

bool Found(const std::string& kind, const std::string& id) {
    for (const qttest::MessageOpening& opening : Census())
        if (opening.kind == kind && std::find(opening.textIds.begin(), opening.textIds.end(), id) != opening.textIds.end())
            return true;
    return false;
}

// The census finds the messages a player meets, the ones once seen cut among them, and the test
// can make every game-event message class the program has.
TEST(QtFlowMessages, TheCensusFindsEveryKindOfMessage) {
    ASSERT_GT(kLongName.size(), 0u);
    EXPECT_EQ(kLongName.size(), CNameDialog::kNameLimit);
    EXPECT_TRUE(Found("CResignDialog", "IDS_ABANDON_GAME"));
    EXPECT_TRUE(Found("CPassedVariantDialog", "IDS_PASSED_OUT_RAMSCH"));
    EXPECT_TRUE(Found("CPassedRuleDialog", "IDS_PASSED_OUT"));
    EXPECT_TRUE(Found("CMessageDialog", "IDS_I_PASS_ON"));
    EXPECT_TRUE(Found("MessageBox", "IDS_QUERY_EXIT"));
    EXPECT_TRUE(Found("MessageBox", "IDS_QUERY_DELETE_FILE"));
    std::set<std::string> kinds;
    for (const qttest::MessageOpening& opening : Census()) kinds.insert(opening.kind);
    // The Rekontra prompt opens through the frame's function that is handed its text.
    EXPECT_TRUE(kinds.count("CRekontraDialog"));
    for (const std::string& name : qttest::GameMessageClasses(SourceRoot()))
        EXPECT_TRUE(Makers().count(name)) << name << " is a game-event message the check cannot make";
}

void EveryMessageShowsItsWholeText() {
    QtHost host;
    qttest::RecordingWindow frame;
    ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 1000, 800}));
    const std::map<std::string, int> ids = qttest::StringIdValues(SourceRoot());
    int shown = 0;
    for (const ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        SetResources(edition);
        std::set<std::pair<std::string, std::string>> seen;
        for (const qttest::MessageOpening& opening : Census()) {
            for (const std::string& name : opening.textIds) {
                const bool number = name.find_first_not_of("0123456789") == std::string::npos;
                const auto id = ids.find(name);
                ASSERT_TRUE(number || id != ids.end()) << name << " at " << opening.where;
                const std::string words = LoadString(number ? std::stoi(name) : id->second);
                if (words.empty()) continue;
                const std::string text = ShownText(opening, words);
                if (!seen.insert({opening.kind, text}).second) continue;
                SCOPED_TRACE(std::string(edition->language) + " " + qttest::ScaleName() + " " + opening.kind + " " +
                             name + " at " + opening.where);
                std::unique_ptr<Dialog> dialog;
                if (opening.kind == "MessageBox") {
                    dialog = std::make_unique<MessageBoxDialog>(text, LoadString(IDS_PRODUCT_NAME),
                                                                FlagsNamed(opening.flagNames), MessageBoxLanguage());
                } else {
                    const auto maker = Makers().find(opening.kind);
                    ASSERT_NE(maker, Makers().end());
                    dialog = maker->second(text);
                }
                ASSERT_TRUE(dialog->Create(frame.Handle()));
                dialog->ShowWindow(SW_SHOW);
                qttest::PumpFor(40);
                QWidget* window = host.WidgetOf(dialog->Handle());
                ASSERT_NE(window, nullptr);
                if (auto* box = qobject_cast<QTextEdit*>(host.WidgetOf(dialog->GetDlgItem(IDC_TEXT)))) {
                    EXPECT_FALSE(box->verticalScrollBar()->isVisible()) << box->toPlainText().toStdString();
                    EXPECT_LE(box->document()->size().height(), box->viewport()->height())
                        << box->toPlainText().toStdString();
                }
                const std::vector<std::string> cut = qttest::CutTexts(window);
                EXPECT_TRUE(cut.empty()) << qttest::Listed(cut);
                qttest::SaveForViewing(window->grab().toImage(), std::string("flow-message-") + edition->language +
                                                                     "-" + opening.kind + "-" + name + "-" +
                                                                     qttest::ScaleName());
                dialog->DestroyWindow();
                ++shown;
            }
        }
    }
    SetResources(nullptr);
    EXPECT_GT(shown, 20);
}

TEST(QtFlowMessages, EveryMessageShowsItsWholeText) { EveryMessageShowsItsWholeText(); }

TEST(QtFlowMessages, EveryMessageShowsItsWholeTextScaledTwice) {
    if (qttest::RanAgainScaledTwice("QtFlowMessages.EveryMessageShowsItsWholeTextScaledTwice")) return;
    EveryMessageShowsItsWholeText();
}

}  // namespace
