// Pictures on push buttons and the ground of a rich text: the headless host keeps the image id and
// the colour the program set, for the Qt host to draw. A prompt strip keeps its style.

#include "DialogTestSupport.h"

#include "platform/core/RichText.h"

namespace {

using namespace dialog_test;

constexpr int kSuit = 1016;
constexpr int kText = 1131;

constexpr ControlTemplate kControls[] = {
    {ControlKind::PushButton, kSuit, "&Kreuz", {2, 2, 40, 14}, CTL_TABSTOP},
    {ControlKind::RichText, kText, "", {2, 20, 100, 20}, 0},
};
constexpr DialogTemplate kStrip{142, "", DLG_MODELESS | DLG_NO_PARENT | DLG_STRIP, {0, 0, 110, 44}, {}, kControls};

class ControlPictureTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        ASSERT_TRUE(dialog.Create(nullptr));
        dialog.ShowWindow(SW_SHOW);
        host.PumpUntilIdle();
    }
    Button* Suit() { return dialog.GetControlAs<Button>(kSuit); }

    RecordingDialog dialog{kStrip};
};

TEST_F(ControlPictureTest, AButtonKeepsItsPictureAndItsText) {
    EXPECT_EQ(::SendMessage(Suit()->Handle(), BM_GETIMAGE, 0, 0), 0);
    EXPECT_EQ(::SendMessage(Suit()->Handle(), BM_SETIMAGE, 295, 0), 0);
    EXPECT_EQ(Suit()->ImageId(), 295);
    EXPECT_EQ(::SendMessage(Suit()->Handle(), BM_SETIMAGE, 298, 0), 295);
    EXPECT_EQ(::SendMessage(Suit()->Handle(), BM_GETIMAGE, 0, 0), 298);
    // The text keeps the mnemonic: Alt+K still presses the button.
    EXPECT_EQ(Suit()->Title(), "&Kreuz");
    host.Key(Soon(), 'K', {VK_MENU});
    host.PumpFor(20);
    ASSERT_FALSE(dialog.commands.empty());
    EXPECT_EQ(dialog.commands.back().first, kSuit);
}

TEST_F(ControlPictureTest, ANewPictureRepaintsTheButton) {
    host.PumpUntilIdle();
    const int before = host.PaintCount(Suit()->Handle());
    ::SendMessage(Suit()->Handle(), BM_SETIMAGE, 297, 0);
    host.PumpUntilIdle();
    EXPECT_GT(host.PaintCount(Suit()->Handle()), before);
    const int after = host.PaintCount(Suit()->Handle());
    ::SendMessage(Suit()->Handle(), BM_SETIMAGE, 297, 0);  // the same picture: nothing to do
    host.PumpUntilIdle();
    EXPECT_EQ(host.PaintCount(Suit()->Handle()), after);
}

TEST_F(ControlPictureTest, ARichTextKeepsItsGround) {
    auto* text = dialog.GetControlAs<RichText>(kText);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->BackgroundColour(), 0xFFFFFFu);
    EXPECT_EQ(::SendMessage(text->Handle(), EM_SETBKGNDCOLOR, 0, 0xe0ffff), 0xFFFFFF);
    EXPECT_EQ(text->BackgroundColour(), 0xe0ffffu);
}

TEST_F(ControlPictureTest, AStripIsAnOwnerlessPopupWithItsStyle) {
    EXPECT_EQ(dialog.Kind(), WindowKind::Popup);
    EXPECT_EQ(dialog.GetOwner(), nullptr);
    EXPECT_TRUE(dialog.Template()->style & DLG_STRIP);
}

}  // namespace
