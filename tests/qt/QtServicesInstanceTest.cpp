// A second instance hands its file name to the running one through a local socket; the running one
// gets it as WM_COPYDATA to its main window, brings that window forward and answers. Both ends run
// in this process: the second instance on a thread of its own, as it waits for the answer.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QString>

#include <unistd.h>

#include "platform/FileTestSupport.h"
#include "platform/core/DesktopInstance.h"
#include "platform/core/WindowApi.h"
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
    // A second instance's request, answered while this one pumps.
    QtInstance::Reach HandOver(const std::string& fileName) {
        std::future<QtInstance::Reach> reach = std::async(std::launch::async, [this, fileName] {
            const QtInstance::Reach answer = QtInstance::HandOver(serverName, fileName);
            // Wakes this thread's wait, which nothing else would end before its next timer.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
            return answer;
        });
        EXPECT_TRUE(
            qttest::PumpUntil([&] { return reach.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                              QtInstance::kHandOverTimeoutMs + QtInstance::kAnswerTimeoutMs + 1000));
        return reach.get();
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

    ASSERT_EQ(HandOver("/home/a/Müller Spiel.skt"), QtInstance::Reach::Answered);
    ASSERT_TRUE(Arrived(1));
    EXPECT_EQ(received[0], HandedOverFileBytes("/home/a/Müller Spiel.skt"));

    // A relative name means the second instance's working folder.
    ASSERT_EQ(HandOver("liste.skm"), QtInstance::Reach::Answered);
    ASSERT_TRUE(Arrived(2));
    EXPECT_EQ(received[1], HandedOverFileBytes(QDir::current().absoluteFilePath(QStringLiteral("liste.skm")).toStdString()));
}

TEST_F(QtServicesInstance, OnlyOneInstanceListensPerName) {
    EXPECT_EQ(HandOver("/home/a/x.skt"), QtInstance::Reach::NobodyListens) << "nobody runs yet";
    QtInstance running(serverName);
    ASSERT_TRUE(running.Listen());
    QtInstance second(serverName);
    EXPECT_FALSE(second.Listen()) << "the running one answers";
    EXPECT_FALSE(second.IsListening());
    EXPECT_EQ(HandOver(""), QtInstance::Reach::Answered) << "no name: the running one only comes forward";
    EXPECT_EQ(HandOver("/home/a/\x01.skt"), QtInstance::Reach::Refused) << "nothing sent";
}

TEST_F(QtServicesInstance, NamesBeforeTheMainWindowWaitForIt) {
    QtInstance running(serverName);
    ASSERT_TRUE(running.Listen());
    ASSERT_EQ(HandOver("/home/a/früh.skt"), QtInstance::Reach::Answered);
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
    SendRaw(QByteArray("\x00\x00\x00\x00", 4));                           // no name: only forward
    SendRaw(QByteArray("\x06\x00\x00\x00/a\nb.s", 10));                  // a control character
    SendRaw(QByteArray("\x03\x00\x00\x00/abEXTRA", 11));                  // more than it announced
    SendRaw(QByteArray("\x05\x00\x00\x00rel.s", 9));                      // not absolute
    QByteArray longest("\x01\x10\x00\x00", 4);                            // 4097 bytes
    longest += '/';
    longest += QByteArray(4096, 'a');
    SendRaw(longest);

    ASSERT_EQ(HandOver("/home/a/gut.skt"), QtInstance::Reach::Answered);
    ASSERT_TRUE(Arrived(1));
    EXPECT_EQ(received, (std::vector<std::string>{HandedOverFileBytes("/home/a/gut.skt")})) << "only the sound one";
}

// A second start brings the running program's window forward, with or without a file.
TEST_F(QtServicesInstance, ASecondStartBringsTheRunningWindowForward) {
    QtInstance running(serverName);
    ASSERT_TRUE(running.Listen());
    running.SetMainWindow(frame.Handle());
    RecordingWindow other;
    ASSERT_TRUE(qttest::CreateWindowOf(other, WindowKind::Overlapped, {300, 0, 500, 100}));
    for (const std::string name : {"", "/home/a/vorn.skt"}) {
        ::SetActiveWindow(other.Handle());
        ASSERT_EQ(::GetActiveWindow(), other.Handle());
        ASSERT_EQ(HandOver(name), QtInstance::Reach::Answered) << name;
        EXPECT_TRUE(qttest::PumpUntil([&] { return ::GetActiveWindow() == frame.Handle(); })) << name;
    }
    EXPECT_EQ(received, (std::vector<std::string>{HandedOverFileBytes("/home/a/vorn.skt")}));
}

// A program that takes no request (it hangs) is not taken as having taken it.
TEST_F(QtServicesInstance, AProgramThatDoesNotAnswerIsNotTakenAsReached) {
    QtInstance running(serverName);
    ASSERT_TRUE(running.Listen());
    // This thread does not pump while it asks: the running one cannot answer.
    EXPECT_EQ(QtInstance::HandOver(serverName, "/home/a/x.skt"), QtInstance::Reach::NoAnswer);
}

// Both editions, and every way of naming the work folder, meet on one name; another folder has
// its own.
TEST_F(QtServicesInstance, TheNameComesFromTheWorkFolder) {
    testsupport::TempFolder home;
    std::filesystem::create_directories(home.File("work"));
    std::filesystem::create_directories(home.File("other"));
    std::filesystem::create_directory_symlink(home.File("work"), home.File("link"));
    const QString name = QtInstance::ServerName(home.File("work/"));
    EXPECT_EQ(QtInstance::ServerName(home.File("work")), name);
    EXPECT_EQ(QtInstance::ServerName(home.File("link/")), name);
    EXPECT_EQ(QtInstance::ServerName(home.File("other/../work/")), name);
    EXPECT_NE(QtInstance::ServerName(home.File("other/")), name);
}

}  // namespace
