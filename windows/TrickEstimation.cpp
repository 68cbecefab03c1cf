#include "windows/TrickEstimation.h"

#include "match/WindowSections.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "tavlo/SymbolApi.h"
#include "windows/TrickEstimationDialog.h"
#include "windows/WindowFrameServices.h"

namespace {

const SideWindowTraits kEstimationTraits = [] {
    SideWindowTraits traits;
    traits.toggleCommand = ID_LIST_TRICK_ESTIMATION;
    traits.className = "CTrickEstimation";
    traits.section = "RectTrickEstimation";
    traits.helpTopic = "::/Bedienung/Stichabschaetzung.htm";
    traits.sheetWidth = kEstimationSheetWidth;
    traits.horizontalRangeWidth = kEstimationSheetWidth;
    traits.lineX = 14;
    traits.lineY = 14;
    return traits;
}();

constexpr int kGameTypeViews[9] = {3, 2, 1, 0, 5, 5, 4, 6, 6};

// The label tables: string ids, 0 for a label that stays empty.
constexpr int kHeaderLabelIds[13] = {40795, 40797, 40799, 40801, 40809, 40781, 40783,
                                     40785, 40787, 40789, 40791, 40808, 40803};
constexpr int kShortLabelIds[17] = {40796, 40798, 40800, 40802, 40810, 40811, 0,     40937, 40938,
                                    40939, 40782, 40784, 40810, 40786, 40788, 40790, 40794};

}  // namespace

int GameTypeToView(int gameType, int view) {
    if (gameType < 0 || gameType > 8) return view;
    return kGameTypeViews[gameType];
}

int ViewToBlock(int view) {
    if (view >= VIEW_DIAMONDS && view <= VIEW_CLUBS) return 3 - view;
    if (view == VIEW_GRAND) return SHEET_GRAND;
    if (view == VIEW_NULL) return SHEET_NULL;
    if (view == VIEW_RAMSCH) return SHEET_PLAY;
    return -1;
}

int ViewToPopupMode(int view) {
    if (view == VIEW_GRAND) return kPopupModeGrand;
    if (view == VIEW_NULL) return kPopupModeNull;
    if (view == VIEW_RAMSCH) return kPopupModeRamsch;
    return kPopupModeSuit;
}

bool IsRightHandSpot(int mode, int spot) {
    switch (mode) {
        case kPopupModeSuit: return spot == 3 || spot >= 6;
        case kPopupModeGrand: return spot == 2 || spot >= 5;
        case kPopupModeNull: return spot >= 3;
        case kPopupModeRamsch: return spot >= 7;
        default: return false;
    }
}

platform::LogFont PopupFont() {
    platform::LogFont font;
    font.face = "Arial";
    font.height = 12;
    font.weight = 700;
    return font;
}

platform::LogFont SheetFont() {
    platform::LogFont font;
    font.face = "Arial";
    font.height = 14;
    font.weight = 700;
    return font;
}

CTrickEstimation::CTrickEstimation() : CSideWindow(kEstimationTraits, &g_Settings.View.ListTrickEstimation) {}

CTrickEstimation::~CTrickEstimation() {
    if (Panel) {
        if (Panel->IsAlive()) Panel->DestroyWindow();
        delete Panel;
        Panel = nullptr;
    }
}

// Creation after the base frame: the settings, the frame extras, the labels, the panel and the
// symbol deck, in this order.
bool CTrickEstimation::OnCreateWindow() {
    // Step 1: Auto and the view from the registry; a damaged value reads as its nearest meaning.
    Auto = ReadWindowFlag("RectTrickEstimation", "Auto") != 0 ? 1 : 0;
    View = ReadWindowFlag("RectTrickEstimation", "Game");
    if (View < 0 || View >= kEstimationViews) View = 0;
    // Step 2: what the frame adds to the client.
    platform::Rect window = WindowRect();
    platform::Rect client;
    GetClientRect(Handle(), &client);
    FrameExtraWidth = window.Width() - client.Width();
    FrameExtraHeight = window.Height() - client.Height();
    // Step 3: the texts of the labels and the rule rows.
    LoadLabels();
    // The columns from the texts as the window's context measures them; the sheet's width follows.
    if (platform::DeviceContext* dc = GetDC(Handle())) {
        LayOutColumns(*dc);
        ReleaseDC(Handle(), dc);
    }
    // Step 4: the save-under bitmap, as large as the sheet.
    PopupSaveBitmap = platform::Bitmap(SheetWidth(), kEstimationSheetHeight);
    // Step 5: the panel, modeless, at the top of the client.
    Panel = new CTrickEstimationDialog(*this, &Player, &Auto, &View);
    if (Panel->CreatePanel()) {
        Panel->ShowWindow(SW_SHOW);
        PanelHeight = Panel->WindowRect().Height();
    }
    // Step 6: the symbol deck; no hot spot is under the pointer yet.
    WS_NewSymbolDeck(Handle());
    CurrentSpot = -1;
    // The window is at least as wide as its sheet (and the vertical bar, where the sheet is taller
    // than the client), as far as the work area allows: a narrower one cuts the sheet's right-hand
    // column off behind a scroll bar.
    const int sheetWidth = SheetWidth() + (client.Height() < kEstimationSheetHeight ? platform::kOwnScrollBarWidth : 0);
    if (client.Width() < sheetWidth) {
        window.right = window.left + sheetWidth + FrameExtraWidth;
        MoveWindow(g_SideWindowFrame.KeptInWorkArea(window), true);
    }
    return true;
}

void CTrickEstimation::LoadLabels() {
    for (std::size_t i = 0; i < HeaderLabels.size(); ++i) HeaderLabels[i] = platform::LoadString(kHeaderLabelIds[i]);
    for (std::size_t i = 0; i < ShortLabels.size(); ++i)
        ShortLabels[i] = kShortLabelIds[i] != 0 ? platform::LoadString(kShortLabelIds[i]) : std::string();
    // The popups' "TF": the first two characters of the suit sum line.
    ShortLabels[12] = ShortLabels[12].substr(0, 2);
    ExtraLabels = {};
    ExtraLabels[2] = platform::LoadString(IDS_ESTIMATION_NULL_OK);
    // 31 suit rows, 31 Grand rows, 31 Null rows, 17 Ramsch rows, 9 weak rows; the last 5 stay empty.
    std::size_t at = 0;
    auto load = [&](int first, int count) {
        for (int i = 0; i < count; ++i) RuleRows[at++] = platform::LoadString(first + i);
    };
    load(40812, 31);
    load(40862, 31);
    load(40941, 31);
    load(40980, 17);
    load(41000, 9);
    while (at < RuleRows.size()) RuleRows[at++].clear();
}

LRESULT CTrickEstimation::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The close box while the toggle's flag is set: Auto and the view are kept, then the toggle
    // closes the window (the base routes it).
    if (message == WM_CLOSE && g_Settings.View.ListTrickEstimation != 0) {
        WriteWindowFlag("RectTrickEstimation", "Auto", Auto);
        WriteWindowFlag("RectTrickEstimation", "Game", View);
    }
    // The sheet draws only its lines and boxes: the client's background is white.
    if (message == WM_ERASEBKGND) {
        if (auto* dc = reinterpret_cast<platform::DeviceContext*>(wParam)) {
            platform::Rect client;
            GetClientRect(Handle(), &client);
            dc->FillRect(client, platform::Brush::Solid(platform::Rgb(255, 255, 255)));
        }
        return 1;
    }
    // A paint covers a shown popup: there is nothing of it left to erase.
    if (message == WM_PAINT) {
        CurrentSpot = -1;
        PopupSaved = false;
    }
    const LRESULT result = CSideWindow::WindowProc(message, wParam, lParam);
    // The panel at the top of the client keeps the sheet's width and follows its scrolling.
    if ((message == WM_MOVE || message == WM_SIZE) && Panel && Panel->IsAlive())
        Panel->MoveTo(-HorizontalOffset(), -VerticalOffset(), SheetWidth(), PanelHeight);
    return result;
}

void CTrickEstimation::OnPlainClose() { WS_DeleteSymbolDeck(Handle()); }

void CTrickEstimation::Paint(platform::DeviceContext& dc, int xOffset, int yOffset) {
    if (View >= VIEW_DIAMONDS && View <= VIEW_GRAND) PaintSuitGrandSheet(dc, xOffset, yOffset);
    else if (View == VIEW_NULL) PaintNullSheet(dc, xOffset, yOffset);
    else if (View == VIEW_RAMSCH) PaintRamschSheet(dc, xOffset, yOffset);
}

void CTrickEstimation::Redraw() {
    if (!IsAlive()) return;
    Sheet = BlockOfView(View);
    CurrentSpot = -1;
    PopupSaved = false;
    ShowPanel(HorizontalOffset(), VerticalOffset());
    RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

int CTrickEstimation::UpdateEstimation(int mode) {
    if (mode == 1) return Auto;
    if (mode == 2) return ComboSeat();
    if (Panel && Panel->AutoChecked()) {
        Panel->SelectView(GameTypeToView(g_Game.GameType, Panel->SelectedView()));
        const int selected = Panel->SelectedView();
        if (selected >= 0) View = selected;
    }
    Redraw();
    return 0;
}

void CTrickEstimation::UpdateDialog() {
    if (Panel) Panel->OnSelchangePlayer();
}


void CTrickEstimation::SetCompactSize() {
    // The compact window is as wide as the sheet and its vertical bar.
    SwitchSize(kCompactClientWidth - kEstimationSheetWidth + SheetWidth() + FrameExtraWidth,
               kCompactClientHeight + FrameExtraHeight, true);
}

void CTrickEstimation::SetFullSize() {
    SwitchSize(kFullClientWidth - kEstimationSheetWidth + SheetWidth() + FrameExtraWidth,
               kFullClientHeight + FrameExtraHeight);
}

CTrickEstimation::SheetBlock CTrickEstimation::BlockOfView(int view) const {
    const int block = ViewToBlock(view);
    if (!Player || block < 0) return nullptr;
    return SheetOf(*Player).Rows[block];
}

int CTrickEstimation::ComboTrumpSuit() const {
    const int selected = Panel ? Panel->SelectedView() : -1;
    const int view = selected >= 0 ? selected : View;
    return 3 - view;
}

int CTrickEstimation::ComboSeat() const {
    const int seat = Panel ? Panel->SelectedSeat() : -1;
    return seat >= 0 && seat <= 2 ? seat : 2;
}
