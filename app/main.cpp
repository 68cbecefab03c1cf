// The program's entry: select the edition's resources, start the Qt host, show the main window and
// run the message loop until it closes.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/AppFrame.h"
#include "platform/core/Resources.h"
#include "platform/qt/QtHost.h"
#include "resources/Editions.h"

int main(int argc, char** argv) {
#if defined(KARTOVAN_EDITION_ge)
    platform::SetResources(&GermanResources());
#else
    platform::SetResources(&EnglishResources());
#endif
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kartovan+"));
    platform::QtHost host;

    platform::Rect workArea{0, 0, 1024, 768};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        workArea = {available.left(), available.top(), available.left() + available.width(),
                    available.top() + available.height()};
    }
    AppFrame frame;
    if (!frame.CreateFrame(FrameRectIn(workArea))) return 1;
    return host.Run();
}
