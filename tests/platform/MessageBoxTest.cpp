#include "DialogTestSupport.h"

#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"

namespace {

using namespace dialog_test;

class MessageBoxTest : public DialogFixture {};

TEST_F(MessageBoxTest, ScriptedAnswersAnswerWithoutOpening) {
    for (int answer : {IDYES, IDNO, 0}) host.Answers().PushMessageBoxAnswer(answer);
    std::size_t traced = host.Trace().Records().size();
    EXPECT_EQ(MessageBox(frame.Handle(), "Neues Spiel?", "Kartovan+", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(MessageBox(frame.Handle(), "Neues Spiel?", "Kartovan+", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBox(frame.Handle(), "Neues Spiel?", "Kartovan+", MB_YESNO | MB_ICONQUESTION), 0);
    EXPECT_EQ(host.Trace().Records().size(), traced);  // no window was made
}

TEST_F(MessageBoxTest, EndedFromOutsideWithZeroReturnsZero) {
    std::string seen;
    bool frameDisabled = false;
    frame.SetTimer(71, 500);
    frame.onTimer = [&](UINT) {
        if (MessageBoxDialog* box = ActiveMessageBox()) seen = box->Text();
        frameDisabled = !IsWindowEnabled(frame.Handle());
        EndDialog(GetLastActivePopup(frame.Handle()), 0);
    };
    EXPECT_EQ(MessageBox(nullptr, "Weiter?", "Kartovan+", MB_YESNO), 0);  // owner: the main window
    EXPECT_EQ(seen, "Weiter?");
    EXPECT_TRUE(frameDisabled);
    EXPECT_TRUE(IsWindowEnabled(frame.Handle()));
    EXPECT_EQ(ActiveMessageBox(), nullptr);
}

TEST_F(MessageBoxTest, KeysAnswerTheBox) {
    struct Case {
        unsigned flags;
        std::vector<std::pair<int, std::vector<int>>> keys;
        int result;
    };
    const Case cases[] = {
        {MB_OK, {{VK_RETURN, {}}}, IDOK},
        {MB_OK | MB_ICONSTOP, {{VK_ESCAPE, {}}}, IDOK},
        {MB_OKCANCEL, {{VK_ESCAPE, {}}}, IDCANCEL},
        {MB_OKCANCEL, {{VK_TAB, {}}, {VK_RETURN, {}}}, IDCANCEL},
        {MB_YESNO, {{VK_RETURN, {}}}, IDYES},
        {MB_YESNO, {{VK_ESCAPE, {}}}, IDNO},  // Esc says No, the answer that changes nothing
        {MB_YESNO | MB_ICONQUESTION, {{'N', {VK_MENU}}}, IDNO},
    };
    for (const Case& c : cases) {
        std::int64_t at = Soon();
        for (const auto& [key, modifiers] : c.keys) host.Key(at += 10, key, modifiers);
        EXPECT_EQ(MessageBox(frame.Handle(), "Text", "Kartovan+", c.flags), c.result) << c.flags;
    }
}

// The close box answers as Esc does: No to a question, Cancel where there is one, else OK.
TEST_F(MessageBoxTest, TheCloseBoxAnswersAsEsc) {
    struct Case {
        unsigned flags;
        int result;
    };
    const Case cases[] = {{MB_YESNO | MB_ICONQUESTION, IDNO}, {MB_OKCANCEL, IDCANCEL}, {MB_OK, IDOK}};
    for (const Case& c : cases) {
        frame.SetTimer(71, 500);
        frame.onTimer = [&](UINT) {
            frame.KillTimer(71);
            PostMessage(GetLastActivePopup(frame.Handle()), WM_CLOSE, 0, 0);
        };
        EXPECT_EQ(MessageBox(frame.Handle(), "Text", "Kartovan+", c.flags), c.result) << c.flags;
    }
}

TEST_F(MessageBoxTest, TimersAndPostedCommandsRunInsideTheBox) {
    constexpr int kTick = 2;
    std::vector<std::int64_t> ticks;
    frame.SetTimer(kTick, 200);
    frame.onTimer = [&](UINT) {
        ticks.push_back(host.NowMs());
        if (ticks.size() < 3) frame.SetTimer(kTick, 200);
        else PostMessage(frame.Handle(), WM_COMMAND, 117, 0);
    };
    std::int64_t start = host.NowMs();
    host.Key(start + 1000, VK_RETURN);
    EXPECT_EQ(MessageBox(frame.Handle(), "Text", "", MB_OK), IDOK);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{start + 200, start + 400, start + 600}));
    EXPECT_EQ(frame.commands, (std::vector<std::pair<int, unsigned>>{{117, 0}}));
}

TEST_F(MessageBoxTest, UnansweredBoxInATestFailsInsteadOfHanging) {
    EXPECT_THROW(MessageBox(frame.Handle(), "Niemand antwortet", "", MB_YESNO), IdleStall);
    EXPECT_EQ(ActiveMessageBox(), nullptr);
}

}  // namespace

namespace {

using namespace dialog_test;

TEST_F(MessageBoxTest, ResourceTextGetsItsArgumentsAndTheEditionsButtons) {
    static const platform::StringEntry kNone[] = {{1, ""}};
    static const platform::StringTable kChapters[] = {kNone};
    const platform::ResourceSet german{"ge", kChapters};
    platform::SetResources(&german);
    std::string seen;
    std::string language;
    frame.SetTimer(71, 500);
    frame.onTimer = [&](UINT) {
        if (MessageBoxDialog* box = ActiveMessageBox()) seen = box->Text();
        language = MessageBoxLanguage();
        EndDialog(GetLastActivePopup(frame.Handle()), IDNO);
    };
    EXPECT_EQ(MessageBox(frame.Handle(), "Spiel %1 von %2 laden?", {"3", "Anna"}, "Kartovan+", MB_YESNO), IDNO);
    EXPECT_EQ(seen, "Spiel 3 von Anna laden?");
    EXPECT_EQ(language, "ge");
    platform::SetResources(nullptr);
    SetMessageBoxLanguage("en");
}

}  // namespace
