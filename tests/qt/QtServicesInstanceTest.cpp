// A second instance hands its file name to the running one through a local socket; the running one
// gets it as WM_COPYDATA to its main window. Both ends run in this process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QDir>
#include <QLocalSocket>
#include <QString>

#include <unistd.h>

#include "platform/core/DesktopInstance.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtInstance.h"
#include "QtTestSupport.h"

using namespace platform;
using qttest::RecordingWindow;

namespace {

class QtServicesInstance : public ::testing::Test {
protected:
    void SetUp() override {
        static int serial = 0;
        serverName = QStringLiteral("kartovan-test-%1-%2").arg(::getpid()).arg(++serial);
        ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 200, 100}));
        frame.onMessage = [this](UINT message, WPARAM, LPARAM lParam) {
            if (message != WM_COPYDATA) return;
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            received.emplace_back(static_cast<const char*>(data->lpData), data->cbData);
        };
    }
    // Pumps until `count` names arrived. Each retrieval is checked: the names come as messages
    // from another process, delivered inside a retrieval that then finds nothing to take.
    bool Arrived(std::size_t count) {
        WindowSystem& system = WindowSystem::Instance();
        const std::int64_t end = system.Now() + 3000;
        for (;;) {
            Message message;
            while (system.TakeMessage(message, nullptr, 0, 0, true)) system.ProcessMessage(message);
            if (received.size() >= count) return true;
            if (system.Now() >= end) return false;
            host.WaitForWork(end);
        }
    }
    // Sends raw bytes as a client would and waits until the running instance hung up.
    void SendRaw(const QByteArray& bytes) {
        QLocalSocket socket;
        socket.connectToServer(serverName);
        ASSERT_TRUE(socket.waitForConnected(1000));
        socket.write(bytes);
        socket.flush();
        EXPECT_TRUE(qttest::PumpUntil([&] { return socket.state() == QLocalSocket::UnconnectedState; }))
            << "the running instance drops the connection";
    }

    QtHost host;
    QString serverName;
    RecordingWindow frame;
    std::vector<std::string> received;
};

TEST_F(QtServicesInstance, FileNameArrivesAsCopyDataToTheMainWindow) {
    QtInstance running(serverName);
    ASSERT_TRUE(running.Listen());
    running.SetMainWindow(frame.Handle());

    ASSERT_TRUE(QtInstance::HandOver(serverName, "/home/a/Müller Spiel.skt"));
    ASSERT_TRUE(Arrived(1));
    EXPECT_EQ(received[0], HandedOverFileBytes("/home/a/Müller Spiel.skt"));

    // A relative name means the second instance's working folder.
    ASSERT_TRUE(QtInstance::HandOver(serverName, "liste.skm"));
    ASSERT_TRUE(Arrived(2));
    EXPECT_EQ(received[1], HandedOverFileBytes(QDir::current().absoluteFilePath(QStringLiteral("liste.skm")).toStdString()));
}

TEST_F(QtServicesInstance, OnlyOneInstanceListensPerName) {
    EXPECT_FALSE(QtInstance::HandOver(serverName, "/home/a/x.skt")) << "nobody runs yet";
    QtInstance running(serverName);
    ASSERT_TRUE(running.Listen());
    QtInstance second(serverName);
    EXPECT_FALSE(second.Listen()) << "the running one answers";
    EXPECT_FALSE(second.IsListening());
    EXPECT_FALSE(QtInstance::HandOver(serverName, "")) << "no name, nothing to hand over";
    EXPECT_FALSE(QtInstance::HandOver(serverName, "/home/a/\x01.skt"));
}

TEST_F(QtServicesInstance, NamesBeforeTheMainWindowWaitForIt) {
    QtInstance running(serverName);
    ASSERT_TRUE(running.Listen());
    ASSERT_TRUE(QtInstance::HandOver(serverName, "/home/a/früh.skt"));
    // The running instance reads it now, before it has a main window.
    QLocalSocket probe;
    probe.connectToServer(serverName);
    ASSERT_TRUE(probe.waitForConnected(1000));
    probe.write(QByteArray("\x05\x00\x00\x00/a.sk", 9));
    probe.flush();
    ASSERT_TRUE(qttest::PumpUntil([&] { return probe.state() == QLocalSocket::UnconnectedState; }));
    EXPECT_TRUE(received.empty());

    running.SetMainWindow(frame.Handle());
    ASSERT_TRUE(Arrived(2));
    EXPECT_EQ(received[0], HandedOverFileBytes("/home/a/früh.skt"));
    EXPECT_EQ(received[1], HandedOverFileBytes("/a.sk"));
}

TEST_F(QtServicesInstance, MalformedOrOversizedNamesAreDropped) {
    QtInstance running(serverName);
    ASSERT_TRUE(running.Listen());
    running.SetMainWindow(frame.Handle());

    SendRaw(QByteArray("\xFF\xFF\xFF\xFF/x", 6));                         // a length beyond any name
    SendRaw(QByteArray("\x00\x00\x00\x00", 4));                           // no name
    SendRaw(QByteArray("\x06\x00\x00\x00/a\nb.s", 10));                  // a control character
    SendRaw(QByteArray("\x03\x00\x00\x00/abEXTRA", 11));                  // more than it announced
    SendRaw(QByteArray("\x05\x00\x00\x00rel.s", 9));                      // not absolute
    QByteArray longest("\x01\x10\x00\x00", 4);                            // 4097 bytes
    longest += '/';
    longest += QByteArray(4096, 'a');
    SendRaw(longest);

    ASSERT_TRUE(QtInstance::HandOver(serverName, "/home/a/gut.skt"));
    ASSERT_TRUE(Arrived(1));
    EXPECT_EQ(received, (std::vector<std::string>{HandedOverFileBytes("/home/a/gut.skt")})) << "only the sound one";
}

}  // namespace
