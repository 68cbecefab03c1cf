#pragma once
// CModelessDialog: the base of the prompt bars laid over the card table (and of the information
// panels). The main frame creates, keeps and destroys them; a bar never closes itself. Its buttons
// hand the step back to the frame by posting or sending an internal command.
//
// Opening a bar (the frame):      CAuctionDialog* bar = CreateBar<CAuctionDialog>();
//                                 bar->ShowWindow(SW_SHOW);  then record bar->Handle()
// Closing it (the frame):         clear the frame's records first, then ::DestroyWindow(handle).
// Bars are engine-owned: the engine frees the object once the window is destroyed and no handler
// of it is running, so a bar destroyed inside its own click handler finishes that handler safely.

#include "platform/core/Dialog.h"

#include "platform/core/Resources.h"

#include <optional>
#include <utility>

// The table metrics the placement reads from the frame's layout, in pixels.
struct TablePlacementMetrics {
    int tableTop = 0;      // 0 until the table has been laid out: then nothing is placed
    int lowerMargin = 0;   // below the bar, above the frame's bottom edge
    int middleRow = 0;     // the middle row of the table
    int rowHeight = 0;     // the text row height
    int borderWidth = 0;   // frame window width minus client width
    int borderHeight = 0;  // frame window height minus client height
    int cardHeight = 0;
};

// What decides whether a positive adjustment narrows the bar.
struct NarrowingRule {
    bool suggestOn = false;      // Options/Suggest
    bool handAnnounced = false;  // HandAnnounced
    int gameType = 0;            // GameType
};

// The bar's new window rectangle for PlaceOnTable, or nothing before the first table layout.
// `frame` and `bar` are window rectangles in screen pixels.
std::optional<platform::Rect> PlaceOnTableRect(const platform::Rect& frame, const platform::Rect& bar,
                                               const TablePlacementMetrics& metrics, int adjust,
                                               const NarrowingRule& rule);

class CModelessDialog : public platform::Dialog {
public:
    // `cut`: the width in dialog units of the right-hand button group that is hidden while
    // suggestions are off (0: none; negative: the window keeps its template position).
    CModelessDialog(int templateId, int cut);

    // Creates the window hidden, engine-owned: a bar without owner, a panel with the frame as its
    // owner. False when it could not be made.
    bool CreateBar(HWND owner = nullptr);

    // Moves the bar over the table, centred, between the table's middle and its lower edge.
    // adjust < 0 narrows by |adjust| pixels; 1..1000 narrows by adjust when the narrowing rule
    // holds (suggestions off, or on for a Hand game other than Revolution and Ramsch); > 1000
    // widens by adjust - 1000; 0 only centres.
    void PlaceOnTable(int adjust);

    int TemplateId() const { return templateId; }
    int Cut() const { return cut; }

    bool OnInitDialog() override;
    // Esc and the cancel command never close a bar: the keyboard goes back to the main frame.
    void OnCancel() override;
    // A close request (the play's demonstration timer) only hides a bar; the frame's record of it
    // stays valid until the frame destroys it. A panel's close button cancels (see OnCancel).
    void OnClose() override;

protected:
    // The placement steps every bar's initialisation runs first.
    void PlaceInitially();

    int templateId = 0;
    int cut = 0;
};

// Makes a bar from its edition template: constructed on the heap, created hidden and engine-owned
// (see above). nullptr when the edition lacks the template or the window could not be made.
template <class Bar, class... Args>
Bar* CreateBar(Args&&... args) {
    if (!platform::FindDialog(Bar::kTemplateId)) return nullptr;
    auto* bar = new Bar(std::forward<Args>(args)...);
    // On failure the engine has already freed the bar (it was engine-owned from its first handle).
    return bar->CreateBar() ? bar : nullptr;
}

// Makes an information panel the same way, owned by `owner` (the frame), so that it stays with it.
template <class Panel, class... Args>
Panel* CreatePanel(HWND owner, Args&&... args) {
    if (!platform::FindDialog(Panel::kTemplateId)) return nullptr;
    auto* panel = new Panel(std::forward<Args>(args)...);
    return panel->CreateBar(owner) ? panel : nullptr;
}
