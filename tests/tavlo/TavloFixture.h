#pragma once
// Shared set-up of the card-table tests: a headless host, table windows of 1280 x 960 whose retained
// surfaces are recording contexts, and tavlo reset before and after every test.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/headless/RecordingDC.h"
#include "platform/headless/TavloPictures.h"
#include "tavlo/CardPictures.h"
#include "tavlo/Tavlo.h"

namespace tavlo_test {

// A table window whose handler a test can hook (e.g. to set a stop flag when a message comes).
class TableWindow : public platform::Window {
public:
    std::function<void(UINT, WPARAM)> onMessage;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (onMessage && message >= WM_USER) onMessage(message, wParam);
        if (onMessage && message == WM_TIMER) onMessage(message, wParam);
        return platform::Window::WindowProc(message, wParam, lParam);
    }
};

class TavloTest : public ::testing::Test {
protected:
    void SetUp() override {
        tavlo::ResetAll();
        tavlo::SetCardPictures(&sizes);
        host.SetSurfaceFactory([this](HWND hwnd) -> platform::DeviceContext* {
            auto& surface = surfaces[hwnd];
            if (!surface) surface = std::make_unique<platform::RecordingDC>(platform::Size{1280, 960});
            return surface.get();
        });
    }
    void TearDown() override {
        tavlo::ResetAll();
        tavlo::SetCardPictures(nullptr);
    }

    HWND MakeTable(TableWindow& window) {
        platform::CreateParams params;
        params.rect = {0, 0, 1280, 960};
        params.visible = true;
        EXPECT_TRUE(window.Create(params));
        return window.Handle();
    }
    platform::RecordingDC& Surface(HWND hwnd) {
        auto& surface = surfaces[hwnd];
        if (!surface) surface = std::make_unique<platform::RecordingDC>(platform::Size{1280, 960});
        return *surface;
    }
    // Deals the cards left to right, `step` pixels apart, face up.
    static void DealRow(HWND table, const std::vector<int>& cards, int x, int y, int step) {
        for (int card : cards) {
            WC_ExposeCard(table, card, 1);
            WC_DealCard(table, card, x, y);
            x += step;
        }
    }

    platform::HeadlessHost host;
    platform::TavloSizesOnly sizes;
    std::map<HWND, std::unique_ptr<platform::RecordingDC>> surfaces;
};

}  // namespace tavlo_test
