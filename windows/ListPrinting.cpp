#include "windows/ListPrinting.h"

#include "model/Trace.h"
#include "platform/core/DeviceContext.h"
#include "tavlo/SymbolApi.h"
#include "windows/Score.h"
#include "windows/Store.h"

CListPrintWindows::CListPrintWindows(HWND owner) : score(std::make_unique<CScore>()), store(std::make_unique<CStore>()) {
    // Hidden, untitled and never shown: they exist for their painters (and the deals' symbols).
    score->CreateSideWindow(owner, {418, 316, 1058, 614}, std::string(), false, platform::Lifetime::Caller);
    store->CreateSideWindow(owner, {418, 614, 874, 870}, std::string(), false, platform::Lifetime::Caller);
}

CListPrintWindows::~CListPrintWindows() {
    // Taken away directly: a close message would reach the View menu's toggle of an open window.
    if (store->IsAlive()) {
        WS_DeleteSymbolDeck(store->Handle());
        store->DestroyWindow();
    }
    if (score->IsAlive()) score->DestroyWindow();
}

void CListPrintWindows::DrawBody(int kind, platform::DeviceContext& dc) {
    if (kind == PRINT_SCORE_SHEET) {
        WriteTrace(":CScore::DrawList(print)", LOG_MAINFRAME | LOG_VERBOSE);
        score->DrawList(dc, 0, 0);
    } else if (kind == PRINT_CARDS_ASSIGNMENT) {
        WriteTrace(":CStore::DrawList(print)", LOG_MAINFRAME | LOG_VERBOSE);
        store->DrawList(dc, 0, 0);
    }
}
