// Files dropped onto a window of the Qt host arrive as WM_DROPFILES from our own loop; windows that
// do not take files refuse the drop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "platform/core/DragDrop.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtShellServices.h"
#include "QtTestSupport.h"

using namespace platform;
using qttest::RecordingWindow;

namespace {

class QtServicesDrop : public ::testing::Test {
protected:
    void SetUp() override {
        ResetDragDrop();
        services = InstallQtDesktopServices({});
        ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {100, 100, 400, 300}));
        ASSERT_TRUE(qttest::CreateWindowOf(view, WindowKind::Child, {0, 0, 300, 200}, frame.Handle()));
        view.onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_DRAGENTER) {
                order.push_back(message);
                entered.push_back({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
                enterKeys.push_back(wParam);
                return;
            }
            if (message != WM_DROPFILES) return;
            order.push_back(message);
            const HDROP drop = DropHandleOf(wParam);
            std::vector<std::string> names;
            for (UINT i = 0; i < DragQueryFile(drop, kDropFileCount, nullptr); ++i) {
                std::string name;
                DragQueryFile(drop, i, &name);
                names.push_back(name);
            }
            Point point;
            DragQueryPoint(drop, &point);
            received.push_back(names);
            points.push_back(point);
        };
        widget = host.WidgetOf(view.Handle());
        ASSERT_NE(widget, nullptr);
    }
    void TearDown() override {
        services.reset();
        ResetDragDrop();
    }

    // Enters and drops; returns whether the widget took the drop.
    bool Drop(const QList<QUrl>& urls, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(widget, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &drop);
        EXPECT_EQ(enter.isAccepted(), drop.isAccepted());
        if (drop.isAccepted()) {
            EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "files are copied, never moved";
        }
        return drop.isAccepted();
    }

    QtHost host;
    std::unique_ptr<QtShellServices> services;
    RecordingWindow frame;
    RecordingWindow view;
    QWidget* widget = nullptr;
    std::vector<std::vector<std::string>> received;
    std::vector<Point> points;
    std::vector<UINT> order;
    std::vector<Point> entered;
    std::vector<WPARAM> enterKeys;
};

TEST_F(QtServicesDrop, DroppedFilesArriveAsDropFilesFromOurLoop) {
    DragAcceptFiles(view.Handle(), true);
    EXPECT_TRUE(widget->acceptDrops());

    const QList<QUrl> urls{QUrl::fromLocalFile(QStringLiteral("/home/a/Spiel 1.skt")),
                           QUrl(QStringLiteral("https://example.org/x.skt")),
                           QUrl::fromLocalFile(QStringLiteral("/home/a/Liste.skm"))};
    ASSERT_TRUE(Drop(urls, {30, 40}));
    EXPECT_TRUE(received.empty()) << "nothing of ours runs inside Qt's drop event";

    ASSERT_TRUE(qttest::PumpUntil([&] { return !received.empty(); }));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], (std::vector<std::string>{"/home/a/Spiel 1.skt", "/home/a/Liste.skm"}));
    EXPECT_EQ(points[0], (Point{30, 40}));
}

TEST_F(QtServicesDrop, TheDragEnteringIsToldFromOurLoopBeforeTheDrop) {
    DragAcceptFiles(view.Handle(), true);
    ASSERT_TRUE(Drop({QUrl::fromLocalFile(QStringLiteral("/home/a/Spiel.skt"))}, {12, 34}, Qt::ControlModifier));
    EXPECT_EQ(view.Count(WM_DRAGENTER), 0) << "nothing of ours runs inside Qt's drag events";

    ASSERT_TRUE(qttest::PumpUntil([&] { return !received.empty(); }));
    EXPECT_EQ(order, (std::vector<UINT>{WM_DRAGENTER, WM_DROPFILES}));
    EXPECT_EQ(entered, std::vector<Point>{(Point{12, 34})});
    EXPECT_EQ(enterKeys, std::vector<WPARAM>{MK_CONTROL});
}

TEST_F(QtServicesDrop, WindowsThatTakeNoFilesRefuseTheDrop) {
    const QList<QUrl> files{QUrl::fromLocalFile(QStringLiteral("/home/a/Spiel.skt"))};
    EXPECT_FALSE(widget->acceptDrops());

    DragAcceptFiles(view.Handle(), true);
    EXPECT_FALSE(Drop({QUrl(QStringLiteral("https://example.org/x.skt"))}, {1, 1})) << "no local file";

    DragAcceptFiles(view.Handle(), false);
    EXPECT_FALSE(widget->acceptDrops());
    // Even an event that reaches the widget is refused.
    EXPECT_FALSE(Drop(files, {1, 1}));

    // Whatever Qt recorded is delivered at a retrieval.
    Message message;
    while (WindowSystem::Instance().TakeMessage(message, nullptr, 0, 0, true)) WindowSystem::Instance().ProcessMessage(message);
    EXPECT_EQ(view.Count(WM_DROPFILES), 0);
    EXPECT_EQ(view.Count(WM_DRAGENTER), 0);
}

TEST(QtFileDrag, DataCarriesFileUrlsBothWays) {
    const std::vector<std::string> paths{"/tmp/cards~.skt", "/tmp/Müller list.skm"};
    const std::unique_ptr<QMimeData> data = FileDragData(paths);
    ASSERT_TRUE(data->hasUrls());
    EXPECT_TRUE(data->urls()[0].isLocalFile());
    EXPECT_EQ(DroppedFileNames(*data), paths);
}

}  // namespace
