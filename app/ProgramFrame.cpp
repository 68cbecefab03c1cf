#include "app/ProgramFrame.h"

#include <optional>

#include <QWidget>

#include "flow/FrameTable.h"
#include "flow/MainFrame.h"
#include "platform/core/Accelerators.h"
#include "platform/core/MenuTemplate.h"
#include "platform/qt/QtFrameBars.h"
#include "platform/qt/QtHost.h"
#include "resources/CommandIds.h"
#include "resources/ToolBar.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"

namespace program {

bool AttachProgramFrame(CSkatApp& app) {
    CMainFrame* frame = app.MainFrame();
    platform::QtHost* host = platform::QtHost::Current();
    if (!frame || !host) return false;
    platform::FrameBarsSpec bars;
    bars.menu = platform::FindMenu(IDR_MAINFRAME);
    bars.toolbarIds = frame->Table().ToolBar.buttons;
    bars.statusBar = frame->FrameTable().StatusBarForHost();
    bars.updater = frame->Updater();
    bars.accelerators = platform::FindAccelerators(IDR_MAINFRAME);
    bars.pictures = [](int id) {
        const ToolBarPicture* picture = FindToolBarPicture(id);
        return picture ? platform::ButtonPicture{picture->themeName, picture->drawing} : platform::ButtonPicture{};
    };
    bars.fonts = [&app](int id) -> std::optional<platform::LogFont> {
        if (id < 0 || id >= static_cast<int>(app.Fonts.size())) return std::nullopt;
        return app.Font(id);
    };
    if (!platform::AttachFrameBars(frame->Handle(), bars)) return false;

    FollowDesktop(frame->Handle());
    // The window manager maximises the frame; the size it gives comes back as a move.
    g_Shell.ShowFrameMaximised = [](HWND hwnd) {
        platform::QtHost* current = platform::QtHost::Current();
        if (QWidget* widget = current ? current->WidgetOf(hwnd) : nullptr) widget->window()->showMaximized();
    };
    // The frame's size on our side is its client area: the host adds the bars for the window manager.
    g_Shell.SetFrameMinimumSize = [](HWND hwnd, int width, int height) {
        if (platform::QtHost* current = platform::QtHost::Current())
            current->SetMinimumClientSize(hwnd, QSize(width, height));
    };
    g_Shell.IsFrameMaximised = [](HWND hwnd) {
        platform::QtHost* current = platform::QtHost::Current();
        const QWidget* widget = current ? current->WidgetOf(hwnd) : nullptr;
        return widget && widget->window()->isMaximized();
    };
    return true;
}

HWND ProgramFrameHandle(const CSkatApp& app) { return app.MainFrame()->Handle(); }

}  // namespace program
