#include "platform/qt/QtShellServices.h"

#include <QWidget>

#include "platform/qt/QtHost.h"
#include "platform/qt/SdlSound.h"

namespace platform {

QtShellServices::QtShellServices(QtDesktopOptions options)
    : m_help(std::move(options.help)),
      m_shell(std::move(options.programFolder), std::move(options.launcher)),
      m_sound(options.sound) {}

QtShellServices::~QtShellServices() {
    if (InstalledDesktopServices() == this) InstallDesktopServices(nullptr);
}

QWidget* QtShellServices::OwnerWidget(HWND owner) {
    QtHost* host = QtHost::Current();
    QWidget* widget = host && owner ? host->WidgetOf(owner) : nullptr;
    return widget ? widget->window() : nullptr;
}

bool QtShellServices::ShowHelp(HWND owner, const HelpTopic& topic) {
    (void)owner;  // the help window stands on its own beside the program, as a help viewer does
    return m_help.Show(topic);
}

PrintOutcome QtShellServices::Print(HWND owner, const PrintDocument& document) {
    return m_print.Print(OwnerWidget(owner), document);
}

PrintOutcome QtShellServices::PrintPreview(HWND owner, const PrintDocument& document) {
    return m_print.Preview(OwnerWidget(owner), document);
}

void QtShellServices::SetSoundVolume(double volume) {
    if (m_sound) m_sound->SetVolume(volume);
}

std::unique_ptr<QtShellServices> InstallQtDesktopServices(QtDesktopOptions options) {
    auto services = std::make_unique<QtShellServices>(std::move(options));
    InstallDesktopServices(services.get());
    return services;
}

}  // namespace platform
