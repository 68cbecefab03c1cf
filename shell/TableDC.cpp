#include "shell/TableDC.h"

#include "platform/core/WindowApi.h"
#include "shell/SkatApp.h"

TableDC::TableDC(platform::DeviceContext* printer, HWND table) {
    if (printer) {
        dc_ = printer;
    } else if (table && IsWindow(table)) {
        dc_ = GetDC(table);
        window_ = dc_ ? table : nullptr;
    }
}

TableDC::~TableDC() { Release(); }

bool TableDC::ShowsNothing(const platform::DeviceContext* printer, HWND table) {
    return !printer && !SurfaceKeepsPixels(table);
}

void TableDC::Release() {
    if (!dc_) return;
    if (fontSaved_ && (!window_ || IsWindow(window_))) dc_->SelectFont(previous_);
    if (window_) ReleaseDC(window_, dc_);
    dc_ = nullptr;
    window_ = nullptr;
    fontSaved_ = false;
}

void TableDC::SelectAppFont(int n) {
    if (!dc_ || !g_pApp) return;
    const platform::LogFont old = dc_->SelectFont(g_pApp->Font(n));
    if (!fontSaved_) {
        previous_ = old;
        fontSaved_ = true;
    }
}
