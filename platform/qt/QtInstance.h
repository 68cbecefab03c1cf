#pragma once
// platform::QtInstance: one running program per work folder, whichever edition. A second start
// reaches the running one through a local socket named after the work folder, hands it its file
// name (if any) and ends; the running one queues the name as WM_COPYDATA to its main window
// (DeliverHandedOverFile) and brings that window forward. Only the user's own processes can
// connect.
//
// On the socket: the name's length as 4 bytes little-endian, then the name in UTF-8; a length of 0
// asks only to bring the window forward. The running instance reads at most
// kMaxHandedOverNameBytes, checks the name, answers kAnswerByte once it has taken the request, and
// drops a connection that sends more, sends something else or waits too long; it serves at most
// kMaxConnections at once.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include <QByteArray>
#include <QObject>
#include <QString>

#include "platform/core/Message.h"

class QLocalServer;
class QLocalSocket;

namespace platform {

class QtInstance final : public QObject {
public:
    static constexpr int kMaxConnections = 8;
    static constexpr std::size_t kMaxWaitingNames = 8;
    static constexpr int kHandOverTimeoutMs = 2000;
    static constexpr int kReadTimeoutMs = 5000;
    // A running program answers from its message loop, at the latest once its start-up is done;
    // one that has not answered after this long is taken as hanging.
    static constexpr int kAnswerTimeoutMs = 15000;
    static constexpr char kAnswerByte = '\x01';

    // What became of a second start's request.
    enum class Reach {
        Answered,       // the running program took it: this start may end
        NobodyListens,  // no program listens on the name
        NoAnswer,       // something listens but did not take the request in time (it hangs)
        Refused,        // the name is not acceptable; nothing was sent
    };

    // The socket of the program writing into `workFolder` for this user (both editions share it): in
    // $XDG_RUNTIME_DIR when there is one.
    static QString ServerName(const std::string& workFolder);
    // Sends `fileName` (made absolute; empty: none) to the running instance and waits for its
    // answer.
    static Reach HandOver(const QString& serverName, const std::string& fileName);

    explicit QtInstance(QString serverName);
    ~QtInstance() override;

    // Becomes the running instance; false when another one answers on the name. A socket left
    // behind by an instance that died is taken over.
    bool Listen();
    bool IsListening() const;
    const QString& ServerName() const { return m_serverName; }

    // The window that receives the names and is brought forward; names that came before it wait
    // (at most kMaxWaitingNames, the newest kept).
    void SetMainWindow(HWND mainWindow);

private:
    void TakeConnections();
    void Read(QLocalSocket* socket);
    void Deliver(std::string name);
    void BringForward();

    QString m_serverName;
    std::unique_ptr<QLocalServer> m_server;
    HWND m_mainWindow = nullptr;
    std::deque<std::string> m_waiting;
};

}  // namespace platform
