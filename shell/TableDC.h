#pragma once
// The device context a table drawing routine draws into: the printer's when one is given, else the
// table window's, released at the end; the font selected first is put back.

#include "platform/core/DeviceContext.h"
#include "platform/core/Message.h"

class TableDC {
public:
    TableDC(platform::DeviceContext* printer, HWND table);
    ~TableDC();
    TableDC(const TableDC&) = delete;
    TableDC& operator=(const TableDC&) = delete;

    // Nothing to draw into (no window yet, or no surface).
    explicit operator bool() const { return dc_ != nullptr; }
    platform::DeviceContext* operator->() const { return dc_; }
    platform::DeviceContext& operator*() const { return *dc_; }
    // Selects application font n (the first call keeps the font to put back).
    void SelectAppFont(int n);

private:
    platform::DeviceContext* dc_ = nullptr;
    HWND window_ = nullptr;
    bool fontSaved_ = false;
    platform::LogFont previous_;
};
