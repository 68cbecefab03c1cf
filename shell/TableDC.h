#pragma once
// The device context a table drawing routine draws into: the printer's when one is given, else the
// table window's, released at the end (or by Release, before a wait); the font selected first is put
// back, unless the table went meanwhile (its context then draws nothing and is only let go).

#include "platform/core/DeviceContext.h"
#include "platform/core/Message.h"

class TableDC {
public:
    TableDC(platform::DeviceContext* printer, HWND table);
    // Whether drawing would leave nothing anyone sees: no printer, and no table window or one
    // whose surface keeps no pixels. Routines that only draw then need no context at all.
    static bool ShowsNothing(const platform::DeviceContext* printer, HWND table);
    ~TableDC();
    TableDC(const TableDC&) = delete;
    TableDC& operator=(const TableDC&) = delete;

    // Nothing to draw into (no window yet, or no surface).
    explicit operator bool() const { return dc_ != nullptr; }
    platform::DeviceContext* operator->() const { return dc_; }
    platform::DeviceContext& operator*() const { return *dc_; }
    // Whether what is drawn into the context is kept (a printer's page, a window that shows it).
    bool KeepsPixels() const { return dc_ && dc_->KeepsPixels(); }
    // Selects application font n (the first call keeps the font to put back).
    void SelectAppFont(int n);
    // Puts the font back and lets the context go; afterwards there is nothing to draw into.
    void Release();

private:
    platform::DeviceContext* dc_ = nullptr;
    HWND window_ = nullptr;
    bool fontSaved_ = false;
    platform::LogFont previous_;
};
