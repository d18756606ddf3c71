#include "application/qtsingleapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

namespace {

const char applicationKey[] = "Kestrel Row/Garvo";
// The receiver's answer once a whole message arrived.
const char acknowledgement = '\x06';
// A message is a 32-bit length followed by that many bytes of UTF-8.
const quint32 maxMessageSize = 1024 * 1024;
const int headerSize = int(sizeof(quint32));

// One name per user and data location. On Unix the socket lives in the
// user's private runtime folder rather than in the shared temporary one.
QString makeServerName()
{
    const QString identity = QLatin1String(applicationKey) + QLatin1Char('|')
                             + QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                             + QLatin1Char('|') + qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    const QString name = QStringLiteral("garvo-")
                         + QString::fromLatin1(
                             QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
#ifdef Q_OS_UNIX
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    // Unix socket paths are limited to about a hundred bytes.
    if (!runtime.isEmpty() && QFile::encodeName(runtime).size() + name.size() < 100)
        return runtime + QLatin1Char('/') + name;
#endif
    return name;
}

QString lockFileName(const QString &serverName)
{
    if (QDir::isAbsolutePath(serverName))
        return serverName + QStringLiteral(".lock");
    return QDir::temp().filePath(serverName + QStringLiteral(".lock"));
}

// A lock file that does not hold a lock's details (process id, program,
// host) and that no starting instance holds is not a lock: it is removed
// rather than waited for. An empty file may be one being written just now.
void removeUnreadableLock(const QString &fileName)
{
    qint64 pid = 0;
    QString host;
    QString application;
    QFile file(fileName);
    if (QLockFile(fileName).getLockInfo(&pid, &host, &application) || file.size() == 0
        || !file.open(QIODevice::ReadOnly))
        return;
#ifdef Q_OS_UNIX
    // Its owner holds the lock from before it writes the details until it
    // removes the file.
    if (::flock(file.handle(), LOCK_EX | LOCK_NB) != 0)
        return;
#endif
    file.remove();
}

int remaining(const QDeadlineTimer &deadline)
{
    return deadline.isForever() ? -1 : int(deadline.remainingTime());
}

} // namespace

QtSingleApplication::QtSingleApplication(int &argc, char **argv, bool guiEnabled)
    : QApplication(argc, argv)
    , m_serverName(makeServerName())
{
    Q_ASSERT(guiEnabled);
    Q_UNUSED(guiEnabled)
    // Two instances starting together must not both take the server.
    const QString lockName = lockFileName(m_serverName);
    removeUnreadableLock(lockName);
    QLockFile startLock(lockName);
    startLock.tryLock(3000);

    QLocalSocket probe;
    probe.connectToServer(m_serverName);
    if (probe.waitForConnected(1000)) {
        otherRunning = true;
        probe.disconnectFromServer();
        return;
    }
    startListening();
}

QtSingleApplication::~QtSingleApplication()
{
    delete server;
}

void QtSingleApplication::startListening()
{
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Nobody answered: a socket file still there was left by a crashed instance.
    QLocalServer::removeServer(m_serverName);
    if (!server->listen(m_serverName)) {
        qWarning("Single instance server %s unavailable: %s", qPrintable(m_serverName),
                 qPrintable(server->errorString()));
        delete server;
        server = nullptr;
        return;
    }
    connect(server, &QLocalServer::newConnection, this, &QtSingleApplication::slotNewConnection);
}

bool QtSingleApplication::isRunning() const
{
    return otherRunning;
}

bool QtSingleApplication::sendMessage(const QString &message, int timeout)
{
    if (!otherRunning)
        return false;

    const QDeadlineTimer deadline(timeout < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(timeout));
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(remaining(deadline)))
        return false;

    const QByteArray payload = message.toUtf8();
    QByteArray frame;
    QDataStream(&frame, QIODevice::WriteOnly) << quint32(payload.size());
    frame += payload;
    socket.write(frame);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remaining(deadline)))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(remaining(deadline)))
            return false;
    }
    char answer = 0;
    const bool delivered = socket.getChar(&answer) && answer == acknowledgement;
    socket.disconnectFromServer();
    return delivered;
}

void QtSingleApplication::setActivationWindow(QWidget *activationWindow, bool activate)
{
    window = activationWindow;
    activateOnMessage = activate;
}

QWidget *QtSingleApplication::activationWindow() const
{
    return window;
}

void QtSingleApplication::activateWindow()
{
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void QtSingleApplication::slotNewConnection()
{
    while (QLocalSocket *socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        readMessage(socket);
    }
}

void QtSingleApplication::readMessage(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < headerSize)
        return;
    quint32 size = 0;
    QDataStream(socket->peek(headerSize)) >> size;
    if (size > maxMessageSize) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < headerSize + qint64(size))
        return;
    socket->skip(headerSize);
    const QString message = QString::fromUtf8(socket->read(size));

    // Confirm first, so a slow reaction does not make the sender time out.
    socket->putChar(acknowledgement);
    socket->flush();

    emit messageReceived(message);
    if (activateOnMessage)
        activateWindow();
}
