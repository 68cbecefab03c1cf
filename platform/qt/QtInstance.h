#pragma once
// platform::QtInstance: one running instance per edition and user. A second instance started with
// a file name hands the name to the running one through a local socket and ends; the running one
// queues it as WM_COPYDATA to its main window (DeliverHandedOverFile). Only the user's own
// processes can connect.
//
// On the socket: the name's length as 4 bytes little-endian, then the name in UTF-8. The running
// instance reads at most kMaxHandedOverNameBytes, checks the name, and drops a connection that
// sends more, sends something else or waits too long; it serves at most kMaxConnections at once.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include <QByteArray>
#include <QObject>
#include <QString>

#include "platform/core/Message.h"
#include "platform/core/ShellRequests.h"

class QLocalServer;
class QLocalSocket;

namespace platform {

class QtInstance final : public QObject {
public:
    static constexpr int kMaxConnections = 8;
    static constexpr std::size_t kMaxWaitingNames = 8;
    static constexpr int kHandOverTimeoutMs = 2000;
    static constexpr int kReadTimeoutMs = 5000;

    // The edition's socket for this user: in $XDG_RUNTIME_DIR when there is one.
    static QString ServerName(Edition edition);
    // Sends `fileName` (made absolute) to the running instance. True when it was sent and this
    // process may end; false when none runs or the name is not acceptable.
    static bool HandOver(const QString& serverName, const std::string& fileName);

    explicit QtInstance(QString serverName);
    ~QtInstance() override;

    // Becomes the running instance; false when another one answers on the name. A socket left
    // behind by an instance that died is taken over.
    bool Listen();
    bool IsListening() const;

    // The window that receives the names; names that came before it wait (at most
    // kMaxWaitingNames, the newest kept).
    void SetMainWindow(HWND mainWindow);

private:
    void TakeConnections();
    void Read(QLocalSocket* socket);
    void Deliver(std::string name);

    QString m_serverName;
    std::unique_ptr<QLocalServer> m_server;
    HWND m_mainWindow = nullptr;
    std::deque<std::string> m_waiting;
};

}  // namespace platform
