#include "windows/GameStatisticsPanel.h"

#include "match/Statistics.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "windows/GameStatistics.h"
#include "windows/StatisticsPainting.h"

#include <array>
#include <string>

namespace {

// The game types of the list, in the order of the block's types; German edition first.
constexpr std::array<std::array<const char*, kStatisticsTypes>, 2> kTypeNames{{
    {"Regelskat", "Variantenskat", "Nullspiele", "Farbspiele", "Grandspiele", "Ramsch"},
    {"Rule Skat", "Variants Skat", "Null Games", "Suit Games", "Grand Games", "Ramsch"},
}};

// The block's period: 0 the current match, 1 all games. The box "per match" shows the first.
constexpr int kMatchPeriod = 0, kAllGames = 1;

}  // namespace

CGamesDialog::CGamesDialog(CGameStatistics* ownerWindow) : CStatisticsPanel(kTemplateId, ownerWindow) {}

bool CGamesDialog::OnInitDialog() {
    // 1. The block; a type or period from an older or damaged file that names none is the first.
    block = &statistics::FrameBlock();
    if (block->TypeSelection() < 0 || block->TypeSelection() >= kStatisticsTypes) block->TypeSelection() = 0;
    if (block->ModeSelection() < 0 || block->ModeSelection() > 1) block->ModeSelection() = 0;
    // 2. The count, the type and the period.
    ShowCount();
    if (auto* types = GetControlAs<platform::ComboBox>(kType)) {
        for (const char* name : kTypeNames[statistics::GermanEdition() ? 0 : 1]) types->Items().Add(name);
        types->SetCurSel(block->TypeSelection());
    }
    CheckDlgButton(kPerMatch, block->ModeSelection() == kMatchPeriod ? BST_CHECKED : BST_UNCHECKED);
    // 3. At the top left of the window's content, its size kept; the size buttons' pictures.
    PlaceAtTop();
    return true;
}

void CGamesDialog::ShowCount() {
    if (!block) return;
    const int type = block->TypeSelection() >= 0 && block->TypeSelection() < kStatisticsTypes ? block->TypeSelection() : 0;
    const int mode = block->ModeSelection() == kAllGames ? kAllGames : kMatchPeriod;
    const std::string count = std::to_string(block->Count(type, mode));
    if (GetDlgItemText(kCount) != count) SetDlgItemText(kCount, count);
}

bool CGamesDialog::OnCommand(int id, unsigned code, HWND control) {
    if (id == kType && code == CBN_SELCHANGE) {
        const auto* types = GetControlAs<platform::ComboBox>(kType);
        const int chosen = types ? types->GetCurSel() : -1;
        if (block && chosen >= 0 && chosen < kStatisticsTypes) block->TypeSelection() = chosen;
        ShowCount();
        if (owner) owner->Redraw();
        return true;
    }
    if (code != BN_CLICKED) return CStatisticsPanel::OnCommand(id, code, control);
    switch (id) {
        case kPerMatch:
            if (block) block->ModeSelection() = IsDlgButtonChecked(kPerMatch) == BST_CHECKED ? kMatchPeriod : kAllGames;
            ShowCount();
            if (owner) owner->Redraw();
            return true;
        case kReset:
            ClearGameTable();
            if (owner) owner->Redraw();
            return true;
        default: return CStatisticsPanel::OnCommand(id, code, control);
    }
}

void CGamesDialog::ClearGameTable() {
    if (!block) return;
    const int mode = block->ModeSelection() == kAllGames ? kAllGames : kMatchPeriod;
    for (int type = 0; type < kStatisticsTypes; ++type) {
        block->Count(type, mode) = 0;
        for (int array = 0; array < kStatisticsArrays; ++array)
            for (int seat = 0; seat < 3; ++seat) block->Counter(array, type, mode, seat) = 0;
    }
}
