#include "platform/qt/QtInstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include "platform/core/DesktopInstance.h"
#include "platform/qt/QtHost.h"

namespace platform {

namespace {

constexpr int kLengthBytes = 4;

QByteArray LengthPrefix(std::uint32_t length) {
    QByteArray bytes(kLengthBytes, '\0');
    for (int i = 0; i < kLengthBytes; ++i) bytes[i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    return bytes;
}

std::uint32_t ReadLength(const QByteArray& bytes) {
    std::uint32_t length = 0;
    for (int i = 0; i < kLengthBytes; ++i) length |= std::uint32_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
    return length;
}

}  // namespace

QString QtInstance::ServerName(const std::string& workFolder) {
    // The folder as the file system names it, so that two ways of writing it meet; a short digest
    // keeps the socket's path within its limit.
    const QString folder = QString::fromStdString(workFolder);
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QByteArray digest =
        QCryptographicHash::hash((canonical.isEmpty() ? folder : canonical).toUtf8(), QCryptographicHash::Sha256);
    const QString program = QStringLiteral("kartovan-") + QString::fromLatin1(digest.toHex().left(16));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return QDir(runtime).filePath(program + QStringLiteral(".socket"));
    return program + QLatin1Char('-') + QString::number(::getuid());
}

QtInstance::Reach QtInstance::HandOver(const QString& serverName, const std::string& fileName) {
    std::string name;
    if (!fileName.empty()) {
        name = QFileInfo(QString::fromStdString(fileName)).absoluteFilePath().toStdString();
        if (!IsAcceptableHandedOverName(name)) return Reach::Refused;
    }
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(kHandOverTimeoutMs)) return Reach::NobodyListens;
    socket.write(LengthPrefix(static_cast<std::uint32_t>(name.size())));
    socket.write(name.data(), static_cast<qint64>(name.size()));
    if (!socket.waitForBytesWritten(kHandOverTimeoutMs) && socket.bytesToWrite() > 0) {
        socket.abort();
        return Reach::NoAnswer;
    }
    // The answer comes once the running program has taken the request from its loop.
    char answer = 0;
    const bool answered = (socket.bytesAvailable() > 0 || socket.waitForReadyRead(kAnswerTimeoutMs)) &&
                          socket.read(&answer, 1) == 1 && answer == kAnswerByte;
    socket.abort();
    return answered ? Reach::Answered : Reach::NoAnswer;
}

QtInstance::QtInstance(QString serverName) : m_serverName(std::move(serverName)) {}

QtInstance::~QtInstance() = default;

bool QtInstance::IsListening() const { return m_server && m_server->isListening(); }

bool QtInstance::Listen() {
    if (IsListening()) return true;
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->setMaxPendingConnections(kMaxConnections);
    // Someone answering on the name is the running instance. (Listening first would not tell: with
    // access options Qt binds elsewhere and renames over the name.)
    {
        QLocalSocket probe;
        probe.connectToServer(m_serverName);
        if (probe.waitForConnected(kHandOverTimeoutMs)) {
            m_server.reset();
            return false;
        }
    }
    // A socket left behind by an instance that died is taken over.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName)) {
        m_server.reset();
        return false;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &QtInstance::TakeConnections);
    return true;
}

void QtInstance::TakeConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        // The server owns its sockets; one that is done deletes itself.
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (m_server->findChildren<QLocalSocket*>().size() > kMaxConnections) {
            socket->abort();
            continue;
        }
        socket->setProperty("received", QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        // A connection that never finishes is dropped.
        QTimer::singleShot(kReadTimeoutMs, socket, [socket] { socket->abort(); });
        Read(socket);
    }
}

void QtInstance::Read(QLocalSocket* socket) {
    if (socket->property("done").toBool()) return;
    QByteArray received = socket->property("received").toByteArray();
    const qint64 room = kLengthBytes + static_cast<qint64>(kMaxHandedOverNameBytes) - received.size();
    received += socket->read(room + 1);
    if (received.size() < kLengthBytes) {
        socket->setProperty("received", received);
        return;
    }
    const std::uint32_t length = ReadLength(received);
    const qint64 total = kLengthBytes + static_cast<qint64>(length);
    if (length > kMaxHandedOverNameBytes || received.size() > total) {
        socket->setProperty("done", true);
        socket->abort();
        return;
    }
    if (received.size() < total) {
        socket->setProperty("received", received);
        return;
    }
    socket->setProperty("done", true);
    const std::string name = received.mid(kLengthBytes).toStdString();
    if (!name.empty() && !IsAcceptableHandedOverName(name)) {
        socket->abort();
        return;
    }
    // The request is taken: the second start may end.
    socket->write(&kAnswerByte, 1);
    socket->flush();
    socket->disconnectFromServer();
    if (!name.empty()) Deliver(name);
    BringForward();
}

void QtInstance::SetMainWindow(HWND mainWindow) {
    m_mainWindow = mainWindow;
    while (!m_waiting.empty()) {
        std::string name = std::move(m_waiting.front());
        m_waiting.pop_front();
        Deliver(std::move(name));
    }
}

void QtInstance::Deliver(std::string name) {
    if (!m_mainWindow) {
        if (m_waiting.size() == kMaxWaitingNames) m_waiting.pop_front();
        m_waiting.push_back(std::move(name));
        return;
    }
    // Our handlers never run inside Qt's socket events: the engine takes the name at its next
    // retrieval.
    const HWND target = m_mainWindow;
    if (QtHost* host = QtHost::Current()) {
        host->RunAtNextRetrieval([target, name = std::move(name)] { DeliverHandedOverFile(target, name); });
    } else {
        DeliverHandedOverFile(target, name);
    }
}

void QtInstance::BringForward() {
    const HWND target = m_mainWindow;
    QtHost* host = QtHost::Current();
    // A window still to come shows itself in front.
    if (!target || !host) return;
    host->RunAtNextRetrieval([host, target] { host->BringToFront(target); });
}

}  // namespace platform
